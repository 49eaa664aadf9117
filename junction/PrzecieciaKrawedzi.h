#pragma once
// Cutting DXF band outlines where later bands cover them. A band cannot be
// filled in DXF, so its outline pieces (segments and arcs) are drawn only
// where no band later in the painting order lies over them.
//
// A segment:  ZacznijListePunktow; DodajPunkt 's' (end nearer the reference
//             point, T = OdlegloscOdOdniesienia) and 'e'; PrzytnijOdcinekPasmem
//             for every later band with a volume; RysujOdcinekPrzyciety.
// An arc:     WyczyscListePunktow; DodajPunkt 's' at A with KatPoczatku and
//             'e' at B with KatKonca; PrzytnijLukPasmem for every later band
//             with a volume; RysujLukPrzyciety.

#include <array>
#include <string>
#include <vector>

#include "model/Ruchoplan.h"

struct WynikPrzeciecia;

// One point of the list. Rodzaj: ' ' reference, 's' start, 'e' end,
// 'k' a covered stretch begins, 'p' it ends. T: distance from the reference
// point along a segment, or the angle on an arc.
struct DanePunkt {
    float X = 0.0f;
    float Y = 0.0f;
    float T = 0.0f;
    char Rodzaj = ' ';
};

// The list of the outline piece being drawn (each thread its own, as the
// DXF export draws variants on threads).
extern thread_local std::vector<DanePunkt> ListaPunktow;
inline int LiczbaPunktow() { return static_cast<int>(ListaPunktow.size()); }

// Where the piece meets one band's boundary (at most four points).
extern thread_local std::array<DanePunkt, 4> PunktyPrzeciecia;
extern thread_local int LiczbaPunktowPrzeciecia;

void WyczyscListePunktow();
void ZacznijListePunktow(double x1, double y1, double x2, double y2);
// Distance of a point of the segment from the list's reference point.
float OdlegloscOdOdniesienia(double x, double y);
void DodajPunkt(char rodzaj, float x, float y, float t);

void DodajCieciwe(const DanePunkt& p, const DanePunkt& q);
void DodajCzteryPunkty(const DanePunkt& p1, const DanePunkt& p2, const DanePunkt& p3, const DanePunkt& p4);
// Points with their angles in T.
void DodajCieciweLuku(const DanePunkt& p, const DanePunkt& q);
void DodajCzteryPunktyLuku(const DanePunkt& p1, const DanePunkt& p2, const DanePunkt& p3, const DanePunkt& p4);

// Hits into the buffer; hits that are not finite numbers or beyond the
// fourth are dropped.
void DodajTrafienia(const WynikPrzeciecia& wynik);
void DodajTrafienie(double x, double y);

void PrzytnijOdcinekPasmem(const DanaRelacja& pasmo, float x1, float y1, float x2, float y2);
void PrzytnijLukPasmem(const DaneLuk& luk, const DanaRelacja& pasmo);

// The uncovered stretches of the list: segments as pairs of points, arcs as
// pairs of angles (start, end) in the arc's own convention.
struct OdcinekWidoczny {
    PunktXY A;
    PunktXY B;
};
std::vector<OdcinekWidoczny> OdcinkiNieprzykryte();
std::vector<std::array<double, 2>> LukiNieprzykryte(const DaneLuk& luk);

// Draw those stretches (colour, layer, line width in cm).
void RysujOdcinekPrzyciety(TKolor kolor, const std::string& warstwa, double grubosc);
void RysujLukPrzyciety(const DaneLuk& luk, TKolor kolor, const std::string& warstwa, double grubosc);
