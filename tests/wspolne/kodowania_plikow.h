#pragma once
// A file of the program as an editor re-saves it: UTF-8 with the byte-order
// mark or without it, Windows-1250 behind the mark, and the forms of it that
// the readers refuse, with their messages.

#include <iconv.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/Kodowanie.h"

// Windows-1250 bytes as UTF-8 behind the mark.
inline std::string Utf8ZeZnacznikiem(std::string_view cp1250)
{
    return std::string(ZnacznikKolejnosciUtf8) + Cp1250NaUtf8(cp1250);
}

// Windows-1250 bytes behind the UTF-8 mark, as an editor that adds the mark
// to whatever it saves leaves them.
inline std::string Windows1250ZeZnacznikiem(std::string_view cp1250)
{
    return std::string(ZnacznikKolejnosciUtf8) + std::string(cp1250);
}

// UTF-8 text in another encoding iconv knows ("UTF-16LE", without a mark).
inline std::string Przekoduj(const std::string& utf8, const char* kodowanie)
{
    const iconv_t cd = iconv_open(kodowanie, "UTF-8");
    std::string wynik(utf8.size() * 4, '\0');
    char* wej = const_cast<char*>(utf8.data());
    char* wyj = wynik.data();
    std::size_t zostalo = utf8.size(), miejsce = wynik.size();
    iconv(cd, &wej, &zostalo, &wyj, &miejsce);
    iconv_close(cd);
    wynik.resize(wynik.size() - miejsce);
    return wynik;
}

struct ZleKodowanie {
    std::string opis;
    std::string bajty;
    std::string komunikat;  // UTF-8
};

inline std::string OdmowaUtf16LubUtf32(const std::string& sciezka, const char* kodowanie)
{
    return "Plik " + sciezka + " jest zapisany w kodowaniu " + kodowanie +
           ", którego program nie czyta; zapisz plik w UTF-8 lub Windows-1250.";
}

// The file `cp1250` (Windows-1250 text holding `polski`, UTF-8, and letters
// beyond ASCII elsewhere too) saved at `sciezka` in the forms its reader
// refuses: behind the UTF-8 mark with a character Windows-1250 lacks in the
// line of `polski` (an invisible tag character too, which iconv drops
// without a word), in UTF-8 with the last byte of the first letter of
// `polski` lost, with the mark and without it, and in UTF-16 and UTF-32
// either way round.
inline std::vector<ZleKodowanie> ZleKodowania(const std::string& cp1250, const std::string& polski,
                                              const std::string& sciezka)
{
    const std::string utf8 = Cp1250NaUtf8(cp1250);
    const std::size_t gdzie = utf8.find(polski);
    const std::string linia =
        ", linia " + std::to_string(std::count(utf8.begin(), utf8.begin() + gdzie, '\n') + 1) + ": ";
    const auto zamiast = [&](const std::string& tekst) {
        return utf8.substr(0, gdzie) + tekst + utf8.substr(gdzie + polski.size());
    };
    const std::string znacznik(ZnacznikKolejnosciUtf8);
    const std::string spoza = "Błąd w pliku " + sciezka + linia +
                              "plik jest zapisany w UTF-8, a ta linia ma znak spoza strony kodowej Windows-1250.";
    std::string uszkodzony = polski;
    const std::size_t litera = uszkodzony.find_first_of("\xC2\xC3\xC4\xC5\xE2");
    uszkodzony.erase(litera + (uszkodzony[litera] == '\xE2' ? 2 : 1), 1);
    const std::string zlyUtf8 =
        "Błąd w pliku " + sciezka + linia + "plik jest zapisany w UTF-8, a ta linia nie jest poprawnym tekstem UTF-8.";
    return {
        {"cyrylica", znacznik + zamiast("Ж" + polski), spoza},
        {"emoji", znacznik + zamiast(polski + "🚗"), spoza},
        // U+E0041, TAG LATIN CAPITAL LETTER A.
        {"znak znacznika", znacznik + zamiast(polski + "\xF3\xA0\x81\x81"), spoza},
        {"uszkodzony ze znacznikiem", znacznik + zamiast(uszkodzony), zlyUtf8},
        {"uszkodzony bez znacznika", zamiast(uszkodzony), zlyUtf8},
        {"UTF-16LE ze znacznikiem", "\xFF\xFE" + Przekoduj(utf8, "UTF-16LE"), OdmowaUtf16LubUtf32(sciezka, "UTF-16LE")},
        {"UTF-16BE", Przekoduj(utf8, "UTF-16BE"), OdmowaUtf16LubUtf32(sciezka, "UTF-16BE")},
        {"UTF-32LE ze znacznikiem", std::string("\xFF\xFE\0\0", 4) + Przekoduj(utf8, "UTF-32LE"),
         OdmowaUtf16LubUtf32(sciezka, "UTF-32LE")},
        {"UTF-32BE", Przekoduj(utf8, "UTF-32BE"), OdmowaUtf16LubUtf32(sciezka, "UTF-32BE")},
    };
}
