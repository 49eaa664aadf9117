#include "drawing/Symbole.h"

#include <array>
#include <cmath>
#include <numbers>
#include <span>
#include <vector>

#include "base/Geometria.h"
#include "drawing/Rysowanie.h"
#include "drawing/Tekst.h"
#include "model/Ustawienia.h"
#include "platform/qt/Plotno.h"

namespace {

constexpr std::array<PunktXY, 7> StrzalkaProsta{{
    {-0.06, 0}, {-0.06, 0.6}, {-0.2, 0.6}, {0, 1.0}, {0.2, 0.6}, {0.06, 0.6}, {0.06, 0},
}};
constexpr std::array<PunktXY, 9> StrzalkaSkret{{
    {-0.3, 0}, {-0.3, 0.7}, {0, 0.7}, {0, 0.82}, {0.35, 0.65}, {0, 0.48}, {0, 0.6}, {-0.2, 0.6}, {-0.2, 0},
}};
constexpr std::array<PunktXY, 11> StrzalkaZawracania{{
    {0.3, 0}, {0.3, 0.8}, {-0.25, 0.8}, {-0.25, 0.5}, {-0.35, 0.5}, {-0.2, 0.2},
    {-0.05, 0.5}, {-0.15, 0.5}, {-0.15, 0.7}, {0.2, 0.7}, {0.2, 0},
}};
constexpr std::array<PunktXY, 6> StrzalkaBoczna{{
    {0.15, 0.6}, {0.5, 0.6}, {0.5, 0.75}, {0.8, 0.6}, {0.5, 0.45}, {0.5, 0.6},
}};

// A local point of a symbol centred on c, turned about c.
PunktXY NaArkusz(PunktXY c, double lx, double ly, double kat)
{
    return ObrocPunkt(c.X, c.Y, c.X + lx, c.Y + ly, static_cast<float>(kat));
}

void Strzalka(std::span<const PunktXY> wzor, TKolor kolorPiora, TKolor kolorWypelnienia, double x, double y,
              double rozmiarX, double rozmiarY, double kat, float grubosc, const std::string& warstwa)
{
    std::vector<PunktXY> punkty;
    punkty.reserve(wzor.size());
    for (const PunktXY& p : wzor) punkty.push_back(NaArkusz({x, y}, p.X * rozmiarX, p.Y * rozmiarY, kat));
    RysujObrys(punkty, PioroCiagle, kolorPiora, kolorWypelnienia, true, grubosc, warstwa);
}

// Text angle in degrees of the numbers: along local +y.
double KatLiczby(double kat) { return Stopnie(std::numbers::pi / 2.0 + kat); }


// The bar and its two arrows; gives the bar's centre.
PunktXY PasPrzejscia(float x, float y, float odl, float dol, float gora, float kat, float wysokosc, float szer,
                     uint8_t stylPiora, TKolor kolorPiora, TKolor kolorWypelnienia, uint8_t wypelniony, float grubosc,
                     const std::string& warstwa, bool zLiczbami, int32_t n1, int32_t n2, float szerokoscZnaku)
{
    const double a = kat;
    const double przesuniecie = odl - 0.5 * szer;
    const PunktXY c{x + przesuniecie * std::cos(a), y + przesuniecie * std::sin(a)};
    const double pol = szer / 2.0;
    const std::array<PunktXY, 4> pas{NaArkusz(c, -pol, -dol, a), NaArkusz(c, -pol, gora, a),
                                     NaArkusz(c, pol, gora, a), NaArkusz(c, pol, -dol, a)};
    RysujObrys(pas, stylPiora, kolorPiora, kolorWypelnienia, wypelniony != 0, grubosc, warstwa);

    const double grot = 0.5 * wysokosc;
    PunktXY g = NaArkusz(c, 0, gora + grot + 0.1, a);
    RysujStrzalke(kolorPiora, kolorPiora, g.X, g.Y, grot, grot, a + std::numbers::pi, 1, 0.01f, warstwa);
    if (zLiczbami) {
        PunktXY t = NaArkusz(c, grot, gora + grot + 0.2, a);
        RysujTekst(std::to_string(n1), kolorPiora, t.X, t.Y, wysokosc, szerokoscZnaku, grubosc, KatLiczby(a), warstwa);
    }
    PunktXY d = NaArkusz(c, 0, -dol - grot - 0.1, a);
    RysujStrzalke(kolorPiora, kolorPiora, d.X, d.Y, grot, grot, a, 1, 0.01f, warstwa);
    if (zLiczbami) {
        const std::string tekst = std::to_string(n2);
        const double w2 = SzerTekstuWekt(tekst, szerokoscZnaku);
        PunktXY t = NaArkusz(c, grot, -dol - grot - 0.2 - w2, a);
        RysujTekst(tekst, kolorPiora, t.X, t.Y, wysokosc, szerokoscZnaku, grubosc, KatLiczby(a), warstwa);
    }
    return c;
}

void ZnakPrzejscia(PunktXY c, double h, float dol, float gora, float grot, float kat, uint8_t stylPiora,
                   TKolor kolorPiora, TKolor kolorWypelnienia, uint8_t wypelniony, float grubosc,
                   const std::string& warstwa)
{
    const double g = gora, d = dol, e = grot, a = kat;
    const std::array<PunktXY, 10> znak{
        NaArkusz(c, -h, -d, a),    NaArkusz(c, -h, g, a),     NaArkusz(c, -h - e, g, a), NaArkusz(c, 0, g + e, a),
        NaArkusz(c, h + e, g, a),  NaArkusz(c, h, g, a),      NaArkusz(c, h, -d, a),     NaArkusz(c, h + e, -d, a),
        NaArkusz(c, 0, -d - e, a), NaArkusz(c, -h - e, -d, a),
    };
    RysujObrys(znak, stylPiora, kolorPiora, kolorWypelnienia, wypelniony != 0, grubosc, warstwa);
}

}  // namespace

void RysujStrzalke(TKolor kolorPiora, TKolor kolorWypelnienia, double x, double y, double rozmiarX, double rozmiarY,
                   double kat, int32_t /*flaga*/, float grubosc, const std::string& warstwa)
{
    Strzalka(StrzalkaProsta, kolorPiora, kolorWypelnienia, x, y, rozmiarX, rozmiarY, kat, grubosc, warstwa);
}

void RysujStrzalkeSkret(TKolor kolorPiora, TKolor kolorWypelnienia, float x, float y, float rozmiarX, float rozmiarY,
                        float kat, int32_t /*flaga*/, float grubosc, const std::string& warstwa)
{
    Strzalka(StrzalkaSkret, kolorPiora, kolorWypelnienia, x, y, rozmiarX, rozmiarY, kat, grubosc, warstwa);
}

void RysujStrzalkeZawracania(TKolor kolorPiora, TKolor kolorWypelnienia, float x, float y, float rozmiarX,
                             float rozmiarY, float kat, int32_t /*flaga*/, float grubosc, const std::string& warstwa)
{
    Strzalka(StrzalkaZawracania, kolorPiora, kolorWypelnienia, x, y, rozmiarX, rozmiarY, kat, grubosc, warstwa);
}

void RysujStrzalkeBoczna(TKolor kolorPiora, TKolor kolorWypelnienia, float x, float y, float rozmiarX,
                         float rozmiarY, float kat, int32_t /*flaga*/, float grubosc, const std::string& warstwa)
{
    Strzalka(StrzalkaBoczna, kolorPiora, kolorWypelnienia, x, y, rozmiarX, rozmiarY, kat, grubosc, warstwa);
}

void RysujPrzejscieZLiczbami(int32_t n1, int32_t n2, float x, float y, float odl, float dol, float gora, float kat,
                             float szerokoscZnaku, float wysokosc, uint8_t stylPiora, TKolor kolorPiora,
                             TKolor kolorWypelnienia, uint8_t wypelniony, float grubosc, const std::string& warstwa,
                             uint8_t rysuj0)
{
    if (!rysuj0 && n1 + n2 <= 0) return;
    const float szer = static_cast<float>((n1 + n2) * 0.5 * wg.SkalaPrzejsc);
    PasPrzejscia(x, y, odl, dol, gora, kat, wysokosc, szer, stylPiora, kolorPiora, kolorWypelnienia, wypelniony,
                 grubosc, warstwa, true, n1, n2, szerokoscZnaku);
}

void RysujPrzejscieStrzalki(uint8_t stylPiora, TKolor kolorPiora, float x, float y, float odl, float dol, float gora,
                            float kat, float /*szerokoscZnaku*/, float wysokosc, float szer, TKolor kolorWypelnienia,
                            uint8_t wypelniony, float grubosc, const std::string& warstwa)
{
    PasPrzejscia(x, y, odl, dol, gora, kat, wysokosc, szer, stylPiora, kolorPiora, kolorWypelnienia, wypelniony,
                 grubosc, warstwa, false, 0, 0, 0.0f);
}

void RysujZnakPrzejsciaZLiczba(int32_t n, uint8_t stylPiora, float x, float y, float odl, float dol, float gora,
                               float grot, float kat, float szerokoscZnaku, float wysokosc, TKolor kolorPiora,
                               TKolor kolorWypelnienia, uint8_t wypelniony, float grubosc, const std::string& warstwa,
                               uint8_t rysuj0)
{
    if (!rysuj0 && n <= 0) return;
    const double h = n * 0.5 * wg.SkalaPrzejsc;
    const double przesuniecie = odl - 0.5 * h;
    const PunktXY c{x + przesuniecie * std::cos(kat), y + przesuniecie * std::sin(kat)};
    ZnakPrzejscia(c, h, dol, gora, grot, kat, stylPiora, kolorPiora, kolorWypelnienia, wypelniony, grubosc, warstwa);
    PunktXY t = NaArkusz(c, 0.7 * wysokosc, gora + 0.3, kat);
    RysujTekst(std::to_string(n), kolorPiora, t.X, t.Y, wysokosc, szerokoscZnaku, grubosc, KatLiczby(kat), warstwa);
}

void RysujZnakPrzejscia(uint8_t stylPiora, TKolor kolorPiora, float x, float y, float dol, float gora, float szer,
                        float grot, float kat, TKolor kolorWypelnienia, uint8_t wypelniony, float grubosc,
                        const std::string& warstwa)
{
    ZnakPrzejscia({x, y}, 0.5 * szer, dol, gora, grot, kat, stylPiora, kolorPiora, kolorWypelnienia, wypelniony,
                  grubosc, warstwa);
}
