#include "junction/SkalePaskow.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "junction/WlotyPomiaru.h"
#include "model/NatezeniaRonda.h"
#include "model/Pomiar.h"
#include "model/Rondo.h"
#include "model/Ruchoplan.h"
#include "model/Ustawienia.h"

namespace {

constexpr float SkalaDomyslna = 0.005f;

// Sums are formed in 64 bits so that huge counts cannot overflow; a sum
// beyond the int32 range counts as the largest int32.
void Kandydat(int32_t& m, int64_t v)
{
    if (v > INT32_MAX)
        v = INT32_MAX;
    if (v > m)
        m = static_cast<int32_t>(v);
}

// Whether roundabout arm `ramie` (1..5) counts by the number of arms: arms 1
// and 2 always, the others when the roundabout has that many.
bool RamieRondaWLiczbie(const DaneRondo& r, int ramie)
{
    return ramie <= 2 || r.LiczbaRamion > ramie - 1;
}

// The count's entry and exit totals of inlet `w`, over its first `n` inlets.
void SumyWlotuPomiaru(int32_t& m, const DanePomiar& p, std::size_t w, std::size_t n)
{
    const auto& t = p.NatezeniaNaRelacjach;
    int64_t wiersz = 0, kolumna = 0;
    for (std::size_t j = 0; j < n; ++j) {
        wiersz += t[w][j];
        kolumna += t[j][w];
    }
    Kandydat(m, wiersz);
    Kandydat(m, kolumna);
}

void NatezeniaRuchoplanu(int32_t& m, const DaneRuchoplan& r)
{
    if (ZPomiaruRuchoplanu(r)) {
        const DanePomiar* p = PomiarRuchoplanu(r);
        if (!p)
            return;
        for (int k = 1; k <= 4; ++k)
            if (r.Ramie[static_cast<std::size_t>(k - 1)])
                // The arm's own count inlet, as the junction computation reads it.
                SumyWlotuPomiaru(m, *p, static_cast<std::size_t>(WlotPomiaruRamienia(k) - 1), 4);
        return;
    }
    for (std::size_t k = 0; k < 4; ++k)
        if (r.Ramie[k]) {
            Kandydat(m, r.SumaWlotu[k]);
            Kandydat(m, r.SumaWylotu[k]);
        }
}

void NatezeniaRonda(int32_t& m, const DaneRondo& r)
{
    if (const DanePomiar* p = PomiarRonda(r)) {
        for (std::size_t k = 0; k < 5; ++k)
            if (r.Ramie[k])
                SumyWlotuPomiaru(m, *p, k, 5);
    } else {
        for (int k = 1; k <= 5; ++k) {
            if (!RamieRondaWLiczbie(r, k))
                continue;
            const auto a = static_cast<std::size_t>(k - 1);
            Kandydat(m, r.DaneRelacje ? r.SumaWylotuRel[a] : r.WylotWpisany[a]);
            Kandydat(m, r.DaneRelacje ? r.SumaWlotuRel[a] : r.WlotWpisany[a]);
        }
    }
    for (int k = 1; k <= 5; ++k) {
        if (!RamieRondaWLiczbie(r, k))
            continue;
        const auto a = static_cast<std::size_t>(k - 1);
        Kandydat(m, r.NaPierscieniu2[a]);
        Kandydat(m, r.NaPierscieniu1[a]);
    }
}

// Each crossing category of one arm, both directions together.
void PrzejsciaWiersza(int32_t& m, const std::array<int32_t, 8>& w)
{
    for (std::size_t c = 0; c < 4; ++c)
        Kandydat(m, static_cast<int64_t>(w[2 * c]) + w[2 * c + 1]);
}

void PrzejsciaRuchoplanu(int32_t& m, const DaneRuchoplan& r)
{
    const bool zPomiaru = ZPomiaruRuchoplanu(r);
    const DanePomiar* p = PomiarRuchoplanu(r);
    for (int k = 1; k <= 4; ++k) {
        const auto a = static_cast<std::size_t>(k - 1);
        if (!r.Ramie[a])
            continue;
        if (zPomiaru) {
            if (p)
                PrzejsciaWiersza(m, PrzejsciaPomiaru(*p, k));
        } else {
            for (std::size_t c = 0; c < 4; ++c)
                Kandydat(m, static_cast<int64_t>(r.Przejscia[a].L[c]) + r.Przejscia[a].P[c]);
        }
    }
}

void PrzejsciaRonda(int32_t& m, const DaneRondo& r)
{
    const DanePomiar* p = PomiarRonda(r);
    for (std::size_t k = 0; k < 5; ++k) {
        if (!r.Ramie[k])
            continue;
        if (p) {
            PrzejsciaWiersza(m, p->NatezeniaPrzejscObliczone[k]);
        } else {
            for (std::size_t c = 0; c < 4; ++c)
                Kandydat(m, static_cast<int64_t>(r.NatezeniaPrzejsc[k][c][0]) + r.NatezeniaPrzejsc[k][c][1]);
        }
    }
}

// Divides `licznik` by the largest value, in extended precision; a result
// that is no finite number keeps the default scale.
float Iloraz(long double licznik, int32_t mianownik, float dotychczas)
{
    const long double q = licznik / static_cast<long double>(mianownik < 1 ? 1 : mianownik);
    const auto f = static_cast<float>(q);
    return std::isfinite(f) ? f : dotychczas;
}

// The default scale, replaced in turn by each rule that is on: the automatic
// width for the largest value, the chosen maximum width for it, the width
// per 100 units.
float Skala(int32_t najwieksza, bool automatycznie, long double szerokoscAuto, bool doMax, float szerokoscMax,
            bool na100, float szerokosc100)
{
    float s = SkalaDomyslna;
    if (automatycznie)
        s = Iloraz(szerokoscAuto, najwieksza, s);
    if (doMax)
        s = Iloraz(szerokoscMax, najwieksza, s);
    if (na100) {
        const auto f = static_cast<float>(0.01L * szerokosc100);
        if (std::isfinite(f))
            s = f;
    }
    return s;
}

} // namespace

WkladDoSkal WkladRuchoplanu(const DaneRuchoplan& r)
{
    WkladDoSkal w;
    NatezeniaRuchoplanu(w.natezenie, r);
    PrzejsciaRuchoplanu(w.przejscie, r);
    return w;
}

WkladDoSkal WkladRonda(const DaneRondo& r)
{
    WkladDoSkal w;
    NatezeniaRonda(w.natezenie, r);
    PrzejsciaRonda(w.przejscie, r);
    return w;
}

namespace {

// Each drawing thread keeps its own pass: the threads read one project and
// find the same largest values.
thread_local int glebokoscPrzebiegu = 0;
thread_local bool maksimaZnane = false;
thread_local WkladDoSkal maksima;  // of the whole project, while maksimaZnane

WkladDoSkal ZnajdzMaksima()
{
    WkladDoSkal m;
    auto dolacz = [&m](const WkladDoSkal& w) {
        m.natezenie = std::max(m.natezenie, w.natezenie);
        m.przejscie = std::max(m.przejscie, w.przejscie);
    };
    for (const DaneRuchoplan& r : Ruchoplany)
        dolacz(WkladRuchoplanu(r));
    for (const DaneRondo& r : Ronda)
        dolacz(WkladRonda(r));
    return m;
}

const WkladDoSkal& Maksima()
{
    if (glebokoscPrzebiegu == 0 || !maksimaZnane) {
        maksima = ZnajdzMaksima();
        maksimaZnane = glebokoscPrzebiegu > 0;
    }
    return maksima;
}

// The largest of all records when one of them goes from `przed` to `po`:
// known at once unless the record held it and went down.
void Uaktualnij(int32_t& najwieksza, int32_t przed, int32_t po)
{
    if (po >= najwieksza)
        najwieksza = po;
    else if (przed >= najwieksza)
        maksimaZnane = false;
}

} // namespace

PrzebiegObliczen::PrzebiegObliczen() { ++glebokoscPrzebiegu; }

PrzebiegObliczen::~PrzebiegObliczen()
{
    if (--glebokoscPrzebiegu == 0)
        maksimaZnane = false;
}

void ZmienionyWklad(const WkladDoSkal& przed, const WkladDoSkal& po)
{
    if (glebokoscPrzebiegu == 0 || !maksimaZnane)
        return;
    Uaktualnij(maksima.natezenie, przed.natezenie, po.natezenie);
    Uaktualnij(maksima.przejscie, przed.przejscie, po.przejscie);
}

int32_t NajwiekszeNatezenie() { return std::max(wg.MinPojazd, Maksima().natezenie); }

int32_t NajwiekszePrzejscie() { return std::max(0, Maksima().przejscie); }

void UstawSkalePaskow()
{
    wg.MaxNatezenie = NajwiekszeNatezenie();
    // A floor below 1 (possible from a project file) must not make the
    // rules divide by zero: the divisor is then 1.
    wg.SkalaPaskow = Skala(wg.MaxNatezenie, wg.SkalaPaskowAuto, 1.5L, wg.SkalaPaskowMax, wg.MaxSzer,
                           wg.SkalaPaskow100, wg.Pojazd100);
}

void UstawSkalePrzejsc()
{
    wg.MaxPrzejscie = NajwiekszePrzejscie();
    if (wg.MaxPrzejscie < 1)
        wg.MaxPrzejscie = 1;
    wg.SkalaPrzejsc = Skala(wg.MaxPrzejscie, wg.SkalaPrzejscAuto, 0.5L, wg.SkalaPrzejscMax, wg.PrzejMaxSzer,
                            wg.SkalaPrzejsc100, wg.Przej100);
}
