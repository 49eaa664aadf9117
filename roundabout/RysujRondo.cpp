#include "roundabout/RysujRondo.h"

#include <array>
#include <cmath>
#include <initializer_list>

#include "base/Geometria.h"
#include "drawing/Luki.h"
#include "drawing/Rysowanie.h"
#include "drawing/Tekst.h"
#include "junction/Legendy.h"
#include "junction/UstawieniaRysunku.h"
#include "junction/WspolneRysowania.h"
#include "model/NatezeniaRonda.h"
#include "model/Projekt.h"
#include "roundabout/GeometriaRonda.h"
#include "roundabout/OpisyRonda.h"

namespace {

constexpr double Pelny = 6.283185308;
constexpr float PioroWypelnien = 0.01f;

bool Skonczony(const PunktXY& p) { return Skonczone({p.X, p.Y}); }

PunktXY Wewnetrzny(const std::array<double, 4>& k) { return {k[0], k[2]}; }  // at d1
PunktXY Zewnetrzny(const std::array<double, 4>& k) { return {k[1], k[3]}; }  // at d2
PunktXY Poczatek(const DaneLukPasa& l) { return {l.XPoczatku, l.YPoczatku}; }
PunktXY Koniec(const DaneLukPasa& l) { return {l.XKonca, l.YKonca}; }

void Linia(TKolor kolor, const std::string& warstwa, const PunktXY& a, const PunktXY& b, double grubosc)
{
    if (Skonczony(a) && Skonczony(b))
        RysujLinie(kolor, warstwa, a.X, a.Y, b.X, b.Y, grubosc);
}

void Wielokat(std::initializer_list<PunktXY> punkty, TKolor kolor)
{
    for (const PunktXY& p : punkty)
        if (!Skonczony(p))
            return;
    RysujWielokat(std::span<const PunktXY>(punkty.begin(), punkty.size()), kolor, kolor, true, PioroWypelnien);
}

// An arc with a negative radius is the same circle with the positive radius
// and both angles half a turn on: no device gets a negative radius, and an
// arc of no radius is no arc.
template <typename Rysuj>
void LukDodatni(float promien, float od, float do_, Rysuj rysuj)
{
    if (!Skonczone({promien, od, do_}) || promien == 0.0f)
        return;
    if (promien < 0.0f) {
        promien = -promien;
        od = static_cast<float>(std::fmod(od + KatPi, Pelny));
        do_ = static_cast<float>(std::fmod(do_ + KatPi, Pelny));
    }
    rysuj(promien, od, do_);
}

void ObrysLukuPasa(const DaneLukPasa& l, TKolor kolor, float grubosc, const std::string& warstwa)
{
    if (!Skonczone({l.XSrodka, l.YSrodka}))
        return;
    LukDodatni(l.Promien, l.AzymutPoczatku, l.AzymutKonca, [&](float r, float od, float do_) {
        RysujLukAzymutP(kolor, 10, l.XSrodka, l.YSrodka, r, od, do_, grubosc, warstwa);
    });
}

// The band between the two corner arcs, filled (the arcs' own azimuths, run
// through 2 pi when the start lies above the end).
void WypelnijPas(const DanePasRamienia& p, TKolor kolor)
{
    const DaneLukPasa& z = p.LukZewnetrzny;
    const DaneLukPasa& w = p.LukWewnetrzny;
    double a1 = z.AzymutPoczatku, a2 = z.AzymutKonca;
    if (a1 > a2)
        a2 += Pelny;
    const double krok = (a2 - a1) / 10.0;
    std::array<PunktXY, 22> punkty{};
    for (int i = 0; i <= 10; ++i) {
        const double t = a1 + i * krok;
        punkty[static_cast<std::size_t>(i)] = {z.XSrodka + z.Promien * std::sin(t), z.YSrodka + z.Promien * std::cos(t)};
        const double u = a2 - i * krok;
        punkty[static_cast<std::size_t>(11 + i)] = {w.XSrodka + w.Promien * std::sin(u),
                                                    w.YSrodka + w.Promien * std::cos(u)};
    }
    for (const PunktXY& q : punkty)
        if (!Skonczony(q))
            return;
    RysujWielokat(punkty, kolor, kolor, true, PioroWypelnien);
}

} // namespace

void RysujRamieRonda(const DanePasRamienia& wlot, const DanePasRamienia& wylot, bool naroznik, bool liniaKonca,
                     const KoloryRamienia& kolory, float grubosc, const std::string& warstwa)
{
    if (naroznik) {
        const std::array<std::pair<const DanePasRamienia*, TKolor>, 2> pasy = {
            std::pair{&wlot, kolory.wlotu}, std::pair{&wylot, kolory.wylotu}};
        for (const auto& [pas, kolor] : pasy) {
            WypelnijPas(*pas, kolor);
            ObrysLukuPasa(pas->LukZewnetrzny, kolory.linii, grubosc, warstwa);
            ObrysLukuPasa(pas->LukWewnetrzny, kolory.linii, grubosc, warstwa);
        }
    }
    // The entry joins its lanes at the arcs' starts, the exit at their ends.
    auto koniecPasa = [&](const DanePasRamienia& p, bool wejscie, TKolor kolor) {
        const PunktXY z = wejscie ? Poczatek(p.LukZewnetrzny) : Koniec(p.LukZewnetrzny);
        const PunktXY w = wejscie ? Poczatek(p.LukWewnetrzny) : Koniec(p.LukWewnetrzny);
        const PunktXY w1 = Wewnetrzny(p.Krawedz1), z1 = Zewnetrzny(p.Krawedz1);
        const PunktXY w2 = Wewnetrzny(p.Krawedz2), z2 = Zewnetrzny(p.Krawedz2);
        if (naroznik)
            Wielokat({z, w1, w2, w}, kolor);
        Wielokat({w1, z1, z2, w2}, kolory.wypelnienia);
        if (naroznik) {
            Linia(kolory.linii, warstwa, z, z1, grubosc);
            Linia(kolory.linii, warstwa, w, z2, grubosc);
        } else {
            Linia(kolory.linii, warstwa, w1, z1, grubosc);
            Linia(kolory.linii, warstwa, w2, z2, grubosc);
        }
    };
    koniecPasa(wlot, true, kolory.wlotu);
    koniecPasa(wylot, false, kolory.wylotu);
    if (liniaKonca)
        Linia(kolory.linii, warstwa, Zewnetrzny(wlot.Krawedz1), Zewnetrzny(wlot.Krawedz2), grubosc);
}

void RysujGrotWylotu(TKolor kolorLinii, TKolor kolorWypelnienia, PunktXY wewn1, PunktXY A, PunktXY /*wewn2*/,
                     PunktXY B, float w, float d, float grubosc, const std::string& warstwa)
{
    if (!Skonczony(wewn1) || !Skonczony(A) || !Skonczony(B) || !Skonczone({w, d}))
        return;
    const double kat = KatKierunku(wewn1.X, wewn1.Y, A.X, A.Y);
    const double ux = std::cos(kat), uy = std::sin(kat);
    const double nx = std::cos(kat + KatPiPol), ny = std::sin(kat + KatPiPol);
    const PunktXY P1{A.X + d * ux, A.Y + d * uy};
    const PunktXY P2{P1.X + 0.5 * w * nx, P1.Y + 0.5 * w * ny};
    const PunktXY P5{B.X + d * ux, B.Y + d * uy};
    const PunktXY P4{P5.X - 0.5 * w * nx, P5.Y - 0.5 * w * ny};
    const PunktXY P3{0.5 * (P1.X + P5.X) + 0.35 * w * ux, 0.5 * (P1.Y + P5.Y) + 0.35 * w * uy};
    const std::array<PunktXY, 7> p = {A, P1, P2, P3, P4, P5, B};
    RysujWielokat(p, kolorWypelnienia, kolorWypelnienia, true, PioroWypelnien);
    for (std::size_t i = 0; i + 1 < p.size(); ++i)
        Linia(kolorLinii, warstwa, p[i], p[i + 1], grubosc);
}

void RysujWycinekPierscienia(bool prawo, TKolor kolorLinii, float cx, float cy, float promienZewn,
                             float promienWewn, float od, float do_, TKolor kolorWypelnienia, float grubosc,
                             const std::string& warstwa)
{
    if (!Skonczone({cx, cy, promienZewn, promienWewn, od, do_}))
        return;
    double krok = (do_ - od) / 10.0;
    if (krok < 0.0)
        krok = (Pelny - od + do_) / 10.0;
    const double znak = prawo ? -1.0 : 1.0;
    std::array<PunktXY, 22> punkty{};
    for (int i = 0; i <= 10; ++i) {
        const double t = od + i * krok;
        punkty[static_cast<std::size_t>(i)] = {cx + promienZewn * std::cos(t), cy + znak * promienZewn * std::sin(t)};
        const double u = od + (10 - i) * krok;
        punkty[static_cast<std::size_t>(11 + i)] = {cx + promienWewn * std::cos(u),
                                                    cy + znak * promienWewn * std::sin(u)};
    }
    RysujWielokat(punkty, kolorWypelnienia, kolorWypelnienia, true, PioroWypelnien);
    for (float promien : {promienZewn, promienWewn})
        LukDodatni(promien, od, do_, [&](float r, float a, float b) {
            if (prawo)
                RysujLukP(kolorLinii, 10, cx, cy, r, a, b, grubosc, warstwa);
            else
                RysujLukL(kolorLinii, 10, cx, cy, r, a, b, grubosc, warstwa);
        });
}

void RysujTytulRonda(int32_t indeks, TKolor kolor, const std::string& warstwa)
{
    if (!JestIndeksem(indeks, Ronda))
        return;
    const DaneRondo& r = Ronda[indeks];
    const double h = r.TytulH;
    if (!WyrownanieTytulu(r.TytulWyrownanie) || !Skonczone({h, r.X, r.Y, r.TytulDx, r.TytulDy}) || h <= 0.0)
        return;
    // The roundabout's "P" puts the text to the right of the anchor and its
    // "L" to the left, the other way round from the junction's caption.
    const char wyrownanie = r.TytulWyrownanie == 'P' ? 'L' : r.TytulWyrownanie == 'L' ? 'P' : 'C';
    const double x = r.X + r.TytulDx;
    for (int i = 0; i < 3; ++i)
        RysujTekstTTWyrownany(r.Tytul[static_cast<std::size_t>(i)].str(), kolor, x, r.Y + r.TytulDy - i * 1.2 * h,
                              h, wyrownanie, warstwa);
}

namespace {

// Angles of the ring taken into [0, 2 pi) for the arc primitives.
float KatPelny(double a)
{
    a = std::fmod(a, Pelny);
    if (a < 0.0)
        a += Pelny;
    return static_cast<float>(a);
}

void RysujPierscien(const DaneRondo& r, const UstawieniaRysunku& u)
{
    const PierscienRonda p = SektoryPierscienia(r);
    auto rysuj = [&](const WycinekRonda& w) {
        if (w.jest)
            RysujWycinekPierscienia(false, u.KolorLinii, r.X, r.Y, static_cast<float>(w.promien), r.PromienR,
                                    KatPelny(w.od), KatPelny(w.do_), u.KolorWypelnien, u.GrLinie, WarstwaRondLinie);
    };
    for (const WycinekRonda& w : p.przyRamieniu)
        rysuj(w);
    for (const WycinekRonda& w : p.zaRamieniem)
        rysuj(w);
}

} // namespace

void RysujRondo(int32_t indeks)
{
    if (!JestIndeksem(indeks, Ronda))
        return;
    const DaneRondo& r = Ronda[indeks];
    UstawieniaRysunku u = ZbierzUstawieniaRysunku(r.NrWezla);
    const DaneWezel* wezel = JestIndeksem(r.NrWezla, Wezly) ? &Wezly[r.NrWezla] : nullptr;
    if (u.Wlasne) {
        // The structure labels' switches have no copy of the node's own.
        u.PiszSume = u.PiszStruk = u.PiszZeraStruk = false;
    }

    // Arm outlines, then the exit arrow heads; arm 2's follow its flag too.
    auto obrys = [&](int k) { return RamieRondaJest(r, k) && (k != 1 || r.Ramie[1]); };
    for (int k = 0; k < LiczbaRamionRonda; ++k) {
        if (!obrys(k))
            continue;
        const auto i = static_cast<std::size_t>(k);
        const KoloryRamienia kolory{u.KolorLinii, u.Wlasne ? r.KolorWlotu[i] : u.KolorWypelnien,
                                    u.Wlasne ? r.KolorWylotu[i] : u.KolorWypelnien, u.KolorWypelnien};
        RysujRamieRonda(r.GeometriaRamion[i][0], r.GeometriaRamion[i][1], NaroznikPoprawny(r, k), true, kolory,
                        u.GrLinie, WarstwaRondLinie);
    }
    for (int k = 0; k < LiczbaRamionRonda; ++k) {
        if (!obrys(k))
            continue;
        const DanePasRamienia& w = r.GeometriaRamion[static_cast<std::size_t>(k)][1];
        RysujGrotWylotu(u.KolorLinii, u.KolorWypelnien, Wewnetrzny(w.Krawedz1), Zewnetrzny(w.Krawedz1),
                        Wewnetrzny(w.Krawedz2), Zewnetrzny(w.Krawedz2), 0.5f, 0.0f, u.GrLinie, WarstwaRondLinie);
    }
    RysujPierscien(r, u);

    RysujOpisyPotokowRonda(indeks, u);

    if (wezel && wezel->LegendaPrzejsc) {
        KategoriePrzejsc k;
        for (std::size_t c = 0; c < 4; ++c) {
            k.rysuj[c] = wezel->RysujPrzejscia[c];
            k.nazwy[c] = wezel->NazwyPrzejsc[c].str();
            k.kolory[c] = wezel->KoloryPrzejsc[c];
        }
        RysujLegendePrzejsc(u.RozmiaryOpisow, 0, r.X + wezel->LegendaPrzejscX, r.Y + wezel->LegendaPrzejscY,
                            WarstwaPrzejscia, k);
    }
    if (wezel && wezel->Struktura)
        RysujLegendePojazdow(u.RozmiaryOpisow, 0, r.X + wezel->LegendaStrukturyX, r.Y + wezel->LegendaStrukturyY,
                             "Rupl_Struktura");

    std::array<float, 5> odleglosci{};
    for (std::size_t k = 0; k < 5; ++k)
        odleglosci[k] = u.Wlasne && wezel ? wezel->OdlegloscPrzejscia[k] : wg.OdlegloscPrzejsc;
    RysujPrzejsciaRonda(indeks, RozmiaryOpisow, odleglosci, u.KoloryPrzejsc, KolorSzaryPrzejsc, u.RysujPrzejscia,
                        u.SumujPrzejscia, WarstwaPrzejscia, u.Rysuj0Natezenia);

    RysujOpisyRamionRonda(indeks, u.RozmiaryOpisow, u.RysujOznaczenie, u.KolorOpisow, u.KolorLinii,
                          u.KolorWypelnien, WarstwaRondOpisy);
    RysujTytulRonda(indeks, u.KolorTytulow, WarstwaRondTytul);
}
