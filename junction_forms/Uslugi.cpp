#include "junction_forms/Uslugi.h"

UslugiFormularzy& Uslugi()
{
    static UslugiFormularzy u;
    return u;
}

void PrzerysujArkusz()
{
    if (Uslugi().Przerysuj)
        Uslugi().Przerysuj();
}

void PrzerysujRuchoplan(int32_t rekord)
{
    if (Uslugi().PrzerysujRuchoplan)
        Uslugi().PrzerysujRuchoplan(rekord);
    else
        PrzerysujArkusz();
}

bool ZapytajTakNie(const QString& pytanie) { return Uslugi().ZapytajTakNie && Uslugi().ZapytajTakNie(pytanie); }
