// Opening and committing every junction window without an edit leaves the
// saved project byte for byte as it was.
#include "formularze.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"

namespace {

using BezZmian = Formularze;

TEST_F(BezZmian, OknaBezEdycjiNieZmieniajaPliku)
{
    // A diagram on a count with factors and a forecast, one on its vehicle
    // structure, values the windows show rounded.
    DodajPomiarWspolczynnikiIPrognoze();
    DaneRuchoplan& a = Ruchoplany[Rekord(0, 0)];
    a.NrPomiaru = a.NrWspolczynnikow = a.NrPrognozy = 0;
    a.ZPomiaru = a.WlaczPrognoze = 1;
    a.TytulDx = -5.25f;
    a.TytulWysokosc = 0.75f;
    a.Tytul[0] = "Skrzy\xbfowanie";  // "ż" in Windows-1250
    a.Tytul[1] = std::string(200, 'T');  // longer than the edits show at once
    a.Kat[1] = 0.3f;
    DaneRuchoplan& b = Ruchoplany[Rekord(1, 0)];
    b.ZeStruktury = 1;
    b.NatezeniaStruktura[3] = {13, 10, 3, 0, 0, 0, 0, 0, 0, 0, 0};
    b.Globalne = 0;
    b.PoprawkaPrawoskretow = 0.3f;
    b.PromienPrawoskretu[1] = 1.7f;
    Sklad[2].Wspolczynnik = 1.0f;
    const std::string przed = Sciezka("przed.rup"), po = Sciezka("po.rup");
    // The sheet as the user sees it (the redraw sets the band scale).
    Form1->Przerysuj();
    ASSERT_TRUE(ZapiszProjekt(przed));
    ProjektZmieniony = false;

    for (int wezel : {0, 1}) {
        const int n = Rekord(wezel, 0);
        for (int strona : {0, 1, 2, 3}) {
            NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
            NatezeniaRUPL->FormShow();
            NatezeniaRUPL->PC_NatRupl->blockSignals(true);
            NatezeniaRUPL->PC_NatRupl->setCurrentIndex(strona);
            NatezeniaRUPL->PC_NatRupl->blockSignals(false);
            NatezeniaRUPL->BWprowadzClick();
        }
        GeometriaRuchoplan->L_NrRupl->setText(QString::number(n));
        GeometriaRuchoplan->FormShow();
        UstawSuwak->L_NrRupl->setText(QString::number(n));
        UstawSuwak->FormShow();
        UstawSuwak->RB_2->click();
        UstawSuwak->Button1Click();
        GeometriaRuchoplan->B_WprowadzClick();
    }
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_FALSE(ProjektZmieniony);
    ASSERT_TRUE(ZapiszProjekt(po));
    EXPECT_TRUE(CzytajPlik(po) == CzytajPlik(przed));
}

}  // namespace
