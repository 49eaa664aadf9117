// The global drawing settings window: filled from the settings, applied
// back with the band rule, the sheet modes and the defaults of bad texts.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "base/Teksty.h"
#include "junction/SkalePaskow.h"
#include "pomoc.h"
#include "shell/Kontrolki.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"

namespace {

class UstawieniaTest : public ProgramTest {
protected:
    // As the user types: the text and the key press the window notes.
    static void Wpisz(QLineEdit* pole, const QString& tekst)
    {
        pole->setText(tekst);
        emit pole->textEdited(tekst);
    }
};

TEST_F(UstawieniaTest, RegulaPaskowArkuszIZlePliczby)
{
    Uruchom();
    ZbudujProjekt(2, 1);
    Form1->Przerysuj();
    ProjektZmieniony = false;
    TUstawyGlobalne* u = UstawyGlobalne;
    bool pokazane = false;
    QTimer::singleShot(0, u, [&] {
        pokazane = true;
        EXPECT_TRUE(u->RB_Automatycznie->isChecked());
        EXPECT_FALSE(u->E_MaxSzer->isEnabled());
        u->RB_Maxszerokosc->click();
        EXPECT_TRUE(u->E_MaxSzer->isEnabled());
        Wpisz(u->E_MaxSzer, "2,5");
        Wpisz(u->E_MinPojazd, "-3");
        Wpisz(u->E_Pojazd100, "abc");
        u->RB_ArkuszA3->click();
        u->CB_GrLinie->setEditText("0.25");
        // Refused, naming the first bad field; nothing stored, the window open.
        u->B_wprowadz->click();
        EXPECT_EQ(Komunikaty().back(), "Pole „Min. natężenie” musi być liczbą całkowitą od 1 do 10000000.");
        EXPECT_TRUE(u->isVisible());
        EXPECT_EQ(wg.ArkuszA3, 0);
        Wpisz(u->E_MinPojazd, "50");
        u->B_wprowadz->click();
        EXPECT_EQ(Komunikaty().back(), "Pole „Szerokość na 100 pojazdów” musi być liczbą od 0 do 10000.");
        Wpisz(u->E_Pojazd100, "100");
        u->B_wprowadz->click();
    });
    Form1->TB_UstawGlowneClick();
    ASSERT_TRUE(pokazane);
    EXPECT_EQ(wg.SkalaPaskowAuto, 0);
    EXPECT_EQ(wg.SkalaPaskowMax, 1);
    EXPECT_FLOAT_EQ(wg.MaxSzer, 2.5f);
    EXPECT_EQ(wg.MinPojazd, 50);
    EXPECT_FLOAT_EQ(wg.Pojazd100, 100.0f);
    EXPECT_FLOAT_EQ(wg.GrLinie, 0.25f);
    EXPECT_EQ(wg.ArkuszA3, 1);
    EXPECT_EQ(wg.ArkuszAuto + wg.ArkuszA4 + wg.ArkuszA2, 0);
    EXPECT_FLOAT_EQ(wg.ArkuszB, 41.0f);
    EXPECT_FLOAT_EQ(wg.ArkuszH, 28.5f);
    // The largest-flow rule: the largest arm total is drawn 2.5 cm wide.
    EXPECT_FLOAT_EQ(wg.SkalaPaskow, static_cast<float>(2.5 / NajwiekszeNatezenie()));
    EXPECT_TRUE(ProjektZmieniony);
    // Every diagram was computed again by the closing redraw.
    for (const DaneRuchoplan& r : Ruchoplany)
        EXPECT_EQ(r.Obliczony, 1);

    // The per-100 rule; "12,7" vehicles are refused, 12 taken.
    u->WypelnijUstawienia();
    EXPECT_TRUE(u->RB_Maxszerokosc->isChecked());
    EXPECT_TRUE(u->RB_ArkuszA3->isChecked());
    u->RB_pojazdow100->click();
    Wpisz(u->E_Pojazd100, "0.8");
    Wpisz(u->E_MinPojazd, "12,7");
    u->B_Przerys1Click();
    EXPECT_EQ(wg.MinPojazd, 50);
    EXPECT_EQ(Komunikaty().back(), "Pole „Min. natężenie” musi być liczbą całkowitą od 1 do 10000000.");
    Wpisz(u->E_MinPojazd, "12");
    u->B_Przerys1Click();
    EXPECT_EQ(wg.MinPojazd, 12);
    EXPECT_FLOAT_EQ(wg.SkalaPaskow, 0.008f);

    // Applying without an edit leaves the project unchanged but every
    // diagram to be computed again.
    u->WypelnijUstawienia();
    ProjektZmieniony = false;
    u->ZastosujUstawienia();
    EXPECT_FALSE(ProjektZmieniony);
    for (const DaneRuchoplan& r : Ruchoplany)
        EXPECT_EQ(r.Obliczony, 0);
}

TEST_F(UstawieniaTest, KrokiSzerokosciIStandard)
{
    Uruchom();
    TUstawyGlobalne* u = UstawyGlobalne;
    u->WypelnijUstawienia();
    u->RB_Maxszerokosc->click();
    u->E_MaxSzer->setText("0,15");
    u->B_MaxSzer_Minus->click();
    EXPECT_FLOAT_EQ(wg.MaxSzer, 0.1f);  // applied at once, never below 0.1
    u->E_MaxSzer->setText("abc");
    u->B_MaxSzer_Plus->click();
    EXPECT_FLOAT_EQ(wg.MaxSzer, 0.1f);
    EXPECT_EQ(u->E_MaxSzer->text(), "abc");

    // A bad legend size is refused naming its field; the table stays.
    u->E_MaxSzer->setText("1,5");
    const TRozmiaryLegendy przed = RozmiaryLegendy;
    u->Rozmiary->E_sy->setText("x");
    u->B_Przerys1Click();
    EXPECT_EQ(Komunikaty().back(), "Pole „Opisy natężeń: wys. znaku” musi być liczbą od 0 do 10000.");
    EXPECT_EQ(RozmiaryLegendy, przed);

    wg.NazwyPrzejsc[0] = "X";
    wg.SkalaPrzejscMax = 1;
    wg.SkalaPrzejscAuto = 0;
    wg.TylkoSuma = 1;
    u->StandardClick();
    EXPECT_EQ(wg.NazwyPrzejsc[0].str(), "PIESI");
    EXPECT_EQ(wg.NazwyPrzejsc[1].str(), Utf8NaCp1250("ROWERZYŚCI"));
    EXPECT_EQ(wg.SkalaPrzejscAuto, 1);
    EXPECT_EQ(wg.SkalaPrzejscMax, 0);
    EXPECT_EQ(wg.SkalaPaskowAuto, 1);
    EXPECT_EQ(wg.MinPojazd, 50);
    EXPECT_TRUE(u->RB_TylkoSuma->isChecked());  // not a standard value
    EXPECT_TRUE(u->RB_PrzejAuto->isChecked());
    EXPECT_EQ(u->ComboCzcionka->currentText(), "Roman");
    EXPECT_TRUE(ProjektZmieniony);
}

// The label style and the crossings, built, filled and read alike by the
// global window (from wg) and the node window (from the node), each with its
// own names and its own defaults of an offset that is no number.
TEST_F(UstawieniaTest, StylIPrzejsciaWObuOknach)
{
    Uruchom();
    ZbudujProjekt(1, 1);
    TUstawyGlobalne* u = UstawyGlobalne;
    TWezlyOperacje* o = WezlyOperacje;
    EXPECT_EQ(u->findChild<QCheckBox*>("CB_Rysuj0Zawrotki"), u->CB_Rysuj0Zawrotki);
    EXPECT_EQ(o->findChild<QCheckBox*>("CB_Pisz0Zawrotki"), o->CB_Rysuj0Zawrotki);
    EXPECT_EQ(o->findChild<QCheckBox*>("CB_RysujRower"), o->CB_Rysuj[1]);
    EXPECT_EQ(u->findChild<QCheckBox*>("CB_RysujRowery"), u->CB_Rysuj[1]);

    wg.TabelkaWW = 1;
    wg.Rysuj0Zawrotki = 1;
    wg.KolorOpisow = 0x123456;
    wg.NazwyPrzejsc[2] = "abc";
    u->WypelnijUstawienia();
    EXPECT_TRUE(u->CB_PiszSume->isVisibleTo(u)) << "the table's switches show with the table";
    EXPECT_TRUE(u->CB_Rysuj0Zawrotki->isChecked());
    EXPECT_EQ(u->E_Nazwy[2]->text(), "abc");
    u->RB_TylkoSuma->click();
    u->E_LPdx->setText("x");
    u->E_LSdy->setText("7");
    EXPECT_FALSE(u->ZastosujUstawienia());
    EXPECT_EQ(Komunikaty().back(), "Pole „Legenda przejść: dx” musi być liczbą od -10000000 do 10000000.");
    EXPECT_EQ(wg.TabelkaWW, 1) << "nothing stored";
    u->E_LPdx->setText("0");
    EXPECT_TRUE(u->ZastosujUstawienia());
    EXPECT_EQ(wg.TabelkaWW, 0);
    EXPECT_EQ(wg.TylkoSuma, 1);
    EXPECT_EQ(wg.KolorOpisow, 0x123456u);
    EXPECT_FLOAT_EQ(wg.LegendaPrzejscX, 0.0f);
    EXPECT_FLOAT_EQ(wg.LegendaStrukturyY, 7.0f);

    DaneWezel& w = Wezly[0];
    w.Globalne = 0;
    w.TylkoSuma = 1;
    w.KolorTytulow = 0xABCDEF;
    o->L_NrWezel->setText("0");
    o->FormShow();
    EXPECT_FALSE(o->CB_PiszSume->isVisibleTo(o));
    EXPECT_TRUE(o->RB_TylkoSuma->isChecked());
    o->E_LPdy->setText("x");
    o->E_LSdx->setText("x");
    o->CB_GrLinie->setEditText("");
    const DaneWezel przed = w;
    EXPECT_FALSE(o->ZapiszUstawieniaWezla());
    EXPECT_EQ(Komunikaty().back(), "Pole „Grubość linii” musi być liczbą od 0 do 100.");
    EXPECT_FLOAT_EQ(w.GrLinie, przed.GrLinie);
    EXPECT_FLOAT_EQ(w.LegendaPrzejscY, przed.LegendaPrzejscY);
    o->E_LPdy->setText("5");
    o->E_LSdx->setText("-5");
    o->CB_GrLinie->setEditText("0,18");
    EXPECT_TRUE(o->ZapiszUstawieniaWezla());
    EXPECT_FLOAT_EQ(w.LegendaPrzejscY, 5.0f);
    EXPECT_FLOAT_EQ(w.LegendaStrukturyX, -5.0f);
    EXPECT_FLOAT_EQ(w.GrLinie, 0.18f);
    EXPECT_EQ(w.KolorTytulow, 0xABCDEFu);
    EXPECT_EQ(w.TylkoSuma, 1);
}

} // namespace

namespace {

// The size groups both settings windows share.
TEST_F(UstawieniaTest, GrupyRozmiarowKrokiIGranice)
{
    Uruchom();
    TKontrolkiRozmiarow& r = *UstawyGlobalne->Rozmiary;
    r.Wypelnij(TRozmiaryLegendy{}, TRozmiaryOpisow{});
    EXPECT_EQ(r.E_sx->text(), NaQString(FormatFloat("####0.0##", 0.3)));
    // A step stops at the first edit that holds no number; the ones before
    // it are already stepped.
    r.E_sx_z->setText("x");
    EXPECT_FALSE(r.KrokLegendy(1));
    EXPECT_EQ(r.E_sx->text(), NaQString(FormatFloat("###0.0#", 0.325)));
    EXPECT_EQ(r.E_sx_p->text(), NaQString(FormatFloat("###0.0#", 0.245)));
    EXPECT_EQ(r.E_sx_z->text(), "x");
    EXPECT_EQ(r.E_sy->text(), NaQString(FormatFloat("####0.0##", 0.4)));
    EXPECT_EQ(Komunikaty().back(), "'x' nie jest prawidłową liczbą");

    // Clamps on store: the description distance at least 1.0, widths 0.02.
    r.EO_lOpis->setText("0,5");
    r.EO_gr->setText("0.001");
    TRozmiaryOpisow o;
    o.UstawKolor(0x123456);
    r.CzytajOpisy(o);
    EXPECT_FLOAT_EQ(o[9], 1.0f);
    EXPECT_FLOAT_EQ(o[4], 0.02f);
    EXPECT_EQ(o.Kolor(), 0x123456u);  // no edit of its own: kept
    r.EO_sy->setText("");
    const TRozmiaryOpisow przed = o;
    r.CzytajOpisy(o);
    EXPECT_EQ(Komunikaty().back(), "Pole „Opisy wlotów: wys. znaku” musi być liczbą od 0 do 10000.");
    EXPECT_EQ(o, przed);
}

} // namespace
