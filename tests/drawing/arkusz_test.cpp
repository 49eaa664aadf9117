// The screen output for real: a sheet with lines, arcs, polygons, symbols and
// Polish stroke text drawn into a QImage through the canvas, checked for the
// pixels that must be set. The image is kept in the build folder.

#include "pomoc.h"

#include <QImage>
#include <filesystem>
#include <vector>

#include "drawing/Luki.h"
#include "drawing/Rysowanie.h"
#include "drawing/Symbole.h"
#include "base/Kodowanie.h"
#include "platform/qt/Plotno.h"

namespace {

constexpr TKolor Czarny = KolorRGB(0, 0, 0);
constexpr TKolor Czerwony = KolorRGB(255, 0, 0);
constexpr TKolor Niebieski = KolorRGB(0, 0, 255);
constexpr TKolor Zielony = KolorRGB(0, 160, 0);

QRgb Piksel(const QImage& obraz, double x, double y)
{
    return obraz.pixel(CmNaEkranX(x), CmNaEkranY(y)) & 0xFFFFFF;
}

// Whether a pixel of the given colour lies within `promien` pixels of a sheet point.
bool KolorObok(const QImage& obraz, double x, double y, TKolor kolor, int promien = 1)
{
    const QRgb szukany = qRgb(KolorR(kolor), KolorG(kolor), KolorB(kolor)) & 0xFFFFFF;
    for (int dy = -promien; dy <= promien; ++dy)
        for (int dx = -promien; dx <= promien; ++dx) {
            const int px = CmNaEkranX(x) + dx, py = CmNaEkranY(y) + dy;
            if (obraz.valid(px, py) && (obraz.pixel(px, py) & 0xFFFFFF) == szukany) return true;
        }
    return false;
}

int PikseleWKolorze(const QImage& obraz, QRect obszar, TKolor kolor)
{
    const QRgb szukany = qRgb(KolorR(kolor), KolorG(kolor), KolorB(kolor)) & 0xFFFFFF;
    int n = 0;
    for (int y = obszar.top(); y <= obszar.bottom(); ++y)
        for (int x = obszar.left(); x <= obszar.right(); ++x)
            if (obraz.valid(x, y) && (obraz.pixel(x, y) & 0xFFFFFF) == szukany) ++n;
    return n;
}

}  // namespace

class Arkusz : public TestRysowania {
protected:
    void SetUp() override
    {
        TestRysowania::SetUp();
        obraz = QImage(840, 600, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        UstawBitmapeRysunku(&obraz);
        // The view: a 21 x 15 cm sheet, 40 pixels per cm, its centre in the middle.
        Skala = 25.0;
        SrodekX = 10.5;
        SrodekY = 7.5;
        PolSzerEkranu = 420;
        PolWysEkranu = 300;
    }
    void TearDown() override
    {
        UstawBitmapeRysunku(nullptr);
        TestRysowania::TearDown();
    }
    QImage obraz;
};

TEST_F(Arkusz, ArkuszZLiniamiLukamiWielokatamiITekstem)
{
    // A line of the frame, a thick red line, a blue arc, a filled green
    // polygon, an arrow and Polish stroke text.
    RysujLinie(Czarny, "ramka", 0.5, 0.5, 20.5, 0.5, 0.1);
    RysujLinie(Czerwony, "l", 2, 12, 8, 12, 1.0);
    RysujLukL(Niebieski, 36, 15, 10, 3, 0, static_cast<float>(std::numbers::pi), 0.3, "l");
    const std::vector<PunktXY> czworokat{{2, 2}, {6, 2}, {6, 5}, {2, 5}};
    RysujWielokat(czworokat, Czarny, Zielony, true, 0.3);
    RysujStrzalke(Czarny, Czerwony, 12, 2, 3, 3, 0, 1, 0.3f, "s");

    const std::string roman = KG_BUILD_DIR "/Dane/Roman100.Lzs";
    const bool saCzcionki = std::filesystem::exists(roman);
    if (saCzcionki) {
        ASSERT_EQ(WczytajCzcionke(roman, Czcionka), "");
    } else {
        // Without the shipped font a glyph table of its own: every letter a box.
        for (int k = 33; k < 256; ++k) Czcionka[k] = ZnakTestowy({{0, 0, 40, 0}, {40, 0, 40, 60}, {40, 60, 0, 60}, {0, 60, 0, 0}}, 50);
    }
    const std::string napis = Utf8NaCp1250("Zażółć gęślą jaźń ŁÓDŹ");
    RysujTekst(napis, Niebieski, 2, 7, 1.0, 0.8, 0.3, 0.0, "t");
    RysujTekst(napis, Czarny, 19, 1, 0.8, 0.6, 0.1, 90.0, "t");
    ZakonczRysowanieEkranu();

    std::filesystem::create_directories(KG_BUILD_DIR "/artefakty");
    ASSERT_TRUE(obraz.save(KG_BUILD_DIR "/artefakty/arkusz.png"));

    // The frame line: one pixel at its row.
    EXPECT_TRUE(KolorObok(obraz, 10, 0.5, Czarny, 0));
    EXPECT_TRUE(KolorObok(obraz, 0.6, 0.5, Czarny, 0));
    // The thick red line is four pixels wide, but not beyond.
    EXPECT_TRUE(KolorObok(obraz, 5, 12, Czerwony, 0));
    EXPECT_TRUE(KolorObok(obraz, 5, 12.04, Czerwony, 0));
    EXPECT_FALSE(KolorObok(obraz, 5, 12.2, Czerwony, 0));
    EXPECT_FALSE(KolorObok(obraz, 9, 12, Czerwony, 2));
    // The arc passes through its top and its two ends, not through its centre.
    EXPECT_TRUE(KolorObok(obraz, 15, 13, Niebieski, 1));
    EXPECT_TRUE(KolorObok(obraz, 18, 10, Niebieski, 1));
    EXPECT_TRUE(KolorObok(obraz, 12, 10, Niebieski, 1));
    EXPECT_FALSE(KolorObok(obraz, 15, 10, Niebieski, 3));
    EXPECT_FALSE(KolorObok(obraz, 15, 7, Niebieski, 3));  // upper half only
    // The polygon is filled inside and outlined in black.
    EXPECT_EQ(Piksel(obraz, 4, 3.5), qRgb(0, 160, 0) & 0xFFFFFFu);
    EXPECT_TRUE(KolorObok(obraz, 2, 3.5, Czarny, 1));
    EXPECT_EQ(Piksel(obraz, 7, 3.5), 0xFFFFFFu);
    // The arrow: red inside its head, white beside its shaft.
    EXPECT_TRUE(KolorObok(obraz, 12, 4.2, Czerwony, 1));
    EXPECT_EQ(Piksel(obraz, 13, 1.5), 0xFFFFFFu);
    // The text: blue strokes along its line, nothing below its baseline
    // beyond the descenders, and the upward text in black near x = 19.
    const int wiersz = CmNaEkranY(7);
    const int niebieskie = PikseleWKolorze(obraz, QRect(CmNaEkranX(2), wiersz - 40, 600, 40), Niebieski);
    EXPECT_GT(niebieskie, 300);
    EXPECT_EQ(PikseleWKolorze(obraz, QRect(CmNaEkranX(2), wiersz + 20, 600, 60), Niebieski), 0);
    EXPECT_GT(PikseleWKolorze(obraz, QRect(CmNaEkranX(19) - 40, CmNaEkranY(14), 45, CmNaEkranY(1) - CmNaEkranY(14)), Czarny), 200);
    if (saCzcionki) {
        // The accent of "Ż" stands above the cap height of "Z"'s neighbours: ink above row - 1 cm.
        EXPECT_GT(PikseleWKolorze(obraz, QRect(CmNaEkranX(2), wiersz - 60, 600, 20), Niebieski), 0);
    }
}

TEST_F(Arkusz, TrueTypeNaBitmapie)
{
    RysujTekstTT("Kartogram", Czerwony, 2, 7, 1.0, "t");       // 48 pixels
    RysujTekstTT("malutki", Czerwony, 2, 3, 0.1, "t");         // 4 pixels: a grey box
    ZakonczRysowanieEkranu();
    obraz.save(KG_BUILD_DIR "/artefakty/tekst_tt.png");
    EXPECT_GT(PikseleWKolorze(obraz, QRect(CmNaEkranX(2), CmNaEkranY(7) - 48, 400, 50), Czerwony), 200);
    EXPECT_GT(PikseleWKolorze(obraz, QRect(CmNaEkranX(2), CmNaEkranY(3) - 4, 100, 5), KolorRGB(128, 128, 128)), 10);
    EXPECT_GT(SzerTekstuTT("Kartogram", 1.0), 3.0f);  // 9 letters of a 48-pixel face, over 120 pixels
}

TEST_F(Arkusz, ZnacznikiWezlowIObrysKreskowany)
{
    Czcionka['W'] = ZnakTestowy({{0, 0, 40, 60}}, 50);
    RysujWezelRonda("W", Czarny, 5.0f, 7.5f, 0.2, "null");
    RysujWezelRuchoplanu("W", Czarny, 15.0f, 7.5f, 0.2, "null");
    const std::vector<PunktXY> prostokat{{2, 12}, {19, 12}, {19, 14}, {2, 14}};
    RysujObrys(prostokat, PioroKreskowane, Czerwony, 0, false, 0.1, "o");
    ZakonczRysowanieEkranu();
    obraz.save(KG_BUILD_DIR "/artefakty/wezly.png");

    // The roundabout's circles (1.2 and 1.5 cm) cross the +x axis, the centre stays empty.
    EXPECT_TRUE(KolorObok(obraz, 5 + 1.2, 7.5, Czarny, 1));
    EXPECT_TRUE(KolorObok(obraz, 5 - 1.5, 7.5, Czarny, 1));
    EXPECT_TRUE(KolorObok(obraz, 5, 7.5 + 1.5, Czarny, 1));
    EXPECT_FALSE(KolorObok(obraz, 5, 7.5, Czarny, 5));
    // Its spokes from 1.47 to 2.2 off the centre.
    EXPECT_TRUE(KolorObok(obraz, 5 + 2.0, 7.75, Czarny, 1));
    // The junction marker's horizontal lines at +-0.4.
    EXPECT_TRUE(KolorObok(obraz, 15 - 2.0, 7.9, Czarny, 1));
    EXPECT_TRUE(KolorObok(obraz, 15 + 2.0, 7.1, Czarny, 1));
    // The dashed outline has gaps along its long edge.
    const int y = CmNaEkranY(12);
    int czerwone = 0;
    for (int x = CmNaEkranX(3); x < CmNaEkranX(18); ++x)
        if ((obraz.pixel(x, y) & 0xFFFFFF) == 0xFF0000u) ++czerwone;
    const int dlugosc = CmNaEkranX(18) - CmNaEkranX(3);
    EXPECT_GT(czerwone, dlugosc / 3);
    EXPECT_LT(czerwone, dlugosc - 20);
}

TEST(PlotnoQtTest, CienkaLiniaBezOstatniegoPiksela)
{
    QImage obraz(40, 20, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    {
        PlotnoQt p(&obraz);
        p.UstawKolorPiora(Czarny);
        p.UstawGruboscPiora(0);
        p.PrzesunDo(10, 10);
        p.LiniaDo(20, 10);
        // A rectangle covers its box but not the right and bottom edges.
        p.UstawKolorPedzla(Czerwony);
        p.UstawStylPedzla(StylPedzla::Pelny);
        p.UstawKolorPiora(Czerwony);
        p.Prostokat(30, 2, 35, 6);
        // A rectangle of another image copied in at the same size.
        QImage zrodlo(10, 10, QImage::Format_RGB32);
        zrodlo.fill(Qt::blue);
        p.KopiujProstokat(2, 14, zrodlo, 5, 5, 3, 3);
    }
    EXPECT_EQ(obraz.pixel(2, 14) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(obraz.pixel(4, 16) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(obraz.pixel(5, 16) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(obraz.pixel(10, 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(obraz.pixel(19, 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(obraz.pixel(20, 10) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(obraz.pixel(30, 2) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(obraz.pixel(34, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(obraz.pixel(35, 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(obraz.pixel(34, 6) & 0xFFFFFF, 0xFFFFFFu);
}
