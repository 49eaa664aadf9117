#include "platform/Plotno.h"

#include <cmath>

void Plotno::Odcinki(std::span<const PunktInt> konce)
{
    for (std::size_t k = 0; k + 1 < konce.size(); k += 2) {
        PrzesunDo(konce[k].X, konce[k].Y);
        LiniaDo(konce[k + 1].X, konce[k + 1].Y);
    }
}

// A canvas of whole pixels only takes the nearest.
void Plotno::UstawWysokoscCzcionkiDokladnie(double piksele)
{
    UstawWysokoscCzcionki(static_cast<int>(std::lround(piksele)));
}
