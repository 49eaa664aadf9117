#pragma once
// The junction geometry window: arm angles, texts and switches, the band
// geometry globally or per arm, the turn corrections and the relation
// colours of one junction node, stored into the node's diagram of every
// variant. The record's index comes in L_NrRupl.

#include <QDialog>
#include <array>

#include "junction_forms/GeometriaWezla.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class TKsztaltKoloru;

class TGeometriaRuchoplan : public QDialog {
    Q_OBJECT
public:
    explicit TGeometriaRuchoplan(QWidget* rodzic = nullptr);

    QLabel* L_NrRupl;
    QTabWidget* PageControl1;
    // Page "Ogólnie", arm k at [k - 1].
    std::array<QGroupBox*, 4> Jezdnia{};   // JezdniaS, JezdniaE, JezdniaN, JezdniaW
    std::array<QLineEdit*, 4> alfa{};
    std::array<QCheckBox*, 4> Wylacz{};
    std::array<QLineEdit*, 8> tekst{};     // tekst11, tekst12, tekst21 ...
    std::array<QLineEdit*, 4> E_ozn{};
    std::array<QCheckBox*, 4> Strz{};
    std::array<QCheckBox*, 4> Przejscie{};
    std::array<TKsztaltKoloru*, 16> Shape{};  // Shape11 .. Shape44
    TKsztaltKoloru* Shape_wypel;
    QPushButton* B_WstawWypelenienieDefault;
    // Page "Parametry graficzne": group 0 the global edits (E_o, E_l, E_dL,
    // E_Rp, E_Rl, E_z), group k arm k's (Ek_O, Ek_L, Ek_dL, Ek_Rp, Ek_Rl, Ek_z).
    QRadioButton* RB_Globalne;
    QRadioButton* RB_Lokalne;
    std::array<std::array<QLineEdit*, PolGrupy>, GrupGeometrii> Pola{};
    std::array<QGroupBox*, 4> GB_WW{};
    QGroupBox* GB_Globalne;
    std::array<QLabel*, 4> Lrp{}, Lrl{}, Lrpop{}, Llpop{};   // Lk_rp, Lk_rl, Lk_rpop, Lk_lpop
    QLabel *L_Rpop, *L_Lpop, *PP12, *PP23, *PP34, *PP41, *LL14, *LL21, *LL32, *LL43;
    QCheckBox *CB_S, *CB_E, *CB_N, *CB_W;
    QPushButton *B_OMinus, *B_OPlus, *B_LMinus, *B_LPlus, *B_RMinus, *B_RPlus, *B_LLMinus, *B_LLPlus, *B_ZMinus,
        *B_ZPlus, *B_PomMinus, *B_PomPlus;
    QPushButton *B_WGlobalnePlus, *B_WGlobalneMinus, *B_KopiujlGlobalneDoLokalnych, *B_ResetWlasnosciGlobalne;
    QPushButton *LL1, *LL2, *PP1, *PP2;
    // Below the pages.
    QPushButton* B_Wprowadz;   // "Powrót"
    QPushButton* Button5;      // "Przerys"
    QPushButton* B_WlaczPaski;
    QCheckBox* CB_Przeswit;
    QScrollBar* SB_Blend;

    uint8_t GeometriaZmieniona = 0;
    float KrokZmiany = 0.1f;

    void FormShow();
    void UstawTrybParametrow();
    void PokazPoprawki(float r, float l);
    WynikKontroli SprawdzKatyOkna();
    WynikKontroli SprawdzParametryOkna();
    // False (storing nothing) when an angle or a band value is no number.
    bool ZapiszGeometrie();
    void ZastosujGeometrie();

    // The slider window's setters: arm 0 the global edit, 1..4 the arm's.
    void UstawOdsuniecie(int pozycja, int ramie);
    void UstawDlugosc(int pozycja, int ramie);
    void UstawDlugoscPom(int pozycja, int ramie);
    void UstawPromienPrawoskretu(int pozycja, int ramie);
    void UstawPromienLewoskretu(int pozycja, int ramie);
    void UstawZawrotke(int pozycja, int ramie);

    void B_WprowadzClick();
    void Button5Click();
    void WylaczClick(int ramie);
    void RB_GlobalneMouseUp();
    void ShapeMouseDown(TKsztaltKoloru* ksztalt);
    void B_WstawWypelenienieDefaultClick();
    void CB_PrzeswitClick();
    void SB_BlendChange();
    void PageControl1Change();
    void B_WlaczPaskiClick();
    // Step buttons: the row (a PoleGrupy) and the direction of the press.
    void KrokRamion(PoleGrupy pole, bool plus);
    void B_WGlobalneMinusClick();
    void B_WGlobalnePlusClick();
    void LL1Click();
    void LL2Click();
    void PP1Click();
    void PP2Click();
    void B_ResetWlasnosciGlobalneClick();
    void B_KopiujlGlobalneDoLokalnychClick();

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    int Rekord() const;
    bool SprawdzZKomunikatami();
    // Marks the node entered and stores when something was changed.
    void Zatwierdz();
    void WlaczWszystkieJezdnie();
    void Poprawka(KrokPoprawki krok);
    void Ustaw(PoleGrupy pole, int pozycja, int ramie, const char* maska);
    bool wypelnianie_ = false;
};

extern TGeometriaRuchoplan* GeometriaRuchoplan;
