#pragma once
// The roundabout geometry window: the number of arms, their angles, lengths,
// corner radii, offsets, letters, descriptions, arrow and crossing switches
// and lane colours, and the island radius of one roundabout node, checked,
// corrected and stored into the node's roundabout of every variant. The
// record's index comes in L_NrRonda.

#include <QDialog>
#include <array>
#include <cstdint>

#include "junction_forms/GeometriaRondaOkna.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TKsztaltKoloru;

class TGeometriaRondo : public QDialog {
    Q_OBJECT
public:
    explicit TGeometriaRondo(QWidget* rodzic = nullptr);

    QLabel* L_NrRonda;
    QComboBox* CB_IloscWW;
    // Arm k at [k - 1].
    std::array<QLineEdit*, 5> E_A{}, E_Lc{}, E_rm{}, E_O{}, E_ozn{};
    std::array<std::array<QLineEdit*, 2>, 5> E_Opis{};
    std::array<QCheckBox*, 5> CB_Strz{}, CB_Przejscie{};
    std::array<QLabel*, 5> L_Ramie{};
    std::array<TKsztaltKoloru*, 5> ShapeWlot{}, ShapeWylot{};   // Shape11 .. Shape51, Shape12 .. Shape52
    std::array<QLabel*, 5> L_Wl{}, L_Wy{};
    TKsztaltKoloru* Shape_Wypel;
    QLineEdit* E_R;
    QPushButton *Wprowadz, *Button3, *Button1, *B_UstawKolorkiDomyslne;
    QPushButton *B_DlugoscPlus, *B_DlugoszMinus, *B_PromienPlus, *B_PromienMinus, *B_OdsunPlus, *B_OdsunMinus,
        *B_GPromienPlus, *B_GPromienMinus;

    uint8_t Zmieniono = 0;

    void FormShow();
    void WprowadzClick();
    void Button3Click();
    void Button1Click();
    void B_UstawKolorkiDomyslneClick();
    void ShapeMouseDown(TKsztaltKoloru* ksztalt);
    void CB_IloscWWChange();
    void E_RKeyPress() { Zmieniono = 1; }
    void CB_Strz1Click() { Zmieniono = 1; }
    // The check on the window's texts (corrections written back).
    WynikKontroli SprawdzGeometrieRonda();
    void ZapiszGeometrieRonda(int rekord);
    // Check, and when it passes, store and redraw; true when stored.
    bool ZastosujGeometrieRonda(int rekord);
    // A step of 0.1 over a column of edits (or the island radius alone).
    void Krok(std::array<QLineEdit*, 5>* kolumna, QLineEdit* pole, double krok, const char* blad);

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    int Rekord() const;
    // The number edits' texts as typed.
    TekstyGeometriiRonda TekstyOkna() const;
    // Check, mark entered, store when changed; false after the check's message.
    bool Zatwierdz();
    void PokazRamiona(int ramion);
    bool wypelnianie_ = false;
};

extern TGeometriaRondo* GeometriaRondo;
