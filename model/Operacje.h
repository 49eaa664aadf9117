#pragma once
// The model's half of inserting and deleting nodes and variants: every "J"
// node has one junction diagram and every "R" node one roundabout per
// variant. The windows show the messages, ask the questions and redraw.

#include <cstdint>
#include <string>
#include <string_view>

struct DaneWariant;
struct Projekt;

// Appends a node of type 'J' or 'R' at (x, y) with its diagram or roundabout
// for every variant. Returns "" or the Polish refusal (too near another node;
// nothing is appended).
std::string DodajWezel(double x, double y, std::string_view nazwa, char typ);

// Appends a variant with the diagram of every junction node and the
// roundabout of every roundabout node, in node order. Returns "" or the
// refusal of a name that a variant already has (nothing is appended).
std::string DodajWariant(std::string_view nazwa, std::string_view tytul1, std::string_view tytul2,
                         std::string_view tytul3, float dx, float dy, char wyrownanie);
// The name and title of variant `v` (an index of Warianty). Returns "" or
// the refusal of a name that another variant has (nothing is changed).
std::string ZmienWariant(int32_t v, std::string_view nazwa, std::string_view tytul1, std::string_view tytul2,
                         std::string_view tytul3, float dx, float dy, char wyrownanie);

// The model's half of the two above on any project, without the checks, the
// window and the modified flag: the version-1 reader builds its project so.
void DodajWezelDoProjektu(Projekt& p, double x, double y, std::string_view nazwa, char typ);
void DodajWariantDoProjektu(Projekt& p, const DaneWariant& w);
// Appends the diagram or the roundabout of a node in a variant, at its defaults.
void DodajRuchoplan(Projekt& p, int32_t wariant, int32_t wezel);
void DodajRondo(Projekt& p, int32_t wariant, int32_t wezel);

// Whether deleting variant v loses anything entered in its diagrams or
// roundabouts: volumes (typed, from a count or from the vehicle structure),
// crossing volumes, a count link, a forecast, a title. The window then asks.
bool WariantMaDane(int32_t v);

// Deletes variant v with its diagrams, roundabouts, descriptions and placed
// blocks; the indices of the later variants move down by one.
void UsunWariant(int32_t v);

// Deletes node n with its diagrams or roundabouts; the later nodes move down.
void UsunWezel(int32_t n);

// The variant box of the main window, one entry per variant.
void OdswiezListeWariantow();
// The entry of variant i in that box: "n. " + name.
std::string PozycjaListyWariantow(int32_t i);
