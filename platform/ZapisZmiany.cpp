#include "platform/ZapisZmiany.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "base/Kodowanie.h"
#include "platform/KatalogProgramu.h"
#include "platform/ZapisPrawa.h"

namespace zapis {

StanWlasciwosci Wlasciwosci(int katalog, const std::string& nazwa)
{
    struct stat st {};
    if (::fstatat(katalog, nazwa.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return {};
    return {true, S_ISREG(st.st_mode), st.st_dev, st.st_ino, st.st_ctim};
}

namespace {

// The target's record now, its bytes read back; where they cannot be
// read, its identity, size and time alone.
bool StanCelu(int katalog, const std::string& nazwa, ZawartoscPliku& z, struct stat& st)
{
    z = {};
    const int fd = ::openat(katalog, nazwa.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || ::fstatat(katalog, nazwa.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return errno != ENOENT;
        z.rozmiar = static_cast<std::uint64_t>(st.st_size);
        z.DodajTozsamosc(st);
        return true;
    }
    SkrotBajtow skrot;
    bool caly = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    std::vector<char> bufor(1 << 16);
    while (caly) {
        const ssize_t n = ::read(fd, bufor.data(), bufor.size());
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            caly = false;
        else
            skrot.Dodaj(std::string_view(bufor.data(), static_cast<std::size_t>(n)));
    }
    ::close(fd);
    if (caly)
        z = skrot.Wynik();
    z.rozmiar = static_cast<std::uint64_t>(st.st_size);
    z.DodajTozsamosc(st);
    return true;
}

// Where the bytes of both are known, they decide; else the identity, size
// and time.
bool TaSamaZawartosc(const ZawartoscPliku& a, const ZawartoscPliku& b)
{
    if (a.znana && b.znana)
        return a.rozmiar == b.rozmiar && a.skrot == b.skrot;
    return a.zTozsamoscia && b.zTozsamoscia && a.urzadzenie == b.urzadzenie && a.wezel == b.wezel &&
           a.rozmiar == b.rozmiar && a.sekundy == b.sekundy && a.nanosekundy == b.nanosekundy;
}

// "08.12.2026 17:05", local time.
std::string CzasZmiany(const struct stat& st)
{
    struct tm t {};
    char tekst[32] = "?";
    if (::localtime_r(&st.st_mtim.tv_sec, &t))
        std::strftime(tekst, sizeof tekst, "%d.%m.%Y %H:%M", &t);
    return tekst;
}

} // namespace

// The record of the file now in the target's place, written through `fd`.
ZawartoscPliku ZapisanaZawartosc(int fd, const SkrotBajtow& pisane)
{
    ZawartoscPliku z = pisane.Wynik();
    struct stat st {};
    if (::fstat(fd, &st) == 0)
        z.DodajTozsamosc(st);
    return z;
}

} // namespace zapis

using namespace zapis;

void ZapisBezpieczny::ZnanaZawartosc(const ZawartoscPliku& z, PytanieOZastapienie czyZastapic)
{
    znana_ = z;
    czyZastapic_ = std::move(czyZastapic);
}

bool ZapisBezpieczny::CelZmieniony(bool ponownie, std::string& pytanie, ZawartoscPliku& teraz) const
{
    struct stat st {};
    if (!znana_.znana || !StanCelu(katalog_, nazwaCelu_, teraz, st) || TaSamaZawartosc(znana_, teraz))
        return false;
    // The owner need not be who changed it: the question names him as the
    // file's owner.
    pytanie = Utf8NaCp1250("Plik ") + SciezkaWTekscie(sciezka_) +
              Utf8NaCp1250(ponownie ? " został ponownie zmieniony (właściciel pliku: "
                                    : " został zmieniony po otwarciu (właściciel pliku: ") +
              NazwaUzytkownika(st.st_uid) + ", " + CzasZmiany(st) +
              Utf8NaCp1250("). Zapisać i zastąpić tamte zmiany?");
    return true;
}
