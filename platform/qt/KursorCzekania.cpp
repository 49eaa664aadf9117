#include "platform/qt/KursorCzekania.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QThread>

#include "platform/ZapisBezpieczny.h"

void PokazujCzekanieNaKolejKursorem()
{
    PokazujCzekanieNaKolej([](bool czeka) {
        // The cursor is the windows' thread's alone: a save elsewhere waits
        // unseen (and its end restores nothing it did not set).
        const QCoreApplication* aplikacja = QCoreApplication::instance();
        if (!aplikacja || QThread::currentThread() != aplikacja->thread())
            return;
        if (czeka)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QGuiApplication::restoreOverrideCursor();
    });
}
