#include "drawing/Luki.h"

#include <cmath>
#include <numbers>

#include "drawing/Rysowanie.h"
#include "drawing/Wyjscie.h"

namespace {

constexpr double DwaPi = 2.0 * std::numbers::pi;

PunktXY PunktAzymutuP(float cx, float cy, float r, double t) { return {cx + r * std::sin(t), cy + r * std::cos(t)}; }

// While a device that takes an arc whole (the DXF file) is active, the arc
// goes to it alone; otherwise every canvas draws its chords.
void RysujLuk(const LukRysunku& luk, TKolor kolor, double grubosc, const std::string& warstwa)
{
    AktywneWyjscia aktywne = Aktywne();
    bool wCalosci = false;
    for (Wyjscie* w : aktywne)
        wCalosci = wCalosci || w->LukiWCalosci();
    for (Wyjscie* w : aktywne)
        if (w->LukiWCalosci() == wCalosci)
            w->Luk(luk, kolor, grubosc, warstwa);
}

}  // namespace

void RysujLukAzymutP(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
                     double grubosc, const std::string& warstwa)
{
    RysujLuk({KonwencjaLuku::AzymutPrawy, odcinki, cx, cy, r, poczatek, koniec}, kolor, grubosc, warstwa);
}

void RysujLukP(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
               double grubosc, const std::string& warstwa)
{
    RysujLuk({KonwencjaLuku::Prawy, odcinki, cx, cy, r, poczatek, koniec}, kolor, grubosc, warstwa);
}

void RysujLukL(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
               double grubosc, const std::string& warstwa)
{
    RysujLuk({KonwencjaLuku::Lewy, odcinki, cx, cy, r, poczatek, koniec}, kolor, grubosc, warstwa);
}

void RysujLukAzymutL(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
                     double grubosc, const std::string& warstwa)
{
    RysujLuk({KonwencjaLuku::AzymutLewy, odcinki, cx, cy, r, poczatek, koniec}, kolor, grubosc, warstwa);
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
