#pragma once
// The display settings one junction diagram is drawn with: the node's own
// copies when its switch says so, else the global settings.

#include <array>
#include <cstdint>
#include <string>

#include "model/Ustawienia.h"
#include "base/Typy.h"

struct UstawieniaRysunku {
    TKolor KolorLinii = 0;
    TKolor KolorWypelnien = 0;
    TKolor KolorTytulow = 0;
    TKolor KolorOpisow = 0;
    float GrLinie = 0.0f;
    bool TylkoSuma = false;
    bool TabelkaWW = false;
    bool RysujProcenty = false;
    bool RysujOznaczenie = false;
    bool Rysuj0Zawrotki = false;
    bool Rysuj0Natezenia = false;
    bool PiszSume = false;
    bool PiszStruk = false;
    bool PiszZeraStruk = false;
    TRozmiaryLegendy RozmiaryLegendy;
    TRozmiaryOpisow RozmiaryOpisow;
    // Crossing categories 1..4 at index category - 1.
    std::array<uint8_t, 4> RysujPrzejscia{};
    std::array<uint8_t, 4> SumujPrzejscia{};
    std::array<TKolor, 4> KoloryPrzejsc{};
    std::array<std::string, 4> NazwyPrzejsc{};
    // Crossing distances in the count's inlet numbering 1..4 (east, north,
    // west, south) at index inlet - 1.
    std::array<float, 4> OdlegloscPrzejscia{};
    bool LegendaPrzejsc = false;
    bool Struktura = false;
    // The node's own settings are in use (the band corners take the
    // relation's own colour then).
    bool Wlasne = false;
};

// The settings for a diagram of node `nrWezla`; a node index outside the
// collection gives the global settings.
UstawieniaRysunku ZbierzUstawieniaRysunku(int32_t nrWezla);
