#pragma once
// Entry and exit totals and circulating flows of a roundabout.
#include <cstdint>

struct Projekt;
extern Projekt BiezacyProjekt;

// Fills SumaWlotu, SumaWylotu, NaPierscieniu1 and NaPierscieniu2 of record
// `indeks` of the project's Ronda from its data source (count, typed totals,
// typed matrix or the structure blocks).
void ObliczNatezeniaRonda(int32_t indeks, Projekt& p = BiezacyProjekt);

// Called by the project reader once the whole file has been read, so that the
// structure blocks read after a roundabout's section count.
void PoWczytaniuRond(Projekt& p);
