#pragma once
// Drawing blocks: the definitions, their command lines and the placed blocks.
#include <cstdint>
#include <string>
#include <vector>
#include "base/Typy.h"

// One block definition; its command lines are LinieBlokow[Start..Koniec].
struct DaneBlokWpis {
    std::string Nazwa;
    TDataCzas Data = 0.0;
    TDataCzas Czas = 0.0;
    KrotkiTekst<100> Grupa;
    KrotkiTekst<10> Jednostka;
    int32_t Start = 0;
    int32_t Koniec = -1;

    friend bool operator==(const DaneBlokWpis&, const DaneBlokWpis&) = default;
};

// One placed block.
struct DaneBlok {
    float X = 0.0f;
    float Y = 0.0f;
    float Sx = 1.0f;
    float Sy = 1.0f;
    std::string Nazwa;
    uint8_t Nad = 1;              // 1: drawn above the diagrams
    int32_t Wariant = -1;         // -1: every variant

    friend bool operator==(const DaneBlok&, const DaneBlok&) = default;
};

// Of the current project.
extern std::vector<DaneBlokWpis>& DefinicjeBlokow;
extern std::vector<KrotkiTekst<255>>& LinieBlokow;
extern std::vector<DaneBlok>& Bloki;
