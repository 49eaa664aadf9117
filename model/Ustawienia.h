#pragma once
// The drawing settings of the project: the record wg and its two size tables.
//
// Arrays over the crossing categories 1 to 4 are indexed category - 1, as
// every array over arms or categories in the model.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "base/Typy.h"

// Sizes of the flow labels. Fourteen four-byte entries read by number in the
// drawing code; entry 10 is a colour and entry 11 an integer, both kept here
// as exact float values (a 24-bit colour and a small integer fit a float).
// The others: 0, 1 width and height of a flow; 2 width of a percentage; 3 width
// of a U-turn; 4, 5 width and height of a total; 6, 7, 8 stroke of a flow, a
// total and a percentage; 9 spare; 12, 13 offset of the labels.
struct TRozmiaryLegendy {
    static constexpr int Liczba = 14;
    std::array<float, Liczba> W{0.3f, 0.4f, 0.22f, 0.22f, 0.5f, 0.6f, 0.2f, 0.35f, 0.18f, 0.0f, 1315860.0f /*0x141414*/, 1.0f, 1.0f, 0.0f};

    float& operator[](int i) { return W[static_cast<std::size_t>(i)]; }
    float operator[](int i) const { return W[static_cast<std::size_t>(i)]; }

    float& SzerNat() { return W[0]; }
    float& GrProc() { return W[8]; }
    float& Zapas() { return W[9]; }
    float& OpisyDx() { return W[12]; }
    float& OpisyDy() { return W[13]; }
    float SzerNat() const { return W[0]; }
    float GrProc() const { return W[8]; }
    float Zapas() const { return W[9]; }
    float OpisyDx() const { return W[12]; }
    float OpisyDy() const { return W[13]; }

    TKolor Kolor() const { return static_cast<TKolor>(W[10]); }
    void UstawKolor(TKolor k) { W[10] = static_cast<float>(k & 0xFFFFFF); }
    int32_t DokladnoscProc() const { return static_cast<int32_t>(std::lround(W[11])); }
    void UstawDokladnoscProc(int32_t d) { W[11] = static_cast<float>(d); }

    friend bool operator==(const TRozmiaryLegendy&, const TRozmiaryLegendy&) = default;
};

// Sizes of designations and inlet/outlet labels: ten entries; entry 7 is a
// colour. The others: 0, 1 width and height of an inlet label; 2, 3 of a
// designation; 4, 5 their strokes; 6 spare; 8 arrow size; 9 label distance.
struct TRozmiaryOpisow {
    static constexpr int Liczba = 10;
    std::array<float, Liczba> W{0.3f, 0.4f, 0.5f, 0.6f, 0.2f, 0.35f, 0.0f, 1315860.0f /*0x141414*/, 1.0f, 4.0f};

    float& operator[](int i) { return W[static_cast<std::size_t>(i)]; }
    float operator[](int i) const { return W[static_cast<std::size_t>(i)]; }

    float& SzerWloty() { return W[0]; }
    float& WysOznaczenia() { return W[3]; }
    float& GrOznaczenia() { return W[5]; }
    float& Zapas() { return W[6]; }
    float& RozmiarStrzalki() { return W[8]; }
    float& OdlegloscOpisow() { return W[9]; }
    float SzerWloty() const { return W[0]; }
    float WysOznaczenia() const { return W[3]; }
    float GrOznaczenia() const { return W[5]; }
    float Zapas() const { return W[6]; }
    float RozmiarStrzalki() const { return W[8]; }
    float OdlegloscOpisow() const { return W[9]; }

    TKolor Kolor() const { return static_cast<TKolor>(W[7]); }
    void UstawKolor(TKolor k) { W[7] = static_cast<float>(k & 0xFFFFFF); }

    friend bool operator==(const TRozmiaryOpisow&, const TRozmiaryOpisow&) = default;
};

// The settings record. Default member values are those of a program that has
// just started (the "kept" fields are zero); UstawNastawyNowegoProjektu gives
// the new-project values.
struct TUstawieniaGlobalne {
    uint8_t Siatka = 0;
    uint8_t RysujProcenty = 0;
    uint8_t RysujOznaczenie = 0;
    uint8_t Rysuj0Zawrotki = 0;
    uint8_t Rysuj0Natezenia = 0;
    uint8_t TabelkaWW = 0;
    uint8_t PiszSume = 0;
    uint8_t PiszStruk = 0;
    uint8_t PiszZeraStruk = 0;
    uint8_t TylkoSuma = 0;
    float SkalaPaskow = 0.0f;
    float GrLinie = 0.0f;
    uint8_t SkalaPaskowAuto = 0;
    uint8_t SkalaPaskowMax = 0;
    uint8_t SkalaPaskow100 = 0;
    TKolor KolorWypelnien = 0;
    TKolor KolorOpisow = 0;
    TKolor KolorLinii = 0;
    TKolor KolorTytulow = 0;
    uint8_t ArkuszAuto = 0;
    uint8_t ArkuszA4 = 0;
    uint8_t ArkuszA3 = 0;
    uint8_t ArkuszA2 = 0;
    float ArkuszB = 0.0f;
    float ArkuszH = 0.0f;
    float OdstepArkuszyB = 0.0f;
    float OdstepArkuszyH = 0.0f;
    float KrokSiatki = 0.0f;
    float ArkuszBUser = 0.0f;
    float ArkuszHUser = 0.0f;
    float MinOdlegloscWezlow = 0.0f;
    int32_t MinPojazd = 0;
    int32_t MaxNatezenie = 0;
    float MaxSzer = 0.0f;
    float Pojazd100 = 0.0f;
    KrotkiTekst<255> NazwaCzcionki;
    KrotkiTekst<255> NazwaDxf;  // not in the project file
    int32_t MaxPrzejscie = 0;
    float PrzejMaxSzer = 0.0f;
    float Przej100 = 0.0f;
    uint8_t SkalaPrzejscAuto = 0;
    uint8_t SkalaPrzejscMax = 0;
    uint8_t SkalaPrzejsc100 = 0;
    float SkalaPrzejsc = 0.0f;
    std::array<KrotkiTekst<50>, 4> NazwyPrzejsc;
    std::array<uint8_t, 4> RysujPrzejscia{};
    std::array<uint8_t, 4> SumujPrzejscia{};
    std::array<TKolor, 4> KoloryPrzejsc{};
    float OdlegloscPrzejsc = 0.0f;
    uint8_t LegendaPrzejsc = 0;
    uint8_t Struktura = 0;
    float LegendaPrzejscX = 0.0f;
    float LegendaPrzejscY = 0.0f;
    float LegendaStrukturyX = 0.0f;
    float LegendaStrukturyY = 0.0f;

    friend bool operator==(const TUstawieniaGlobalne&, const TUstawieniaGlobalne&) = default;
};

// Of the current project.
extern TUstawieniaGlobalne& wg;
extern TRozmiaryLegendy& RozmiaryLegendy;
extern TRozmiaryOpisow& RozmiaryOpisow;

// Colours every part of the program names.
constexpr TKolor KolorCzarny = KolorRGB(0, 0, 0);
constexpr TKolor KolorBialy = KolorRGB(255, 255, 255);
constexpr TKolor KolorCzerwony = KolorRGB(255, 0, 0);
constexpr TKolor KolorGranatowy = KolorRGB(0, 0, 128);
constexpr TKolor KolorSrebrny = KolorRGB(192, 192, 192);
constexpr TKolor KolorSzary = KolorRGB(128, 128, 128);

// The names (Windows-1250) and colours of the four crossing categories of a
// new project and a new node.
extern const char* const DomyslneNazwyPrzejsc[4];
constexpr std::array<TKolor, 4> DomyslneKoloryPrzejsc{KolorCzerwony, KolorGranatowy, KolorCzarny, KolorCzarny};

// Loads a stroke-font file into the drawing's glyph table; installed by the
// drawing layer; the path is the system's (platform/KatalogProgramu.h).
// False on an I/O error. While none is installed, reading a project only
// takes the font's name.
using TWczytajCzcionke = bool (*)(const std::string& sciezka);
extern TWczytajCzcionke WczytajCzcionkeRysunku;

// The font of a new project, loaded at start.
inline constexpr const char* DomyslnaCzcionka = "Roman";
// Whether a font name from a file names a file in the program's "Dane"
// folder: no path, no parent folder, no control character.
bool NazwaCzcionkiPoprawna(std::string_view nazwa);
// The file of a stroke font by its name (Windows-1250, as the project holds
// it): "Dane/" + name + "100.Lzs" in the program's folder.
std::string SciezkaCzcionki(const std::string& nazwa);
// Loads the font of that name ("Dane/<name>100.Lzs") through the hook and
// remembers it as the loaded one; false when it cannot be read (the glyphs
// loaded before stay). The project that is adopted, and only it, sets the
// drawing's font: an opened file's, the default for a new project.
bool WczytajCzcionkeONazwie(const std::string& nazwa);
// Loads the default font again unless it is the one loaded.
void PrzywrocDomyslnaCzcionke();
// The name of the font loaded last; "" after a failed load.
const std::string& WczytanaCzcionka();

struct Projekt;

// The sheet of the automatic mode: the page of the printer when there is one
// (its resolution kept for printing), else A4 (20.5 x 28.5 cm).
void ArkuszZeStronyDrukarki(TUstawieniaGlobalne& u);

// The new-project values of the project's wg and both size tables; the
// fields a new project keeps (GrLinie, TylkoSuma, the sheet modes A4/A3/A2,
// MaxNatezenie, MaxPrzejscie, SkalaPrzejsc, the sheet size that NowyProjekt
// takes from the printer) are left as they are.
void UstawNastawyNowegoProjektu(Projekt& p);
