// How a forecast cell raises a counted volume.
#include "model/Prognoza.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "base/Teksty.h"
#include "model/Projekt.h"

namespace {

int32_t NaInt32(double x)
{
    if (!(x == x))
        return 0;
    return static_cast<int32_t>(std::clamp(x, static_cast<double>(std::numeric_limits<int32_t>::min()),
                                           static_cast<double>(std::numeric_limits<int32_t>::max())));
}

}  // namespace

int32_t ZastosujPrognoze(int32_t n, std::string_view komorka)
{
    if (komorka.size() < 2)
        return n;
    const auto procent = komorka.find('%');
    if (procent != std::string_view::npos) {
        std::string reszta(komorka);
        reszta.erase(procent, 1);
        double p = 0.0;
        if (!SprobujTekstNaLiczbe(PoprawSeparator(reszta), p))
            return n;
        const double wynik = static_cast<double>(n) + static_cast<double>(n) * p / 100.0;
        return NaInt32(static_cast<double>(Zaokraglij(std::clamp(wynik, -4.0e18, 4.0e18))));
    }
    int64_t przyrost = 0;
    if (!SprobujTekstNaCalkowita(komorka, przyrost))
        return n;
    return NaInt32(static_cast<double>(n) + static_cast<double>(przyrost));
}
