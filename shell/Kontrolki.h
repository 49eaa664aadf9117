#pragma once
// What the settings windows share: named controls built in one line, the
// colour shapes, and the two size groups (flow labels, descriptions) that
// the global settings and a node's own settings edit alike.

#include <QPushButton>
#include <QString>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>

#include "base/Typy.h"
#include "model/Ustawienia.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QWidget;

QLineEdit* NowePole(QWidget* rodzic, const char* nazwa);
QCheckBox* NowyPrzelacznik(QWidget* rodzic, const char* nazwa, const QString& tekst);
QRadioButton* NowyWybor(QWidget* rodzic, const char* nazwa, const QString& tekst);
QPushButton* NowyPrzycisk(QWidget* rodzic, const char* nazwa, const QString& tekst);
void WlaczKontrolki(std::initializer_list<QWidget*> kontrolki, bool wlacz);
// Checks `wybrany` of a group of radio buttons (nullptr: none of them).
void ZaznaczJeden(std::initializer_list<QRadioButton*> grupa, QRadioButton* wybrany);

// The text of an edit as the program holds texts (Windows-1250), and back.
std::string Tekst(const QLineEdit* pole);
void UstawTekst(QLineEdit* pole, const std::string& cp1250);
// A number with "." or "," (either works on any system) or nothing.
bool CzytajLiczbe(const QLineEdit* pole, double& wynik);
// The number of the edit, or `domyslna` when it holds none.
float LiczbaLubDomyslna(const QLineEdit* pole, double domyslna);
void UstawLiczbe(QLineEdit* pole, const char* maska, double x);

// A colour shape: a flat button painted with its colour; a click opens the
// colour dialog.
class TKsztaltKoloru : public QPushButton {
    Q_OBJECT
public:
    TKsztaltKoloru(QWidget* rodzic, const char* nazwa);
    TKolor Kolor() const { return kolor_; }
    void UstawKolor(TKolor kolor);
    // The colour dialog with the shape's colour; true when the user chose one.
    bool WybierzKolor();

private:
    TKolor kolor_ = 0;
};

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
    // The tables from the edits: one text that is no number replaces the
    // whole table by its defaults with the table's message; then the clamps.
    // Entries without an edit keep the values of `legenda` / `opisy`.
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
