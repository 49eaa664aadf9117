// The roundabout computation worked by hand: entry and exit totals,
// circulating and ring flows, corner centres and radii, ring angles and the
// ring's sections, from a relation matrix, from typed totals and from a count.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "junction/Komunikaty.h"
#include "model/Projekt.h"
#include "roundabout/GeometriaRonda.h"
#include "wspolne/projekt_obliczen.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Tol = 1e-4;
double St(double stopnie) { return stopnie * Pi / 180.0; }

// The hand construction of one corner: half-width h along the axis and the
// angle b the corner takes on the ring (R 3, r 1, o 0.5 unless said).
double B(double rho, double r = 1.0, double o = 0.5) { return std::atan((r + o) / std::sqrt((rho + r) * (rho + r) - (r + o) * (r + o))); }

class GeometriaRonda : public ProjektNaSkali100 {
protected:
    void SetUp() override
    {
        // 0.005 cm per vehicle, whatever the volumes.
        NowyProjektNaSkali100(0.5f);
        DaneWezel w;
        w.X = 10.0;
        w.Y = 20.0;
        w.Nazwa = "R1";
        Wezly.push_back(w);
        Ronda.emplace_back();
        R().NrWezla = 0;
        R().GeometriaWprowadzona = 1;
    }
    static DaneRondo& R() { return Ronda[0]; }
    static void Katy(std::initializer_list<double> stopnie)
    {
        std::size_t k = 0;
        for (double s : stopnie)
            R().Kat[k++] = static_cast<float>(St(s));
    }
    // The corner centre of arm k's entry (+1) or exit (-1), relative to the centre.
    static void Srodek(int k, int strona, double rho, double dx, double dy)
    {
        const DaneLukPasa& l = R().GeometriaRamion[static_cast<std::size_t>(k)][strona > 0 ? 0 : 1].LukZewnetrzny;
        EXPECT_NEAR(l.XSrodka - 10.0, dx, Tol) << "arm " << k + 1;
        EXPECT_NEAR(l.YSrodka - 20.0, dy, Tol) << "arm " << k + 1;
        EXPECT_NEAR(std::hypot(l.XSrodka - 10.0, l.YSrodka - 20.0), rho + 1.0, Tol);
    }
};

TEST_F(GeometriaRonda, TrzyRamionaZMacierzyRelacji)
{
    // A->B 100, A->C 200, B->C 50, C->A 100; arms at 0, 90, 180 degrees.
    R().DaneRelacje = 1;
    R().Macierz[0][1] = 100, R().Macierz[0][2] = 200, R().Macierz[1][2] = 50, R().Macierz[2][0] = 100;
    R().SumaWlotuRel = {300, 50, 100, 0, 0};
    R().SumaWylotuRel = {100, 100, 250, 0, 0};
    ObliczGeometrieRonda(0);
    const DaneRondo& r = R();
    EXPECT_EQ(r.Obliczony, 1);
    EXPECT_EQ(r.X, 10.0f);
    EXPECT_EQ(r.SumaWlotu, (std::array<int32_t, 5>{300, 50, 100, 0, 0}));
    EXPECT_EQ(r.SumaWylotu, (std::array<int32_t, 5>{100, 100, 250, 0, 0}));
    // In front of B the 200 from A to C; after each entry what is on the ring.
    EXPECT_EQ(r.NaPierscieniu1[0], 0);
    EXPECT_EQ(r.NaPierscieniu1[1], 200);
    EXPECT_EQ(r.NaPierscieniu1[2], 0);
    EXPECT_EQ(r.NaPierscieniu2[0], 300);
    EXPECT_EQ(r.NaPierscieniu2[1], 250);
    EXPECT_EQ(r.NaPierscieniu2[2], 100);
    EXPECT_FLOAT_EQ(r.SkalaPierscienia, 0.005f);

    // Arm 1 with nothing circulating: rho 3, h 3.7081, b 0.3844 (22.02 degrees).
    const double b1 = B(3.0), b2 = B(4.0);
    EXPECT_NEAR(b1, 0.3844, 1e-4);
    EXPECT_NEAR(b2, 0.3047, 1e-4);
    Srodek(0, 1, 3.0, 3.7081, 1.5);
    Srodek(0, -1, 3.0, 3.7081, -1.5);
    // Arm 2: 200 circulating widen the ring to 4 cm; its corner is 4.7697 out, 1.5 across.
    Srodek(1, 1, 4.0, -1.5, 4.7697);
    Srodek(1, -1, 4.0, 1.5, 4.7697);
    EXPECT_NEAR(r.KatKrawedzi1[0], b1, Tol);
    EXPECT_NEAR(r.KatKrawedzi2[0], 2 * Pi - b1, Tol);
    EXPECT_NEAR(r.KatKrawedzi1[1], Pi / 2 + b2, Tol);
    EXPECT_NEAR(r.KatKrawedzi2[1], Pi / 2 - b2, Tol);
    EXPECT_NEAR(r.KatKrawedzi1[2], Pi + b1, Tol);
    EXPECT_NEAR(r.KatKrawedzi2[2], Pi - b1, Tol);
    // Arm 1's exit is not below arm 2's angle: the sixth is the same; the
    // absent arms carry it and have no traffic.
    EXPECT_NEAR(r.KatKrawedzi2[5], 2 * Pi - b1, Tol);
    EXPECT_EQ(r.KatKrawedzi2[3], r.KatKrawedzi2[5]);
    EXPECT_EQ(r.KatKrawedzi2[4], r.KatKrawedzi2[5]);
    EXPECT_EQ(r.GeometriaRamion[3][0].Natezenie, 0);

    // Bands: radius r outside, r - w inside; 300 vehicles are 1.5 cm, wider
    // than the corner, so arm 1's inner entry radius is negative.
    EXPECT_FLOAT_EQ(r.GeometriaRamion[0][0].LukZewnetrzny.Promien, 1.0f);
    EXPECT_NEAR(r.GeometriaRamion[0][0].LukWewnetrzny.Promien, -0.5, 1e-6);
    EXPECT_NEAR(r.GeometriaRamion[2][1].LukWewnetrzny.Promien, -0.25, 1e-6);
    // Edge 2 of arm 2's entry at the arm's end: 7 cm up, 0.5 + 0.25 cm to the left.
    EXPECT_NEAR(r.GeometriaRamion[1][0].Krawedz2[1], 10.0 - 0.75, 1e-6);
    EXPECT_NEAR(r.GeometriaRamion[1][0].Krawedz2[3], 27.0, 1e-6);
    // The outer arc runs from edge 1 (offset o from the axis) to the ring.
    const DaneLukPasa& l = r.GeometriaRamion[0][0].LukZewnetrzny;
    EXPECT_NEAR(l.YPoczatku - 20.0, 0.5, Tol);
    EXPECT_NEAR(std::hypot(l.XKonca - 10.0, l.YKonca - 20.0), 3.0, Tol);

    const PierscienRonda p = SektoryPierscienia(r);
    ASSERT_TRUE(p.zaRamieniem[0].jest && p.zaRamieniem[1].jest && p.zaRamieniem[2].jest);
    EXPECT_NEAR(p.zaRamieniem[0].od, b1, Tol);
    EXPECT_NEAR(p.zaRamieniem[0].do_, Pi / 2 - b2, Tol);
    EXPECT_NEAR(p.zaRamieniem[0].promien, 4.5, 1e-6);
    EXPECT_NEAR(p.zaRamieniem[1].promien, 4.25, 1e-6);
    EXPECT_NEAR(p.zaRamieniem[2].od, Pi + b1, Tol);
    EXPECT_NEAR(p.zaRamieniem[2].do_, 2 * Pi - b1, Tol) << "the ring closes back to arm 1";
    EXPECT_NEAR(p.przyRamieniu[1].od, Pi / 2 - b2, Tol);
    EXPECT_NEAR(p.przyRamieniu[1].promien, 4.0, 1e-6);
    EXPECT_NEAR(p.przyRamieniu[0].od, -b1, Tol) << "arm 1's sector runs through 0";
    EXPECT_FALSE(p.przyRamieniu[3].jest || p.zaRamieniem[3].jest || p.zaRamieniem[4].jest);
    // A later computation of another diagram with another scale leaves the
    // ring as wide as the bands it joins.
    wg.SkalaPaskow = 0.5f;
    EXPECT_NEAR(SektoryPierscienia(r).zaRamieniem[0].promien, 4.5, 1e-6);
    EXPECT_TRUE(r.GeometriaPoprawna);
    EXPECT_TRUE(PobierzKomunikaty().empty());
}

TEST_F(GeometriaRonda, CzteryRamionaZSumWpisanych)
{
    R().DaneRelacje = 0;
    R().LiczbaRamion = 4;
    R().Ramie = {1, 1, 1, 1, 0};
    Katy({0, 90, 180, 270});
    R().WlotWpisany = {100, 50, 70, 30, 0};
    R().WylotWpisany = {80, 90, 50, 30, 0};
    ObliczGeometrieRonda(0);
    const DaneRondo& r = R();
    // R1 = 100; R2 = 100 - 90 + 50; R3 = 60 - 50 + 70; R4 = 80 - 30 + 30.
    EXPECT_EQ(r.NaPierscieniu2, (std::array<int32_t, 5>{100, 60, 80, 80, 0}));
    EXPECT_EQ(r.NaPierscieniu1, (std::array<int32_t, 5>{0, 10, 10, 50, 0}));
    // Arm 4: 50 vehicles pass it, rho 3.25.
    const double b4 = B(3.25);
    EXPECT_NEAR(r.KatKrawedzi1[3], 1.5 * Pi + b4, Tol);
    EXPECT_NEAR(r.KatKrawedzi2[3], 1.5 * Pi - b4, Tol);
    Srodek(3, 1, 3.25, 1.5, -std::sqrt(4.25 * 4.25 - 1.5 * 1.5));
    const PierscienRonda p = SektoryPierscienia(r);
    EXPECT_TRUE(p.zaRamieniem[3].jest);
    EXPECT_NEAR(p.zaRamieniem[3].do_, 2 * Pi - B(3.0), Tol);
    EXPECT_NEAR(p.zaRamieniem[3].promien, 3.4, 1e-6);
}

TEST_F(GeometriaRonda, ZPomiaruZeWspolczynnikami)
{
    // The count's relation totals as the data window computed them: class 1
    // with coefficient 1.0 and class 2 (two of them on A->C) with 2.0.
    DanePomiar m;
    m.MaxJest = 4;
    m.NatezeniaNaRelacjach[0][2] = 40 + 2 * 2;
    m.NatezeniaNaRelacjach[3][1] = 60;
    Pomiary.push_back(m);
    Wspolczynniki.emplace_back();
    R().ZPomiaru = 1;
    R().NrPomiaru = 0;
    R().NrWspolczynnikow = 0;
    Katy({0, 90, 80, 270});
    ObliczGeometrieRonda(0);
    const DaneRondo& r = R();
    EXPECT_EQ(r.LiczbaRamion, 4);
    EXPECT_EQ(r.Ramie[3], 1);
    EXPECT_NEAR(r.Kat[2], St(100), 1e-6) << "an angle below the one before is put 10 degrees past it";
    EXPECT_EQ(r.SumaWlotu[0], 44);
    EXPECT_EQ(r.SumaWylotu[2], 44);
    EXPECT_EQ(r.SumaWlotu[3], 60);
    // A->C passes B; D->B passes A.
    EXPECT_EQ(r.NaPierscieniu1, (std::array<int32_t, 5>{60, 44, 0, 0, 60}));
    const double b2 = B(3.0 + 44 * 0.005);
    EXPECT_NEAR(r.KatKrawedzi1[1], Pi / 2 + b2, Tol);
    EXPECT_NEAR(r.KatKrawedzi1[2], St(100) + B(3.0), Tol);

    // A link that names no count: the typed data.
    R().NrPomiaru = 5;
    R().DaneRelacje = 1;
    R().SumaWlotuRel = {7, 0, 0, 0, 0};
    ObliczGeometrieRonda(0);
    EXPECT_EQ(R().SumaWlotu[0], 7);
}

TEST_F(GeometriaRonda, RamieKolo0I360Stopni)
{
    // Arm 1 at 30 degrees: its exit, about 8 degrees, lies below arm 2's
    // angle, so the ring's end is a full turn on.
    Katy({30, 120, 240});
    ObliczGeometrieRonda(0);
    const double b = B(3.0);
    EXPECT_NEAR(R().KatKrawedzi2[0], St(30) - b, Tol);
    EXPECT_NEAR(R().KatKrawedzi2[5], St(30) - b + 2 * Pi, Tol);
    PierscienRonda p = SektoryPierscienia(R());
    EXPECT_TRUE(p.zaRamieniem[2].jest);
    EXPECT_NEAR(p.zaRamieniem[2].do_ - p.zaRamieniem[2].od, St(150) - 2 * b, Tol);

    // Five arms, the last at 350 degrees: its entry wraps to about 12
    // degrees and is kept a full turn on; its section would run back past
    // arm 1's exit, so it is left out, and the other four stay.
    R().Ramie = {1, 1, 1, 1, 1};
    R().LiczbaRamion = 5;
    Katy({0, 72, 144, 216, 350});
    R().Obliczony = 0;
    ObliczGeometrieRonda(0);
    EXPECT_NEAR(R().KatKrawedzi1[4], St(350) + b, Tol);
    EXPECT_GT(R().KatKrawedzi1[4], 2 * Pi);
    p = SektoryPierscienia(R());
    EXPECT_FALSE(p.zaRamieniem[4].jest);
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(p.zaRamieniem[static_cast<std::size_t>(k)].jest) << "arm " << k + 1;
    EXPECT_TRUE(p.przyRamieniu[4].jest);
    EXPECT_NEAR(p.przyRamieniu[4].do_ - p.przyRamieniu[4].od, 2 * b, Tol);

    // Arms 10 degrees apart overlap: no section between them, none spanning the ring.
    Katy({0, 10, 144, 216, 300});
    ObliczGeometrieRonda(0);
    p = SektoryPierscienia(R());
    EXPECT_FALSE(p.zaRamieniem[0].jest);
    for (const auto& w : p.zaRamieniem) {
        if (w.jest) {
            EXPECT_LT(w.do_ - w.od, St(100));
        }
    }
}

TEST_F(GeometriaRonda, PierscienWewnatrzOdsunieciaNieDajeNaroznika)
{
    // rho 0.3 below the offset 0.5: no tangent circle (a negative square root).
    R().PromienR = 0.3f;
    R().Odsuniecie[1] = 0.1f;  // arm 2 still reaches: (0.3 + 1)^2 > (1 + 0.1)^2
    ObliczGeometrieRonda(0);
    const DaneRondo& r = R();
    EXPECT_EQ(r.NaroznikZbudowany[0], 0);
    EXPECT_EQ(r.NaroznikZbudowany[1], 1);
    EXPECT_EQ(r.NaroznikZbudowany[2], 0);
    EXPECT_EQ(r.GeometriaPoprawna, 0);
    EXPECT_NE(r.KomunikatGeometrii.str().find("A, C"), std::string::npos) << r.KomunikatGeometrii.str();
    for (const auto& ramie : r.GeometriaRamion)
        for (const DanePasRamienia& p : ramie) {
            for (float v : {p.LukZewnetrzny.Promien, p.LukZewnetrzny.XSrodka, p.LukWewnetrzny.AzymutKonca,
                            p.LukWewnetrzny.YPoczatku})
                EXPECT_TRUE(std::isfinite(v));
            EXPECT_TRUE(std::isfinite(p.Krawedz2[1]));
        }
    for (float k : r.KatKrawedzi1)
        EXPECT_TRUE(std::isfinite(k));
    const PierscienRonda s = SektoryPierscienia(r);
    for (const auto& w : s.zaRamieniem)
        EXPECT_FALSE(w.jest) << "every section touches an arm without a corner";
    EXPECT_TRUE(s.przyRamieniu[1].jest);
    // Queued once for the end of the redraw, however often it is computed.
    ObliczGeometrieRonda(0);
    EXPECT_EQ(PobierzKomunikaty().size(), 1u);

    // rho equal to the offset: h would be 0 (a zero divisor).
    R().PromienR = 0.5f;
    R().Odsuniecie = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
    ObliczGeometrieRonda(0);
    EXPECT_EQ(R().NaroznikZbudowany[0], 0);
    // A ring that reaches again computes clean.
    R().PromienR = 3.0f;
    ObliczGeometrieRonda(0);
    EXPECT_EQ(R().GeometriaPoprawna, 1);
    EXPECT_EQ(R().KomunikatGeometrii.str(), "");
}

TEST_F(GeometriaRonda, LiczbaRamionZPomiaruPrzycinana)
{
    DanePomiar m;
    m.MaxJest = 9;
    Pomiary.push_back(m);
    R().ZPomiaru = 1;
    R().NrPomiaru = 0;
    ObliczGeometrieRonda(0);
    EXPECT_EQ(R().LiczbaRamion, 5);
    Pomiary[0].MaxJest = -3;
    ObliczGeometrieRonda(0);
    EXPECT_EQ(R().LiczbaRamion, 2);
    EXPECT_EQ(R().Ramie[2], 0);
    // Typed totals with an arm count from a damaged file.
    R().ZPomiaru = 0;
    R().DaneRelacje = 0;
    R().LiczbaRamion = 40;
    R().WlotWpisany = {5, 5, 5, 5, 5};
    ObliczGeometrieRonda(0);
    EXPECT_EQ(R().NaPierscieniu2[4], 5 + 5 + 5 + 5 + 5 - 0);
}

} // namespace
