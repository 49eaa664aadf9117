#pragma once
// The outputs of the drawing primitives and the transforms they use.
//
// Every primitive serves up to three outputs, each behind its own flag of the
// model (model/Projekt.h): the DXF file (`WyjscieDxf`, through the DXF writer
// of drawing/Dxf.h), the printer's canvas (`WyjscieDrukarka`) and the screen
// bitmap's canvas (`WyjscieEkran`). The two canvases are attached here; a test
// attaches recording canvases instead (drawing/Nagrywanie.h).

#include <cmath>
#include <cstdint>

#include "model/Projekt.h"

class Plotno;
class QImage;
class Drukarka;

// Half the view's size in pixels: the pixel position of (SrodekX, SrodekY).
extern double PolSzerEkranu;
extern double PolWysEkranu;
// Printer pixels per centimetre across and down.
extern double PiksNaCmX;
extern double PiksNaCmY;

// Every conversion of centimetres or millimetres to pixels ends here:
// truncation toward zero (0.9 -> 0, -0.9 -> 0). Values beyond the int32 range
// are clamped and NaN gives 0, so no input is undefined. Inline: a redraw
// converts about a million points.
int32_t NaPikseleSkrajne(double wartosc);  // NaN and values beyond the bound
inline int32_t NaPiksele(double wartosc)
{
    constexpr double granica = 1073741824.0;  // far off any device, safe to add to
    // The conversion itself truncates toward zero.
    if (std::fabs(wartosc) < granica) return static_cast<int32_t>(wartosc);
    return NaPikseleSkrajne(wartosc);
}

// Sheet centimetres <-> pixels of the screen bitmap.
inline int32_t CmNaEkranX(double x) { return NaPiksele((x - SrodekX) * 1000.0 / Skala + PolSzerEkranu); }
inline int32_t CmNaEkranY(double y) { return NaPiksele(PolWysEkranu - (y - SrodekY) * 1000.0 / Skala); }
double EkranNaCmX(int32_t px);
double EkranNaCmY(int32_t py);
// Sheet centimetres -> printer pixels (the top edge of the sheet is row 0).
int32_t CmNaDrukX(float x);
int32_t CmNaDrukY(float y);
// Line widths in millimetres -> pen widths in pixels.
inline int32_t GruboscEkran(float mm) { return NaPiksele(1000.0 / Skala * (0.1 * mm)); }
int32_t GruboscDruk(float mm);
// A sheet y as written to the DXF file: each variant lies one sheet height
// and one gap below the one before.
double DxfY(double y);

// The canvases of the outputs; nullptr when none is attached (the output is
// then skipped even with its flag set).
Plotno* PlotnoEkranu();
Plotno* PlotnoDrukarki();
void UstawPlotnoEkranu(Plotno* plotno);
void UstawPlotnoDrukarki(Plotno* plotno);

// Attaches the main window's bitmap `BitmapaRysunku` as the screen canvas
// (nullptr detaches it). The canvas keeps its painter open between
// primitives and may hold back thin lines until then: call
// `ZakonczRysowanieEkranu` before the bitmap is shown, copied, resized or
// replaced.
void UstawBitmapeRysunku(QImage* bitmapa);
void ZakonczRysowanieEkranu();

// Attaches a printer whose document is open: its canvas becomes the printer
// canvas and `DpiDrukarkiX`, `DpiDrukarkiY`, `PiksNaCmX`, `PiksNaCmY` are set
// from its resolution. nullptr detaches it.
void UstawDrukarke(Drukarka* drukarka);

// Keeps the three output flags and gives them back when the scope ends, also
// when a print job or a DXF export ends with an exception half way.
class ZachowajWyjscia {
public:
    ZachowajWyjscia();
    ZachowajWyjscia(bool ekran, bool drukarka, bool dxf);  // and sets these
    ~ZachowajWyjscia();
    ZachowajWyjscia(const ZachowajWyjscia&) = delete;
    ZachowajWyjscia& operator=(const ZachowajWyjscia&) = delete;

private:
    bool ekran_, drukarka_, dxf_;
};
