// Values from a damaged file that once froze the redraw: a grid step too
// small to move the coordinate, a sheet of astronomic size.

#include "drawing/Rysowanie.h"
#include "drawing/WyjsciaPlotna.h"
#include "pomoc.h"

namespace {

class Granice : public TestRysowania {};

TEST_F(Granice, SiatkaBezKonca)
{
    for (double krok : {1e-30, 1e-6})
        RysujSiatke(0, "none", 0, 0, 20, 30, krok, 0.01);
    RysujSiatke(0, "none", 0, 0, 3e38, 3e38, 1.0, 0.01);
    RysujSiatke(0, "none", 0, 0, 1e300, 10, 1e-300, 0.01);
    EXPECT_TRUE(n->ekran.linie.empty());
    // The densest grid still drawn: 10,000 steps across, 100 along.
    RysujSiatke(0, "none", 0, 0, 100, 1, 0.01, 0.01);
    EXPECT_GE(n->ekran.linie.size(), 9999u + 99u);
    EXPECT_LE(n->ekran.linie.size(), 10000u + 100u);
}

// A canvas of 800 x 600 pixels that keeps the boxes it was asked about.
class PlotnoZKrawedzia : public NagrywaniePlotna {
public:
    mutable std::vector<std::array<int, 4>> pytania;
    bool ProstokatWidoczny(int x1, int y1, int x2, int y2) const override
    {
        pytania.push_back({x1, y1, x2, y2});
        return std::max(x1, x2) >= 0 && std::max(y1, y2) >= 0 && std::min(x1, x2) < 800 && std::min(y1, y2) < 600;
    }
};

// A legend of astronomic width anchored far left of the canvas still reaches
// it: the box asked about runs from left of the anchor onto the canvas, with
// no wrap-around of its edges.
TEST_F(Granice, ZasiegTekstuDalekoPozaPlotnem)
{
    PlotnoZKrawedzia plotno;
    UstawPlotnoEkranu(&plotno);
    Czcionka[static_cast<unsigned char>('W')] = ZnakTestowy({{0, 0, 10, 10}}, 10);
    const std::string tekst(40, 'W');
    WyjscieEkranu ekran;
    TekstRysunku t{tekst};
    t.x = -1.2e29;
    t.y = 0.0;
    t.wysokosc = 1.0;
    t.szerokoscZnaku = 1.2e29;
    t.gruboscPiora = 100.0;
    ekran.Tekst(t, "none");
    UstawPlotnoEkranu(&n->ekran);
    ASSERT_EQ(plotno.pytania.size(), 2u);
    const auto& p = plotno.pytania[1];
    EXPECT_LE(p[0], p[2]);
    EXPECT_LE(p[1], p[3]);
    EXPECT_LT(p[0], 0);
    EXPECT_GE(p[2], 0);
    EXPECT_FALSE(plotno.linie.empty()) << "the text reaching the canvas is drawn";
}

}  // namespace
