// The junction geometry window and its slider window: stores into every
// variant of the node, checks, limits, corrections, steps and live sliders.
#include <QTimer>

#include "formularze.h"

namespace {

using Geometria = Formularze;

QLineEdit* Pole(const char* nazwa) { return Kontrolka<QLineEdit>(GeometriaRuchoplan, nazwa); }

void Otworz(int rekord)
{
    GeometriaRuchoplan->L_NrRupl->setText(QString::number(rekord));
    GeometriaRuchoplan->FormShow();
}

TEST_F(Geometria, ZmianaTrafiaDoKazdegoWariantuWezla)
{
    Otworz(Rekord(0, 1));
    EXPECT_EQ(Pole("E_l")->text(), "7");
    EXPECT_EQ(Pole("E_dL")->text(), "1");
    Wpisz(Pole("E_l"), "9,5");
    Wpisz(Pole("alfa2"), "10");
    Wpisz(Pole("tekst31"), "ul. Polna");
    GeometriaRuchoplan->B_WprowadzClick();
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_TRUE(ProjektZmieniony);
    for (int wariant : {0, 1}) {
        const DaneRuchoplan& r = Ruchoplany[Rekord(0, wariant)];
        EXPECT_FLOAT_EQ(r.GlobDlugosc, 9.5f) << wariant;
        EXPECT_FLOAT_EQ(r.GlobDlugoscPom, 8.5f) << "length minus the auxiliary 1.0";
        EXPECT_FLOAT_EQ(r.Kat[1], static_cast<float>(10 * 3.141592654 / 180));
        EXPECT_EQ(r.OpisRamienia[4].str(), "ul. Polna");
        EXPECT_EQ(r.GeometriaWprowadzona, 1);
    }
    EXPECT_FLOAT_EQ(Ruchoplany[Rekord(1, 0)].GlobDlugosc, 7.0f) << "another node keeps its geometry";
    // The shown variant was computed again by the store's redraw.
    EXPECT_EQ(Ruchoplany[Rekord(0, 0)].Obliczony, 1);
}

TEST_F(Geometria, KontroleIGranice)
{
    Otworz(Rekord(1, 0));
    Wpisz(Pole("alfa1"), "44.01");
    Wpisz(Pole("alfa3"), "-44");
    Wpisz(Pole("E_o"), "x");
    Wpisz(Pole("E3_L"), "1,5");
    GeometriaRuchoplan->B_WprowadzClick();
    ASSERT_EQ(Komunikaty().size(), 2u);
    EXPECT_EQ(Komunikaty()[0], "Nieprawidłowy kąt jezdni POŁUDNIOWEJ dopuszczalny zakres <-44,44> st.");
    // A number that failed skips the length check.
    EXPECT_EQ(Komunikaty()[1], "Nieprawidłowe parametry globalne!");
    EXPECT_EQ(Pole("E3_L")->text(), "1.5") << "the separator fixed";
    // The later check wins.
    Wpisz(Pole("alfa1"), "44");
    Wpisz(Pole("E_o"), "0,1");
    Wpisz(Pole("E1_Rl"), "0.05");
    GeometriaRuchoplan->B_WprowadzClick();
    EXPECT_EQ(Komunikaty().back(), "Promień (lewoskręty) musi być większy od 0.1[cm]!");
    EXPECT_FLOAT_EQ(Ruchoplany[Rekord(1, 0)].GlobOdsuniecie, 0.5f) << "nothing stored";

    Wpisz(Pole("E3_L"), "2");
    Wpisz(Pole("E1_Rl"), "0.1");
    Wpisz(Pole("E_z"), "0.3");
    Wpisz(Pole("E_l"), "5");
    Wpisz(Pole("E_dL"), "4.5");
    GeometriaRuchoplan->B_WprowadzClick();
    EXPECT_EQ(Komunikaty().size(), 3u);
    const DaneRuchoplan& r = Ruchoplany[Rekord(1, 1)];
    EXPECT_FLOAT_EQ(r.GlobOdsuniecie, 0.2f);
    EXPECT_FLOAT_EQ(r.GlobZawrotka, 0.5f);
    EXPECT_FLOAT_EQ(r.GlobDlugoscPom, 1.0f) << "5.0 - 4.5 raised to 1.0";
    EXPECT_FLOAT_EQ(r.Dlugosc[2], 2.0f);
    EXPECT_EQ(Pole("E_o")->text(), "0.1") << "the edit keeps what was typed";
}

TEST_F(Geometria, PoprawkiSkretow)
{
    const int n = Rekord(0, 0);
    Otworz(n);
    for (int i = 0; i < 25; ++i) {
        GeometriaRuchoplan->LL1Click();
        GeometriaRuchoplan->PP1Click();
    }
    // Both corrections stop at 2.0, in every variant.
    for (int wariant : {0, 1}) {
        EXPECT_FLOAT_EQ(Ruchoplany[Rekord(0, wariant)].PoprawkaLewoskretow, 2.0f);
        EXPECT_FLOAT_EQ(Ruchoplany[Rekord(0, wariant)].PoprawkaPrawoskretow, 2.0f);
    }
    EXPECT_EQ(Kontrolka<QLabel>(GeometriaRuchoplan, "LL14")->text(), "-2.00");
    EXPECT_EQ(Kontrolka<QLabel>(GeometriaRuchoplan, "PP23")->text(), "-2.00");
    for (int i = 0; i < 45; ++i)
        GeometriaRuchoplan->LL2Click();
    EXPECT_FLOAT_EQ(Ruchoplany[n].PoprawkaLewoskretow, -2.0f);

    // Local mode: arm 1 takes +R, arm 2 -R; a radius never falls to 0 or below.
    for (int i = 0; i < 15; ++i)
        GeometriaRuchoplan->PP2Click();
    EXPECT_NEAR(Ruchoplany[n].PoprawkaPrawoskretow, 0.5f, 1e-5);
    Kontrolka<QRadioButton>(GeometriaRuchoplan, "RB_Lokalne")->click();
    EXPECT_EQ(Ruchoplany[n].Globalne, 0) << "the mode is stored at once";
    Wpisz(Pole("E1_Rp"), "2");
    Wpisz(Pole("E2_Rp"), "2");
    Wpisz(Pole("E4_Rp"), "0.1");
    GeometriaRuchoplan->Button5Click();
    EXPECT_FLOAT_EQ(Ruchoplany[n].PromienPrawoskretu[0], 2.5f);
    EXPECT_FLOAT_EQ(Ruchoplany[n].PromienPrawoskretu[1], 1.5f);
    EXPECT_FLOAT_EQ(Ruchoplany[n].PromienPrawoskretu[3], 0.1f);
    EXPECT_EQ(Kontrolka<QLabel>(GeometriaRuchoplan, "L4_rp")->text(), "0.1");
    // Shown again, the edits hold the radii as typed.
    GeometriaRuchoplan->FormShow();
    EXPECT_EQ(Pole("E1_Rp")->text(), "2");
    EXPECT_EQ(Pole("E2_Rp")->text(), "2");
}

TEST_F(Geometria, PrzyciskiKrokow)
{
    const int n = Rekord(1, 1);
    Otworz(n);
    GeometriaRuchoplan->B_WGlobalnePlusClick();
    GeometriaRuchoplan->B_WGlobalneMinusClick();
    EXPECT_EQ(Pole("E_o")->text(), "0.45");
    EXPECT_EQ(Pole("E_l")->text(), "7.0");
    EXPECT_NEAR(Ruchoplany[Rekord(1, 0)].GlobOdsuniecie, 0.45f, 1e-6);

    Kontrolka<QRadioButton>(GeometriaRuchoplan, "RB_Lokalne")->click();
    GeometriaRuchoplan->KrokRamion(GrDlugosc, true);
    EXPECT_EQ(Komunikaty().back(), "Nie wskazano relacji do zmiany!");
    Kontrolka<QCheckBox>(GeometriaRuchoplan, "CB_S")->setChecked(true);
    Kontrolka<QCheckBox>(GeometriaRuchoplan, "CB_W")->setChecked(true);
    Wpisz(Pole("E1_dL"), "1.5");
    Kontrolka<QPushButton>(GeometriaRuchoplan, "B_PomPlus")->click();
    Kontrolka<QPushButton>(GeometriaRuchoplan, "B_LPlus")->click();
    EXPECT_EQ(Pole("E1_dL")->text(), "1.4");
    EXPECT_EQ(Pole("E1_L")->text(), "7.1");
    EXPECT_EQ(Pole("E2_L")->text(), "7") << "arm 2 not chosen";
    EXPECT_FLOAT_EQ(Ruchoplany[n].Dlugosc[3], 7.1f);
    EXPECT_FLOAT_EQ(Ruchoplany[n].DlugoscPom[0], 7.1f - 1.4f);

    // An edit holding no number: its arm is named, nothing stored.
    Wpisz(Pole("E4_L"), "abc");
    Kontrolka<QPushButton>(GeometriaRuchoplan, "B_LPlus")->click();
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowe parametry jezdni zachodniej!");
    EXPECT_FLOAT_EQ(Ruchoplany[n].Dlugosc[3], 7.1f);

    // Defaults in local mode leave the global edits.
    Wpisz(Pole("E4_L"), "7");
    GeometriaRuchoplan->B_ResetWlasnosciGlobalneClick();
    EXPECT_EQ(Pole("E3_dL")->text(), "1.5");
    EXPECT_EQ(Pole("E_o")->text(), "0.45");
    EXPECT_FLOAT_EQ(Ruchoplany[n].DlugoscPom[2], 5.5f);
}

TEST_F(Geometria, SuwakPrzesuwaRamieIArkuszZaNim)
{
    const int n = Rekord(0, 0);
    Form1->Przerysuj();
    Otworz(n);
    Kontrolka<QRadioButton>(GeometriaRuchoplan, "RB_Lokalne")->click();
    ProjektZmieniony = false;
    const auto przed = Ruchoplany[n].GeometriaRamion;
    UstawSuwak->L_NrRupl->setText(QString::number(n));
    UstawSuwak->FormShow();
    EXPECT_FALSE(UstawSuwak->RB_1->isHidden());
    EXPECT_EQ(UstawSuwak->WybranaJezdnia(), 3) << "north ticked at first";
    EXPECT_EQ(UstawSuwak->SB_L->value(), 70);
    EXPECT_FALSE(ProjektZmieniony) << "showing the values is no move";

    UstawSuwak->RB_2->click();
    UstawSuwak->SB_L->setValue(95);
    EXPECT_EQ(Pole("E2_L")->text(), "9.5");
    EXPECT_EQ(UstawSuwak->L_L->text(), "9.5");
    EXPECT_TRUE(ProjektZmieniony);
    for (int wariant : {0, 1})
        EXPECT_FLOAT_EQ(Ruchoplany[Rekord(0, wariant)].Dlugosc[1], 9.5f);
    EXPECT_FLOAT_EQ(Ruchoplany[n].Dlugosc[0], 7.0f);
    // The redraw followed: the shown diagram was computed again.
    EXPECT_EQ(Ruchoplany[n].Obliczony, 1);
    EXPECT_NE(Ruchoplany[n].GeometriaRamion, przed);

    // The length slider stops at the 2 cm the geometry's check asks.
    UstawSuwak->SB_L->setValue(15);
    EXPECT_EQ(UstawSuwak->SB_L->value(), 20);
    EXPECT_EQ(Pole("E2_L")->text(), "2");
    EXPECT_FLOAT_EQ(Ruchoplany[n].Dlugosc[1], 2.0f);
    UstawSuwak->SB_L->setValue(60);
    EXPECT_FLOAT_EQ(Ruchoplany[n].Dlugosc[1], 6.0f);
}

TEST_F(Geometria, SuwakWTrybieGlobalnym)
{
    const int n = Rekord(1, 0);
    Ruchoplany[n].GlobPromienPrawoskretu = 0.3f;  // below the slider's range
    Otworz(n);
    UstawSuwak->L_NrRupl->setText(QString::number(n));
    UstawSuwak->FormShow();
    EXPECT_TRUE(UstawSuwak->RB_1->isHidden());
    EXPECT_EQ(UstawSuwak->WybranaJezdnia(), 0);
    EXPECT_EQ(UstawSuwak->SB_RP->value(), 5);
    EXPECT_FLOAT_EQ(Ruchoplany[n].GlobPromienPrawoskretu, 0.3f) << "showing stores nothing";
    UstawSuwak->SB_Od->setValue(12);
    for (int wariant : {0, 1})
        EXPECT_FLOAT_EQ(Ruchoplany[Rekord(1, wariant)].GlobOdsuniecie, 1.2f);
    EXPECT_FLOAT_EQ(Ruchoplany[n].Odsuniecie[0], 0.5f);
}

TEST_F(Geometria, WylaczoneRamie)
{
    const int n = Rekord(0, 0);
    Otworz(n);
    Kontrolka<QCheckBox>(GeometriaRuchoplan, "Wylacz3")->click();
    EXPECT_FALSE(Pole("alfa3")->isEnabled());
    Kontrolka<QCheckBox>(GeometriaRuchoplan, "Wylacz1")->click();
    // One arm off at a time.
    EXPECT_FALSE(Kontrolka<QCheckBox>(GeometriaRuchoplan, "Wylacz3")->isChecked());
    EXPECT_TRUE(Pole("alfa3")->isEnabled());
    GeometriaRuchoplan->B_WprowadzClick();
    for (int wariant : {0, 1}) {
        const auto& ramie = Ruchoplany[Rekord(0, wariant)].Ramie;
        EXPECT_EQ(ramie[0], 0);
        EXPECT_EQ(ramie[2], 1);
    }
}

}  // namespace

namespace {

TEST_F(Formularze, SuwakiZOknaGeometrii)
{
    const int n = Rekord(0, 0);
    GeometriaRuchoplan->L_NrRupl->setText(QString::number(n));
    bool wrocilo = false;
    QTimer::singleShot(0, GeometriaRuchoplan, [&] {
        GeometriaRuchoplan->PageControl1->setCurrentIndex(1);
        ASSERT_TRUE(GeometriaRuchoplan->B_WlaczPaski->isEnabled());
        QTimer::singleShot(0, UstawSuwak, [] {
            UstawSuwak->SB_Od->setValue(9);
            UstawSuwak->Button1Click();
        });
        GeometriaRuchoplan->B_WlaczPaski->click();
        // The geometry window is still the modal one, with the slider's value,
        // and its loop goes on until "Powrót".
        wrocilo = GeometriaRuchoplan->isVisible();
        EXPECT_EQ(Kontrolka<QLineEdit>(GeometriaRuchoplan, "E_o")->text(), "0.9");
        QTimer::singleShot(0, GeometriaRuchoplan, [] { GeometriaRuchoplan->B_WprowadzClick(); });
    });
    EXPECT_EQ(GeometriaRuchoplan->exec(), QDialog::Accepted);
    EXPECT_TRUE(wrocilo);
    EXPECT_FLOAT_EQ(Ruchoplany[Rekord(0, 1)].GlobOdsuniecie, 0.9f);
}

}  // namespace
