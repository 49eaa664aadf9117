#include "drawing/BibliotekaBlokow.h"

#include <algorithm>

#include "base/Teksty.h"
#include "drawing/Bloki.h"
#include "model/Projekt.h"
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

std::vector<DefinicjaBiblioteki> CzytajDefinicjeBiblioteki(const std::vector<std::string>& linie)
{
    std::vector<DefinicjaBiblioteki> wynik;
    std::size_t i = 0;
    while (i < linie.size()) {
        if (std::string_view(linie[i]).substr(0, 255) != ZnacznikDefinicji) {
            ++i;
            continue;
        }
        // The definition's lines: up to its end marker, or the next marker,
        // or the end of the file.
        std::size_t koniec = i + 1;
        bool zamknieta = false;
        for (; koniec < linie.size(); ++koniec) {
            const std::string_view l = std::string_view(linie[koniec]).substr(0, 255);
            if (l == ZnacznikDefinicji)
                break;
            if (l == ZnacznikKonca) {
                zamknieta = true;
                break;
            }
        }
        // Line n of the definition, "" past its end.
        auto linia = [&](std::size_t n) -> std::string_view {
            const std::size_t k = i + n - 1;
            return k < koniec ? std::string_view(linie[k]).substr(0, 255) : std::string_view();
        };
        DefinicjaBiblioteki d;
        d.Nazwa = linia(LiniaNazwy);
        d.Data = CzasLubZero(linia(LiniaDaty), TekstNaDate);
        d.Czas = CzasLubZero(linia(LiniaCzasu), TekstNaCzas);
        d.Grupa = linia(LiniaGrupy);
        d.Jednostka = linia(LiniaJednostki);
        for (std::size_t k = i + PierwszaLiniaCiala - 1; k < koniec; ++k)
            d.Cialo.emplace_back(linie[k]);
        wynik.push_back(std::move(d));
        i = zamknieta ? koniec + 1 : koniec;
    }
    return wynik;
}

std::vector<DefinicjaBiblioteki> CzytajBiblioteke(const std::string& sciezka)
{
    std::vector<std::string> linie;
    std::string blad;
    if (!CzytajLinie(sciezka, linie, blad))
        return {};
    return CzytajDefinicjeBiblioteki(linie);
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
    for (const auto& l : d.Cialo) {
        float x1, x2, y1, y2;
        ZakresKomendyBloku(l, x1, x2, y1, y2);
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
    LinieBlokow.insert(LinieBlokow.end(), d.Cialo.begin(), d.Cialo.end());
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
