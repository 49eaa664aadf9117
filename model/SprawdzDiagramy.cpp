// Checks of the junction diagrams, roundabouts, counts and forecasts after a
// load: a node or variant index that names no record, or a volume no count
// can have, refuses the file. A link to a count, forecast or coefficient set
// that does not exist has a safe default: it is dropped (-1), so the file
// still opens; a count flag without its count is then cleared.
#include <string>
#include <type_traits>

#include "model/Projekt.h"
#include "model/Sekcje.h"
#include "base/Kodowanie.h"

namespace {

// Larger volumes are no traffic; they would also overflow the 32-bit sums.
constexpr int32_t MaksNatezenie = 10000000;

struct Blad {
    std::string komunikat;
};

[[noreturn]] void Odrzuc(const std::string& utf8) { throw Blad{Utf8NaCp1250(utf8)}; }

template <class T>
void NaprawLacze(int32_t& i, const std::vector<T>& v)
{
    if (!JestIndeksem(i, v))
        i = -1;
}

// Computed tables (a forecast may lower a volume below zero) are only
// bounded; entered volumes cannot be negative.
void SprawdzNatezenie(int32_t q, const std::string& kto, bool obliczone = false)
{
    if (q < (obliczone ? -MaksNatezenie : 0) || q > MaksNatezenie)
        Odrzuc(kto + " ma nieprawidłowe natężenie " + std::to_string(q) + ".");
}

template <class Tablica>
void SprawdzNatezenia(const Tablica& t, const std::string& kto, bool obliczone = false)
{
    for (const auto& x : t) {
        if constexpr (std::is_integral_v<std::decay_t<decltype(x)>>)
            SprawdzNatezenie(x, kto, obliczone);
        else
            SprawdzNatezenia(x, kto, obliczone);
    }
}

// Links shared by diagrams and roundabouts; a count flag without a count is
// taken as no count.
void SprawdzLacza(NaglowekDiagramu& r, const Projekt& p, const std::string& kto)
{
    if (!JestIndeksem(r.NrWezla, p.Wezly))
        Odrzuc(kto + " wskazuje nieistniejący węzeł nr " + std::to_string(r.NrWezla) + ".");
    if (!JestIndeksem(r.NrWariantu, p.Warianty))
        Odrzuc(kto + " wskazuje nieistniejący wariant nr " + std::to_string(r.NrWariantu) + ".");
    NaprawLacze(r.NrPomiaru, p.Pomiary);
    NaprawLacze(r.NrPrognozy, p.Prognozy);
    NaprawLacze(r.NrWspolczynnikow, p.Wspolczynniki);
    if (r.NrPomiaru == -1)
        r.ZPomiaru = 0;
}

void SprawdzRuchoplany(Projekt& p)
{
    for (std::size_t i = 0; i < p.Ruchoplany.size(); ++i) {
        DaneRuchoplan& r = p.Ruchoplany[i];
        const std::string kto = "Ruchoplan nr " + std::to_string(i);
        SprawdzLacza(r, p, kto);
        SprawdzNatezenia(r.Natezenia, kto);
        SprawdzNatezenia(r.NatezeniaStruktura, kto);
        for (const DanePrzejscia& p : r.Przejscia) {
            SprawdzNatezenia(p.L, kto);
            SprawdzNatezenia(p.P, kto);
        }
    }
}

void SprawdzRonda(Projekt& p)
{
    for (std::size_t i = 0; i < p.Ronda.size(); ++i) {
        DaneRondo& r = p.Ronda[i];
        const std::string kto = "Rondo nr " + std::to_string(i);
        SprawdzLacza(r, p, kto);
        if (r.LiczbaRamion < 2 || r.LiczbaRamion > LiczbaRamionRonda)
            Odrzuc(kto + " ma nieprawidłową liczbę ramion " + std::to_string(r.LiczbaRamion) + ".");
        SprawdzNatezenia(r.Macierz, kto);
        SprawdzNatezenia(r.StrukturaRelacji, kto);
        SprawdzNatezenia(r.NatezeniaPrzejsc, kto);
        SprawdzNatezenia(r.SumaWlotuRel, kto);
        SprawdzNatezenia(r.SumaWylotuRel, kto);
        SprawdzNatezenia(r.WlotWpisany, kto);
        SprawdzNatezenia(r.WylotWpisany, kto);
    }
}

void SprawdzPomiary(const Projekt& p)
{
    for (std::size_t i = 0; i < p.Pomiary.size(); ++i) {
        const DanePomiar& m = p.Pomiary[i];
        const std::string kto = "Pomiar nr " + std::to_string(i);
        if (m.MaxJest < 2 || m.MaxJest > WlotowPomiaru)
            Odrzuc(kto + " ma nieprawidłową liczbę wlotów " + std::to_string(m.MaxJest) + ".");
        if (m.CzasPomiaru < 0)
            Odrzuc(kto + " ma ujemny czas pomiaru.");
        SprawdzNatezenia(m.NatezeniaPojazdow, kto);
        SprawdzNatezenia(m.NatezeniaPojazdowSumy, kto);
        SprawdzNatezenia(m.NatezeniaPrzejsc, kto);
        SprawdzNatezenia(m.NatezeniaPrzejscSumy, kto);
        SprawdzNatezenia(m.NatezeniaNaRelacjach, kto, true);
        SprawdzNatezenia(m.NatezeniaPrzejscObliczone, kto, true);
    }
}

}  // namespace

std::string SprawdzDiagramy(Projekt& p)
{
    try {
        SprawdzPomiary(p);
        SprawdzRuchoplany(p);
        SprawdzRonda(p);
    } catch (const Blad& b) {
        return b.komunikat;
    }
    return "";
}
