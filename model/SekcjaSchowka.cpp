// The clipboard settings section "Nastawy schowek" (sv1).
#include "model/Projekt.h"
#include "model/Sekcje.h"

void ZapiszSekcjeSchowka(PisarzProjektu& p)
{
    constexpr const char* Liczba = maski::Skala;
    const TNastawySchowek& s = p.Zrodlo().NastawySchowek;
    p.Linia(LiniaZnacznika("sv1"));
    p.Linia("Nastawy schowek");
    p.Linia(Kreski);
    for (float x : {s.X1, s.Y1, s.X2, s.Y2})
        p.Rzeczywista(x, Liczba);
    p.Calkowita(s.PunktowNaCm);
    p.Calkowita(s.SzerokoscPx);
    p.Calkowita(s.WysokoscPx);
    p.Kolor(s.KolorTla);
    p.Linia("");
}

void CzytajSekcjeSchowka(CzytnikProjektu& c)
{
    TNastawySchowek& s = c.Cel().NastawySchowek;
    c.Linia();  // title
    c.Linia();  // separator
    for (float* x : {&s.X1, &s.Y1, &s.X2, &s.Y2})
        *x = c.RzeczywistaS(granice::Polozenie);
    s.PunktowNaCm = c.Calkowita();
    s.SzerokoscPx = c.Calkowita();
    s.WysokoscPx = c.Calkowita();
    s.KolorTla = c.Kolor();
}
