#pragma once
// The junction diagram record DaneRuchoplan and its collection.
#include <vector>
#include "model/Typy.h"

struct DaneRuchoplan {
};

extern std::vector<DaneRuchoplan> Ruchoplany;
