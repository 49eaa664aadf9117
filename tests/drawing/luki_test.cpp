// The four arc conventions: their chords on the canvases and their ARC
// entities in DXF; the one-degree polyline of blocks.

#include "pomoc.h"

#include <numbers>
#include <vector>

#include "drawing/Luki.h"

namespace {
constexpr float Pi = static_cast<float>(std::numbers::pi);

struct Cieciwa {
    PunktXY a, b;
};
}  // namespace

class Luki : public TestRysowania {
protected:
    // The chords drawn on the bitmap, read back as sheet points; the fine
    // scale of the view keeps them to 1e-4 cm.
    std::vector<Cieciwa> Cieciwy()
    {
        std::vector<Cieciwa> wynik;
        for (const auto& l : n->ekran.linie)
            wynik.push_back({{EkranNaCmX(l.od.X), EkranNaCmY(l.od.Y)}, {EkranNaCmX(l.doPunktu.X), EkranNaCmY(l.doPunktu.Y)}});
        return wynik;
    }
    void SetUp() override
    {
        TestRysowania::SetUp();
        Skala = 0.1;  // 10 000 pixels per cm: chords come back to 1e-4 cm
    }
};

void OczekujPunkt(PunktXY p, double x, double y)
{
    EXPECT_NEAR(p.X, x, 2e-4) << "x of (" << p.X << ", " << p.Y << ")";
    EXPECT_NEAR(p.Y, y, 2e-4) << "y of (" << p.X << ", " << p.Y << ")";
}

TEST_F(Luki, AzymutPrawyCwiartka)
{
    RysujLukAzymutP(0, 2, 0, 0, 1, 0, Pi / 2, 0.1, "l");
    auto c = Cieciwy();
    ASSERT_EQ(c.size(), 2u);
    OczekujPunkt(c[0].a, 0, 1);
    OczekujPunkt(c[0].b, 0.70711, 0.70711);
    OczekujPunkt(c[1].b, 1, 0);
}

TEST_F(Luki, AzymutPrawyPrzezZero)
{
    RysujLukAzymutP(0, 2, 0, 0, 1, 3 * Pi / 2, Pi / 2, 0.1, "l");
    auto c = Cieciwy();
    ASSERT_EQ(c.size(), 2u);
    OczekujPunkt(c[0].a, -1, 0);
    OczekujPunkt(c[0].b, 0, 1);  // through azimuth 0
    OczekujPunkt(c[1].b, 1, 0);
}

TEST_F(Luki, LewyTrzyCwiartkiPrzez2Pi)
{
    RysujLukL(0, 3, 0, 0, 1, Pi / 2, 0, 0.1, "l");
    auto c = Cieciwy();
    ASSERT_EQ(c.size(), 3u);
    OczekujPunkt(c[0].a, 0, 1);
    OczekujPunkt(c[0].b, -1, 0);
    OczekujPunkt(c[1].b, 0, -1);
    OczekujPunkt(c[2].b, 1, 0);
}

TEST_F(Luki, PrawyWsteczBezZawijania)
{
    RysujLukP(0, 2, 0, 0, 1, Pi / 2, 0, 0.1, "l");
    auto c = Cieciwy();
    ASSERT_EQ(c.size(), 2u);
    OczekujPunkt(c[0].a, 0, -1);  // clockwise from +x: pi/2 is straight down
    OczekujPunkt(c[0].b, 0.70711, -0.70711);
    OczekujPunkt(c[1].b, 1, 0);
}

TEST_F(Luki, AzymutLewy)
{
    RysujLukAzymutL(0, 2, 1, 1, 2, 0, Pi / 2, 0.1, "l");
    auto c = Cieciwy();
    ASSERT_EQ(c.size(), 2u);
    OczekujPunkt(c[0].a, 1, 3);
    OczekujPunkt(c[0].b, 1 - 1.41421, 1 + 1.41421);
    OczekujPunkt(c[1].b, -1, 1);
}

TEST_F(Luki, BezOdcinkowNicNieRysuje)
{
    RysujLukL(0, 0, 0, 0, 1, 0, 1, 0.1, "l");
    RysujLukP(0, -3, 0, 0, 1, 0, 1, 0.1, "l");
    EXPECT_TRUE(n->ekran.Pusty());
}

TEST_F(Luki, DxfTylkoLukGdyDxfWlaczony)
{
    Wyjscia(true, true, true);
    BiezacyWariant = 1;
    RysujLukAzymutP(KolorRGB(255, 255, 0), 8, 2, 3, 1.5, 0, Pi / 2, 0.3, "luki");
    EXPECT_TRUE(n->ekran.Pusty());
    EXPECT_TRUE(n->drukarka.Pusty());
    ASSERT_EQ(n->dxf.encje.size(), 1u);
    const EncjaDxf& e = n->dxf.encje[0];
    EXPECT_EQ(e.typ, EncjaDxf::Typ::Luk);
    EXPECT_EQ(e.warstwa, "luki");
    EXPECT_EQ(e.kolor, 2);
    EXPECT_DOUBLE_EQ(e.x1, 2.0);
    EXPECT_DOUBLE_EQ(e.y1, 3.0 - 25.0);
    EXPECT_DOUBLE_EQ(e.r, 1.5);
    EXPECT_NEAR(e.katPoczatku, 720.0, 1e-3);
    EXPECT_NEAR(e.katKonca, 450.0, 1e-3);
}

TEST_F(Luki, KatyDxfKazdejKonwencji)
{
    Wyjscia(false, false, true);
    RysujLukL(0, 4, 0, 0, 1, 0, Pi / 2, 0.1, "l");
    RysujLukAzymutL(0, 4, 0, 0, 1, 0, Pi / 2, 0.1, "l");
    RysujLukP(0, 4, 0, 0, 1, 0, Pi / 2, 0.1, "l");
    RysujLukP(0, 4, 0, 0, 1, Pi / 2, Pi, 0.1, "l");
    ASSERT_EQ(n->dxf.encje.size(), 4u);
    auto katy = [&](int k) { return std::pair{n->dxf.encje[k].katPoczatku, n->dxf.encje[k].katKonca}; };
    EXPECT_NEAR(katy(0).first, 0, 1e-4);
    EXPECT_NEAR(katy(0).second, 90, 1e-4);
    EXPECT_NEAR(katy(1).first, 90, 1e-4);
    EXPECT_NEAR(katy(1).second, 180, 1e-4);
    // Clockwise from +x, 0 to pi/2: a(0) = 360, a(pi/2) = 270 raised to 630;
    // written end first: 630 -> 360 is the quarter below +x.
    EXPECT_NEAR(katy(2).first, 630, 1e-3);
    EXPECT_NEAR(katy(2).second, 360, 1e-3);
    // pi/2 to pi: a = 270 and 180 raised to 540, so the ARC runs 540 -> 270.
    EXPECT_NEAR(katy(3).first, 540, 1e-3);
    EXPECT_NEAR(katy(3).second, 270, 1e-3);
}

TEST_F(Luki, OdcinkamiJednoStopniowe)
{
    RysujLukOdcinkami(0, "b", 0, 0, 1, 0, 0.01f, 0.1);
    EXPECT_EQ(n->ekran.linie.size(), 1u);

    n->Wyczysc();
    RysujLukOdcinkami(0, "b", 0, 0, 1, 0, 0.5f, 0.1);
    auto c = Cieciwy();
    ASSERT_EQ(c.size(), 29u);
    OczekujPunkt(c.front().a, 0, 1);
    OczekujPunkt(c.back().b, -std::sin(0.5), std::cos(0.5));  // counter-clockwise from +y

    // Its chords reach every output, DXF included, as lines.
    n->Wyczysc();
    Wyjscia(true, false, true);
    RysujLukOdcinkami(0, "b", 0, 0, 1, 0, 0.5f, 0.1);
    EXPECT_EQ(n->ekran.linie.size(), 29u);
    EXPECT_EQ(n->dxf.encje.size(), 29u);
    for (const auto& e : n->dxf.encje) EXPECT_EQ(e.typ, EncjaDxf::Typ::Linia);
}

TEST_F(Luki, OdcinkamiPelnyOkragIDzikieKaty)
{
    RysujLukOdcinkami(0, "b", 0, 0, 1, 0, 2 * Pi, 0.1);
    EXPECT_GE(n->ekran.linie.size(), 360u);
    EXPECT_LE(n->ekran.linie.size(), 361u);
    n->Wyczysc();
    RysujLukOdcinkami(0, "b", 0, 0, 1, 0, 1e9f, 0.1);  // ends, bounded
    EXPECT_LE(n->ekran.linie.size(), 3601u);
}
