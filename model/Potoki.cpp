// The flows of a count with class coefficients and a forecast.
#include "model/Potoki.h"

#include <algorithm>
#include <cmath>

#include "model/Granice.h"
#include "model/Prognoza.h"

namespace {

// A computed flow within the range the project file keeps, whatever factors
// and forecasts raised it to.
int32_t WZakresie(int64_t x)
{
    return static_cast<int32_t>(std::clamp<int64_t>(x, static_cast<int64_t>(granice::NatezenieObliczone.min),
                                                    static_cast<int64_t>(granice::NatezenieObliczone.max)));
}

int Wlotow(int wlotow) { return std::clamp(wlotow, 0, WlotowPomiaru); }

}  // namespace

int32_t PotokKlasy(int32_t natezenie, float wspolczynnik)
{
    const long double iloczyn = static_cast<long double>(natezenie) * static_cast<long double>(wspolczynnik);
    if (!std::isfinite(iloczyn))
        return 0;
    const long double ograniczony = std::clamp(iloczyn, static_cast<long double>(granice::NatezenieObliczone.min),
                                               static_cast<long double>(granice::NatezenieObliczone.max));
    // llrint rounds in the default mode: to nearest, halves to even.
    return WZakresie(std::llrint(ograniczony));
}

const KrotkiTekst<10>& KomorkaPojazdow(const DanePrognoza& p, int wlot, int klasa)
{
    return p.PrognozaPojazdy[p.TrybPrognoza ? 0 : static_cast<std::size_t>(wlot)][static_cast<std::size_t>(klasa)];
}

const KrotkiTekst<10>& KomorkaPrzejsc(const DanePrognoza& p, int wlot, int kategoria)
{
    return p.PrognozaPrzejscia[p.TrybPrognoza ? 0 : static_cast<std::size_t>(wlot)][static_cast<std::size_t>(kategoria)];
}

TPotokiPojazdow ObliczPotokiPojazdow(const DanePomiar& pomiar, const DaneWspolczynniki& wsp,
                                     const DanePrognoza& prognoza, bool prognozaWlaczona, int wlotow)
{
    TPotokiPojazdow wynik{};
    const int n = Wlotow(wlotow);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            int64_t suma = 0;
            // Each class is rounded and forecast on its own before the sum.
            for (int c = 0; c < KlasPojazdow; ++c) {
                int32_t v = PotokKlasy(pomiar.NatezeniaPojazdow[static_cast<std::size_t>((i - 1) * KlasPojazdow + c)]
                                                               [static_cast<std::size_t>(j - 1)],
                                       wsp.Wspolczynnik[static_cast<std::size_t>(c)]);
                if (prognozaWlaczona)
                    v = WZakresie(ZastosujPrognoze(v, KomorkaPojazdow(prognoza, i, c).str()));
                suma += v;
            }
            wynik[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)] = WZakresie(suma);
        }
    return wynik;
}

TPotokiPrzejsc ObliczPotokiPrzejsc(const DanePomiar& pomiar, const DanePrognoza& prognoza, bool prognozaWlaczona,
                                   int wlotow)
{
    TPotokiPrzejsc wynik{};
    const int n = Wlotow(wlotow);
    for (int k = 1; k <= n; ++k)
        for (int v = 1; v <= 8; ++v) {
            int32_t x = pomiar.NatezeniaPrzejsc[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(v - 1)];
            if (prognozaWlaczona)
                x = ZastosujPrognoze(x, KomorkaPrzejsc(prognoza, k, (v + 1) / 2 - 1).str());
            wynik[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(v - 1)] = WZakresie(x);
        }
    return wynik;
}

void PrzeliczPotoki(DanePomiar& pomiar, const DaneWspolczynniki& wsp, const DanePrognoza& prognoza,
                    bool prognozaWlaczona, int wlotow)
{
    pomiar.NatezeniaNaRelacjach = ObliczPotokiPojazdow(pomiar, wsp, prognoza, prognozaWlaczona, wlotow);
    pomiar.NatezeniaPrzejscObliczone = ObliczPotokiPrzejsc(pomiar, prognoza, prognozaWlaczona, wlotow);
}
