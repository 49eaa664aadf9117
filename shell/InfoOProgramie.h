#pragma once
// The about window: version, a small picture, who made the program, and two
// buttons that open the maker's mail address and web page.

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
    QPushButton* powrot;
    QPushButton* BitBtn1;   // mail
    QPushButton* Button1;   // web page

    void powrotClick();
    void BitBtn1Click();
    void Button1Click();

    static const char* AdresPoczty;
    static const char* StronaWww;
};

extern TInfoOProgramie* InfoOProgramie;

// The two lines that name the maker, shared with the start picture.
QString ProducentLinia1();
QString ProducentLinia2();
