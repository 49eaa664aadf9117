#include "drawing/Tekst.h"

#include <QImage>
#include <bit>
#include <cmath>
#include <numbers>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <span>
#include <vector>

#include "base/Geometria.h"
#include "drawing/Wyjscie.h"
#include "model/Ustawienia.h"
#include "platform/KatalogProgramu.h"
#include "base/Kodowanie.h"
#include "platform/qt/Plotno.h"

TablicaZnakow Czcionka;
TablicaZnakow CzcionkaGrecka;

namespace {
// The project reader (model code, which draws nothing) loads the stroke font
// that a project names through this hook; it is in place whenever the
// drawing code is part of the program.
[[maybe_unused]] const bool czcionkaDlaModelu = [] {
    WczytajCzcionkeRysunku = [](const std::string& sciezka) { return WczytajCzcionke(sciezka, Czcionka).empty(); };
    return true;
}();
}  // namespace

namespace {

int32_t Int32LE(const unsigned char* b)
{
    return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
}

float SingleLE(const unsigned char* b)
{
    uint32_t bity = static_cast<uint32_t>(Int32LE(b));
    float f;
    std::memcpy(&f, &bity, sizeof f);
    return f;
}

const DaneZnak& Znak(char c) { return Czcionka[static_cast<unsigned char>(c)]; }

bool pomijajZnakiJednegoPiksela = true;

struct PudelkoZnaku {
    double x0, y0, x1, y1;
};
PudelkoZnaku Pudelko(const DaneZnak& z, int n)
{
    uint8_t x0 = 255, y0 = 255, x1 = 0, y1 = 0;
    for (int k = 0; k < n; ++k) {
        x0 = std::min({x0, z.KreskaX1[k], z.KreskaX2[k]});
        x1 = std::max({x1, z.KreskaX1[k], z.KreskaX2[k]});
        y0 = std::min({y0, z.KreskaY1[k], z.KreskaY2[k]});
        y1 = std::max({y1, z.KreskaY1[k], z.KreskaY2[k]});
    }
    return {double(x0), double(y0), double(x1), double(y1)};
}

// A text whose glyphs span a few pixels at most, at a place the pixel
// conversion takes as it is: its glyphs may fall on one pixel each.
bool DrobnyTekst(double px, double py, double cx, double cy, double ux, double uy)
{
    constexpr double granica = 1.0e9;
    auto wGranicy = [](double v) { return std::fabs(v) < granica; };
    return std::fabs(ux) * 255.0 < 4.0 && std::fabs(uy) * 255.0 < 4.0 && wGranicy(px) && wGranicy(py) &&
           wGranicy(cx) && wGranicy(cy);
}

// Strokes of a text on one canvas. (px, py) is the anchor in pixels, (cx, cy)
// the first glyph's origin, ux and uy pixels per glyph unit.
void Kreski(Plotno& p, const std::string& tekst, double px, double py, double cx, double cy, double ux, double uy,
            double kat)
{
    const double theta = (kat + 90.0) * 0.0174532 - std::numbers::pi / 2.0;
    // The texts of a drawing share few angles: the last one's sine and
    // cosine are kept.
    thread_local uint64_t ostatniKat = std::bit_cast<uint64_t>(0.0);
    thread_local double c = 1.0, s = 0.0;
    if (std::bit_cast<uint64_t>(theta) != ostatniKat) {
        ostatniKat = std::bit_cast<uint64_t>(theta);
        c = std::cos(theta);
        s = std::sin(theta);
    }
    auto punkt = [&](double gx, double gy) {
        const double ox = cx + gx * ux - px;
        const double oy = cy + gy * uy - py;
        return PunktInt{NaPiksele(px + (ox * c - oy * s)), NaPiksele(py - (ox * s + oy * c))};
    };
    // All strokes of the text go to the canvas in one call: a label has
    // dozens of them and one call per stroke costs more than the stroke.
    thread_local std::vector<PunktInt> konce;
    std::size_t kresek = 0;
    for (char znak : tekst) kresek += static_cast<std::size_t>(std::clamp<int32_t>(Znak(znak).LiczbaKresek, 0, MaksKresek));
    if (konce.size() < 2 * kresek) konce.resize(2 * kresek);
    PunktInt* w = konce.data();
    const bool drobny = pomijajZnakiJednegoPiksela && DrobnyTekst(px, py, cx, cy, ux, uy);
    for (char znak : tekst) {
        const DaneZnak& z = Znak(znak);
        const int n = std::clamp<int32_t>(z.LiczbaKresek, 0, MaksKresek);
        if (drobny && n > 0) {
            // Every point of the glyph is worked out by the same steps, each
            // of which never reverses the order of its inputs, so all of them
            // lie between the pixels of its box's corners. Corners on one
            // pixel leave strokes of no length, which draw nothing; one such
            // stroke keeps the pen's end where the glyph leaves it.
            const PudelkoZnaku b = Pudelko(z, n);
            const PunktInt piksel = punkt(b.x0, b.y0);
            if (piksel == punkt(b.x1, b.y0) && piksel == punkt(b.x0, b.y1) && piksel == punkt(b.x1, b.y1)) {
                *w++ = piksel;
                *w++ = piksel;
                cx += z.Szerokosc * ux;
                continue;
            }
        }
        PunktInt koniec{};
        for (int k = 0; k < n; ++k) {
            // A glyph's strokes mostly run on from the end of the one before.
            const bool ciag = k > 0 && z.KreskaX1[k] == z.KreskaX2[k - 1] && z.KreskaY1[k] == z.KreskaY2[k - 1];
            *w++ = ciag ? koniec : punkt(z.KreskaX1[k], z.KreskaY1[k]);
            koniec = punkt(z.KreskaX2[k], z.KreskaY2[k]);
            *w++ = koniec;
        }
        cx += z.Szerokosc * ux;
    }
    p.Odcinki(std::span<const PunktInt>(konce.data(), w));
}

// The canvas that measures TrueType texts when no bitmap is attached.
Plotno& PlotnoPomiaru()
{
    if (Plotno* p = PlotnoEkranu()) return *p;
    // Made once per thread and never destroyed: a static destructor would
    // run after the Qt application is gone.
    thread_local PlotnoQt* plotno = new PlotnoQt(new QImage(1, 1, QImage::Format_RGB32));
    return *plotno;
}

}  // namespace

void PomijajZnakiJednegoPiksela(bool pomijaj) { pomijajZnakiJednegoPiksela = pomijaj; }

int WysokoscTTEkran(double wysokosc) { return NaPiksele(wysokosc * 1200.0 / Skala); }

double KomorkaTTEkran(double wysokosc) { return wysokosc * KomorkaTT * 1000.0 / Skala; }

std::string WczytajCzcionke(const std::string& sciezka, TablicaZnakow& tablica)
{
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik) return Utf8NaCp1250("Nie można otworzyć pliku czcionki ") + SciezkaWTekscie(sciezka) + ".";
    constexpr std::size_t rozmiar = 256 * RozmiarRekorduZnaku;
    std::vector<unsigned char> dane(rozmiar);
    plik.read(reinterpret_cast<char*>(dane.data()), static_cast<std::streamsize>(rozmiar));
    if (static_cast<std::size_t>(plik.gcount()) < rozmiar)
        return Utf8NaCp1250("Plik czcionki ") + SciezkaWTekscie(sciezka) + Utf8NaCp1250(" jest za krótki.");

    auto nowa = std::make_unique<TablicaZnakow>();
    for (int k = 0; k < 256; ++k) {
        const unsigned char* r = dane.data() + k * RozmiarRekorduZnaku;
        DaneZnak& z = (*nowa)[k];
        z.LiczbaKresek = Int32LE(r);
        if (z.LiczbaKresek < 0 || z.LiczbaKresek > MaksKresek)
            return Utf8NaCp1250("Plik czcionki ") + SciezkaWTekscie(sciezka) + Utf8NaCp1250(" jest uszkodzony (znak ") +
                   std::to_string(k) + Utf8NaCp1250(": liczba kresek ") + std::to_string(z.LiczbaKresek) + ").";
        z.Szerokosc = SingleLE(r + 4);
        std::memcpy(z.KreskaX1.data(), r + 8, MaksKresek);
        std::memcpy(z.KreskaY1.data(), r + 158, MaksKresek);
        std::memcpy(z.KreskaX2.data(), r + 308, MaksKresek);
        std::memcpy(z.KreskaY2.data(), r + 458, MaksKresek);
    }
    tablica = *nowa;
    return {};
}

void RysujTekstWektEkran(const std::string& tekst, float szerokoscZnaku, float wysokosc, float px, float py,
                         float kat)
{
    Plotno* p = PlotnoEkranu();
    if (!p) return;
    const double ux = 12.0 / Skala * szerokoscZnaku;
    const double uy = 12.0 / Skala * wysokosc;
    Kreski(*p, tekst, px, py, std::trunc(px), std::trunc(py), ux, uy, kat);
}

void RysujTekstWektDruk(const std::string& tekst, double w, double h, double px, double py, double kat)
{
    Plotno* p = PlotnoDrukarki();
    if (!p) return;
    const double ux = 2.54 * w / 300.0 * 1.4;
    const double uy = 2.54 * h / 300.0 * 1.4;
    Kreski(*p, tekst, px, py, std::trunc(px) + 2, std::trunc(py) + 1, ux, uy, kat);
}

PunktXY WstawienieTekstuDxf(double x, double y, double wysokosc, double kat)
{
    const double a = NaRadiany(kat);
    return {x - 0.2 * wysokosc * std::sin(a), y + 0.2 * wysokosc * std::cos(a)};
}

void RysujTekst(const std::string& tekst, TKolor kolor, double x, double y, double wysokosc, double szerokoscZnaku,
                double gruboscPiora, double kat, const std::string& warstwa)
{
    TekstRysunku t{tekst, kolor, x, y, wysokosc, szerokoscZnaku, gruboscPiora, kat};
    for (Wyjscie* w : Aktywne())
        w->Tekst(t, warstwa);
}

void RysujTekstTT(const std::string& tekst, TKolor kolor, double x, double y, double wysokosc,
                  const std::string& warstwa)
{
    for (Wyjscie* w : Aktywne())
        w->TekstTT(tekst, kolor, x, y, wysokosc, warstwa);
}

void RysujTekstTTWyrownany(const std::string& tekst, TKolor kolor, double x, double y, double wysokosc,
                           char wyrownanie, const std::string& warstwa)
{
    if (wyrownanie != 'L') {
        const double szer = SzerTekstuTT(tekst, wysokosc);
        x -= wyrownanie == 'P' ? szer : szer / 2.0;
    }
    RysujTekstTT(tekst, kolor, x, y, wysokosc, warstwa);
}

void RysujTekstTTProsty(const std::string& tekst, TKolor kolor, double x, double y, double wysokosc,
                        double szerokoscZnaku, double gruboscPiora, double kat, const std::string& warstwa)
{
    const TekstRysunku t{tekst, kolor, x, y, wysokosc, szerokoscZnaku, gruboscPiora, kat};
    bool kreskami = false;
    for (Wyjscie* w : Aktywne())
        kreskami = !w->TekstTTEtykiety(t) || kreskami;
    // Too small to read on the screen: the stroke font, on every output.
    if (kreskami)
        RysujTekst(tekst, kolor, x, y, wysokosc, szerokoscZnaku, gruboscPiora, kat, warstwa);
}

float SzerTekstuWekt(const std::string& tekst, float rozmiar)
{
    float suma = 0.0f;
    for (char c : tekst) suma += static_cast<float>(rozmiar * Znak(c).Szerokosc * 0.012);
    return suma;
}

float SzerTekstuWekt(const std::string& tekst, float /*wysokosc*/, float szerokoscZnaku)
{
    return SzerTekstuWekt(tekst, szerokoscZnaku);
}

float SzerTekstuTT(const std::string& tekst, double wysokosc)
{
    // Measured at a printer's fine resolution whatever the zoom: whole
    // pixels of the screen would make the layout change with the zoom.
    constexpr double pikseliNaCm = 1200.0 / 2.54;
    Plotno& p = PlotnoPomiaru();
    p.UstawKrojCzcionki(KrojTT);
    p.UstawWysokoscCzcionkiDokladnie(wysokosc * KomorkaTT * pikseliNaCm);
    return static_cast<float>(p.SzerokoscTekstu(tekst) / pikseliNaCm);
}
