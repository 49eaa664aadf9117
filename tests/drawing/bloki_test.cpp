// Drawing blocks: the command language read line by line, each command drawn
// with its block's anchor and factors, the passes over the placed blocks, the
// placing preview and the extents; malformed lines draw nothing and never
// crash.

#include "pomoc.h"

#include <numbers>
#include <random>

#include "drawing/Bloki.h"
#include "drawing/Geometria.h"

namespace {

constexpr double Pi = std::numbers::pi;

std::vector<EncjaDxf> Linie(const std::vector<EncjaDxf>& encje)
{
    std::vector<EncjaDxf> wynik;
    for (const EncjaDxf& e : encje)
        if (e.typ == EncjaDxf::Typ::Linia)
            wynik.push_back(e);
    return wynik;
}

// A preview that keeps every call in sheet centimetres.
struct PodgladNagrany : PodgladRysunku {
    struct Linia {
        int grubosc;
        TKolor kolor;
        double x1, y1, x2, y2;
    };
    struct Napis {
        std::string tekst;
        TKolor kolor;
        double x, y, wysokosc, szerokosc, pioro, kat;
    };
    std::vector<Linia> linie;
    std::vector<Napis> napisy;

    void RysujLinieNaPodgladzie(int g, TKolor k, double x1, double y1, double x2, double y2) override
    {
        linie.push_back({g, k, x1, y1, x2, y2});
    }
    void RysujTekstNaPodgladzie(const std::string& t, TKolor k, double x, double y, double w, double s, double p,
                                double kat) override
    {
        napisy.push_back({t, k, x, y, w, s, p, kat});
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
        zapisBlokow_ = Bloki;
        zapisDefinicji_ = DefinicjeBlokow;
        zapisLinii_ = LinieBlokow;
    }
    void TearDown() override
    {
        Bloki = zapisBlokow_;
        DefinicjeBlokow = zapisDefinicji_;
        LinieBlokow = zapisLinii_;
        TestRysowania::TearDown();
    }

    bool NicNieNarysowano() const { return n->dxf.encje.empty() && n->ekran.Pusty(); }

private:
    std::vector<DaneBlok> zapisBlokow_;
    std::vector<DaneBlokWpis> zapisDefinicji_;
    std::vector<KrotkiTekst<255>> zapisLinii_;
};

TEST_F(Bloki_, RozpoznanieKomend)
{
    EXPECT_EQ(RozpoznajKomende("L(0,0)-(1,1)"), RodzajKomendy::Linia);
    EXPECT_EQ(RozpoznajKomende("l(0,0)-(1,1)"), RodzajKomendy::Linia);
    EXPECT_EQ(RozpoznajKomende("L (0,0)-(1,1)"), RodzajKomendy::Brak);  // "(" is not the second character
    EXPECT_EQ(RozpoznajKomende("p(0,0)-(1,1)"), RodzajKomendy::Prostokat);
    EXPECT_EQ(RozpoznajKomende("O(0,0,1)"), RodzajKomendy::Okrag);
    EXPECT_EQ(RozpoznajKomende("t(0,0,'a',1,1,0)"), RodzajKomendy::Tekst);
    EXPECT_EQ(RozpoznajKomende("luk(0,0,1,0,90)"), RodzajKomendy::Luk);
    EXPECT_EQ(RozpoznajKomende("LUK 0"), RodzajKomendy::Luk);  // no test on "(" here
    for (const char* nic : {"", "(", "X(1)", "#BLOK Znak", "LU", "K(1,2,3)"})
        EXPECT_EQ(RozpoznajKomende(nic), RodzajKomendy::Brak) << nic;
}

TEST_F(Bloki_, CzytanieGeometriiKoloruIGrubosci)
{
    KomendaLinia l;
    CzytajKomendeLP("L( 0 ,0)-(2.5, 1)", l);
    EXPECT_EQ(l.Poprawna, 1);
    EXPECT_DOUBLE_EQ(l.X2, 2.5);
    EXPECT_DOUBLE_EQ(l.Y2, 1.0);
    EXPECT_EQ(l.Kolor, 0u);
    EXPECT_FLOAT_EQ(l.Grubosc, 0.0f);

    // The "(" of the second group is taken as the separator: the second point
    // stays (0, 0), no colour, and the remaining "1)" is the width.
    CzytajKomendeLP("L(0,0)(1,1)", l);
    EXPECT_EQ(l.Poprawna, 1);
    EXPECT_DOUBLE_EQ(l.X2, 0.0);
    EXPECT_DOUBLE_EQ(l.Y2, 0.0);
    EXPECT_EQ(l.Kolor, 0u);
    EXPECT_FLOAT_EQ(l.Grubosc, 1.0f);

    // A width right after the geometry, without a colour, is read too.
    CzytajKomendeLP("L(0,0)-(1,1),GR(0.3)", l);
    EXPECT_FLOAT_EQ(l.Grubosc, 0.3f);
    CzytajKomendeLP("P(0,0)-(1,1),K(1,2,3),gr(0,7)", l);  // a decimal comma before ")"
    EXPECT_EQ(l.Kolor, KolorRGB(1, 2, 3));
    EXPECT_FLOAT_EQ(l.Grubosc, 0.7f);

    KomendaOkrag o;
    CzytajKomendeO("O(0,0,1.5),K(255,0,0),GR(0.3)", o);
    EXPECT_DOUBLE_EQ(o.R, 1.5);
    EXPECT_EQ(o.Kolor, 0x0000FFu);
    EXPECT_FLOAT_EQ(o.Grubosc, 0.3f);
    CzytajKomendeO("O(1,1,2),K(0,0,255)", o);
    EXPECT_EQ(o.Kolor, 0xFF0000u);
    EXPECT_FLOAT_EQ(o.Grubosc, 0.0f);
    CzytajKomendeO("O(1,1,2),K(0,0,255),GR(x)", o);
    EXPECT_EQ(o.Kolor, 0xFF0000u);
    EXPECT_FLOAT_EQ(o.Grubosc, 0.2f);
    CzytajKomendeO("O(1,1,2),K(256,-1,0)", o);  // low bytes only
    EXPECT_EQ(o.Kolor, KolorRGB(0, 255, 0));
    CzytajKomendeO("O(1,1,2),K(9,x,0),GR(0.4)", o);  // a bad colour is black, the width still read
    EXPECT_EQ(o.Kolor, 0u);
    EXPECT_EQ(o.Poprawna, 1);
    EXPECT_FLOAT_EQ(o.Grubosc, 0.4f);
    CzytajKomendeO("O(1,1,2,5)", o);  // the last argument may use a decimal comma
    EXPECT_DOUBLE_EQ(o.R, 2.5);
    CzytajKomendeO("O(1,1,2),k(1,2,3)", o);  // "K" in upper case only
    EXPECT_EQ(o.Kolor, 0u);

    KomendaLuk a;
    CzytajKomendeLUK("LUK(0,0,1,0,90)", a);
    EXPECT_DOUBLE_EQ(a.KatPocz, 0.0);
    EXPECT_DOUBLE_EQ(a.KatKon, Pi / 2);
    CzytajKomendeLUK("LUK(0,0,1,-400,400)", a);
    EXPECT_DOUBLE_EQ(a.KatPocz, -2 * Pi);
    EXPECT_DOUBLE_EQ(a.KatKon, 2 * Pi);
    CzytajKomendeLUK("LUK 1,2", a);  // no "(": geometry left out, still a command
    EXPECT_EQ(a.Poprawna, 1);
    EXPECT_DOUBLE_EQ(a.X, 0.0);

    KomendaTekst t;
    CzytajKomendeT("T(1, 2, 'Ala  ma kota', 0.5, 0.4, 30)", t);
    EXPECT_EQ(t.Poprawna, 1);
    EXPECT_EQ(t.Tekst.str(), "Ala  ma kota");
    EXPECT_FLOAT_EQ(t.Wysokosc, 0.5f);
    EXPECT_FLOAT_EQ(t.SzerZnaku, 0.4f);
    EXPECT_FLOAT_EQ(t.Kat, 30.0f);
    CzytajKomendeT("T(0,0,'x',a,0.4,0)", t);
    EXPECT_EQ(t.Poprawna, 0);
    EXPECT_EQ(t.Tekst.str(), "x");  // what was read before the failure stays
}

TEST_F(Bloki_, ZlaGeometriaNicNieRysuje)
{
    for (const char* linia :
         {"L(0,0", "L(0;0)-(1,1)", "P(1e400,0)-(1,1)", "O(nan,0,1)", "O(inf,0,1)", "O(1,1)", "O(0x10,0,1)",
          "LUK(0,0,1,0)", "LUK(", "T(0,0,'abc", "T(0,0,'a',1,1e39,0)", "T(0,0,'a',1,1)", "L(", "O(,,)",
          "LUK(0,0,1,1e300,0)", "O(1e300,0,1)", "T(0,0,'A',0,1,0)"}) {
        SCOPED_TRACE(linia);
        n->Wyczysc();
        RysujKomendeBloku(linia, 1, 1, 1, 1);
        EXPECT_TRUE(NicNieNarysowano());
    }
    // Non-numbers in the block's own anchor or factors (a damaged file).
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    for (const char* linia : {"L(0,0)-(1,1)", "P(0,0)-(1,1)", "O(0,0,1)", "LUK(0,0,1,0,90)", "T(0,0,'A',1,1,0)"}) {
        SCOPED_TRACE(linia);
        n->Wyczysc();
        RysujKomendeBloku(linia, nan, 0, 1, 1);
        RysujKomendeBloku(linia, 0, 0, inf, 1);
        EXPECT_TRUE(NicNieNarysowano());
    }
}

// A well-formed command with numbers from the edges of the ranges.
std::string Wzor(std::mt19937& los)
{
    const char* liczby[] = {"0", "1", "-1", "0.5", "1e300", "-1e300", "1e-300", "1e39", "400", "-400", "2,5"};
    auto l = [&] { return std::string(liczby[std::uniform_int_distribution<int>(0, 10)(los)]); };
    switch (std::uniform_int_distribution<int>(0, 4)(los)) {
    case 0: return "L(" + l() + "," + l() + ")-(" + l() + "," + l() + "),K(1,2,3),GR(" + l() + ")";
    case 1: return "P(" + l() + "," + l() + ")-(" + l() + "," + l() + "),GR(" + l() + ")";
    case 2: return "O(" + l() + "," + l() + "," + l() + ")";
    case 3: return "LUK(" + l() + "," + l() + "," + l() + "," + l() + "," + l() + ")";
    default: return "T(" + l() + "," + l() + ",'AB'," + l() + "," + l() + "," + l() + "),GR(" + l() + ")";
    }
}

// Random lines over the language's characters: nothing non-finite reaches
// DXF, nothing hangs, the preview and the extents survive them too.
TEST_F(Bloki_, LosoweLinieSaBezpieczne)
{
    const std::string znaki = "LOPTUKGRlukgr(),.-'e0123456789 ";
    std::mt19937 los(7);
    PodgladNagrany podglad;
    for (int i = 0; i < 20000; ++i) {
        std::string linia(std::uniform_int_distribution<int>(0, 40)(los), ' ');
        for (char& c : linia)
            c = znaki[std::uniform_int_distribution<std::size_t>(0, znaki.size() - 1)(los)];
        if (i % 3 == 1 && linia.size() > 1)
            linia[0] = "LOPT"[i % 4], linia[1] = '(';
        if (i % 3 == 2)
            linia = Wzor(los);
        RysujKomendeBloku(linia, 0.5f, 0.5f, 2.0f, 0.5f);
        RysujBlokNaPodgladzie(podglad, linia, 0.5f, 0.5f, 2.0f, 0.5f);
        float a, b, c, d;
        ZakresKomendyBloku(linia, a, b, c, d);
    }
    for (const EncjaDxf& e : n->dxf.encje) {
        ASSERT_EQ(e.warstwa, "Rupl_Bloki");
        for (double v : {e.x1, e.y1, e.x2, e.y2, e.r, e.wysokosc, e.wspSzerokosci, e.obrot})
            ASSERT_TRUE(std::isfinite(v));
    }
    EXPECT_FALSE(n->dxf.encje.empty());
}

TEST_F(Bloki_, LiniaIProstokatZeWspolczynnikami)
{
    // x' = 10 + 2 x, y' = 20 + 0.5 y.
    RysujKomendeBloku("L(1,2)-(3,4),K(255,0,0),GR(0.5)", 10, 20, 2, 0.5);
    ASSERT_EQ(n->dxf.encje.size(), 1u);
    const EncjaDxf& e = n->dxf.encje[0];
    EXPECT_EQ(e.warstwa, "Rupl_Bloki");
    EXPECT_DOUBLE_EQ(e.x1, 12.0);
    EXPECT_DOUBLE_EQ(e.y1, 21.0);
    EXPECT_DOUBLE_EQ(e.x2, 16.0);
    EXPECT_DOUBLE_EQ(e.y2, 22.0);
    ASSERT_EQ(n->ekran.linie.size(), 1u);
    EXPECT_EQ(n->ekran.linie[0].pioro.kolor, 0x0000FFu);
    EXPECT_EQ(n->ekran.linie[0].pioro.grubosc, GruboscEkran(0.5f));

    n->Wyczysc();
    RysujKomendeBloku("P(0,0)-(2,1)", 1, 1, 1, 1);
    const double oczekiwane[4][4] = {{1, 1, 1, 2}, {3, 2, 1, 2}, {3, 2, 3, 1}, {1, 1, 3, 1}};
    ASSERT_EQ(n->dxf.encje.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const EncjaDxf& b = n->dxf.encje[i];
        EXPECT_EQ(std::vector<double>({b.x1, b.y1, b.x2, b.y2}),
                  std::vector<double>(oczekiwane[i], oczekiwane[i] + 4))
            << "side " << i;
    }
}

TEST_F(Bloki_, OkragILukOdcinkami)
{
    // Factors 2 and 0.5: the centre (1, 1) goes to (2, 0.5), the radius 1
    // becomes 2 (the X factor only).
    RysujKomendeBloku("O(1,1,1),K(0,0,255),GR(0.3)", 0, 0, 2, 0.5);
    const auto okrag = Linie(n->dxf.encje);
    EXPECT_GE(okrag.size(), 359u);
    EXPECT_LE(okrag.size(), 361u);
    for (const EncjaDxf& e : okrag) {
        EXPECT_NEAR(Odleglosc(e.x1, e.y1, 2, 0.5), 2.0, 1e-5);
        EXPECT_NEAR(Odleglosc(e.x2, e.y2, 2, 0.5), 2.0, 1e-5);
        EXPECT_EQ(e.warstwa, "Rupl_Bloki");
    }
    EXPECT_EQ(n->ekran.linie.at(0).pioro.kolor, 0xFF0000u);

    // A quarter counter-clockwise from +y: from (0, 1) to (-1, 0).
    n->Wyczysc();
    RysujKomendeBloku("LUK(0,0,1,0,90)", 0, 0, 1, 1);
    const auto luk = Linie(n->dxf.encje);
    ASSERT_GE(luk.size(), 89u);
    EXPECT_LE(luk.size(), 91u);
    EXPECT_NEAR(luk.front().x1, 0.0, 1e-6);
    EXPECT_NEAR(luk.front().y1, 1.0, 1e-6);
    EXPECT_NEAR(luk.back().x2, -1.0, 1e-6);
    EXPECT_NEAR(luk.back().y2, 0.0, 1e-6);
    for (const EncjaDxf& e : luk)
        EXPECT_LE(e.x1, 1e-6);  // all in the upper left quarter

    // An end of 400 degrees stops at the full turn.
    n->Wyczysc();
    RysujKomendeBloku("LUK(0,0,1,0,400)", 0, 0, 1, 1);
    EXPECT_LE(Linie(n->dxf.encje).size(), 361u);
}

TEST_F(Bloki_, TekstZeWspolczynnikami)
{
    // Anchor (2, 1); height 0.5 x 1, character width 2 x 0.5; the angle stays.
    RysujKomendeBloku("T(1,2,'A',1,0.5,30),K(0,255,0)", 0, 0, 2, 0.5);
    ASSERT_EQ(n->dxf.encje.size(), 1u);
    const EncjaDxf& e = n->dxf.encje[0];
    EXPECT_EQ(e.typ, EncjaDxf::Typ::Tekst);
    EXPECT_EQ(e.tekst, "A");
    EXPECT_EQ(e.warstwa, "Rupl_Bloki");
    EXPECT_NEAR(e.x1, 2.0 - 0.1 * 0.5, 1e-6);           // the DXF text stands 0.2 h off the baseline
    EXPECT_NEAR(e.y1, 1.0 + 0.1 * std::sqrt(3.0) / 2, 1e-6);
    EXPECT_NEAR(e.wysokosc, 0.7 * 0.5, 1e-6);
    EXPECT_NEAR(e.wspSzerokosci, 0.8 * 1.0 / 0.5, 1e-6);
    EXPECT_DOUBLE_EQ(e.obrot, 30.0);
    ASSERT_EQ(n->ekran.linie.size(), 1u);
    EXPECT_EQ(n->ekran.linie[0].pioro.kolor, 0x00FF00u);
}

TEST_F(Bloki_, PrzebiegiBlokowWedlugWariantuINad)
{
    LinieBlokow = {"L(0,0)-(1,0)", "#", "L(0,0)-(0,1)", "O(0,0,1)"};
    DefinicjeBlokow.assign(4, {});
    DefinicjeBlokow[0].Nazwa = "Kreska";
    DefinicjeBlokow[0].Start = 0, DefinicjeBlokow[0].Koniec = 2;
    DefinicjeBlokow[1].Nazwa = "Kreska";  // a second definition of one name: both drawn
    DefinicjeBlokow[1].Start = 2, DefinicjeBlokow[1].Koniec = 2;
    DefinicjeBlokow[2].Nazwa = "Zasieg";  // a range reaching outside the lines
    DefinicjeBlokow[2].Start = -5, DefinicjeBlokow[2].Koniec = 1000;
    DefinicjeBlokow[3].Nazwa = "Pusty";
    DefinicjeBlokow[3].Start = 3, DefinicjeBlokow[3].Koniec = 2;
    auto blok = [](std::string nazwa, float x, uint8_t nad, int32_t wariant) {
        DaneBlok b;
        b.Nazwa = std::move(nazwa);
        b.X = x;
        b.Nad = nad;
        b.Wariant = wariant;
        return b;
    };
    Bloki = {blok("Kreska", 10, 0, -1), blok("Kreska", 20, 0, 1), blok("Kreska", 30, 1, -1),
             blok("Brak", 40, 0, -1), blok("Pusty", 50, 0, -1)};

    BiezacyWariant = 0;
    RysujBloki(false);
    // The first block only: its definition's lines 0 and 2, then the second one's line 2.
    ASSERT_EQ(n->dxf.encje.size(), 3u);
    EXPECT_DOUBLE_EQ(n->dxf.encje[0].x2, 11.0);
    EXPECT_DOUBLE_EQ(n->dxf.encje[1].y2, 1.0);
    EXPECT_DOUBLE_EQ(n->dxf.encje[2].y2, 1.0);

    n->Wyczysc();
    BiezacyWariant = 1;
    RysujBloki(false);
    ASSERT_EQ(n->dxf.encje.size(), 6u);
    EXPECT_DOUBLE_EQ(n->dxf.encje[3].x1, 20.0);

    n->Wyczysc();
    RysujBloki(true);
    ASSERT_EQ(n->dxf.encje.size(), 3u);
    EXPECT_DOUBLE_EQ(n->dxf.encje[0].x1, 30.0);

    n->Wyczysc();
    Bloki = {blok("Zasieg", 0, 1, -1)};
    RysujBloki(true);
    EXPECT_GT(n->dxf.encje.size(), 300u);  // every line that exists, the circle included
}

TEST_F(Bloki_, PodgladTylkoLinieProstokatyITeksty)
{
    PodgladNagrany p;
    RysujBlokNaPodgladzie(p, "P(0,0)-(2,1),K(255,0,0),GR(0.5)", 1, 1, 1, 2);
    RysujBlokNaPodgladzie(p, "O(0,0,1)", 1, 1, 1, 1);
    RysujBlokNaPodgladzie(p, "LUK(0,0,1,0,90)", 1, 1, 1, 1);
    RysujBlokNaPodgladzie(p, "T(1,1,'Wjazd',1,0.5,90),K(0,0,9),GR(0.3)", 1, 1, 2, 0.5);
    RysujBlokNaPodgladzie(p, "T(1,1,'x',a,0.5,90)", 1, 1, 2, 0.5);
    EXPECT_TRUE(NicNieNarysowano());  // nothing reaches the outputs
    ASSERT_EQ(p.linie.size(), 4u);
    const double oczekiwane[4][4] = {{1, 1, 1, 3}, {3, 3, 1, 3}, {3, 3, 3, 1}, {1, 1, 3, 1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.linie[i].grubosc, 1);
        EXPECT_EQ(p.linie[i].kolor, 0x0000FFu);
        EXPECT_EQ(std::vector<double>({p.linie[i].x1, p.linie[i].y1, p.linie[i].x2, p.linie[i].y2}),
                  std::vector<double>(oczekiwane[i], oczekiwane[i] + 4));
    }
    ASSERT_EQ(p.napisy.size(), 1u);
    const auto& t = p.napisy[0];
    EXPECT_EQ(t.tekst, "Wjazd");
    EXPECT_EQ(t.kolor, KolorRGB(0, 0, 9));
    EXPECT_DOUBLE_EQ(t.x, 3.0);
    EXPECT_DOUBLE_EQ(t.y, 1.5);
    EXPECT_DOUBLE_EQ(t.wysokosc, 0.5);
    EXPECT_DOUBLE_EQ(t.szerokosc, 1.0);
    EXPECT_FLOAT_EQ(static_cast<float>(t.pioro), 0.3f);
    EXPECT_DOUBLE_EQ(t.kat, 90.0);
}

// The preview on a pixel canvas: lines through the screen view, texts as
// the screen's strokes, and the screen canvas itself left alone.
TEST_F(Bloki_, PodgladNaPlotnieWPikselach)
{
    NagrywaniePlotna nakladka;
    PodgladNaPlotnie p(nakladka);
    // Skala 25: x' = 400 + 40 x, y' = 300 - 40 y.
    RysujBlokNaPodgladzie(p, "L(0,0)-(1,1),K(9,0,0)", 1, -1, 1, 1);
    ASSERT_EQ(nakladka.linie.size(), 1u);
    EXPECT_TRUE(PunktJest(nakladka.linie[0].od, 440, 340));
    EXPECT_TRUE(PunktJest(nakladka.linie[0].doPunktu, 480, 300));
    EXPECT_EQ(nakladka.linie[0].pioro.grubosc, 1);
    EXPECT_EQ(nakladka.linie[0].pioro.kolor, 9u);

    // Glyph "A" drawn at pixel (100, 100) as by the stroke text of the screen.
    nakladka.Wyczysc();
    RysujBlokNaPodgladzie(p, "T(0,0,'A',1,1,0)", -7.5, 5.0, 1, 1);
    ASSERT_EQ(nakladka.linie.size(), 1u);
    EXPECT_TRUE(PunktJest(nakladka.linie[0].od, 102, 100));
    EXPECT_TRUE(PunktJest(nakladka.linie[0].doPunktu, 107, 100));
    EXPECT_TRUE(n->ekran.Pusty());
    EXPECT_EQ(PlotnoEkranu(), &n->ekran);
}

TEST_F(Bloki_, ZakresyKomend)
{
    float a, b, c, d;
    auto zakres = [&](const char* linia) {
        ZakresKomendyBloku(linia, a, b, c, d);
        return std::vector<float>{a, b, c, d};
    };
    EXPECT_EQ(zakres("L(3,1)-(1,4)"), std::vector<float>({1, 3, 1, 4}));
    EXPECT_EQ(zakres("O(1,1,2)"), std::vector<float>({-1, 3, -1, 3}));
    EXPECT_EQ(zakres("LUK(1,1,2,0,10)"), std::vector<float>({-1, 3, -1, 3}));  // the whole circle
    EXPECT_EQ(zakres("O(1,1,x)"), std::vector<float>({100000, -100000, 100000, -100000}));
    EXPECT_EQ(zakres("#BLOK"), std::vector<float>({100000, -100000, 100000, -100000}));
    // "AA" with character width 0.5: 2 x 0.5 x 20 x 0.0118 = 0.236; the
    // baseline starts 0.2 h above the anchor.
    EXPECT_FLOAT_EQ(SzerTekstuBloku("AA", 0.5f), 0.236f);
    auto t = zakres("T(1,2,'AA',1,0.5,0)");
    EXPECT_FLOAT_EQ(t[0], 1.0f);
    EXPECT_FLOAT_EQ(t[1], 1.236f);
    EXPECT_FLOAT_EQ(t[2], 2.2f);
    EXPECT_FLOAT_EQ(t[3], 2.2f);
    // A text that fails after its anchor: one point, no width.
    EXPECT_EQ(zakres("T(1,2,'AA',x,0.5,0)"), std::vector<float>({1, 1, 2, 2}));
}
