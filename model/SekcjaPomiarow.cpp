// Counts "pm1", forecasts "pr1" and coefficient sets "wp1".
#include "model/Sekcje.h"

void ZapiszSekcjePomiarow(PisarzProjektu&) {}
void CzytajSekcjePomiarow(CzytnikProjektu&) {}
void ZapiszSekcjePrognoz(PisarzProjektu&) {}
void CzytajSekcjePrognoz(CzytnikProjektu&) {}
void ZapiszSekcjeWspolczynnikow(PisarzProjektu&) {}
void CzytajSekcjeWspolczynnikow(CzytnikProjektu&) {}
