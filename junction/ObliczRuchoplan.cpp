#include "junction/ObliczRuchoplan.h"

#include <cmath>

#include "junction/Relacje.h"
#include "junction/SkalePaskow.h"
#include "junction/WlotyPomiaru.h"
#include "model/Projekt.h"
#include "model/Ustawienia.h"
#include "model/Wezel.h"

namespace {

constexpr int LiczbaPasow = 8;
using Krawedzie = std::array<double, 5>;   // lateral positions of edges 1..5

DaneRuchoplan& Rekord(int indeks)
{
    return Ruchoplany[static_cast<std::size_t>(indeks)];
}

bool JestRamie(const DaneRuchoplan& r, int ramie)
{
    return r.Ramie[static_cast<std::size_t>(ramie - 1)] != 0;
}

// qij is taken only when both arms (for a U-turn: its arm) are present.
bool RelacjaMozliwa(const DaneRuchoplan& r, int z, int do_)
{
    return JestRamie(r, z) && JestRamie(r, do_);
}

void UstawNatezenie(DaneRuchoplan& r, int z, int do_, int32_t wartosc)
{
    r.NatezeniaObl[static_cast<std::size_t>(4 * (z - 1) + (do_ - 1))] = wartosc;
}

// Edges 1..5 of a strip anchored at offset `o`, widths in the order given.
Krawedzie Zakotwiczony(double o, double s, double w1, double w2, double w3, double w4)
{
    return {o, o + w1 * s, o + (w1 + w2) * s, o + (w1 + w2 + w3) * s, o + (w1 + w2 + w3 + w4) * s};
}

// The partner strip of a pair, aligned on the anchored strip's edge 3
// (the through band): w1, w2 lie towards the axis, w3, w4 away from it.
Krawedzie Dopasowany(double e3, double s, double w1, double w2, double w3, double w4)
{
    return {e3 - (w1 + w2) * s, e3 - w2 * s, e3, e3 + w3 * s, e3 + (w3 + w4) * s};
}

Krawedzie Ujemne(const Krawedzie& k)
{
    return {-k[0], -k[1], -k[2], -k[3], -k[4]};
}

void ZapiszPunkt(DaneRuchoplan& r, int pas, int rzad, int krawedz, double x, double y)
{
    const int i = IndeksPunktuPasa(pas, rzad, krawedz);
    r.GeometriaRamion[static_cast<std::size_t>(i)] = static_cast<float>(x);
    r.GeometriaRamion[static_cast<std::size_t>(i + 1)] = static_cast<float>(y);
}

// Writes a strip of arm `ramie` with lateral edge positions `k`, its rows at
// distances w (inner end) and l (outer end) from the node on the arm's side.
void ZapiszPas(DaneRuchoplan& r, int pas, int ramie, const Krawedzie& k, double w, double l)
{
    for (int rzad = 1; rzad <= 2; ++rzad) {
        const double d = rzad == 1 ? w : l;
        for (int e = 1; e <= 5; ++e) {
            const double b = k[static_cast<std::size_t>(e - 1)];
            switch (ramie) {
            case 1: ZapiszPunkt(r, pas, rzad, e, b, -d); break;
            case 2: ZapiszPunkt(r, pas, rzad, e, d, b); break;
            case 3: ZapiszPunkt(r, pas, rzad, e, b, d); break;
            default: ZapiszPunkt(r, pas, rzad, e, -d, b); break;
            }
        }
    }
}

bool Skonczona(double v)
{
    return std::isfinite(v);
}

bool LukSkonczony(const DaneLuk& l)
{
    for (float v : {l.A.X, l.A.Y, l.B.X, l.B.Y, l.M.X, l.M.Y, l.C.X, l.C.Y, l.R, l.KatPoczatku, l.KatKonca})
        if (!Skonczona(v))
            return false;
    return true;
}

// Geometry read from a damaged file (an angle, offset or length that is no
// number) would give points that are no numbers, which neither the screen
// nor a DXF file can take. Such points are put on the node, the bands they
// touch are left out, and the user is told to change the display values.
void UsunNieliczby(DaneRuchoplan& r)
{
    bool byly = false;
    const float x0 = Skonczona(r.X) ? r.X : 0.0f, y0 = Skonczona(r.Y) ? r.Y : 0.0f;
    for (std::size_t i = 0; i < r.GeometriaRamion.size(); ++i)
        if (!Skonczona(r.GeometriaRamion[i])) {
            r.GeometriaRamion[i] = i % 2 == 0 ? x0 : y0;
            byly = true;
        }
    for (float& z : r.ZasiegiRamion)
        if (!Skonczona(z)) {
            z = 0.0f;
            byly = true;
        }
    for (DanaRelacja& rel : r.Relacje) {
        bool boki = true;
        for (const auto* k : {&rel.Krawedz1, &rel.Krawedz2, &rel.Krawedz3, &rel.Krawedz4})
            for (double v : *k)
                boki = boki && Skonczona(v);
        const bool luki = LukSkonczony(rel.Luk1) && LukSkonczony(rel.Luk2);
        if (boki && luki)
            continue;
        byly = true;
        rel.Rysuj = 0;
        for (auto* k : {&rel.Krawedz1, &rel.Krawedz2, &rel.Krawedz3, &rel.Krawedz4})
            *k = {x0, x0, y0, y0};
        rel.Luk1 = DaneLuk{};
        rel.Luk2 = DaneLuk{};
    }
    if (byly)
        ZglosZleParametry();
}

} // namespace

PunktXYS PunktPasa(const DaneRuchoplan& r, int pas, int rzad, int krawedz)
{
    const auto i = static_cast<std::size_t>(IndeksPunktuPasa(pas, rzad, krawedz));
    return {r.GeometriaRamion[i], r.GeometriaRamion[i + 1]};
}

void ZbierzNatezenia(int indeks)
{
    if (!JestIndeksem(indeks, Ruchoplany))
        return;
    DaneRuchoplan& r = Rekord(indeks);
    r.NatezeniaObl.fill(0);
    r.PrzejsciaObl.fill(DanePrzejscia{});

    if (ZPomiaruRuchoplanu(r)) {
        // A count index that points to no count leaves the volumes at 0.
        const DanePomiar* p = PomiarRuchoplanu(r);
        if (!p)
            return;
        for (int k = 1; k <= 4; ++k)
            r.Ramie[static_cast<std::size_t>(k - 1)] =
                p->WlotJest[static_cast<std::size_t>(WlotPomiaruRamienia(k) - 1)] != 0 ? 1 : 0;
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j)
                if (RelacjaMozliwa(r, i, j))
                    UstawNatezenie(r, i, j, NatezeniePomiaru(*p, i, j));
        return;
    }

    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j) {
            if (!RelacjaMozliwa(r, i, j))
                continue;
            const auto n = static_cast<std::size_t>(4 * (i - 1) + (j - 1));
            UstawNatezenie(r, i, j, r.ZeStruktury ? r.NatezeniaStruktura[n][0] : r.Natezenia[n]);
        }
    for (int k = 1; k <= 4; ++k)
        if (JestRamie(r, k))
            r.PrzejsciaObl[static_cast<std::size_t>(k - 1)] = r.Przejscia[static_cast<std::size_t>(k - 1)];
}

void UstawPasy(int indeks, float skala)
{
    if (!JestIndeksem(indeks, Ruchoplany))
        return;
    DaneRuchoplan& r = Rekord(indeks);
    const double s = skala;
    auto q = [&r](int i, int j) { return static_cast<double>(NatezenieObl(r, i, j)); };

    std::array<double, 5> o{}, l{}, w{};   // [arm], 1-based
    for (int k = 1; k <= 4; ++k) {
        const auto a = static_cast<std::size_t>(k - 1);
        o[k] = r.Globalne ? r.GlobOdsuniecie : r.Odsuniecie[a];
        l[k] = r.Globalne ? r.GlobDlugosc : r.Dlugosc[a];
        w[k] = r.Globalne ? r.GlobDlugoscPom : r.DlugoscPom[a];
    }

    std::array<Krawedzie, LiczbaPasow> pasy{};
    Krawedzie &we1 = pasy[0], &we2 = pasy[1], &we3 = pasy[2], &we4 = pasy[3];
    Krawedzie &wy1 = pasy[4], &wy2 = pasy[5], &wy3 = pasy[6], &wy4 = pasy[7];

    // Pair 1: inlet 1 and outlet 3 share q13 on the positive x side.
    if (q(1, 4) <= q(4, 3)) {
        wy3 = Zakotwiczony(o[3], s, q(3, 3), q(4, 3), q(1, 3), q(2, 3));
        we1 = Dopasowany(wy3[2], s, q(1, 1), q(1, 4), q(1, 3), q(1, 2));
    } else {
        we1 = Zakotwiczony(o[1], s, q(1, 1), q(1, 4), q(1, 3), q(1, 2));
        wy3 = Dopasowany(we1[2], s, q(3, 3), q(4, 3), q(1, 3), q(2, 3));
    }
    // Pair 2: inlet 3 and outlet 1 share q31 on the negative x side.
    if (q(3, 2) <= q(2, 1)) {
        wy1 = Ujemne(Zakotwiczony(o[1], s, q(1, 1), q(2, 1), q(3, 1), q(4, 1)));
        we3 = Ujemne(Dopasowany(-wy1[2], s, q(3, 3), q(3, 2), q(3, 1), q(3, 4)));
    } else {
        we3 = Ujemne(Zakotwiczony(o[3], s, q(3, 3), q(3, 2), q(3, 1), q(3, 4)));
        wy1 = Ujemne(Dopasowany(-we3[2], s, q(1, 1), q(2, 1), q(3, 1), q(4, 1)));
    }
    // Pair 3: inlet 2 and outlet 4 share q24 on the positive y side.
    if (q(2, 1) + q(2, 2) <= q(1, 4) + q(4, 4)) {
        wy4 = Zakotwiczony(o[4], s, q(4, 4), q(1, 4), q(2, 4), q(3, 4));
        we2 = Dopasowany(wy4[2], s, q(2, 2), q(2, 1), q(2, 4), q(2, 3));
    } else {
        we2 = Zakotwiczony(o[2], s, q(2, 2), q(2, 1), q(2, 4), q(2, 3));
        wy4 = Dopasowany(we2[2], s, q(4, 4), q(1, 4), q(2, 4), q(3, 4));
    }
    // Pair 4: inlet 4 and outlet 2 share q42 on the negative y side.
    if (q(4, 3) + q(4, 4) <= q(3, 2) + q(2, 2)) {
        wy2 = Ujemne(Zakotwiczony(o[2], s, q(2, 2), q(3, 2), q(4, 2), q(1, 2)));
        we4 = Ujemne(Dopasowany(-wy2[2], s, q(4, 4), q(4, 3), q(4, 2), q(4, 1)));
    } else {
        we4 = Ujemne(Zakotwiczony(o[4], s, q(4, 4), q(4, 3), q(4, 2), q(4, 1)));
        wy2 = Ujemne(Dopasowany(-we4[2], s, q(2, 2), q(3, 2), q(4, 2), q(1, 2)));
    }

    for (int k = 1; k <= 4; ++k) {
        ZapiszPas(r, PasWlotu(k), k, pasy[static_cast<std::size_t>(PasWlotu(k))], w[k], l[k]);
        ZapiszPas(r, PasWylotu(k), k, pasy[static_cast<std::size_t>(PasWylotu(k))], w[k], l[k]);
    }

    // |edge 1| and |edge 5| of the inlets, then of the outlets.
    for (int k = 0; k < 4; ++k) {
        const auto a = static_cast<std::size_t>(k);
        r.ZasiegiRamion[a] = static_cast<float>(std::fabs(pasy[a][0]));
        r.ZasiegiRamion[4 + a] = static_cast<float>(std::fabs(pasy[a][4]));
        r.ZasiegiRamion[8 + a] = static_cast<float>(std::fabs(pasy[4 + a][0]));
        r.ZasiegiRamion[12 + a] = static_cast<float>(std::fabs(pasy[4 + a][4]));
    }
}

void ObrocPasy(int indeks, float kat1, float kat2, float kat3, float kat4)
{
    if (!JestIndeksem(indeks, Ruchoplany))
        return;
    DaneRuchoplan& r = Rekord(indeks);
    const std::array<float, 4> katy{kat1, kat2, kat3, kat4};
    for (int k = 1; k <= 4; ++k) {
        const double a = katy[static_cast<std::size_t>(k - 1)];
        const double c = std::cos(a), sn = std::sin(a);
        for (int pas : {PasWlotu(k), PasWylotu(k)})
            for (int rzad = 1; rzad <= 2; ++rzad)
                for (int e = 1; e <= 5; ++e) {
                    const PunktXYS p = PunktPasa(r, pas, rzad, e);
                    ZapiszPunkt(r, pas, rzad, e, p.X * c - p.Y * sn, p.X * sn + p.Y * c);
                }
    }
}

void PrzesunPasy(int indeks)
{
    if (!JestIndeksem(indeks, Ruchoplany))
        return;
    DaneRuchoplan& r = Rekord(indeks);
    for (std::size_t i = 0; i < r.GeometriaRamion.size(); i += 2) {
        r.GeometriaRamion[i] += r.X;
        r.GeometriaRamion[i + 1] += r.Y;
    }
}

float ZacznijObliczenie(int indeks)
{
    DaneRuchoplan& r = Rekord(indeks);
    r.Obliczony = 1;
    if (JestIndeksem(r.NrWezla, Wezly)) {
        r.X = static_cast<float>(Wezly[static_cast<std::size_t>(r.NrWezla)].X);
        r.Y = static_cast<float>(Wezly[static_cast<std::size_t>(r.NrWezla)].Y);
    }
    // What the diagram counts towards the project's largest values, kept
    // up to date for the pass it is computed in. The rest of the computation
    // changes none of what it counts.
    const WkladDoSkal przed = WkladRuchoplanu(r);
    ZbierzNatezenia(indeks);
    ZmienionyWklad(przed, WkladRuchoplanu(Rekord(indeks)));
    // The scales read the whole project.
    UstawSkalePaskow();
    UstawSkalePrzejsc();
    return wg.SkalaPaskow;
}

void DokonczObliczenie(int indeks, float skalaPaskow)
{
    UstawPasy(indeks, skalaPaskow);
    const DaneRuchoplan& r = Rekord(indeks);
    ObrocPasy(indeks, r.Kat[0], r.Kat[1], r.Kat[2], r.Kat[3]);
    PrzesunPasy(indeks);
    UtworzRelacje(indeks, skalaPaskow);
    SortujRelacje(indeks);
    UsunNieliczby(Rekord(indeks));
}

void ObliczRuchoplan(int indeks)
{
    if (!JestIndeksem(indeks, Ruchoplany))
        return;
    DokonczObliczenie(indeks, ZacznijObliczenie(indeks));
}
