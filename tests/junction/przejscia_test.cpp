// Crossings on the arms of a junction diagram and the node's crossing legend,
// read from the recording DXF receiver.

#include <gtest/gtest.h>

#include "junction/Przejscia.h"
#include "junction/UstawieniaRysunku.h"
#include "junction/WspolneRysowania.h"
#include "rysuj_wspolne.h"

namespace {

using namespace rysuj_test;

class Przejscia : public ProjektJednegoWezla {
protected:
    void SetUp() override
    {
        ProjektJednegoWezla::SetUp();
        Ustaw(1, 3, 100);
        Ustaw(2, 4, 100);
        R().Przejscie = {0, 1, 0, 0};   // only the east arm has a crossing
        wg.RysujPrzejscia = {1, 0, 0, 0};
        wg.SumujPrzejscia = {0, 0, 0, 0};
        TylkoDxf();
    }
    void ObliczIRysuj(bool zPomiaru = false)
    {
        Oblicz();
        wg.SkalaPrzejsc = 0.01f;
        const UstawieniaRysunku u = ZbierzUstawieniaRysunku(0);
        n.Wyczysc();
        (zPomiaru ? RysujPrzejsciaZPomiaru : RysujPrzejsciaWezla)(0, u.RozmiaryOpisow, false, "Rupl_Przejscia",
                                                                  u.SumujPrzejscia, u.RysujPrzejscia,
                                                                  KolorSzaryPrzejsc, u.KoloryPrzejsc,
                                                                  u.OdlegloscPrzejscia);
    }
    const EncjaDxf* Tekst(const std::string& t) const { return ZnajdzTekst(n, t); }
    bool LiniaPozioma(double y) const
    {
        for (const auto* e : Encje(n, EncjaDxf::Typ::Linia))
            if (std::abs(e->y1 - y) < 1e-4 && std::abs(e->y2 - y) < 1e-4 && std::abs(e->x1 - e->x2) > 0.1)
                return true;
        return false;
    }
    // Where the east arm's crossings start: 0.2 beyond the outlet's reach.
    double Gora() { return 0.2 + R().ZasiegiRamion[5]; }
    // The x of a count beside a bar of volume v whose outer side lies `odl` east of the node.
    static double XLiczby(double odl, double v) { return 20.0 + odl - 0.5 * v * 0.5 * 0.01 + 0.3 * h; }

    Nagrywanie n;
    static constexpr double h = 0.4;   // description height; characters 0.3 wide
};

TEST_F(Przejscia, KategorieOdSrodkaKuZewnatrz)
{
    wg.RysujPrzejscia = {1, 1, 1, 1};
    wg.SumujPrzejscia = {0, 0, 0, 1};
    const int32_t L[4] = {11, 21, 31, 41}, P[4] = {12, 22, 32, 42};
    for (std::size_t c = 0; c < 4; ++c) {
        R().Przejscia[1].L[c] = L[c];
        R().Przejscia[1].P[c] = P[c];
    }
    ObliczIRysuj();
    // Other 2 (a sign with the sum) at the full 4.0, each next category
    // 0.4 + 0.1 nearer the centre; the first count beside the bar's inlet
    // end, written upwards.
    const EncjaDxf* piesi = Tekst("11");
    ASSERT_NE(piesi, nullptr);
    EXPECT_EQ(piesi->warstwa, "Rupl_Przejscia");
    EXPECT_NEAR(piesi->obrot, 90.0, 1e-3);
    EXPECT_NEAR(piesi->y1, 30.0 + Gora() + 0.5 * h + 0.2, 1e-3);
    const double odl[3] = {2.5, 3.0, 3.5};
    for (std::size_t c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        const EncjaDxf* e = Tekst(std::to_string(L[c]));
        ASSERT_NE(e, nullptr);
        EXPECT_NEAR(e->x1, XLiczby(odl[c], L[c] + P[c]), 1e-3);
        EXPECT_NE(Tekst(std::to_string(P[c])), nullptr);
    }
    const EncjaDxf* suma = Tekst("83");
    ASSERT_NE(suma, nullptr);
    EXPECT_EQ(Tekst("41"), nullptr);
    EXPECT_NEAR(suma->x1, 20.0 + 4.0 - 0.5 * 83 * 0.5 * 0.01 + 0.5 * h, 1e-3);
    EXPECT_NEAR(suma->y1, 30.0 + Gora() + 0.3, 1e-3);
}

TEST_F(Przejscia, ZeroweNatezeniaNicNieRysujaAleZajmujaMiejsce)
{
    wg.RysujPrzejscia = {1, 1, 0, 0};
    R().Przejscia[1].L[0] = 7;   // pedestrians; cyclists have nothing
    ObliczIRysuj();
    EXPECT_EQ(Teksty(n).size(), 2u);
    const EncjaDxf* e = Tekst("7");
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->x1, XLiczby(3.5, 7), 1e-3);

    // An absent arm draws nothing.
    R().Ramie[1] = 0;
    ObliczIRysuj();
    EXPECT_TRUE(n.dxf.encje.empty());
}

TEST_F(Przejscia, OdlegloscWezlaWedlugWlotowPomiaru)
{
    Wezly[0].Globalne = 0;
    Wezly[0].RysujPrzejscia = {1, 0, 0, 0};
    Wezly[0].OdlegloscPrzejscia = {4.0f, 4.0f, 4.0f, 6.0f, 4.0f};
    R().Przejscie = {1, 0, 0, 0};
    R().Przejscia[0].L[0] = 30;
    R().Przejscia[0].P[0] = 20;
    ObliczIRysuj();
    // The south arm reads count inlet 4's distance: the bar's outer side 6.0 below the node.
    EXPECT_TRUE(LiniaPozioma(30.0 - 6.0));
}

TEST_F(Przejscia, ZPomiaru)
{
    DanePomiar p;
    p.NatezeniaPrzejscObliczone[0][0] = 5;   // count inlet 1 (east), pedestrians
    p.NatezeniaPrzejscObliczone[0][1] = 6;
    Pomiary.push_back(p);
    R().ZPomiaru = 1;
    R().NrPomiaru = 0;
    ObliczIRysuj(true);
    EXPECT_NE(Tekst("5"), nullptr);
    EXPECT_NE(Tekst("6"), nullptr);
    // A count index outside the project draws nothing.
    R().NrPomiaru = 3;
    ObliczIRysuj(true);
    EXPECT_TRUE(n.dxf.encje.empty());
}

TEST_F(Przejscia, LegendaWezla)
{
    const std::array<std::string, 4> nazwy = {"PIESI", "ROWERY", "X", "Y"};
    const double hh = 0.32, P = 1.2 * hh;
    RysujLegendePrzejscWezla(0, RozmiaryOpisow, "Rupl_LegPrzejscia", nazwy, {1, 0, 0, 0}, {1, 1, 0, 0},
                             {KolorRGB(255, 0, 0), 0, 0, 0}, 0, 0.0f, 0.0f);
    const EncjaDxf* piesi = Tekst("PIESI (suma)");
    ASSERT_NE(piesi, nullptr);
    EXPECT_NE(Tekst("ROWERY"), nullptr);
    EXPECT_NE(Tekst("LEGENDA PRZEJ\x8C" "CIA"), nullptr);
    EXPECT_NEAR(piesi->x1, 0.15, 1e-4);
    EXPECT_NEAR(piesi->y1, -2 * P + 0.2 * hh, 1e-4);
    EXPECT_TRUE(LiniaPozioma(-3 * P));
    EXPECT_EQ(piesi->warstwa, "Rupl_LegPrzejscia");

    // No category: the title alone, its frame's bottom on the line under it.
    n.Wyczysc();
    RysujLegendePrzejscWezla(0, RozmiaryOpisow, "Rupl_LegPrzejscia", nazwy, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0},
                             0, 0.0f, 0.0f);
    EXPECT_EQ(Teksty(n).size(), 1u);
    EXPECT_EQ(Encje(n, EncjaDxf::Typ::Linia).size(), 5u);
    EXPECT_TRUE(LiniaPozioma(-P));
}

} // namespace
