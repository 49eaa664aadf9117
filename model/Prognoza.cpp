#include "model/Prognoza.h"

int32_t ZastosujPrognoze(int32_t n, std::string_view) { return n; }
