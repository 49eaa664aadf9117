// Windows the user opens and leaves without an edit store every number as
// the file keeps it, and the project is marked changed exactly when its
// saved file would differ: the settings window and the main window's grid
// step, driven by key presses and mouse clicks.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>

#include "model/PlikProjektu.h"
#include "pomoc.h"
#include "shell/TUstawyGlobalne.h"

namespace {

class WartosciZachowane : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
        ZbudujProjekt(2, 1);
        // Values a display of fewer decimals would round.
        wg.ArkuszAuto = wg.ArkuszA4 = wg.ArkuszA3 = wg.ArkuszA2 = 0;
        wg.ArkuszB = wg.ArkuszBUser = 40.125f;
        wg.ArkuszH = wg.ArkuszHUser = 28.0625f;
        wg.SkalaPaskowAuto = wg.SkalaPaskow100 = 0;
        wg.SkalaPaskowMax = 1;
        wg.MaxSzer = 2.0625f;
        wg.Pojazd100 = 1.0625f;
        wg.PrzejMaxSzer = 0.5625f;
        wg.Przej100 = 1.4375f;
        wg.KrokSiatki = 0.125f;
        // The sheet as the user sees it (the redraw sets the band scale).
        Form1->Przerysuj();
        ProjektZmieniony = false;
    }
    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
    }

    // The project as its file keeps it.
    static std::string Plik() { return TrescProjektu(); }

    // A click on the tool button of a main window's command.
    static void Kliknij(QAction* polecenie)
    {
        QWidget* przycisk = Form1->ToolBar1->widgetForAction(polecenie);
        if (!przycisk)
            przycisk = Form1->ToolBar2->widgetForAction(polecenie);
        ASSERT_NE(przycisk, nullptr);
        QTest::mouseClick(przycisk, Qt::LeftButton);
    }

    // The settings window opened by its tool button, `wKtorym` done in it
    // as the user does, the window left by "Powrót" (or, with `escape`, by
    // the Esc key).
    static void WUstawieniach(const std::function<void(TUstawyGlobalne*)>& wKtorym, bool escape = false)
    {
        TUstawyGlobalne* u = UstawyGlobalne;
        bool pokazane = false;
        QTimer::singleShot(0, u, [&] {
            pokazane = true;
            wKtorym(u);
            if (escape)
                QTest::keyClick(u, Qt::Key_Escape);
            else
                QTest::mouseClick(u->B_wprowadz, Qt::LeftButton);
            if (u->isVisible())
                u->reject();  // the test fails below; the window must not stay
        });
        Kliknij(Form1->TB_UstawGlowne);
        EXPECT_TRUE(pokazane);
        EXPECT_FALSE(u->isVisible());
    }

    // A click on the mark of a radio button or a check box (its middle may
    // lie past its short caption).
    static void Zaznacz(QAbstractButton* przelacznik)
    {
        QTest::mouseClick(przelacznik, Qt::LeftButton, {}, QPoint(6, przelacznik->height() / 2));
    }

    // A text typed over the whole of an edit.
    static void Przepisz(QLineEdit* pole, const QString& tekst)
    {
        pole->setFocus();
        QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(pole, tekst);
    }
};

// Opened and left without an edit, by "Powrót" or by Esc, the settings
// window stores every number as it was, and the changed flag stays as it
// was, cleared or set.
TEST_F(WartosciZachowane, UstawieniaBezEdycjiNieZmieniajaPliku)
{
    const std::string przed = Plik();
    WUstawieniach([](TUstawyGlobalne* u) {
        EXPECT_EQ(u->E_MaxSzer->text().replace(',', '.'), "2.0625");
        EXPECT_EQ(u->E_BArkuszUser->text().replace(',', '.'), "40.125");
    });
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_TRUE(Plik() == przed);
    EXPECT_FLOAT_EQ(wg.MaxSzer, 2.0625f);
    EXPECT_FLOAT_EQ(wg.ArkuszB, 40.125f);

    // The band rules chosen as they were: nothing differs.
    WUstawieniach([](TUstawyGlobalne* u) {
        Zaznacz(u->RB_Maxszerokosc);
        Zaznacz(u->RB_PrzejAuto);
    });
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_TRUE(Plik() == przed);

    WUstawieniach([](TUstawyGlobalne*) {}, true);
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_TRUE(Plik() == przed);

    ProjektZmieniony = true;
    WUstawieniach([](TUstawyGlobalne*) {});
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_TRUE(Plik() == przed);
}

// Every control whose value the file keeps marks the project changed when
// its value is applied; the legend steps, which store at once, mark it even
// when the window is left by Esc.
TEST_F(WartosciZachowane, KazdaZmianaUstawienOznaczaProjekt)
{
    const std::vector<std::pair<const char*, std::function<void(TUstawyGlobalne*)>>> zmiany = {
        {"A3", [](TUstawyGlobalne* u) { Zaznacz(u->RB_ArkuszA3); }},
        {"arkusz automatyczny", [](TUstawyGlobalne* u) { Zaznacz(u->RB_AutoArkusz); }},
        {"dokładność procentów",
         [](TUstawyGlobalne* u) {
             u->Rozmiary->SB_DoklProc->setFocus();
             QTest::keyClick(u->Rozmiary->SB_DoklProc, Qt::Key_Right);
         }},
        {"grubość linii", [](TUstawyGlobalne* u) { Przepisz(u->CB_GrLinie->lineEdit(), "0,7"); }},
        {"szerokość paska +", [](TUstawyGlobalne* u) { QTest::mouseClick(u->B_MaxSzer_Plus, Qt::LeftButton); }},
        {"reguła pasków", [](TUstawyGlobalne* u) { Zaznacz(u->RB_pojazdow100); }},
        {"reguła przejść", [](TUstawyGlobalne* u) { Zaznacz(u->RB_Przej100); }},
        {"szerokość arkusza",
         [](TUstawyGlobalne* u) {
             Zaznacz(u->RB_RecznieArkusz);
             Przepisz(u->E_BArkuszUser, "40,1251");
         }},
    };
    for (const auto& [nazwa, zmiana] : zmiany) {
        SCOPED_TRACE(nazwa);
        const std::string przed = Plik();
        ProjektZmieniony = false;
        WUstawieniach(zmiana);
        EXPECT_TRUE(Plik() != przed);
        EXPECT_TRUE(ProjektZmieniony);
    }
    EXPECT_TRUE(Komunikaty().empty());

    const std::string przed = Plik();
    ProjektZmieniony = false;
    WUstawieniach([](TUstawyGlobalne* u) { QTest::mouseClick(u->Rozmiary->B_WLegPlus, Qt::LeftButton); }, true);
    EXPECT_TRUE(Plik() != przed);
    EXPECT_TRUE(ProjektZmieniony);
}

// The grid step box: a step left untyped stays as the file keeps it; Enter
// and leaving the box take or refuse the whole typed text, a refusal
// bringing back the step in force before the typing; a typed text never
// joins the list; a step taken marks the project changed.
TEST_F(WartosciZachowane, KrokSiatkiZKlawiatury)
{
    const std::string plik = Sciezka("krok.rup");
    ASSERT_TRUE(ZapiszProjekt(plik));
    ASSERT_TRUE(OtworzProjekt(plik));
    QComboBox* krok = Form1->CB_SiatkaKrok;
    QLineEdit* pole = krok->lineEdit();
    const int pozycji = krok->count();
    EXPECT_EQ(krok->currentText().replace(',', '.'), "0.125");
    const std::string przed = Plik();

    // Entered and left by Tab without typing.
    pole->setFocus();
    QTest::keyClick(pole, Qt::Key_Tab);
    QTest::keyClick(pole, Qt::Key_Return);
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.125f);
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_TRUE(Plik() == przed);

    // A text beyond the limit, refused whole on Enter: none of its prefixes
    // (1, 1000) stays.
    Przepisz(pole, "1e308");
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 1000.0f) << "the prefix 1e3 snaps the sheet while typing";
    QTest::keyClick(pole, Qt::Key_Return);
    ASSERT_FALSE(Komunikaty().empty());
    EXPECT_EQ(Komunikaty().back(), "Pole „Krok siatki” musi być liczbą od 0,01 do 10000.");
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.125f);
    EXPECT_EQ(krok->currentText().replace(',', '.'), "0.125");
    EXPECT_EQ(krok->count(), pozycji);
    EXPECT_FALSE(ProjektZmieniony);

    // A good text taken on Enter, not added to the list.
    Przepisz(pole, "0,35");
    QTest::keyClick(pole, Qt::Key_Return);
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.35f);
    EXPECT_EQ(krok->count(), pozycji);
    EXPECT_EQ(krok->findText("0,35"), -1);
    EXPECT_TRUE(ProjektZmieniony);

    // Refused on leaving the box by Tab as on Enter.
    const std::size_t komunikatow = Komunikaty().size();
    Przepisz(pole, "20000");
    QTest::keyClick(pole, Qt::Key_Tab);
    EXPECT_EQ(Komunikaty().size(), komunikatow + 1);
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.35f);
    EXPECT_EQ(krok->count(), pozycji);

    // The grid switch is the file's too.
    ProjektZmieniony = false;
    Zaznacz(Form1->CB_Siatka);
    EXPECT_EQ(wg.Siatka, 1);
    EXPECT_TRUE(ProjektZmieniony);
}

}  // namespace
