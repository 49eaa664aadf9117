#pragma once
// How a forecast cell raises a counted volume.
#include <cstdint>
#include <string_view>

// n unchanged for a cell shorter than 2 characters; "p%" adds n * p / 100
// rounded; otherwise adds the cell's integer value (0 when it is no number).
int32_t ZastosujPrognoze(int32_t n, std::string_view komorka);
