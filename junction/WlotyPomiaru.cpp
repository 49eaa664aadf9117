#include "junction/WlotyPomiaru.h"

bool ZPomiaruRuchoplanu(const DaneRuchoplan& r)
{
    return r.ZPomiaru != 0 && !Pomiary.empty();
}

const DanePomiar* PomiarRuchoplanu(const DaneRuchoplan& r)
{
    return PomiarDiagramu(r.ZPomiaru, r.NrPomiaru);
}

int32_t NatezeniePomiaru(const DanePomiar& p, int z, int do_)
{
    return p.NatezeniaNaRelacjach[static_cast<std::size_t>(WlotPomiaruRamienia(z) - 1)]
                                 [static_cast<std::size_t>(WlotPomiaruRamienia(do_) - 1)];
}

const std::array<int32_t, 8>& PrzejsciaPomiaru(const DanePomiar& p, int ramie)
{
    return p.NatezeniaPrzejscObliczone[static_cast<std::size_t>(WlotPomiaruRamienia(ramie) - 1)];
}
