#pragma once
// Texts of the drawings: the stroke font (scalable, turnable, the same on
// every output; a DXF TEXT entity) and TrueType text ("Tahoma", horizontal).
// Texts are Windows-1250 bytes; each byte selects the glyph of that code.

#include <array>
#include <cstdint>
#include <string>

#include "base/Typy.h"

// One glyph: up to 150 straight strokes in glyph units (1/0.012 of the text
// size), x along the baseline, y upwards from it.
constexpr int MaksKresek = 150;
struct DaneZnak {
    int32_t LiczbaKresek = 0;
    float Szerokosc = 0.0f;
    std::array<uint8_t, MaksKresek> KreskaX1{};
    std::array<uint8_t, MaksKresek> KreskaY1{};
    std::array<uint8_t, MaksKresek> KreskaX2{};
    std::array<uint8_t, MaksKresek> KreskaY2{};
};

using TablicaZnakow = std::array<DaneZnak, 256>;
// The current stroke font (every stroke text is drawn from it) and the Greek one.
extern TablicaZnakow Czcionka;
extern TablicaZnakow CzcionkaGrecka;

// A font file: 256 records of 608 bytes, record k the glyph of code k.
constexpr int RozmiarRekorduZnaku = 608;

// Reads a font file (a path in Windows-1250, as the program holds paths) into
// the table. Returns "" on success, else a message naming the file; a missing, short or damaged file (a stroke count
// outside 0..150) leaves the table as it was.
std::string WczytajCzcionke(const std::string& sciezka, TablicaZnakow& tablica);

// Where the DXF TEXT entity of a stroke text anchored at (x, y) and turned by
// `kat` degrees is inserted: 0.2 of the height off the baseline, across it.
PunktXY WstawienieTekstuDxf(double x, double y, double wysokosc, double kat);

// Stroke text with the anchor (x, y) at the left end of its baseline.
void RysujTekst(const std::string& tekst, TKolor kolor, double x, double y, double wysokosc, double szerokoscZnaku,
                double gruboscPiora, double kat, const std::string& warstwa);
// Horizontal TrueType text standing on (x, y).
void RysujTekstTT(const std::string& tekst, TKolor kolor, double x, double y, double wysokosc,
                  const std::string& warstwa);
// Whether c is a title alignment: 'L' left, 'C' centred, 'P' right.
inline bool WyrownanieTytulu(char c) { return c == 'L' || c == 'C' || c == 'P'; }
// `RysujTekstTT` with the line's left end, centre or right end at x as the
// alignment says.
void RysujTekstTTWyrownany(const std::string& tekst, TKolor kolor, double x, double y, double wysokosc,
                           char wyrownanie, const std::string& warstwa);
// TrueType text on the printer and the bitmap, never DXF; on the bitmap a
// text too small to read falls back to `RysujTekst`.
void RysujTekstTTProsty(const std::string& tekst, TKolor kolor, double x, double y, double wysokosc,
                        double szerokoscZnaku, double gruboscPiora, double kat, const std::string& warstwa);

// The width in cm of a stroke text drawn with character width `rozmiar`.
float SzerTekstuWekt(const std::string& tekst, float rozmiar);
// The same taking the height too, which does not enter.
float SzerTekstuWekt(const std::string& tekst, float wysokosc, float szerokoscZnaku);
// The width in cm of a TrueType text at the height: the width it takes on
// the sheet, the same at every zoom and on paper. It leaves the font of
// the canvas that measured it (the bitmap's, when there is one) changed.
float SzerTekstuTT(const std::string& tekst, double wysokosc);

// The face of TrueType texts, and their height in pixels on the bitmap.
inline const std::string KrojTT = "Tahoma";
int WysokoscTTEkran(double wysokosc);
// The cell height (ascent plus descent) of a TrueType text per cm of its
// height, on paper and so on every output.
constexpr double KomorkaTT = 1.25;
// The cell of a TrueType text in bitmap pixels at the view's scale, to a
// fraction of a pixel: the bitmap draws the text as large as the paper.
double KomorkaTTEkran(double wysokosc);

// The stroke drawing itself, in pixels of the bitmap and of the printer.
void RysujTekstWektEkran(const std::string& tekst, float szerokoscZnaku, float wysokosc, float px, float py,
                         float kat);
void RysujTekstWektDruk(const std::string& tekst, double w, double h, double px, double py, double kat);
// A glyph whose strokes all fall on one pixel draws nothing, and its
// strokes are not worked out one by one; tests turn that off to compare.
void PomijajZnakiJednegoPiksela(bool pomijaj);
