// The text reports' font: its columns line up whichever monospaced faces the
// system carries, with the system's fixed-pitch flags set or not. The test
// program runs twice: with the system's fonts and with the Noto faces hidden.

#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <gtest/gtest.h>

#include "platform/qt/CzcionkaStala.h"

TEST(CzcionkaStala, KolumnyRaportuRowne)
{
    const QFont f = CzcionkaStalejSzerokosci(12);
    EXPECT_EQ(f.pointSize(), 12);
    const QFontMetricsF m(f);
    // Lines of a count report, each 30 characters: they end in one column.
    const QStringList linie = {QString::fromUtf8("1. Osobowe .........        12"),
                               QString::fromUtf8("3. Ciężarowe z przyczepą     1"),
                               QString::fromUtf8("RAZEM  ...............  WWWWMM"),
                               QString::fromUtf8("iiiiiiiiiiiiiiiiiiiiiiiiiiiiii"),
                               QString::fromUtf8("Zażółć gęślą jaźń ŻÓŁĆ ĘŚĄŹŃ  ")};
    const qreal szerokosc = m.horizontalAdvance(linie.front());
    EXPECT_GT(szerokosc, 0.0);
    for (const QString& l : linie)
        EXPECT_EQ(m.horizontalAdvance(l), szerokosc) << l.toStdString() << " in " << QFontInfo(f).family().toStdString();
}
