#pragma once
// Drawing services of parts of the program that are still to come
// (roundabouts). The redraw calls them through here; until they are set, a
// roundabout shows its node marker.

#include <functional>

struct TUslugiPozniejsze {
    std::function<void(int indeks)> ObliczGeometrieRonda;
    std::function<void(int indeks)> RysujRondo;
};

extern TUslugiPozniejsze UslugiPozniejsze;
