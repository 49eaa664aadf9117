// The list of count files of a folder.
#include "counts/ListaPomiarow.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "counts/PlikiPomiarow.h"
#include "platform/KatalogProgramu.h"

bool NazwaPomiaru(const std::string& nazwaPliku, std::string& nazwa)
{
    const auto i = nazwaPliku.find(".pom");
    if (i == std::string::npos || i + 4 != nazwaPliku.size() || i == 0)
        return false;
    nazwa = nazwaPliku.substr(0, i);
    return true;
}

namespace {

bool Dni(const std::string& tekst, int64_t& dni) { return SprobujTekstNaCalkowita(tekst, dni) && std::llabs(dni) < 10000000; }

// Whether the header passes the filter and the type boxes.
bool Przechodzi(const NaglowekPomiaru& n, const FiltrPomiarow& f, TDataCzas dzis)
{
    // Both boxes ticked show every count, whatever its type says.
    const bool typ = (f.skrzyzowania && f.ronda) || (n.TypWezla.str() == "J01" && f.skrzyzowania) ||
                     (n.TypWezla.str() == "R01" && f.ronda);
    if (!typ)
        return false;
    int64_t dni = 0;
    switch (f.rodzaj) {
    case RodzajFiltru::OstDniPomiar:
        return !Dni(f.dniPomiar, dni) || std::floor(n.DataPomiaru) >= dzis - static_cast<double>(dni);
    case RodzajFiltru::OstDniEdycja:
        return !Dni(f.dniEdycja, dni) || std::floor(n.DataOstEdycja) >= dzis - static_cast<double>(dni);
    case RodzajFiltru::SzukajWNazwie:
        return n.Lokalizacja.str().find(f.wNazwie) != std::string::npos;
    case RodzajFiltru::SzukajSekcja:
        return n.Sekcja.str().find(f.sekcja) != std::string::npos;
    default:
        return true;
    }
}

// Whether every file can be listed without reading its header.
bool BezCzytania(const FiltrPomiarow& f)
{
    if (!f.skrzyzowania || !f.ronda)
        return false;
    int64_t dni = 0;
    switch (f.rodzaj) {
    case RodzajFiltru::OstDniPomiar:
        return !Dni(f.dniPomiar, dni);
    case RodzajFiltru::OstDniEdycja:
        return !Dni(f.dniEdycja, dni);
    case RodzajFiltru::SzukajWNazwie:
        return f.wNazwie.empty();
    case RodzajFiltru::SzukajSekcja:
        return f.sekcja.empty();
    default:
        return true;
    }
}

}  // namespace

std::vector<std::string> ListaPomiarow(const std::string& katalog, const FiltrPomiarow& f, TDataCzas dzis,
                                       std::string& blad)
{
    blad.clear();
    std::vector<std::string> wynik;
    std::error_code ec;
    std::filesystem::directory_iterator it(katalog, ec);
    if (ec)
        return wynik;
    const bool wszystkie = BezCzytania(f);
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        std::error_code ecPliku;
        if (!it->is_regular_file(ecPliku))
            continue;
        const std::string plik = it->path().filename().string();
        std::string nazwa;
        if (!NazwaPomiaru(plik, nazwa))
            continue;
        if (!wszystkie) {
            NaglowekPomiaru n;
            std::string b;
            if (!CzytajNaglowekPomiaru(katalog + "/" + plik, n, b)) {
                if (blad.empty())
                    blad = b;
                continue;
            }
            if (!Przechodzi(n, f, dzis))
                continue;
        }
        wynik.push_back(nazwa);
    }
    std::sort(wynik.begin(), wynik.end());
    return wynik;
}
