// Lines, polygons, outlines, the grid and the node markers on the recorders.

#include "pomoc.h"

#include <vector>

#include "drawing/Rysowanie.h"
#include "model/Wezel.h"

using Linie = TestRysowania;
using Typ = EncjaDxf::Typ;

TEST_F(Linie, KazdeWyjscieTylkoGdyWlaczone)
{
    RysujLinie(0x0000FF, "a", 0, 0, 1, 1, 0.3);
    EXPECT_EQ(n->ekran.linie.size(), 1u);
    EXPECT_TRUE(n->drukarka.Pusty());
    EXPECT_TRUE(n->dxf.encje.empty());

    n->Wyczysc();
    Wyjscia(false, true, true);
    RysujLinie(0x0000FF, "a", 0, 0, 1, 1, 0.3);
    EXPECT_TRUE(n->ekran.Pusty());
    EXPECT_EQ(n->drukarka.linie.size(), 1u);
    ASSERT_EQ(n->dxf.encje.size(), 1u);
}

TEST_F(Linie, LiniaWPikselachIWDxf)
{
    Wyjscia(true, true, true);
    BiezacyWariant = 1;
    RysujLinie(KolorRGB(255, 0, 0), "Rupl_linie", 0, 0, 10, 0, 1.0);

    const auto& e = n->ekran.linie.at(0);
    EXPECT_TRUE(PunktJest(e.od, 400, 300));
    EXPECT_TRUE(PunktJest(e.doPunktu, 800, 300));
    EXPECT_EQ(e.pioro.grubosc, 4);
    EXPECT_EQ(e.pioro.kolor, KolorRGB(255, 0, 0));

    const auto& d = n->drukarka.linie.at(0);
    EXPECT_TRUE(PunktJest(d.od, 0, 4724));
    EXPECT_TRUE(PunktJest(d.doPunktu, 2362, 4724));
    EXPECT_EQ(d.pioro.grubosc, 23);

    const EncjaDxf& x = n->dxf.encje.at(0);
    EXPECT_EQ(x.typ, Typ::Linia);
    EXPECT_EQ(x.warstwa, "Rupl_linie");
    EXPECT_EQ(x.kolor, 1);
    EXPECT_DOUBLE_EQ(x.x1, 0.0);
    EXPECT_DOUBLE_EQ(x.y1, -25.0);
    EXPECT_DOUBLE_EQ(x.x2, 10.0);
    EXPECT_DOUBLE_EQ(x.y2, -25.0);
}

TEST_F(Linie, LiniaPunktowMaSwojaKolejnoscArgumentow)
{
    Wyjscia(true, false, true);
    RysujLiniePunkty({1, 2}, {3, 4}, 0.5, KolorRGB(0, 0, 255), "w");
    const EncjaDxf& x = n->dxf.encje.at(0);
    EXPECT_EQ(x.kolor, 5);
    EXPECT_EQ(x.warstwa, "w");
    EXPECT_DOUBLE_EQ(x.y2, 4.0);
    EXPECT_EQ(n->ekran.linie.at(0).pioro.grubosc, 2);
}

TEST_F(Linie, WielokatNigdyWDxf)
{
    const std::vector<PunktXY> trojkat{{0, 0}, {1, 0}, {0, 1}};
    Wyjscia(false, false, true);
    RysujWielokat(trojkat, 0, 0xFF, true, 0.1);
    EXPECT_TRUE(n->dxf.encje.empty());

    Wyjscia(true, true, false);
    RysujWielokat(trojkat, 0x10, 0xFF, true, 1.0);
    const auto& w = n->ekran.wielokaty.at(0);
    ASSERT_EQ(w.punkty.size(), 3u);
    EXPECT_TRUE(PunktJest(w.punkty[1], 440, 300));
    EXPECT_TRUE(PunktJest(w.punkty[2], 400, 260));
    EXPECT_EQ(w.pedzel.kolor, 0xFFu);
    EXPECT_EQ(w.pedzel.styl, StylPedzla::Pelny);
    EXPECT_EQ(w.pioro.kolor, 0x10u);
    // The printer's brush goes back to clear; the bitmap's stays.
    EXPECT_EQ(n->drukarka.wielokaty.at(0).pedzel.styl, StylPedzla::Pelny);
    EXPECT_EQ(n->drukarka.pedzel.styl, StylPedzla::Pusty);
    EXPECT_EQ(n->ekran.pedzel.styl, StylPedzla::Pelny);

    RysujWielokat(trojkat, 0x10, 0xFF, false, 1.0);
    EXPECT_EQ(n->ekran.wielokaty.at(1).pedzel.styl, StylPedzla::Pusty);
}

TEST_F(Linie, ObrysZapisujeKrawedzieIZamykajaca)
{
    const std::vector<PunktXY> kwadrat{{0, 0}, {2, 0}, {2, 1}, {0, 1}};
    Wyjscia(true, false, true);
    BiezacyWariant = 1;
    RysujObrys(kwadrat, PioroKreskowane, KolorRGB(0, 255, 0), 0, false, 0.2, "obrys");
    ASSERT_EQ(n->dxf.encje.size(), 4u);
    const std::vector<std::array<double, 4>> krawedzie{{0, 0, 2, 0}, {2, 0, 2, 1}, {2, 1, 0, 1}, {0, 0, 0, 1}};
    for (std::size_t k = 0; k < 4; ++k) {
        const EncjaDxf& e = n->dxf.encje[k];
        EXPECT_EQ(e.kolor, 3);
        EXPECT_EQ(e.warstwa, "obrys");
        EXPECT_DOUBLE_EQ(e.x1, krawedzie[k][0]) << k;
        EXPECT_DOUBLE_EQ(e.y1, krawedzie[k][1] - 25.0) << k;
        EXPECT_DOUBLE_EQ(e.x2, krawedzie[k][2]) << k;
        EXPECT_DOUBLE_EQ(e.y2, krawedzie[k][3] - 25.0) << k;
    }
    // The bitmap draws with the pen style and returns to solid.
    EXPECT_EQ(n->ekran.wielokaty.at(0).pioro.styl, PioroKreskowane);
    EXPECT_EQ(n->ekran.pioro.styl, PioroCiagle);
}

TEST_F(Linie, Siatka)
{
    Wyjscia(false, false, true);
    RysujSiatke(0, "none", 0, 0, 10, 10, 2.5, 0.01);
    ASSERT_EQ(n->dxf.encje.size(), 6u);
    const double poziomo[] = {2.5, 5.0, 7.5};
    for (int k = 0; k < 3; ++k) {
        const EncjaDxf& h = n->dxf.encje[k];
        EXPECT_DOUBLE_EQ(h.y1, poziomo[k]);
        EXPECT_DOUBLE_EQ(h.y2, poziomo[k]);
        EXPECT_DOUBLE_EQ(h.x1, 0.05);
        EXPECT_DOUBLE_EQ(h.x2, 9.95);
        const EncjaDxf& v = n->dxf.encje[k + 3];
        EXPECT_DOUBLE_EQ(v.x1, poziomo[k]);
        EXPECT_DOUBLE_EQ(v.y1, 0.05);
        EXPECT_DOUBLE_EQ(v.y2, 9.95);
    }
    n->Wyczysc();
    RysujSiatke(0, "none", 0, 0, 10, 10, 10, 0.01);
    RysujSiatke(0, "none", 0, 0, 10, 10, 0, 0.01);
    RysujSiatke(0, "none", 0, 0, 10, 10, -1, 0.01);
    EXPECT_TRUE(n->dxf.encje.empty());
}

TEST_F(Linie, OkragTylkoNaEkranie)
{
    Wyjscia(false, true, true);
    RysujOkragEkran(3, 0x123456, 1.0, 1.0, 0.5);
    EXPECT_TRUE(n->drukarka.Pusty());
    EXPECT_TRUE(n->dxf.encje.empty());
    const auto& f = n->ekran.figury.at(0);
    EXPECT_TRUE(f.elipsa);
    EXPECT_EQ(f.x1, 420);
    EXPECT_EQ(f.y1, 280);
    EXPECT_EQ(f.x2, 460);
    EXPECT_EQ(f.y2, 240);
    EXPECT_EQ(f.pioro.grubosc, 3);
    EXPECT_EQ(f.pedzel.styl, StylPedzla::Pusty);
}

class Wezly_ : public TestRysowania {
protected:
    void SetUp() override
    {
        TestRysowania::SetUp();
        zapis_ = Wezly;
        Czcionka['W'] = ZnakTestowy({{0, 0, 10, 10}}, 20);
    }
    void TearDown() override
    {
        Wezly = zapis_;
        TestRysowania::TearDown();
    }
    std::vector<DaneWezel> zapis_;
};

TEST_F(Wezly_, ZnacznikiWezlow)
{
    Wyjscia(false, false, true);
    RysujWezelRuchoplanu("W", 0, 10.0f, 5.0f, 0.2, "null");
    ASSERT_EQ(n->dxf.encje.size(), 5u);
    EXPECT_DOUBLE_EQ(n->dxf.encje[0].x1, 10.0 - 2.2);
    EXPECT_DOUBLE_EQ(n->dxf.encje[0].y1, 5.4);
    EXPECT_DOUBLE_EQ(n->dxf.encje[2].x2, 10.7);
    EXPECT_DOUBLE_EQ(n->dxf.encje[3].x1, 9.6);
    const EncjaDxf& t = n->dxf.encje[4];
    EXPECT_EQ(t.typ, Typ::Tekst);
    EXPECT_EQ(t.tekst, "W");
    EXPECT_DOUBLE_EQ(t.x1, 9.0);
    EXPECT_NEAR(t.y1, 5.0 + 2.3 + 0.12, 1e-9);
    EXPECT_EQ(t.kolor, 7);

    // The roundabout's circles reach the bitmap whatever the flags.
    n->Wyczysc();
    Wyjscia(false, true, true);
    RysujWezelRonda("W", 0, 10.0f, 5.0f, 0.2, "null");
    EXPECT_EQ(n->ekran.figury.size(), 2u);
    EXPECT_EQ(n->dxf.encje.size(), 9u);
    EXPECT_EQ(n->drukarka.linie.size(), 8u + 1u);  // eight lines and the glyph's one stroke
}

TEST_F(Wezly_, WezlyBezWariantuPoTypie)
{
    Wezly.clear();
    for (char typ : {'J', 'R', 'X'}) {
        DaneWezel w;
        w.Typ = typ;
        w.X = 1;
        w.Y = 2;
        w.Nazwa = "W";
        Wezly.push_back(w);
    }
    Wyjscia(false, false, true);
    RysujWezlyBezWariantu();
    EXPECT_EQ(n->dxf.encje.size(), 5u + 9u);
    for (const EncjaDxf& e : n->dxf.encje) EXPECT_EQ(e.warstwa, "null");
}
