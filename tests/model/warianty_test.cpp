// Variants, descriptions, blocks and clipboard settings in the file, and the
// checks after a load.
#include "model/PlikProjektu.h"
#include "model/Sekcje.h"
#include "projekt_pomoc.h"

namespace {

class WariantyTest : public ModelTest {
protected:
    static std::vector<std::string> SekcjaWariantow(int n)
    {
        std::vector<std::string> l = {Znacznik("vv1"), "Warianty", std::to_string(n), std::string(42, '-')};
        for (int i = 0; i < n; ++i)
            l.insert(l.end(), {"V" + std::to_string(i + 1), "a", "b", "c", "1", "2", "L"});
        l.push_back("");
        return l;
    }
    static std::vector<std::string> SekcjaOpisu(const std::string& wariant)
    {
        return {Znacznik("ov1"), "Opisy", "1", std::string(42, '-'), "tekst", "1", "2", "0.3", "0.4", "0",
                "0", "0.2", "0", wariant, "", "clBlack", ""};
    }
    static std::vector<std::string> SekcjaBlokow(const std::string& start, const std::string& koniec, int linii,
                                          const std::string& wariant, const std::string& nad)
    {
        std::vector<std::string> l = {Znacznik("bv1"), " Bloki", "1", std::string(42, '-'),
                                      "Nazwa bloku  : Znak", "Data         : 2020-01-31",
                                      "Time         : 08:30:00", "Grupa        : g", "Jedn         : cm",
                                      "start        : " + start, "koniec       : " + koniec,
                                      "", std::string(42, '-'), " Definicje blokow", std::to_string(linii),
                                      std::string(42, '-')};
        for (int i = 0; i < linii; ++i)
            l.push_back("L " + std::to_string(i));
        l.insert(l.end(), {"", std::string(42, '-'), " Wstawienia blokow", "1", std::string(42, '-'),
                           "Nazwa bloku  : Znak", "nrArk        : " + wariant, "X =          : 1,5",
                           "Y =          : 2.0", "sx=          : 1.0", "sy=          : 0.5", nad, ""});
        return l;
    }
    bool OtworzLinie(const std::vector<std::string>& sekcje)
    {
        return Otworz(ZapiszPlik("p.rup", Plik(Naglowek2(), sekcje)));
    }
};

TEST_F(WariantyTest, SecondVariantsSectionReplacesTheFirstAndNoneLeavesNoCurrent)
{
    ASSERT_TRUE(OtworzLinie(Plik(SekcjaWariantow(3), SekcjaWariantow(2))));
    EXPECT_EQ(LiczbaWariantow(), 2);
    EXPECT_EQ(okno.listaWariantow, (std::vector<std::string>{"1. V1", "2. V2"}));
    EXPECT_EQ(okno.tekstWariantu, "1. V1");
    EXPECT_EQ(BiezacyWariant, 0);

    okno.listaWariantow.clear();
    ASSERT_TRUE(OtworzLinie(SekcjaWariantow(0)));
    EXPECT_EQ(BiezacyWariant, -1);
    EXPECT_TRUE(okno.listaWariantow.empty());
}

TEST_F(WariantyTest, BlocksAndTheirLines)
{
    ASSERT_TRUE(OtworzLinie(SekcjaBlokow("1", "2", 3, "-1", "POD"))) << Blad();
    ASSERT_EQ(LiczbaBlokow(), 1);
    EXPECT_EQ(Bloki[0].Nad, 0) << "POD is below";
    EXPECT_FLOAT_EQ(Bloki[0].X, 1.5f);
    EXPECT_FLOAT_EQ(Bloki[0].Sy, 0.5f);
    EXPECT_EQ(Bloki[0].Nazwa, "Znak");
    ASSERT_EQ(LiczbaDefinicjiBlokow(), 1);
    EXPECT_EQ(DefinicjeBlokow[0].Grupa.str(), "g");
    EXPECT_DOUBLE_EQ(DefinicjeBlokow[0].Data, KodujDate(2020, 1, 31));
    EXPECT_DOUBLE_EQ(DefinicjeBlokow[0].Czas, KodujCzas(8, 30, 0));
    EXPECT_EQ(LiczbaLiniiBlokow(), 3);
    EXPECT_EQ(LinieBlokow[2].str(), "L 2");

    ASSERT_TRUE(OtworzLinie(SekcjaBlokow("1", "2", 3, "-1", "pod")));
    EXPECT_EQ(Bloki[0].Nad, 1) << "anything else is above";

    auto l = SekcjaBlokow("0", "-1", 0, "-1", "NAD");
    l[4] = "Nazwa";  // shorter than its prefix
    ASSERT_TRUE(OtworzLinie(l)) << Blad();
    EXPECT_EQ(DefinicjeBlokow[0].Nazwa, "");

    l = SekcjaBlokow("1", "2", 3, "-1", "NAD");
    l[5] = "Data         : 2020-02-30";
    SprawdzOdmowe(ZapiszPlik("p.rup", Plik(Naglowek2(), l)), "linia 11");
}

TEST_F(WariantyTest, IndicesThatPointNowhereRefuseTheLoad)
{
    const std::pair<Wiersze, std::string> odmowy[] = {
        {Plik(SekcjaWariantow(1), SekcjaOpisu("1")), "opis nr 1"},
        {SekcjaOpisu("-2"), "opis nr 1"},
        {Plik(SekcjaWariantow(1), SekcjaBlokow("1", "2", 3, "1", "NAD")), "blok nr 1"},
        {SekcjaBlokow("1", "3", 3, "-1", "NAD"), "Znak"},
        {SekcjaBlokow("-1", "1", 3, "-1", "NAD"), "Znak"},
    };
    for (const auto& [linie, fragment] : odmowy)
        SprawdzOdmowe(ZapiszPlik("p.rup", Plik(Naglowek2(), linie)), fragment);

    EXPECT_TRUE(OtworzLinie(Plik(SekcjaWariantow(2), SekcjaOpisu("1"))));
    EXPECT_TRUE(OtworzLinie(SekcjaOpisu("-1")));
    EXPECT_TRUE(OtworzLinie(SekcjaBlokow("3", "2", 3, "-1", "NAD"))) << "an empty range draws nothing";
}

TEST_F(WariantyTest, UnsafeSettingsAreRepaired)
{
    PisarzProjektu p;
    wg.KrokSiatki = 0.0f;
    wg.MinPojazd = 0;
    RozmiaryLegendy.UstawDokladnoscProc(1000000);
    NastawySchowek.PunktowNaCm = -5;
    ZapiszSekcjeNastaw(p);
    ZapiszSekcjeSchowka(p);
    Wezly = {NowyWezel(0, 0, "A", 'J')};
    Wezly[0].RozmiaryLegendy.UstawDokladnoscProc(-3);
    ZapiszSekcjeWezlow(p);
    ASSERT_TRUE(OtworzLinie(p.Linie())) << Blad();
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 1.0f);
    EXPECT_EQ(okno.krokSiatki, "1");
    EXPECT_EQ(wg.MinPojazd, 50);
    EXPECT_EQ(NastawySchowek.PunktowNaCm, 50);
    EXPECT_EQ(RozmiaryLegendy.DokladnoscProc(), 3);
    EXPECT_EQ(Wezly[0].RozmiaryLegendy.DokladnoscProc(), 0);
}

TEST_F(WariantyTest, ClipboardSettingsReadBack)
{
    const std::vector<std::string> l = {Znacznik("sv1"), "Nastawy schowek", std::string(42, '-'), "1,25", "2.50",
                                        "10.00", "12.0075", "30", "263", "285", "$00FFFBF0", ""};
    ASSERT_TRUE(OtworzLinie(l)) << Blad();
    EXPECT_FLOAT_EQ(NastawySchowek.X1, 1.25f);
    EXPECT_FLOAT_EQ(NastawySchowek.Y1, 2.5f);
    EXPECT_FLOAT_EQ(NastawySchowek.X2, 10.0f);
    EXPECT_FLOAT_EQ(NastawySchowek.Y2, 12.0075f);
    EXPECT_EQ(NastawySchowek.PunktowNaCm, 30);
    EXPECT_EQ(NastawySchowek.SzerokoscPx, 263);
    EXPECT_EQ(NastawySchowek.WysokoscPx, 285);
    EXPECT_EQ(NastawySchowek.KolorTla, KolorRGB(240, 251, 255));
}

TEST_F(WariantyTest, LineBreakInsideATextDoesNotShiftTheFile)
{
    DaneOpis o;
    o.Tekst = "dwie\r\nlinie";
    Opisy = {o};
    const std::string s = Sciezka("p.rup");
    ASSERT_TRUE(ZapiszProjekt(s));
    ASSERT_TRUE(Otworz(s)) << Blad();
    ASSERT_EQ(LiczbaOpisow(), 1);
    EXPECT_EQ(Opisy[0].Tekst.str(), "dwie  linie");
}

TEST_F(WariantyTest, DescriptionsReadTwelveLinesEach)
{
    auto l = SekcjaOpisu("-1");
    l[2] = "2";
    l.pop_back();
    l.insert(l.end(), {"drugi", "5", "6", "1", "1", "45", "0.5", "0.3", "7", "-1", "styl", "clRed", ""});
    ASSERT_TRUE(OtworzLinie(l)) << Blad();
    ASSERT_EQ(LiczbaOpisow(), 2);
    EXPECT_EQ(Opisy[1].Tekst.str(), "drugi");
    EXPECT_FLOAT_EQ(Opisy[1].Kat, 45.0f);
    EXPECT_FLOAT_EQ(Opisy[1].Zapas, 0.5f);
    EXPECT_EQ(Opisy[1].Rodzaj, 7);
    EXPECT_EQ(Opisy[1].Styl.str(), "styl");
    EXPECT_EQ(Opisy[1].Kolor, KolorCzerwony);
}

}  // namespace
