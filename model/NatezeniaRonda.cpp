// Entry and exit totals and circulating flows of a roundabout.
#include "model/NatezeniaRonda.h"

#include <algorithm>
#include <array>

#include "model/Pomiar.h"
#include "model/Projekt.h"
#include "model/Rondo.h"

namespace {

using Macierz5 = std::array<std::array<int32_t, 5>, 5>;
using Wektor5 = std::array<int32_t, 5>;

// 32-bit arithmetic that wraps as the stored values do, instead of overflowing.
int32_t Dodaj(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
int32_t Odejmij(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b)); }

// Relation (i, j) passes arm k when, counting arms upwards from i and
// wrapping, k comes before j; a U-turn goes once around the ring.
bool PrzejezdzaPrzedRamieniem(int i, int j, int k)
{
    if (i == k)
        return false;
    const int doRamienia = (k - i + 5) % 5;
    const int doWylotu = (j == i) ? 5 : (j - i + 5) % 5;
    return doRamienia < doWylotu;
}

Wektor5 SumyWierszy(const Macierz5& q)
{
    Wektor5 w{};
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            w[i] = Dodaj(w[i], q[i][j]);
    return w;
}

Wektor5 SumyKolumn(const Macierz5& q)
{
    Wektor5 y{};
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            y[j] = Dodaj(y[j], q[i][j]);
    return y;
}

// Circulating flows C and ring flows R = C + W of all five arms.
void PrzeplywyZKomorek(DaneRondo& r, const Macierz5& q, const Wektor5& w)
{
    for (int k = 0; k < 5; ++k) {
        int32_t c = 0;
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < 5; ++j)
                if (PrzejezdzaPrzedRamieniem(i, j, k))
                    c = Dodaj(c, q[i][j]);
        r.NaPierscieniu1[k] = c;
        r.NaPierscieniu2[k] = Dodaj(c, w[k]);
    }
}

// Totals and ring flows from a relation matrix.
void ZKomorek(DaneRondo& r, const Macierz5& q)
{
    r.SumaWlotu = SumyWierszy(q);
    r.SumaWylotu = SumyKolumn(q);
    PrzeplywyZKomorek(r, q, r.SumaWlotu);
}

void ZPomiaru(DaneRondo& r, const DanePomiar& p)
{
    // Two to five arms whatever the count says; the arm arrays hold five.
    r.LiczbaRamion = std::clamp<int32_t>(p.MaxJest, 2, 5);
    r.Ramie[2] = p.MaxJest > 2;
    r.Ramie[3] = p.MaxJest > 3;
    r.Ramie[4] = p.MaxJest > 4;
    // Arm angles must increase; a lower one is put 10 degrees past the previous.
    for (int k = 0; k < 4; ++k)
        if (r.Kat[k + 1] < r.Kat[k])
            r.Kat[k + 1] = static_cast<float>(static_cast<double>(r.Kat[k]) + 0.174532925);
    ZKomorek(r, p.NatezeniaNaRelacjach);
}

void ZMacierzy(DaneRondo& r)
{
    r.SumaWlotu = r.SumaWlotuRel;
    r.SumaWylotu = r.SumaWylotuRel;
    PrzeplywyZKomorek(r, r.Macierz, r.SumaWlotu);
}

// The blocks of absent arms stay in the record but feed no flow.
void ZeStruktury(DaneRondo& r)
{
    Macierz5 q{};
    auto jest = [&](int k) { return k < 2 || r.Ramie[k] != 0; };
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            q[i][j] = jest(i) && jest(j) ? r.StrukturaRelacji[i][j][0] : 0;
    ZKomorek(r, q);
}

// Only the totals are known: a running balance round the ring, shifted so
// that the smallest circulating flow is 0.
void ZSumWpisanych(DaneRondo& r)
{
    const Wektor5& w = r.WlotWpisany;
    const Wektor5& y = r.WylotWpisany;
    r.SumaWlotu = w;
    r.SumaWylotu = y;
    const int n = std::clamp<int32_t>(r.LiczbaRamion, 2, 5);
    Wektor5& c = r.NaPierscieniu1;
    Wektor5& rr = r.NaPierscieniu2;
    rr[0] = w[0];
    for (int k = 1; k < n; ++k)
        rr[k] = Dodaj(Odejmij(rr[k - 1], y[k]), w[k]);
    for (int k = 1; k < n; ++k)
        c[k] = Odejmij(rr[k - 1], y[k]);
    c[0] = Odejmij(rr[n - 1], y[0]);
    int32_t m = 0;
    for (int k = 0; k < n; ++k)
        m = std::min(m, c[k]);
    for (int k = 0; k < n; ++k) {
        c[k] = Odejmij(c[k], m);
        rr[k] = Odejmij(rr[k], m);
    }
}

}  // namespace

const DanePomiar* PomiarRonda(const DaneRondo& r, const Projekt& p)
{
    return PomiarDiagramu(r.ZPomiaru, r.NrPomiaru, p);
}

void ObliczNatezeniaRonda(int32_t indeks, Projekt& p)
{
    if (!JestIndeksem(indeks, p.Ronda))
        return;
    DaneRondo& r = p.Ronda[indeks];
    if (const DanePomiar* pomiar = PomiarRonda(r, p))
        ZPomiaru(r, *pomiar);
    else if (!r.ZeStruktury && !r.DaneRelacje)
        ZSumWpisanych(r);
    else if (!r.ZeStruktury)
        ZMacierzy(r);
    else
        ZeStruktury(r);
}

void PoWczytaniuRond(Projekt& p)
{
    for (int32_t i = 0; i < static_cast<int32_t>(p.Ronda.size()); ++i) {
        p.Ronda[i].Obliczony = 0;
        ObliczNatezeniaRonda(i, p);
    }
}
