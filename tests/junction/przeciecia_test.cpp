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

std::vector<OdcinekWidoczny> Tnij(double x1, double y1, double x2, double y2, const std::vector<DanaRelacja>& pasma)
{
    ZacznijListePunktow(x1, y1, x2, y2);
    const float d1 = OdlegloscOdOdniesienia(x1, y1), d2 = OdlegloscOdOdniesienia(x2, y2);
    if (d1 < d2) {
        DodajPunkt('s', static_cast<float>(x1), static_cast<float>(y1), d1);
        DodajPunkt('e', static_cast<float>(x2), static_cast<float>(y2), d2);
    } else {
        DodajPunkt('s', static_cast<float>(x2), static_cast<float>(y2), d2);
        DodajPunkt('e', static_cast<float>(x1), static_cast<float>(y1), d1);
    }
    for (const DanaRelacja& p : pasma)
        PrzytnijOdcinekPasmem(p, static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                              static_cast<float>(y2));
    return OdcinkiNieprzykryte();
}

void Sprawdz(const std::vector<OdcinekWidoczny>& w, const std::vector<std::array<double, 4>>& e)
{
    ASSERT_EQ(w.size(), e.size());
    for (std::size_t i = 0; i < e.size(); ++i) {
        EXPECT_NEAR(w[i].A.X, e[i][0], Tol) << i;
        EXPECT_NEAR(w[i].A.Y, e[i][1], Tol) << i;
        EXPECT_NEAR(w[i].B.X, e[i][2], Tol) << i;
        EXPECT_NEAR(w[i].B.Y, e[i][3], Tol) << i;
    }
}

TEST(PrzecieciaOdcinka, BezPasmaCaly)
{
    Sprawdz(Tnij(0, 0, 10, 0, {}), {{0, 0, 10, 0}});
}

TEST(PrzecieciaOdcinka, PrzechodzacyPrzezPasmoDwaKawalki)
{
    Sprawdz(Tnij(0, 0, 10, 0, {Prostokat(2, 4, -5, 5)}), {{0, 0, 2, 0}, {4, 0, 10, 0}});
    // The same from the other end.
    Sprawdz(Tnij(10, 0, 0, 0, {Prostokat(2, 4, -5, 5)}), {{0, 0, 2, 0}, {4, 0, 10, 0}});
    // Slanted.
    Sprawdz(Tnij(0, -1, 10, 4, {Prostokat(2, 4, -5, 5)}), {{0, -1, 2, 0}, {4, 1, 10, 4}});
    // Vertical, through both mouths.
    Sprawdz(Tnij(3, -10, 3, 10, {Prostokat(2, 4, -5, 5)}), {{3, -10, 3, -5}, {3, 5, 3, 10}});
}

TEST(PrzecieciaOdcinka, KoniecWPasmieDoWejscia)
{
    Sprawdz(Tnij(0, 0, 3.5, 0, {Prostokat(2, 4, -5, 5)}), {{0, 0, 2, 0}});
    // An end on the diagonal from the inlet mouth's first corner to the
    // outlet mouth's far corner is inside too.
    Sprawdz(Tnij(0, -2.5, 2.5, -2.5, {Prostokat(2, 4, -5, 5)}), {{0, -2.5, 2, -2.5}});
}

TEST(PrzecieciaOdcinka, CalyWPasmieNiewidoczny)
{
    Sprawdz(Tnij(2.5, 0, 3.5, 0, {Prostokat(2, 4, -5, 5)}), {});
}

TEST(PrzecieciaOdcinka, NakladajacePasmaZakrywajaSume)
{
    Sprawdz(Tnij(0, 0, 10, 0, {Prostokat(2, 4, -5, 5), Prostokat(3, 6, -5, 5)}), {{0, 0, 2, 0}, {6, 0, 10, 0}});
}

TEST(PrzecieciaOdcinka, KrotkiKawalekPominiety)
{
    Sprawdz(Tnij(0, 0, 10, 0, {Prostokat(0.005, 4, -5, 5)}), {{4, 0, 10, 0}});
}

TEST(PrzecieciaOdcinka, PasmoZLukamiCzteryTrafienia)
{
    // x + y = -5.5 crosses both straight legs of the turn: it leaves the band
    // and enters it again.
    Sprawdz(Tnij(-8, 2.5, 2, -7.5, {Lewoskret()}), {{-8, 2.5, -6.6, 1.1}, {-6.1, 0.6, 0.5, -6}, {1, -6.5, 2, -7.5}});
    // Straight through the inlet leg.
    Sprawdz(Tnij(-1, -5, 3, -5, {Lewoskret()}), {{-1, -5, 0.5, -5}, {1, -5, 3, -5}});
}

TEST(PrzecieciaOdcinka, PrzezLukiPasma)
{
    const double u = std::sqrt(0.5), cx = -3.25, cy = -3.15;
    Sprawdz(Tnij(cx + 3 * u, cy + 3 * u, cx + 5 * u, cy + 5 * u, {Lewoskret()}),
            {{cx + 3 * u, cy + 3 * u, cx + 3.75 * u, cy + 3.75 * u}, {cx + 4.25 * u, cy + 4.25 * u, cx + 5 * u, cy + 5 * u}});
    // A point of the ring between the arcs is inside: the segment ends there.
    Sprawdz(Tnij(cx + 3 * u, cy + 3 * u, cx + 4 * u, cy + 4 * u, {Lewoskret()}),
            {{cx + 3 * u, cy + 3 * u, cx + 3.75 * u, cy + 3.75 * u}});
}

// An arc about (0, 0) of radius 5, right azimuths from `od` to `do_`.
DaneLuk Luk(double od, double do_)
{
    DaneLuk l;
    l.C = {0, 0};
    l.R = 5;
    l.Kierunek = 1;
    l.KatPoczatku = static_cast<float>(od);
    l.KatKonca = static_cast<float>(do_);
    l.A = {static_cast<float>(5 * std::sin(od)), static_cast<float>(5 * std::cos(od))};
    l.B = {static_cast<float>(5 * std::sin(do_)), static_cast<float>(5 * std::cos(do_))};
    return l;
}

std::vector<std::array<double, 2>> TnijLuk(const DaneLuk& l, const std::vector<DanaRelacja>& pasma)
{
    WyczyscListePunktow();
    DodajPunkt('s', l.A.X, l.A.Y, l.KatPoczatku);
    DodajPunkt('e', l.B.X, l.B.Y, l.KatKonca);
    for (const DanaRelacja& p : pasma)
        PrzytnijLukPasmem(l, p);
    return LukiNieprzykryte(l);
}

void SprawdzKaty(const std::vector<std::array<double, 2>>& w, const std::vector<std::array<double, 2>>& e)
{
    ASSERT_EQ(w.size(), e.size());
    for (std::size_t i = 0; i < e.size(); ++i) {
        EXPECT_NEAR(w[i][0], e[i][0], Tol) << i;
        EXPECT_NEAR(w[i][1], e[i][1], Tol) << i;
    }
}

TEST(PrzecieciaLuku, BezPasmaCaly)
{
    SprawdzKaty(TnijLuk(Luk(0, Pi / 2), {}), {{0, Pi / 2}});
}

TEST(PrzecieciaLuku, PasmoWycinaSrodek)
{
    SprawdzKaty(TnijLuk(Luk(0, Pi / 2), {Prostokat(2, 3, -10, 10)}),
                {{0, std::asin(0.4)}, {std::asin(0.6), Pi / 2}});
}

TEST(PrzecieciaLuku, ZakresPrzezZero)
{
    // Hit directions near 2 pi are shifted into the range -0.5 .. 0.5.
    SprawdzKaty(TnijLuk(Luk(-0.5, 0.5), {Prostokat(-1, 1, 0, 10)}),
                {{-0.5, -std::asin(0.2)}, {std::asin(0.2), 0.5}});
    // And above 2 pi.
    SprawdzKaty(TnijLuk(Luk(2 * Pi - 0.5, 2 * Pi + 0.5), {Prostokat(-1, 1, 0, 10)}),
                {{2 * Pi - 0.5, 2 * Pi - std::asin(0.2)}, {2 * Pi + std::asin(0.2), 2 * Pi + 0.5}});
}

TEST(PrzecieciaLuku, KoniecWPasmie)
{
    SprawdzKaty(TnijLuk(Luk(0, Pi / 2), {Prostokat(4, 7, -10, 10)}), {{0, std::asin(0.8)}});
}

TEST(PrzecieciaLuku, CalyWPasmie)
{
    SprawdzKaty(TnijLuk(Luk(0, Pi / 2), {Prostokat(-1, 10, -10, 10)}), {});
}

TEST(PrzecieciaRysowanie, DoDxfTylkoWidoczneKawalki)
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
