#pragma once
// Decoding JPEG files with libjpeg-turbo: a damaged file gives an error
// text instead of ending the program.

#include <string>
#include <string_view>

class QImage;

// Reads the file (its path the system's, KatalogProgramu.h) into `obraz`
// (RGB32). On failure returns false with a Polish message (code page 1250)
// in `blad`.
bool CzytajJpeg(const std::string& sciezka, QImage& obraz, std::string& blad);

// No picture of the program is larger; a header declaring more is refused
// before any bitmap is made.
constexpr unsigned MaksBokObrazuJpeg = 4096;

// The same from the file's bytes; on failure `przyczyna` says why.
bool CzytajJpegZBajtow(std::string_view bajty, QImage& obraz, std::string& przyczyna);
