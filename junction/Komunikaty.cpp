#include "junction/Komunikaty.h"

#include <algorithm>

namespace {
std::vector<std::string> oczekujace;
}

void ZbierzKomunikat(const std::string& tekstCp1250)
{
    if (std::find(oczekujace.begin(), oczekujace.end(), tekstCp1250) == oczekujace.end())
        oczekujace.push_back(tekstCp1250);
}

std::vector<std::string> PobierzKomunikaty()
{
    std::vector<std::string> wynik;
    wynik.swap(oczekujace);
    return wynik;
}
