#include "model/CzytanieRekordow.h"

#include "platform/Kodowanie.h"

std::string KomunikatRekordow(std::string_view utf8) { return Utf8NaCp1250(utf8); }

int32_t CzytnikScisly::Liczba(int liniiNaRekord)
{
    Wymagaj();
    return c_.LiczbaRekordow(liniiNaRekord);
}
