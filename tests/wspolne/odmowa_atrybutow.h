#pragma once
// Attributes refused on the new file of a save, as by a file system that
// keeps none: while `odmowaAtrybutow` names a prefix, setting an attribute
// whose name starts with it fails. A test program linked with
// --wrap=fsetxattr includes this (in one file or more: the wrap is weak).
#include <algorithm>
#include <cerrno>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <sys/xattr.h>
#include <vector>

inline std::vector<std::string> odmowaAtrybutow;
// The error they are refused with (a full attribute block: ENOSPC).
inline int bladOdmowy = EOPNOTSUPP;
// Runs after each attribute set on a file, refused or not, with its
// descriptor and the call's name ("fsetxattr"); a test program that wraps
// other calls that change a file's permissions runs it after them too.
inline void (*poZmianiePliku)(int fd, const char* wywolanie) = nullptr;

extern "C" int __real_fsetxattr(int fd, const char* nazwa, const void* wartosc, size_t rozmiar, int flagi);
extern "C" [[gnu::weak]] int __wrap_fsetxattr(int fd, const char* nazwa, const void* wartosc, size_t rozmiar,
                                               int flagi)
{
    const bool odmowa = std::any_of(odmowaAtrybutow.begin(), odmowaAtrybutow.end(), [nazwa](const std::string& p) {
        return std::string_view(nazwa).starts_with(p);
    });
    if (odmowa)
        errno = bladOdmowy;
    const int wynik = odmowa ? -1 : __real_fsetxattr(fd, nazwa, wartosc, rozmiar, flagi);
    if (poZmianiePliku) {
        const int nr = errno;
        poZmianiePliku(fd, "fsetxattr");
        errno = nr;
    }
    return wynik;
}

// An old file at `plik` with an attribute of the user's; false where the
// file system has none.
inline bool StaryPlikZAtrybutem(const std::string& plik)
{
    std::ofstream(plik, std::ios::binary) << "stary\r\n";
    return ::setxattr(plik.c_str(), "user.autor", "JK", 2, 0) == 0;
}

// What a save says of such a file whose attribute it could not keep (UTF-8,
// the path as UTF-8 too).
inline std::string UwagaOAtrybutach(const std::string& plikUtf8)
{
    return "Plik " + plikUtf8 + " został zapisany, ale nie udało się zachować atrybutów rozszerzonych (user.*).";
}
