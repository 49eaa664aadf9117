#pragma once
// The program's folder and paths below it. "Dane", "Pomiary" and
// "Instrukcja" lie next to the executable, in the build tree as well.
//
// Paths are held like every other text of the program, in Windows-1250;
// SciezkaSystemowa turns one into the file system's form (UTF-8, "/").

#include <string>
#include <string_view>

// The executable's folder, without a trailing "/".
std::string KatalogProgramu();
// Tests point the program at a folder of their own; "" restores the default.
void UstawKatalogProgramu(const std::string& katalog);

std::string KatalogDane();        // <program>/Dane
std::string KatalogPomiary();     // <program>/Pomiary
std::string KatalogInstrukcja();  // <program>/Instrukcja

// Joins two parts with exactly one "/" between them.
std::string PolaczSciezke(std::string_view a, std::string_view b);

// The path as the operating system takes it: UTF-8, "\" turned into "/".
std::string SciezkaSystemowa(std::string_view sciezka);

bool PlikIstnieje(const std::string& sciezka);
bool KatalogIstnieje(const std::string& sciezka);
