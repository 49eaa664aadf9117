#pragma once
// Reading the record sections strictly: every value of a section must be in
// the file, so a read past its end is a malformed file, not an empty line.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "base/Kodowanie.h"

class CzytnikScisly {
public:
    explicit CzytnikScisly(CzytnikProjektu& c) : c_(c) {}

    Projekt& Cel() { return c_.Cel(); }
    std::string Linia() { Wymagaj(); return c_.Linia(); }
    int32_t Calkowita() { Wymagaj(); return c_.Calkowita(); }
    double Rzeczywista() { Wymagaj(); return c_.Rzeczywista(); }
    float RzeczywistaS() { Wymagaj(); return c_.RzeczywistaS(); }
    int32_t Calkowita(const GranicaPola& g) { Wymagaj(); return c_.Calkowita(g); }
    double Rzeczywista(const GranicaPola& g) { Wymagaj(); return c_.Rzeczywista(g); }
    float RzeczywistaS(const GranicaPola& g) { Wymagaj(); return c_.RzeczywistaS(g); }
    bool Logiczna() { Wymagaj(); return c_.Logiczna(); }
    bool LogicznaMala() { Wymagaj(); return c_.LogicznaMala(); }
    bool LogicznaTN() { Wymagaj(); return c_.LogicznaTN(); }
    char Znak() { Wymagaj(); return c_.Znak(); }
    TKolor Kolor() { Wymagaj(); return c_.Kolor(); }
    template <int N>
    void Tekst(KrotkiTekst<N>& pole) { Wymagaj(); c_.Tekst(pole); }
    // A value read before, checked against its limit.
    double WGranicy(const GranicaPola& g, double x) { return c_.WGranicy(g, x); }
    void Pomin(int ile = 1) { for (int i = 0; i < ile; ++i) Linia(); }

    // A count of records of at least `liniiNaRekord` lines each that the
    // rest of the file can hold.
    int32_t Liczba(int liniiNaRekord) { Wymagaj(); return c_.LiczbaRekordow(liniiNaRekord); }
    // The message is UTF-8 in the sources, Windows-1250 in the model.
    [[noreturn]] void Blad(std::string_view utf8) const { c_.Blad(Utf8NaCp1250(utf8)); }

    // The title and the index of a record section; the collection takes the
    // index as its last record, a new one being `nowy`. Sections come in
    // index order, so any index but the next free one is a malformed file
    // (a past one would also let a file allocate without bound). `czego`
    // names the record in the message.
    template <class T>
    int32_t NumerRekordu(std::vector<T>& v, std::string_view czego, const T& nowy = T{})
    {
        Pomin();
        const int32_t n = Calkowita();
        // A number read before would overwrite its record and cut off all
        // those after it.
        if (n >= 0 && n < static_cast<int32_t>(v.size()))
            Blad("powtórzony numer " + std::string(czego) + ": " + std::to_string(n));
        if (n != static_cast<int32_t>(v.size()))
            Blad("nieprawidłowy numer " + std::string(czego) + ": " + std::to_string(n));
        v.push_back(nowy);
        return n;
    }

    // Room for the next record of a full collection `v`: for every record
    // the file should hold (one for each node of type `typ` in each variant,
    // nodes and variants being read before), or twice the records held once
    // past those; never for more than the rest of the file can hold. A
    // collection grown one doubling at a time would keep the old and the new
    // copy of its large records side by side.
    template <class T>
    void Zarezerwuj(std::vector<T>& v, char typ)
    {
        if (v.size() < v.capacity())
            return;
        std::size_t wezlow = 0;
        for (const DaneWezel& w : Cel().Wezly)
            wezlow += w.Typ == typ ? 1 : 0;
        const std::size_t oczekiwanych = wezlow * Cel().Warianty.size();
        const std::size_t przybedzie = oczekiwanych > v.size() ? oczekiwanych - v.size() : std::max<std::size_t>(v.size(), 1);
        constexpr std::size_t NajmniejLiniiRekordu = 50;
        v.reserve(v.size() + std::min(przybedzie, c_.PozostaloLinii() / NajmniejLiniiRekordu + 1));
    }

    // The title and the index of a structure block, which must name a record
    // already read; `brak` names a missing one in the message.
    template <class T>
    int32_t NumerStruktury(const std::vector<T>& v, std::string_view brak)
    {
        Pomin();
        const int32_t n = Calkowita();
        if (n < 0 || static_cast<std::size_t>(n) >= v.size())
            Blad("blok struktury wskazuje " + std::string(brak) + " nr " + std::to_string(n));
        return n;
    }

private:
    void Wymagaj() { if (c_.Koniec()) Blad("nieoczekiwany koniec pliku"); }
    CzytnikProjektu& c_;
};
