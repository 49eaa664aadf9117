#include "platform/KatalogProgramu.h"

#include <filesystem>
#include <sys/stat.h>
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

std::filesystem::path KatalogProgramu()
{
    if (!katalogUstawiony.empty())
        return katalogUstawiony;
    static const std::filesystem::path katalog = KatalogPlikuWykonywalnego();
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
    const fs::path katalog = KatalogProgramu();
    std::error_code ec;
    const fs::perms prawa = fs::status(katalog, ec).permissions();
    const fs::perms zapis = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return ec || (prawa & zapis) == fs::perms::none || access(katalog.c_str(), W_OK) != 0;
}

std::filesystem::path KatalogZapisu()
{
    return ZapisWKataloguUzytkownika() ? std::filesystem::path(katalogUzytkownika) : KatalogProgramu();
}

std::filesystem::path KatalogDane() { return PolaczSciezke(KatalogProgramu(), "Dane"); }
std::filesystem::path KatalogInstrukcja() { return PolaczSciezke(KatalogProgramu(), "Instrukcja"); }
std::filesystem::path KatalogPomiary() { return PolaczSciezke(KatalogZapisu(), "Pomiary"); }
std::filesystem::path KatalogPrzyklady() { return PolaczSciezke(KatalogZapisu(), "Przyklady"); }
std::filesystem::path KatalogList() { return PolaczSciezke(KatalogZapisu(), "Dane"); }

namespace {

std::string NieMoznaSkopiowac(const std::filesystem::path& docelowa, const std::error_code& ec)
{
    return Utf8NaCp1250("Nie można skopiować do ") + SciezkaWTekscie(docelowa) + " (" +
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

std::filesystem::path PolaczSciezke(const std::filesystem::path& katalog, std::string_view b)
{
    std::string_view a = katalog.native();
    auto ukosnik = [](char c) { return c == '/'; };
    while (!a.empty() && ukosnik(a.back()) && a.size() > 1)
        a.remove_suffix(1);
    while (!b.empty() && ukosnik(b.front()))
        b.remove_prefix(1);
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    std::string wynik(a);
    if (!ukosnik(wynik.back()))
        wynik.push_back('/');
    wynik.append(b);
    return wynik;
}

std::string SciezkaWTekscie(const std::filesystem::path& sciezka) { return Utf8NaCp1250(sciezka.native()); }

std::string SciezkaJakWTytule(const std::filesystem::path& sciezka)
{
    return Utf8NaCp1250(Utf8ZBajtamiCp1250(sciezka.native()));
}

std::filesystem::path SciezkaZWywolania(const char* argument)
{
    const std::filesystem::path sciezka(argument);
    std::error_code ec;
    const std::filesystem::path pelna = std::filesystem::absolute(sciezka, ec);
    return ec ? sciezka : pelna.lexically_normal();
}

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

bool TenSamPlik(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    struct stat sa {}, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}
