#pragma once
// Decoding JPEG files with libjpeg-turbo: a damaged file gives an error
// text instead of ending the program.

#include <string>

class QImage;

// Reads the file (path in code page 1250) into `obraz` (RGB32). On failure
// returns false with a Polish message (code page 1250) in `blad`.
bool CzytajJpeg(const std::string& sciezka, QImage& obraz, std::string& blad);
