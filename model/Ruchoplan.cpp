#include "model/Ruchoplan.h"

std::vector<DaneRuchoplan> Ruchoplany;

void UstawDomyslnyRuchoplan(int32_t, int32_t, int32_t) {}
void WypelnijDomyslnyRuchoplan(DaneRuchoplan& r) { r = DaneRuchoplan{}; }
DaneRuchoplan RuchoplanZerowy() { return DaneRuchoplan{}; }
void PoliczSumyRuchoplanu(DaneRuchoplan&) {}
void PoliczSumyZeStruktury(DaneRuchoplan&) {}
