// Relation bands of hand-worked diagrams: their sides, fillet centres and
// radii, U-turn loops, and the painting order.

#include "oblicz_wspolne.h"

#include "junction/ObliczRuchoplan.h"
#include "junction/Relacje.h"

using namespace oblicz_test;

namespace {

constexpr Macierz Wzor = {0, 100, 200, 50, 30, 0, 80, 150, 120, 60, 0, 40, 70, 90, 20, 10};

class Relacje : public Projekt {
protected:
    const DaneRuchoplan& Oblicz(const Macierz& q, float poprawkaL = 0.0f)
    {
        const int i = DodajRuchoplan();
        R(i).Natezenia = q;
        R(i).PoprawkaLewoskretow = poprawkaL;
        ObliczRuchoplan(i);
        return R(i);
    }
};

void SprawdzBok(const KrawedzRelacji& k, double x1, double x2, double y1, double y2)
{
    EXPECT_NEAR(k[0], x1, Tol);
    EXPECT_NEAR(k[1], x2, Tol);
    EXPECT_NEAR(k[2], y1, Tol);
    EXPECT_NEAR(k[3], y2, Tol);
}

void SprawdzLuk(const DaneLuk& l, double r, double cx, double cy, double ax, double ay, double bx, double by,
                int kierunek)
{
    EXPECT_NEAR(l.R, r, Tol);
    EXPECT_NEAR(l.C.X, cx, Tol);
    EXPECT_NEAR(l.C.Y, cy, Tol);
    EXPECT_NEAR(l.A.X, ax, Tol);
    EXPECT_NEAR(l.A.Y, ay, Tol);
    EXPECT_NEAR(l.B.X, bx, Tol);
    EXPECT_NEAR(l.B.Y, by, Tol);
    EXPECT_EQ(l.Kierunek, kierunek);
}

TEST_F(Relacje, KolejnoscMalejacoStabilna)
{
    const DaneRuchoplan& r = Oblicz(Wzor);
    const std::array<const char*, 16> kolejnosc = {"13", "24", "31", "12", "42", "23", "41", "32",
                                                   "14", "34", "21", "43", "44", "11", "22", "33"};
    for (std::size_t k = 0; k < 16; ++k) {
        EXPECT_EQ(r.Relacje[k].Nazwa.str(), kolejnosc[k]) << k;
        EXPECT_EQ(r.Relacje[k].Natezenie, Wzor[static_cast<std::size_t>(
                                              4 * (kolejnosc[k][0] - '1') + (kolejnosc[k][1] - '1'))]);
    }
    // Present arms: every turning relation is drawn, U-turns only with volume.
    EXPECT_EQ(Relacja(r, "14")->Rysuj, 1);
    EXPECT_EQ(Relacja(r, "44")->Rysuj, 1);
    EXPECT_EQ(Relacja(r, "11")->Rysuj, 0);
}

TEST_F(Relacje, RowneNatezeniaZachowujaKolejnoscBudowy)
{
    Macierz q{};
    q[3] = 100;   // q14
    q[14] = 100;  // q43
    const DaneRuchoplan& r = Oblicz(q);
    const std::array<const char*, 16> kolejnosc = {"14", "43", "32", "21", "12", "23", "34", "41",
                                                   "13", "42", "31", "24", "11", "22", "33", "44"};
    for (std::size_t k = 0; k < 16; ++k)
        EXPECT_EQ(r.Relacje[k].Nazwa.str(), kolejnosc[k]) << k;

    q[14] = 101;
    const DaneRuchoplan& r2 = Oblicz(q);
    EXPECT_EQ(r2.Relacje[0].Nazwa.str(), "43");
    EXPECT_EQ(r2.Relacje[1].Nazwa.str(), "14");
}

TEST_F(Relacje, PrzejazdNaWprostBezLukow)
{
    const DaneRuchoplan& r = Oblicz(Wzor);
    const DanaRelacja& p = *Relacja(r, "13");
    // Inlet 1 edges 3/4 at x 1.0 and 3.0, outlet 3 edges 3/4 at 1.0 and 3.0.
    SprawdzBok(p.Krawedz1, 1.0, 1.0, -7.0, -6.0);
    SprawdzBok(p.Krawedz2, 1.0, 1.0, 6.0, 7.0);
    SprawdzBok(p.Krawedz3, 3.0, 3.0, -7.0, -6.0);
    SprawdzBok(p.Krawedz4, 3.0, 3.0, 6.0, 7.0);
    EXPECT_EQ(p.Luk1.R, 0.0f);
    EXPECT_EQ(p.Luk2.R, 0.0f);
    EXPECT_EQ(p.Natezenie, 200);
}

TEST_F(Relacje, LewoskretKoncentryczneLuki)
{
    const DaneRuchoplan& r = Oblicz(Wzor);
    const DanaRelacja& p = *Relacja(r, "14");
    // North-bound on x = 0.5 / 1.0, west-bound on y = 0.6 / 1.1; half width
    // 50 x 0.005 = 0.25 about the radius 4.0.
    SprawdzBok(p.Krawedz1, 0.5, 0.5, -7.0, -6.0);
    SprawdzBok(p.Krawedz2, -6.0, -7.0, 0.6, 0.6);
    SprawdzLuk(p.Luk1, 3.75, -3.25, -3.15, 0.5, -3.15, -3.25, 0.6, 0);
    SprawdzLuk(p.Luk2, 4.25, -3.25, -3.15, 1.0, -3.15, -3.25, 1.1, 0);
    EXPECT_NEAR(p.Luk1.KatPoczatku, 3 * Pi / 2, Tol);
    EXPECT_NEAR(p.Luk1.KatKonca, 2 * Pi, Tol);
    // Half way: 45 degrees towards the node from the centre.
    EXPECT_NEAR(p.Luk1.M.X, -3.25 + 3.75 * std::sqrt(0.5), Tol);
    EXPECT_NEAR(p.Luk1.M.Y, -3.15 + 3.75 * std::sqrt(0.5), Tol);
}

TEST_F(Relacje, PrawoskretZgodnieZeWskazowkami)
{
    const DaneRuchoplan& r = Oblicz(Wzor);
    const DanaRelacja& p = *Relacja(r, "12");
    // Inlet 1 edges 4/5 at x 3.0 / 4.0, outlet 2 edges 4/5 at y -2.0 / -3.0;
    // the outer side gets 2.0 + 0.5 and the inner 2.0 - 0.5.
    SprawdzLuk(p.Luk1, 2.5, 5.5, -4.5, 3.0, -4.5, 5.5, -2.0, 1);
    SprawdzLuk(p.Luk2, 1.5, 5.5, -4.5, 4.0, -4.5, 5.5, -3.0, 1);
    EXPECT_NEAR(p.Luk1.KatPoczatku, 3 * Pi / 2, Tol);
    EXPECT_NEAR(p.Luk1.KatKonca, 2 * Pi, Tol);
}

TEST_F(Relacje, PoprawkaLewoskretow)
{
    // Subtracted for left turns from arms 1 and 3, added for arms 2 and 4.
    const DaneRuchoplan& r = Oblicz(Wzor, 0.5f);
    SprawdzLuk(Relacja(r, "14")->Luk1, 3.25, -2.75, -2.65, 0.5, -2.65, -2.75, 0.6, 0);
    // "43": east-bound on y = -0.9 / -1.1 into north-bound x = 0.8 / 1.0;
    // 4.5 -/+ 20 x 0.005.
    SprawdzLuk(Relacja(r, "43")->Luk1, 4.4, -3.6, 3.5, -3.6, -0.9, 0.8, 3.5, 0);
    SprawdzLuk(Relacja(r, "43")->Luk2, 4.6, -3.6, 3.5, -3.6, -1.1, 1.0, 3.5, 0);
    EXPECT_NEAR(Relacja(r, "32")->Luk1.R, 3.5 - 0.3, Tol);
    EXPECT_NEAR(Relacja(r, "21")->Luk1.R, 4.5 - 0.15, Tol);
}

TEST_F(Relacje, PromienieRamionBezWartosciWspolnych)
{
    const int i = DodajRuchoplan();
    R(i).Natezenia = Wzor;
    R(i).Globalne = 0;
    R(i).PoprawkaLewoskretow = 1.0f;  // applies only to the common values
    R(i).PromienLewoskretu = {3.0f, 5.0f, 6.0f, 7.0f};
    R(i).PromienPrawoskretu = {1.0f, 2.5f, 3.5f, 4.5f};
    ObliczRuchoplan(i);
    EXPECT_NEAR(Relacja(R(i), "14")->Luk1.R, 3.0 - 0.25, Tol);
    EXPECT_NEAR(Relacja(R(i), "43")->Luk2.R, 7.0 + 0.1, Tol);
    EXPECT_NEAR(Relacja(R(i), "12")->Luk1.R, 1.0 + 0.5, Tol);
    EXPECT_NEAR(Relacja(R(i), "41")->Luk2.R, 4.5 - 0.35, Tol);
}

TEST_F(Relacje, SzerokiLewoskretMaNajmniejszyPromien)
{
    Macierz q{};
    q[3] = 1000;  // q14: 10 cm wide, its inner radius 4.0 - 5.0 is raised to 0.1
    const DaneRuchoplan& r = Oblicz(q);
    EXPECT_NEAR(Relacja(r, "14")->Luk1.R, 0.1, Tol);
    EXPECT_NEAR(Relacja(r, "14")->Luk2.R, 9.0, Tol);
    SprawdzSkonczone(r);
}

TEST_F(Relacje, ZawrotkaPetlaKuWezlowi)
{
    const DaneRuchoplan& r = Oblicz(Wzor);
    const DanaRelacja& p = *Relacja(r, "44");
    // Inlet 4 edges 1/2 at y -0.8 / -0.9, outlet 4 at 0.5 / 0.6, inner ends at
    // x = -6; the loop reaches 3.5 - 1.0 beyond them.
    SprawdzBok(p.Krawedz1, -7.0, -6.0, -0.8, -0.8);
    SprawdzBok(p.Krawedz2, -6.0, -7.0, 0.5, 0.5);
    SprawdzLuk(p.Luk1, 0.65, -3.5, -0.15, -3.5, -0.8, -3.5, 0.5, 0);
    SprawdzLuk(p.Luk2, 0.75, -3.5, -0.15, -3.5, -0.9, -3.5, 0.6, 0);
    EXPECT_NEAR(p.Luk1.KatPoczatku, Pi, 1e-6);
    EXPECT_NEAR(p.Luk1.KatKonca, 2 * Pi, 1e-6);
    // Half way round the loop points at the node.
    const PunktXY m = NaLuku(p.Luk1, (p.Luk1.KatPoczatku + p.Luk1.KatKonca) / 2);
    EXPECT_NEAR(m.X, -3.5 + 0.65, Tol);
    EXPECT_NEAR(m.Y, -0.15, Tol);
}

TEST_F(Relacje, ZawrotkaZerowaNieRysowanaAleZbudowana)
{
    const DaneRuchoplan& r = Oblicz(Wzor);
    const DanaRelacja& p = *Relacja(r, "11");
    EXPECT_EQ(p.Rysuj, 0);
    // Inlet 1 edge 1 at x 0.5, outlet 1 edge 1 at -0.8: centre 2.5 cm up.
    EXPECT_NEAR(p.Luk1.C.X, -0.15, Tol);
    EXPECT_NEAR(p.Luk1.C.Y, -3.5, Tol);
    EXPECT_NEAR(p.Luk1.R, 0.65, Tol);
}

TEST_F(Relacje, SkrzywionyPrzejazdDostajeLukiStyczne)
{
    const int i = DodajRuchoplan(3.0, -2.0);
    R(i).Natezenia = Wzor;
    R(i).Kat[2] = -0.4f;  // north arm turned towards the east
    ObliczRuchoplan(i);
    for (const char* n : {"13", "31", "14", "12", "32", "34", "43", "23"}) {
        SCOPED_TRACE(n);
        const DanaRelacja& p = *Relacja(R(i), n);
        auto pocz = [](const KrawedzRelacji& k) { return PunktXY{k[0], k[2]}; };
        auto kon = [](const KrawedzRelacji& k) { return PunktXY{k[1], k[3]}; };
        SprawdzStyczny(p.Luk1, pocz(p.Krawedz1), kon(p.Krawedz1), pocz(p.Krawedz2), kon(p.Krawedz2));
        SprawdzStyczny(p.Luk2, pocz(p.Krawedz3), kon(p.Krawedz3), pocz(p.Krawedz4), kon(p.Krawedz4));
    }
    EXPECT_NEAR(Relacja(R(i), "13")->Luk1.R, 10.0, Tol);
    EXPECT_NEAR(Relacja(R(i), "13")->Luk2.R, 10.0, Tol);
    // Through south to the north arm turned east: a right-hand bend.
    EXPECT_EQ(Relacja(R(i), "13")->Luk1.Kierunek, 1);
    EXPECT_EQ(Relacja(R(i), "31")->Luk1.Kierunek, 0);
    // Unturned arms keep straight through bands.
    EXPECT_EQ(Relacja(R(i), "24")->Luk1.R, 0.0f);
    SprawdzSkonczone(R(i));
    EXPECT_TRUE(PobierzKomunikaty().empty());
}

} // namespace
