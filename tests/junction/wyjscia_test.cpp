// The same diagram drawn through the recording back-end and through the DXF
// back-end lands on the same geometry in sheet centimetres.

#include <gtest/gtest.h>

#include <cmath>

#include "drawing/Dxf.h"
#include "junction/RysujRuchoplan.h"
#include "rysuj_wspolne.h"

namespace {

using namespace rysuj_test;

class WyjsciaRuchoplanu : public ProjektJednegoWezla {};

TEST_F(WyjsciaRuchoplanu, NagranieIDxfTaSamaGeometria)
{
    // Left turns (fillet arcs), bands crossing later bands, arrows and labels.
    Ustaw(1, 3, 200);
    Ustaw(1, 4, 150);
    Ustaw(2, 4, 100);
    Ustaw(3, 2, 80);
    Ustaw(4, 1, 60);
    Ustaw(2, 1, 40);
    Oblicz();

    WyjscieNagrywajace nagranie;
    {
        const ZachowajWyjscia tylkoDxf(false, false, true);
        const PodlaczWyjscie podlaczone(Kanal::Dxf, nagranie);
        RysujRuchoplan(0);
    }
    Nagrywanie n;
    WyjscieEkran = WyjscieDrukarka = false;
    WyjscieDxf = true;
    RysujRuchoplan(0);

    const auto linie = Encje(n, EncjaDxf::Typ::Linia);
    const auto luki = Encje(n, EncjaDxf::Typ::Luk);
    const auto teksty = Encje(n, EncjaDxf::Typ::Tekst);
    ASSERT_EQ(linie.size(), nagranie.odcinki.size());
    ASSERT_EQ(luki.size(), nagranie.luki.size());
    ASSERT_EQ(teksty.size(), nagranie.napisy.size());
    EXPECT_GT(luki.size(), 0u);
    EXPECT_GT(linie.size(), 40u);

    for (std::size_t i = 0; i < linie.size(); ++i) {
        const auto& o = nagranie.odcinki[i];
        EXPECT_EQ(linie[i]->warstwa, o.warstwa) << i;
        EXPECT_EQ(linie[i]->kolor, KolorNaIndeksDxf(o.kolor)) << i;
        EXPECT_DOUBLE_EQ(linie[i]->x1, o.a.X) << i;
        EXPECT_DOUBLE_EQ(linie[i]->y1, o.a.Y) << i;
        EXPECT_DOUBLE_EQ(linie[i]->x2, o.b.X) << i;
        EXPECT_DOUBLE_EQ(linie[i]->y2, o.b.Y) << i;
    }
    for (std::size_t i = 0; i < luki.size(); ++i) {
        const auto& l = nagranie.luki[i];
        EXPECT_DOUBLE_EQ(luki[i]->x1, l.srodek.X) << i;
        EXPECT_DOUBLE_EQ(luki[i]->y1, l.srodek.Y) << i;
        EXPECT_DOUBLE_EQ(luki[i]->r, l.r) << i;
        EXPECT_DOUBLE_EQ(luki[i]->katPoczatku, l.poczatek) << i;
        EXPECT_DOUBLE_EQ(luki[i]->katKonca, l.koniec) << i;
    }
    for (std::size_t i = 0; i < teksty.size(); ++i) {
        const auto& t = nagranie.napisy[i];
        EXPECT_EQ(teksty[i]->tekst, t.tekst) << i;
        EXPECT_DOUBLE_EQ(teksty[i]->obrot, t.kat) << i;
        EXPECT_NEAR(teksty[i]->wysokosc, 0.7 * t.wysokosc, 1e-9) << i;
        // The TEXT entity stands 0.2 of the height off the baseline, across it.
        const double a = t.kat * std::numbers::pi / 180.0;
        const double dx = teksty[i]->x1 - t.kotwica.X, dy = teksty[i]->y1 - t.kotwica.Y;
        EXPECT_NEAR(dx * std::cos(a) + dy * std::sin(a), 0.0, 1e-9) << i;
        EXPECT_NEAR(-dx * std::sin(a) + dy * std::cos(a), 0.2 * t.wysokosc, 1e-9) << i;
    }
}

// A canvas-like device gets the filled bands and their uncut sides instead.
TEST_F(WyjsciaRuchoplanu, PlotnoDostajeWypelnionePasma)
{
    Ustaw(1, 3, 200);
    Ustaw(2, 4, 100);
    Oblicz();
    WyjscieNagrywajace plotno(true);
    const ZachowajWyjscia tylkoEkran(true, false, false);
    const PodlaczWyjscie podlaczone(Kanal::Ekran, plotno);
    RysujRuchoplan(0);
    // Each band: two quadrilaterals and its corner; the arrow heads fill too.
    EXPECT_GE(plotno.figury.size(), 6u);
    // The wide band's sides run whole under the narrow band's fill.
    auto bok = [&](double x) {
        for (const auto& o : plotno.odcinki)
            if (std::abs(o.a.X - x) < 1e-4 && std::abs(o.b.X - x) < 1e-4 && std::abs(std::abs(o.a.Y - o.b.Y) - 12.0) < 1e-4)
                return true;
        return false;
    };
    EXPECT_TRUE(bok(20.5));
    EXPECT_TRUE(bok(22.5));
}

}  // namespace
