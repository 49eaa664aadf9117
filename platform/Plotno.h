#pragma once
// The drawing canvas: pen, brush, font and the handful of operations the
// drawing primitives need, in integer device pixels. The drawing code and
// the recording canvas of the tests use this interface; the canvases are
// `PlotnoQt` (platform/qt/Plotno.h: a bitmap or a printer through QPainter)
// and `PlotnoPdf` (platform/PlotnoPdf.h: a page of a PDF file).

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Typy.h"

// Pen styles as the project's numbers give them (0 solid).
enum StylPiora : int {
    PioroCiagle = 0,
    PioroKreskowane = 1,
    PioroKropkowane = 2,
    PioroKreskaKropka = 3,
    PioroKreskaKropkaKropka = 4,
    PioroBrak = 5,
};

enum class StylPedzla { Pelny, Pusty };

class Plotno {
public:
    virtual ~Plotno() = default;

    virtual void UstawKolorPiora(TKolor kolor) = 0;
    // 0 draws the thinnest line the device has.
    virtual void UstawGruboscPiora(int piksele) = 0;
    virtual void UstawStylPiora(int styl) = 0;
    virtual void UstawKolorPedzla(TKolor kolor) = 0;
    virtual void UstawStylPedzla(StylPedzla styl) = 0;

    virtual void PrzesunDo(int x, int y) = 0;
    // A line from the current position; the end point itself is not painted.
    virtual void LiniaDo(int x, int y) = 0;
    // Separate lines with the current pen, given as pairs of points (start,
    // end), each drawn as `PrzesunDo` + `LiniaDo` would draw it; the position
    // ends at the last end point. A canvas may draw them in one call.
    virtual void Odcinki(std::span<const PunktInt> konce);
    // A closed polygon outlined with the pen and filled with the brush.
    virtual void Wielokat(const std::vector<PunktInt>& punkty) = 0;
    virtual void Prostokat(int x1, int y1, int x2, int y2) = 0;
    // The ellipse inscribed in the box (x1, y1)-(x2, y2).
    virtual void Elipsa(int x1, int y1, int x2, int y2) = 0;

    // Texts are Windows-1250 bytes; (x, y) is the top-left corner of the text.
    // With a solid brush the text's cell is filled with the brush colour first.
    virtual void WypiszTekst(int x, int y, std::string_view tekst) = 0;
    virtual int SzerokoscTekstu(std::string_view tekst) = 0;
    virtual void UstawKrojCzcionki(const std::string& kroj) = 0;
    // The font's cell height (ascent plus descent) in pixels.
    virtual void UstawWysokoscCzcionki(int piksele) = 0;
    // The same to a fraction of a pixel, for texts of the sheet: the face is
    // sized by its own measures, not to whole pixels, so that a text takes
    // the same part of the sheet at every zoom and on every device.
    virtual void UstawWysokoscCzcionkiDokladnie(double piksele);
    virtual void UstawKolorCzcionki(TKolor kolor) = 0;

    // Whether anything drawn inside the box (corners in any order) can reach
    // the canvas; a drawing leaves out at once what cannot.
    virtual bool ProstokatWidoczny(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) const { return true; }
};
