// Checks after a load of the nodes, variants, descriptions, blocks and
// settings: what has a safe default is repaired, the rest refuses the load.
#include <algorithm>
#include <cmath>

#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {

bool WariantIstnieje(int32_t w) { return w == -1 || JestIndeksem(w, Warianty); }

// Percentage decimals outside 0..3 would make label texts of any length.
void PoprawDokladnosc(TRozmiaryLegendy& r)
{
    r.UstawDokladnoscProc(std::clamp(r.DokladnoscProc(), 0, 3));
}

std::string SprawdzOpisy()
{
    for (int i = 0; i < LiczbaOpisow(); ++i)
        if (!WariantIstnieje(Opisy[static_cast<std::size_t>(i)].Wariant))
            return "opis nr " + std::to_string(i + 1) + " wskazuje nieistniej\xB9" "cy wariant " +
                   std::to_string(Opisy[static_cast<std::size_t>(i)].Wariant + 1) + ".";
    return "";
}

std::string SprawdzBloki()
{
    for (int i = 0; i < LiczbaDefinicjiBlokow(); ++i) {
        const DaneBlokWpis& d = DefinicjeBlokow[static_cast<std::size_t>(i)];
        // An empty range (Start = Koniec + 1) draws nothing and is sound.
        const bool dobryZakres = d.Start >= 0 && d.Koniec < LiczbaLiniiBlokow() && d.Start <= d.Koniec + 1;
        if (!dobryZakres)
            return "definicja bloku " + d.Nazwa + " wskazuje linie " + std::to_string(d.Start) + ".." +
                   std::to_string(d.Koniec) + " spoza listy " + std::to_string(LiczbaLiniiBlokow()) + " linii.";
    }
    for (int i = 0; i < LiczbaBlokow(); ++i)
        if (!WariantIstnieje(Bloki[static_cast<std::size_t>(i)].Wariant))
            return "blok nr " + std::to_string(i + 1) + " wskazuje nieistniej\xB9" "cy wariant " +
                   std::to_string(Bloki[static_cast<std::size_t>(i)].Wariant + 1) + ".";
    return "";
}

void PoprawNastawy()
{
    if (!(wg.KrokSiatki > 0.0f) || !std::isfinite(wg.KrokSiatki))
        wg.KrokSiatki = 1.0f;
    if (wg.MinPojazd < 1)
        wg.MinPojazd = 50;
    if (NastawySchowek.PunktowNaCm <= 0)
        NastawySchowek.PunktowNaCm = 50;
    PoprawDokladnosc(RozmiaryLegendy);
    for (DaneWezel& w : Wezly)
        PoprawDokladnosc(w.RozmiaryLegendy);
    if (BiezacyWariant >= LiczbaWariantow())
        BiezacyWariant = LiczbaWariantow() > 0 ? 0 : -1;
}

}  // namespace

std::string SprawdzWezlyIWarianty()
{
    PoprawNastawy();
    for (const DaneWezel& w : Wezly)
        if (w.Typ != 'J' && w.Typ != 'R')
            return "w\xEAze\xB3 " + w.Nazwa.str() + " ma nieznany typ \"" + std::string(1, w.Typ) + "\".";
    std::string uwaga = SprawdzOpisy();
    if (uwaga.empty())
        uwaga = SprawdzBloki();
    return uwaga;
}
