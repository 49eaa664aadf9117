// Kartogram: junction flow diagrams for traffic engineers.
#include <QApplication>

#include "base/Wersja.h"
#include "platform/qt/KatalogUzytkownika_qt.h"
#include "platform/qt/Kodowanie_qt.h"
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
    ZaladujTlumaczenieQt();
    UtworzOkna();
    Form1->show();
    // A project named on the command line (the desktop opens a .rup so).
    if (QApplication::arguments().size() > 1)
        Form1->OtworzOstatniProjekt(SciezkaZQString(QApplication::arguments().at(1)));
    const int wynik = app.exec();
    ZniszczOkna();
    return wynik;
}
