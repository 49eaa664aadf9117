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

bool ZapytajTakNie(const QString& pytanie) { return Uslugi().ZapytajTakNie && Uslugi().ZapytajTakNie(pytanie); }
