// Building a network by hand in the main window: nodes placed by the mouse
// and by typed coordinates, moved and deleted, variants added, browsed and
// deleted, a node's own settings; the saved file read back gives the same.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "base/Teksty.h"
#include "drawing/Wyjscie.h"
#include "model/Granice.h"
#include "model/PlikProjektu.h"
#include "pomoc.h"
#include "shell/Kontrolki.h"
#include "shell/Podglad.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TWrnt.h"

namespace {

class SiecTest : public ProgramTest {
protected:
    QAction* Polecenie(const char* nazwa) { return Form1->findChild<QAction*>(nazwa); }

    int Linie() const
    {
        int n = 0;
        for (const ElementNakladki& e : Form1->Podglad->Nakladka())
            n += e.rodzaj == ElementNakladki::Rodzaj::Linia;
        return n;
    }
    static QString Liczba(const char* maska, double x) { return NaQString(FormatFloat(maska, x)); }

    // Two junction nodes and a roundabout node placed with the grid on, two
    // variants, a third junction node by typed coordinates.
    void ZbudujSiec()
    {
        Uruchom();
        Form1->CB_Siatka->click();
        ASSERT_EQ(wg.Siatka, 1);
        ASSERT_FLOAT_EQ(wg.KrokSiatki, 1.0f);

        Polecenie("TB_DodajRupl")->trigger();
        Klik(5.2, 4.9);
        Polecenie("TB_DodajRond")->trigger();
        Klik(12.0, 5.0);
        Polecenie("TB_DodajRupl")->trigger();
        Klik(13.0, 20.0);
        for (const char* nazwa : {"W1", "W2"}) {
            Form1->E_Index->setText(nazwa);
            Polecenie("TB_DodajWariant")->trigger();
        }
        Polecenie("TB_DodajRupl")->trigger();
        Form1->E_Opis->setText("Rondo Grunwaldzkie");
        Form1->E_x->setText("8,4");
        Form1->E_y->setText("15.6");
        Form1->B_Wstaw->click();
    }
};

TEST_F(SiecTest, WezlyMyszkaIZKlawiatury)
{
    Uruchom();
    // A variant needs a node first.
    Form1->E_Index->setText("W1");
    Form1->TB_DodajWariantClick();
    EXPECT_EQ(Komunikaty().back(), "Do wykonania operacji na wariantach potrzebny jest min. 1 węzeł sieci");
    EXPECT_EQ(LiczbaWariantow(), 0);

    Form1->CB_Siatka->click();
    Polecenie("TB_DodajRupl")->trigger();
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::DodajRupl);
    EXPECT_TRUE(Form1->PanelWsp->isVisible());
    EXPECT_EQ(Form1->E_Opis->text(), "Węzeł 1");
    // The hover shows the junction mark at the grid point and its label.
    Najedz(12.3, 3.2);
    EXPECT_EQ(Linie(), 4);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{"SIATKA X=12.000 Y=3.000"}));
    Klik(12.3, 3.2);
    ASSERT_EQ(LiczbaWezlow(), 1);
    EXPECT_EQ(Wezly[0].X, 12.0);
    EXPECT_EQ(Wezly[0].Y, 3.0);
    EXPECT_EQ(Wezly[0].Typ, 'J');
    EXPECT_EQ(Wezly[0].Nazwa.str(), Utf8NaCp1250("Węzeł 1"));
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::Brak);
    EXPECT_FALSE(Form1->PanelWsp->isVisible());
    EXPECT_TRUE(ProjektZmieniony);

    // Too near: refused with the message, the mode stays for another place.
    Polecenie("TB_DodajRond")->trigger();
    Klik(13.0, 4.0);
    EXPECT_EQ(Komunikaty().back(), "Nowe węzły sieci należy wstawiać w odległości min. 2cm");
    EXPECT_EQ(LiczbaWezlow(), 1);
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::DodajRondo);
    // Exactly the minimum distance is accepted.
    Klik(14.0, 3.0);
    ASSERT_EQ(LiczbaWezlow(), 2);
    EXPECT_EQ(Wezly[1].Typ, 'R');

    // Typed coordinates take no grid; a bad one is named.
    Polecenie("TB_DodajRupl")->trigger();
    Form1->E_x->setText("abc");
    Form1->E_y->setText("7");
    Form1->B_WstawClick();
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowa współrzędna X !");
    Form1->E_x->setText("3,25");
    Form1->B_WstawClick();
    ASSERT_EQ(LiczbaWezlow(), 3);
    EXPECT_EQ(Wezly[2].X, 3.25);
    EXPECT_EQ(Wezly[2].Y, 7.0);
}

// A view zoomed far out and panned far away: a click there lies beyond any
// position the project file holds, and neither places nor moves a node; the
// same position typed is refused too.
TEST_F(SiecTest, WezelPozaGranicaWspolrzednychOdrzucony)
{
    ZbudujSiec();
    const int wezlow = LiczbaWezlow();
    const DaneWezel pierwszy = Wezly[0];
    const double skala = Skala, srodekX = SrodekX, srodekY = SrodekY;
    Skala = 1.0e6;
    SrodekX = 2.0e7;
    SrodekY = -3.0e7;
    const int px = 100, py = 100;
    ASSERT_GT(EkranNaCmX(px), granice::Wspolrzedna.max);
    Polecenie("TB_DodajRupl")->trigger();
    Form1->PodgladMouseMove(px, py);
    Form1->PodgladMouseDown(Qt::LeftButton, px, py);
    Form1->PodgladMouseUp(Qt::LeftButton, px, py);
    EXPECT_EQ(LiczbaWezlow(), wezlow);
    EXPECT_EQ(Komunikaty().back(), "Pole „Współrzędna X” musi być liczbą od -10000000 do 10000000.");

    Form1->WskWezelEdycja = 0;
    WezlyOperacje->PokazPanelWezla();
    ASSERT_EQ(Form1->Tryb(), TTrybEdycji::NowaPozycjaWezla);
    Form1->PodgladMouseMove(px, py);
    Form1->PodgladMouseDown(Qt::LeftButton, px, py);
    Form1->PodgladMouseUp(Qt::LeftButton, px, py);
    EXPECT_EQ(Wezly[0].X, pierwszy.X);
    EXPECT_EQ(Wezly[0].Y, pierwszy.Y);
    Skala = skala;
    SrodekX = srodekX;
    SrodekY = srodekY;

    for (const char* tekst : {"1.2e29", "1e308", "10000000,01"}) {
        Form1->E_x->setText(tekst);
        Form1->E_y->setText("7");
        Form1->B_WstawClick();
        EXPECT_EQ(Komunikaty().back(), "Nieprawidłowa współrzędna X !") << tekst;
        EXPECT_EQ(Wezly[0].X, pierwszy.X);
    }
    // A name longer than the file keeps is refused, never cut.
    Form1->E_x->setText("30");
    Form1->E_Opis->setText(QString(256, 'n'));
    Form1->B_WstawClick();
    EXPECT_EQ(Komunikaty().back(), "Pole „Nazwa węzła” może mieć najwyżej 255 znaków.");
    EXPECT_EQ(Wezly[0].Nazwa, pierwszy.Nazwa);
    const int wariantow = LiczbaWariantow();
    Form1->E_Index->setText(QString(101, 'w'));
    Polecenie("TB_DodajWariant")->trigger();
    EXPECT_EQ(Komunikaty().back(), "Pole „Nazwa wariantu” może mieć najwyżej 100 znaków.");
    EXPECT_EQ(LiczbaWariantow(), wariantow);
}

TEST_F(SiecTest, PrzesunUsunIWariantyZRekordami)
{
    ZbudujSiec();
    ASSERT_EQ(LiczbaWezlow(), 4);
    EXPECT_EQ(Wezly[0].X, 5.0);
    EXPECT_EQ(Wezly[3].X, 8.4);
    EXPECT_EQ(Wezly[3].Nazwa.str(), "Rondo Grunwaldzkie");
    EXPECT_EQ(LiczbaWariantow(), 2);
    EXPECT_EQ(BiezacyWariant, 0);
    EXPECT_EQ(Form1->CB_Wariant->currentText(), "1. W1");
    // One diagram per junction node and variant, one roundabout per
    // roundabout node and variant; the typed node got one in each variant.
    ASSERT_EQ(LiczbaRuchoplanow(), 6);
    ASSERT_EQ(LiczbaRond(), 2);
    EXPECT_EQ(Ruchoplany[4].NrWezla, 3);
    EXPECT_EQ(Ruchoplany[4].NrWariantu, 0);
    EXPECT_EQ(Ruchoplany[5].NrWariantu, 1);
    EXPECT_TRUE(Polecenie("TB_UsunWezel")->isEnabled());

    // Move: a click on empty space keeps the mode; on the node it offers the
    // panel, and the next click places it.
    Polecenie("TB_PrzesunWezel")->trigger();
    Najedz(10.0, 10.0);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{"Wskaż węzeł do edycji."}));
    Klik(10.0, 10.0);
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::PrzesunWezel);
    Najedz(5.3, 5.1);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{"Znaleziono węzeł   1"}));
    Klik(5.3, 5.1);
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::NowaPozycjaWezla);
    EXPECT_EQ(Form1->B_Wstaw->text(), "Zmień");
    EXPECT_EQ(Form1->E_x->text(), Liczba("########0.00", 5.0));
    Form1->Przerysuj();
    ASSERT_EQ(Ruchoplany[0].Obliczony, 0);  // entered diagrams only are computed
    Ruchoplany[0].Obliczony = 1;
    Najedz(7.0, 9.0);
    EXPECT_EQ(Linie(), 5);  // the move line and the mark
    // Too near another node: refused, the mode stays.
    Klik(8.0, 15.0);
    EXPECT_EQ(Komunikaty().back(), "Węzły sieci należy wstawiać w odległości min. 2cm");
    Klik(7.0, 9.0);
    EXPECT_EQ(Wezly[0].X, 7.0);
    EXPECT_EQ(Wezly[0].Y, 9.0);
    EXPECT_EQ(Ruchoplany[0].Obliczony, 0);
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::Brak);

    // Delete the roundabout node: its records go, later nodes move down.
    Polecenie("TB_UsunWezel")->trigger();
    Najedz(12.5, 5.0);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{"Wskaż węzeł do usunięcia.", "Znaleziono węzeł =   2"}));
    Klik(12.5, 5.0);
    ASSERT_EQ(LiczbaWezlow(), 3);
    EXPECT_EQ(LiczbaRond(), 0);
    EXPECT_EQ(LiczbaRuchoplanow(), 6);
    for (const DaneRuchoplan& r : Ruchoplany)
        EXPECT_TRUE(r.NrWezla == 0 || r.NrWezla == 1 || r.NrWezla == 2);
    EXPECT_EQ(Ruchoplany[4].NrWezla, 2);
    EXPECT_EQ(Wezly[2].Nazwa.str(), "Rondo Grunwaldzkie");
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::Brak);

    // Browse.
    Form1->BB_NextClick();
    EXPECT_EQ(BiezacyWariant, 1);
    EXPECT_EQ(Form1->CB_Wariant->currentText(), "2. W2");
    Form1->BB_NextClick();
    EXPECT_EQ(BiezacyWariant, 1);
}

TEST_F(SiecTest, UsuniecieWariantuZDanymiPytaIPrzenumerowuje)
{
    ZbudujSiec();
    Form1->E_Index->setText("W3");
    Form1->TB_DodajWariantClick();
    ASSERT_EQ(LiczbaWariantow(), 3);
    ASSERT_EQ(LiczbaRuchoplanow(), 9);
    Form1->BB_NextClick();
    Form1->BB_NextClick();
    ASSERT_EQ(BiezacyWariant, 2);
    // Variant 2 (W2) holds volumes.
    for (DaneRuchoplan& r : Ruchoplany)
        if (r.NrWariantu == 1)
            r.Natezenia[1] = 120;

    Wrnt->FormShow();
    Wrnt->Lista_Wariantow->setCurrentRow(1);
    odpowiedzi = {TPytanieTakNieKasuj::mrNie};
    Wrnt->Button3Click();
    ASSERT_EQ(pytania.size(), 1u);
    EXPECT_EQ(pytania[0], "Usunięcie wariantu sieci spowoduje skasowanie ruchoplanów lub rond! Kontynuować?");
    EXPECT_FALSE(zKasuj[0]);
    EXPECT_EQ(LiczbaWariantow(), 3);

    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    Wrnt->Lista_Wariantow->setCurrentRow(1);
    Wrnt->Button3Click();
    ASSERT_EQ(LiczbaWariantow(), 2);
    EXPECT_EQ(Warianty[1].Nazwa.str(), "W3");
    EXPECT_EQ(LiczbaRuchoplanow(), 6);
    EXPECT_EQ(LiczbaRond(), 2);
    for (const DaneRuchoplan& r : Ruchoplany) {
        EXPECT_EQ(r.Natezenia[1], 0);
        EXPECT_LE(r.NrWariantu, 1);
    }
    // W3 stays shown, now as the second variant.
    EXPECT_EQ(BiezacyWariant, 1);
    EXPECT_EQ(Form1->CB_Wariant->count(), 2);
    EXPECT_EQ(Form1->CB_Wariant->currentText(), "2. W3");
    EXPECT_EQ(Wrnt->Lista_Wariantow->count(), 2);

    // A variant without volumes goes without a question; deleting the last
    // two leaves none shown.
    Wrnt->Lista_Wariantow->setCurrentRow(1);
    Wrnt->Button3Click();
    Wrnt->Lista_Wariantow->setCurrentRow(0);
    Wrnt->Button3Click();
    EXPECT_EQ(pytania.size(), 2u);
    EXPECT_EQ(LiczbaWariantow(), 0);
    EXPECT_EQ(BiezacyWariant, -1);
    EXPECT_EQ(LiczbaRuchoplanow(), 0);
    EXPECT_TRUE(Form1->CB_Wariant->currentText().isEmpty());
    Form1->Przerysuj();  // nothing left to draw, nothing broken
}

TEST_F(SiecTest, OknoWariantowDodajeZmieniaINieDublujeNazw)
{
    ZbudujSiec();
    Wrnt->FormShow();
    ASSERT_EQ(Wrnt->Lista_Wariantow->count(), 2);
    Wrnt->Lista_Wariantow->setCurrentRow(0);
    Wrnt->Lista_WariantowClick();
    EXPECT_EQ(Wrnt->E_Index->text(), "W1");
    // A rename to another variant's name is refused; so is a name longer
    // than its 100 characters (never cut) and an empty one.
    Wrnt->E_Index->setText("W2");
    Wrnt->ZmienOpisWariantClick();
    EXPECT_EQ(Komunikaty().back(), "Wariant o nazwie W2 już istnieje!");
    EXPECT_EQ(Warianty[0].Nazwa.str(), "W1");
    const std::string dluga(100, 'a');
    Wrnt->E_Index->setText(QString::fromStdString(dluga + "b"));
    Wrnt->ZmienOpisWariantClick();
    EXPECT_EQ(Komunikaty().back(), "Pole „Opis” może mieć najwyżej 100 znaków.");
    Wrnt->E_Index->setText("  ");
    Wrnt->ZmienOpisWariantClick();
    EXPECT_EQ(Komunikaty().back(), "Pole „Opis” nie może być puste.");
    EXPECT_EQ(Warianty[0].Nazwa.str(), "W1");
    Wrnt->E_Index->setText(QString::fromStdString(dluga));
    Wrnt->Tytul1->setText("Stan istniejący");
    Wrnt->E_dx->setText("2,5");
    Wrnt->RB_centrum->setChecked(true);
    Wrnt->ZmienOpisWariantClick();
    EXPECT_EQ(Warianty[0].Nazwa.str(), dluga);
    EXPECT_EQ(Warianty[0].Tytul1.str(), Utf8NaCp1250("Stan istniejący"));
    EXPECT_FLOAT_EQ(Warianty[0].TytulDx, 2.5f);
    EXPECT_EQ(Warianty[0].TytulWyrownanie, 'C');
    EXPECT_EQ(Form1->CB_Wariant->currentText(), QString::fromStdString("1. " + dluga));
    Wrnt->E_Index->setText(QString::fromStdString(dluga));
    Wrnt->B_DodajClick();
    EXPECT_EQ(Komunikaty().back(), "Wariant o nazwie " + dluga + " już istnieje!");
    EXPECT_EQ(LiczbaWariantow(), 2);
    // The window's own add: records of every node, fields cleared.
    Wrnt->E_Index->setText("W3");
    Wrnt->B_DodajClick();
    EXPECT_EQ(LiczbaWariantow(), 3);
    EXPECT_EQ(LiczbaRuchoplanow(), 9);
    EXPECT_EQ(LiczbaRond(), 3);
    EXPECT_TRUE(Wrnt->E_Index->text().isEmpty());
    EXPECT_TRUE(Wrnt->RB_prawy->isChecked());
    EXPECT_EQ(Form1->CB_Wariant->count(), 3);
    Wrnt->Lista_Wariantow->setCurrentRow(-1);
    Wrnt->Button3Click();
    EXPECT_EQ(Komunikaty().back(), "Wskaż wariant do usunięcia!");
}

TEST_F(SiecTest, UstawieniaWlasneWezla)
{
    ZbudujSiec();
    Polecenie("TB_UstawieniaLokalne")->trigger();
    Najedz(5.0, 5.5);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{"Znaleziono węzeł =   1"}));
    bool pokazane = false;
    QTimer::singleShot(0, WezlyOperacje, [&] {
        pokazane = true;
        TWezlyOperacje* o = WezlyOperacje;
        EXPECT_EQ(o->L_NrWezel->text(), "0");
        EXPECT_TRUE(o->CB_Globalne->isChecked());
        EXPECT_FALSE(o->Rozmiary->E_sx->isEnabled());
        o->CB_Globalne->click();
        EXPECT_TRUE(o->Rozmiary->E_sx->isEnabled());
        o->Rozmiary->E_sy->setText("0,05");     // below the clamp
        o->Rozmiary->E_gr->setText("0.01");
        o->CB_GrLinie->setEditText("0.35");
        o->RB_prawy->setChecked(true);
        o->E_WspX->setText("abc");             // refused: the window stays
        o->B_Powrot->click();
        EXPECT_EQ(Komunikaty().back(), "Pole „Współrzędna X” musi być liczbą od -10000000 do 10000000.");
        EXPECT_TRUE(o->isVisible());
        EXPECT_NE(Wezly[0].RozmiaryLegendy[1], 0.1f) << "nothing stored";
        o->E_WspX->setText("7,5");
        o->B_Powrot->click();
    });
    Klik(5.0, 5.5);
    ASSERT_TRUE(pokazane);
    const DaneWezel& w = Wezly[0];
    EXPECT_EQ(w.Globalne, 0);
    EXPECT_FLOAT_EQ(w.RozmiaryLegendy[1], 0.1f);
    EXPECT_FLOAT_EQ(w.RozmiaryLegendy[6], 0.02f);
    EXPECT_FLOAT_EQ(w.GrLinie, 0.35f);
    EXPECT_EQ(w.TytulWyrownanie, 'P');
    EXPECT_EQ(w.X, 7.5);
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::Brak);

    // One bad size is refused naming its field; the node keeps its table.
    WezlyOperacje->L_NrWezel->setText("0");
    WezlyOperacje->FormShow();
    WezlyOperacje->Rozmiary->E_sx_p->setText("abc");
    const TRozmiaryLegendy przed = Wezly[0].RozmiaryLegendy;
    WezlyOperacje->B_PrzerysClick();
    EXPECT_EQ(Komunikaty().back(), "Pole „Opisy natężeń: szer. %” musi być liczbą od 0 do 10000.");
    EXPECT_EQ(Wezly[0].RozmiaryLegendy, przed);
}

// Each remaining diagram's totals come from its own source again: typed
// volumes, or the count it reads (diagram arm 1 is count inlet 4).
TEST_F(SiecTest, UsuniecieWezlaLiczySumyZeZrodla)
{
    ZbudujSiec();
    DanePomiar pomiar;
    pomiar.NatezeniaNaRelacjach[3][0] = 30;  // count inlet 4 -> 1: arm 1 -> arm 2
    pomiar.NatezeniaNaRelacjach[0][1] = 12;  // count inlet 1 -> 2: arm 2 -> arm 3
    Pomiary.push_back(pomiar);
    DaneRuchoplan& zPomiaru = Ruchoplany[2];  // node 0, variant 1
    zPomiaru.ZPomiaru = 1;
    zPomiaru.NrPomiaru = 0;
    DaneRuchoplan& wpisany = Ruchoplany[4];   // node 3, variant 0
    wpisany.Natezenia[4 * 2 + 3] = 25;        // arm 3 -> arm 4
    zPomiaru.SumaWlotu.fill(999);
    wpisany.SumaWlotu.fill(999);

    Polecenie("TB_UsunWezel")->trigger();
    Klik(12.0, 5.0);
    ASSERT_EQ(LiczbaWezlow(), 3);
    const DaneRuchoplan& a = Ruchoplany[2];
    EXPECT_EQ(a.SumaWlotu, (std::array<int32_t, 4>{30, 12, 0, 0}));
    EXPECT_EQ(a.SumaWylotu, (std::array<int32_t, 4>{0, 30, 12, 0}));
    const DaneRuchoplan& b = Ruchoplany[4];
    EXPECT_EQ(b.SumaWlotu, (std::array<int32_t, 4>{0, 0, 25, 0}));
    EXPECT_EQ(b.SumaWylotu, (std::array<int32_t, 4>{0, 0, 0, 25}));
}

TEST_F(SiecTest, ZapisanyPlikOtwartyDajeTenSamArkusz)
{
    ZbudujSiec();
    for (DaneRuchoplan& r : Ruchoplany) {
        r.GeometriaWprowadzona = 1;
        for (int k = 0; k < 16; ++k)
            r.Natezenia[k] = k % 5 == 0 ? 0 : 40 + 7 * k + 30 * r.NrWezla;
        PoliczSumyRuchoplanu(r);
    }
    Form1->Przerysuj();
    const QImage przed = Form1->BitmapaRysunku.copy(0, 0, Form1->Podglad->width(), Form1->Podglad->height());

    const std::string plik = Sciezka("siec.rup");
    dialogi.SciezkiZapisz.push_back(plik);
    Form1->M_ZapiszjakoClick();
    ASSERT_FALSE(ProjektZmieniony);
    const std::string tekst = CzytajPlik(plik);
    EXPECT_NE(tekst.find("Rondo Grunwaldzkie"), std::string::npos);

    const auto wezly = Wezly;
    const auto ustawienia = wg;
    const double skala = Skala, srodekX = SrodekX, srodekY = SrodekY;
    const auto warianty = Warianty;
    NowyProjekt();
    dialogi.SciezkiOtworz.push_back(plik);
    Form1->BOtworzClick();
    EXPECT_EQ(Wezly, wezly);
    EXPECT_EQ(Warianty, warianty);
    ASSERT_EQ(LiczbaRuchoplanow(), 6);
    EXPECT_EQ(LiczbaRond(), 2);
    for (int i = 0; i < LiczbaRuchoplanow(); ++i) {
        EXPECT_EQ(Ruchoplany[i].NrWezla, i < 4 ? i % 2 * 2 : 3) << i;
        EXPECT_EQ(Ruchoplany[i].NrWariantu, i < 4 ? i / 2 : i - 4) << i;
    }
    EXPECT_EQ(Ronda[1].NrWezla, 1);
    EXPECT_EQ(Ronda[1].NrWariantu, 1);
    EXPECT_EQ(wg, ustawienia);
    // Opening fits the view to the sheet; the same view shows the same sheet.
    Skala = skala;
    SrodekX = srodekX;
    SrodekY = srodekY;
    Form1->Przerysuj();
    EXPECT_EQ(Form1->BitmapaRysunku.copy(0, 0, Form1->Podglad->width(), Form1->Podglad->height()), przed);
}

} // namespace
