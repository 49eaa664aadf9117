#pragma once
// The lines that a junction diagram's and a roundabout's section hold alike,
// after the section head: from the node index to the position. The title
// lines and their height are the record's own fields.

#include <array>

#include "model/CzytanieRekordow.h"
#include "model/NaglowekDiagramu.h"

inline constexpr const char* MaskaNaglowkaDiagramu = maski::Polozenie;

template <int N>
void ZapiszNaglowekDiagramu(PisarzProjektu& p, const NaglowekDiagramu& n, const std::array<KrotkiTekst<N>, 3>& tytul,
                            float wysokoscTytulu)
{
    p.Calkowita(n.NrWezla);
    p.Calkowita(n.NrWariantu);
    for (const auto& t : tytul)
        p.Tekst(t);
    p.Rzeczywista(n.TytulDx, MaskaNaglowkaDiagramu);
    p.Rzeczywista(n.TytulDy, MaskaNaglowkaDiagramu);
    p.Znak(n.TytulWyrownanie);
    p.Rzeczywista(wysokoscTytulu, MaskaNaglowkaDiagramu);
    p.Calkowita(n.NrPomiaru);
    p.Calkowita(n.NrPrognozy);
    p.Calkowita(n.NrWspolczynnikow);
    p.Logiczna(n.ZPomiaru);
    p.Logiczna(n.AutoAktualizacja);
    p.Logiczna(n.WlaczPrognoze);
    // The node's position as the computation copies it: what is saved does
    // not hang on whether the diagram was drawn (or printed) since its node
    // was placed or moved.
    float x = n.X, y = n.Y;
    if (const std::vector<DaneWezel>& wezly = p.Zrodlo().Wezly; JestIndeksem(n.NrWezla, wezly)) {
        x = static_cast<float>(wezly[static_cast<std::size_t>(n.NrWezla)].X);
        y = static_cast<float>(wezly[static_cast<std::size_t>(n.NrWezla)].Y);
    }
    p.Rzeczywista(x, MaskaNaglowkaDiagramu);
    p.Rzeczywista(y, MaskaNaglowkaDiagramu);
}

// Sections of version 1 and 2 hold no title height, links or data-mode
// flags: they link to nothing.
template <int N>
void CzytajNaglowekDiagramu(CzytnikScisly& c, NaglowekDiagramu& n, std::array<KrotkiTekst<N>, 3>& tytul,
                            float& wysokoscTytulu, int wersja)
{
    n.NrWezla = c.Calkowita();
    n.NrWariantu = c.Calkowita();
    for (auto& t : tytul)
        c.Tekst(t);
    n.TytulDx = c.RzeczywistaS(granice::Polozenie);
    n.TytulDy = c.RzeczywistaS(granice::Polozenie);
    n.TytulWyrownanie = c.Znak();
    if (wersja >= 3) {
        wysokoscTytulu = c.RzeczywistaS(granice::Wymiar);
        n.NrPomiaru = c.Calkowita();
        n.NrPrognozy = c.Calkowita();
        n.NrWspolczynnikow = c.Calkowita();
        n.ZPomiaru = c.Logiczna();
        n.AutoAktualizacja = c.Logiczna();
        n.WlaczPrognoze = c.Logiczna();
    } else {
        n.NrPomiaru = n.NrPrognozy = n.NrWspolczynnikow = -1;
        n.ZPomiaru = 0;
    }
    n.X = c.RzeczywistaS(granice::Polozenie);
    n.Y = c.RzeczywistaS(granice::Polozenie);
}
