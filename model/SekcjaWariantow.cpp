// The variants section "Warianty" (vv1).
#include "model/OknoGlowne.h"
#include "model/Operacje.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {
constexpr int LiniiWariantu = 7;
constexpr const char* Polozenie = "######0.00";
}  // namespace

void ZapiszSekcjeWariantow(PisarzProjektu& p)
{
    p.Naglowek("vv1", "Warianty", LiczbaWariantow());
    for (const DaneWariant& w : Warianty) {
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

void CzytajSekcjeWariantow(CzytnikProjektu& c)
{
    c.NaglowekRekordow(Warianty, LiniiWariantu);
    const int32_t liczba = LiczbaWariantow();
    // A second section replaces the first, so the list starts afresh.
    Okno().WyczyscWarianty();
    for (int i = 0; i < liczba; ++i) {
        DaneWariant& w = Warianty[static_cast<std::size_t>(i)];
        c.Tekst(w.Nazwa);
        c.Tekst(w.Tytul1);
        c.Tekst(w.Tytul2);
        c.Tekst(w.Tytul3);
        w.TytulDx = c.RzeczywistaS();
        w.TytulDy = c.RzeczywistaS();
        w.TytulWyrownanie = c.Znak();
        Okno().DodajWariantDoListy(PozycjaListyWariantow(i));
    }
    if (liczba > 0) {
        BiezacyWariant = 0;
        Okno().UstawTekstWariantu(PozycjaListyWariantow(0));
    } else {
        BiezacyWariant = -1;
    }
}
