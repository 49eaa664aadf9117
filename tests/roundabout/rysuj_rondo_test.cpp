// Roundabouts drawn into DXF and read back by a real DXF reader: the layers
// in drawing order, the corner arcs (a negative inner radius turned into a
// positive one), the ring, labels in each style, crossings, descriptions and
// title; and what the recording receiver gets of the label texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "base/Teksty.h"
#include "drawing/Dxf.h"
#include "junction/Komunikaty.h"
#include "junction/rysuj_wspolne.h"
#include "roundabout/GeometriaRonda.h"
#include "roundabout/OpisyRonda.h"
#include "roundabout/RysujRondo.h"

namespace {

using namespace rysuj_test;
constexpr double Pi = 3.14159265358979323846;

class RysujRondoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        czcionka_ = Czcionka;
        UstawCzcionkeTestowa();
        UstawSeparatorDziesietny('.');
        NowyProjekt();
        PobierzKomunikaty();
        DaneWezel w = NowyWezel(10.0, 20.0, "R1", 'R');
        w.Globalne = 1;
        Wezly.push_back(w);
        DaneWariant v;
        v.Nazwa = "W1";
        Warianty.push_back(v);
        Ronda.emplace_back();
        UstawDomyslneRondo(0, 0, 0);
        R().GeometriaWprowadzona = 1;
        R().Tytul = {"Rondo", "Wiatraczna", ""};
        BiezacyWariant = 0;
        wg.SkalaPaskowAuto = 0;
        wg.SkalaPaskowMax = 0;
        wg.SkalaPaskow100 = 1;
        wg.Pojazd100 = 0.5f;
        wg.TabelkaWW = 0;
        wg.TylkoSuma = 0;
        wg.RysujProcenty = 1;
        wg.RysujOznaczenie = 1;
        TekstTT = false;
        WyjscieEkran = false;
        WyjscieDrukarka = false;
        // The three-arm case worked by hand in the computation's tests.
        R().DaneRelacje = 1;
        R().Macierz[0][1] = 100, R().Macierz[0][2] = 200, R().Macierz[1][2] = 50, R().Macierz[2][0] = 100;
        R().SumaWlotuRel = {300, 50, 100, 0, 0};
        R().SumaWylotuRel = {100, 100, 250, 0, 0};
    }
    void TearDown() override
    {
        NowyProjekt();
        PobierzKomunikaty();
        wg.TylkoSuma = 0;
        Czcionka = czcionka_;
        WyjscieEkran = true;
    }
    static DaneRondo& R() { return Ronda[0]; }

    std::vector<Encja> Eksportuj(const std::string& nazwa)
    {
        plik_ = Artefakt(nazwa);
        {
            EksportDxf eksport(plik_);
            R().Obliczony = 0;
            ObliczGeometrieRonda(0);
            RysujRondo(0);
            eksport.Zakoncz();
        }
        return CzytajDxf(plik_);
    }
    // The raw file has no NaN, no infinity and no radius (group 40 of an ARC) below 0.
    void PlikCzysty() const
    {
        std::ifstream f(plik_);
        std::string kod, wartosc, encja;
        while (std::getline(f, kod) && std::getline(f, wartosc)) {
            kod.erase(0, kod.find_first_not_of(' '));
            if (kod == "0")
                encja = wartosc;
            std::string male = wartosc;
            std::transform(male.begin(), male.end(), male.begin(), ::tolower);
            EXPECT_EQ(male.find("nan"), std::string::npos) << kod << ": " << wartosc;
            EXPECT_EQ(male.find("inf"), std::string::npos) << kod << ": " << wartosc;
            if (encja == "ARC" && kod == "40") {
                EXPECT_GT(std::stod(wartosc), 0.0);
            }
        }
    }
    static std::vector<Encja> Z(const std::vector<Encja>& e, const std::string& warstwa, const std::string& typ = "")
    {
        std::vector<Encja> w;
        for (const Encja& x : e)
            if (x.warstwa == warstwa && (typ.empty() || x.typ == typ))
                w.push_back(x);
        return w;
    }
    static bool JestTekst(const std::vector<Encja>& e, const std::string& t)
    {
        return std::any_of(e.begin(), e.end(), [&](const Encja& x) { return x.typ == "TEXT" && x.tekst == t; });
    }

    std::string plik_;

private:
    TablicaZnakow czcionka_{};
};

TEST_F(RysujRondoTest, WarstwyWKolejnosciRysowaniaILukiNaroznikow)
{
    const std::vector<Encja> e = Eksportuj("rondo_trzy_ramiona.dxf");
    PlikCzysty();
    ASSERT_FALSE(e.empty());
    // Arms and ring first, then the labels, then the title.
    int ostatniaLinia = -1, pierwszyOpis = -1, ostatniOpis = -1, pierwszyTytul = -1;
    for (int i = 0; i < static_cast<int>(e.size()); ++i) {
        const std::string& w = e[static_cast<std::size_t>(i)].warstwa;
        if (w == "Rond_linie")
            ostatniaLinia = i;
        if (w == "Rond_opisy") {
            ostatniOpis = i;
            if (pierwszyOpis < 0)
                pierwszyOpis = i;
        }
        if (w == "Rond_tytul" && pierwszyTytul < 0)
            pierwszyTytul = i;
    }
    ASSERT_GE(pierwszyOpis, 0);
    EXPECT_LT(ostatniaLinia, pierwszyOpis);
    EXPECT_LT(ostatniOpis, pierwszyTytul);
    EXPECT_EQ(Z(e, "Rond_tytul", "TEXT").size(), 3u);
    EXPECT_EQ(Z(e, "Rond_tytul").back().warstwa, e.back().warstwa) << "the title is drawn last";

    // Four corner arcs per arm and two per ring sector: three sectors of
    // passing traffic and three sections.
    const std::vector<Encja> luki = Z(e, "Rond_linie", "ARC");
    EXPECT_EQ(luki.size(), 3u * 4u + 6u * 2u);
    // Arm 1's entry: corner centre (10 + 3.7081, 21.5); the band of 300
    // vehicles (1.5 cm) is wider than the corner, so its inner arc has the
    // radius 0.5 on the circle's other side.
    auto luk = [&](double cx, double cy, double r) {
        return std::count_if(luki.begin(), luki.end(), [&](const Encja& l) {
            return std::abs(l.x1 - cx) < 1e-3 && std::abs(l.y1 - cy) < 1e-3 && std::abs(l.r - r) < 1e-4;
        });
    };
    EXPECT_EQ(luk(13.7081, 21.5, 1.0), 1);
    EXPECT_EQ(luk(13.7081, 21.5, 0.5), 1);
    // The ring about the centre: island radius 3, the section after A 3 + 300 x 0.005.
    EXPECT_GE(luk(10.0, 20.0, 3.0), 5);
    EXPECT_EQ(luk(10.0, 20.0, 4.5), 1);
    // Corner labels: A's entry to B 100 and to C 200 of 300; B's exit.
    const std::vector<Encja> opisy = Z(e, "Rond_opisy", "TEXT");
    EXPECT_TRUE(JestTekst(opisy, "300"));
    EXPECT_TRUE(JestTekst(opisy, "200"));
    EXPECT_TRUE(JestTekst(opisy, "66.7%"));
    EXPECT_TRUE(JestTekst(opisy, "33.3%"));
    // The arms' letters.
    for (const char* t : {"A", "B", "C"})
        EXPECT_TRUE(JestTekst(opisy, t)) << t;
    EXPECT_TRUE(PobierzKomunikaty().empty());
}

TEST_F(RysujRondoTest, StyleOpisowISumyWpisane)
{
    // Table style: one table per arm, letters "A  B" (two blanks in DXF).
    wg.TabelkaWW = 1;
    std::vector<Encja> e = Eksportuj("rondo_tabelki.dxf");
    std::vector<Encja> opisy = Z(e, "Rond_opisy", "TEXT");
    EXPECT_TRUE(JestTekst(opisy, "A  B"));
    EXPECT_TRUE(JestTekst(opisy, "A  C"));
    EXPECT_FALSE(JestTekst(opisy, "A  A")) << "no U-turn column without U-turns";
    EXPECT_TRUE(JestTekst(opisy, "66.7%"));
    EXPECT_TRUE(JestTekst(opisy, "300")) << "the entry total under A's table";

    // The structure blocks with the composition: counts per vehicle type,
    // a type no destination carries left out.
    R().ZeStruktury = 1;
    R().StrukturaRelacji[0][1] = {90, 60, 0, 30};
    R().StrukturaRelacji[0][2] = {10, 4, 0, 6};
    // A block towards the absent arm D stays in the record, undrawn and uncounted.
    R().StrukturaRelacji[0][3] = {700, 700, 0, 0};
    LiczbaSkladow = 3;
    Sklad[1].Oznaczenie = "Os", Sklad[2].Oznaczenie = "Ci", Sklad[3].Oznaczenie = "Au";
    wg.PiszStruk = 1;
    wg.PiszZeraStruk = 0;
    e = Eksportuj("rondo_struktura.dxf");
    opisy = Z(e, "Rond_opisy", "TEXT");
    for (const char* t : {"90", "60", "Os", "Au", "90.0%"})
        EXPECT_TRUE(JestTekst(opisy, t)) << t;
    EXPECT_FALSE(JestTekst(opisy, "Ci"));
    EXPECT_FALSE(JestTekst(opisy, "700"));
    R().StrukturaRelacji[0][3] = {};
    R().ZeStruktury = 0;
    wg.PiszStruk = 0;

    // Totals only: each arm's entry and exit total.
    wg.TabelkaWW = 0;
    wg.TylkoSuma = 1;
    e = Eksportuj("rondo_sumy.dxf");
    opisy = Z(e, "Rond_opisy", "TEXT");
    for (const char* t : {"300", "50", "100", "250"})
        EXPECT_TRUE(JestTekst(opisy, t)) << t;
    EXPECT_FALSE(JestTekst(opisy, "66.7%"));

    // Typed totals draw totals whatever the style.
    wg.TylkoSuma = 0;
    wg.TabelkaWW = 1;
    R().DaneRelacje = 0;
    R().WlotWpisany = {11, 22, 33, 0, 0};
    R().WylotWpisany = {33, 22, 11, 0, 0};
    e = Eksportuj("rondo_sumy_wpisane.dxf");
    PlikCzysty();
    opisy = Z(e, "Rond_opisy", "TEXT");
    for (const char* t : {"11", "22", "33"})
        EXPECT_TRUE(JestTekst(opisy, t)) << t;
    EXPECT_FALSE(JestTekst(opisy, "A  B"));
}

TEST_F(RysujRondoTest, NarozneOpisyPoLewejStronieObroconeIZawrotka)
{
    Nagrywanie n;
    TylkoDxf();
    TRozmiaryLegendy L;
    L.UstawDokladnoscProc(1);
    // An entry pointing west: turned by half a turn, texts at 0 degrees;
    // 1 of 3 gives 33.3%; the U-turn item ends with one "%".
    RysujNarozneOpisyRonda(L, true, {0.0, 0.0}, 0.0f, 0.0f, static_cast<float>(Pi), {1, 0, 1, 0, 1}, true, false, 0,
                           "Rond_opisy");
    const EncjaDxf* p = ZnajdzTekst(n, "33.3%");
    ASSERT_NE(p, nullptr);
    EXPECT_NEAR(p->obrot, 0.0, 1e-3);
    EXPECT_NE(ZnajdzTekst(n, "1  33.3%"), nullptr);
    EXPECT_NE(ZnajdzTekst(n, "3"), nullptr);
    // Two values, two rows: the zero between takes none.
    EXPECT_EQ(Teksty(n).size(), 2u + 2u + 1u + 1u);
    n.dxf.encje.clear();
    // All zero: only the sum; with zero U-turns and no percentages also "0".
    RysujNarozneOpisyRonda(L, false, {0.0, 0.0}, 0.0f, 0.0f, 0.0f, {0, 0, 0, 0, 0}, false, true, 0, "Rond_opisy");
    EXPECT_EQ(Teksty(n), (std::vector<std::string>{"0", "0"}));
    n.dxf.encje.clear();
    RysujNarozneOpisyRonda(L, false, {0.0, 0.0}, 0.0f, 0.0f, 0.0f, {0, 0, 0, 0, 0}, true, true, 0, "Rond_opisy");
    EXPECT_EQ(Teksty(n), (std::vector<std::string>{"0"}));
    WyjscieEkran = true;
    WyjscieDxf = false;
}

TEST_F(RysujRondoTest, TytulPZaczynaSieWKotwicyLKonczy)
{
    Nagrywanie n;
    TylkoDxf();
    R().X = 10.0f;
    R().Y = 20.0f;
    R().TytulDx = 1.0f;
    R().TytulDy = 2.0f;
    R().TytulWyrownanie = 'P';
    RysujTytulRonda(0, 0, "Rond_tytul");
    const EncjaDxf* t = ZnajdzTekst(n, "Rondo");
    ASSERT_NE(t, nullptr);
    EXPECT_NEAR(t->x1, 11.0, 1e-6);
    n.dxf.encje.clear();
    R().TytulWyrownanie = 'X';
    RysujTytulRonda(0, 0, "Rond_tytul");
    EXPECT_TRUE(Teksty(n).empty());
    WyjscieEkran = true;
    WyjscieDxf = false;
}

TEST_F(RysujRondoTest, PrzejsciaLegendyIOpisyRamion)
{
    DaneWezel& w = Wezly[0];
    w.Globalne = 0;
    w.LegendaPrzejsc = 1;
    w.Struktura = 1;
    w.RysujPrzejscia = {1, 1, 0, 0};
    w.SumujPrzejscia = {1, 0, 0, 0};
    w.NazwyPrzejsc[0] = "Piesi";
    w.NazwyPrzejsc[1] = "Rowery";
    R().NatezeniaPrzejsc[0][0] = {7, 8};
    R().NatezeniaPrzejsc[0][1] = {4, 5};
    R().Przejscie = {1, 0, 0, 0, 0};
    R().OpisyRamion[0][0] = "ul. Zachodnia";
    R().KolorWlotu[0] = 0x0000FF;
    const std::vector<Encja> e = Eksportuj("rondo_przejscia.dxf");
    PlikCzysty();
    const std::vector<Encja> przejscia = Z(e, "Rupl_Przejscia", "TEXT");
    EXPECT_TRUE(JestTekst(przejscia, "15")) << "pedestrians summed";
    EXPECT_TRUE(JestTekst(przejscia, "4"));
    EXPECT_TRUE(JestTekst(przejscia, "5"));
    EXPECT_TRUE(JestTekst(przejscia, "LEGENDA PRZEJ\xC5\x9A" "CIA"));
    EXPECT_TRUE(JestTekst(przejscia, "Rowery"));
    EXPECT_TRUE(JestTekst(Z(e, "Rupl_Struktura", "TEXT"), "LEGENDA POJAZDY"));
    EXPECT_TRUE(JestTekst(Z(e, "Rond_opisy", "TEXT"), "ul. Zachodnia"));
}

} // namespace
