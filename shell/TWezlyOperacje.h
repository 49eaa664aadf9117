#pragma once
// The node window "Właściwości węzła." (a node's name, position, title and
// its own display settings) and the node operations of the main window's
// edit modes: insert, move, delete.

#include <QDialog>
#include <array>
#include <memory>

#include "shell/TForm1.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class TKontrolkiRozmiarow;
class TKsztaltKoloru;

class TWezlyOperacje : public QDialog {
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
    QComboBox *CB_HTytul, *CB_GrLinie;
    QRadioButton *RB_lewy, *RB_centrum, *RB_prawy;
    QRadioButton *RB_Standard, *RB_TylkoSuma, *RB_TabelkaWW;
    QCheckBox *CB_RysujProcenty, *CB_RysujOznaczenie, *CB_Pisz0Zawrotki, *CB_Rysuj0Natezenia;
    QCheckBox *CB_PiszSume, *CB_PiszStruk, *CB_PiszZeraStruk, *CB_Globalne;
    TKsztaltKoloru *SLinie, *SWypel, *SOpisy, *STytul;
    std::array<QCheckBox*, 4> CB_Rysuj{};   // CB_RysujPiesi, CB_RysujRower, CB_RysujInne1, CB_RysujInne2
    std::array<QCheckBox*, 4> CB_Suma{};    // CB_SumaPiesi, CB_SumaRowery, CB_SumaInne1, CB_SumaInne2
    std::array<QLineEdit*, 4> E_Nazwy{};    // E_piesi, E_Rowery, E_Inne1, E_Inne2
    std::array<TKsztaltKoloru*, 4> S_Przejscia{};  // S_Piesi, S_Rower, S_Inne1, S_Inne2
    std::array<QLineEdit*, 5> E_L{};        // E_L1 .. E_L5
    QCheckBox *CB_RysujLegPrzej, *CB_RysujLegStruk;
    QLineEdit *E_LPdx, *E_LPdy, *E_LSdx, *E_LSdy;
    QPushButton *B_WspXPlus, *B_WspXMinus, *B_WspYPlus, *B_WspYMinus;
    QPushButton *B_Powrot, *B_Przerys, *BResetSzablon;
    QCheckBox* CB_Przeswit;
    QScrollBar* SB_Blend;
    std::unique_ptr<TKontrolkiRozmiarow> Rozmiary;

    void FormShow();
    void ZapiszUstawieniaWezla();
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
    void PokazTabelke();
    void OznaczNieobliczone(int32_t wezel);
};

extern TWezlyOperacje* WezlyOperacje;
