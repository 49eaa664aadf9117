// Values from a damaged file that once froze the redraw: a grid step too
// small to move the coordinate, a sheet of astronomic size.

#include "drawing/Rysowanie.h"
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

}  // namespace
