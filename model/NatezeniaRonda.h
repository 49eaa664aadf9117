#pragma once
// Entry and exit totals and circulating flows of a roundabout.
#include <cstdint>

// Fills SumaWlotu, SumaWylotu, NaPierscieniu1 and NaPierscieniu2 of record
// `indeks` of Ronda from its data source (count, typed totals, typed matrix
// or the structure blocks).
void ObliczNatezeniaRonda(int32_t indeks);

// Called by the project reader once the whole file has been read, so that the
// structure blocks read after a roundabout's section count.
void PoWczytaniuRond();
