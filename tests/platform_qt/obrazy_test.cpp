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

TEST_F(ObrazyJpeg, DeclaredSizeBeyondTheProgramsPicturesRefusedBeforeTheBitmap)
{
    // A small real picture whose header then declares another size: 5000 x
    // 3 asked for a bitmap of its declared size and decoded the rest as
    // padding (a few hundred bytes could ask for gigabytes).
    QImage wzor(16, 3, QImage::Format_RGB32);
    wzor.fill(Qt::red);
    ASSERT_TRUE(wzor.save(QString::fromStdString(Sciezka("w.jpg")), "JPEG"));
    std::ifstream we(Sciezka("w.jpg"), std::ios::binary);
    const std::string bajty((std::istreambuf_iterator<char>(we)), std::istreambuf_iterator<char>());
    // The frame header: FF C0, length, precision, height, width.
    const std::size_t sof = bajty.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    auto zRozmiarem = [&](unsigned szer, unsigned wys) {
        std::string b = bajty;
        b[sof + 5] = static_cast<char>(wys >> 8), b[sof + 6] = static_cast<char>(wys & 0xFF);
        b[sof + 7] = static_cast<char>(szer >> 8), b[sof + 8] = static_cast<char>(szer & 0xFF);
        return b;
    };
    QImage obraz(3, 3, QImage::Format_RGB32);
    std::string przyczyna;
    for (const auto& [szer, wys] : std::vector<std::pair<unsigned, unsigned>>{{5000, 3}, {16, 4097}, {32000, 32000}}) {
        EXPECT_FALSE(CzytajJpegZBajtow(zRozmiarem(szer, wys), obraz, przyczyna)) << szer << " " << wys;
        EXPECT_EQ(Cp1250NaUtf8(przyczyna),
                  "obraz zbyt duży, " + std::to_string(szer) + " x " + std::to_string(wys) + " pikseli");
        EXPECT_EQ(obraz.size(), QSize(3, 3));
    }
    std::ofstream(Sciezka("d.jpg"), std::ios::binary) << zRozmiarem(5000, 3);
    std::string blad;
    EXPECT_FALSE(CzytajJpeg(Sciezka("d.jpg"), obraz, blad));
    EXPECT_EQ(Cp1250NaUtf8(blad), "Plik " + Sciezka("d.jpg") +
                                      " nie jest poprawnym obrazem JPEG (obraz zbyt duży, 5000 x 3 pikseli).");
    // The largest side allowed still decodes.
    QImage szeroki(4096, 2, QImage::Format_RGB32);
    szeroki.fill(Qt::blue);
    ASSERT_TRUE(szeroki.save(QString::fromStdString(Sciezka("s.jpg")), "JPEG"));
    ASSERT_TRUE(CzytajJpeg(Sciezka("s.jpg"), obraz, blad)) << blad;
    EXPECT_EQ(obraz.size(), QSize(4096, 2));
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
