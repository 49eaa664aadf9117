#pragma once
// The global drawing settings window "Ustawienia globalne": the settings
// record wg and the two global size tables, the sheet, the font and the
// band-width and crossing-width rules.

#include <QDialog>
#include <memory>
#include <string>

#include "shell/Kontrolki.h"

class TUstawyGlobalne : public QDialog, public TKontrolkiStylu, public TKontrolkiPrzejsc {
    Q_OBJECT
public:
    explicit TUstawyGlobalne(QWidget* rodzic = nullptr);
    ~TUstawyGlobalne() override;

    QLabel* OpisArkusz;
    QRadioButton *RB_AutoArkusz, *RB_ArkuszA4, *RB_ArkuszA3, *RB_ArkuszA2, *RB_RecznieArkusz;
    QLineEdit *E_BArkuszUser, *E_HArkuszUser;
    QComboBox* ComboCzcionka;
    QCheckBox* CB_TrueType;
    QLabel* L_DxfNazwa;  // hidden: carries the DXF name
    QRadioButton *RB_Automatycznie, *RB_Maxszerokosc, *RB_pojazdow100;
    QLineEdit *E_MinPojazd, *E_MaxSzer, *E_Pojazd100;
    QPushButton *B_MaxSzer_Minus, *B_MaxSzer_Plus;
    QRadioButton *RB_PrzejAuto, *RB_PrzejMaxSzer, *RB_Przej100;
    QLineEdit *E_PrzejMaxSzer, *E_Przej100;
    QPushButton *B_PrzejMaxSzer_Minus, *B_PrzejMaxSzer_Plus;
    QLineEdit* E_PrzejL;
    QPushButton *B_wprowadz, *B_Przerys1, *Standard;
    QCheckBox* CB_Przeswit;
    QScrollBar* SB_Blend;
    std::unique_ptr<TKontrolkiRozmiarow> Rozmiary;

    void FormCreate();
    // The controls from the settings; what the project file keeps of them
    // now is what a later apply is measured against.
    void WypelnijUstawienia();
    // False, with the message, when an edit is refused; nothing is stored then.
    bool ZastosujUstawienia();
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

    // Closing by any way keeps what the controls that apply at once
    // stored, and marks it.
    void done(int wynik) override;

private:
    std::string nastawyPrzedEdycja_;
    void WypelnijKontrolki();
    // The project marked changed when the settings as its file keeps them
    // differ from those the window was filled with.
    void OznaczZmianeUstawien() const;
    // The font file of `nazwa`; true when it was there and read.
    bool WczytajCzcionke(const QString& nazwa);
};

extern TUstawyGlobalne* UstawyGlobalne;
