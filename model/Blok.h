#pragma once
// Drawing blocks: the definitions, their command lines and the placed blocks.
#include <cstdint>
#include <string>
#include <vector>
#include "base/Typy.h"

// One block definition; its command lines are LinieBlokow[Start..Koniec].
struct DaneBlokWpis {
    std::string Nazwa;
    uint8_t Zapisany = 0;         // set by the block window when stored; not saved
    TDataCzas Data = 0.0;
    TDataCzas Czas = 0.0;
    KrotkiTekst<100> Grupa;
    KrotkiTekst<10> Jednostka;
    int32_t Start = 0;
    int32_t Koniec = -1;

    // The block window's byte is not part of the project.
    friend bool operator==(const DaneBlokWpis& a, const DaneBlokWpis& b)
    {
        return a.Nazwa == b.Nazwa && a.Data == b.Data && a.Czas == b.Czas && a.Grupa == b.Grupa &&
               a.Jednostka == b.Jednostka && a.Start == b.Start && a.Koniec == b.Koniec;
    }
};

// One placed block.
struct DaneBlok {
    float X = 0.0f;
    float Y = 0.0f;
    float Sx = 1.0f;
    float Sy = 1.0f;
    std::string Nazwa;
    // Working fields of the screen editor and of the pending block; not saved.
    float XMin = 0.0f;
    float XMax = 0.0f;
    float YMin = 0.0f;
    float YMax = 0.0f;
    uint8_t ZnalezionyWBibliotece = 0;
    TDataCzas DataBiblioteki = 0.0;
    TDataCzas CzasBiblioteki = 0.0;
    // Saved again.
    uint8_t Nad = 1;              // 1: drawn above the diagrams
    int32_t Wariant = -1;         // -1: every variant

    // Compares what the project file holds.
    friend bool operator==(const DaneBlok& a, const DaneBlok& b)
    {
        return a.X == b.X && a.Y == b.Y && a.Sx == b.Sx && a.Sy == b.Sy && a.Nazwa == b.Nazwa &&
               a.Nad == b.Nad && a.Wariant == b.Wariant;
    }
};

// Of the current project.
extern std::vector<DaneBlokWpis>& DefinicjeBlokow;
extern std::vector<KrotkiTekst<255>>& LinieBlokow;
extern std::vector<DaneBlok>& Bloki;
