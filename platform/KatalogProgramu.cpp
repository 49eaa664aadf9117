#include "platform/KatalogProgramu.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "base/Kodowanie.h"
#include "platform/PlikTekstowy.h"

namespace {

std::string katalogUstawiony;
std::string katalogUzytkownika;

std::string KatalogPlikuWykonywalnego()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path(ec).string();
    return exe.parent_path().string();
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

void UstawKatalogUzytkownika(const std::string& katalog)
{
    katalogUzytkownika = katalog;
    while (katalogUzytkownika.size() > 1 && katalogUzytkownika.back() == '/')
        katalogUzytkownika.pop_back();
}

bool ZapisWKataloguUzytkownika()
{
    if (katalogUzytkownika.empty())
        return false;
    // The folder's own write bits count too: root may write anywhere, but an
    // installed folder made read-only is not the program's to write into.
    namespace fs = std::filesystem;
    const std::string katalog = KatalogProgramu();
    std::error_code ec;
    const fs::perms prawa = fs::status(katalog, ec).permissions();
    const fs::perms zapis = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return ec || (prawa & zapis) == fs::perms::none || access(katalog.c_str(), W_OK) != 0;
}

std::string KatalogZapisu() { return ZapisWKataloguUzytkownika() ? katalogUzytkownika : KatalogProgramu(); }

std::string KatalogDane() { return PolaczSciezke(KatalogProgramu(), "Dane"); }
std::string KatalogInstrukcja() { return PolaczSciezke(KatalogProgramu(), "Instrukcja"); }
std::string KatalogPomiary() { return PolaczSciezke(KatalogZapisu(), "Pomiary"); }
std::string KatalogPrzyklady() { return PolaczSciezke(KatalogZapisu(), "Przyklady"); }
std::string KatalogList() { return PolaczSciezke(KatalogZapisu(), "Dane"); }

namespace {

std::string NieMoznaSkopiowac(const std::filesystem::path& docelowa, const std::error_code& ec)
{
    return Utf8NaCp1250("Nie można skopiować do ") + SciezkaWTekscie(docelowa.string()) + " (" +
           PrzyczynaBledu(ec.value()) + ").";
}

// Copies the files of `zrodlo` missing below `cel`; a file the user has
// (changed or not) stays as it is. Another start of the program may copy the
// same files at the same moment: a file that appears meanwhile is theirs.
bool DokopiujKatalog(const std::filesystem::path& zrodlo, const std::filesystem::path& cel, std::string& blad)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_directory(zrodlo, ec))
        return true;
    fs::create_directories(cel, ec);
    if (ec) {
        blad = NieMoznaSkopiowac(cel, ec);
        return false;
    }
    fs::recursive_directory_iterator it(zrodlo, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path docelowa = cel / fs::relative(it->path(), zrodlo);
        if (it->is_directory())
            fs::create_directories(docelowa, ec);
        else if (!fs::copy_file(it->path(), docelowa, fs::copy_options::skip_existing, ec) &&
                 ec == std::errc::file_exists)
            ec.clear();
        if (ec) {
            blad = NieMoznaSkopiowac(docelowa, ec);
            return false;
        }
    }
    if (ec) {
        blad = NieMoznaSkopiowac(cel, ec);
        return false;
    }
    return true;
}

} // namespace

std::string PrzygotujKatalogUzytkownika()
{
    if (!ZapisWKataloguUzytkownika())
        return "";
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(KatalogList(), ec);
    if (ec)
        return Utf8NaCp1250("Nie można utworzyć katalogu ") + SciezkaWTekscie(KatalogList()) + " (" + PrzyczynaBledu(ec.value()) + ").";
    std::string blad;
    for (const char* nazwa : {"Pomiary", "Przyklady"})
        if (!DokopiujKatalog(PolaczSciezke(KatalogProgramu(), nazwa),
                             PolaczSciezke(katalogUzytkownika, nazwa), blad))
            return blad;
    return "";
}

std::string PolaczSciezke(std::string_view a, std::string_view b)
{
    auto ukosnik = [](char c) { return c == '/'; };
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

std::string SciezkaWTekscie(std::string_view sciezka) { return Utf8NaCp1250(sciezka); }

bool PlikIstnieje(const std::string& sciezka)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(sciezka, ec);
}

bool KatalogIstnieje(const std::string& sciezka)
{
    std::error_code ec;
    return std::filesystem::is_directory(sciezka, ec);
}
