// A new empty project and the two text helpers.
#include <cmath>

#include "model/Projekt.h"
#include "projekt_pomoc.h"

namespace {

class NowyProjektTest : public ModelTest {};

TEST_F(NowyProjektTest, EmptiesEveryCollectionAndResetsState)
{
    Wezly.push_back(NowyWezel(1, 2, "A", 'J'));
    Warianty.resize(2);
    Opisy.resize(1);
    Bloki.resize(1);
    DefinicjeBlokow.resize(1);
    LinieBlokow.resize(3);
    BiezacyWariant = 1;
    LiczbaWezlowRuchoplanow = 4;
    WyjscieDxf = true;
    NowyOpisSx = 3.0f;
    ProjektZmieniony = true;
    okno.tytul = "stary.rup";

    NowyProjekt();

    EXPECT_EQ(LiczbaWezlow(), 0);
    EXPECT_EQ(LiczbaWariantow(), 0);
    EXPECT_EQ(LiczbaOpisow(), 0);
    EXPECT_EQ(LiczbaBlokow(), 0);
    EXPECT_EQ(LiczbaDefinicjiBlokow(), 0);
    EXPECT_EQ(LiczbaLiniiBlokow(), 0);
    EXPECT_EQ(LiczbaRuchoplanow(), 0);
    EXPECT_EQ(LiczbaRond(), 0);
    EXPECT_EQ(LiczbaPomiarow(), 0);
    EXPECT_EQ(LiczbaPrognoz(), 0);
    EXPECT_EQ(LiczbaWspolczynnikow(), 0);
    EXPECT_EQ(BiezacyWariant, -1);
    EXPECT_EQ(LiczbaWezlowRuchoplanow, 0);
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieDxf);
    EXPECT_FLOAT_EQ(NowyOpisSx, 1.0f);
    EXPECT_TRUE(ProjektZmieniony) << "a new project leaves the modified flag alone";
    EXPECT_EQ(okno.tytul, "...");
}

TEST_F(NowyProjektTest, VehicleTypeTable)
{
    Sklad[7].Aktywny = 1;
    Sklad[1].Nazwa = "x";
    LiczbaSkladow = 9;
    NowyProjekt();
    EXPECT_EQ(LiczbaSkladow, 5);
    const char* kody[] = {"O", "D", "C", "Cp", "A"};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(Sklad[i].Aktywny, 1);
        EXPECT_EQ(Sklad[i].Oznaczenie.str(), kody[i - 1]);
        EXPECT_FLOAT_EQ(Sklad[i].Wspolczynnik, 1.0f);
    }
    EXPECT_EQ(Sklad[3].Nazwa.str(), "ci\xEA\xBF" "arowe");
    EXPECT_EQ(Sklad[0], DaneSklad{});
    for (int i = 6; i < RozmiarSkladu; ++i)
        EXPECT_EQ(Sklad[i], DaneSklad{});
}

TEST_F(NowyProjektTest, WithoutPrinterThePageIsA4AndTheViewFitsIt)
{
    EXPECT_FLOAT_EQ(wg.ArkuszB, 20.5f);
    EXPECT_FLOAT_EQ(wg.ArkuszH, 28.5f);
    EXPECT_FLOAT_EQ(NastawySchowek.X1, 0.0f);
    EXPECT_FLOAT_EQ(NastawySchowek.Y1, 0.0f);
    EXPECT_FLOAT_EQ(NastawySchowek.X2, 20.5f);
    EXPECT_FLOAT_EQ(NastawySchowek.Y2, 28.5f);
    EXPECT_EQ(NastawySchowek.PunktowNaCm, 50);
    EXPECT_EQ(NastawySchowek.KolorTla, KolorBialy);
    EXPECT_DOUBLE_EQ(ZakresWidoku.XMin, -1.0);
    EXPECT_DOUBLE_EQ(ZakresWidoku.YMin, -1.0);
    EXPECT_DOUBLE_EQ(ZakresWidoku.XMax, 21.5);
    EXPECT_DOUBLE_EQ(ZakresWidoku.YMax, 29.5);
    // 1005 x 505 pixels: sx = 22.5, sy = 61.0.
    EXPECT_DOUBLE_EQ(Skala, 61.0);
    EXPECT_DOUBLE_EQ(SrodekX, 10.25);
    EXPECT_DOUBLE_EQ(SrodekY, 14.25);
}

TEST_F(NowyProjektTest, PageFromThePrinterAndAWideView)
{
    okno.drukarka = true;
    okno.cmB = 19.0;
    okno.cmH = 27.7;
    okno.szerokosc = 405;
    okno.wysokosc = 1205;
    NowyProjekt();
    EXPECT_FLOAT_EQ(wg.ArkuszB, 19.0f);
    EXPECT_FLOAT_EQ(wg.ArkuszH, 27.7f);
    EXPECT_FLOAT_EQ(wg.ArkuszBUser, 20.5f);
    EXPECT_FLOAT_EQ(wg.ArkuszHUser, 28.5f);
    EXPECT_EQ(DpiDrukarkiX, 600);
    EXPECT_FLOAT_EQ(NastawySchowek.X2, 19.0f);
    // sx = 21 x 1000 / 400 = 52.5 beats sy = 29.7 x 1000 / 1200.
    EXPECT_NEAR(Skala, 52.5, 1e-5);
}

TEST_F(NowyProjektTest, TinyDrawingAreaGivesAFiniteScale)
{
    okno.szerokosc = 3;
    okno.wysokosc = 0;
    NowyProjekt();
    EXPECT_TRUE(std::isfinite(Skala));
    EXPECT_GT(Skala, 0.0);
}

TEST_F(NowyProjektTest, SettingsDefaultsAndKeptFields)
{
    wg.GrLinie = 0.7f;
    wg.TylkoSuma = 1;
    wg.ArkuszA3 = 1;
    wg.MaxNatezenie = 321;
    wg.Siatka = 1;
    wg.KrokSiatki = 2.5f;
    wg.NazwyPrzejsc[0] = "X";
    RozmiaryLegendy.SzerNat() = 9.0f;
    NowyProjekt();
    EXPECT_FLOAT_EQ(wg.GrLinie, 0.7f);
    EXPECT_EQ(wg.TylkoSuma, 1);
    EXPECT_EQ(wg.ArkuszA3, 1);
    EXPECT_EQ(wg.MaxNatezenie, 321);
    EXPECT_EQ(wg.Siatka, 0);
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 1.0f);
    EXPECT_EQ(wg.NazwyPrzejsc[0].str(), "PIESI");
    EXPECT_EQ(wg.NazwyPrzejsc[1].str(), "ROWERZY\x8C" "CI");
    EXPECT_EQ(wg.KoloryPrzejsc[0], KolorRGB(255, 0, 0));
    EXPECT_EQ(wg.KoloryPrzejsc[1], KolorRGB(0, 0, 128));
    EXPECT_EQ(wg.NazwaCzcionki.str(), "Roman");
    EXPECT_EQ(wg.MinPojazd, 50);
    EXPECT_EQ(wg.SkalaPrzejscAuto, 1);
    EXPECT_FLOAT_EQ(wg.PrzejMaxSzer, 0.5f);
    EXPECT_FLOAT_EQ(RozmiaryLegendy.SzerNat(), 0.3f);
    EXPECT_EQ(RozmiaryLegendy.Kolor(), 0x141414u);
    EXPECT_EQ(RozmiaryLegendy.DokladnoscProc(), 1);
    EXPECT_FLOAT_EQ(RozmiaryOpisow[9], 4.0f);
    EXPECT_EQ(RozmiaryOpisow.Kolor(), 0x141414u);
}

TEST(PoprawSeparatorTest, ReplacesBothSeparatorsOneForOne)
{
    UstawSeparatorDziesietny(',');
    EXPECT_EQ(PoprawSeparator("1.5"), "1,5");
    EXPECT_EQ(PoprawSeparator("1,5"), "1,5");
    UstawSeparatorDziesietny('.');
    EXPECT_EQ(PoprawSeparator("1,5"), "1.5");
    EXPECT_EQ(PoprawSeparator("1.2,3"), "1.2.3");
    EXPECT_EQ(PoprawSeparator("12"), "12");
    EXPECT_EQ(PoprawSeparator(""), "");
}

TEST(UsunSpacjeTest, RemovesEveryBlank)
{
    EXPECT_EQ(UsunSpacje(" 1  2 "), "12");
    EXPECT_EQ(UsunSpacje("     "), "");
    EXPECT_EQ(UsunSpacje(""), "");
    EXPECT_EQ(UsunSpacje("a\tb"), "a\tb");
}

TEST_F(NowyProjektTest, NewNodeCopiesTheGlobalSettings)
{
    wg.TabelkaWW = 1;
    wg.PiszStruk = 0;
    RozmiaryOpisow.RozmiarStrzalki() = 2.0f;
    const DaneWezel w = NowyWezel(3, 4, "W1", 'R');
    EXPECT_EQ(w.Typ, 'R');
    EXPECT_EQ(w.TabelkaWW, 1);
    EXPECT_EQ(w.PiszStruk, 0);
    EXPECT_FLOAT_EQ(w.RozmiaryOpisow.RozmiarStrzalki(), 2.0f);
    EXPECT_EQ(w.Globalne, 1);
    EXPECT_FLOAT_EQ(w.TytulDx, -5.0f);
    EXPECT_FLOAT_EQ(w.TytulDy, 12.0f);
    EXPECT_EQ(w.TytulWyrownanie, 'L');
    EXPECT_FLOAT_EQ(w.OdlegloscPrzejscia[4], 4.0f);
    EXPECT_FLOAT_EQ(w.LegendaStrukturyX, -5.0f);
    EXPECT_EQ(w.KoloryPrzejsc[1], KolorGranatowy);
}

}  // namespace
