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

// The UTF-16 refusal's advice: plain UTF-8 where the kind of file tells it
// by its own words, else UTF-8 with the mark.
inline std::string OdmowaUtf16(const std::string& sciezka, const char* kodowanie, bool czytaUtf8BezZnacznika)
{
    return "Plik " + sciezka + " jest zapisany w kodowaniu " + kodowanie + ", którego program nie czyta; " +
           (czytaUtf8BezZnacznika ? "zapisz plik w UTF-8 lub Windows-1250."
                                  : "zapisz plik w Windows-1250 lub w UTF-8 ze znacznikiem BOM.");
}

// The file `cp1250` (Windows-1250 text holding `polski`, UTF-8) saved at
// `sciezka` in the forms its reader refuses: behind the UTF-8 mark with a
// character Windows-1250 lacks in the line of `polski` (an invisible tag
// character too, which iconv drops without a word), and in UTF-16 either
// way round, its advice as `czytaUtf8BezZnacznika` tells.
inline std::vector<ZleKodowanie> ZleKodowania(const std::string& cp1250, const std::string& polski,
                                              const std::string& sciezka, bool czytaUtf8BezZnacznika)
{
    const std::string utf8 = Cp1250NaUtf8(cp1250);
    const std::size_t gdzie = utf8.find(polski);
    const std::string linia =
        ", linia " + std::to_string(std::count(utf8.begin(), utf8.begin() + gdzie, '\n') + 1) + ": ";
    const auto zamiast = [&](const std::string& tekst) {
        return std::string(ZnacznikKolejnosciUtf8) + utf8.substr(0, gdzie) + tekst + utf8.substr(gdzie + polski.size());
    };
    const std::string spoza = "Błąd w pliku " + sciezka + linia +
                              "plik jest zapisany w UTF-8, a ta linia ma znak spoza strony kodowej Windows-1250.";
    return {
        {"cyrylica", zamiast("Ж" + polski), spoza},
        {"emoji", zamiast(polski + "🚗"), spoza},
        // U+E0041, TAG LATIN CAPITAL LETTER A.
        {"znak znacznika", zamiast(polski + "\xF3\xA0\x81\x81"), spoza},
        {"UTF-16LE ze znacznikiem", "\xFF\xFE" + Przekoduj(utf8, "UTF-16LE"),
         OdmowaUtf16(sciezka, "UTF-16LE", czytaUtf8BezZnacznika)},
        {"UTF-16BE", Przekoduj(utf8, "UTF-16BE"), OdmowaUtf16(sciezka, "UTF-16BE", czytaUtf8BezZnacznika)},
    };
}
