#include "junction/Legendy.h"

#include <algorithm>

#include "drawing/Rysowanie.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "junction/WspolneRysowania.h"
#include "model/Projekt.h"

namespace {

// The legends draw smaller than the inlet labels whose sizes they take.
struct RozmiaryLegendyTabeli {
    double cw, h, grub, P;
};

RozmiaryLegendyTabeli Rozmiary(const TRozmiaryOpisow& r)
{
    const double h = 0.8 * r[1];
    return {0.8 * r[0], h, r[4], 1.2 * h};
}

} // namespace

void RysujTytul(int32_t indeks, TKolor kolor, const std::string& warstwa)
{
    if (indeks < 0 || indeks >= static_cast<int32_t>(Ruchoplany.size()))
        return;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(indeks)];
    const double H = r.TytulWysokosc;
    const char wyrownanie = r.TytulWyrownanie;
    if (!WyrownanieTytulu(wyrownanie))
        return;
    // A caption without a height would be an invisible (and in DXF a broken) text.
    if (!Skonczone({H, r.X, r.Y, r.TytulDx, r.TytulDy}) || H <= 0.0)
        return;
    const double x = r.X + r.TytulDx;
    for (int i = 0; i < 3; ++i) {
        const double y = r.Y + r.TytulDy - i * 1.2 * H;
        RysujTekstTTWyrownany(r.Tytul[static_cast<std::size_t>(i)].str(), kolor, x, y, H, wyrownanie, warstwa);
    }
}

void RysujLegendePojazdow(const TRozmiaryOpisow& rozmiary, TKolor kolor, float X, float Y,
                          const std::string& warstwa)
{
    // Plain names, not a structured binding: the lambdas below capture them.
    const RozmiaryLegendyTabeli m = Rozmiary(rozmiary);
    const double cw = m.cw, h = m.h, grub = m.grub, P = m.P;
    if (!TabelaSkonczona(rozmiary) || !Skonczone({X, Y, cw, h, grub}))
        return;
    const int n = std::clamp<int32_t>(LiczbaSkladow, 0, RozmiarSkladu - 1);
    const double x1 = X + 2.0 * cw;
    const double x2 = X + 4.0 * cw;
    double W = 1.0;
    for (int i = 1; i <= n; ++i)
        W = std::max<double>(W, SzerTekstuWekt(Sklad[static_cast<std::size_t>(i)].Nazwa.str(),
                                               static_cast<float>(cw)) - 0.8);
    const double xr = x2 + W + 1.0;

    auto tekst = [&](const std::string& t, double x, double y) {
        RysujTekst(t, kolor, x, y, h, cw, grub, 0.0, warstwa);
    };
    auto linia = [&](double xa, double ya, double xb, double yb) {
        RysujLinie(kolor, warstwa, xa, ya, xb, yb, grub);
    };
    tekst("LEGENDA POJAZDY", X + 0.1, Y - P);
    linia(X, Y, xr, Y);
    linia(X, Y - P, xr, Y - P);
    for (int i = 1; i <= n; ++i) {
        const DaneSklad& typ = Sklad[static_cast<std::size_t>(i)];
        const double yi = Y - (i + 1) * P;
        linia(X, yi, xr, yi);
        tekst(std::to_string(i) + ".", X + 0.1, yi);
        tekst(typ.Oznaczenie.str(), x1 + 0.1, yi);
        tekst(typ.Nazwa.str(), x2 + 0.1, yi);
    }
    const double dol = Y - (n + 1) * P;
    linia(X, Y, X, dol);
    linia(xr, Y, xr, dol);
    linia(x1, Y - P, x1, dol);
    linia(x2, Y - P, x2, dol);
}

void RysujLegendePrzejsc(const TRozmiaryOpisow& rozmiary, TKolor kolor, float X, float Y,
                         const std::string& warstwa)
{
    KategoriePrzejsc k;
    for (std::size_t c = 0; c < 4; ++c) {
        k.rysuj[c] = wg.RysujPrzejscia[c];
        k.nazwy[c] = wg.NazwyPrzejsc[c].str();
        k.kolory[c] = wg.KoloryPrzejsc[c];
    }
    RysujLegendePrzejsc(rozmiary, kolor, X, Y, warstwa, k);
}

void RysujLegendePrzejsc(const TRozmiaryOpisow& rozmiary, TKolor kolor, float X, float Y,
                         const std::string& warstwa, const KategoriePrzejsc& kategorie)
{
    // Plain names, not a structured binding: the lambdas below capture them.
    const RozmiaryLegendyTabeli m = Rozmiary(rozmiary);
    const double cw = m.cw, h = m.h, grub = m.grub, P = m.P;
    if (!TabelaSkonczona(rozmiary) || !Skonczone({X, Y, cw, h, grub}))
        return;
    int r = 1;
    double W = 0.0;
    for (std::size_t k = 0; k < 4; ++k) {
        if (!kategorie.rysuj[k])
            continue;
        ++r;
        const std::string& nazwa = kategorie.nazwy[k];
        RysujTekst(nazwa, kolor, X + 0.15, Y - r * P, h, cw, grub, 0.0, warstwa);
        W = std::max<double>(W, SzerTekstuWekt(nazwa, static_cast<float>(cw)));
    }
    W += 0.5;
    // The signs stand in a column fixed by the longest name.
    r = 1;
    for (std::size_t k = 0; k < 4; ++k) {
        if (!kategorie.rysuj[k])
            continue;
        ++r;
        RysujZnakPrzejscia(2, kategorie.kolory[k], X + W + 0.5, Y - r * P + 0.5 * h,
                           0.35f, 0.35f, 0.2 * h, 0.2 * h, 1.5707964f, KolorSzaryPrzejsc, 0, grub, warstwa);
    }
    // "LEGENDA PRZEJŚCIA" in Windows-1250.
    const std::string tytul = "LEGENDA PRZEJ\x8C" "CIA";
    RysujTekst(tytul, kolor, X + 0.1, Y - P, h, cw, grub, 0.0, warstwa);
    W = std::max<double>(W, SzerTekstuWekt(tytul, static_cast<float>(cw)) - 0.8);
    const double xr = X + W + 1.0;
    const double yb = Y - r * P;
    RysujLinie(kolor, warstwa, X, Y, xr, Y, grub);
    RysujLinie(kolor, warstwa, X, Y - P, xr, Y - P, grub);
    RysujLinie(kolor, warstwa, X, yb, xr, yb, grub);
    RysujLinie(kolor, warstwa, X, Y, X, yb, grub);
    RysujLinie(kolor, warstwa, xr, Y, xr, yb, grub);
}
