// Qt's standard dialogs speak Polish once Qt's own translation is loaded
// (the test program loads it at start, as the program does).

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <gtest/gtest.h>

#include "platform/qt/TlumaczenieQt.h"

namespace {

// Every caption of the dialog's buttons and labels, without the
// accelerator marks.
QStringList Napisy(const QWidget& okno)
{
    QStringList wynik;
    for (const QAbstractButton* b : okno.findChildren<QAbstractButton*>())
        wynik << b->text().remove(QLatin1Char('&'));
    for (const QLabel* l : okno.findChildren<QLabel*>())
        wynik << l->text().remove(QLatin1Char('&'));
    wynik.removeAll(QString());
    return wynik;
}

} // namespace

TEST(TlumaczenieQt, OknaStandardowePoPolsku)
{
    ASSERT_TRUE(ZaladujTlumaczenieQt());
    EXPECT_TRUE(ZaladujTlumaczenieQt());  // a second call changes nothing

    QFileDialog plik(nullptr, QStringLiteral("Zapisz"));
    plik.setOption(QFileDialog::DontUseNativeDialog);
    plik.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList napisyPliku = Napisy(plik);
    EXPECT_TRUE(napisyPliku.contains(QStringLiteral("Anuluj"))) << napisyPliku.join('|').toStdString();
    EXPECT_TRUE(napisyPliku.contains(QStringLiteral("Zachowaj"))) << napisyPliku.join('|').toStdString();
    EXPECT_TRUE(napisyPliku.contains(QStringLiteral("Nazwa pliku:"))) << napisyPliku.join('|').toStdString();
    for (const char* angielski : {"Cancel", "Save", "File name:", "Look in:"})
        EXPECT_FALSE(napisyPliku.contains(QString::fromLatin1(angielski))) << angielski;

    QColorDialog kolor;
    kolor.setOption(QColorDialog::DontUseNativeDialog);
    const QStringList napisyKoloru = Napisy(kolor);
    EXPECT_TRUE(napisyKoloru.contains(QStringLiteral("Anuluj"))) << napisyKoloru.join('|').toStdString();
    EXPECT_FALSE(napisyKoloru.contains(QStringLiteral("Cancel")));
    EXPECT_FALSE(napisyKoloru.contains(QStringLiteral("Basic colors")));

    QPrinter drukarka;
    QPrintDialog druk(&drukarka);
    const QStringList napisyDruku = Napisy(druk);
    EXPECT_TRUE(napisyDruku.contains(QStringLiteral("Anuluj"))) << napisyDruku.join('|').toStdString();
    EXPECT_FALSE(napisyDruku.contains(QStringLiteral("Cancel")));
    EXPECT_FALSE(napisyDruku.contains(QStringLiteral("Print")));
}
