#pragma once
// Drawing blocks: the command language of block definitions and its three
// consumers (drawing on every output, the hover preview, the extents).
//
// A definition is a list of command lines, one command per line:
//   L(x1,y1)-(x2,y2)        line          P(x1,y1)-(x2,y2)   rectangle
//   O(x,y,r)                circle        LUK(x,y,r,a1,a2)   arc, degrees
//   T(x,y,'text',h,w,angle) stroke text
// each optionally followed by ",K(r,g,b)" and ",GR(width in mm)".
// Everything a block draws goes to the layer "Rupl_Bloki".

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Typy.h"

enum class RodzajKomendy { Brak, Linia, Prostokat, Okrag, Luk, Tekst };

// Which command a line holds; Brak for an empty line, a library marker or
// anything else that draws nothing.
RodzajKomendy RozpoznajKomende(std::string_view linia);

// The three fields every parsed command ends with. Poprawna is 0 when the
// geometry could not be read completely; the command then draws nothing.
struct KoncowkaKomendy {
    uint8_t Poprawna = 1;
    TKolor Kolor = 0;
    float Grubosc = 0.0f;  // mm
};

struct KomendaLinia : KoncowkaKomendy {  // "L" and "P"
    double X1 = 0.0, Y1 = 0.0, X2 = 0.0, Y2 = 0.0;
};

struct KomendaOkrag : KoncowkaKomendy {
    double X = 0.0, Y = 0.0, R = 0.0;
};

struct KomendaLuk : KoncowkaKomendy {
    double X = 0.0, Y = 0.0, R = 0.0;
    double KatPocz = 0.0, KatKon = 0.0;  // radians
};

struct KomendaTekst : KoncowkaKomendy {
    double X = 0.0, Y = 0.0;
    KrotkiTekst<255> Tekst;
    float Wysokosc = 0.0f, SzerZnaku = 0.0f, Kat = 0.0f;  // Kat in degrees
};

// Parsers, each taking the whole line (command word included).
void CzytajKomendeLP(std::string_view linia, KomendaLinia& k);
void CzytajKomendeO(std::string_view linia, KomendaOkrag& k);
void CzytajKomendeLUK(std::string_view linia, KomendaLuk& k);
void CzytajKomendeT(std::string_view linia, KomendaTekst& k);

// One command line on every enabled output, each point (x, y) placed at
// (x0 + skalaX * x, y0 + skalaY * y).
void RysujKomendeBloku(const std::string& linia, float x0, float y0, float skalaX, float skalaY);

// Every placed block of the current variant (or of all variants) whose
// "over the diagrams" byte is `nad`, in collection order.
void RysujBloki(bool nad);

// The operations of the main window's preview: marks drawn over the shown
// bitmap, never into the bitmap, the printer or DXF. Points are sheet cm.
class PodgladRysunku {
public:
    virtual ~PodgladRysunku() = default;
    virtual void RysujLinieNaPodgladzie(int gruboscPiks, TKolor kolor, double x1, double y1, double x2,
                                        double y2) = 0;
    virtual void RysujTekstNaPodgladzie(const std::string& tekst, TKolor kolor, double x, double y, double wysokosc,
                                        double szerokoscZnaku, double gruboscPiora, double kat) = 0;
};

// The preview on any pixel canvas through the screen view (the main window
// gives its overlay; a test gives a recording canvas). Whether a mark is
// visible at all is the caller's concern.
class Plotno;
class PodgladNaPlotnie : public PodgladRysunku {
public:
    explicit PodgladNaPlotnie(Plotno& plotno) : plotno_(plotno) {}
    void RysujLinieNaPodgladzie(int gruboscPiks, TKolor kolor, double x1, double y1, double x2, double y2) override;
    void RysujTekstNaPodgladzie(const std::string& tekst, TKolor kolor, double x, double y, double wysokosc,
                                double szerokoscZnaku, double gruboscPiora, double kat) override;

private:
    Plotno& plotno_;
};

// The outline of one command line on the preview while a block is placed:
// only lines, rectangles and texts.
void RysujBlokNaPodgladzie(PodgladRysunku& podglad, const std::string& linia, float x0, float y0, float skalaX,
                           float skalaY);

// Width of a text in the stroke font as block definitions measure it.
float SzerTekstuBloku(const std::string& tekst, float szerZnaku);

// The extents of one command line in block units; (100000, -100000, 100000,
// -100000) when the line draws nothing.
void ZakresKomendyBloku(const std::string& linia, float& xMin, float& xMax, float& yMin, float& yMax);
