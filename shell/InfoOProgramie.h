#pragma once
// The about window: name and version, build date, licence and a small
// picture. The project has no mail address or web page of its own, so the
// window has no buttons that would open one.

#include <QDialog>

class QLabel;
class QPushButton;

class TInfoOProgramie : public QDialog {
    Q_OBJECT
public:
    explicit TInfoOProgramie(QWidget* rodzic = nullptr);

    QLabel* NrWersja;
    QLabel* Obraz;
    QLabel* L_Autor;
    QLabel* L_Kompilacja;
    QLabel* L_Licencja;
    QPushButton* powrot;

    void powrotClick();
};

extern TInfoOProgramie* InfoOProgramie;

// The two lines that name the program, shared with the start picture.
QString ProducentLinia1();
QString ProducentLinia2();

// The licence lines of the about window.
QString LicencjaProgramu();
