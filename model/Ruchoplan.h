#pragma once
// The junction diagram record DaneRuchoplan and its collection: one record
// per junction node ("J") and variant. Arrays over arms are indexed arm - 1
// (arm 1 south, 2 east, 3 north, 4 west); 4 x 4 matrices are from-arm major,
// relation (i, j) at 4 (i - 1) + (j - 1).

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/Typy.h"
#include "model/NaglowekDiagramu.h"
#include "model/Ustawienia.h"

// A point of two singles (the arc records keep their points as singles).
struct PunktXYS {
    float X = 0.0f;
    float Y = 0.0f;
    friend bool operator==(const PunktXYS&, const PunktXYS&) = default;
};

// One arc of a relation band. Kierunek 1: both angles are azimuths clockwise
// from +y; 0: counter-clockwise from +y.
struct DaneLuk {
    PunktXYS A;              // end on the inlet side
    PunktXYS B;              // end on the outlet side
    PunktXYS M;              // half way between the start and the end angle
    PunktXYS C;              // centre
    float R = 0.0f;          // 0: the sides are joined without an arc
    float KatPoczatku = 0.0f;
    float KatKonca = 0.0f;
    uint8_t Kierunek = 0;
};

// One relation band, filled only by the junction computation. A side is
// X start, X end, Y start, Y end.
struct DanaRelacja {
    uint8_t Rysuj = 0;
    std::array<double, 4> Krawedz1{};
    std::array<double, 4> Krawedz2{};
    std::array<double, 4> Krawedz3{};
    std::array<double, 4> Krawedz4{};
    DaneLuk Luk1;
    DaneLuk Luk2;
    int32_t Natezenie = 0;
    KrotkiTekst<2> Nazwa;
    TKolor Kolor = 0;
};

// The sixteen relation bands of a diagram, filled only by the computation.
// They are kept apart from the record and made when first written: a
// project read from its file holds none until its diagrams are computed, so
// its records take less than half the memory. Read before, they are all
// zero, as in a new record.
class RelacjeDiagramu {
public:
    using Tablica = std::array<DanaRelacja, 16>;

    RelacjeDiagramu() = default;
    RelacjeDiagramu(const RelacjeDiagramu& o) : dane_(o.dane_ ? std::make_unique<Tablica>(*o.dane_) : nullptr) {}
    RelacjeDiagramu& operator=(const RelacjeDiagramu& o)
    {
        if (this != &o)
            dane_ = o.dane_ ? std::make_unique<Tablica>(*o.dane_) : nullptr;
        return *this;
    }
    RelacjeDiagramu(RelacjeDiagramu&&) noexcept = default;
    RelacjeDiagramu& operator=(RelacjeDiagramu&&) noexcept = default;

    static constexpr std::size_t size() { return 16; }
    DanaRelacja& operator[](std::size_t i) { return Zapis()[i]; }
    const DanaRelacja& operator[](std::size_t i) const { return Odczyt()[i]; }
    DanaRelacja* begin() { return Zapis().data(); }
    DanaRelacja* end() { return Zapis().data() + size(); }
    const DanaRelacja* begin() const { return Odczyt().data(); }
    const DanaRelacja* end() const { return Odczyt().data() + size(); }

private:
    Tablica& Zapis()
    {
        if (!dane_)
            dane_ = std::make_unique<Tablica>();
        return *dane_;
    }
    const Tablica& Odczyt() const
    {
        static const Tablica zera{};
        return dane_ ? *dane_ : zera;
    }
    std::unique_ptr<Tablica> dane_;
};

// One arm's crossing volumes: per crossing category (0 pedestrians,
// 1 cyclists, 2 and 3 named by the count settings) the two directions.
struct DanePrzejscia {
    std::array<int32_t, 4> L{};
    std::array<int32_t, 4> P{};
    friend bool operator==(const DanePrzejscia&, const DanePrzejscia&) = default;
};

// Number of values per relation in the vehicle-structure blocks: element 0
// the total in equivalent vehicles, 1..10 the vehicles of each type row.
constexpr int ElementowStruktury = 11;

struct DaneRuchoplan : NaglowekDiagramu {
    std::array<KrotkiTekst<3>, 4> Oznaczenie{"D", "A", "B", "C"};
    std::array<float, 4> Kat{};     // radians
    std::array<uint8_t, 4> Ramie{1, 1, 1, 1};
    std::array<uint8_t, 4> Przejscie{1, 1, 1, 1};
    std::array<float, 4> Odsuniecie{0.5f, 0.5f, 0.5f, 0.5f};
    std::array<float, 4> Dlugosc{7.0f, 7.0f, 7.0f, 7.0f};
    std::array<float, 4> DlugoscPom{5.5f, 5.5f, 5.5f, 5.5f};
    std::array<float, 4> Zawrotka{3.5f, 3.5f, 3.5f, 3.5f};
    float PoprawkaLewoskretow = 0.0f;
    float PoprawkaPrawoskretow = 0.0f;
    float GlobPromienLewoskretu = 4.0f;
    float GlobPromienPrawoskretu = 2.0f;
    float GlobDlugosc = 7.0f;
    float GlobDlugoscPom = 6.0f;
    float GlobOdsuniecie = 0.5f;
    float GlobZawrotka = 3.5f;
    std::array<float, 4> PromienLewoskretu{4.0f, 4.0f, 4.0f, 4.0f};
    std::array<float, 4> PromienPrawoskretu{2.0f, 2.0f, 2.0f, 2.0f};
    uint8_t Globalne = 1;
    RelacjeDiagramu Relacje;                        // computed, not saved
    std::array<KrotkiTekst<255>, 3> Tytul{};
    float TytulWysokosc = 0.0f;
    // Two lines per arm: arm 1 line 1, arm 1 line 2, arm 2 line 1 ...
    std::array<KrotkiTekst<255>, 8> OpisRamienia{" ", " ", " ", " ", " ", " ", " ", " "};
    std::array<uint8_t, 4> Strzalka{1, 1, 1, 1};
    std::array<float, 160> GeometriaRamion{};       // computed, not saved
    std::array<int32_t, 16> NatezeniaObl{};         // computed, not saved
    std::array<std::array<int32_t, ElementowStruktury>, 16> NatezeniaStruktura{};
    std::array<int32_t, 16> Natezenia{};
    std::array<DanePrzejscia, 4> PrzejsciaObl{};    // computed, not saved
    std::array<DanePrzejscia, 4> Przejscia{};
    std::array<int32_t, 4> SumaWlotu{};
    std::array<int32_t, 4> SumaWylotu{};
    // KolorLinii, KolorOpisow, KolorTytulow, KolorWypelnien of the settings.
    std::array<TKolor, 4> KoloryPodstawowe{};
    std::array<TKolor, 16> KoloryRelacji{};
    std::array<float, 16> ZasiegiRamion{};          // computed, not saved

    // --- fields added by the junction computation (computed, not saved) ---
};

extern std::vector<DaneRuchoplan>& Ruchoplany;  // of the current project

struct Projekt;
extern Projekt BiezacyProjekt;

// Gives record `indeks` of the project its defaults; when the node already
// has a diagram, the lowest-indexed one lends it its geometry, texts and colours.
void UstawDomyslnyRuchoplan(int32_t indeks, int32_t wariant, int32_t wezel, Projekt& p = BiezacyProjekt);
// The defaults alone, the colours from the settings `u`, into a record the caller holds.
void WypelnijDomyslnyRuchoplan(DaneRuchoplan& r, const TUstawieniaGlobalne& u = wg);
// A record with every field zero, as a record by which the collection grows
// in the older file versions.
DaneRuchoplan RuchoplanZerowy();

// Inlet and outlet totals from the typed matrix, or from element 0 of the
// structure blocks.
void PoliczSumyRuchoplanu(DaneRuchoplan& r);
void PoliczSumyZeStruktury(DaneRuchoplan& r);
