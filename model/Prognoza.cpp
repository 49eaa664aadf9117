// How a forecast cell raises a counted volume.
#include "model/Prognoza.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "base/Teksty.h"
#include "model/Granice.h"
#include "model/Projekt.h"

namespace {

// A computed volume within the range the project file keeps.
int32_t NaNatezenie(long double x)
{
    if (!(x == x))
        return 0;
    return static_cast<int32_t>(std::clamp(x, static_cast<long double>(granice::NatezenieObliczone.min),
                                           static_cast<long double>(granice::NatezenieObliczone.max)));
}

}  // namespace

KomorkaPrognozy RozbierzKomorkePrognozy(std::string_view komorka)
{
    KomorkaPrognozy k;
    k.tekst = UsunSpacje(komorka);
    if (k.tekst.empty())
        return k;
    const auto znak = k.tekst.find('%');
    if (znak != std::string::npos) {
        k.procentowa = true;
        std::string reszta = k.tekst;
        reszta.erase(znak, 1);
        double p = 0.0;
        if (SprobujTekstNaLiczbe(PoprawSeparator(reszta), p) && std::fabs(p) <= std::numeric_limits<float>::max()) {
            k.rodzaj = KomorkaPrognozy::Rodzaj::Procent;
            k.procent = static_cast<float>(p);
        } else {
            k.rodzaj = KomorkaPrognozy::Rodzaj::Bledna;
        }
        return k;
    }
    k.rodzaj = SprobujTekstNaCalkowita(k.tekst, k.przyrost) ? KomorkaPrognozy::Rodzaj::Przyrost
                                                             : KomorkaPrognozy::Rodzaj::Bledna;
    return k;
}

int32_t ZastosujPrognoze(int32_t n, std::string_view komorka)
{
    const KomorkaPrognozy k = RozbierzKomorkePrognozy(komorka);
    // A single character (a lone digit too) leaves the volume as it is.
    if (k.tekst.size() < 2)
        return n;
    switch (k.rodzaj) {
    case KomorkaPrognozy::Rodzaj::Procent: {
        // The percentage is a single; the product is formed in extended
        // precision and only the added part is rounded, half to even.
        const long double dodatek = static_cast<long double>(n) * (static_cast<long double>(k.procent) / 100.0L);
        const long double ograniczony = std::clamp(dodatek, -4.0e18L, 4.0e18L);
        return NaNatezenie(static_cast<long double>(n) + static_cast<long double>(std::llrint(ograniczony)));
    }
    case KomorkaPrognozy::Rodzaj::Przyrost:
        return NaNatezenie(static_cast<long double>(n) + static_cast<long double>(k.przyrost));
    default:
        return n;
    }
}
