#pragma once
// Reading the record sections strictly: every value of a section must be in
// the file, so a read past its end is a malformed file, not an empty line.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/PlikProjektu.h"
#include "platform/Kodowanie.h"

class CzytnikScisly {
public:
    explicit CzytnikScisly(CzytnikProjektu& c) : c_(c) {}

    CzytnikProjektu& Czytnik() { return c_; }
    std::string Linia() { Wymagaj(); return c_.Linia(); }
    int32_t Calkowita() { Wymagaj(); return c_.Calkowita(); }
    double Rzeczywista() { Wymagaj(); return c_.Rzeczywista(); }
    float RzeczywistaS() { Wymagaj(); return c_.RzeczywistaS(); }
    bool Logiczna() { Wymagaj(); return c_.Logiczna(); }
    bool LogicznaMala() { Wymagaj(); return c_.LogicznaMala(); }
    bool LogicznaTN() { Wymagaj(); return c_.LogicznaTN(); }
    char Znak() { Wymagaj(); return c_.Znak(); }
    TKolor Kolor() { Wymagaj(); return c_.Kolor(); }
    template <int N>
    void Tekst(KrotkiTekst<N>& pole) { Wymagaj(); c_.Tekst(pole); }
    void Pomin(int ile = 1) { for (int i = 0; i < ile; ++i) Linia(); }

    // A count of records of at least `liniiNaRekord` lines each that the
    // rest of the file can hold.
    int32_t Liczba(int liniiNaRekord) { Wymagaj(); return c_.LiczbaRekordow(liniiNaRekord); }
    // The message is UTF-8 in the sources, Windows-1250 in the model.
    [[noreturn]] void Blad(std::string_view utf8) const { c_.Blad(Utf8NaCp1250(utf8)); }

private:
    void Wymagaj() { if (c_.Koniec()) Blad("nieoczekiwany koniec pliku"); }
    CzytnikProjektu& c_;
};
