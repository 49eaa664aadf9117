#pragma once
// The node window "Właściwości węzła." (a node's name, position, title and
// its own display settings) and the node operations of the main window's
// edit modes: insert, move, delete.

#include <QDialog>
#include <array>
#include <memory>

#include "shell/Kontrolki.h"
#include "shell/TForm1.h"

class TWezlyOperacje : public QDialog, public TKontrolkiStylu, public TKontrolkiPrzejsc {
    Q_OBJECT
public:
    explicit TWezlyOperacje(QWidget* rodzic = nullptr);
    ~TWezlyOperacje() override;

    // Node operations (the window need not be shown).
    // Adds the pending node with the type of the armed insert mode; a place
    // too near another node is refused with the message and the mode stays.
    void DodajWezel(const TNowyWezel& nowy);
    // The name and position panels for the node picked to move.
    void PokazPanelWezla();
    // Moves the picked node to the pending position and name.
    void PrzesunWezel(const TNowyWezel& nowy);
    // Deletes the node picked for deletion with its diagrams and roundabouts.
    void UsunWskazanyWezel();

    QLabel* L_NrWezel;
    QLineEdit *E_OpisWezla, *E_WspX, *E_wspY;
    QLineEdit *Tytul1, *Tytul2, *Tytul3, *E_dx, *E_dy;
    QComboBox* CB_HTytul;
    QRadioButton *RB_lewy, *RB_centrum, *RB_prawy;
    QCheckBox* CB_Globalne;
    std::array<QLineEdit*, 5> E_L{};        // E_L1 .. E_L5
    QPushButton *B_WspXPlus, *B_WspXMinus, *B_WspYPlus, *B_WspYMinus;
    QPushButton *B_Powrot, *B_Przerys, *BResetSzablon;
    QCheckBox* CB_Przeswit;
    QScrollBar* SB_Blend;
    std::unique_ptr<TKontrolkiRozmiarow> Rozmiary;

    void FormShow();
    // False, with the message, when an edit is refused; nothing is stored then.
    bool ZapiszUstawieniaWezla();
    void B_PowrotClick();
    void B_PrzerysClick();
    void CB_GlobalneClick();
    void WlaczUstawieniaLokalne(bool wlacz);
    // A switch or button the user let go: store and redraw.
    void ZmianaIPrzerysowanie();
    void RB_TabelkaWWMouseUp();
    void KrokPozycji(QLineEdit* pole, double krok);
    void KsztaltClick(TKsztaltKoloru* ksztalt);
    void BResetSzablonClick();
    void CB_PrzeswitClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    int32_t Wezel() const;
    void OznaczNieobliczone(int32_t wezel);
};

extern TWezlyOperacje* WezlyOperacje;
