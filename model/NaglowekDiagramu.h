#pragma once
// What a junction diagram and a roundabout record hold alike: their node and
// variant, the links to the project's counts, forecasts and coefficient sets,
// the data-mode flags, the position and the placement of the title.

#include <cstdint>

struct NaglowekDiagramu {
    int32_t NrWezla = 0;
    int32_t NrWariantu = 0;
    // -1: no count, forecast or coefficient set.
    int32_t NrPomiaru = -1;
    int32_t NrPrognozy = -1;
    int32_t NrWspolczynnikow = -1;
    uint8_t ZPomiaru = 0;
    uint8_t ZeStruktury = 0;
    uint8_t WlaczPrognoze = 0;
    uint8_t AutoAktualizacja = 1;
    uint8_t Obliczony = 0;          // 0: the redraw computes the record first
    uint8_t GeometriaWprowadzona = 0;
    float X = 0.0f;                 // the node's position, copied by the computation; saved as the node's
    float Y = 0.0f;
    float TytulDx = -5.0f;
    float TytulDy = 12.0f;
    char TytulWyrownanie = 'C';

    // Every field zero, as in a record by which the older file versions grow
    // a collection.
    static NaglowekDiagramu Zerowy()
    {
        NaglowekDiagramu n;
        n.NrPomiaru = n.NrPrognozy = n.NrWspolczynnikow = 0;
        n.AutoAktualizacja = 0;
        n.TytulDx = n.TytulDy = 0.0f;
        n.TytulWyrownanie = 0;
        return n;
    }

    // A record of variant `wariant` of node `wezel` made from another record
    // of the node: it keeps the node-wide values, loses the links to data and
    // is to be computed.
    void NowyWariantWezla(int32_t wariant, int32_t wezel)
    {
        NrWariantu = wariant;
        NrWezla = wezel;
        NrPomiaru = NrPrognozy = NrWspolczynnikow = -1;
        ZPomiaru = 0;
        Obliczony = 0;
    }
};
