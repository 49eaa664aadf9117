#pragma once
// The safe save's temporary files: the new contents without a name where
// the file system allows it, else under a name of the program's own
// (".~kartogram-" and 16 hexadecimal digits), locked by their writer from
// their start to the rename, the clean-up of those saves killed half way
// left behind, and the turns the saves of one file take.

#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace zapis {

// Whether the name is of the program's temporaries' form.
bool NazwaTymczasowego(std::string_view nazwa);
// Waits for an exclusive lock of the open file.
void Zablokuj(int fd);
// Whether `nazwa` in the folder still stands for the open file.
bool NazwaPliku(int katalog, const std::string& nazwa, int fd);
// Removes the temporaries of this user in the folder that no writer holds
// locked (never `nazwaCelu`, whatever its name).
void UsunPorzuconeTymczasowe(int katalog, const std::string& nazwaCelu);
// A locked new file in the folder without a name; -1 with errno where the
// file system has no such files.
int UtworzBezNazwy(int katalog, mode_t tryb);
// The errno of `UtworzBezNazwy` that says the file system has no such files.
bool BrakPlikowBezNazwy(int nr);
// A locked new file under a temporary name (`nazwa`); -1 with errno.
int UtworzNazwany(int katalog, mode_t tryb, std::string& nazwa);
// Gives the file without a name a temporary one (`nazwa`); false with errno.
bool NadajNazwe(int fd, int katalog, std::string& nazwa);
// Gives the file what a file made anew in the folder gets there: the mode
// (0666 less the umask) or the folder's default access list; 0 or errno.
int PrawaNowegoPliku(int fd, int katalog);

// The program's saves of one file take turns from the last check of the
// target to its rename: each holds a byte of the file far past its end
// locked (an open file description's lock, so that threads take turns
// too; the saver may write the file, so a folder its users may write but
// not read has turns too), and checks that the name still stands for the
// file it locked. A target that does not exist has its folder's lock
// (flock) instead, which a folder that cannot be opened for reading goes
// without. Anyone who may write the file could hold its byte, and anyone
// who may open the folder the folder: a turn not given within 2 s is not
// waited for, and the save goes on without it, as where the file system
// takes no such locks; but after any other save that went on without it
// (the next byte, waited for until `CzasNaKolej`, 3 s, in all), as two
// such saves could each replace the file the other checked; a save in its
// turn takes that byte too for its check and rename. Turns hold
// between the program's copies on one computer; on a network file system
// between computers only where the server keeps byte-range locks (NFS
// with its lock service does, not tried here), never by a folder's flock.
extern std::chrono::milliseconds CzasNaKolej;

class KolejZapisu {
public:
    // The target `nazwa` in the folder open as `katalog`.
    KolejZapisu(int katalog, std::string nazwa);
    ~KolejZapisu();
    KolejZapisu(const KolejZapisu&) = delete;
    KolejZapisu& operator=(const KolejZapisu&) = delete;
    // Waits for the turn of the target as it stands, at most `CzasNaKolej`
    // in a save (the window shows the wait: PokazujCzekanieNaKolej); after
    // a wait in vain its later rounds take only a turn free at once.
    void Zablokuj();
    // Before the check: a save in its turn waits (at most `CzasNaKolej`)
    // for any save that went on without it to rename, and keeps others from
    // going on until its own rename, so that no two checks and renames
    // cross.
    void ZablokujSprawdzenie();
    void Zwolnij();

private:
    // Jest: the turn is held, or there is none to be had (no such locks,
    // no regular file); Zajeta: another holds it; Znowu: the target changed
    // meanwhile, to be tried again at once.
    enum class Proba { Jest, Zajeta, Znowu };
    Proba Sprobuj(bool bezKolei);
    Proba SprobujFolderu();

    int katalog_;
    std::string nazwa_;
    int fd_ = -1;  // the target or its folder, holding a lock
    bool czekal_ = false;  // a wait ran out in this save
    bool wKolei_ = false;  // `fd_` holds the file's turn
};

} // namespace zapis
