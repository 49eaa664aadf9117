// Junction diagrams exported to a DXF file and read back by a real DXF
// reader (band outlines cut where later bands cover them, arrows, layers),
// and the label styles, node legends, arm descriptions and sheet frame as
// the recording receiver gets them. Exported files stay in artefakty/.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>

#include "drawing/Dxf.h"
#include "base/Teksty.h"
#include "junction/ArkuszDxf.h"
#include "junction/OpisyRamion.h"
#include "junction/RysujRuchoplan.h"
#include "rysuj_wspolne.h"

namespace {

using namespace rysuj_test;

class DxfRuchoplanu : public ProjektJednegoWezla {
protected:
    void SetUp() override
    {
        ProjektJednegoWezla::SetUp();
        UstawSeparatorDziesietny('.');
        WyjscieEkran = false;
        WyjscieDrukarka = false;
    }

    // Exports the sheet and the diagram, and reads them back.
    std::vector<Encja> Eksportuj(const std::string& nazwa)
    {
        const std::string plik = Artefakt(nazwa);
        {
            EksportDxf eksport(plik);
            RysujArkuszDxf();
            RysujRuchoplan(0);
            eksport.Zakoncz();
        }
        return CzytajDxf(plik);
    }
    static std::vector<Encja> Warstwa(const std::vector<Encja>& e, const std::string& w, const std::string& typ)
    {
        std::vector<Encja> wynik;
        std::copy_if(e.begin(), e.end(), std::back_inserter(wynik),
                     [&](const Encja& x) { return x.warstwa == w && x.typ == typ; });
        return wynik;
    }
    // A line between two points, in either direction.
    static bool JestOdcinek(const std::vector<Encja>& e, double x1, double y1, double x2, double y2)
    {
        auto b = [](double a, double c) { return std::abs(a - c) < 2e-3; };
        for (const auto& l : e)
            if ((b(l.x1, x1) && b(l.y1, y1) && b(l.x2, x2) && b(l.y2, y2)) ||
                (b(l.x1, x2) && b(l.y1, y2) && b(l.x2, x1) && b(l.y2, y1)))
                return true;
        return false;
    }
    // South to north 200, east to west 100, drawn into the recording receiver.
    void NagrajKrzyz(Nagrywanie& n)
    {
        Ustaw(1, 3, 200);
        Ustaw(2, 4, 100);
        R().OpisRamienia = {"", "", "", "", "", "", "", ""};
        Oblicz();
        n.Wyczysc();
        WyjscieDxf = true;
        RysujRuchoplan(0);
    }
};

#define POMIN_BEZ_CZYTNIKA()                                                                                         \
    if (!CzytnikDxfDostepny())                                                                                       \
    GTEST_SKIP() << "brak /usr/bin/python3 z modułem ezdxf (python3-ezdxf)"

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
    for (double x : {20.5, 22.5}) {
        EXPECT_TRUE(JestOdcinek(linie, x, 24.0, x, 30.5)) << x;
        EXPECT_TRUE(JestOdcinek(linie, x, 31.5, x, 36.0)) << x;
        EXPECT_FALSE(JestOdcinek(linie, x, 24.0, x, 36.0)) << x;
    }
    // ... and the last band is whole.
    EXPECT_TRUE(JestOdcinek(linie, 14.0, 30.5, 26.0, 30.5));
    EXPECT_TRUE(JestOdcinek(linie, 14.0, 31.5, 26.0, 31.5));
    // Outlet arrow of the north arm: its head 0.25 beyond each side, the tip
    // 0.175 beyond the middle of the mouth.
    EXPECT_TRUE(JestOdcinek(linie, 20.25, 37.0, 21.5, 37.175));
    EXPECT_TRUE(JestOdcinek(linie, 21.5, 37.175, 22.75, 37.0));
    // Inlet mark across the south inlet's mouth.
    EXPECT_TRUE(JestOdcinek(linie, 20.5, 23.0, 22.5, 23.0));
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
    const auto luki = Warstwa(Eksportuj("ruchoplan_luk.dxf"), "Rupl_linie", "ARC");
    // Each arc of the turn is cut in two where the other band runs over it:
    // radius -> visible pieces in degrees from the inlet side (0) to the outlet side (90).
    ASSERT_EQ(luki.size(), 4u);
    std::map<long, std::vector<std::pair<double, double>>> zakresy;
    for (const auto& l : luki) {
        EXPECT_NEAR(l.x1, 17.5, 1e-3);
        EXPECT_NEAR(l.y1, 27.5, 1e-3);
        auto st = [](double a) { a = std::fmod(a, 360.0); return a < -1e-6 ? a + 360.0 : a; };
        zakresy[std::lround(l.r)].push_back({st(l.k0), st(l.k1)});
    }
    ASSERT_EQ(zakresy.size(), 2u);
    for (long r : {3, 5}) {
        SCOPED_TRACE(r);
        auto k = zakresy[r];
        ASSERT_EQ(k.size(), 2u);
        std::sort(k.begin(), k.end(), [](auto a, auto b) { return a.second < b.second; });
        const double st = 180.0 / 3.141592653589793;
        EXPECT_NEAR(k[0].first, 0.0, 0.05);
        EXPECT_NEAR(k[0].second, std::asin(1.0 / r) * st, 0.05);
        EXPECT_NEAR(k[1].first, std::asin(2.0 / r) * st, 0.05);
        EXPECT_NEAR(k[1].second, 90.0, 0.05);
    }
}

TEST_F(DxfRuchoplanu, DiagramBezRuchuJakoLinieSrodkowe)
{
    POMIN_BEZ_CZYTNIKA();
    Oblicz();
    const auto e = Eksportuj("ruchoplan_zera.dxf");
    // Eight turns as their arcs, the through relations as straight lines, all uncut:
    // 4 through lines, 8 turns x 2 joining lines, 4 arrows x 8, 4 marks x 3.
    EXPECT_EQ(Warstwa(e, "Rupl_linie", "ARC").size(), 8u);
    EXPECT_EQ(Warstwa(e, "Rupl_linie", "LINE").size(), 4u + 16u + 32u + 12u);
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
    const auto e = Eksportuj("ruchoplan.dxf");
    std::set<std::string> warstwy;
    for (const auto& x : e)
        warstwy.insert(x.warstwa);
    EXPECT_EQ(warstwy,
              (std::set<std::string>{"Rupl_Arkusz", "Rupl_linie", "Rupl_opisy", "Rupl_tytul", "Rupl_Przejscia"}));
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
    EXPECT_TRUE(std::any_of(opisy.begin(), opisy.end(), [](const Encja& t) {
        return t.tekst == "100.0%" && std::abs(t.x1 - 24.5) < 1e-3 && std::abs(t.y1 - 23.2) < 1e-3 &&
               std::abs(t.obrot - 90.0) < 1e-3;
    }));
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

TEST_F(DxfRuchoplanu, StyleOpisow)
{
    Nagrywanie n;
    // Totals only: inlet then outlet total of each arm that has them: arm 1 in, 2 in, 3 out, 4 out.
    const auto oznaczenie = wg.RysujOznaczenie;
    wg.TylkoSuma = 1;
    wg.RysujOznaczenie = 0;
    NagrajKrzyz(n);
    std::vector<std::string> liczby;
    for (const auto& t : Teksty(n, "Rupl_opisy"))
        if (!t.empty())
            liczby.push_back(t);
    EXPECT_EQ(liczby, (std::vector<std::string>{"200", "100", "200", "100"}));

    // Tables: the south arm's (own designation "D"): left to the west "C",
    // straight to the north "B", right to the east "A"; then the east arm's.
    wg.TylkoSuma = 0;
    wg.RysujOznaczenie = oznaczenie;
    wg.TabelkaWW = 1;
    NagrajKrzyz(n);
    const auto t = Teksty(n, "Rupl_opisy");
    ASSERT_GE(t.size(), 20u);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 20),
              (std::vector<std::string>{"D  C", "D  B", "D  A", "0", "200", "0", "0.0%", "100.0%", "0.0%", "200",
                                        "A  D", "A  C", "A  B", "0", "100", "0", "0.0%", "100.0%", "0.0%", "100"}));
}

TEST_F(DxfRuchoplanu, LegendyWezlaTylkoPrzyWlasnychUstawieniach)
{
    Wezly[0].LegendaPrzejsc = 1;
    Wezly[0].Struktura = 1;
    Nagrywanie n;
    NagrajKrzyz(n);
    EXPECT_TRUE(Teksty(n, "Rupl_LegPrzejscia").empty());
    EXPECT_TRUE(Teksty(n, "Rupl_LegStruktura").empty());
    Wezly[0].Globalne = 0;
    NagrajKrzyz(n);
    EXPECT_FALSE(Teksty(n, "Rupl_LegPrzejscia").empty());
    const auto pojazdy = Teksty(n, "Rupl_LegStruktura");
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

    // The first variant's sheet carries the stamp.
    n.Wyczysc();
    BiezacyWariant = 0;
    RysujArkuszDxf();
    ASSERT_EQ(n.dxf.encje.size(), 12u);
    EXPECT_EQ(n.dxf.encje[8].tekst, "EKSPORT  :");
    EXPECT_EQ(n.dxf.encje[9].tekst, "Plik  : ...");
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
    RysujOpisyRamion(0, RozmiaryOpisow, "Rupl_opisy", 0, 0, 0, true);
    const EncjaDxf *ab = ZnajdzTekst(n, "AB"), *a = ZnajdzTekst(n, "A"), *abcd = ZnajdzTekst(n, "ABCD"),
                   *c = ZnajdzTekst(n, "C");
    ASSERT_TRUE(ab && a && abcd && c);
    // East arm: lines from D = 4 outwards, the single line moved half a line
    // towards the second's place; the designation "A" at D + L + 1.0 + 0.8
    // outwards, 0.36 to its side.
    EXPECT_NEAR(ab->x1, 4.0, 1e-4);
    EXPECT_NEAR(ab->y1, -0.2 + 0.08, 1e-4);
    EXPECT_NEAR(a->x1, 4.0 + 0.36 + 1.0 + 0.8, 1e-4);
    EXPECT_NEAR(a->y1, -0.36 + 0.2 * 0.6, 1e-4);
    // West arm without its arrow: the text runs towards the node from D + L
    // (L = 0.72), and the designation "C" (0.3 wide) moves in by the arrow size + 0.5.
    EXPECT_NEAR(abcd->x1, -(4.0 + 0.72), 1e-4);
    EXPECT_NEAR(abcd->obrot, 0.0, 1e-4);
    EXPECT_NEAR(c->x1, -(4.0 + 0.72 + 1.0 + 0.8 + 0.3 - 1.5), 1e-3);
    // Three arrows of seven lines (the west arm has none).
    EXPECT_EQ(Encje(n, EncjaDxf::Typ::Linia).size(), 21u);
}

} // namespace
