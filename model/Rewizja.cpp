#include "model/Projekt.h"

namespace {
uint64_t rewizja = 0;
}

void ZmienionoProjekt()
{
    ProjektZmieniony = true;
    PodniesRewizjeProjektu();
}

uint64_t RewizjaProjektu() { return rewizja; }

void PodniesRewizjeProjektu() { ++rewizja; }
