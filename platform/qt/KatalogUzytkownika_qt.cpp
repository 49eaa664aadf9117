#include "platform/qt/KatalogUzytkownika_qt.h"

#include <QStandardPaths>

#include "platform/KatalogProgramu.h"
#include "platform/qt/Kodowanie_qt.h"

void UstawKatalogUzytkownikaSystemowy()
{
    UstawKatalogUzytkownika(SciezkaZQString(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}
