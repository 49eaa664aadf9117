#include "junction/Zaokraglenia.h"

#include <cmath>

#include "base/Geometria.h"
#include "junction/Komunikaty.h"
#include "base/Kodowanie.h"

namespace {

constexpr double NajmniejszyPromien = 0.1;
constexpr double DwaPi = 2.0 * 3.14159265358979323846;

bool Pionowa(const DanaProsta& p)
{
    return p.Nachylenie > 1e6;
}

double Iloczyn(double ax, double ay, double bx, double by)
{
    return ax * by - ay * bx;
}

int Znak(double v)
{
    return (v > 0.0) - (v < 0.0);
}

double Normuj(double kat)
{
    kat = std::fmod(kat, DwaPi);
    return kat < 0.0 ? kat + DwaPi : kat;
}

// Azimuth of (dx, dy) seen from the centre: clockwise from +y (right) or
// counter-clockwise (left). Exact, so that the arc's own point formula gives
// the tangent points back.
double Azymut(bool prawo, double dx, double dy)
{
    return Normuj(std::atan2(prawo ? dx : -dx, dy));
}

PunktXY Stopa(const DanaProsta& prosta, double px, double py)
{
    if (Pionowa(prosta))
        return {prosta.Wyraz, py};
    PunktXY p;
    RzutNaProsta(p, prosta.Nachylenie, prosta.Wyraz, px, py);
    return p;
}

// The fillet as the circle of radius r inside the corner P between the inlet
// line (through the inlet's outer end and P) and the outlet line (through P
// and the outlet's outer end).
bool ZbudujLuk(DaneLuk& luk, double x1, double y1, double px, double py, double x4, double y4, double r)
{
    if (r < NajmniejszyPromien)
        r = NajmniejszyPromien;
    DanaProsta wlot, wylot;
    ProstaPrzez(wlot, static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(px), static_cast<float>(py));
    ProstaPrzez(wylot, static_cast<float>(px), static_cast<float>(py), static_cast<float>(x4), static_cast<float>(y4));
    if (Pionowa(wlot) && Pionowa(wylot))
        return false;
    std::array<double, 8> s{};
    SrodkiZaokraglen(s, static_cast<float>(r), static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(px),
                     static_cast<float>(py), static_cast<float>(px), static_cast<float>(py), static_cast<float>(x4),
                     static_cast<float>(y4));

    // The centre lies on the outlet's side of the inlet line and on the
    // inlet's side of the outlet line.
    const double d1x = px - x1, d1y = py - y1;
    const double d2x = x4 - px, d2y = y4 - py;
    const int stronaWylotu = Znak(Iloczyn(d1x, d1y, x4 - px, y4 - py));
    const int stronaWlotu = Znak(Iloczyn(d2x, d2y, x1 - px, y1 - py));
    if (stronaWylotu == 0 || stronaWlotu == 0)
        return false;
    int wybrany = -1;
    for (int i = 0; i < 4 && wybrany < 0; ++i) {
        const double cx = s[static_cast<std::size_t>(i)], cy = s[static_cast<std::size_t>(4 + i)];
        if (Znak(Iloczyn(d1x, d1y, cx - px, cy - py)) == stronaWylotu &&
            Znak(Iloczyn(d2x, d2y, cx - px, cy - py)) == stronaWlotu)
            wybrany = i;
    }
    if (wybrany < 0)
        return false;
    const double cx = s[static_cast<std::size_t>(wybrany)], cy = s[static_cast<std::size_t>(4 + wybrany)];

    const PunktXY a = Stopa(wlot, cx, cy);
    const PunktXY b = Stopa(wylot, cx, cy);
    // The centre on the right of a driver on the inlet line: a right-hand turn.
    const bool prawo = stronaWylotu < 0;
    const double katA = Azymut(prawo, a.X - cx, a.Y - cy);
    double luk_ = Azymut(prawo, b.X - cx, b.Y - cy) - katA;
    if (luk_ <= 0.0)
        luk_ += DwaPi;
    const double katB = katA + luk_;
    PunktXY m;
    if (prawo)
        PunktLukuP(m, cx, cy, r, (katA + katB) / 2.0);
    else
        PunktLukuL(m, cx, cy, r, (katA + katB) / 2.0);

    if (!Skonczone({cx, cy, a.X, a.Y, b.X, b.Y, m.X, m.Y, katA, katB}))
        return false;
    luk.A = {static_cast<float>(a.X), static_cast<float>(a.Y)};
    luk.B = {static_cast<float>(b.X), static_cast<float>(b.Y)};
    luk.M = {static_cast<float>(m.X), static_cast<float>(m.Y)};
    luk.C = {static_cast<float>(cx), static_cast<float>(cy)};
    luk.KatPoczatku = static_cast<float>(katA);
    luk.KatKonca = static_cast<float>(katB);
    luk.Kierunek = prawo ? 1 : 0;
    return true;
}

} // namespace

void ProstaPrzez(DanaProsta& prosta, float x1, float y1, float x2, float y2)
{
    if (std::fabs(static_cast<double>(x1) - x2) <= 0.01) {
        prosta.Nachylenie = NachyleniePionowej;
        prosta.Wyraz = (static_cast<double>(x1) + x2) / 2.0;
        return;
    }
    prosta.Nachylenie = (static_cast<double>(y1) - y2) / (static_cast<double>(x1) - x2);
    prosta.Wyraz = y1 - prosta.Nachylenie * x1;
}

bool PrzeciecieProstych(PunktXY& punkt, double nachylenie1, double wyraz1, double nachylenie2, double wyraz2)
{
    if (nachylenie1 > 1e6) {
        punkt.X = wyraz1;
        punkt.Y = nachylenie2 * punkt.X + wyraz2;
        return true;
    }
    if (nachylenie2 > 1e6) {
        punkt.X = wyraz2;
        punkt.Y = nachylenie1 * punkt.X + wyraz1;
        return true;
    }
    if (nachylenie1 == nachylenie2) {
        ZbierzKomunikat(Utf8NaCp1250("Proste równoległe"));
        return false;
    }
    punkt.X = (wyraz2 - wyraz1) / (nachylenie1 - nachylenie2);
    punkt.Y = nachylenie1 * punkt.X + wyraz1;
    return true;
}

void RzutNaProsta(PunktXY& punkt, double nachylenie, double wyraz, double px, double py)
{
    if (nachylenie == 0.0) {
        punkt = {px, wyraz};
        return;
    }
    // m - k = m + 1/m is never 0 for a real, non-zero m.
    const double k = -1.0 / nachylenie;
    punkt.X = ((py - k * px) - wyraz) / (nachylenie - k);
    punkt.Y = nachylenie * punkt.X + wyraz;
}

float OdlegloscPunktow(float x1, float y1, float x2, float y2)
{
    return static_cast<float>(std::hypot(static_cast<double>(x1) - x2, static_cast<double>(y1) - y2));
}

void SrodkiZaokraglen(std::array<double, 8>& srodki, float r, float x1, float y1, float x2, float y2, float x3,
                      float y3, float x4, float y4)
{
    const double R = r < NajmniejszyPromien ? NajmniejszyPromien : r;
    auto nachylenie = [](double ax, double ay, double bx, double by) { return (ay - by) / (ax - bx); };
    // Intercepts of the line moved by R up (+) and down (-).
    auto przesun = [R](double m, double b, int znak) { return b + znak * R * std::sqrt(1.0 + m * m); };
    auto ustaw = [&srodki](int i, double x, double y) {
        srodki[static_cast<std::size_t>(i)] = x;
        srodki[static_cast<std::size_t>(4 + i)] = y;
    };
    static constexpr int ZnakA[4] = {+1, -1, -1, +1};
    static constexpr int ZnakB[4] = {+1, -1, +1, -1};
    static constexpr int ZnakX[4] = {-1, +1, -1, +1};

    const bool pionowaA = std::fabs(static_cast<double>(x1) - x2) < 0.01;
    const bool pionowaB = std::fabs(static_cast<double>(x3) - x4) < 0.01;
    if (pionowaA) {
        // Line A is x = xm: the centres lie R left or right of it, on line B moved.
        static constexpr int ZnakBPrzyPionowejA[4] = {+1, -1, -1, +1};
        const double xm = (static_cast<double>(x1) + x2) / 2.0;
        const double mB = nachylenie(x3, y3, x4, y4), bB = y3 - mB * x3;
        for (int i = 0; i < 4; ++i) {
            const double x = xm + ZnakX[i] * R;
            ustaw(i, x, mB * x + przesun(mB, bB, ZnakBPrzyPionowejA[i]));
        }
        return;
    }
    const double mA = nachylenie(x1, y1, x2, y2), bA = y1 - mA * x1;
    if (pionowaB) {
        const double xm = (static_cast<double>(x3) + x4) / 2.0;
        for (int i = 0; i < 4; ++i) {
            const double x = xm + ZnakX[i] * R;
            ustaw(i, x, mA * x + przesun(mA, bA, ZnakA[i]));
        }
        return;
    }
    const double mB = nachylenie(x3, y3, x4, y4), bB = y3 - mB * x3;
    for (int i = 0; i < 4; ++i) {
        const double bAp = przesun(mA, bA, ZnakA[i]), bBp = przesun(mB, bB, ZnakB[i]);
        const double x = (bAp - bBp) / (mB - mA);
        ustaw(i, x, mA * x + bAp);
    }
}

void PunktLukuP(PunktXY& punkt, double cx, double cy, double r, double kat)
{
    punkt = {cx + r * std::sin(kat), cy + r * std::cos(kat)};
}

void PunktLukuL(PunktXY& punkt, double cx, double cy, double r, double kat)
{
    punkt = {cx - r * std::sin(kat), cy + r * std::cos(kat)};
}

bool Zaokraglenie(DaneLuk& luk, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                  float r)
{
    // A side of no length gives no line to touch.
    if (OdlegloscPunktow(x1, y1, x2, y2) < 1e-4f || OdlegloscPunktow(x3, y3, x4, y4) < 1e-4f)
        return false;
    DanaProsta wlot, wylot;
    ProstaPrzez(wlot, x1, y1, x2, y2);
    ProstaPrzez(wylot, x3, y3, x4, y4);
    // Two vertical lines have no corner (the intersection would lie far off the sheet).
    if (Pionowa(wlot) && Pionowa(wylot))
        return false;
    PunktXY p;
    if (!PrzeciecieProstych(p, wlot.Nachylenie, wlot.Wyraz, wylot.Nachylenie, wylot.Wyraz))
        return false;
    if (!std::isfinite(p.X) || !std::isfinite(p.Y))
        return false;
    const auto px = static_cast<float>(p.X), py = static_cast<float>(p.Y);
    if (!std::isfinite(px) || !std::isfinite(py))
        return false;
    // One construction serves a vertical inlet line, a vertical outlet line
    // and the general case alike.
    return ZbudujLuk(luk, x1, y1, px, py, x4, y4, r);
}
