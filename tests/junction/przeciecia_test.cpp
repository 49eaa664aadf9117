// Band outlines cut where later bands cover them (DXF cannot fill a band).

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "drawing/Nagrywanie.h"
#include "drawing/Wyjscie.h"
#include "junction/PrzecieciaKrawedzi.h"
#include "model/Projekt.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Tol = 1e-4;

// A straight band over the rectangle [x1, x2] x [y1, y2], entering at y1.
DanaRelacja Prostokat(double x1, double x2, double y1, double y2)
{
    const double ym = (y1 + y2) / 2;
    DanaRelacja p;
    p.Natezenie = 10;
    p.Krawedz1 = {x1, x1, y1, ym};
    p.Krawedz2 = {x1, x1, ym, y2};
    p.Krawedz3 = {x2, x2, y1, ym};
    p.Krawedz4 = {x2, x2, ym, y2};
    return p;
}

// A left turn: north-bound between x 0.5 and 1.0, west-bound between y 0.6
// and 1.1, joined by arcs about (-3.25, -3.15) of radii 3.75 and 4.25.
DanaRelacja Lewoskret()
{
    DanaRelacja p;
    p.Natezenie = 50;
    p.Krawedz1 = {0.5, 0.5, -7, -6};
    p.Krawedz2 = {-6, -7, 0.6, 0.6};
    p.Krawedz3 = {1.0, 1.0, -7, -6};
    p.Krawedz4 = {-6, -7, 1.1, 1.1};
    for (DaneLuk* l : {&p.Luk1, &p.Luk2}) {
        l->C = {-3.25f, -3.15f};
        l->KatPoczatku = static_cast<float>(3 * Pi / 2);
        l->KatKonca = static_cast<float>(2 * Pi);
        l->Kierunek = 0;
    }
    p.Luk1.R = 3.75f;
    p.Luk1.A = {0.5f, -3.15f};
    p.Luk1.B = {-3.25f, 0.6f};
    p.Luk2.R = 4.25f;
    p.Luk2.A = {1.0f, -3.15f};
    p.Luk2.B = {-3.25f, 1.1f};
    return p;
}

using Pasma = std::vector<DanaRelacja>;
using Kawalki = std::vector<std::array<double, 4>>;

Kawalki Tnij(double x1, double y1, double x2, double y2, const Pasma& pasma)
{
    ZacznijListePunktow(x1, y1, x2, y2);
    float d1 = OdlegloscOdOdniesienia(x1, y1), d2 = OdlegloscOdOdniesienia(x2, y2);
    float ax = static_cast<float>(x1), ay = static_cast<float>(y1), bx = static_cast<float>(x2),
          by = static_cast<float>(y2);
    if (d1 > d2) {
        std::swap(d1, d2);
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    DodajPunkt('s', ax, ay, d1);
    DodajPunkt('e', bx, by, d2);
    for (const DanaRelacja& p : pasma)
        PrzytnijOdcinekPasmem(p, static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                              static_cast<float>(y2));
    Kawalki w;
    for (const OdcinekWidoczny& o : OdcinkiNieprzykryte())
        w.push_back({o.A.X, o.A.Y, o.B.X, o.B.Y});
    return w;
}

// An arc about (0, 0) of radius 5, right azimuths from `od` to `do_`.
DaneLuk Luk(double od, double do_)
{
    DaneLuk l;
    l.R = 5;
    l.Kierunek = 1;
    l.KatPoczatku = static_cast<float>(od);
    l.KatKonca = static_cast<float>(do_);
    l.A = {static_cast<float>(5 * std::sin(od)), static_cast<float>(5 * std::cos(od))};
    l.B = {static_cast<float>(5 * std::sin(do_)), static_cast<float>(5 * std::cos(do_))};
    return l;
}

std::vector<std::array<double, 2>> TnijLuk(const DaneLuk& l, const Pasma& pasma)
{
    WyczyscListePunktow();
    DodajPunkt('s', l.A.X, l.A.Y, l.KatPoczatku);
    DodajPunkt('e', l.B.X, l.B.Y, l.KatKonca);
    for (const DanaRelacja& p : pasma)
        PrzytnijLukPasmem(l, p);
    return LukiNieprzykryte(l);
}

template <std::size_t N>
void Sprawdz(const std::vector<std::array<double, N>>& w, const std::vector<std::array<double, N>>& e)
{
    ASSERT_EQ(w.size(), e.size());
    for (std::size_t i = 0; i < e.size(); ++i)
        for (std::size_t k = 0; k < N; ++k)
            EXPECT_NEAR(w[i][k], e[i][k], Tol) << "kawalek " << i << " wspolrzedna " << k;
}

TEST(Przeciecia, Odcinka)
{
    const Pasma pasmo = {Prostokat(2, 4, -5, 5)};
    const double u = std::sqrt(0.5), cx = -3.25, cy = -3.15;
    const struct {
        const char* opis;
        std::array<double, 4> odcinek;
        Pasma pasma;
        Kawalki widoczne;
    } przypadki[] = {
        {"bez pasma", {0, 0, 10, 0}, {}, {{0, 0, 10, 0}}},
        {"przez pasmo", {0, 0, 10, 0}, pasmo, {{0, 0, 2, 0}, {4, 0, 10, 0}}},
        {"od drugiego konca", {10, 0, 0, 0}, pasmo, {{0, 0, 2, 0}, {4, 0, 10, 0}}},
        {"ukosny", {0, -1, 10, 4}, pasmo, {{0, -1, 2, 0}, {4, 1, 10, 4}}},
        {"pionowy przez oba wyloty", {3, -10, 3, 10}, pasmo, {{3, -10, 3, -5}, {3, 5, 3, 10}}},
        {"koniec w pasmie", {0, 0, 3.5, 0}, pasmo, {{0, 0, 2, 0}}},
        // On the diagonal from the inlet mouth's first corner to the outlet
        // mouth's far corner is inside too.
        {"koniec na przekatnej", {0, -2.5, 2.5, -2.5}, pasmo, {{0, -2.5, 2, -2.5}}},
        {"caly w pasmie", {2.5, 0, 3.5, 0}, pasmo, {}},
        {"pasma nakladajace sie", {0, 0, 10, 0}, {Prostokat(2, 4, -5, 5), Prostokat(3, 6, -5, 5)},
         {{0, 0, 2, 0}, {6, 0, 10, 0}}},
        {"krotki kawalek pominiety", {0, 0, 10, 0}, {Prostokat(0.005, 4, -5, 5)}, {{4, 0, 10, 0}}},
        // x + y = -5.5 crosses both straight legs of the turn: out and in again.
        {"oba ramiona skretu", {-8, 2.5, 2, -7.5}, {Lewoskret()},
         {{-8, 2.5, -6.6, 1.1}, {-6.1, 0.6, 0.5, -6}, {1, -6.5, 2, -7.5}}},
        {"ramie wlotowe skretu", {-1, -5, 3, -5}, {Lewoskret()}, {{-1, -5, 0.5, -5}, {1, -5, 3, -5}}},
        {"przez luki skretu", {cx + 3 * u, cy + 3 * u, cx + 5 * u, cy + 5 * u}, {Lewoskret()},
         {{cx + 3 * u, cy + 3 * u, cx + 3.75 * u, cy + 3.75 * u}, {cx + 4.25 * u, cy + 4.25 * u, cx + 5 * u, cy + 5 * u}}},
        // A point of the ring between the arcs is inside.
        {"koniec miedzy lukami", {cx + 3 * u, cy + 3 * u, cx + 4 * u, cy + 4 * u}, {Lewoskret()},
         {{cx + 3 * u, cy + 3 * u, cx + 3.75 * u, cy + 3.75 * u}}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        const auto& o = p.odcinek;
        Sprawdz(Tnij(o[0], o[1], o[2], o[3], p.pasma), p.widoczne);
    }
}

TEST(Przeciecia, Luku)
{
    const double a = std::asin(0.2);
    const struct {
        const char* opis;
        double od, do_;
        Pasma pasma;
        std::vector<std::array<double, 2>> widoczne;
    } przypadki[] = {
        {"bez pasma", 0, Pi / 2, {}, {{0, Pi / 2}}},
        {"srodek wyciety", 0, Pi / 2, {Prostokat(2, 3, -10, 10)}, {{0, std::asin(0.4)}, {std::asin(0.6), Pi / 2}}},
        // Hit directions near 2 pi are shifted into the arc's range, below and above 2 pi.
        {"przez zero", -0.5, 0.5, {Prostokat(-1, 1, 0, 10)}, {{-0.5, -a}, {a, 0.5}}},
        {"przez 2 pi", 2 * Pi - 0.5, 2 * Pi + 0.5, {Prostokat(-1, 1, 0, 10)},
         {{2 * Pi - 0.5, 2 * Pi - a}, {2 * Pi + a, 2 * Pi + 0.5}}},
        {"koniec w pasmie", 0, Pi / 2, {Prostokat(4, 7, -10, 10)}, {{0, std::asin(0.8)}}},
        {"caly w pasmie", 0, Pi / 2, {Prostokat(-1, 10, -10, 10)}, {}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        Sprawdz(TnijLuk(Luk(p.od, p.do_), p.pasma), p.widoczne);
    }
}

TEST(Przeciecia, DoDxfTylkoWidoczneKawalki)
{
    const int32_t wariant = BiezacyWariant;
    BiezacyWariant = 0;
    {
        Nagrywanie n;
        WyjscieEkran = false;
        WyjscieDrukarka = false;
        WyjscieDxf = true;
        Tnij(0, 0, 10, 0, {Prostokat(2, 4, -5, 5)});
        RysujOdcinekPrzyciety(KolorRGB(0, 0, 0), "Rupl_linie", 0.1);
        TnijLuk(Luk(0, Pi / 2), {Prostokat(2, 3, -10, 10)});
        RysujLukPrzyciety(Luk(0, Pi / 2), KolorRGB(0, 0, 0), "Rupl_linie", 0.1);
        std::vector<EncjaDxf> linie;
        for (const EncjaDxf& e : n.dxf.encje) {
            EXPECT_EQ(e.warstwa, "Rupl_linie");
            if (e.typ == EncjaDxf::Typ::Linia)
                linie.push_back(e);
        }
        ASSERT_GE(linie.size(), 2u);
        EXPECT_NEAR(linie[0].x1, 0, Tol);
        EXPECT_NEAR(linie[0].x2, 2, Tol);
        EXPECT_NEAR(linie[1].x1, 4, Tol);
        EXPECT_NEAR(linie[1].x2, 10, Tol);
        // The arc pieces never reach into the band between x 2 and 3.
        for (std::size_t i = 2; i < linie.size(); ++i)
            for (double x : {linie[i].x1, linie[i].x2})
                EXPECT_TRUE(x <= 2 + Tol || x >= 3 - Tol) << x;
    }
    BiezacyWariant = wariant;
}

} // namespace
