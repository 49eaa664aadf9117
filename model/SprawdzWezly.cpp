// Checks after a load of the nodes, variants, descriptions, blocks and
// settings: what has a safe default is repaired, the rest refuses the load.
#include <algorithm>
#include <cmath>

#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {

bool WariantIstnieje(int32_t w, const Projekt& p) { return w == -1 || JestIndeksem(w, p.Warianty); }

// Percentage decimals outside 0..3 would make label texts of any length.
void PoprawDokladnosc(TRozmiaryLegendy& r)
{
    r.UstawDokladnoscProc(std::clamp(r.DokladnoscProc(), 0, 3));
}

std::string SprawdzOpisy(const Projekt& p)
{
    for (std::size_t i = 0; i < p.Opisy.size(); ++i)
        if (!WariantIstnieje(p.Opisy[i].Wariant, p))
            return "opis nr " + std::to_string(i + 1) + " wskazuje nieistniej\xB9" "cy wariant " +
                   std::to_string(p.Opisy[i].Wariant + 1) + ".";
    return "";
}

// The definitions' ranges are checked by the blocks section's reader.
std::string SprawdzBloki(const Projekt& p)
{
    for (std::size_t i = 0; i < p.Bloki.size(); ++i)
        if (!WariantIstnieje(p.Bloki[i].Wariant, p))
            return "blok nr " + std::to_string(i + 1) + " wskazuje nieistniej\xB9" "cy wariant " +
                   std::to_string(p.Bloki[i].Wariant + 1) + ".";
    return "";
}

// Values that size a drawing loop: the grid step as its control takes it (a
// step below 0.01 becomes 1.0), the sheet's sizes and the DXF gap between
// variants within a sheet no printer or plotter exceeds.
void PoprawWymiary(TUstawieniaGlobalne& u)
{
    constexpr float maksArkusz = 10000.0f;  // cm
    if (!(u.KrokSiatki >= 0.01f) || !std::isfinite(u.KrokSiatki))
        u.KrokSiatki = 1.0f;
    if (!(u.ArkuszB > 0.0f && u.ArkuszB <= maksArkusz) || !(u.ArkuszH > 0.0f && u.ArkuszH <= maksArkusz)) {
        u.ArkuszB = 20.5f;
        u.ArkuszH = 28.5f;
    }
    if (!(u.OdstepArkuszyH >= 0.0f && u.OdstepArkuszyH <= maksArkusz))
        u.OdstepArkuszyH = 5.0f;
}

void PoprawNastawy(Projekt& p)
{
    PoprawWymiary(p.wg);
    if (p.wg.MinPojazd < 1)
        p.wg.MinPojazd = 50;
    if (p.NastawySchowek.PunktowNaCm <= 0)
        p.NastawySchowek.PunktowNaCm = 50;
    PoprawDokladnosc(p.RozmiaryLegendy);
    for (DaneWezel& w : p.Wezly)
        PoprawDokladnosc(w.RozmiaryLegendy);
}

}  // namespace

std::string SprawdzWezlyIWarianty(Projekt& p)
{
    PoprawNastawy(p);
    for (const DaneWezel& w : p.Wezly)
        if (w.Typ != 'J' && w.Typ != 'R')
            return "w\xEAze\xB3 " + w.Nazwa.str() + " ma nieznany typ \"" + std::string(1, w.Typ) + "\".";
    std::string uwaga = SprawdzOpisy(p);
    if (uwaga.empty())
        uwaga = SprawdzBloki(p);
    return uwaga;
}
