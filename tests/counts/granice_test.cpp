// Values typed into the count windows that the project file cannot hold are
// refused there, with a message, and the count stays as it was.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "model/Prognoza.h"
#include "model/Sekcje.h"
#include "pomoc.h"

namespace {

using GraniceOkienPomiaru = OknaPomiarowTest;

TEST_F(GraniceOkienPomiaru, NatezeniaIPrzejsciaWTabeliWlotu)
{
    ASSERT_EQ(UstawDomyslnyPomiar(BiezacyPomiar), "");
    TNatezeniaTabela& t = *NatezeniaTabela;
    t.L_NrWlot->setText("1");
    t.PokazTabele();
    const DanePomiar przed = BiezacyPomiar;
    for (const char* tekst : {"-1", "20000000", "2000000000", "10000001"}) {
        t.SG_Tabela->UstawKomorke(2, 1, tekst);
        EXPECT_FALSE(t.SprawdzTabeleNatezen().ok) << tekst;
        t.B_WprowadzClick();
        EXPECT_EQ(Cp1250NaUtf8(dialogi.OstatniTekst()), "Nieprawidłowa wartość natężenia poz. (2,1)");
    }
    t.SG_Tabela->UstawKomorke(2, 1, "10000000");
    EXPECT_TRUE(t.SprawdzTabeleNatezen().ok);
    t.E_Przej[0]->setText("-1");
    EXPECT_FALSE(t.SprawdzTabeleNatezen().ok);
    t.E_Przej[0]->setText("0");

    // Each cell within the limit, their inlet total beyond it.
    t.SG_Tabela->UstawKomorke(2, 2, "10000000");
    const WynikSprawdzenia w = t.SprawdzTabeleNatezen();
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(Cp1250NaUtf8(w.komunikat), "Suma natężeń wlotu przekracza 10000000.");
    t.B_WprowadzClick();
    EXPECT_EQ(BiezacyPomiar.NatezeniaPojazdow, przed.NatezeniaPojazdow);
    EXPECT_EQ(BiezacyPomiar.NatezeniaPojazdowSumy, przed.NatezeniaPojazdowSumy);

    // The largest the file holds is stored and passes the project's checks.
    t.SG_Tabela->UstawKomorke(2, 2, "0");
    t.B_WprowadzClick();
    EXPECT_EQ(BiezacyPomiar.NatezeniaPojazdowSumy[0], 10000000);
    Projekt p;
    p.Pomiary = {BiezacyPomiar};
    EXPECT_EQ(SprawdzDiagramy(p), "");
}

TEST_F(GraniceOkienPomiaru, WspolczynnikCzasIPrognoza)
{
    UstawSeparatorDziesietny(',');
    ASSERT_EQ(UstawDomyslnyPomiar(BiezacyPomiar), "");
    TPojazdyTabela& k = *PojazdyTabela;
    k.PokazUstawienia();
    for (const char* tekst : {"3e38", "1e39", "-1", "1000,5", "nan"}) {
        k.SG_Tabela->UstawKomorke(3, 2, tekst);
        const WynikSprawdzenia w = k.SprawdzUstawieniaPomiaru();
        EXPECT_FALSE(w.ok) << tekst;
        EXPECT_EQ(Cp1250NaUtf8(w.komunikat), "Współczynnik musi być liczbą od 0 do 1000 (poz. 2).") << tekst;
    }
    k.SG_Tabela->UstawKomorke(3, 2, "1000");
    EXPECT_TRUE(k.SprawdzUstawieniaPomiaru().ok);
    // Names longer than the count keeps are refused, never cut.
    k.SG_Tabela->UstawKomorke(1, 2, std::string(61, 'D'));
    EXPECT_EQ(Cp1250NaUtf8(k.SprawdzUstawieniaPomiaru().komunikat), "Pole „Nazwa pojazdu” może mieć najwyżej 60 znaków.");
    k.SG_Tabela->UstawKomorke(1, 2, std::string(60, 'D'));
    EXPECT_TRUE(k.SprawdzUstawieniaPomiaru().ok);
    UstawSeparatorDziesietny('.');

    // A count's duration: minutes of at most a week, never negative.
    PomiaryRuchu->E_NazwaWezla->setText("Rondo");
    PomiaryRuchu->E_GodzPomiaru->setText("7:00");
    for (const char* tekst : {"-1", "10081", "99999999999"}) {
        PomiaryRuchu->CB_CzasPomiaru->setCurrentText(tekst);
        EXPECT_FALSE(PomiaryRuchu->SprawdzNaglowekPomiaru().ok) << tekst;
    }
    PomiaryRuchu->CB_CzasPomiaru->setCurrentText("10080");
    EXPECT_TRUE(PomiaryRuchu->SprawdzNaglowekPomiaru().ok);
    PomiaryRuchu->E_Opis2->setText(QString(256, 'x'));
    EXPECT_EQ(Cp1250NaUtf8(PomiaryRuchu->SprawdzNaglowekPomiaru().komunikat),
              "Pole „Opis, uwagi” może mieć najwyżej 255 znaków.");
    PomiaryRuchu->E_Opis2->clear();

    // A forecast cell longer than its 10 characters would be cut into another
    // forecast ("00000000020%" into "0000000002", +2 vehicles for +20 %).
    DanePrognoza kopia;
    UstawDomyslnaPrognoze(kopia);
    TTabelaPrognoz& t = *TabelaPrognoz;
    t.Ustaw(&kopia, &BiezacyPomiar, {"S", "E", "N", "W", ""}, 'J');
    t.Button3Click();
    t.SG_Pojazdy->UstawKomorke(2, 1, "00000000020%");
    t.B_WprowadzClick();
    EXPECT_EQ(Cp1250NaUtf8(dialogi.OstatniTekst()), "Opis prognozy może mieć najwyżej 10 znaków, poz. (2,1)");
    EXPECT_EQ(kopia.PrognozaPojazdy[0][0].str(), "");
    t.SG_Pojazdy->UstawKomorke(2, 1, "000000020%");
    t.B_WprowadzClick();
    EXPECT_EQ(kopia.PrognozaPojazdy[0][0].str(), "000000020%");
    EXPECT_EQ(ZastosujPrognoze(100, kopia.PrognozaPojazdy[0][0].str()), 120);
}

}  // namespace
