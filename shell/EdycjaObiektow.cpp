// The edit modes of blocks and descriptions: the preview of the one being
// placed, the picks of the ones to change or delete and the click that
// carries the mode out; and the commands that open their windows and the
// clipboard window.
#include <QLineEdit>

#include "base/Geometria.h"
#include "base/Teksty.h"
#include "drawing/Bloki.h"
#include "drawing/Nagrywanie.h"
#include "drawing/Wyjscie.h"
#include "model/Projekt.h"
#include "platform/qt/Kodowanie_qt.h"
#include "shell/Dialogi.h"
#include "shell/Kontrolki.h"
#include "shell/Podglad.h"
#include "shell/PytanieTakNieKasuj.h"
#include "shell/TEdycjaOpisy.h"
#include "shell/TForm1.h"
#include "shell/TKopiujSchowek.h"
#include "shell/TWstawBlok.h"

namespace {

// Start distance of the block and description picks.
constexpr double BlizkiObiekt = 3.0;
constexpr TKolor KolorPodgladuOpisu = 255;  // red
constexpr const char* MaskaPunktu = "##########0.00";

QString Liczba3(double x) { return QString::number(x, 'f', 3); }

QColor Kolor(TKolor k) { return QColor(k & 0xFF, (k >> 8) & 0xFF, (k >> 16) & 0xFF); }

} // namespace

void TForm1::PunktKursora(int px, int py, double& x, double& y)
{
    x = EkranNaCmX(px);
    y = EkranNaCmY(py);
    if (wg.Siatka) {
        PunktSiatki(px, py, wg.KrokSiatki, PunktSiatkiX, PunktSiatkiY);
        x = PunktSiatkiX;
        y = PunktSiatkiY;
    }
}

void TForm1::NakladkaZPlotna(const NagrywaniePlotna& plotno)
{
    for (const NagrywaniePlotna::ZapisLinii& l : plotno.linie) {
        ElementNakladki e;
        e.rodzaj = ElementNakladki::Rodzaj::Linia;
        e.p1 = {l.od.X, l.od.Y};
        e.p2 = {l.doPunktu.X, l.doPunktu.Y};
        e.kolor = Kolor(l.pioro.kolor);
        e.grubosc = 1;
        Podglad->DodajDoNakladki(e);
    }
}

int32_t TForm1::WybierzOpis(int px, int py, const QString& znaleziono)
{
    const double x = EkranNaCmX(px), y = EkranNaCmY(py);
    double najblizej = BlizkiObiekt;
    int32_t wynik = -1;
    for (int32_t i = 0; i < LiczbaOpisow(); ++i) {
        const double d = Odleglosc(x, y, Opisy[i].X, Opisy[i].Y);
        if (d < najblizej) {
            najblizej = d;
            wynik = i;
        }
    }
    if (wynik >= 0)
        NapisZnaleziono(px + 5, py - 15, znaleziono + QString::number(wynik + 1));
    else
        NapisPodpowiedzi(px + 5, py - 15, U("Wskaż opis"));
    return wynik;
}

int32_t TForm1::WybierzBlok(int px, int py, const QString& znaleziono)
{
    const double x = EkranNaCmX(px), y = EkranNaCmY(py);
    double najblizej = BlizkiObiekt;
    int32_t wynik = -1;
    for (int32_t i = 0; i < LiczbaBlokow(); ++i) {
        const DaneBlok& b = Bloki[i];
        if (b.Wariant != -1 && b.Wariant != BiezacyWariant)
            continue;
        const double d = Odleglosc(x, y, b.X, b.Y);
        if (d < najblizej) {
            najblizej = d;
            wynik = i;
        }
    }
    if (wynik >= 0)
        NapisZnaleziono(px + 5, py + 20, znaleziono + NaQString(Bloki[wynik].Nazwa));
    else
        NapisPodpowiedzi(px, py + 20, U("Wskaż blok."));
    return wynik;
}

void TForm1::HoverObiektu(int px, int py)
{
    double x = 0.0, y = 0.0;
    NagrywaniePlotna znaki;
    PodgladNaPlotnie podglad(znaki);
    switch (tryb_) {
    case TTrybEdycji::WstawBlok:
        PunktKursora(px, py, x, y);
        for (const std::string& linia : WstawBlok->LinieWstawianegoBloku)
            RysujBlokNaPodgladzie(podglad, linia, static_cast<float>(x), static_cast<float>(y), NowyOpis.Sx,
                                  NowyOpis.Sy);
        NakladkaZPlotna(znaki);
        NapisPodpowiedzi(px, py + 20, " X=" + Liczba3(x) + " Y=" + Liczba3(y));
        break;
    case TTrybEdycji::WstawOpis:
        PunktKursora(px, py, x, y);
        podglad.RysujTekstNaPodgladzie(NowyOpis.Tekst, KolorPodgladuOpisu, x, y, NowyOpis.Sy, NowyOpis.Sx, 0.0,
                                       NowyOpis.Kat);
        NakladkaZPlotna(znaki);
        NapisPodpowiedzi(px, py + 20, " X=" + Liczba3(x) + " Y=" + Liczba3(y));
        break;
    case TTrybEdycji::ZmienOpis:
        WskOpisEdycja = WybierzOpis(px, py, U("Znaleziono opis do edycji   "));
        break;
    case TTrybEdycji::UsunOpis:
        WskOpisUsun = WybierzOpis(px, py, U("Znaleziono opis do usunięcia   "));
        break;
    case TTrybEdycji::ZmienBlok:
        WskBlok = WybierzBlok(px, py, U("Edycja blok "));
        break;
    case TTrybEdycji::UsunBlok:
        WskBlok = WybierzBlok(px, py, U("USUŃ "));
        break;
    default:
        break;
    }
}

void TForm1::KlikObiektu(int px, int py)
{
    double x = 0.0, y = 0.0;
    auto zapytaj = [](const std::string& pytanie) {
        return PytanieTakNieKasuj->Zapytaj(NaQString(pytanie), false) == TPytanieTakNieKasuj::mrTak;
    };
    switch (tryb_) {
    case TTrybEdycji::WstawBlok:
        PunktKursora(px, py, x, y);
        UstawLiczbe(WstawBlok->E_x, MaskaPunktu, x);
        UstawLiczbe(WstawBlok->E_y, MaskaPunktu, y);
        tryb_ = TTrybEdycji::Brak;
        WstawBlok->exec();
        break;
    case TTrybEdycji::ZmienBlok:
        if (JestIndeksem(WskBlok, Bloki)) {
            WstawBlok->PrzygotujZmiane(WskBlok);
            tryb_ = TTrybEdycji::Brak;
            WstawBlok->exec();
        }
        break;
    case TTrybEdycji::UsunBlok:
        if (JestIndeksem(WskBlok, Bloki)) {
            tryb_ = TTrybEdycji::Brak;
            if (zapytaj(" Usu\xF1 blok " + Bloki[WskBlok].Nazwa + "  ?")) {
                Bloki.erase(Bloki.begin() + WskBlok);
                ZmienionoProjekt();
                UstawPolecenia();
                Przerysuj();
            }
        }
        break;
    case TTrybEdycji::WstawOpis:
        PunktKursora(px, py, x, y);
        UstawLiczbe(EdycjaOpisy->E_x, MaskaPunktu, x);
        UstawLiczbe(EdycjaOpisy->E_y, MaskaPunktu, y);
        // The grid point stays in sight while the window shows it.
        if (wg.Siatka)
            NapisPodpowiedzi(px, py + 20, "SIATKA X=" + Liczba3(x) + " Y=" + Liczba3(y));
        tryb_ = TTrybEdycji::Brak;
        EdycjaOpisy->exec();
        break;
    case TTrybEdycji::UsunOpis:
        if (JestIndeksem(WskOpisUsun, Opisy)) {
            tryb_ = TTrybEdycji::Brak;
            if (zapytaj(" Usu\xF1 napis " + Opisy[WskOpisUsun].Tekst.str() + "  ?")) {
                Opisy.erase(Opisy.begin() + WskOpisUsun);
                ZmienionoProjekt();
                UstawPolecenia();
                Przerysuj();
            }
        }
        break;
    case TTrybEdycji::ZmienOpis:
        if (JestIndeksem(WskOpisEdycja, Opisy)) {
            EdycjaOpisy->PrzygotujZmiane(WskOpisEdycja);
            tryb_ = TTrybEdycji::Brak;
            EdycjaOpisy->exec();
        }
        break;
    default:
        break;
    }
}

void TForm1::TB_WstawBlokClick()
{
    ZerujTryby();
    WstawBlok->PrzygotujWstawianie();
    WstawBlok->exec();
}

void TForm1::M_ZmienBlokClick()
{
    ZerujTryby();
    tryb_ = TTrybEdycji::ZmienBlok;
}

void TForm1::M_UsunBlokClick()
{
    ZerujTryby();
    tryb_ = TTrybEdycji::UsunBlok;
}

void TForm1::TB_WstawOpisClick()
{
    ZerujTryby();
    EdycjaOpisy->PrzygotujNowy();
    EdycjaOpisy->exec();
}

void TForm1::M_ZmienOpisClick()
{
    ZerujTryby();
    tryb_ = TTrybEdycji::ZmienOpis;
}

void TForm1::M_UsunOpisClick()
{
    ZerujTryby();
    tryb_ = TTrybEdycji::UsunOpis;
}

void TForm1::TB_DoSchowkaClick()
{
    if (!SprawdzWezlyIWarianty())
        return;
    KopiujSchowek->exec();
}
