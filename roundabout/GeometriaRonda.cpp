#include "roundabout/GeometriaRonda.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "base/Geometria.h"
#include "base/Kodowanie.h"
#include "junction/Komunikaty.h"
#include "junction/SkalePaskow.h"
#include "model/NatezeniaRonda.h"
#include "model/Projekt.h"

namespace {

bool Skonczony(const DaneLukPasa& l)
{
    return Skonczone({l.XPoczatku, l.YPoczatku, l.XKonca, l.YKonca, l.XSrodka, l.YSrodka, l.Promien,
                      l.AzymutPoczatku, l.AzymutKonca});
}

// One arc about M from azimuth a0 to a1, its end points at radius `promien`.
DaneLukPasa Luk(double mx, double my, double promien, double a0, double a1)
{
    DaneLukPasa l;
    l.XSrodka = static_cast<float>(mx);
    l.YSrodka = static_cast<float>(my);
    l.Promien = static_cast<float>(promien);
    l.AzymutPoczatku = static_cast<float>(a0);
    l.AzymutKonca = static_cast<float>(a1);
    l.XPoczatku = static_cast<float>(mx + promien * std::sin(a0));
    l.YPoczatku = static_cast<float>(my + promien * std::cos(a0));
    l.XKonca = static_cast<float>(mx + promien * std::sin(a1));
    l.YKonca = static_cast<float>(my + promien * std::cos(a1));
    return l;
}

// The entry (strona +1) and the exit (strona -1) are mirror images about the arm axis.
bool ObliczPas(int32_t natezenie, DanePasRamienia& pas, const ParametryPasa& p, double strona)
{
    const double ux = std::cos(p.a), uy = std::sin(p.a);
    const double vx = strona * std::cos(p.a + KatPiPol), vy = strona * std::sin(p.a + KatPiPol);
    const double w = natezenie * p.skala;
    const double o2 = p.o + w;
    pas.Krawedz1 = {p.cx + p.d1 * ux + p.o * vx, p.cx + p.d2 * ux + p.o * vx, p.cy + p.d1 * uy + p.o * vy,
                    p.cy + p.d2 * uy + p.o * vy};
    pas.Krawedz2 = {p.cx + p.d1 * ux + o2 * vx, p.cx + p.d2 * ux + o2 * vx, p.cy + p.d1 * uy + o2 * vy,
                    p.cy + p.d2 * uy + o2 * vy};
    pas.Natezenie = natezenie;
    pas.LukZewnetrzny = {};
    pas.LukWewnetrzny = {};
    bool krawedzie = true;
    for (double v : pas.Krawedz1)
        krawedzie = krawedzie && std::isfinite(v);
    for (double v : pas.Krawedz2)
        krawedzie = krawedzie && std::isfinite(v);
    if (!krawedzie) {
        pas.Krawedz1 = {};
        pas.Krawedz2 = {};
        return false;
    }

    // The corner needs the ring to reach past the lanes' offset (rho > o);
    // otherwise there is no tangent circle and nothing to draw.
    const double podPierwiastkiem = (p.rho + p.r) * (p.rho + p.r) - (p.r + p.o) * (p.r + p.o);
    if (!(podPierwiastkiem > 0.0) || !std::isfinite(podPierwiastkiem))
        return false;
    const float h = static_cast<float>(std::sqrt(podPierwiastkiem));
    if (!(h > 0.0f) || !std::isfinite(h))
        return false;
    const float b = static_cast<float>(std::atan((p.r + p.o) / h));
    const float t = static_cast<float>(p.a + strona * b);
    const double mx = p.cx + (p.rho + p.r) * std::cos(t), my = p.cy + (p.rho + p.r) * std::sin(t);
    const double tx = p.cx + h * ux, ty = p.cy + h * uy;
    const double gx = p.cx + p.rho * std::cos(t), gy = p.cy + p.rho * std::sin(t);
    const double doRamienia = AzymutP(mx, my, tx, ty);
    const double doPierscienia = AzymutP(mx, my, gx, gy);
    const double a0 = strona > 0 ? doRamienia : doPierscienia;
    const double a1 = strona > 0 ? doPierscienia : doRamienia;
    pas.LukZewnetrzny = Luk(mx, my, p.r, a0, a1);
    // A band wider than the corner radius gives a negative radius: the same
    // circle, kept as computed; the drawing turns it into a positive one.
    pas.LukWewnetrzny = Luk(mx, my, p.r - w, a0, a1);
    if (!Skonczony(pas.LukZewnetrzny) || !Skonczony(pas.LukWewnetrzny)) {
        pas.LukZewnetrzny = {};
        pas.LukWewnetrzny = {};
        return false;
    }
    return true;
}

// A message text of the model (Windows-1250) from UTF-8.
std::string Tekst(const char* utf8) { return Utf8NaCp1250(utf8); }

} // namespace

bool ObliczWlotRonda(int32_t natezenie, DanePasRamienia& pas, const ParametryPasa& p)
{
    return ObliczPas(natezenie, pas, p, 1.0);
}

bool ObliczWylotRonda(int32_t natezenie, DanePasRamienia& pas, const ParametryPasa& p)
{
    return ObliczPas(natezenie, pas, p, -1.0);
}

void ObliczGeometrieRonda(int32_t indeks)
{
    if (!JestIndeksem(indeks, Ronda))
        return;
    Ronda[indeks].Obliczony = 1;
    if (JestIndeksem(Ronda[indeks].NrWezla, Wezly)) {
        const DaneWezel& w = Wezly[Ronda[indeks].NrWezla];
        Ronda[indeks].X = static_cast<float>(w.X);
        Ronda[indeks].Y = static_cast<float>(w.Y);
    }
    // What the roundabout counts towards the project's largest values, kept
    // up to date for the pass it is computed in.
    const WkladDoSkal przed = WkladRonda(Ronda[indeks]);
    ObliczNatezeniaRonda(indeks);
    const WkladDoSkal zebrany = WkladRonda(Ronda[indeks]);
    ZmienionyWklad(przed, zebrany);
    UstawSkalePaskow();
    UstawSkalePrzejsc();

    DaneRondo& r = Ronda[indeks];
    const float skala = wg.SkalaPaskow;
    r.SkalaPierscienia = skala;
    r.GeometriaPoprawna = 1;
    r.KomunikatGeometrii = "";
    std::string bledne;
    for (int k = 0; k < LiczbaRamionRonda; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!RamieRondaJest(r, k))
            continue;
        ParametryPasa p;
        p.cx = r.X;
        p.cy = r.Y;
        p.rho = static_cast<double>(r.NaPierscieniu1[i]) * skala + r.PromienR;
        p.r = r.Promien[i];
        p.o = r.Odsuniecie[i];
        p.d1 = r.DlugoscPom[i];
        p.d2 = r.Dlugosc[i];
        p.a = r.Kat[i];
        p.skala = skala;
        DanePasRamienia& wlot = r.GeometriaRamion[i][0];
        DanePasRamienia& wylot = r.GeometriaRamion[i][1];
        const bool wlotOk = ObliczWlotRonda(r.SumaWlotu[i], wlot, p);
        const bool wylotOk = ObliczWylotRonda(r.SumaWylotu[i], wylot, p);
        const bool ok = wlotOk && wylotOk && std::isfinite(r.Kat[i]);
        r.NaroznikZbudowany[i] = ok ? 1 : 0;
        if (ok) {
            r.KatKrawedzi1[i] = static_cast<float>(KatKierunku(r.X, r.Y, wlot.LukZewnetrzny.XKonca,
                                                               wlot.LukZewnetrzny.YKonca));
            r.KatKrawedzi2[i] = static_cast<float>(KatKierunku(r.X, r.Y, wylot.LukZewnetrzny.XPoczatku,
                                                               wylot.LukZewnetrzny.YPoczatku));
        } else {
            // No corner: the arm takes no room on the ring.
            const float a = std::isfinite(r.Kat[i]) ? r.Kat[i] : 0.0f;
            r.KatKrawedzi1[i] = a;
            r.KatKrawedzi2[i] = a;
            if (!bledne.empty())
                bledne += ", ";
            bledne += r.Oznaczenie[i].str().empty() ? std::to_string(k + 1) : r.Oznaczenie[i].str();
        }
        if (k == 1) {
            const float pierwszy = r.KatKrawedzi2[0];
            r.KatKrawedzi2[5] = (pierwszy >= 0.0f && pierwszy < r.Kat[1])
                                    ? static_cast<float>(pierwszy + 6.283185308)
                                    : pierwszy;
        }
        if (k >= 2 && r.KatKrawedzi1[i] < r.Kat[i])
            r.KatKrawedzi1[i] = static_cast<float>(r.KatKrawedzi1[i] + 6.283185308);
    }
    for (int k = 2; k < LiczbaRamionRonda; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (RamieRondaJest(r, k))
            continue;
        r.GeometriaRamion[i][0].Natezenie = 0;
        r.GeometriaRamion[i][1].Natezenie = 0;
        r.KatKrawedzi2[i] = r.KatKrawedzi2[5];
        r.NaroznikZbudowany[i] = 0;
    }
    if (!bledne.empty()) {
        r.GeometriaPoprawna = 0;
        std::string nazwa = JestIndeksem(r.NrWezla, Wezly) ? Wezly[r.NrWezla].Nazwa.str() : std::string();
        r.KomunikatGeometrii = Tekst("Rondo ") + nazwa + Tekst(": nie można wyznaczyć wlotu i wylotu ramienia ") +
                               bledne +
                               Tekst(" (pierścień ronda nie sięga poza odsunięcie pasów). Popraw geometrię ronda.");
        ZbierzKomunikat(r.KomunikatGeometrii.str());
    }
    ZmienionyWklad(zebrany, WkladRonda(r));
}

namespace {

// d taken into (-pi, pi].
double Zredukuj(double d)
{
    const double dwaPi = 2.0 * KatPi;
    d = std::fmod(d, dwaPi);
    if (d > KatPi)
        d -= dwaPi;
    else if (d <= -KatPi)
        d += dwaPi;
    return d;
}

} // namespace

PierscienRonda SektoryPierscienia(const DaneRondo& r)
{
    PierscienRonda w;
    const double R = r.PromienR;
    const double s = r.SkalaPierscienia;
    const double a1 = r.Kat[0];
    if (!Skonczone({R, s, a1}))
        return w;
    // Arm angles taken into [a1, a1 + 2 pi); an entry or exit angle lies next
    // to its own arm's angle.
    std::array<double, 5> wlot{}, wylot{};
    for (int k = 0; k < LiczbaRamionRonda; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!NaroznikPoprawny(r, k) || !Skonczone({r.Kat[i], r.KatKrawedzi1[i], r.KatKrawedzi2[i]}))
            continue;
        double a = a1 + std::fmod(r.Kat[i] - a1, 2.0 * KatPi);
        if (a < a1)
            a += 2.0 * KatPi;
        if (k == 0)
            a = a1;
        wlot[i] = a + Zredukuj(r.KatKrawedzi1[i] - r.Kat[i]);
        wylot[i] = a + Zredukuj(r.KatKrawedzi2[i] - r.Kat[i]);
        WycinekRonda& p = w.przyRamieniu[i];
        p.od = wylot[i];
        p.do_ = wlot[i];
        p.promien = static_cast<double>(r.NaPierscieniu1[i]) * s + R;
        p.jest = p.od < p.do_ && std::isfinite(p.promien);
    }
    // Each section runs from an entry to the exit of the next present arm;
    // the last one back to arm 1's exit a full turn on. An arm without a
    // corner breaks the ring on both its sides.
    for (int k = 0; k < LiczbaRamionRonda; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!RamieRondaJest(r, k))
            continue;
        int nastepne = -1;
        for (int j = k + 1; j < LiczbaRamionRonda && nastepne < 0; ++j)
            if (RamieRondaJest(r, j))
                nastepne = j;
        const bool doPierwszego = nastepne < 0;
        if (doPierwszego)
            nastepne = 0;
        const auto n = static_cast<std::size_t>(nastepne);
        if (!NaroznikPoprawny(r, k) || !NaroznikPoprawny(r, nastepne))
            continue;
        WycinekRonda& z = w.zaRamieniem[i];
        z.od = wlot[i];
        z.do_ = wylot[n] + (doPierwszego ? 2.0 * KatPi : 0.0);
        z.promien = static_cast<double>(r.NaPierscieniu2[i]) * s + R;
        z.jest = z.do_ > z.od && std::isfinite(z.promien);
    }
    return w;
}
