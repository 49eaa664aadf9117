#include "platform/PlikTekstowy.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/KatalogProgramu.h"
#include "base/Kodowanie.h"

namespace {

std::string Przyczyna(int nr)
{
    switch (nr) {
    case ENOENT: return Utf8NaCp1250("plik lub folder nie istnieje");
    case EACCES:
    case EPERM: return Utf8NaCp1250("brak uprawnień");
    case ENOSPC: return Utf8NaCp1250("brak miejsca na dysku");
    case EROFS: return Utf8NaCp1250("nośnik tylko do odczytu");
    case EISDIR: return Utf8NaCp1250("to jest folder");
    default: return Utf8NaCp1250(std::strerror(nr));
    }
}

std::string Komunikat(const char* poczatekUtf8, const std::string& sciezka, int nr)
{
    return Utf8NaCp1250(poczatekUtf8) + sciezka + " (" + Przyczyna(nr) + ").";
}

std::string ZbytDuzy(const std::string& sciezka)
{
    return Utf8NaCp1250("Plik ") + sciezka + Utf8NaCp1250(" jest zbyt duży.");
}

// Closes a file opened for reading whichever way the reading ends.
struct ZamykanyPlik {
    int fd;
    ~ZamykanyPlik() { ::close(fd); }
};

// Splits on CR LF, LF or CR; a final line without an end counts.
void PodzielNaLinie(const std::string& tresc, std::vector<std::string>& linie)
{
    std::size_t poczatek = 0;
    const std::size_t n = tresc.size();
    for (std::size_t i = 0; i < n; ++i) {
        char c = tresc[i];
        if (c != '\n' && c != '\r')
            continue;
        linie.emplace_back(tresc, poczatek, i - poczatek);
        if (c == '\r' && i + 1 < n && tresc[i + 1] == '\n')
            ++i;
        poczatek = i + 1;
    }
    if (poczatek < n)
        linie.emplace_back(tresc, poczatek, n - poczatek);
}

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

} // namespace

bool CzytajLinie(const std::string& sciezka, std::vector<std::string>& linie, std::string& blad)
{
    linie.clear();
    blad.clear();
    const std::string systemowa = SciezkaSystemowa(sciezka);
    const int fd = ::open(systemowa.c_str(), O_RDONLY | O_CLOEXEC);
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
        blad = Komunikat("Nie można odczytać pliku ", sciezka, nr);
        return false;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > MaksRozmiarPlikuTekstowego) {
        blad = ZbytDuzy(sciezka);
        return false;
    }

    std::string tresc;
    char bufor[65536];
    for (;;) {
        ssize_t r = ::read(fd, bufor, sizeof bufor);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            blad = Komunikat("Błąd odczytu pliku ", sciezka, errno);
            return false;
        }
        if (r == 0)
            break;
        tresc.append(bufor, static_cast<std::size_t>(r));
        // The file may grow while it is read.
        if (tresc.size() > MaksRozmiarPlikuTekstowego) {
            blad = ZbytDuzy(sciezka);
            return false;
        }
    }
    PodzielNaLinie(tresc, linie);
    return true;
}

bool ZapiszLinieBezpiecznie(const std::string& sciezka, const std::vector<std::string>& linie, std::string& blad)
{
    blad.clear();
    const std::string cel = SciezkaSystemowa(sciezka);
    std::string tymczasowy;
    int fd = UtworzPlikTymczasowy(cel, tymczasowy);
    if (fd < 0) {
        blad = Komunikat("Nie można zapisać pliku ", sciezka, errno);
        return false;
    }
    // An existing file keeps its permissions.
    struct stat st {};
    if (::stat(cel.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(fd, st.st_mode & 07777);

    std::string tresc;
    for (const std::string& l : linie) {
        tresc += l;
        tresc += "\r\n";
    }
    bool dobrze = ZapiszWszystko(fd, tresc.data(), tresc.size()) && ::fsync(fd) == 0;
    int nr = errno;
    if (::close(fd) != 0 && dobrze) {
        dobrze = false;
        nr = errno;
    }
    if (dobrze && ::rename(tymczasowy.c_str(), cel.c_str()) != 0) {
        dobrze = false;
        nr = errno;
    }
    if (!dobrze) {
        ::unlink(tymczasowy.c_str());
        blad = Komunikat("Nie można zapisać pliku ", sciezka, nr);
        return false;
    }
    return true;
}
