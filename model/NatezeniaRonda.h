#pragma once
// Entry and exit totals and circulating flows of a roundabout.
#include <cstdint>

struct DanePomiar;
struct DaneRondo;

// The count the roundabout reads its volumes from, or nullptr when it reads
// none: a link that names no count leaves it with its typed data.
const DanePomiar* PomiarRonda(const DaneRondo& r);

// Fills SumaWlotu, SumaWylotu, NaPierscieniu1 and NaPierscieniu2 of record
// `indeks` of Ronda from its data source (count, typed totals, typed matrix
// or the structure blocks).
void ObliczNatezeniaRonda(int32_t indeks);

// Called by the project reader once the whole file has been read, so that the
// structure blocks read after a roundabout's section count.
void PoWczytaniuRond();
