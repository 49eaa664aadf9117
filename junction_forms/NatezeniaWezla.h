#pragma once
// The volumes of one junction diagram as its data window edits them: the
// check of the typed relations and crossings, their store, the weighted
// total of a relation's vehicle structure and the shares of inlets and exits.
// Plain C++, no window.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "junction_forms/GeometriaWezla.h"
#include "model/Ruchoplan.h"

// Relation texts at 4 (i - 1) + (j - 1) (inlet arm i to exit arm j);
// crossing texts per arm and category, side L then P.
using TTekstyRelacji = std::array<std::string, 16>;
struct TekstyPrzejsc {
    std::array<std::array<std::string, 4>, 4> L;
    std::array<std::array<std::string, 4>, 4> P;
};

// The relations in the order 12, 13, 14, 21, 23, 24, 31, 32, 34, 41, 42, 43,
// 11, 22, 33, 44 (the last failing one names itself), then the crossings,
// the first failing one ending the test.
WynikKontroli SprawdzNatezenia(const TTekstyRelacji& relacje, const TekstyPrzejsc& przejscia);
// After a passing check: the matrix, its row and column totals over all four
// arms, and the crossings.
void ZapiszNatezenia(DaneRuchoplan& r, const TTekstyRelacji& relacje, const TekstyPrzejsc& przejscia);

// A relation's block from the counts typed for types 1..n (`szt`, one text a
// type): a text that is no integer keeps its count; element 0 becomes the sum
// of each count times its type's factor, truncated type by type. Elements
// above n keep their values.
void PrzeliczBlokStruktury(std::array<int32_t, ElementowStruktury>& blok, const std::vector<std::string>& szt);

// "##0.0" + "%" of `wartosc` in `suma`, "0" when the total is 0.
std::string Udzial(int64_t wartosc, int64_t suma);

// The relation "IJ" of a two-digit text, -1 when it names none.
int IndeksRelacji(const std::string& nr);
