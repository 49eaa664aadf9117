#include "model/NatezeniaRonda.h"

void ObliczNatezeniaRonda(int32_t) {}
void PoWczytaniuRond() {}
