#pragma once
// How a forecast cell raises a counted volume.
#include <cstdint>
#include <string>
#include <string_view>

// A forecast cell as the rule and the forecast table's check both read it:
// blanks removed, then a percentage (the first "%" removed, the rest a
// number held in single precision) or a whole number of vehicles to add.
struct KomorkaPrognozy {
    enum class Rodzaj { Pusta, Procent, Przyrost, Bledna } rodzaj = Rodzaj::Pusta;
    bool procentowa = false;    // a "%" was found (also when the rest is no number)
    float procent = 0.0f;
    int64_t przyrost = 0;
    std::string tekst;          // without blanks
};
KomorkaPrognozy RozbierzKomorkePrognozy(std::string_view komorka);

// n unchanged for a cell shorter than 2 characters; "p%" adds
// Round(n * p / 100); otherwise adds the cell's integer value (0 when it is no
// number). The result is held within the range of computed volumes.
int32_t ZastosujPrognoze(int32_t n, std::string_view komorka);
