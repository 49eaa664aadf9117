#pragma once
// The safe save's temporary files: the new contents without a name where
// the file system allows it, else under a name of the program's own
// (".~kartogram-" and 16 hexadecimal digits), locked by their writer from
// their start to the rename, and the clean-up of those saves killed half
// way left behind.

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

} // namespace zapis
