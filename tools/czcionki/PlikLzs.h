// The stroke-font file the program reads: 256 records of 608 bytes, record k
// the glyph of Windows-1250 code k; strokes as byte coordinates, x from the
// glyph's origin, y upwards from the bottom of the text cell.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/czcionki/Hershey.h"

namespace czcionki {

constexpr int kMaksKresek = 150;
constexpr int kLiczbaZnakow = 256;
constexpr std::size_t kRozmiarRekordu = 608;

// One glyph unit is 0.012 of the text size. Capitals get 0.7 of the size
// and the baseline lies about 0.2 of the size above the cell bottom, as the
// TEXT entity of a DXF export places it, so both outputs agree; descenders
// use the space below the baseline.
constexpr double kSkala = 0.7 / 0.012 / 21.0;  // glyph units per Hershey unit (caps are 21 high)
constexpr double kLiniaBazowa = 20.0;          // baseline, glyph units above the cell bottom
constexpr double kBazaHershey = 9.0;           // baseline in Hershey coordinates

struct DaneZnak {
    int32_t LiczbaKresek = 0;
    float Szerokosc = 0;
    std::array<uint8_t, kMaksKresek> KreskaX1{};
    std::array<uint8_t, kMaksKresek> KreskaY1{};
    std::array<uint8_t, kMaksKresek> KreskaX2{};
    std::array<uint8_t, kMaksKresek> KreskaY2{};
};

using TablicaZnakow = std::array<DaneZnak, kLiczbaZnakow>;

// Scales a Hershey glyph into byte strokes. Problems that change the glyph's
// look (strokes beyond the limit, points outside the byte range) are
// appended to `uwagi` so the build shows them.
DaneZnak NaDaneZnak(const ZnakHershey& znak, const std::string& nazwaZnaku,
                    std::vector<std::string>& uwagi);

// Writes the 256 records atomically (temporary file, then rename), so a
// failed run never leaves a short font behind.
bool ZapiszCzcionke(const std::string& sciezka, const TablicaZnakow& znaki, std::string& blad);

}  // namespace czcionki
