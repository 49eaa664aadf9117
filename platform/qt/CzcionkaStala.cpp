#include "platform/qt/CzcionkaStala.h"

#include <QFontDatabase>
#include <QFontInfo>

QFont CzcionkaStalejSzerokosci(int punkty)
{
    QFont f(QStringLiteral("Courier New"), punkty);
    f.setStyleHint(QFont::TypeWriter);
    // A missing family is silently replaced by another, not always a fixed one.
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSize(punkty);
    }
    return f;
}
