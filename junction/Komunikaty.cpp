#include "junction/Komunikaty.h"

#include <algorithm>

namespace {
std::vector<std::string> oczekujace;
// Where this thread's messages go instead, while a KomunikatyOdlozone lives.
thread_local std::vector<std::string>* odlozone = nullptr;

void DodajRaz(std::vector<std::string>& lista, const std::string& tekst)
{
    if (std::find(lista.begin(), lista.end(), tekst) == lista.end())
        lista.push_back(tekst);
}
} // namespace

void ZbierzKomunikat(const std::string& tekstCp1250)
{
    DodajRaz(odlozone ? *odlozone : oczekujace, tekstCp1250);
}

std::vector<std::string> PobierzKomunikaty()
{
    std::vector<std::string> wynik;
    wynik.swap(oczekujace);
    return wynik;
}

KomunikatyOdlozone::KomunikatyOdlozone() : poprzednie_(odlozone) { odlozone = &teksty; }

KomunikatyOdlozone::~KomunikatyOdlozone() { odlozone = poprzednie_; }

void KomunikatyOdlozone::Przekaz(const std::vector<std::string>& teksty)
{
    for (const std::string& t : teksty)
        ZbierzKomunikat(t);
}
