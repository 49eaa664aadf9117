#pragma once
// Circular arcs in sheet centimetres, one primitive per angle convention
// (angles in radians). On the printer and the bitmap an arc is a number of
// chords; while the DXF output is on it is one ARC entity and nothing else.

#include <cstdint>
#include <string>

#include "base/Typy.h"

// Clockwise from +y (an end below the start wraps through a full turn).
void RysujLukAzymutP(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
                     double grubosc, const std::string& warstwa);
// Clockwise from +x.
void RysujLukP(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
               double grubosc, const std::string& warstwa);
// Counter-clockwise from +x (an end below the start runs on through 2 pi).
void RysujLukL(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
               double grubosc, const std::string& warstwa);
// Counter-clockwise from +y.
void RysujLukAzymutL(TKolor kolor, int32_t odcinki, float cx, float cy, float r, float poczatek, float koniec,
                     double grubosc, const std::string& warstwa);
// Counter-clockwise from +y as one-degree chords on every output, DXF
// included (as lines).
void RysujLukOdcinkami(TKolor kolor, const std::string& warstwa, float cx, float cy, float r, float poczatek,
                       float koniec, double grubosc);
