#pragma once
// The roundabout record DaneRondo and its collection.
#include <vector>
#include "model/Typy.h"

struct DaneRondo {
};

extern std::vector<DaneRondo> Ronda;
