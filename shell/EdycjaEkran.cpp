// The screen-editing unit: what the armed edit mode would act on, shown while
// the mouse moves, and the click that carries the mode out. Its marks go into
// the drawing area's overlay, never into the bitmap or the model's drawing.
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <limits>

#include "base/Geometria.h"
#include "base/Teksty.h"
#include "drawing/Wyjscie.h"
#include "model/Projekt.h"
#include "platform/qt/Kodowanie_qt.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "shell/Dialogi.h"
#include "shell/Podglad.h"
#include "shell/TForm1.h"
#include "shell/TWezlyOperacje.h"

namespace {

constexpr TKolor KolorZnaku = 255;          // red
constexpr TKolor KolorLiniiPrzesuniecia = 0x008000;
constexpr TKolor TloPodpowiedzi = 0x00FFFF;  // yellow
constexpr TKolor TloZnaleziono = 0x6464F0;
// Start distances of the picks.
constexpr double BlizkiWezel = 3.0;
constexpr double DalekiWezel = 200.0;

QColor Kolor(TKolor k) { return QColor(k & 0xFF, (k >> 8) & 0xFF, (k >> 16) & 0xFF); }

QString Liczba3(double x) { return QString::number(x, 'f', 3); }

} // namespace

int TForm1::CmNaPodgladX(double x) const { return CmNaEkranX(x); }
int TForm1::CmNaPodgladY(double y) const { return CmNaEkranY(y); }

void TForm1::PunktSiatki(int px, int py, double krok, float& x, float& y) const
{
    if (!(krok > 0.0) || !std::isfinite(krok))
        krok = 1.0;
    x = static_cast<float>(static_cast<double>(Zaokraglij(EkranNaCmX(px) / krok)) * krok);
    y = static_cast<float>(static_cast<double>(Zaokraglij(EkranNaCmY(py) / krok)) * krok);
}

void TForm1::RysujLinieNaPodgladzie(double x1, double y1, double x2, double y2, int grubosc, TKolor kolor)
{
    ElementNakladki e;
    e.rodzaj = ElementNakladki::Rodzaj::Linia;
    e.p1 = {CmNaPodgladX(x1), CmNaPodgladY(y1)};
    e.p2 = {CmNaPodgladX(x2), CmNaPodgladY(y2)};
    e.kolor = Kolor(kolor);
    e.grubosc = grubosc;
    Podglad->DodajDoNakladki(e);
}

void TForm1::RysujKolkoNaPodgladzie(double x, double y, double r, TKolor kolor)
{
    ElementNakladki e;
    e.rodzaj = ElementNakladki::Rodzaj::Kolko;
    e.p1 = {CmNaPodgladX(x), CmNaPodgladY(y)};
    e.promien = std::max(1, NaPiksele(r * 1000.0 / Skala));
    e.kolor = Kolor(kolor);
    Podglad->DodajDoNakladki(e);
}

void TForm1::ZnakWezlaRuchoplanu(double x, double y)
{
    RysujLinieNaPodgladzie(x - 2.2, y + 0.5, x + 2.2, y + 0.5, 1, KolorZnaku);
    RysujLinieNaPodgladzie(x - 2.2, y - 0.5, x + 2.2, y - 0.5, 1, KolorZnaku);
    RysujLinieNaPodgladzie(x + 0.5, y - 2.2, x + 0.8, y + 2.2, 1, KolorZnaku);
    RysujLinieNaPodgladzie(x - 0.5, y - 2.2, x - 0.2, y + 2.2, 1, KolorZnaku);
}

void TForm1::ZnakWezlaRonda(double x, double y)
{
    RysujKolkoNaPodgladzie(x, y, 1.2, KolorZnaku);
    RysujKolkoNaPodgladzie(x, y, 1.5, KolorZnaku);
    for (double s : {-0.25, 0.25}) {
        RysujLinieNaPodgladzie(x + 1.47, y + s, x + 2.2, y + s, 1, KolorZnaku);
        RysujLinieNaPodgladzie(x - 1.47, y + s, x - 2.2, y + s, 1, KolorZnaku);
        RysujLinieNaPodgladzie(x + s, y + 1.47, x + s, y + 2.2, 1, KolorZnaku);
        RysujLinieNaPodgladzie(x + s, y - 1.47, x + s, y - 2.2, 1, KolorZnaku);
    }
}

void TForm1::NapisNakladki(int px, int py, const QString& tekst, TKolor tlo)
{
    ElementNakladki e;
    e.rodzaj = ElementNakladki::Rodzaj::Tekst;
    e.p1 = {px, py};
    e.tekst = tekst;
    e.tlo = Kolor(tlo);
    Podglad->DodajDoNakladki(e);
}

void TForm1::NapisPodpowiedzi(int px, int py, const QString& tekst) { NapisNakladki(px, py, tekst, TloPodpowiedzi); }
void TForm1::NapisZnaleziono(int px, int py, const QString& tekst) { NapisNakladki(px, py, tekst, TloZnaleziono); }

// Nearest first; only a strictly nearer node replaces the best, so of two at
// the same distance the earlier wins.
int32_t TForm1::WybierzWezel(int px, int py, double d0, double& odleglosc) const
{
    const double x = EkranNaCmX(px), y = EkranNaCmY(py);
    int32_t wynik = -1;
    odleglosc = d0;
    for (int32_t i = 0; i < LiczbaWezlow(); ++i) {
        const double d = Odleglosc(x, y, Wezly[i].X, Wezly[i].Y);
        if (d < odleglosc) {
            odleglosc = d;
            wynik = i;
        }
    }
    return wynik;
}

int32_t TForm1::RekordWezlaWBiezacym(int32_t wezel) const
{
    if (!JestIndeksem(wezel, Wezly))
        return -1;
    int32_t wynik = -1;
    if (Wezly[wezel].Typ == 'R') {
        for (int32_t i = 0; i < LiczbaRond(); ++i)
            if (Ronda[i].NrWezla == wezel && Ronda[i].NrWariantu == BiezacyWariant)
                wynik = i;
    } else {
        for (int32_t i = 0; i < LiczbaRuchoplanow(); ++i)
            if (Ruchoplany[i].NrWezla == wezel && Ruchoplany[i].NrWariantu == BiezacyWariant)
                wynik = i;
    }
    return wynik;
}

void TForm1::HoverWstawianie(int px, int py, bool rondo)
{
    double x = EkranNaCmX(px), y = EkranNaCmY(py);
    if (wg.Siatka) {
        PunktSiatki(px, py, wg.KrokSiatki, PunktSiatkiX, PunktSiatkiY);
        x = PunktSiatkiX;
        y = PunktSiatkiY;
    }
    if (rondo)
        ZnakWezlaRonda(x, y);
    else
        ZnakWezlaRuchoplanu(x, y);
    if (wg.Siatka)
        NapisPodpowiedzi(px, py + 20, "SIATKA X=" + Liczba3(x) + " Y=" + Liczba3(y));
}

void TForm1::PokazWskazanie(int px, int py)
{
    PokazNaPodgladzie();
    double d = 0.0;
    auto wezelDoEdycji = [&] {
        WskWezelEdycja = WybierzWezel(px, py, BlizkiWezel, d);
        if (WskWezelEdycja > -1 && d < BlizkiWezel)
            NapisZnaleziono(px + 5, py - 15, U("Znaleziono węzeł   ") + QString::number(WskWezelEdycja + 1));
        else
            NapisPodpowiedzi(px + 5, py - 15, U("Wskaż węzeł do edycji."));
    };
    switch (tryb_) {
    case TTrybEdycji::DodajRupl:
        HoverWstawianie(px, py, false);
        break;
    case TTrybEdycji::DodajRondo:
        HoverWstawianie(px, py, true);
        break;
    case TTrybEdycji::PrzesunWezel:
    case TTrybEdycji::Dane:
    case TTrybEdycji::Geometria:
        wezelDoEdycji();
        break;
    case TTrybEdycji::UsunWezel:
        NapisPodpowiedzi(px, py + 20, U("Wskaż węzeł do usunięcia."));
        WskWezelUsun = WybierzWezel(px, py, DalekiWezel, d);
        if (WskWezelUsun > -1 && d < BlizkiWezel)
            NapisZnaleziono(px + 5, py - 15, U("Znaleziono węzeł =   ") + QString::number(WskWezelUsun + 1));
        else
            NapisPodpowiedzi(px, py + 20, U("Wskaż węzeł do usunięcia!"));
        break;
    case TTrybEdycji::NowaPozycjaWezla:
        if (JestIndeksem(WskWezelEdycja, Wezly)) {
            const DaneWezel& w = Wezly[WskWezelEdycja];
            double x = EkranNaCmX(px), y = EkranNaCmY(py);
            if (wg.Siatka) {
                PunktSiatki(px, py, wg.KrokSiatki, PunktSiatkiX, PunktSiatkiY);
                x = PunktSiatkiX;
                y = PunktSiatkiY;
            }
            RysujLinieNaPodgladzie(w.X, w.Y, x, y, 1, KolorLiniiPrzesuniecia);
            if (w.Typ == 'R')
                ZnakWezlaRonda(x, y);
            else
                ZnakWezlaRuchoplanu(x, y);
        }
        break;
    case TTrybEdycji::UstawieniaLokalne:
        WskWezelWlasciwosci = WybierzWezel(px, py, DalekiWezel, d);
        if (WskWezelWlasciwosci > -1 && d < BlizkiWezel)
            NapisZnaleziono(px + 5, py - 15, U("Znaleziono węzeł =   ") + QString::number(WskWezelWlasciwosci + 1));
        else
            NapisPodpowiedzi(px, py + 20, U("Wskaż węzeł do zmiany właściwości."));
        break;
    case TTrybEdycji::Brak:
        WskWezelWlasciwosci = WybierzWezel(px, py, DalekiWezel, d);
        PanelePaska[1]->setText(WskWezelWlasciwosci > -1 && d < BlizkiWezel ? U("Podwójne kliknięcie EDYCJA DANYCH")
                                                                             : QString());
        break;
    default:
        HoverObiektu(px, py);
        break;
    }
}

void TForm1::PodgladKlik(int px, int py)
{
    // The click's point, on the grid when it is shown.
    auto punkt = [&](double& x, double& y) {
        x = EkranNaCmX(px);
        y = EkranNaCmY(py);
        if (wg.Siatka) {
            float sx = 0.0f, sy = 0.0f;
            PunktSiatki(px, py, wg.KrokSiatki, sx, sy);
            x = sx;
            y = sy;
        }
    };
    switch (tryb_) {
    case TTrybEdycji::DodajRupl:
    case TTrybEdycji::DodajRondo:
        punkt(NowyWezel.X, NowyWezel.Y);
        NowyWezel.Nazwa = ZQStringZOkna(E_Opis->text());
        WezlyOperacje->DodajWezel(NowyWezel);
        break;
    case TTrybEdycji::PrzesunWezel:
        // A click on empty space keeps the mode for the next one.
        if (JestIndeksem(WskWezelEdycja, Wezly))
            WezlyOperacje->PokazPanelWezla();
        break;
    case TTrybEdycji::UsunWezel:
        WezlyOperacje->UsunWskazanyWezel();
        break;
    case TTrybEdycji::NowaPozycjaWezla:
        punkt(NowyWezel.X, NowyWezel.Y);
        NowyWezel.Nazwa = ZQStringZOkna(E_Opis->text());
        WezlyOperacje->PrzesunWezel(NowyWezel);
        break;
    case TTrybEdycji::Dane:
        if (WskWezelEdycja > -1) {
            tryb_ = TTrybEdycji::Brak;
            const int32_t rekord = RekordWezlaWBiezacym(WskWezelEdycja);
            if (rekord >= 0)
                Wezly[WskWezelEdycja].Typ == 'R' ? OtworzDaneRonda(rekord) : OtworzDaneRuchoplanu(rekord);
        }
        break;
    case TTrybEdycji::UstawieniaLokalne:
        tryb_ = TTrybEdycji::Brak;
        if (WskWezelWlasciwosci >= 0) {
            WezlyOperacje->L_NrWezel->setText(QString::number(WskWezelWlasciwosci));
            WezlyOperacje->exec();
        }
        break;
    case TTrybEdycji::Geometria:
        tryb_ = TTrybEdycji::Brak;
        if (WskWezelEdycja >= 0) {
            const int32_t rekord = RekordWezlaWBiezacym(WskWezelEdycja);
            if (rekord >= 0 && Wezly[WskWezelEdycja].Typ == 'R') {
                // Chosen for its geometry, the roundabout is drawn from now
                // on, with the default geometry until the window stores one.
                Ronda[static_cast<std::size_t>(rekord)].GeometriaWprowadzona = 1;
                OtworzGeometrieRonda(rekord);
            } else if (rekord >= 0)
                OtworzGeometrieRuchoplanu(rekord);
        }
        break;
    default:
        KlikObiektu(px, py);
        break;
    }
    PokazNaPodgladzie();
}
