// What the canvas hands a device that is no bitmap (a printer): a run of
// strokes of a wide solid pen as one polyline, everything else stroke by
// stroke. Recorded by a paint engine that keeps the calls it gets. And a
// bitmap's texts sized to a fraction of a pixel.

#include <gtest/gtest.h>

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "platform/qt/Plotno.h"

namespace {

using Punkty = std::vector<QPoint>;

class SilnikNagrywajacy : public QPaintEngine {
public:
    SilnikNagrywajacy() : QPaintEngine(QPaintEngine::AllFeatures) {}
    std::vector<Punkty> lamane;
    std::vector<Punkty> linie;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawLines(const QLineF* l, int n) override
    {
        for (int i = 0; i < n; ++i)
            linie.push_back({l[i].p1().toPoint(), l[i].p2().toPoint()});
    }
    void drawPolygon(const QPointF* p, int n, PolygonDrawMode tryb) override
    {
        Punkty w;
        for (int i = 0; i < n; ++i)
            w.push_back(p[i].toPoint());
        (tryb == PolylineMode ? lamane : linie).push_back(w);
    }
};

class UrzadzenieNagrywajace : public QPaintDevice {
public:
    SilnikNagrywajacy silnik;
    QPaintEngine* paintEngine() const override { return const_cast<SilnikNagrywajacy*>(&silnik); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
        case PdmHeight: return 1000;
        case PdmWidthMM:
        case PdmHeightMM: return 250;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 100;
        case PdmDepth: return 32;
        case PdmNumColors: return 1 << 24;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return 0;
        }
    }
};

// Three strokes that run on from one another, a stroke of no length, and a
// stroke apart.
const std::vector<PunktInt> Kreski = {{0, 0},   {10, 0},  {10, 0},  {10, 10}, {10, 10},
                                       {0, 10},  {50, 50}, {50, 50}, {20, 20}, {30, 30}};

void Narysuj(UrzadzenieNagrywajace& u, int grubosc, int styl)
{
    PlotnoQt p(&u);
    p.UstawGruboscPiora(grubosc);
    p.UstawStylPiora(styl);
    p.Odcinki(Kreski);
    p.Zakoncz();
}

} // namespace

TEST(PlotnoDrukarki, KreskiSzerokiegoPioraIdaLamanymi)
{
    UrzadzenieNagrywajace u;
    Narysuj(u, 5, PioroCiagle);
    const std::vector<Punkty> lamane = {{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {{20, 20}, {30, 30}}};
    EXPECT_EQ(u.silnik.lamane, lamane);
    EXPECT_TRUE(u.silnik.linie.empty());
}

TEST(PlotnoDrukarki, CienkieIPrzerywaneKreskiIdaOsobno)
{
    const std::vector<Punkty> osobno = {{{0, 0}, {10, 0}}, {{10, 0}, {10, 10}}, {{10, 10}, {0, 10}}, {{20, 20}, {30, 30}}};
    // A thin pen leaves out its last pixel per stroke; a dash pattern starts
    // again with each stroke: neither may run on.
    for (auto [grubosc, styl] : {std::pair{1, int(PioroCiagle)}, std::pair{5, int(PioroKreskowane)}}) {
        UrzadzenieNagrywajace u;
        Narysuj(u, grubosc, styl);
        EXPECT_TRUE(u.silnik.lamane.empty()) << grubosc;
        EXPECT_EQ(u.silnik.linie, osobno) << grubosc;
    }
}

namespace {

// The columns a text paints on a white bitmap, from its first to its last.
int KolumnyTekstu(const QImage& obraz)
{
    int od = obraz.width(), do_ = -1;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (qGray(obraz.pixel(x, y)) < 128) {
                od = std::min(od, x);
                do_ = std::max(do_, x);
            }
    return do_ - od + 1;
}

} // namespace

// A text sized to a fraction of a pixel is as wide, in cells, at every size:
// measured and painted. Whole pixel sizes would make the 10.4-pixel cell
// 10 and the 11.6-pixel one 12, some 4% each way.
TEST(PlotnoBitmapy, TekstDokladnejWysokosciRownieSzerokiWKazdymRozmiarze)
{
    const std::string tekst = "Skrzy\xbfowanie \x8cwi\xeatokrzyska";  // Windows-1250
    std::vector<double> naKomorke;
    for (double komorka : {10.4, 11.6, 17.3, 23.5, 41.2, 120.7}) {
        QImage obraz(3000, 200, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        PlotnoQt p(&obraz);
        p.UstawKrojCzcionki("Tahoma");
        p.UstawWysokoscCzcionkiDokladnie(komorka);
        p.UstawStylPedzla(StylPedzla::Pusty);
        const int szerokosc = p.SzerokoscTekstu(tekst);
        p.WypiszTekst(10, 20, tekst);
        p.Zakoncz();
        const int kolumny = KolumnyTekstu(obraz);
        // The glyphs' ink lies within the advance, less its side bearings.
        EXPECT_LE(kolumny, szerokosc + 1) << komorka;
        EXPECT_GE(kolumny, szerokosc * 0.95 - 2) << komorka;
        naKomorke.push_back(szerokosc / komorka);
    }
    const auto [mniej, wiecej] = std::minmax_element(naKomorke.begin(), naKomorke.end());
    EXPECT_LT(*wiecej / *mniej, 1.02) << *mniej << " to " << *wiecej << " pixels per pixel of the cell";

    // Whole pixels again after a whole height: the face's own size for it.
    QImage obraz(10, 10, QImage::Format_RGB32);
    PlotnoQt p(&obraz), wzor(&obraz);
    for (PlotnoQt* q : {&p, &wzor})
        q->UstawKrojCzcionki("Tahoma");
    p.UstawWysokoscCzcionkiDokladnie(23.5);
    p.SzerokoscTekstu(tekst);
    p.UstawWysokoscCzcionki(13);
    wzor.UstawWysokoscCzcionki(13);
    EXPECT_EQ(p.SzerokoscTekstu(tekst), wzor.SzerokoscTekstu(tekst));
}
