#include "platform/PlikTekstowy.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/KatalogProgramu.h"
#include "base/Kodowanie.h"

std::string PrzyczynaBledu(int nr)
{
    switch (nr) {
    case ENOENT: return Utf8NaCp1250("plik lub folder nie istnieje");
    case EACCES:
    case EPERM: return Utf8NaCp1250("brak uprawnień");
    case ENOSPC: return Utf8NaCp1250("brak miejsca na dysku");
    case EROFS: return Utf8NaCp1250("nośnik tylko do odczytu");
    case EISDIR: return Utf8NaCp1250("to jest folder");
    case ELOOP: return Utf8NaCp1250("zapętlone dowiązanie symboliczne");
    case ENAMETOOLONG: return Utf8NaCp1250("zbyt długa nazwa");
    case ENOTDIR: return Utf8NaCp1250("część ścieżki nie jest folderem");
    case EFBIG: return Utf8NaCp1250("plik zbyt duży");
    case EIO: return Utf8NaCp1250("błąd wejścia-wyjścia");
    case EINVAL: return Utf8NaCp1250("to nie jest zwykły plik");
    case ETXTBSY:
    case EBUSY: return Utf8NaCp1250("plik jest zajęty");
    case ENOMEM: return Utf8NaCp1250("brak pamięci");
    case EAGAIN: return Utf8NaCp1250("zasób systemu chwilowo niedostępny");
    case EMFILE:
    case ENFILE: return Utf8NaCp1250("zbyt wiele otwartych plików");
    case EEXIST: return Utf8NaCp1250("plik już istnieje");
    case EDQUOT: return Utf8NaCp1250("przekroczony przydział miejsca na dysku");
    // The system's own text would be English inside a Polish message.
    default: return Utf8NaCp1250("błąd systemu nr ") + std::to_string(nr);
    }
}

namespace {

std::string Komunikat(const char* poczatekUtf8, const std::string& sciezka, int nr)
{
    return Utf8NaCp1250(poczatekUtf8) + SciezkaWTekscie(sciezka) + " (" + PrzyczynaBledu(nr) + ").";
}

std::string ZbytDuzy(const std::string& sciezka)
{
    return Utf8NaCp1250("Plik ") + SciezkaWTekscie(sciezka) + Utf8NaCp1250(" jest zbyt duży.");
}

// Closes a file opened for reading whichever way the reading ends.
struct ZamykanyPlik {
    int fd;
    ~ZamykanyPlik() { ::close(fd); }
};

// Writes everything or reports errno.
bool ZapiszWszystko(int fd, const char* dane, std::size_t ile)
{
    while (ile > 0) {
        ssize_t r = ::write(fd, dane, ile);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        dane += r;
        ile -= static_cast<std::size_t>(r);
    }
    return true;
}

// A new, exclusive file beside the target; -1 when none could be made.
int UtworzPlikTymczasowy(const std::string& cel, std::string& nazwa)
{
    static unsigned licznik = 0;
    for (int proba = 0; proba < 100; ++proba) {
        nazwa = cel + ".~" + std::to_string(::getpid()) + "_" + std::to_string(++licznik);
        int fd = ::open(nazwa.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The rest of an open file, about `rozmiar` bytes.
bool CzytajDoKonca(int fd, const std::string& sciezka, std::size_t rozmiar, std::string& tresc, std::string& blad)
{
    tresc.reserve(rozmiar);
    char bufor[65536];
    for (;;) {
        ssize_t r = ::read(fd, bufor, sizeof bufor);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            blad = Komunikat("Błąd odczytu pliku ", sciezka, errno);
            tresc.clear();
            return false;
        }
        if (r == 0)
            return true;
        tresc.append(bufor, static_cast<std::size_t>(r));
        // The file may grow while it is read.
        if (tresc.size() > MaksRozmiarPlikuTekstowego) {
            blad = ZbytDuzy(sciezka);
            tresc.clear();
            return false;
        }
    }
}

} // namespace

std::vector<std::string_view> PodzielNaLinie(std::string_view tresc)
{
    std::vector<std::string_view> linie;
    std::size_t poczatek = 0;
    const std::size_t n = tresc.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = tresc[i];
        if (c != '\n' && c != '\r')
            continue;
        linie.push_back(tresc.substr(poczatek, i - poczatek));
        if (c == '\r' && i + 1 < n && tresc[i + 1] == '\n')
            ++i;
        poczatek = i + 1;
    }
    if (poczatek < n)
        linie.push_back(tresc.substr(poczatek));
    return linie;
}

bool CzytajPlik(const std::string& sciezka, std::string& tresc, std::string& blad)
{
    tresc.clear();
    blad.clear();
    // Without O_NONBLOCK opening a pipe would wait for a writer for ever.
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        blad = Komunikat("Nie można otworzyć pliku ", sciezka, errno);
        return false;
    }
    const ZamykanyPlik plik{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        int nr = errno;
        if (S_ISDIR(st.st_mode))
            nr = EISDIR;
        else if (st.st_mode != 0)
            nr = EINVAL; // a device or a pipe, not a file
        blad = KomunikatOdczytu(sciezka, nr);
        return false;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > MaksRozmiarPlikuTekstowego) {
        blad = ZbytDuzy(sciezka);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    try {
        return CzytajDoKonca(fd, sciezka, static_cast<std::size_t>(st.st_size), tresc, blad);
    } catch (const std::bad_alloc&) {
        std::string().swap(tresc);
        blad = KomunikatOdczytu(sciezka, ENOMEM);
        return false;
    }
}

bool CzytajLinie(const std::string& sciezka, std::vector<std::string>& linie, std::string& blad)
{
    linie.clear();
    std::string tresc;
    if (!CzytajPlik(sciezka, tresc, blad))
        return false;
    for (std::string_view l : PodzielNaLinie(tresc))
        linie.emplace_back(l);
    return true;
}

std::string KomunikatZapisu(const std::string& sciezka, int nrBledu)
{
    return Komunikat("Nie można zapisać pliku ", sciezka, nrBledu);
}

std::string KomunikatOdczytu(const std::string& sciezka, int nrBledu)
{
    return Komunikat("Nie można odczytać pliku ", sciezka, nrBledu);
}

int NumerBleduWyjatku(const std::exception& e)
{
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return ENOMEM;
    const auto* systemowy = dynamic_cast<const std::system_error*>(&e);
    if (!systemowy)
        return 0;
    const std::error_code& kod = systemowy->code();
    const bool numerSystemu = kod.category() == std::generic_category() || kod.category() == std::system_category();
    return numerSystemu && kod.value() != 0 ? kod.value() : EIO;
}

namespace {

// A target that exists without its owner's write permission is not
// replaced behind the user's back (even by root, who could).
bool TylkoDoOdczytu(const std::string& cel)
{
    struct stat st {};
    return ::stat(cel.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) == 0;
}

std::string KomunikatTylkoDoOdczytu(const std::string& sciezka)
{
    return Utf8NaCp1250("Nie można zapisać pliku ") + SciezkaWTekscie(sciezka) +
           Utf8NaCp1250(" (plik jest tylko do odczytu).");
}

// The file that a write to `sciezka` replaces: a symbolic link followed to
// its last target, so that the link stays a link and its target gets the new
// contents. A loop of links is refused.
bool CelZapisu(const std::string& sciezka, std::string& cel, std::string& blad)
{
    namespace fs = std::filesystem;
    fs::path p = sciezka;
    for (int krok = 0; krok < 40; ++krok) {
        std::error_code ec;
        if (!fs::is_symlink(p, ec)) {
            cel = p.string();
            return true;
        }
        const fs::path dalej = fs::read_symlink(p, ec);
        if (ec) {
            blad = KomunikatZapisu(sciezka, ec.value());
            return false;
        }
        p = dalej.is_absolute() ? dalej : p.parent_path() / dalej;
    }
    blad = KomunikatZapisu(sciezka, ELOOP);
    return false;
}

// The new file beside the target that a write to `sciezka` replaces, open;
// -1 with `blad` set when the target is refused or no file could be made.
int OtworzObokCelu(const std::string& sciezka, std::string& cel, std::string& tymczasowy, std::string& blad)
{
    if (!CelZapisu(sciezka, cel, blad))
        return -1;
    if (TylkoDoOdczytu(cel)) {
        blad = KomunikatTylkoDoOdczytu(sciezka);
        return -1;
    }
    const int fd = UtworzPlikTymczasowy(cel, tymczasowy);
    if (fd < 0)
        blad = KomunikatZapisu(sciezka, errno);
    return fd;
}

} // namespace

ZapisBezpieczny::~ZapisBezpieczny() { Porzuc(); }

bool ZapisBezpieczny::Otworz(const std::string& sciezka, std::string& blad)
{
    Porzuc();
    blad.clear();
    sciezka_ = sciezka;
    fd_ = OtworzObokCelu(sciezka, cel_, tymczasowy_, blad);
    if (fd_ < 0)
        return false;
    // An existing file keeps its permissions.
    struct stat st {};
    if (::stat(cel_.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(fd_, st.st_mode & 07777);
    return true;
}

bool ZapisBezpieczny::Pisz(std::string_view dane, std::string& blad)
{
    if (fd_ < 0)
        return false;
    if (ZapiszWszystko(fd_, dane.data(), dane.size()))
        return true;
    blad = KomunikatZapisu(sciezka_, errno);
    Porzuc();
    return false;
}

bool ZapisBezpieczny::Zakoncz(std::string& blad)
{
    if (fd_ < 0)
        return false;
    bool dobrze = ::fsync(fd_) == 0;
    int nr = errno;
    if (::close(fd_) != 0 && dobrze) {
        dobrze = false;
        nr = errno;
    }
    fd_ = -1;
    if (dobrze && ::rename(tymczasowy_.c_str(), cel_.c_str()) != 0) {
        dobrze = false;
        nr = errno;
    }
    if (!dobrze) {
        ::unlink(tymczasowy_.c_str());
        blad = KomunikatZapisu(sciezka_, nr);
    }
    tymczasowy_.clear();
    return dobrze;
}

void ZapisBezpieczny::Porzuc()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!tymczasowy_.empty())
        ::unlink(tymczasowy_.c_str());
    tymczasowy_.clear();
}

bool ZapiszLinieBezpiecznie(const std::string& sciezka, const std::vector<std::string>& linie, std::string& blad)
{
    std::string tresc;
    for (const std::string& l : linie) {
        tresc += l;
        tresc += "\r\n";
    }
    ZapisBezpieczny zapis;
    return zapis.Otworz(sciezka, blad) && zapis.Pisz(tresc, blad) && zapis.Zakoncz(blad);
}

std::string PlikObokCelu(const std::string& sciezka, std::string& blad)
{
    std::string cel, tymczasowy;
    const int fd = OtworzObokCelu(sciezka, cel, tymczasowy, blad);
    if (fd < 0)
        return {};
    ::close(fd);
    return tymczasowy;
}

bool PrzeniesNaMiejsce(const std::string& gotowySystemowy, const std::string& sciezka, std::string& blad)
{
    std::string cel;
    if (CelZapisu(sciezka, cel, blad)) {
        if (::rename(gotowySystemowy.c_str(), cel.c_str()) == 0)
            return true;
        blad = KomunikatZapisu(sciezka, errno);
    }
    ::unlink(gotowySystemowy.c_str());
    return false;
}
