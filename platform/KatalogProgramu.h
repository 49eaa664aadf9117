#pragma once
// The program's folder and paths below it. "Dane", "Pomiary" and
// "Instrukcja" lie next to the executable, in the build tree as well.
//
// Paths are held as the file system takes them (UTF-8 bytes), from the
// dialog or the command line to the system call: Windows-1250 is only for
// the texts inside the program's files, and a path in a message goes
// through SciezkaWTekscie. "/" alone separates folders; "\" may be part of
// a file's name.

#include <string>
#include <string_view>

// The executable's folder, without a trailing "/".
std::string KatalogProgramu();
// Tests point the program at a folder of their own; "" restores the default.
void UstawKatalogProgramu(const std::string& katalog);

// Where the program writes its own files: the program's folder while it is
// writable (a build tree, a copy unpacked by hand), else the user's data
// folder given at start (an installed program).
std::string KatalogZapisu();
// The user's data folder ("" when the system names none); tests set their own.
void UstawKatalogUzytkownika(const std::string& katalog);
// Whether the program's files go to the user's data folder.
bool ZapisWKataloguUzytkownika();
// Where the user's data folder is used, copies the folders the program ships
// for the user ("Pomiary", "Przyklady") there, file by file, keeping every
// file the user already has; makes the folder of the lists. Returns the
// message of what could not be made, or "".
std::string PrzygotujKatalogUzytkownika();

std::string KatalogDane();        // <program>/Dane: fonts, pictures, blocks
std::string KatalogInstrukcja();  // <program>/Instrukcja
std::string KatalogPomiary();     // <writable>/Pomiary
std::string KatalogPrzyklady();   // <writable>/Przyklady
std::string KatalogList();        // <writable>/Dane: the recent-projects and folder lists

// Joins two parts with exactly one "/" between them.
std::string PolaczSciezke(std::string_view a, std::string_view b);

// A path within a message, which is Windows-1250 text: a letter the code
// page lacks shows as "?".
std::string SciezkaWTekscie(std::string_view sciezka);

bool PlikIstnieje(const std::string& sciezka);
bool KatalogIstnieje(const std::string& sciezka);
