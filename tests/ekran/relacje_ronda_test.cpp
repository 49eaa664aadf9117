// The roundabout's relation page on a 1366 x 768 screen: each arm's letter
// and exit total stand under that arm's column of fields.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "junction_forms/OknaRuchoplanu.h"
#include "pomoc.h"

namespace {

// Picks a page by its tab, as the user does.
void KliknijZakladke(QTabWidget* strony, int indeks)
{
    auto* pasek = strony->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    QTest::mouseClick(pasek, Qt::LeftButton, {}, pasek->tabRect(indeks).center());
}

// The arm count picked in the geometry window and stored.
void UstawRamiona(int ramion)
{
    QTimer::singleShot(0, GeometriaRondo, [ramion] {
        QComboBox* liczba = GeometriaRondo->CB_IloscWW;
        QTest::keyClick(liczba, Qt::Key_Home);
        while (liczba->currentText().toInt() < ramion)
            QTest::keyClick(liczba, Qt::Key_Down);
        GeometriaRondo->findChild<QPushButton*>("Wprowadz")->click();
    });
    Form1->OtworzGeometrieRonda(0);
}

// The part of the window's width that every field of arm `k`'s column takes.
std::pair<int, int> Kolumna(int k, int ramion)
{
    int lewa = 0, prawa = DaneRonda->width();
    for (int w = 0; w < ramion; ++w) {
        const QLineEdit* pole = DaneRonda->nat[w][k];
        lewa = std::max(lewa, pole->mapTo(DaneRonda, QPoint(0, 0)).x());
        prawa = std::min(prawa, pole->mapTo(DaneRonda, QPoint(pole->width(), 0)).x());
    }
    return {lewa, prawa};
}

// The label's horizontal centre in the window's coordinates.
int Srodek(const QWidget* w) { return w->mapTo(DaneRonda, QPoint(w->width() / 2, 0)).x(); }

}  // namespace

using RelacjeRonda = ProgramTest;

// The centre, not the left edge, is compared: the letters stand centred
// over their fields and the totals' texts are of any width.
TEST_F(RelacjeRonda, LiteryISumyPodKolumnami)
{
    Uruchom();
    NowyProjekt();
    ASSERT_EQ(DodajWezel(10.0, 10.0, "Rondo", 'R'), "");
    ASSERT_EQ(DodajWariant("Wariant 1", "", "", "", 0.0f, 0.0f, 'L'), "");
    BiezacyWariant = 0;
    for (const int ramion : {3, 4, 5}) {
        SCOPED_TRACE(ramion);
        UstawRamiona(ramion);
        ASSERT_EQ(Ronda[0].LiczbaRamion, ramion);
        bool pokazane = false;
        QTimer::singleShot(0, DaneRonda, [&] {
            KliknijZakladke(DaneRonda->PC_NatRond, 0);
            KliknijZakladke(DaneRonda->PC_DaneRonda, 0);
            QCoreApplication::processEvents();
            for (int k = 0; k < ramion; ++k) {
                const auto [lewa, prawa] = Kolumna(k, ramion);
                for (const QLabel* etykieta : {DaneRonda->L_Ozn[k], DaneRonda->RazemWylot[k], DaneRonda->wylot[k]}) {
                    ASSERT_TRUE(etykieta->isVisible()) << etykieta->objectName().toStdString();
                    const int x = Srodek(etykieta);
                    EXPECT_TRUE(x >= lewa && x <= prawa)
                        << etykieta->objectName().toStdString() << " at " << x << ", its fields at " << lewa << ".." << prawa;
                }
            }
            pokazane = true;
            DaneRonda->hide();
        });
        Form1->OtworzDaneRonda(0);
        EXPECT_TRUE(pokazane);
    }
}
