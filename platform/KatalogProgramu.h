#pragma once
// The program's folder and paths below it. "Dane", "Pomiary" and
// "Instrukcja" lie next to the executable, in the build tree as well.
//
// Paths are held as the file system takes them (UTF-8 bytes), from the
// dialog or the command line to the system call: Windows-1250 is only for
// the texts inside the program's files, and a path in a message goes
// through SciezkaWTekscie. "/" alone separates folders; "\" may be part of
// a file's name. The folders below are std::filesystem::path, the system's
// bytes as they are, so that no text conversion takes one by mistake.

#include <filesystem>
#include <string>
#include <string_view>

// The executable's folder, without a trailing "/".
std::filesystem::path KatalogProgramu();
// Tests point the program at a folder of their own; "" restores the default.
void UstawKatalogProgramu(const std::string& katalog);

// Where the program writes its own files: the program's folder while it is
// writable (a build tree, a copy unpacked by hand), else the user's data
// folder given at start (an installed program).
std::filesystem::path KatalogZapisu();
// The user's data folder ("" when the system names none); tests set their own.
void UstawKatalogUzytkownika(const std::string& katalog);
// Whether the program's files go to the user's data folder.
bool ZapisWKataloguUzytkownika();
// Where the user's data folder is used, copies the folders the program ships
// for the user ("Pomiary", "Przyklady") there, file by file, keeping every
// file the user already has; makes the folder of the lists. Returns the
// message of what could not be made, or "".
std::string PrzygotujKatalogUzytkownika();

std::filesystem::path KatalogDane();        // <program>/Dane: fonts, pictures, blocks
std::filesystem::path KatalogInstrukcja();  // <program>/Instrukcja
std::filesystem::path KatalogPomiary();     // <writable>/Pomiary
std::filesystem::path KatalogPrzyklady();   // <writable>/Przyklady
std::filesystem::path KatalogList();        // <writable>/Dane: the recent-projects and folder lists

// Joins two parts with exactly one "/" between them.
std::filesystem::path PolaczSciezke(const std::filesystem::path& a, std::string_view b);

// A path within a message, which is Windows-1250 text: a letter the code
// page lacks shows as "?".
std::string SciezkaWTekscie(const std::filesystem::path& sciezka);
// A path as the window's caption shows it, as Windows-1250 text: a byte that
// is no part of UTF-8 (an older system's Windows-1250 name) stays the letter
// it is, where SciezkaWTekscie gives "?".
std::string SciezkaJakWTytule(const std::filesystem::path& sciezka);

// A path given on the command line, by its bytes, made absolute against the
// working folder.
std::filesystem::path SciezkaZWywolania(const char* argument);

bool PlikIstnieje(const std::string& sciezka);
bool KatalogIstnieje(const std::string& sciezka);
// Whether two paths name one file: the same text, or both there and the
// same device and node, links followed ("a/../a/p.rup", a link to its
// folder, another hard link). A path that is not there is only itself.
bool TenSamPlik(const std::string& a, const std::string& b);
