#pragma once
// The roundabout geometry as its window edits it: the check of the typed
// texts with its silent corrections, and the store into the node's
// roundabout of every variant (geometry belongs to the node). Plain C++.

#include <array>
#include <cstdint>
#include <string>

#include "base/Typy.h"
#include "junction_forms/GeometriaWezla.h"

// The window's number texts, arm k at [k - 1]. The check rewrites them as
// the edits then show them.
struct TekstyGeometriiRonda {
    std::array<std::string, 5> Katy, Dlugosci, Promienie, Odsuniecia;
    std::string R;
};

// The arm count typed into the window, held to the 2..5 arms a record has.
int LiczbaRamionOkna(const std::string& tekst);

// Fills empty angles, makes every separator the system's, converts the five
// groups (angles, lengths, corner radii, offsets, island radius: a later
// failing group's message wins), then for `ramion` arms checks that the
// angles rise within one turn, corrects values below their minimum and
// checks that every offset stays inside the island.
WynikKontroli SprawdzGeometrieRonda(TekstyGeometriiRonda& t, int ramion);

// What the window holds when it stores; numbers as checked.
struct GeometriaRondaOkna {
    int LiczbaRamion = 3;
    std::array<double, 5> KatStopnie{}, Dlugosc{}, Promien{}, Odsuniecie{};
    double R = 3.0;
    std::array<std::string, 5> Oznaczenie{};
    std::array<std::array<std::string, 2>, 5> Opisy{};
    std::array<uint8_t, 5> Strzalki{1, 1, 1, 1, 1};
    std::array<uint8_t, 5> Przejscie{1, 1, 1, 1, 1};
    std::array<TKolor, 5> KoloryWlotow{}, KoloryWylotow{};
};

// The window's numbers of checked texts (after SprawdzGeometrieRonda passed).
void LiczbyGeometrii(const TekstyGeometriiRonda& t, GeometriaRondaOkna& g);

// Every roundabout of the node of record `rekord`: to be computed, the
// window's values (arms above the count keep theirs and are marked absent).
// Sets ProjektZmieniony.
void ZapiszGeometrieRonda(int32_t rekord, const GeometriaRondaOkna& g);

// Every roundabout of the node marked as having its geometry entered.
void OznaczRondoWprowadzone(int32_t rekord);
