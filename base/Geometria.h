#pragma once
// Plane geometry in sheet centimetres: distances, directions and azimuths,
// rotation of points, division points, point-in-shape tests and the
// intersections of segments and circular arcs that band outlines need.
//
// Angles are radians in [0, 2*pi):
//   KatKierunku - counter-clockwise from +x;
//   AzymutP     - clockwise from +y (+x is pi/2);
//   AzymutL     - counter-clockwise from +y (-x is pi/2).
// An arc's angles are right azimuths when Prawo is set, left ones otherwise.

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>

#include "base/Typy.h"

// The angle constants, to nine decimals as the drawings were always made.
constexpr double KatPiPol = 1.570796327;
constexpr double KatPi = 3.141592654;
constexpr double KatTrzyPiPol = 4.712388980;
constexpr double KatDwaPi = 6.283185307;

// Results of the intersection routines. A routine fills the record it is
// given (the last argument, empty by default): fields a case does not touch
// keep what the caller had in them.
struct WynikPrzeciecia {
    bool Jest1 = false;
    bool Jest2 = false;
    double X1 = 0.0;
    double Y1 = 0.0;
    double X2 = 0.0;
    double Y2 = 0.0;
    float Azymut1 = 0.0f;
    float Azymut2 = 0.0f;
    bool NaLuku1 = false;
    bool NaLuku2 = false;
};

struct WynikPrzecieciaOdcinkow {
    double X = 0.0;
    double Y = 0.0;
    bool Jest = false;
};

struct PierwiastkiRownania {
    bool Jest1 = false;
    bool Jest2 = false;
    double X1 = 0.0;
    double X2 = 0.0;
};

// A line y = A x + B.
struct ProstaAB {
    double A = 0.0;
    double B = 0.0;
};

// Degrees of the text primitives, DXF and block files to radians and back.
inline double NaRadiany(double stopnie) { return stopnie * std::numbers::pi / 180.0; }
inline double Stopnie(double radiany) { return radiany * 180.0 / std::numbers::pi; }

// True when every value is a finite number: a shape computed from a broken
// figure (or read from a damaged file) is left out of the drawing.
inline bool Skonczone(std::initializer_list<double> wartosci)
{
    for (double w : wartosci)
        if (!std::isfinite(w))
            return false;
    return true;
}

double Odleglosc(double X1, double Y1, double X2, double Y2);
double MaxZ2(double a, double b);
double MaxZ3(double a, double b, double c);
double MaxZ4(double a, double b, double c, double d);
double MinZ2(double a, double b);

// The point at distance Odl from A towards B (A itself when A and B coincide).
PunktXY PunktWOdleglosci(const PunktXY& A, const PunktXY& B, double Odl);
// The I-th of N division points of AB.
PunktXY PunktPodzialu(int32_t I, int32_t N, const PunktXY& A, const PunktXY& B);

// P turned counter-clockwise about C by Kat.
PunktXY ObrocPunkt(double Cx, double Cy, double Px, double Py, float Kat);
PunktInt ObrocPunktInt(int32_t Cx, int32_t Cy, int32_t Px, int32_t Py, float Kat);

// Directions from point 1 to point 2.
double KatKierunku(double X1, double Y1, double X2, double Y2);
double AzymutP(double X1, double Y1, double X2, double Y2);
double AzymutL(double X1, double Y1, double X2, double Y2);

// Whether Kat (in [0, 2*pi)) lies between Od and Do; the range may reach
// below 0 or beyond 2*pi.
bool KatWZakresie(double Kat, double Od, double Do);

ProstaAB ProstaPrzezPunkty(float X1, float Y1, float X2, float Y2);
double PoleTrojkata(double X1, double Y1, double X2, double Y2, double X3, double Y3);
// Strictly inside: a point on an edge is outside.
bool PunktWTrojkacie(double X1, double Y1, double X2, double Y2, double X3, double Y3, double Px, double Py);
bool PunktWCzworokacie(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4,
                       double Px, double Py);
// Between the radii R1 and R2 (strictly) and within the angle range.
bool PunktWWycinku(bool Prawo, double Cx, double Cy, double Od, double Do, double R1, double R2, double Px,
                   double Py);

PierwiastkiRownania RownanieKwadratowe(double A, double B, double C, PierwiastkiRownania W = {});

WynikPrzeciecia PrzeciecieOdcinekLukL(double X1, double Y1, double X2, double Y2, double Cx, double Cy, double R,
                                      double Od, double Do, WynikPrzeciecia W = {});
WynikPrzeciecia PrzeciecieOdcinekLukP(double X1, double Y1, double X2, double Y2, double Cx, double Cy, double R,
                                      double Od, double Do, WynikPrzeciecia W = {});
WynikPrzeciecia PrzeciecieOdcinekLuk(bool Prawo, double X1, double Y1, double X2, double Y2, double Cx, double Cy,
                                     double R, double Od, double Do, WynikPrzeciecia W = {});
WynikPrzeciecia PrzeciecieLukLuk(bool Prawo1, bool Prawo2, double C1x, double C1y, double R1, double Od1,
                                 double Do1, double C2x, double C2y, double R2, double Od2, double Do2,
                                 WynikPrzeciecia W = {});
WynikPrzecieciaOdcinkow PrzeciecieOdcinkow(double X1, double Y1, double X2, double Y2, double X3, double Y3,
                                           double X4, double Y4, WynikPrzecieciaOdcinkow W = {});
