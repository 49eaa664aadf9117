// The data windows on a 1366 x 768 screen, driven as a user drives them:
// where their texts stand and what they show after an earlier opening, a
// refusal or a save.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <string>

#include "base/Teksty.h"
#include "counts/OknaPomiarow.h"
#include "counts/PlikiPomiarow.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "model/Pomiar.h"
#include "platform/ZapisBezpieczny.h"
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

// Typed key by key, letters of any alphabet included.
void Pisz(QWidget* pole, const QString& tekst)
{
    for (const QChar znak : tekst)
        QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, QString(znak), Qt::NoModifier);
}

}  // namespace

class OknaDanych : public ProgramTest {
protected:
    // The started program with a new project of one four-arm roundabout.
    void RondoWNowymProjekcie()
    {
        Uruchom();
        NowyProjekt();
        ASSERT_EQ(DodajWezel(10.0, 10.0, "Rondo", 'R'), "");
        ASSERT_EQ(DodajWariant("Wariant 1", "", "", "", 0.0f, 0.0f, 'L'), "");
        BiezacyWariant = 0;
        UstawRondaCzteroramienne();
    }
};

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
    ASSERT_NO_FATAL_FAILURE(RondoWNowymProjekcie());
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

// A roundabout fed by a four-arm count: another arm count is refused with
// the reason and stores nothing; the count's own is stored.
TEST_F(OknaDanych, RamionaRondaZPomiaru)
{
    ASSERT_NO_FATAL_FAILURE(RondoWNowymProjekcie());
    DanePomiar p;
    UstawDomyslnyPomiar(p);
    p.NazwaPliku = "rondo.pom";
    p.TypWezla = "R04";
    p.MaxJest = 4;
    DodajPomiar(p);
    Ronda[0].ZPomiaru = 1;
    Ronda[0].NrPomiaru = 0;
    ProjektZmieniony = false;
    std::vector<int> ramionPoWprowadz;
    QTimer::singleShot(0, GeometriaRondo, [&] {
        QComboBox* liczba = GeometriaRondo->CB_IloscWW;
        auto* wprowadz = GeometriaRondo->findChild<QPushButton*>("Wprowadz");
        EXPECT_EQ(liczba->currentText(), "4");
        QTest::keyClick(liczba, Qt::Key_Up);
        ASSERT_EQ(liczba->currentText(), "3");
        QTest::mouseClick(wprowadz, Qt::LeftButton);
        ramionPoWprowadz.push_back(GeometriaRondo->isVisible() ? Ronda[0].LiczbaRamion : -1);
        EXPECT_FALSE(ProjektZmieniony);
        QTest::keyClick(liczba, Qt::Key_Down);
        QTest::mouseClick(wprowadz, Qt::LeftButton);
        ramionPoWprowadz.push_back(GeometriaRondo->isVisible() ? -1 : Ronda[0].LiczbaRamion);
        GeometriaRondo->hide();
    });
    Form1->OtworzGeometrieRonda(0);
    // Refused with the window open, then stored and closed.
    EXPECT_EQ(ramionPoWprowadz, (std::vector<int>{4, 4}));
    const std::vector<std::string> komunikaty = Komunikaty();
    ASSERT_EQ(komunikaty.size(), 1u);
    EXPECT_NE(komunikaty[0].find("pomiar"), std::string::npos) << komunikaty[0];
    EXPECT_NE(komunikaty[0].find("4"), std::string::npos) << komunikaty[0];
}

// A count last edited long ago, opened: a name its file cannot hold is
// refused at "Zapisz" with the inlet panel and every text as they were;
// saved, the count shows the moment its file holds.
TEST_F(OknaDanych, PomiarPoOdmowieIZapisie)
{
    Uruchom();
    DanePomiar p;
    UstawDomyslnyPomiar(p);
    p.Lokalizacja = "Wezel A";
    p.NatezeniaPojazdow[0][2] = 12;
    const std::string plik = KatalogPomiarow + "/stary.pom";
    std::string blad;
    ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, LiniePlikuPomiaru(p, KodujDate(2020, 1, 2), KodujCzas(3, 4, 5)), blad))
        << blad;
    bool sprawdzone = false;
    QTimer::singleShot(0, PomiaryRuchu, [&] {
        QListWidget* lista = PomiaryRuchu->ListaPomiar;
        ASSERT_EQ(lista->count(), 1);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(0)).center());
        QTest::mouseClick(PomiaryRuchu->Button1, Qt::LeftButton);
        ASSERT_EQ(PomiaryRuchu->E_NazwaWezla->text(), "Wezel A");
        EXPECT_EQ(PomiaryRuchu->L_OstEdycja->text(), "2020-01-02  03:04:05");
        auto pokazane = [] {
            QStringList p{PomiaryRuchu->L_OstEdycja->text()};
            for (QWidget* w : std::initializer_list<QWidget*>{PomiaryRuchu->PageTyp, PomiaryRuchu->CB_Zawrotki,
                                                              PomiaryRuchu->B_Rupl[0]})
                p << w->objectName() + (w->isVisible() ? " shown" : " hidden");
            p << PomiaryRuchu->B_Rupl[0]->text();
            return p.join(", ").toStdString();
        };
        const std::string przed = pokazane();
        EXPECT_NE(przed.find("PageTyp shown"), std::string::npos) << przed;
        EXPECT_NE(przed.find("S(12)"), std::string::npos) << przed;
        const std::string tresc = CzytajPlik(plik);

        PomiaryRuchu->E_NazwaWezla->setFocus();
        QTest::keyClick(PomiaryRuchu->E_NazwaWezla, Qt::Key_End);
        Pisz(PomiaryRuchu->E_NazwaWezla, QString::fromUtf8(" Ä…"));
        QTest::mouseClick(PomiaryRuchu->Button3, Qt::LeftButton);
        ASSERT_EQ(Komunikaty().size(), 1u);
        EXPECT_EQ(pokazane(), przed);
        EXPECT_EQ(CzytajPlik(plik), tresc);

        for (int i = 0; i < 3; ++i)
            QTest::keyClick(PomiaryRuchu->E_NazwaWezla, Qt::Key_Backspace);
        QTest::mouseClick(PomiaryRuchu->Button3, Qt::LeftButton);
        EXPECT_EQ(Komunikaty().size(), 1u);
        DanePomiar zapisany;
        ASSERT_TRUE(CzytajPlikPomiaru(plik, zapisany, blad)) << blad;
        EXPECT_NE(zapisany.DataOstEdycja, KodujDate(2020, 1, 2));
        EXPECT_EQ(PomiaryRuchu->L_OstEdycja->text().toStdString(),
                  DataNaTekst(zapisany.DataOstEdycja) + "  " + CzasNaTekst(zapisany.GodzOstEdycja));
        sprawdzone = true;
        PomiaryRuchu->hide();
    });
    Form1->ToolButton2Click();
    EXPECT_TRUE(sprawdzone);
}
