// The sketch of one inlet's movements and the table's movement columns.
#include "counts/SchematWlotu.h"

#include <cmath>

#include "base/Geometria.h"

namespace {

constexpr double Pi = 3.141592653589793;

struct PunktD {
    double x, y;
};
// Outlines pointing along +y, in pixels before scaling.
const std::vector<PunktD> StrzalkaSkretu = {{-30, 0}, {-30, 70}, {0, 70}, {0, 82}, {35, 65},
                                           {0, 48},   {0, 60},   {-20, 60}, {-20, 0}};
const std::vector<PunktD> StrzalkaZawrotki = {{5, 0},   {5, 80},   {-50, 80}, {-50, 50}, {-60, 50}, {-45, 20},
                                             {-30, 50}, {-40, 50}, {-40, 70}, {-5, 70},  {-5, 0}};
const std::vector<PunktD> StrzalkaProsto = {{-5, 0}, {-4.9, 60}, {-20, 60}, {0, 100}, {20, 60}, {5, 60}, {5, 0}};

int32_t Zaokr(double x) { return static_cast<int32_t>(std::nearbyint(x)); }

ElementSchematu Strzalka(const std::vector<PunktD>& wzor, PunktInt kotwica, double kat, double sx, double sy,
                         TKolor kolor, bool wypelniona)
{
    ElementSchematu e;
    e.kolor = kolor;
    e.wypelniony = wypelniona;
    for (const PunktD& p : wzor)
        e.punkty.push_back(ObrocPunktInt(kotwica.X, kotwica.Y, kotwica.X + Zaokr(p.x * sx), kotwica.Y + Zaokr(p.y * sy),
                                         static_cast<float>(kat)));
    return e;
}

int Wylot(int e) { return e > 4 ? e - 4 : e; }

}  // namespace

std::vector<KolumnaWlotu> KolumnyWlotu(const DanePomiar& p, int w)
{
    std::vector<KolumnaWlotu> k;
    if (w < 1 || w > WlotowPomiaru)
        return k;
    if (p.TypWezla.str() == "R01") {
        for (int d = 1; d <= 4; ++d) {
            const int e = w + d > 5 ? w + d - 5 : w + d;
            if (e <= p.MaxJest)
                k.push_back({std::to_string(w) + "->" + std::to_string(e), e});
        }
        if (p.RysujZawrotki)
            k.push_back({std::to_string(w) + "->" + std::to_string(w), w});
        return k;
    }
    if (w > 4 || !p.WlotJest[static_cast<std::size_t>(w - 1)])
        return k;
    const std::pair<const char*, int> ruchy[] = {{" LS", Wylot(w + 3)}, {" WP", Wylot(w + 2)}, {" PS", Wylot(w + 1)}};
    for (const auto& [naglowek, e] : ruchy)
        if (p.WlotJest[static_cast<std::size_t>(e - 1)])
            k.push_back({naglowek, e});
    if (p.RysujZawrotki)
        k.push_back({" Zw", w});
    return k;
}

std::vector<ElementSchematu> SchematWlotu(const DanePomiar& p, int w, int W, int H)
{
    std::vector<ElementSchematu> s;
    const PunktInt srodek{W / 2, H / 2};
    if (p.TypWezla.str() != "R01") {
        const auto kolumny = KolumnyWlotu(p, w);
        const int n = static_cast<int>(kolumny.size());
        const double a = 2 * Pi - w * Pi / 2;
        const TKolor szary = KolorRGB(128, 128, 128);
        for (int k = 0; k < n; ++k) {
            // A single movement stands in the middle.
            const int x = W / 2 - (n > 1 ? 75 - Zaokr(k * 150.0 / (n - 1)) : 0);
            const PunktInt kotwica = ObrocPunktInt(srodek.X, srodek.Y, x, Zaokr(0.98 * H), static_cast<float>(a));
            const std::string& r = kolumny[static_cast<std::size_t>(k)].naglowek;
            if (r == " LS")
                s.push_back(Strzalka(StrzalkaSkretu, kotwica, a - Pi, 0.7, 0.7, szary, true));
            else if (r == " WP")
                s.push_back(Strzalka(StrzalkaProsto, kotwica, a - Pi, 0.7, 0.7, szary, true));
            else if (r == " PS")
                s.push_back(Strzalka(StrzalkaSkretu, kotwica, a - Pi, -0.7, 0.7, szary, true));
            else
                s.push_back(Strzalka(StrzalkaZawrotki, kotwica, a - Pi, 0.7, 0.7, szary, true));
        }
        return s;
    }
    ElementSchematu kolo;
    kolo.rodzaj = ElementSchematu::Rodzaj::Kolo;
    kolo.srodek = srodek;
    kolo.promien = 60;
    kolo.kolor = KolorRGB(128, 128, 128);
    s.push_back(kolo);
    kolo.promien = 50;
    kolo.kolor = KolorTlaSchematu;
    s.push_back(kolo);
    const double katy[] = {-Pi / 2, Pi, Pi / 2, p.MaxJest == 5 ? Pi / 4 : 0.0, -Pi / 4};
    const TKolor czerwony = KolorRGB(255, 0, 0);
    for (int i = 1; i <= std::min(p.MaxJest, WlotowPomiaru); ++i) {
        const double kat = katy[i - 1];
        ElementSchematu numer;
        numer.rodzaj = ElementSchematu::Rodzaj::Tekst;
        numer.tekst = std::to_string(i);
        numer.srodek = ObrocPunktInt(srodek.X, srodek.Y, srodek.X, srodek.Y + 72, static_cast<float>(kat));
        s.push_back(numer);
        const bool pokazany = i == w;
        const PunktInt kotwica = ObrocPunktInt(srodek.X, srodek.Y, srodek.X, Zaokr((pokazany ? 0.98 : 0.82) * H),
                                               static_cast<float>(kat));
        s.push_back(Strzalka(StrzalkaProsto, kotwica, pokazany ? kat - Pi : kat, 0.5, 0.3, czerwony, pokazany));
    }
    return s;
}
