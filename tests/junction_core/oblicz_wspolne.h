#pragma once
// What the computation tests share: a new project with junction diagrams at
// the default geometry, raw access to the computed strips, and checks that
// a fillet arc really is the arc its fields describe.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "junction/Komunikaty.h"
#include "model/Projekt.h"
#include "wspolne/projekt_obliczen.h"

namespace oblicz_test {

constexpr double Pi = 3.14159265358979323846;
constexpr double Tol = 1e-4;

// Volumes qij in matrix order: q11, q12, q13, q14, q21 ... q44.
using Macierz = std::array<int32_t, 16>;

class ProjektObliczen : public ProjektNaSkali100 {
protected:
    // 1 cm per 100 vehicles: 0.01 cm per vehicle.
    void SetUp() override { NowyProjektNaSkali100(1.0f); }

    // A junction node at (x, y) with its diagram in variant 0; returns the
    // diagram's index.
    int DodajRuchoplan(double x = 0.0, double y = 0.0)
    {
        DaneWezel w;
        w.X = x;
        w.Y = y;
        Wezly.push_back(w);
        const int i = static_cast<int>(Ruchoplany.size());
        Ruchoplany.emplace_back();
        UstawDomyslnyRuchoplan(i, 0, LiczbaWezlow() - 1);
        R(i).NrWezla = LiczbaWezlow() - 1;
        R(i).GeometriaWprowadzona = 1;
        return i;
    }

    static DaneRuchoplan& R(int i) { return Ruchoplany[static_cast<std::size_t>(i)]; }
};

// Point k (1..5) of row (1 inner, 2 outer) of strip `pas` (0..3 inlets 1..4,
// 4..7 outlets 1..4), read straight from the 160 singles.
inline PunktXY Punkt(const DaneRuchoplan& r, int pas, int rzad, int k)
{
    const std::size_t i = static_cast<std::size_t>(pas * 20 + (rzad - 1) * 10 + (k - 1) * 2);
    return {r.GeometriaRamion[i], r.GeometriaRamion[i + 1]};
}

inline const DanaRelacja* Relacja(const DaneRuchoplan& r, const std::string& nazwa)
{
    for (const DanaRelacja& rel : r.Relacje)
        if (rel.Nazwa.str() == nazwa)
            return &rel;
    return nullptr;
}

// The point of an arc at angle t in its own convention.
inline PunktXY NaLuku(const DaneLuk& l, double t)
{
    const double sx = l.Kierunek == 1 ? std::sin(t) : -std::sin(t);
    return {l.C.X + l.R * sx, l.C.Y + l.R * std::cos(t)};
}

// Both coordinates of a point within tol.
template <typename P>
::testing::AssertionResult Blisko(const P& p, double x, double y, double tol = Tol)
{
    if (std::abs(p.X - x) <= tol && std::abs(p.Y - y) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << p.X << ", " << p.Y << ") zamiast (" << x << ", " << y << ")";
}

// The arc touches the line through p1, p2 at A and the line through p3, p4
// at B, both at distance R from its centre; its angles lead from A to B
// through a sweep below pi.
inline void SprawdzStyczny(const DaneLuk& l, PunktXY p1, PunktXY p2, PunktXY p3, PunktXY p4)
{
    auto odlProstej = [](PunktXY a, PunktXY b, PunktXYS p) {
        const double dx = b.X - a.X, dy = b.Y - a.Y;
        return std::fabs(dx * (p.Y - a.Y) - dy * (p.X - a.X)) / std::hypot(dx, dy);
    };
    EXPECT_NEAR(odlProstej(p1, p2, l.A), 0.0, Tol);
    EXPECT_NEAR(odlProstej(p3, p4, l.B), 0.0, Tol);
    EXPECT_NEAR(odlProstej(p1, p2, l.C), l.R, Tol);
    EXPECT_NEAR(odlProstej(p3, p4, l.C), l.R, Tol);
    EXPECT_TRUE(Blisko(NaLuku(l, l.KatPoczatku), l.A.X, l.A.Y));
    EXPECT_TRUE(Blisko(NaLuku(l, l.KatKonca), l.B.X, l.B.Y));
    EXPECT_GT(l.KatKonca - l.KatPoczatku, 0.0);
    EXPECT_LT(l.KatKonca - l.KatPoczatku, Pi);
}

inline void SprawdzSkonczone(const DaneRuchoplan& r)
{
    for (float v : r.GeometriaRamion)
        ASSERT_TRUE(std::isfinite(v));
    for (const DanaRelacja& rel : r.Relacje) {
        for (const auto* k : {&rel.Krawedz1, &rel.Krawedz2, &rel.Krawedz3, &rel.Krawedz4})
            for (double v : *k)
                ASSERT_TRUE(std::isfinite(v));
        for (const DaneLuk* l : {&rel.Luk1, &rel.Luk2})
            for (float v : {l->A.X, l->A.Y, l->B.X, l->B.Y, l->M.X, l->M.Y, l->C.X, l->C.Y, l->R, l->KatPoczatku,
                            l->KatKonca})
                ASSERT_TRUE(std::isfinite(v)) << rel.Nazwa.str();
    }
}

} // namespace oblicz_test
