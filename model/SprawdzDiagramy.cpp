// Checks of the junction diagrams, roundabouts, counts and forecasts after a
// load: a node or variant index that names no record, or a volume no count
// can have, refuses the file. A link to a count, forecast or coefficient set
// that does not exist has a safe default: it is dropped (-1), so the file
// still opens; a count flag without its count is then cleared.
#include <array>
#include <string>
#include <vector>
#include <type_traits>

#include "model/Granice.h"
#include "model/Operacje.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"
#include "base/Kodowanie.h"

namespace {


struct Blad {
    std::string komunikat;
};

[[noreturn]] void Odrzuc(const std::string& utf8) { throw Blad{Utf8NaCp1250(utf8)}; }

// The name of a node or variant as a message quotes it (Windows-1250).
std::string Cytat(const std::string& nazwa) { return "\x84" + nazwa + "\x94"; }

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
    if (!(obliczone ? granice::NatezenieObliczone : granice::Natezenie).Miesci(q))
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
        if (!granice::LiczbaWlotow.Miesci(m.MaxJest))
            Odrzuc(kto + " ma nieprawidłową liczbę wlotów " + std::to_string(m.MaxJest) + ".");
        if (!granice::CzasPomiaru.Miesci(m.CzasPomiaru))
            Odrzuc(kto + " ma nieprawidłowy czas pomiaru " + std::to_string(m.CzasPomiaru) + ".");
        for (float w : m.WspPojazdu)
            if (!granice::Wspolczynnik.Miesci(w))
                Odrzuc(kto + " ma nieprawidłowy współczynnik pojazdów.");
        SprawdzNatezenia(m.NatezeniaPojazdow, kto);
        SprawdzNatezenia(m.NatezeniaPrzejsc, kto);
        for (const auto* sumy : {&m.NatezeniaPojazdowSumy, &m.NatezeniaPrzejscSumy})
            for (int32_t q : *sumy)
                if (!granice::SumaNatezen.Miesci(q))
                    Odrzuc(kto + " ma nieprawidłową sumę natężeń " + std::to_string(q) + ".");
        SprawdzNatezenia(m.NatezeniaNaRelacjach, kto, true);
        SprawdzNatezenia(m.NatezeniaPrzejscObliczone, kto, true);
    }
}

// [node][variant]: how many junction diagrams and roundabouts it has.
using Liczniki = std::vector<std::array<int, 2>>;

// What the sections promise each other: no record sits on a node of the
// other type and no node has two in one variant. Missing records (a file cut
// between sections) are left to `UzupelnijBrakujaceDiagramy`.
Liczniki SprawdzKompletnosc(const Projekt& p)
{
    const std::size_t wezlow = p.Wezly.size();
    const std::size_t wariantow = p.Warianty.size();
    // [node][variant]: junction diagrams, roundabouts.
    std::vector<std::array<int, 2>> ile(wezlow * wariantow, {0, 0});
    auto policz = [&](const NaglowekDiagramu& r, int rodzaj, char typWezla, const std::string& kto) {
        const DaneWezel& w = p.Wezly[static_cast<std::size_t>(r.NrWezla)];
        if (w.Typ != typWezla)
            throw Blad{Utf8NaCp1250(kto + " należy do węzła ") + Cytat(w.Nazwa) +
                       Utf8NaCp1250(typWezla == 'J' ? " typu rondo." : " typu ruchoplan.")};
        ++ile[static_cast<std::size_t>(r.NrWezla) * wariantow + static_cast<std::size_t>(r.NrWariantu)]
             [static_cast<std::size_t>(rodzaj)];
    };
    for (std::size_t i = 0; i < p.Ruchoplany.size(); ++i)
        policz(p.Ruchoplany[i], 0, 'J', "Ruchoplan nr " + std::to_string(i));
    for (std::size_t i = 0; i < p.Ronda.size(); ++i)
        policz(p.Ronda[i], 1, 'R', "Rondo nr " + std::to_string(i));
    for (std::size_t w = 0; w < wezlow; ++w) {
        const DaneWezel& wezel = p.Wezly[w];
        const bool rondo = wezel.Typ == 'R';
        const char* const czego = rondo ? "ronda" : "ruchoplanu";
        for (std::size_t v = 0; v < wariantow; ++v)
            if (ile[w * wariantow + v][rondo ? 1 : 0] > 1)
                throw Blad{Utf8NaCp1250(std::string("więcej niż jeden rekord ") + czego + " węzła ") +
                           Cytat(wezel.Nazwa) + Utf8NaCp1250(" w wariancie ") + Cytat(p.Warianty[v].Nazwa) + "."};
    }
    return ile;
}

}  // namespace

std::string SprawdzDiagramy(Projekt& p)
{
    try {
        SprawdzPomiary(p);
        SprawdzRuchoplany(p);
        SprawdzRonda(p);
        SprawdzKompletnosc(p);
    } catch (const Blad& b) {
        return b.komunikat;
    }
    return "";
}

std::string UzupelnijBrakujaceDiagramy(Projekt& p)
{
    const Liczniki ile = SprawdzKompletnosc(p);
    const std::size_t wariantow = p.Warianty.size();
    std::string lista;
    int brakow = 0;
    constexpr int wymienianych = 10;
    for (std::size_t w = 0; w < p.Wezly.size(); ++w) {
        const bool rondo = p.Wezly[w].Typ == 'R';
        for (std::size_t v = 0; v < wariantow; ++v) {
            if (ile[w * wariantow + v][rondo ? 1 : 0] != 0)
                continue;
            if (rondo)
                DodajRondo(p, static_cast<int32_t>(v), static_cast<int32_t>(w));
            else
                DodajRuchoplan(p, static_cast<int32_t>(v), static_cast<int32_t>(w));
            if (++brakow <= wymienianych)
                lista += Utf8NaCp1250(rondo ? "\n  rondo węzła " : "\n  ruchoplan węzła ") + Cytat(p.Wezly[w].Nazwa) +
                         Utf8NaCp1250(" w wariancie ") + Cytat(p.Warianty[v].Nazwa);
        }
    }
    if (brakow > wymienianych)
        lista += Utf8NaCp1250("\n  i " + std::to_string(brakow - wymienianych) + " innych");
    return lista;
}
