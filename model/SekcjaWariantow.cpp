// The variants section "Warianty" (vv1).
#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {
constexpr int LiniiWariantu = 7;
using maski::Polozenie;
}  // namespace

void ZapiszSekcjeWariantow(PisarzProjektu& p)
{
    const std::vector<DaneWariant>& warianty = p.Zrodlo().Warianty;
    p.Naglowek("vv1", "Warianty", static_cast<int64_t>(warianty.size()));
    for (const DaneWariant& w : warianty) {
        p.Tekst(w.Nazwa);
        p.Tekst(w.Tytul1);
        p.Tekst(w.Tytul2);
        p.Tekst(w.Tytul3);
        p.Rzeczywista(w.TytulDx, Polozenie);
        p.Rzeczywista(w.TytulDy, Polozenie);
        p.Znak(w.TytulWyrownanie);
    }
    p.Linia("");
}

// A second section replaces the first. The variant list of the window and
// the variant shown follow the project once it is adopted.
void CzytajSekcjeWariantow(CzytnikProjektu& c)
{
    std::vector<DaneWariant>& warianty = c.Cel().Warianty;
    c.NaglowekRekordow(warianty, LiniiWariantu);
    for (DaneWariant& w : warianty) {
        c.Tekst(w.Nazwa);
        c.Tekst(w.Tytul1);
        c.Tekst(w.Tytul2);
        c.Tekst(w.Tytul3);
        w.TytulDx = c.RzeczywistaS(granice::Polozenie);
        w.TytulDy = c.RzeczywistaS(granice::Polozenie);
        w.TytulWyrownanie = c.Znak();
    }
}
