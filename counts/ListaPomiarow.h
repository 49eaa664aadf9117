#pragma once
// The list of count files of a folder, filtered by date, text and node type,
// as the count editor and the count browser show it.

#include <string>
#include <vector>

#include "base/Typy.h"

enum class RodzajFiltru { Wszystko, OstDniPomiar, OstDniEdycja, SzukajWNazwie, SzukajSekcja };

struct FiltrPomiarow {
    RodzajFiltru rodzaj = RodzajFiltru::Wszystko;
    std::string dniPomiar = "7";    // texts as typed
    std::string dniEdycja = "7";
    std::string wNazwie;
    std::string sekcja;
    // The browser shows junction and roundabout counts by its type boxes;
    // the editor shows both.
    bool skrzyzowania = true;
    bool ronda = true;
};

// The name of a count file without ".pom", when its first ".pom" ends it.
bool NazwaPomiaru(const std::string& nazwaPliku, std::string& nazwa);

// The count names of the folder (Windows-1250, sorted) that pass the filter
// on `dzis`. A day count that is no integer and an empty search text filter
// nothing; a file whose header cannot be read is left out, and `blad` gets
// the message of the first such file.
std::vector<std::string> ListaPomiarow(const std::string& katalog, const FiltrPomiarow& f, TDataCzas dzis,
                                       std::string& blad);
