#include "platform/ZapisTymczasowe.h"

#include <atomic>
#include <cstdio>
#include <dirent.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <string>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/ZapisBezpieczny.h"

namespace {

bool tylkoNazwane = false;

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

// The turn's byte, far past any real end of a file, as databases lock
// theirs: a server that enforces byte-range locks keeps no one from reading
// the file, and readers' locks of its bytes stand in no save's way. The
// byte after it is held by a save that goes on without the turn, so that
// such saves go one at a time.
constexpr off_t BajtKolei = off_t{1} << 30;
constexpr off_t BajtBezKolei = BajtKolei + 1;

// 0, or errno: EAGAIN where another holds the byte.
int ZablokujBajt(int fd, off_t bajt)
{
    struct flock f {};
    f.l_type = F_WRLCK;
    f.l_whence = SEEK_SET;
    f.l_start = bajt;
    f.l_len = 1;
    while (::fcntl(fd, F_OFD_SETLK, &f) != 0) {
        if (errno != EINTR)
            return errno == EACCES ? EAGAIN : errno;
    }
    return 0;
}

std::function<void(bool)> pokazCzekania;

// Tells the window the save waits, from the first refusal to the end of
// the wait, whichever way it ends.
class Czekanie {
public:
    Czekanie() = default;
    Czekanie(const Czekanie&) = delete;
    Czekanie& operator=(const Czekanie&) = delete;
    ~Czekanie()
    {
        if (trwa_)
            pokazCzekania(false);
    }
    void Zacznij()
    {
        if (!trwa_ && pokazCzekania) {
            pokazCzekania(true);
            trwa_ = true;
        }
    }

private:
    bool trwa_ = false;
};

} // namespace

void ZapisujTylkoPrzezNazwanePliki(bool tak) { tylkoNazwane = tak; }

void PokazujCzekanieNaKolej(std::function<void(bool czeka)> pokaz) { pokazCzekania = std::move(pokaz); }

const std::function<void(bool czeka)>& PokazCzekaniaNaKolej() { return pokazCzekania; }

namespace zapis {

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

// A file made 0666 in the folder gets from the system what a new target
// would (the umask, or the folder's default list instead of it): the file
// is given its mode and list.
int PrawaNowegoPliku(int fd, int katalog)
{
    constexpr const char* Lista = "system.posix_acl_access";
    int wzor = tylkoNazwane ? -1 : ::openat(katalog, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (wzor < 0) {
        std::string nazwa;
        wzor = UtworzNazwany(katalog, 0666, nazwa);
        if (wzor < 0)
            return errno;
        ::unlinkat(katalog, nazwa.c_str(), 0);
    }
    int nr = 0;
    std::vector<char> lista(256);
    ssize_t n = ::fgetxattr(wzor, Lista, lista.data(), lista.size());
    if (n < 0 && errno == ERANGE) {
        n = ::fgetxattr(wzor, Lista, nullptr, 0);
        lista.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        n = n > 0 ? ::fgetxattr(wzor, Lista, lista.data(), lista.size()) : n;
    }
    struct stat st {};
    if (n >= 0 && ::fsetxattr(fd, Lista, lista.data(), static_cast<std::size_t>(n), 0) != 0)
        nr = errno;
    else if (n < 0 && errno != ENODATA && errno != ENOTSUP)
        nr = errno;
    // A list the file inherited at its making that a new file would not have.
    else if (n < 0 && ::fremovexattr(fd, Lista) != 0 && errno != ENODATA && errno != ENOTSUP)
        nr = errno;
    else if (::fstat(wzor, &st) != 0 || ::fchmod(fd, st.st_mode & 07777) != 0)
        nr = errno;
    ::close(wzor);
    return nr;
}

KolejZapisu::KolejZapisu(int katalog, std::string nazwa) : katalog_(katalog), nazwa_(std::move(nazwa)) {}

KolejZapisu::~KolejZapisu() { Zwolnij(); }

std::chrono::milliseconds CzasNaKolej{3000};

void KolejZapisu::Zablokuj()
{
    Zwolnij();
    // After one wait in vain the save waits no more: its later rounds take
    // the turn only where it is free at once. The last third of the wait
    // is for another save that went on without the turn, too.
    const auto czas = czekal_ ? std::chrono::milliseconds(0) : CzasNaKolej;
    const auto poczatek = std::chrono::steady_clock::now();
    const auto koniecKolei = poczatek + czas * 2 / 3, koniec = poczatek + czas;
    Czekanie czekanie;
    // A file replaced time and again gives up its turn after a while.
    for (int zmian = 0; zmian < 100;) {
        const Proba p = Sprobuj(std::chrono::steady_clock::now() >= koniecKolei);
        if (p == Proba::Jest)
            return;
        if (p == Proba::Znowu) {
            ++zmian;
            continue;
        }
        if (std::chrono::steady_clock::now() >= koniec) {
            czekal_ = true;
            return;
        }
        czekanie.Zacznij();
        ::usleep(5000);
    }
}

// One try at the turn of the target as it stands now, or `bezKolei` at
// going on without it once no other save does so.
KolejZapisu::Proba KolejZapisu::Sprobuj(bool bezKolei)
{
    // Only a regular file is opened: opening a device for writing may act
    // on it. Anything else the round's check tells of.
    struct stat st {};
    if (::fstatat(katalog_, nazwa_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode))
        return Proba::Jest;
    fd_ = ::openat(katalog_, nazwa_.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        if (errno == ENOENT)
            return SprobujFolderu();
        // Another's lease on it, to be given up; else no regular file the
        // user may write, which the round's check tells of.
        return errno == EWOULDBLOCK ? Proba::Zajeta : Proba::Jest;
    }
    int nr = ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) ? EINVAL : ZablokujBajt(fd_, BajtKolei);
    wKolei_ = nr == 0;
    if (nr == EAGAIN && bezKolei) {
        nr = ZablokujBajt(fd_, BajtBezKolei);
        czekal_ = czekal_ || nr == 0;
    }
    if (nr != 0) {
        Zwolnij();
        // No such locks here (ENOLCK, EINVAL on an old system): no turns.
        return nr == EAGAIN ? Proba::Zajeta : Proba::Jest;
    }
    // Another file may have taken the name meanwhile: its turn is taken then.
    if (!NazwaPliku(katalog_, nazwa_, fd_)) {
        Zwolnij();
        return Proba::Znowu;
    }
    return Proba::Jest;
}

// A target that does not exist (yet, or any more) has the folder's turn.
KolejZapisu::Proba KolejZapisu::SprobujFolderu()
{
    fd_ = ::openat(katalog_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return Proba::Jest;  // a folder its users may not read: no turns
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int nr = errno;
        Zwolnij();
        // No such lock here (ENOLCK, EOPNOTSUPP, EINVAL, a network file
        // system's EBADF): no turns.
        return nr == EWOULDBLOCK ? Proba::Zajeta : Proba::Jest;
    }
    struct stat st {};
    if (::fstatat(katalog_, nazwa_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT) {
        Zwolnij();  // it came meanwhile: its own turn, if any
        return Proba::Znowu;
    }
    return Proba::Jest;
}

void KolejZapisu::ZablokujSprawdzenie()
{
    if (!wKolei_)
        return;
    const auto koniec = std::chrono::steady_clock::now() + CzasNaKolej;
    Czekanie czekanie;
    while (ZablokujBajt(fd_, BajtBezKolei) == EAGAIN && std::chrono::steady_clock::now() < koniec) {
        czekanie.Zacznij();
        ::usleep(5000);
    }
}

void KolejZapisu::Zwolnij()
{
    wKolei_ = false;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace zapis
