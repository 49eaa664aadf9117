#include "platform/qt/CzcionkaStala.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

namespace {

// Whether every glyph a report uses advances alike. The font's fixed-pitch
// flag is not asked: monospaced faces with a few wide glyphs (Noto Sans Mono)
// do not set it, and a missing family silently resolves to another one.
bool RowneSzerokosci(const QFont& f)
{
    const QFontMetricsF m(f);
    const qreal w = m.horizontalAdvance(QStringLiteral("M"));
    if (w <= 0.0)
        return false;
    for (const QString& znak : {QStringLiteral("i"), QStringLiteral("W"), QStringLiteral("."), QStringLiteral(" "),
                                QStringLiteral("1"), QStringLiteral("ę"), QStringLiteral("Ż"), QStringLiteral("ł")})
        if (m.horizontalAdvance(znak) != w)
            return false;
    return true;
}

QFont Kroj(const QString& rodzina, int punkty)
{
    QFont f(rodzina, punkty);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

} // namespace

QFont CzcionkaStalejSzerokosci(int punkty)
{
    QFont f = Kroj(QStringLiteral("Courier New"), punkty);
    if (RowneSzerokosci(f))
        return f;
    QFont systemowa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    systemowa.setPointSize(punkty);
    if (RowneSzerokosci(systemowa))
        return systemowa;
    for (const QString& rodzina : QFontDatabase::families()) {
        f = Kroj(rodzina, punkty);
        if (RowneSzerokosci(f))
            return f;
    }
    return systemowa;
}
