#pragma once
// Drawing one computed junction diagram: bands, outlet arrows, inlet marks,
// flow labels, the node's legends, arm labels, caption and crossings.

#include <cstdint>
#include <string>

#include "model/Ruchoplan.h"
#include "base/Typy.h"

// Draws diagram `indeks` of Ruchoplany on every output that is on; the
// diagram must have been computed.
void RysujRuchoplan(int32_t indeks);

// One band on the screen and the printer (a filled polygon).
void RysujPasmo(const DanaRelacja& relacja, TKolor kolorLinii, TKolor kolorNaroznika, TKolor kolorWypelnienia,
                float grubosc, bool zeroMode, const std::string& warstwa);

// All bands of a diagram as DXF outlines, each cut where later bands cover it.
void RysujPasmaDxf(int32_t indeks, TKolor kolorLinii, float grubosc, bool zeroMode, const std::string& warstwa);

// One outline segment or arc of a band into DXF, cut at the bands of slots
// `pierwszySlot` to 15.
void RysujOdcinekDxf(int32_t indeks, int pierwszySlot, float x1, float y1, float x2, float y2, float grubosc,
                     TKolor kolor, const std::string& warstwa);
void RysujLukDxf(const DaneLuk& luk, int32_t indeks, int pierwszySlot, float grubosc, TKolor kolor,
                 const std::string& warstwa);

// The outlet arrow of one arm, from the outlet strip's points R11, R21, R15, R25.
void RysujStrzalkeWylotu(TKolor kolorLinii, TKolor kolorWypelnienia, float r11x, float r11y, float r21x, float r21y,
                         float r15x, float r15y, float r25x, float r25y, float szerokosc, float przesuniecie,
                         float grubosc, const std::string& warstwa);

// The inlet mark of one arm, from the inlet strip's points R11, R21, R15, R25.
void RysujZnakWlotu(TKolor kolorLinii, const std::string& warstwa, float r11x, float r11y, float r21x, float r21y,
                    float r15x, float r15y, float r25x, float r25y, float grubosc);
