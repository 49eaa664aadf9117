#include "platform/qt/Schowek.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

bool KopiujObrazDoSchowka(const QImage& obraz)
{
    if (obraz.isNull() || !QGuiApplication::instance())
        return false;
    QClipboard* schowek = QGuiApplication::clipboard();
    if (!schowek)
        return false;
    schowek->setImage(obraz);
    return true;
}
