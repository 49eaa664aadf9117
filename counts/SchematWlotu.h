#pragma once
// The sketch of one inlet's movements in the per-inlet count table, in
// pixels of a W x H picture (y down): arrows for a junction inlet, the ring
// and the inlets' arrows for a roundabout.

#include <string>
#include <vector>

#include "model/Pomiar.h"
#include "base/Typy.h"

struct ElementSchematu {
    enum class Rodzaj { Wielokat, Kolo, Tekst } rodzaj = Rodzaj::Wielokat;
    std::vector<PunktInt> punkty;   // polygon outline
    PunktInt srodek;                // disc centre or text centre
    int promien = 0;
    std::string tekst;
    bool wypelniony = true;
    TKolor kolor = 0;               // fill (outlines are black)
};

constexpr TKolor KolorTlaSchematu = KolorRGB(200, 200, 200);

// The movements of inlet `wlot` that the table shows, in column order:
// " LS", " WP", " PS", " Zw" for a junction count.
struct KolumnaWlotu {
    std::string naglowek;
    int wylot = 0;      // 1-based
};
std::vector<KolumnaWlotu> KolumnyWlotu(const DanePomiar& p, int wlot);

std::vector<ElementSchematu> SchematWlotu(const DanePomiar& p, int wlot, int W, int H);
