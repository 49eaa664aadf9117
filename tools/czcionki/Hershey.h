// Reading Hershey fonts in the JHF text format (one glyph per record:
// 5-character glyph number, 3-character vertex count, then character pairs,
// each character being a coordinate offset by 'R'; the pair " R" lifts the pen).
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace czcionki {

// A point in Hershey units: x to the right, y DOWNWARDS, the baseline of
// the Roman fonts at y = 9, capitals reaching y = -12.
struct PunktH {
    double x = 0;
    double y = 0;
};

using Linia = std::vector<PunktH>;  // a polyline drawn without lifting the pen

struct ZnakHershey {
    int numer = 0;       // Hershey's glyph number (information only)
    double lewy = 0;     // left bearing: the glyph's origin
    double prawy = 0;    // right bearing: origin of the next glyph
    std::vector<Linia> linie;
};

// Parses a whole JHF stream. Records longer than a line continue on the
// following lines, as in the classic distribution. On malformed input returns
// false and a message naming the source and the line.
bool ParsujJhf(std::istream& we, const std::string& nazwa, std::vector<ZnakHershey>& znaki,
               std::string& blad);

bool CzytajJhf(const std::string& sciezka, std::vector<ZnakHershey>& znaki, std::string& blad);

}  // namespace czcionki
