#include "drawing/Wyjscie.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include <QImage>

#include "drawing/WyjsciaPlotna.h"
#include "drawing/WyjscieDoDxf.h"
#include "platform/qt/Drukarka.h"
#include "platform/qt/Plotno.h"

thread_local bool WyjscieEkran = true;
thread_local bool WyjscieDrukarka = false;
thread_local bool WyjscieDxf = false;
thread_local bool WyjscieSchowek = false;
thread_local bool TekstTT = false;

double Skala = 1.0;
double SrodekX = 0.0;
double SrodekY = 0.0;

double PolSzerEkranu = 0.0;
double PolWysEkranu = 0.0;
double PiksNaCmX = 0.0;
double PiksNaCmY = 0.0;

namespace {
QImage* bitmapaRysunku = nullptr;
thread_local Plotno* plotnoEkranu = nullptr;
thread_local Plotno* plotnoDrukarki = nullptr;
// The canvas made for BitmapaRysunku. Not destroyed at exit: its font must
// not outlive the Qt application in a static destructor.
PlotnoQt* plotnoBitmapy = nullptr;

WyjscieDoDxf wyjscieDxf;
WyjscieDrukarki wyjscieDrukarki;
WyjscieEkranu wyjscieEkranu;
// Per thread: a thread measuring a drawing puts its measure in the screen's place.
thread_local std::array<Wyjscie*, 3> wyjscia = {&wyjscieDxf, &wyjscieDrukarki, &wyjscieEkranu};

constexpr int32_t BezZakresu = INT32_MIN;
thread_local int32_t rysowanyWariant = BezZakresu;
}  // namespace

void ZerujWyjscia()
{
    WyjscieEkran = true;
    WyjscieDrukarka = false;
    WyjscieDxf = false;
    WyjscieSchowek = false;
    TekstTT = false;
}

WidokEkranu WidokCalegoArkusza(double arkuszB, double arkuszH, int szerokosc, int wysokosc)
{
    const double xMin = -1.0, xMax = arkuszB + 1.0;
    const double yMin = -1.0, yMax = arkuszH + 1.0;
    // A drawing area of 5 pixels or less would divide by zero or flip the view.
    const double szer = std::max(szerokosc - 5, 1);
    const double wys = std::max(wysokosc - 5, 1);
    const double sx = std::fabs(xMax - xMin) * 1000.0 / szer;
    const double sy = std::fabs(yMax - yMin) * 1000.0 / wys;
    return {std::max(sx, sy), (xMax + xMin) / 2.0, (yMax + yMin) / 2.0};
}

Wyjscie& WyjscieKanalu(Kanal kanal) { return *wyjscia[static_cast<std::size_t>(kanal)]; }

namespace {
const std::array<Wyjscie*, 3> wlasne = {&wyjscieDxf, &wyjscieDrukarki, &wyjscieEkranu};
}  // namespace

void UstawWyjscie(Kanal kanal, Wyjscie* wyjscie)
{
    const auto k = static_cast<std::size_t>(kanal);
    wyjscia[k] = wyjscie ? wyjscie : wlasne[k];
}

bool WyjscieWlasne(Kanal kanal)
{
    const auto k = static_cast<std::size_t>(kanal);
    return wyjscia[k] == wlasne[k];
}

AktywneWyjscia Aktywne()
{
    AktywneWyjscia a;
    auto dodaj = [&a](bool flaga, Kanal k) {
        Wyjscie* w = wyjscia[static_cast<std::size_t>(k)];
        if (flaga && w->Gotowe()) {
            a.w[static_cast<std::size_t>(a.n)] = w;
            a.kanal[static_cast<std::size_t>(a.n)] = k;
            ++a.n;
        }
    };
    dodaj(WyjscieDxf, Kanal::Dxf);
    dodaj(WyjscieDrukarka, Kanal::Drukarka);
    dodaj(WyjscieEkran, Kanal::Ekran);
    return a;
}

int SpacjeEtykiety()
{
    int spacje = 3;
    for (Wyjscie* w : Aktywne())
        spacje = std::min(spacje, w->SpacjeEtykiety());
    return spacje;
}

StanWyjsc StanWyjsc::Biezacy()
{
    return {WyjscieEkran, WyjscieDrukarka, WyjscieDxf, WyjscieSchowek, TekstTT, rysowanyWariant, plotnoEkranu,
            plotnoDrukarki};
}

void StanWyjsc::Przyjmij() const
{
    WyjscieEkran = ekran;
    WyjscieDrukarka = drukarka;
    WyjscieDxf = dxf;
    WyjscieSchowek = schowek;
    TekstTT = tekstTT;
    rysowanyWariant = wariant;
    ::plotnoEkranu = plotno;
    ::plotnoDrukarki = plotnoDruku;
}

int32_t RysowanyWariant() { return rysowanyWariant == BezZakresu ? BiezacyWariant : rysowanyWariant; }

ZakresWariantu::ZakresWariantu(int32_t wariant) : poprzedni_(rysowanyWariant) { rysowanyWariant = wariant; }
ZakresWariantu::~ZakresWariantu() { rysowanyWariant = poprzedni_; }

int32_t NaPikseleSkrajne(double wartosc)
{
    constexpr double granica = 1073741824.0;
    if (std::isnan(wartosc)) return 0;
    return wartosc > 0.0 ? static_cast<int32_t>(granica) : -static_cast<int32_t>(granica);
}

double EkranNaCmX(int32_t px) { return (px - PolSzerEkranu) * Skala / 1000.0 + SrodekX; }
double EkranNaCmY(int32_t py) { return (PolWysEkranu - py) * Skala / 1000.0 + SrodekY; }

int32_t CmNaDrukX(float x) { return NaPiksele(x * PiksNaCmX); }
int32_t CmNaDrukY(float y) { return NaPiksele((static_cast<double>(wg.ArkuszH) - y) * PiksNaCmY); }

int32_t GruboscDruk(float mm) { return NaPiksele(DpiDrukarkiX * mm * 0.1 / 2.54); }

double DxfY(double y)
{
    return y - (static_cast<double>(wg.ArkuszH) + wg.OdstepArkuszyH) * RysowanyWariant();
}

Plotno* PlotnoEkranu() { return plotnoEkranu; }
Plotno* PlotnoDrukarki() { return plotnoDrukarki; }
void UstawPlotnoEkranu(Plotno* plotno) { plotnoEkranu = plotno; }
void UstawPlotnoDrukarki(Plotno* plotno) { plotnoDrukarki = plotno; }

void UstawBitmapeRysunku(QImage* bitmapa)
{
    if (plotnoEkranu == plotnoBitmapy) plotnoEkranu = nullptr;
    delete plotnoBitmapy;
    plotnoBitmapy = nullptr;
    bitmapaRysunku = nullptr;
    if (bitmapa) {
        plotnoBitmapy = new PlotnoQt(bitmapa);
        bitmapaRysunku = bitmapa;
        plotnoEkranu = plotnoBitmapy;
    }
}

void ZakonczRysowanieEkranu()
{
    if (plotnoBitmapy) plotnoBitmapy->Zakoncz();
}

QImage* BitmapaRysunkuWlasna()
{
    const bool wlasne = wyjscia[static_cast<std::size_t>(Kanal::Ekran)] == &wyjscieEkranu;
    if (!wlasne || !plotnoBitmapy || plotnoEkranu != plotnoBitmapy || !WyjscieEkran || WyjscieDrukarka || WyjscieDxf)
        return nullptr;
    return bitmapaRysunku;
}

void UstawDrukarke(Drukarka* drukarka)
{
    if (!drukarka) {
        plotnoDrukarki = nullptr;
        return;
    }
    plotnoDrukarki = &drukarka->PlotnoDrukarki();
    DpiDrukarkiX = drukarka->DpiX();
    DpiDrukarkiY = drukarka->DpiY();
    PiksNaCmX = DpiDrukarkiX / 2.54;
    PiksNaCmY = DpiDrukarkiY / 2.54;
}

ZachowajWyjscia::ZachowajWyjscia() : ekran_(WyjscieEkran), drukarka_(WyjscieDrukarka), dxf_(WyjscieDxf) {}

ZachowajWyjscia::ZachowajWyjscia(bool ekran, bool drukarka, bool dxf) : ZachowajWyjscia()
{
    WyjscieEkran = ekran;
    WyjscieDrukarka = drukarka;
    WyjscieDxf = dxf;
}

ZachowajWyjscia::~ZachowajWyjscia()
{
    WyjscieEkran = ekran_;
    WyjscieDrukarka = drukarka_;
    WyjscieDxf = dxf_;
}
