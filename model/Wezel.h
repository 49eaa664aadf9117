#pragma once
// A node of the road network: a junction node "J" or a roundabout node "R",
// with its own copy of the display settings (used while Globalne is 0).
//
// Arrays over crossing categories (1 to 4) or crossing elements (1 to 5) are
// indexed number - 1.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/Typy.h"
#include "model/Ustawienia.h"

struct DaneWezel {
    double X = 0.0;
    double Y = 0.0;
    char Typ = 0;
    KrotkiTekst<255> Nazwa;
    KrotkiTekst<250> Tytul1;
    KrotkiTekst<250> Tytul2;
    KrotkiTekst<250> Tytul3;
    float TytulDx = 0.0f;
    float TytulDy = 0.0f;
    float TytulH = 0.0f;
    char TytulWyrownanie = 0;
    float GrLinie = 0.0f;
    TRozmiaryLegendy RozmiaryLegendy;
    TRozmiaryOpisow RozmiaryOpisow;
    uint8_t RysujProcenty = 0;
    uint8_t RysujOznaczenie = 0;
    uint8_t TylkoSuma = 0;
    uint8_t TabelkaWW = 0;
    uint8_t Rysuj0Zawrotki = 0;
    uint8_t Rysuj0Natezenia = 0;
    uint8_t PiszSume = 0;
    uint8_t PiszStruk = 0;
    uint8_t PiszZeraStruk = 0;
    uint8_t Globalne = 0;
    TKolor KolorLinii = 0;
    TKolor KolorWypelnien = 0;
    TKolor KolorOpisow = 0;
    TKolor KolorTytulow = 0;
    std::array<uint8_t, 4> RysujPrzejscia{};
    std::array<uint8_t, 4> SumujPrzejscia{};
    std::array<KrotkiTekst<50>, 4> NazwyPrzejsc;
    std::array<TKolor, 4> KoloryPrzejsc{};
    std::array<float, 5> OdlegloscPrzejscia{};
    uint8_t LegendaPrzejsc = 0;
    uint8_t Struktura = 0;
    float LegendaPrzejscX = 0.0f;
    float LegendaPrzejscY = 0.0f;
    float LegendaStrukturyX = 0.0f;
    float LegendaStrukturyY = 0.0f;

    friend bool operator==(const DaneWezel&, const DaneWezel&) = default;
};

extern std::vector<DaneWezel>& Wezly;  // of the current project

struct Projekt;
extern Projekt BiezacyProjekt;

// A node as node insertion makes it: position, name and type from the caller,
// the display settings copied from the project's wg and size tables.
DaneWezel NowyWezel(double x, double y, std::string_view nazwa, char typ, const Projekt& p = BiezacyProjekt);

// The crossing settings of a new node (names, colours, distances, legends).
void UstawPrzejsciaNowegoWezla(DaneWezel& w);

// The node takes the project's size tables and label switches of its wg.
void KopiujUstawieniaGlobalne(DaneWezel& w, const Projekt& p);
