#pragma once
// Drawing services of parts of the program that are still to come
// (roundabouts, drawing blocks, descriptions, variant titles). The redraw
// calls them through here; until one is set, a roundabout shows its node
// marker and the rest is left out of the sheet.

#include <functional>
#include <string>

#include "model/Typy.h"

struct TUslugiPozniejsze {
    std::function<void(int indeks)> ObliczGeometrieRonda;
    std::function<void(int indeks)> RysujRondo;
    // One command line of a block definition at (x, y) with the block's factors.
    std::function<void(const std::string& linia, float x, float y, float sx, float sy)> RysujKomendeBloku;
    std::function<void()> RysujOpisy;
    std::function<void(int wariant, TKolor kolor, const std::string& warstwa)> RysujTytulWariantu;
};

extern TUslugiPozniejsze UslugiPozniejsze;
