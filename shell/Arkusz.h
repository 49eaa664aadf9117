#pragma once
// A variant's whole sheet, drawn onto the active outputs: the screen redraw,
// printing and the DXF export all draw it through here.

#include <cstdint>

// The grid, the sheet size, background blocks, the node markers of a project
// without variants, every junction diagram and roundabout of the variant
// (computed on demand), the legends, foreground blocks, descriptions and the
// variant's title, in this order. The current variant is not changed.
void RysujArkuszWariantu(int32_t wariant);
