#include "drawing/Rysowanie.h"

#include <vector>

#include "drawing/Tekst.h"
#include "drawing/Wyjscie.h"
#include "model/Wezel.h"
#include "platform/qt/Plotno.h"

void RysujLinie(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2, double grubosc)
{
    for (Wyjscie* w : Aktywne())
        w->Linia(kolor, warstwa, x1, y1, x2, y2, grubosc);
}

void RysujLiniePunkty(PunktXY p1, PunktXY p2, double grubosc, TKolor kolor, const std::string& warstwa)
{
    RysujLinie(kolor, warstwa, p1.X, p1.Y, p2.X, p2.Y, grubosc);
}

void RysujWielokat(std::span<const PunktXY> punkty, TKolor kolorPiora, TKolor kolorWypelnienia, bool wypelniony,
                   double grubosc)
{
    for (Wyjscie* w : Aktywne())
        w->Wielokat(punkty, nullptr, kolorPiora, kolorWypelnienia, wypelniony, grubosc);
}

void RysujObrys(std::span<const PunktXY> punkty, int stylPiora, TKolor kolorPiora, TKolor kolorWypelnienia,
                bool wypelniony, double grubosc, const std::string& warstwa)
{
    for (Wyjscie* w : Aktywne()) {
        w->Wielokat(punkty, &stylPiora, kolorPiora, kolorWypelnienia, wypelniony, grubosc);
        w->KrawedzieObrysu(punkty, kolorPiora, warstwa);
    }
}

void RysujSiatke(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2, double odstep,
                 double grubosc)
{
    if (!(odstep > 0.0))
        return;
    // A grid denser than this is a grey area anyway; a step too small to
    // move the coordinate (or a sheet of astronomic size) would never end.
    constexpr double maksLinii = 10000.0;
    if (!((y2 - y1) / odstep <= maksLinii) || !((x2 - x1) / odstep <= maksLinii))
        return;
    for (double y = y1 + odstep; y < y2; y += odstep) RysujLinie(kolor, warstwa, x1 + 0.05, y, x2 - 0.05, y, grubosc);
    for (double x = x1 + odstep; x < x2; x += odstep) RysujLinie(kolor, warstwa, x, y1 + 0.05, x, y2 - 0.05, grubosc);
}

void RysujOkragEkran(int32_t grubosc, TKolor kolor, double x, double y, double r)
{
    Plotno* p = PlotnoEkranu();
    if (!p) return;
    p->UstawStylPedzla(StylPedzla::Pusty);
    p->UstawKolorPiora(kolor);
    p->UstawGruboscPiora(grubosc);
    p->Elipsa(CmNaEkranX(x - r), CmNaEkranY(y - r), CmNaEkranX(x + r), CmNaEkranY(y + r));
}

namespace {
void NazwaWezla(const std::string& nazwa, TKolor kolor, double x, double y, const std::string& warstwa)
{
    RysujTekst(nazwa, kolor, x - 1.0, y + 2.3, 0.6, 0.4, 0.2, 0.0, warstwa);
}
}  // namespace

void RysujWezelRuchoplanu(const std::string& nazwa, TKolor kolor, float xs, float ys, double grubosc,
                          const std::string& warstwa)
{
    const double x = xs, y = ys;
    RysujLinie(kolor, warstwa, x - 2.2, y + 0.4, x + 2.2, y + 0.4, grubosc);
    RysujLinie(kolor, warstwa, x - 2.2, y - 0.4, x + 2.2, y - 0.4, grubosc);
    RysujLinie(kolor, warstwa, x + 0.4, y - 2.2, x + 0.7, y + 2.2, grubosc);
    RysujLinie(kolor, warstwa, x - 0.4, y - 2.2, x - 0.1, y + 2.2, grubosc);
    NazwaWezla(nazwa, kolor, x, y, warstwa);
}

void RysujWezelRonda(const std::string& nazwa, TKolor kolor, float xs, float ys, double grubosc,
                     const std::string& warstwa)
{
    const double x = xs, y = ys;
    RysujOkragEkran(1, kolor, x, y, 1.2);
    RysujOkragEkran(1, kolor, x, y, 1.5);
    for (double s : {1.0, -1.0}) {
        RysujLinie(kolor, warstwa, x + s * 1.47, y + 0.25, x + s * 2.2, y + 0.25, grubosc);
        RysujLinie(kolor, warstwa, x + s * 1.47, y - 0.25, x + s * 2.2, y - 0.25, grubosc);
        RysujLinie(kolor, warstwa, x + 0.25, y + s * 1.47, x + 0.25, y + s * 2.2, grubosc);
        RysujLinie(kolor, warstwa, x - 0.25, y + s * 1.47, x - 0.25, y + s * 2.2, grubosc);
    }
    NazwaWezla(nazwa, kolor, x, y, warstwa);
}

void RysujWezlyBezWariantu()
{
    for (const DaneWezel& w : Wezly) {
        if (w.Typ == 'J')
            RysujWezelRuchoplanu(w.Nazwa, 0, static_cast<float>(w.X), static_cast<float>(w.Y), 0.2, "null");
        else if (w.Typ == 'R')
            RysujWezelRonda(w.Nazwa, 0, static_cast<float>(w.X), static_cast<float>(w.Y), 0.2, "null");
    }
}
