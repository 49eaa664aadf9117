#pragma once
// The file a safe save replaces: links followed, the targets it refuses
// (no regular file, read-only, not the user's to write, a name with a line
// break or of the program's temporaries, another's file in a sticky folder).

#include <string>

namespace zapis {

// "Nie można zapisać pliku X (przyczyna)." in Windows-1250.
std::string KomunikatZPrzyczyna(const std::string& sciezka, const char* przyczynaUtf8);

// The checks every save makes before it writes; then the target's folder,
// open, cleared of left-overs, with its path and the target's name in it.
// -1 with `blad` set when the save is refused.
int MiejsceZapisu(const std::string& sciezka, std::string& folder, std::string& nazwa, std::string& blad);

} // namespace zapis
