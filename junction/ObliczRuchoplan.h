#pragma once
// Computing one junction diagram for drawing: its volume matrix, the strips
// of its four arms (laid out, rotated and moved onto the node) and its
// sixteen relation bands. Everything is written back into the record.

#include "model/Ruchoplan.h"

// Computes record `indeks` of Ruchoplany (not a node index).
void ObliczRuchoplan(int indeks);

// The same computation in its two steps, for many diagrams at once. The
// first, taken for the records in their order, gathers the volumes, keeps
// the project's largest values up to date and sets the project's scales
// (which hang on the records computed before); it gives the band scale the
// diagram is laid out with. The second writes nothing but the record's own
// geometry and its messages (`KomunikatyOdlozone` keeps a thread's apart),
// so the records may take it on different threads. `indeks` must be a
// record index.
float ZacznijObliczenie(int indeks);
void DokonczObliczenie(int indeks, float skalaPaskow);

// The steps of the computation, in the order ObliczRuchoplan runs them.
void ZbierzNatezenia(int indeks);
void UstawPasy(int indeks, float skala);
void ObrocPasy(int indeks, float kat1, float kat2, float kat3, float kat4);
void PrzesunPasy(int indeks);

// The eight strips in GeometriaRamion: the inlets of arms 1..4, then their
// outlets. Each strip holds two rows of five points: row 1 at the strip's
// inner end, row 2 at its outer end; point k of both rows lies on edge k.
constexpr int PasWlotu(int ramie) { return ramie - 1; }
constexpr int PasWylotu(int ramie) { return 3 + ramie; }
constexpr int IndeksPunktuPasa(int pas, int rzad, int krawedz)
{
    return pas * 20 + (rzad - 1) * 10 + (krawedz - 1) * 2;
}
PunktXYS PunktPasa(const DaneRuchoplan& r, int pas, int rzad, int krawedz);

// Volume qij of the computed matrix (arms 1..4).
inline int32_t NatezenieObl(const DaneRuchoplan& r, int z, int do_)
{
    return r.NatezeniaObl[static_cast<std::size_t>(4 * (z - 1) + (do_ - 1))];
}
