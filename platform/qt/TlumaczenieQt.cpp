#include "platform/qt/TlumaczenieQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool ZaladujTlumaczenieQt()
{
    // One translator for the whole run: "qt_pl" gathers Qt's modules
    // (qtbase_pl holds the dialogs' texts).
    static QTranslator* tlumacz = nullptr;
    if (tlumacz)
        return true;
    auto* nowy = new QTranslator(QCoreApplication::instance());
    const QString katalog = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!nowy->load(QStringLiteral("qt_pl"), katalog) && !nowy->load(QStringLiteral("qtbase_pl"), katalog)) {
        delete nowy;
        return false;
    }
    QCoreApplication::installTranslator(nowy);
    tlumacz = nowy;
    return true;
}
