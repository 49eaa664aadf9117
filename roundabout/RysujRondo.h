#pragma once
// Drawing one computed roundabout: arm outlines and bands, exit arrow heads,
// the ring, flow labels, the node's legends, crossings, arm descriptions and
// the title, on the layers "Rond_linie", "Rond_opisy", "Rond_tytul",
// "Rupl_Przejscia" and "Rupl_Struktura".

#include <cstdint>
#include <string>

#include "base/Typy.h"
#include "model/Rondo.h"

inline constexpr const char* WarstwaRondLinie = "Rond_linie";
inline constexpr const char* WarstwaRondOpisy = "Rond_opisy";
inline constexpr const char* WarstwaRondTytul = "Rond_tytul";

// Draws roundabout `indeks` of Ronda on every output that is on; it must have
// been computed (ObliczGeometrieRonda) since its last change.
void RysujRondo(int32_t indeks);

// One arm: its entry and exit bands, strips, sides and (when asked) the line
// across the entry's end. The corner (arcs, band fills, closing pieces and
// sides) only when `naroznik`.
struct KoloryRamienia {
    TKolor linii = 0, wlotu = 0, wylotu = 0, wypelnienia = 0;
};
void RysujRamieRonda(const DanePasRamienia& wlot, const DanePasRamienia& wylot, bool naroznik, bool liniaKonca,
                     const KoloryRamienia& kolory, float grubosc, const std::string& warstwa);

// The arrow head at the outer end of an exit band: A and B the outer ends of
// its edges, the inner ends giving its direction; head width w, lead d.
void RysujGrotWylotu(TKolor kolorLinii, TKolor kolorWypelnienia, PunktXY wewn1, PunktXY A, PunktXY wewn2,
                     PunktXY B, float w, float d, float grubosc, const std::string& warstwa);

// A ring sector between two radii from angle `od` to `do_` (radians from +x,
// counter-clockwise unless `prawo`; an end below the start runs through 0).
void RysujWycinekPierscienia(bool prawo, TKolor kolorLinii, float cx, float cy, float promienZewn,
                             float promienWewn, float od, float do_, TKolor kolorWypelnienia, float grubosc,
                             const std::string& warstwa);

// The three title lines: "P" starts every line at the anchor, "L" ends it
// there, "C" centres it; any other alignment draws nothing.
void RysujTytulRonda(int32_t indeks, TKolor kolor, const std::string& warstwa);
