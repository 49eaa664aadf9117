// The count, count settings and forecast files: exact lines, a round trip,
// byte-for-byte rewriting and the refusal of malformed files.
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/resource.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <tuple>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "counts/PlikiPomiarow.h"
#include "model/Projekt.h"
#include "platform/PlikTekstowy.h"
#include "wspolne/kodowania_plikow.h"

namespace {

std::string PL(const char* utf8) { return Utf8NaCp1250(utf8); }

class PlikiTest : public ::testing::Test {
protected:
    std::string katalog;
    void SetUp() override
    {
        UstawSeparatorDziesietny('.');
        katalog = std::filesystem::temp_directory_path() / ("kg_pliki_" + std::to_string(::getpid()) + "_" +
                                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(katalog);
    }
    void TearDown() override { std::filesystem::remove_all(katalog); }
    std::string Sciezka(const std::string& n) const { return katalog + "/" + n; }
    static std::string Bajty(const std::string& sciezka)
    {
        std::ifstream f(sciezka, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    static void Zapisz(const std::string& sciezka, const std::string& bajty)
    {
        std::ofstream f(sciezka, std::ios::binary);
        f << bajty;
    }
};

DanePomiar PrzykladowyPomiar()
{
    DanePomiar m;
    m.DataPomiaru = KodujDate(2026, 3, 4), m.GodzPomiaru = KodujCzas(7, 15, 0), m.CzasPomiaru = 45;
    m.Lokalizacja = PL("Rondo Grunwaldzkie – wschód"), m.Sekcja = "S12", m.Opis2Linie = {"pierwsza", "druga"};
    m.TypWezla = "J01", m.MaxJest = 4, m.WlotJest = {1, 0, 1, 1}, m.RysujZawrotki = 1;
    for (int c = 0; c < KlasPojazdow; ++c)
        m.NazwaPojazdu[c] = "klasa" + std::to_string(c + 1), m.OznPojazdu[c] = "k" + std::to_string(c),
        m.WspPojazdu[c] = 1.0f;
    m.WspPojazdu[1] = 1.25f, m.WspPojazdu[2] = 2.5f;
    m.NazwaPrzejscia = {"Piesi", PL("Rowerzyści"), "...", "..."}, m.OznPrzejscia = {"Pie", "Row", "...", "..."};
    m.NatezeniaPojazdow[0] = {1, 2, 3, 4, 5}, m.NatezeniaPojazdow[99] = {4, 7, 8, 9, 10};
    m.NatezeniaPojazdowSumy = {15, 0, 0, 0, 38};
    m.NatezeniaPrzejsc[0] = {1, 2, 3, 4, 5, 6, 7, 8}, m.NatezeniaPrzejsc[4][7] = 44;
    m.NatezeniaPrzejscSumy = {36, 0, 0, 0, 44};
    return m;
}

TEST_F(PlikiTest, PlikPomiaruLiniaPoLinii)
{
    const auto l = LiniePlikuPomiaru(PrzykladowyPomiar(), KodujDate(2026, 3, 5), KodujCzas(9, 8, 7));
    ASSERT_EQ(l.size(), 667u);
    for (int i : {0, 1, 2, 3})
        EXPECT_EQ(l[static_cast<std::size_t>(i)].size(), 69u) << "banner line " << i + 1;
    EXPECT_EQ(l[1], "*                  POMIAR   1.0.0.                                  *");
    EXPECT_EQ(l[2].substr(0, 12), "*           ");
    const std::vector<std::pair<int, std::string>> oczekiwane = {
        {5, ""}, {6, "__________DataOstEdycja"}, {7, "2026-03-05"}, {8, "__________GodzOstEdycja"}, {9, "09:08:07"},
        {10, ""}, {11, "__________DataPomiaru"}, {12, "2026-03-04"}, {14, "07:15:00"}, {15, "__________CzasPomiaru[m]"},
        {16, "45"}, {19, PL("Rondo Grunwaldzkie – wschód")}, {21, "S12"}, {23, "pierwsza"}, {24, "druga"}, {25, ""},
        {26, "__________TypWezla"}, {27, "J01"}, {29, "4"}, {31, "true"}, {32, "false"}, {35, "__________RysujZawrotki"},
        {36, "true"}, {37, ""}, {38, "__________OpisOznWspPojazdow"}, {39, "klasa1"}, {40, "k0"}, {41, "1.0"},
        {44, "1.25"}, {47, "2.5"}, {99, ""}, {100, "__________NatezeniaPojazdow"}, {101, "1"}, {105, "5"},
        {596, "4"}, {600, "10"}, {601, ""}, {602, "__________NatezeniaPojazdowSumy"}, {603, "15"}, {607, "38"},
        {608, ""}, {609, "__________OpisOznPrzejsc"}, {612, PL("Rowerzyści")}, {619, "__________NatezeniaPrzejsc"},
        {620, "1"}, {659, "44"}, {660, ""}, {661, "__________NatezeniaPrzejscSumy"}, {662, "36"}, {666, "44"}, {667, ""}};
    for (const auto& [nr, tekst] : oczekiwane)
        EXPECT_EQ(l[static_cast<std::size_t>(nr - 1)], tekst) << "line " << nr;
}

TEST_F(PlikiTest, PomiarZapisanyCzytanyIZapisanyPonownieBajtWBajt)
{
    const DanePomiar m = PrzykladowyPomiar();
    std::string blad;
    ASSERT_TRUE(ZapiszPlikPomiaru(Sciezka("a.pom"), m, blad)) << blad;
    const std::string bajty = Bajty(Sciezka("a.pom"));
    EXPECT_EQ(bajty.substr(0, 71), std::string(69, '*') + "\r\n");
    EXPECT_EQ(std::count(bajty.begin(), bajty.end(), '\n'), 667);

    DanePomiar r;
    ASSERT_TRUE(CzytajPlikPomiaru(Sciezka("a.pom"), r, blad)) << blad;
    EXPECT_EQ(r.NazwaPliku.str(), "a.pom");
    EXPECT_EQ(r.Lokalizacja, m.Lokalizacja);
    EXPECT_EQ(r.Opis2Linie, m.Opis2Linie);
    EXPECT_EQ(r.DataPomiaru, m.DataPomiaru);
    EXPECT_EQ(r.GodzPomiaru, m.GodzPomiaru);
    EXPECT_EQ(r.WlotJest, m.WlotJest);
    EXPECT_EQ(r.WspPojazdu, m.WspPojazdu);
    EXPECT_EQ(r.NatezeniaPojazdow, m.NatezeniaPojazdow);
    EXPECT_EQ(r.NatezeniaPrzejsc, m.NatezeniaPrzejsc);
    EXPECT_EQ(r.NatezeniaPrzejscSumy, m.NatezeniaPrzejscSumy);
    EXPECT_GT(r.DataOstEdycja, KodujDate(2026, 1, 1)) << "the moment of saving";

    // Written again at the moment it holds, it gives the same bytes.
    std::string obraz;
    for (const auto& l : LiniePlikuPomiaru(r, r.DataOstEdycja, r.GodzOstEdycja))
        obraz += l + "\r\n";
    EXPECT_EQ(obraz, bajty);
}

// A count's file name goes into the project as Windows-1250 text: a Polish
// name is kept letter for letter, a name the code page cannot hold is
// refused, never stored as "?". "\\" is a letter of a name, not a folder.
TEST_F(PlikiTest, NazwaPlikuPomiaruWProjekcie)
{
    std::filesystem::create_directories(Sciezka("Счёт"));
    const DanePomiar m = PrzykladowyPomiar();
    std::string blad;
    for (const char* nazwa : {"Łódź – rano.pom", "Счёт/a\\b.pom"}) {
        SCOPED_TRACE(nazwa);
        ASSERT_TRUE(ZapiszPlikPomiaru(Sciezka(nazwa), m, blad)) << blad;
        DanePomiar r;
        ASSERT_TRUE(CzytajPlikPomiaru(Sciezka(nazwa), r, blad)) << blad;
        EXPECT_EQ(Cp1250NaUtf8(r.NazwaPliku.str()), NazwaBezKatalogu(nazwa));
    }

    ASSERT_TRUE(ZapiszPlikPomiaru(Sciezka("Счёт/Москва.pom"), m, blad)) << blad;
    DanePomiar r = m;
    r.NazwaPliku = "stary.pom";
    EXPECT_FALSE(CzytajPlikPomiaru(Sciezka("Счёт/Москва.pom"), r, blad));
    EXPECT_EQ(Cp1250NaUtf8(blad), "Nazwy pliku ??????.pom nie można zapisać w projekcie (znaki spoza strony kodowej "
                                  "Windows-1250 lub nazwa dłuższa niż 255 znaków). Zmień nazwę pliku.");
    EXPECT_EQ(r.NazwaPliku.str(), "stary.pom");
    std::string nazwa;
    EXPECT_FALSE(NazwaPlikuWProjekcie(std::string(200, 'x') + "ż" + std::string(55, 'x'), nazwa, blad));
    EXPECT_TRUE(NazwaPlikuWProjekcie("/a/" + std::string(254, 'x') + "ż", nazwa, blad));
    EXPECT_EQ(nazwa.size(), 255u);
}

TEST_F(PlikiTest, CzytnikPomiaruKolejnoscGrupSeparatorIWielkoscLiter)
{
    // Groups in another order, extra lines, "," as separator, "True" capitalised.
    auto l = LiniePlikuPomiaru(PrzykladowyPomiar(), 0.0, 0.0);
    ASSERT_EQ(l[29], "__________WlotJest");
    l.erase(l.begin() + 29, l.begin() + 34);
    l.insert(l.begin(), {"smiec", "__________WlotJest", "true", "True", "false", "true", ""});
    ASSERT_EQ(l[7 + 40 - 5], "1.0");
    l[7 + 40 - 5] = "1,75";
    std::string tresc;
    for (const auto& x : l)
        tresc += x + "\r\n";
    Zapisz(Sciezka("b.pom"), tresc);
    DanePomiar r;
    std::string blad;
    ASSERT_TRUE(CzytajPlikPomiaru(Sciezka("b.pom"), r, blad)) << Cp1250NaUtf8(blad);
    EXPECT_EQ(r.WlotJest, (std::array<uint8_t, 4>{1, 0, 0, 1}));
    EXPECT_EQ(r.WspPojazdu[0], 1.75f);
    EXPECT_EQ(r.Sekcja.str(), "S12");

    NaglowekPomiaru n;
    ASSERT_TRUE(CzytajNaglowekPomiaru(Sciezka("b.pom"), n, blad));
    EXPECT_EQ(n.Sekcja.str(), "S12");
}

TEST_F(PlikiTest, TekstJakKluczCzytanyJakoWartosc)
{
    // A text the writer puts among the values reads back as a value, also
    // when it reads like a key of a later group.
    DanePomiar m = PrzykladowyPomiar();
    m.Lokalizacja = "__________Sekcja";
    m.Opis2Linie[1] = "__________NatezeniaPrzejscSumy";
    DanePomiar r;
    std::string blad;
    ASSERT_TRUE(CzytajLiniePomiaru(LiniePlikuPomiaru(m, 0.0, 0.0), "k.pom", r, blad)) << Cp1250NaUtf8(blad);
    EXPECT_EQ(r.Lokalizacja, m.Lokalizacja);
    EXPECT_EQ(r.Sekcja, m.Sekcja);
    EXPECT_EQ(r.Opis2Linie, m.Opis2Linie);
    EXPECT_EQ(r.NatezeniaPrzejscSumy, m.NatezeniaPrzejscSumy);
}

TEST_F(PlikiTest, ZlyPlikPomiaruOdrzuconyZNazwaILinia)
{
    const DanePomiar m = PrzykladowyPomiar();
    auto l = LiniePlikuPomiaru(m, KodujDate(2026, 3, 5), KodujCzas(9, 8, 7));
    const std::vector<std::pair<std::size_t, std::string>> psucia = {
        {12, "2026-02-30"}, {16, PL("sześć")}, {44, "x"}, {300, "1.5"}, {14, "25:00:00"}};
    for (const auto& [nr, zle] : psucia) {
        auto z = l;
        z[nr - 1] = zle;
        DanePomiar r = m;
        r.Lokalizacja = "przed";
        std::string blad;
        EXPECT_FALSE(CzytajLiniePomiaru(z, "C:/p/zly.pom", r, blad)) << nr;
        EXPECT_NE(blad.find("zly.pom, linia " + std::to_string(nr) + ":"), std::string::npos) << Cp1250NaUtf8(blad);
        EXPECT_EQ(r.Lokalizacja.str(), "przed") << "the record stays as it was";
    }
    // Cut inside a group, and a file without any key.
    std::string blad;
    DanePomiar r;
    EXPECT_FALSE(CzytajLiniePomiaru({l.begin(), l.begin() + 200}, "ucięty.pom", r, blad));
    EXPECT_NE(blad.find("linia 201"), std::string::npos) << Cp1250NaUtf8(blad);
    EXPECT_FALSE(CzytajLiniePomiaru({"jakiś tekst"}, "obcy.pom", r, blad));
    EXPECT_NE(blad.find("obcy.pom"), std::string::npos);
    EXPECT_FALSE(CzytajPlikPomiaru(Sciezka("brak.pom"), r, blad));
}

TEST_F(PlikiTest, PlikUstawienLiniaPoLiniiIZPrzecinkiem)
{
    UstawieniaPomiaru u = WbudowaneKlasyPojazdow();
    u.NazwaPrzejscia = {"PIESI", PL("ROWERZYŚCI"), "...", "..."};
    u.OznPrzejscia = {"pie", "row", "...", "..."};
    u.Wsp[1] = "1,5";
    const auto l = LiniePlikuUstawien(u);
    ASSERT_EQ(l.size(), 77u);
    EXPECT_EQ(l[1], PL("*         Ustawienia Pojazdów/Przejsc POMIAR 1.0.0.                 *"));
    EXPECT_EQ(l[5], "__________UstawOznWspPojazdow");
    EXPECT_EQ(l[6], "Osobowe");
    EXPECT_EQ(l[11], "1,5") << "the factor as typed";
    EXPECT_EQ(l[63], PL("Zaprzęgowe"));
    EXPECT_EQ(l[66], "");
    EXPECT_EQ(l[67], "__________UstawOznPrzejsc");
    EXPECT_EQ(l[70], PL("ROWERZYŚCI"));
    EXPECT_EQ(l[76], "");

    // The program's own default file is what the writer makes of its texts.
    std::vector<std::string> domyslne;
    std::string blad;
    const std::string plik = std::string(KG_BUILD_DIR) + "/Pomiary/Ustawienia/domyslne.upm";
    UstawieniaPomiaru d;
    bool przejscia = false;
    ASSERT_TRUE(CzytajPlikUstawien(plik, d, przejscia, blad)) << blad;
    EXPECT_TRUE(przejscia);
    ASSERT_TRUE(ZapiszPlikUstawien(Sciezka("d.upm"), d, blad));
    EXPECT_EQ(Bajty(Sciezka("d.upm")), Bajty(plik));

    UstawieniaPomiaru r;
    ASSERT_TRUE(ZapiszPlikUstawien(Sciezka("u.upm"), u, blad));
    ASSERT_TRUE(CzytajPlikUstawien(Sciezka("u.upm"), r, przejscia, blad));
    EXPECT_EQ(r, u);
}

TEST_F(PlikiTest, PlikUstawienBezPrzejscIZlyWspolczynnik)
{
    std::vector<std::string> l = {"__________UstawOznWspPojazdow"};
    for (int c = 0; c < 20; ++c)
        l.insert(l.end(), {"n", "k", c == 4 ? "1x" : "1"});
    UstawieniaPomiaru u;
    u.Nazwa[0] = "przed";
    bool przejscia = true;
    std::string blad;
    EXPECT_FALSE(CzytajLinieUstawien(l, "zle.upm", u, przejscia, blad));
    EXPECT_NE(blad.find("zle.upm, linia 16:"), std::string::npos) << Cp1250NaUtf8(blad);
    EXPECT_EQ(u.Nazwa[0], "przed");
    l[15] = "2";
    u.NazwaPrzejscia[0] = "zostaje";
    ASSERT_TRUE(CzytajLinieUstawien(l, "dobre.upm", u, przejscia, blad)) << blad;
    EXPECT_FALSE(przejscia);
    EXPECT_EQ(u.NazwaPrzejscia[0], "zostaje");
}

TEST_F(PlikiTest, PlikPrognozyLiniaPoLiniiIPonownie)
{
    DanePrognoza p;
    UstawDomyslnaPrognoze(p);
    p.TrybPrognoza = 0;
    p.PrognozaPojazdy[0][0] = "10%", p.PrognozaPojazdy[2][19] = " +5 ", p.PrognozaPrzejscia[5][3] = "-3";
    const auto l = LiniePlikuPrognozy(p);
    ASSERT_EQ(l.size(), 155u);
    EXPECT_EQ(l[1], "*           Kartogram 2.0.0 Prognoza 1.0.0                          *");
    EXPECT_EQ(l[5], "__________TrybPrognoza");
    EXPECT_EQ(l[6], "False");
    EXPECT_EQ(l[7], "__________PrognozaPojazdy");
    EXPECT_EQ(l[8], "10%");
    EXPECT_EQ(l[8 + 2 * 20 + 19], " +5 ");
    EXPECT_EQ(l[128], "");
    EXPECT_EQ(l[129], "__________PrognozaPrzejscia");
    EXPECT_EQ(l[153], "-3");
    EXPECT_EQ(l[154], "");

    std::string blad;
    ASSERT_TRUE(ZapiszPlikPrognozy(Sciezka("p.pgz"), p, blad));
    DanePrognoza r;
    ASSERT_TRUE(CzytajPlikPrognozy(Sciezka("p.pgz"), r, blad)) << blad;
    EXPECT_EQ(r.TrybPrognoza, 0);
    EXPECT_EQ(r.PrognozaPojazdy, p.PrognozaPojazdy);
    EXPECT_EQ(r.PrognozaPrzejscia, p.PrognozaPrzejscia);
    ASSERT_TRUE(ZapiszPlikPrognozy(Sciezka("q.pgz"), r, blad));
    EXPECT_EQ(Bajty(Sciezka("q.pgz")), Bajty(Sciezka("p.pgz")));

    // A cell of 10 characters; a cut file is refused.
    DanePrognoza c = p;
    std::vector<std::string> krotka = {"__________TrybPrognoza", "True", "__________PrognozaPojazdy"};
    krotka.insert(krotka.end(), 120, "");
    krotka.push_back("__________PrognozaPrzejscia");
    krotka.push_back("1234567890");
    krotka.insert(krotka.end(), 23, "");
    ASSERT_TRUE(CzytajLiniePrognozy(krotka, "c.pgz", c, blad)) << blad;
    EXPECT_EQ(c.TrybPrognoza, 1);
    EXPECT_EQ(c.PrognozaPrzejscia[0][0].str(), "1234567890");
    EXPECT_EQ(c.PrognozaPojazdy[0][0].str(), "");
    EXPECT_FALSE(CzytajLiniePrognozy({"__________PrognozaPojazdy", "1"}, "krotki.pgz", c, blad));
    EXPECT_NE(blad.find("krotki.pgz, linia 3"), std::string::npos) << Cp1250NaUtf8(blad);
    EXPECT_EQ(c.TrybPrognoza, 1);
}

// A count, settings or forecast file named as the program's temporary files
// was saved, and the next save in its folder deleted it: refused.
TEST_F(PlikiTest, NazwaPlikowTymczasowychProgramuOdrzucona)
{
    const std::string plik = Sciezka(".~kartogram-0000000000000abc");
    const std::string odmowa =
        "Nie można zapisać pliku " + plik + " (nazwa zastrzeżona dla plików tymczasowych programu).";
    DanePrognoza f;
    UstawDomyslnaPrognoze(f);
    std::string blad;
    EXPECT_FALSE(ZapiszPlikPomiaru(plik, PrzykladowyPomiar(), blad));
    EXPECT_EQ(Cp1250NaUtf8(blad), odmowa);
    EXPECT_FALSE(ZapiszPlikUstawien(plik, WbudowaneKlasyPojazdow(), blad));
    EXPECT_EQ(Cp1250NaUtf8(blad), odmowa);
    EXPECT_FALSE(ZapiszPlikPrognozy(plik, f, blad));
    EXPECT_EQ(Cp1250NaUtf8(blad), odmowa);
    EXPECT_FALSE(std::filesystem::exists(plik));
}

}  // namespace

// Count, settings and forecast files re-saved by an editor as UTF-8, with the
// byte-order mark or without it, read as their Windows-1250 files do (their
// letters were once read as "Ĺ›", a count's and a forecast's without the
// mark until lately), and so do they left in Windows-1250 behind the mark
// (once refused as damaged UTF-8). Their forms Windows-1250 cannot hold, and
// UTF-8 with a byte of a letter lost, are refused naming the file, the
// record given staying as it was.
TEST_F(PlikiTest, Utf8ZeZnacznikiemIBezCzytanyJakWindows1250)
{
    std::string blad;
    UstawieniaPomiaru u = WbudowaneKlasyPojazdow();
    u.NazwaPrzejscia[1] = PL("ROWERZYŚCI");
    DanePrognoza f;
    UstawDomyslnaPrognoze(f);
    f.PrognozaPojazdy[0][0] = "10%";
    ASSERT_TRUE(ZapiszPlikPomiaru(Sciezka("a.pom"), PrzykladowyPomiar(), blad));
    ASSERT_TRUE(ZapiszPlikUstawien(Sciezka("a.upm"), u, blad));
    ASSERT_TRUE(ZapiszPlikPrognozy(Sciezka("a.pgz"), f, blad));
    // A forecast keeps no letters: its banner, which the reader passes over,
    // gets some.
    std::string pgz = Bajty(Sciezka("a.pgz"));
    pgz.replace(pgz.find("Prognoza"), 8, PL("Prognoza Łódź"));
    Zapisz(Sciezka("a.pgz"), pgz);

    // Each reader gives the lines its record writes again, none when it
    // refuses the file and leaves the record as it was.
    using Czytnik = std::function<std::vector<std::string>(const std::string&)>;
    const std::tuple<std::string, std::string, Czytnik> pliki[] = {
        {"a.pom", "Rondo Grunwaldzkie – wschód",
         [&](const std::string& s) {
             DanePomiar p;
             NaglowekPomiaru n;
             p.Lokalizacja = n.Lokalizacja = "przed";
             std::string bladNaglowka;
             const bool ok = CzytajPlikPomiaru(s, p, blad);
             EXPECT_EQ(CzytajNaglowekPomiaru(s, n, bladNaglowka), ok);
             EXPECT_EQ(n.Lokalizacja, p.Lokalizacja);
             EXPECT_EQ(bladNaglowka, ok ? "" : blad);
             return ok ? LiniePlikuPomiaru(p, p.DataOstEdycja, p.GodzOstEdycja) : std::vector<std::string>{};
         }},
        {"a.upm", "ROWERZYŚCI",
         [&](const std::string& s) {
             UstawieniaPomiaru r;
             r.Nazwa[0] = "przed";
             bool przejscia = false;
             if (CzytajPlikUstawien(s, r, przejscia, blad))
                 return LiniePlikuUstawien(r);
             EXPECT_EQ(r.Nazwa[0], "przed");
             return std::vector<std::string>{};
         }},
        {"a.pgz", "Łódź", [&](const std::string& s) {
             DanePrognoza r;
             r.PrognozaPojazdy[0][0] = "przed";
             if (CzytajPlikPrognozy(s, r, blad))
                 return LiniePlikuPrognozy(r);
             EXPECT_EQ(r.PrognozaPojazdy[0][0].str(), "przed");
             return std::vector<std::string>{};
         }}};
    for (const auto& [nazwa, polski, czytaj] : pliki) {
        SCOPED_TRACE(nazwa);
        const std::string cp1250 = Bajty(Sciezka(nazwa));
        const std::vector<std::string> oczekiwane = czytaj(Sciezka(nazwa));
        ASSERT_FALSE(oczekiwane.empty()) << Cp1250NaUtf8(blad);
        for (const std::string& bajty :
             {Utf8ZeZnacznikiem(cp1250), Cp1250NaUtf8(cp1250), Windows1250ZeZnacznikiem(cp1250)}) {
            Zapisz(Sciezka("bom_" + nazwa), bajty);
            EXPECT_EQ(czytaj(Sciezka("bom_" + nazwa)), oczekiwane) << Cp1250NaUtf8(blad);
        }

        const std::string zly = Sciezka("zly_" + nazwa);
        for (const auto& [opis, bajty, komunikat] : ZleKodowania(cp1250, polski, zly)) {
            SCOPED_TRACE(opis);
            Zapisz(zly, bajty);
            EXPECT_TRUE(czytaj(zly).empty());
            EXPECT_EQ(Cp1250NaUtf8(blad), komunikat);
        }
    }
}

namespace {

// The peak memory of the process so far.
long SzczytPamieciKB()
{
    rusage r{};
    ::getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

// The lines of the sample count with line `nr` (1-based) replaced.
std::vector<std::string> Zepsuty(std::size_t nr, const std::string& linia)
{
    auto l = LiniePlikuPomiaru(PrzykladowyPomiar(), KodujDate(2026, 3, 5), KodujCzas(9, 8, 7));
    l[nr - 1] = linia;
    return l;
}

TEST_F(PlikiTest, PomiarSpozaGranicOdrzuconyZNazwaILinia)
{
    // Values the project reader would refuse, so that a project holding the
    // count would no longer open: each refused where it enters.
    const std::vector<std::pair<std::size_t, std::string>> psucia = {
        {16, "-1"},   {16, "10081"},     {29, "0"},          {29, "99"},   {41, "3e38"},
        {41, "-1"},   {41, "1e39"},      {101, "-1"},        {101, "20000000"}, {620, "-5"},
        {620, "2000000000"}, {19, std::string(256, 'x')}, {40, "abcd"}, {27, "J012"}, {39, std::string(61, 'n')},
        {603, "-1"}, {603, "x"},
    };
    for (const auto& [nr, zle] : psucia) {
        DanePomiar r = PrzykladowyPomiar();
        r.Lokalizacja = "przed";
        std::string blad;
        EXPECT_FALSE(CzytajLiniePomiaru(Zepsuty(nr, zle), "C:/p/zly.pom", r, blad)) << nr << " " << zle;
        EXPECT_NE(blad.find("zly.pom, linia " + std::to_string(nr) + ":"), std::string::npos) << Cp1250NaUtf8(blad);
        EXPECT_EQ(r.Lokalizacja.str(), "przed") << "the record stays as it was";
    }
    // The limits themselves are taken.
    for (const auto& [nr, dobra] : std::vector<std::pair<std::size_t, std::string>>{
             {16, "10080"}, {16, "0"}, {29, "2"}, {29, "5"}, {41, "1000"}, {41, "0"}, {19, std::string(255, 'x')}}) {
        DanePomiar r;
        std::string blad;
        EXPECT_TRUE(CzytajLiniePomiaru(Zepsuty(nr, dobra), "dobry.pom", r, blad)) << nr << " " << Cp1250NaUtf8(blad);
    }
}

TEST_F(PlikiTest, SumyPomiaruZTabeli)
{
    // Totals that are not the sums of their inlet's cells (files written
    // with totals of 0 among them) come back as the sums.
    auto l = Zepsuty(603, "0");
    l[607 - 1] = "1000";
    l[662 - 1] = "35";
    DanePomiar r;
    std::string blad;
    ASSERT_TRUE(CzytajLiniePomiaru(l, "sumy.pom", r, blad)) << Cp1250NaUtf8(blad);
    EXPECT_EQ(r.NatezeniaPojazdowSumy, (std::array<int32_t, 5>{15, 0, 0, 0, 38}));
    EXPECT_EQ(r.NatezeniaPrzejscSumy, (std::array<int32_t, 5>{36, 0, 0, 0, 44}));
}

TEST_F(PlikiTest, UcietyPomiarOdrzuconyWKazdymMiejscu)
{
    // A count must hold every group the writer writes: cut anywhere before
    // its last value it is refused, and the record given keeps nothing of it.
    const auto l = LiniePlikuPomiaru(PrzykladowyPomiar(), KodujDate(2026, 3, 5), KodujCzas(9, 8, 7));
    DanePomiar inny;
    inny.Lokalizacja = "inny pomiar";
    inny.NatezeniaPojazdow[0][0] = 77;
    for (std::size_t n = 1; n < l.size() - 1; ++n) {
        DanePomiar r = inny;
        std::string blad;
        ASSERT_FALSE(CzytajLiniePomiaru({l.begin(), l.begin() + static_cast<std::ptrdiff_t>(n)}, "ciety.pom", r, blad))
            << "cut after line " << n;
        EXPECT_NE(blad.find("ciety.pom"), std::string::npos);
        EXPECT_EQ(r.Lokalizacja.str(), "inny pomiar");
    }
    // Whole (the last line is empty), the count read carries nothing of the record given.
    DanePomiar r = inny;
    std::string blad;
    ASSERT_TRUE(CzytajLiniePomiaru({l.begin(), l.end() - 1}, "caly.pom", r, blad)) << Cp1250NaUtf8(blad);
    EXPECT_EQ(r.NatezeniaPojazdow[0][0], 1);
    // A group left out names what is missing.
    auto bez = l;
    bez.erase(bez.begin() + 19, bez.begin() + 21);  // __________Sekcja and its line
    ASSERT_EQ(bez[18], l[18]);
    EXPECT_FALSE(CzytajLiniePomiaru(bez, "bez.pom", r, blad));
    EXPECT_NE(blad.find("brak grupy __________Sekcja"), std::string::npos) << Cp1250NaUtf8(blad);
}

TEST_F(PlikiTest, KomorkaPrognozyDluzszaOdPojemnosciOdrzucona)
{
    // "00000000020%" cut to 10 characters read as +2 vehicles, not +20 %.
    DanePrognoza p;
    UstawDomyslnaPrognoze(p);
    auto l = LiniePlikuPrognozy(p);
    for (const std::string& zla : {std::string("00000000020%"), std::string("12345678901"), std::string("abc"),
                                   std::string("5x%")}) {
        auto z = l;
        z[8 + 20 + 3] = zla;
        DanePrognoza r = p;
        r.PrognozaPojazdy[0][0] = "7";
        std::string blad;
        EXPECT_FALSE(CzytajLiniePrognozy(z, "C:/f/zla.pgz", r, blad)) << zla;
        EXPECT_NE(blad.find("zla.pgz, linia 32:"), std::string::npos) << Cp1250NaUtf8(blad);
        EXPECT_EQ(r.PrognozaPojazdy[0][0].str(), "7");
    }
    auto z = l;
    z[31] = "0000000020";
    DanePrognoza r;
    std::string blad;
    ASSERT_TRUE(CzytajLiniePrognozy(z, "dobra.pgz", r, blad)) << Cp1250NaUtf8(blad);
    EXPECT_EQ(r.PrognozaPojazdy[1][3].str(), "0000000020");
}

TEST_F(PlikiTest, PlikPrognozyNiepelnyLubZTrybemInnymNizTrueFalseOdrzucony)
{
    DanePrognoza p;
    UstawDomyslnaPrognoze(p);
    p.PrognozaPojazdy[0][0] = "10%";
    const auto l = LiniePlikuPrognozy(p);
    // Cut after line n: at a group's end the file used to load with the
    // missing groups empty, so that the forecast added nothing. The message
    // names the line after the last.
    for (std::size_t n : {6u, 7u, 8u, 100u, 128u, 129u, 130u, 153u}) {
        DanePrognoza r = p;
        r.PrognozaPojazdy[0][0] = "7";
        std::string blad;
        EXPECT_FALSE(CzytajLiniePrognozy({l.begin(), l.begin() + static_cast<std::ptrdiff_t>(n)}, "ucieta.pgz", r, blad))
            << n;
        EXPECT_NE(blad.find("ucieta.pgz, linia " + std::to_string(n + 1) + ":"), std::string::npos)
            << n << " " << Cp1250NaUtf8(blad);
        EXPECT_EQ(r.PrognozaPojazdy[0][0].str(), "7");
    }
    // The vehicle table taken out of a whole file.
    auto bez = l;
    bez.erase(bez.begin() + 7, bez.begin() + 129);
    DanePrognoza r;
    std::string blad;
    EXPECT_FALSE(CzytajLiniePrognozy(bez, "bez.pgz", r, blad));
    EXPECT_NE(blad.find("brak grupy __________PrognozaPojazdy"), std::string::npos) << Cp1250NaUtf8(blad);
    // Only "True" and "False" are modes.
    for (const std::string& tryb : {std::string("yes"), std::string(""), std::string("true"), std::string("True ")}) {
        auto z = l;
        z[6] = tryb;
        EXPECT_FALSE(CzytajLiniePrognozy(z, "tryb.pgz", r, blad)) << tryb;
        EXPECT_NE(blad.find("tryb.pgz, linia 7:"), std::string::npos) << Cp1250NaUtf8(blad);
    }
    auto z = l;
    z[6] = "True";
    ASSERT_TRUE(CzytajLiniePrognozy(z, "tryb.pgz", r, blad)) << Cp1250NaUtf8(blad);
    EXPECT_EQ(r.TrybPrognoza, 1);
}

TEST_F(PlikiTest, PlikUstawienSpozaGranicOdrzucony)
{
    auto l = LiniePlikuUstawien(WbudowanePrzejscia(WbudowaneKlasyPojazdow()));
    const std::vector<std::pair<std::size_t, std::string>> psucia = {
        {9, "1e39"}, {9, "-0,5"}, {9, "nan"}, {7, std::string(61, 'n')}, {8, "Osob"}, {69, std::string(61, 'p')}};
    for (const auto& [nr, zle] : psucia) {
        auto z = l;
        z[nr - 1] = zle;
        UstawieniaPomiaru u = WbudowaneKlasyPojazdow();
        bool przejscia = false;
        std::string blad;
        EXPECT_FALSE(CzytajLinieUstawien(z, "zle.upm", u, przejscia, blad)) << nr;
        EXPECT_NE(blad.find("zle.upm, linia " + std::to_string(nr) + ":"), std::string::npos) << Cp1250NaUtf8(blad);
        EXPECT_EQ(u, WbudowaneKlasyPojazdow());
    }
}

TEST_F(PlikiTest, LiniePomijaneMiedzyKluczamiLiczoneWKazdymZakonczeniu)
{
    // Lines that cannot be keys are passed over in one search; the line a
    // message names is counted as before, whichever ends the lines have.
    auto l = LiniePlikuPomiaru(PrzykladowyPomiar(), KodujDate(2026, 3, 5), KodujCzas(9, 8, 7));
    // Text before the first key: a key not at a line's start, one with a
    // blank before it, an unknown key.
    const std::vector<std::string> przed = {"x__________Sekcja", " __________Sekcja", "__________Nieznany", "", "_"};
    l.insert(l.begin(), przed.begin(), przed.end());
    // The measuring time's value, 16th line of the file before.
    const std::size_t wartosc = 15 + przed.size();
    ASSERT_EQ(l[wartosc - 1], "__________CzasPomiaru[m]");
    l[wartosc] = "piec";
    const std::string zla = std::to_string(wartosc + 1);
    for (const char* koniec : {"\r\n", "\n", "\r"}) {
        std::string tresc;
        for (const auto& x : l)
            tresc += x + koniec;
        // A run of empty lines after the file.
        tresc += std::string(1000, koniec[0]);
        DanePomiar p;
        std::string blad;
        EXPECT_FALSE(CzytajTekstPomiaru(tresc, "k.pom", p, blad));
        EXPECT_NE(blad.find("k.pom, linia " + zla + ":"), std::string::npos) << Cp1250NaUtf8(blad);
        // A group missing: named after the last line, the empty ones counted.
        std::string bez;
        for (std::size_t i = 0; i < l.size(); ++i)
            if (l[i] != "__________NatezeniaPrzejscSumy")
                bez += (i == wartosc ? std::string("15") : l[i]) + koniec;
        bez += std::string(1000, koniec[0]);
        EXPECT_FALSE(CzytajTekstPomiaru(bez, "k.pom", p, blad));
        EXPECT_NE(blad.find("k.pom, linia " + std::to_string(l.size() + 1000) + ": brak grupy __________NatezeniaPrzejscSumy"),
                  std::string::npos)
            << koniec[0] + 0 << " " << Cp1250NaUtf8(blad);
    }
}

TEST_F(PlikiTest, PlikiSamychKoncowLiniiCzytaneBezTablicyLinii)
{
    // 16 MB of line feeds: read in place, refused with a message, the
    // memory growing by about the file's size, not by a string per line
    // (half a gigabyte for this file when its lines were put in a vector).
    const std::string plik = Sciezka("lf.pom");
    Zapisz(plik, std::string(16u * 1024u * 1024u, '\n'));
    const long przed = SzczytPamieciKB();
    std::string blad;
    DanePomiar p;
    EXPECT_FALSE(CzytajPlikPomiaru(plik, p, blad));
    EXPECT_NE(blad.find("lf.pom"), std::string::npos);
    DanePrognoza f;
    EXPECT_FALSE(CzytajPlikPrognozy(plik, f, blad));
    UstawieniaPomiaru u;
    bool przejscia = false;
    EXPECT_FALSE(CzytajPlikUstawien(plik, u, przejscia, blad));
    EXPECT_LT(SzczytPamieciKB() - przed, 100L * 1024L);
}

}  // namespace

namespace {

TEST_F(PlikiTest, BladSystemuPoPolsku)
{
    // A folder that cannot be made: the cause in Polish, not the system's
    // English ("Not a directory", "Permission denied").
    Zapisz(Sciezka("plik"), "x");
    const std::string pomiary = KatalogPomiarow, prognozy = KatalogPrognoz, ustawienia = KatalogUstawien;
    KatalogPomiarow = Sciezka("plik") + "/Pomiary";
    KatalogPrognoz = KatalogUstawien = "";
    const std::string blad = UtworzKatalogiPomiarow();
    KatalogPomiarow = pomiary, KatalogPrognoz = prognozy, KatalogUstawien = ustawienia;
    EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można utworzyć katalogu " + Sciezka("plik") +
                                      "/Pomiary: część ścieżki nie jest folderem.");
    EXPECT_EQ(Cp1250NaUtf8(PrzyczynaBledu(EACCES)), "brak uprawnień");
    EXPECT_EQ(Cp1250NaUtf8(PrzyczynaBledu(ENOMEM)), "brak pamięci");
    EXPECT_EQ(Cp1250NaUtf8(PrzyczynaBledu(EHOSTDOWN)), "błąd systemu nr " + std::to_string(EHOSTDOWN));
}

}  // namespace
