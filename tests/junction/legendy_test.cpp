// Caption and the two framed legends, read from the recording DXF receiver.

#include <gtest/gtest.h>

#include <algorithm>

#include "drawing/Nagrywanie.h"
#include "junction/Legendy.h"
#include "rysuj_wspolne.h"

namespace {

class Legendy : public rysuj_test::ProjektJednegoWezla {
protected:
    void SetUp() override
    {
        ProjektJednegoWezla::SetUp();
        WyjscieEkran = false;
        WyjscieDrukarka = false;
        WyjscieDxf = true;
    }

    std::vector<const EncjaDxf*> Encje(EncjaDxf::Typ typ) const
    {
        std::vector<const EncjaDxf*> w;
        for (const auto& e : nagranie.dxf.encje)
            if (e.typ == typ)
                w.push_back(&e);
        return w;
    }
    bool JestLinia(double x1, double y1, double x2, double y2) const
    {
        for (const auto* e : Encje(EncjaDxf::Typ::Linia))
            if (std::abs(e->x1 - x1) < 1e-4 && std::abs(e->y1 - y1) < 1e-4 && std::abs(e->x2 - x2) < 1e-4 &&
                std::abs(e->y2 - y2) < 1e-4)
                return true;
        return false;
    }
    const EncjaDxf* Tekst(const std::string& t) const
    {
        for (const auto* e : Encje(EncjaDxf::Typ::Tekst))
            if (e->tekst == t)
                return e;
        return nullptr;
    }

    Nagrywanie nagranie;
};

// Legend sizes from the inlet labels' (0.3, 0.4, stroke 0.2): character
// width 0.24, height 0.32, row pitch 0.384.
constexpr double cw = 0.24, h = 0.32, P = 0.384;

TEST_F(Legendy, LegendaPojazdowPieciuTypow)
{
    ASSERT_EQ(LiczbaSkladow, 5);
    RysujLegendePojazdow(RozmiaryOpisow, 0, 10.0f, 20.0f, "Rupl_LegStruktura");
    const auto teksty = Encje(EncjaDxf::Typ::Tekst);
    const auto linie = Encje(EncjaDxf::Typ::Linia);
    ASSERT_EQ(teksty.size(), 1u + 5u * 3u);   // title, then number, code and name per type
    ASSERT_EQ(linie.size(), 2u + 5u + 4u);
    for (const auto& e : nagranie.dxf.encje)
        EXPECT_EQ(e.warstwa, "Rupl_LegStruktura");
    EXPECT_EQ(teksty[0]->tekst, "LEGENDA POJAZDY");
    EXPECT_NEAR(teksty[0]->x1, 10.1, 1e-4);
    EXPECT_NEAR(teksty[0]->y1, 20.0 - P + 0.2 * h, 1e-4);
    EXPECT_NEAR(teksty[0]->wysokosc, 0.7 * h, 1e-5);

    double W = 1.0;
    for (int i = 1; i <= 5; ++i)
        W = std::max(W, 0.6 * cw * static_cast<double>(Sklad[static_cast<std::size_t>(i)].Nazwa.size()) - 0.8);
    const double x1 = 10.0 + 2 * cw, x2 = 10.0 + 4 * cw, xr = x2 + W + 1.0;
    for (int i = 1; i <= 5; ++i) {
        const double yi = 20.0 - (i + 1) * P;
        const EncjaDxf* nr = teksty[static_cast<std::size_t>(1 + 3 * (i - 1))];
        const EncjaDxf* kod = teksty[static_cast<std::size_t>(2 + 3 * (i - 1))];
        const EncjaDxf* nazwa = teksty[static_cast<std::size_t>(3 + 3 * (i - 1))];
        EXPECT_EQ(nr->tekst, std::to_string(i) + ".");
        EXPECT_EQ(kod->tekst, Sklad[static_cast<std::size_t>(i)].Oznaczenie.str());
        EXPECT_EQ(nazwa->tekst, Sklad[static_cast<std::size_t>(i)].Nazwa.str());
        EXPECT_NEAR(kod->x1, x1 + 0.1, 1e-4);
        EXPECT_NEAR(nazwa->x1, x2 + 0.1, 1e-4);
        EXPECT_NEAR(nazwa->y1, yi + 0.2 * h, 1e-4);
        EXPECT_TRUE(JestLinia(10.0, yi, xr, yi)) << i;
    }
    const double dol = 20.0 - 6 * P;
    EXPECT_TRUE(JestLinia(10.0, 20.0, xr, 20.0));
    EXPECT_TRUE(JestLinia(10.0, 20.0, 10.0, dol));
    EXPECT_TRUE(JestLinia(xr, 20.0, xr, dol));
    // The code and name columns leave the title row undivided.
    EXPECT_TRUE(JestLinia(x1, 20.0 - P, x1, dol));
    EXPECT_TRUE(JestLinia(x2, 20.0 - P, x2, dol));
}

TEST_F(Legendy, LegendaPojazdowBezNazwMaSzerokoscNajmniejsza)
{
    LiczbaSkladow = 2;
    Sklad[1].Nazwa = "";
    Sklad[2].Nazwa = "";
    RysujLegendePojazdow(RozmiaryOpisow, 0, 0.0f, 0.0f, "Rupl_LegStruktura");
    EXPECT_TRUE(JestLinia(0.0, 0.0, 4 * cw + 2.0, 0.0));
    EXPECT_TRUE(JestLinia(0.0, -3 * P, 4 * cw + 2.0, -3 * P));
}

TEST_F(Legendy, LegendaPrzejscBezKategorii)
{
    wg.RysujPrzejscia = {0, 0, 0, 0};
    RysujLegendePrzejsc(RozmiaryOpisow, 0, 0.0f, 0.0f, "Rupl_LegPrzejscia");
    const auto teksty = Encje(EncjaDxf::Typ::Tekst);
    ASSERT_EQ(teksty.size(), 1u);
    EXPECT_EQ(teksty[0]->tekst, "LEGENDA PRZEJ\x8C" "CIA");
    // The frame is one row high: its bottom lies on the line under the title.
    const double xr = 0.0 + std::max(0.5, 17 * 0.6 * cw - 0.8) + 1.0;
    ASSERT_EQ(Encje(EncjaDxf::Typ::Linia).size(), 5u);
    EXPECT_TRUE(JestLinia(0.0, 0.0, xr, 0.0));
    EXPECT_TRUE(JestLinia(0.0, -P, xr, -P));
    EXPECT_TRUE(JestLinia(0.0, 0.0, 0.0, -P));
}

TEST_F(Legendy, LegendaPrzejscDwochKategorii)
{
    wg.RysujPrzejscia = {1, 1, 0, 0};
    RysujLegendePrzejsc(RozmiaryOpisow, 0, 5.0f, 5.0f, "Rupl_LegPrzejscia");
    const auto teksty = Encje(EncjaDxf::Typ::Tekst);
    ASSERT_EQ(teksty.size(), 3u);
    EXPECT_EQ(teksty[0]->tekst, wg.NazwyPrzejsc[0].str());
    EXPECT_EQ(teksty[1]->tekst, wg.NazwyPrzejsc[1].str());
    EXPECT_NEAR(teksty[1]->x1, 5.15, 1e-4);
    EXPECT_NEAR(teksty[1]->y1, 5.0 - 3 * P + 0.2 * h, 1e-4);
    // The signs stand right of the longest name; the title is narrower.
    const double W = 0.6 * cw * static_cast<double>(wg.NazwyPrzejsc[1].size()) + 0.5;
    const double xr = 5.0 + W + 1.0;
    EXPECT_TRUE(JestLinia(5.0, 5.0 - 3 * P, xr, 5.0 - 3 * P));
    EXPECT_TRUE(JestLinia(xr, 5.0, xr, 5.0 - 3 * P));
    // Two ten-point signs and five frame lines, the signs in the category colours.
    const auto linie = Encje(EncjaDxf::Typ::Linia);
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
    R().TytulWysokosc = 1.0f;
    R().Tytul = {"ABCD", "", "XY"};
    R().TytulWyrownanie = 'L';
    RysujTytul(0, 0, "Rupl_tytul");
    auto teksty = Encje(EncjaDxf::Typ::Tekst);
    // Three lines, the empty one too, 1.2 H apart, standing 0.2 H higher in DXF.
    ASSERT_EQ(teksty.size(), 3u);
    EXPECT_EQ(teksty[1]->tekst, "");
    EXPECT_NEAR(teksty[0]->x1, 5.0, 1e-4);
    EXPECT_NEAR(teksty[0]->y1, 12.2, 1e-4);
    EXPECT_NEAR(teksty[2]->y1, 12.0 - 2.4 + 0.2, 1e-4);
    EXPECT_EQ(teksty[0]->warstwa, "Rupl_tytul");

    // Right-aligned: "ABCD" measures 4 x 0.5 x 120 pixels at this scale = 2.4 cm.
    nagranie.Wyczysc();
    R().TytulWyrownanie = 'P';
    RysujTytul(0, 0, "Rupl_tytul");
    teksty = Encje(EncjaDxf::Typ::Tekst);
    ASSERT_EQ(teksty.size(), 3u);
    EXPECT_NEAR(teksty[0]->x1, 5.0 - 2.4, 1e-3);
    nagranie.Wyczysc();
    R().TytulWyrownanie = 'C';
    RysujTytul(0, 0, "Rupl_tytul");
    teksty = Encje(EncjaDxf::Typ::Tekst);
    ASSERT_EQ(teksty.size(), 3u);
    EXPECT_NEAR(teksty[0]->x1, 5.0 - 1.2, 1e-3);
}

TEST_F(Legendy, TytulBezWyrownaniaLubWysokosciNieJestRysowany)
{
    R().TytulWysokosc = 1.0f;
    R().TytulWyrownanie = 'X';
    RysujTytul(0, 0, "Rupl_tytul");
    EXPECT_TRUE(nagranie.dxf.encje.empty());
    R().TytulWyrownanie = 'L';
    R().TytulWysokosc = 0.0f;
    RysujTytul(0, 0, "Rupl_tytul");
    EXPECT_TRUE(nagranie.dxf.encje.empty());
}

} // namespace
