#pragma once
// The clipboard window "Kopiuj do schowka": a rectangle of the current
// variant's sheet, its resolution and background, copied to the clipboard
// as a bitmap. The settings belong to the project and are saved with it.

#include <QDialog>
#include <QImage>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TKsztaltKoloru;

class TKopiujSchowek : public QDialog {
    Q_OBJECT
public:
    explicit TKopiujSchowek(QWidget* rodzic = nullptr);

    QLineEdit *E_x1, *E_x2, *E_y1, *E_y2;
    QComboBox* CB_IlPktCm;
    QLabel* L_OpisRozmiar;
    TKsztaltKoloru* ShapeTlo;
    QCheckBox* CB_Zamknij;
    QPushButton *Button1, *B_kopiuj, *B_Powrot;

    void FormShow();
    void CB_IlPktCmChange();
    void CB_IlPktCmKeyPress();
    void ShapeTloMouseDown();
    void Button1Click();
    void B_kopiujClick();
    void B_PowrotClick();

    // The controls read into the project's clipboard settings and the size
    // label refreshed; false with the message (Windows-1250), which the
    // label then shows.
    bool OdswiezRozmiarSchowka(std::string& komunikat);

    // The bitmap the last copy put on the clipboard.
    QImage OstatniaKopia;

protected:
    void showEvent(QShowEvent* e) override;
};

extern TKopiujSchowek* KopiujSchowek;
