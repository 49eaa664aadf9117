#pragma once
// The geometry of a roundabout diagram: for every present arm an entry and an
// exit band (straight end piece and two concentric corner arcs into the
// ring), the angles at which they meet the ring, and the ring's sections.

#include <array>
#include <cstdint>

#include "model/Rondo.h"

// What one band is built from (centimetres, radians).
struct ParametryPasa {
    double cx = 0.0, cy = 0.0;  // the roundabout's centre
    double rho = 0.0;           // outer edge of the circulating band at the arm
    double r = 0.0;             // corner radius
    double o = 0.0;             // offset of the lanes from the arm axis
    double d1 = 0.0, d2 = 0.0;  // where the lanes' last centimetre starts and ends
    double a = 0.0;             // arm angle, counter-clockwise from +x
    double skala = 0.0;         // band width per vehicle
};

// Fill the block of an entry (lanes counter-clockwise of the axis) or an exit
// band (clockwise of it). False when the corner cannot be built (the ring
// lies inside the offset, or a value is no finite number): the block then
// holds the straight edges and both arcs zeroed, never a value that is no
// finite number.
bool ObliczWlotRonda(int32_t natezenie, DanePasRamienia& pas, const ParametryPasa& p);
bool ObliczWylotRonda(int32_t natezenie, DanePasRamienia& pas, const ParametryPasa& p);

// Computes roundabout `indeks` of Ronda for drawing: node position, flows,
// band scales, every band and the ring angles; sets Obliczony. An arm whose
// corner cannot be built clears GeometriaPoprawna, writes KomunikatGeometrii
// and queues the message for the end of the redraw.
void ObliczGeometrieRonda(int32_t indeks);

// Whether arm `k` (0-based) is drawn: arms 1 and 2 always, 3 to 5 by their flag.
inline bool RamieRondaJest(const DaneRondo& r, int k) { return k < 2 || r.Ramie[static_cast<std::size_t>(k)] != 0; }

// Whether arm `k` (0-based) is drawn with its corner: present, and its corner built.
inline bool NaroznikPoprawny(const DaneRondo& r, int k)
{
    return RamieRondaJest(r, k) && r.NaroznikZbudowany[static_cast<std::size_t>(k)] != 0;
}

// The ring as it is drawn: per present arm the sector of the traffic passing
// it (from its exit to its entry) and the section to the next present arm
// (from its entry to that arm's exit), angles counter-clockwise from +x,
// unwrapped so that every angle lies within its arm's reach and a section
// never spans more than the gap between its two arms.
struct WycinekRonda {
    bool jest = false;
    double od = 0.0, do_ = 0.0;   // od < do_
    double promien = 0.0;         // outer radius; the inner one is the island's
};
struct PierscienRonda {
    std::array<WycinekRonda, 5> przyRamieniu{};
    std::array<WycinekRonda, 5> zaRamieniem{};
};
PierscienRonda SektoryPierscienia(const DaneRondo& r);
