// Junction diagrams exported to a DXF file and read back by a real DXF
// reader: band outlines cut where later bands cover them, arrows, labels,
// caption, crossings, legends and the sheet frame on their layers. The
// files stay in the build folder (artefakty/) for a person to open.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <algorithm>
#include <set>

#include "drawing/Dxf.h"
#include "drawing/Nagrywanie.h"
#include "drawing/Teksty.h"
#include "junction/ArkuszDxf.h"
#include "junction/Legendy.h"
#include "junction/OpisyRamion.h"
#include "junction/RysujRuchoplan.h"
#include "rysuj_wspolne.h"

namespace {

using rysuj_test::Encja;

class DxfRuchoplanu : public rysuj_test::ProjektJednegoWezla {
protected:
    void SetUp() override
    {
        ProjektJednegoWezla::SetUp();
        UstawSeparatorDziesietny('.');
        WyjscieEkran = false;
        WyjscieDrukarka = false;
    }

    // Exports the diagram (and whatever `dodatki` draws) and reads it back.
    template <typename F>
    std::vector<Encja> Eksportuj(const std::string& nazwa, F dodatki)
    {
        std::string brak;
        if (!rysuj_test::CzytnikDxfDostepny(brak))
            return {};
        const std::string plik = rysuj_test::Artefakt(nazwa);
        {
            EksportDxf eksport(plik);
            RysujArkuszDxf();
            RysujRuchoplan(0);
            dodatki();
            eksport.Zakoncz();
        }
        return rysuj_test::CzytajDxf(plik);
    }
    std::vector<Encja> Eksportuj(const std::string& nazwa)
    {
        return Eksportuj(nazwa, [] {});
    }

    static std::vector<Encja> Warstwa(const std::vector<Encja>& e, const std::string& w, const std::string& typ)
    {
        std::vector<Encja> wynik;
        for (const auto& x : e)
            if (x.warstwa == w && x.typ == typ)
                wynik.push_back(x);
        return wynik;
    }
    static bool JestLinia(const std::vector<Encja>& e, double x1, double y1, double x2, double y2)
    {
        auto blisko = [](double a, double b) { return std::abs(a - b) < 2e-3; };
        for (const auto& l : e)
            if (l.typ == "LINE" && ((blisko(l.x1, x1) && blisko(l.y1, y1) && blisko(l.x2, x2) && blisko(l.y2, y2)) ||
                                    (blisko(l.x1, x2) && blisko(l.y1, y2) && blisko(l.x2, x1) && blisko(l.y2, y1))))
                return true;
        return false;
    }
    static double Stopnie360(double a)
    {
        a = std::fmod(a, 360.0);
        return a < -1e-6 ? a + 360.0 : a;
    }
};

#define POMIN_BEZ_CZYTNIKA()                                                                                         \
    do {                                                                                                             \
        std::string brak;                                                                                            \
        if (!rysuj_test::CzytnikDxfDostepny(brak))                                                                   \
            GTEST_SKIP() << "czytnik DXF niedostępny: " << brak;                                                     \
    } while (0)

// South to north (200) crossed by east to west (100), 0.01 cm per vehicle,
// node at (20, 30): the wide band lies between x = 20.5 and 22.5, the narrow
// one between y = 30.5 and 31.5; the strips end 6 and 7 from the node.
TEST_F(DxfRuchoplanu, ObrysPrzecietyPozniejszymPasmem)
{
    POMIN_BEZ_CZYTNIKA();
    Ustaw(1, 3, 200);
    Ustaw(2, 4, 100);
    Oblicz();
    const auto e = Eksportuj("ruchoplan_przeciecie.dxf");
    const auto linie = Warstwa(e, "Rupl_linie", "LINE");
    // The wide band's sides stop where the narrow band drawn after it begins...
    EXPECT_TRUE(JestLinia(linie, 20.5, 24.0, 20.5, 30.5));
    EXPECT_TRUE(JestLinia(linie, 20.5, 31.5, 20.5, 36.0));
    EXPECT_TRUE(JestLinia(linie, 22.5, 24.0, 22.5, 30.5));
    EXPECT_TRUE(JestLinia(linie, 22.5, 31.5, 22.5, 36.0));
    EXPECT_FALSE(JestLinia(linie, 20.5, 24.0, 20.5, 36.0));
    // ... and the last band is whole.
    EXPECT_TRUE(JestLinia(linie, 14.0, 30.5, 26.0, 30.5));
    EXPECT_TRUE(JestLinia(linie, 14.0, 31.5, 26.0, 31.5));
    // Outlet arrow of the north arm: its head 0.25 beyond each side, the tip
    // 0.175 beyond the middle of the mouth.
    EXPECT_TRUE(JestLinia(linie, 20.25, 37.0, 21.5, 37.175));
    EXPECT_TRUE(JestLinia(linie, 21.5, 37.175, 22.75, 37.0));
    // Inlet mark across the south inlet's mouth.
    EXPECT_TRUE(JestLinia(linie, 20.5, 23.0, 22.5, 23.0));
    // Bands 4 + 2, two arrows of 8 lines, two marks of 3; nothing else.
    EXPECT_EQ(linie.size(), 6u + 16u + 6u);
    EXPECT_TRUE(Warstwa(e, "Rupl_linie", "ARC").empty());
    for (const auto& l : linie)
        EXPECT_EQ(l.kolor, KolorNaIndeksDxf(wg.KolorLinii));
}

// A left turn (south to west, 200) with fillets of radius 3 and 5 about
// (17.5, 27.5), crossed by west to east (100) between y = 28.5 and 29.5.
TEST_F(DxfRuchoplanu, LukPrzecietyPozniejszymPasmem)
{
    POMIN_BEZ_CZYTNIKA();
    Ustaw(1, 4, 200);
    Ustaw(4, 2, 100);
    Oblicz();
    const auto e = Eksportuj("ruchoplan_luk.dxf");
    const auto luki = Warstwa(e, "Rupl_linie", "ARC");
    // Each arc of the turn is cut in two where the other band runs over it.
    ASSERT_EQ(luki.size(), 4u);
    std::map<int, std::vector<std::pair<double, double>>> zakresy;   // radius -> visible pieces
    for (const auto& l : luki) {
        EXPECT_NEAR(l.x1, 17.5, 1e-3);
        EXPECT_NEAR(l.y1, 27.5, 1e-3);
        zakresy[static_cast<int>(std::lround(l.r))].push_back({Stopnie360(l.k0), Stopnie360(l.k1)});
    }
    ASSERT_EQ(zakresy.size(), 2u);
    const double st = 180.0 / 3.141592653589793;
    auto sprawdz = [&](int r, double koniecPierwszego, double poczatekDrugiego) {
        auto k = zakresy[r];
        ASSERT_EQ(k.size(), 2u) << r;
        std::sort(k.begin(), k.end(), [](auto a, auto b) { return a.second < b.second; });
        // From the inlet side (0 degrees) to the covering band, and from it to the outlet side (90).
        EXPECT_NEAR(std::fmod(k[0].first, 360.0), 0.0, 0.05) << r;
        EXPECT_NEAR(k[0].second, koniecPierwszego, 0.05) << r;
        EXPECT_NEAR(k[1].first, poczatekDrugiego, 0.05) << r;
        EXPECT_NEAR(k[1].second, 90.0, 0.05) << r;
    };
    sprawdz(3, std::asin(1.0 / 3.0) * st, std::asin(2.0 / 3.0) * st);
    sprawdz(5, std::asin(1.0 / 5.0) * st, std::asin(2.0 / 5.0) * st);
}

TEST_F(DxfRuchoplanu, DiagramBezRuchuJakoLinieSrodkowe)
{
    POMIN_BEZ_CZYTNIKA();
    Oblicz();
    const auto e = Eksportuj("ruchoplan_zera.dxf");
    // Eight turns as their arcs, the through relations as straight lines, all uncut.
    EXPECT_EQ(Warstwa(e, "Rupl_linie", "ARC").size(), 8u);
    const auto linie = Warstwa(e, "Rupl_linie", "LINE");
    // 4 through lines, 8 turns x 2 joining lines, 4 arrows x 8, 4 marks x 3.
    EXPECT_EQ(linie.size(), 4u + 16u + 32u + 12u);
}

TEST_F(DxfRuchoplanu, WszystkieWarstwy)
{
    POMIN_BEZ_CZYTNIKA();
    Ustaw(1, 3, 200);
    Ustaw(2, 4, 100);
    R().Tytul = {"Skrzy\xBF" "owanie", "Wariant", ""};
    R().TytulWysokosc = 1.0f;
    wg.RysujPrzejscia = {1, 0, 0, 0};
    R().Przejscia[1].L[0] = 30;
    R().Przejscia[1].P[0] = 20;
    Oblicz();
    const auto e = Eksportuj("ruchoplan.dxf", [] {
        RysujLegendePrzejsc(RozmiaryOpisow, 0, 1.0f, 27.0f, "Rupl_LegPrzejscia");
        RysujLegendePojazdow(RozmiaryOpisow, 0, 1.0f, 20.0f, "Rupl_LegStruktura");
    });
    std::set<std::string> warstwy;
    for (const auto& x : e)
        warstwy.insert(x.warstwa);
    EXPECT_EQ(warstwy, (std::set<std::string>{"Rupl_Arkusz", "Rupl_linie", "Rupl_opisy", "Rupl_tytul",
                                              "Rupl_Przejscia", "Rupl_LegPrzejscia", "Rupl_LegStruktura"}));
    // The caption in TrueType form, Polish letters intact.
    const auto tytul = Warstwa(e, "Rupl_tytul", "TEXT");
    ASSERT_EQ(tytul.size(), 3u);
    EXPECT_EQ(tytul[0].tekst, "Skrzyżowanie");
    // Flow labels: four labelled corners of seven texts, plus per arm two
    // description lines and the designation.
    const auto opisy = Warstwa(e, "Rupl_opisy", "TEXT");
    EXPECT_EQ(opisy.size(), 4u * 7u + 4u * 3u);
    // The south inlet's label (corner "LG", turned by a quarter) puts "100.0%"
    // of its straight row 2.08 east and 0.2 north of the strip's outer corner (22.5, 23).
    bool procent = false;
    for (const auto& t : opisy)
        procent = procent || (t.tekst == "100.0%" && std::abs(t.x1 - (24.58 - 0.08)) < 1e-3 &&
                              std::abs(t.y1 - 23.2) < 1e-3 && std::abs(t.obrot - 90.0) < 1e-3);
    EXPECT_TRUE(procent);
    // The pedestrians' counts on the east arm.
    const auto przejscia = Warstwa(e, "Rupl_Przejscia", "TEXT");
    ASSERT_EQ(przejscia.size(), 2u);
    EXPECT_EQ(przejscia[0].tekst, "30");
    EXPECT_EQ(przejscia[1].tekst, "20");
    EXPECT_EQ(Warstwa(e, "Rupl_LegPrzejscia", "TEXT").size(), 2u);
    EXPECT_EQ(Warstwa(e, "Rupl_LegStruktura", "TEXT").size(), 1u + 3u * static_cast<std::size_t>(LiczbaSkladow));
    // The sheet frame of variant 0 with its stamp.
    EXPECT_EQ(Warstwa(e, "Rupl_Arkusz", "LINE").size(), 8u);
    const auto stempel = Warstwa(e, "Rupl_Arkusz", "TEXT");
    ASSERT_EQ(stempel.size(), 4u);
    EXPECT_EQ(stempel[0].tekst, "EKSPORT  :");
    EXPECT_EQ(stempel[1].tekst, "Plik  : ...");
}

TEST_F(DxfRuchoplanu, WartosciNieskonczoneNieTrafiajaDoPliku)
{
    Ustaw(1, 3, 200);
    Ustaw(2, 4, 100);
    Ustaw(1, 4, 50);
    R().TytulWysokosc = 1.0f;
    Oblicz();
    // A broken computation: one strip point, one band side and one arc are no numbers.
    R().GeometriaRamion[IndeksPunktuPasa(PasWlotu(1), 2, 5)] = std::nanf("");
    R().Relacje[0].Krawedz2[1] = std::numeric_limits<double>::infinity();
    R().Relacje[2].Luk1.C.X = std::nanf("");
    RozmiaryLegendy[5] = std::nanf("");
    Nagrywanie n;
    WyjscieDxf = true;
    RysujRuchoplan(0);
    ASSERT_FALSE(n.dxf.encje.empty());
    for (const auto& e : n.dxf.encje)
        for (double v : {e.x1, e.y1, e.x2, e.y2, e.obrot, e.wspSzerokosci, e.wysokosc, e.r, e.katPoczatku, e.katKonca})
            ASSERT_TRUE(std::isfinite(v)) << e.warstwa << " " << e.tekst;
}

// Texts of one layer as the recording receiver got them.
std::vector<std::string> TekstyWarstwy(const Nagrywanie& n, const std::string& warstwa)
{
    std::vector<std::string> w;
    for (const auto& e : n.dxf.encje)
        if (e.typ == EncjaDxf::Typ::Tekst && e.warstwa == warstwa)
            w.push_back(e.tekst);
    return w;
}

TEST_F(DxfRuchoplanu, StylSumWNaroznikach)
{
    Ustaw(1, 3, 200);
    Ustaw(2, 4, 100);
    wg.TylkoSuma = 1;
    wg.RysujOznaczenie = 0;
    R().OpisRamienia = {"", "", "", "", "", "", "", ""};
    Oblicz();
    Nagrywanie n;
    WyjscieDxf = true;
    RysujRuchoplan(0);
    std::vector<std::string> liczby;
    for (const auto& t : TekstyWarstwy(n, "Rupl_opisy"))
        if (!t.empty())
            liczby.push_back(t);
    // Inlet then outlet total of each arm that has them: arm 1 in, 2 in, 3 out, 4 out.
    EXPECT_EQ(liczby, (std::vector<std::string>{"200", "100", "200", "100"}));
}

TEST_F(DxfRuchoplanu, StylTabelek)
{
    Ustaw(1, 3, 200);
    Ustaw(2, 4, 100);
    wg.TabelkaWW = 1;
    R().OpisRamienia = {"", "", "", "", "", "", "", ""};
    Oblicz();
    Nagrywanie n;
    WyjscieDxf = true;
    RysujRuchoplan(0);
    const auto t = TekstyWarstwy(n, "Rupl_opisy");
    // The south arm's table (own designation "D"): left to the west "C",
    // straight to the north "B", right to the east "A"; then the east arm's.
    const std::vector<std::string> poludnie = {"D  C", "D  B", "D  A", "0", "200", "0", "0.0%", "100.0%", "0.0%", "200"};
    const std::vector<std::string> wschod = {"A  D", "A  C", "A  B", "0", "100", "0", "0.0%", "100.0%", "0.0%", "100"};
    ASSERT_GE(t.size(), 20u);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 10), poludnie);
    EXPECT_EQ(std::vector<std::string>(t.begin() + 10, t.begin() + 20), wschod);
}

TEST_F(DxfRuchoplanu, LegendyWezlaTylkoPrzyWlasnychUstawieniach)
{
    Ustaw(1, 3, 200);
    Wezly[0].LegendaPrzejsc = 1;
    Wezly[0].Struktura = 1;
    Oblicz();
    Nagrywanie n;
    WyjscieDxf = true;
    RysujRuchoplan(0);
    EXPECT_TRUE(TekstyWarstwy(n, "Rupl_LegPrzejscia").empty());
    EXPECT_TRUE(TekstyWarstwy(n, "Rupl_LegStruktura").empty());
    Wezly[0].Globalne = 0;
    n.Wyczysc();
    RysujRuchoplan(0);
    EXPECT_FALSE(TekstyWarstwy(n, "Rupl_LegPrzejscia").empty());
    const auto pojazdy = TekstyWarstwy(n, "Rupl_LegStruktura");
    ASSERT_FALSE(pojazdy.empty());
    EXPECT_EQ(pojazdy.front(), "LEGENDA POJAZDY");
}

TEST_F(DxfRuchoplanu, ArkuszKolejnegoWariantu)
{
    Nagrywanie n;
    WyjscieDxf = true;
    wg.ArkuszB = 20.5f;
    wg.ArkuszH = 28.5f;
    wg.OdstepArkuszyH = 5.0f;
    BiezacyWariant = 2;
    RysujArkuszDxf();
    ASSERT_EQ(n.dxf.encje.size(), 8u);   // no stamp after the first variant
    const double y0 = -2 * (28.5 + 5.0);
    const auto& lewy = n.dxf.encje[0];
    EXPECT_EQ(lewy.warstwa, "Rupl_Arkusz");
    EXPECT_EQ(lewy.kolor, 1);
    EXPECT_DOUBLE_EQ(lewy.y1, y0);
    EXPECT_DOUBLE_EQ(lewy.y2, y0 + 28.5);
    const auto& zewnetrzny = n.dxf.encje[4];
    EXPECT_EQ(zewnetrzny.kolor, 253);
    EXPECT_DOUBLE_EQ(zewnetrzny.x1, -0.5);
    EXPECT_DOUBLE_EQ(zewnetrzny.y1, y0 - 0.5);

    n.Wyczysc();
    BiezacyWariant = 0;
    RysujArkuszDxf();
    ASSERT_EQ(n.dxf.encje.size(), 12u);
    const auto& data = n.dxf.encje[10];
    EXPECT_EQ(data.tekst.substr(0, 8), "Data  : ");
    EXPECT_DOUBLE_EQ(data.x1, 1.5);
    EXPECT_NEAR(data.y1, 28.5 + 0.5 + 2.0, 1e-9);
    EXPECT_DOUBLE_EQ(data.wysokosc, 0.5);
    EXPECT_DOUBLE_EQ(data.wspSzerokosci, 0.7);
    EXPECT_EQ(n.dxf.encje[11].tekst.size(), std::string("Godz  : 12:00:00").size());
}

TEST_F(DxfRuchoplanu, OpisyRamion)
{
    Nagrywanie n;
    WyjscieDxf = true;
    Oblicz();
    R().X = 0.0f;
    R().Y = 0.0f;
    R().OpisRamienia = {" ", " ", "AB", "", " ", " ", "ABCD", "X"};
    R().Strzalka = {1, 1, 1, 0};
    // East arm: lines from D = 4 outwards, the single line moved half a line
    // towards the second's place; the arrow 0.5 beyond the longest line.
    RysujOpisyRamion(0, RozmiaryOpisow, "Rupl_opisy", 0, 0, 0, true);
    auto tekst = [&](const std::string& t) -> const EncjaDxf* {
        for (const auto& e : n.dxf.encje)
            if (e.typ == EncjaDxf::Typ::Tekst && e.tekst == t)
                return &e;
        return nullptr;
    };
    const EncjaDxf* ab = tekst("AB");
    ASSERT_NE(ab, nullptr);
    EXPECT_NEAR(ab->x1, 4.0, 1e-4);
    EXPECT_NEAR(ab->y1, -0.2 + 0.08, 1e-4);
    // Designation "A" of the east arm: at D + L + 1.0 + 0.8 outwards, 0.36 to its side.
    const EncjaDxf* a = tekst("A");
    ASSERT_NE(a, nullptr);
    EXPECT_NEAR(a->x1, 4.0 + 0.36 + 1.0 + 0.8, 1e-4);
    EXPECT_NEAR(a->y1, -0.36 + 0.2 * 0.6, 1e-4);
    // West arm without its arrow: the text runs towards the node from D + L
    // (L = 0.72), and the designation "C" (0.3 wide) moves in by the arrow size + 0.5.
    const EncjaDxf* abcd = tekst("ABCD");
    ASSERT_NE(abcd, nullptr);
    EXPECT_NEAR(abcd->x1, -(4.0 + 0.72), 1e-4);
    EXPECT_NEAR(abcd->obrot, 0.0, 1e-4);
    const EncjaDxf* c = tekst("C");
    ASSERT_NE(c, nullptr);
    EXPECT_NEAR(c->x1, -(4.0 + 0.72 + 1.0 + 0.8 + 0.3 - 1.5), 1e-3);
    // Three arrows of seven lines (the west arm has none).
    int linie = 0;
    for (const auto& e : n.dxf.encje)
        linie += e.typ == EncjaDxf::Typ::Linia;
    EXPECT_EQ(linie, 21);
}

} // namespace
