// The junction volumes' check and store, the structure totals and shares.
#include "junction_forms/NatezeniaWezla.h"

#include <algorithm>
#include <limits>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Granice.h"
#include "model/Projekt.h"

namespace {

constexpr std::array<int, 16> KolejnoscKontroli = {12, 13, 14, 21, 23, 24, 31, 32, 34, 41, 42, 43, 11, 22, 33, 44};

}  // namespace

WynikKontroli SprawdzNatezenia(const TTekstyRelacji& relacje, const TekstyPrzejsc& przejscia)
{
    WynikKontroli w;
    int32_t x = 0;
    for (int nr : KolejnoscKontroli) {
        const auto i = static_cast<std::size_t>(4 * (nr / 10 - 1) + nr % 10 - 1);
        if (!CzytajNatezenie(relacje[i], x)) {
            w.ok = false;
            w.komunikat = Utf8NaCp1250("Nieprawidłowe dane o natężeniu! (poz. " + std::to_string(nr) + ")");
        }
    }
    if (!w.ok)
        return w;
    for (const auto* strona : {&przejscia.L, &przejscia.P})
        for (const auto& ramie : *strona)
            for (const std::string& t : ramie)
                if (!CzytajNatezenie(t, x)) {
                    w.ok = false;
                    w.komunikat = Utf8NaCp1250("Nieprawidłowe dane na przejściu!");
                    return w;
                }
    return w;
}

void ZapiszNatezenia(DaneRuchoplan& r, const TTekstyRelacji& relacje, const TekstyPrzejsc& przejscia)
{
    for (std::size_t i = 0; i < 16; ++i)
        CzytajNatezenie(relacje[i], r.Natezenia[i]);
    for (std::size_t k = 0; k < 4; ++k) {
        int64_t wlot = 0, wylot = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            wlot += r.Natezenia[4 * k + j];
            wylot += r.Natezenia[4 * j + k];
        }
        r.SumaWlotu[k] = static_cast<int32_t>(wlot);
        r.SumaWylotu[k] = static_cast<int32_t>(wylot);
        for (std::size_t c = 0; c < 4; ++c) {
            CzytajNatezenie(przejscia.L[k][c], r.Przejscia[k].L[c]);
            CzytajNatezenie(przejscia.P[k][c], r.Przejscia[k].P[c]);
        }
    }
}

void PrzeliczBlokStruktury(std::array<int32_t, ElementowStruktury>& blok, const std::vector<std::string>& szt)
{
    const int n = std::clamp<int>(static_cast<int>(szt.size()), 0, ElementowStruktury - 1);
    int64_t suma = 0;
    for (int t = 1; t <= n; ++t) {
        auto& e = blok[static_cast<std::size_t>(t)];
        CzytajNatezenie(szt[static_cast<std::size_t>(t - 1)], e);
        suma += Obetnij(static_cast<double>(e) * Sklad[static_cast<std::size_t>(t)].Wspolczynnik);
    }
    // Within what a file holds, however large the factors.
    blok[0] = static_cast<int32_t>(std::clamp<int64_t>(suma, static_cast<int64_t>(granice::Natezenie.min),
                                                       static_cast<int64_t>(granice::Natezenie.max)));
}

std::string Udzial(int64_t wartosc, int64_t suma)
{
    if (suma == 0)
        return "0";
    return FormatFloat("##0.0", static_cast<double>(wartosc) * 100.0 / static_cast<double>(suma)) + "%";
}

int IndeksRelacji(const std::string& nr)
{
    if (nr.size() != 2 || nr[0] < '1' || nr[0] > '4' || nr[1] < '1' || nr[1] > '4')
        return -1;
    return 4 * (nr[0] - '1') + (nr[1] - '1');
}
