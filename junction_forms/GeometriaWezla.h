#pragma once
// The junction geometry as its window edits it: the checks of the typed
// texts, the per-arm turn corrections and the store into the node's diagram
// of every variant (geometry belongs to the node). Plain C++, no window.

#include <array>
#include <cstdint>
#include <string>

#include "base/Typy.h"

// A check's outcome: the last failing test's message (Windows-1250).
struct WynikKontroli {
    bool ok = true;
    std::string komunikat;
};

// One group of band values, in the window's order: offset, length, auxiliary
// length (length minus the stored "before" length), right-turn radius,
// left-turn radius, U-turn distance. The radii are as typed, without the
// corrections.
enum PoleGrupy { GrOdsuniecie, GrDlugosc, GrPomocnicza, GrPromienPrawy, GrPromienLewy, GrZawrotka, PolGrupy };
using TGrupaTekstow = std::array<std::string, PolGrupy>;
using TGrupaLiczb = std::array<double, PolGrupy>;
// Group 0 is the global group, 1..4 the arms (1 south, 2 east, 3 north, 4 west).
constexpr int GrupGeometrii = 5;

// The texts must already carry the system's decimal separator.
WynikKontroli SprawdzKaty(const std::array<std::string, 4>& katy);
WynikKontroli SprawdzParametry(const std::array<TGrupaTekstow, GrupGeometrii>& teksty);

// The correction arm k (1..4) takes: right turns +R on arms 1 and 3, -R on 2
// and 4; left turns -L on arms 1 and 3, +L on 2 and 4.
float PoprawkaPrawaRamienia(int ramie, float r);
float PoprawkaLewaRamienia(int ramie, float l);
// The radius an arm gets: the typed one plus its correction, as the window
// shows it (two decimals), and never below 0.1 so that a band keeps its arc.
double PromienRamienia(double wpisany, float poprawka);

// What the window holds when it stores.
struct GeometriaOkna {
    std::array<uint8_t, 4> Ramie{1, 1, 1, 1};
    std::array<double, 4> KatStopnie{};
    std::array<std::string, 8> Opisy{};
    std::array<uint8_t, 4> Strzalka{1, 1, 1, 1};
    std::array<uint8_t, 4> Przejscie{1, 1, 1, 1};
    std::array<std::string, 4> Oznaczenie{};
    bool Globalne = true;
    std::array<TGrupaLiczb, GrupGeometrii> Grupy{};
    std::array<TKolor, 16> KoloryRelacji{};
    TKolor KolorWypel = 0;
};

// Every diagram of the node of record `rekord`, in index order: marked to be
// computed and entered, the window's values with the global group's limits,
// the per-arm radii with record `rekord`'s corrections. Then the node's fill
// colour. Sets ProjektZmieniony.
void ZapiszGeometrieWezla(int32_t rekord, const GeometriaOkna& g);

// Marks every diagram of the node entered.
void OznaczWezelWprowadzony(int32_t rekord);

// One step of a correction in every diagram of the node, each from its own
// value, limited to -2.0..2.0 (the right-turn correction as the left one).
enum class KrokPoprawki { LewaPlus, LewaMinus, PrawaPlus, PrawaMinus };
void KrokujPoprawke(int32_t rekord, KrokPoprawki krok);

constexpr double PiOkna = 3.141592654;  // the window's own value of pi
