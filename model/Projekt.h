#pragma once
// The project in memory: one value holding every collection, the settings
// and the vehicle-type table that the project file reads and writes, and the
// one current project the program works on. The current state of the program
// (variant shown, folders) stays outside it; the view and the outputs belong
// to the window and the drawing layer.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Blok.h"
#include "model/Opis.h"
#include "model/Pomiar.h"
#include "model/Rondo.h"
#include "model/Ruchoplan.h"
#include "model/Schowek.h"
#include "base/Typy.h"
#include "platform/ZapisBezpieczny.h"
#include "model/Ustawienia.h"
#include "model/Wariant.h"
#include "model/Wezel.h"

// One vehicle type of the traffic-structure figures.
struct DaneSklad {
    uint8_t Aktywny = 0;
    KrotkiTekst<2> Oznaczenie;
    KrotkiTekst<50> Nazwa;
    float Wspolczynnik = 1.0f;

    friend bool operator==(const DaneSklad&, const DaneSklad&) = default;
};

// Rows 1..LiczbaSkladow are in use; row 0 stays empty.
constexpr int RozmiarSkladu = 11;

struct Projekt {
    // The file the project was read from or last saved into; "" for none.
    std::string Plik;
    // What was read from that file or last written into it: a save asks
    // before it replaces other contents found there.
    ZawartoscPliku Zawartosc;
    std::vector<DaneWezel> Wezly;
    std::vector<DaneWariant> Warianty;
    std::vector<DaneRuchoplan> Ruchoplany;
    std::vector<DaneRondo> Ronda;
    std::vector<DaneOpis> Opisy;
    std::vector<DaneBlokWpis> DefinicjeBlokow;
    std::vector<KrotkiTekst<255>> LinieBlokow;
    std::vector<DaneBlok> Bloki;
    std::vector<DanePomiar> Pomiary;
    std::vector<DaneWspolczynniki> Wspolczynniki;
    std::vector<DanePrognoza> Prognozy;
    TUstawieniaGlobalne wg;
    TRozmiaryLegendy RozmiaryLegendy;
    TRozmiaryOpisow RozmiaryOpisow;
    TNastawySchowek NastawySchowek;
    std::array<DaneSklad, RozmiarSkladu> Sklad;
    int32_t LiczbaSkladow = 5;
    // Derived from Wezly by PoliczWezlyRuchoplanow and PoliczWezlyRond.
    int32_t LiczbaWezlowRuchoplanow = 0;    // nodes of type "J"
    int32_t LiczbaWezlowRond = 0;           // nodes of type "R"
};

// The project the program works on. Adopting another one is a move into it,
// so the references below stay valid.
extern Projekt BiezacyProjekt;

// Of the current project.
extern std::array<DaneSklad, RozmiarSkladu>& Sklad;
extern int32_t& LiczbaSkladow;
extern int32_t& LiczbaWezlowRuchoplanow;
extern int32_t& LiczbaWezlowRond;

void UstawDomyslnySklad(Projekt& p);

// Counts of the collections.
inline int LiczbaWezlow() { return static_cast<int>(Wezly.size()); }
inline int LiczbaWariantow() { return static_cast<int>(Warianty.size()); }
inline int LiczbaRuchoplanow() { return static_cast<int>(Ruchoplany.size()); }
inline int LiczbaRond() { return static_cast<int>(Ronda.size()); }
inline int LiczbaPomiarow() { return static_cast<int>(Pomiary.size()); }
inline int LiczbaPrognoz() { return static_cast<int>(Prognozy.size()); }
inline int LiczbaWspolczynnikow() { return static_cast<int>(Wspolczynniki.size()); }
inline int LiczbaOpisow() { return static_cast<int>(Opisy.size()); }
inline int LiczbaBlokow() { return static_cast<int>(Bloki.size()); }
inline int LiczbaDefinicjiBlokow() { return static_cast<int>(DefinicjeBlokow.size()); }
inline int LiczbaLiniiBlokow() { return static_cast<int>(LinieBlokow.size()); }

// Whether `i` names an element of `v`: links and indices read from a file
// or passed by a command may point anywhere.
template <class T>
bool JestIndeksem(int64_t i, const std::vector<T>& v)
{
    return i >= 0 && static_cast<uint64_t>(i) < v.size();
}

// The record a new diagram or roundabout of node `wezel` copies its node-wide
// values from: the lowest-indexed other record of the node, the collection's
// last record left out; -1 when there is none.
template <class T>
int32_t WzorWezla(const std::vector<T>& v, int32_t indeks, int32_t wezel)
{
    for (int32_t i = 0; i + 1 < static_cast<int32_t>(v.size()); ++i)
        if (i != indeks && v[static_cast<std::size_t>(i)].NrWezla == wezel)
            return i;
    return -1;
}

// Current state.
extern int32_t BiezacyWariant;             // -1: none
extern bool ProjektZmieniony;
// A store into the project: it is to be saved, and its revision goes up.
void ZmienionoProjekt();
// Raised by every store into the project and by every project made or read,
// so that a picture of the project kept aside can tell whether it is still
// the project's.
uint64_t RewizjaProjektu();
void PodniesRewizjeProjektu();

// Folders, set at program start.
extern std::string KatalogProjektow;
extern std::string KatalogPomiarow;
extern std::string KatalogPrognoz;
extern std::string KatalogUstawien;

// The printer's pixels per inch across and down, kept from the last query.
extern int32_t DpiDrukarkiX;
extern int32_t DpiDrukarkiY;

void PoliczWezlyRuchoplanow(Projekt& p = BiezacyProjekt);
void PoliczWezlyRond(Projekt& p = BiezacyProjekt);

// Gives a project the values of a new empty one, leaving what NowyProjekt
// keeps (the sheet size and the settings named at UstawNastawyNowegoProjektu,
// the clipboard's pixel sizes).
void UstawNowyDokument(Projekt& p);
// A new empty project as NowyProjekt makes it (the page from the printer),
// the kept values taken from the current project: what a file is read into.
Projekt NowyDokument();

// Makes the current project a new empty one; the window sets its view and
// outputs anew (OknoGlowne::NowyWidok).
void NowyProjekt();
// The same, leaving the stroke font loaded: for a file read into a new
// document, whose font is loaded already, before it is adopted.
void NowyProjektZCzcionka();

// Every "." and "," replaced by the system's decimal separator (same length).
std::string PoprawSeparator(std::string_view s);
// Every blank removed.
std::string UsunSpacje(std::string_view s);
