#pragma once
// Straight-line primitives in sheet centimetres (widths in millimetres):
// lines, polygons, outlines, the sheet grid, a screen circle and the markers
// of network nodes. Each serves the outputs whose flags are on.

#include <cstdint>
#include <span>
#include <string>

#include "base/Typy.h"

void RysujLinie(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2,
                double grubosc);
void RysujLiniePunkty(PunktXY p1, PunktXY p2, double grubosc, TKolor kolor, const std::string& warstwa);

// A closed polygon on the printer and the bitmap; never written to DXF.
void RysujWielokat(std::span<const PunktXY> punkty, TKolor kolorPiora, TKolor kolorWypelnienia, bool wypelniony,
                   double grubosc);
// The same, then its edges as DXF lines (the closing edge last, from the
// first point to the last).
void RysujObrys(std::span<const PunktXY> punkty, int stylPiora, TKolor kolorPiora, TKolor kolorWypelnienia,
                bool wypelniony, double grubosc, const std::string& warstwa);

// Grid lines every `odstep` inside the rectangle, kept 0.05 cm off its
// edges; a spacing of 0 or less, or one giving over 10,000 lines across,
// draws nothing.
void RysujSiatke(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2, double odstep,
                 double grubosc);

// A circle on the bitmap only, whatever the flags; the width is in pixels.
void RysujOkragEkran(int32_t grubosc, TKolor kolor, double x, double y, double r);

void RysujWezelRuchoplanu(const std::string& nazwa, TKolor kolor, float x, float y, double grubosc,
                          const std::string& warstwa);
void RysujWezelRonda(const std::string& nazwa, TKolor kolor, float x, float y, double grubosc,
                     const std::string& warstwa);
// Every node of the project as its marker, on layer "null".
void RysujWezlyBezWariantu();
