// Drawing blocks: command lines read and drawn with the block's anchor and
// factors, the passes over placed blocks, the preview and the extents;
// malformed lines draw nothing and never crash.

#include "pomoc.h"

#include <numbers>
#include <random>

#include "drawing/Bloki.h"
#include "base/Geometria.h"

namespace {

using Liczby = std::vector<double>;

// A parsed line as numbers: its geometry, then Poprawna, Kolor, Grubosc.
Liczby Czytaj(const std::string& linia)
{
    auto z = [](Liczby g, const KoncowkaKomendy& k) {
        g.insert(g.end(), {double(k.Poprawna), double(k.Kolor), std::round(k.Grubosc * 1000) / 1000});
        return g;
    };
    KomendaLinia l;
    KomendaOkrag o;
    KomendaLuk a;
    KomendaTekst t;
    switch (RozpoznajKomende(linia)) {
    case RodzajKomendy::Linia:
    case RodzajKomendy::Prostokat: return CzytajKomendeLP(linia, l), z({l.X1, l.Y1, l.X2, l.Y2}, l);
    case RodzajKomendy::Okrag: return CzytajKomendeO(linia, o), z({o.X, o.Y, o.R}, o);
    case RodzajKomendy::Luk: return CzytajKomendeLUK(linia, a), z({a.X, a.Y, a.R, a.KatPocz, a.KatKon}, a);
    case RodzajKomendy::Tekst:
        CzytajKomendeT(linia, t);
        return z({t.X, t.Y, double(t.Tekst.size()), t.Wysokosc, t.SzerZnaku, t.Kat}, t);
    default: return {};
    }
}

// A preview that keeps every call in sheet centimetres.
struct PodgladNagrany : PodgladRysunku {
    std::vector<Liczby> linie, napisy;
    void RysujLinieNaPodgladzie(int g, TKolor k, double x1, double y1, double x2, double y2) override
    {
        linie.push_back({double(g), double(k), x1, y1, x2, y2});
    }
    void RysujTekstNaPodgladzie(const std::string& t, TKolor k, double x, double y, double w, double s, double p,
                                double kat) override
    {
        napisy.push_back({double(t.size()), double(k), x, y, w, s, std::round(p * 1000) / 1000, kat});
    }
};

}  // namespace

class Bloki_ : public TestRysowania {
protected:
    void SetUp() override
    {
        TestRysowania::SetUp();
        Wyjscia(true, false, true);
        Czcionka['A'] = ZnakTestowy({{5, 0, 15, 0}}, 20);
    }
    void TearDown() override
    {
        Bloki.clear(), DefinicjeBlokow.clear(), LinieBlokow.clear();
        TestRysowania::TearDown();
    }
    Liczby Dxf(std::size_t i) const
    {
        const EncjaDxf& e = n->dxf.encje.at(i);
        return {e.x1, e.y1, e.x2, e.y2};
    }
};

TEST_F(Bloki_, CzytanieKomend)
{
    const double Pi = std::numbers::pi;
    const std::vector<std::pair<std::string, Liczby>> przypadki = {
        {"l( 0 ,0)-(2.5, 1)", {0, 0, 2.5, 1, 1, 0, 0}},
        {"L (0,0)-(1,1)", {}},  // "(" not the second character: nothing
        // The second "(" taken as the separator; "1)" left for the width.
        {"L(0,0)(1,1)", {0, 0, 0, 0, 1, 0, 1}},
        {"L(0,0)-(1,1),GR(0.3)", {0, 0, 1, 1, 1, 0, 0.3}},  // a width without a colour
        {"P(0,0)-(1,1),K(1,2,3),gr(0,7)", {0, 0, 1, 1, 1, KolorRGB(1, 2, 3), 0.7}},
        {"O(0,0,1.5),K(255,0,0),GR(0.3)", {0, 0, 1.5, 1, 255, 0.3}},
        {"O(1,1,2),K(0,0,255)", {1, 1, 2, 1, 0xFF0000, 0}},
        {"O(1,1,2),K(0,0,255),GR(x)", {1, 1, 2, 1, 0xFF0000, 0.2}},
        {"O(1,1,2),K(256,-1,0)", {1, 1, 2, 1, 0xFF00, 0}},     // low bytes only
        {"O(1,1,2),K(9,x,0),GR(0.4)", {1, 1, 2, 1, 0, 0.4}},   // a bad colour is black
        {"O(1,1,2),k(1,2,3)", {1, 1, 2, 1, 0, 0.2}},           // "K" in upper case only
        {"O(1,1,2,5)", {1, 1, 2.5, 1, 0, 0}},                  // a decimal comma before ")"
        {"O(1,1,x)", {1, 1, 0, 0, 0, 0}},
        {"LUK(0,0,1,0,90)", {0, 0, 1, 0, Pi / 2, 1, 0, 0}},
        {"LUK(0,0,1,-400,400)", {0, 0, 1, -2 * Pi, 2 * Pi, 1, 0, 0}},
        {"LUK 1,2", {0, 0, 0, 0, 0, 1, 0, 0}},  // no "(": geometry left out
        {"T(1, 2, 'Ala  ma kota', 0.5, 0.4, 30)", {1, 2, 12, 0.5, 0.4, 30, 1, 0, 0}},
        {"T(0,0,'x',a,0.4,0)", {0, 0, 1, 0, 0, 0, 0, 0, 0.2}},
    };
    for (const auto& [linia, oczekiwane] : przypadki) {
        const Liczby wynik = Czytaj(linia);
        ASSERT_EQ(wynik.size(), oczekiwane.size()) << linia;
        for (std::size_t i = 0; i < wynik.size(); ++i)
            EXPECT_NEAR(wynik[i], oczekiwane[i], 1e-6) << linia << " [" << i << "]";
    }
    for (const char* nic : {"", "(", "#BLOK Znak", "LU", "K(1,2,3)"})
        EXPECT_EQ(RozpoznajKomende(nic), RodzajKomendy::Brak) << nic;
}

TEST_F(Bloki_, GeometriaZeWspolczynnikami)
{
    // x' = 10 + 2 x, y' = 20 + 0.5 y.
    RysujKomendeBloku("L(1,2)-(3,4),K(255,0,0),GR(0.5)", 10, 20, 2, 0.5);
    EXPECT_EQ(Dxf(0), Liczby({12, 21, 16, 22}));
    EXPECT_EQ(n->dxf.encje[0].warstwa, "Rupl_Bloki");
    EXPECT_EQ(n->ekran.linie.at(0).pioro, (NagrywaniePlotna::Pioro{0xFF, GruboscEkran(0.5f), PioroCiagle}));
    n->Wyczysc();
    RysujKomendeBloku("P(0,0)-(2,1)", 1, 1, 1, 1);
    ASSERT_EQ(n->dxf.encje.size(), 4u);
    EXPECT_EQ(Dxf(0), Liczby({1, 1, 1, 2}));
    EXPECT_EQ(Dxf(1), Liczby({3, 2, 1, 2}));
    EXPECT_EQ(Dxf(2), Liczby({3, 2, 3, 1}));
    EXPECT_EQ(Dxf(3), Liczby({1, 1, 3, 1}));

    // A circle of radius 1 at (1, 1) with factors 2, 0.5: centre (2, 0.5), radius 2.
    n->Wyczysc();
    RysujKomendeBloku("O(1,1,1)", 0, 0, 2, 0.5);
    EXPECT_NEAR(n->dxf.encje.size(), 360, 1);
    for (const EncjaDxf& e : n->dxf.encje)
        EXPECT_NEAR(Odleglosc(e.x1, e.y1, 2, 0.5), 2.0, 1e-5);
    // A quarter counter-clockwise from +y: from (0, 1) to (-1, 0).
    n->Wyczysc();
    RysujKomendeBloku("LUK(0,0,1,0,90)", 0, 0, 1, 1);
    EXPECT_NEAR(n->dxf.encje.size(), 90, 1);
    EXPECT_NEAR(Dxf(0)[0], 0.0, 1e-6);
    EXPECT_NEAR(Dxf(0)[1], 1.0, 1e-6);
    EXPECT_NEAR(Dxf(n->dxf.encje.size() - 1)[2], -1.0, 1e-6);

    // Text: anchor (2, 1), height 0.5 x 1, character width 2 x 0.5, angle kept.
    n->Wyczysc();
    RysujKomendeBloku("T(1,2,'A',1,0.5,30)", 0, 0, 2, 0.5);
    const EncjaDxf& t = n->dxf.encje.at(0);
    EXPECT_NEAR(t.x1, 2.0 - 0.1 * 0.5, 1e-6);  // DXF text stands 0.2 h off the baseline
    EXPECT_NEAR(t.y1, 1.0 + 0.1 * std::sqrt(3.0) / 2, 1e-6);
    EXPECT_NEAR(t.wysokosc, 0.7 * 0.5, 1e-6);
    EXPECT_NEAR(t.wspSzerokosci, 0.8 * 1.0 / 0.5, 1e-6);
    EXPECT_EQ(t.obrot, 30.0);
}

TEST_F(Bloki_, ZleLinieNicNieRysujaAniNieWysadzaja)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const char* linia : {"L(0,0", "L(0;0)-(1,1)", "P(1e400,0)-(1,1)", "O(nan,0,1)", "O(0x10,0,1)", "LUK(0,0,1,0)",
                              "T(0,0,'abc", "T(0,0,'a',1,1e39,0)", "O(,,)", "LUK(0,0,1,1e300,0)", "O(1e300,0,1)",
                              "T(0,0,'A',0,1,0)"})
        RysujKomendeBloku(linia, 1, 1, 1, 1);
    for (const char* linia : {"L(0,0)-(1,1)", "O(0,0,1)", "T(0,0,'A',1,1,0)"})  // a damaged block record
        RysujKomendeBloku(linia, nan, 0, 1, 1);
    EXPECT_TRUE(n->dxf.encje.empty() && n->ekran.Pusty());

    // Random lines, and well-formed ones with numbers from the range edges.
    const std::string znaki = "LOPTUKGRlukgr(),.-'e0123456789 ";
    const char* liczby[] = {"0", "1", "-1", "1e300", "-1e300", "1e-300", "1e39", "400", "2,5"};
    std::mt19937 los(7);
    auto l = [&] { return std::string(liczby[los() % 9]); };
    PodgladNagrany podglad;
    for (int i = 0; i < 20000; ++i) {
        std::string linia(los() % 40, ' ');
        for (char& c : linia)
            c = znaki[los() % znaki.size()];
        if (i % 2)
            linia = std::string(1, "LOPT"[i % 4]) + "(" + l() + "," + l() + "," + l() + ")-(" + l() + "," + l() +
                    ",'A'," + l() + "," + l() + "),K(1,2,3),GR(" + l() + ")";
        if (i % 5 == 0)
            linia = "LUK(" + l() + "," + l() + "," + l() + "," + l() + "," + l() + ")";
        RysujKomendeBloku(linia, 0.5f, 0.5f, 2.0f, 0.5f);
        RysujBlokNaPodgladzie(podglad, linia, 0.5f, 0.5f, 2.0f, 0.5f);
        float a, b, c, d;
        ZakresKomendyBloku(linia, a, b, c, d);
    }
    EXPECT_GT(n->dxf.encje.size(), 1000u);
    for (const EncjaDxf& e : n->dxf.encje)
        for (double v : {e.x1, e.y1, e.x2, e.y2, e.wysokosc, e.wspSzerokosci, e.obrot})
            ASSERT_TRUE(std::isfinite(v));
}

TEST_F(Bloki_, PrzebiegiWedlugWariantuINad)
{
    LinieBlokow = {"L(0,0)-(1,0)", "#", "L(0,0)-(0,1)"};
    // One name twice (the last definition draws, once) and a range beyond
    // the lines.
    const std::tuple<const char*, int, int> definicje[] = {{"K", 0, 2}, {"K", 2, 2}, {"Z", -5, 1000}};
    for (const auto& [nazwa, start, koniec] : definicje) {
        DefinicjeBlokow.emplace_back();
        DefinicjeBlokow.back().Nazwa = nazwa;
        DefinicjeBlokow.back().Start = start;
        DefinicjeBlokow.back().Koniec = koniec;
    }
    auto blok = [](std::string nazwa, float x, uint8_t nad, int32_t wariant) {
        DaneBlok b;
        b.X = x, b.Nazwa = nazwa, b.Nad = nad, b.Wariant = wariant;
        return b;
    };
    Bloki = {blok("K", 10, 0, -1), blok("K", 20, 0, 1), blok("K", 30, 1, -1), blok("Brak", 40, 0, -1)};
    auto x = [&](bool nad) {
        n->Wyczysc();
        RysujBloki(nad);
        Liczby w;
        for (const EncjaDxf& e : n->dxf.encje)
            w.push_back(e.x1);
        return w;
    };
    BiezacyWariant = 0;
    EXPECT_EQ(x(false), Liczby({10}));
    BiezacyWariant = 1;
    EXPECT_EQ(x(false), Liczby({10, 20}));
    EXPECT_EQ(x(true), Liczby({30}));
    Bloki = {blok("Z", 0, 1, -1)};
    EXPECT_EQ(x(true), Liczby({0, 0}));
}

TEST_F(Bloki_, PodgladLinieProstokatyITeksty)
{
    PodgladNagrany p;
    for (const char* linia : {"P(0,0)-(2,1),K(255,0,0),GR(0.5)", "O(0,0,1)", "LUK(0,0,1,0,90)", "T(1,1,'x',a,1,0)"})
        RysujBlokNaPodgladzie(p, linia, 1, 1, 1, 2);
    RysujBlokNaPodgladzie(p, "T(1,1,'Wjazd',1,0.5,90),K(0,0,9),GR(0.3)", 1, 1, 2, 0.5);
    EXPECT_TRUE(n->dxf.encje.empty() && n->ekran.Pusty());
    EXPECT_EQ(p.linie, std::vector<Liczby>({{1, 255, 1, 1, 1, 3}, {1, 255, 3, 3, 1, 3}, {1, 255, 3, 3, 3, 1},
                                            {1, 255, 1, 1, 3, 1}}));
    EXPECT_EQ(p.napisy, std::vector<Liczby>({{5, KolorRGB(0, 0, 9), 3, 1.5, 0.5, 1, 0.3, 90}}));

    // On a pixel canvas (Skala 25: x' = 400 + 40 x, y' = 300 - 40 y); the
    // screen's own canvas untouched.
    NagrywaniePlotna nakladka;
    PodgladNaPlotnie naPlotnie(nakladka);
    RysujBlokNaPodgladzie(naPlotnie, "L(0,0)-(1,1)", 1, -1, 1, 1);
    RysujBlokNaPodgladzie(naPlotnie, "T(0,0,'A',1,1,0)", -7.5, 5.0, 1, 1);  // glyph "A" at pixel (100, 100)
    ASSERT_EQ(nakladka.linie.size(), 2u);
    EXPECT_TRUE(PunktJest(nakladka.linie[0].od, 440, 340));
    EXPECT_TRUE(PunktJest(nakladka.linie[0].doPunktu, 480, 300));
    EXPECT_TRUE(PunktJest(nakladka.linie[1].od, 102, 100));
    EXPECT_TRUE(PunktJest(nakladka.linie[1].doPunktu, 107, 100));
    EXPECT_TRUE(n->ekran.Pusty());
    EXPECT_EQ(PlotnoEkranu(), &n->ekran);
}

TEST_F(Bloki_, ZakresyKomend)
{
    auto zakres = [](const char* linia) {
        float a, b, c, d;
        ZakresKomendyBloku(linia, a, b, c, d);
        auto r = [](float v) { return std::round(v * 1e4) / 1e4; };
        return Liczby{r(a), r(b), r(c), r(d)};
    };
    EXPECT_EQ(zakres("L(3,1)-(1,4)"), Liczby({1, 3, 1, 4}));
    EXPECT_EQ(zakres("LUK(1,1,2,0,10)"), Liczby({-1, 3, -1, 3}));  // the whole circle
    EXPECT_EQ(zakres("O(1,1,x)"), Liczby({100000, -100000, 100000, -100000}));
    // "AA" with character width 0.5: 2 x 0.5 x 20 x 0.0118 = 0.236, on a
    // baseline 0.2 h above the anchor; a failed text keeps one point.
    EXPECT_EQ(zakres("T(1,2,'AA',1,0.5,0)"), Liczby({1, 1.236, 2.2, 2.2}));
    EXPECT_EQ(zakres("T(1,2,'AA',x,0.5,0)"), Liczby({1, 1, 2, 2}));
}
