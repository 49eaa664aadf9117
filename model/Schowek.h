#pragma once
// The settings of the clipboard copy of the drawing.
#include <cstdint>
#include "base/Typy.h"

struct TNastawySchowek {
    float X1 = 0.0f;
    float X2 = 0.0f;
    float Y1 = 0.0f;
    float Y2 = 0.0f;
    int32_t PunktowNaCm = 50;
    int32_t SzerokoscPx = 0;
    int32_t WysokoscPx = 0;
    TKolor KolorTla = 0xFFFFFF;

    friend bool operator==(const TNastawySchowek&, const TNastawySchowek&) = default;
};

extern TNastawySchowek& NastawySchowek;  // of the current project
