#include "drawing/BibliotekaBlokow.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "drawing/Bloki.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/PlikTekstowy.h"

namespace {

// Header lines of a definition, counted from its marker as line 1.
constexpr std::size_t LiniaNazwy = 3;
constexpr std::size_t LiniaDaty = 4;
constexpr std::size_t LiniaCzasu = 5;
constexpr std::size_t LiniaGrupy = 7;
constexpr std::size_t LiniaJednostki = 9;
constexpr std::size_t PierwszaLiniaCiala = 12;

template <typename Konwersja>
TDataCzas CzasLubZero(std::string_view tekst, Konwersja konwersja)
{
    try {
        return konwersja(tekst);
    } catch (const BladKonwersji&) {
        return 0.0;
    }
}

}  // namespace

std::vector<std::string_view> DefinicjaBiblioteki::LinieCiala() const
{
    std::vector<std::string_view> linie = PodzielNaLinie(Cialo);
    for (std::string_view& l : linie)
        l = l.substr(0, 255);
    return linie;
}

void DefinicjaBiblioteki::DodajLinieCiala(std::string_view linia)
{
    Cialo.append(linia.substr(0, 255));
    Cialo.push_back('\n');
}

namespace {

// What both markers of a definition begin with.
constexpr std::string_view PoczatekZnacznikow = "____________________";

// Whether the next line ends the definition: its end marker (read) or the
// next definition's marker (left for that definition).
bool KoniecDefinicji(CzytnikProjektu& c)
{
    const std::string_view l = c.Podglad().substr(0, 255);
    if (l == ZnacznikDefinicji)
        return true;
    if (l != ZnacznikKonca)
        return false;
    c.LiniaWMiejscu();
    return true;
}

// Lines 2 on of a definition whose marker has been read, up to its end
// marker, the next definition's marker or the end of the file.
void CzytajDefinicje(CzytnikProjektu& c, DefinicjaBiblioteki& d)
{
    for (std::size_t n = 2; n < PierwszaLiniaCiala; ++n) {
        if (c.Koniec() || KoniecDefinicji(c))
            return;
        const std::string_view l = c.LiniaWMiejscu().substr(0, 255);
        if (n == LiniaNazwy)
            d.Nazwa = l;
        else if (n == LiniaDaty)
            d.Data = CzasLubZero(l, TekstNaDate);
        else if (n == LiniaCzasu)
            d.Czas = CzasLubZero(l, TekstNaCzas);
        else if (n == LiniaGrupy)
            d.Grupa = l;
        else if (n == LiniaJednostki)
            d.Jednostka = l;
    }
    // The body as it stands in the file, taken in runs up to the next line
    // that may be a marker.
    std::string_view run;
    while (c.PominDoLinii(PoczatekZnacznikow, &run)) {
        d.Cialo.append(run);
        if (KoniecDefinicji(c))
            return;
        d.DodajLinieCiala(c.LiniaWMiejscu());
    }
    d.Cialo.append(run);
}

bool CzytajDefinicjeBiblioteki(std::string tresc, const std::string& nazwaPliku,
                               std::vector<DefinicjaBiblioteki>& wynik, std::string& blad)
{
    // A text editor of this system saves in UTF-8.
    if (JestUtf8SpozaAscii(tresc)) {
        std::string w1250;
        if (!Utf8NaCp1250Dokladnie(tresc, w1250)) {
            blad = Utf8NaCp1250("Plik ") + SciezkaWTekscie(nazwaPliku) +
                   Utf8NaCp1250(" jest zapisany w UTF-8 ze znakami spoza strony kodowej Windows-1250.");
            return false;
        }
        tresc = std::move(w1250);
    }
    CzytnikProjektu c(std::move(tresc), nazwaPliku);
    try {
        // Outside definitions only the markers matter: the text between is
        // passed over in place.
        while (c.PominDoLinii(PoczatekZnacznikow)) {
            if (c.LiniaWMiejscu().substr(0, 255) != ZnacznikDefinicji)
                continue;
            DefinicjaBiblioteki d;
            CzytajDefinicje(c, d);
            if (d.Cialo.empty())
                c.Blad(Utf8NaCp1250("definicja bloku „") + d.Nazwa + Utf8NaCp1250("” nie ma linii rysunku."));
            wynik.push_back(std::move(d));
        }
    } catch (const BladPliku& b) {
        wynik.clear();
        blad = b.what();
        return false;
    }
    return true;
}

}  // namespace

bool CzytajTekstBiblioteki(std::string tresc, const std::string& nazwaPliku, std::vector<DefinicjaBiblioteki>& wynik,
                           std::string& blad)
{
    wynik.clear();
    blad.clear();
    // The definitions take as much memory as the file again.
    try {
        return CzytajDefinicjeBiblioteki(std::move(tresc), nazwaPliku, wynik, blad);
    } catch (const std::bad_alloc&) {
        std::vector<DefinicjaBiblioteki>().swap(wynik);
        blad = KomunikatOdczytu(nazwaPliku, ENOMEM);
        return false;
    }
}

bool CzytajBiblioteke(const std::string& sciezka, std::vector<DefinicjaBiblioteki>& wynik, std::string& blad)
{
    wynik.clear();
    blad.clear();
    std::error_code ec;
    if (sciezka.empty() || (!std::filesystem::exists(SciezkaSystemowa(sciezka), ec) && !ec))
        return true;
    std::string tresc;
    return CzytajPlik(sciezka, tresc, blad) && CzytajTekstBiblioteki(std::move(tresc), sciezka, wynik, blad);
}

const DefinicjaBiblioteki* ZnajdzWBibliotece(const std::vector<DefinicjaBiblioteki>& biblioteka,
                                             std::string_view nazwa)
{
    const auto it = std::find_if(biblioteka.rbegin(), biblioteka.rend(),
                                 [&](const DefinicjaBiblioteki& d) { return d.Nazwa == nazwa; });
    return it == biblioteka.rend() ? nullptr : &*it;
}

ZakresBloku ZmierzDefinicje(const DefinicjaBiblioteki& d)
{
    ZakresBloku z;
    for (const std::string_view l : d.LinieCiala()) {
        float x1, x2, y1, y2;
        ZakresKomendyBloku(std::string(l), x1, x2, y1, y2);
        z.XMin = std::min(z.XMin, x1);
        z.XMax = std::max(z.XMax, x2);
        z.YMin = std::min(z.YMin, y1);
        z.YMax = std::max(z.YMax, y2);
    }
    return z;
}

int32_t ZnajdzDefinicjeBloku(std::string_view nazwa)
{
    for (int32_t i = LiczbaDefinicjiBlokow() - 1; i >= 0; --i)
        if (DefinicjeBlokow[i].Nazwa == nazwa)
            return i;
    return -1;
}

void KopiujDefinicjeBloku(const DefinicjaBiblioteki& d)
{
    DaneBlokWpis w;
    w.Nazwa = d.Nazwa;
    w.Data = d.Data;
    w.Czas = d.Czas;
    w.Grupa = d.Grupa;
    w.Jednostka = d.Jednostka;
    LinieBlokow.emplace_back(ZnacznikStartu);
    LinieBlokow.emplace_back(d.Nazwa);
    // The first body line is kept but never drawn: drawing starts after it.
    w.Start = LiczbaLiniiBlokow() + 1;
    const std::vector<std::string_view> cialo = d.LinieCiala();
    if (cialo.empty())
        LinieBlokow.emplace_back("");
    LinieBlokow.insert(LinieBlokow.end(), cialo.begin(), cialo.end());
    LinieBlokow.emplace_back(ZnacznikKonca);
    w.Koniec = LiczbaLiniiBlokow() - 2;
    DefinicjeBlokow.push_back(std::move(w));
}

bool UsunDefinicjeBloku(int32_t indeks)
{
    if (!JestIndeksem(indeks, DefinicjeBlokow))
        return false;
    const DaneBlokWpis d = DefinicjeBlokow[indeks];
    const int64_t od = int64_t{d.Start} - 3;
    const int64_t doLinii = int64_t{d.Koniec} + 1;
    if (od < 0 || doLinii >= LiczbaLiniiBlokow() || doLinii < od + 2 || LinieBlokow[od] != ZnacznikStartu ||
        LinieBlokow[doLinii] != ZnacznikKonca)
        return false;
    const auto usuniete = static_cast<int32_t>(doLinii - od + 1);
    LinieBlokow.erase(LinieBlokow.begin() + od, LinieBlokow.begin() + doLinii + 1);
    DefinicjeBlokow.erase(DefinicjeBlokow.begin() + indeks);
    for (DaneBlokWpis& w : DefinicjeBlokow)
        if (w.Start > d.Koniec) {
            w.Start -= usuniete;
            w.Koniec -= usuniete;
        }
    return true;
}

std::vector<std::string> LinieDefinicji(int32_t indeks)
{
    std::vector<std::string> wynik;
    if (!JestIndeksem(indeks, DefinicjeBlokow))
        return wynik;
    const DaneBlokWpis& d = DefinicjeBlokow[indeks];
    const int koniec = std::min(d.Koniec, LiczbaLiniiBlokow() - 1);
    for (int l = std::max(d.Start, 0); l <= koniec; ++l)
        wynik.push_back(LinieBlokow[l].str());
    return wynik;
}
