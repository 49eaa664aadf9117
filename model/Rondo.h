#pragma once
// The roundabout record DaneRondo and its collection: one record per
// roundabout node ("R") and variant. Arrays over arms are indexed arm - 1
// (arms 1 to 5); matrices are entry-major: [from arm][to arm].

#include <array>
#include <cstdint>
#include <vector>

#include "base/Typy.h"
#include "model/NaglowekDiagramu.h"

// One corner arc of a roundabout band; azimuths clockwise from +y.
struct DaneLukPasa {
    float XPoczatku = 0.0f, YPoczatku = 0.0f;
    float XKonca = 0.0f, YKonca = 0.0f;
    float XSrodka = 0.0f, YSrodka = 0.0f;
    float Promien = 0.0f;
    float AzymutPoczatku = 0.0f;
    float AzymutKonca = 0.0f;
};

// The geometry of one entry or exit band, computed for drawing. An edge is
// X at d1, X at d2, Y at d1, Y at d2.
struct DanePasRamienia {
    std::array<double, 4> Krawedz1{};
    std::array<double, 4> Krawedz2{};
    DaneLukPasa LukZewnetrzny;
    DaneLukPasa LukWewnetrzny;
    int32_t Natezenie = 0;
};

constexpr int LiczbaRamionRonda = 5;

struct DaneRondo : NaglowekDiagramu {
    uint8_t GeometriaPoprawna = 1;                  // computed
    KrotkiTekst<255> KomunikatGeometrii;            // computed
    std::array<std::array<KrotkiTekst<255>, 2>, 5> OpisyRamion{};
    std::array<KrotkiTekst<3>, 5> Oznaczenie{"A", "B", "C", "D", "E"};
    float PromienR = 3.0f;
    float PromienWewn = 3.0f;
    std::array<float, 5> Promien{1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
    std::array<float, 5> Kat{0.0f, static_cast<float>(1.5707963267948966), static_cast<float>(3.141592653589793),
                             static_cast<float>(4.71238898038469), static_cast<float>(5.497787143782138)};
    std::array<float, 5> KatKrawedzi1{};            // computed
    std::array<float, 6> KatKrawedzi2{};            // computed; the sixth is the first unwrapped
    std::array<uint8_t, 5> Ramie{1, 1, 1, 0, 0};
    std::array<uint8_t, 5> Przejscie{1, 1, 1, 1, 1};
    int32_t LiczbaRamion = 3;
    std::array<float, 5> Dlugosc{7.0f, 7.0f, 7.0f, 7.0f, 7.0f};
    std::array<float, 5> DlugoscPom{6.0f, 6.0f, 6.0f, 6.0f, 6.0f};
    std::array<float, 5> Odsuniecie{0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
    std::array<uint8_t, 5> RysujStrzalki{1, 1, 1, 1, 1};
    std::array<std::array<int32_t, 5>, 5> Macierz{};
    // [from][to][row of the vehicle-structure table]; row 0 the total.
    std::array<std::array<std::array<int32_t, 11>, 5>, 5> StrukturaRelacji{};
    uint8_t DaneRelacje = 1;
    std::array<int32_t, 5> SumaWylotuRel{};
    std::array<int32_t, 5> SumaWlotuRel{};
    // [arm][crossing category][0 left, 1 right]
    std::array<std::array<std::array<int32_t, 2>, 4>, 5> NatezeniaPrzejsc{};
    // [arm][0 entry, 1 exit]; computed.
    std::array<std::array<DanePasRamienia, 2>, 5> GeometriaRamion{};
    std::array<int32_t, 5> SumaWylotu{};            // computed
    std::array<int32_t, 5> SumaWlotu{};             // computed
    std::array<int32_t, 5> WylotWpisany{};
    std::array<int32_t, 5> WlotWpisany{};
    std::array<int32_t, 5> NaPierscieniu1{};        // computed: circulating flow in front of each arm
    std::array<int32_t, 5> NaPierscieniu2{};        // computed: ring flow just after each arm's entry
    // computed: the band scale (cm per vehicle) the bands were computed with,
    // which the ring is drawn with too, whatever scale a later computation sets.
    float SkalaPierscienia = 0.0f;
    // computed: 1 where the arm's corner could be built (the ring reaches past
    // its offset and every value is finite); the drawing leaves the others out.
    std::array<uint8_t, 5> NaroznikZbudowany{};
    std::array<KrotkiTekst<70>, 3> Tytul{};
    float TytulH = 0.75f;
    TKolor KolorLinii = 0;
    TKolor KolorOpisow = 0;
    TKolor KolorTytulow = 0;
    TKolor KolorWypelnien = 0;
    std::array<TKolor, 5> KolorWlotu{};
    std::array<TKolor, 5> KolorWylotu{};
};

extern std::vector<DaneRondo>& Ronda;  // of the current project

struct Projekt;
extern Projekt BiezacyProjekt;

// Gives record `indeks` of the project its new values; when the node already
// has a roundabout, the lowest-indexed one lends it its geometry, title and colours.
void UstawDomyslneRondo(int32_t indeks, int32_t wariant, int32_t wezel, Projekt& p = BiezacyProjekt);
// A record with every field zero, as a record by which the collection grows
// when a roundabout section is read.
DaneRondo RondoZerowe();
