#pragma once
// Small helpers shared by the routines that draw a junction diagram: layer
// names and the finiteness test of a size table. The quarter turns and the
// finiteness test of single values are those of drawing/Geometria.h.

#include <cmath>

#include "base/Geometria.h"
#include "model/Ruchoplan.h"
#include "base/Typy.h"

inline constexpr const char* WarstwaLinie = "Rupl_linie";
inline constexpr const char* WarstwaOpisy = "Rupl_opisy";
inline constexpr const char* WarstwaTytul = "Rupl_tytul";
inline constexpr const char* WarstwaLegPrzejscia = "Rupl_LegPrzejscia";
inline constexpr const char* WarstwaLegStruktura = "Rupl_LegStruktura";
inline constexpr const char* WarstwaPrzejscia = "Rupl_Przejscia";
inline constexpr const char* WarstwaArkusz = "Rupl_Arkusz";

inline constexpr TKolor KolorSzaryPrzejsc = KolorRGB(128, 128, 128);

// Radians to the degrees of the text primitives, with the nine-decimal pi the
// diagrams were always drawn with.
inline double NaStopnie(double radiany) { return radiany * 180.0 / KatPi; }

// Every entry of a size table is a finite number (a table read from a file
// could hold anything).
template <typename Tabela>
bool TabelaSkonczona(const Tabela& t)
{
    for (float w : t.W)
        if (!std::isfinite(w))
            return false;
    return true;
}

inline bool RamieJest(const DaneRuchoplan& r, int ramie)
{
    return r.Ramie[static_cast<std::size_t>(ramie - 1)] != 0;
}
