#pragma once
// How a junction diagram reads a count. The diagram numbers its arms
// 1 south, 2 east, 3 north, 4 west; a count numbers its inlets 1 east,
// 2 north, 3 west, 4 south. Everyone who reads a count for a diagram
// (volumes, band scale, crossings) goes through these helpers.

#include "model/Pomiar.h"
#include "model/Ruchoplan.h"

// The count inlet (1..4) that diagram arm `ramie` (1..4) reads.
constexpr int WlotPomiaruRamienia(int ramie)
{
    return ramie == 1 ? 4 : ramie - 1;
}

// Whether the diagram takes its volumes from a count: its flag is set and
// the project holds counts.
bool ZPomiaruRuchoplanu(const DaneRuchoplan& r);

// The count the diagram reads, or nullptr when it reads none or its count
// index points to no count of the project (the diagram then shows nothing
// from a count rather than reading past the collection).
const DanePomiar* PomiarRuchoplanu(const DaneRuchoplan& r);

// Vehicles of the count from diagram arm `z` to diagram arm `do_` (1..4).
int32_t NatezeniePomiaru(const DanePomiar& p, int z, int do_);

// Crossing values (eight: L1, P1, ... L4, P4) of the count inlet that diagram
// arm `ramie` reads.
const std::array<int32_t, 8>& PrzejsciaPomiaru(const DanePomiar& p, int ramie);
