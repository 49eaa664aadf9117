// Block libraries: definitions read (truncated ones too), copied into the
// project as framed runs of lines, removed with the later definitions'
// indices moved; the shipped library; the clipboard settings read from the
// window's texts.

#include "pomoc.h"

#include <filesystem>
#include <fstream>
#include <set>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "drawing/Bloki.h"
#include "drawing/BibliotekaBlokow.h"
#include "drawing/KopiaSchowka.h"
#include "model/PlikProjektu.h"

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
    const auto b = CzytajDefinicjeBiblioteki(Razem({
        Definicja("A", "2026-01-02", "Znaki", {"P(0,0)-(1,1)", "L(0,0)-(2,0)"}),
        Definicja("Pusty", "zla data", "Znaki", {}),
        Definicja("B", "2026-03-04", std::string(120, 'g'), {"ramka", "O(0,0,1)", std::string(300, 'x')}),
    }));
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].Nazwa, "A");
    EXPECT_EQ(DataNaTekst(b[0].Data) + " " + CzasNaTekst(b[0].Czas), "2026-01-02 10:20:30");
    EXPECT_EQ(b[0].Grupa.str(), "Znaki");
    EXPECT_EQ(b[0].Jednostka.str(), "cm");
    EXPECT_EQ(b[0].Cialo, (std::vector<KrotkiTekst<255>>{"P(0,0)-(1,1)", "L(0,0)-(2,0)"}));
    // A date that is none reads as 0; line 11 as the end marker: no body.
    EXPECT_EQ(b[1].Data, 0.0);
    EXPECT_TRUE(b[1].Cialo.empty());
    // Groups keep 100 characters, lines 255.
    EXPECT_EQ(b[2].Grupa.size(), 100u);
    EXPECT_EQ(b[2].Cialo.back().size(), 255u);
    // The extents start at 0 and take the first body line too.
    const ZakresBloku z = ZmierzDefinicje(b[0]);
    EXPECT_EQ(std::vector<float>({z.XMin, z.XMax, z.YMin, z.YMax}), std::vector<float>({0, 2, 0, 1}));
}

TEST_F(BibliotekaBlokow, UcietaDefinicjaKonczySieNaNastepnejLubKoncuPliku)
{
    const auto b = CzytajDefinicjeBiblioteki(Razem({
        Definicja("Bez konca", "2026-01-02", "G", {"ramka", "L(0,0)-(1,0)"}, false),
        Definicja("Drugi", "2026-01-02", "G", {"ramka", "L(0,0)-(0,1)"}),
        Definicja("Ostatni", "2026-01-02", "G", {"ramka", "L(1,1)-(2,2)"}, false),
    }));
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].Cialo.size(), 2u);
    EXPECT_EQ(b[1].Nazwa, "Drugi");
    EXPECT_EQ(b[2].Cialo.back().str(), "L(1,1)-(2,2)");
    // A file cut inside the header gives a definition with what it has.
    const auto c = CzytajDefinicjeBiblioteki({std::string(ZnacznikDefinicji), "-", "Krotki"});
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].Nazwa, "Krotki");
    EXPECT_TRUE(c[0].Cialo.empty());
    // Copied into the project, it is framed all the same.
    KopiujDefinicjeBloku(b[0]);
    EXPECT_EQ(Linie(), (std::vector<std::string>{std::string(ZnacznikStartu), "Bez konca", "ramka", "L(0,0)-(1,0)",
                                                 std::string(ZnacznikKonca)}));
}

TEST_F(BibliotekaBlokow, KopiaIUsuniecieDefinicjiPrzesuwaIndeksy)
{
    const auto b = CzytajDefinicjeBiblioteki(Razem({
        Definicja("A", "2026-01-01", "G", {"ramka A", "L(0,0)-(1,0)"}),
        Definicja("B", "2026-01-01", "G", {"ramka B", "L(0,0)-(2,0)", "L(0,0)-(3,0)"}),
        Definicja("C", "2026-01-01", "G", {}),
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
    EXPECT_EQ(zakresy(), (std::vector<std::pair<int, int>>{{3, 3}, {8, 9}, {14, 12}, {17, 17}}));
    EXPECT_EQ(LinieDefinicji(1), (std::vector<std::string>{"L(0,0)-(2,0)", "L(0,0)-(3,0)"}));
    EXPECT_TRUE(LinieDefinicji(2).empty());

    // B removed (6 lines): C and D move down by 6, A stays.
    ASSERT_TRUE(UsunDefinicjeBloku(1));
    EXPECT_EQ(zakresy(), (std::vector<std::pair<int, int>>{{3, 3}, {8, 6}, {11, 11}}));
    EXPECT_EQ(LinieDefinicji(2), (std::vector<std::string>{"L(0,0)-(4,0)"}));
    EXPECT_EQ(LinieBlokow[5].str(), ZnacznikStartu);
    // The empty C goes as its three lines.
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
    const auto b = CzytajDefinicjeBiblioteki(Razem({
        Definicja("K", "2026-01-01", "G", {"ramka", "L(0,0)-(1,0)"}),
        Definicja("K", "2026-01-02", "G", {"ramka", "L(0,0)-(0,1)"}),
    }));
    EXPECT_EQ(ZnajdzWBibliotece(b, "K"), &b[1]);
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
    const auto b = CzytajBiblioteke(std::string(KG_BUILD_DIR) + "/Dane/Bloki/Kartogram.blk");
    ASSERT_EQ(b.size(), 7u);
    std::set<std::string> grupy;
    for (const auto& d : b) {
        grupy.insert(Cp1250NaUtf8(d.Grupa.str()));
        EXPECT_GT(d.Cialo.size(), 1u) << d.Nazwa;
        EXPECT_GT(d.Moment(), 0.0);
        // Every command line of the body reads completely.
        for (std::size_t i = 1; i < d.Cialo.size(); ++i) {
            float a, c, e, f;
            ZakresKomendyBloku(d.Cialo[i], a, c, e, f);
            EXPECT_LT(a, 1000.0f) << d.Cialo[i].str();
        }
    }
    EXPECT_EQ(grupy, (std::set<std::string>{"Oznaczenia", "Tabliczki", "Znaki drogowe"}));
    EXPECT_TRUE(CzytajBiblioteke("/nie/ma/takiego.blk").empty());
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

namespace {

// A library definition of that body, as the library reader gives it.
DefinicjaBiblioteki Biblioteczna(const char* nazwa, std::vector<KrotkiTekst<255>> cialo)
{
    DefinicjaBiblioteki d;
    d.Nazwa = nazwa;
    d.Data = KodujDate(2026, 1, 2);
    d.Grupa = "G";
    d.Jednostka = "cm";
    d.Cialo = std::move(cialo);
    return d;
}

}  // namespace

// Definitions as the block copy puts them into the project, one with no
// body lines among them: the saved project opens again with every range as
// it was, and a block of the bodiless definition draws nothing.
TEST_F(BibliotekaBlokow, KopiaDefinicjiBezCialaOtwieraSieZnowu)
{
    KopiujDefinicjeBloku(Biblioteczna("A", {"ramka", "L(0,0)-(1,0)"}));
    KopiujDefinicjeBloku(Biblioteczna("Pusty", {}));
    KopiujDefinicjeBloku(Biblioteczna("Sama ramka", {"ramka"}));
    KopiujDefinicjeBloku(Biblioteczna("B", {"ramka", "L(0,0)-(2,0)"}));
    wg.NazwaCzcionki = DomyslnaCzcionka;
    const std::string plik = (std::filesystem::temp_directory_path() / "kg_bloki_w_pliku.rup").string();
    std::ofstream(plik, std::ios::binary) << TrescProjektu();

    Projekt p;
    std::string blad;
    ASSERT_TRUE(CzytajProjekt(plik, p, blad)) << blad;
    std::filesystem::remove(plik);
    EXPECT_EQ(p.DefinicjeBlokow, DefinicjeBlokow);
    EXPECT_EQ(p.LinieBlokow, LinieBlokow);

    DefinicjeBlokow = p.DefinicjeBlokow;
    LinieBlokow = p.LinieBlokow;
    Bloki.assign(2, {});
    Bloki[0].Nazwa = "Pusty";
    Bloki[1].Nazwa = "Sama ramka";
    Wyjscia(false, false, true);
    RysujBloki(true);
    EXPECT_TRUE(n->dxf.encje.empty());
}

