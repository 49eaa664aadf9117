#pragma once
// Code page 1250 (the project files and the model) <-> UTF-8 (Qt, sources).
// Invalid bytes never throw: an undecodable byte or an unmappable character
// becomes "?" (Utf8NaCp1250Dokladnie refuses them instead).

#include <cstddef>
#include <string>
#include <string_view>

std::string Cp1250NaUtf8(std::string_view cp1250);
std::string Utf8NaCp1250(std::string_view utf8);

// Whether the bytes are valid UTF-8, ASCII alone too.
bool JestUtf8(std::string_view tekst);
// Where the first byte that begins no valid UTF-8 character stands; npos
// for valid UTF-8.
std::size_t PierwszyBladUtf8(std::string_view tekst);
// Whether the bytes hold the UTF-8 of some character Windows-1250 has beyond
// ASCII (a Polish letter, a dash, a degree sign): Windows-1250 text
// practically never forms one, its only lead bytes being the rare letters
// "Â", "Ă", "Ä", "Ĺ", "Ë" and "â".
bool MaZnakCp1250WUtf8(std::string_view tekst);
// Where the first such UTF-8 character begins; npos where none does.
std::size_t PierwszyZnakCp1250WUtf8(std::string_view tekst);
// The length of the UTF-8 character at `i` (1 for ASCII), 0 where no valid
// one begins.
std::size_t DlugoscZnakuUtf8(std::string_view tekst, std::size_t i);
// Bytes as UTF-8 that shows them: valid UTF-8 stays, every other byte is read
// as a Windows-1250 letter (a name an older system wrote so).
std::string Utf8ZBajtamiCp1250(std::string_view bajty);
// Converts a text that Windows-1250 holds whole; false (and `cp1250` empty)
// when some character has no byte there (none is dropped), the UTF-8 is
// damaged, or the bytes would read back as UTF-8 (MaZnakCp1250WUtf8: "Ä…"
// would come back "ą"), so that a file never holds what it reads otherwise.
bool Utf8NaCp1250Dokladnie(std::string_view utf8, std::string& cp1250);
// The same in place, for a whole file: the UTF-8 from `od` on becomes
// Windows-1250 from the start of `tekst` (what stands before `od`, a mark,
// goes). Returns npos when every character had its byte; otherwise `tekst`
// is cut to what was converted before the first character without one (or
// damaged UTF-8), and its length is returned.
std::size_t Utf8NaCp1250WMiejscu(std::string& tekst, std::size_t od);
// A text typed into a window, in Windows-1250; `wierny` is false when some
// character had no form there (and became "?"), or the file would read it
// back otherwise (Utf8NaCp1250Dokladnie), so that the window refuses the
// text rather than store it changed. `bezFormy` is the first character
// without a form (0 when each had one), for the refusal to name.
struct TekstZOkna {
    std::string cp1250;
    bool wierny = true;
    char32_t bezFormy = 0;
};
TekstZOkna Utf8NaCp1250ZOkna(std::string_view utf8);

// The byte-order mark some editors begin a UTF-8 text with.
inline constexpr std::string_view ZnacznikKolejnosciUtf8 = "\xEF\xBB\xBF";
// The UTF-16 or UTF-32 form a text is in, "UTF-16LE", "UTF-16BE",
// "UTF-32LE" or "UTF-32BE", known by its byte-order mark or by NUL bytes in
// regular places (the high bytes of plain letters); "" for any other text.
std::string_view RodzajUtf16LubUtf32(std::string_view tekst);
