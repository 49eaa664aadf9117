// Saving and opening whole project files.
#include "calosc_pomoc.h"

#include <filesystem>
#include <fstream>
#include <functional>

#include "base/Watki.h"
#include "wspolne/kodowania_plikow.h"
#include "wspolne/pelny_dysk.h"

namespace {

class PlikProjektuTest : public ModelTest {};

TEST_F(PlikProjektuTest, NewProjectOverAnOldFileGivesExactlyTheBannerAndSections)
{
    const std::string s = ZapiszPlik("stary.rup", std::vector<std::string>(5000, "stara linia"));
    ASSERT_TRUE(ZapiszProjekt(s));
    EXPECT_EQ(CzytajBajty(s), CzytajBajty(KG_TEST_DATA "/projekt_nowy.rup"));
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_EQ(okno.tytul, s);
    EXPECT_EQ(okno.ostatnie, Wiersze{s});
    // Nothing but the project is left beside it.
    int plikow = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(std::filesystem::path(s).parent_path()))
        ++plikow;
    EXPECT_EQ(plikow, 1);
}

TEST_F(PlikProjektuTest, SectionsInAnotherOrderWithBlankLinesAndUnknownTags)
{
    // Variants before nodes, an unknown tag and blank lines between sections;
    // the second line carries the version after other text.
    auto naglowek = Naglowek2();
    naglowek[1] = "* program KARTOGRAM  2.0.0. (kopia)";
    const std::string s = ZapiszPlik(
        "kolejnosc.rup",
        Plik(naglowek, Wiersze{"", "", Znacznik("xx9"), "cokolwiek", "", Znacznik("vv1"), "Warianty",
                                                "1", std::string(42, '-'), "V", "", "", "", "1.0", "2.0", "L", "", "",
                                                Znacznik("wv1"), "W\xEAz\xB3y", "1", std::string(42, '-'), "1.5", "2.5",
                                                "J", "N", "t1", "t2", "t3", "-5.00", "12.00", "L"}));
    ASSERT_TRUE(Otworz(s)) << Blad();
    ASSERT_EQ(LiczbaWezlow(), 1);
    EXPECT_EQ(Wezly[0].Nazwa.str(), "N");
    ASSERT_EQ(LiczbaWariantow(), 1);
    EXPECT_EQ(BiezacyWariant, 0);
    EXPECT_FLOAT_EQ(Warianty[0].TytulDy, 2.0f);
}

TEST_F(PlikProjektuTest, BadFilesAreRefusedNamingFileAndLine)
{
    const std::vector<std::string> warianty = {Znacznik("vv1"), "Warianty", "1", std::string(42, '-'),
                                               "V", "", "", "", "0", "0"};
    auto opisy = [](const std::string& liczba) {
        return Plik(Naglowek2(), Wiersze{Znacznik("ov1"), "Opisy", liczba, std::string(42, '-'), "t",
                                                          "1", "1", "1", "1", "0", "0", "0", "0", "-1", "",
                                                          "clBlack"});
    };
    struct Przypadek {
        std::string nazwa;
        std::vector<std::string> linie;
        std::string fragment;
    };
    const std::vector<Przypadek> przypadki = {
        {"obcy.rup", Plik({"*****", "* jakis inny plik *", "", "", ""}, warianty, Wiersze{"L"}),
         "Plik nie jest plikiem projektu."},
        // Variants read fine, then the nodes section breaks on its second position.
        {"zly.rup",
         Plik(Naglowek2(), warianty,
              Wiersze{"L", "", Znacznik("wv1"), "W\xEAz\xB3y", "1", std::string(42, '-'), "1.5", "abc", "J", "N", "", "",
               "", "0", "0", "L"}),
         "linia 23"},
        {"znak.rup", Plik(Naglowek2(), warianty, Wiersze{"", ""}), "linia 16"},
        // Counts beyond the file are refused without allocating.
        {"licznik1.rup", opisy("2000000000"), "linia 8"},
        {"licznik2.rup", opisy("-1"), "linia 8"},
        {"licznik3.rup", opisy("3"), "linia 8"},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        SprawdzOdmowe(ZapiszPlik(p.nazwa, p.linie), p.fragment);
    }
    SprawdzOdmowe(Sciezka("nie_ma.rup"), "");
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

TEST_F(PlikProjektuTest, EveryTruncationOrDamagedLineLoadsOrLeavesAnEmptyProject)
{
    WypelnijModel();
    const std::vector<std::string> cale = LinieProjektu();
    const std::vector<std::string> smieci = {"", "-1", "2147483647", "1e300", "nan", "T", "True", "$FFFFFFFFF",
                                             std::string(42, '-') + "wv3", std::string(300, 'x')};
    auto sprawdz = [&](const std::vector<std::string>& linie) {
        if (!Otworz(ZapiszPlik("uszkodzony.rup", linie))) {
            EXPECT_EQ(LiczbaWezlow() + LiczbaWariantow() + LiczbaOpisow() + LiczbaRuchoplanow(), 0);
            EXPECT_EQ(okno.tytul, "...");
        }
        for (const DaneOpis& o : Opisy)
            EXPECT_TRUE(o.Wariant >= -1 && o.Wariant < LiczbaWariantow());
    };
    // Every line just after a section or block head; long tables are sampled.
    std::size_t odGlowy = 100;
    for (std::size_t i = 5; i < cale.size(); ++i) {
        odGlowy = cale[i].rfind(std::string(42, '-'), 0) == 0 ? 0 : odGlowy + 1;
        if (odGlowy > 12 && i % 37 != 0)
            continue;
        sprawdz(std::vector<std::string>(cale.begin(), cale.begin() + static_cast<std::ptrdiff_t>(i)));
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
    for (int i = 0; i < RozmiarSkladu; ++i)
        linie.insert(linie.end(), {i % 2 ? "T" : "N", "ABC", std::string(60, 'n'), i == 4 ? "xyz" : "2,5"});
    CzytnikProjektu c(linie, "x");
    CzytajSkladStruktury(c);
    EXPECT_EQ(LiczbaSkladow, 3);
    EXPECT_EQ(Sklad[1].Aktywny, 1);
    EXPECT_EQ(Sklad[2].Aktywny, 0);
    EXPECT_EQ(Sklad[1].Oznaczenie.str(), "AB");
    EXPECT_EQ(Sklad[1].Nazwa.size(), 50u);
    EXPECT_FLOAT_EQ(Sklad[3].Wspolczynnik, 2.5f);
    EXPECT_FLOAT_EQ(Sklad[4].Wspolczynnik, 1.0f);

    CzytnikProjektu zly(Wiersze{"11"}, "x");
    EXPECT_THROW(CzytajSkladStruktury(zly), BladPliku);
    linie.pop_back();
    CzytnikProjektu krotki(linie, "x");
    EXPECT_THROW(CzytajSkladStruktury(krotki), BladPliku);
}

}  // namespace

// A project of several megabytes goes to the disk in pieces: the file holds
// the same bytes as the whole text, reads back with every diagram, and a
// save after it writes the same again.
TEST_F(PlikProjektuTest, LargeProjectIsSavedInPiecesByteForByte)
{
    ASSERT_EQ(DodajWariant("W1", "", "", "", 0, 0, 'L'), "");
    ASSERT_EQ(DodajWariant("W2", "", "", "", 0, 0, 'L'), "");
    for (int i = 0; i < 700; ++i)
        ASSERT_EQ(DodajWezel(3.0 * (i % 30), 3.0 * (i / 30), "N" + std::to_string(i), i % 7 == 0 ? 'R' : 'J'), "");
    for (DaneRuchoplan& r : Ruchoplany)
        for (int k = 0; k < 16; ++k)
            r.Natezenia[static_cast<std::size_t>(k)] = 1000 * r.NrWezla + k;
    Ruchoplany[5].Tytul[0] = "Tytu\xB3 z koncem\r\nlinii";
    const std::string tresc = TrescProjektu();
    ASSERT_GT(tresc.size(), 2u << 20);  // several pieces
    const std::string s = Sciezka("duzy.rup");
    ASSERT_TRUE(ZapiszProjekt(s));
    EXPECT_TRUE(CzytajBajty(s) == tresc);
    const auto ruchoplanow = Ruchoplany.size(), rond = Ronda.size();
    NowyProjekt();
    ASSERT_TRUE(OtworzProjekt(s));
    EXPECT_EQ(Ruchoplany.size(), ruchoplanow);
    EXPECT_EQ(Ronda.size(), rond);
    EXPECT_EQ(Ruchoplany[5].Tytul[0].str(), "Tytu\xB3 z koncem  linii");
    EXPECT_EQ(Ruchoplany.back().Natezenia[15], 1000 * Ruchoplany.back().NrWezla + 15);
    EXPECT_TRUE(TrescProjektu() == tresc);
}

// A project re-saved by an editor as UTF-8, with the byte-order mark or
// without it, a version-1 file too, opens with its Polish letters as
// Windows-1250 (they once opened as "KoĹ›ciuszki", a version-1 file without
// the mark until lately) and saves as every project does, without the mark;
// so does one left in Windows-1250 behind the mark (once refused as damaged
// UTF-8). Its forms that Windows-1250 cannot hold, and UTF-8 with a byte of
// a letter lost (once opened garbled without a word), are refused, and the
// project open before stays as it was.
TEST_F(PlikProjektuTest, Utf8ZeZnacznikiemIBezCzytanyJakWindows1250)
{
    ASSERT_EQ(DodajWariant(PL("Łódź"), PL("Rano – szczyt"), "", "", 0, 0, 'L'), "");
    ASSERT_EQ(DodajWezel(5.0, 5.0, PL("Kościuszki"), 'J'), "");
    ASSERT_TRUE(ZapiszProjekt(Sciezka("wersja2.rup")));
    const auto wezel = [] { return Cp1250NaUtf8(Wezly.at(0).Nazwa.str()); };
    const auto tytul = [] { return Cp1250NaUtf8(Ruchoplany.at(0).Tytul[0].str()); };
    const struct {
        std::string plik;
        std::string polski;
        std::function<std::string()> czytany;
    } pliki[] = {{Sciezka("wersja2.rup"), "Kościuszki", wezel},
                 {KG_TEST_DATA "/wersja1.rup", "Skrzyżowanie Główne", tytul}};
    for (const auto& [plik, polski, czytany] : pliki) {
        SCOPED_TRACE(plik);
        const std::string cp1250 = CzytajBajty(plik);
        ASSERT_TRUE(Otworz(plik)) << Blad();
        ASSERT_TRUE(ZapiszProjekt(Sciezka("oczekiwany.rup")));
        const std::string oczekiwany = CzytajBajty(Sciezka("oczekiwany.rup"));
        ASSERT_NE(oczekiwany.find(PL(polski.c_str())), std::string::npos);

        const std::string bom = Sciezka("bom.rup");
        for (const std::string& bajty :
             {Utf8ZeZnacznikiem(cp1250), Cp1250NaUtf8(cp1250), Windows1250ZeZnacznikiem(cp1250)}) {
            std::ofstream(bom, std::ios::binary | std::ios::trunc) << bajty;
            okno.bledy.clear();
            ASSERT_TRUE(Otworz(bom)) << Blad();
            EXPECT_EQ(czytany(), polski);
            ASSERT_TRUE(ZapiszProjekt(bom));
            EXPECT_EQ(CzytajBajty(bom), oczekiwany);
        }

        const std::string zly = Sciezka("zly.rup");
        for (const auto& [opis, bajty, komunikat] : ZleKodowania(cp1250, polski, zly)) {
            SCOPED_TRACE(opis);
            std::ofstream(zly, std::ios::binary | std::ios::trunc) << bajty;
            okno.bledy.clear();
            EXPECT_FALSE(OtworzProjekt(zly));
            EXPECT_EQ(Blad(), komunikat);
            EXPECT_EQ(czytany(), polski);
            EXPECT_EQ(BiezacyProjekt.Plik, bom);
        }
    }
}

// A project in UTF-8 without the mark (as an editor saves it, or iconv makes
// it of UTF-16) is known by its Polish letters in UTF-8: it opens with them
// in Windows-1250, not as "Stan istniejÄ…cy", and saves as Windows-1250
// alone. A Windows-1250 file whose text holds the UTF-8 of a letter ("Ä…"
// typed so) is UTF-8 too: beside Windows-1250 letters it is refused naming
// the line of the first, never read garbled; alone, in a version-1 file, it
// reads as "ą".
TEST_F(PlikProjektuTest, Utf8BezZnacznikaPoznanyPoLiterach)
{
    ASSERT_EQ(DodajWariant(PL("Stan istniejący"), PL("Żółw"), "", "", 0, 0, 'L'), "");
    ASSERT_EQ(DodajWezel(5.0, 5.0, PL("Kościuszki"), 'J'), "");
    ASSERT_TRUE(ZapiszProjekt(Sciezka("cp1250.rup")));
    const std::string cp1250 = CzytajBajty(Sciezka("cp1250.rup"));

    const std::string utf8 = Sciezka("utf8.rup");
    std::ofstream(utf8, std::ios::binary) << Cp1250NaUtf8(cp1250);
    NowyProjekt();
    ASSERT_TRUE(Otworz(utf8)) << Blad();
    EXPECT_EQ(Warianty.at(0).Nazwa.str(), PL("Stan istniejący"));
    EXPECT_EQ(Wezly.at(0).Nazwa.str(), PL("Kościuszki"));
    ASSERT_TRUE(ZapiszProjekt(utf8));
    EXPECT_EQ(CzytajBajty(utf8), cp1250);

    // A character Windows-1250 lacks, a tag character too, is refused naming
    // its line, and the project stays as it was.
    const std::string zly = Sciezka("zly.rup");
    std::string bajty = Cp1250NaUtf8(cp1250);
    const std::size_t gdzie = bajty.find("Kościuszki");
    bajty.insert(gdzie, "\xF3\xA0\x81\x81");
    std::ofstream(zly, std::ios::binary) << bajty;
    EXPECT_FALSE(OtworzProjekt(zly));
    EXPECT_EQ(Blad(), "Błąd w pliku " + zly + ", linia " +
                          std::to_string(std::count(bajty.begin(), bajty.begin() + gdzie, '\n') + 1) +
                          ": plik jest zapisany w UTF-8, a ta linia ma znak spoza strony kodowej Windows-1250.");
    EXPECT_EQ(Wezly.at(0).Nazwa.str(), PL("Kościuszki"));
    EXPECT_EQ(BiezacyProjekt.Plik, utf8);

    // "Ä…" typed in Windows-1250 is the UTF-8 of "ą".
    const std::string aa = PL("Ä…");
    ASSERT_EQ(aa, "\xC4\x85");
    NowyProjekt();
    ASSERT_EQ(DodajWariant("Stan " + aa, "", "", "", 0, 0, 'L'), "");
    ASSERT_EQ(DodajWezel(5.0, 5.0, "W" + aa, 'J'), "");
    ASSERT_TRUE(ZapiszProjekt(Sciezka("ae.rup")));
    const std::string ae = CzytajBajty(Sciezka("ae.rup"));
    // The nodes' section title "Węzły" holds the file's first letter.
    const std::size_t litera = ae.find(PL("Węzły"));
    EXPECT_FALSE(OtworzProjekt(Sciezka("ae.rup")));
    EXPECT_EQ(Blad(), "Błąd w pliku " + Sciezka("ae.rup") + ", linia " +
                          std::to_string(std::count(ae.begin(), ae.begin() + litera, '\n') + 1) +
                          ": plik jest zapisany w UTF-8, a ta linia nie jest poprawnym tekstem UTF-8.");

    std::string wersja1 = CzytajBajty(KG_TEST_DATA "/wersja1.rup");
    const std::string polski = PL("Skrzyżowanie Główne");
    wersja1.replace(wersja1.find(polski), polski.size(), "Skrzy" + aa);
    for (char& z : wersja1)
        if (static_cast<unsigned char>(z) >= 0x80 && z != aa[0] && z != aa[1])
            z = 'x';
    std::ofstream(Sciezka("ae1.rup"), std::ios::binary) << wersja1;
    ASSERT_TRUE(Otworz(Sciezka("ae1.rup"))) << Blad();
    EXPECT_EQ(Ruchoplany.at(0).Tytul[0].str(), PL("Skrzyą"));
}

namespace {

class ZapisWatkami : public PlikProjektuTest {
protected:
    void TearDown() override
    {
        UstawWatkiPracy(0);
        PlikProjektuTest::TearDown();
    }

    // Diagrams and roundabouts in three variants, of many pieces, with
    // reals that need rounding and a title holding a line break.
    void ZbudujDuzy()
    {
        for (const char* w : {"W1", "W2", "W3"})
            ASSERT_EQ(DodajWariant(w, "", "", "", 0, 0, 'L'), "");
        for (int i = 0; i < 400; ++i)
            ASSERT_EQ(DodajWezel(2.5 * (i % 25), 3.1 * (i / 25), "N" + std::to_string(i), i % 6 == 0 ? 'R' : 'J'), "");
        for (DaneRuchoplan& r : Ruchoplany) {
            for (int k = 0; k < 16; ++k)
                r.Natezenia[static_cast<std::size_t>(k)] = 37 * r.NrWezla + 11 * k + r.NrWariantu;
            r.Kat[1] = static_cast<float>(0.001 * r.NrWezla + 1.0 / 3.0);
            r.GlobDlugosc = static_cast<float>(r.NrWezla) / 7.0f;
        }
        for (DaneRondo& r : Ronda)
            r.X = static_cast<float>(r.NrWezla) * 0.125f + 0.005f;
        Ruchoplany[17].Tytul[1] = "Linia\r\ndruga";
    }
};

// The pieces formatted on 2, 3 and 8 threads make the very bytes of the
// text formatted in one go, at both decimal separators.
TEST_F(ZapisWatkami, TeSameBajtyCoJednymWatkiem)
{
    ZbudujDuzy();
    for (char separator : {'.', ','}) {
        UstawSeparatorDziesietny(separator);
        const std::string tresc = TrescProjektu();
        ASSERT_GT(tresc.size(), 2u << 20);
        ASSERT_NE(tresc.find(std::string("0") + separator + "33"), std::string::npos);
        for (int watkow : {1, 2, 3, 8}) {
            UstawWatkiPracy(watkow);
            const std::string s = Sciezka("w" + std::to_string(watkow) + ".rup");
            ASSERT_TRUE(ZapiszProjekt(s)) << watkow;
            EXPECT_TRUE(CzytajBajty(s) == tresc) << watkow << " threads, separator " << separator;
        }
    }
    UstawSeparatorDziesietny('.');
}

// A disk that fills half way through the pieces leaves the old file, names
// it and the cause, leaves nothing beside it and the project unsaved.
TEST_F(ZapisWatkami, PelnyDyskWPolowieZostawiaStaryPlik)
{
    ZbudujDuzy();
    const std::string s = ZapiszPlik("stary.rup", {"stary"});
    const std::string stary = CzytajBajty(s);
    for (int watkow : {8, 2, 1}) {
        UstawWatkiPracy(watkow);
        ProjektZmieniony = true;
        okno.bledy.clear();
        {
            const PelnyDysk dysk(1 << 20);
            EXPECT_FALSE(ZapiszProjekt(s)) << watkow;
        }
        EXPECT_TRUE(CzytajBajty(s) == stary) << watkow;
        ASSERT_EQ(okno.bledy.size(), 1u) << watkow;
        EXPECT_EQ(okno.bledy[0], Utf8NaCp1250("Nie można zapisać pliku ") + s + Utf8NaCp1250(" (plik zbyt duży)."));
        EXPECT_TRUE(ProjektZmieniony);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(std::filesystem::path(s).parent_path()),
                                std::filesystem::directory_iterator()),
                  1)
            << watkow;
    }
    ASSERT_TRUE(ZapiszProjekt(s));
    EXPECT_TRUE(CzytajBajty(s) == TrescProjektu());
}

}  // namespace
