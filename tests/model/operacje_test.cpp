// Inserting and deleting nodes and variants with their record cascades.
#include <filesystem>

#include "calosc_pomoc.h"

namespace {

class OperacjeTest : public ModelTest {
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        wg.MinOdlegloscWezlow = 2.0f;
    }
    void Warianty(int n)
    {
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(DodajWariant("V" + std::to_string(i), "", "", "", 0, 0, 'L'), "");
    }
};

TEST_F(OperacjeTest, WezelZaBliskoJestOdrzucanyARownoNaOdleglosciPrzyjety)
{
    EXPECT_EQ(DodajWezel(0, 0, "A", 'J'), "") << "an empty project accepts any point";
    const std::string blad = DodajWezel(1.0, 1.0, "B", 'J');
    EXPECT_EQ(blad, PL("Nowe węzły sieci należy wstawiać w odległości min. 2cm"));
    EXPECT_EQ(Wezly.size(), 1u);
    EXPECT_EQ(DodajWezel(2.0, 0.0, "C", 'R'), "");
    ASSERT_EQ(Wezly.size(), 2u);
    EXPECT_EQ(Wezly[1].Typ, 'R');
    EXPECT_TRUE(ProjektZmieniony);
    wg.MinOdlegloscWezlow = 2.5f;
    EXPECT_EQ(DodajWezel(3.0, 0.0, "D", 'J'), PL("Nowe węzły sieci należy wstawiać w odległości min. 2.5cm"));
}

TEST_F(OperacjeTest, WezelDostajeRekordWKazdymWariancieAWariantBlokWKolejnosciWezlow)
{
    ASSERT_EQ(DodajWezel(0, 0, "J1", 'J'), "");
    EXPECT_TRUE(Ruchoplany.empty()) << "no variant, no records";
    Warianty(2);
    ASSERT_EQ(DodajWezel(5, 0, "R1", 'R'), "");
    ASSERT_EQ(DodajWezel(10, 0, "J2", 'J'), "");
    ASSERT_EQ(Ruchoplany.size(), 4u);
    ASSERT_EQ(Ronda.size(), 2u);
    for (int v = 0; v < 2; ++v) {
        EXPECT_EQ(Ronda[v].NrWariantu, v);
        EXPECT_EQ(Ronda[v].NrWezla, 1);
    }
    EXPECT_EQ(LiczbaWezlowRuchoplanow, 2);
    EXPECT_EQ(LiczbaWezlowRond, 1);

    okno.listaWariantow.clear();
    ASSERT_EQ(DodajWariant("Nowy", "a", "b", "c", 1.5f, 2.5f, 'P'), "");
    ASSERT_EQ(Ruchoplany.size(), 6u);
    ASSERT_EQ(Ronda.size(), 3u);
    std::vector<std::pair<int32_t, int32_t>> rekordy;
    for (const DaneRuchoplan& r : Ruchoplany)
        rekordy.emplace_back(r.NrWariantu, r.NrWezla);
    EXPECT_EQ(rekordy, (std::vector<std::pair<int32_t, int32_t>>{{0, 0}, {1, 0}, {0, 2}, {1, 2}, {2, 0}, {2, 2}}));
    EXPECT_EQ(Ronda[2].NrWariantu, 2);
    EXPECT_EQ(Ronda[2].NrWezla, 1);
    EXPECT_EQ(okno.listaWariantow, (std::vector<std::string>{"3. Nowy"}));
    EXPECT_EQ(::Warianty[2].Tytul3.str(), "c");
    EXPECT_EQ(::Warianty[2].TytulWyrownanie, 'P');
}

TEST_F(OperacjeTest, WariantOIstniejacejNazwieJestOdrzucany)
{
    Warianty(1);
    ASSERT_EQ(DodajWezel(0, 0, "J1", 'J'), "");
    EXPECT_EQ(DodajWariant("V0", "", "", "", 0, 0, 'L'), PL("Wariant o nazwie V0 już istnieje!"));
    EXPECT_EQ(::Warianty.size(), 1u);
    EXPECT_EQ(Ruchoplany.size(), 1u);
    EXPECT_EQ(DodajWariant("v0", "", "", "", 0, 0, 'L'), "") << "names compare case-sensitively";
}

TEST_F(OperacjeTest, ZmianaWariantuOdrzucaNazweInnegoAPrzyjmujeWlasna)
{
    Warianty(2);
    EXPECT_EQ(ZmienWariant(1, "V0", "t", "", "", 1, 2, 'C'), PL("Wariant o nazwie V0 już istnieje!"));
    EXPECT_EQ(::Warianty[1].Nazwa.str(), "V1");
    EXPECT_EQ(::Warianty[1].Tytul1.str(), "") << "a refused change changes nothing";
    EXPECT_EQ(ZmienWariant(1, "V1", "t", "", "u", 1.5f, -2, 'C'), "") << "its own name stays free";
    EXPECT_EQ(::Warianty[1].Tytul1.str(), "t");
    EXPECT_EQ(::Warianty[1].Tytul3.str(), "u");
    EXPECT_FLOAT_EQ(::Warianty[1].TytulDx, 1.5f);
    EXPECT_FLOAT_EQ(::Warianty[1].TytulDy, -2.0f);
    EXPECT_EQ(::Warianty[1].TytulWyrownanie, 'C');
    // Names are compared cut to what a record holds (100 bytes).
    const std::string dluga(120, 'x');
    ASSERT_EQ(ZmienWariant(0, dluga, "", "", "", 0, 0, 'L'), "");
    EXPECT_NE(ZmienWariant(1, dluga.substr(0, 100) + "y", "", "", "", 0, 0, 'L'), "");
}

TEST_F(OperacjeTest, UsuniecieWariantuPrzenumerowujeRekordyOpisyIBloki)
{
    Warianty(3);
    ASSERT_EQ(DodajWezel(0, 0, "J1", 'J'), "");
    ASSERT_EQ(DodajWezel(5, 0, "R1", 'R'), "");
    for (int v : {-1, 0, 1, 2}) {
        DaneOpis o;
        o.Wariant = v, o.Tekst = "opis " + std::to_string(v);
        Opisy.push_back(o);
        DaneBlok b;
        b.Wariant = v, b.Nazwa = "blok " + std::to_string(v);
        Bloki.push_back(b);
    }
    BiezacyWariant = 1;
    EXPECT_FALSE(WariantMaDane(1));
    Ruchoplany[1].Natezenia[3] = 2;
    EXPECT_TRUE(WariantMaDane(1)) << "more than one vehicle in total";

    UsunWariant(1);
    ASSERT_EQ(::Warianty.size(), 2u);
    EXPECT_EQ(::Warianty[1].Nazwa.str(), "V2");
    ASSERT_EQ(Ruchoplany.size(), 2u);
    EXPECT_EQ(Ruchoplany[0].NrWariantu, 0);
    EXPECT_EQ(Ruchoplany[1].NrWariantu, 1);
    EXPECT_EQ(Ruchoplany[1].Natezenia[3], 0) << "the records of variant 1 went";
    ASSERT_EQ(Ronda.size(), 2u);
    EXPECT_EQ(Ronda[1].NrWariantu, 1);
    ASSERT_EQ(Opisy.size(), 3u);
    ASSERT_EQ(Bloki.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Opisy[i].Wariant, i - 1);
        EXPECT_EQ(Bloki[i].Wariant, i - 1);
    }
    EXPECT_EQ(Opisy[2].Tekst.str(), "opis 2");
    EXPECT_EQ(Bloki[2].Nazwa, "blok 2");
    EXPECT_EQ(okno.listaWariantow, (std::vector<std::string>{"1. V0", "2. V2"}));
    EXPECT_EQ(BiezacyWariant, 1) << "the current variant is the window's business";
}

TEST_F(OperacjeTest, UsuniecieWezlaPrzenumerowujeIPrzeliczaSumy)
{
    Warianty(2);
    for (int n = 0; n < 5; ++n)
        ASSERT_EQ(DodajWezel(5.0 * n, 0, "N" + std::to_string(n), n == 3 ? 'R' : 'J'), "");
    ASSERT_EQ(Ruchoplany.size(), 8u);
    for (DaneRuchoplan& r : Ruchoplany) {
        r.Obliczony = 1;
        r.Natezenia[1] = 10 * r.NrWezla;
    }
    Ruchoplany.back().ZeStruktury = 1, Ruchoplany.back().NatezeniaStruktura[1][0] = 33;
    Ronda[0].Obliczony = 1;

    UsunWezel(2);
    ASSERT_EQ(Wezly.size(), 4u);
    EXPECT_EQ(Wezly[2].Nazwa.str(), "N3");
    ASSERT_EQ(Ruchoplany.size(), 6u);
    for (const DaneRuchoplan& r : Ruchoplany) {
        EXPECT_NE(r.NrWezla, 2) << "node 2 is now the roundabout";
        EXPECT_EQ(r.Obliczony, 0);
    }
    EXPECT_EQ(Ruchoplany[4].NrWezla, 3) << "node 4 moved down";
    EXPECT_EQ(Ruchoplany[4].SumaWlotu[0], 40);
    EXPECT_EQ(Ruchoplany[4].SumaWylotu[1], 40);
    EXPECT_EQ(Ruchoplany.back().SumaWlotu[0], 33) << "a structure-fed diagram keeps its structure totals";
    EXPECT_EQ(Ronda[0].NrWezla, 2);
    EXPECT_EQ(Ronda[0].Obliczony, 0);
    EXPECT_EQ(LiczbaWezlowRuchoplanow, 3);

    UsunWezel(2);
    EXPECT_TRUE(Ronda.empty());
    EXPECT_EQ(LiczbaWezlowRond, 0);
}

}  // namespace

// Every store raises the project's revision, a new or opened project too;
// saving stores nothing and keeps it.
TEST_F(OperacjeTest, RewizjaRosnieZKazdymZapisem)
{
    uint64_t r = RewizjaProjektu();
    auto podniesiona = [&r] {
        const bool wyzej = RewizjaProjektu() > r;
        r = RewizjaProjektu();
        return wyzej;
    };
    ASSERT_EQ(DodajWezel(0, 0, "A", 'J'), "");
    EXPECT_TRUE(podniesiona()) << "a node added";
    Warianty(1);
    EXPECT_TRUE(podniesiona()) << "a variant added";
    EXPECT_NE(DodajWezel(1, 0, "B", 'J'), "");
    EXPECT_FALSE(podniesiona()) << "a refused node stores nothing";
    const std::string plik = (std::filesystem::temp_directory_path() / "rewizja_test.rup").string();
    ASSERT_TRUE(ZapiszProjekt(plik));
    EXPECT_FALSE(podniesiona()) << "saved";
    EXPECT_FALSE(ProjektZmieniony);
    NowyProjekt();
    EXPECT_TRUE(podniesiona()) << "a new project";
    ASSERT_TRUE(OtworzProjekt(plik));
    EXPECT_TRUE(podniesiona()) << "a project read";
    EXPECT_FALSE(ProjektZmieniony);
    std::filesystem::remove(plik);
}
