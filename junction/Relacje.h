#pragma once
// The sixteen relation bands of a junction diagram and their drawing order.

#include <array>
#include <string>

#include "model/Ruchoplan.h"

// A band side: X start, X end, Y start, Y end.
using KrawedzRelacji = std::array<double, 4>;

// Builds Relacje[0..15] of record `indeks` from its strips, volumes,
// geometry and colours (the strips must be computed), the bands
// `skalaPaskow` cm wide per vehicle (the project's scale unless given).
void UtworzRelacje(int indeks);
void UtworzRelacje(int indeks, double skalaPaskow);

// A turning or through relation joined by two fillet arcs. An arc that
// cannot be built is left out (its R 0) and its message is collected.
void UtworzRelacjeSkretu(bool rysuj, const std::string& nazwa, double r1, double r2, int32_t natezenie,
                         const KrawedzRelacji& k1, const KrawedzRelacji& k2, const KrawedzRelacji& k3,
                         const KrawedzRelacji& k4, TKolor kolor, DanaRelacja& relacja);

// A U-turn: two half circles reaching z - dl beyond the strips' inner ends.
void UtworzRelacjeZawrotki(bool rysuj, const std::string& nazwa, double dl, double z, int32_t natezenie,
                           const KrawedzRelacji& k1, const KrawedzRelacji& k2, const KrawedzRelacji& k3,
                           const KrawedzRelacji& k4, TKolor kolor, DanaRelacja& relacja);

// Orders the relations by volume, largest first; equal volumes keep their
// order. This is the painting order.
void SortujRelacje(int indeks);

// Collects the message asking the user to change the display values, for a
// band whose arc or points cannot be built.
void ZglosZleParametry();
