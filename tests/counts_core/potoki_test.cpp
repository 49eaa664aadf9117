// Flows of a count with class factors and a forecast, the forecast rule, the
// reports' text and the list of count files, on hand-worked cases.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "counts/ListaPomiarow.h"
#include "counts/PlikiPomiarow.h"
#include "model/Potoki.h"
#include "model/Raporty.h"
#include "counts/SchematWlotu.h"
#include "model/Prognoza.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"
#include "platform/ZapisBezpieczny.h"

namespace {

std::string PL(const char* utf8) { return Utf8NaCp1250(utf8); }

// Inlet w (1-based), class c (1-based), exit e (1-based).
int32_t& N(DanePomiar& p, int w, int c, int e) { return p.NatezeniaPojazdow[(w - 1) * 20 + c - 1][e - 1]; }

TEST(PrognozaTest, RegulaKomorkiNaPoliczonych57)
{
    UstawSeparatorDziesietny('.');
    const std::pair<const char*, int32_t> przypadki[] = {
        {"10%", 63}, {"-10%", 51}, {"+20", 77}, {"5", 57}, {"05", 62}, {"%", 57}, {"abc", 57}, {" 10 % ", 63},
        {" 5", 57},  // one character once the blanks are gone
        {"1%%", 57}, {"", 57}};
    for (const auto& [komorka, wynik] : przypadki)
        EXPECT_EQ(ZastosujPrognoze(57, komorka), wynik) << komorka;
    // Only the added part is rounded, halves to even: 0.5 adds nothing.
    EXPECT_EQ(ZastosujPrognoze(5, "10%"), 5);
    EXPECT_EQ(ZastosujPrognoze(15, "10%"), 17);
    EXPECT_EQ(ZastosujPrognoze(100, "2.5%"), 102);
    // The percentage is a single: 0.1 as a single is a little above 0.1, so
    // 2500 gains 2.5000000373 -> 3, not the tie 2.5 -> 2 of double precision.
    EXPECT_EQ(ZastosujPrognoze(2500, "0.1%"), 2503);
}

TEST(PotokiTest, WspolczynnikPoltoraIRemisZaokraglenia)
{
    DanePomiar p;
    DaneWspolczynniki w;
    DanePrognoza f;
    UstawDomyslnaPrognoze(f);
    w.Wspolczynnik[2] = 1.5f, w.Wspolczynnik[3] = 1.5f, w.Wspolczynnik[4] = 0.5f;
    N(p, 1, 1, 3) = 10;   // 10
    N(p, 1, 3, 3) = 3;    // 4.5 -> 4
    N(p, 1, 4, 3) = 5;    // 7.5 -> 8
    N(p, 1, 5, 3) = 5;    // 2.5 -> 2: each class rounded before the sum
    N(p, 4, 1, 4) = 9;    // a U-turn of the south inlet
    N(p, 5, 1, 1) = 99;   // a fifth inlet a junction never reads
    const TPotokiPojazdow r = ObliczPotokiPojazdow(p, w, f, false);
    EXPECT_EQ(r[0][2], 24);
    EXPECT_EQ(r[3][3], 9);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(r[4][k] + r[k][4], 0) << "row and column 5 stay 0";
    EXPECT_EQ(ObliczPotokiPojazdow(p, w, f, false, 5)[4][0], 99) << "a roundabout reads its fifth inlet";
}

TEST(PotokiTest, PrognozaPodnosiJedenWlot)
{
    DanePomiar p;
    DaneWspolczynniki w;
    DanePrognoza f;
    UstawDomyslnaPrognoze(f);
    N(p, 1, 1, 3) = 57;
    N(p, 2, 1, 4) = 57;
    N(p, 2, 1, 1) = 40;
    N(p, 2, 2, 1) = 0;
    f.TrybPrognoza = 0;
    f.PrognozaPojazdy[2][0] = "10%";   // north inlet, cars
    f.PrognozaPojazdy[2][1] = "+3";    // an increase applies to a zero count too
    f.PrognozaPojazdy[1][0] = "-50";   // not switched on below
    f.PrognozaPrzejscia[2][1] = "20";
    p.NatezeniaPrzejsc[1] = {1, 2, 3, 4, 5, 6, 7, 8};

    TPotokiPojazdow r = ObliczPotokiPojazdow(p, w, f, false);
    EXPECT_EQ(r[0][2], 57);
    EXPECT_EQ(r[1][3], 57);
    f.PrognozaPojazdy[1][0] = "";
    r = ObliczPotokiPojazdow(p, w, f, true);
    EXPECT_EQ(r[0][2], 57) << "the east inlet has no forecast";
    EXPECT_EQ(r[1][3], 63 + 3);
    EXPECT_EQ(r[1][0], 44 + 3) << "the inlet's group for every exit";
    EXPECT_EQ(r[3][1], 0 + 3 * 0) << "the exit's own group is never used";

    TPotokiPrzejsc z = ObliczPotokiPrzejsc(p, f, false);
    EXPECT_EQ(z[1][2], 3) << "forecast off: crossings pass through";
    z = ObliczPotokiPrzejsc(p, f, true);
    EXPECT_EQ(z[1][2], 23);
    EXPECT_EQ(z[1][3], 24);
    EXPECT_EQ(z[1][0], 1);
    // A common forecast takes group 0 for every inlet.
    f.TrybPrognoza = 1;
    f.PrognozaPojazdy[0][0] = "100%";
    EXPECT_EQ(ObliczPotokiPojazdow(p, w, f, true)[0][2], 114);
    PrzeliczPotoki(p, w, f, true);
    EXPECT_EQ(p.NatezeniaNaRelacjach[1][3], 114);
    EXPECT_EQ(p.NatezeniaPrzejscObliczone[1][7], 8);
}

DanePomiar PomiarRaportu()
{
    DanePomiar p;
    for (int c = 0; c < 20; ++c)
        p.NazwaPojazdu[c] = "k" + std::to_string(c + 1);
    p.NazwaPojazdu[0] = "Osobowe";
    p.WlotJest = {1, 0, 1, 1};  // the north inlet switched off
    N(p, 1, 1, 4) = 12;  // east inlet: left turn to the south
    N(p, 1, 1, 2) = 7;   // U-turn, not shown
    N(p, 1, 1, 3) = 5;   // straight on to the west
    N(p, 1, 3, 4) = 1;
    return p;
}

TEST(RaportyTest, PomiarDokladnyTekst)
{
    const DanePomiar p = PomiarRaportu();
    const auto r = RaportPomiaru(p, {"S", "E", "N", "W"});
    const std::string k80(80, '-');
    ASSERT_GE(r.size(), 32u);
    const std::vector<std::string> poczatek = {
        "  POMIAR ", "", k80, "WLOT   E", k80, "",
        " Relacje  .....................        LS        WP", "",
        "1. Osobowe ....................        12         5",
        "2. k2 .........................                    ",
        "3. k3 .........................         1          "};
    for (std::size_t i = 0; i < poczatek.size(); ++i)
        EXPECT_EQ(r[i], poczatek[i]) << "line " << i;
    EXPECT_EQ(r[28], k80);
    EXPECT_EQ(r[30], "RAZEM  ........................        13         5");
    // Three inlets, no block for the north one; its exit has no column.
    EXPECT_EQ(r.size(), 1u + 3 * 31);
    EXPECT_EQ(r[1 + 31 + 2], "WLOT   W");
    EXPECT_EQ(r[1 + 31 + 5], " Relacje  .....................        WP        PS");
    EXPECT_EQ(PoczatekRaportu(KodujDate(2026, 12, 7), KodujCzas(9, 5, 0), "C:/p.rup"),
              (std::vector<std::string>{"", "dn. 2026-12-07;   godz.09:05:00", "Plik: C:/p.rup", ""}));
}

TEST(RaportyTest, NatezeniaZWspolczynnikiemIPrognoza)
{
    UstawSeparatorDziesietny(',');
    DanePomiar p = PomiarRaportu();
    p.RysujZawrotki = 1;
    N(p, 1, 1, 1) = 7;
    DaneWspolczynniki w;
    w.Wspolczynnik[0] = 1.5f;
    DanePrognoza f;
    UstawDomyslnaPrognoze(f);
    f.PrognozaPojazdy[0][0] = "+1";
    f.PrognozaPojazdy[0][1] = "+5";
    const auto r = RaportNatezen(p, w, f, true, {"S", "E", "N", "W"});
    EXPECT_EQ(r[0], PL("  NATĘŻENIA I PROGNOZA"));
    EXPECT_EQ(r[6], " Relacje  ..........................        LS        WP        ZW");
    // 12 x 1.5 = 18 + 1; 5 x 1.5 = 7.5 -> 8 + 1; 7 x 1.5 = 10.5 -> 10 + 1.
    EXPECT_EQ(r[8], "1. Osobowe (1,5)....................        19         9        11");
    EXPECT_EQ(r[9], "2. k2 (1,0).........................                              ")
        << "a zero count stays empty whatever its forecast";
    EXPECT_EQ(r[30], "RAZEM  .............................        20         9        11");
    EXPECT_EQ(RaportNatezen(p, w, f, false, {"S", "E", "N", "W"})[0], PL("  NATĘŻENIA "));

    f.TrybPrognoza = 0;
    f.PrognozaPojazdy[3][1] = "10%";
    const auto pr = RaportPrognozy(p, f, {"S", "E", "N", "W"});
    EXPECT_EQ(pr[3], "  Opis                                  E         W         S");
    EXPECT_EQ(pr[6], "2. k2 .........................                 10%          ");
    f.TrybPrognoza = 1;
    const auto wsp = RaportPrognozy(p, f, {"S", "E", "N", "W"});
    EXPECT_EQ(wsp[0], PL("Prognoza wspólna dla wszystkich relacji"));
    EXPECT_EQ(wsp.size(), 6u);
    EXPECT_EQ(wsp[5], "2. k2 .........................        +5");
    const auto t = RaportWspolczynnikow(p, w);
    EXPECT_EQ(t[0], PL("TABELA WSPÓŁCZYNNIKÓW"));
    EXPECT_EQ(t[4], "1. Osobowe ....................1,50");
    UstawSeparatorDziesietny('.');
}

class ListaTest : public ::testing::Test {
protected:
    std::string katalog;
    void SetUp() override
    {
        katalog = std::filesystem::temp_directory_path() / ("kg_lista_" + std::to_string(::getpid()));
        std::filesystem::create_directories(katalog);
    }
    void TearDown() override { std::filesystem::remove_all(katalog); }
    void Dodaj(const std::string& plik, const char* typ, const std::string& nazwa, const std::string& sekcja,
               TDataCzas data)
    {
        DanePomiar p;
        p.TypWezla = typ, p.Lokalizacja = nazwa, p.Sekcja = sekcja, p.DataPomiaru = data;
        std::string blad;
        ASSERT_TRUE(ZapiszPlikPomiaru(katalog + "/" + plik, p, blad));
    }
};

TEST_F(ListaTest, FiltryTypuDatyINazwy)
{
    const TDataCzas dzis = KodujDate(2026, 12, 7);
    Dodaj("a.pom", "J01", "Plac Wolności", "S1", dzis - 7);
    Dodaj("b.pom", "R01", "Rondo Wolności", "S2", dzis - 8);
    Dodaj("c.pom.pom", "J01", "x", "", dzis);
    Dodaj("d.POM", "J01", "x", "", dzis);
    std::string blad;
    FiltrPomiarow f;
    EXPECT_EQ(ListaPomiarow(katalog, f, dzis, blad), (std::vector<std::string>{"a", "b"}));
    std::filesystem::remove(katalog + "/c.pom.pom");
    f.ronda = false;
    EXPECT_EQ(ListaPomiarow(katalog, f, dzis, blad), (std::vector<std::string>{"a"}));
    f.ronda = true;
    f.rodzaj = RodzajFiltru::OstDniPomiar;
    EXPECT_EQ(ListaPomiarow(katalog, f, dzis, blad), (std::vector<std::string>{"a"})) << "exactly 7 days ago counts";
    f.dniPomiar = "tydzień";
    f.skrzyzowania = false;
    EXPECT_EQ(ListaPomiarow(katalog, f, dzis, blad), (std::vector<std::string>{"b"}))
        << "a day count that is no integer filters nothing, the type boxes still do";
    f.skrzyzowania = true;
    f.rodzaj = RodzajFiltru::SzukajWNazwie;
    f.wNazwie = "Rondo";
    EXPECT_EQ(ListaPomiarow(katalog, f, dzis, blad), (std::vector<std::string>{"b"}));
    f.wNazwie = "";
    f.ronda = false;
    EXPECT_EQ(ListaPomiarow(katalog, f, dzis, blad), (std::vector<std::string>{"a"}));
    f.ronda = true;
    f.rodzaj = RodzajFiltru::SzukajSekcja;
    f.sekcja = "S1";
    // A damaged count is left out and named.
    std::filesystem::create_directories(katalog + "/zly.pom");
    {
        std::vector<std::string> l = {"__________DataPomiaru", "2026-13-01"};
        ASSERT_TRUE(ZapiszPlikPomiaru(katalog + "/e.pom", DanePomiar{}, blad));
        ASSERT_TRUE(ZapiszLinieBezpiecznie(katalog + "/e.pom", l, blad));
    }
    EXPECT_EQ(ListaPomiarow(katalog, f, dzis, blad), (std::vector<std::string>{"a"}));
    EXPECT_NE(blad.find("e.pom, linia 2"), std::string::npos) << Cp1250NaUtf8(blad);
    EXPECT_TRUE(ListaPomiarow(katalog + "/brak", f, dzis, blad).empty());
}

}  // namespace

namespace {

TEST(SchematTest, StrzalkiWlotuWschodniegoIRondo)
{
    DanePomiar p;
    // The east inlet's three movements on the line y = 216 of a 220 x 220
    // sketch, turned about the centre to the right side: the left turn's
    // anchor (35, 216) goes to (216, 185); its first outline point (-30, 0)
    // x 0.7, turned by a - pi = pi/2 about the anchor, is (216, 164).
    auto s = SchematWlotu(p, 1, 220, 220);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].punkty.size(), 9u) << "a turn arrow";
    EXPECT_EQ(s[0].punkty[0], (PunktInt{216, 164}));
    EXPECT_EQ(s[1].punkty.size(), 7u) << "straight on";
    EXPECT_EQ(s[0].kolor, KolorRGB(128, 128, 128));
    // One movement stands in the middle; U-turns add their arrow.
    p.WlotJest = {1, 1, 0, 0};
    p.RysujZawrotki = 1;
    s = SchematWlotu(p, 2, 220, 220);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[1].punkty.size(), 11u);
    EXPECT_EQ(KolumnyWlotu(p, 2).front().naglowek, " LS") << "north to east, the only exit present";

    p.TypWezla = "R01";
    p.MaxJest = 5;
    s = SchematWlotu(p, 2, 220, 220);
    ASSERT_EQ(s.size(), 2u + 5 * 2);
    EXPECT_EQ(s[0].promien, 60);
    EXPECT_EQ(s[2].tekst, "1");
    EXPECT_EQ(s[2].srodek, (PunktInt{182, 110})) << "inlet 1 to the right of the ring";
    EXPECT_FALSE(s[3].wypelniony) << "another inlet: outlined";
    EXPECT_TRUE(s[5].wypelniony) << "the inlet shown";
}

}  // namespace

namespace {

TEST(PotokiTest, PotokiObliczoneWZakresieCzytnikaProjektu)
{
    // The largest counts a file holds raised by the largest factor and a
    // forecast: flows held at the reader's range, so that the project
    // holding them still opens (before, they were held only at 32 bits).
    EXPECT_EQ(PotokKlasy(10000000, 1000.0f), 10000000);
    EXPECT_EQ(PotokKlasy(3000, 1000.0f), 3000000);
    DanePomiar p;
    for (auto& wiersz : p.NatezeniaPojazdow)
        wiersz.fill(10000000);
    for (auto& wiersz : p.NatezeniaPrzejsc)
        wiersz.fill(10000000);
    DaneWspolczynniki w;
    w.Wspolczynnik.fill(1000.0f);
    DanePrognoza f;
    UstawDomyslnaPrognoze(f);
    f.PrognozaPojazdy[0].fill("99999999%");
    f.PrognozaPrzejscia[0].fill("-99999999");
    PrzeliczPotoki(p, w, f, true, WlotowPomiaru);
    EXPECT_EQ(p.NatezeniaNaRelacjach[0][0], 10000000);
    EXPECT_EQ(p.NatezeniaNaRelacjach[4][4], 10000000);
    EXPECT_EQ(p.NatezeniaPrzejscObliczone[2][5], -10000000);
    Projekt projekt;
    projekt.Pomiary.push_back(p);
    PoliczSumyPomiaru(projekt.Pomiary[0]);
    EXPECT_EQ(SprawdzDiagramy(projekt), "");
}

}  // namespace
