// The sparse bitmap holds the memory of the rows drawn on until it gives
// back that of the rows outside those kept: a bitmap 100 pixels wide has
// rows of 400 bytes, a page of 4096 bytes holds rows 0 to 10 (and a part of row 10),
// the next rows 10 to 20, and so on.

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

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

// The rows flagged drawn, a flag a row.
std::vector<unsigned char> Wiersze(std::initializer_list<int> ktore)
{
    std::vector<unsigned char> w(Wysokosc, 0);
    for (int y : ktore)
        w[static_cast<std::size_t>(y)] = 1;
    return w;
}

void Wyzeruj(ObrazRzadki& o, int y) { RysujWiersz(o, y, 0); }

// Whether page `strona` of the bitmap is in memory, as the system says.
bool WPamieci(ObrazRzadki& o, int strona)
{
    unsigned char w = 0;
    mincore(o.Obraz().bits() + strona * 4096, 4096, &w);
    return (w & 1) != 0;
}

// Without a swap file the system can take from a process only the memory
// given back to it.
bool BezWymiany()
{
    std::ifstream swaps("/proc/swaps");
    int linii = 0;
    for (std::string linia; std::getline(swaps, linia);)
        ++linii;
    return linii <= 1;
}

// Rows 20, 25 and 30 kept: bytes 8000 to 12400, on pages 1, 2 and 3. Rows 0
// (page 0) and 49 (page 4) go back; row 15 shares page 1 with the kept rows,
// so that page stays. The system may take a page given back and no other
// (made to here, as when it needs memory); taken or not, it reads zero.
TEST_F(ObrazRzadkiTest, OddajPozaZostawiaStronyWierszy)
{
    const std::vector<unsigned char> narysowane = Wiersze({0, 15, 20, 25, 30, 49});
    for (int y : {0, 15, 20, 25, 30, 49})
        RysujWiersz(obraz, y, 0xFF102030);
    obraz.Zajmij(narysowane);
    EXPECT_EQ(obraz.PamiecUzywana(), 5u * 4096);
    for (int y : {0, 15, 20, 25, 30, 49})
        Wyzeruj(obraz, y);
    obraz.OddajPoza(Wiersze({20, 25, 30}));
    EXPECT_EQ(obraz.PamiecUzywana(), 3u * 4096);
    if (BezWymiany()) {
        madvise(obraz.Obraz().bits(), static_cast<std::size_t>(obraz.Obraz().sizeInBytes()), MADV_PAGEOUT);
        for (int strona = 0; strona < 5; ++strona)
            EXPECT_EQ(WPamieci(obraz, strona), strona >= 1 && strona <= 3) << "page " << strona;
    }
    // Held again once drawn on again.
    obraz.Zajmij(Wiersze({49}));
    EXPECT_EQ(obraz.PamiecUzywana(), 4u * 4096);
    obraz.OddajPoza({});
    EXPECT_EQ(obraz.PamiecUzywana(), 0u);
    for (int y = 0; y < Wysokosc; ++y)
        EXPECT_TRUE(WierszPusty(obraz, y)) << "row " << y;
    madvise(obraz.Obraz().bits(), static_cast<std::size_t>(obraz.Obraz().sizeInBytes()), MADV_PAGEOUT);
    for (int y = 0; y < Wysokosc; ++y)
        EXPECT_TRUE(WierszPusty(obraz, y)) << "row " << y << " once taken";
    RysujWiersz(obraz, 45, 0xFF000001);
    EXPECT_FALSE(WierszPusty(obraz, 45));
}

// A drawing cut short leaves pixels on rows nobody recorded: clearing
// zeroes them all and gives every page back.
TEST_F(ObrazRzadkiTest, WyczyscZerujeNiezapisane)
{
    RysujWiersz(obraz, 45, 0xFF000001);
    obraz.Zajmij(Wiersze({10}));
    obraz.Wyczysc();
    EXPECT_EQ(obraz.PamiecUzywana(), 0u);
    EXPECT_TRUE(WierszPusty(obraz, 45));
    EXPECT_TRUE(WierszPusty(obraz, 10));
}
