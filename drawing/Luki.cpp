#include "drawing/Luki.h"

#include <cmath>
#include <numbers>

#include "drawing/Dxf.h"
#include "base/Geometria.h"
#include "drawing/Rysowanie.h"
#include "drawing/Wyjscie.h"

namespace {

constexpr double DwaPi = 2.0 * std::numbers::pi;

using Punkt = PunktXY (*)(float cx, float cy, float r, double t);

PunktXY PunktAzymutuP(float cx, float cy, float r, double t) { return {cx + r * std::sin(t), cy + r * std::cos(t)}; }
PunktXY PunktP(float cx, float cy, float r, double t) { return {cx + r * std::cos(t), cy - r * std::sin(t)}; }
PunktXY PunktL(float cx, float cy, float r, double t) { return {cx + r * std::cos(t), cy + r * std::sin(t)}; }

void Cieciwy(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float krok, Punkt punkt,
             double grubosc, const std::string& warstwa)
{
    // Each chord starts where the one before ended: the same angle, so the same point.
    PunktXY a = punkt(cx, cy, r, poczatek + 0 * krok);
    for (int32_t i = 0; i < odcinki; ++i) {
        const PunktXY b = punkt(cx, cy, r, poczatek + (i + 1) * krok);
        RysujLinie(kolor, warstwa, a.X, a.Y, b.X, b.Y, grubosc);
        a = b;
    }
}

float StopnieF(double radiany) { return static_cast<float>(Stopnie(radiany)); }

// The clockwise conventions: the DXF arc runs from the converted end to the
// converted start.
void LukDxfPrawy(TKolor kolor, float cx, float cy, float r, float aPoczatku, float aKonca, const std::string& warstwa)
{
    if (aPoczatku > aKonca) aKonca += 360.0f;
    DxfLuk(warstwa, KolorNaIndeksDxf(kolor), cx, DxfY(cy), r, aKonca, aPoczatku);
}

void LukDxfLewy(TKolor kolor, float cx, float cy, float r, float aPoczatku, float aKonca, const std::string& warstwa)
{
    DxfLuk(warstwa, KolorNaIndeksDxf(kolor), cx, DxfY(cy), r, aPoczatku, aKonca);
}

}  // namespace

void RysujLukAzymutP(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
                     double grubosc, const std::string& warstwa)
{
    if (WyjscieDxf) {
        auto a = [](float t) { return StopnieF(DwaPi - t) + 90.0f; };
        LukDxfPrawy(kolor, cx, cy, r, a(poczatek), a(koniec), warstwa);
        return;
    }
    if (odcinki <= 0) return;
    if (poczatek > koniec) koniec = static_cast<float>(koniec + DwaPi);
    const float krok = (koniec - poczatek) / odcinki;
    Cieciwy(kolor, odcinki, cx, cy, r, poczatek, krok, PunktAzymutuP, grubosc, warstwa);
}

void RysujLukP(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
               double grubosc, const std::string& warstwa)
{
    if (WyjscieDxf) {
        auto a = [](float t) { return StopnieF(DwaPi - t); };
        LukDxfPrawy(kolor, cx, cy, r, a(poczatek), a(koniec), warstwa);
        return;
    }
    if (odcinki <= 0) return;
    const float krok = (koniec - poczatek) / odcinki;
    Cieciwy(kolor, odcinki, cx, cy, r, poczatek, krok, PunktP, grubosc, warstwa);
}

void RysujLukL(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
               double grubosc, const std::string& warstwa)
{
    if (WyjscieDxf) {
        LukDxfLewy(kolor, cx, cy, r, StopnieF(poczatek), StopnieF(koniec), warstwa);
        return;
    }
    if (odcinki <= 0) return;
    float krok = (koniec - poczatek) / odcinki;
    if (krok < 0) krok = static_cast<float>((DwaPi - poczatek + koniec) / odcinki);
    Cieciwy(kolor, odcinki, cx, cy, r, poczatek, krok, PunktL, grubosc, warstwa);
}

void RysujLukAzymutL(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
                     double grubosc, const std::string& warstwa)
{
    if (WyjscieDxf) {
        LukDxfLewy(kolor, cx, cy, r, StopnieF(poczatek) + 90.0f, StopnieF(koniec) + 90.0f, warstwa);
        return;
    }
    if (odcinki <= 0) return;
    // The right-azimuth formula on the mirrored angles gives the left-azimuth points.
    const float u = static_cast<float>(DwaPi - poczatek);
    const float v = static_cast<float>(DwaPi - koniec);
    const float krok = (v - u) / odcinki;
    Cieciwy(kolor, odcinki, cx, cy, r, u, krok, PunktAzymutuP, grubosc, warstwa);
}

void RysujLukOdcinkami(TKolor kolor, const std::string& warstwa, float cx, float cy, float r, float poczatek,
                       float koniec, double grubosc)
{
    const float u = static_cast<float>(DwaPi - poczatek);
    const float v = static_cast<float>(DwaPi - koniec);
    const float krok = static_cast<float>(std::numbers::pi / 180.0);
    // Ten full turns are more than any drawing needs; the bound also keeps a
    // wild angle from looping for ever once the step no longer changes t.
    constexpr int maksOdcinkow = 3600;
    float t = u;
    for (int n = 0; v + krok < t && n < maksOdcinkow; ++n) {
        PunktXY a = PunktAzymutuP(cx, cy, r, t);
        PunktXY b = PunktAzymutuP(cx, cy, r, t - krok);
        RysujLinie(kolor, warstwa, a.X, a.Y, b.X, b.Y, grubosc);
        t -= krok;
    }
    PunktXY a = PunktAzymutuP(cx, cy, r, t);
    PunktXY b = PunktAzymutuP(cx, cy, r, v);
    RysujLinie(kolor, warstwa, a.X, a.Y, b.X, b.Y, grubosc);
}
