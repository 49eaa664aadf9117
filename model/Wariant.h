#pragma once
// A network variant: its name and the three lines of its sheet title.
#include <vector>
#include "base/Typy.h"

struct DaneWariant {
    KrotkiTekst<100> Nazwa;
    KrotkiTekst<250> Tytul1;
    KrotkiTekst<250> Tytul2;
    KrotkiTekst<250> Tytul3;
    float TytulDx = 0.0f;
    float TytulDy = 0.0f;
    char TytulWyrownanie = 'L';

    friend bool operator==(const DaneWariant&, const DaneWariant&) = default;
};

extern std::vector<DaneWariant>& Warianty;  // of the current project
