#pragma once
// The screen redraw of a variant's sheet shared among threads. The bitmap's
// rows are cut into as many bands as there are threads, each with about the
// same share of the diagrams' drawing (their kept extents tell where it
// lies); each thread draws the sheet on the bitmap itself, painting its own
// band's rows alone and leaving out the diagrams whose kept extent and the
// figures whose box cannot reach them. A figure's pixels do not depend on
// what lies under them (opaque, without antialiasing) nor on the rows
// painted (the clip is exact to the pixel), so each band comes out as one
// thread would have drawn it. The whole sheet is shared by its diagrams
// instead (`RysujArkuszWarstwami`): a band would draw every diagram that
// crosses its edge twice.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "shell/Arkusz.h"

// The number of threads a redraw uses (`WatkiPracy`, which a test may set).
int WatkiRysowania();
void UstawWatkiRysowania(int watkow);

// A thread draws at least this many diagrams: a sheet of fewer is drawn by
// one thread, which costs less than sharing it.
constexpr int DiagramowNaWatek = 4;

// Whether `RysujArkuszWatkami` would share the redraw now.
bool MoznaRysowacWatkami();

// Runs praca(0) ... praca(n - 1) at once, praca(0) in this thread, each
// thread with this thread's outputs, variant and screen canvas (a thread
// that draws attaches a canvas of its own); an exception of one is thrown
// here after all have ended.
void NaWatkach(int n, const std::function<void(int)>& praca);

// The rows where the `n` bands of a bitmap `wysokosc` rows high meet, n + 1
// of them from 0 to the height, from the kept extents of the variant's
// diagrams in the current view.
std::vector<int> GranicePasow(int32_t wariant, int n, int wysokosc);

// Draws the variant's sheet onto the screen bitmap with `WatkiRysowania()`
// threads, over the background and sheet already on it (and the pending
// lines of the bitmap's canvas, which are drawn first); `widoczny` and
// `warstwa` as for `RysujArkuszWariantu`. The sheet must be prepared with its extents
// (`PrzygotujArkuszWariantu`). False, with nothing drawn, when it
// cannot be shared: one thread, or the screen is not the program's bitmap
// alone.
bool RysujArkuszWatkami(int32_t wariant, const ProstokatArkusza* widoczny, const WarstwaArkusza& warstwa = {});

// Draws the whole of the variant's sheet onto the screen bitmap with
// `WatkiRysowania()` threads, over the background and sheet already on it:
// the sheet is cut into parts of consecutive diagrams (`PodzielArkusz`), the
// first drawn on the bitmap itself, each other on an empty bitmap of its
// own, and these are laid over it in order, each with the pixels it drew.
// Each part comes in pieces: a thread done with its own part takes the last
// pieces of another's onto spare bitmaps, laid over after that part.
// A figure's pixels do not depend on what lies under them, so the picture
// is the one-thread drawing's; no diagram is drawn twice and no extent is
// needed. The sheet must be computed (`PrzygotujArkuszWariantu`). False,
// with nothing drawn, as for `RysujArkuszWatkami`.
// `tlo`, when given, is drawn on the bitmap first, by the thread of the
// first part.
bool RysujArkuszWarstwami(int32_t wariant, const std::function<void()>& tlo = {});

// The memory the layers' bitmaps of the whole sheet's redraws take now, and
// took at the end of the last such redraw, in bytes (for the tests and
// benchmarks); a zoomed redraw takes none.
std::size_t PamiecBitmapWatkow();
std::size_t PamiecWarstwRysunku();

// The layers keep the memory they drew on for the next redraw of the whole
// sheet, which mostly draws on the same rows, and give it back when no such
// redraw came for this long (in the event loop), or now.
constexpr int PrzerwaOddaniaPamieci = 1000;  // ms
void OddajPamiecRysunku();
