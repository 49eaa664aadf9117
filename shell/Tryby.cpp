#include "shell/Tryby.h"

bool TrybPrzesun = false;
bool TrybOkno = false;
bool TrybWskazFragment = false;
bool PrzesuwanieTrwa = false;
bool OknoTrwa = false;
bool FragmentTrwa = false;

bool TrybDodajRupl = false;
bool TrybDodajRondo = false;
bool TrybUsunWezel = false;
bool TrybPrzesunWezel = false;
bool TrybNowaPozycjaWezla = false;
bool TrybDane = false;
bool TrybGeometria = false;
bool TrybUstawieniaLokalne = false;
bool TrybWstawBlok = false;
bool TrybZmienBlok = false;
bool TrybUsunBlok = false;
bool TrybWstawOpis = false;
bool TrybZmienOpis = false;
bool TrybUsunOpis = false;

int32_t WskWezelUsun = -1;
int32_t WskWezelEdycja = -1;
int32_t WskWezelWlasciwosci = -1;
int32_t WskBlok = -1;
int32_t WskOpisEdycja = -1;
int32_t WskOpisUsun = -1;

namespace {
bool* const TrybyEdycji[] = {
    &TrybDodajRupl, &TrybDodajRondo, &TrybUsunWezel, &TrybPrzesunWezel, &TrybNowaPozycjaWezla,
    &TrybDane, &TrybGeometria, &TrybUstawieniaLokalne, &TrybWstawBlok, &TrybZmienBlok,
    &TrybUsunBlok, &TrybWstawOpis, &TrybZmienOpis, &TrybUsunOpis,
};
}

void WyczyscTrybyEdycji()
{
    for (bool* tryb : TrybyEdycji)
        *tryb = false;
    TrybWskazFragment = false;
    FragmentTrwa = false;
    WskWezelUsun = WskWezelEdycja = WskWezelWlasciwosci = -1;
    WskBlok = WskOpisEdycja = WskOpisUsun = -1;
}

bool JestTrybEdycji()
{
    for (bool* tryb : TrybyEdycji)
        if (*tryb)
            return true;
    return false;
}
