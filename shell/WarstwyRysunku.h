#pragma once
// The redraw after a change of one diagram (a slider's move, a live change in
// a geometry window). The first such redraw draws what lies
// under the diagram in the sheet's order (background, sheet, grid, back
// blocks, the junction diagrams and roundabouts before it) into one bitmap
// and what lies over it (the junction diagrams and roundabouts after it,
// legends, front blocks, descriptions, the title) into another, whose pixels nothing drew stay marked empty; each next
// one puts the lower layer back, draws the diagram alone and lays the upper
// layer's drawn pixels over it. Every figure on the screen is opaque and
// drawn without antialiasing, so a pixel is the colour of the last figure
// that covers it: the layers give the very pixels of a full redraw.
//
// The layers serve only while the view, the bitmap, the outputs and the rest
// of the project are as they were drawn; else they are drawn anew. Any full
// redraw drops them.

#include <cstdint>
#include <functional>

struct ProstokatArkusza;

struct ZmianaDiagramu {
    int32_t wariant = -1;
    int32_t rekord = -1;                         // the changed diagram, of the variant
    bool rondo = false;                          // a roundabout, not a junction diagram
    const ProstokatArkusza* widoczny = nullptr;  // as for `RysujArkuszWariantu`
    std::function<void()> rysujTlo;              // the background and the sheet, on the bitmap
    uint64_t rewizjaPrzedZapisem = 0;            // the project's, before the diagram's store
};

// Draws the sheet after the change onto the screen bitmap. False, with
// nothing drawn or computed, when the layers cannot serve: the screen is not
// the program's 32-bit bitmap alone, or more than the diagram waits to be
// computed. A full redraw is then due.
bool RysujZmianeNaWarstwach(const ZmianaDiagramu& zmiana);

// Drops the layers: the bitmap was drawn some other way.
void ZapomnijWarstwy();

// How many times the layers were drawn, and how many redraws put them
// together without drawing them (for the tests).
struct LicznikiWarstw {
    int narysowane = 0;
    int zlozone = 0;
};
LicznikiWarstw WarstwyLiczniki();
