#include "platform/KatalogProgramu.h"

#include <filesystem>
#include <system_error>

#include "base/Kodowanie.h"

namespace {

std::string katalogUstawiony;

std::string KatalogPlikuWykonywalnego()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return Utf8NaCp1250(std::filesystem::current_path(ec).string());
    return Utf8NaCp1250(exe.parent_path().string());
}

} // namespace

std::string KatalogProgramu()
{
    if (!katalogUstawiony.empty())
        return katalogUstawiony;
    static const std::string katalog = KatalogPlikuWykonywalnego();
    return katalog;
}

void UstawKatalogProgramu(const std::string& katalog)
{
    katalogUstawiony = katalog;
    while (katalogUstawiony.size() > 1 && katalogUstawiony.back() == '/')
        katalogUstawiony.pop_back();
}

std::string KatalogDane() { return PolaczSciezke(KatalogProgramu(), "Dane"); }
std::string KatalogPomiary() { return PolaczSciezke(KatalogProgramu(), "Pomiary"); }
std::string KatalogInstrukcja() { return PolaczSciezke(KatalogProgramu(), "Instrukcja"); }

std::string PolaczSciezke(std::string_view a, std::string_view b)
{
    auto ukosnik = [](char c) { return c == '/' || c == '\\'; };
    while (!a.empty() && ukosnik(a.back()) && a.size() > 1)
        a.remove_suffix(1);
    while (!b.empty() && ukosnik(b.front()))
        b.remove_prefix(1);
    if (a.empty())
        return std::string(b);
    if (b.empty())
        return std::string(a);
    std::string wynik(a);
    if (!ukosnik(wynik.back()))
        wynik.push_back('/');
    wynik.append(b);
    return wynik;
}

std::string SciezkaSystemowa(std::string_view sciezka)
{
    std::string wynik = Cp1250NaUtf8(sciezka);
    for (char& c : wynik)
        if (c == '\\')
            c = '/';
    return wynik;
}

bool PlikIstnieje(const std::string& sciezka)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(SciezkaSystemowa(sciezka), ec);
}

bool KatalogIstnieje(const std::string& sciezka)
{
    std::error_code ec;
    return std::filesystem::is_directory(SciezkaSystemowa(sciezka), ec);
}
