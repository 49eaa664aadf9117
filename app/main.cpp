// Kartogram: junction flow diagrams for traffic engineers.
#include "platform/qt/TlumaczenieQt.h"
#include "shell/Aplikacja.h"
#include "shell/Okna.h"
#include "shell/TForm1.h"

int main(int argc, char** argv)
{
    Aplikacja app(argc, argv);
    ZaladujTlumaczenieQt();
    UtworzOkna();
    Form1->show();
    const int wynik = app.exec();
    ZniszczOkna();
    return wynik;
}
