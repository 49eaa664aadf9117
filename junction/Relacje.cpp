#include "junction/Relacje.h"

#include <algorithm>
#include <cmath>

#include "base/Geometria.h"
#include "junction/Komunikaty.h"
#include "junction/ObliczRuchoplan.h"
#include "junction/Zaokraglenia.h"
#include "model/Projekt.h"
#include "model/Ustawienia.h"
#include "base/Kodowanie.h"

namespace {

constexpr double PromienPrzejazdu = 10.0;
constexpr double NajmniejszyPromien = 0.1;

// A side along edge `krawedz` of strip `pas`, from row `od` to row `do_`.
KrawedzRelacji Bok(const DaneRuchoplan& r, int pas, int krawedz, int od, int do_)
{
    const PunktXYS a = PunktPasa(r, pas, od, krawedz);
    const PunktXYS b = PunktPasa(r, pas, do_, krawedz);
    return {a.X, b.X, a.Y, b.Y};
}

// Inlet sides run from the outer end (row 2) to the inner end (row 1).
KrawedzRelacji BokWlotu(const DaneRuchoplan& r, int ramie, int krawedz)
{
    return Bok(r, PasWlotu(ramie), krawedz, 2, 1);
}

KrawedzRelacji BokWylotu(const DaneRuchoplan& r, int ramie, int krawedz)
{
    return Bok(r, PasWylotu(ramie), krawedz, 1, 2);
}

double Kierunek(const KrawedzRelacji& k)
{
    return KatKierunku(k[0], k[2], k[1], k[3]);
}

// Sides whose directions differ by (nearly) 0, pi or 2 pi are joined straight.
bool Rownolegle(double da, double db)
{
    return da < 0.01 || db < 0.01 || std::fabs(da - KatPi) < 0.001 || std::fabs(db - KatPi) < 0.001 ||
           std::fabs(da - KatDwaPi) < 0.001 || std::fabs(db - KatDwaPi) < 0.001;
}

void ZgubLuk(DaneLuk& luk)
{
    luk.R = 0.0f;
    luk.KatPoczatku = 0.0f;
    luk.KatKonca = 0.0f;
}

void ZglosBladLuku(DaneLuk& luk)
{
    ZglosZleParametry();
    ZgubLuk(luk);
}

void LukZaokraglenia(DaneLuk& luk, const KrawedzRelacji& wlot, const KrawedzRelacji& wylot, double r)
{
    if (!(r >= NajmniejszyPromien))
        r = NajmniejszyPromien;
    const auto f = [](double v) { return static_cast<float>(v); };
    if (!Zaokraglenie(luk, f(wlot[0]), f(wlot[2]), f(wlot[1]), f(wlot[3]), f(wylot[0]), f(wylot[2]), f(wylot[1]),
                      f(wylot[3]), f(r))) {
        ZglosBladLuku(luk);
        return;
    }
    luk.R = f(r);
}

// A half circle about the midpoint of the two inner ends, moved by z - dl
// towards the node.
void LukZawrotki(DaneLuk& luk, const KrawedzRelacji& wlot, const KrawedzRelacji& wylot, double przesuniecie)
{
    const double ex = wlot[1], ey = wlot[3];   // inner end of the inlet side
    const double sx = wylot[0], sy = wylot[2]; // inner end of the outlet side
    double cx = (ex + sx) / 2.0, cy = (ey + sy) / 2.0;
    const double katP = KatKierunku(cx, cy, ex, ey) - KatPiPol;
    double katK = KatKierunku(cx, cy, sx, sy) - KatPiPol;
    const double r = Odleglosc(cx, cy, ex, ey);
    cx += przesuniecie * std::sin(KatDwaPi - katP - KatPiPol);
    cy += przesuniecie * std::cos(KatDwaPi - katP - KatPiPol);
    const double ax = cx + r * std::sin(KatDwaPi - katP), ay = cy + r * std::cos(KatDwaPi - katP);
    const double bx = cx + r * std::sin(KatDwaPi - katK), by = cy + r * std::cos(KatDwaPi - katK);
    if (katP > katK)
        katK += KatDwaPi;
    for (double v : {cx, cy, r, ax, ay, bx, by, katP, katK})
        if (!std::isfinite(v)) {
            ZglosBladLuku(luk);
            return;
        }
    const auto f = [](double v) { return static_cast<float>(v); };
    luk.C = {f(cx), f(cy)};
    luk.A = {f(ax), f(ay)};
    luk.B = {f(bx), f(by)};
    luk.R = f(r);
    luk.KatPoczatku = f(katP);
    luk.KatKonca = f(katK);
    luk.Kierunek = 0;
}

void UstawWspolne(DanaRelacja& rel, bool rysuj, const std::string& nazwa, int32_t natezenie,
                  const KrawedzRelacji& k1, const KrawedzRelacji& k2, const KrawedzRelacji& k3,
                  const KrawedzRelacji& k4, TKolor kolor)
{
    rel.Rysuj = rysuj ? 1 : 0;
    rel.Nazwa = nazwa;
    rel.Natezenie = natezenie;
    rel.Kolor = kolor;
    rel.Krawedz1 = k1;
    rel.Krawedz2 = k2;
    rel.Krawedz3 = k3;
    rel.Krawedz4 = k4;
}

// One turning or through relation of the table: its name, arms, the edges
// of its band in both strips, and whether it turns left, right or goes on.
enum class Skret { Lewo, Prawo, Prosto };
struct OpisRelacji {
    int z, do_;
    int krawedzA, krawedzB;
    Skret skret;
    int poprawka;   // sign of the turn correction on the common radius
};
constexpr OpisRelacji Skrety[12] = {
    {1, 4, 2, 3, Skret::Lewo, -1},  {4, 3, 2, 3, Skret::Lewo, +1},  {3, 2, 2, 3, Skret::Lewo, -1},
    {2, 1, 2, 3, Skret::Lewo, +1},  {1, 2, 4, 5, Skret::Prawo, +1}, {2, 3, 4, 5, Skret::Prawo, -1},
    {3, 4, 4, 5, Skret::Prawo, +1}, {4, 1, 4, 5, Skret::Prawo, -1}, {1, 3, 3, 4, Skret::Prosto, 0},
    {4, 2, 3, 4, Skret::Prosto, 0}, {3, 1, 3, 4, Skret::Prosto, 0}, {2, 4, 3, 4, Skret::Prosto, 0},
};

std::string NazwaRelacji(int z, int do_)
{
    return std::string{static_cast<char>('0' + z), static_cast<char>('0' + do_)};
}

} // namespace

void ZglosZleParametry()
{
    ZbierzKomunikat(Utf8NaCp1250("Zmień parametry wyświetlania (ZMNIEJSZ SZEROKOŚĆ LUB ZWIĘKSZ DŁUGOŚĆ PASKÓW!"));
}

void UtworzRelacjeSkretu(bool rysuj, const std::string& nazwa, double r1, double r2, int32_t natezenie,
                         const KrawedzRelacji& k1, const KrawedzRelacji& k2, const KrawedzRelacji& k3,
                         const KrawedzRelacji& k4, TKolor kolor, DanaRelacja& relacja)
{
    UstawWspolne(relacja, rysuj, nazwa, natezenie, k1, k2, k3, k4, kolor);
    const double da = std::fabs(Kierunek(k1) - Kierunek(k2));
    const double db = std::fabs(Kierunek(k3) - Kierunek(k4));
    if (Rownolegle(da, db)) {
        relacja.Luk1.R = 0.0f;
        relacja.Luk2.R = 0.0f;
        return;
    }
    LukZaokraglenia(relacja.Luk1, k1, k2, r1);
    LukZaokraglenia(relacja.Luk2, k3, k4, r2);
}

void UtworzRelacjeZawrotki(bool rysuj, const std::string& nazwa, double dl, double z, int32_t natezenie,
                           const KrawedzRelacji& k1, const KrawedzRelacji& k2, const KrawedzRelacji& k3,
                           const KrawedzRelacji& k4, TKolor kolor, DanaRelacja& relacja)
{
    UstawWspolne(relacja, rysuj && natezenie >= 1, nazwa, natezenie, k1, k2, k3, k4, kolor);
    LukZawrotki(relacja.Luk1, k1, k2, z - dl);
    LukZawrotki(relacja.Luk2, k3, k4, z - dl);
}

void UtworzRelacje(int indeks) { UtworzRelacje(indeks, wg.SkalaPaskow); }

void UtworzRelacje(int indeks, double s)
{
    if (!JestIndeksem(indeks, Ruchoplany))
        return;
    DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(indeks)];
    auto ramie = [&r](int k) { return r.Ramie[static_cast<std::size_t>(k - 1)] != 0; };
    auto kolor = [&r](int z, int do_) { return r.KoloryRelacji[static_cast<std::size_t>(4 * (z - 1) + (do_ - 1))]; };

    for (int slot = 0; slot < 12; ++slot) {
        const OpisRelacji& o = Skrety[slot];
        const int32_t q = NatezenieObl(r, o.z, o.do_);
        const double w = q * 0.5 * s;
        const auto a = static_cast<std::size_t>(o.z - 1);
        double r1 = PromienPrzejazdu, r2 = PromienPrzejazdu;
        if (o.skret == Skret::Lewo) {
            const double g = r.Globalne ? r.GlobPromienLewoskretu + o.poprawka * r.PoprawkaLewoskretow
                                        : r.PromienLewoskretu[a];
            r1 = g - w;
            r2 = g + w;
        } else if (o.skret == Skret::Prawo) {
            const double g = r.Globalne ? r.GlobPromienPrawoskretu + o.poprawka * r.PoprawkaPrawoskretow
                                        : r.PromienPrawoskretu[a];
            r1 = g + w;
            r2 = g - w;
        }
        DanaRelacja rel;
        UtworzRelacjeSkretu(ramie(o.z) && ramie(o.do_), NazwaRelacji(o.z, o.do_), r1, r2, q,
                            BokWlotu(r, o.z, o.krawedzA), BokWylotu(r, o.do_, o.krawedzA),
                            BokWlotu(r, o.z, o.krawedzB), BokWylotu(r, o.do_, o.krawedzB), kolor(o.z, o.do_), rel);
        r.Relacje[static_cast<std::size_t>(slot)] = rel;
    }
    for (int k = 1; k <= 4; ++k) {
        const auto a = static_cast<std::size_t>(k - 1);
        const double dl = r.Globalne ? r.GlobDlugosc - r.GlobDlugoscPom : r.Dlugosc[a] - r.DlugoscPom[a];
        const double z = r.Globalne ? r.GlobZawrotka : r.Zawrotka[a];
        DanaRelacja rel;
        UtworzRelacjeZawrotki(ramie(k), NazwaRelacji(k, k), dl, z, NatezenieObl(r, k, k), BokWlotu(r, k, 1),
                              BokWylotu(r, k, 1), BokWlotu(r, k, 2), BokWylotu(r, k, 2), kolor(k, k), rel);
        r.Relacje[static_cast<std::size_t>(11 + k)] = rel;
    }
}

void SortujRelacje(int indeks)
{
    if (!JestIndeksem(indeks, Ruchoplany))
        return;
    auto& rel = Ruchoplany[static_cast<std::size_t>(indeks)].Relacje;
    std::stable_sort(rel.begin(), rel.end(),
                     [](const DanaRelacja& a, const DanaRelacja& b) { return a.Natezenie > b.Natezenie; });
}
