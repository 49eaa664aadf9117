// A new empty project and the two text helpers. The defaults a new project
// saves are checked byte by byte by the golden file of the file tests.
#include <cmath>

#include "model/Projekt.h"
#include "projekt_pomoc.h"

namespace {

class NowyProjektTest : public ModelTest {};

TEST_F(NowyProjektTest, EmptiesEveryCollectionAndResetsState)
{
    Wezly.push_back(NowyWezel(1, 2, "A", 'J'));
    Warianty.resize(2), Ruchoplany.resize(1), Ronda.resize(1), Pomiary.resize(1), Prognozy.resize(1);
    Wspolczynniki.resize(1), Opisy.resize(1), Bloki.resize(1), DefinicjeBlokow.resize(1), LinieBlokow.resize(3);
    BiezacyWariant = 1, LiczbaWezlowRuchoplanow = 4;
    okno.noweWidoki = 0;
    ProjektZmieniony = true;
    okno.tytul = "stary.rup";

    NowyProjekt();

    EXPECT_EQ(LiczbaWezlow() + LiczbaWariantow() + LiczbaOpisow() + LiczbaBlokow() + LiczbaDefinicjiBlokow() +
                  LiczbaLiniiBlokow() + LiczbaRuchoplanow() + LiczbaRond() + LiczbaPomiarow() + LiczbaPrognoz() +
                  LiczbaWspolczynnikow(),
              0);
    EXPECT_EQ(BiezacyWariant, -1);
    EXPECT_EQ(LiczbaWezlowRuchoplanow, 0);
    EXPECT_EQ(okno.noweWidoki, 1) << "the window sets its view and outputs anew";
    EXPECT_TRUE(ProjektZmieniony) << "a new project leaves the modified flag alone";
    EXPECT_EQ(okno.tytul, "...");
}

TEST_F(NowyProjektTest, VehicleTypeTableIsRebuilt)
{
    Sklad[7].Aktywny = 1, Sklad[1].Nazwa = "x", LiczbaSkladow = 9;
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

TEST_F(NowyProjektTest, SheetFromThePrintersPage)
{
    // The printer's page.
    okno.drukarka = true, okno.cmB = 19.0, okno.cmH = 27.7, okno.szerokosc = 405, okno.wysokosc = 1205;
    NowyProjekt();
    EXPECT_FLOAT_EQ(wg.ArkuszB, 19.0f);
    EXPECT_FLOAT_EQ(wg.ArkuszH, 27.7f);
    EXPECT_FLOAT_EQ(wg.ArkuszBUser, 20.5f);
    EXPECT_FLOAT_EQ(wg.ArkuszHUser, 28.5f);
    EXPECT_EQ(DpiDrukarkiX, 600);
    EXPECT_FLOAT_EQ(NastawySchowek.X2, 19.0f);
}

TEST_F(NowyProjektTest, SomeSettingsAreKeptOthersReset)
{
    wg.GrLinie = 0.7f, wg.TylkoSuma = 1, wg.ArkuszA3 = 1, wg.MaxNatezenie = 321;
    wg.Siatka = 1, wg.KrokSiatki = 2.5f, wg.NazwyPrzejsc[0] = "X";
    RozmiaryLegendy.SzerNat() = 9.0f;
    NowyProjekt();
    EXPECT_FLOAT_EQ(wg.GrLinie, 0.7f);
    EXPECT_EQ(wg.TylkoSuma, 1);
    EXPECT_EQ(wg.ArkuszA3, 1);
    EXPECT_EQ(wg.MaxNatezenie, 321);
    EXPECT_EQ(wg.Siatka, 0);
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 1.0f);
    EXPECT_EQ(wg.NazwyPrzejsc[0].str(), "PIESI");
    EXPECT_FLOAT_EQ(RozmiaryLegendy.SzerNat(), 0.3f);
    // Not in the file, so the golden file cannot show it.
    EXPECT_EQ(RozmiaryOpisow.Kolor(), 0x141414u);
}

TEST_F(NowyProjektTest, NewNodeCopiesTheGlobalSettings)
{
    wg.TabelkaWW = 1, wg.PiszStruk = 0;
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
    EXPECT_FLOAT_EQ(w.LegendaStrukturyX, -5.0f);
}

TEST(TekstyTest, PoprawSeparatorIUsunSpacje)
{
    const struct {
        char separator;
        const char* wejscie;
        const char* wynik;
    } separatory[] = {{',', "1.5", "1,5"}, {',', "1,5", "1,5"}, {'.', "1,5", "1.5"},
                      {'.', "1.2,3", "1.2.3"}, {'.', "12", "12"}, {'.', "", ""}};
    for (const auto& p : separatory) {
        UstawSeparatorDziesietny(p.separator);
        EXPECT_EQ(PoprawSeparator(p.wejscie), p.wynik) << p.wejscie;
    }
    UstawSeparatorDziesietny('.');
    const std::pair<const char*, const char*> spacje[] = {{" 1  2 ", "12"}, {"     ", ""}, {"", ""}, {"a\tb", "a\tb"}};
    for (const auto& [wejscie, wynik] : spacje)
        EXPECT_EQ(UsunSpacje(wejscie), wynik) << wejscie;
}

}  // namespace
