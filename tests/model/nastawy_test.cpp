// The settings section in its three versions, its key blocks and the colour texts.
#include "model/PlikProjektu.h"
#include "model/Sekcje.h"
#include "platform/KatalogProgramu.h"
#include "projekt_pomoc.h"

namespace {

class NastawyTest : public ModelTest {
protected:
    // Lines 4.. of an "nv1" section (47 lines in all).
    static std::vector<std::string> WartosciNv1()
    {
        return {"True", "False", "False", "True",                        // grid .. table
                "0,0123", "False", "True", "False", "75", "900", "2.5", "1.5",  // band rule
                "False", "30.00", "40.00", "31.00", "41.00", "6.00", "7.00", "2.00",  // sheet
                "Roman", "clRed", "$00010203", "clGreen", "123",  // font, colours
                "0.31", "0.41", "0.23", "0.24", "0.51", "0.61", "0.21", "0.36", "0.19", "1.1", "0.1", "2",
                "0.32", "0.42", "0.52", "0.62", "0.22", "0.37", "1.2"};
    }
    static std::vector<std::string> Sekcja(const std::string& tag, std::vector<std::string> wartosci)
    {
        std::vector<std::string> l = {Znacznik(tag), "Nastawy", std::string(42, '-')};
        l.insert(l.end(), wartosci.begin(), wartosci.end());
        return l;
    }
    void SprawdzWspolneNv1()
    {
        EXPECT_EQ(wg.Siatka, 1);
        EXPECT_EQ(wg.RysujProcenty, 0);
        EXPECT_EQ(wg.TabelkaWW, 1);
        EXPECT_FLOAT_EQ(wg.SkalaPaskow, 0.0123f);
        EXPECT_EQ(wg.SkalaPaskowAuto, 0);
        EXPECT_EQ(wg.SkalaPaskowMax, 1);
        EXPECT_EQ(wg.MinPojazd, 75);
        EXPECT_EQ(wg.MaxNatezenie, 900);
        EXPECT_FLOAT_EQ(wg.MaxSzer, 2.5f);
        EXPECT_EQ(wg.ArkuszAuto, 0);
        EXPECT_FLOAT_EQ(wg.ArkuszB, 30.0f);
        EXPECT_FLOAT_EQ(wg.OdstepArkuszyH, 7.0f);
        EXPECT_FLOAT_EQ(wg.KrokSiatki, 2.0f);
        EXPECT_EQ(wg.KolorLinii, KolorRGB(255, 0, 0));
        EXPECT_EQ(wg.KolorWypelnien, 0x00010203u);
        EXPECT_EQ(wg.KolorTytulow, 123u);
        EXPECT_FLOAT_EQ(RozmiaryLegendy.SzerNat(), 0.31f);
        EXPECT_FLOAT_EQ(RozmiaryLegendy.GrProc(), 0.19f);
        EXPECT_FLOAT_EQ(RozmiaryLegendy.OpisyDx(), 1.1f);
        EXPECT_FLOAT_EQ(RozmiaryLegendy.OpisyDy(), 0.1f);
        EXPECT_EQ(RozmiaryLegendy.DokladnoscProc(), 2);
        EXPECT_EQ(RozmiaryLegendy.Kolor(), 0x141414u);
        EXPECT_FLOAT_EQ(RozmiaryOpisow.SzerWloty(), 0.32f);
        EXPECT_FLOAT_EQ(RozmiaryOpisow.GrOznaczenia(), 0.37f);
        EXPECT_FLOAT_EQ(RozmiaryOpisow.RozmiarStrzalki(), 1.2f);
    }
};

TEST_F(NastawyTest, Version1SectionLoadsAndLeavesTheRestNew)
{
    wg.GrLinie = 0.9f;  // kept by a new project, not in nv1
    const std::string s = ZapiszPlik("nv1.rup", Plik(Naglowek2(), Sekcja("nv1", WartosciNv1())));
    ASSERT_TRUE(Otworz(s)) << Blad();
    SprawdzWspolneNv1();
    EXPECT_EQ(wg.Rysuj0Zawrotki, 0);
    EXPECT_EQ(wg.ArkuszA4, 0);
    EXPECT_FLOAT_EQ(RozmiaryOpisow.OdlegloscOpisow(), 4.0f);
    EXPECT_FLOAT_EQ(wg.GrLinie, 0.9f);
    EXPECT_EQ(wg.NazwyPrzejsc[0].str(), "PIESI");
    EXPECT_EQ(wg.Rysuj0Natezenia, 1);
}

TEST_F(NastawyTest, Version2SectionLoads)
{
    auto w = WartosciNv1();
    w.insert(w.begin() + 4, {"True", "True"});                     // U-turns, sum only
    w.insert(w.begin() + 15, {"True", "False", "True"});           // A4, A3, A2
    w.insert(w.end(), {"5.5", "0.45"});                            // label distance, line width
    ASSERT_EQ(w.size(), 51u);
    const std::string s = ZapiszPlik("nv2.rup", Plik(Naglowek2(), Sekcja("nv2", w)));
    ASSERT_TRUE(Otworz(s)) << Blad();
    SprawdzWspolneNv1();
    EXPECT_EQ(wg.Rysuj0Zawrotki, 1);
    EXPECT_EQ(wg.TylkoSuma, 1);
    EXPECT_EQ(wg.ArkuszA4, 1);
    EXPECT_EQ(wg.ArkuszA3, 0);
    EXPECT_EQ(wg.ArkuszA2, 1);
    EXPECT_FLOAT_EQ(RozmiaryOpisow.OdlegloscOpisow(), 5.5f);
    EXPECT_FLOAT_EQ(wg.GrLinie, 0.45f);
    EXPECT_EQ(wg.KoloryPrzejsc[1], KolorGranatowy);
}

TEST_F(NastawyTest, SizesOfFormBKeepThreeDecimals)
{
    RozmiaryLegendy.SzerNat() = 0.2255f;
    wg.SkalaPaskow = 0.00751f;
    PisarzProjektu p;
    ZapiszSekcjeNastaw(p);
    CzytnikProjektu c(p.Linie(), "x");
    c.Linia();
    NowyProjekt();
    CzytajSekcjeNastaw(c, 3);
    EXPECT_FLOAT_EQ(RozmiaryLegendy.SzerNat(), 0.226f);
    EXPECT_FLOAT_EQ(wg.SkalaPaskow, 0.0075f);
}

TEST_F(NastawyTest, StructureBlockPositionsThatAreNoNumbersBecomeFive)
{
    const std::string s = ZapiszPlik(
        "struktura.rup", Plik(Naglowek2(), std::vector<std::string>{Znacznik("wg.Struktura"), "True", "abc", "",
                                                                    "False", "True", "False", Znacznik("wg.Rysuj0Natezenia"),
                                                                    "true"}));
    ASSERT_TRUE(Otworz(s));
    EXPECT_EQ(wg.Struktura, 1);
    EXPECT_FLOAT_EQ(wg.LegendaStrukturyX, 5.0f);
    EXPECT_FLOAT_EQ(wg.LegendaStrukturyY, 5.0f);
    EXPECT_EQ(wg.PiszSume, 0);
    EXPECT_EQ(wg.PiszStruk, 1);
    EXPECT_EQ(wg.PiszZeraStruk, 0);
    EXPECT_EQ(wg.Rysuj0Natezenia, 0) << "only \"True\" is true";
}

TEST_F(NastawyTest, CrossingWidthRuleTravelsInItsOwnBlock)
{
    wg.SkalaPrzejscAuto = 0, wg.SkalaPrzejsc100 = 1, wg.Przej100 = 2.25f;
    const std::string s = Sciezka("przejscia.rup");
    ASSERT_TRUE(ZapiszProjekt(s));
    ASSERT_TRUE(Otworz(s));
    EXPECT_EQ(wg.SkalaPrzejscAuto, 0);
    EXPECT_EQ(wg.SkalaPrzejsc100, 1);
    EXPECT_FLOAT_EQ(wg.Przej100, 2.25f);

    // A file of an older writer lacks the block: the new-project rule stays.
    ASSERT_TRUE(Otworz(ZapiszPlik("stary.rup", Plik(Naglowek2(), Sekcja("nv1", WartosciNv1())))));
    EXPECT_EQ(wg.SkalaPrzejscAuto, 1);
    EXPECT_FLOAT_EQ(wg.Przej100, 1.0f);

    auto w = WartosciNv1();
    w[4] = "0.01x";
    SprawdzOdmowe(ZapiszPlik("zly.rup", Plik(Naglowek2(), Sekcja("nv1", w))), "linia 13");
    EXPECT_EQ(wg.Siatka, 0) << "a refused load leaves a new project";
}

class CzcionkaTest : public NastawyTest {
protected:
    static inline std::vector<std::string> wczytane;
    static inline bool wynik = true;
    static bool Wczytaj(const std::string& sciezka)
    {
        wczytane.push_back(sciezka);
        return wynik;
    }
    void SetUp() override
    {
        NastawyTest::SetUp();
        UstawKatalogProgramu(Sciezka(""));
        std::filesystem::create_directories(Sciezka("Dane"));
        ZapiszPlik("Dane/Proba100.Lzs", {"glify"});
        WczytajCzcionkeRysunku = &Wczytaj;
        wczytane.clear();
        wynik = true;
    }
    void TearDown() override
    {
        WczytajCzcionkeRysunku = nullptr;
        UstawKatalogProgramu("");
        NastawyTest::TearDown();
    }
    std::string PlikZCzcionka(const std::string& nazwa)
    {
        auto w = WartosciNv1();
        w[20] = nazwa;
        return ZapiszPlik("czcionka.rup", Plik(Naglowek2(), Sekcja("nv1", w)));
    }
};

TEST_F(CzcionkaTest, ExistingFontIsLoadedMissingOrSameChangesNothingUnreadableEndsTheLoad)
{
    ASSERT_TRUE(Otworz(PlikZCzcionka("Brak")));
    EXPECT_EQ(wg.NazwaCzcionki.str(), "Roman");
    ASSERT_TRUE(Otworz(PlikZCzcionka("Roman")));
    EXPECT_TRUE(wczytane.empty());

    ASSERT_TRUE(Otworz(PlikZCzcionka("Proba")));
    EXPECT_EQ(wg.NazwaCzcionki.str(), "Proba");
    ASSERT_EQ(wczytane.size(), 1u);
    EXPECT_NE(wczytane[0].find("Dane/Proba100.Lzs"), std::string::npos);

    wynik = false;
    EXPECT_FALSE(Otworz(PlikZCzcionka("Proba")));
    EXPECT_EQ(wg.NazwaCzcionki.str(), "Roman");
    EXPECT_EQ(okno.bledy.size(), 1u);
}

TEST(KoloryTest, NamesAndHexadecimalForms)
{
    const std::pair<TKolor, const char*> teksty[] = {
        {KolorRGB(0, 0, 0), "clBlack"},         {KolorRGB(255, 0, 0), "clRed"},
        {KolorRGB(0, 0, 128), "clNavy"},        {KolorRGB(160, 160, 164), "clMedGray"},
        {KolorRGB(1, 2, 3), "$00030201"},       {KolorRGB(200, 200, 200), "$00C8C8C8"},
        {0x1FFFFFFFu, "clNone"},                {0x20000000u, "clDefault"},
        {0xFF00000Fu, "clBtnFace"},             {0xFF000008u, "$FF000008"},  // index 8 has no name
    };
    for (const auto& [kolor, tekst] : teksty)
        EXPECT_EQ(KolorNaTekst(kolor), tekst);

    const std::pair<const char*, TKolor> kolory[] = {{"clMenuBar", 0xFF00001Eu}, {"$00030201", KolorRGB(1, 2, 3)},
                                                     {"$ff", 255u},              {"16711680", KolorRGB(0, 0, 255)},
                                                     {"-16777201", 0xFF00000Fu}};
    for (const auto& [tekst, kolor] : kolory) {
        TKolor k = 0;
        EXPECT_TRUE(TekstNaKolor(tekst, k)) << tekst;
        EXPECT_EQ(k, kolor) << tekst;
    }
    TKolor k = 0;
    for (const char* zly : {"", "$", "$123456789", "$12G", "clPink", "12x", "99999999999"})
        EXPECT_FALSE(TekstNaKolor(zly, k)) << zly;
}

}  // namespace
