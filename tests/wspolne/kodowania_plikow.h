#pragma once
// A file of the program as an editor re-saves it: UTF-8 with the byte-order
// mark, and the forms of it that the readers refuse, with their messages.

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

// The file `cp1250` (Windows-1250 text holding `polski`, UTF-8) saved at
// `sciezka` in the forms its reader refuses: behind the UTF-8 mark with a
// character Windows-1250 lacks or with damaged UTF-8 in the line of
// `polski`, and in UTF-16 either way round.
inline std::vector<ZleKodowanie> ZleKodowania(const std::string& cp1250, const std::string& polski,
                                              const std::string& sciezka)
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
    const auto utf16 = [&](const char* kodowanie) {
        return "Plik " + sciezka + " jest zapisany w kodowaniu " + kodowanie +
               ", którego program nie czyta; zapisz plik w UTF-8 lub Windows-1250.";
    };
    return {
        {"cyrylica", zamiast("Ж" + polski), spoza},
        {"emoji", zamiast(polski + "🚗"), spoza},
        {"Windows-1250 po znaczniku", zamiast(Utf8NaCp1250(polski)),
         "Błąd w pliku " + sciezka + linia +
             "plik zaczyna się znacznikiem UTF-8, a ta linia nie jest poprawnym tekstem UTF-8."},
        {"UTF-16LE ze znacznikiem", "\xFF\xFE" + Przekoduj(utf8, "UTF-16LE"), utf16("UTF-16LE")},
        {"UTF-16BE", Przekoduj(utf8, "UTF-16BE"), utf16("UTF-16BE")},
    };
}
