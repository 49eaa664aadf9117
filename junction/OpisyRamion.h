#pragma once
// Arm labels of a junction diagram: two description lines, the arm's arrow
// and its designation letter at the outer end of every present arm.

#include <cstdint>
#include <string>

#include "base/Typy.h"
#include "model/Ustawienia.h"

void RysujOpisyRamion(int32_t indeks, const TRozmiaryOpisow& rozmiary, const std::string& warstwa,
                      TKolor kolorWypelnien, TKolor kolorLinii, TKolor kolorOpisow, bool oznaczenia);
