#pragma once
// Entry and exit totals and circulating flows of a roundabout.
#include <cstdint>

struct DanePomiar;
struct DaneRondo;
struct Projekt;
extern Projekt BiezacyProjekt;

// The count the roundabout reads its volumes from, or nullptr when it reads
// none: a link that names no count leaves it with its typed data.
const DanePomiar* PomiarRonda(const DaneRondo& r, const Projekt& p = BiezacyProjekt);

// Fills SumaWlotu, SumaWylotu, NaPierscieniu1 and NaPierscieniu2 of record
// `indeks` of the project's Ronda from its data source (count, typed totals,
// typed matrix or the structure blocks).
void ObliczNatezeniaRonda(int32_t indeks, Projekt& p = BiezacyProjekt);

// Called by the project reader once the whole file has been read, so that the
// structure blocks read after a roundabout's section count.
void PoWczytaniuRond(Projekt& p);
