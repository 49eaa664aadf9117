// Writes the program's stroke fonts (Roman100.Lzs, grecki100.Lzs) from the
// public-domain Hershey fonts:
//   GeneratorCzcionek <rowmans.jhf> <greeks.jhf> <output folder>
// Nothing is written unless both inputs read correctly.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "tools/czcionki/Hershey.h"
#include "tools/czcionki/PlikLzs.h"
#include "tools/czcionki/Skladanie.h"

using namespace czcionki;

namespace {

bool CzytajCzcionkeAscii(const std::string& sciezka, std::vector<ZnakHershey>& znaki, std::string& blad) {
    if (!CzytajJhf(sciezka, znaki, blad))
        return false;
    if (static_cast<int>(znaki.size()) < kWymaganeZnakiJhf) {
        blad = sciezka + ": za mało znaków (" + std::to_string(znaki.size()) + "), potrzeba " +
               std::to_string(kWymaganeZnakiJhf) + " w kolejności ASCII od spacji";
        return false;
    }
    return true;
}

TablicaZnakow NaTablice(const ZnakiStrony& znaki, const std::string& nazwaCzcionki,
                        std::vector<std::string>& uwagi) {
    TablicaZnakow tablica;
    const float pusta = static_cast<float>(SzerokoscPusta(znaki) * kSkala);
    for (int k = 0; k < kLiczbaZnakow; ++k) {
        if (znaki[k])
            tablica[k] = NaDaneZnak(*znaki[k], nazwaCzcionki + " " + NazwaKodu(k), uwagi);
        else
            tablica[k].Szerokosc = pusta;
    }
    return tablica;
}

int Blad(const std::string& tekst) {
    std::cerr << "GeneratorCzcionek: błąd: " << tekst << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return Blad("użycie: GeneratorCzcionek <rowmans.jhf> <greeks.jhf> <katalog wyjściowy>");
    std::string blad;
    std::vector<ZnakHershey> rzymskie, greckie;
    if (!CzytajCzcionkeAscii(argv[1], rzymskie, blad) || !CzytajCzcionkeAscii(argv[2], greckie, blad))
        return Blad(blad);

    const ZnakiStrony roman = ZnakiCp1250(rzymskie);
    // The Greek font keeps the Roman composition outside ASCII, so Polish
    // letters still show in it.
    ZnakiStrony grecka = roman;
    for (int k = kPierwszyAscii; k <= kOstatniAscii; ++k)
        grecka[k] = greckie[static_cast<std::size_t>(k - kPierwszyAscii)];

    std::vector<std::string> uwagi;
    const TablicaZnakow tablicaRoman = NaTablice(roman, "Roman100", uwagi);
    const TablicaZnakow tablicaGrecka = NaTablice(grecka, "grecki100", uwagi);
    for (const std::string& u : uwagi)
        std::cerr << "GeneratorCzcionek: uwaga: " << u << "\n";

    const std::filesystem::path katalog = argv[3];
    std::error_code ec;
    std::filesystem::create_directories(katalog, ec);
    if (ec)
        return Blad(katalog.string() + ": nie można utworzyć katalogu (" + ec.message() + ")");
    if (!ZapiszCzcionke((katalog / "Roman100.Lzs").string(), tablicaRoman, blad) ||
        !ZapiszCzcionke((katalog / "grecki100.Lzs").string(), tablicaGrecka, blad))
        return Blad(blad);
    return 0;
}
