#include "junction/OpisyRamion.h"

#include <cmath>

#include "base/Geometria.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "junction/WspolneRysowania.h"
#include "model/Projekt.h"

namespace {

// Per arm: the direction a of the labels from the node, the text angle, whether
// the lines start at D + L (their text runs towards the node) and the side s.
struct UkladRamienia {
    double a;
    double t;
    bool odKonca;
    double s;
};

UkladRamienia Uklad(const DaneRuchoplan& r, int k)
{
    const double kat = r.Kat[static_cast<std::size_t>(k - 1)];
    UkladRamienia u{};
    switch (k) {
    case 1:
        u = {kat - KatPiPol, kat + KatPiPol, true, 0.0};
        break;
    case 2:
        u = {kat, kat, false, 0.0};
        break;
    case 3:
        u = {kat + KatPiPol, kat + KatPiPol, false, 0.0};
        break;
    default:
        u = {kat + KatPi, kat, true, 0.0};
        break;
    }
    // The second line stands on the side the text's upright points to.
    u.s = u.odKonca ? u.a + KatPiPol : u.a - KatPiPol;
    return u;
}

} // namespace

void RysujOpisyRamion(int32_t indeks, const TRozmiaryOpisow& rozmiary, const std::string& warstwa,
                      TKolor kolorWypelnien, TKolor kolorLinii, TKolor kolorOpisow, bool oznaczenia)
{
    if (indeks < 0 || indeks >= static_cast<int32_t>(Ruchoplany.size()))
        return;
    if (!TabelaSkonczona(rozmiary))
        return;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(indeks)];
    const double D = rozmiary[9];
    const double strzalka = rozmiary[8];
    for (int k = 1; k <= 4; ++k) {
        if (!RamieJest(r, k))
            continue;
        const UkladRamienia u = Uklad(r, k);
        if (!Skonczone({u.a, u.s, r.X, r.Y, D, strzalka}))
            continue;
        const std::string& linia1 = r.OpisRamienia[static_cast<std::size_t>(2 * (k - 1))].str();
        const std::string& linia2 = r.OpisRamienia[static_cast<std::size_t>(2 * (k - 1) + 1)].str();
        const double L = MaxZ2(SzerTekstuWekt(linia1, rozmiary[0]), SzerTekstuWekt(linia2, rozmiary[0]));
        const double ca = std::cos(u.a), sa = std::sin(u.a);
        const double cs = std::cos(u.s), ss = std::sin(u.s);
        const double odl = u.odKonca ? D + L : D;
        double px = r.X + odl * ca;
        double py = r.Y + odl * sa;
        // A single line sits in the middle of the two-line block.
        if (linia2.size() < 2) {
            px += 0.5 * rozmiary[1] * cs;
            py += 0.5 * rozmiary[1] * ss;
        }
        const double stopnie = NaStopnie(u.t);
        RysujTekst(linia1, kolorOpisow, px, py, rozmiary[1], rozmiary[0], rozmiary[4], stopnie, warstwa);
        px += rozmiary[1] * cs;
        py += rozmiary[1] * ss;
        RysujTekst(linia2, kolorOpisow, px, py, rozmiary[1], rozmiary[0], rozmiary[4], stopnie, warstwa);

        const bool maStrzalke = r.Strzalka[static_cast<std::size_t>(k - 1)] != 0;
        if (maStrzalke)
            RysujStrzalke(kolorLinii, kolorWypelnien, r.X + (D + L + 0.5) * ca, r.Y + (D + L + 0.5) * sa, strzalka,
                          strzalka, u.a - KatPiPol, 0, 0.1f, warstwa);
        if (oznaczenia) {
            const std::string& oznaczenie = r.Oznaczenie[static_cast<std::size_t>(k - 1)].str();
            // On arms 1 and 4 the letter runs towards the node and ends where
            // it starts on arms 2 and 3.
            double W = u.odKonca ? SzerTekstuWekt(oznaczenie, rozmiary[2]) : 0.0;
            if (!maStrzalke)
                W = W - strzalka - 0.5;
            const double o = D + L + strzalka + 0.8 + W;
            RysujTekst(oznaczenie, kolorOpisow, r.X + o * ca + 0.6 * rozmiary[3] * cs,
                       r.Y + o * sa + 0.6 * rozmiary[3] * ss, rozmiary[3], rozmiary[2], rozmiary[4], stopnie,
                       warstwa);
        }
    }
}
