#include "base/Geometria.h"

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------------------
// Points and directions

double Odleglosc(double X1, double Y1, double X2, double Y2)
{
    return std::sqrt((X1 - X2) * (X1 - X2) + (Y1 - Y2) * (Y1 - Y2));
}

double MaxZ2(double a, double b) { return a > b ? a : b; }
double MaxZ3(double a, double b, double c) { return MaxZ2(MaxZ2(a, b), c); }
double MaxZ4(double a, double b, double c, double d) { return MaxZ2(MaxZ3(a, b, c), d); }
double MinZ2(double a, double b) { return a < b ? a : b; }

PunktXY PunktWOdleglosci(const PunktXY& A, const PunktXY& B, double Odl)
{
    const double d = Odleglosc(A.X, A.Y, B.X, B.Y);
    if (d <= 0.001)
        return A;
    return {A.X + Odl / d * (B.X - A.X), A.Y + Odl / d * (B.Y - A.Y)};
}

PunktXY PunktPodzialu(int32_t I, int32_t N, const PunktXY& A, const PunktXY& B)
{
    // N = 0 has no division points; A rather than a division by zero.
    if (N == 0 || Odleglosc(A.X, A.Y, B.X, B.Y) <= 0.001)
        return A;
    const double t = static_cast<double>(I) / static_cast<double>(N);
    return {A.X + t * (B.X - A.X), A.Y + t * (B.Y - A.Y)};
}

namespace {

// Direction of P from C, counter-clockwise from +x, for a point not at C.
double KierunekOdSrodka(double Cx, double Cy, double Px, double Py)
{
    const double dx = Px - Cx;
    const double dy = Py - Cy;
    if (Px > Cx)
        return std::atan(dy / dx);
    if (Px < Cx)
        return std::atan(dy / dx) + KatPi;
    return Py < Cy ? -KatPiPol : KatPiPol;
}

} // namespace

PunktXY ObrocPunkt(double Cx, double Cy, double Px, double Py, float Kat)
{
    const double d = Odleglosc(Cx, Cy, Px, Py);
    if (d <= 0.01)
        return {Cx, Cy};
    const double a = KierunekOdSrodka(Cx, Cy, Px, Py) + static_cast<double>(Kat);
    return {Cx + d * std::cos(a), Cy + d * std::sin(a)};
}

PunktInt ObrocPunktInt(int32_t Cx, int32_t Cy, int32_t Px, int32_t Py, float Kat)
{
    const double cx = Cx, cy = Cy, px = Px, py = Py;
    const double d = Odleglosc(cx, cy, px, py);
    if (d <= 0.01)
        return {Cx, Cy};
    const double a = KierunekOdSrodka(cx, cy, px, py) + static_cast<double>(Kat);
    // Offsets round half to even, as the runtime's Round does.
    return {Cx + static_cast<int32_t>(std::nearbyint(d * std::cos(a))),
            Cy + static_cast<int32_t>(std::nearbyint(d * std::sin(a)))};
}

double KatKierunku(double X1, double Y1, double X2, double Y2)
{
    const double dx = X2 - X1;
    const double dy = (Y2 - Y1) + 1e-8; // coinciding points point up
    if (std::fabs(dx) < 0.0001) {
        if (dy > 0)
            return KatPiPol;
        if (dy < 0)
            return KatTrzyPiPol;
        return 0.0;
    }
    double a = std::atan(dy / dx);
    if (dx < 0)
        a += KatPi;
    else if (dy < 0)
        a += KatDwaPi;
    return a;
}

namespace {

// Azimuth from +y for the offsets dx, dy; with dx = 0 and |dy| < 0.01 there
// is no direction and 0 is returned.
double AzymutZPrzesuniecia(double dx, double dy)
{
    if (std::fabs(dy) < 0.01) {
        if (dx > 0)
            return KatPiPol;
        if (dx < 0)
            return KatTrzyPiPol;
        return 0.0;
    }
    double a = std::atan(dx / dy);
    if (dy < 0)
        a += KatPi;
    else if (dx < 0)
        a += KatDwaPi;
    return a;
}

} // namespace

double AzymutP(double X1, double Y1, double X2, double Y2)
{
    return AzymutZPrzesuniecia(X2 - X1, Y2 - Y1);
}

double AzymutL(double X1, double Y1, double X2, double Y2)
{
    return AzymutZPrzesuniecia(X1 - X2, Y2 - Y1);
}

bool KatWZakresie(double Kat, double Od, double Do)
{
    constexpr double e = 1e-6;
    if (Od + e < 0 && Do - e > 0)
        return Kat >= KatDwaPi + Od || Kat <= Do;
    if (Od + e < 0 && Do + e < 0)
        return Kat >= KatDwaPi + Od && Kat <= KatDwaPi + Do;
    if (Od + e < KatDwaPi && Do - e > KatDwaPi)
        return Kat >= Od || Kat <= Do - KatDwaPi;
    if (Od - e > KatDwaPi && Do - e > KatDwaPi)
        return Kat >= Od - KatDwaPi && Kat <= Do - KatDwaPi;
    return Kat >= Od && Kat <= Do;
}

// ---------------------------------------------------------------------------
// Lines and shapes

ProstaAB ProstaPrzezPunkty(float X1, float Y1, float X2, float Y2)
{
    if (X1 == X2)
        return {1000000.0, 0.0};
    const double A = (static_cast<double>(Y1) - Y2) / (static_cast<double>(X1) - X2);
    return {A, Y1 - A * X1};
}

double PoleTrojkata(double X1, double Y1, double X2, double Y2, double X3, double Y3)
{
    return std::fabs((Y3 - Y1) * (X2 - X1) - (Y2 - Y1) * (X3 - X1)) / 2.0;
}

namespace {

// Whether P and the opposite vertex Q lie strictly on the same side of the
// edge from S to E.
bool PoTejSamejStronie(double Sx, double Sy, double Ex, double Ey, double Qx, double Qy, double Px, double Py)
{
    const double dx = Ex - Sx;
    double nx = 1.0, ny = 0.0;
    if (dx != 0.0) {
        nx = -(Ey - Sy) / dx;
        ny = 1.0;
    }
    const double p = (Px - Sx) * nx + (Py - Sy) * ny;
    const double q = (Qx - Sx) * nx + (Qy - Sy) * ny;
    return p * q > 1e-6;
}

} // namespace

bool PunktWTrojkacie(double X1, double Y1, double X2, double Y2, double X3, double Y3, double Px, double Py)
{
    if (PoleTrojkata(X1, Y1, X2, Y2, X3, Y3) <= 0.01)
        return false;
    return PoTejSamejStronie(X1, Y1, X2, Y2, X3, Y3, Px, Py) && PoTejSamejStronie(X2, Y2, X3, Y3, X1, Y1, Px, Py) &&
           PoTejSamejStronie(X3, Y3, X1, Y1, X2, Y2, Px, Py);
}

bool PunktWCzworokacie(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4,
                       double Px, double Py)
{
    return PunktWTrojkacie(X1, Y1, X2, Y2, X3, Y3, Px, Py) || PunktWTrojkacie(X3, Y3, X4, Y4, X1, Y1, Px, Py);
}

bool PunktWWycinku(bool Prawo, double Cx, double Cy, double Od, double Do, double R1, double R2, double Px,
                   double Py)
{
    const double d = Odleglosc(Px, Py, Cx, Cy);
    if (!(MinZ2(R1, R2) < d && d < MaxZ2(R1, R2)))
        return false;
    const float kat = static_cast<float>(Prawo ? AzymutP(Cx, Cy, Px, Py) : AzymutL(Cx, Cy, Px, Py));
    return KatWZakresie(kat, Od, Do);
}

// ---------------------------------------------------------------------------
// Intersections

PierwiastkiRownania RownanieKwadratowe(double A, double B, double C, PierwiastkiRownania W)
{
    const double D = B * B - 4.0 * A * C;
    if (D > 0) {
        W.Jest1 = true;
        W.Jest2 = true;
        W.X1 = (-B - std::sqrt(D)) / (2.0 * A);
        W.X2 = (-B + std::sqrt(D)) / (2.0 * A);
    } else if (D == 0) {
        W.Jest1 = true;
        W.Jest2 = false;
        W.X1 = static_cast<float>(-B) / static_cast<float>(2.0 * A);
    } else {
        W.Jest1 = false;
        W.Jest2 = false;
    }
    return W;
}

namespace {

float AzymutLuku(bool Prawo, double Cx, double Cy, double X, double Y)
{
    return static_cast<float>(Prawo ? AzymutP(Cx, Cy, X, Y) : AzymutL(Cx, Cy, X, Y));
}

} // namespace

WynikPrzeciecia PrzeciecieOdcinekLuk(bool Prawo, double X1, double Y1, double X2, double Y2, double Cx, double Cy,
                                     double R, double Od, double Do, WynikPrzeciecia W)
{
    W.Jest1 = false;
    W.Jest2 = false;
    W.NaLuku1 = false;
    W.NaLuku2 = false;

    if (std::fabs(X1 - X2) >= 0.001) {
        const double m = (Y1 - Y2) / (X1 - X2);
        const double b = Y1 - m * X1;
        const double a = m * m + 1.0;
        const double bp = static_cast<float>(2.0 * m * b - 2.0 * Cx - 2.0 * Cy * m);
        const double D = bp * bp - 4.0 * a * (Cx * Cx + b * b + Cy * Cy - 2.0 * Cy * b - R * R);
        const double xMin = MinZ2(X1, X2) + 1e-7;
        const double xMax = MaxZ2(X1, X2) - 1e-7;
        if (D > 0) {
            const double x1 = (-bp - std::sqrt(D)) / (2.0 * a);
            const double x2 = (-bp + std::sqrt(D)) / (2.0 * a);
            if (x1 > xMin && x1 < xMax) {
                W.Jest1 = true;
                W.X1 = x1;
                W.Y1 = m * x1 + b;
            }
            if (x2 > xMin && x2 < xMax) {
                W.Jest2 = true;
                W.X2 = x2;
                W.Y2 = m * x2 + b;
            }
        } else if (D == 0) {
            const double x1 = -bp / (2.0 * a);
            if (x1 > xMin && x1 < xMax) {
                W.Jest1 = true;
                W.X1 = x1;
                W.Y1 = m * x1 + b;
            }
        }
    } else if (Cx - R < X1 && X1 < Cx + R) {
        // A vertical segment.
        const double h = std::sqrt(std::max(0.0, R * R - (Cx - X1) * (Cx - X1)));
        const double yMin = MinZ2(Y1, Y2);
        const double yMax = MaxZ2(Y1, Y2);
        if (Cy + h >= yMin && Cy + h <= yMax) {
            W.Jest1 = true;
            W.X1 = X1;
            W.Y1 = Cy + h;
        }
        if (Cy - h >= yMin && Cy - h <= yMax) {
            W.Jest2 = true;
            W.X2 = X1;
            W.Y2 = Cy - h;
        }
    }

    if (W.Jest1) {
        W.Azymut1 = AzymutLuku(Prawo, Cx, Cy, W.X1, W.Y1);
        W.NaLuku1 = KatWZakresie(W.Azymut1, Od, Do);
    }
    if (W.Jest2) {
        W.Azymut2 = AzymutLuku(Prawo, Cx, Cy, W.X2, W.Y2);
        W.NaLuku2 = KatWZakresie(W.Azymut2, Od, Do);
    }
    return W;
}

WynikPrzeciecia PrzeciecieOdcinekLukL(double X1, double Y1, double X2, double Y2, double Cx, double Cy, double R,
                                      double Od, double Do, WynikPrzeciecia W)
{
    return PrzeciecieOdcinekLuk(false, X1, Y1, X2, Y2, Cx, Cy, R, Od, Do, W);
}

WynikPrzeciecia PrzeciecieOdcinekLukP(double X1, double Y1, double X2, double Y2, double Cx, double Cy, double R,
                                      double Od, double Do, WynikPrzeciecia W)
{
    return PrzeciecieOdcinekLuk(true, X1, Y1, X2, Y2, Cx, Cy, R, Od, Do, W);
}

WynikPrzeciecia PrzeciecieLukLuk(bool Prawo1, bool Prawo2, double C1x, double C1y, double R1, double Od1,
                                 double Do1, double C2x, double C2y, double R2, double Od2, double Do2,
                                 WynikPrzeciecia W)
{
    W.Jest1 = false;
    W.Jest2 = false;
    W.NaLuku1 = false;
    W.NaLuku2 = false;

    if (std::fabs(C1x - C2x) < 0.01 && std::fabs(C1y - C2y) < 0.01)
        return W;
    const double d = Odleglosc(C1x, C1y, C2x, C2y);
    if (d > R1 + R2 || d < std::fabs(R1 - R2))
        return W;

    if (std::fabs(C1y - C2y) < 0.01) {
        const double x = (C2x * C2x + R1 * R1 - R2 * R2 - C1x * C1x) / (2.0 * C2x - 2.0 * C1x);
        // Rounding may take a touching pair just below zero.
        const double h = std::sqrt(std::max(0.0, R1 * R1 - (x - C1x) * (x - C1x)));
        const double ySr = (C1y + C2y) / 2.0;
        W.Jest1 = true;
        W.X1 = x;
        W.Y1 = ySr + h;
        W.Jest2 = true;
        W.X2 = x;
        W.Y2 = ySr - h;
    } else {
        const double m = static_cast<float>((2.0 * C1x - 2.0 * C2x) / (2.0 * C2y - 2.0 * C1y));
        const double k = (R1 * R1 + C2y * C2y + C2x * C2x - C1x * C1x - C1y * C1y - R2 * R2) / (2.0 * C2y - 2.0 * C1y);
        const PierwiastkiRownania p =
            RownanieKwadratowe(m * m + 1.0, 2.0 * m * k - 2.0 * C1x - 2.0 * C1y * m,
                               C1x * C1x + k * k + C1y * C1y - 2.0 * C1y * k - R1 * R1);
        if (p.Jest1) {
            W.Jest1 = true;
            W.X1 = p.X1;
            W.Y1 = m * p.X1 + k;
        }
        if (p.Jest2) {
            W.Jest2 = true;
            W.X2 = p.X2;
            W.Y2 = m * p.X2 + k;
        }
    }

    auto zbadaj = [&](double x, double y, bool& naLuku) {
        W.Azymut1 = AzymutLuku(Prawo1, C1x, C1y, x, y);
        W.Azymut2 = AzymutLuku(Prawo2, C2x, C2y, x, y);
        naLuku = KatWZakresie(W.Azymut1, Od1, Do1) && KatWZakresie(W.Azymut2, Od2, Do2);
    };
    if (W.Jest1)
        zbadaj(W.X1, W.Y1, W.NaLuku1);
    if (W.Jest2)
        zbadaj(W.X2, W.Y2, W.NaLuku2);
    return W;
}

WynikPrzecieciaOdcinkow PrzeciecieOdcinkow(double X1, double Y1, double X2, double Y2, double X3, double Y3,
                                           double X4, double Y4, WynikPrzecieciaOdcinkow W)
{
    constexpr double t = 0.001;
    const double dx1 = std::fabs(X1 - X2);
    const double dx2 = std::fabs(X3 - X4);
    if (dx1 < t && dx2 < t) {
        W.X = 1.0E9;
        W.Y = 1.0E8;
        W.Jest = false;
        return W;
    }

    if (dx1 <= t) {
        const double m2 = (Y3 - Y4) / (X3 - X4);
        W.X = X1;
        W.Y = m2 * X1 + (Y3 - m2 * X3);
    } else if (dx2 <= t) {
        const double m1 = (Y1 - Y2) / (X1 - X2);
        W.X = X3;
        W.Y = m1 * X3 + (Y1 - m1 * X1);
    } else {
        const double m1 = (Y1 - Y2) / (X1 - X2);
        const double m2 = (Y3 - Y4) / (X3 - X4);
        if (std::fabs(m1 - m2) < 0.00001) {
            W.Jest = false; // parallel
            return W;
        }
        const double b1 = Y1 - m1 * X1;
        const double b2 = Y3 - m2 * X3;
        W.X = (b2 - b1) / (m1 - m2);
        W.Y = m2 * W.X + b2;
    }

    auto wZakresie = [](double v, double a, double b) { return v >= MinZ2(a, b) - t && v <= MaxZ2(a, b) + t; };
    W.Jest = wZakresie(W.X, X1, X2) && wZakresie(W.Y, Y1, Y2) && wZakresie(W.X, X3, X4) && wZakresie(W.Y, Y3, Y4);
    return W;
}
