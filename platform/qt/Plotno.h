#pragma once
// `PlotnoQt`: the canvas of platform/Plotno.h painting through QPainter on
// a QImage or a printer.

#include <memory>
#include <vector>

#include "platform/Plotno.h"

class QImage;
class QPaintDevice;
class QPainter;
class QFont;
class QString;

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
    void UstawWysokoscCzcionkiDokladnie(double piksele) override;
    void UstawKolorCzcionki(TKolor kolor) override;
    bool ProstokatWidoczny(int x1, int y1, int x2, int y2) const override;
    // Only the rows [y1, y2) of the bitmap are wanted (a band of a redraw
    // shared among threads): what cannot reach them counts as not visible,
    // and nothing is painted outside them, so that canvases of other rows
    // may paint the same bitmap at once.
    void OgraniczDoWierszy(int y1, int y2);
    // The rows the canvas may have painted since the last call of
    // `ZerujWierszeNarysowane`: [od, do_), at least every row painted, within
    // the bitmap (empty when nothing was drawn).
    struct Wiersze {
        int od = 0, do_ = 0;
    };
    Wiersze WierszeNarysowane();
    // The same rows one by one: a flag for each row of the device, set for
    // every row painted (and a few about it).
    const std::vector<unsigned char>& KazdyWierszNarysowany();
    void ZerujWierszeNarysowane();

    // Copies the rectangle zrodlo (x, y, width, height) of an image onto this
    // canvas at (x, y) with the same size.
    void KopiujProstokat(int x, int y, const QImage& zrodlo, int zx, int zy, int szer, int wys);

private:
    // The painter for the canvas's own drawing: what it last set on the
    // painter is still there.
    QPainter* MalarzWlasny();
    void WypiszTekstDokladnie(QPainter& m, int x, int y, const QString& t);
    struct Stan;
    std::unique_ptr<Stan> s_;
};

// The pixel size that gives a face the cell height (ascent plus descent)
// `wysokosc` on the device: every canvas sizes its fonts so.
int RozmiarDlaWysokosci(QFont czcionka, int wysokosc, QPaintDevice* urzadzenie);
