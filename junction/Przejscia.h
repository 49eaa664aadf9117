#pragma once
// Pedestrian, cyclist and other crossings on the arms of a junction diagram,
// and the node's own crossing legend.

#include <array>
#include <cstdint>
#include <string>

#include "base/Typy.h"
#include "model/Ustawienia.h"

// One value per crossing category 1..4, at index category - 1.
using FlagiPrzejsc = std::array<uint8_t, 4>;
using KoloryPrzejsc = std::array<TKolor, 4>;
// Crossing distances in the count's inlet numbering 1..4, at index inlet - 1.
using OdlegloscPrzejsc = std::array<float, 4>;

// The crossings over one arm from the centre (x, y) along the angle: for the
// categories 4 down to 1 that are drawn, a sign with their sum or a bar with
// both directions, each next one nearer the centre by the text height and
// 0.1. `dol` and `gora` are the half-extents across the arm (outlet side,
// inlet side); `wartosci` L1, P1, ... L4, P4.
struct PrzejsciaRamienia {
    float x = 0.0f, y = 0.0f;
    float odleglosc = 0.0f;
    float dol = 0.0f, gora = 0.0f;
    float kat = 0.0f;
    std::array<int32_t, 8> wartosci{};
};
void RysujPrzejsciaRamienia(const PrzejsciaRamienia& p, const TRozmiaryOpisow& rozmiary, bool zeroMode,
                            const std::string& warstwa, const FlagiPrzejsc& sumuj, const FlagiPrzejsc& rysuj,
                            TKolor kolorWypelnienia, const KoloryPrzejsc& kolory);

// Crossings from the diagram's own computed crossing values.
void RysujPrzejsciaWezla(int32_t indeks, const TRozmiaryOpisow& rozmiary, bool zeroMode, const std::string& warstwa,
                         const FlagiPrzejsc& sumuj, const FlagiPrzejsc& rysuj, TKolor kolorWypelnienia,
                         const KoloryPrzejsc& kolory, const OdlegloscPrzejsc& odleglosci);

// Crossings from the count the diagram reads; nothing when it reads none.
void RysujPrzejsciaZPomiaru(int32_t indeks, const TRozmiaryOpisow& rozmiary, bool zeroMode,
                            const std::string& warstwa, const FlagiPrzejsc& sumuj, const FlagiPrzejsc& rysuj,
                            TKolor kolorWypelnienia, const KoloryPrzejsc& kolory, const OdlegloscPrzejsc& odleglosci);

// The node's framed crossing legend with its top left corner at (x, y).
void RysujLegendePrzejscWezla(int32_t indeks, const TRozmiaryOpisow& rozmiary, const std::string& warstwa,
                              const std::array<std::string, 4>& nazwy, const FlagiPrzejsc& sumuj,
                              const FlagiPrzejsc& rysuj, const KoloryPrzejsc& kolory, TKolor kolorTekstu, float x,
                              float y);
