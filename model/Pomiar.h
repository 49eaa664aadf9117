#pragma once
// Counts, coefficient sets and forecasts kept in the project.
#include <vector>
#include "model/Typy.h"

struct DanePomiar {
};
struct DaneWspolczynniki {
};
struct DanePrognoza {
};

extern std::vector<DanePomiar> Pomiary;
extern std::vector<DaneWspolczynniki> Wspolczynniki;
extern std::vector<DanePrognoza> Prognozy;
