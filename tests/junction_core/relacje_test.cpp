// Relation bands of hand-worked diagrams: their sides, fillet centres and
// radii, U-turn loops, and the painting order.

#include "oblicz_wspolne.h"

#include "junction/ObliczRuchoplan.h"
#include "junction/Relacje.h"

using namespace oblicz_test;

namespace {

constexpr Macierz Wzor = {0, 100, 200, 50, 30, 0, 80, 150, 120, 60, 0, 40, 70, 90, 20, 10};

class Relacje : public ProjektObliczen {
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

// Arc `luk` (1 or 2) of a relation: radius, centre, ends, direction.
struct OczekiwanyLuk {
    const char* relacja;
    int luk;
    double r, cx, cy, ax, ay, bx, by;
    int kierunek;
};

void SprawdzLuki(const DaneRuchoplan& r, std::initializer_list<OczekiwanyLuk> luki)
{
    for (const OczekiwanyLuk& e : luki) {
        SCOPED_TRACE(std::string(e.relacja) + " luk " + std::to_string(e.luk));
        const DanaRelacja& p = *Relacja(r, e.relacja);
        const DaneLuk& l = e.luk == 1 ? p.Luk1 : p.Luk2;
        EXPECT_NEAR(l.R, e.r, Tol);
        EXPECT_TRUE(Blisko(l.C, e.cx, e.cy));
        EXPECT_TRUE(Blisko(l.A, e.ax, e.ay));
        EXPECT_TRUE(Blisko(l.B, e.bx, e.by));
        EXPECT_EQ(l.Kierunek, e.kierunek);
    }
}

// A band side as its start and end point.
::testing::AssertionResult Bok(const KrawedzRelacji& k, double x1, double y1, double x2, double y2)
{
    if (Blisko(PunktXY{k[0], k[2]}, x1, y1) && Blisko(PunktXY{k[1], k[3]}, x2, y2))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << k[0] << ", " << k[2] << ") - (" << k[1] << ", " << k[3] << ")";
}

TEST_F(Relacje, KolejnoscMalejacoStabilna)
{
    // Falling volume; equal volumes keep the order they were built in.
    Macierz rowne{};
    rowne[3] = rowne[14] = 100;  // q14, q43
    Macierz prawieRowne = rowne;
    prawieRowne[14] = 101;
    const struct {
        Macierz q;
        std::array<const char*, 16> kolejnosc;
    } przypadki[] = {
        {Wzor, {"13", "24", "31", "12", "42", "23", "41", "32", "14", "34", "21", "43", "44", "11", "22", "33"}},
        {rowne, {"14", "43", "32", "21", "12", "23", "34", "41", "13", "42", "31", "24", "11", "22", "33", "44"}},
        {prawieRowne, {"43", "14", "32", "21", "12", "23", "34", "41", "13", "42", "31", "24", "11", "22", "33", "44"}},
    };
    for (const auto& p : przypadki) {
        const DaneRuchoplan& r = Oblicz(p.q);
        for (std::size_t k = 0; k < 16; ++k) {
            const std::string n = p.kolejnosc[k];
            EXPECT_EQ(r.Relacje[k].Nazwa.str(), n) << k;
            EXPECT_EQ(r.Relacje[k].Natezenie, p.q[static_cast<std::size_t>(4 * (n[0] - '1') + (n[1] - '1'))]) << n;
        }
    }
}

TEST_F(Relacje, PasmaWzoru)
{
    const DaneRuchoplan& r = Oblicz(Wzor);
    // Through: inlet 1 edges 3/4 at x 1.0 and 3.0 into outlet 3's, no arcs.
    const DanaRelacja& p13 = *Relacja(r, "13");
    EXPECT_TRUE(Bok(p13.Krawedz1, 1.0, -7.0, 1.0, -6.0));
    EXPECT_TRUE(Bok(p13.Krawedz2, 1.0, 6.0, 1.0, 7.0));
    EXPECT_TRUE(Bok(p13.Krawedz3, 3.0, -7.0, 3.0, -6.0));
    EXPECT_TRUE(Bok(p13.Krawedz4, 3.0, 6.0, 3.0, 7.0));
    EXPECT_EQ(p13.Luk1.R, 0.0f);
    EXPECT_EQ(p13.Luk2.R, 0.0f);
    // Left turn "14": north-bound on x = 0.5 / 1.0, west-bound on y = 0.6 /
    // 1.1; half width 50 x 0.005 = 0.25 about the radius 4.0.
    EXPECT_TRUE(Bok(Relacja(r, "14")->Krawedz1, 0.5, -7.0, 0.5, -6.0));
    EXPECT_TRUE(Bok(Relacja(r, "14")->Krawedz2, -6.0, 0.6, -7.0, 0.6));
    // U-turn "44": inlet 4 edges 1/2 at y -0.8 / -0.9, outlet 4 at 0.5 / 0.6,
    // inner ends at x = -6; the loop reaches 3.5 - 1.0 beyond them.
    EXPECT_TRUE(Bok(Relacja(r, "44")->Krawedz1, -7.0, -0.8, -6.0, -0.8));
    EXPECT_TRUE(Bok(Relacja(r, "44")->Krawedz2, -6.0, 0.5, -7.0, 0.5));
    // Right turn "12": inlet 1 edges 4/5 at x 3.0 / 4.0, outlet 2 edges 4/5
    // at y -2.0 / -3.0; the outer side gets 2.0 + 0.5, the inner 2.0 - 0.5.
    SprawdzLuki(r, {
                       {"14", 1, 3.75, -3.25, -3.15, 0.5, -3.15, -3.25, 0.6, 0},
                       {"14", 2, 4.25, -3.25, -3.15, 1.0, -3.15, -3.25, 1.1, 0},
                       {"12", 1, 2.5, 5.5, -4.5, 3.0, -4.5, 5.5, -2.0, 1},
                       {"12", 2, 1.5, 5.5, -4.5, 4.0, -4.5, 5.5, -3.0, 1},
                       {"44", 1, 0.65, -3.5, -0.15, -3.5, -0.8, -3.5, 0.5, 0},
                       {"44", 2, 0.75, -3.5, -0.15, -3.5, -0.9, -3.5, 0.6, 0},
                   });
    for (const char* n : {"14", "12"}) {
        EXPECT_NEAR(Relacja(r, n)->Luk1.KatPoczatku, 3 * Pi / 2, Tol) << n;
        EXPECT_NEAR(Relacja(r, n)->Luk1.KatKonca, 2 * Pi, Tol) << n;
    }
    // Half way: 45 degrees towards the node from the centre.
    EXPECT_TRUE(Blisko(Relacja(r, "14")->Luk1.M, -3.25 + 3.75 * std::sqrt(0.5), -3.15 + 3.75 * std::sqrt(0.5)));
    // Half way round the loop points at the node.
    const DaneLuk& petla = Relacja(r, "44")->Luk1;
    EXPECT_NEAR(petla.KatPoczatku, Pi, 1e-6);
    EXPECT_NEAR(petla.KatKonca, 2 * Pi, 1e-6);
    EXPECT_TRUE(Blisko(NaLuku(petla, (petla.KatPoczatku + petla.KatKonca) / 2), -3.5 + 0.65, -0.15));

    // Present arms: every turning relation is drawn, U-turns only with volume;
    // "11" is built all the same (inlet 1 edge 1 at x 0.5, outlet 1 edge 1 at -0.8).
    EXPECT_EQ(Relacja(r, "14")->Rysuj, 1);
    EXPECT_EQ(Relacja(r, "44")->Rysuj, 1);
    EXPECT_EQ(Relacja(r, "11")->Rysuj, 0);
    EXPECT_NEAR(Relacja(r, "11")->Luk1.R, 0.65, Tol);
    EXPECT_TRUE(Blisko(Relacja(r, "11")->Luk1.C, -0.15, -3.5));
}

TEST_F(Relacje, PromienieLewoskretowIPrawoskretow)
{
    // The left-turn correction is subtracted for arms 1 and 3, added for 2 and 4.
    const DaneRuchoplan& r = Oblicz(Wzor, 0.5f);
    // "43": east-bound on y = -0.9 / -1.1 into north-bound x = 0.8 / 1.0; 4.5 -/+ 20 x 0.005.
    SprawdzLuki(r, {
                       {"14", 1, 3.25, -2.75, -2.65, 0.5, -2.65, -2.75, 0.6, 0},
                       {"43", 1, 4.4, -3.6, 3.5, -3.6, -0.9, 0.8, 3.5, 0},
                       {"43", 2, 4.6, -3.6, 3.5, -3.6, -1.1, 1.0, 3.5, 0},
                   });
    EXPECT_NEAR(Relacja(r, "32")->Luk1.R, 3.5 - 0.3, Tol);
    EXPECT_NEAR(Relacja(r, "21")->Luk1.R, 4.5 - 0.15, Tol);

    // The arms' own radii without the common values; the correction then does not apply.
    const int i = DodajRuchoplan();
    R(i).Natezenia = Wzor;
    R(i).Globalne = 0;
    R(i).PoprawkaLewoskretow = 1.0f;
    R(i).PromienLewoskretu = {3.0f, 5.0f, 6.0f, 7.0f};
    R(i).PromienPrawoskretu = {1.0f, 2.5f, 3.5f, 4.5f};
    ObliczRuchoplan(i);
    EXPECT_NEAR(Relacja(R(i), "14")->Luk1.R, 3.0 - 0.25, Tol);
    EXPECT_NEAR(Relacja(R(i), "43")->Luk2.R, 7.0 + 0.1, Tol);
    EXPECT_NEAR(Relacja(R(i), "12")->Luk1.R, 1.0 + 0.5, Tol);
    EXPECT_NEAR(Relacja(R(i), "41")->Luk2.R, 4.5 - 0.35, Tol);

    // A left turn 10 cm wide: its inner radius 4.0 - 5.0 is raised to 0.1.
    Macierz q{};
    q[3] = 1000;
    const DaneRuchoplan& szeroki = Oblicz(q);
    EXPECT_NEAR(Relacja(szeroki, "14")->Luk1.R, 0.1, Tol);
    EXPECT_NEAR(Relacja(szeroki, "14")->Luk2.R, 9.0, Tol);
    SprawdzSkonczone(szeroki);
}

TEST_F(Relacje, SkrzywionyPrzejazdDostajeLukiStyczne)
{
    const int i = DodajRuchoplan(3.0, -2.0);
    R(i).Natezenia = Wzor;
    R(i).Kat[2] = -0.4f;  // north arm turned towards the east
    ObliczRuchoplan(i);
    auto pocz = [](const KrawedzRelacji& k) { return PunktXY{k[0], k[2]}; };
    auto kon = [](const KrawedzRelacji& k) { return PunktXY{k[1], k[3]}; };
    for (const char* n : {"13", "31", "14", "12", "32", "34", "43", "23"}) {
        SCOPED_TRACE(n);
        const DanaRelacja& p = *Relacja(R(i), n);
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
