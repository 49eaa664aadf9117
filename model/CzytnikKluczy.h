#pragma once
// The key scan of the count, count-settings and forecast files: every list
// or value follows a key line of ten underscores and the key. Each line is
// compared with the keys; a key's value lines are taken as values only,
// never as keys, so that any text the writer puts there reads back (a
// description line that reads like a key included). Every value line must
// be in the file, every value within its limit and every text within its
// field's capacity; a refusal names the file and the line. The file's text
// is read in place, line by line.

#include <cstdint>
#include <string>
#include <vector>

#include "base/Kodowanie.h"
#include "base/Typy.h"
#include "model/Granice.h"
#include "model/PlikProjektu.h"

class CzytnikKluczy {
public:
    CzytnikKluczy(std::string tresc, const std::string& nazwaPliku) : c_(std::move(tresc), nazwaPliku) {}

    bool Koniec() const { return c_.Koniec(); }
    // The next line of the scan that may be a key, the one the comparisons
    // go on with ("" when the file has none left).
    const std::string& Nastepna();
    const std::string& Ostatnia() const { return ostatnia_; }

    // A value line as it is.
    std::string Tekst();
    // A value line within `pojemnosc` characters.
    std::string Tekst(int pojemnosc);
    template <int N>
    void Tekst(KrotkiTekst<N>& pole) { pole = Tekst(N); }
    int32_t Calkowita(const GranicaPola& g);
    float RzeczywistaS(const GranicaPola& g);
    TDataCzas Data(bool czas);
    // Whether the value line is exactly `prawda` ("true" or "True").
    bool Logiczna(const char* prawda) { return Tekst() == prawda; }
    // A value line that must be exactly `prawda` or `falsz`.
    bool LogicznaScisla(const char* prawda, const char* falsz);

    int NumerLinii() const { return c_.NumerLinii(); }
    // "Błąd w pliku <file>, linia <n>: <what>" naming the line read last.
    [[noreturn]] void Blad(const std::string& utf8) const { c_.Blad(Utf8NaCp1250(utf8)); }
    // A group the file lacks, named after the last line.
    [[noreturn]] void BrakGrupy(const char* klucz);

private:
    void Wymagaj();
    CzytnikProjektu c_;
    std::string ostatnia_;
};

// The message of a file with none of its keys: no such file at all.
std::string BrakKluczy(const std::string& nazwaPliku, const char* czegoUtf8);

// The banner these files open with: a line of 69 asterisks, framed lines
// (an asterisk, `odstep` blanks, the text, blanks up to 68 characters, the
// closing asterisk) and an empty framed line.
std::string LiniaGwiazdek();
std::string LiniaRamki(int odstep, const std::string& tekst);
std::string PustaRamka();
