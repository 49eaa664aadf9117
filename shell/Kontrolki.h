#pragma once
// What the settings windows share: named controls built in one line, the
// colour shapes, and the groups that the global settings and a node's own
// settings edit alike: the flow-label style, the crossing categories with
// the sheet legends, the two size groups (flow labels, descriptions) and the
// window's transparency; and the sheet choice of the block and description
// windows.

#include <QList>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/Kodowanie.h"
#include "base/Typy.h"
#include "model/Ustawienia.h"
#include "platform/qt/KsztaltKoloru.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QWidget;
struct DaneWezel;
struct GranicaPola;
class SprawdzanieWartosci;

QLineEdit* NowePole(QWidget* rodzic, const char* nazwa);
QCheckBox* NowyPrzelacznik(QWidget* rodzic, const char* nazwa, const QString& tekst);
QRadioButton* NowyWybor(QWidget* rodzic, const char* nazwa, const QString& tekst);
QPushButton* NowyPrzycisk(QWidget* rodzic, const char* nazwa, const QString& tekst);
void WlaczKontrolki(std::initializer_list<QWidget*> kontrolki, bool wlacz);
// Checks `wybrany` of a group of radio buttons (nullptr: none of them).
void ZaznaczJeden(std::initializer_list<QRadioButton*> grupa, QRadioButton* wybrany);

// The "Rysuj na ..." box: the object on the current sheet (checked at start)
// or on every sheet.
QGroupBox* NowyWyborArkusza(QWidget* okno, QRadioButton*& aktualny, QRadioButton*& wszystkie);
// The box set from an object's variant (-1: every sheet).
void PokazWariantArkusza(QRadioButton* aktualny, QRadioButton* wszystkie, int32_t wariant);
// The variant an object gets from the box: -1 for every sheet; the current
// variant for a new object or one moved from every sheet to the current
// one; otherwise it keeps its own.
int32_t WybranyWariant(const QRadioButton* wszystkie, bool nowy, int32_t wariant);

// The text of an edit as the program holds texts (Windows-1250), and back.
std::string Tekst(const QLineEdit* pole);
// The same for a text that enters the project, telling whether every
// character has a Windows-1250 form.
TekstZOkna TekstZPola(const QLineEdit* pole);
// Forgets the number the edit was shown with (WpiszTekst).
void UstawTekst(QLineEdit* pole, const std::string& cp1250);
// A number with "." or "," (either works on any system) or nothing.
bool CzytajLiczbe(const QLineEdit* pole, double& wynik);
// The number of the edit, or `domyslna` when it holds none.
float LiczbaLubDomyslna(const QLineEdit* pole, double domyslna);
// A number the edit shows as a new one (a picked point, a step).
void UstawLiczbe(QLineEdit* pole, const char* maska, double x);
// A number of the project shown rounded by `maska`: read back while its text
// stays as shown, it is the number itself, so that a window committed
// without an edit changes nothing.
void PokazLiczbe(QLineEdit* pole, const char* maska, double x);
// The edit's number within `g` (as SprawdzanieWartosci::Wartosc reads it),
// or the number it was shown with while its text stays as shown.
double WartoscPola(SprawdzanieWartosci& s, const GranicaPola& g, const QLineEdit* pole, std::string_view nazwa,
                   double dotychczas, std::string_view maska = {});

// Blocks the signals of all the window's controls while code fills them, so
// that no handler of the user's runs.
class TBlokadaSygnalow {
public:
    explicit TBlokadaSygnalow(QWidget* okno);
    ~TBlokadaSygnalow();
    TBlokadaSygnalow(const TBlokadaSygnalow&) = delete;
    TBlokadaSygnalow& operator=(const TBlokadaSygnalow&) = delete;

private:
    QList<QWidget*> kontrolki_;
};

// The "Prześwit" switch and its slider (50..255, 150 at start); the window
// shows through while the switch is on.
void NowyPrzeswit(QWidget* okno, QCheckBox*& przelacznik, QScrollBar*& suwak);
void UstawPrzeswit(QWidget* okno, const QCheckBox* przelacznik, const QScrollBar* suwak);

// A colour shape: a flat button painted with its colour; a click opens the
// colour dialog.
// Adds each step of `kroki` to its edits ("###0.0#"); the first edit that
// holds no number stops with the conversion message, the edits before it
// already stepped. False then.
struct KrokPol {
    double krok;
    std::initializer_list<QLineEdit*> pola;
};
bool KrokujPola(std::initializer_list<KrokPol> kroki);

// The flow-label sizes (RozmiaryLegendy) and the description sizes
// (RozmiaryOpisow) with their step and reset buttons.
class TKontrolkiRozmiarow {
public:
    // Builds both groups into `rodzic`; the step buttons of the description
    // group are named by the window (the two windows name them differently).
    TKontrolkiRozmiarow(QWidget* rodzic, const char* opisPlus, const char* opisMinus, const char* opisPlusGr,
                        const char* opisMinusGr);

    QGroupBox* GrupaLegendy;
    QGroupBox* GrupaOpisow;
    QLineEdit *E_sx, *E_sy, *E_sx_p, *E_sx_z, *E_Sx_d, *E_Sy_d, *E_gr, *E_gr_d, *E_gr_p, *E_Ldx, *E_Ldy;
    QScrollBar* SB_DoklProc;
    QLabel* L_DoklProc;
    QLineEdit *EO_sx, *EO_sy, *EO_sx_d, *EO_sy_d, *EO_gr, *EO_gr_d, *EO_strz, *EO_lOpis;
    QPushButton *B_WLegPlus, *B_WLegMinus, *B_WLegPlusgr, *B_WLegMinusgr;
    QPushButton *B_WOpisPlus, *B_WOpisMinus, *B_WOpisPlusGr, *B_WOpisMinusGr;
    QPushButton *B_ResetWlasnosciLegRupl, *B_ResetWlasnosciOpisow;

    void Wypelnij(const TRozmiaryLegendy& legenda, const TRozmiaryOpisow& opisy);
    // The tables from the edits, each within its limit, then the clamps;
    // a refused text leaves the whole table as it was with its message in
    // `s`. Entries without an edit keep the values of `legenda` / `opisy`.
    void CzytajLegende(TRozmiaryLegendy& legenda, SprawdzanieWartosci& s) const;
    void CzytajOpisy(TRozmiaryOpisow& opisy, SprawdzanieWartosci& s) const;
    // The same showing the refusal's message.
    void CzytajLegende(TRozmiaryLegendy& legenda) const;
    void CzytajOpisy(TRozmiaryOpisow& opisy) const;

    // The step buttons' edits.
    bool KrokLegendy(int znak) const;
    bool KrokLegendyGr(int znak) const;
    bool KrokOpisow(int znak) const;
    bool KrokOpisowGr(int znak) const;
    void DomyslnaLegenda() const;
    // The description defaults; `grD` is the value of EO_gr_d (the two
    // windows reset it differently).
    void DomyslneOpisy(double grD) const;
};

// The flow-label style: the label layout (standard, total only, or the table
// with its three switches), the drawing switches, the line width and the four
// colours, filled from and read into the settings record or a node.
struct TKontrolkiStylu {
    QRadioButton *RB_Standard, *RB_TylkoSuma, *RB_TabelkaWW;
    QCheckBox *CB_PiszSume, *CB_PiszStruk, *CB_PiszZeraStruk;
    QCheckBox *CB_RysujProcenty, *CB_RysujOznaczenie, *CB_Rysuj0Zawrotki, *CB_Rysuj0Natezenia;
    QComboBox* CB_GrLinie;
    TKsztaltKoloru *S_Linie, *SWypel, *SOpisy, *STytul;

    // What the two windows name and write differently.
    struct Opis {
        const char* procenty;        // the text of CB_RysujProcenty
        const char* zawrotki;        // the zero U-turn switch: its name and text
        const char* zawrotkiTekst;
        const char* natezeniaTekst;  // the text of CB_Rysuj0Natezenia
        const char* linie;           // the names of the line and title colours
        const char* tytul;
        QStringList grubosci;        // the items of CB_GrLinie
    };
    // Builds the controls into `grupa`: the switches and the line width in
    // rows `wiersz` to `wiersz` + 4 of `u`, the colours in rows
    // `wierszKolorow` and the next.
    void BudujStyl(QGroupBox* grupa, QGridLayout* u, int wiersz, int wierszKolorow, const Opis& opis);
    // The table's switches show only with the table layout.
    void PokazTabelke() const;
    void WypelnijStyl(const TUstawieniaGlobalne& r);
    void WypelnijStyl(const DaneWezel& r);
    // The line width within its limit (refused: kept, the message in `s`).
    void CzytajStyl(TUstawieniaGlobalne& r, SprawdzanieWartosci& s) const;
    void CzytajStyl(DaneWezel& r, SprawdzanieWartosci& s) const;
};

// The four crossing categories (name, draw, sum, colour) and the sheet's
// crossing and structure legends with their offsets.
struct TKontrolkiPrzejsc {
    // The second row's draw switch and shape are named by the window.
    std::array<QLineEdit*, 4> E_Nazwy{};            // E_piesi, E_Rowery, E_Inne1, E_Inne2
    std::array<QCheckBox*, 4> CB_Rysuj{};           // CB_RysujPiesi, ..., CB_RysujInne1, CB_RysujInne2
    std::array<QCheckBox*, 4> CB_Suma{};            // CB_SumaPiesi, CB_SumaRowery, CB_SumaInne1, CB_SumaInne2
    std::array<TKsztaltKoloru*, 4> S_Przejscia{};   // S_Piesi, ..., S_Inne1, S_Inne2
    QCheckBox *CB_RysujLegPrzej, *CB_RysujLegStruk;
    QLineEdit *E_LPdx, *E_LPdy, *E_LSdx, *E_LSdy;

    // The category rows in rows 0 to 3 of `u`.
    void BudujKategorie(QGroupBox* grupa, QGridLayout* u, const char* rysujRowery, const char* ksztaltRowery);
    // The legend switches and offsets in rows 5 and 6.
    void BudujLegendy(QGroupBox* grupa, QGridLayout* u, const char* tekstPrzejsc, const char* tekstStruktury);
    void WypelnijPrzejscia(const TUstawieniaGlobalne& r);
    void WypelnijPrzejscia(const DaneWezel& r);
    // The legends' offsets within their limit and the names within their
    // capacity (refused: kept, the message in `s`).
    void CzytajPrzejscia(TUstawieniaGlobalne& r, SprawdzanieWartosci& s) const;
    void CzytajPrzejscia(DaneWezel& r, SprawdzanieWartosci& s) const;
};
