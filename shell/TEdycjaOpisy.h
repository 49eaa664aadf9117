#pragma once
// The description window "Opisy": enters a free text of the sheet or changes
// a placed one (text, sizes, pen width, colour, angle, position, variants).

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TKsztaltKoloru;

class TEdycjaOpisy : public QDialog {
    Q_OBJECT
public:
    explicit TEdycjaOpisy(QWidget* rodzic = nullptr);

    QLineEdit* E_txt;
    QComboBox *CB_sx, *CB_sy, *CB_Grubosci;
    TKsztaltKoloru* S_kol;
    QRadioButton *RBPion, *RBPoziom, *RBRecznie;
    QLineEdit* Kat;
    QLineEdit *E_x, *E_y;
    QPushButton* Wskazanie;
    QRadioButton *RB_ArkAktualny, *RB_ArkWszystkie;
    QPushButton *B_Wprowadz, *Powrot;

    void B_WprowadzClick();
    void WskazanieClick();
    void S_kolMouseDown();
    void PowrotClick();

    // The window prepared by the main window: for a new description, and
    // for a change of description `indeks`.
    void PrzygotujNowy();
    void PrzygotujZmiane(int32_t indeks);

    // Every check in turn; false with the message of the last that failed
    // (Windows-1250).
    bool SprawdzOpis(std::string& komunikat);

private:
    float KatWybrany(float zamiast) const;
    int32_t zmieniany_ = -1;
};

extern TEdycjaOpisy* EdycjaOpisy;
