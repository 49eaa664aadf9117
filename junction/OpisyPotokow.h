#pragma once
// Flow labels at the arms of a junction diagram: corner sums, standard
// labels and the two kinds of flow table.

#include <array>
#include <cstdint>
#include <string>

#include "model/Ruchoplan.h"
#include "base/Typy.h"
#include "model/Ustawienia.h"

// One corner sum. Corner "LD", "LG", "PD" or "PG"; angle in radians.
void RysujSume(bool zeroMode, const std::string& naroznik, float x, float y, float e12, float e13, float kat,
               int32_t suma, TKolor kolor, const std::string& warstwa);

// One standard label block: three relation rows and the U-turn.
void RysujOpisRelacji(const TRozmiaryLegendy& rozmiary, const std::string& naroznik, float x, float y, float e12,
                      float e13, float kat, float v0, float v1, float v2, float vu, bool f0, bool f1, bool f2,
                      bool zeroMode, bool procenty, bool zeroZawrotki, TKolor kolor, const std::string& warstwa);

// One flow table of an inlet.
void RysujTabelke(const TRozmiaryLegendy& rozmiary, int32_t vLewo, float x, float y, float e12, float e13, float kat,
                  int32_t vProsto, int32_t vPrawo, int32_t vZawrotka, bool fLewo, bool fProsto, bool fPrawo,
                  bool zeroMode, const std::string& nazwaLewo, const std::string& nazwaProsto,
                  const std::string& nazwaPrawo, const std::string& nazwaWlasna, bool oznaczenia, bool procenty,
                  bool zeroZawrotki, int32_t dokladnosc, TKolor kolor, const std::string& warstwa);

// One flow table with the vehicle composition; each volume is a relation's
// block of the structure figures (element 0 the volume, 1..10 the types).
using BlokStruktury = std::array<int32_t, ElementowStruktury>;
void RysujTabelkeStruktury(const TRozmiaryLegendy& rozmiary, const BlokStruktury& vLewo, float x, float y, float e12,
                           float e13, float kat, const BlokStruktury& vProsto, const BlokStruktury& vPrawo,
                           const BlokStruktury& vZawrotka, bool fLewo, bool fProsto, bool fPrawo, bool zeroMode,
                           const std::string& nazwaLewo, const std::string& nazwaProsto,
                           const std::string& nazwaPrawo, const std::string& nazwaWlasna, bool oznaczenia,
                           bool procenty, bool zeroZawrotki, bool piszSume, bool piszStruk, bool piszZeraStruk,
                           int32_t dokladnosc, TKolor kolor, const std::string& warstwa);

// Texts of the labels.
std::string TekstPotoku(double v);                     // "##0.##"
std::string TekstProcentu(double v, int32_t dokladnosc); // fixed decimals + "%"
