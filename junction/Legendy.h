#pragma once
// The caption of a junction diagram and the two framed legends: vehicle
// types ("LEGENDA POJAZDY") and crossing categories ("LEGENDA PRZEJŚCIA").

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
