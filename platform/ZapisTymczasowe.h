#pragma once
// The safe save's temporary files: the new contents without a name where
// the file system allows it, else under a name of the program's own
// (".~kartogram-" and 16 hexadecimal digits), locked by their writer from
// their start to the rename, the clean-up of those saves killed half way
// left behind, and the turns the saves into one folder take.

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

// The program's saves into one folder take turns from the last check of
// their target to its rename: each holds the folder locked (flock)
// meanwhile, in its own open folder, so that threads take turns too. A
// folder that cannot be opened for reading, or whose file system takes no
// such lock, is saved into without it.
// How long a save waits for its turn (tests shorten it).
extern std::chrono::milliseconds CzasNaKolej;

class KolejZapisu {
public:
    explicit KolejZapisu(int katalog);
    ~KolejZapisu();
    KolejZapisu(const KolejZapisu&) = delete;
    KolejZapisu& operator=(const KolejZapisu&) = delete;
    // Waits for the turn, at most `CzasNaKolej`: false where another holds
    // the folder longer (a program hung in its turn), so that the window
    // does not hang with it.
    bool Zablokuj();
    void Zwolnij();

private:
    int fd_ = -1;
};

} // namespace zapis
