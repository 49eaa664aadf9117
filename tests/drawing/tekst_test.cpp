// Stroke text: where the strokes of a known glyph land on the bitmap and the
// printer at any angle, the DXF TEXT, widths; TrueType text; font files.

#include "pomoc.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "base/Kodowanie.h"

class Tekst : public TestRysowania {
protected:
    void SetUp() override
    {
        TestRysowania::SetUp();
        Czcionka['A'] = ZnakTestowy({{5, 0, 15, 0}}, 20);
        Czcionka['B'] = ZnakTestowy({{0, 0, 0, 10}}, 30);
        Czcionka[' '] = ZnakTestowy({}, 25);
    }
    // The sheet point drawn at bitmap pixel (100, 100) with Skala 25.
    static constexpr double X100 = -7.5, Y100 = 5.0;
};

TEST_F(Tekst, KreskaPoziomo)
{
    RysujTekst("A", 0x00FF00, X100, Y100, 1.0, 1.0, 1.0, 0.0, "t");
    ASSERT_EQ(n->ekran.linie.size(), 1u);
    const auto& l = n->ekran.linie[0];
    EXPECT_TRUE(PunktJest(l.od, 102, 100));  // 102.4
    EXPECT_TRUE(PunktJest(l.doPunktu, 107, 100));  // 107.2
    EXPECT_EQ(l.pioro.kolor, 0x00FF00u);
    EXPECT_EQ(l.pioro.grubosc, 4);
    EXPECT_EQ(n->ekran.pioro.grubosc, 1);  // set back after the text
}

TEST_F(Tekst, KreskaPionowoDlaKata90)
{
    RysujTekst("A", 0, X100, Y100, 1.0, 1.0, 0.2, 90.0, "t");
    ASSERT_EQ(n->ekran.linie.size(), 1u);
    EXPECT_TRUE(PunktJest(n->ekran.linie[0].od, 100, 97));  // 97.6
    EXPECT_TRUE(PunktJest(n->ekran.linie[0].doPunktu, 100, 92));  // 92.8
}

TEST_F(Tekst, KreskaPodDowolnymKatem)
{
    RysujTekst("A", 0, X100, Y100, 1.0, 1.0, 0.2, 30.0, "t");
    ASSERT_EQ(n->ekran.linie.size(), 1u);
    // 2.4 and 7.2 pixels along the direction 30 degrees up from +x.
    EXPECT_TRUE(PunktJest(n->ekran.linie[0].od, 102, 98));  // 102.08, 98.8
    EXPECT_TRUE(PunktJest(n->ekran.linie[0].doPunktu, 106, 96));  // 106.24, 96.4
    n->Wyczysc();
    // Upside down: the degree factor 0.0174532 leaves the turn a hair short of
    // pi, which lifts the baseline by a fraction of a pixel: row 99.
    RysujTekst("A", 0, X100, Y100, 1.0, 1.0, 0.2, 180.0, "t");
    EXPECT_TRUE(PunktJest(n->ekran.linie[0].od, 97, 99));
    EXPECT_TRUE(PunktJest(n->ekran.linie[0].doPunktu, 92, 99));
}

TEST_F(Tekst, ZnakiNastepujaPoSzerokosci)
{
    // Character width 1 and height 2: x units 0.48 px, y units 0.96 px.
    RysujTekst("A B", 0, X100, Y100, 2.0, 1.0, 0.2, 0.0, "t");
    ASSERT_EQ(n->ekran.linie.size(), 2u);
    // B starts after 20 + 25 units: 100 + 45 x 0.48 = 121.6.
    EXPECT_TRUE(PunktJest(n->ekran.linie[1].od, 121, 100));
    EXPECT_TRUE(PunktJest(n->ekran.linie[1].doPunktu, 121, 90));  // 100 - 9.6
}

// A glyph of a pixel or less is left out when the corners of its box fall
// on one pixel. At any angle, size and place the strokes that remain of any
// length are those drawn stroke by stroke, and the pen ends where it did.
TEST_F(Tekst, ZnakJednegoPikselaPominietyBezZmianyRysunku)
{
    std::mt19937 los(7);
    std::uniform_int_distribution<int> kresek(1, 8);
    std::string tekst;
    for (int c = 'a'; c <= 'z'; ++c) {
        // Glyphs of every extent up to the font's 255 units.
        std::uniform_int_distribution<int> wsp(0, 10 * (c - 'a') > 255 ? 255 : 10 * (c - 'a'));
        DaneZnak& z = Czcionka[static_cast<unsigned char>(c)];
        z = ZnakTestowy({}, static_cast<float>(wsp(los)));
        for (int k = kresek(los); k > 0; --k) {
            z.KreskaX1[z.LiczbaKresek] = static_cast<uint8_t>(wsp(los));
            z.KreskaY1[z.LiczbaKresek] = static_cast<uint8_t>(wsp(los));
            // Half the strokes run on from the one before.
            const bool ciag = z.LiczbaKresek > 0 && k % 2 == 0;
            if (ciag) {
                z.KreskaX1[z.LiczbaKresek] = z.KreskaX2[z.LiczbaKresek - 1];
                z.KreskaY1[z.LiczbaKresek] = z.KreskaY2[z.LiczbaKresek - 1];
            }
            z.KreskaX2[z.LiczbaKresek] = static_cast<uint8_t>(wsp(los));
            z.KreskaY2[z.LiczbaKresek] = static_cast<uint8_t>(wsp(los));
            ++z.LiczbaKresek;
        }
        tekst += static_cast<char>(c);
    }
    struct Rysunek {
        std::vector<std::pair<PunktInt, PunktInt>> kreski;
        std::size_t wszystkich = 0;
        PunktInt koniec{};
    };
    auto rysuj = [&](bool pomijaj, double x, double y, double h, double kat) {
        PomijajZnakiJednegoPiksela(pomijaj);
        n->Wyczysc();
        RysujTekst(tekst, 0, x, y, h, 0.8 * h, 0.2, kat, "t");
        Rysunek r;
        for (const auto& l : n->ekran.linie)
            if (!(l.od == l.doPunktu)) r.kreski.emplace_back(l.od, l.doPunktu);
        r.wszystkich = n->ekran.linie.size();
        if (!n->ekran.linie.empty()) r.koniec = n->ekran.linie.back().doPunktu;
        return r;
    };
    std::size_t pominietych = 0;
    // Heights of 0.25 to 6 pixels for the tallest glyph (40 pixels a cm).
    for (double kat : {0.0, 17.5, 45.0, 90.0, 133.0, 180.0, 251.0, 300.25})
        for (double h : {0.003, 0.01, 0.02, 0.03})
            for (int k = 0; k < 7; ++k) {
                const double x = X100 + 0.013 * k, y = Y100 - 0.0071 * k;
                const Rysunek caly = rysuj(false, x, y, h, kat), skrocony = rysuj(true, x, y, h, kat);
                ASSERT_EQ(skrocony.kreski, caly.kreski) << kat << " " << h << " " << k;
                EXPECT_TRUE(PunktJest(skrocony.koniec, caly.koniec.X, caly.koniec.Y));
                pominietych += caly.wszystkich - skrocony.wszystkich;
            }
    PomijajZnakiJednegoPiksela(true);
    EXPECT_GT(pominietych, 1000u);
}

TEST_F(Tekst, KreskiNaDrukarce)
{
    Wyjscia(false, true, false);
    RysujTekst("A", 0xFF, 1.0, 10.0, 1.0, 1.0, 0.3, 0.0, "t");
    ASSERT_EQ(n->drukarka.linie.size(), 1u);
    const auto& l = n->drukarka.linie[0];
    // Anchor (236, 2362); 236 pixels per cm, 2.7977 pixels per glyph unit;
    // the origin 2 pixels along and 1 pixel up.
    EXPECT_TRUE(PunktJest(l.od, 251, 2361));
    EXPECT_TRUE(PunktJest(l.doPunktu, 279, 2361));
    EXPECT_EQ(l.pioro.grubosc, 7);
    EXPECT_EQ(n->drukarka.pioro.grubosc, 1);
    EXPECT_EQ(n->drukarka.pedzel.styl, StylPedzla::Pusty);
}

TEST_F(Tekst, TekstDxf)
{
    Wyjscia(true, false, true);
    BiezacyWariant = 1;
    RysujTekst("AB", KolorRGB(255, 0, 0), 3.0, 4.0, 1.0, 0.5, 0.2, 0.0, "Napisy");
    ASSERT_EQ(n->dxf.encje.size(), 1u);
    const EncjaDxf& e = n->dxf.encje[0];
    EXPECT_EQ(e.typ, EncjaDxf::Typ::Tekst);
    EXPECT_EQ(e.tekst, "AB");
    EXPECT_EQ(e.warstwa, "Napisy");
    EXPECT_EQ(e.kolor, 1);
    EXPECT_DOUBLE_EQ(e.x1, 3.0);
    EXPECT_DOUBLE_EQ(e.y1, 4.2 - 25.0);
    EXPECT_DOUBLE_EQ(e.wysokosc, 0.7);
    EXPECT_DOUBLE_EQ(e.wspSzerokosci, 0.4);
    EXPECT_DOUBLE_EQ(e.obrot, 0.0);
    EXPECT_FALSE(e.dopasowany);  // a stroke text is as wide as its width factor says
    // The moved anchor holds for the bitmap too.
    EXPECT_EQ(n->ekran.linie.at(0).od.Y, CmNaEkranY(4.0 + 0.2));

    n->Wyczysc();
    BiezacyWariant = 0;
    RysujTekst("", 0, 3.0, 4.0, 2.0, 0.5, 0.2, 90.0, "Napisy");
    ASSERT_EQ(n->dxf.encje.size(), 1u);
    EXPECT_EQ(n->dxf.encje[0].tekst, "");
    EXPECT_NEAR(n->dxf.encje[0].x1, 2.6, 1e-12);
    EXPECT_NEAR(n->dxf.encje[0].y1, 4.0, 1e-12);
    EXPECT_TRUE(n->ekran.linie.empty());
}

TEST_F(Tekst, SzerokoscWektorowa)
{
    EXPECT_NEAR(SzerTekstuWekt("AB", 0.5f), 0.3f, 1e-6);
    EXPECT_NEAR(SzerTekstuWekt("AB", 9.0f, 0.5f), 0.3f, 1e-6);
    EXPECT_EQ(SzerTekstuWekt("", 0.5f), 0.0f);
}

TEST_F(Tekst, TrueTypeNaEkranie)
{
    RysujTekstTT("Ab", 0x0000FF, 1.0, 1.0, 0.5, "t");
    ASSERT_EQ(n->ekran.napisy.size(), 1u);
    const auto& t = n->ekran.napisy[0];
    // The paper's cell, 1.25 x 0.5 cm, 25 pixels at Skala 25; its top 24
    // pixels above the baseline.
    EXPECT_EQ(t.wysokosc, 25);
    EXPECT_EQ(t.x, 440);
    EXPECT_EQ(t.y, 260 - 24);
    EXPECT_EQ(t.kolor, 0x0000FFu);
    EXPECT_EQ(t.kroj, "Tahoma");
    EXPECT_EQ(t.pedzel.styl, StylPedzla::Pusty);
}

TEST_F(Tekst, TrueTypeZaMalyToSzaryProstokat)
{
    RysujTekstTT("Abcd", 0, 1.0, 1.0, 0.15, "t");  // 7 pixels
    EXPECT_TRUE(n->ekran.napisy.empty());
    ASSERT_EQ(n->ekran.figury.size(), 1u);
    const auto& f = n->ekran.figury[0];
    EXPECT_FALSE(f.elipsa);
    EXPECT_EQ(f.pedzel.kolor, KolorRGB(128, 128, 128));
    EXPECT_EQ(f.pedzel.styl, StylPedzla::Pelny);
    EXPECT_EQ(f.pioro.kolor, KolorRGB(128, 128, 128));
    EXPECT_EQ(f.x1, 440);
    EXPECT_EQ(f.y1, 260 - 7);
    EXPECT_EQ(f.y2, 260);
    EXPECT_GT(f.x2, f.x1);
}

TEST_F(Tekst, TrueTypeDxfIDrukarka)
{
    Wyjscia(false, true, true);
    RysujTekstTT("Ab", 0, 1.0, 1.0, 0.5, "tt");
    ASSERT_EQ(n->dxf.encje.size(), 1u);
    EXPECT_DOUBLE_EQ(n->dxf.encje[0].y1, 1.1);
    EXPECT_DOUBLE_EQ(n->dxf.encje[0].wspSzerokosci, 0.4);
    EXPECT_DOUBLE_EQ(n->dxf.encje[0].wysokosc, 0.35);
    ASSERT_EQ(n->drukarka.napisy.size(), 1u);
    const int hp = static_cast<int>(0.5 * 1.25 * 600 / 2.54);
    EXPECT_EQ(n->drukarka.napisy[0].wysokosc, hp);
    EXPECT_EQ(n->drukarka.napisy[0].y, CmNaDrukY(1.1f) - hp);  // at the moved anchor
}

// The TEXT of a TrueType text is fitted between its anchor and a point as
// far right as the text is wide on paper: the recording canvas measures a
// 0.5 cm text in 295-pixel cells at 1200 dpi (0.625 cm), half a cell a
// letter, so "Ab" is 295 pixels, 0.62442 cm. An empty text has no width
// to fit.
TEST_F(Tekst, TrueTypeDxfDopasowanyDoSzerokosciNaPapierze)
{
    Wyjscia(false, false, true);
    BiezacyWariant = 1;
    RysujTekstTT("Ab", 0, 1.0, 1.0, 0.5, "tt");
    RysujTekstTT("", 0, 1.0, 1.0, 0.5, "tt");
    ASSERT_EQ(n->dxf.encje.size(), 2u);
    const EncjaDxf& e = n->dxf.encje[0];
    EXPECT_TRUE(e.dopasowany);
    EXPECT_DOUBLE_EQ(e.x1, 1.0);
    EXPECT_DOUBLE_EQ(e.y1, 1.1 - 25.0);
    EXPECT_NEAR(e.x2, 1.0 + 295 * 2.54 / 1200.0, 1e-6);
    EXPECT_DOUBLE_EQ(e.y2, e.y1);
    EXPECT_DOUBLE_EQ(e.wspSzerokosci, 0.4);
    EXPECT_DOUBLE_EQ(e.wysokosc, 0.35);
    EXPECT_FALSE(n->dxf.encje[1].dopasowany);
    EXPECT_DOUBLE_EQ(n->dxf.encje[1].x1, 1.0);
}

TEST_F(Tekst, TrueTypeProstyMalyPiszeKreskami)
{
    Wyjscia(true, false, true);
    RysujTekstTTProsty("A", 0, 1.0, 1.0, 0.15, 0.1, 0.1, 0.0, "t");
    EXPECT_TRUE(n->ekran.napisy.empty());
    EXPECT_EQ(n->ekran.linie.size(), 1u);
    EXPECT_EQ(n->dxf.encje.size(), 1u);

    n->Wyczysc();
    RysujTekstTTProsty("A", 0, 1.0, 1.0, 0.5, 0.1, 0.1, 0.0, "t");
    EXPECT_TRUE(n->dxf.encje.empty());
    ASSERT_EQ(n->ekran.napisy.size(), 1u);
    EXPECT_EQ(n->ekran.napisy[0].y, CmNaEkranY(1.6));  // the cell stands on the baseline
}

TEST_F(Tekst, SzerokoscTrueType)
{
    // Measured at 1200 pixels an inch whatever the zoom: the cell 1.25 x 0.5
    // cm is 295 pixels, and the recorder measures half the font height per
    // character, 4 x 147.5 = 590 pixels.
    for (double skala : {25.0, 5.0, 80.0}) {
        Skala = skala;
        EXPECT_NEAR(SzerTekstuTT("abcd", 0.5), 590 * 2.54 / 1200.0, 1e-6) << skala;
        EXPECT_EQ(n->ekran.wysokoscCzcionki, 295);
    }
    // Without a bitmap (a DXF export before the window exists) it still measures.
    UstawPlotnoEkranu(nullptr);
    EXPECT_GT(SzerTekstuTT("Kartogram", 1.0), 3.0f);
}

// Font files.

namespace {
std::string PlikTestowy(const std::string& nazwa, const std::vector<unsigned char>& dane)
{
    std::filesystem::create_directories(KG_BUILD_DIR "/artefakty");
    std::string sciezka = KG_BUILD_DIR "/artefakty/" + nazwa;
    std::ofstream(sciezka, std::ios::binary).write(reinterpret_cast<const char*>(dane.data()),
                                                   static_cast<std::streamsize>(dane.size()));
    return sciezka;
}

std::vector<unsigned char> PlikCzcionki()
{
    std::vector<unsigned char> d(256 * 608, 0);
    unsigned char* r = d.data() + 'A' * 608;
    r[0] = 2;                      // two strokes
    const float szer = 21.5f;
    std::memcpy(r + 4, &szer, 4);  // little-endian single on this machine
    r[8] = 1, r[158] = 2, r[308] = 3, r[458] = 4;
    r[9] = 5, r[159] = 6, r[309] = 7, r[459] = 8;
    r[10] = 99;                    // beyond the count: not a stroke
    return d;
}
}  // namespace

TEST_F(Tekst, WczytanieCzcionki)
{
    TablicaZnakow t{};
    ASSERT_EQ(WczytajCzcionke(PlikTestowy("dobra.Lzs", PlikCzcionki()), t), "");
    const DaneZnak& a = t['A'];
    EXPECT_EQ(a.LiczbaKresek, 2);
    EXPECT_FLOAT_EQ(a.Szerokosc, 21.5f);
    EXPECT_EQ(a.KreskaX1[0], 1);
    EXPECT_EQ(a.KreskaY1[0], 2);
    EXPECT_EQ(a.KreskaX2[0], 3);
    EXPECT_EQ(a.KreskaY2[0], 4);
    EXPECT_EQ(a.KreskaY2[1], 8);
    EXPECT_EQ(t['B'].LiczbaKresek, 0);
}

TEST_F(Tekst, UszkodzonaCzcionkaOdrzucona)
{
    TablicaZnakow t{};
    t['Z'].LiczbaKresek = 3;

    auto krotki = PlikCzcionki();
    krotki.resize(256 * 608 - 1);
    std::string blad = WczytajCzcionke(PlikTestowy("krotka.Lzs", krotki), t);
    EXPECT_NE(Cp1250NaUtf8(blad).find("za krótki"), std::string::npos) << blad;

    auto za_duzo = PlikCzcionki();
    za_duzo[7 * 608] = 151;
    blad = WczytajCzcionke(PlikTestowy("151.Lzs", za_duzo), t);
    EXPECT_NE(Cp1250NaUtf8(blad).find("uszkodzony (znak 7: liczba kresek 151)"), std::string::npos) << blad;

    auto ujemna = PlikCzcionki();
    ujemna[255 * 608 + 3] = 0x80;
    EXPECT_NE(WczytajCzcionke(PlikTestowy("ujemna.Lzs", ujemna), t), "");

    EXPECT_NE(WczytajCzcionke(KG_BUILD_DIR "/artefakty/nie-ma.Lzs", t), "");
    // Every refused file left the table as it was.
    EXPECT_EQ(t['Z'].LiczbaKresek, 3);
    EXPECT_EQ(t['A'].LiczbaKresek, 0);
}

TEST(CzcionkiProgramu, RomanIGreckaWczytujaSie)
{
    const std::string roman = KG_BUILD_DIR "/Dane/Roman100.Lzs";
    const std::string grecka = KG_BUILD_DIR "/Dane/grecki100.Lzs";
    if (!std::filesystem::exists(roman) || !std::filesystem::exists(grecka))
        GTEST_SKIP() << "the stroke fonts are not built yet";
    auto t = std::make_unique<TablicaZnakow>();
    ASSERT_EQ(WczytajCzcionke(roman, *t), "");
    for (unsigned char c : std::string("AZaz09") + Utf8NaCp1250("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ")) {
        EXPECT_GT((*t)[c].LiczbaKresek, 0) << int(c);
        EXPECT_GT((*t)[c].Szerokosc, 0.0f) << int(c);
    }
    // A letter with an accent has more strokes than its base letter.
    EXPECT_GT((*t)[0xB9].LiczbaKresek, (*t)['a'].LiczbaKresek);
    EXPECT_GT((*t)[0xA3].LiczbaKresek, (*t)['L'].LiczbaKresek);
    ASSERT_EQ(WczytajCzcionke(grecka, *t), "");
    EXPECT_GT((*t)['a'].LiczbaKresek, 0);
}

TEST_F(Tekst, ModelWczytujeCzcionkeProjektuDoCzcionki)
{
    ASSERT_NE(WczytajCzcionkeRysunku, nullptr);
    ASSERT_TRUE(WczytajCzcionkeRysunku(PlikTestowy("projektu.Lzs", PlikCzcionki())));
    EXPECT_EQ(Czcionka['A'].LiczbaKresek, 2);
    EXPECT_EQ(Czcionka['B'].LiczbaKresek, 0);
    EXPECT_FALSE(WczytajCzcionkeRysunku(KG_BUILD_DIR "/artefakty/nie-ma.Lzs"));
}
