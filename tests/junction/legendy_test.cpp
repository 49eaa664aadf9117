// Caption and the two framed legends, read from the recording DXF receiver.

#include <gtest/gtest.h>

#include "junction/Legendy.h"
#include "rysuj_wspolne.h"

namespace {

using namespace rysuj_test;

class Legendy : public ProjektJednegoWezla {
protected:
    void SetUp() override
    {
        ProjektJednegoWezla::SetUp();
        TylkoDxf();
    }
    std::vector<const EncjaDxf*> Teksty() const { return Encje(n, EncjaDxf::Typ::Tekst); }
    std::size_t LiczbaLinii() const { return Encje(n, EncjaDxf::Typ::Linia).size(); }

    Nagrywanie n;
};

// Legend sizes from the inlet labels' (0.3, 0.4, stroke 0.2): character
// width 0.24, height 0.32, row pitch 0.384.
constexpr double cw = 0.24, h = 0.32, P = 0.384;

TEST_F(Legendy, LegendaPojazdowPieciuTypow)
{
    RysujLegendePojazdow(RozmiaryOpisow, 0, 10.0f, 20.0f, "Rupl_LegStruktura");
    const auto t = Teksty();
    ASSERT_EQ(t.size(), 1u + 5u * 3u);   // title, then number, code and name per type
    ASSERT_EQ(LiczbaLinii(), 2u + 5u + 4u);
    for (const auto& e : n.dxf.encje)
        EXPECT_EQ(e.warstwa, "Rupl_LegStruktura");
    EXPECT_EQ(t[0]->tekst, "LEGENDA POJAZDY");
    EXPECT_NEAR(t[0]->x1, 10.1, 1e-4);
    EXPECT_NEAR(t[0]->y1, 20.0 - P + 0.2 * h, 1e-4);
    EXPECT_NEAR(t[0]->wysokosc, 0.7 * h, 1e-5);

    // The longest name, "ciężarowe z przyczepą", is 21 characters: 0.6 x 0.24 x 21 - 0.8.
    const double x1 = 10.0 + 2 * cw, x2 = 10.0 + 4 * cw, xr = x2 + 2.224 + 1.0;
    for (std::size_t i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        const double yi = 20.0 - static_cast<double>(i + 1) * P;
        const EncjaDxf *nr = t[3 * i - 2], *kod = t[3 * i - 1], *nazwa = t[3 * i];
        EXPECT_EQ(nr->tekst, std::to_string(i) + ".");
        EXPECT_EQ(kod->tekst, Sklad[i].Oznaczenie.str());
        EXPECT_EQ(nazwa->tekst, Sklad[i].Nazwa.str());
        EXPECT_NEAR(kod->x1, x1 + 0.1, 1e-4);
        EXPECT_NEAR(nazwa->x1, x2 + 0.1, 1e-4);
        EXPECT_NEAR(nazwa->y1, yi + 0.2 * h, 1e-4);
        EXPECT_TRUE(JestLinia(n, 10.0, yi, xr, yi));
    }
    const double dol = 20.0 - 6 * P;
    EXPECT_TRUE(JestLinia(n, 10.0, 20.0, xr, 20.0));
    EXPECT_TRUE(JestLinia(n, 10.0, 20.0, 10.0, dol));
    EXPECT_TRUE(JestLinia(n, xr, 20.0, xr, dol));
    // The code and name columns leave the title row undivided.
    EXPECT_TRUE(JestLinia(n, x1, 20.0 - P, x1, dol));
    EXPECT_TRUE(JestLinia(n, x2, 20.0 - P, x2, dol));

    // Without names the frame keeps its least width.
    n.Wyczysc();
    LiczbaSkladow = 2;
    Sklad[1].Nazwa = "";
    Sklad[2].Nazwa = "";
    RysujLegendePojazdow(RozmiaryOpisow, 0, 0.0f, 0.0f, "Rupl_LegStruktura");
    EXPECT_TRUE(JestLinia(n, 0.0, 0.0, 4 * cw + 2.0, 0.0));
    EXPECT_TRUE(JestLinia(n, 0.0, -3 * P, 4 * cw + 2.0, -3 * P));
}

TEST_F(Legendy, LegendaPrzejsc)
{
    // No category: the title alone in a frame one row high (17 characters wide).
    wg.RysujPrzejscia = {0, 0, 0, 0};
    RysujLegendePrzejsc(RozmiaryOpisow, 0, 0.0f, 0.0f, "Rupl_LegPrzejscia");
    ASSERT_EQ(Teksty().size(), 1u);
    EXPECT_EQ(Teksty()[0]->tekst, "LEGENDA PRZEJ\x8C" "CIA");
    const double xt = 17 * 0.6 * cw - 0.8 + 1.0;
    EXPECT_EQ(LiczbaLinii(), 5u);
    EXPECT_TRUE(JestLinia(n, 0.0, 0.0, xt, 0.0));
    EXPECT_TRUE(JestLinia(n, 0.0, -P, xt, -P));
    EXPECT_TRUE(JestLinia(n, 0.0, 0.0, 0.0, -P));

    n.Wyczysc();
    wg.RysujPrzejscia = {1, 1, 0, 0};
    RysujLegendePrzejsc(RozmiaryOpisow, 0, 5.0f, 5.0f, "Rupl_LegPrzejscia");
    const auto t = Teksty();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0]->tekst, wg.NazwyPrzejsc[0].str());
    EXPECT_EQ(t[1]->tekst, wg.NazwyPrzejsc[1].str());
    EXPECT_NEAR(t[1]->x1, 5.15, 1e-4);
    EXPECT_NEAR(t[1]->y1, 5.0 - 3 * P + 0.2 * h, 1e-4);
    // The signs stand right of the longest name; the title is narrower.
    const double xr = 5.0 + 0.6 * cw * static_cast<double>(wg.NazwyPrzejsc[1].size()) + 0.5 + 1.0;
    EXPECT_TRUE(JestLinia(n, 5.0, 5.0 - 3 * P, xr, 5.0 - 3 * P));
    EXPECT_TRUE(JestLinia(n, xr, 5.0, xr, 5.0 - 3 * P));
    // Two ten-point signs and five frame lines, the signs in the category colours.
    const auto linie = Encje(n, EncjaDxf::Typ::Linia);
    ASSERT_EQ(linie.size(), 2u * 10u + 5u);
    EXPECT_EQ(linie[0]->kolor, KolorNaIndeksDxf(wg.KoloryPrzejsc[0]));
    EXPECT_EQ(linie[10]->kolor, KolorNaIndeksDxf(wg.KoloryPrzejsc[1]));
}

TEST_F(Legendy, TytulWyrownania)
{
    Skala = 10.0;
    R().X = 10.0f;
    R().Y = 10.0f;
    R().TytulDx = -5.0f;
    R().TytulDy = 2.0f;
    R().Tytul = {"ABCD", "", "XY"};
    // "ABCD" measures 4 x 0.5 x 591 pixels of the 1.25 cm cell at 1200 dpi,
    // whatever the scale: 1182 pixels, 2.5019 cm; no alignment or no height
    // draws nothing.
    const double szer = 1182 * 2.54 / 1200.0;
    const struct {
        char wyrownanie;
        float wysokosc;
        double x;
    } przypadki[] = {{'L', 1.0f, 5.0}, {'P', 1.0f, 5.0 - szer}, {'C', 1.0f, 5.0 - szer / 2}, {'X', 1.0f, 0}, {'L', 0.0f, 0}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.wyrownanie);
        n.Wyczysc();
        R().TytulWyrownanie = p.wyrownanie;
        R().TytulWysokosc = p.wysokosc;
        RysujTytul(0, 0, "Rupl_tytul");
        const auto t = Teksty();
        if (p.wyrownanie == 'X' || p.wysokosc == 0.0f) {
            EXPECT_TRUE(n.dxf.encje.empty());
            continue;
        }
        // Three lines, the empty one too, 1.2 H apart, standing 0.2 H higher in DXF.
        ASSERT_EQ(t.size(), 3u);
        EXPECT_NEAR(t[0]->x1, p.x, 1e-3);
        EXPECT_NEAR(t[0]->y1, 12.2, 1e-4);
        EXPECT_EQ(t[1]->tekst, "");
        EXPECT_NEAR(t[2]->y1, 12.0 - 2.4 + 0.2, 1e-4);
        EXPECT_EQ(t[0]->warstwa, "Rupl_tytul");
    }
}

} // namespace
