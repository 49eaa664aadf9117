#pragma once
// Counts, coefficient sets and forecasts kept in the project. Inlets and
// classes are indexed from 0 (inlet w, class c of the files are [w-1], [c-1]).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Typy.h"

constexpr int KlasPojazdow = 20;
constexpr int KategoriiPrzejsc = 4;
constexpr int WlotowPomiaru = 5;

struct DanePomiar {
    KrotkiTekst<255> NazwaPliku;        // without folder
    uint8_t PomiarZmieniony = 0;        // unsaved edits in the count editor; not saved
    KrotkiTekst<255> Lokalizacja;
    KrotkiTekst<255> Sekcja;
    std::array<KrotkiTekst<255>, 2> Opis2Linie{};
    TDataCzas GodzPomiaru = 0.0;
    TDataCzas DataPomiaru = 0.0;
    TDataCzas GodzOstEdycja = 0.0;
    TDataCzas DataOstEdycja = 0.0;
    int32_t CzasPomiaru = 60;           // minutes
    std::array<uint8_t, 4> WlotJest{1, 1, 1, 1};
    int32_t MaxJest = 4;
    KrotkiTekst<3> TypWezla{"J01"};
    std::array<KrotkiTekst<60>, KlasPojazdow> NazwaPojazdu{};
    std::array<KrotkiTekst<3>, KlasPojazdow> OznPojazdu{};
    std::array<float, KlasPojazdow> WspPojazdu{};
    std::array<KrotkiTekst<60>, KategoriiPrzejsc> NazwaPrzejscia{};
    std::array<KrotkiTekst<3>, KategoriiPrzejsc> OznPrzejscia{};
    // Row (inlet) * 20 + class, column = destination exit.
    std::array<std::array<int32_t, 5>, 100> NatezeniaPojazdow{};
    std::array<int32_t, 5> NatezeniaPojazdowSumy{};
    std::array<std::array<int32_t, 8>, 5> NatezeniaPrzejsc{};
    std::array<int32_t, 5> NatezeniaPrzejscSumy{};
    uint8_t RysujZawrotki = 0;
    // Computed by the data windows: [entry][exit] and [inlet][8].
    std::array<std::array<int32_t, 5>, 5> NatezeniaNaRelacjach{};
    std::array<std::array<int32_t, 8>, 5> NatezeniaPrzejscObliczone{};
};

struct DaneWspolczynniki {
    std::array<float, KlasPojazdow> Wspolczynnik{1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                                                 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
};

struct DanePrognoza {
    uint8_t TrybPrognoza = 1;           // 1: row 0 for all inlets; 0: rows 1..5 per inlet
    std::array<std::array<KrotkiTekst<10>, KlasPojazdow>, 6> PrognozaPojazdy{};
    std::array<std::array<KrotkiTekst<10>, KategoriiPrzejsc>, 6> PrognozaPrzejscia{};
};

// Of the current project.
extern std::vector<DanePomiar>& Pomiary;
extern std::vector<DaneWspolczynniki>& Wspolczynniki;
extern std::vector<DanePrognoza>& Prognozy;

// A forecast of no cells, for all inlets together.
void UstawDomyslnaPrognoze(DanePrognoza& p);
// Vehicle classes and crossing categories from the default count settings
// file (the built-in table without it, or when the reader refuses it), then
// the header defaults and zeroed tables. Returns "" or the Polish message of
// a refused defaults file, for the user to be told.
std::string UstawDomyslnyPomiar(DanePomiar& p);

// Each inlet's totals from its cells: vehicles over the 20 classes and 5
// exits, crossings over the 8 values.
void PoliczSumyPomiaru(DanePomiar& p);

struct Projekt;
extern Projekt BiezacyProjekt;

void DodajPomiar(const DanePomiar& p);
// The count a diagram links to, or nullptr when the link names no count.
const DanePomiar* PomiarNr(int32_t nr);
// Whether a diagram or roundabout takes its volumes from a valid count: its
// count flag is set and its link names a count of the project. The count, or
// nullptr. The junction engine, the roundabouts and the band-width rules all
// decide with this one test.
const DanePomiar* PomiarDiagramu(uint8_t zPomiaru, int32_t nrPomiaru, const Projekt& p = BiezacyProjekt);
void DodajPrognoze(const DanePrognoza& p);
void DodajWspolczynniki(const DaneWspolczynniki& w);
