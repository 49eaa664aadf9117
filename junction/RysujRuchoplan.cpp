#include "junction/RysujRuchoplan.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <span>
#include <vector>

#include "base/Geometria.h"
#include "drawing/Luki.h"
#include "drawing/Rysowanie.h"
#include "drawing/Wyjscie.h"
#include "junction/Legendy.h"
#include "junction/ObliczRuchoplan.h"
#include "junction/OpisyPotokow.h"
#include "junction/OpisyRamion.h"
#include "junction/PrzecieciaKrawedzi.h"
#include "junction/Przejscia.h"
#include "junction/UstawieniaRysunku.h"
#include "junction/WspolneRysowania.h"
#include "model/Projekt.h"

namespace {

PunktXY Poczatek(const std::array<double, 4>& k) { return {k[0], k[2]}; }
PunktXY Koniec(const std::array<double, 4>& k) { return {k[1], k[3]}; }
PunktXY Punkt(const PunktXYS& p) { return {p.X, p.Y}; }

bool Skonczony(const PunktXY& p) { return Skonczone({p.X, p.Y}); }

bool Skonczony(const DaneLuk& l)
{
    return Skonczone({l.A.X, l.A.Y, l.B.X, l.B.Y, l.C.X, l.C.Y, l.R, l.KatPoczatku, l.KatKonca});
}

bool KrawedzieSkonczone(const DanaRelacja& r)
{
    for (const auto* k : {&r.Krawedz1, &r.Krawedz2, &r.Krawedz3, &r.Krawedz4})
        for (double v : *k)
            if (!std::isfinite(v))
                return false;
    return true;
}

// The outline of one arc in its own angle convention.
void RysujObrysLuku(const DaneLuk& l, TKolor kolor, double grubosc, const std::string& warstwa)
{
    if (l.Kierunek == 1)
        RysujLukAzymutP(kolor, 10, l.C.X, l.C.Y, l.R, l.KatPoczatku, l.KatKonca, grubosc, warstwa);
    else
        RysujLukAzymutL(kolor, 10, l.C.X, l.C.Y, l.R, l.KatPoczatku, l.KatKonca, grubosc, warstwa);
}

void Linia(TKolor kolor, const std::string& warstwa, const PunktXY& a, const PunktXY& b, double grubosc)
{
    if (Skonczony(a) && Skonczony(b))
        RysujLinie(kolor, warstwa, a.X, a.Y, b.X, b.Y, grubosc);
}

// An arc the corner is drawn with: a real fillet (radius of at least 0.1,
// as the computation makes them) with finite values. A fillet whose
// construction failed has radius 0 and is replaced by a straight join.
bool LukRysowany(const DaneLuk& l) { return l.R >= 0.1f && Skonczony(l); }

// The sines and cosines of the eleven angles a0 + i krok that both arcs of a
// band's corner are stepped through: worked out once for the two.
struct KatyNaroznika {
    std::array<double, 11> sin{}, cos{};
    KatyNaroznika(double a0, double krok)
    {
        for (int i = 0; i <= 10; ++i) {
            const double a = a0 + i * krok;
            sin[static_cast<std::size_t>(i)] = std::sin(a);
            cos[static_cast<std::size_t>(i)] = std::cos(a);
        }
    }
};

// Eleven points of an arc for the corner polygon, at the angles a0 + i krok.
void PunktyLuku(std::vector<PunktXY>& punkty, const DaneLuk& l, const KatyNaroznika& k, bool wstecz)
{
    for (int j = 0; j <= 10; ++j) {
        const auto i = static_cast<std::size_t>(wstecz ? 10 - j : j);
        punkty.push_back({l.C.X + l.R * k.sin[i], l.C.Y + l.R * k.cos[i]});
    }
}

// Start angle and step of an arc turned into the clockwise convention.
void KatyLuku(const DaneLuk& l, double& a0, double& krok)
{
    double a1 = l.KatKonca;
    a0 = l.KatPoczatku;
    if (l.Kierunek == 0) {
        a0 = KatDwaPi - a0;
        a1 = KatDwaPi - a1;
    }
    krok = (a1 - a0) / 10.0;
}

void Wielokat(std::span<const PunktXY> punkty, TKolor kolor)
{
    for (const PunktXY& p : punkty)
        if (!Skonczony(p))
            return;
    RysujWielokat(punkty, kolor, kolor, true, 0.01);
}

// The band's quadrilaterals without a vector each.
void Wielokat(std::initializer_list<PunktXY> punkty, TKolor kolor)
{
    Wielokat(std::span<const PunktXY>(punkty.begin(), punkty.size()), kolor);
}

} // namespace

void RysujPasmo(const DanaRelacja& rel, TKolor kolorLinii, TKolor kolorNaroznika, TKolor kolorWypelnienia,
                float grubosc, bool zeroMode, const std::string& warstwa)
{
    if (!(rel.Natezenie > 0 || zeroMode) || !KrawedzieSkonczone(rel))
        return;
    const PunktXY k1p = Poczatek(rel.Krawedz1), k1k = Koniec(rel.Krawedz1);
    const PunktXY k2p = Poczatek(rel.Krawedz2), k2k = Koniec(rel.Krawedz2);
    const PunktXY k3p = Poczatek(rel.Krawedz3), k3k = Koniec(rel.Krawedz3);
    const PunktXY k4p = Poczatek(rel.Krawedz4), k4k = Koniec(rel.Krawedz4);

    Wielokat({k1p, k1k, k3k, k3p}, kolorWypelnienia);
    Wielokat({k2p, k2k, k4k, k4p}, kolorWypelnienia);

    const DaneLuk& l1 = rel.Luk1;
    const DaneLuk& l2 = rel.Luk2;
    if (l1.R < 0.1f && l2.R < 0.1f) {
        Wielokat({k1k, k2p, k4p, k3k}, kolorNaroznika);
        Linia(kolorLinii, warstwa, k1k, k2p, grubosc);
        Linia(kolorLinii, warstwa, k3k, k4p, grubosc);
        return;
    }
    const bool luk1 = LukRysowany(l1);
    const bool luk2 = LukRysowany(l2);
    // Both arcs of a band are concentric: the second is stepped through the
    // angles of the first.
    double a0 = 0.0, krok = 0.0;
    if (luk1)
        KatyLuku(l1, a0, krok);
    else if (luk2)
        KatyLuku(l2, a0, krok);
    const KatyNaroznika katy(a0, krok);
    // One buffer for every corner of a redraw.
    thread_local std::vector<PunktXY> naroznik;
    naroznik.clear();
    naroznik.push_back(k1k);
    if (luk1)
        PunktyLuku(naroznik, l1, katy, false);
    naroznik.push_back(k2p);
    naroznik.push_back(k4p);
    if (luk2)
        PunktyLuku(naroznik, l2, katy, true);
    naroznik.push_back(k3k);
    Wielokat(naroznik, kolorNaroznika);

    // Each side of the corner: its arc with the joins to it, else a straight line.
    auto bok = [&](bool luk, const DaneLuk& l, const PunktXY& koniec, const PunktXY& poczatek) {
        if (luk) {
            RysujObrysLuku(l, kolorLinii, grubosc, warstwa);
            Linia(kolorLinii, warstwa, koniec, Punkt(l.A), grubosc);
            Linia(kolorLinii, warstwa, poczatek, Punkt(l.B), grubosc);
        } else {
            Linia(kolorLinii, warstwa, koniec, poczatek, grubosc);
        }
    };
    bok(luk1, l1, k1k, k2p);
    bok(luk2, l2, k3k, k4p);
}

void RysujOdcinekDxf(int32_t indeks, int pierwszySlot, float x1, float y1, float x2, float y2, float /*grubosc*/,
                     TKolor kolor, const std::string& warstwa)
{
    if (indeks < 0 || indeks >= static_cast<int32_t>(Ruchoplany.size()) || !Skonczone({x1, y1, x2, y2}))
        return;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(indeks)];
    ZacznijListePunktow(x1, y1, x2, y2);
    const float d1 = OdlegloscOdOdniesienia(x1, y1);
    const float d2 = OdlegloscOdOdniesienia(x2, y2);
    // The end nearer the reference point starts the piece; on a tie the second.
    if (d1 < d2) {
        DodajPunkt('s', x1, y1, d1);
        DodajPunkt('e', x2, y2, d2);
    } else {
        DodajPunkt('s', x2, y2, d2);
        DodajPunkt('e', x1, y1, d1);
    }
    for (int slot = pierwszySlot; slot <= 15; ++slot) {
        const DanaRelacja& pasmo = r.Relacje[static_cast<std::size_t>(slot)];
        if (pasmo.Natezenie > 0)
            PrzytnijOdcinekPasmem(pasmo, x1, y1, x2, y2);
    }
    RysujOdcinekPrzyciety(kolor, warstwa, 0.1);
}

void RysujLukDxf(const DaneLuk& luk, int32_t indeks, int pierwszySlot, float /*grubosc*/, TKolor kolor,
                 const std::string& warstwa)
{
    if (indeks < 0 || indeks >= static_cast<int32_t>(Ruchoplany.size()) || !Skonczony(luk))
        return;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(indeks)];
    WyczyscListePunktow();
    DodajPunkt('s', luk.A.X, luk.A.Y, luk.KatPoczatku);
    DodajPunkt('e', luk.B.X, luk.B.Y, luk.KatKonca);
    for (int slot = pierwszySlot; slot <= 15; ++slot) {
        const DanaRelacja& pasmo = r.Relacje[static_cast<std::size_t>(slot)];
        if (pasmo.Natezenie > 0)
            PrzytnijLukPasmem(luk, pasmo);
    }
    RysujLukPrzyciety(luk, kolor, warstwa, 0.1);
}

void RysujPasmaDxf(int32_t indeks, TKolor kolorLinii, float grubosc, bool zeroMode, const std::string& warstwa)
{
    if (indeks < 0 || indeks >= static_cast<int32_t>(Ruchoplany.size()))
        return;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(indeks)];
    for (int slot = 0; slot <= 15; ++slot) {
        const DanaRelacja& rel = r.Relacje[static_cast<std::size_t>(slot)];
        if (!rel.Rysuj || !KrawedzieSkonczone(rel))
            continue;
        const PunktXY k1k = Koniec(rel.Krawedz1), k2p = Poczatek(rel.Krawedz2);
        const PunktXY k3k = Koniec(rel.Krawedz3), k4p = Poczatek(rel.Krawedz4);
        if (rel.Natezenie == 0 && zeroMode) {
            // A band without traffic is its centre line, uncut.
            if (rel.Luk1.R <= 0.0f || !Skonczony(rel.Luk1)) {
                Linia(kolorLinii, warstwa, k1k, k2p, grubosc);
            } else {
                Linia(kolorLinii, warstwa, k1k, Punkt(rel.Luk1.A), grubosc);
                Linia(kolorLinii, warstwa, k2p, Punkt(rel.Luk1.B), grubosc);
                RysujObrysLuku(rel.Luk1, kolorLinii, grubosc, warstwa);
            }
            continue;
        }
        if (rel.Natezenie <= 0)
            continue;
        const int nastepny = slot + 1;
        // Each side takes its arc form when its own fillet exists.
        const bool luk1 = rel.Luk1.R > 0.01f && Skonczony(rel.Luk1);
        const bool luk2 = rel.Luk2.R > 0.01f && Skonczony(rel.Luk2);
        if (luk1) {
            RysujOdcinekDxf(indeks, nastepny, k1k.X, k1k.Y, rel.Luk1.A.X, rel.Luk1.A.Y, grubosc, kolorLinii, warstwa);
            RysujOdcinekDxf(indeks, nastepny, k2p.X, k2p.Y, rel.Luk1.B.X, rel.Luk1.B.Y, grubosc, kolorLinii, warstwa);
        }
        if (luk2) {
            RysujOdcinekDxf(indeks, nastepny, k3k.X, k3k.Y, rel.Luk2.A.X, rel.Luk2.A.Y, grubosc, kolorLinii, warstwa);
            RysujOdcinekDxf(indeks, nastepny, k4p.X, k4p.Y, rel.Luk2.B.X, rel.Luk2.B.Y, grubosc, kolorLinii, warstwa);
        }
        if (luk1)
            RysujLukDxf(rel.Luk1, indeks, nastepny, grubosc, kolorLinii, warstwa);
        else
            RysujOdcinekDxf(indeks, nastepny, k1k.X, k1k.Y, k2p.X, k2p.Y, grubosc, kolorLinii, warstwa);
        if (luk2)
            RysujLukDxf(rel.Luk2, indeks, nastepny, grubosc, kolorLinii, warstwa);
        else
            RysujOdcinekDxf(indeks, nastepny, k3k.X, k3k.Y, k4p.X, k4p.Y, grubosc, kolorLinii, warstwa);
    }
}

void RysujStrzalkeWylotu(TKolor kolorLinii, TKolor kolorWypelnienia, float r11x, float r11y, float r21x, float r21y,
                         float r15x, float r15y, float r25x, float r25y, float szerokosc, float przesuniecie,
                         float grubosc, const std::string& warstwa)
{
    if (!Skonczone({r11x, r11y, r21x, r21y, r15x, r15y, r25x, r25y, szerokosc, przesuniecie}))
        return;
    const PunktXY P1{r11x, r11y}, P5{r15x, r15y}, P6{r21x, r21y}, P10{r25x, r25y};
    const double kat = KatKierunku(P1.X, P1.Y, P6.X, P6.Y);
    const PunktXY d{std::cos(kat), std::sin(kat)};
    const PunktXY n{std::cos(kat + KatPiPol), std::sin(kat + KatPiPol)};
    const double W = szerokosc;
    const double O = przesuniecie;
    std::array<PunktXY, 7> Q{};
    Q[0] = P6;
    Q[1] = {P6.X + O * d.X, P6.Y + O * d.Y};
    Q[2] = {Q[1].X + 0.5 * W * n.X, Q[1].Y + 0.5 * W * n.Y};
    Q[5] = {P10.X + O * d.X, P10.Y + O * d.Y};
    Q[3] = {(Q[1].X + Q[5].X) / 2.0 + 0.35 * W * d.X, (Q[1].Y + Q[5].Y) / 2.0 + 0.35 * W * d.Y};
    Q[4] = {Q[5].X - 0.5 * W * n.X, Q[5].Y - 0.5 * W * n.Y};
    Q[6] = P10;
    Wielokat(Q, kolorWypelnienia);
    for (int i = 0; i < 6; ++i)
        Linia(kolorLinii, warstwa, Q[static_cast<std::size_t>(i)], Q[static_cast<std::size_t>(i + 1)], grubosc);
    Linia(kolorLinii, warstwa, P1, P6, grubosc);
    Linia(kolorLinii, warstwa, P5, P10, grubosc);
}

void RysujZnakWlotu(TKolor kolorLinii, const std::string& warstwa, float r11x, float r11y, float r21x, float r21y,
                    float r15x, float r15y, float r25x, float r25y, float grubosc)
{
    const PunktXY R11{r11x, r11y}, R21{r21x, r21y}, R15{r15x, r15y}, R25{r25x, r25y};
    Linia(kolorLinii, warstwa, R21, R25, grubosc);
    Linia(kolorLinii, warstwa, R11, R21, grubosc);
    Linia(kolorLinii, warstwa, R15, R25, grubosc);
}

namespace {

int64_t SumaWlotu(const DaneRuchoplan& r, int k)
{
    int64_t s = 0;
    for (int j = 1; j <= 4; ++j)
        s += NatezenieObl(r, k, j);
    return s;
}

int64_t SumaWylotu(const DaneRuchoplan& r, int k)
{
    int64_t s = 0;
    for (int i = 1; i <= 4; ++i)
        s += NatezenieObl(r, i, k);
    return s;
}

void RysujPasmaWypelnione(const DaneRuchoplan& r, const UstawieniaRysunku& u, bool zeroMode)
{
    for (const DanaRelacja& rel : r.Relacje) {
        if (!rel.Rysuj)
            continue;
        // Under the node's own settings the corner takes the relation's colour.
        const TKolor naroznik = u.Wlasne ? rel.Kolor : u.KolorWypelnien;
        RysujPasmo(rel, u.KolorLinii, naroznik, u.KolorWypelnien, u.GrLinie, zeroMode, WarstwaLinie);
    }
}

void RysujStrzalkiIZnaki(const DaneRuchoplan& r, const UstawieniaRysunku& u, bool zeroMode)
{
    for (int k = 1; k <= 4; ++k) {
        if (!RamieJest(r, k) || !(SumaWylotu(r, k) > 0 || zeroMode))
            continue;
        const PunktXYS R11 = PunktPasa(r, PasWylotu(k), 1, 1), R21 = PunktPasa(r, PasWylotu(k), 2, 1);
        const PunktXYS R15 = PunktPasa(r, PasWylotu(k), 1, 5), R25 = PunktPasa(r, PasWylotu(k), 2, 5);
        RysujStrzalkeWylotu(u.KolorLinii, u.KolorWypelnien, R11.X, R11.Y, R21.X, R21.Y, R15.X, R15.Y, R25.X, R25.Y,
                            0.5f, 0.0f, u.GrLinie, WarstwaLinie);
    }
    for (int k = 1; k <= 4; ++k) {
        if (!RamieJest(r, k) || !(SumaWlotu(r, k) > 0 || zeroMode))
            continue;
        const PunktXYS R11 = PunktPasa(r, PasWlotu(k), 1, 1), R21 = PunktPasa(r, PasWlotu(k), 2, 1);
        const PunktXYS R15 = PunktPasa(r, PasWlotu(k), 1, 5), R25 = PunktPasa(r, PasWlotu(k), 2, 5);
        RysujZnakWlotu(u.KolorLinii, WarstwaLinie, R11.X, R11.Y, R21.X, R21.Y, R15.X, R15.Y, R25.X, R25.Y,
                       u.GrLinie);
    }
}

// Per arm: the other arms of its three label rows, the label angle's extra
// turn and the corners of its inlet and outlet labels.
struct OpisRamienia {
    int inne[3];
    double obrotOpisu;
    const char* naroznikWlotu;
    const char* naroznikWylotu;
    double obrotTabelki;
    int tabelka[3];   // left, straight, right
};

constexpr OpisRamienia OpisyRamienia[4] = {
    {{2, 3, 4}, KatPiPol, "LG", "LD", 0.0, {4, 3, 2}},
    {{1, 4, 3}, 0.0, "PD", "PG", KatPiPol, {1, 4, 3}},
    {{2, 1, 4}, KatPiPol, "PD", "PG", KatPi, {2, 1, 4}},
    {{1, 2, 3}, 0.0, "LG", "LD", KatTrzyPiPol, {3, 2, 1}},
};

void RysujOpisyPotokow(const DaneRuchoplan& r, const UstawieniaRysunku& u, bool zeroMode)
{
    const TRozmiaryLegendy& rl = u.RozmiaryLegendy;
    const float e12 = rl[12];
    const float e13 = rl[13];
    for (int k = 1; k <= 4; ++k) {
        if (!RamieJest(r, k))
            continue;
        const OpisRamienia& o = OpisyRamienia[k - 1];
        const float katRamienia = r.Kat[static_cast<std::size_t>(k - 1)];
        const PunktXYS wlot = PunktPasa(r, PasWlotu(k), 2, 5);
        const PunktXYS wylot = PunktPasa(r, PasWylotu(k), 2, 5);
        const float katOpisu = static_cast<float>(katRamienia + o.obrotOpisu);
        if (u.TylkoSuma) {
            RysujSume(zeroMode, o.naroznikWlotu, wlot.X, wlot.Y, e12, e13, katOpisu,
                      static_cast<int32_t>(SumaWlotu(r, k)), u.KolorOpisow, WarstwaOpisy);
            RysujSume(zeroMode, o.naroznikWylotu, wylot.X, wylot.Y, e12, e13, katOpisu,
                      static_cast<int32_t>(SumaWylotu(r, k)), u.KolorOpisow, WarstwaOpisy);
        } else if (u.TabelkaWW) {
            const float katTabelki = static_cast<float>(katRamienia + o.obrotTabelki);
            const int lewo = o.tabelka[0], prosto = o.tabelka[1], prawo = o.tabelka[2];
            auto nazwa = [&r](int ramie) { return r.Oznaczenie[static_cast<std::size_t>(ramie - 1)].str(); };
            if (r.ZeStruktury) {
                auto blok = [&r, k](int do_) {
                    return r.NatezeniaStruktura[static_cast<std::size_t>(4 * (k - 1) + (do_ - 1))];
                };
                RysujTabelkeStruktury(rl, blok(lewo), wlot.X, wlot.Y, e12, e13, katTabelki, blok(prosto),
                                      blok(prawo), blok(k), RamieJest(r, lewo), RamieJest(r, prosto),
                                      RamieJest(r, prawo), zeroMode, nazwa(lewo), nazwa(prosto), nazwa(prawo),
                                      nazwa(k), u.RysujOznaczenie, u.RysujProcenty, u.Rysuj0Zawrotki, u.PiszSume,
                                      u.PiszStruk, u.PiszZeraStruk, rl.DokladnoscProc(), u.KolorOpisow,
                                      WarstwaOpisy);
            } else {
                RysujTabelke(rl, NatezenieObl(r, k, lewo), wlot.X, wlot.Y, e12, e13, katTabelki,
                             NatezenieObl(r, k, prosto), NatezenieObl(r, k, prawo), NatezenieObl(r, k, k),
                             RamieJest(r, lewo), RamieJest(r, prosto), RamieJest(r, prawo), zeroMode, nazwa(lewo),
                             nazwa(prosto), nazwa(prawo), nazwa(k), u.RysujOznaczenie, u.RysujProcenty,
                             u.Rysuj0Zawrotki, rl.DokladnoscProc(), u.KolorOpisow, WarstwaOpisy);
            }
        } else {
            auto wlotowy = [&] {
                RysujOpisRelacji(rl, o.naroznikWlotu, wlot.X, wlot.Y, e12, e13, katOpisu,
                                 static_cast<float>(NatezenieObl(r, k, o.inne[0])),
                                 static_cast<float>(NatezenieObl(r, k, o.inne[1])),
                                 static_cast<float>(NatezenieObl(r, k, o.inne[2])),
                                 static_cast<float>(NatezenieObl(r, k, k)), RamieJest(r, o.inne[0]),
                                 RamieJest(r, o.inne[1]), RamieJest(r, o.inne[2]), zeroMode, u.RysujProcenty,
                                 u.Rysuj0Zawrotki, u.KolorOpisow, WarstwaOpisy);
            };
            auto wylotowy = [&] {
                RysujOpisRelacji(rl, o.naroznikWylotu, wylot.X, wylot.Y, e12, e13, katOpisu,
                                 static_cast<float>(NatezenieObl(r, o.inne[0], k)),
                                 static_cast<float>(NatezenieObl(r, o.inne[1], k)),
                                 static_cast<float>(NatezenieObl(r, o.inne[2], k)),
                                 static_cast<float>(NatezenieObl(r, k, k)), RamieJest(r, o.inne[0]),
                                 RamieJest(r, o.inne[1]), RamieJest(r, o.inne[2]), zeroMode, u.RysujProcenty,
                                 u.Rysuj0Zawrotki, u.KolorOpisow, WarstwaOpisy);
            };
            // Arms 1 and 4 label their outlet first, arms 2 and 3 their inlet.
            if (k == 1 || k == 4) {
                wylotowy();
                wlotowy();
            } else {
                wlotowy();
                wylotowy();
            }
        }
    }
}

} // namespace

void RysujRuchoplan(int32_t indeks)
{
    if (indeks < 0 || indeks >= static_cast<int32_t>(Ruchoplany.size()))
        return;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(indeks)];
    const UstawieniaRysunku u = ZbierzUstawieniaRysunku(r.NrWezla);

    // A diagram without traffic still shows its geometry.
    int64_t wszystkie = 0;
    for (int32_t q : r.NatezeniaObl)
        wszystkie += q;
    const bool zeroMode = u.Rysuj0Natezenia || wszystkie == 0;

    // Bands hide one another by their fills; where a device has none, the
    // outlines are cut where later bands cross them.
    NaKazdymWyjsciu([&](const Wyjscie& w) {
        if (w.ZakrywaWypelnieniem())
            RysujPasmaWypelnione(r, u, zeroMode);
        else
            RysujPasmaDxf(indeks, u.KolorLinii, u.GrLinie, zeroMode, WarstwaLinie);
    });
    RysujStrzalkiIZnaki(r, u, zeroMode);
    RysujOpisyPotokow(r, u, zeroMode);

    const DaneWezel* wezel =
        r.NrWezla >= 0 && r.NrWezla < static_cast<int32_t>(Wezly.size()) ? &Wezly[static_cast<std::size_t>(r.NrWezla)]
                                                                       : nullptr;
    if (u.LegendaPrzejsc && wezel)
        RysujLegendePrzejscWezla(indeks, u.RozmiaryOpisow, WarstwaLegPrzejscia, u.NazwyPrzejsc, u.SumujPrzejscia,
                                 u.RysujPrzejscia, u.KoloryPrzejsc, KolorCzarny, r.X + wezel->LegendaPrzejscX,
                                 r.Y + wezel->LegendaPrzejscY);
    if (u.Struktura && wezel)
        RysujLegendePojazdow(u.RozmiaryOpisow, KolorCzarny, r.X + wezel->LegendaStrukturyX,
                             r.Y + wezel->LegendaStrukturyY, WarstwaLegStruktura);
    RysujOpisyRamion(indeks, u.RozmiaryOpisow, WarstwaOpisy, u.KolorWypelnien, u.KolorLinii, u.KolorOpisow,
                     u.RysujOznaczenie);
    RysujTytul(indeks, u.KolorTytulow, WarstwaTytul);
    if (r.ZPomiaru)
        RysujPrzejsciaZPomiaru(indeks, u.RozmiaryOpisow, zeroMode, WarstwaPrzejscia, u.SumujPrzejscia,
                               u.RysujPrzejscia, KolorSzaryPrzejsc, u.KoloryPrzejsc, u.OdlegloscPrzejscia);
    else
        RysujPrzejsciaWezla(indeks, u.RozmiaryOpisow, zeroMode, WarstwaPrzejscia, u.SumujPrzejscia,
                            u.RysujPrzejscia, KolorSzaryPrzejsc, u.KoloryPrzejsc, u.OdlegloscPrzejscia);
}
