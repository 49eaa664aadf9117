// What the canvas hands a device that is no bitmap (a printer): a run of
// strokes of a wide solid pen as one polyline, everything else stroke by
// stroke. Recorded by a paint engine that keeps the calls it gets.

#include <gtest/gtest.h>

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
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
