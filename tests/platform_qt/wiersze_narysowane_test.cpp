// The rows a bitmap's canvas says it drew on hold every pixel it painted:
// the whole sheet's redraw lays over and clears only those rows of its
// layers, so a pixel outside them would be lost and left for the next one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/Plotno.h"

namespace {

// The rows of the image holding a pixel that is not zero: [od, do_).
PlotnoQt::Wiersze Zamalowane(const QImage& obraz)
{
    PlotnoQt::Wiersze w{obraz.height(), 0};
    for (int y = 0; y < obraz.height(); ++y) {
        const auto* wiersz = reinterpret_cast<const uint32_t*>(obraz.constScanLine(y));
        for (int x = 0; x < obraz.width(); ++x)
            if (wiersz[x] != 0) {
                w.od = std::min(w.od, y);
                w.do_ = std::max(w.do_, y + 1);
                break;
            }
    }
    return w;
}

struct Przypadek {
    const char* nazwa;
    std::function<void(PlotnoQt&)> rysuj;
};

void SprawdzPrzypadki(const std::vector<Przypadek>& przypadki)
{
    for (int grubosc : {0, 1, 3, 9}) {
        for (const Przypadek& p : przypadki) {
            QImage obraz(200, 200, QImage::Format_RGB32);
            // Zero, as a layer starts (fill would set the alpha of RGB32).
            std::memset(obraz.bits(), 0, static_cast<std::size_t>(obraz.sizeInBytes()));
            PlotnoQt plotno(&obraz);
            plotno.UstawKolorPiora(0x000000);  // black: opaque, not zero
            plotno.UstawKolorPedzla(0x0000FF);
            plotno.UstawStylPedzla(StylPedzla::Pelny);
            plotno.UstawGruboscPiora(grubosc);
            plotno.ZerujWierszeNarysowane();
            p.rysuj(plotno);
            plotno.Zakoncz();
            const PlotnoQt::Wiersze malowane = Zamalowane(obraz);
            ASSERT_LT(malowane.od, malowane.do_) << p.nazwa << " painted nothing";
            const PlotnoQt::Wiersze podane = plotno.WierszeNarysowane();
            EXPECT_LE(podane.od, malowane.od) << p.nazwa << ", pen " << grubosc;
            EXPECT_GE(podane.do_, malowane.do_) << p.nazwa << ", pen " << grubosc;
            EXPECT_GE(podane.od, 0);
            EXPECT_LE(podane.do_, 200);
            const std::vector<unsigned char>& kazdy = plotno.KazdyWierszNarysowany();
            ASSERT_EQ(kazdy.size(), 200u);
            for (int y = 0; y < 200; ++y) {
                if (Zamalowane(obraz.copy(0, y, 200, 1)).od == 0) {
                    EXPECT_TRUE(kazdy[static_cast<std::size_t>(y)]) << p.nazwa << ", pen " << grubosc << ", row " << y;
                }
            }
        }
    }
}

std::vector<Przypadek> Przypadki()
{
    return {
        {"line", [](PlotnoQt& p) { p.PrzesunDo(20, 50); p.LiniaDo(150, 90); }},
        {"line upwards", [](PlotnoQt& p) { p.PrzesunDo(150, 120); p.LiniaDo(30, 60); }},
        {"one-pixel step", [](PlotnoQt& p) { p.PrzesunDo(80, 80); p.LiniaDo(81, 81); }},
        {"line off the bitmap", [](PlotnoQt& p) { p.PrzesunDo(-50, 10); p.LiniaDo(100, 300); }},
        {"strokes",
         [](PlotnoQt& p) {
             const std::vector<PunktInt> k{{10, 30}, {11, 31}, {40, 30}, {40, 70}, {60, 170}, {90, 160}};
             p.Odcinki(k);
         }},
        {"polygon", [](PlotnoQt& p) { p.Wielokat({{20, 40}, {180, 60}, {100, 140}}); }},
        {"rectangle", [](PlotnoQt& p) { p.Prostokat(30, 150, 120, 110); }},
        {"whole bitmap", [](PlotnoQt& p) { p.Prostokat(0, 0, 200, 200); }},
        {"ellipse", [](PlotnoQt& p) { p.Elipsa(50, 60, 150, 100); }},
        {"text",
         [](PlotnoQt& p) {
             p.UstawWysokoscCzcionki(24);
             p.WypiszTekst(10, 100, "\xA3\xF3" "d\xBC gj");  // Łódź gj in Windows-1250
         }},
        {"image", [](PlotnoQt& p) {
             QImage obrazek(30, 20, QImage::Format_RGB32);
             obrazek.fill(0xFF102030);
             p.KopiujProstokat(40, 170, obrazek, 0, 0, 30, 20);
         }},
    };
}

TEST(WierszeNarysowane, KazdaFiguraWSwoichWierszach) { SprawdzPrzypadki(Przypadki()); }

// Two figures far apart: the rows between them are not drawn on, though
// they lie between the first and the last row drawn.
TEST(WierszeNarysowane, WierszeMiedzyFiguramiNieNarysowane)
{
    QImage obraz(200, 200, QImage::Format_RGB32);
    PlotnoQt plotno(&obraz);
    plotno.UstawGruboscPiora(1);
    plotno.ZerujWierszeNarysowane();
    plotno.PrzesunDo(10, 20);
    plotno.LiniaDo(100, 20);
    plotno.Prostokat(10, 150, 50, 160);
    plotno.Zakoncz();
    const std::vector<unsigned char>& kazdy = plotno.KazdyWierszNarysowany();
    ASSERT_EQ(kazdy.size(), 200u);
    // The pen of width 1 reaches 3 rows further each way.
    for (int y = 0; y < 200; ++y)
        EXPECT_EQ(kazdy[static_cast<std::size_t>(y)] != 0, (y >= 17 && y < 24) || (y >= 147 && y < 164)) << "row " << y;
    EXPECT_EQ(plotno.WierszeNarysowane().od, 17);
    EXPECT_EQ(plotno.WierszeNarysowane().do_, 164);
}

// Every figure at every pen width, on a bitmap zeroed first.
void RysujWszystko(PlotnoQt& plotno)
{
    for (int grubosc : {0, 1, 3, 9})
        for (const Przypadek& p : Przypadki()) {
            plotno.UstawKolorPiora(0x000000 + 0x203040 * static_cast<TKolor>(grubosc));
            plotno.UstawKolorPedzla(0x0000FF);
            plotno.UstawStylPedzla(StylPedzla::Pelny);
            plotno.UstawGruboscPiora(grubosc);
            p.rysuj(plotno);
        }
    plotno.Zakoncz();
}

QImage Zerowy()
{
    QImage obraz(200, 200, QImage::Format_RGB32);
    std::memset(obraz.bits(), 0, static_cast<std::size_t>(obraz.sizeInBytes()));
    return obraz;
}

// Canvases limited to bands of rows paint one bitmap together: each paints
// its rows alone, and the bands make the very pixels of one canvas's
// drawing, also where lines, outlines and texts cross a band's edge.
TEST(WierszeNarysowane, PasyWierszyJakCalyObraz)
{
    QImage caly = Zerowy();
    {
        PlotnoQt plotno(&caly);
        RysujWszystko(plotno);
    }
    QImage pasami = Zerowy();
    const std::vector<int> granice{0, 37, 61, 100, 101, 163, 200};
    for (std::size_t k = 0; k + 1 < granice.size(); ++k) {
        QImage widok(pasami.bits(), 200, 200, pasami.bytesPerLine(), pasami.format());
        PlotnoQt plotno(&widok);
        plotno.OgraniczDoWierszy(granice[k], granice[k + 1]);
        RysujWszystko(plotno);
        for (int y = 0; y < 200; ++y) {
            const auto* wiersz = reinterpret_cast<const uint32_t*>(pasami.constScanLine(y));
            if (y >= granice[k + 1]) {
                ASSERT_TRUE(std::all_of(wiersz, wiersz + 200, [](uint32_t piksel) { return piksel == 0; }))
                    << "band " << k << " painted row " << y;
            }
        }
    }
    EXPECT_TRUE(pasami == caly);
}

// Nothing drawn since the reset: no rows; the painter handed out: all rows.
TEST(WierszeNarysowane, PustoIMalarzZZewnatrz)
{
    QImage obraz(50, 40, QImage::Format_RGB32);
    PlotnoQt plotno(&obraz);
    plotno.Prostokat(1, 1, 10, 10);
    plotno.ZerujWierszeNarysowane();
    EXPECT_EQ(plotno.WierszeNarysowane().od, plotno.WierszeNarysowane().do_);
    plotno.Malarz();
    EXPECT_EQ(plotno.WierszeNarysowane().od, 0);
    EXPECT_EQ(plotno.WierszeNarysowane().do_, 40);
    plotno.Zakoncz();
}

} // namespace
