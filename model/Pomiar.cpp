#include "model/Pomiar.h"

std::vector<DanePomiar> Pomiary;
std::vector<DaneWspolczynniki> Wspolczynniki;
std::vector<DanePrognoza> Prognozy;

void UstawDomyslnaPrognoze(DanePrognoza& p) { p = DanePrognoza{}; }
void UstawDomyslneWspolczynniki(DaneWspolczynniki& w) { w = DaneWspolczynniki{}; }
std::string UstawDomyslnyPomiar(DanePomiar&) { return ""; }
void DodajPomiar(const DanePomiar& p) { Pomiary.push_back(p); }
void DodajPrognoze(const DanePrognoza& p) { Prognozy.push_back(p); }
void DodajWspolczynniki(const DaneWspolczynniki& w) { Wspolczynniki.push_back(w); }
