// Fillet geometry: lines, their intersection, feet of perpendiculars and the
// arc of radius R inside a corner.

#include "oblicz_wspolne.h"

#include "junction/Zaokraglenia.h"

using namespace oblicz_test;

namespace {

class Zaokraglenia : public ::testing::Test {
protected:
    void SetUp() override { PobierzKomunikaty(); }
    void TearDown() override { PobierzKomunikaty(); }
};

TEST_F(Zaokraglenia, ProsteIPunkty)
{
    // Nearly vertical (dx 0.01) counts as vertical: slope 1e11, the mean x kept.
    const struct {
        float x1, y1, x2, y2;
        double nachylenie, wyraz;
    } proste[] = {{0, 0, 0.01f, 5, 1e11, 0.005}, {0, 0, 0.011f, 5, 5.0 / 0.011, 0}, {1, 3, 3, 7, 2, 1}};
    for (const auto& e : proste) {
        DanaProsta p;
        ProstaPrzez(p, e.x1, e.y1, e.x2, e.y2);
        EXPECT_NEAR(p.Nachylenie, e.nachylenie, 1e-5 * std::max(1.0, e.nachylenie)) << e.x2;
        EXPECT_NEAR(p.Wyraz, e.wyraz, 1e-6) << e.x2;
    }

    // Intersections, with either line vertical.
    PunktXY p{-9, -9};
    EXPECT_TRUE(PrzeciecieProstych(p, 1.0, 0.0, -1.0, 2.0));
    EXPECT_TRUE(Blisko(p, 1.0, 1.0));
    EXPECT_TRUE(PrzeciecieProstych(p, 1e11, 3.0, 2.0, 1.0));
    EXPECT_TRUE(Blisko(p, 3.0, 7.0));
    p = {};
    EXPECT_TRUE(PrzeciecieProstych(p, 2.0, 1.0, 1e11, 3.0));
    EXPECT_TRUE(Blisko(p, 3.0, 7.0));
    EXPECT_TRUE(PobierzKomunikaty().empty());
    // Equal slopes: no point, the message waits for the end of the redraw.
    p = {-9, -9};
    EXPECT_FALSE(PrzeciecieProstych(p, 2.0, 0.0, 2.0, 5.0));
    EXPECT_EQ(p, (PunktXY{-9, -9}));
    EXPECT_EQ(PobierzKomunikaty(), std::vector<std::string>{"Proste r\xF3wnoleg\xB3" "e"});

    // Feet of perpendiculars, points of arcs right and left, distances.
    RzutNaProsta(p, 0.0, 1.0, 3.0, 5.0);
    EXPECT_TRUE(Blisko(p, 3.0, 1.0, 1e-12));
    RzutNaProsta(p, 1.0, 0.0, 3.0, 5.0);
    EXPECT_TRUE(Blisko(p, 4.0, 4.0, 1e-12));
    PunktLukuP(p, 1.0, 1.0, 2.0, Pi / 2);
    EXPECT_TRUE(Blisko(p, 3.0, 1.0, 1e-12));
    PunktLukuL(p, 1.0, 1.0, 2.0, Pi / 2);
    EXPECT_TRUE(Blisko(p, -1.0, 1.0, 1e-12));
    EXPECT_FLOAT_EQ(OdlegloscPunktow(0, 0, 3, 4), 5.0f);
}

TEST_F(Zaokraglenia, SrodkiCzterechOkregow)
{
    std::array<double, 8> s{};
    // y = 0 and y = x: line A up/down by 1, line B up/down by sqrt 2.
    SrodkiZaokraglen(s, 1.0f, -5, 0, 0, 0, 0, 0, 5, 5);
    const double r2 = std::sqrt(2.0), k = 1.0 + r2;
    const std::array<double, 8> e = {1 - r2, -1 + r2, -k, k, 1, -1, -1, 1};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_NEAR(s[i], e[i], 1e-6) << i;
    // Line A vertical at x = 0: centres 1 left and right of it on line B moved.
    SrodkiZaokraglen(s, 1.0f, 0, -5, 0, 0, 0, 0, 5, 0);
    const std::array<double, 8> v = {-1, 1, -1, 1, 1, -1, -1, 1};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_NEAR(s[i], v[i], 1e-6) << i;
}

// Right-angle fillets of both directions are worked by hand with the
// relation bands; here a radius below 0.1 and an oblique corner.
TEST_F(Zaokraglenia, MalyPromienPodniesiony)
{
    DaneLuk l;
    ASSERT_TRUE(Zaokraglenie(l, -5, 0, -1, 0, 0, 1, 0, 5, 0.05f));
    EXPECT_TRUE(Blisko(l.C, -0.1, 0.1, 1e-6));
    EXPECT_TRUE(Blisko(l.A, -0.1, 0.0, 1e-6));
    EXPECT_TRUE(Blisko(l.B, 0.0, 0.1, 1e-6));
}

TEST_F(Zaokraglenia, PrawyNaroznikUkosny)
{
    // North-east bound, then turning right to east-south-east.
    DaneLuk l;
    ASSERT_TRUE(Zaokraglenie(l, -4, -4, -1, -1, 1, 0.5f, 5, -1.5f, 1.5f));
    l.R = 1.5f;
    EXPECT_EQ(l.Kierunek, 1);
    SprawdzStyczny(l, {-4, -4}, {-1, -1}, {1, 0.5}, {5, -1.5});
    // Of the four tangent circles, the one inside the corner: below both lines.
    EXPECT_LT(l.C.Y, l.C.X);
}

TEST_F(Zaokraglenia, NieDajaceSieLukiNieZmieniajaRekordu)
{
    DaneLuk l;
    l.C = {7, 7};
    // Parallel sides, two vertical sides, a side of no length.
    EXPECT_FALSE(Zaokraglenie(l, 0, 0, 1, 2, 3, 0, 4, 2, 1.0f));
    EXPECT_FALSE(Zaokraglenie(l, 0, -5, 0, -1, 0.005f, 1, 0.005f, 5, 1.0f));
    EXPECT_FALSE(Zaokraglenie(l, 1, 1, 1, 1, 0, 1, 0, 5, 1.0f));
    EXPECT_EQ(l.C, (PunktXYS{7, 7}));
    EXPECT_EQ(l.R, 0.0f);
}

} // namespace
