#pragma once
// Files beside the program: "Dane", "Pomiary", "Instrukcja", "Przyklady".

#include <string>

// The program's folder joined with a relative path ("Dane/Katalogi.Lst");
// in Windows-1250, as the program holds paths.
std::string SciezkaProgramu(const std::string& wzgledna);

// Loads "Dane/Roman100.Lzs" into Czcionka and "Dane/grecki100.Lzs" into
// CzcionkaGrecka; returns the message of a missing or damaged file, or "".
std::string WczytajCzcionkiStartowe();
