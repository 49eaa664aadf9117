#include "junction_forms/WartosciRonda.h"

#include <algorithm>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Granice.h"
#include "model/Rondo.h"

namespace {

// Integers not below 0 within the table's limit; each failing step's
// message replaces the one before.
template <class Teksty>
void Calkowite(const Teksty& teksty, const char* niecalkowita, const char* ujemna, const char* pole, WynikKontroli& w)
{
    bool liczby = true;
    for (const std::string& t : teksty) {
        int64_t x = 0;
        if (!SprobujTekstNaCalkowita(t, x))
            liczby = false;
    }
    if (!liczby) {
        w.ok = false;
        w.komunikat = Utf8NaCp1250(niecalkowita);
        return;
    }
    if (!w.ok)
        return;
    for (const std::string& t : teksty) {
        int64_t x = 0;
        SprobujTekstNaCalkowita(t, x);
        if (x < 0) {
            w.ok = false;
            w.komunikat = Utf8NaCp1250(ujemna);
            return;
        }
        if (!granice::Natezenie.Miesci(static_cast<double>(x))) {
            w.ok = false;
            w.komunikat = KomunikatGranicy(granice::Natezenie, pole);
            return;
        }
    }
}

template <std::size_t N>
std::array<std::string, N * 5> Splaszcz(const std::array<std::array<std::string, N>, 5>& a)
{
    std::array<std::string, N * 5> w;
    for (std::size_t i = 0; i < 5; ++i)
        for (std::size_t j = 0; j < N; ++j)
            w[i * N + j] = a[i][j];
    return w;
}

std::array<std::string, 40> TekstyPrzejsc(const TekstyRonda& t)
{
    std::array<std::string, 40> w;
    for (std::size_t k = 0; k < 5; ++k)
        for (std::size_t c = 0; c < 4; ++c)
            for (std::size_t s = 0; s < 2; ++s)
                w[8 * k + 2 * c + s] = t.Przejscia[k][c][s];
    return w;
}

void Przejscia(WynikKontroli& w, const TekstyRonda& t)
{
    Calkowite(TekstyPrzejsc(t), "Wartości na przejściach muszą być liczbą całkowitą!",
              "Wartości na przejściach muszą być liczbą całkowitą większą od zera!", "natężenie na przejściu", w);
}

int32_t Wartosc(const std::string& t) { return TekstNaCalkowita(t, 0, 0, INT32_MAX); }

void ZapiszPrzejscia(DaneRondo& r, const TekstyRonda& t)
{
    for (std::size_t k = 0; k < 5; ++k)
        for (std::size_t c = 0; c < 4; ++c)
            for (std::size_t s = 0; s < 2; ++s)
                r.NatezeniaPrzejsc[k][c][s] = Wartosc(t.Przejscia[k][c][s]);
}

constexpr const char* NieCalkowita = "Wartości natężeń muszą być liczbą całkowitą!";
constexpr const char* Ujemna = "Wartości natężeń muszą być liczbą całkowitą większą od zera!";

}  // namespace

WynikKontroli SprawdzRelacjeRonda(const TekstyRonda& t)
{
    WynikKontroli w;
    Calkowite(Splaszcz(t.Relacje), NieCalkowita, Ujemna, "natężenie relacji", w);
    Przejscia(w, t);
    return w;
}

WynikSum SprawdzSumyRonda(const TekstyRonda& t, const std::array<bool, 5>& widoczne)
{
    WynikSum s;
    std::array<std::string, 10> sumy;
    std::copy(t.Wloty.begin(), t.Wloty.end(), sumy.begin());
    std::copy(t.Wyloty.begin(), t.Wyloty.end(), sumy.begin() + 5);
    Calkowite(sumy, NieCalkowita, Ujemna, "suma wlotu lub wylotu", s.kontrola);
    Przejscia(s.kontrola, t);
    if (!s.kontrola.ok)
        return s;
    s.wloty = s.wyloty = 0;
    for (std::size_t k = 0; k < 5; ++k)
        if (k == 0 || widoczne[k]) {
            s.wloty += Wartosc(t.Wloty[k]);
            s.wyloty += Wartosc(t.Wyloty[k]);
        }
    if (s.wloty != s.wyloty) {
        s.kontrola.ok = false;
        s.kontrola.komunikat = Utf8NaCp1250("Suma pojazdów wjeżdżających i opuszczających rondo musi być identyczna!");
    }
    return s;
}

void ZapiszRelacjeRonda(DaneRondo& r, const TekstyRonda& t)
{
    r.DaneRelacje = 1;
    auto jest = [&](std::size_t k) { return k < 2 || r.Ramie[k]; };
    r.SumaWlotuRel.fill(0);
    r.SumaWylotuRel.fill(0);
    for (std::size_t i = 0; i < 5; ++i)
        for (std::size_t j = 0; j < 5; ++j) {
            r.Macierz[i][j] = jest(i) && jest(j) ? Wartosc(t.Relacje[i][j]) : 0;
            r.SumaWlotuRel[i] += r.Macierz[i][j];
            r.SumaWylotuRel[j] += r.Macierz[i][j];
        }
    ZapiszPrzejscia(r, t);
    // A sums commit may have narrowed the island; the matrix gives it back.
    r.PromienWewn = r.PromienR;
}

void ZapiszSumyRonda(DaneRondo& r, const TekstyRonda& t, double skala)
{
    int32_t m = 0;
    for (std::size_t k = 0; k < 5; ++k) {
        r.WlotWpisany[k] = Wartosc(t.Wloty[k]);
        r.WylotWpisany[k] = Wartosc(t.Wyloty[k]);
        r.GeometriaRamion[k][0].Natezenie = r.WlotWpisany[k];
        r.GeometriaRamion[k][1].Natezenie = r.WylotWpisany[k];
        m = std::max({m, r.WlotWpisany[k], r.WylotWpisany[k]});
    }
    r.PromienWewn = static_cast<float>(std::max(0.0, static_cast<double>(r.PromienR) - 0.3 * skala * m));
    r.DaneRelacje = 0;
    ZapiszPrzejscia(r, t);
}
