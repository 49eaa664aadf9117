// Reading the generated stroke-font files in the tests, independently of the
// program's own loader.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace testy_czcionek {

constexpr std::size_t kRekord = 608;
constexpr std::size_t kRozmiarPliku = 256 * kRekord;
constexpr int kBaza = 20;  // baseline of the generated glyphs, glyph units

inline std::string SciezkaCzcionki(const std::string& nazwa) {
    return std::string(KG_BUILD_DIR) + "/Dane/" + nazwa + "100.Lzs";
}

inline std::vector<unsigned char> CzytajBajty(const std::string& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

struct Kreska {
    int x1, y1, x2, y2;
    bool operator==(const Kreska&) const = default;
};

struct Ramka {
    int lewa = 255, prawa = 0, dol = 255, gora = 0;
};

struct Znak {
    int32_t liczba = 0;
    float szerokosc = 0;
    std::vector<Kreska> kreski;

    Ramka Obrys() const {
        Ramka r;
        for (const Kreska& k : kreski) {
            r.lewa = std::min({r.lewa, k.x1, k.x2});
            r.prawa = std::max({r.prawa, k.x1, k.x2});
            r.dol = std::min({r.dol, k.y1, k.y2});
            r.gora = std::max({r.gora, k.y1, k.y2});
        }
        return r;
    }
};

// Glyph of a code; strokes are read only up to the limit of the record.
inline Znak ZnakZ(const std::vector<unsigned char>& plik, unsigned char kod) {
    Znak z;
    const unsigned char* r = plik.data() + kod * kRekord;
    std::memcpy(&z.liczba, r, 4);
    std::memcpy(&z.szerokosc, r + 4, 4);
    for (int i = 0; i < std::clamp(z.liczba, 0, 150); ++i)
        z.kreski.push_back({r[8 + i], r[158 + i], r[308 + i], r[458 + i]});
    return z;
}

}  // namespace testy_czcionek
