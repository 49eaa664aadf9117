#pragma once
// Texts of a roundabout diagram: the flow labels in the three styles (tables,
// corner labels, entry/exit totals), the arm descriptions and letters, and
// the crossings over the arms.

#include <array>
#include <cstdint>
#include <string>

#include "base/Typy.h"
#include "junction/Przejscia.h"
#include "model/Ustawienia.h"

struct UstawieniaRysunku;

// The flow labels of roundabout `indeks` in the style its data source and
// the settings choose, on "Rond_opisy".
void RysujOpisyPotokowRonda(int32_t indeks, const UstawieniaRysunku& u);

// The table of the traffic entering at one arm: columns for the destinations
// k+1 .. k+4 (in circulation order) and the U-turn last.
struct TabelkaRonda {
    // Per column the relation's block: the volume, then one count per vehicle
    // type (only the structure table reads past the volume).
    std::array<std::array<int32_t, 11>, 5> bloki{};
    std::array<std::string, 4> litery{};  // the destinations' letters
    std::string litera;                   // the arm's own
    std::array<bool, 4> obecne{};         // the destination arms are present
    bool oznaczenia = false, procenty = false, zeroZawrotki = false;
    // The structure table only.
    bool struktura = false, rysuj0 = false, piszSume = false, piszStruk = false, piszZeraStruk = false;
};
// Anchor: the outer end of the entry's second edge; angle: the arm's + pi/2.
void RysujOpisyPasmaRonda(const TRozmiaryLegendy& rozmiary, const TabelkaRonda& t, PunktXY kotwica, float kat,
                          TKolor kolor, const std::string& warstwa);

// The corner label of one entry (`wlot`) or exit: q1..q4 the relations with
// the following arms in circulation order, q5 the U-turn.
void RysujNarozneOpisyRonda(const TRozmiaryLegendy& rozmiary, bool wlot, PunktXY kotwica, float dy, float dx,
                            float kat, const std::array<float, 5>& q, bool procenty, bool zeroZawrotki, TKolor kolor,
                            const std::string& warstwa);

// The entry and exit totals at the outer corners of an arm's bands.
void RysujSumyRamienia(const TRozmiaryLegendy& rozmiary, int32_t sumaWlotu, float kat, PunktXY wlot, PunktXY wylot,
                       float dy, float dx, int32_t sumaWylotu, TKolor kolor, const std::string& warstwa);

// Beyond every present arm its two description lines, arrow and letter.
void RysujOpisyRamionRonda(int32_t indeks, const TRozmiaryOpisow& rozmiary, bool oznaczenia, TKolor kolorTekstu,
                           TKolor kolorLinii, TKolor kolorWypelnienia, const std::string& warstwa);

// The crossings over the arms whose crossing switch is on.
void RysujPrzejsciaRonda(int32_t indeks, const TRozmiaryOpisow& rozmiary, const std::array<float, 5>& odleglosci,
                         const KoloryPrzejsc& kolory, TKolor szary, const FlagiPrzejsc& rysuj,
                         const FlagiPrzejsc& sumuj, const std::string& warstwa, bool rysuj0);

// Whether an arm at this angle has its texts turned by half a turn (100 to
// 280 degrees, both ends excluded).
bool OdwroconeRamie(double kat);
