#pragma once
// Code page 1250 (the project files and the model) <-> UTF-8 (Qt, sources).
// Invalid bytes never throw: an undecodable byte or an unmappable character
// becomes "?".

#include <string>
#include <string_view>

std::string Cp1250NaUtf8(std::string_view cp1250);
std::string Utf8NaCp1250(std::string_view utf8);

// A text typed into a window, in Windows-1250; `wierny` is false when some
// character had no form there (and became "?"), so that the window refuses
// the text rather than store it changed.
struct TekstZOkna {
    std::string cp1250;
    bool wierny = true;
};
TekstZOkna Utf8NaCp1250ZOkna(std::string_view utf8);
