// The redraw shared among threads gives the very pixels of one thread's, on
// a crowded sheet: overlapping junction diagrams, roundabouts with
// crossings, background and foreground blocks, descriptions, both legends
// and the grid, in stroke and in TrueType labels, whole and zoomed in.

#include <QImage>

#include "drawing/Wyjscie.h"
#include "drawing/ZasiegRysunku.h"
#include "shell/Arkusz.h"
#include "shell/Podglad.h"
#include "shell/RysunekWatkami.h"
#include "pomoc.h"

namespace {

class RysunekWatkami : public ArkuszMieszanyTest {
protected:
    static QImage Rysunek(int watkow)
    {
        UstawWatkiRysowania(watkow);
        Form1->Przerysuj();
        return Form1->BitmapaRysunku.convertToFormat(QImage::Format_RGB32);
    }

    // The redraw with 1, 2, 3 and 8 threads, and again with 8 after the
    // others: every one equal, and none blank.
    static void SprawdzWatki()
    {
        const QImage jeden = Rysunek(1);
        int tla = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                tla += jeden.pixel(x, y) == qRgb(255, 255, 255);
        EXPECT_LT(tla, 800 * 600 * 9 / 10) << "the sheet should be drawn over";
        for (int watkow : {2, 3, 8, 8})
            EXPECT_TRUE(Rysunek(watkow) == jeden) << watkow << " threads drew other pixels";
    }
};

TEST_F(RysunekWatkami, CalyArkuszTakiJakJednymWatkiem) { SprawdzWatki(); }

TEST_F(RysunekWatkami, DrugiWariantIEtykietyTrueType)
{
    BiezacyWariant = 1;
    SprawdzWatki();
    TekstTT = true;
    SprawdzWatki();
}

TEST_F(RysunekWatkami, PowiekszonyTakiJakJednymWatkiem)
{
    Skala /= 3.0;
    SrodekY = 40.0;
    SprawdzWatki();
}

// A diagram changed between redraws is computed once, before the threads
// draw; each redraw shows the change as one thread does.
TEST_F(RysunekWatkami, ZmianaJednegoRuchoplanu)
{
    Rysunek(8);
    Ruchoplany[7].Natezenia[1] = 900;
    Ruchoplany[7].Obliczony = 0;
    const QImage wielu = Rysunek(8);
    EXPECT_EQ(Ruchoplany[7].Obliczony, 1);
    Ruchoplany[7].Obliczony = 0;
    EXPECT_TRUE(Rysunek(1) == wielu);
}

// The sharing steps aside where it cannot serve: one thread, another
// output on, a canvas of a test in the bitmap's place.
TEST_F(RysunekWatkami, TylkoWlasnaBitmapaEkranu)
{
    PrzygotujArkuszWariantu(0);
    UstawWatkiRysowania(1);
    EXPECT_FALSE(RysujArkuszWatkami(0, nullptr));
    UstawWatkiRysowania(4);
    EXPECT_EQ(WatkiRysowania(), 4);
    {
        const ZachowajWyjscia zDrukarka(true, true, false);
        EXPECT_FALSE(RysujArkuszWatkami(0, nullptr));
    }
    Plotno* bitmapy = PlotnoEkranu();
    UstawPlotnoEkranu(nullptr);
    EXPECT_FALSE(RysujArkuszWatkami(0, nullptr));
    UstawPlotnoEkranu(bitmapy);
    EXPECT_TRUE(RysujArkuszWatkami(0, nullptr));
    // The drawing thread's canvas and outputs are its own again.
    EXPECT_EQ(PlotnoEkranu(), bitmapy);
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieDrukarka);
}

} // namespace
