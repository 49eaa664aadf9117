// The manual has a section for every window of the program: each window's
// title stands, in quotes, in one of the manual's headings; every menu and
// command it quotes is there; and the manual built with the program is a
// PDF file with a picture for every section.

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QSet>

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
    Uruchom();
    QStringList tytuly;
    for (const QDialog* okno : Form1->findChildren<QDialog*>())
        if (!okno->windowTitle().isEmpty())
            tytuly << okno->windowTitle();
    EXPECT_GE(tytuly.size(), 19);
    const QStringList naglowki = Naglowki();
    // The main window's caption is the project's path, so its section is
    // named without it and quotes what a started program shows.
    EXPECT_EQ(naglowki.filter(QRegularExpression("^## Okno główne$")).size(), 1);
    EXPECT_EQ(Form1->windowTitle(), "...");
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

// A window's commands: its actions, buttons and tabs, as the user reads
// them (without the accelerator's "&").
QSet<QString> Polecenia(const QWidget* okno)
{
    QSet<QString> w;
    const auto dodaj = [&w](QString t) { w.insert(t.remove('&').trimmed()); };
    for (const QAction* a : okno->findChildren<QAction*>())
        dodaj(a->text());
    for (const QAbstractButton* b : okno->findChildren<QAbstractButton*>())
        dodaj(b->text());
    for (const QTabWidget* t : okno->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            dodaj(t->tabText(i));
    return w;
}

// The main window's menus by title, each with its commands.
QMap<QString, QSet<QString>> Menu()
{
    QMap<QString, QSet<QString>> w;
    for (const QAction* a : Form1->menuBar()->actions())
        if (const QMenu* m = a->menu()) {
            QSet<QString>& polecenia = w[QString(m->title()).remove('&')];
            for (const QAction* p : m->actions())
                polecenia.insert(QString(p->text()).remove('&'));
        }
    return w;
}

// The quotes of a list that follows a keyword: „A”, „B” (a note) i „C”.
QStringList Lista(const QString& tekst, qsizetype od)
{
    static const QRegularExpression element(QString::fromUtf8(
        "^(?:, | i | oraz )?„([^”]+)”(?: \\([^)]*\\))?"));
    QStringList w;
    for (auto m = element.match(tekst.mid(od)); m.hasMatch(); m = element.match(tekst.mid(od))) {
        w << m.captured(1);
        od += m.capturedLength(0);
    }
    return w;
}

// Every menu the manual names („menu „Pliki””) is a menu of the main
// window, every window it names („okno „Opis””) is a window's caption,
// every command and page it names (after „polecenie”, „przycisk”,
// „zakładka” and their forms, and the lists that follow) is a command or a
// page of the window whose section names it (the main window's outside the
// window sections) or of the window last named before it in the
// paragraph, and a menu said to hold commands („menu „Pliki” zawiera
// polecenia ...”) holds them.
TEST_F(ProgramTest, InstrukcjaNazywaIstniejaceMenuIPolecenia)
{
    UtworzOkna();
    QMap<QString, const QWidget*> okna{{Form1->windowTitle(), Form1}};
    for (const QDialog* okno : Form1->findChildren<QDialog*>())
        okna[okno->windowTitle()] = okno;
    const QMap<QString, QSet<QString>> menu = Menu();
    EXPECT_TRUE(menu.contains("Pliki"));

    QFile f(QStringLiteral(KG_INSTRUKCJA_MD));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // Sections by their headings; a window's section names its window.
    static const QRegularExpression okno(QString::fromUtf8("^## Okno (?:główne )?„([^”]+)”"));
    static const QRegularExpression slowo(QString::fromUtf8(
        "(?:^|[ (])([Mm]enu|[Oo]kn(?:o|a|ie|em)|[Pp]olecen(?:ie|ia|iem|iami)|[Pp]rzycisk(?:i|iem|ami)?|"
        "[Zz]akładk(?:a|i|ę|ą|ce)) (?=„)"));
    static const QRegularExpression menuZawiera(QString::fromUtf8("[Mm]enu „([^”]+)” zawiera polecenia (?=„)"));
    int menuNazwanych = 0, polecenNazwanych = 0, oknNazwanych = 0;
    const QWidget* sekcji = Form1;
    for (const QString& akapit : TekstInstrukcji(QString::fromUtf8(f.readAll())).split("\n\n")) {
        if (akapit.startsWith('#')) {
            const auto m = okno.match(akapit);
            sekcji = m.hasMatch() ? okna.value(m.captured(1), nullptr) : Form1;
            ASSERT_NE(sekcji, nullptr) << akapit.toStdString();
            continue;
        }
        const QString tekst = QString(akapit).replace(QRegularExpression("\\s+"), " ");
        const QSet<QString> polecenia = Polecenia(sekcji);
        QSet<QString> poleceniaOkna;     // of the window the paragraph named last
        for (auto it = slowo.globalMatch(tekst); it.hasNext();) {
            const auto m = it.next();
            const QString rodzaj = m.captured(1).toLower();
            for (const QString& nazwa : Lista(tekst, m.capturedEnd(0))) {
                if (rodzaj == "menu") {
                    ++menuNazwanych;
                    EXPECT_TRUE(menu.contains(nazwa)) << "menu " << nazwa.toStdString();
                } else if (rodzaj.startsWith("okn")) {
                    ++oknNazwanych;
                    const QWidget* nazwane = okna.value(nazwa, nullptr);
                    EXPECT_NE(nazwane, nullptr) << "window " << nazwa.toStdString();
                    poleceniaOkna = nazwane ? Polecenia(nazwane) : QSet<QString>{};
                } else {
                    ++polecenNazwanych;
                    EXPECT_TRUE(polecenia.contains(nazwa) || poleceniaOkna.contains(nazwa))
                        << nazwa.toStdString() << " in " << sekcji->windowTitle().toStdString();
                }
            }
        }
        for (auto it = menuZawiera.globalMatch(tekst); it.hasNext();) {
            const auto m = it.next();
            for (const QString& nazwa : Lista(tekst, m.capturedEnd(0)))
                EXPECT_TRUE(menu.value(m.captured(1)).contains(nazwa))
                    << nazwa.toStdString() << " in menu " << m.captured(1).toStdString();
        }
    }
    EXPECT_GE(menuNazwanych, 4);
    EXPECT_GE(polecenNazwanych, 30);
    EXPECT_GE(oknNazwanych, 10);
}

TEST(Instrukcja, ZbudowanaZObrazamiOkien)
{
    const std::string pdf = std::string(KG_BUILD_DIR) + "/Instrukcja/Instrukcja.pdf";
    const std::string tresc = CzytajPlik(pdf);
    ASSERT_EQ(tresc.rfind("%PDF-", 0), 0u);
    EXPECT_GE(StronyPdf(pdf), 8);
    EXPECT_GE(QDir(QStringLiteral(KG_BUILD_DIR "/Instrukcja/zrzuty")).entryList({"*.png"}).size(), 20);
    // Every page has text of its own beside its number: no picture stands
    // alone on a page, away from the words that introduce it.
    for (int strona = 1; strona <= StronyPdf(pdf); ++strona) {
        QProcess p;
        p.start("pdftotext", {"-f", QString::number(strona), "-l", QString::number(strona), QString::fromStdString(pdf), "-"});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString tekst = QString::fromUtf8(p.readAllStandardOutput()).simplified();
        EXPECT_GT(tekst.size(), QString::number(strona).size() + 40) << "page " << strona << ": " << tekst.toStdString();
    }
}

} // namespace
