#pragma once
// The flows of a count: vehicles per relation weighted by the class
// coefficients and crossing values, both raised by a forecast when it is on.
// Inlets and exits are the count's (1 east, 2 north, 3 west, 4 south; a
// roundabout's 1..5); index [i-1][j-1].

#include <array>
#include <cstdint>

#include "model/Pomiar.h"

using TPotokiPojazdow = std::array<std::array<int32_t, 5>, 5>;
using TPotokiPrzejsc = std::array<std::array<int32_t, 8>, 5>;

// `wlotow`: 4 for a junction count (row and column 5 stay 0), up to 5 for a
// roundabout's.
TPotokiPojazdow ObliczPotokiPojazdow(const DanePomiar& pomiar, const DaneWspolczynniki& wsp,
                                     const DanePrognoza& prognoza, bool prognozaWlaczona, int wlotow = 4);
TPotokiPrzejsc ObliczPotokiPrzejsc(const DanePomiar& pomiar, const DanePrognoza& prognoza, bool prognozaWlaczona,
                                   int wlotow = 4);

// One class's term: the count times the factor rounded half to even (the
// product in extended precision from the single factor), then the forecast
// cell when given; each term and each sum within the computed volumes' limit
// of the table, so the count keeping them always opens again.
int32_t PotokKlasy(int32_t natezenie, float wspolczynnik);

// The forecast cell of class `klasa` (0-based) for inlet `wlot` (1-based):
// the common group or the inlet's.
const KrotkiTekst<10>& KomorkaPojazdow(const DanePrognoza& p, int wlot, int klasa);
const KrotkiTekst<10>& KomorkaPrzejsc(const DanePrognoza& p, int wlot, int kategoria);

// Both tables into the count's computed fields.
void PrzeliczPotoki(DanePomiar& pomiar, const DaneWspolczynniki& wsp, const DanePrognoza& prognoza,
                    bool prognozaWlaczona, int wlotow = 4);
