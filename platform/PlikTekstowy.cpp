#include "platform/PlikTekstowy.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <new>
#include <optional>
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

// The rest of an open file, about `rozmiar` bytes.
// With `skrot`, the bytes are hashed as they come, while in the cache.
bool CzytajDoKonca(int fd, const std::string& sciezka, std::size_t rozmiar, std::string& tresc, std::string& blad,
                   SkrotBajtow* skrot)
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
        if (skrot)
            skrot->Dodaj(std::string_view(bufor, static_cast<std::size_t>(r)));
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

std::size_t PoliczLinie(std::string_view t)
{
    if (t.empty())
        return 0;
    // Every LF ends a line, and so does every CR not followed by an LF: one
    // pass without branches, which the compiler turns into vector code (a
    // search for each CR costs a call per line of a CR LF file).
    const auto* z = reinterpret_cast<const unsigned char*>(t.data());
    const std::size_t ostatni = t.size() - 1;
    std::size_t n = 0;
    for (std::size_t i = 0; i < ostatni;) {
        // Byte counters, as many of them at once as a vector holds.
        const std::size_t koniec = std::min(ostatni, i + 255);
        unsigned char wBloku = 0;
        for (; i < koniec; ++i)
            wBloku = static_cast<unsigned char>(wBloku + ((z[i] == '\n') | ((z[i] == '\r') & (z[i + 1] != '\n'))));
        n += wBloku;
    }
    // The last character ends a line whatever it is: a CR or LF its own, any
    // other a last line without an end.
    return n + 1;
}

std::size_t KoniecLinii(std::string_view t, std::size_t od)
{
    const char* const poczatek = t.data();
    const char* const koniec = poczatek + t.size();
    for (const char* z = poczatek + od; z < koniec; ++z)
        if (*z == '\n' || *z == '\r')
            return static_cast<std::size_t>(z - poczatek);
    return t.size();
}

std::size_t PoKoncuLinii(std::string_view t, std::size_t koniec)
{
    if (koniec >= t.size())
        return t.size();
    return t[koniec] == '\r' && koniec + 1 < t.size() && t[koniec + 1] == '\n' ? koniec + 2 : koniec + 1;
}

bool CzytajPlik(const std::string& sciezka, std::string& tresc, std::string& blad)
{
    return CzytajPlik(sciezka, tresc, blad, nullptr);
}

bool CzytajPlik(const std::string& sciezka, std::string& tresc, std::string& blad, ZawartoscPliku* zawartosc)
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
        std::optional<SkrotBajtow> skrot;
        if (zawartosc)
            skrot.emplace();
        if (!CzytajDoKonca(fd, sciezka, static_cast<std::size_t>(st.st_size), tresc, blad, skrot ? &*skrot : nullptr))
            return false;
        if (zawartosc) {
            *zawartosc = skrot->Wynik();
            zawartosc->DodajTozsamosc(st);
        }
        return true;
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

namespace {

// The refusal of a UTF-8 text naming its line at fault, whose start is
// `przed` (a part converted, which keeps the lines where they were, or the
// text up to a damaged byte).
std::string OdmowaUtf8(std::string_view przed, const std::string& sciezka, const char* przyczynaUtf8)
{
    const bool poKoncu = przed.empty() || przed.back() == '\n' || przed.back() == '\r';
    const std::size_t nr = PoliczLinie(przed) + (poKoncu ? 1 : 0);
    return Utf8NaCp1250("Błąd w pliku ") + SciezkaWTekscie(sciezka) + ", linia " + std::to_string(nr) + ": " +
           Utf8NaCp1250(przyczynaUtf8);
}

std::string OdmowaUtf16LubUtf32(std::string_view rodzaj, const std::string& sciezka)
{
    return Utf8NaCp1250("Plik ") + SciezkaWTekscie(sciezka) + Utf8NaCp1250(" jest zapisany w kodowaniu ") +
           std::string(rodzaj) +
           Utf8NaCp1250(", którego program nie czyta; zapisz plik w UTF-8 lub Windows-1250.");
}

}  // namespace

bool TekstPlikuWCp1250(std::string& tresc, const std::string& sciezka, std::string& blad)
{
    if (const std::string_view rodzaj = RodzajUtf16LubUtf32(tresc); !rodzaj.empty()) {
        blad = OdmowaUtf16LubUtf32(rodzaj, sciezka);
        std::string().swap(tresc);
        return false;
    }
    const std::size_t od =
        std::string_view(tresc).starts_with(ZnacznikKolejnosciUtf8) ? ZnacznikKolejnosciUtf8.size() : 0;
    const std::string_view tekst = std::string_view(tresc).substr(od);
    const bool utf8 = MaZnakCp1250WUtf8(tekst);
    if (!utf8 && od == 0)
        return true;
    if (const std::size_t uszkodzony = PierwszyBladUtf8(tekst); uszkodzony != std::string_view::npos) {
        // Behind the mark, as files were saved before it was read as UTF-8.
        if (!utf8) {
            tresc.erase(0, od);
            return true;
        }
        // UTF-8 damaged, a byte of a letter lost: read on, every letter
        // would come garbled.
        blad = OdmowaUtf8(tekst.substr(0, uszkodzony), sciezka,
                          "plik jest zapisany w UTF-8, a ta linia nie jest poprawnym tekstem UTF-8.");
        std::string().swap(tresc);
        return false;
    }
    if (Utf8NaCp1250WMiejscu(tresc, od) == std::string::npos) {
        // Characters whose bytes form UTF-8 again ("Ä…") would come back
        // another text ("ą") once the program saved them.
        const std::size_t para = PierwszyZnakCp1250WUtf8(tresc);
        if (para == std::string::npos)
            return true;
        blad = OdmowaUtf8(std::string_view(tresc).substr(0, para), sciezka,
                          "plik jest zapisany w UTF-8, a ta linia ma parę znaków, którą program zapisałby jako "
                          "jedną literę (jak „Ä…” jako „ą”).");
        std::string().swap(tresc);
        return false;
    }
    // What was converted, up to the character refused.
    blad = OdmowaUtf8(tresc, sciezka,
                      "plik jest zapisany w UTF-8, a ta linia ma znak spoza strony kodowej Windows-1250.");
    std::string().swap(tresc);
    return false;
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
