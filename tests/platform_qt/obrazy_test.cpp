#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/Kodowanie.h"
#include "platform/qt/ObrazJpeg.h"
#include "platform/qt/Schowek.h"

namespace fs = std::filesystem;

namespace {

class ObrazyJpeg : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QImageWriter::supportedImageFormats().contains("jpeg"))
            GTEST_SKIP() << "Qt has no JPEG writer here";
        katalog = fs::temp_directory_path() / ("kg_jpeg_" + std::to_string(::getpid()));
        fs::create_directories(katalog);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(katalog, ec);
    }
    std::string Sciezka(const std::string& nazwa) const { return (katalog / nazwa).string(); }
    fs::path katalog;
};

} // namespace

TEST_F(ObrazyJpeg, DecodesAFileQtWrote)
{
    QImage wzor(40, 30, QImage::Format_RGB32);
    wzor.fill(QColor(200, 30, 40));
    for (int x = 20; x < 40; ++x)
        for (int y = 0; y < 30; ++y)
            wzor.setPixelColor(x, y, QColor(20, 40, 220));
    ASSERT_TRUE(wzor.save(QString::fromStdString(Sciezka("a.jpg")), "JPEG", 95));

    QImage obraz;
    std::string blad;
    ASSERT_TRUE(CzytajJpeg(Sciezka("a.jpg"), obraz, blad)) << blad;
    ASSERT_EQ(obraz.size(), QSize(40, 30));
    const QColor lewy = obraz.pixelColor(5, 15);
    const QColor prawy = obraz.pixelColor(35, 15);
    EXPECT_NEAR(lewy.red(), 200, 12);
    EXPECT_NEAR(lewy.blue(), 40, 12);
    EXPECT_NEAR(prawy.red(), 20, 12);
    EXPECT_NEAR(prawy.blue(), 220, 12);
    EXPECT_EQ(lewy.alpha(), 255);

    // A grey picture comes out as RGB too.
    QImage szary(8, 8, QImage::Format_Grayscale8);
    szary.fill(100);
    ASSERT_TRUE(szary.save(QString::fromStdString(Sciezka("s.jpg")), "JPEG", 95));
    ASSERT_TRUE(CzytajJpeg(Sciezka("s.jpg"), obraz, blad)) << blad;
    EXPECT_NEAR(obraz.pixelColor(3, 3).green(), 100, 3);
}

TEST_F(ObrazyJpeg, DamagedFilesGiveAnErrorNotAnExit)
{
    QImage obraz(3, 3, QImage::Format_RGB32);
    std::string blad;
    EXPECT_FALSE(CzytajJpeg(Sciezka("brak.jpg"), obraz, blad));
    EXPECT_NE(Cp1250NaUtf8(blad).find("Nie można otworzyć"), std::string::npos);

    std::ofstream(Sciezka("smieci.jpg"), std::ios::binary) << "to nie jest jpeg";
    EXPECT_FALSE(CzytajJpeg(Sciezka("smieci.jpg"), obraz, blad));
    EXPECT_NE(Cp1250NaUtf8(blad).find("nie jest poprawnym obrazem JPEG"), std::string::npos) << blad;
    EXPECT_EQ(obraz.size(), QSize(3, 3)); // untouched

    std::ofstream(Sciezka("pusty.jpg"), std::ios::binary) << "";
    EXPECT_FALSE(CzytajJpeg(Sciezka("pusty.jpg"), obraz, blad));

    // A real picture cut short: libjpeg pads it and warns; either way no exit.
    QImage wzor(64, 64, QImage::Format_RGB32);
    wzor.fill(Qt::green);
    ASSERT_TRUE(wzor.save(QString::fromStdString(Sciezka("c.jpg")), "JPEG"));
    fs::resize_file(katalog / "c.jpg", fs::file_size(katalog / "c.jpg") / 2);
    CzytajJpeg(Sciezka("c.jpg"), obraz, blad);
    fs::resize_file(katalog / "c.jpg", 20);
    EXPECT_FALSE(CzytajJpeg(Sciezka("c.jpg"), obraz, blad));
}

TEST(Schowek, PutsTheImageOnTheClipboard)
{
    QImage obraz(10, 6, QImage::Format_RGB32);
    obraz.fill(QColor(1, 2, 3));
    ASSERT_TRUE(KopiujObrazDoSchowka(obraz));
    const QImage zeSchowka = QGuiApplication::clipboard()->image();
    if (zeSchowka.isNull())
        GTEST_SKIP() << "this platform keeps no clipboard";
    EXPECT_EQ(zeSchowka.size(), QSize(10, 6));
    EXPECT_EQ(zeSchowka.pixelColor(4, 4), QColor(1, 2, 3));
    EXPECT_FALSE(KopiujObrazDoSchowka(QImage()));
}
