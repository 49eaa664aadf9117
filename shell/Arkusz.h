#pragma once
// A variant's whole sheet, drawn onto the active outputs: the screen redraw,
// printing and the DXF export all draw it through here.

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

struct ProstokatArkusza;

// A part of the sheet in its drawing order: the whole of it, what is drawn
// before diagram `rekord` (under it), the diagram alone, or what is drawn
// after it (over it). The diagram is a junction diagram, or with `rondo` a
// roundabout. The three parts drawn one after another are the whole sheet.
struct WarstwaArkusza {
    enum class Czesc { Calosc, Pod, Diagram, Nad };
    Czesc czesc = Czesc::Calosc;
    int32_t rekord = -1;
    bool rondo = false;
};

// Consecutive items of the sheet in its drawing order: what lies under the
// diagrams, the junction diagrams of records [ruchoplanyOd, ruchoplanyDo),
// the roundabouts of records [rondaOd, rondaDo), what lies over them.
struct ZakresArkusza {
    bool pod = true;
    int32_t ruchoplanyOd = 0, ruchoplanyDo = std::numeric_limits<int32_t>::max();
    int32_t rondaOd = 0, rondaDo = std::numeric_limits<int32_t>::max();
    bool nad = true;
};

// The grid, the sheet size, background blocks, the node markers of a project
// without variants, every junction diagram and roundabout of the variant
// (computed on demand), the legends, foreground blocks, descriptions and the
// variant's title, in this order. The current variant is not changed.
// With `widoczny` (the screen's part of the sheet) a diagram whose extent
// lies wholly outside it is left out; printing and DXF draw everything.
// With `pas` (a thread's band of a shared redraw) the same holds for it;
// the sheet must then be prepared with its extents. `warstwa` draws a part.
void RysujArkuszWariantu(int32_t wariant, const ProstokatArkusza* widoczny = nullptr,
                         const ProstokatArkusza* pas = nullptr, const WarstwaArkusza& warstwa = {});

// As `RysujArkuszWariantu`, the items of `zakres` only.
void RysujZakresArkusza(int32_t wariant, const ProstokatArkusza* widoczny, const ProstokatArkusza* pas,
                        const ZakresArkusza& zakres);

// The variant's sheet cut into `n` (at least 1) consecutive parts with about
// as many diagrams each, the first with what lies under the diagrams, the
// last with what lies over them: drawn one after another they are the whole.
std::vector<ZakresArkusza> PodzielArkusz(int32_t wariant, int n);

// How many junction diagrams and roundabouts the variant's sheet has.
int DiagramowWariantu(int32_t wariant);

// Computes what the variant's sheet draws and is not computed yet (junction
// diagrams, roundabouts) and, with `zasiegi`, measures the diagrams' extents
// that a drawing of a part of the sheet asks for: after it, drawing the
// sheet only reads the project and may be shared among threads. Many
// diagrams are computed and measured on `watkow` threads, with the records,
// scales and collected messages one thread would give.
void PrzygotujArkuszWariantu(int32_t wariant, bool zasiegi = false, int watkow = 1);

// Calls `kazdy` with the kept extent of each diagram of the variant that a
// prepared sheet draws (`PrzygotujArkuszWariantu` with extents).
void DlaZasiegowWariantu(int32_t wariant, const std::function<void(const ProstokatArkusza&)>& kazdy);

// For the redraw of one diagram's change: when nothing of the variant's
// sheet but diagram `rekord` of it (a junction diagram, or with `rondo` a
// roundabout) waits to be computed, computes it and gives true; else
// computes nothing.
bool PoliczTylkoDiagram(int32_t wariant, int32_t rekord, bool rondo);

// The kept extents of the diagrams are dropped (records were renumbered).
void ZapomnijZasiegi();
