#include "platform/ZapisCel.h"

#include <filesystem>

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
#include "platform/PlikTekstowy.h"
#include "platform/ZapisTymczasowe.h"

namespace zapis {

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

namespace {

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

} // namespace

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

} // namespace zapis
