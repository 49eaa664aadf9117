// Block libraries: definitions read (truncated ones too), copied into the
// project as framed runs of lines, removed with the later definitions'
// indices moved; the shipped library; the clipboard settings read from the
// window's texts.

#include "pomoc.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "drawing/Bloki.h"
#include "drawing/BibliotekaBlokow.h"
#include "drawing/KopiaSchowka.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "platform/PlikTekstowy.h"
#include "wspolne/malo_pamieci.h"

namespace {

std::vector<std::string> Definicja(const std::string& nazwa, const std::string& data, const std::string& grupa,
                                   std::vector<std::string> cialo, bool zKoncem = true)
{
    std::vector<std::string> l = {std::string(ZnacznikDefinicji), "-", nazwa, data, "10:20:30", "-", grupa, "-",
                                  "cm", "-", "-"};
    l.insert(l.end(), cialo.begin(), cialo.end());
    if (zKoncem)
        l.emplace_back(ZnacznikKonca);
    return l;
}

std::vector<std::string> Razem(std::initializer_list<std::vector<std::string>> czesci)
{
    std::vector<std::string> w = {"naglowek pliku"};
    for (const auto& c : czesci)
        w.insert(w.end(), c.begin(), c.end());
    return w;
}

// The library of these lines, read as a file's text.
DefinicjeBiblioteki Czytaj(const std::vector<std::string>& linie)
{
    DefinicjeBiblioteki b;
    std::string blad;
    EXPECT_TRUE(CzytajTekstBiblioteki(TekstZLinii(linie), "test.blk", b, blad)) << Cp1250NaUtf8(blad);
    return b;
}

std::vector<std::string> Cialo(const DefinicjaBiblioteki& d)
{
    std::vector<std::string> w;
    for (std::string_view l : d.LinieCiala())
        w.emplace_back(l);
    return w;
}

std::vector<std::string> Linie()
{
    std::vector<std::string> w;
    for (const auto& l : LinieBlokow)
        w.push_back(l.str());
    return w;
}

class BibliotekaBlokow : public TestRysowania {
protected:
    void TearDown() override
    {
        DefinicjeBlokow.clear();
        LinieBlokow.clear();
        Bloki.clear();
        TestRysowania::TearDown();
    }
};

}  // namespace

TEST_F(BibliotekaBlokow, DefinicjeZNaglowkiemICialem)
{
    const auto b = Czytaj(Razem({
        Definicja("A", "2026-01-02", "Znaki", {"P(0,0)-(1,1)", "L(0,0)-(2,0)"}),
        Definicja("Pusty", "zla data", "Znaki", {"ramka"}),
        Definicja("B", "2026-03-04", std::string(120, 'g'), {"ramka", "O(0,0,1)", std::string(300, 'x')}),
    }));
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].Nazwa, "A");
    EXPECT_EQ(DataNaTekst(b[0].Data) + " " + CzasNaTekst(b[0].Czas), "2026-01-02 10:20:30");
    EXPECT_EQ(b[0].Grupa.str(), "Znaki");
    EXPECT_EQ(b[0].Jednostka.str(), "cm");
    EXPECT_EQ(Cialo(b[0]), (std::vector<std::string>{"P(0,0)-(1,1)", "L(0,0)-(2,0)"}));
    // A date that is none reads as 0; the first body line alone: nothing drawn.
    EXPECT_EQ(b[1].Data, 0.0);
    EXPECT_EQ(Cialo(b[1]), (std::vector<std::string>{"ramka"}));
    // Groups keep 100 characters, lines 255.
    EXPECT_EQ(b[2].Grupa.size(), 100u);
    EXPECT_EQ(Cialo(b[2]).back().size(), 255u);
    // The extents start at 0 and take the first body line too.
    const ZakresBloku z = ZmierzDefinicje(b[0]);
    EXPECT_EQ(std::vector<float>({z.XMin, z.XMax, z.YMin, z.YMax}), std::vector<float>({0, 2, 0, 1}));
}

TEST_F(BibliotekaBlokow, UcietaDefinicjaKonczySieNaNastepnejLubKoncuPliku)
{
    const auto b = Czytaj(Razem({
        Definicja("Bez konca", "2026-01-02", "G", {"ramka", "L(0,0)-(1,0)"}, false),
        Definicja("Drugi", "2026-01-02", "G", {"ramka", "L(0,0)-(0,1)"}),
        Definicja("Ostatni", "2026-01-02", "G", {"ramka", "L(1,1)-(2,2)"}, false),
    }));
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(Cialo(b[0]).size(), 2u);
    EXPECT_EQ(b[1].Nazwa, "Drugi");
    EXPECT_EQ(Cialo(b[2]).back(), "L(1,1)-(2,2)");
    // Copied into the project, it is framed all the same.
    KopiujDefinicjeBloku(b[0]);
    EXPECT_EQ(Linie(), (std::vector<std::string>{std::string(ZnacznikStartu), "Bez konca", "ramka", "L(0,0)-(1,0)",
                                                 std::string(ZnacznikKonca)}));
}

TEST_F(BibliotekaBlokow, KopiaIUsuniecieDefinicjiPrzesuwaIndeksy)
{
    const auto b = Czytaj(Razem({
        Definicja("A", "2026-01-01", "G", {"ramka A", "L(0,0)-(1,0)"}),
        Definicja("B", "2026-01-01", "G", {"ramka B", "L(0,0)-(2,0)", "L(0,0)-(3,0)"}),
        Definicja("C", "2026-01-01", "G", {"ramka C"}),
        Definicja("D", "2026-01-01", "G", {"ramka D", "L(0,0)-(4,0)"}),
    }));
    for (const auto& d : b)
        KopiujDefinicjeBloku(d);
    // A: lines 0..4 (START, name, frame, L, KONIEC): drawn 3..3.
    auto zakresy = [] {
        std::vector<std::pair<int, int>> w;
        for (const auto& d : DefinicjeBlokow)
            w.emplace_back(d.Start, d.Koniec);
        return w;
    };
    EXPECT_EQ(zakresy(), (std::vector<std::pair<int, int>>{{3, 3}, {8, 9}, {14, 13}, {18, 18}}));
    EXPECT_EQ(LinieDefinicji(1), (std::vector<std::string>{"L(0,0)-(2,0)", "L(0,0)-(3,0)"}));
    EXPECT_TRUE(LinieDefinicji(2).empty());

    // B removed (6 lines): C and D move down by 6, A stays.
    ASSERT_TRUE(UsunDefinicjeBloku(1));
    EXPECT_EQ(zakresy(), (std::vector<std::pair<int, int>>{{3, 3}, {8, 7}, {12, 12}}));
    EXPECT_EQ(LinieDefinicji(2), (std::vector<std::string>{"L(0,0)-(4,0)"}));
    EXPECT_EQ(LinieBlokow[5].str(), ZnacznikStartu);
    // C, which draws nothing, goes as its four lines.
    ASSERT_TRUE(UsunDefinicjeBloku(1));
    EXPECT_EQ(zakresy(), (std::vector<std::pair<int, int>>{{3, 3}, {8, 8}}));
    EXPECT_EQ(ZnajdzDefinicjeBloku("D"), 1);
    EXPECT_EQ(ZnajdzDefinicjeBloku("B"), -1);

    // A run not framed by its markers is refused and nothing changes.
    const auto przed = Linie();
    LinieBlokow[5] = "zepsuta";
    EXPECT_FALSE(UsunDefinicjeBloku(1));
    DefinicjeBlokow[0].Koniec = 2;
    EXPECT_FALSE(UsunDefinicjeBloku(0));
    EXPECT_FALSE(UsunDefinicjeBloku(7));
    EXPECT_EQ(LiczbaDefinicjiBlokow(), 2);
    EXPECT_EQ(Linie().size(), przed.size());
}

TEST_F(BibliotekaBlokow, PowtorzonaNazwaRysujeOstatniaDefinicje)
{
    const auto b = Czytaj(Razem({
        Definicja("K", "2026-01-01", "G", {"ramka", "L(0,0)-(1,0)"}),
        Definicja("K", "2026-01-02", "G", {"ramka", "L(0,0)-(0,1)"}),
    }));
    ASSERT_TRUE(ZnajdzWBibliotece(b, "K"));
    EXPECT_EQ(ZnajdzWBibliotece(b, "K")->Moment(), b[1].Moment());
    EXPECT_FALSE(ZnajdzWBibliotece(b, "L"));
    for (const auto& d : b)
        KopiujDefinicjeBloku(d);
    EXPECT_EQ(ZnajdzDefinicjeBloku("K"), 1);
    Bloki.assign(1, {});
    Bloki[0].Nazwa = "K";
    Bloki[0].X = 5;
    Wyjscia(false, false, true);
    RysujBloki(true);
    ASSERT_EQ(n->dxf.encje.size(), 1u);
    EXPECT_EQ(std::vector<double>({n->dxf.encje[0].x1, n->dxf.encje[0].x2, n->dxf.encje[0].y2}),
              std::vector<double>({5, 5, 1}));
}

TEST_F(BibliotekaBlokow, BibliotekaProgramu)
{
    DefinicjeBiblioteki b;
    std::string blad;
    ASSERT_TRUE(CzytajBiblioteke(std::string(KG_BUILD_DIR) + "/Dane/Bloki/Kartogram.blk", b, blad));
    ASSERT_EQ(b.size(), 7u);
    std::set<std::string> grupy;
    for (const auto& d : b) {
        grupy.insert(Cp1250NaUtf8(d.Grupa.str()));
        const auto cialo = Cialo(d);
        EXPECT_GT(cialo.size(), 1u) << d.Nazwa;
        EXPECT_GT(d.Moment(), 0.0);
        // Every command line of the body reads completely.
        for (std::size_t i = 1; i < cialo.size(); ++i) {
            float a, c, e, f;
            ZakresKomendyBloku(cialo[i], a, c, e, f);
            EXPECT_LT(a, 1000.0f) << cialo[i];
        }
    }
    EXPECT_EQ(grupy, (std::set<std::string>{"Oznaczenia", "Tabliczki", "Znaki drogowe"}));
    EXPECT_TRUE(CzytajBiblioteke("/nie/ma/takiego.blk", b, blad));
    EXPECT_TRUE(b.empty());
    EXPECT_EQ(blad, "");
}

// --- reading a library file ---

namespace {

class PlikBiblioteki : public BibliotekaBlokow {
protected:
    std::string katalog;
    void SetUp() override
    {
        BibliotekaBlokow::SetUp();
        katalog = std::filesystem::temp_directory_path() /
                  ("kg_blk_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(katalog);
    }
    void TearDown() override
    {
        std::filesystem::remove_all(katalog);
        BibliotekaBlokow::TearDown();
    }
    std::string Sciezka(const std::string& n) const { return katalog + "/" + n; }
    static void Zapisz(const std::string& sciezka, const std::string& bajty)
    {
        std::ofstream(sciezka, std::ios::binary) << bajty;
    }
    static std::string Plik(const std::vector<std::string>& linie)
    {
        std::string t;
        for (const auto& l : linie)
            t += l + "\r\n";
        return t;
    }
};

long SzczytPamieciKB()
{
    rusage r{};
    ::getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

}  // namespace

TEST_F(PlikBiblioteki, DefinicjaBezLiniiCialaOdrzucona)
{
    // Cut after any header line, or closed at line 11: no body line. Copied,
    // such a definition gave a range the project's reader refuses, so that
    // the saved project would not open again.
    const auto pelna = Definicja("Znak", "2026-01-02", "G", {"ramka", "L(0,0)-(1,0)"});
    for (std::size_t n = 1; n <= 11; ++n) {
        std::vector<std::string> l = {"naglowek", "Z"};
        l.insert(l.end(), pelna.begin(), pelna.begin() + static_cast<std::ptrdiff_t>(n));
        const std::size_t ostatnia = l.size();
        // The same cut before another definition, and with its end marker.
        for (const auto& dalej : {std::vector<std::string>{}, pelna, std::vector<std::string>{std::string(ZnacznikKonca)}}) {
            auto z = l;
            z.insert(z.end(), dalej.begin(), dalej.end());
            DefinicjeBiblioteki b = Czytaj(Razem({pelna}));
            std::string blad;
            EXPECT_FALSE(CzytajTekstBiblioteki(TekstZLinii(z), "C:/b/ucieta.blk", b, blad)) << n;
            const std::size_t linia = dalej.size() == 1 ? ostatnia + 1 : ostatnia;
            EXPECT_EQ(Cp1250NaUtf8(blad), "Błąd w pliku C:/b/ucieta.blk, linia " + std::to_string(linia) +
                                              ": definicja bloku „" + (n >= 3 ? "Znak" : "") +
                                              "” nie ma linii rysunku.")
                << n;
            EXPECT_TRUE(b.empty());
        }
    }
    // From a file: refused, nothing listed.
    auto z = Razem({pelna, Definicja("Pusty", "2026-01-02", "G", {})});
    Zapisz(Sciezka("pusty.blk"), Plik(z));
    DefinicjeBiblioteki b;
    std::string blad;
    EXPECT_FALSE(CzytajBiblioteke(Sciezka("pusty.blk"), b, blad));
    EXPECT_NE(blad.find("pusty.blk, linia 27:"), std::string::npos) << Cp1250NaUtf8(blad);
    EXPECT_TRUE(b.empty());
}

TEST_F(PlikBiblioteki, KazdaDefinicjaWstawionaZapisanaIOtwarta)
{
    // Every kind of definition a library may hold, each copied and placed:
    // the saved project opens again and draws the same lines.
    Zapisz(Sciezka("wszystkie.blk"),
           Plik(Razem({
               Definicja("Sama ramka", "2026-01-02", "G", {"ramka"}),
               Definicja("Pelny", "2026-01-02", "G", {"ramka", "L(0,0)-(1,0)", "O(0,0,1)"}),
               Definicja("Bez konca", "2026-01-02", "G", {"ramka", "L(0,0)-(0,1)"}, false),
               Definicja("Pelny", "2026-01-03", "H", {"ramka 2", "P(0,0)-(1,1)"}),
               Definicja("Ostatni bez konca", "2026-01-02", "G", {"ramka", "T(0,0,'a b',1,1,0)"}, false),
           })));
    DefinicjeBiblioteki b;
    std::string blad;
    ASSERT_TRUE(CzytajBiblioteke(Sciezka("wszystkie.blk"), b, blad)) << Cp1250NaUtf8(blad);
    ASSERT_EQ(b.size(), 5u);
    for (const auto& d : b) {
        KopiujDefinicjeBloku(d);
        DaneBlok p;
        p.Nazwa = d.Nazwa;
        Bloki.push_back(p);
    }
    // A definition with no line at all, made otherwise than by the reader,
    // is framed with an empty first line.
    DefinicjaBiblioteki pusta;
    pusta.Nazwa = "Pusta";
    KopiujDefinicjeBloku(pusta);
    EXPECT_EQ(DefinicjeBlokow.back().Start, DefinicjeBlokow.back().Koniec + 1);
    EXPECT_EQ(Linie().back(), ZnacznikKonca);
    EXPECT_EQ(Linie()[Linie().size() - 2], "");
    std::vector<std::vector<std::string>> rysowane;
    for (int32_t i = 0; i < LiczbaDefinicjiBlokow(); ++i)
        rysowane.push_back(LinieDefinicji(i));

    const std::string czcionka = wg.NazwaCzcionki.str();
    wg.NazwaCzcionki = DomyslnaCzcionka;
    Zapisz(Sciezka("bloki.rup"), TrescProjektu());
    wg.NazwaCzcionki = czcionka;
    Projekt p;
    ASSERT_TRUE(CzytajProjekt(Sciezka("bloki.rup"), p, blad)) << Cp1250NaUtf8(blad);
    ASSERT_EQ(p.DefinicjeBlokow.size(), 6u);
    EXPECT_EQ(p.Bloki.size(), 5u);
    for (std::size_t i = 0; i < p.DefinicjeBlokow.size(); ++i) {
        std::vector<std::string> l;
        for (int32_t k = p.DefinicjeBlokow[i].Start; k <= p.DefinicjeBlokow[i].Koniec; ++k)
            l.push_back(p.LinieBlokow[static_cast<std::size_t>(k)].str());
        EXPECT_EQ(l, rysowane[i]) << i;
    }
    EXPECT_EQ(rysowane[1], (std::vector<std::string>{"L(0,0)-(1,0)", "O(0,0,1)"}));
    EXPECT_TRUE(rysowane[0].empty());
}

TEST_F(PlikBiblioteki, BibliotekaWUtf8CzytanaJakoWindows1250)
{
    // As a text editor of this system saves it.
    const std::string utf8 = Plik(Razem({Definicja("Strzałka północy", "2026-01-02", "Oznaczenia ąęśćżźńół",
                                                   {"ramka", "T(0,0,'Północ',1,1,0)"})}));
    Zapisz(Sciezka("utf8.blk"), utf8);
    DefinicjeBiblioteki b;
    std::string blad;
    ASSERT_TRUE(CzytajBiblioteke(Sciezka("utf8.blk"), b, blad)) << Cp1250NaUtf8(blad);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].Nazwa, Utf8NaCp1250("Strzałka północy"));
    EXPECT_EQ(b[0].Grupa.str(), Utf8NaCp1250("Oznaczenia ąęśćżźńół"));
    EXPECT_EQ(Cialo(b[0])[1], Utf8NaCp1250("T(0,0,'Północ',1,1,0)"));
    // The same in Windows-1250 reads the same.
    Zapisz(Sciezka("cp1250.blk"), Utf8NaCp1250(utf8));
    DefinicjeBiblioteki c;
    ASSERT_TRUE(CzytajBiblioteke(Sciezka("cp1250.blk"), c, blad)) << Cp1250NaUtf8(blad);
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].Nazwa, b[0].Nazwa);
    // A character the code page lacks would come out as "?": refused, in a
    // text a Polish letter tells for UTF-8.
    Zapisz(Sciezka("cyrylica.blk"), Plik(Razem({Definicja("Знак", "2026-01-02", "Ż", {"ramka", "L(0,0)-(1,0)"})})));
    EXPECT_FALSE(CzytajBiblioteke(Sciezka("cyrylica.blk"), c, blad));
    EXPECT_EQ(Cp1250NaUtf8(blad),
              "Błąd w pliku " + Sciezka("cyrylica.blk") +
                  ", linia 4: plik jest zapisany w UTF-8, a ta linia ma znak spoza strony kodowej Windows-1250.");
    EXPECT_TRUE(c.empty());
}

TEST_F(PlikBiblioteki, ZnacznikUtf8PominietyUtf16Odrzucone)
{
    // A byte-order mark before UTF-8 text, with Polish letters or without,
    // the first definition's marker right after it.
    const auto linie = Definicja("Strzałka", "2026-01-02", "Oznaczenia ąę", {"ramka", "L(0,0)-(1,0)"});
    const std::pair<std::vector<std::string>, const char*> teksty[] = {
        {linie, "Strzałka"}, {Definicja("Znak", "2026-01-02", "G", {"ramka"}), "Znak"}};
    DefinicjeBiblioteki b;
    std::string blad;
    for (const auto& [l, nazwa] : teksty) {
        Zapisz(Sciezka("bom.blk"), std::string(ZnacznikKolejnosciUtf8) + Plik(l));
        ASSERT_TRUE(CzytajBiblioteke(Sciezka("bom.blk"), b, blad)) << Cp1250NaUtf8(blad);
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(Cp1250NaUtf8(b[0].Nazwa), nazwa);
    }
    // Windows-1250 behind the mark reads as Windows-1250 (it was once
    // refused as damaged UTF-8).
    for (const std::string& tekst : {Plik(linie), Utf8NaCp1250(Plik(linie))}) {
        Zapisz(Sciezka("bom.blk"), std::string(ZnacznikKolejnosciUtf8) + tekst);
        ASSERT_TRUE(CzytajBiblioteke(Sciezka("bom.blk"), b, blad)) << Cp1250NaUtf8(blad);
        EXPECT_EQ(b[0].Nazwa, Utf8NaCp1250("Strzałka"));
        EXPECT_EQ(b[0].Grupa.str(), Utf8NaCp1250("Oznaczenia ąę"));
        EXPECT_EQ(Cialo(b[0]), (std::vector<std::string>{"ramka", "L(0,0)-(1,0)"}));
    }
    // An invisible tag character (U+E0041), which iconv once dropped without
    // a word, is refused like any other character the code page lacks.
    for (const std::string& znacznik : {std::string(ZnacznikKolejnosciUtf8), std::string()}) {
        Zapisz(Sciezka("znak.blk"),
               znacznik + Plik(Definicja("Strzałka\xF3\xA0\x81\x81", "2026-01-02", "G", {"ramka"})));
        EXPECT_FALSE(CzytajBiblioteke(Sciezka("znak.blk"), b, blad));
        EXPECT_EQ(Cp1250NaUtf8(blad),
                  "Błąd w pliku " + Sciezka("znak.blk") +
                      ", linia 3: plik jest zapisany w UTF-8, a ta linia ma znak spoza strony kodowej Windows-1250.");
    }

    // UTF-16 either way round, with its mark or without: refused naming the
    // file and the form; it once read as an empty library without a word.
    std::string le, be;
    for (const char z : Plik(Razem({Definicja("Strzalka", "2026-01-02", "G", {"ramka", "L(0,0)-(1,0)"})}))) {
        le += std::string{z, '\0'};
        be += std::string{'\0', z};
    }
    const std::pair<std::string, const char*> przypadki[] = {
        {"\xFF\xFE" + le, "UTF-16LE"}, {le, "UTF-16LE"}, {"\xFE\xFF" + be, "UTF-16BE"}, {be, "UTF-16BE"}};
    for (const auto& [bajty, kodowanie] : przypadki) {
        SCOPED_TRACE(kodowanie);
        Zapisz(Sciezka("utf16.blk"), bajty);
        b = Czytaj(Razem({linie}));
        EXPECT_FALSE(CzytajBiblioteke(Sciezka("utf16.blk"), b, blad));
        EXPECT_EQ(Cp1250NaUtf8(blad), "Plik " + Sciezka("utf16.blk") + " jest zapisany w kodowaniu " + kodowanie +
                                          ", którego program nie czyta; zapisz plik w UTF-8 lub Windows-1250.");
        EXPECT_TRUE(b.empty());
    }
}

// A Windows-1250 library whose only letters beyond ASCII, "ÓŻ" of
// "PODRÓŻ", happen to be the UTF-8 of a Cyrillic letter reads as
// Windows-1250: it was once refused as UTF-8 holding a character the code
// page lacks.
TEST_F(PlikBiblioteki, Windows1250ZCyrylicaWUtf8CzytanyJakWindows1250)
{
    Zapisz(Sciezka("podroz.blk"), Plik(Razem({Definicja("PODR\xD3\xAF", "2026-01-02", "Znaki", {"ramka"})})));
    DefinicjeBiblioteki b;
    std::string blad;
    ASSERT_TRUE(CzytajBiblioteke(Sciezka("podroz.blk"), b, blad)) << Cp1250NaUtf8(blad);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(Cp1250NaUtf8(b[0].Nazwa), "PODRÓŻ");
}

// A million definitions of a marker, ten empty header lines and one body
// line each: read in one piece with little more memory than the file (its
// records once took four times the file and a second of exceptions per 300
// thousand).
TEST_F(PlikBiblioteki, MilionNajmniejszychDefinicji)
{
    const std::string jedna = std::string(ZnacznikDefinicji) + "\n" + std::string(10, '\n') + "x\n";
    std::string tresc;
    constexpr std::size_t ile = 1000000;
    tresc.reserve(jedna.size() * ile + 8);
    for (std::size_t i = 0; i < ile; ++i)
        tresc += jedna;
    tresc.replace(tresc.size() - jedna.size() + std::string(ZnacznikDefinicji).size() + 2, 0, "Ostatni");
    Zapisz(Sciezka("milion.blk"), tresc);
    const auto rozmiar = static_cast<long>(tresc.size());
    std::string().swap(tresc);
    const long przed = SzczytPamieciKB();
    DefinicjeBiblioteki b;
    std::string blad;
    ASSERT_TRUE(CzytajBiblioteke(Sciezka("milion.blk"), b, blad)) << Cp1250NaUtf8(blad);
    EXPECT_LT((SzczytPamieciKB() - przed) * 1024, 3 * rozmiar);
    ASSERT_EQ(b.size(), ile);
    EXPECT_EQ(b.Nazwa(ile - 1), "Ostatni");
    EXPECT_EQ(b[ile - 1].Nazwa, "Ostatni");
    EXPECT_EQ(Cialo(b[0]), (std::vector<std::string>{"x"}));
    EXPECT_EQ(b[0].Data, 0.0);
}

TEST_F(PlikBiblioteki, PlikNieDoOdczytuZKomunikatem)
{
    DefinicjeBiblioteki b;
    std::string blad;
    // A missing file, or none chosen yet: an empty list, nothing said.
    EXPECT_TRUE(CzytajBiblioteke(Sciezka("brak.blk"), b, blad));
    EXPECT_TRUE(CzytajBiblioteke("", b, blad));
    EXPECT_EQ(blad, "");
    // A folder, a pipe (read at once, not waited on), a file over the limit.
    std::filesystem::create_directory(Sciezka("folder.blk"));
    ASSERT_EQ(::mkfifo(Sciezka("fifo.blk").c_str(), 0600), 0);
    {
        std::ofstream(Sciezka("duzy.blk"));
    }
    std::filesystem::resize_file(Sciezka("duzy.blk"), MaksRozmiarPlikuTekstowego + 1);
    const std::vector<std::pair<std::string, std::string>> przypadki = {
        {"folder.blk", "Nie można odczytać pliku " + Sciezka("folder.blk") + " (to jest folder)."},
        {"fifo.blk", "Nie można odczytać pliku " + Sciezka("fifo.blk") + " (to nie jest zwykły plik)."},
        {"duzy.blk", "Plik " + Sciezka("duzy.blk") + " jest zbyt duży."},
    };
    for (const auto& [plik, komunikat] : przypadki) {
        b = Czytaj(Razem({Definicja("A", "", "G", {"ramka"})}));
        EXPECT_FALSE(CzytajBiblioteke(Sciezka(plik), b, blad)) << plik;
        EXPECT_EQ(Cp1250NaUtf8(blad), komunikat);
        EXPECT_TRUE(b.empty());
    }
}

TEST_F(PlikBiblioteki, SameKonceLiniiCzytaneWMiejscu)
{
    // 32 MB of line feeds, alone and as the body of one definition: the
    // memory grows by about the file's size, not by a string per line (a
    // gigabyte for this file when its lines were put in a vector).
    const std::size_t rozmiar = 32u * 1024u * 1024u;
    Zapisz(Sciezka("lf.blk"), std::string(rozmiar, '\n'));
    Zapisz(Sciezka("cialo.blk"), Plik(Definicja("Dlugi", "2026-01-02", "G", {"ramka"}, false)) +
                                     std::string(rozmiar, '\n'));
    const long przed = SzczytPamieciKB();
    DefinicjeBiblioteki b;
    std::string blad;
    EXPECT_TRUE(CzytajBiblioteke(Sciezka("lf.blk"), b, blad));
    EXPECT_TRUE(b.empty());
    ASSERT_TRUE(CzytajBiblioteke(Sciezka("cialo.blk"), b, blad));
    ASSERT_EQ(b.size(), 1u);
    const std::string cialo = b[0].Cialo;
    EXPECT_EQ(std::count(cialo.begin(), cialo.end(), '\n'), static_cast<std::ptrdiff_t>(rozmiar + 1));
    b.clear();
    EXPECT_LT(SzczytPamieciKB() - przed, 4L * 32L * 1024L);
}

// A library in UTF-8 whose 1.3 million definitions find no memory for their
// records: refused naming the file, in Polish. The std::bad_alloc once
// reached the program's catch-all, which named no file. (The conversion
// itself takes no memory now: it is done where the text lies.)
TEST_F(PlikBiblioteki, BrakPamieciNaDefinicjeNazywaPlik)
{
    const std::string jedna = std::string(ZnacznikDefinicji) + "\n" + std::string(10, '\n') + "x\n";
    std::string tresc = Plik(Definicja("Długi", "2026-01-02", "G", {"ramka"}));
    while (tresc.size() < (48u << 20))
        tresc += jedna;
    const std::string plik = Sciezka("duza.blk");
    EXPECT_EQ(ZMalaPamiecia(8u << 20,
                            [&] {
                                DefinicjeBiblioteki b = Czytaj(Razem({Definicja("A", "", "G", {"ramka"})}));
                                std::string blad;
                                const bool przeczytana = CzytajTekstBiblioteki(std::move(tresc), plik, b, blad);
                                return !przeczytana && b.empty() &&
                                               Cp1250NaUtf8(blad) ==
                                                   "Nie można odczytać pliku " + plik + " (brak pamięci)."
                                           ? 0
                                           : 1;
                            }),
              0);
}

// --- the clipboard settings ---

namespace {

struct Odswiezenie {
    bool dobre;
    std::string komunikat;  // UTF-8
    PolaSchowka pola;
    TNastawySchowek n;
};

Odswiezenie Odswiez(std::array<std::string, 4> krawedzie, std::string punkty)
{
    Odswiezenie o{};
    o.pola.krawedzie = std::move(krawedzie);
    o.pola.punktowNaCm = std::move(punkty);
    std::string k;
    o.dobre = OdswiezNastawySchowka(o.pola, o.n, k);
    o.komunikat = Cp1250NaUtf8(k);
    return o;
}

const char* const Maks8M = "Max.8M pixeli(czyli np. 2666x3000)! Zmniejsz rozmiar lub rozdzielczość.";

}  // namespace

TEST(NastawySchowka, RozmiarIEtykieta)
{
    Odswiezenie o = Odswiez({"0", "20", "0", "28"}, "75");
    ASSERT_TRUE(o.dobre);
    EXPECT_EQ(o.n.SzerokoscPx, 1500);
    EXPECT_EQ(o.n.WysokoscPx, 2100);
    EXPECT_EQ(TekstRozmiaruSchowka(o.n), "Rozmiar 2100x1500pkt. (h=28x b=20)cm");

    // Edges the wrong way round are exchanged in the boxes too.
    o = Odswiez({"5", "3", "0", "10"}, "10");
    ASSERT_TRUE(o.dobre);
    EXPECT_EQ(o.pola.krawedzie[0], "3");
    EXPECT_EQ(o.pola.krawedzie[1], "5");
    EXPECT_EQ(o.n.X1, 3.0f);
    // A side under 1 cm widened about its middle, the boxes kept.
    o = Odswiez({"4", "4", "0,5", "1.5"}, "20");
    ASSERT_TRUE(o.dobre);
    EXPECT_EQ(std::vector<float>({o.n.X1, o.n.X2}), std::vector<float>({3.5f, 4.5f}));
    EXPECT_EQ(o.pola.krawedzie[0], "4");
    const std::string sep(1, SeparatorDziesietny());
    EXPECT_EQ(o.pola.krawedzie[2], "0" + sep + "5");
    EXPECT_EQ(o.pola.krawedzie[3], "1" + sep + "5");
}

TEST(NastawySchowka, ZaDuzeIBledneWartosci)
{
    // 3000 x 3000 is refused; 2800 x 2800 passes; exactly 8000000 passes.
    EXPECT_EQ(Odswiez({"0", "40", "0", "40"}, "75").komunikat, Maks8M);
    EXPECT_TRUE(Odswiez({"0", "40", "0", "40"}, "70").dobre);
    EXPECT_TRUE(Odswiez({"0", "40", "0", "20"}, "100").dobre);
    // 65536 x 65536 pixels: 2^32, refused, not wrapped to 0.
    const Odswiezenie duze = Odswiez({"0", "1024", "0", "1024"}, "64");
    EXPECT_FALSE(duze.dobre);
    EXPECT_EQ(duze.komunikat, Maks8M);
    EXPECT_EQ(duze.n, TNastawySchowek{}) << "a refused refresh stores nothing";
    TNastawySchowek n;
    n.X2 = n.Y2 = 1024.0f;
    n.PunktowNaCm = 64;
    EXPECT_EQ(SzerokoscPikseli(n) * WysokoscPikseli(n), int64_t{1} << 32);

    // The resolution outside 10..100 or no integer: the window's message.
    for (const char* r : {"abc", "9", "101", "50,5", ""}) {
        const Odswiezenie o = Odswiez({"0", "10", "0", "10"}, r);
        EXPECT_FALSE(o.dobre) << r;
        EXPECT_EQ(o.komunikat, "Nieprawidłowa wartość rozdzielczości!") << r;
        EXPECT_EQ(o.n, TNastawySchowek{});
    }
    // Every edge is read; the last failure's message stays; the fallbacks
    // are not stored.
    Odswiezenie o = Odswiez({"a", "10", "b", "10"}, "50");
    EXPECT_EQ(o.komunikat, "Nieprawidłowa współrzędna y1!");
    o = Odswiez({"0", "x", "0", "y"}, "50");
    EXPECT_EQ(o.komunikat, "Nieprawidłowa współrzędna y2!");
    EXPECT_EQ(o.n, TNastawySchowek{});
    // A number beyond the table of limits names the field.
    o = Odswiez({"0", "1e9", "0", "10"}, "50");
    EXPECT_FALSE(o.dobre);
    EXPECT_NE(o.komunikat.find("x2"), std::string::npos);
}
