// Arrows and crossing symbols: their outlines as DXF lines (exact sheet
// points) and the numbers as DXF texts.

#include "pomoc.h"

#include <numbers>
#include <vector>

#include "drawing/Symbole.h"

namespace {
constexpr double Pi = std::numbers::pi;
}

class Symbole : public TestRysowania {
protected:
    void SetUp() override
    {
        TestRysowania::SetUp();
        Wyjscia(false, false, true);
        Czcionka['0'] = ZnakTestowy({{0, 0, 0, 10}}, 20);
        Czcionka['1'] = ZnakTestowy({{0, 0, 0, 10}}, 20);
        Czcionka['2'] = ZnakTestowy({{0, 0, 0, 10}}, 30);
        Czcionka['3'] = ZnakTestowy({{0, 0, 0, 10}}, 30);
    }
    // The outline's points in order: the start of every edge but the closing one.
    std::vector<PunktXY> Obrys(std::size_t od, std::size_t liczba) const
    {
        std::vector<PunktXY> p;
        for (std::size_t k = od; k + 1 < od + liczba; ++k) p.push_back({n->dxf.encje[k].x1, n->dxf.encje[k].y1});
        p.push_back({n->dxf.encje[od + liczba - 2].x2, n->dxf.encje[od + liczba - 2].y2});
        return p;
    }
    std::vector<const EncjaDxf*> Teksty() const
    {
        std::vector<const EncjaDxf*> t;
        for (const auto& e : n->dxf.encje)
            if (e.typ == EncjaDxf::Typ::Tekst) t.push_back(&e);
        return t;
    }
};

void Blisko(PunktXY p, double x, double y, const char* co)
{
    EXPECT_NEAR(p.X, x, 1e-5) << co;
    EXPECT_NEAR(p.Y, y, 1e-5) << co;
}

TEST_F(Symbole, StrzalkaProstaGrotemDoGory)
{
    RysujStrzalke(0, 0xFF, 3, 4, 1, 1, 0, 1, 0.1f, "s");
    ASSERT_EQ(n->dxf.encje.size(), 7u);
    auto p = Obrys(0, 7);
    Blisko(p[0], 2.94, 4, "shaft");
    Blisko(p[3], 3, 5, "tip");
    Blisko(p[4], 3.2, 4.6, "head");
    for (const auto& e : n->dxf.encje) EXPECT_EQ(e.warstwa, "s");

    // Turned a quarter counter-clockwise it points to -x; a negative size mirrors it.
    n->Wyczysc();
    RysujStrzalke(0, 0, 3, 4, 2, 2, Pi / 2, 1, 0.1f, "s");
    Blisko(Obrys(0, 7)[3], 1, 4, "turned tip");
    n->Wyczysc();
    RysujStrzalke(0, 0, 0, 0, -1, 1, 0, 1, 0.1f, "s");
    Blisko(Obrys(0, 7)[4], -0.2, 0.6, "mirrored head");
}

TEST_F(Symbole, StrzalkiSkretuZawracaniaIBoczna)
{
    RysujStrzalkeSkret(0, 0, 0, 0, 1, 1, 0, 1, 0.1f, "s");
    ASSERT_EQ(n->dxf.encje.size(), 9u);
    Blisko(Obrys(0, 9)[4], 0.35, 0.65, "turn tip");
    n->Wyczysc();
    RysujStrzalkeZawracania(0, 0, 0, 0, 1, 1, 0, 1, 0.1f, "s");
    ASSERT_EQ(n->dxf.encje.size(), 11u);
    Blisko(Obrys(0, 11)[5], -0.2, 0.2, "U-turn tip");
    n->Wyczysc();
    RysujStrzalkeBoczna(0, 0, 1, 1, 2, 2, static_cast<float>(Pi), 1, 0.1f, "s");
    ASSERT_EQ(n->dxf.encje.size(), 6u);
    Blisko(Obrys(0, 6)[3], 1 - 1.6, 1 - 1.2, "side tip turned half round");
}

TEST_F(Symbole, PrzejscieZLiczbami)
{
    wg.SkalaPrzejsc = 0.01f;
    // Counts 100 and 300: W = 2 cm; the bar spans 3..5 along +x from (0, 0).
    RysujPrzejscieZLiczbami(100, 300, 0, 0, 5, 1, 2, 0, 0.5f, 1, 0, 0, 0xFF, 1, 0.1f, "p", 0);
    // Bar (4), arrow (7), text, arrow (7), text.
    ASSERT_EQ(n->dxf.encje.size(), 4u + 7u + 1u + 7u + 1u);
    auto pas = Obrys(0, 4);
    Blisko(pas[0], 3, -1, "bar");
    Blisko(pas[2], 5, 2, "bar");
    // The +y arrow points back at the bar, its tip 0.1 beyond the bar's end.
    Blisko(Obrys(4, 7)[3], 4, 2.1, "upper tip");
    Blisko(Obrys(12, 7)[3], 4, -1.1, "lower tip");
    auto t = Teksty();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0]->tekst, "100");
    EXPECT_EQ(t[1]->tekst, "300");
    EXPECT_NEAR(t[0]->obrot, 90.0, 1e-9);
    // "100" at local (0.5, 2 + 0.5 + 0.2); its DXF anchor 0.2 of the height to the left of it.
    EXPECT_NEAR(t[0]->x1, 4.5 - 0.2, 1e-5);
    EXPECT_NEAR(t[0]->y1, 2.7, 1e-5);
    // "300" ends 0.7 before the bar's lower end: it is 0.5 x 70 x 0.012 = 0.42 long.
    EXPECT_NEAR(t[1]->y1, -1 - 0.5 - 0.2 - 0.42, 1e-5);
}

TEST_F(Symbole, PrzejscieBezRuchu)
{
    RysujPrzejscieZLiczbami(0, 0, 0, 0, 5, 1, 2, 0, 0.5f, 1, 0, 0, 0, 1, 0.1f, "p", 0);
    EXPECT_TRUE(n->dxf.encje.empty());
    RysujPrzejscieZLiczbami(0, 0, 0, 0, 5, 1, 2, 0, 0.5f, 1, 0, 0, 0, 1, 0.1f, "p", 1);
    ASSERT_EQ(n->dxf.encje.size(), 20u);
    auto pas = Obrys(0, 4);
    Blisko(pas[0], 5, -1, "bar of width 0");
    Blisko(pas[2], 5, 2, "bar of width 0");
    for (const EncjaDxf* t : Teksty()) EXPECT_EQ(t->tekst, "0");
}

TEST_F(Symbole, PrzejscieStrzalkiMaZadanaSzerokosc)
{
    RysujPrzejscieStrzalki(0, 0, 0, 0, 5, 1, 2, static_cast<float>(Pi / 2), 0.5f, 1, 1.0f, 0, 1, 0.1f, "p");
    ASSERT_EQ(n->dxf.encje.size(), 4u + 7u + 7u);
    EXPECT_TRUE(Teksty().empty());
    // Along +y: the bar spans 4..5 up from (0, 0), its long sides along -x/+x.
    auto pas = Obrys(0, 4);
    Blisko(pas[0], 1, 4, "bar");
    Blisko(pas[2], -2, 5, "bar");
}

TEST_F(Symbole, ZnakPrzejscia)
{
    wg.SkalaPrzejsc = 0.01f;
    RysujZnakPrzejsciaZLiczba(200, 0, 0, 0, 5, 1, 2, 0.3f, 0, 0.5f, 1, 0, 0, 1, 0.1f, "z", 0);
    ASSERT_EQ(n->dxf.encje.size(), 11u);
    // h = 1, centre 4.5 along +x.
    auto p = Obrys(0, 10);
    Blisko(p[0], 3.5, -1, "corner");
    Blisko(p[3], 4.5, 2.3, "upper tip");
    Blisko(p[8], 4.5, -1.3, "lower tip");
    Blisko(p[4], 5.8, 2, "head base");
    EXPECT_EQ(n->dxf.encje[10].tekst, "200");
    EXPECT_NEAR(n->dxf.encje[10].x1, 4.5 + 0.7 - 0.2, 1e-5);
    EXPECT_NEAR(n->dxf.encje[10].y1, 2.3, 1e-5);

    n->Wyczysc();
    RysujZnakPrzejsciaZLiczba(0, 0, 0, 0, 5, 1, 2, 0.3f, 0, 0.5f, 1, 0, 0, 1, 0.1f, "z", 0);
    EXPECT_TRUE(n->dxf.encje.empty());
    RysujZnakPrzejsciaZLiczba(0, 0, 0, 0, 5, 1, 2, 0.3f, 0, 0.5f, 1, 0, 0, 1, 0.1f, "z", 1);
    ASSERT_EQ(n->dxf.encje.size(), 11u);
    EXPECT_EQ(n->dxf.encje[10].tekst, "0");

    n->Wyczysc();
    RysujZnakPrzejscia(0, 0, 2, 3, 1, 2, 0.6f, 0.3f, 0, 0, 1, 0.1f, "z");
    ASSERT_EQ(n->dxf.encje.size(), 10u);
    Blisko(Obrys(0, 10)[0], 1.7, 2, "centred on (2, 3)");
}

TEST_F(Symbole, SymbolNaEkranieWypelniony)
{
    Wyjscia(true, false, false);
    RysujStrzalke(0x11, 0x22, 0, 0, 1, 1, 0, 1, 0.1f, "s");
    ASSERT_EQ(n->ekran.wielokaty.size(), 1u);
    EXPECT_EQ(n->ekran.wielokaty[0].punkty.size(), 7u);
    EXPECT_EQ(n->ekran.wielokaty[0].pedzel.kolor, 0x22u);
    EXPECT_EQ(n->ekran.wielokaty[0].pedzel.styl, StylPedzla::Pelny);
    EXPECT_EQ(n->ekran.wielokaty[0].pioro.kolor, 0x11u);
}
