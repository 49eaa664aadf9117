// The sparse bitmap gives back the memory of the rows outside those kept and
// tells which pages were drawn on: a bitmap 100 pixels wide has rows of 400
// bytes, a page of 4096 bytes holds rows 0 to 10 (and a part of row 10),
// the next rows 10 to 20, and so on.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>

#include "platform/qt/ObrazRzadki.h"

namespace {

constexpr int Szerokosc = 100, Wysokosc = 50;

void RysujWiersz(ObrazRzadki& o, int y, QRgb kolor)
{
    auto* w = reinterpret_cast<QRgb*>(o.Obraz().scanLine(y));
    for (int x = 0; x < Szerokosc; ++x)
        w[x] = kolor;
}

bool WierszPusty(ObrazRzadki& o, int y)
{
    const auto* w = reinterpret_cast<const QRgb*>(o.Obraz().constScanLine(y));
    for (int x = 0; x < Szerokosc; ++x)
        if (w[x] != 0)
            return false;
    return true;
}

class ObrazRzadkiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (sysconf(_SC_PAGESIZE) != 4096)
            GTEST_SKIP() << "the rows worked out are those of 4096-byte pages";
        ASSERT_TRUE(obraz.Dopasuj(QImage(Szerokosc, Wysokosc, QImage::Format_ARGB32)));
        ASSERT_EQ(obraz.Obraz().bytesPerLine(), 400);
    }
    ObrazRzadki obraz;
};

} // namespace

// Rows 20 to 30 kept: bytes 8000 to 12400, on pages 1, 2 and 3. Row 0 (page
// 0) and row 49 (page 4) go back; row 15 shares page 1 with the kept rows,
// so its memory stays, but its pixels are zero again.
TEST_F(ObrazRzadkiTest, WyczyscPozaZostawiaStronyWierszy)
{
    for (int y : {0, 15, 20, 25, 30, 49})
        RysujWiersz(obraz, y, 0xFF102030);
    EXPECT_EQ(obraz.PamiecUzywana(), 5u * 4096);
    obraz.WyczyscPoza(20, 31);
    EXPECT_EQ(obraz.PamiecUzywana(), 3u * 4096);
    for (int y = 0; y < Wysokosc; ++y)
        EXPECT_EQ(WierszPusty(obraz, y), y != 20 && y != 25 && y != 30) << "row " << y;
    // Rows beyond the bitmap are cut to it; none at all clears it all.
    obraz.WyczyscPoza(25, 900);
    EXPECT_TRUE(WierszPusty(obraz, 20));
    EXPECT_FALSE(WierszPusty(obraz, 30));
    obraz.WyczyscPoza(30, 30);
    EXPECT_EQ(obraz.PamiecUzywana(), 0u);
    EXPECT_TRUE(WierszPusty(obraz, 30));
}

// Only row 45 drawn on: of rows 0 to 50 only page 4 (bytes 16384 to 20479)
// has memory; rows 30 to 40 start at page 2.
TEST_F(ObrazRzadkiTest, StronyWierszyZPamieciaTylkoNarysowane)
{
    RysujWiersz(obraz, 45, 0xFF000001);
    const ObrazRzadki::Strony wszystkie = obraz.StronyWierszy(0, Wysokosc);
    EXPECT_EQ(wszystkie.strona, 4096u);
    EXPECT_EQ(wszystkie.pierwsza, 0u);
    ASSERT_EQ(wszystkie.zPamiecia.size(), 5u);
    for (std::size_t bajt : {0u, 4095u, 8000u, 16383u})
        EXPECT_FALSE(wszystkie.MaPamiec(bajt)) << bajt;
    EXPECT_TRUE(wszystkie.MaPamiec(45 * 400));
    EXPECT_TRUE(wszystkie.MaPamiec(16384));

    const ObrazRzadki::Strony czesc = obraz.StronyWierszy(30, 40);
    EXPECT_EQ(czesc.pierwsza, 2u);
    EXPECT_EQ(czesc.zPamiecia.size(), 2u);
    EXPECT_FALSE(czesc.MaPamiec(45 * 400)) << "a page beyond the rows asked for";
    EXPECT_TRUE(obraz.StronyWierszy(10, 10).zPamiecia.empty());
}
