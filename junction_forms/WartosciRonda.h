#pragma once
// The volumes of one roundabout as its data window edits them: the checks
// of the typed relation matrix, entry and exit totals and crossings, and
// their stores. Plain C++, no window.

#include <array>
#include <cstdint>
#include <string>

#include "junction_forms/GeometriaWezla.h"

struct DaneRondo;

// The texts of the window's pages, arm k at [k - 1]: relation entry i to
// exit j at [i - 1][j - 1]; crossings per arm and category, side L then P.
struct TekstyRonda {
    std::array<std::array<std::string, 5>, 5> Relacje{};
    std::array<std::string, 5> Wloty{}, Wyloty{};
    std::array<std::array<std::array<std::string, 2>, 4>, 5> Przejscia{};
};

// Relations then crossings, the later failing test's message winning.
WynikKontroli SprawdzRelacjeRonda(const TekstyRonda& t);

// The totals then the crossings; when they pass, entries and exits of the
// arms shown (arm 1 always) must balance. `wloty`/`wyloty` hold the totals
// when they could be counted (-1 otherwise).
struct WynikSum {
    WynikKontroli kontrola;
    int64_t wloty = -1, wyloty = -1;
};
WynikSum SprawdzSumyRonda(const TekstyRonda& t, const std::array<bool, 5>& widoczne);

// After a passing check. The matrix of the arms present (others 0), its
// row and column totals, the crossings; the island keeps its full radius.
void ZapiszRelacjeRonda(DaneRondo& r, const TekstyRonda& t);
// The typed totals, the crossings and the island radius narrowed by the
// widest band (`skala` cm per vehicle), never below 0.
void ZapiszSumyRonda(DaneRondo& r, const TekstyRonda& t, double skala);
