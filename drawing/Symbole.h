#pragma once
// The small symbols of the diagrams: arrows and pedestrian-crossing signs.
// Each is a polygon in its own unit frame (local x across, local y along; at
// angle 0 an arrow points to +y), scaled, placed, turned counter-clockwise
// by the angle (radians) and drawn through `RysujObrys` on every output.
// Numbers are written in the stroke font.

#include <cstdint>
#include <string>

#include "base/Typy.h"

// The flag argument of the arrows is kept for the callers' sake and not read.
void RysujStrzalke(TKolor kolorPiora, TKolor kolorWypelnienia, double x, double y, double rozmiarX, double rozmiarY,
                   double kat, int32_t flaga, float grubosc, const std::string& warstwa);
void RysujStrzalkeSkret(TKolor kolorPiora, TKolor kolorWypelnienia, float x, float y, float rozmiarX, float rozmiarY,
                        float kat, int32_t flaga, float grubosc, const std::string& warstwa);
void RysujStrzalkeZawracania(TKolor kolorPiora, TKolor kolorWypelnienia, float x, float y, float rozmiarX,
                             float rozmiarY, float kat, int32_t flaga, float grubosc, const std::string& warstwa);
void RysujStrzalkeBoczna(TKolor kolorPiora, TKolor kolorWypelnienia, float x, float y, float rozmiarX,
                         float rozmiarY, float kat, int32_t flaga, float grubosc, const std::string& warstwa);

// A crossing bar between Odl - W and Odl along the angle from (x, y), W from
// the two counts and the crossing scale of `wg`, with an arrow at each end
// and the counts beside them. Nothing when both counts are 0 unless rysuj0.
void RysujPrzejscieZLiczbami(int32_t n1, int32_t n2, float x, float y, float odl, float dol, float gora, float kat,
                             float szerokoscZnaku, float wysokosc, uint8_t stylPiora, TKolor kolorPiora,
                             TKolor kolorWypelnienia, uint8_t wypelniony, float grubosc, const std::string& warstwa,
                             uint8_t rysuj0);
// The same bar of a given width, without counts.
void RysujPrzejscieStrzalki(uint8_t stylPiora, TKolor kolorPiora, float x, float y, float odl, float dol, float gora,
                            float kat, float szerokoscZnaku, float wysokosc, float szer, TKolor kolorWypelnienia,
                            uint8_t wypelniony, float grubosc, const std::string& warstwa);
// A double-headed crossing sign, its width from the count, with the count.
void RysujZnakPrzejsciaZLiczba(int32_t n, uint8_t stylPiora, float x, float y, float odl, float dol, float gora,
                               float grot, float kat, float szerokoscZnaku, float wysokosc, TKolor kolorPiora,
                               TKolor kolorWypelnienia, uint8_t wypelniony, float grubosc, const std::string& warstwa,
                               uint8_t rysuj0);
// The crossing sign of a given width centred on (x, y).
void RysujZnakPrzejscia(uint8_t stylPiora, TKolor kolorPiora, float x, float y, float dol, float gora, float szer,
                        float grot, float kat, TKolor kolorWypelnienia, uint8_t wypelniony, float grubosc,
                        const std::string& warstwa);
