#include "drawing/WyjsciaPlotna.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

#include "drawing/Tekst.h"

namespace {

constexpr double DwaPi = 2.0 * std::numbers::pi;

void LiniaNaPlotnie(Plotno& p, TKolor kolor, int grubosc, PunktInt a, PunktInt b)
{
    p.UstawKolorPiora(kolor);
    p.UstawGruboscPiora(grubosc);
    p.PrzesunDo(a.X, a.Y);
    p.LiniaDo(b.X, b.Y);
}

using PunktLuku = PunktXY (*)(float cx, float cy, float r, double t);

PunktXY PunktAzymutuP(float cx, float cy, float r, double t) { return {cx + r * std::sin(t), cy + r * std::cos(t)}; }
PunktXY PunktP(float cx, float cy, float r, double t) { return {cx + r * std::cos(t), cy - r * std::sin(t)}; }
PunktXY PunktL(float cx, float cy, float r, double t) { return {cx + r * std::cos(t), cy + r * std::sin(t)}; }

// What lies wholly off the canvas is left out before the painter sees it: a
// zoomed-in sheet draws much of each diagram it touches outside the view.
bool PozaPlotnem(const Plotno& p, PunktInt a, PunktInt b, int32_t grubosc)
{
    const int m = grubosc / 2 + 2;
    return !p.ProstokatWidoczny(std::min(a.X, b.X) - m, std::min(a.Y, b.Y) - m, std::max(a.X, b.X) + m,
                                std::max(a.Y, b.Y) + m);
}

}  // namespace

void WyjsciePlotna::Linia(TKolor kolor, const std::string& /*warstwa*/, double x1, double y1, double x2, double y2,
                          double grubosc)
{
    Plotno& p = *PlotnoWyjscia();
    const PunktInt a = Piksel(x1, y1), b = Piksel(x2, y2);
    const int32_t g = Grubosc(grubosc);
    if (PozaPlotnem(p, a, b, g))
        return;
    LiniaNaPlotnie(p, kolor, g, a, b);
}

void WyjsciePlotna::Wielokat(std::span<const PunktXY> punkty, const int* stylPiora, TKolor kolorPiora,
                             TKolor kolorWypelnienia, bool wypelniony, double grubosc)
{
    if (punkty.empty())
        return;
    // The pixels of a polygon, in one buffer reused by every polygon.
    thread_local std::vector<PunktInt> piksele;
    piksele.clear();
    PunktInt min = Piksel(punkty[0].X, punkty[0].Y), max = min;
    for (const PunktXY& p : punkty) {
        const PunktInt q = Piksel(p.X, p.Y);
        min = {std::min(min.X, q.X), std::min(min.Y, q.Y)};
        max = {std::max(max.X, q.X), std::max(max.Y, q.Y)};
        piksele.push_back(q);
    }
    Plotno& p = *PlotnoWyjscia();
    const int32_t g = Grubosc(grubosc);
    if (PozaPlotnem(p, min, max, g))
        return;
    StylObrysu(p, stylPiora);
    p.UstawKolorPedzla(kolorWypelnienia);
    p.UstawStylPedzla(wypelniony ? StylPedzla::Pelny : StylPedzla::Pusty);
    p.UstawKolorPiora(kolorPiora);
    p.UstawGruboscPiora(g);
    p.Wielokat(piksele);
    PoObrysie(p, stylPiora);
}

void WyjsciePlotna::Luk(const LukRysunku& l, TKolor kolor, double grubosc, const std::string& warstwa)
{
    if (l.odcinki <= 0)
        return;
    // An arc whose whole circle lies off the canvas needs no chords worked out
    // (a back-end that only measures has no canvas to ask).
    const Plotno* p = PlotnoWyjscia();
    if (p && std::isfinite(l.r) &&
        PozaPlotnem(*p, Piksel(l.cx - std::fabs(l.r), l.cy - std::fabs(l.r)),
                    Piksel(l.cx + std::fabs(l.r), l.cy + std::fabs(l.r)), Grubosc(grubosc)))
        return;
    float poczatek = l.poczatek;
    float koniec = l.koniec;
    float krok = 0.0f;
    PunktLuku punkt = PunktAzymutuP;
    switch (l.konwencja) {
    case KonwencjaLuku::AzymutPrawy:
        if (poczatek > koniec)
            koniec = static_cast<float>(koniec + DwaPi);
        krok = (koniec - poczatek) / l.odcinki;
        break;
    case KonwencjaLuku::Prawy:
        krok = (koniec - poczatek) / l.odcinki;
        punkt = PunktP;
        break;
    case KonwencjaLuku::Lewy:
        krok = (koniec - poczatek) / l.odcinki;
        if (krok < 0)
            krok = static_cast<float>((DwaPi - poczatek + koniec) / l.odcinki);
        punkt = PunktL;
        break;
    case KonwencjaLuku::AzymutLewy: {
        // The right-azimuth formula on the mirrored angles gives the left-azimuth points.
        const float u = static_cast<float>(DwaPi - poczatek);
        const float v = static_cast<float>(DwaPi - koniec);
        poczatek = u;
        krok = (v - u) / l.odcinki;
        break;
    }
    }
    // Each chord starts where the one before ended: the same angle, so the
    // same point. The points go on in runs that share their ends.
    constexpr int32_t cieciwRazem = 256;
    thread_local std::vector<PunktXY> punkty;
    punkty.assign(1, punkt(l.cx, l.cy, l.r, poczatek + 0 * krok));
    for (int32_t i = 0; i < l.odcinki; ++i) {
        punkty.push_back(punkt(l.cx, l.cy, l.r, poczatek + (i + 1) * krok));
        if (static_cast<int32_t>(punkty.size()) > cieciwRazem || i + 1 == l.odcinki) {
            Cieciwy(punkty, kolor, grubosc, warstwa);
            const PunktXY koniecRuchu = punkty.back();
            punkty.assign(1, koniecRuchu);
        }
    }
}

void WyjsciePlotna::Cieciwy(std::span<const PunktXY> punkty, TKolor kolor, double grubosc,
                            const std::string& warstwa)
{
    for (std::size_t i = 1; i < punkty.size(); ++i)
        Linia(kolor, warstwa, punkty[i - 1].X, punkty[i - 1].Y, punkty[i].X, punkty[i].Y, grubosc);
}

// ------------------------------------------------------------------ screen

void WyjscieEkranu::Linia(TKolor kolor, const std::string& /*warstwa*/, double x1, double y1, double x2, double y2,
                          double grubosc)
{
    Plotno& p = *PlotnoEkranu();
    const PunktInt a{CmNaEkranX(x1), CmNaEkranY(y1)}, b{CmNaEkranX(x2), CmNaEkranY(y2)};
    const int32_t g = GruboscEkran(static_cast<float>(grubosc));
    if (PozaPlotnem(p, a, b, g))
        return;
    LiniaNaPlotnie(p, kolor, g, a, b);
}

// The chords as the lines would draw them one by one, in one call to the
// canvas and each point worked out once: the arcs of a sheet have hundreds
// of thousands of chords.
void WyjscieEkranu::Cieciwy(std::span<const PunktXY> punkty, TKolor kolor, double grubosc,
                            const std::string& /*warstwa*/)
{
    Plotno& p = *PlotnoEkranu();
    const int32_t g = GruboscEkran(static_cast<float>(grubosc));
    thread_local std::vector<PunktInt> konce;
    konce.clear();
    PunktInt a = Piksel(punkty[0].X, punkty[0].Y);
    for (std::size_t i = 1; i < punkty.size(); ++i) {
        const PunktInt b = Piksel(punkty[i].X, punkty[i].Y);
        if (!PozaPlotnem(p, a, b, g)) {
            konce.push_back(a);
            konce.push_back(b);
        }
        a = b;
    }
    if (konce.empty())
        return;
    p.UstawKolorPiora(kolor);
    p.UstawGruboscPiora(g);
    p.Odcinki(konce);
}

void WyjscieEkranu::StylObrysu(Plotno& p, const int* styl)
{
    if (styl)
        p.UstawStylPiora(*styl);
}

void WyjscieEkranu::PoObrysie(Plotno& p, const int* styl)
{
    if (styl)
        p.UstawStylPiora(PioroCiagle);
}

void WyjscieEkranu::Tekst(TekstRysunku& t, const std::string& /*warstwa*/)
{
    Plotno& p = *PlotnoEkranu();
    // However turned, a text stays within its length and height of its
    // anchor; measured only for an anchor off the canvas.
    const PunktInt kotwica = Piksel(t.x, t.y);
    if (!p.ProstokatWidoczny(kotwica.X, kotwica.Y, kotwica.X, kotwica.Y)) {
        const double zasieg =
            (SzerTekstuWekt(t.tekst, static_cast<float>(t.szerokoscZnaku)) + 2.0 * t.wysokosc) * 1000.0 / Skala;
        // In 64 bits: a text of any length around an anchor far off the
        // canvas, the box then brought within the canvas's int range.
        const int64_t r = int64_t{NaPiksele(zasieg)} + GruboscEkran(static_cast<float>(t.gruboscPiora));
        auto wInt = [](int64_t v) {
            return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
        };
        if (!p.ProstokatWidoczny(wInt(kotwica.X - r), wInt(kotwica.Y - r), wInt(kotwica.X + r), wInt(kotwica.Y + r)))
            return;
    }
    p.UstawKolorPiora(t.kolor);
    p.UstawGruboscPiora(GruboscEkran(static_cast<float>(t.gruboscPiora)));
    RysujTekstWektEkran(t.tekst, static_cast<float>(t.szerokoscZnaku), static_cast<float>(t.wysokosc),
                        static_cast<float>(CmNaEkranX(t.x)), static_cast<float>(CmNaEkranY(t.y)),
                        static_cast<float>(t.kat));
    p.UstawGruboscPiora(1);
}

void WyjscieEkranu::TekstTT(const std::string& tekst, TKolor kolor, double x, double& y, double wysokosc,
                            const std::string& /*warstwa*/)
{
    Plotno& p = *PlotnoEkranu();
    const int hb = WysokoscTTEkran(wysokosc);
    p.UstawKrojCzcionki(KrojTT);
    if (hb >= 9) {
        p.UstawKolorCzcionki(kolor);
        p.UstawWysokoscCzcionkiDokladnie(KomorkaTTEkran(wysokosc));
        p.UstawStylPedzla(StylPedzla::Pusty);
        p.WypiszTekst(CmNaEkranX(x), CmNaEkranY(y) - hb, tekst);
    } else {
        // Too small to read: a grey box of the text's size stands in for it.
        constexpr TKolor szary = KolorRGB(128, 128, 128);
        p.UstawWysokoscCzcionki(8);
        p.UstawKolorPedzla(szary);
        p.UstawStylPedzla(StylPedzla::Pelny);
        p.UstawKolorPiora(szary);
        const double w = SzerTekstuTT(tekst, hb * Skala / 1200.0);
        p.Prostokat(CmNaEkranX(x), CmNaEkranY(y) - hb, CmNaEkranX(x + w), CmNaEkranY(y));
    }
}

bool WyjscieEkranu::TekstTTEtykiety(const TekstRysunku& t)
{
    Plotno& p = *PlotnoEkranu();
    p.UstawKolorCzcionki(t.kolor);
    const int hb = WysokoscTTEkran(t.wysokosc);
    if (hb < 9)
        return false;
    const double r = t.kat * 0.017453;
    const double x = t.x - 1.2 * t.wysokosc * std::sin(r);
    const double y = t.y + 1.2 * t.wysokosc * std::cos(r);
    p.UstawKrojCzcionki(KrojTT);
    p.UstawWysokoscCzcionkiDokladnie(KomorkaTTEkran(t.wysokosc));
    p.UstawStylPedzla(StylPedzla::Pusty);
    p.WypiszTekst(CmNaEkranX(x), CmNaEkranY(y), t.tekst);
    return true;
}

// ----------------------------------------------------------------- printer

void WyjscieDrukarki::Wielokat(std::span<const PunktXY> punkty, const int* stylPiora, TKolor kolorPiora,
                               TKolor kolorWypelnienia, bool wypelniony, double grubosc)
{
    if (punkty.empty())
        return;
    WyjsciePlotna::Wielokat(punkty, stylPiora, kolorPiora, kolorWypelnienia, wypelniony, grubosc);
    PlotnoDrukarki()->UstawStylPedzla(StylPedzla::Pusty);
}

void WyjscieDrukarki::Tekst(TekstRysunku& t, const std::string& /*warstwa*/)
{
    Plotno& p = *PlotnoDrukarki();
    p.UstawGruboscPiora(GruboscDruk(static_cast<float>(t.gruboscPiora)));
    p.UstawKolorPiora(t.kolor);
    const double h = NaPiksele(DpiDrukarkiX * t.wysokosc / 2.54);
    const double w = NaPiksele(DpiDrukarkiY * t.szerokoscZnaku / 2.54);
    p.UstawStylPedzla(StylPedzla::Pusty);
    RysujTekstWektDruk(t.tekst, w, h, CmNaDrukX(static_cast<float>(t.x)), CmNaDrukY(static_cast<float>(t.y)), t.kat);
    p.UstawGruboscPiora(1);
}

void WyjscieDrukarki::TekstTT(const std::string& tekst, TKolor /*kolor*/, double x, double& y, double wysokosc,
                              const std::string& /*warstwa*/)
{
    Plotno& p = *PlotnoDrukarki();
    const int hp = NaPiksele(wysokosc * KomorkaTT * DpiDrukarkiY / 2.54);
    p.UstawKrojCzcionki(KrojTT);
    p.UstawWysokoscCzcionki(hp);
    p.WypiszTekst(CmNaDrukX(static_cast<float>(x)), CmNaDrukY(static_cast<float>(y)) - hp, tekst);
}

bool WyjscieDrukarki::TekstTTEtykiety(const TekstRysunku& t)
{
    double y = t.y;
    TekstTT(t.tekst, t.kolor, t.x, y, t.wysokosc, "");
    return true;
}
