#pragma once
// A description: a free text on the sheet, on one variant or on all.
#include <cstdint>
#include <vector>
#include "base/Typy.h"

struct DaneOpis {
    KrotkiTekst<255> Tekst;
    float X = 0.0f;
    float Y = 0.0f;
    float Sx = 1.0f;
    float Sy = 1.0f;
    float Kat = 0.0f;
    float Zapas = 0.0f;       // not set by the description window; carried through the file
    float Grubosc = 0.1f;     // as the window fills an empty pen width for the height 1
    TKolor Kolor = 0;
    KrotkiTekst<100> Styl;
    int32_t Rodzaj = 0;
    int32_t Wariant = -1;     // -1: every variant

    friend bool operator==(const DaneOpis&, const DaneOpis&) = default;
};

extern std::vector<DaneOpis>& Opisy;  // of the current project
