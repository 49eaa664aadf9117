#include "platform/ZapisBezpieczny.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Kodowanie.h"
#include "platform/KatalogProgramu.h"
#include "platform/PlikTekstowy.h"
#include "platform/ZapisCel.h"
#include "platform/ZapisPrawa.h"
#include "platform/ZapisTymczasowe.h"
#include "platform/ZapisZmiany.h"

namespace {

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

// Writes the folder's entries out, so that a power cut keeps the rename (and
// the name given to the file before it); 0 or errno. A file system that
// cannot (EINVAL) and a folder the user may not read go without.
int ZapiszKatalog(int katalog)
{
    const int fd = ::openat(katalog, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int nr = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return nr;
}

} // namespace

using namespace zapis;

ZapisBezpieczny::~ZapisBezpieczny() { Porzuc(); }

bool ZapisBezpieczny::Otworz(const std::string& sciezka, std::string& blad) { return Otworz(sciezka, false, blad); }

bool ZapisBezpieczny::OtworzNazwany(const std::string& sciezka, std::string& blad)
{
    return Otworz(sciezka, true, blad);
}

std::string ZapisBezpieczny::SciezkaTymczasowego() const
{
    return tymczasowy_.empty() ? std::string() : PolaczSciezke(folder_, tymczasowy_).native();
}

bool ZapisBezpieczny::Otworz(const std::string& sciezka, bool zNazwa, std::string& blad)
{
    Porzuc();
    blad.clear();
    uwaga_.clear();
    sciezka_ = sciezka;
    katalog_ = MiejsceZapisu(sciezka, folder_, nazwaCelu_, blad);
    if (katalog_ < 0)
        return false;
    // The new contents of an existing file are its writer's alone, to write
    // only (as he and the old file's owner may the old one), until `Zakoncz`
    // gives them the file's permissions; a new file's take the system's
    // defaults (the umask, the folder's default access list).
    struct stat st {};
    tryb_ = ::fstatat(katalog_, nazwaCelu_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? 0200 : 0666;
    naMiejscu_ = false;
    fd_ = zNazwa ? -1 : UtworzBezNazwy(katalog_, tryb_);
    if (fd_ < 0 && (zNazwa || BrakPlikowBezNazwy(errno)))
        fd_ = UtworzNazwany(katalog_, tryb_, tymczasowy_);
    if (fd_ < 0) {
        // The file itself may be writable: what is not is its folder.
        blad = errno == EACCES || errno == EPERM
                   ? Utf8NaCp1250("Nie można zapisać pliku ") + SciezkaWTekscie(sciezka) +
                         Utf8NaCp1250(" (brak uprawnień do zapisu w folderze ") + SciezkaWTekscie(folder_) + ")."
                   : KomunikatZapisu(sciezka, errno);
        Porzuc();
        return false;
    }
    return true;
}

bool ZapisBezpieczny::Pisz(std::string_view dane, std::string& blad)
{
    if (fd_ < 0)
        return false;
    if (ZapiszWszystko(fd_, dane.data(), dane.size())) {
        pisane_.Dodaj(dane);
        return true;
    }
    blad = KomunikatZapisu(sciezka_, errno);
    Porzuc();
    return false;
}

bool ZapisBezpieczny::Zakoncz(std::string& blad)
{
    if (fd_ < 0)
        return false;
    uwaga_.clear();
    odmowa_ = false;
    naMiejscu_ = false;
    zapisana_ = {};
    int nr = 0;
    // In its turn the save takes the target's permissions, flushes them with
    // the file (one flush for both) and checks the target last: unchanged (bytes and
    // permissions) since the round began, it is replaced. Another save's
    // file that landed while the user was asked gives the new one its
    // permissions anew; no round that saw the target change ends in the
    // rename.
    Niezachowane brak;
    KolejZapisu kolej(katalog_, nazwaCelu_);
    bool zmieniany = true;
    int pytania = 0;
    bool niezwykly = false;
    for (int runda = 0; nr == 0 && zmieniany && runda < 10; ++runda) {
        kolej.Zablokuj();
        const StanWlasciwosci przed = Wlasciwosci(katalog_, nazwaCelu_);
        brak = {};
        // A link, a pipe or a folder put in the target's place meanwhile is
        // left as it is: nothing of it could be kept.
        if (przed.istnieje && !przed.zwykly) {
            niezwykly = true;
            nr = EINVAL;
            break;
        }
        if (przed.istnieje)
            brak = ZachowajWlasciwosci(fd_, katalog_, folder_, nazwaCelu_);
        else if (tryb_ == 0200)
            brak.blad = PrawaNowegoPliku(fd_, katalog_);  // the target went after `Otworz`
        std::string pytanie;
        ZawartoscPliku teraz;
        if (brak.blad != 0)
            nr = brak.blad;  // the old file stays as it was
        else if (::fsync(fd_) != 0)
            nr = errno;
        if (nr != 0)
            break;
        kolej.ZablokujSprawdzenie();
        if (CelZmieniony(pytania > 0, pytanie, teraz)) {
            // Other saves go on while the user is asked.
            kolej.Zwolnij();
            ++pytania;
            if (!czyZastapic_ || !czyZastapic_(pytanie)) {
                odmowa_ = true;
                nr = ECANCELED;
            } else
                znana_ = teraz;  // what the user agreed to replace
        } else
            zmieniany = !(Wlasciwosci(katalog_, nazwaCelu_) == przed);
    }
    const bool ciagleZmieniany = nr == 0 && zmieniany;
    if (ciagleZmieniany)
        nr = EAGAIN;
    // Named only now: a save killed while its question was open leaves
    // nothing where the file system has files without a name.
    else if (nr == 0 && tymczasowy_.empty() && !NadajNazwe(fd_, katalog_, tymczasowy_))
        nr = errno;
    if (nr == 0 && ::renameat(katalog_, tymczasowy_.c_str(), katalog_, nazwaCelu_.c_str()) != 0)
        nr = errno;
    else if (nr == 0) {
        tymczasowy_.clear();  // it is the target now
        naMiejscu_ = true;
        zapisana_ = ZapisanaZawartosc(fd_, pisane_);
        uwaga_ = UwagaZapisu(sciezka_, brak);
    }
    kolej.Zwolnij();
    if (naMiejscu_)
        nr = ZapiszKatalog(katalog_);
    Porzuc();
    // A failed flush of the folder leaves the new contents in the file: the
    // save is not sure, and the user is asked to save again, told as well
    // what the file did not keep.
    if (nr != 0 && !odmowa_)
        blad = naMiejscu_ ? Utf8NaCp1250("Plik ") + SciezkaWTekscie(sciezka_) +
                                Utf8NaCp1250(" został zapisany, ale system nie potwierdził, że jest na dysku (") +
                                PrzyczynaBledu(nr) + Utf8NaCp1250("); zapisz go ponownie.") +
                                (uwaga_.empty() ? "" : " " + uwaga_)
               : ciagleZmieniany ? KomunikatZPrzyczyna(sciezka_, "plik wciąż zmieniał się podczas zapisu")
               : niezwykly       ? KomunikatZPrzyczyna(sciezka_, "plik został w czasie zapisu zastąpiony czymś, "
                                                                  "co nie jest zwykłym plikiem")
               : brak.bladListy  ? Utf8NaCp1250("Nie można zapisać pliku ") + SciezkaWTekscie(sciezka_) +
                                      Utf8NaCp1250(" (nie można ustawić listy uprawnień pliku: ") +
                                      PrzyczynaBledu(nr) + ")."
                                 : KomunikatZapisu(sciezka_, nr);
    return nr == 0;
}

void ZapisBezpieczny::Porzuc()
{
    // The record and the hash are of one save.
    znana_ = {};
    czyZastapic_ = nullptr;
    pisane_ = {};
    if (!tymczasowy_.empty())
        ::unlinkat(katalog_, tymczasowy_.c_str(), 0);
    tymczasowy_.clear();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (katalog_ >= 0)
        ::close(katalog_);
    katalog_ = -1;
}

bool ZapiszLinieBezpiecznie(const std::string& sciezka, const std::vector<std::string>& linie, std::string& blad,
                            std::string* uwaga, ZapisZmienionego* zmiany)
{
    std::string tresc;
    for (const std::string& l : linie) {
        tresc += l;
        tresc += "\r\n";
    }
    ZapisBezpieczny zapis;
    if (zmiany) {
        zmiany->odmowa = false;
        zmiany->naMiejscu = false;
    }
    if (!zapis.Otworz(sciezka, blad))
        return false;
    if (zmiany)
        zapis.ZnanaZawartosc(zmiany->zawartosc, zmiany->czyZastapic);
    const bool zapisany = zapis.Pisz(tresc, blad) && zapis.Zakoncz(blad);
    if (zmiany) {
        zmiany->odmowa = zapis.Odmowa();
        // The file in place, its record is of the bytes written, whatever
        // the folder's flush said.
        zmiany->naMiejscu = zapis.NaMiejscu();
        if (zapis.NaMiejscu())
            zmiany->zawartosc = zapis.Zapisana();
    }
    if (zapisany && uwaga)
        *uwaga = zapis.Uwaga();
    return zapisany;
}

// What a save knows of the file it read or wrote, and the check before it
// replaces it.
