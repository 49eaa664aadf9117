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

void PrzerysujDiagram(int32_t rekord, bool rondo, uint64_t rewizjaPrzedZapisem)
{
    if (Uslugi().PrzerysujDiagram)
        Uslugi().PrzerysujDiagram(rekord, rondo, rewizjaPrzedZapisem);
    else
        PrzerysujArkusz();
}

bool ZapytajTakNie(const QString& pytanie) { return Uslugi().ZapytajTakNie && Uslugi().ZapytajTakNie(pytanie); }
