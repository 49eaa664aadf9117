// The manual has a section for every window of the program: each window's
// title stands, in quotes, in one of the manual's headings; and the manual
// built with the program is a PDF file with a picture for every section.

#include <QDialog>
#include <QFile>
#include <QRegularExpression>

#include "pomoc.h"
#include "shell/Okna.h"
#include "tools/instrukcja/TekstInstrukcji.h"

namespace {

QStringList Naglowki()
{
    QFile f(QStringLiteral(KG_INSTRUKCJA_MD));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList w;
    for (const QString& linia : TekstInstrukcji(QString::fromUtf8(f.readAll())).split('\n'))
        if (linia.startsWith('#'))
            w << linia;
    return w;
}

TEST_F(ProgramTest, InstrukcjaMaRozdzialDlaKazdegoOkna)
{
    // The main window's own caption, before a project's path takes its place.
    UtworzOkna();
    QStringList tytuly{Form1->windowTitle()};
    EXPECT_TRUE(tytuly[0].startsWith("KARTOGRAM "));
    for (const QDialog* okno : Form1->findChildren<QDialog*>())
        if (!okno->windowTitle().isEmpty())
            tytuly << okno->windowTitle();
    EXPECT_GE(tytuly.size(), 20);
    const QStringList naglowki = Naglowki();
    for (const QString& tytul : tytuly) {
        const QString wCudzyslowie = QString::fromUtf8("„") + tytul + QString::fromUtf8("”");
        EXPECT_EQ(naglowki.filter(wCudzyslowie).size(), 1) << tytul.toStdString();
    }
    // Every window section has its picture.
    QFile f(QStringLiteral(KG_INSTRUKCJA_MD));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString tekst = QString::fromUtf8(f.readAll());
    EXPECT_GE(tekst.count(QRegularExpression("!\\[[^]]*\\]\\(zrzuty/[a-z_]+\\.png\\)")), tytuly.size());
}

TEST(Instrukcja, ZbudowanaZObrazamiOkien)
{
    const std::string pdf = std::string(KG_BUILD_DIR) + "/Instrukcja/Instrukcja.pdf";
    const std::string tresc = CzytajPlik(pdf);
    ASSERT_EQ(tresc.rfind("%PDF-", 0), 0u);
    EXPECT_GE(StronyPdf(pdf), 8);
    EXPECT_GE(QDir(QStringLiteral(KG_BUILD_DIR "/Instrukcja/zrzuty")).entryList({"*.png"}).size(), 20);
}

} // namespace
