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

void PrzerysujDiagram(int32_t rekord, bool rondo)
{
    if (Uslugi().PrzerysujDiagram)
        Uslugi().PrzerysujDiagram(rekord, rondo);
    else
        PrzerysujArkusz();
}

bool ZapytajTakNie(const QString& pytanie) { return Uslugi().ZapytajTakNie && Uslugi().ZapytajTakNie(pytanie); }
