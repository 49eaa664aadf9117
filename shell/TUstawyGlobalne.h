#pragma once
// The global drawing settings window "Ustawienia globalne": the settings
// record wg and the two global size tables, the sheet, the font and the
// band-width and crossing-width rules.

#include <QDialog>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class TKontrolkiRozmiarow;
class TKsztaltKoloru;

class TUstawyGlobalne : public QDialog {
    Q_OBJECT
public:
    explicit TUstawyGlobalne(QWidget* rodzic = nullptr);
    ~TUstawyGlobalne() override;

    QLabel* OpisArkusz;
    QRadioButton *RB_AutoArkusz, *RB_ArkuszA4, *RB_ArkuszA3, *RB_ArkuszA2, *RB_RecznieArkusz;
    QLineEdit *E_BArkuszUser, *E_HArkuszUser;
    QRadioButton *RB_Standard, *RB_TylkoSuma, *RB_TabelkaWW;
    QCheckBox *CB_PiszSume, *CB_PiszStruk, *CB_PiszZeraStruk;
    QCheckBox *CB_RysujProcenty, *CB_RysujOznaczenie, *CB_Rysuj0Zawrotki, *CB_Rysuj0Natezenia;
    QComboBox* CB_GrLinie;
    TKsztaltKoloru *S_Linie, *SWypel, *SOpisy, *Stytul;
    QComboBox* ComboCzcionka;
    QCheckBox* CB_TrueType;
    QRadioButton *RB_Automatycznie, *RB_Maxszerokosc, *RB_pojazdow100;
    QLineEdit *E_MinPojazd, *E_MaxSzer, *E_Pojazd100;
    QPushButton *B_MaxSzer_Minus, *B_MaxSzer_Plus;
    QRadioButton *RB_PrzejAuto, *RB_PrzejMaxSzer, *RB_Przej100;
    QLineEdit *E_PrzejMaxSzer, *E_Przej100;
    QPushButton *B_PrzejMaxSzer_Minus, *B_PrzejMaxSzer_Plus;
    std::array<QLineEdit*, 4> E_Nazwy{};            // E_piesi, E_Rowery, E_Inne1, E_Inne2
    std::array<QCheckBox*, 4> CB_Rysuj{};           // CB_RysujPiesi, CB_RysujRowery, CB_RysujInne1, CB_RysujInne2
    std::array<QCheckBox*, 4> CB_Suma{};            // CB_SumaPiesi .. CB_SumaInne2
    std::array<TKsztaltKoloru*, 4> S_Przejscia{};   // S_Piesi, S_Rowery, S_Inne1, S_Inne2
    QLineEdit* E_PrzejL;
    QCheckBox *CB_RysujLegPrzej, *CB_RysujLegStruk;
    QLineEdit *E_LPdx, *E_LPdy, *E_LSdx, *E_LSdy;
    QPushButton *B_wprowadz, *B_Przerys1, *Standard;
    QCheckBox* CB_Przeswit;
    QScrollBar* SB_Blend;
    std::unique_ptr<TKontrolkiRozmiarow> Rozmiary;

    // Something was edited since the window was filled.
    bool ZmianyUstawien = false;

    void FormCreate();
    void WypelnijUstawienia();
    void ZastosujUstawienia();
    void ZapiszLegendeGlobalna();
    void ZapiszOpisyGlobalne();
    void StandardClick();
    void ComboCzcionkaChange();
    void B_wprowadzClick();
    void B_Przerys1Click();
    void RegulaPaskowClick();
    void RegulaPrzejscClick();
    void ArkuszClick();
    // The width step buttons: a text that is no number changes nothing.
    void KrokSzerokosci(QLineEdit* pole, double krok);
    void KsztaltClick(TKsztaltKoloru* ksztalt);
    void PrzelacznikMouseUp();

private:
    // The font file of `nazwa`; true when it was there and read.
    bool WczytajCzcionke(const QString& nazwa);
};

extern TUstawyGlobalne* UstawyGlobalne;
