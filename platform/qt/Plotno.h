#pragma once
// The drawing canvas: pen, brush, font and the handful of operations the
// drawing primitives need, in integer device pixels. `Plotno` is the
// interface (the drawing code and the recording canvas of the tests use it);
// `PlotnoQt` paints through QPainter on a QImage or a printer.

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Typy.h"

class QImage;
class QPaintDevice;
class QPainter;

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
    virtual void UstawKolorCzcionki(TKolor kolor) = 0;

    // Whether anything drawn inside the box (corners in any order) can reach
    // the canvas; a drawing leaves out at once what cannot.
    virtual bool ProstokatWidoczny(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) const { return true; }
};

// The canvas over QPainter. The painter is opened on the device when first
// needed and closed by `Zakoncz` (also by the destructor), so the owner of a
// QImage may copy, resize or show it between drawings. On a bitmap, thin
// lines wait in the canvas until the pen changes or another figure is drawn:
// the image holds all that was drawn only after `Zakoncz` (or `Malarz`).
class PlotnoQt : public Plotno {
public:
    // otwieraSam: the painter opens on first use (a bitmap); a printer's
    // canvas opens only through `Rozpocznij`, so nothing starts a print job
    // by drawing.
    explicit PlotnoQt(QPaintDevice* urzadzenie, bool otwieraSam = true);
    ~PlotnoQt() override;
    PlotnoQt(const PlotnoQt&) = delete;
    PlotnoQt& operator=(const PlotnoQt&) = delete;

    // Opens the painter now: a printer starts its document here.
    bool Rozpocznij();
    // False when the device could not be finished (a printer's file).
    bool Zakoncz();
    bool Aktywne() const;
    // The open painter (opened when it may be), or nullptr. The canvas then
    // sets its pen, brush and font on the painter again before it next draws.
    QPainter* Malarz();

    void UstawKolorPiora(TKolor kolor) override;
    void UstawGruboscPiora(int piksele) override;
    void UstawStylPiora(int styl) override;
    void UstawKolorPedzla(TKolor kolor) override;
    void UstawStylPedzla(StylPedzla styl) override;
    void PrzesunDo(int x, int y) override;
    void LiniaDo(int x, int y) override;
    void Odcinki(std::span<const PunktInt> konce) override;
    void Wielokat(const std::vector<PunktInt>& punkty) override;
    void Prostokat(int x1, int y1, int x2, int y2) override;
    void Elipsa(int x1, int y1, int x2, int y2) override;
    void WypiszTekst(int x, int y, std::string_view tekst) override;
    int SzerokoscTekstu(std::string_view tekst) override;
    void UstawKrojCzcionki(const std::string& kroj) override;
    void UstawWysokoscCzcionki(int piksele) override;
    void UstawKolorCzcionki(TKolor kolor) override;
    bool ProstokatWidoczny(int x1, int y1, int x2, int y2) const override;
    // Only the rows [y1, y2) of the bitmap are wanted (a band of a redraw
    // shared among threads): what cannot reach them counts as not visible.
    void OgraniczDoWierszy(int y1, int y2);

    // Copies the rectangle zrodlo (x, y, width, height) of an image onto this
    // canvas at (x, y) with the same size.
    void KopiujProstokat(int x, int y, const QImage& zrodlo, int zx, int zy, int szer, int wys);

private:
    // The painter for the canvas's own drawing: what it last set on the
    // painter is still there.
    QPainter* MalarzWlasny();
    struct Stan;
    std::unique_ptr<Stan> s_;
};
