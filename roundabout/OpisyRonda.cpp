#include "roundabout/OpisyRonda.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "base/Geometria.h"
#include "base/Teksty.h"
#include "drawing/Rysowanie.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "drawing/Wyjscie.h"
#include "junction/OpisyPotokow.h"
#include "junction/UstawieniaRysunku.h"
#include "junction/WspolneRysowania.h"
#include "model/NatezeniaRonda.h"
#include "model/Projekt.h"
#include "roundabout/GeometriaRonda.h"
#include "roundabout/RysujRondo.h"

namespace {

// One text of a label in the label's own frame until it is turned.
struct Napis {
    std::string tekst;
    double x = 0.0, y = 0.0;
    double szer = 0.0, wys = 0.0, grub = 0.0;
    double w = 0.0;  // measured width
};

void Zmierz(Napis& n) { n.w = n.tekst.empty() ? 0.0 : SzerTekstuWekt(n.tekst, static_cast<float>(n.szer)); }

// Turned about the anchor by the angle and drawn; an empty text or a value
// that is no finite number draws nothing.
void Rysuj(const Napis& n, PunktXY kotwica, double kat, TKolor kolor, const std::string& warstwa)
{
    if (n.tekst.empty())
        return;
    const PunktXY p = ObrocPunkt(kotwica.X, kotwica.Y, n.x, n.y, static_cast<float>(kat));
    if (!Skonczone({p.X, p.Y, n.szer, n.wys, n.grub, kat}))
        return;
    RysujTekst(n.tekst, kolor, p.X, p.Y, n.wys, n.szer, n.grub, NaStopnie(kat), warstwa);
}

PunktXY KoniecKrawedzi2(const DanePasRamienia& p) { return {p.Krawedz2[1], p.Krawedz2[3]}; }

// Arm k's destinations in circulation order: k+1, k+2, k+3, k+4, then k itself.
int Cel(int k, int c) { return (k + 1 + c) % LiczbaRamionRonda; }

} // namespace

bool OdwroconeRamie(double kat) { return kat > 1.7453292522 && kat < 4.886921906; }

void RysujOpisyPasmaRonda(const TRozmiaryLegendy& rozmiary, const TabelkaRonda& t, PunktXY kotwica, float kat,
                          TKolor kolor, const std::string& warstwa)
{
    if (!TabelaSkonczona(rozmiary) || !Skonczone({kotwica.X, kotwica.Y, kat}))
        return;
    constexpr int Kolumn = 5;
    const double h = rozmiary[1], hs = rozmiary[5], e0 = rozmiary[0], e2 = rozmiary[2];
    const double P = 1.2 * h;
    const int32_t dokl = rozmiary.DokladnoscProc();
    std::array<int32_t, Kolumn> v{};
    std::array<bool, Kolumn> pokaz{};
    int64_t T = 0;
    for (int c = 0; c < Kolumn; ++c) {
        v[c] = t.bloki[c][0];
        T += v[c];
        pokaz[c] = c < 4 ? t.obecne[c] && (!t.struktura || t.rysuj0 || v[c] != 0) : t.zeroZawrotki || v[c] > 0.1;
    }
    const bool procentyPiszesz = t.procenty && (t.struktura ? T > 0.001 : T > 0);

    // Blanks between the letters: fewer where a file's font sets them wider.
    const std::string odstep(static_cast<std::size_t>(SpacjeEtykiety()), ' ');
    std::array<Napis, Kolumn> litery, wartosci, procenty;
    std::array<double, Kolumn> W{}, lewa{};
    double sumaW = 0.0;
    for (int c = 0; c < Kolumn; ++c) {
        if (pokaz[c]) {
            if (t.oznaczenia)
                litery[c].tekst = t.litera + odstep + (c < 4 ? t.litery[c] : t.litera);
            wartosci[c].tekst = std::to_string(v[c]);
            if (procentyPiszesz)
                procenty[c].tekst =
                    TekstProcentu(static_cast<double>(v[c]) / static_cast<double>(T) * 100.0, dokl);
        }
        litery[c].szer = wartosci[c].szer = e0;
        procenty[c].szer = e2;
        litery[c].wys = wartosci[c].wys = procenty[c].wys = h;
        litery[c].grub = wartosci[c].grub = rozmiary[6];
        procenty[c].grub = rozmiary[8];
        Zmierz(litery[c]);
        Zmierz(wartosci[c]);
        Zmierz(procenty[c]);
        W[c] = pokaz[c] ? MaxZ3(litery[c].w, wartosci[c].w, procenty[c].w) + 0.4 : 0.0;
        lewa[c] = kotwica.X + rozmiary[12] + sumaW;
        sumaW += W[c];
    }
    const int m = t.oznaczenia ? 1 : 0;
    const double gora = kotwica.Y + rozmiary[13];
    const double dolLiter = gora - m * P;
    const double dolWartosci = dolLiter - P;
    const double dolProcentow = dolWartosci - P;
    double dol = t.procenty ? dolProcentow : dolWartosci;

    auto linia = [&](double x1, double y1, double x2, double y2, TKolor k) {
        const PunktXY a = ObrocPunkt(kotwica.X, kotwica.Y, x1, y1, kat);
        const PunktXY b = ObrocPunkt(kotwica.X, kotwica.Y, x2, y2, kat);
        if (Skonczone({a.X, a.Y, b.X, b.Y}))
            RysujLinie(k, warstwa, a.X, a.Y, b.X, b.Y, 0.1);
    };
    auto ramka = [&](double l, double p, double g, double d) {
        linia(l, g, p, g, 0);
        linia(p, g, p, d, 0);
        linia(p, d, l, d, 0);
        linia(l, d, l, g, 0);
    };

    const double wLitery = SzerTekstuWekt(t.litera, static_cast<float>(e0));
    for (int c = 0; c < Kolumn; ++c) {
        if (!pokaz[c])
            continue;
        litery[c].x = lewa[c] + 0.1;
        litery[c].y = dolLiter;
        wartosci[c].x = lewa[c] + 0.5 * W[c] - 0.5 * wartosci[c].w;
        wartosci[c].y = dolWartosci;
        procenty[c].x = lewa[c] + 0.1;
        procenty[c].y = dolProcentow;
        if (t.oznaczenia) {
            Rysuj(litery[c], kotwica, kat, kolor, warstwa);
            // The small arrow right after the arm's own letter.
            const PunktXY s = ObrocPunkt(kotwica.X, kotwica.Y, litery[c].x + wLitery, dolLiter, kat);
            if (Skonczone({s.X, s.Y}))
                RysujStrzalkeBoczna(0, 0, static_cast<float>(s.X), static_cast<float>(s.Y), static_cast<float>(e0),
                                    static_cast<float>(h), kat, 0, 0.1f, warstwa);
            ramka(lewa[c], lewa[c] + W[c], gora, dolLiter);
        }
        Rysuj(wartosci[c], kotwica, kat, kolor, warstwa);
        ramka(lewa[c], lewa[c] + W[c], dolLiter, dolWartosci);
        if (t.procenty) {
            Rysuj(procenty[c], kotwica, kat, kolor, warstwa);
            ramka(lewa[c], lewa[c] + W[c], dolWartosci, dolProcentow);
        }
    }

    if (t.struktura && t.piszStruk) {
        // The vehicle types; without the zero counts, a type that none of the
        // four destinations carries goes, and the later ones move up.
        std::array<std::array<int32_t, 11>, Kolumn> bloki = t.bloki;
        std::array<std::string, 11> kody{};
        for (std::size_t j = 1; j < kody.size(); ++j)
            kody[j] = Sklad[j].Oznaczenie.str();
        int n = std::clamp<int32_t>(LiczbaSkladow, 0, 10);
        if (!t.piszZeraStruk)
            for (int j = n; j >= 1; --j) {
                int64_t s = 0;
                for (int c = 0; c < 4; ++c)
                    s += bloki[c][j];
                if (s != 0)
                    continue;
                for (int i = j; i < 10; ++i) {
                    for (auto& b : bloki)
                        b[i] = b[i + 1];
                    kody[i] = kody[i + 1];
                }
                --n;
            }
        if (n > 0) {
            const double prawa = lewa[0] + sumaW;
            double wKodu = 0.0;
            for (int j = 1; j <= n; ++j)
                wKodu = std::max<double>(wKodu, SzerTekstuWekt(kody[j], static_cast<float>(0.75 * e0)));
            wKodu += 0.4;
            for (int j = 1; j <= n; ++j) {
                const double g = dol - (j - 1) * P, d = dol - j * P;
                for (int c = 0; c < Kolumn; ++c) {
                    if (!pokaz[c])
                        continue;
                    ramka(lewa[c], lewa[c] + W[c], g, d);
                    Napis liczba{std::to_string(bloki[c][j]), 0, 0, 0.75 * e0, 0.75 * h, rozmiary[6]};
                    Zmierz(liczba);
                    liczba.x = lewa[c] + 0.5 * W[c] - 0.5 * liczba.w;
                    liczba.y = d + 0.1 * h;
                    Rysuj(liczba, kotwica, kat, kolor, warstwa);
                }
                ramka(prawa, prawa + wKodu, g, d);
                Napis kod{kody[j], prawa + 0.2, d + 0.1 * h, 0.75 * e0, 0.75 * h, rozmiary[6]};
                Rysuj(kod, kotwica, kat, kolor, warstwa);
            }
            dol -= n * P;
        }
    }

    // The entry total in a box under the table.
    Napis suma{std::to_string(T), 0, dol - 1.2 * hs, rozmiary[4], hs, rozmiary[7]};
    Zmierz(suma);
    suma.x = lewa[0] + 0.5 * sumaW - 0.5 * suma.w;
    Rysuj(suma, kotwica, kat, kolor, warstwa);
    const double l = lewa[0], p = lewa[0] + sumaW, d = dol - 1.2 * hs;
    linia(l, dol, l, d, kolor);
    linia(l, d, p, d, kolor);
    linia(p, d, p, dol, kolor);
}

void RysujNarozneOpisyRonda(const TRozmiaryLegendy& rozmiary, bool wlot, PunktXY kotwica, float dy, float dx,
                            float kat, const std::array<float, 5>& q, bool procenty, bool zeroZawrotki, TKolor kolor,
                            const std::string& warstwa)
{
    if (!TabelaSkonczona(rozmiary) || !Skonczone({kotwica.X, kotwica.Y, dy, dx, kat}))
        return;
    const double h = rozmiary[1], hs = rozmiary[5];
    const int32_t dokl = rozmiary.DokladnoscProc();
    const double S = static_cast<double>(q[0]) + q[1] + q[2] + q[3] + q[4];
    if (!std::isfinite(S))
        return;
    auto procent = [&](float v) { return TekstProcentu(v / S * 100.0, dokl); };

    std::array<Napis, 4> pr, wa;
    for (std::size_t k = 0; k < 4; ++k) {
        pr[k] = {procenty && q[k] > 0.0f && S > 0.0 ? procent(q[k]) : "", 0, 0, rozmiary[2], h, rozmiary[8]};
        wa[k] = {q[k] > 0.0f ? TekstPotoku(q[k]) : "", 0, 0, rozmiary[0], h, rozmiary[6]};
    }
    std::string tekstZawrotki;
    if (zeroZawrotki || q[4] > 0.1f) {
        if (!procenty)
            tekstZawrotki = TekstPotoku(q[4]);
        else if (S > 0.0)
            tekstZawrotki = TekstPotoku(q[4]) + "  " + procent(q[4]);
    }
    Napis zawrotka{tekstZawrotki, 0, 0, rozmiary[3], h, rozmiary[8]};
    Napis suma{FormatFloat("###0", S), 0, 0, rozmiary[4], hs, rozmiary[7]};
    double W = 0.0;
    for (std::size_t k = 0; k < 4; ++k) {
        Zmierz(pr[k]);
        Zmierz(wa[k]);
        W = std::max(W, pr[k].w);
    }
    Zmierz(zawrotka);
    Zmierz(suma);

    // The corner: on the left half of the sheet the block is turned by half
    // a turn and stands in the opposite corner.
    double a = kat;
    const bool lewy = OdwroconeRamie(kat);
    if (lewy)
        a -= 3.141592654;
    const bool gorny = lewy == wlot;  // "LG" for an entry, "PG" for an exit

    // A zero value takes no row.
    std::array<double, 4> z{};
    for (std::size_t k = 0; k + 1 < 4; ++k)
        z[k + 1] = z[k] + (q[k] > 0.0f ? 1.2 : 0.0);
    const double Z = z[3];
    for (std::size_t k = 0; k < 4; ++k) {
        const double y = 0.3 * h + z[k] * h;
        pr[k].y = wa[k].y = y;
        pr[k].x = lewy ? 0.2 : -0.2 - pr[k].w;
        wa[k].x = lewy ? W + 0.5 : -W - 0.5 - wa[k].w;
    }
    zawrotka.x = lewy ? -0.2 - zawrotka.w : 0.2;
    suma.x = lewy ? -0.2 - suma.w : 0.2;
    if (lewy && gorny) {
        zawrotka.y = 0.3 * h + 1.3 * hs;
        suma.y = 0.3 * h;
    } else {
        zawrotka.y = 0.3 * h;
        suma.y = 0.3 * h + 1.3 * h;
    }
    const double przesX = kotwica.X + (lewy ? dx : -dx);
    const double przesWierszy = gorny ? -(0.6 * h + (1.2 + Z) * h) - dy : dy;
    const double przesReszty = gorny ? -(0.6 * h + 3.6 * h) - dy : dy;
    for (auto* n : {&pr[0], &pr[1], &pr[2], &pr[3], &wa[0], &wa[1], &wa[2], &wa[3]}) {
        n->x += przesX;
        n->y += kotwica.Y + przesWierszy;
    }
    for (auto* n : {&zawrotka, &suma}) {
        n->x += przesX;
        n->y += kotwica.Y + przesReszty;
    }
    for (const auto* n : {&pr[0], &pr[1], &pr[2], &pr[3], &wa[0], &wa[1], &wa[2], &wa[3], &zawrotka, &suma})
        Rysuj(*n, kotwica, a, kolor, warstwa);
}

void RysujSumyRamienia(const TRozmiaryLegendy& rozmiary, int32_t sumaWlotu, float kat, PunktXY wlot, PunktXY wylot,
                       float dy, float dx, int32_t sumaWylotu, TKolor kolor, const std::string& warstwa)
{
    if (!TabelaSkonczona(rozmiary) || !Skonczone({kat, dy, dx}))
        return;
    const double h = rozmiary[5];
    const bool odwrocone = OdwroconeRamie(kat);
    const double katTekstu = odwrocone ? kat - 3.141592654 : kat;
    for (const bool wejscie : {true, false}) {
        const PunktXY E = wejscie ? wlot : wylot;
        Napis n{std::to_string(wejscie ? sumaWlotu : sumaWylotu), 0, 0, rozmiary[4], h, rozmiary[7]};
        Zmierz(n);
        if (odwrocone) {
            n.x = E.X - dx;
            n.y = wejscie ? E.Y + 1.2 * h + dy : E.Y - dy;
        } else {
            n.x = E.X - n.w - dx;
            n.y = wejscie ? E.Y + dy : E.Y - 1.2 * h - dy;
        }
        // Turned about the band's corner by the arm's angle, written at the text's.
        const PunktXY p = ObrocPunkt(E.X, E.Y, n.x, n.y, kat);
        if (!Skonczone({E.X, E.Y, p.X, p.Y}))
            continue;
        RysujTekst(n.tekst, kolor, p.X, p.Y, h, n.szer, n.grub, NaStopnie(katTekstu), warstwa);
    }
}

void RysujOpisyRamionRonda(int32_t indeks, const TRozmiaryOpisow& rozmiary, bool oznaczenia, TKolor kolorTekstu,
                           TKolor kolorLinii, TKolor kolorWypelnienia, const std::string& warstwa)
{
    if (!JestIndeksem(indeks, Ronda) || !TabelaSkonczona(rozmiary))
        return;
    const DaneRondo& r = Ronda[indeks];
    const double D0 = rozmiary[9], h = rozmiary[1], strzalka = rozmiary[8];
    for (int k = 0; k < LiczbaRamionRonda; ++k) {
        if (!RamieRondaJest(r, k))
            continue;
        const auto i = static_cast<std::size_t>(k);
        const double a = r.Kat[i];
        if (!Skonczone({a, r.X, r.Y}))
            continue;
        const std::string& t1 = r.OpisyRamion[i][0].str();
        const std::string& t2 = r.OpisyRamion[i][1].str();
        const double M = MaxZ2(SzerTekstuWekt(t1, rozmiary[0]), SzerTekstuWekt(t2, rozmiary[0]));
        const bool odwrocone = OdwroconeRamie(a);
        const double katTekstu = NaStopnie(a) + (odwrocone ? 180.0 : 0.0);
        const double kn = odwrocone ? a + 1.570796327 : a - 1.570796327;
        const double ux = std::cos(a), uy = std::sin(a), nx = std::cos(kn), ny = std::sin(kn);
        const double D = odwrocone ? D0 + M : D0;
        double px = r.X + D * ux, py = r.Y + D * uy;
        // A single line sits on the axis.
        if (t2.size() < 2) {
            px += 0.5 * h * nx;
            py += 0.5 * h * ny;
        }
        RysujTekst(t1, kolorTekstu, px, py, h, rozmiary[0], rozmiary[4], katTekstu, warstwa);
        RysujTekst(t2, kolorTekstu, px + h * nx, py + h * ny, h, rozmiary[0], rozmiary[4], katTekstu, warstwa);
        const bool maStrzalke = r.RysujStrzalki[i] != 0;
        if (maStrzalke)
            RysujStrzalke(kolorLinii, kolorWypelnienia, r.X + (D0 + M + 0.5) * ux, r.Y + (D0 + M + 0.5) * uy,
                          strzalka, strzalka, a - 1.570796327, 0, 0.1f, warstwa);
        if (oznaczenia) {
            const std::string& litera = r.Oznaczenie[i].str();
            double e = odwrocone ? SzerTekstuWekt(litera, rozmiary[2]) : 0.0;
            if (!maStrzalke)
                e -= strzalka + 0.5;
            const double o = D0 + M + strzalka + 0.8 + e;
            RysujTekst(litera, kolorTekstu, r.X + o * ux + 0.6 * rozmiary[3] * nx,
                       r.Y + o * uy + 0.6 * rozmiary[3] * ny, rozmiary[3], rozmiary[2], rozmiary[4], katTekstu,
                       warstwa);
        }
    }
}

void RysujPrzejsciaRonda(int32_t indeks, const TRozmiaryOpisow& rozmiary, const std::array<float, 5>& odleglosci,
                         const KoloryPrzejsc& kolory, TKolor szary, const FlagiPrzejsc& rysuj,
                         const FlagiPrzejsc& sumuj, const std::string& warstwa, bool rysuj0)
{
    if (!JestIndeksem(indeks, Ronda))
        return;
    const DaneRondo& r = Ronda[indeks];
    const double s = r.SkalaPierscienia;
    for (int k = 0; k < LiczbaRamionRonda; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!RamieRondaJest(r, k) || !r.Przejscie[i])
            continue;
        PrzejsciaRamienia p;
        p.x = r.X;
        p.y = r.Y;
        p.kat = r.Kat[i];
        p.odleglosc = odleglosci[i];
        // Half-extents across the arm: the typed exit and entry totals' bands.
        p.dol = static_cast<float>(r.SumaWylotuRel[i] * s + r.Odsuniecie[i] + 0.4);
        p.gora = static_cast<float>(r.SumaWlotuRel[i] * s + r.Odsuniecie[i] + 0.4);
        for (std::size_t c = 0; c < 4; ++c) {
            p.wartosci[2 * c] = r.NatezeniaPrzejsc[i][c][0];
            p.wartosci[2 * c + 1] = r.NatezeniaPrzejsc[i][c][1];
        }
        RysujPrzejsciaRamienia(p, rozmiary, rysuj0, warstwa, sumuj, rysuj, szary, kolory);
    }
}

void RysujOpisyPotokowRonda(int32_t indeks, const UstawieniaRysunku& u)
{
    if (!JestIndeksem(indeks, Ronda))
        return;
    const DaneRondo& r = Ronda[indeks];
    const TRozmiaryLegendy& L = u.RozmiaryLegendy;
    const float dy = L[12], dx = L[13];
    const DanePomiar* pomiar = PomiarRonda(r);
    const bool struktura = !pomiar && r.ZeStruktury;
    // Typed entry and exit totals know no relations: always the totals.
    const bool tylkoSumy = !pomiar && !struktura && !r.DaneRelacje;
    auto wartosc = [&](int z, int do_) -> int32_t {
        const auto a = static_cast<std::size_t>(z), b = static_cast<std::size_t>(do_);
        if (pomiar)
            return pomiar->NatezeniaNaRelacjach[a][b];
        if (struktura)
            return RamieRondaJest(r, z) && RamieRondaJest(r, do_) ? r.StrukturaRelacji[a][b][0] : 0;
        return r.Macierz[a][b];
    };
    const std::string warstwa = WarstwaRondOpisy;

    if (tylkoSumy || (!u.TabelkaWW && u.TylkoSuma)) {
        for (int k = 0; k < LiczbaRamionRonda; ++k) {
            if (!RamieRondaJest(r, k))
                continue;
            const auto i = static_cast<std::size_t>(k);
            int32_t wlot = 0, wylot = 0;
            if (pomiar || tylkoSumy) {
                wlot = r.SumaWlotu[i];
                wylot = r.SumaWylotu[i];
            } else if (struktura) {
                for (int j = 0; j < LiczbaRamionRonda; ++j) {
                    wlot += wartosc(k, j);
                    wylot += wartosc(j, k);
                }
            } else {
                wlot = r.SumaWlotuRel[i];
                wylot = r.SumaWylotuRel[i];
            }
            RysujSumyRamienia(L, wlot, r.Kat[i], KoniecKrawedzi2(r.GeometriaRamion[i][0]),
                              KoniecKrawedzi2(r.GeometriaRamion[i][1]), dy, dx, wylot, u.KolorOpisow, warstwa);
        }
        return;
    }
    if (u.TabelkaWW) {
        for (int k = 0; k < LiczbaRamionRonda; ++k) {
            if (!RamieRondaJest(r, k))
                continue;
            const auto i = static_cast<std::size_t>(k);
            TabelkaRonda t;
            for (int c = 0; c < 5; ++c) {
                const int j = c < 4 ? Cel(k, c) : k;
                // An absent arm's block stays in the record but is not drawn.
                if (struktura && RamieRondaJest(r, j))
                    t.bloki[static_cast<std::size_t>(c)] = r.StrukturaRelacji[i][static_cast<std::size_t>(j)];
                else
                    t.bloki[static_cast<std::size_t>(c)][0] = wartosc(k, j);
                if (c < 4) {
                    t.litery[static_cast<std::size_t>(c)] = r.Oznaczenie[static_cast<std::size_t>(j)].str();
                    t.obecne[static_cast<std::size_t>(c)] = RamieRondaJest(r, j);
                }
            }
            t.litera = r.Oznaczenie[i].str();
            t.oznaczenia = u.RysujOznaczenie;
            t.procenty = u.RysujProcenty;
            t.zeroZawrotki = u.Rysuj0Zawrotki;
            t.struktura = struktura;
            t.rysuj0 = u.Rysuj0Natezenia;
            t.piszSume = u.PiszSume;
            t.piszStruk = u.PiszStruk;
            t.piszZeraStruk = u.PiszZeraStruk;
            RysujOpisyPasmaRonda(L, t, KoniecKrawedzi2(r.GeometriaRamion[i][0]),
                                 static_cast<float>(r.Kat[i] + 1.570796327), u.KolorOpisow, warstwa);
        }
        return;
    }
    // Corner labels: every entry, then every exit.
    for (const bool wlot : {true, false})
        for (int k = 0; k < LiczbaRamionRonda; ++k) {
            if (!RamieRondaJest(r, k))
                continue;
            const auto i = static_cast<std::size_t>(k);
            std::array<float, 5> q{};
            for (int c = 0; c < 5; ++c) {
                const int j = c < 4 ? Cel(k, c) : k;
                q[static_cast<std::size_t>(c)] = static_cast<float>(wlot ? wartosc(k, j) : wartosc(j, k));
            }
            RysujNarozneOpisyRonda(L, wlot, KoniecKrawedzi2(r.GeometriaRamion[i][wlot ? 0 : 1]), dy, dx, r.Kat[i], q,
                                   u.RysujProcenty, u.Rysuj0Zawrotki, u.KolorOpisow, warstwa);
        }
}
