// The junction computation worked by hand at the default geometry: offset
// 0.5, strips from 6.0 to 7.0 cm from the node, 0.01 cm per vehicle.

#include "oblicz_wspolne.h"

#include "junction/ObliczRuchoplan.h"

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

class Obliczenie : public ProjektObliczen {
protected:
    int Policz(const Macierz& q, double x = 0.0, double y = 0.0)
    {
        const int i = Ustaw(q, x, y);
        ObliczRuchoplan(i);
        return i;
    }
    int Ustaw(const Macierz& q, double x = 0.0, double y = 0.0)
    {
        const int i = DodajRuchoplan(x, y);
        R(i).Natezenia = q;
        return i;
    }
    static double X(int i, int pas, int k) { return Punkt(R(i), pas, 1, k).X; }
};

TEST_F(Obliczenie, WzorNaOsiach)
{
    const DaneRuchoplan& r = R(Policz(Wzor, 10.0, 20.0));
    EXPECT_EQ(r.Obliczony, 1);
    EXPECT_FLOAT_EQ(r.X, 10.0f);
    EXPECT_FLOAT_EQ(r.Y, 20.0f);
    EXPECT_EQ(r.NatezeniaObl, Wzor);
    for (int pas = 0; pas < 8; ++pas)
        for (int k = 1; k <= 5; ++k)
            for (int rzad = 1; rzad <= 2; ++rzad) {
                const PunktXY e = Oczekiwany(pas, Krawedzie[pas][k - 1], rzad == 1 ? 6.0 : 7.0);
                EXPECT_TRUE(Blisko(Punkt(r, pas, rzad, k), e.X + 10.0, e.Y + 20.0))
                    << "pas " << pas << " krawedz " << k << " rzad " << rzad;
            }
    const std::array<float, 16> zasiegi = {0.5f, 0.8f, 0.5f, 0.8f, 4.0f, 3.4f, 2.7f, 2.7f,
                                           0.8f, 0.5f, 0.8f, 0.5f, 3.0f, 3.0f, 3.8f, 3.0f};
    for (std::size_t k = 0; k < 16; ++k)
        EXPECT_NEAR(r.ZasiegiRamion[k], zasiegi[k], Tol) << k;
    EXPECT_TRUE(PobierzKomunikaty().empty());
}

TEST_F(Obliczenie, RownoscPrzyKotwiczeniuKotwiczyWylot)
{
    // q14 = q43: outlet 3 sits at O3 and inlet 1 is aligned to it; a large
    // U-turn q11 pushes inlet 1 over the axis.
    Macierz q{};
    q[0] = 100;
    q[3] = q[14] = 40;
    int i = Policz(q);
    // Outlet 3: 0.5, 0.5, 0.9 ...; inlet 1: 0.9 - 1.4 = -0.5, 0.5, 0.9.
    EXPECT_NEAR(X(i, 6, 1), 0.5, Tol);
    EXPECT_NEAR(X(i, 6, 3), 0.9, Tol);
    EXPECT_NEAR(X(i, 0, 1), -0.5, Tol);
    EXPECT_NEAR(X(i, 0, 2), 0.5, Tol);
    EXPECT_NEAR(X(i, 0, 3), 0.9, Tol);

    // One vehicle more on q14: inlet 1 is anchored at O1.
    q[3] = 41;
    i = Policz(q);
    EXPECT_NEAR(X(i, 0, 1), 0.5, Tol);
    EXPECT_NEAR(X(i, 0, 3), 0.5 + 1.41, Tol);
    EXPECT_NEAR(X(i, 6, 3), 1.91, Tol);
    EXPECT_NEAR(X(i, 6, 1), 1.91 - 0.4, Tol);
}

TEST_F(Obliczenie, ZeroweNatezeniaSkladajaPasyNaOdsunieciach)
{
    const int i = Policz(Macierz{});
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
    const int i = Ustaw(q);
    R(i).Ramie[2] = 0;  // north arm absent
    ObliczRuchoplan(i);
    for (int z = 1; z <= 4; ++z)
        for (int d = 1; d <= 4; ++d)
            EXPECT_EQ(NatezenieObl(R(i), z, d), (z == 3 || d == 3) ? 0 : 10) << z << d;
    for (const auto& [nazwa, rysuj] : {std::pair{"13", 0}, {"33", 0}, {"12", 1}, {"11", 1}})
        EXPECT_EQ(Relacja(R(i), nazwa)->Rysuj, rysuj) << nazwa;
}

TEST_F(Obliczenie, GlobalneWartosciZastepujaWlasneRamion)
{
    const int i = Ustaw(Wzor);
    R(i).Odsuniecie[1] = 3.0f;
    R(i).Dlugosc[1] = 20.0f;
    ObliczRuchoplan(i);
    EXPECT_TRUE(Blisko(Punkt(R(i), 1, 2, 3), 7.0, 1.1));

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
    const int i = Ustaw(Wzor, 10.0, 20.0);
    R(i).Kat[0] = static_cast<float>(Pi / 2.0);
    ObliczRuchoplan(i);
    // A quarter turn: inlet 1, edge 3, row 2 (1.0, -7.0) goes to (7.0, 1.0),
    // outlet 1, edge 5, row 1 (-3.0, -6.0) to (6.0, -3.0); arm 2 stays.
    EXPECT_TRUE(Blisko(Punkt(R(i), 0, 2, 3), 17.0, 21.0));
    EXPECT_TRUE(Blisko(Punkt(R(i), 4, 1, 5), 16.0, 17.0));
    EXPECT_TRUE(Blisko(Punkt(R(i), 1, 2, 4), 17.0, 22.6));
}

// A count numbers its inlets 1 east, 2 north, 3 west, 4 south; diagram arm 1
// (south) reads inlet 4, arms 2..4 read inlets 1..3.
TEST_F(Obliczenie, ZPomiaru)
{
    DanePomiar p;
    p.WlotJest = {1, 1, 0, 1};  // no west inlet
    auto& t = p.NatezeniaNaRelacjach;
    t[0][2] = 100;  // east -> west: q24, but the west arm is absent
    t[3][1] = 200;  // south -> north: q13
    t[0][1] = 50;   // east -> north: q23
    t[1][3] = 70;   // north -> south: q31
    t[2][0] = 999;  // west -> east: absent inlet
    t[3][3] = 5;    // U-turn at the south inlet: q11
    p.NatezeniaPrzejscObliczone[3] = {1, 2, 3, 4, 5, 6, 7, 8};
    Pomiary.push_back(p);
    // Arm 1 switched off by the user, on in the count.
    auto zPomiaru = [&](int32_t nr, std::array<uint8_t, 4> ramie = {0, 1, 1, 1}) {
        const int i = Ustaw(Wzor);
        R(i).ZPomiaru = 1;
        R(i).NrPomiaru = nr;
        R(i).Ramie = ramie;
        R(i).Przejscia[0].L[0] = 9;
        ObliczRuchoplan(i);
        return i;
    };
    int i = zPomiaru(0);
    EXPECT_EQ(R(i).Ramie, (std::array<uint8_t, 4>{1, 1, 1, 0}));
    Macierz q{};
    q[0] = 5;    // q11
    q[2] = 200;  // q13
    q[6] = 50;   // q23
    q[8] = 70;   // q31
    EXPECT_EQ(R(i).NatezeniaObl, q);
    // Crossings are read from the count by the drawing, not copied.
    for (const DanePrzejscia& pp : R(i).PrzejsciaObl)
        EXPECT_EQ(pp, DanePrzejscia{});

    // A count index outside the project: nothing read, the arms untouched.
    i = zPomiaru(3);
    EXPECT_EQ(R(i).NatezeniaObl, Macierz{});
    EXPECT_EQ(R(i).Ramie, (std::array<uint8_t, 4>{0, 1, 1, 1}));
    SprawdzSkonczone(R(i));

    // No counts in the project: the typed volumes and crossings.
    Pomiary.clear();
    i = zPomiaru(0, {1, 1, 1, 1});
    EXPECT_EQ(R(i).NatezeniaObl, Wzor);
    EXPECT_EQ(R(i).PrzejsciaObl[0].L[0], 9);
}

TEST_F(Obliczenie, StrukturaDajeElementZero)
{
    const int i = Ustaw(Macierz{});
    R(i).ZeStruktury = 1;
    R(i).NatezeniaStruktura[1][0] = 33;  // q12
    R(i).NatezeniaStruktura[1][1] = 999;
    R(i).Natezenia[1] = 77;
    ObliczRuchoplan(i);
    EXPECT_EQ(NatezenieObl(R(i), 1, 2), 33);
}

TEST_F(Obliczenie, PaskiBezDlugosci)
{
    // All strips of no length: every side has the same (undefined) direction,
    // so every band counts as straight and no fillet is tried.
    int i = Ustaw(Wzor);
    R(i).GlobDlugoscPom = R(i).GlobDlugosc;
    ObliczRuchoplan(i);
    SprawdzSkonczone(R(i));
    for (const char* n : {"14", "12", "43", "23"})
        EXPECT_FLOAT_EQ(Relacja(R(i), n)->Luk1.R, 0.0f) << n;
    EXPECT_TRUE(PobierzKomunikaty().empty());

    // Only the south arm's: the fillets into and out of it cannot be formed.
    // Each such arc is left out and the message waits for the end of the redraw, once.
    i = Ustaw(Wzor);
    R(i).Globalne = 0;
    R(i).DlugoscPom[0] = R(i).Dlugosc[0];
    ObliczRuchoplan(i);
    SprawdzSkonczone(R(i));
    for (const char* n : {"14", "12", "21", "41"}) {
        EXPECT_FLOAT_EQ(Relacja(R(i), n)->Luk1.R, 0.0f) << n;
        EXPECT_FLOAT_EQ(Relacja(R(i), n)->Luk2.R, 0.0f) << n;
    }
    EXPECT_GT(Relacja(R(i), "43")->Luk1.R, 0.0f);
    EXPECT_EQ(PobierzKomunikaty(), std::vector<std::string>{"Zmie\xF1 parametry wy\x9Cwietlania (ZMNIEJSZ SZEROKO"
                                                            "\x8C\xC6 LUB ZWI\xCAKSZ D\xA3UGO\x8C\xC6 PASK\xD3W!"});
    EXPECT_TRUE(PobierzKomunikaty().empty());
}

TEST_F(Obliczenie, GeometriaNieLiczbowaNieTrafiaDoRekordu)
{
    // An offset that is no number (a damaged file): the bands are left out
    // rather than drawn from points that are no numbers.
    const int i = Ustaw(Wzor, 4.0, 5.0);
    R(i).GlobOdsuniecie = std::numeric_limits<float>::quiet_NaN();
    ObliczRuchoplan(i);
    SprawdzSkonczone(R(i));
    for (const DanaRelacja& rel : R(i).Relacje)
        EXPECT_EQ(rel.Rysuj, 0) << rel.Nazwa.str();
    EXPECT_EQ(PobierzKomunikaty().size(), 1u);

    // An angle that is no number spoils only its own arm's bands.
    const int j = Ustaw(Wzor);
    R(j).Kat[1] = std::numeric_limits<float>::infinity();
    ObliczRuchoplan(j);
    SprawdzSkonczone(R(j));
    for (const auto& [nazwa, rysuj] : {std::pair{"12", 0}, {"24", 0}, {"13", 1}, {"34", 1}})
        EXPECT_EQ(Relacja(R(j), nazwa)->Rysuj, rysuj) << nazwa;
}

} // namespace
