#pragma once
// The copy of a rectangle of the drawing to the clipboard: its settings read
// from the window's texts, and the bitmap drawn at the chosen resolution.
//
// The copy is one more output: a bitmap of its own size and background,
// drawn through the screen back-end with a view of its own. The screen's
// bitmap and the view are never changed; they are given back whatever ends
// the copy.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "model/Schowek.h"

class QImage;

// The largest bitmap a copy makes, in pixels (exactly this many pass).
inline constexpr int64_t MaksPikseliSchowka = 8000000;

// The window's texts: the four edges x1, x2, y1, y2 and the points per cm.
struct PolaSchowka {
    std::array<std::string, 4> krawedzie;  // Windows-1250
    std::string punktowNaCm;
};

// Reads the texts into `n` as the clipboard window's refresh does: the
// separators of the edges corrected (written back into `pola`), edges given
// the wrong way round exchanged (and written back), a side under 1 cm
// widened about its middle, the pixel size computed in 64 bits. False with
// the message (Windows-1250) of the last failure, and `n` as it was: a
// refused entry stores nothing, not even the fallbacks of fields that held no
// number.
bool OdswiezNastawySchowka(PolaSchowka& pola, TNastawySchowek& n, std::string& komunikat);

// The pixel size of the settings' rectangle, in 64 bits.
int64_t SzerokoscPikseli(const TNastawySchowek& n);
int64_t WysokoscPikseli(const TNastawySchowek& n);

// "Rozmiar <h>x<w>pkt. (h=<cm>x b=<cm>)cm" (Windows-1250).
std::string TekstRozmiaruSchowka(const TNastawySchowek& n);

// Draws the rectangle of `n` with `rysujArkusz` (the sheet of the variant)
// into `obraz`, on the settings' background. False with a message when the
// bitmap is too large or cannot be had.
bool NarysujFragment(const TNastawySchowek& n, const std::function<void()>& rysujArkusz, QImage& obraz,
                     std::string& komunikat);
