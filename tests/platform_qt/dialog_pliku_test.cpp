// Qt's file dialogs for a folder Qt cannot name (a name in Windows-1250, no
// UTF-8, as an old archive unpacks): they start in its nearest folder above
// that Qt can name and that is there, never in the working folder.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

TEST(DialogPliku, FolderSpozaUtf8ZaczynaWNajblizszymNadNim)
{
    namespace fs = std::filesystem;
    QTemporaryDir tmp;
    const fs::path baza = SciezkaZQString(tmp.path());
    const fs::path folder = baza / "Kat_\xA3\xF3\x64\x9F";   // "Kat_Łódź"
    fs::create_directories(folder / "Projekty");
    // Qt cannot name the folder to remove it with the test's folder.
    const struct Usun {
        fs::path folder;
        ~Usun() { std::error_code ec; fs::remove_all(folder, ec); }
    } usun{folder};

    const std::string nad = tmp.path().toStdString();
    EXPECT_EQ(KatalogDialoguQt(baza.native()).toStdString(), nad);
    EXPECT_EQ(KatalogDialoguQt(folder.native()).toStdString(), nad);
    EXPECT_EQ(KatalogDialoguQt((folder / "Projekty").native() + "/").toStdString(), nad);
    EXPECT_EQ(KatalogDialoguQt((baza / "brak" / "ani").native()).toStdString(), nad) << "a folder gone";

    // The save dialog itself, its proposal taken by Enter.
    QString pokazany, proponowany;
    QTimer czekaj;
    QObject::connect(&czekaj, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        czekaj.stop();
        pokazany = dialog->directory().absolutePath();
        if (auto* nazwa = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            proponowany = nazwa->text();
            QTest::keyClick(nazwa, Qt::Key_Return);
        }
        if (dialog->isVisible())
            dialog->reject();  // the test fails below; the dialog must not stay
    });
    czekaj.start(20);
    const std::string wybrany = Dialogi().ZapiszPlik("", "Plik PDF|*.pdf", folder.native(), "węzeł.pdf", "pdf");
    EXPECT_EQ(pokazany.toStdString(), nad) << "never the working folder";
    EXPECT_EQ(proponowany.toStdString(), "węzeł.pdf");
    EXPECT_EQ(wybrany, (baza / "węzeł.pdf").native());
}
