// The view of the main window (zoom, pan, zoom window, whole sheet), the
// mouse over the drawing area, the mode commands and the typed coordinates.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <utility>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "drawing/Wyjscie.h"
#include "model/Granice.h"
#include "model/Operacje.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "platform/qt/Kodowanie_qt.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "shell/Dialogi.h"
#include "shell/Podglad.h"
#include "shell/TForm1.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TKopiujSchowek.h"
#include "shell/TWrnt.h"
#include "shell/Kontrolki.h"

double OgraniczSkale(double nowa, double dotychczasowa)
{
    if (!std::isfinite(nowa))
        return std::isfinite(dotychczasowa) ? std::clamp(dotychczasowa, SkalaNajmniejsza, SkalaNajwieksza) : 1.0;
    return std::clamp(nowa, SkalaNajmniejsza, SkalaNajwieksza);
}

void TForm1::ZerujTryby()
{
    tryb_ = TTrybEdycji::Brak;
    TrybWskazFragment = false;
    FragmentTrwa = false;
    WskWezelUsun = WskWezelEdycja = WskWezelWlasciwosci = -1;
    WskBlok = WskOpisEdycja = WskOpisUsun = -1;
    PanelZEdit->hide();
    PanelWsp->hide();
}

void TForm1::NowyWidok()
{
    ZerujWyjscia();
    // A pan or zoom window armed over the old project would act on the
    // first click into the new one.
    TrybPrzesun = TrybOkno = false;
    PrzesuwanieTrwa = OknoTrwa = false;
    TrybWskazFragment = FragmentTrwa = false;
    Podglad->unsetCursor();
    int w = 0, h = 0;
    RozmiarPodgladu(w, h);
    const WidokEkranu v = WidokCalegoArkusza(wg.ArkuszB, wg.ArkuszH, w, h);
    Skala = v.skala;
    SrodekX = v.srodekX;
    SrodekY = v.srodekY;
}

void TForm1::Powieksz(double wspolczynnik)
{
    Skala = OgraniczSkale(Skala * wspolczynnik, Skala);
    Przerysuj();
}

void TForm1::Powiksz1Click() { Powieksz(0.9); }
void TForm1::Pomniejsz1Click() { Powieksz(1.1); }

// Each notch up zooms in, each down zooms out; the centre stays.
void TForm1::FormMouseWheel(int kroki)
{
    if (kroki == 0)
        return;
    double s = Skala;
    for (int i = 0; i < std::abs(kroki); ++i)
        s = OgraniczSkale(s * (kroki > 0 ? 0.9 : 1.1), s);
    Skala = s;
    Przerysuj();
}

void TForm1::Przesu1Click()
{
    TrybPrzesun = true;
    Podglad->setCursor(Qt::PointingHandCursor);
}

void TForm1::Okno1Click()
{
    TrybOkno = true;
    Podglad->setCursor(Qt::SizeAllCursor);
}

void TForm1::Wszystko1Click()
{
    const double x1 = -1.0, x2 = wg.ArkuszB + 1.0;
    const double y1 = -1.0, y2 = wg.ArkuszH + 1.0;
    const float skalaX = static_cast<float>(std::fabs(x2 - x1) * 1000.0 / std::max(1, Podglad->width() - 5));
    const float skalaY = static_cast<float>(std::fabs(y2 - y1) * 1000.0 / std::max(1, Podglad->height() - 5));
    SrodekX = (x1 + x2) / 2.0;
    SrodekY = (y1 + y2) / 2.0;
    Skala = OgraniczSkale(std::max(skalaX, skalaY), Skala);
    Przerysuj();
}

void TForm1::PrzesunWidok(int x, int y)
{
    SrodekX = (PunktNacisniecia.x() - x) * Skala / 1000.0 + SrodekPrzyNacisnieciuX;
    SrodekY = SrodekPrzyNacisnieciuY - (PunktNacisniecia.y() - y) * Skala / 1000.0;
}

void TForm1::PodgladMouseDown(Qt::MouseButton przycisk, int x, int y)
{
    auto poczatekPrzesuwania = [&] {
        PunktNacisniecia = {x, y};
        PrzesuwanieTrwa = true;
        SrodekPrzyNacisnieciuX = SrodekX;
        SrodekPrzyNacisnieciuY = SrodekY;
    };
    if (przycisk == Qt::MiddleButton) {
        TrybPrzesun = true;
        Podglad->setCursor(Qt::PointingHandCursor);
        poczatekPrzesuwania();
    } else if (przycisk == Qt::LeftButton) {
        if (TrybPrzesun) {
            poczatekPrzesuwania();
        } else if (TrybOkno) {
            PunktNacisniecia = {x, y};
            OknoTrwa = true;
        } else if (TrybWskazFragment) {
            PunktNacisniecia = {x, y};
            FragmentTrwa = true;
        } else {
            PodgladKlik(x, y);
        }
    }
}

void TForm1::PodgladMouseMove(int x, int y)
{
    PanelePaska[0]->setText("X=" + QString::number(EkranNaCmX(x), 'f', 3) + " Y=" +
                            QString::number(EkranNaCmY(y), 'f', 3));
    if (PrzesuwanieTrwa) {
        // The sheet follows the mouse live.
        PrzesunWidok(x, y);
        Przerysuj();
    } else if (OknoTrwa || FragmentTrwa) {
        PokazNaPodgladzie();
        ElementNakladki r;
        r.rodzaj = ElementNakladki::Rodzaj::Prostokat;
        r.p1 = PunktNacisniecia;
        r.p2 = {x, y};
        r.styl = Qt::DotLine;
        Podglad->DodajDoNakladki(r);
        if (FragmentTrwa) {
            auto opis = [](int px, int py) {
                return "X=" + NaQString(FormatFloat("#######0.##", EkranNaCmX(px))) + ",Y=" +
                       NaQString(FormatFloat("#######0.##", EkranNaCmY(py)));
            };
            NapisPodpowiedzi(PunktNacisniecia.x(), PunktNacisniecia.y(),
                             opis(PunktNacisniecia.x(), PunktNacisniecia.y()));
            NapisPodpowiedzi(x + 10, y, opis(x, y));
        }
    } else if (TrybWskazFragment) {
        PokazNaPodgladzie();
        NapisPodpowiedzi(x, y, "X=" + NaQString(FormatFloat("#######0.##", EkranNaCmX(x))) + ",Y=" +
                                   NaQString(FormatFloat("#######0.##", EkranNaCmY(y))));
    } else {
        PokazWskazanie(x, y);
    }
}

namespace {

// The dragged rectangle with its press point as the top-left corner; a click
// without a drag still gives a small one.
void ProstokatMyszy(int ax, int ay, int bx, int by, int& x1, int& y1, int& x2, int& y2)
{
    x1 = std::min(ax, bx);
    x2 = std::max(ax, bx);
    y1 = std::min(ay, by);
    y2 = std::max(ay, by);
    if (x2 - x1 < 5) {
        x1 -= 2;
        x2 = x1 + 2;
    }
    if (y2 - y1 < 5) {
        y1 -= 2;
        y2 = y1 + 2;
    }
}

} // namespace

// The clipboard area dragged on the sheet goes to the clipboard window,
// which shows again with its size refreshed.
void TForm1::PrzekazFragment(int ax, int ay, int bx, int by)
{
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ProstokatMyszy(ax, ay, bx, by, x1, y1, x2, y2);
    constexpr const char* maska = "#######0.##";
    UstawLiczbe(KopiujSchowek->E_x1, maska, EkranNaCmX(x1));
    UstawLiczbe(KopiujSchowek->E_x2, maska, EkranNaCmX(x2));
    UstawLiczbe(KopiujSchowek->E_y1, maska, EkranNaCmY(y1));
    UstawLiczbe(KopiujSchowek->E_y2, maska, EkranNaCmY(y2));
    std::string komunikat;
    KopiujSchowek->OdswiezRozmiarSchowka(komunikat);
    ZmienionoProjekt();
    KopiujSchowek->exec();
}

void TForm1::PodgladMouseUp(Qt::MouseButton, int x, int y)
{
    if (PrzesuwanieTrwa) {
        // A pan is one drag: the menu arms the next one again.
        PrzesunWidok(x, y);
        Podglad->setCursor(Qt::CrossCursor);
        TrybPrzesun = false;
        PrzesuwanieTrwa = false;
        Przerysuj();
        return;
    }
    if (TrybWskazFragment && FragmentTrwa) {
        TrybWskazFragment = false;
        FragmentTrwa = false;
        Podglad->setCursor(Qt::CrossCursor);
        PrzekazFragment(PunktNacisniecia.x(), PunktNacisniecia.y(), x, y);
        PokazNaPodgladzie();
        return;
    }
    if (!TrybOkno || !OknoTrwa)
        return;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ProstokatMyszy(PunktNacisniecia.x(), PunktNacisniecia.y(), x, y, x1, y1, x2, y2);
    const float dx = static_cast<float>((x2 - x1) * Skala / 1000.0);
    const float dy = static_cast<float>((y2 - y1) * Skala / 1000.0);
    SrodekX = EkranNaCmX(x1) + (EkranNaCmX(x2) - EkranNaCmX(x1)) / 2.0;
    SrodekY = EkranNaCmY(y1) + (EkranNaCmY(y2) - EkranNaCmY(y1)) / 2.0;
    // The whole window fits the drawing area, whatever the area's size.
    const double w = std::max(1, Podglad->width());
    const double h = std::max(1, Podglad->height());
    Skala = OgraniczSkale(std::max(dx * 1000.0 / w, dy * 1000.0 / h), Skala);
    TrybOkno = false;
    OknoTrwa = false;
    Podglad->setCursor(Qt::CrossCursor);
    Przerysuj();
}

// A node whose diagram (a roundabout: its geometry) is entered opens its
// data, else its geometry.
void TForm1::PodgladDblClick()
{
    if (WskWezelWlasciwosci < 0 || LiczbaWariantow() < 1)
        return;
    const int32_t rekord = RekordWezlaWBiezacym(WskWezelWlasciwosci);
    if (rekord < 0)
        return;
    if (Wezly[WskWezelWlasciwosci].Typ == 'R') {
        if (Ronda[rekord].GeometriaWprowadzona)
            OtworzDaneRonda(rekord);
        else
            OtworzGeometrieRonda(rekord);
        return;
    }
    if (Ruchoplany[rekord].GeometriaWprowadzona)
        OtworzDaneRuchoplanu(rekord);
    else
        OtworzGeometrieRuchoplanu(rekord);
}

void TForm1::OtworzDaneRuchoplanu(int32_t rekord)
{
    NatezeniaRUPL->L_NrRupl->setText(QString::number(rekord));
    NatezeniaRUPL->exec();
}

void TForm1::OtworzGeometrieRuchoplanu(int32_t rekord)
{
    GeometriaRuchoplan->L_NrRupl->setText(QString::number(rekord));
    Przerysuj();
    GeometriaRuchoplan->exec();
}

void TForm1::OtworzDaneRonda(int32_t rekord)
{
    DaneRonda->L_NrRonda->setText(QString::number(rekord));
    DaneRonda->exec();
}

void TForm1::OtworzGeometrieRonda(int32_t rekord)
{
    GeometriaRondo->L_NrRonda->setText(QString::number(rekord));
    Przerysuj();
    GeometriaRondo->exec();
}

void TForm1::TB_DodajRuplClick()
{
    ZerujTryby();
    L_Opis->setText(U("Nazwa węzła sieci."));
    E_Opis->setText(U("Węzeł ") + QString::number(LiczbaWezlow() + 1));
    NowyWezel.Typ = 'J';
    PanelZEdit->show();
    E_x->clear();
    E_y->clear();
    B_Wstaw->setText(U("Wstaw"));
    PanelWsp->show();
    tryb_ = TTrybEdycji::DodajRupl;
    CB_Siatka->setFocus();
}

void TForm1::TB_DodajRondClick()
{
    TB_DodajRuplClick();
    NowyWezel.Typ = 'R';
    tryb_ = TTrybEdycji::DodajRondo;
}

void TForm1::TB_UsunWezelClick()
{
    ZerujTryby();
    tryb_ = TTrybEdycji::UsunWezel;
}

void TForm1::TB_PrzesunWezelClick()
{
    ZerujTryby();
    tryb_ = TTrybEdycji::PrzesunWezel;
}

void TForm1::TB_DaneClick()
{
    ZerujTryby();
    tryb_ = TTrybEdycji::Dane;
}

void TForm1::TB_GeometriaClick()
{
    ZerujTryby();
    tryb_ = TTrybEdycji::Geometria;
}

void TForm1::TB_UstawieniaLokalneClick()
{
    ZerujTryby();
    tryb_ = TTrybEdycji::UstawieniaLokalne;
}

void TForm1::TB_UstawGlowneClick()
{
    ZerujTryby();
    UstawyGlobalne->WypelnijUstawienia();
    UstawyGlobalne->exec();
}

void TForm1::TB_EdycjaWariantowClick()
{
    ZerujTryby();
    Wrnt->exec();
    UstawPolecenia();
}

void TForm1::TB_DodajWariantClick()
{
    ZerujTryby();
    if (LiczbaWezlow() < 1) {
        PokazKomunikat(U("Do wykonania operacji na wariantach potrzebny jest min. 1 węzeł sieci"));
        return;
    }
    const TekstZOkna nazwa = ZQStringZOkna(E_Index->text());
    if (nazwa.cp1250.size() < 2) {
        PokazKomunikat(U("Brak nazwy wariantu do dodania!"));
        return;
    }
    if (const std::string odmowa = OdmowaTekstu(nazwa, decltype(DaneWariant::Nazwa)::Pojemnosc, "Nazwa wariantu");
        !odmowa.empty()) {
        PokazBladUzytkownikowi(odmowa);
        return;
    }
    if (!Wrnt->DodajWariant(nazwa.cp1250, "", "", "", 0.0f, 0.0f, 'L'))
        return;
    E_Index->clear();
    if (!JestIndeksem(BiezacyWariant, Warianty) && LiczbaWariantow() > 0) {
        BiezacyWariant = 0;
        UstawTekstWariantu(PozycjaListyWariantow(0));
    }
    UstawPolecenia();
    Przerysuj();
}

void TForm1::B_WstawClick()
{
    const std::string tx = PoprawSeparator(ZQString(E_x->text()));
    const std::string ty = PoprawSeparator(ZQString(E_y->text()));
    E_x->setText(NaQString(tx));
    E_y->setText(NaQString(ty));
    double x = 0.0, y = 0.0;
    // Within the limit of a node's position: the file holds no farther one.
    const bool dobreX = TekstWGranicy(granice::Wspolrzedna, tx, x);
    const bool dobreY = TekstWGranicy(granice::Wspolrzedna, ty, y);
    if (!dobreY) {
        PokazKomunikat(U("Nieprawidłowa współrzędna Y !"));
        return;
    }
    if (!dobreX) {
        PokazKomunikat(U("Nieprawidłowa współrzędna X !"));
        return;
    }
    NowyWezel.X = x;
    NowyWezel.Y = y;
    NowyWezel.Nazwa = ZQStringZOkna(E_Opis->text());
    if (B_Wstaw->text() == U("Wstaw"))
        WezlyOperacje->DodajWezel(NowyWezel);
    else
        WezlyOperacje->PrzesunWezel(NowyWezel);
}

bool TForm1::PrzyjmijKrokSiatki(std::string& komunikat)
{
    double krok = 0.0;
    if (!CzytajWartosc(granice::KrokSiatki, ZQString(CB_SiatkaKrok->currentText()), krok, komunikat, "Krok siatki"))
        return false;
    const auto nowy = static_cast<float>(JakWPliku(krok, maski::Skala));  // as the file keeps it
    if (nowy != wg.KrokSiatki) {
        wg.KrokSiatki = nowy;
        ZmienionoProjekt();
    }
    return true;
}

void TForm1::CB_SiatkaKrokExit()
{
    // Enter and leaving the box take a typed text whole or refuse it: the
    // step in force before the typing comes back, whatever its prefixes
    // stored on the way, with the changed flag of then. Either way the edit
    // shows the step in force as the box shows every step. A box left
    // untyped stores nothing.
    std::string komunikat;
    const auto przed = std::exchange(krokPrzedEdycja_, std::nullopt);
    if (przed) {
        if (!PrzyjmijKrokSiatki(komunikat)) {
            wg.KrokSiatki = przed->krok;
            ProjektZmieniony = przed->projektZmieniony;
            PokazBladUzytkownikowi(komunikat);
        }
        PokazSiatke();
    }
    CB_Siatka->setFocus();
}
