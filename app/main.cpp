// Kartogram: junction flow diagrams for traffic engineers.
#include <QApplication>

#include "base/Wersja.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/KatalogUzytkownika_qt.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/KursorCzekania.h"
#include "platform/qt/TlumaczenieQt.h"
#include "shell/Aplikacja.h"
#include "shell/Okna.h"
#include "shell/TForm1.h"

int main(int argc, char** argv)
{
    Aplikacja app(argc, argv);
    QApplication::setApplicationName("Kartogram");
    QApplication::setApplicationVersion(QString::fromUtf8(WersjaProgramu.data(), WersjaProgramu.size()));
    UstawKatalogUzytkownikaSystemowy();
    PokazujCzekanieNaKolejKursorem();
    ZaladujTlumaczenieQt();
    UtworzOkna();
    Form1->show();
    // A project named on the command line (the desktop opens a .rup so), by
    // the bytes it was given: a name that is no UTF-8 opens too.
    if (argc > 1)
        Form1->OtworzOstatniProjekt(SciezkaZWywolania(argv[1]));
    const int wynik = app.exec();
    ZniszczOkna();
    return wynik;
}
