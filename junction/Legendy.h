#pragma once
// The caption of a junction diagram and the two framed legends: vehicle
// types ("LEGENDA POJAZDY") and crossing categories ("LEGENDA PRZEJŚCIA").

#include <array>
#include <cstdint>
#include <string>

#include "base/Typy.h"
#include "model/Ustawienia.h"

// Up to three caption lines of diagram `indeks`, always in TrueType.
void RysujTytul(int32_t indeks, TKolor kolor, const std::string& warstwa);

// The legends with their top left corner at (x, y).
void RysujLegendePojazdow(const TRozmiaryOpisow& rozmiary, TKolor kolor, float x, float y,
                          const std::string& warstwa);
void RysujLegendePrzejsc(const TRozmiaryOpisow& rozmiary, TKolor kolor, float x, float y,
                         const std::string& warstwa);

// The crossing categories a legend lists (categories 1..4 at index - 1).
struct KategoriePrzejsc {
    std::array<uint8_t, 4> rysuj{};
    std::array<std::string, 4> nazwy{};
    std::array<TKolor, 4> kolory{};
};
// The same legend for the categories given (the sheet's are those of wg).
void RysujLegendePrzejsc(const TRozmiaryOpisow& rozmiary, TKolor kolor, float x, float y,
                         const std::string& warstwa, const KategoriePrzejsc& kategorie);
