#include "platform/ZapisBezpieczny.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "base/Kodowanie.h"
#include "platform/KatalogProgramu.h"
#include "platform/ListaUprawnien.h"
#include "platform/PlikTekstowy.h"

namespace {

bool tylkoNazwane = false;

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

// The program's temporary files are named ".~kartogram-" and 16 hexadecimal
// digits: a name of its own that no user picks, so that the clean-up takes
// no user's file, and short, so that it fits wherever the target's does.
constexpr std::string_view PoczatekTymczasowego = ".~kartogram-";
constexpr std::size_t CyfryTymczasowego = 16;

std::string NazwaTymczasowa()
{
    // Random, as copies of the program in other process namespaces share
    // the folder and the process numbers.
    static std::atomic<std::uint64_t> licznik{0};
    std::uint64_t los = 0;
    if (::getrandom(&los, sizeof los, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof los))
        los = static_cast<std::uint64_t>(::getpid()) << 32;
    los += ++licznik;
    char cyfry[CyfryTymczasowego + 1];
    std::snprintf(cyfry, sizeof cyfry, "%016llx", static_cast<unsigned long long>(los));
    return std::string(PoczatekTymczasowego) + cyfry;
}

bool NazwaTymczasowego(std::string_view nazwa)
{
    return nazwa.size() == PoczatekTymczasowego.size() + CyfryTymczasowego && nazwa.starts_with(PoczatekTymczasowego) &&
           std::all_of(nazwa.begin() + PoczatekTymczasowego.size(), nazwa.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// A writer holds its temporary file locked from its start to the rename, and
// the clean-up takes only the files it can lock. A file system without locks
// gives none to the clean-up either.
void Zablokuj(int fd)
{
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

// Whether the name still stands for the open file: whoever locks a file by
// its name checks that no one removed it meanwhile.
bool NazwaPliku(int katalog, const std::string& nazwa, int fd)
{
    struct stat otwarty {}, nazwany {};
    return ::fstat(fd, &otwarty) == 0 && ::fstatat(katalog, nazwa.c_str(), &nazwany, AT_SYMLINK_NOFOLLOW) == 0 &&
           otwarty.st_dev == nazwany.st_dev && otwarty.st_ino == nazwany.st_ino;
}

// A temporary file goes when it is a regular file of this user and no
// writer holds it locked (whichever process namespace or computer the
// writer is in: a process number tells nothing).
void UsunJesliWolny(int katalog, const std::string& nazwa)
{
    int fd = ::openat(katalog, nazwa.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    // One left while it was written (0200) opens for writing, which changes
    // nothing in it.
    struct stat st {};
    if (fd < 0 && errno == EACCES && ::fstatat(katalog, nazwa.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
        fd = ::openat(katalog, nazwa.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && NazwaPliku(katalog, nazwa, fd))
        ::unlinkat(katalog, nazwa.c_str(), 0);
    ::close(fd);
}

// Removes the temporary files that saves killed half way left in the folder
// (never the target, whatever its name).
void UsunPorzuconeTymczasowe(int katalog, const std::string& nazwaCelu)
{
    const int fdListy = ::openat(katalog, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdListy < 0)
        return;
    DIR* lista = ::fdopendir(fdListy);
    if (!lista) {
        ::close(fdListy);
        return;
    }
    std::vector<std::string> porzucone;
    while (const dirent* wpis = ::readdir(lista)) {
        if (NazwaTymczasowego(wpis->d_name) && wpis->d_name != nazwaCelu)
            porzucone.emplace_back(wpis->d_name);
    }
    ::closedir(lista);
    for (const std::string& nazwa : porzucone)
        UsunJesliWolny(katalog, nazwa);
}

// A new file in the folder that has no name until it is whole, so that a
// killed save leaves nothing behind; -1 where the file system has no such
// files (or /proc, through which it gets its name, is missing). Locked
// before it has a name.
int UtworzBezNazwy(int katalog, mode_t tryb)
{
    if (tylkoNazwane || ::access("/proc/self/fd", X_OK) != 0) {
        errno = EOPNOTSUPP;
        return -1;
    }
    const int fd = ::openat(katalog, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, tryb);
    if (fd >= 0)
        Zablokuj(fd);
    return fd;
}

bool BrakPlikowBezNazwy(int nr) { return nr == EOPNOTSUPP || nr == EISDIR || nr == EINVAL; }

// A new file of a name of its own, locked. Another save's clean-up may lock
// and remove it between its making and its locking: once the lock is taken
// the name must still be the file, else another one is made.
int UtworzNazwany(int katalog, mode_t tryb, std::string& nazwa)
{
    for (int proba = 0; proba < 100; ++proba) {
        const std::string nowa = NazwaTymczasowa();
        const int fd = ::openat(katalog, nowa.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tryb);
        if (fd < 0) {
            if (errno != EEXIST)
                return -1;
            continue;
        }
        Zablokuj(fd);
        if (NazwaPliku(katalog, nowa, fd)) {
            nazwa = nowa;
            return fd;
        }
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// Gives the finished file without a name a temporary one in its folder.
bool NadajNazwe(int fd, int katalog, std::string& nazwa)
{
    const std::string wlasny = "/proc/self/fd/" + std::to_string(fd);
    for (int proba = 0; proba < 100; ++proba) {
        const std::string nowa = NazwaTymczasowa();
        if (::linkat(AT_FDCWD, wlasny.c_str(), katalog, nowa.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            nazwa = nowa;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

std::string KomunikatZPrzyczyna(const std::string& sciezka, const char* przyczynaUtf8)
{
    return Utf8NaCp1250("Nie można zapisać pliku ") + SciezkaWTekscie(sciezka) + " (" + Utf8NaCp1250(przyczynaUtf8) +
           ").";
}

// The program's lists hold one path a line.
bool NazwaBezKoncaWiersza(const std::string& sciezka, std::string& blad)
{
    if (sciezka.find_first_of("\r\n") == std::string::npos)
        return true;
    blad = KomunikatZPrzyczyna(sciezka, "nazwa zawiera znak końca wiersza");
    return false;
}

// The folder a path names its file in.
std::string FolderPliku(const std::filesystem::path& p) { return p.has_parent_path() ? p.parent_path().string() : "."; }

// In a folder everyone may write and the sticky bit guards (/tmp), a link is
// followed only when it is the user's or the folder owner's, as the system
// itself follows links: another user's link there would make the save write
// wherever it points, the user's own files too.
bool DowiazanieDoSledzenia(const std::filesystem::path& dowiazanie)
{
    struct stat st {}, folder {};
    if (::lstat(dowiazanie.c_str(), &st) != 0 || ::stat(FolderPliku(dowiazanie).c_str(), &folder) != 0)
        return false;
    const bool wspolny = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !wspolny || st.st_uid == ::geteuid() || st.st_uid == folder.st_uid;
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
        if (!DowiazanieDoSledzenia(p)) {
            blad = KomunikatZPrzyczyna(sciezka, "dowiązanie symboliczne innego użytkownika we wspólnym folderze");
            return false;
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

// An existing target must be a regular file that the user may write: its
// folder alone would let the save replace a pipe, a device or another
// user's file. A file without its owner's write permission is not replaced
// behind the user's back (even by root, who could).
bool CelDoZastapienia(const std::string& sciezka, const std::string& cel, std::string& blad)
{
    struct stat st {};
    int nr = 0;
    if (::stat(cel.c_str(), &st) != 0)
        nr = errno == ENOENT ? 0 : errno;
    else if (S_ISDIR(st.st_mode))
        nr = EISDIR;
    else if (!S_ISREG(st.st_mode))
        nr = EINVAL;
    else if ((st.st_mode & S_IWUSR) == 0) {
        blad = KomunikatZPrzyczyna(sciezka, "plik jest tylko do odczytu");
        return false;
    } else if (::faccessat(AT_FDCWD, cel.c_str(), W_OK, AT_EACCESS) != 0)
        nr = errno;
    if (nr != 0)
        blad = KomunikatZapisu(sciezka, nr);
    return nr == 0;
}

// The target's folder, open, and the target's name in it; -1 with errno.
int OtworzKatalogCelu(const std::string& cel, std::string& folder, std::string& nazwa)
{
    const std::filesystem::path p = cel;
    nazwa = p.filename().string();
    folder = FolderPliku(p);
    if (nazwa.empty() || nazwa == "." || nazwa == "..") {
        errno = EISDIR;
        return -1;
    }
    return ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// In a folder with the sticky bit (/tmp) only the file's owner, the
// folder's and root may replace a file: the rename of anyone else's would
// fail only after the whole file was written.
bool ZastepowalnyWFolderze(int katalog, const std::string& nazwa)
{
    struct stat folder {}, plik {};
    if (::fstat(katalog, &folder) != 0 || (folder.st_mode & S_ISVTX) == 0 ||
        ::fstatat(katalog, nazwa.c_str(), &plik, AT_SYMLINK_NOFOLLOW) != 0)
        return true;
    const uid_t ja = ::geteuid();
    return ja == 0 || plik.st_uid == ja || folder.st_uid == ja;
}

// The checks every save makes before it writes; then the target's folder,
// open, cleared of left-overs. -1 with `blad` set when the save is refused.
int MiejsceZapisu(const std::string& sciezka, std::string& folder, std::string& nazwa, std::string& blad)
{
    std::string cel;
    if (!NazwaBezKoncaWiersza(sciezka, blad) || !CelZapisu(sciezka, cel, blad) ||
        !CelDoZastapienia(sciezka, cel, blad))
        return -1;
    const int katalog = OtworzKatalogCelu(cel, folder, nazwa);
    if (katalog < 0) {
        blad = KomunikatZapisu(sciezka, errno);
        return -1;
    }
    // The clean-up of another save in the folder would take the file.
    if (NazwaTymczasowego(nazwa)) {
        ::close(katalog);
        blad = KomunikatZPrzyczyna(sciezka, "nazwa zastrzeżona dla plików tymczasowych programu");
        return -1;
    }
    if (!ZastepowalnyWFolderze(katalog, nazwa)) {
        ::close(katalog);
        blad = Utf8NaCp1250("Nie można zapisać pliku ") + SciezkaWTekscie(sciezka) + Utf8NaCp1250(" (w folderze ") +
               SciezkaWTekscie(folder) + Utf8NaCp1250(" tylko właściciel pliku może go zastąpić).");
        return -1;
    }
    UsunPorzuconeTymczasowe(katalog, nazwa);
    return katalog;
}

// The access list as the system stores it (ListaUprawnien.h).
constexpr const char* AtrybutAcl = "system.posix_acl_access";

// An extended attribute's value (`nazwa` ""), or the list of the names, of
// the file at `sciezka` (not a link's target); false with errno.
bool CzytajAtrybut(const std::string& sciezka, const char* nazwa, std::string& wartosc)
{
    for (int proba = 0; proba < 5; ++proba) {
        ssize_t n =
            *nazwa ? ::lgetxattr(sciezka.c_str(), nazwa, nullptr, 0) : ::llistxattr(sciezka.c_str(), nullptr, 0);
        if (n < 0)
            return false;
        wartosc.resize(static_cast<std::size_t>(n));
        n = *nazwa ? ::lgetxattr(sciezka.c_str(), nazwa, wartosc.data(), wartosc.size())
                   : ::llistxattr(sciezka.c_str(), wartosc.data(), wartosc.size());
        if (n >= 0) {
            wartosc.resize(static_cast<std::size_t>(n));
            return true;
        }
        if (errno != ERANGE)  // else it grew meanwhile
            return false;
    }
    return false;
}

// A name from the system's group or user database; its number where it
// has none.
template <typename Wpis, typename Id, typename Szukaj>
std::string NazwaZBazy(Id id, Szukaj szukaj, char* Wpis::*nazwa)
{
    std::vector<char> bufor(4096);
    Wpis wpis {};
    Wpis* znaleziony = nullptr;
    int nr = 0;
    while ((nr = szukaj(id, &wpis, bufor.data(), bufor.size(), &znaleziony)) == ERANGE && bufor.size() < (1u << 20))
        bufor.resize(bufor.size() * 2);
    return nr == 0 && znaleziony ? SciezkaWTekscie(znaleziony->*nazwa) : std::to_string(id);
}

std::string NazwaGrupy(gid_t gid) { return NazwaZBazy(gid, ::getgrgid_r, &group::gr_name); }
std::string NazwaUzytkownika(uid_t uid) { return NazwaZBazy(uid, ::getpwuid_r, &passwd::pw_name); }

// The users the system's database knows, with their groups (the writer
// with those he holds now), and anyone else the old list names or owned
// the file, in no group: whose rights a file that changes hands must keep.
std::vector<Uzytkownik> ZnaniUzytkownicy(const ListaUprawnien& lista, uid_t wlasciciel)
{
    std::vector<Uzytkownik> znani;
    const auto znany = [&znani](std::uint32_t uid) {
        return std::any_of(znani.begin(), znani.end(), [uid](const Uzytkownik& u) { return u.uid == uid; });
    };
    std::vector<gid_t> grupy(std::max(::getgroups(0, nullptr), 0));
    grupy.resize(static_cast<std::size_t>(std::max(::getgroups(static_cast<int>(grupy.size()), grupy.data()), 0)));
    grupy.push_back(::getegid());
    znani.push_back({::geteuid(), {grupy.begin(), grupy.end()}});
    ::setpwent();
    std::vector<char> bufor(1 << 14);
    passwd wpis {};
    passwd* p = nullptr;
    while (::getpwent_r(&wpis, bufor.data(), bufor.size(), &p) == 0 && p) {
        if (znany(p->pw_uid))
            continue;
        int ile = 32;
        std::vector<gid_t> jego(static_cast<std::size_t>(ile));
        while (::getgrouplist(p->pw_name, p->pw_gid, jego.data(), &ile) < 0)
            jego.resize(static_cast<std::size_t>(ile));
        jego.resize(static_cast<std::size_t>(ile));
        znani.push_back({p->pw_uid, {jego.begin(), jego.end()}});
    }
    ::endpwent();
    std::vector<std::uint32_t> nazwani{wlasciciel};
    for (const WpisListy& w : lista)
        if (w.znacznik == WpisUzytkownika)
            nazwani.push_back(w.id);
    for (const std::uint32_t uid : nazwani)
        if (!znany(uid))
            znani.push_back({uid, {}});
    return znani;
}

// What the new file could not take of the old one's, and what changed hands.
struct Niezachowane {
    bool acl = false;
    bool atrybuty = false;
    // The namespaces of the attributes not kept ("user", "security"), in the
    // message's order; none where the names could not be listed.
    std::vector<std::string> przestrzenie;
    std::string wlasciciel;           // the old owner's name where the file became its writer's
    std::string nowyWlasciciel;       // then the writer's
    bool wlascicielZachowal = false;  // the old owner kept his rights
    std::string grupa;                // the old group's name where the file took the writer's
    std::string nowaGrupa;            // then the new group's
    bool grupaZachowala = false;      // the old group kept its rights by name in the list
    std::vector<std::string> zawezeni;  // the users whose rights were narrowed
    int blad = 0;                     // a step failed (errno): the file must not take the target's place
    bool bladListy = false;           // the step was the list's
};

// Where a message names an attribute namespace: user, trusted and security
// ones first, in this order, any other after them.
std::size_t MiejscePrzestrzeni(std::string_view przestrzen)
{
    constexpr std::string_view kolejne[] = {"user", "trusted", "security"};
    const auto poczatek = std::begin(kolejne);
    return static_cast<std::size_t>(std::find(poczatek, std::end(kolejne), przestrzen) - poczatek);
}

// Notes the attribute `nazwa` as not kept, its namespace once.
void NieZachowany(Niezachowane& brak, std::string_view nazwa)
{
    brak.atrybuty = true;
    const std::string przestrzen(nazwa.substr(0, nazwa.find('.')));
    const std::size_t miejsce = MiejscePrzestrzeni(przestrzen);
    std::vector<std::string>& p = brak.przestrzenie;
    if (std::find(p.begin(), p.end(), przestrzen) == p.end())
        p.insert(std::find_if(p.begin(), p.end(), [&](const auto& q) { return MiejscePrzestrzeni(q) > miejsce; }),
                 przestrzen);
}

// Gives the new file every attribute the old one at `stary` has but its
// access list, which goes with the mode. Where the names cannot be listed
// (past 64 KB of them: E2BIG) none is kept.
void KopiujAtrybuty(int fd, const std::string& stary, Niezachowane& brak)
{
    std::string nazwy;
    if (!CzytajAtrybut(stary, "", nazwy)) {
        brak.atrybuty = errno != ENOTSUP;  // else the file system keeps none
        return;
    }
    for (std::size_t i = 0; i < nazwy.size(); i += std::strlen(nazwy.c_str() + i) + 1) {
        const char* n = nazwy.c_str() + i;
        std::string wartosc;
        if (std::strcmp(n, AtrybutAcl) != 0 &&
            (!CzytajAtrybut(stary, n, wartosc) || ::fsetxattr(fd, n, wartosc.data(), wartosc.size(), 0) != 0))
            NieZachowany(brak, n);
    }
}

// Sets the list where it says more than a mode, else removes any list the
// new file inherited from its folder's default; on a file system without
// lists the mode nearest it that gives no one more. False with `brak.blad`
// where the list the rights need cannot be set: the save must fail.
bool UstawListe(int fd, ListaUprawnien& lista, Wlasnosc plik, std::vector<Uzytkownik>& znani,
                const ListaUprawnien& dawna, Niezachowane& brak)
{
    if (ListaPonadTryb(lista)) {
        const std::string bajty = BajtyListy(lista);
        if (::fsetxattr(fd, AtrybutAcl, bajty.data(), bajty.size(), 0) == 0)
            return true;
        if (errno != EOPNOTSUPP) {
            brak.blad = errno;
            brak.bladListy = true;
            return false;
        }
        if (znani.empty())
            znani = ZnaniUzytkownicy(dawna, plik.uid);
        lista = ListaBezMaski(lista, plik, znani);
        brak.acl = brak.acl || ListaPonadTryb(dawna);
    }
    if (::fremovexattr(fd, AtrybutAcl) != 0 && errno != ENODATA && errno != EOPNOTSUPP) {
        brak.blad = errno;
        return false;
    }
    return true;
}

// An existing file's owner where the writer may give it (root), else its
// group where the writer belongs to it, so that a team's file stays the
// team's to write; its mode, access list and extended attributes. Whoever
// the file passes to, every user keeps on it the rights he had, where the
// list can say so (ListaDlaWlasnosci), else no more than he had.
Niezachowane ZachowajWlasciwosci(int fd, int katalog, const std::string& folder, const std::string& nazwa)
{
    Niezachowane brak;
    struct stat st {}, nowy {};
    if (::fstatat(katalog, nazwa.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        ::fstat(fd, &nowy) != 0)
        return brak;
    const std::string stary = PolaczSciezke(folder, nazwa).native();
    // The list by its name, whether the names could be listed or not: none
    // on the file (ENODATA) or on the file system (ENOTSUP) is no loss.
    // Without a list the mode stands for one; a list that cannot be read
    // gave its group and named entries rights no one knows: they get none.
    std::string acl;
    ListaUprawnien dawna;
    const bool maAcl = CzytajAtrybut(stary, AtrybutAcl, acl);
    brak.acl = maAcl ? !CzytajListe(acl, dawna) : errno != ENODATA && errno != ENOTSUP;
    if (!maAcl || brak.acl) {
        dawna = ListaTrybu(st.st_mode);
        if (brak.acl)
            OdbierzGrupiePliku(dawna);
    }

    // Owner and group first, while the new file is 0200: its holder may
    // only write it, as its writer and the old file's owner may the old one.
    // The list then sets everyone's rights at once, and the mode its special
    // bits last. Set the other way round, the mode opened the file to its
    // group and the entries inherited from the folder until the list came.
    if (nowy.st_uid != st.st_uid || nowy.st_gid != st.st_gid) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0 && nowy.st_gid != st.st_gid)
            ::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
        ::fstat(fd, &nowy);
    }
    const Wlasnosc byla{st.st_uid, st.st_gid}, jest{nowy.st_uid, nowy.st_gid};
    std::vector<Uzytkownik> znani;
    if (!(byla == jest))
        znani = ZnaniUzytkownicy(dawna, st.st_uid);
    ListaUprawnien lista = ListaDlaWlasnosci(dawna, byla, jest, znani);
    if (!UstawListe(fd, lista, jest, znani, dawna, brak))
        return brak;
    // The attributes after the owner, whose change takes the file's
    // capabilities (security.capability) away, and after the list, which
    // must find room among them.
    KopiujAtrybuty(fd, stary, brak);
    // Set-user and set-group bits go with an owner or group not kept, as
    // the system drops them when a file changes hands.
    const mode_t specjalne = st.st_mode & (S_ISVTX | (byla.uid == jest.uid ? S_ISUID : 0) |
                                           (byla.gid == jest.gid ? S_ISGID : 0));
    if (::fchmod(fd, specjalne | TrybListy(lista)) != 0) {
        brak.blad = errno;
        return brak;
    }

    // What the message names: whose hands the file passed to, and whose
    // rights no list could keep.
    Uzytkownik poprzedni{byla.uid, {}};
    for (const Uzytkownik& u : znani) {
        if (PrawaUzytkownika(lista, jest, u) != PrawaUzytkownika(dawna, byla, u))
            brak.zawezeni.push_back(NazwaUzytkownika(u.uid));
        if (u.uid == byla.uid)
            poprzedni = u;
    }
    if (byla.uid != jest.uid) {
        brak.wlasciciel = NazwaUzytkownika(byla.uid);
        brak.nowyWlasciciel = NazwaUzytkownika(jest.uid);
        brak.wlascicielZachowal = PrawaUzytkownika(lista, jest, poprzedni) == PrawaUzytkownika(dawna, byla, poprzedni);
    }
    if (byla.gid != jest.gid) {
        brak.grupa = NazwaGrupy(byla.gid);
        brak.nowaGrupa = NazwaGrupy(jest.gid);
        brak.grupaZachowala = ListaPonadTryb(lista);
    }
    return brak;
}

// "Plik … został zapisany, ale nie udało się zachować …", "Plik … został
// zapisany i należy teraz do użytkownika …", or "".
std::string UwagaZapisu(const std::string& sciezka, const Niezachowane& brak)
{
    std::string czego;
    const auto dodaj = [&czego](const std::string& co) { czego += (czego.empty() ? "" : ", ") + co; };
    if (!brak.grupa.empty())
        dodaj(Utf8NaCp1250("grupy pliku (") + brak.grupa + ")");
    if (brak.acl)
        dodaj(Utf8NaCp1250("listy uprawnień (ACL)"));
    if (brak.atrybuty) {
        std::string przestrzenie;
        for (const std::string& p : brak.przestrzenie)
            przestrzenie += (przestrzenie.empty() ? " (" : ", ") + p + ".*";
        dodaj(Utf8NaCp1250("atrybutów rozszerzonych") + przestrzenie + (przestrzenie.empty() ? "" : ")"));
    }
    if (czego.empty() && brak.wlasciciel.empty() && brak.zawezeni.empty())
        return {};
    std::string uwaga = Utf8NaCp1250("Plik ") + SciezkaWTekscie(sciezka) + Utf8NaCp1250(" został zapisany");
    if (brak.wlasciciel.empty())
        uwaga += czego.empty() ? "." : Utf8NaCp1250(", ale nie udało się zachować ") + czego + ".";
    else
        uwaga += Utf8NaCp1250(" i należy teraz do użytkownika ") + brak.nowyWlasciciel +
                 (brak.wlascicielZachowal ? Utf8NaCp1250("; dotychczasowy właściciel (") + brak.wlasciciel +
                                                Utf8NaCp1250(") zachował swoje uprawnienia do niego.")
                                          : ".") +
                 (czego.empty() ? "" : Utf8NaCp1250(" Nie udało się zachować ") + czego + ".");
    if (!brak.grupa.empty())
        uwaga += Utf8NaCp1250(" Nową grupą pliku jest ") + brak.nowaGrupa +
                 (brak.grupaZachowala ? Utf8NaCp1250("; dotychczasowa grupa (") + brak.grupa +
                                            Utf8NaCp1250(") zachowała swoje uprawnienia do niego.")
                                      : ".");
    if (!brak.zawezeni.empty()) {
        std::string kto;
        for (const std::string& n : brak.zawezeni)
            kto += (kto.empty() ? "" : ", ") + n;
        uwaga += Utf8NaCp1250(" Zawężono uprawnienia do pliku użytkownikom: ") + kto + ".";
    }
    return uwaga;
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

void ZapisujTylkoPrzezNazwanePliki(bool tak) { tylkoNazwane = tak; }

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
    const mode_t tryb = ::fstatat(katalog_, nazwaCelu_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? 0200 : 0666;
    fd_ = zNazwa ? -1 : UtworzBezNazwy(katalog_, tryb);
    if (fd_ < 0 && (zNazwa || BrakPlikowBezNazwy(errno)))
        fd_ = UtworzNazwany(katalog_, tryb, tymczasowy_);
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

namespace {

ZawartoscPliku ZapisanaZawartosc(int fd, const SkrotBajtow& pisane);

// What the target's permissions are taken from: the file and its last
// change of them.
struct StanWlasciwosci {
    dev_t urzadzenie = 0;
    ino_t wezel = 0;
    timespec zmiana{};
    bool operator==(const StanWlasciwosci& s) const
    {
        return urzadzenie == s.urzadzenie && wezel == s.wezel && zmiana.tv_sec == s.zmiana.tv_sec &&
               zmiana.tv_nsec == s.zmiana.tv_nsec;
    }
};

StanWlasciwosci Wlasciwosci(int katalog, const std::string& nazwa)
{
    struct stat st {};
    if (::fstatat(katalog, nazwa.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return {};
    return {st.st_dev, st.st_ino, st.st_ctim};
}

} // namespace

bool ZapisBezpieczny::Zakoncz(std::string& blad)
{
    if (fd_ < 0)
        return false;
    uwaga_.clear();
    odmowa_ = false;
    zapisana_ = {};
    // Whole now, the file takes the old one's permissions, before the flush
    // so that they reach the disk with it. It stays open (and locked) until
    // it is in the target's place. The target is checked at the last moment,
    // so that a save landing meanwhile is caught too; one that landed while
    // the user was asked gives the new file its permissions anew.
    Niezachowane brak;
    int nr = 0;
    for (int proba = 0; proba < 5; ++proba) {
        const StanWlasciwosci przed = Wlasciwosci(katalog_, nazwaCelu_);
        brak = ZachowajWlasciwosci(fd_, katalog_, folder_, nazwaCelu_);
        if (brak.blad != 0)
            nr = brak.blad;  // the old file stays as it was
        else if (::fsync(fd_) != 0)
            nr = errno;
        else if (tymczasowy_.empty() && !NadajNazwe(fd_, katalog_, tymczasowy_))
            nr = errno;
        else if (!ZastapicCel())
            nr = ECANCELED;
        if (nr != 0 || Wlasciwosci(katalog_, nazwaCelu_) == przed)
            break;
    }
    bool naMiejscu = false;
    if (nr == 0 && ::renameat(katalog_, tymczasowy_.c_str(), katalog_, nazwaCelu_.c_str()) != 0)
        nr = errno;
    else if (nr == 0) {
        tymczasowy_.clear();  // it is the target now
        naMiejscu = true;
        zapisana_ = ZapisanaZawartosc(fd_, pisane_);
        uwaga_ = UwagaZapisu(sciezka_, brak);
        nr = ZapiszKatalog(katalog_);
    }
    Porzuc();
    // A failed flush of the folder leaves the new contents in the file: the
    // save is not sure, and the user is asked to save again, told as well
    // what the file did not keep.
    if (nr != 0 && !odmowa_)
        blad = naMiejscu ? Utf8NaCp1250("Plik ") + SciezkaWTekscie(sciezka_) +
                               Utf8NaCp1250(" został zapisany, ale system nie potwierdził, że jest na dysku (") +
                               PrzyczynaBledu(nr) + Utf8NaCp1250("); zapisz go ponownie.") +
                               (uwaga_.empty() ? "" : " " + uwaga_)
               : brak.bladListy ? Utf8NaCp1250("Nie można zapisać pliku ") + SciezkaWTekscie(sciezka_) +
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
    if (zmiany)
        zmiany->odmowa = false;
    if (!zapis.Otworz(sciezka, blad))
        return false;
    if (zmiany)
        zapis.ZnanaZawartosc(zmiany->zawartosc, zmiany->czyZastapic);
    if (!zapis.Pisz(tresc, blad) || !zapis.Zakoncz(blad)) {
        if (zmiany)
            zmiany->odmowa = zapis.Odmowa();
        return false;
    }
    if (uwaga)
        *uwaga = zapis.Uwaga();
    if (zmiany)
        zmiany->zawartosc = zapis.Zapisana();
    return true;
}

// What a save knows of the file it read or wrote, and the check before it
// replaces it.

namespace {

std::uint64_t Wymieszaj(std::uint64_t x)
{
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdull;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ull;
    return x ^ (x >> 33);
}

// The file's identity and modification time, beside its bytes' record.
void DodajTozsamosc(ZawartoscPliku& z, const struct stat& st)
{
    z.zTozsamoscia = true;
    z.urzadzenie = st.st_dev;
    z.wezel = st.st_ino;
    z.sekundy = st.st_mtim.tv_sec;
    z.nanosekundy = st.st_mtim.tv_nsec;
}

// The record of the file now in the target's place, written through `fd`.
ZawartoscPliku ZapisanaZawartosc(int fd, const SkrotBajtow& pisane)
{
    ZawartoscPliku z = pisane.Wynik();
    struct stat st {};
    if (::fstat(fd, &st) == 0)
        DodajTozsamosc(z, st);
    return z;
}

// The target as it stands now: false where it is gone. A file the user may
// not read is known by its identity, size and time only.
bool StanCelu(int katalog, const std::string& nazwa, ZawartoscPliku& z, struct stat& st)
{
    z = {};
    const int fd = ::openat(katalog, nazwa.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || ::fstatat(katalog, nazwa.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return errno != ENOENT;
        z.rozmiar = static_cast<std::uint64_t>(st.st_size);
        DodajTozsamosc(z, st);
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
    DodajTozsamosc(z, st);
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

ZawartoscPliku ZawartoscPliku::Z(std::string_view bajty)
{
    SkrotBajtow s;
    s.Dodaj(bajty);
    return s.Wynik();
}

void SkrotBajtow::Dodaj(std::string_view bajty)
{
    // Eight bytes a step: a file of hundreds of megabytes costs little.
    const auto krok = [this](std::uint64_t w) { skrot_ = (std::rotl(skrot_ ^ w, 29) + rozmiar_) * 0x9e3779b97f4a7c15ull; };
    std::size_t i = 0;
    for (; i < bajty.size() && rozmiar_ % 8 != 0; ++i) {
        reszta_ |= std::uint64_t(static_cast<unsigned char>(bajty[i])) << (8 * (rozmiar_++ % 8));
        if (rozmiar_ % 8 == 0) {
            krok(reszta_);
            reszta_ = 0;
        }
    }
    for (; i + 8 <= bajty.size(); i += 8) {
        std::uint64_t w = 0;
        for (std::size_t k = 8; k-- > 0;)
            w = w << 8 | static_cast<unsigned char>(bajty[i + k]);
        rozmiar_ += 8;
        krok(w);
    }
    for (; i < bajty.size(); ++i)
        reszta_ |= std::uint64_t(static_cast<unsigned char>(bajty[i])) << (8 * (rozmiar_++ % 8));
}

ZawartoscPliku SkrotBajtow::Wynik() const
{
    ZawartoscPliku z;
    z.znana = true;
    z.rozmiar = rozmiar_;
    z.skrot = Wymieszaj(skrot_ ^ Wymieszaj(reszta_ + rozmiar_));
    return z;
}

void ZapisBezpieczny::ZnanaZawartosc(const ZawartoscPliku& z, PytanieOZastapienie czyZastapic)
{
    znana_ = z;
    czyZastapic_ = std::move(czyZastapic);
}

bool ZapisBezpieczny::ZastapicCel()
{
    if (!znana_.znana)
        return true;
    for (;;) {
        ZawartoscPliku teraz;
        struct stat st {};
        if (!StanCelu(katalog_, nazwaCelu_, teraz, st) || TaSamaZawartosc(znana_, teraz))
            return true;
        const std::string pytanie = Utf8NaCp1250("Plik ") + SciezkaWTekscie(sciezka_) +
                                    Utf8NaCp1250(" został zmieniony po otwarciu (użytkownik ") +
                                    NazwaUzytkownika(st.st_uid) + ", " + CzasZmiany(st) +
                                    Utf8NaCp1250("). Zapisać i zastąpić tamte zmiany?");
        if (!czyZastapic_ || !czyZastapic_(pytanie)) {
            odmowa_ = true;
            return false;
        }
        // What the user agreed to replace; asked again if it changes once
        // more while the question was open.
        znana_ = teraz;
    }
}
