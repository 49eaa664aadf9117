#pragma once
// Drawing blocks: the definitions, their command lines and the placed blocks.
#include <cstdint>
#include <string>
#include <vector>
#include "base/Typy.h"

// One block definition; its command lines are LinieBlokow[Start..Koniec].
struct DaneBlokWpis {
    std::string Nazwa;
    TDataCzas Data = 0.0;
    TDataCzas Czas = 0.0;
    KrotkiTekst<100> Grupa;
    KrotkiTekst<10> Jednostka;
    int32_t Start = 0;
    int32_t Koniec = -1;

    friend bool operator==(const DaneBlokWpis&, const DaneBlokWpis&) = default;
};

// Whether a definition's range lies in a list of `liniiBlokow` command lines:
// lines within the list, or an empty range. A range may be empty as
// Start = Koniec + 1, or as Start = Koniec + 2, which projects saved earlier
// hold where a copy from the library found no body lines (its start past the
// end marker, its end on the name line).
constexpr bool ZakresDefinicjiPoprawny(const DaneBlokWpis& d, int64_t liniiBlokow)
{
    return d.Start >= 0 && d.Koniec < liniiBlokow && int64_t{d.Start} <= int64_t{d.Koniec} + 2;
}

// One placed block.
struct DaneBlok {
    float X = 0.0f;
    float Y = 0.0f;
    float Sx = 1.0f;
    float Sy = 1.0f;
    std::string Nazwa;
    uint8_t Nad = 1;              // 1: drawn above the diagrams
    int32_t Wariant = -1;         // -1: every variant

    friend bool operator==(const DaneBlok&, const DaneBlok&) = default;
};

// Of the current project.
extern std::vector<DaneBlokWpis>& DefinicjeBlokow;
extern std::vector<KrotkiTekst<255>>& LinieBlokow;
extern std::vector<DaneBlok>& Bloki;
