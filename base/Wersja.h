#pragma once
// The program's version, from the CMake project version, and its build date.

#include <string>
#include <string_view>

inline constexpr std::string_view WersjaProgramu = KG_WERSJA;

// "7 grudnia 2026 r.": the day this program was built, in UTF-8.
std::string DataKompilacji();
// The same from a compiler date in the form of __DATE__ ("Dec  7 2026").
std::string DataKompilacji(std::string_view data);
