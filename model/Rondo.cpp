#include "model/Rondo.h"

std::vector<DaneRondo> Ronda;

void UstawDomyslneRondo(int32_t, int32_t, int32_t) {}
DaneRondo RondoZerowe() { return DaneRondo{}; }
