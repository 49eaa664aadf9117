#include "junction/OpisyPotokow.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "base/Geometria.h"
#include "drawing/Rysowanie.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "drawing/Wyjscie.h"
#include "base/Teksty.h"
#include "junction/WspolneRysowania.h"
#include "model/Projekt.h"

namespace {

// A point of a label in its own frame, turned about the anchor by the label angle.
PunktXY Obroc(double cx, double cy, double px, double py, double kat)
{
    return ObrocPunkt(cx, cy, px, py, static_cast<float>(kat));
}

struct Naroznik {
    bool poprawny = false;
    bool lewy = false;   // "L.": texts grow to the right of the anchor
    bool dolny = false;  // ".D": texts stand above the anchor
};

Naroznik CzytajNaroznik(const std::string& n)
{
    Naroznik w;
    if (n.size() != 2 || (n[0] != 'L' && n[0] != 'P') || (n[1] != 'D' && n[1] != 'G'))
        return w;
    w.poprawny = true;
    w.lewy = n[0] == 'L';
    w.dolny = n[1] == 'D';
    return w;
}

// One text of a label while it is laid out.
struct TekstEtykiety {
    std::string tekst;
    double x = 0.0;
    double y = 0.0;
    double szer = 0.0;   // character width
    double wys = 0.0;    // height
    double grub = 0.0;   // stroke, mm
    double w = 0.0;      // measured width
};

double SzerokoscEtykiety(const TekstEtykiety& t)
{
    if (t.tekst.empty())
        return 0.0;
    return TekstTT ? SzerTekstuTT(t.tekst, t.wys) : SzerTekstuWekt(t.tekst, static_cast<float>(t.szer));
}

void RysujTekstEtykiety(const TekstEtykiety& t, double kat, TKolor kolor, const std::string& warstwa, bool mozeTT)
{
    if (t.tekst.empty() || !Skonczone({t.x, t.y, t.szer, t.wys, t.grub}))
        return;
    if (mozeTT && TekstTT)
        RysujTekstTTProsty(t.tekst, kolor, t.x, t.y, t.wys, t.szer, t.grub, NaStopnie(kat), warstwa);
    else
        RysujTekst(t.tekst, kolor, t.x, t.y, t.wys, t.szer, t.grub, NaStopnie(kat), warstwa);
}

} // namespace

namespace {

// Every redraw writes the same few numbers on every label again; looking a
// text up costs far less than formatting it. The texts are kept by the
// value's bits and the decimal separator, the formatter's only other input.
struct PamiecTekstow {
    char separator = 0;
    std::unordered_map<uint64_t, std::string> teksty;
};

template <typename Formatuj>
const std::string& Zapamietany(PamiecTekstow& pamiec, double v, Formatuj formatuj)
{
    const char separator = SeparatorDziesietny();
    if (separator != pamiec.separator || pamiec.teksty.size() >= 4096) {
        pamiec.teksty.clear();
        pamiec.separator = separator;
    }
    auto [it, nowy] = pamiec.teksty.try_emplace(std::bit_cast<uint64_t>(v));
    if (nowy)
        it->second = formatuj();
    return it->second;
}

} // namespace

std::string TekstPotoku(double v)
{
    thread_local PamiecTekstow pamiec;
    return Zapamietany(pamiec, v, [v] { return FormatFloat("##0.##", v); });
}

std::string TekstProcentu(double v, int32_t dokladnosc)
{
    const int d = std::clamp<int32_t>(dokladnosc, 0, 15);
    thread_local std::array<PamiecTekstow, 16> pamiec;
    return Zapamietany(pamiec[static_cast<std::size_t>(d)], v, [v, d] {
        std::string maska = "0";
        if (d > 0)
            maska.append(1, '.').append(static_cast<std::size_t>(d), '0');
        return FormatFloat(maska, v) + "%";
    });
}

void RysujSume(bool zeroMode, const std::string& naroznik, float x, float y, float e12, float e13, float kat,
               int32_t suma, TKolor kolor, const std::string& warstwa)
{
    if (!zeroMode && suma <= 0)
        return;
    const Naroznik n = CzytajNaroznik(naroznik);
    if (!n.poprawny || !TabelaSkonczona(RozmiaryLegendy))
        return;
    // The sizes are always the global ones; only the offsets follow the node.
    const double H = RozmiaryLegendy[5];
    const double szer = RozmiaryLegendy[4];
    const double grub = RozmiaryLegendy[7];
    const std::string tekst = std::to_string(suma);
    const double w = SzerTekstuWekt(tekst, static_cast<float>(szer));
    const double px = n.lewy ? x + e13 : x - w - e13;
    const double py = n.dolny ? y + e12 : y - 1.2 * H - e12;
    if (!Skonczone({px, py, H, szer, grub, kat}))
        return;
    const PunktXY p = Obroc(x, y, px, py, kat);
    if (!Skonczone({p.X, p.Y}))
        return;
    RysujTekst(tekst, kolor, p.X, p.Y, H, szer, grub, NaStopnie(kat), warstwa);
}

void RysujOpisRelacji(const TRozmiaryLegendy& rozmiary, const std::string& naroznik, float x, float y, float e12,
                      float e13, float kat, float v0, float v1, float v2, float vu, bool f0, bool f1, bool f2,
                      bool zeroMode, bool procenty, bool zeroZawrotki, TKolor kolor, const std::string& warstwa)
{
    const float S = v0 + v1 + v2 + vu;
    if (!(S > 0.0f) && !zeroMode)
        return;
    const Naroznik n = CzytajNaroznik(naroznik);
    if (!n.poprawny || !TabelaSkonczona(rozmiary) || !Skonczone({x, y, e12, e13, kat, S}))
        return;

    const double h = rozmiary[1];
    const double H = rozmiary[5];
    const double dx = e13;
    const double dy = e12;
    const int32_t dokl = rozmiary.DokladnoscProc();
    const float V[3] = {v0, v1, v2};
    const bool F[3] = {f0, f1, f2};

    TekstEtykiety P[3], Vt[3], U, T;
    for (int r = 0; r < 3; ++r) {
        P[r] = {procenty && F[r] && S > 0.0f ? TekstProcentu(V[r] / S * 100.0, dokl) : "", 0, 0, rozmiary[2], h,
                rozmiary[8]};
        Vt[r] = {F[r] ? TekstPotoku(V[r]) : "", 0, 0, rozmiary[0], h, rozmiary[6]};
    }
    std::string tu;
    if (procenty) {
        if (S > 0.0f && (zeroZawrotki || vu > 0.1f))
            tu = TekstPotoku(vu) + "  " + TekstProcentu(vu / S * 100.0, dokl);
    } else if (zeroZawrotki || vu > 0.1f) {
        tu = TekstPotoku(vu);
    }
    U = {tu, 0, 0, rozmiary[3], h, rozmiary[8]};
    T = {TekstPotoku(S), 0, 0, rozmiary[4], H, rozmiary[7]};

    double M = 0.0;
    for (auto* t : {&P[0], &P[1], &P[2], &Vt[0], &Vt[1], &Vt[2], &U, &T})
        t->w = SzerokoscEtykiety(*t);
    for (const auto& p : P)
        M = std::max(M, p.w);

    for (int r = 0; r < 3; ++r) {
        const double yr = 0.3 * h + 1.2 * r * h;
        P[r].x = n.lewy ? 0.2 : -P[r].w - 0.2;
        P[r].y = yr;
        Vt[r].x = n.lewy ? M + 0.5 : -M - Vt[r].w - 0.5;
        Vt[r].y = yr;
    }
    U.x = n.lewy ? -0.2 - U.w : 0.2;
    U.y = n.dolny ? 0.3 * h : 0.3 * h + 1.3 * H;
    T.x = n.lewy ? -0.2 - T.w : 0.2;
    T.y = n.dolny ? 0.3 * h + 1.3 * h : 0.3 * h;

    TekstEtykiety* kolejnosc[] = {&P[0], &P[1], &P[2], &Vt[0], &Vt[1], &Vt[2], &U, &T};
    for (auto* t : kolejnosc) {
        t->x += n.lewy ? dx : -dx;
        t->y += n.dolny ? dy : -(0.6 * h + 3.6 * h) - dy;
        const PunktXY p = Obroc(x, y, x + t->x, y + t->y, kat);
        t->x = p.X;
        t->y = p.Y;
    }
    for (auto* t : kolejnosc)
        RysujTekstEtykiety(*t, kat, kolor, warstwa, true);
}

namespace {

// The four columns of a flow table: left, straight, right, U-turn.
constexpr int Kolumn = 4;
constexpr int Zawrotka = 3;

// What the two tables share, laid out and drawn by one routine; the
// composition table adds its block below.
struct Tabelka {
    const TRozmiaryLegendy* rozmiary = nullptr;
    double x0 = 0.0, y0 = 0.0, e12 = 0.0, e13 = 0.0, kat = 0.0;
    std::array<int32_t, Kolumn> v{};
    std::array<bool, Kolumn> obecna{};
    std::array<std::string, Kolumn> nazwy{};  // the arm each column leads to; the U-turn's is the inlet's own
    bool oznaczenia = false;
    bool procenty = false;
    int32_t dokladnosc = 0;
    TKolor kolor = 0;
    std::string warstwa;
    bool liniePunktami = false;   // the composition table draws its frames from point records
};

// Geometry of the laid-out table, in the table's frame (before turning).
struct UkladTabelki {
    int64_t suma = 0;
    std::array<double, Kolumn> W{};
    std::array<double, Kolumn> lewa{};   // left edge of each column, offsets included
    double sumaW = 0.0;
    int m = 0;
    int p = 0;
    double h = 0.0, H = 0.0, P = 0.0;
};

void Linia(const Tabelka& t, PunktXY a, PunktXY b, double grub = 0.1)
{
    const PunktXY pa = Obroc(t.x0, t.y0, a.X, a.Y, t.kat);
    const PunktXY pb = Obroc(t.x0, t.y0, b.X, b.Y, t.kat);
    if (!Skonczone({pa.X, pa.Y, pb.X, pb.Y}))
        return;
    if (t.liniePunktami)
        RysujLiniePunkty(pa, pb, grub, t.kolor, t.warstwa);
    else
        RysujLinie(t.kolor, t.warstwa, pa.X, pa.Y, pb.X, pb.Y, grub);
}

void Tekst(const Tabelka& t, const std::string& tekst, double x, double y, double wys, double szer, double grub)
{
    if (tekst.empty())
        return;
    const PunktXY p = Obroc(t.x0, t.y0, x, y, t.kat);
    TekstEtykiety e{tekst, p.X, p.Y, szer, wys, grub};
    RysujTekstEtykiety(e, t.kat, t.kolor, t.warstwa, false);
}

UkladTabelki RysujTabelkeGlowna(const Tabelka& t)
{
    const TRozmiaryLegendy& r = *t.rozmiary;
    UkladTabelki u;
    u.h = r[1];
    u.H = r[5];
    u.P = 1.2 * u.h;
    const double e0 = r[0];
    const double e2 = r[2];
    for (int32_t v : t.v)
        u.suma += v;

    const std::string separator(static_cast<std::size_t>(SpacjeEtykiety()), ' ');
    std::array<std::string, Kolumn> oznaczenie, natezenie, procent;
    for (int c = 0; c < Kolumn; ++c) {
        if (!t.obecna[c])
            continue;
        if (t.oznaczenia)
            oznaczenie[c] = t.nazwy[Zawrotka] + separator + t.nazwy[c];
        natezenie[c] = std::to_string(t.v[c]);
        if (t.procenty && u.suma > 0)
            procent[c] = TekstProcentu(static_cast<double>(t.v[c]) / static_cast<double>(u.suma) * 100.0,
                                       t.dokladnosc);
    }
    std::array<double, Kolumn> wOzn{}, wNat{}, wProc{};
    double lewa = t.x0;
    for (int c = 0; c < Kolumn; ++c) {
        wOzn[c] = SzerTekstuWekt(oznaczenie[c], static_cast<float>(e0));
        wNat[c] = SzerTekstuWekt(natezenie[c], static_cast<float>(e0));
        wProc[c] = SzerTekstuWekt(procent[c], static_cast<float>(e2));
        u.W[c] = t.obecna[c] ? MaxZ3(wOzn[c], wNat[c], wProc[c]) + 0.4 : 0.0;
        u.lewa[c] = lewa + t.e12;
        lewa += u.W[c];
        u.sumaW += u.W[c];
    }
    u.m = t.oznaczenia ? 1 : 0;
    u.p = t.procenty ? 1 : 0;

    const double gora = t.y0 + t.e13;
    // Cell bottoms of the designation, volume and percentage rows.
    const double dolOzn = gora - u.m * u.P;
    const double dolNat = gora - (u.m + 1) * u.P;
    const double dolProc = gora - (u.m + 2) * u.P;

    // Direction arrows above the columns, pointing the way out of the inlet.
    const double wys = u.h;
    for (int c = 0; c < Kolumn; ++c) {
        if (!t.obecna[c])
            continue;
        const PunktXY s = Obroc(t.x0, t.y0, u.lewa[c] + u.W[c] / 2.0, gora + 0.1, t.kat);
        if (!Skonczone({s.X, s.Y, t.kat}))
            continue;
        const float kat = static_cast<float>(t.kat);
        switch (c) {
        case 0:
            RysujStrzalkeSkret(t.kolor, t.kolor, s.X, s.Y, -1.2 * e0, wys, kat, 0, 0.1f, t.warstwa);
            break;
        case 1:
            RysujStrzalke(t.kolor, t.kolor, s.X, s.Y, 1.2 * e0, wys, kat, 0, 0.1f, t.warstwa);
            break;
        case 2:
            RysujStrzalkeSkret(t.kolor, t.kolor, s.X, s.Y, 1.2 * e0, wys, kat, 0, 0.1f, t.warstwa);
            break;
        default:
            RysujStrzalkeZawracania(t.kolor, t.kolor, s.X, s.Y, 1.2 * e0, wys, kat, 0, 0.1f, t.warstwa);
            break;
        }
    }
    // The small arrow right after the inlet's own designation.
    if (t.oznaczenia) {
        const double wWlasna = SzerTekstuWekt(t.nazwy[Zawrotka], static_cast<float>(e0));
        for (int c = 0; c < Kolumn; ++c) {
            if (!t.obecna[c])
                continue;
            const PunktXY s = Obroc(t.x0, t.y0, u.lewa[c] + 0.1 + wWlasna, dolOzn, t.kat);
            if (Skonczone({s.X, s.Y, t.kat}))
                RysujStrzalkeBoczna(t.kolor, t.kolor, s.X, s.Y, e0, wys, static_cast<float>(t.kat), 0, 0.1f,
                                    t.warstwa);
        }
    }

    // Texts, row by row.
    if (t.oznaczenia)
        for (int c = 0; c < Kolumn; ++c)
            Tekst(t, oznaczenie[c], u.lewa[c] + 0.1, dolOzn, u.h, e0, 0.0);
    for (int c = 0; c < Kolumn; ++c)
        Tekst(t, natezenie[c], u.lewa[c] + (u.W[c] - wNat[c]) / 2.0, dolNat, u.h, e0, 0.0);
    if (t.procenty)
        for (int c = 0; c < Kolumn; ++c)
            Tekst(t, procent[c], u.lewa[c] + 0.1, dolProc, u.h, e2, 0.0);

    // Cell frames of the shown rows, all four columns.
    std::array<std::pair<double, double>, 3> wiersze{};
    int wierszy = 0;
    if (t.oznaczenia)
        wiersze[wierszy++] = {gora, dolOzn};
    wiersze[wierszy++] = {dolOzn, dolNat};
    if (t.procenty)
        wiersze[wierszy++] = {dolNat, dolProc};
    for (int w = 0; w < wierszy; ++w) {
        const auto [g, d] = wiersze[w];
        for (int c = 0; c < Kolumn; ++c) {
            const double l = u.lewa[c];
            const double p = l + u.W[c];
            Linia(t, {l, g}, {p, g});
            Linia(t, {p, g}, {p, d});
            Linia(t, {p, d}, {l, d});
            Linia(t, {l, d}, {l, g});
        }
    }
    return u;
}

// The total cell below the table (or below the composition block).
void RysujKomorkeSumy(const Tabelka& t, const UkladTabelki& u, double gora)
{
    const TRozmiaryLegendy& r = *t.rozmiary;
    const double lewa = t.x0 + t.e12;
    const double prawa = lewa + u.sumaW;
    const double dol = gora - 1.2 * u.H;
    const std::string tekst = std::to_string(u.suma);
    const double w = SzerTekstuWekt(tekst, r[4]);
    Tekst(t, tekst, lewa + (u.sumaW - w) / 2.0, dol, u.H, r[4], r[7]);
    Linia(t, {prawa, gora}, {prawa, dol});
    Linia(t, {prawa, dol}, {lewa, dol});
    Linia(t, {lewa, dol}, {lewa, gora});
}

bool RysowacTabelke(const std::array<int32_t, Kolumn>& v, bool zeroMode)
{
    int64_t suma = 0;
    for (int32_t x : v)
        suma += x;
    return suma > 0 || zeroMode;
}

// Fills what both tables take alike from their arguments; false when the
// table is not drawn (no traffic and zero volumes not drawn, or a value that
// is no number).
bool UstawTabelke(Tabelka& t, const std::array<int32_t, Kolumn>& v, bool zeroMode,
                  const TRozmiaryLegendy& rozmiary, float x, float y, float e12, float e13, float kat,
                  const std::array<std::string, Kolumn>& nazwy, bool oznaczenia, bool procenty,
                  int32_t dokladnosc, TKolor kolor, const std::string& warstwa)
{
    if (!RysowacTabelke(v, zeroMode) || !TabelaSkonczona(rozmiary) || !Skonczone({x, y, e12, e13, kat}))
        return false;
    t.v = v;
    t.rozmiary = &rozmiary;
    t.x0 = x;
    t.y0 = y;
    t.e12 = e12;
    t.e13 = e13;
    t.kat = kat;
    t.nazwy = nazwy;
    t.oznaczenia = oznaczenia;
    t.procenty = procenty;
    t.dokladnosc = dokladnosc;
    t.kolor = kolor;
    t.warstwa = warstwa;
    return true;
}

} // namespace

void RysujTabelke(const TRozmiaryLegendy& rozmiary, int32_t vLewo, float x, float y, float e12, float e13, float kat,
                  int32_t vProsto, int32_t vPrawo, int32_t vZawrotka, bool fLewo, bool fProsto, bool fPrawo,
                  bool zeroMode, const std::string& nazwaLewo, const std::string& nazwaProsto,
                  const std::string& nazwaPrawo, const std::string& nazwaWlasna, bool oznaczenia, bool procenty,
                  bool zeroZawrotki, int32_t dokladnosc, TKolor kolor, const std::string& warstwa)
{
    Tabelka t;
    if (!UstawTabelke(t, {vLewo, vProsto, vPrawo, vZawrotka}, zeroMode, rozmiary, x, y, e12, e13, kat,
                      {nazwaLewo, nazwaProsto, nazwaPrawo, nazwaWlasna}, oznaczenia, procenty, dokladnosc, kolor,
                      warstwa))
        return;
    t.obecna = {fLewo, fProsto, fPrawo, zeroZawrotki || vZawrotka > 0};
    const UkladTabelki u = RysujTabelkeGlowna(t);
    RysujKomorkeSumy(t, u, y + e13 - (1 + u.m + u.p) * u.P);
}

void RysujTabelkeStruktury(const TRozmiaryLegendy& rozmiary, const BlokStruktury& vLewo, float x, float y, float e12,
                           float e13, float kat, const BlokStruktury& vProsto, const BlokStruktury& vPrawo,
                           const BlokStruktury& vZawrotka, bool fLewo, bool fProsto, bool fPrawo, bool zeroMode,
                           const std::string& nazwaLewo, const std::string& nazwaProsto,
                           const std::string& nazwaPrawo, const std::string& nazwaWlasna, bool oznaczenia,
                           bool procenty, bool zeroZawrotki, bool piszSume, bool piszStruk, bool piszZeraStruk,
                           int32_t dokladnosc, TKolor kolor, const std::string& warstwa)
{
    std::array<BlokStruktury, Kolumn> bloki = {vLewo, vProsto, vPrawo, vZawrotka};
    Tabelka t;
    if (!UstawTabelke(t, {vLewo[0], vProsto[0], vPrawo[0], vZawrotka[0]}, zeroMode, rozmiary, x, y, e12, e13, kat,
                      {nazwaLewo, nazwaProsto, nazwaPrawo, nazwaWlasna}, oznaczenia, procenty, dokladnosc, kolor,
                      warstwa))
        return;
    // A turning column without traffic is left out unless zero volumes are drawn.
    const std::array<bool, 3> f = {fLewo, fProsto, fPrawo};
    for (int c = 0; c < 3; ++c)
        t.obecna[c] = f[c] && (zeroMode || t.v[c] != 0);
    t.obecna[Zawrotka] = zeroZawrotki || vZawrotka[0] > 0;
    t.liniePunktami = true;
    const UkladTabelki u = RysujTabelkeGlowna(t);

    // The vehicle types, without those that none of the three turning
    // columns carries when zero figures are not written.
    std::array<DaneSklad, RozmiarSkladu> typy = Sklad;
    int n = std::clamp<int32_t>(LiczbaSkladow, 0, ElementowStruktury - 1);
    if (!piszZeraStruk) {
        for (int i = n; i >= 1; --i) {
            if (static_cast<int64_t>(bloki[0][i]) + bloki[1][i] + bloki[2][i] != 0)
                continue;
            for (int j = i; j < ElementowStruktury - 1; ++j) {
                for (auto& b : bloki)
                    b[j] = b[j + 1];
                typy[j] = typy[j + 1];
            }
            --n;
        }
    }

    const double gora = y + e13 - (1 + u.m + u.p) * u.P;
    if (piszStruk && n > 0) {
        const double e0 = rozmiary[0];
        const double P = u.P;
        const double xL = x + e12;
        const double Wx = MaxZ3(u.W[0], u.W[1], u.W[2]);
        const double xP = xL + u.sumaW + Wx;
        const double dol = gora - n * P;
        const PunktXY LG{xL, gora}, PG{xP, gora}, LD{xL, dol}, PD{xP, dol};
        Linia(t, LG, PG);
        Linia(t, PG, PD);
        Linia(t, PD, LD);
        Linia(t, LD, LG);
        for (int i = 1; i < n; ++i)
            Linia(t, PunktPodzialu(i, n, LG, LD), PunktPodzialu(i, n, PG, PD));
        double kumul = 0.0;
        for (int c = 0; c < Kolumn; ++c) {
            kumul += u.W[c];
            if (t.obecna[c])
                Linia(t, PunktWOdleglosci(LG, PG, kumul), PunktWOdleglosci(LD, PD, kumul));
        }
        // The code column to the left of the block.
        const double xK = xL - P;
        Linia(t, {xK, gora}, {xL, gora});
        Linia(t, {xK, gora}, {xK, dol});
        Linia(t, {xK, dol}, {xL, dol});
        for (int i = 1; i < n; ++i)
            Linia(t, {xK, gora - i * P}, {xL, gora - i * P});

        for (int i = 1; i <= n; ++i) {
            const double yi = gora - i * P;
            const std::string kod = typy[i].Oznaczenie.str();
            const double wk = SzerTekstuWekt(kod, static_cast<float>(e0));
            Tekst(t, kod, xK + 0.5 * P - 0.5 * wk, yi, u.h, e0, 0.0);
            for (int c = 0; c < Kolumn; ++c) {
                if (!t.obecna[c])
                    continue;
                const std::string tekst = std::to_string(bloki[c][i]);
                const double w = SzerTekstuWekt(tekst, static_cast<float>(e0));
                Tekst(t, tekst, u.lewa[c] + 0.5 * u.W[c] - 0.5 * w, yi, 0.75 * u.h, 0.75 * e0, 0.0);
            }
            const std::string suma =
                std::to_string(static_cast<int64_t>(bloki[0][i]) + bloki[1][i] + bloki[2][i]);
            const double w = SzerTekstuWekt(suma, static_cast<float>(e0));
            Tekst(t, suma, xL + u.sumaW + 0.5 * Wx - 0.5 * w, yi, u.h, e0, rozmiary[7]);
        }
    }
    if (piszSume)
        RysujKomorkeSumy(t, u, piszStruk ? gora - n * u.P : gora);
}
