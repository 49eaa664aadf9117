#pragma once
// Fillet geometry: the arc of radius R that joins a band side in its inlet
// strip to the same side in its outlet strip.

#include <array>

#include "model/Ruchoplan.h"

// The line y = Nachylenie x + Wyraz; a vertical line x = Wyraz has the
// slope NachyleniePionowej.
struct DanaProsta {
    double Nachylenie = 0.0;
    double Wyraz = 0.0;
};
constexpr double NachyleniePionowej = 1e11;

void ProstaPrzez(DanaProsta& prosta, float x1, float y1, float x2, float y2);

// The intersection of two lines. Lines of equal slope have none: the
// message "Proste równoległe" is collected, the point is left as it was and
// the result is false.
bool PrzeciecieProstych(PunktXY& punkt, double nachylenie1, double wyraz1, double nachylenie2, double wyraz2);

// Foot of the perpendicular from P on a non-vertical line.
void RzutNaProsta(PunktXY& punkt, double nachylenie, double wyraz, double px, double py);

float OdlegloscPunktow(float x1, float y1, float x2, float y2);

// The four centres of circles of radius R touching line A (points 1, 2) and
// line B (points 3, 4): four X values, then four Y values.
void SrodkiZaokraglen(std::array<double, 8>& srodki, float r, float x1, float y1, float x2, float y2, float x3,
                      float y3, float x4, float y4);

// The point of a circle at an azimuth: clockwise from +y (P), counter-clockwise (L).
void PunktLukuP(PunktXY& punkt, double cx, double cy, double r, double kat);
void PunktLukuL(PunktXY& punkt, double cx, double cy, double r, double kat);

// The fillet: (x1, y1) outer and (x2, y2) inner end of the inlet side,
// (x3, y3) inner and (x4, y4) outer end of the outlet side. Fills A, B, M, C,
// the angles and Kierunek of `luk` (not R). False when the arc cannot be
// formed (parallel lines, a side of no length, a non-finite result); `luk`
// is then left as it was.
bool Zaokraglenie(DaneLuk& luk, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                  float r);
