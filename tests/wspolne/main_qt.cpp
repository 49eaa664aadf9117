// Test main for the programs that need a Qt application (canvas, fonts,
// windows). They run headless under the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <unistd.h>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/qt/TlumaczenieQt.h"

int main(int argc, char** argv)
{
#ifdef KG_EKRAN_SZEROKOSC
    // One screen of the given size (a small laptop's), whatever the caller
    // set, but for an X display of that size asked for by name (a virtual
    // one with a window manager, for the windows' frames and placement).
    const bool x11 = QByteArray(std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "").startsWith("xcb");
    const QString konfiguracja = QDir::temp().filePath(QStringLiteral("kg_ekran_%1.json").arg(getpid()));
    {
        QFile plik(konfiguracja);
        if (plik.open(QIODevice::WriteOnly))
            plik.write(QStringLiteral(R"({"screens": [{"name": "ekran", "x": 0, "y": 0, "width": %1, "height": %2, )"
                                      R"("logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                           .arg(KG_EKRAN_SZEROKOSC)
                           .arg(KG_EKRAN_WYSOKOSC)
                           .toUtf8());
    }
    if (!x11)
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + konfiguracja).toLocal8Bit().constData(), 1);
#else
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
#endif
    QApplication app(argc, argv);
    // The standard dialogs speak Polish, as in the program.
    ZaladujTlumaczenieQt();
    ::testing::InitGoogleTest(&argc, argv);
    const int wynik = RUN_ALL_TESTS();
#ifdef KG_EKRAN_SZEROKOSC
    QFile::remove(konfiguracja);
#endif
    return wynik;
}
