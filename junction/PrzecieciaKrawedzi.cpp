#include "junction/PrzecieciaKrawedzi.h"

#include <algorithm>
#include <cmath>

#include "base/Geometria.h"
#include "drawing/Luki.h"
#include "drawing/Rysowanie.h"
#include "junction/Relacje.h"

thread_local std::vector<DanePunkt> ListaPunktow;
thread_local std::array<DanePunkt, 4> PunktyPrzeciecia{};
thread_local int LiczbaPunktowPrzeciecia = 0;

namespace {

constexpr double DwaPi = 2.0 * 3.14159265358979323846;

struct Kawalek {
    double x1, y1, x2, y2;
};

PunktXY Poczatek(const KrawedzRelacji& k) { return {k[0], k[2]}; }
PunktXY Koniec(const KrawedzRelacji& k) { return {k[1], k[3]}; }
PunktXY Punkt(const PunktXYS& p) { return {p.X, p.Y}; }

bool MaLuki(const DanaRelacja& pasmo)
{
    return pasmo.Luk1.R > 0.0f && pasmo.Luk2.R > 0.0f;
}

Kawalek Od(const PunktXY& a, const PunktXY& b)
{
    return {a.X, a.Y, b.X, b.Y};
}

// Collects the hits of a piece on a band's boundary, in the order they are
// tested: the band's sides (split at the arcs when it has them), its arcs,
// then its two mouths. `prosta` and `luk` intersect the piece with a
// straight part and with an arc of the boundary.
template <class ZProsta, class ZLukiem>
void SzukajTrafien(const DanaRelacja& p, ZProsta prosta, ZLukiem luk)
{
    LiczbaPunktowPrzeciecia = 0;
    if (MaLuki(p)) {
        prosta(Od(Poczatek(p.Krawedz1), Punkt(p.Luk1.A)));
        prosta(Od(Punkt(p.Luk1.B), Koniec(p.Krawedz2)));
        prosta(Od(Poczatek(p.Krawedz3), Punkt(p.Luk2.A)));
        prosta(Od(Punkt(p.Luk2.B), Koniec(p.Krawedz4)));
        luk(p.Luk1);
        luk(p.Luk2);
    } else {
        prosta(Od(Poczatek(p.Krawedz1), Koniec(p.Krawedz2)));
        prosta(Od(Poczatek(p.Krawedz3), Koniec(p.Krawedz4)));
    }
    prosta(Od(Poczatek(p.Krawedz1), Poczatek(p.Krawedz3)));
    prosta(Od(Koniec(p.Krawedz2), Koniec(p.Krawedz4)));
}

// Inside a quadrilateral. The shared test splits it along the diagonal 1-3
// and counts that diagonal as outside; the second split along 2-4 keeps a
// point lying on the first diagonal inside.
bool WCzworokacie(const PunktXY& a, const PunktXY& b, const PunktXY& c, const PunktXY& d, double x, double y)
{
    return PunktWCzworokacie(a.X, a.Y, b.X, b.Y, c.X, c.Y, d.X, d.Y, x, y) ||
           PunktWCzworokacie(b.X, b.Y, c.X, c.Y, d.X, d.Y, a.X, a.Y, x, y);
}

bool WPasmie(const DanaRelacja& p, double x, double y)
{
    const PunktXY w1 = Poczatek(p.Krawedz1), w3 = Poczatek(p.Krawedz3);
    const PunktXY k2 = Koniec(p.Krawedz2), k4 = Koniec(p.Krawedz4);
    if (!MaLuki(p))
        return WCzworokacie(w1, w3, k4, k2, x, y);
    const DaneLuk &l1 = p.Luk1, &l2 = p.Luk2;
    return WCzworokacie(w1, w3, Punkt(l2.A), Punkt(l1.A), x, y) ||
           WCzworokacie(k2, k4, Punkt(l2.B), Punkt(l1.B), x, y) ||
           PunktWWycinku(l1.Kierunek == 1, l1.C.X, l1.C.Y, l1.KatPoczatku, l1.KatKonca, l1.R, l2.R, x, y);
}

// The ends of the piece inside the band become hits: after an odd number
// of crossings each end inside; after none or two, both ends only when both
// lie inside (a piece wholly inside, or one leaving and re-entering).
void DodajKonceWewnatrz(const DanaRelacja& p, const PunktXY& a, const PunktXY& b)
{
    if (LiczbaPunktowPrzeciecia == 1 || LiczbaPunktowPrzeciecia == 3) {
        if (WPasmie(p, a.X, a.Y))
            DodajTrafienie(a.X, a.Y);
        if (WPasmie(p, b.X, b.Y))
            DodajTrafienie(b.X, b.Y);
    }
    if (LiczbaPunktowPrzeciecia == 0 || LiczbaPunktowPrzeciecia == 2) {
        if (WPasmie(p, a.X, a.Y) && WPasmie(p, b.X, b.Y)) {
            DodajTrafienie(a.X, a.Y);
            DodajTrafienie(b.X, b.Y);
        }
    }
}

float OdlegloscOd0(const DanePunkt& p)
{
    return OdlegloscOdOdniesienia(p.X, p.Y);
}

// An angle brought into the range of the arc in the list (entries 0 and 1).
float KatWZakresieLuku(float kat)
{
    if (ListaPunktow.size() < 2)
        return kat;
    const double s = ListaPunktow[0].T, e = ListaPunktow[1].T;
    double a = kat;
    if (s < 0.0 && a > e)
        a -= DwaPi;
    if (e > DwaPi && a < s)
        a += DwaPi;
    return static_cast<float>(a);
}

// Equal T keep their order.
void SortujPoT(DanePunkt* p, std::size_t n)
{
    std::stable_sort(p, p + n, [](const DanePunkt& a, const DanePunkt& b) { return a.T < b.T; });
}

void DodajParyKP(std::array<DanePunkt, 4> p)
{
    SortujPoT(p.data(), p.size());
    const char rodzaje[4] = {'k', 'p', 'k', 'p'};
    for (std::size_t i = 0; i < 4; ++i)
        DodajPunkt(rodzaje[i], p[i].X, p[i].Y, p[i].T);
}

// The walk over the sorted list: a point is visible while no later band
// covers it; `rysuj` gets each visible stretch's two list entries.
template <class F>
void PrzejdzListe(F rysuj)
{
    int c = 0;
    bool zaczety = false;
    DanePunkt start;
    for (std::size_t i = 0; i < ListaPunktow.size(); ++i) {
        const DanePunkt& p = ListaPunktow[i];
        switch (p.Rodzaj) {
        case 's':
            zaczety = true;
            start = p;
            ++c;
            break;
        case 'e':
        case 'k':
            --c;
            if (c == 0 && zaczety)
                rysuj(start, p);
            break;
        case 'p':
            ++c;
            if (c == 1 && zaczety)
                start = p;
            break;
        default:
            break;
        }
    }
}

} // namespace

void WyczyscListePunktow()
{
    ListaPunktow.clear();
}

void ZacznijListePunktow(double x1, double y1, double x2, double y2)
{
    ListaPunktow.clear();
    DanePunkt odn;
    if (std::fabs(x1 - x2) < 0.001) {
        // A vertical segment: its lower end's level, never a slope.
        odn.X = static_cast<float>((x1 + x2) / 2.0);
        odn.Y = static_cast<float>(std::min(y1, y2));
    } else {
        const ProstaAB p = ProstaPrzezPunkty(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                                             static_cast<float>(y2));
        const double x = std::min(x1, x2) - 100.0;
        odn.X = static_cast<float>(x);
        odn.Y = static_cast<float>(p.A * x + p.B);
    }
    odn.T = 0.0f;
    odn.Rodzaj = ' ';
    ListaPunktow.push_back(odn);
}

float OdlegloscOdOdniesienia(double x, double y)
{
    if (ListaPunktow.empty())
        return 0.0f;
    return static_cast<float>(Odleglosc(ListaPunktow[0].X, ListaPunktow[0].Y, x, y));
}

void DodajPunkt(char rodzaj, float x, float y, float t)
{
    ListaPunktow.push_back({x, y, t, rodzaj});
}

void DodajCieciwe(const DanePunkt& p, const DanePunkt& q)
{
    const float dp = OdlegloscOd0(p), dq = OdlegloscOd0(q);
    if (dp < dq) {
        DodajPunkt('k', p.X, p.Y, dp);
        DodajPunkt('p', q.X, q.Y, dq);
    } else {
        DodajPunkt('p', p.X, p.Y, dp);
        DodajPunkt('k', q.X, q.Y, dq);
    }
}

void DodajCzteryPunkty(const DanePunkt& p1, const DanePunkt& p2, const DanePunkt& p3, const DanePunkt& p4)
{
    std::array<DanePunkt, 4> p{p1, p2, p3, p4};
    for (DanePunkt& x : p)
        x.T = OdlegloscOd0(x);
    DodajParyKP(p);
}

void DodajCieciweLuku(const DanePunkt& p, const DanePunkt& q)
{
    const float a = KatWZakresieLuku(p.T), b = KatWZakresieLuku(q.T);
    if (a >= b) {
        DodajPunkt('p', p.X, p.Y, a);
        DodajPunkt('k', q.X, q.Y, b);
    } else {
        DodajPunkt('k', p.X, p.Y, a);
        DodajPunkt('p', q.X, q.Y, b);
    }
}

void DodajCzteryPunktyLuku(const DanePunkt& p1, const DanePunkt& p2, const DanePunkt& p3, const DanePunkt& p4)
{
    std::array<DanePunkt, 4> p{p1, p2, p3, p4};
    for (DanePunkt& x : p)
        x.T = KatWZakresieLuku(x.T);
    DodajParyKP(p);
}

void DodajTrafienia(const WynikPrzeciecia& wynik)
{
    // A hit counts when it lies on both pieces.
    if (wynik.Jest1 && wynik.NaLuku1)
        DodajTrafienie(wynik.X1, wynik.Y1);
    if (wynik.Jest2 && wynik.NaLuku2)
        DodajTrafienie(wynik.X2, wynik.Y2);
}

void DodajTrafienie(double x, double y)
{
    // A root of a negative number in an intersection gives no point.
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    if (LiczbaPunktowPrzeciecia >= static_cast<int>(PunktyPrzeciecia.size())) {
        // More than four hits: the count can no longer be 2 or 4, so the band cuts nothing.
        ++LiczbaPunktowPrzeciecia;
        return;
    }
    PunktyPrzeciecia[static_cast<std::size_t>(LiczbaPunktowPrzeciecia)] = {static_cast<float>(x), static_cast<float>(y),
                                                                           0.0f, ' '};
    ++LiczbaPunktowPrzeciecia;
}

void PrzytnijOdcinekPasmem(const DanaRelacja& pasmo, float x1, float y1, float x2, float y2)
{
    SzukajTrafien(
        pasmo,
        [&](const Kawalek& k) {
            const WynikPrzecieciaOdcinkow w = PrzeciecieOdcinkow(x1, y1, x2, y2, k.x1, k.y1, k.x2, k.y2);
            if (w.Jest)
                DodajTrafienie(w.X, w.Y);
        },
        [&](const DaneLuk& l) {
            DodajTrafienia(
                PrzeciecieOdcinekLuk(l.Kierunek == 1, x1, y1, x2, y2, l.C.X, l.C.Y, l.R, l.KatPoczatku, l.KatKonca));
        });

    DodajKonceWewnatrz(pasmo, {x1, y1}, {x2, y2});
    if (LiczbaPunktowPrzeciecia == 2)
        DodajCieciwe(PunktyPrzeciecia[0], PunktyPrzeciecia[1]);
    else if (LiczbaPunktowPrzeciecia == 4)
        DodajCzteryPunkty(PunktyPrzeciecia[0], PunktyPrzeciecia[1], PunktyPrzeciecia[2], PunktyPrzeciecia[3]);
}

void PrzytnijLukPasmem(const DaneLuk& luk, const DanaRelacja& pasmo)
{
    const bool prawo = luk.Kierunek == 1;
    SzukajTrafien(
        pasmo,
        [&](const Kawalek& k) {
            DodajTrafienia(PrzeciecieOdcinekLuk(prawo, k.x1, k.y1, k.x2, k.y2, luk.C.X, luk.C.Y, luk.R, luk.KatPoczatku,
                                                luk.KatKonca));
        },
        [&](const DaneLuk& l) {
            DodajTrafienia(PrzeciecieLukLuk(prawo, l.Kierunek == 1, luk.C.X, luk.C.Y, luk.R, luk.KatPoczatku,
                                            luk.KatKonca, l.C.X, l.C.Y, l.R, l.KatPoczatku, l.KatKonca));
        });

    DodajKonceWewnatrz(pasmo, Punkt(luk.A), Punkt(luk.B));
    const int n = std::min(LiczbaPunktowPrzeciecia, static_cast<int>(PunktyPrzeciecia.size()));
    for (int i = 0; i < n; ++i) {
        DanePunkt& p = PunktyPrzeciecia[static_cast<std::size_t>(i)];
        p.T = static_cast<float>(prawo ? AzymutP(luk.C.X, luk.C.Y, p.X, p.Y) : AzymutL(luk.C.X, luk.C.Y, p.X, p.Y));
    }
    if (LiczbaPunktowPrzeciecia == 2)
        DodajCieciweLuku(PunktyPrzeciecia[0], PunktyPrzeciecia[1]);
    else if (LiczbaPunktowPrzeciecia == 4)
        DodajCzteryPunktyLuku(PunktyPrzeciecia[0], PunktyPrzeciecia[1], PunktyPrzeciecia[2], PunktyPrzeciecia[3]);
}

std::vector<OdcinekWidoczny> OdcinkiNieprzykryte()
{
    std::vector<OdcinekWidoczny> wynik;
    if (ListaPunktow.size() == 3) {
        const DanePunkt &a = ListaPunktow[1], &b = ListaPunktow[2];
        wynik.push_back({{a.X, a.Y}, {b.X, b.Y}});
        return wynik;
    }
    if (ListaPunktow.size() < 3)
        return wynik;
    SortujPoT(ListaPunktow.data() + 1, ListaPunktow.size() - 1);
    PrzejdzListe([&wynik](const DanePunkt& a, const DanePunkt& b) {
        if (Odleglosc(a.X, a.Y, b.X, b.Y) > 0.01)
            wynik.push_back({{a.X, a.Y}, {b.X, b.Y}});
    });
    return wynik;
}

std::vector<std::array<double, 2>> LukiNieprzykryte(const DaneLuk& luk)
{
    std::vector<std::array<double, 2>> wynik;
    if (ListaPunktow.size() == 2) {
        wynik.push_back({luk.KatPoczatku, luk.KatKonca});
        return wynik;
    }
    if (ListaPunktow.size() < 2)
        return wynik;
    SortujPoT(ListaPunktow.data(), ListaPunktow.size());
    PrzejdzListe([&wynik](const DanePunkt& a, const DanePunkt& b) {
        if (std::fabs(static_cast<double>(b.T) - a.T) > 0.0001)
            wynik.push_back({a.T, b.T});
    });
    return wynik;
}

void RysujOdcinekPrzyciety(TKolor kolor, const std::string& warstwa, double grubosc)
{
    for (const OdcinekWidoczny& o : OdcinkiNieprzykryte())
        RysujLinie(kolor, warstwa, o.A.X, o.A.Y, o.B.X, o.B.Y, grubosc);
}

void RysujLukPrzyciety(const DaneLuk& luk, TKolor kolor, const std::string& warstwa, double grubosc)
{
    constexpr int32_t Odcinki = 10;
    for (const auto& z : LukiNieprzykryte(luk)) {
        const auto od = static_cast<float>(z[0]), do_ = static_cast<float>(z[1]);
        if (luk.Kierunek == 1)
            RysujLukAzymutP(kolor, Odcinki, luk.C.X, luk.C.Y, luk.R, od, do_, grubosc, warstwa);
        else
            RysujLukAzymutL(kolor, Odcinki, luk.C.X, luk.C.Y, luk.R, od, do_, grubosc, warstwa);
    }
}
