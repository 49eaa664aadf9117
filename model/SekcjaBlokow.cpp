// The blocks section " Bloki" (bv1): definitions, command lines, placed blocks.
#include <cmath>
#include <cstdint>

#include "base/Teksty.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {

constexpr std::size_t Prefiks = 15;
constexpr int LiniiDefinicji = 7;
constexpr int LiniiWstawienia = 7;

// A date or time of the file; a malformed one ends the load naming the line.
template <typename Konwersja>
TDataCzas CzytajCzas(CzytnikProjektu& c, Konwersja konwersja)
{
    const std::string tekst = c.ZaPrefiksem(Prefiks);
    try {
        return konwersja(tekst);
    } catch (const BladKonwersji& e) {
        c.Blad(e.komunikat);
    }
}

int32_t CzytajCalkowitaZaPrefiksem(CzytnikProjektu& c)
{
    const std::string tekst = c.ZaPrefiksem(Prefiks);
    int64_t x = 0;
    if (!SprobujTekstNaCalkowita(tekst, x) || x < INT32_MIN || x > INT32_MAX)
        c.Blad("\"" + tekst.substr(0, 40) + "\" nie jest liczb\xB9 ca\xB3kowit\xB9.");
    return static_cast<int32_t>(x);
}

// A number within its limit, as the block window takes it.
float CzytajLiczbeZaPrefiksem(CzytnikProjektu& c, const GranicaPola& g)
{
    const std::string tekst = c.ZaPrefiksem(Prefiks);
    double x = 0.0;
    if (!SprobujTekstNaLiczbe(PoprawSeparator(tekst), x))
        c.Blad("\"" + tekst.substr(0, 40) + "\" nie jest liczb\xB9.");
    return static_cast<float>(c.WGranicy(g, x));
}

// Each definition's lines within the list read after the definitions;
// `linieStartu` holds the line each definition's start was read from.
void SprawdzZakresy(const CzytnikProjektu& c, const std::vector<int>& linieStartu)
{
    const Projekt& p = c.Cel();
    const auto linii = static_cast<int64_t>(p.LinieBlokow.size());
    for (std::size_t i = 0; i < p.DefinicjeBlokow.size(); ++i) {
        const DaneBlokWpis& d = p.DefinicjeBlokow[i];
        if (!ZakresDefinicjiPoprawny(d, linii))
            c.Blad("definicja bloku " + d.Nazwa.substr(0, 40) + " wskazuje linie " + std::to_string(d.Start) + ".." +
                       std::to_string(d.Koniec) + " spoza listy " + std::to_string(linii) + " linii.",
                   linieStartu[i]);
    }
}

}  // namespace

void ZapiszSekcjeBlokow(PisarzProjektu& p)
{
    const Projekt& z = p.Zrodlo();
    p.Naglowek("bv1", " Bloki", static_cast<int64_t>(z.DefinicjeBlokow.size()));
    for (const DaneBlokWpis& d : z.DefinicjeBlokow) {
        p.Linia("Nazwa bloku  : " + d.Nazwa);
        p.Linia("Data         : " + DataNaTekst(d.Data));
        p.Linia("Time         : " + CzasNaTekst(d.Czas));
        p.Linia("Grupa        : " + d.Grupa.str());
        p.Linia("Jedn         : " + d.Jednostka.str());
        p.Linia("start        : " + std::to_string(d.Start));
        p.Linia("koniec       : " + std::to_string(d.Koniec));
    }
    p.Linia("");
    p.Linia(Kreski);
    p.Linia(" Definicje blokow");
    p.Calkowita(static_cast<int64_t>(z.LinieBlokow.size()));
    p.Linia(Kreski);
    for (const auto& linia : z.LinieBlokow)
        p.Tekst(linia);
    p.Linia("");
    p.Linia(Kreski);
    p.Linia(" Wstawienia blokow");
    p.Calkowita(static_cast<int64_t>(z.Bloki.size()));
    p.Linia(Kreski);
    for (const DaneBlok& b : z.Bloki) {
        p.Linia("Nazwa bloku  : " + b.Nazwa);
        p.Linia("nrArk        : " + std::to_string(b.Wariant));
        p.Linia("X =          : " + TekstLiczby(maski::PolozenieBloku, b.X));
        p.Linia("Y =          : " + TekstLiczby(maski::PolozenieBloku, b.Y));
        p.Linia("sx=          : " + TekstLiczby(maski::SkalaBloku, b.Sx));
        p.Linia("sy=          : " + TekstLiczby(maski::SkalaBloku, b.Sy));
        p.Linia(b.Nad == 1 ? "NAD" : "POD");
    }
    p.Linia("");
}

void CzytajSekcjeBlokow(CzytnikProjektu& c)
{
    Projekt& cel = c.Cel();
    c.NaglowekRekordow(cel.DefinicjeBlokow, LiniiDefinicji);
    std::vector<int> linieStartu;
    linieStartu.reserve(cel.DefinicjeBlokow.size());
    for (DaneBlokWpis& d : cel.DefinicjeBlokow) {
        d.Nazwa = c.ZaPrefiksem(Prefiks);
        d.Data = CzytajCzas(c, [](const std::string& t) { return TekstNaDate(t); });
        d.Czas = CzytajCzas(c, [](const std::string& t) { return TekstNaCzas(t); });
        d.Grupa = c.ZaPrefiksem(Prefiks);
        d.Jednostka = c.ZaPrefiksem(Prefiks);
        d.Start = CzytajCalkowitaZaPrefiksem(c);
        linieStartu.push_back(c.NumerLinii());
        d.Koniec = CzytajCalkowitaZaPrefiksem(c);
    }

    c.Pomin(2);  // empty line, separator
    c.NaglowekRekordow(cel.LinieBlokow, 1);
    for (auto& linia : cel.LinieBlokow)
        c.Tekst(linia);
    SprawdzZakresy(c, linieStartu);

    c.Pomin(2);
    c.NaglowekRekordow(cel.Bloki, LiniiWstawienia);
    for (DaneBlok& b : cel.Bloki) {
        b.Nazwa = c.ZaPrefiksem(Prefiks);
        b.Wariant = CzytajCalkowitaZaPrefiksem(c);
        b.X = CzytajLiczbeZaPrefiksem(c, granice::Polozenie);
        b.Y = CzytajLiczbeZaPrefiksem(c, granice::Polozenie);
        b.Sx = CzytajLiczbeZaPrefiksem(c, granice::SkalaBloku);
        b.Sy = CzytajLiczbeZaPrefiksem(c, granice::SkalaBloku);
        b.Nad = c.Linia() == "POD" ? 0 : 1;
    }
}
