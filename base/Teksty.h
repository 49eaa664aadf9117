#pragma once
// Number, date and time texts used by the whole program: the project file,
// the count and forecast files and the data-entry windows.
//
// Numbers are written with the system's decimal separator (one service below,
// the locale's by default) and read back with "." and "," both accepted.

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "base/Typy.h"

// The system's decimal separator: the locale's unless a test or the program
// sets it explicitly.
char SeparatorDziesietny();
void UstawSeparatorDziesietny(char separator);

// Rounding as the runtime does it: Round is half to even, Trunc toward zero.
int64_t Zaokraglij(double x);
int64_t Obetnij(double x);

// Formats a number with a mask such as "####0.0##", "#0.00" or "0000":
// "0" a digit always written, "#" a digit written only when significant, one
// "." for the system's decimal separator. The value is rounded half away from
// zero on its decimal value. No thousands separator; a leading minus.
std::string FormatFloat(std::string_view maska, double x);
// The same text appended to `cel`, with the decimal separator given (a file
// of many numbers reads the system's once).
void DopiszFormatFloat(std::string& cel, std::string_view maska, double x, char separator);

// Every "." and "," replaced by the system's decimal separator, one for one.
void ZamienSeparator(std::string_view tekst, std::string& wynik);

std::string LiczbaNaTekst(double x);                       // "########0.00"
double TekstNaLiczbe(std::string_view tekst, double domyslna);
float TekstNaLiczbeS(std::string_view tekst, double domyslna);
int32_t TekstNaCalkowita(std::string_view tekst, int32_t domyslna, int32_t min, int32_t max);

// Strict conversions for the file readers: false when the text is no number.
bool SprobujTekstNaLiczbe(std::string_view tekst, double& wynik);
bool SprobujTekstNaCalkowita(std::string_view tekst, int64_t& wynik);

// Dates "YYYY-MM-DD" and times "HH:MM:SS". The readers throw BladKonwersji on
// a malformed or impossible date or time; its text is Windows-1250.
struct BladKonwersji : std::exception {
    std::string komunikat;
    explicit BladKonwersji(std::string k) : komunikat(std::move(k)) {}
    const char* what() const noexcept override { return komunikat.c_str(); }
};
std::string DataNaTekst(TDataCzas d);
TDataCzas TekstNaDate(std::string_view tekst);
std::string CzasNaTekst(TDataCzas t);       // "HH:MM:SS"
std::string CzasKrotkiNaTekst(TDataCzas t); // "HH:MM"
TDataCzas TekstNaCzas(std::string_view tekst);

// Building and taking apart date-time values.
TDataCzas KodujDate(int rok, int miesiac, int dzien);     // throws BladKonwersji
TDataCzas KodujCzas(int godz, int min, int sek, int msek = 0);  // throws BladKonwersji
void DekodujDate(TDataCzas d, int& rok, int& miesiac, int& dzien);
void DekodujCzas(TDataCzas t, int& godz, int& min, int& sek, int& msek);
