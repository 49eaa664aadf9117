// Saving and opening whole project files.
#include "model/PlikProjektu.h"
#include "model/Sekcje.h"
#include "projekt_pomoc.h"

namespace {

class PlikProjektuTest : public ModelTest {
protected:
    // A model with every record this test owns, and settings off their defaults.
    void WypelnijModel()
    {
        DaneWezel a = NowyWezel(10.25, -3.5, "W\xEAze\xB3 A", 'J');
        a.Tytul1 = "Tytu\xB3";
        a.Tytul3 = "trzeci";
        a.TytulWyrownanie = 'C';
        a.GrLinie = 0.35f;
        a.Globalne = 0;
        a.Rysuj0Natezenia = 1;
        a.Rysuj0Zawrotki = 1;
        a.KolorLinii = KolorRGB(1, 2, 3);
        a.RozmiaryLegendy.SzerNat() = 0.45f;
        a.RozmiaryLegendy.UstawDokladnoscProc(2);
        a.RozmiaryOpisow.OdlegloscOpisow() = 6.5f;
        a.RysujPrzejscia = {1, 0, 1, 0};
        a.SumujPrzejscia = {0, 1, 0, 1};
        a.NazwyPrzejsc[3] = "inne";
        a.OdlegloscPrzejscia = {1.5f, 2.5f, 3.5f, 4.5f, 5.5f};
        a.LegendaPrzejsc = 1;
        a.LegendaPrzejscX = 1.25f;
        a.PiszSume = 0;
        a.PiszStruk = 1;
        a.PiszZeraStruk = 0;
        a.Struktura = 1;
        a.LegendaStrukturyX = 7.5f;
        a.LegendaStrukturyY = -2.25f;
        Wezly.push_back(a);
        Wezly.push_back(NowyWezel(0, 0, "B", 'R'));

        DaneWariant v;
        v.Nazwa = "Stan istniej\xB9" "cy";
        v.Tytul1 = "Linia 1";
        v.TytulDx = 2.5f;
        v.TytulDy = -1.0f;
        v.TytulWyrownanie = 'P';
        Warianty.push_back(v);
        v.Nazwa = "Prognoza";
        Warianty.push_back(v);
        BiezacyWariant = 0;

        DaneOpis o;
        o.Tekst = "Opis \xB3\xB9" "ki";
        o.X = 3.25f;
        o.Y = 4.5f;
        o.Sx = 0.35f;
        o.Sy = 0.5f;
        o.Kat = 90.0f;
        o.Zapas = 1.0f;
        o.Grubosc = 0.23f;
        o.Kolor = KolorRGB(10, 20, 30);
        o.Styl = "styl";
        o.Rodzaj = 0;
        o.Wariant = 1;
        Opisy.push_back(o);

        DaneBlokWpis d;
        d.Nazwa = "Strza\xB3ka";
        d.Data = KodujDate(2021, 2, 9);
        d.Czas = KodujCzas(13, 45, 7);
        d.Grupa = "Znaki";
        d.Jednostka = "cm";
        d.Start = 1;
        d.Koniec = 2;
        DefinicjeBlokow.push_back(d);
        LinieBlokow = {"______________________________START", "L 0 0 1 1", "L 1 1 2 0"};
        DaneBlok b;
        b.X = 1.5f;
        b.Y = 2.25f;
        b.Sx = 0.125f;
        b.Sy = 2.0f;
        b.Nazwa = d.Nazwa;
        b.Nad = 0;
        b.Wariant = -1;
        Bloki.push_back(b);

        NastawySchowek.X1 = 1.0f;
        NastawySchowek.X2 = 12.5f;
        NastawySchowek.PunktowNaCm = 40;
        NastawySchowek.SzerokoscPx = 460;
        NastawySchowek.WysokoscPx = 1140;
        NastawySchowek.KolorTla = KolorRGB(255, 251, 240);

        wg.Siatka = 1;
        wg.KrokSiatki = 0.5f;
        wg.TylkoSuma = 1;
        wg.SkalaPaskow = 0.0075f;
        wg.SkalaPaskowAuto = 0;
        wg.SkalaPaskow100 = 1;
        wg.MaxNatezenie = 1234;
        wg.ArkuszA3 = 1;
        wg.KolorTytulow = KolorRGB(0, 128, 0);
        wg.NazwyPrzejsc[2] = "hulajnogi";
        wg.RysujPrzejscia[2] = 1;
        wg.SumujPrzejscia[3] = 1;
        wg.LegendaPrzejsc = 1;
        wg.LegendaPrzejscX = 3.5f;
        wg.Struktura = 1;
        wg.LegendaStrukturyY = 8.25f;
        wg.PiszZeraStruk = 0;
        wg.Rysuj0Natezenia = 0;
        wg.SkalaPrzejscAuto = 0;
        wg.SkalaPrzejscMax = 1;
        wg.PrzejMaxSzer = 0.75f;
        wg.Przej100 = 1.5f;
        RozmiaryLegendy.OpisyDy() = -0.5f;
        RozmiaryOpisow.WysOznaczenia() = 0.65f;
    }

    struct Migawka {
        std::vector<DaneWezel> wezly;
        std::vector<DaneWariant> warianty;
        std::vector<DaneOpis> opisy;
        std::vector<DaneBlokWpis> definicje;
        std::vector<KrotkiTekst<255>> linie;
        std::vector<DaneBlok> bloki;
        TNastawySchowek schowek;
        TUstawieniaGlobalne nastawy;
        TRozmiaryLegendy legenda;
        TRozmiaryOpisow opisyRozmiary;
        int32_t biezacy;
    };
    static Migawka Zrob()
    {
        return {Wezly, Warianty, Opisy, DefinicjeBlokow, LinieBlokow, Bloki, NastawySchowek,
                wg,    RozmiaryLegendy, RozmiaryOpisow, BiezacyWariant};
    }
    static void PorownajZ(const Migawka& m)
    {
        ASSERT_EQ(Wezly.size(), m.wezly.size());
        for (std::size_t i = 0; i < Wezly.size(); ++i)
            EXPECT_TRUE(Wezly[i] == m.wezly[i]) << "node " << i;
        EXPECT_TRUE(Warianty == m.warianty);
        EXPECT_TRUE(Opisy == m.opisy);
        EXPECT_TRUE(DefinicjeBlokow == m.definicje);
        EXPECT_TRUE(LinieBlokow == m.linie);
        EXPECT_TRUE(Bloki == m.bloki);
        EXPECT_TRUE(NastawySchowek == m.schowek);
        EXPECT_TRUE(wg == m.nastawy);
        EXPECT_TRUE(RozmiaryLegendy == m.legenda);
        EXPECT_TRUE(RozmiaryOpisow == m.opisyRozmiary);
        EXPECT_EQ(BiezacyWariant, m.biezacy);
    }
};

TEST_F(PlikProjektuTest, NewProjectGivesExactlyTheBannerAndSections)
{
    const std::string s = Sciezka("nowy.rup");
    ASSERT_TRUE(ZapiszProjekt(s));
    EXPECT_EQ(CzytajBajty(s), CzytajBajty(KG_TEST_DATA "/projekt_nowy.rup"));
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_EQ(okno.tytul, s);
    ASSERT_EQ(okno.ostatnie.size(), 1u);
    EXPECT_EQ(okno.ostatnie[0], s);
}

TEST_F(PlikProjektuTest, FullModelReadsBackEqualAndSavesTheSameBytes)
{
    WypelnijModel();
    const auto m = Zrob();
    const std::string s1 = Sciezka("pelny.rup");
    ASSERT_TRUE(ZapiszProjekt(s1));
    ProjektZmieniony = true;
    okno.ostatnie.clear();
    ASSERT_TRUE(Otworz(s1)) << (okno.bledy.empty() ? "" : okno.bledy.back());
    PorownajZ(m);
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_EQ(LiczbaWezlowRuchoplanow, 1);
    EXPECT_EQ(LiczbaWezlowRond, 1);
    EXPECT_EQ(okno.tytul, s1);
    EXPECT_EQ(okno.ostatnie, std::vector<std::string>{s1});
    EXPECT_TRUE(okno.siatka);
    EXPECT_EQ(okno.krokSiatki, "0.5");
    EXPECT_EQ(okno.listaWariantow, (std::vector<std::string>{"1. Stan istniej\xB9" "cy", "2. Prognoza"}));
    EXPECT_EQ(okno.tekstWariantu, "1. Stan istniej\xB9" "cy");

    const std::string s2 = Sciezka("pelny2.rup");
    ASSERT_TRUE(ZapiszProjekt(s2));
    EXPECT_EQ(CzytajBajty(s1), CzytajBajty(s2));
}

TEST_F(PlikProjektuTest, FullModelWrittenWithCommaReadsUnderPoint)
{
    WypelnijModel();
    const auto m = Zrob();
    UstawSeparatorDziesietny(',');
    const std::string s = Sciezka("przecinek.rup");
    ASSERT_TRUE(ZapiszProjekt(s));
    UstawSeparatorDziesietny('.');
    ASSERT_TRUE(Otworz(s));
    PorownajZ(m);
    UstawSeparatorDziesietny(',');
    ASSERT_TRUE(Otworz(Sciezka("przecinek.rup")));
    PorownajZ(m);
}

TEST_F(PlikProjektuTest, SectionsInAnotherOrderWithBlankLinesAndUnknownTags)
{
    // Variants before nodes, an unknown tag and blank lines between sections;
    // the second line carries the version after other text.
    auto naglowek = Naglowek2();
    naglowek[1] = "* program KARTOGRAM  2.0.0. (kopia)";
    const std::string s =
        ZapiszPlik("kolejnosc.rup", Plik(naglowek,
                                         std::vector<std::string>{"", "", Znacznik("xx9"), "cokolwiek", "",
                                                                  Znacznik("vv1"), "Warianty", "1",
                                                                  std::string(42, '-'), "V", "", "", "", "1.0",
                                                                  "2.0", "L", "", "", Znacznik("wv1"),
                                                                  "W\xEAz\xB3y", "1", std::string(42, '-'), "1.5",
                                                                  "2.5", "J", "N", "t1", "t2", "t3", "-5.00",
                                                                  "12.00", "L"}));
    ASSERT_TRUE(Otworz(s)) << (okno.bledy.empty() ? "" : okno.bledy.back());
    ASSERT_EQ(LiczbaWezlow(), 1);
    EXPECT_EQ(Wezly[0].Nazwa.str(), "N");
    ASSERT_EQ(LiczbaWariantow(), 1);
    EXPECT_EQ(BiezacyWariant, 0);
    EXPECT_FLOAT_EQ(Warianty[0].TytulDy, 2.0f);
}

TEST_F(PlikProjektuTest, FileWithoutVersionIsRefusedAndNotAdopted)
{
    const std::string s = ZapiszPlik("obcy.rup", {"*****", "* jakis inny plik *", "", "", "", Znacznik("vv1"),
                                                  "Warianty", "1", std::string(42, '-'), "V", "", "", "", "0", "0",
                                                  "L"});
    EXPECT_FALSE(Otworz(s));
    EXPECT_EQ(LiczbaWariantow(), 0);
    ASSERT_EQ(okno.bledy.size(), 1u);
    EXPECT_NE(okno.bledy[0].find("Plik nie jest plikiem projektu."), std::string::npos);
    EXPECT_NE(okno.bledy[0].find(s), std::string::npos);
    EXPECT_EQ(okno.tytul, "...");
    EXPECT_TRUE(okno.ostatnie.empty());
}

TEST_F(PlikProjektuTest, MissingFileIsReportedAndLeavesAnEmptyProject)
{
    EXPECT_FALSE(Otworz(Sciezka("nie_ma.rup")));
    ASSERT_EQ(okno.bledy.size(), 1u);
    EXPECT_NE(okno.bledy[0].find("nie_ma.rup"), std::string::npos);
    EXPECT_TRUE(okno.ostatnie.empty());
}

TEST_F(PlikProjektuTest, MalformedNumberLeavesAnEmptyProjectAndNamesFileAndLine)
{
    // Variants read fine, then the nodes section breaks on its second position.
    const std::string s =
        ZapiszPlik("zly.rup", Plik(Naglowek2(),
                                   std::vector<std::string>{Znacznik("vv1"), "Warianty", "1", std::string(42, '-'),
                                                            "V", "", "", "", "0", "0", "L", "", Znacznik("wv1"),
                                                            "W\xEAz\xB3y", "1", std::string(42, '-'), "1.5", "abc",
                                                            "J", "N", "", "", "", "0", "0", "L"}));
    EXPECT_FALSE(Otworz(s));
    EXPECT_EQ(LiczbaWariantow(), 0);
    EXPECT_EQ(LiczbaWezlow(), 0);
    EXPECT_EQ(BiezacyWariant, -1);
    EXPECT_EQ(okno.tytul, "...");
    EXPECT_TRUE(okno.ostatnie.empty());
    ASSERT_EQ(okno.bledy.size(), 1u);
    EXPECT_NE(okno.bledy[0].find(s), std::string::npos);
    EXPECT_NE(okno.bledy[0].find("linia 23"), std::string::npos) << okno.bledy[0];
}

TEST_F(PlikProjektuTest, EmptyCharacterLineIsAnError)
{
    const std::string s = ZapiszPlik(
        "znak.rup", Plik(Naglowek2(), std::vector<std::string>{Znacznik("vv1"), "Warianty", "1", std::string(42, '-'),
                                                               "V", "", "", "", "0", "0", "", ""}));
    EXPECT_FALSE(Otworz(s));
    EXPECT_EQ(LiczbaWariantow(), 0);
    ASSERT_EQ(okno.bledy.size(), 1u);
    EXPECT_NE(okno.bledy[0].find("linia 16"), std::string::npos) << okno.bledy[0];
}

TEST_F(PlikProjektuTest, CountBeyondTheFileIsRefusedWithoutAllocating)
{
    for (const char* liczba : {"2000000000", "-1", "3"}) {
        okno.bledy.clear();
        const std::string s = ZapiszPlik(
            "licznik.rup", Plik(Naglowek2(), std::vector<std::string>{Znacznik("ov1"), "Opisy", liczba,
                                                                      std::string(42, '-'), "t", "1", "1", "1", "1",
                                                                      "0", "0", "0", "0", "-1", "", "clBlack"}));
        EXPECT_FALSE(Otworz(s)) << liczba;
        EXPECT_EQ(LiczbaOpisow(), 0);
        ASSERT_EQ(okno.bledy.size(), 1u);
        EXPECT_NE(okno.bledy[0].find("linia 8"), std::string::npos) << okno.bledy[0];
    }
}

TEST_F(PlikProjektuTest, FailedSaveReportsAndChangesNothing)
{
    ProjektZmieniony = true;
    okno.tytul = "stary";
    EXPECT_FALSE(ZapiszProjekt(Sciezka("brak_katalogu/p.rup")));
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_EQ(okno.tytul, "stary");
    EXPECT_TRUE(okno.ostatnie.empty());
    ASSERT_EQ(okno.bledy.size(), 1u);
    EXPECT_NE(okno.bledy[0].find("p.rup"), std::string::npos);
}

TEST_F(PlikProjektuTest, SaveReplacesTheOldFileWhole)
{
    const std::string s = ZapiszPlik("stary.rup", std::vector<std::string>(5000, "stara linia"));
    ASSERT_TRUE(ZapiszProjekt(s));
    EXPECT_EQ(CzytajBajty(s), CzytajBajty(KG_TEST_DATA "/projekt_nowy.rup"));
    // Nothing but the project is left beside it.
    int plikow = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(std::filesystem::path(s).parent_path()))
        ++plikow;
    EXPECT_EQ(plikow, 1);
}

TEST_F(PlikProjektuTest, EveryTruncationOrDamagedLineLoadsOrLeavesAnEmptyProject)
{
    WypelnijModel();
    const std::vector<std::string> cale = LinieProjektu();
    const std::vector<std::string> smieci = {"", "-1", "2147483647", "1e300", "nan", "T", "True", "$FFFFFFFFF",
                                             std::string(42, '-') + "wv3", std::string(300, 'x')};
    auto sprawdz = [&](const std::vector<std::string>& linie) {
        if (!Otworz(ZapiszPlik("uszkodzony.rup", linie))) {
            EXPECT_EQ(LiczbaWezlow(), 0);
            EXPECT_EQ(LiczbaWariantow(), 0);
            EXPECT_EQ(LiczbaOpisow(), 0);
            EXPECT_EQ(okno.tytul, "...");
        }
        for (const DaneOpis& o : Opisy)
            EXPECT_TRUE(o.Wariant >= -1 && o.Wariant < LiczbaWariantow());
    };
    for (std::size_t n = 5; n < cale.size(); ++n)
        sprawdz(std::vector<std::string>(cale.begin(), cale.begin() + static_cast<std::ptrdiff_t>(n)));
    for (std::size_t i = 5; i < cale.size(); i += 3) {
        auto linie = cale;
        linie[i] = smieci[i % smieci.size()];
        sprawdz(linie);
    }
}

TEST_F(PlikProjektuTest, PedestrianFlagsOfDiagramsAndRoundabouts)
{
    Ruchoplany.resize(2);
    Ronda.resize(1);
    Ruchoplany[0].Przejscie = {1, 0, 0, 1};
    Ruchoplany[1].Przejscie = {0, 1, 1, 0};
    Ronda[0].Przejscie = {0, 1, 0, 1, 1};
    PisarzProjektu p;
    ZapiszBlokPieszych(p);
    const std::vector<std::string> oczekiwane = {"", "---------------   Piesi RUPL RONDO 2021_02_09",
                                                 "T", "N", "N", "T", "N", "T", "T", "N", "N", "T", "N", "T", "T"};
    EXPECT_EQ(p.Linie(), oczekiwane);

    for (auto& r : Ruchoplany)
        r.Przejscie = {1, 1, 1, 1};
    Ronda[0].Przejscie = {1, 1, 1, 1, 1};
    std::vector<std::string> linie(oczekiwane.begin() + 2, oczekiwane.end());
    linie[4] = "t";  // anything but "T" is false
    CzytnikProjektu c(linie, "x");
    CzytajBlokPieszych(c);
    EXPECT_EQ(Ruchoplany[0].Przejscie, (std::array<uint8_t, 4>{1, 0, 0, 1}));
    EXPECT_EQ(Ruchoplany[1].Przejscie, (std::array<uint8_t, 4>{0, 1, 1, 0}));
    EXPECT_EQ(Ronda[0].Przejscie, (std::array<uint8_t, 5>{0, 1, 0, 1, 1}));

    // A file that ends inside the block is refused rather than read as "N".
    linie.pop_back();
    CzytnikProjektu krotki(linie, "x");
    EXPECT_THROW(CzytajBlokPieszych(krotki), BladPliku);
}

TEST_F(PlikProjektuTest, VehicleTypeTableBlock)
{
    std::vector<std::string> linie = {"3"};
    for (int i = 0; i < RozmiarSkladu; ++i) {
        linie.push_back(i % 2 ? "T" : "N");
        linie.push_back("ABC");
        linie.push_back(std::string(60, 'n'));
        linie.push_back(i == 4 ? "xyz" : "2,5");
    }
    CzytnikProjektu c(linie, "x");
    CzytajSkladStruktury(c);
    EXPECT_EQ(LiczbaSkladow, 3);
    EXPECT_EQ(Sklad[1].Aktywny, 1);
    EXPECT_EQ(Sklad[2].Aktywny, 0);
    EXPECT_EQ(Sklad[1].Oznaczenie.str(), "AB");
    EXPECT_EQ(Sklad[1].Nazwa.size(), 50u);
    EXPECT_FLOAT_EQ(Sklad[3].Wspolczynnik, 2.5f);
    EXPECT_FLOAT_EQ(Sklad[4].Wspolczynnik, 1.0f);

    CzytnikProjektu zly(std::vector<std::string>{"11"}, "x");
    EXPECT_THROW(CzytajSkladStruktury(zly), BladPliku);
    linie.pop_back();
    CzytnikProjektu krotki(linie, "x");
    EXPECT_THROW(CzytajSkladStruktury(krotki), BladPliku);
}

}  // namespace
