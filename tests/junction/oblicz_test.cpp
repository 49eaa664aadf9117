// The junction computation worked by hand at the default geometry: offset
// 0.5, strips from 6.0 to 7.0 cm from the node, 0.01 cm per vehicle.

#include "oblicz_wspolne.h"

#include "junction/ObliczRuchoplan.h"
#include "junction/SkalePaskow.h"

using namespace oblicz_test;

namespace {

// q11 q12 q13 q14 / q21 .. / q31 .. / q41 ..
constexpr Macierz Wzor = {0, 100, 200, 50, 30, 0, 80, 150, 120, 60, 0, 40, 70, 90, 20, 10};

// Lateral positions of edges 1..5 of each strip for Wzor, worked by hand:
// pair 1 anchors inlet 1 (q14 50 > q43 20), pair 2 inlet 3 (q32 60 > q21 30),
// pair 3 outlet 4 (30 <= 60), pair 4 outlet 2 (30 <= 60).
const std::array<std::array<double, 5>, 8> Krawedzie = {{
    {0.5, 0.5, 1.0, 3.0, 4.0},       // inlet 1 (x)
    {0.8, 0.8, 1.1, 2.6, 3.4},       // inlet 2 (y)
    {-0.5, -0.5, -1.1, -2.3, -2.7},  // inlet 3 (x)
    {-0.8, -0.9, -1.1, -2.0, -2.7},  // inlet 4 (y)
    {-0.8, -0.8, -1.1, -2.3, -3.0},  // outlet 1
    {-0.5, -0.5, -1.1, -2.0, -3.0},  // outlet 2
    {0.8, 0.8, 1.0, 3.0, 3.8},       // outlet 3
    {0.5, 0.6, 1.1, 2.6, 3.0},       // outlet 4
}};

// The point of a strip of the upright cross at lateral position b and
// distance d from the node.
PunktXY Oczekiwany(int pas, double b, double d)
{
    switch (pas % 4) {
    case 0: return {b, -d};
    case 1: return {d, b};
    case 2: return {b, d};
    default: return {-d, b};
    }
}

class Obliczenie : public Projekt {
protected:
    int UstawWzor(const Macierz& q, double x = 0.0, double y = 0.0)
    {
        const int i = DodajRuchoplan(x, y);
        R(i).Natezenia = q;
        return i;
    }
};

TEST_F(Obliczenie, WzorNaOsiach)
{
    const int i = UstawWzor(Wzor, 10.0, 20.0);
    ObliczRuchoplan(i);
    const DaneRuchoplan& r = R(i);
    EXPECT_EQ(r.Obliczony, 1);
    EXPECT_FLOAT_EQ(r.X, 10.0f);
    EXPECT_FLOAT_EQ(r.Y, 20.0f);
    EXPECT_EQ(r.NatezeniaObl, Wzor);
    EXPECT_NEAR(wg.SkalaPaskow, 0.01, 1e-7);

    for (int pas = 0; pas < 8; ++pas)
        for (int k = 1; k <= 5; ++k)
            for (int rzad = 1; rzad <= 2; ++rzad) {
                const PunktXY e = Oczekiwany(pas, Krawedzie[pas][k - 1], rzad == 1 ? 6.0 : 7.0);
                const PunktXY p = Punkt(r, pas, rzad, k);
                EXPECT_NEAR(p.X, e.X + 10.0, Tol) << "pas " << pas << " krawedz " << k << " rzad " << rzad;
                EXPECT_NEAR(p.Y, e.Y + 20.0, Tol) << "pas " << pas << " krawedz " << k << " rzad " << rzad;
            }

    const std::array<float, 16> zasiegi = {0.5f, 0.8f, 0.5f, 0.8f, 4.0f, 3.4f, 2.7f, 2.7f,
                                           0.8f, 0.5f, 0.8f, 0.5f, 3.0f, 3.0f, 3.8f, 3.0f};
    for (std::size_t k = 0; k < 16; ++k)
        EXPECT_NEAR(r.ZasiegiRamion[k], zasiegi[k], Tol) << k;
    EXPECT_TRUE(PobierzKomunikaty().empty());
}

TEST_F(Obliczenie, RownoscPrzyKotwiczeniuKotwiczyWylot)
{
    // q14 = q43: outlet 3 sits at O3 and inlet 1 is aligned to it.
    Macierz q{};
    q[3] = 40;   // q14
    q[14] = 40;  // q43
    q[0] = 100;  // q11: a large U-turn pushes inlet 1 over the axis
    int i = UstawWzor(q);
    ObliczRuchoplan(i);
    // Outlet 3: 0.5, 0.5, 0.9, 0.9, 0.9; inlet 1: 0.9 - 1.4 = -0.5, 0.5, 0.9 ...
    EXPECT_NEAR(Punkt(R(i), 6, 1, 1).X, 0.5, Tol);
    EXPECT_NEAR(Punkt(R(i), 6, 1, 3).X, 0.9, Tol);
    EXPECT_NEAR(Punkt(R(i), 0, 1, 1).X, -0.5, Tol);
    EXPECT_NEAR(Punkt(R(i), 0, 1, 2).X, 0.5, Tol);
    EXPECT_NEAR(Punkt(R(i), 0, 1, 3).X, 0.9, Tol);

    // One vehicle more on q14: inlet 1 is anchored at O1.
    q[3] = 41;
    i = UstawWzor(q);
    ObliczRuchoplan(i);
    EXPECT_NEAR(Punkt(R(i), 0, 1, 1).X, 0.5, Tol);
    EXPECT_NEAR(Punkt(R(i), 0, 1, 3).X, 0.5 + 1.41, Tol);
    EXPECT_NEAR(Punkt(R(i), 6, 1, 3).X, 1.91, Tol);
    EXPECT_NEAR(Punkt(R(i), 6, 1, 1).X, 1.91 - 0.4, Tol);
}

TEST_F(Obliczenie, ZeroweNatezeniaSkladajaPasyNaOdsunieciach)
{
    const int i = UstawWzor(Macierz{});
    ObliczRuchoplan(i);
    const std::array<double, 8> spodziewane = {0.5, 0.5, -0.5, -0.5, -0.5, -0.5, 0.5, 0.5};
    for (int pas = 0; pas < 8; ++pas)
        for (int k = 1; k <= 5; ++k) {
            const PunktXY p = Punkt(R(i), pas, 2, k);
            EXPECT_NEAR(pas % 2 == 0 ? p.X : p.Y, spodziewane[pas], Tol) << pas;
        }
    // Every band has zero width; the fillets are still built.
    SprawdzSkonczone(R(i));
}

TEST_F(Obliczenie, BrakujaceRamieZerujeJegoRelacje)
{
    Macierz q;
    q.fill(10);
    const int i = UstawWzor(q);
    R(i).Ramie[2] = 0;  // north arm absent
    ObliczRuchoplan(i);
    for (int z = 1; z <= 4; ++z)
        for (int d = 1; d <= 4; ++d)
            EXPECT_EQ(NatezenieObl(R(i), z, d), (z == 3 || d == 3) ? 0 : 10) << z << d;
    EXPECT_EQ(Relacja(R(i), "13")->Rysuj, 0);
    EXPECT_EQ(Relacja(R(i), "33")->Rysuj, 0);
    EXPECT_EQ(Relacja(R(i), "12")->Rysuj, 1);
    EXPECT_EQ(Relacja(R(i), "11")->Rysuj, 1);
}

TEST_F(Obliczenie, GlobalneWartosciZastepujaWlasneRamion)
{
    const int i = UstawWzor(Wzor);
    R(i).Odsuniecie[1] = 3.0f;
    R(i).Dlugosc[1] = 20.0f;
    ObliczRuchoplan(i);
    EXPECT_NEAR(Punkt(R(i), 1, 2, 3).X, 7.0, Tol);
    EXPECT_NEAR(Punkt(R(i), 1, 2, 3).Y, 1.1, Tol);

    // Without the common values arm 2 takes its own (pair 3 anchors outlet 4,
    // so only the ends of arm 2 move; arm 1 keeps 7.0 / 5.5).
    R(i).Globalne = 0;
    R(i).Obliczony = 0;
    ObliczRuchoplan(i);
    EXPECT_NEAR(Punkt(R(i), 1, 2, 3).X, 20.0, Tol);
    EXPECT_NEAR(Punkt(R(i), 1, 1, 3).X, 5.5, Tol);
    EXPECT_NEAR(Punkt(R(i), 0, 2, 1).Y, -7.0, Tol);
    EXPECT_NEAR(Punkt(R(i), 0, 1, 1).Y, -5.5, Tol);
}

TEST_F(Obliczenie, ObrotRamieniaWokolWezla)
{
    const int i = UstawWzor(Wzor, 10.0, 20.0);
    R(i).Kat[0] = static_cast<float>(Pi / 2.0);
    ObliczRuchoplan(i);
    const double c = std::cos(R(i).Kat[0]), s = std::sin(R(i).Kat[0]);
    // Inlet 1, edge 3, row 2 is (1.0, -7.0) before the turn.
    const PunktXY p = Punkt(R(i), 0, 2, 3);
    EXPECT_NEAR(p.X, 10.0 + 1.0 * c + 7.0 * s, Tol);
    EXPECT_NEAR(p.Y, 20.0 + 1.0 * s - 7.0 * c, Tol);
    // Outlet 1 turns with it, arm 2 stays.
    const PunktXY w = Punkt(R(i), 4, 1, 5);
    EXPECT_NEAR(w.X, 10.0 - 3.0 * c + 6.0 * s, Tol);
    EXPECT_NEAR(w.Y, 20.0 - 3.0 * s - 6.0 * c, Tol);
    EXPECT_NEAR(Punkt(R(i), 1, 2, 4).X, 17.0, Tol);
    EXPECT_NEAR(Punkt(R(i), 1, 2, 4).Y, 22.6, Tol);
}

// A count numbers its inlets 1 east, 2 north, 3 west, 4 south; diagram arm 1
// (south) reads inlet 4, arms 2..4 read inlets 1..3.
class ZPomiaru : public Obliczenie {
protected:
    int UstawPomiar()
    {
        DanePomiar p;
        p.WlotJest = {1, 1, 0, 1};                  // no west inlet
        auto& t = p.NatezeniaNaRelacjach;
        t[0][2] = 100;  // east -> west: q24, but the west arm is absent
        t[3][1] = 200;  // south -> north: q13
        t[0][1] = 50;   // east -> north: q23
        t[1][3] = 70;   // north -> south: q31
        t[2][0] = 999;  // west -> east: absent inlet
        t[3][3] = 5;    // U-turn at the south inlet: q11
        p.NatezeniaPrzejscObliczone[3] = {1, 2, 3, 4, 5, 6, 7, 8};
        Pomiary.push_back(p);
        const int i = UstawWzor(Wzor);
        R(i).ZPomiaru = 1;
        R(i).NrPomiaru = 0;
        R(i).Ramie = {0, 1, 1, 1};  // switched off by the user, on in the count
        R(i).Przejscia[0].L[0] = 9;
        return i;
    }
};

TEST_F(ZPomiaru, WlotyObroconeNaRamiona)
{
    const int i = UstawPomiar();
    ObliczRuchoplan(i);
    const DaneRuchoplan& r = R(i);
    EXPECT_EQ(r.Ramie, (std::array<uint8_t, 4>{1, 1, 1, 0}));
    Macierz q{};
    q[0] = 5;    // q11
    q[2] = 200;  // q13
    q[6] = 50;   // q23
    q[8] = 70;   // q31
    EXPECT_EQ(r.NatezeniaObl, q);
    // Crossings are read from the count by the drawing, not copied.
    for (const DanePrzejscia& p : r.PrzejsciaObl)
        EXPECT_EQ(p, DanePrzejscia{});
}

TEST_F(ZPomiaru, NieistniejacyPomiarNieJestCzytany)
{
    const int i = UstawPomiar();
    R(i).NrPomiaru = 3;
    ObliczRuchoplan(i);
    EXPECT_EQ(R(i).NatezeniaObl, Macierz{});
    EXPECT_EQ(R(i).Ramie, (std::array<uint8_t, 4>{0, 1, 1, 1}));
    SprawdzSkonczone(R(i));
}

TEST_F(ZPomiaru, BezPomiarowWProjekcieCzytaWpisane)
{
    const int i = UstawPomiar();
    Pomiary.clear();
    R(i).Ramie = {1, 1, 1, 1};
    ObliczRuchoplan(i);
    EXPECT_EQ(R(i).NatezeniaObl, Wzor);
    EXPECT_EQ(R(i).PrzejsciaObl[0].L[0], 9);
}

TEST_F(Obliczenie, StrukturaDajeElementZero)
{
    const int i = UstawWzor(Macierz{});
    R(i).ZeStruktury = 1;
    R(i).NatezeniaStruktura[1][0] = 33;  // q12
    R(i).NatezeniaStruktura[1][1] = 999;
    R(i).Natezenia[1] = 77;
    ObliczRuchoplan(i);
    EXPECT_EQ(NatezenieObl(R(i), 1, 2), 33);
}

TEST_F(Obliczenie, PaskiBezDlugosciLaczoneProsto)
{
    // Strips of no length: every side has the same (undefined) direction,
    // so every band counts as straight and no fillet is tried.
    const int i = UstawWzor(Wzor);
    R(i).GlobDlugoscPom = R(i).GlobDlugosc;
    ObliczRuchoplan(i);
    SprawdzSkonczone(R(i));
    for (const char* n : {"14", "12", "43", "23"})
        EXPECT_FLOAT_EQ(Relacja(R(i), n)->Luk1.R, 0.0f) << n;
    EXPECT_TRUE(PobierzKomunikaty().empty());
}

TEST_F(Obliczenie, LukBezBokuZglaszaKomunikatRazBezNaN)
{
    // Only the south arm has strips of no length: the fillets of the bands
    // into and out of it cannot be formed. Each such arc is left out and the
    // message waits for the end of the redraw, once.
    const int i = UstawWzor(Wzor);
    R(i).Globalne = 0;
    R(i).DlugoscPom[0] = R(i).Dlugosc[0];
    ObliczRuchoplan(i);
    SprawdzSkonczone(R(i));
    for (const char* n : {"14", "12", "21", "41"}) {
        EXPECT_FLOAT_EQ(Relacja(R(i), n)->Luk1.R, 0.0f) << n;
        EXPECT_FLOAT_EQ(Relacja(R(i), n)->Luk2.R, 0.0f) << n;
    }
    EXPECT_GT(Relacja(R(i), "43")->Luk1.R, 0.0f);
    const auto k = PobierzKomunikaty();
    ASSERT_EQ(k.size(), 1u);
    EXPECT_EQ(k[0], "Zmie\xF1 parametry wy\x9Cwietlania (ZMNIEJSZ SZEROKO\x8C\xC6 LUB ZWI\xCAKSZ D\xA3UGO\x8C\xC6 PASK\xD3W!");
    EXPECT_TRUE(PobierzKomunikaty().empty());
}

} // namespace

namespace {

TEST_F(Obliczenie, GeometriaNieLiczbowaNieTrafiaDoRekordu)
{
    // An offset that is no number (a damaged file): the bands are left out
    // rather than drawn from points that are no numbers.
    const int i = UstawWzor(Wzor, 4.0, 5.0);
    R(i).GlobOdsuniecie = std::numeric_limits<float>::quiet_NaN();
    ObliczRuchoplan(i);
    SprawdzSkonczone(R(i));
    for (const DanaRelacja& rel : R(i).Relacje)
        EXPECT_EQ(rel.Rysuj, 0) << rel.Nazwa.str();
    EXPECT_EQ(PobierzKomunikaty().size(), 1u);

    // An angle that is no number spoils only its own arm's bands.
    const int j = UstawWzor(Wzor);
    R(j).Kat[1] = std::numeric_limits<float>::infinity();
    ObliczRuchoplan(j);
    SprawdzSkonczone(R(j));
    EXPECT_EQ(Relacja(R(j), "12")->Rysuj, 0);
    EXPECT_EQ(Relacja(R(j), "24")->Rysuj, 0);
    EXPECT_EQ(Relacja(R(j), "13")->Rysuj, 1);
    EXPECT_EQ(Relacja(R(j), "34")->Rysuj, 1);
}

} // namespace
