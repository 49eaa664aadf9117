// The descriptions section "Opisy" (ov1).
#include "model/Granice.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {
constexpr int LiniiOpisu = 12;
constexpr const char* Liczba = maski::Polozenie;
}  // namespace

void ZapiszSekcjeOpisow(PisarzProjektu& p)
{
    const std::vector<DaneOpis>& opisy = p.Zrodlo().Opisy;
    p.Naglowek("ov1", "Opisy", static_cast<int64_t>(opisy.size()));
    for (const DaneOpis& o : opisy) {
        p.Tekst(o.Tekst);
        for (float x : {o.X, o.Y, o.Sx, o.Sy, o.Kat, o.Zapas, o.Grubosc})
            p.Rzeczywista(x, Liczba);
        p.Calkowita(o.Rodzaj);
        p.Calkowita(o.Wariant);
        p.Tekst(o.Styl);
        p.Kolor(o.Kolor);
    }
    p.Linia("");
}

void CzytajSekcjeOpisow(CzytnikProjektu& c)
{
    std::vector<DaneOpis>& opisy = c.Cel().Opisy;
    c.NaglowekRekordow(opisy, LiniiOpisu);
    for (DaneOpis& o : opisy) {
        c.Tekst(o.Tekst);
        for (float* x : {&o.X, &o.Y})
            *x = c.RzeczywistaS(granice::Polozenie);
        // The sizes and the angle as the description window takes them.
        o.Sx = c.RzeczywistaS(granice::SzerokoscZnakuOpisu);
        o.Sy = c.RzeczywistaS(granice::WysokoscOpisu);
        o.Kat = c.RzeczywistaS(granice::KatOpisu);
        o.Zapas = c.RzeczywistaS();
        o.Grubosc = c.RzeczywistaS(granice::GruboscOpisu);
        o.Rodzaj = c.Calkowita();
        o.Wariant = c.Calkowita();
        c.Tekst(o.Styl);
        o.Kolor = c.Kolor();
    }
}
