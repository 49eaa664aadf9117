// The data windows on a 1366 x 768 screen, driven as a user drives them:
// where their texts stand and what they show after an earlier opening, a
// refusal or a save.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <string>

#include "junction_forms/OknaRuchoplanu.h"
#include "pomoc.h"

namespace {

// Picks a page by its tab, as the user does.
void KliknijZakladke(QTabWidget* strony, int indeks)
{
    auto* pasek = strony->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    QTest::mouseClick(pasek, Qt::LeftButton, {}, pasek->tabRect(indeks).center());
}

// The horizontal centre of a label's text as drawn, in its window's
// coordinates: a label wider than its text draws it at its alignment.
int SrodekTekstu(const QLabel* l)
{
    const QSize tekst(l->fontMetrics().horizontalAdvance(l->text()), l->fontMetrics().height());
    const QRect r = QStyle::alignedRect(l->layoutDirection(), l->alignment(), tekst, l->contentsRect());
    return l->mapTo(l->window(), r.center()).x();
}

}  // namespace

using OknaDanych = ProgramTest;

// Each exit's heading, "RAZEM:" caption and total stand under the column of
// the four fields of that exit, before and after the shares are shown
// beside the fields.
TEST_F(OknaDanych, NaglowkiISumyWylotowPodKolumnami)
{
    Uruchom();
    ZbudujProjekt(1, 1);
    int sprawdzone = 0;
    QTimer::singleShot(0, NatezeniaRUPL, [&] {
        KliknijZakladke(NatezeniaRUPL->PC_NatRupl, 0);
        auto* strona = NatezeniaRUPL->findChild<QWidget*>("TabSheet1");
        for (const bool procenty : {false, true}) {
            SCOPED_TRACE(procenty ? "shares shown" : "at opening");
            if (procenty)
                QTest::mouseClick(NatezeniaRUPL->findChild<QPushButton*>("Button1"), Qt::LeftButton);
            QCoreApplication::processEvents();
            for (int j = 1; j <= 4; ++j) {
                SCOPED_TRACE(j);
                int lewa = 0, prawa = NatezeniaRUPL->width();
                for (int i = 1; i <= 4; ++i) {
                    const QLineEdit* pole = NatezeniaRUPL->nat[static_cast<std::size_t>(4 * (i - 1) + j - 1)];
                    lewa = std::max(lewa, pole->mapTo(NatezeniaRUPL, QPoint(0, 0)).x());
                    prawa = std::min(prawa, pole->mapTo(NatezeniaRUPL, QPoint(pole->width(), 0)).x());
                }
                const QLabel* naglowek = nullptr;
                for (const QLabel* l : strona->findChildren<QLabel*>())
                    if (l->text() == QString("wylot %1").arg(j))
                        naglowek = l;
                ASSERT_NE(naglowek, nullptr);
                const auto k = static_cast<std::size_t>(j - 1);
                for (const QLabel* etykieta :
                     std::initializer_list<const QLabel*>{naglowek, NatezeniaRUPL->Razem[2 * k + 1], NatezeniaRUPL->wylot[k]}) {
                    ASSERT_TRUE(etykieta->isVisible()) << etykieta->text().toStdString();
                    const int x = SrodekTekstu(etykieta);
                    EXPECT_TRUE(x >= lewa && x <= prawa) << '"' << etykieta->text().toStdString() << "\" at " << x
                                                          << ", its fields at " << lewa << ".." << prawa;
                }
            }
            ++sprawdzone;
        }
        NatezeniaRUPL->hide();
    });
    Form1->OtworzDaneRuchoplanu(0);
    EXPECT_EQ(sprawdzone, 2);
}

// Volumes typed and their totals counted, then dropped with "Rezygnuj": the
// next opening shows the stored volumes and their own totals, not those of
// the dropped ones.
TEST_F(OknaDanych, SumyRondaZPokazanychPol)
{
    Uruchom();
    NowyProjekt();
    ASSERT_EQ(DodajWezel(10.0, 10.0, "Rondo", 'R'), "");
    ASSERT_EQ(DodajWariant("Wariant 1", "", "", "", 0.0f, 0.0f, 'L'), "");
    BiezacyWariant = 0;
    UstawRondaCzteroramienne();
    const auto macierz = Ronda[0].Macierz;
    bool wpisane = false;
    QTimer::singleShot(0, DaneRonda, [&] {
        KliknijZakladke(DaneRonda->PC_NatRond, 0);
        KliknijZakladke(DaneRonda->PC_DaneRonda, 0);
        for (int j = 1; j < 4; ++j) {
            QLineEdit* pole = DaneRonda->nat[0][static_cast<std::size_t>(j)];
            QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(pole, QString::number(100 * j + 7));
        }
        QTest::mouseClick(DaneRonda->ObliczProcenty, Qt::LeftButton);
        wpisane = DaneRonda->Wlot[0]->text() == "621";
        QTest::mouseClick(DaneRonda->B_rezygnuj, Qt::LeftButton);
    });
    Form1->OtworzDaneRonda(0);
    ASSERT_TRUE(wpisane);
    EXPECT_EQ(Ronda[0].Macierz, macierz);

    bool pokazane = false;
    QTimer::singleShot(0, DaneRonda, [&] {
        QCoreApplication::processEvents();
        for (std::size_t k = 0; k < 4; ++k) {
            SCOPED_TRACE(k);
            int wlot = 0, wylot = 0;
            for (std::size_t x = 0; x < 4; ++x) {
                wlot += DaneRonda->nat[k][x]->text().toInt();
                wylot += DaneRonda->nat[x][k]->text().toInt();
            }
            EXPECT_EQ(DaneRonda->Wlot[k]->text().toStdString(), std::to_string(wlot));
            EXPECT_EQ(DaneRonda->wylot[k]->text().toStdString(), std::to_string(wylot));
        }
        pokazane = true;
        QTest::mouseClick(DaneRonda->B_rezygnuj, Qt::LeftButton);
    });
    Form1->OtworzDaneRonda(0);
    EXPECT_TRUE(pokazane);
}
