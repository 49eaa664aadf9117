#include "drawing/WyjscieDoDxf.h"

#include <numbers>

#include "base/Geometria.h"
#include "drawing/Dxf.h"
#include "drawing/Tekst.h"

namespace {

constexpr double DwaPi = 2.0 * std::numbers::pi;

float StopnieF(double radiany) { return static_cast<float>(Stopnie(radiany)); }

}  // namespace

KatyLukuDxf KatyDxf(const LukRysunku& l)
{
    // The clockwise conventions: the arc runs from the converted end to the
    // converted start.
    auto prawy = [](float aPoczatku, float aKonca) {
        if (aPoczatku > aKonca)
            aKonca += 360.0f;
        return KatyLukuDxf{aKonca, aPoczatku};
    };
    switch (l.konwencja) {
    case KonwencjaLuku::AzymutPrawy: {
        auto a = [](float t) { return StopnieF(DwaPi - t) + 90.0f; };
        return prawy(a(l.poczatek), a(l.koniec));
    }
    case KonwencjaLuku::Prawy: {
        auto a = [](float t) { return StopnieF(DwaPi - t); };
        return prawy(a(l.poczatek), a(l.koniec));
    }
    case KonwencjaLuku::Lewy:
        return {StopnieF(l.poczatek), StopnieF(l.koniec)};
    case KonwencjaLuku::AzymutLewy:
        return {StopnieF(l.poczatek) + 90.0f, StopnieF(l.koniec) + 90.0f};
    }
    return {};
}

void WyjscieDoDxf::Linia(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2,
                         double /*grubosc*/)
{
    DxfLinia(warstwa, KolorNaIndeksDxf(kolor), x1, DxfY(y1), x2, DxfY(y2));
}

void WyjscieDoDxf::Wielokat(std::span<const PunktXY>, const int*, TKolor, TKolor, bool, double) {}

void WyjscieDoDxf::KrawedzieObrysu(std::span<const PunktXY> punkty, TKolor kolor, const std::string& warstwa)
{
    if (punkty.empty())
        return;
    const int32_t indeks = KolorNaIndeksDxf(kolor);
    const std::size_t n = punkty.size();
    for (std::size_t k = 0; k + 1 < n; ++k)
        DxfLinia(warstwa, indeks, punkty[k].X, DxfY(punkty[k].Y), punkty[k + 1].X, DxfY(punkty[k + 1].Y));
    DxfLinia(warstwa, indeks, punkty[0].X, DxfY(punkty[0].Y), punkty[n - 1].X, DxfY(punkty[n - 1].Y));
}

void WyjscieDoDxf::Luk(const LukRysunku& l, TKolor kolor, double /*grubosc*/, const std::string& warstwa)
{
    const KatyLukuDxf k = KatyDxf(l);
    DxfLuk(warstwa, KolorNaIndeksDxf(kolor), l.cx, DxfY(l.cy), l.r, k.poczatek, k.koniec);
}

void WyjscieDoDxf::Tekst(TekstRysunku& t, const std::string& warstwa)
{
    const PunktXY w = WstawienieTekstuDxf(t.x, t.y, t.wysokosc, t.kat);
    t.x = w.X;
    t.y = w.Y;
    DxfTekst(t.tekst, warstwa, t.x, DxfY(t.y), t.kat, 0.8 * t.szerokoscZnaku / t.wysokosc, 0.7 * t.wysokosc,
             KolorNaIndeksDxf(t.kolor));
}

void WyjscieDoDxf::TekstTT(const std::string& tekst, TKolor kolor, double x, double& y, double wysokosc,
                           const std::string& warstwa)
{
    y += 0.2 * wysokosc;
    UkladTekstuDxf u{.x = x, .y = DxfY(y), .obrot = 0.0, .wspSzerokosci = 0.8 * wysokosc, .wysokosc = 0.7 * wysokosc};
    // Fitted to its width on paper: how wide a CAD program's font would
    // draw it is anyone's guess. An empty text has nothing to fit.
    const double szerokosc = tekst.empty() ? 0.0 : SzerTekstuTT(tekst, wysokosc);
    if (szerokosc > 0.0) {
        u.dopasowany = true;
        u.xKonca = x + szerokosc;
        u.yKonca = u.y;
    }
    DxfTekst(tekst, warstwa, u, KolorNaIndeksDxf(kolor));
}

// A label's TrueType text stays off the file.
bool WyjscieDoDxf::TekstTTEtykiety(const TekstRysunku&) { return true; }
