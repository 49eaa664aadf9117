// Kartogram: junction flow diagrams for traffic engineers.
#include <QApplication>

#include "platform/qt/TlumaczenieQt.h"
#include "shell/Okna.h"
#include "shell/TForm1.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ZaladujTlumaczenieQt();
    UtworzOkna();
    Form1->show();
    const int wynik = app.exec();
    ZniszczOkna();
    return wynik;
}
