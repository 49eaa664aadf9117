#pragma once
// The counted volumes of one inlet of the current count: one row per vehicle
// class, one column per movement out of the inlet, and its crossing values.

#include <QDialog>
#include <array>
#include <vector>

#include "counts/SchematWlotu.h"
#include "counts/TPojazdyTabela.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TSiatka;

class TNatezeniaTabela : public QDialog {
    Q_OBJECT
public:
    explicit TNatezeniaTabela(QWidget* rodzic = nullptr);

    QLabel* L_NrWlot;                       // hidden: the inlet to show
    TSiatka* SG_Tabela;
    std::array<QLabel*, 4> L_Przej;         // L_Przej1..4
    // E_Przej11, E_Przej12, E_Przej21 ... E_Przej42: category k, direction d.
    std::array<QLineEdit*, 8> E_Przej;
    QLabel* strzalki1;                      // the picture of the two directions
    QLabel* Schemat;                        // the sketch of the inlet's movements
    QPushButton* B_Wprowadz;
    QPushButton* B_Rezygnuj;

    int BiezacyWlot = 1;
    // The movements shown, in column order from column 2.
    std::vector<KolumnaWlotu> Kolumny;

    // Fills the window for the inlet in L_NrWlot (also on every show).
    void PokazTabele();
    WynikSprawdzenia SprawdzTabeleNatezen();
    void RysujSchemat();

    void B_WprowadzClick();
    void B_RezygnujClick();

    // Closing without storing, by "Rezygnuj" or the frame.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    uint8_t zmienionyPrzed_ = 0;
};

extern TNatezeniaTabela* NatezeniaTabela;
