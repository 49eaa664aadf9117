// The nodes section in its three versions and the node key blocks.
#include <algorithm>

#include "model/PlikProjektu.h"
#include "model/Sekcje.h"
#include "projekt_pomoc.h"

namespace {

class WezlyTest : public ModelTest {
protected:
    static std::vector<std::string> Glowa(const std::string& tag, int liczba)
    {
        return {Znacznik(tag), "W\xEAz\xB3y", std::to_string(liczba), std::string(42, '-')};
    }
    // The ten lines every version starts a node with.
    static std::vector<std::string> Poczatek(const std::string& nazwa, const std::string& typ = "J")
    {
        return {"1,50", "2.25", typ, nazwa, "T1", "T2", "T3", "-4.00", "11.00", "C"};
    }
    // The "wv2" lines after the start, the empty line included.
    static std::vector<std::string> UstawieniaWv2()
    {
        return {"0.80", "0.40", "False", "False", "True", "True", "False", "True",
                "clRed", "clLime", "clBlue", "$00010203",
                "0.31", "0.41", "0.23", "0.24", "0.51", "0.61", "0.21", "0.36", "0.19", "1.1", "0.1", "3",
                "0.32", "0.42", "0.52", "0.62", "0.22", "0.37", "1.2", "4.5", ""};
    }
};

TEST_F(WezlyTest, Version1NodesTakeTheGlobalSettingsOfTheFile)
{
    wg.TabelkaWW = 1;
    RozmiaryLegendy.SzerNat() = 0.77f;
    const std::string s = ZapiszPlik(
        "wv1.rup", Plik(Naglowek2(), Glowa("wv1", 2), Poczatek("A"), Poczatek("B", "R")));
    ASSERT_TRUE(Otworz(s)) << Blad();
    ASSERT_EQ(LiczbaWezlow(), 2);
    const DaneWezel& w = Wezly[1];
    EXPECT_DOUBLE_EQ(w.X, 1.5);
    EXPECT_DOUBLE_EQ(w.Y, 2.25);
    EXPECT_EQ(w.Typ, 'R');
    EXPECT_EQ(w.Nazwa.str(), "B");
    EXPECT_EQ(w.Tytul3.str(), "T3");
    EXPECT_FLOAT_EQ(w.TytulDx, -4.0f);
    EXPECT_EQ(w.TytulWyrownanie, 'C');
    EXPECT_EQ(w.Globalne, 1);
    EXPECT_FLOAT_EQ(w.TytulH, 1.0f);
    EXPECT_EQ(w.KolorWypelnien, KolorRGB(192, 192, 192));
    EXPECT_EQ(w.KolorLinii, KolorRGB(128, 128, 128));
    EXPECT_EQ(w.KolorOpisow, KolorCzarny);
    EXPECT_TRUE(w.RozmiaryLegendy == RozmiaryLegendy);
    EXPECT_EQ(w.RysujProcenty, 1);
    EXPECT_EQ(w.TabelkaWW, 0) << "the new project's setting, not the one before the load";
    EXPECT_EQ(LiczbaWezlowRond, 1);
    EXPECT_EQ(LiczbaWezlowRuchoplanow, 1);

    // Settings read earlier in the file are copied.
    PisarzProjektu p;
    wg.TabelkaWW = 1;
    ZapiszSekcjeNastaw(p);
    ASSERT_TRUE(Otworz(ZapiszPlik("wv1n.rup", Plik(Naglowek2(), p.Linie(), Glowa("wv1", 1), Poczatek("A")))));
    EXPECT_EQ(Wezly[0].TabelkaWW, 1);
}

TEST_F(WezlyTest, Version2NodesGetTheCrossingSettingsOfANewNode)
{
    const std::string s =
        ZapiszPlik("wv2.rup", Plik(Naglowek2(), Glowa("wv2", 1), Poczatek("A"), UstawieniaWv2()));
    ASSERT_TRUE(Otworz(s)) << Blad();
    ASSERT_EQ(LiczbaWezlow(), 1);
    const DaneWezel& w = Wezly[0];
    EXPECT_FLOAT_EQ(w.TytulH, 0.8f);
    EXPECT_FLOAT_EQ(w.GrLinie, 0.4f);
    EXPECT_EQ(w.Globalne, 0);
    EXPECT_EQ(w.TylkoSuma, 1);
    EXPECT_EQ(w.Rysuj0Zawrotki, 1);
    EXPECT_EQ(w.KolorWypelnien, KolorRGB(0, 255, 0));
    EXPECT_EQ(w.KolorTytulow, 0x00010203u);
    EXPECT_EQ(w.RozmiaryLegendy.DokladnoscProc(), 3);
    EXPECT_FLOAT_EQ(w.RozmiaryOpisow.OdlegloscOpisow(), 4.5f);
    EXPECT_EQ(w.NazwyPrzejsc[1].str(), "ROWERZY\x8C" "CI");
    EXPECT_EQ(w.KoloryPrzejsc[0], KolorCzerwony);
    EXPECT_EQ(w.KoloryPrzejsc[1], KolorGranatowy);
    EXPECT_FLOAT_EQ(w.OdlegloscPrzejscia[4], 4.0f);
    EXPECT_FLOAT_EQ(w.LegendaPrzejscX, -5.0f);
    EXPECT_FLOAT_EQ(w.LegendaPrzejscY, 5.0f);
}

TEST_F(WezlyTest, LongTextsAreCutToTheirCapacity)
{
    auto wv3 = UstawieniaWv2();
    wv3.pop_back();
    const std::vector<std::string> przejscia = {"False", "False", "False", "False", std::string(80, 'p'),
                                                "b", "c", "d", "clRed", "clRed", "clRed", "clRed",
                                                "1", "2", "3", "4", "5", "False", "0", "0",
                                                "False", "False", "False", "False", ""};
    const std::string s = ZapiszPlik(
        "dlugie.rup", Plik(Naglowek2(), Glowa("wv3", 1), Poczatek(std::string(300, 'n')), wv3, przejscia));
    ASSERT_TRUE(Otworz(s)) << Blad();
    EXPECT_EQ(Wezly[0].Nazwa.size(), 255u);
    EXPECT_EQ(Wezly[0].NazwyPrzejsc[0].size(), 50u);
    EXPECT_FLOAT_EQ(Wezly[0].OdlegloscPrzejscia[4], 5.0f);
}

TEST_F(WezlyTest, DrawZeroBlockLongerThanTheNodesDropsTheRest)
{
    const std::string s = ZapiszPlik(
        "lok.rup", Plik(Naglowek2(), Glowa("wv1", 1), Poczatek("A"),
                        std::vector<std::string>{Znacznik("wg.Rysuj0Natezenia_lok"), "3", "True", "True", "True",
                                                 Znacznik("vv1"), "Warianty", "0", std::string(42, '-')}));
    ASSERT_TRUE(Otworz(s)) << Blad();
    EXPECT_EQ(Wezly[0].Rysuj0Natezenia, 1);
    EXPECT_EQ(LiczbaWariantow(), 0);
}

TEST_F(WezlyTest, FileWithoutTheStructureBlockLeavesThoseNodeFieldsZero)
{
    DaneWezel w = NowyWezel(1, 1, "A", 'J');
    Wezly = {w};
    PisarzProjektu p;
    ZapiszSekcjeWezlow(p);
    auto linie = p.Linie();
    // Drop the "wg.Struktura_lok" block as an older writer would.
    const auto klucz = std::find(linie.begin(), linie.end(), Znacznik("wg.Struktura_lok"));
    ASSERT_NE(klucz, linie.end());
    linie.erase(klucz, linie.end());
    const std::string s = ZapiszPlik("bez.rup", Plik(Naglowek2(), linie));
    ASSERT_TRUE(Otworz(s));
    EXPECT_EQ(Wezly[0].PiszSume, 0);
    EXPECT_EQ(Wezly[0].PiszStruk, 0);
    EXPECT_FLOAT_EQ(Wezly[0].LegendaStrukturyX, 0.0f);
    EXPECT_FLOAT_EQ(Wezly[0].OdlegloscPrzejscia[0], w.OdlegloscPrzejscia[0]);
}

TEST_F(WezlyTest, BadTypeOrNodeCutShortIsRefused)
{
    auto krotki = Poczatek("A");
    krotki.resize(6);
    const std::pair<std::vector<std::string>, std::string> wezly[] = {
        {Poczatek("A", ""), "linia 12"}, {Poczatek("A", "X"), "nieznany typ \"X\""}, {krotki, "linia 8"}};
    for (const auto& [wezel, fragment] : wezly)
        SprawdzOdmowe(ZapiszPlik("zly.rup", Plik(Naglowek2(), Glowa("wv1", 1), wezel)), fragment);
}

}  // namespace
