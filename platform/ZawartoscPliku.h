#pragma once

#include <cstdint>
#include <ctime>
#include <string_view>

#define XXH_STATIC_LINKING_ONLY  // XXH3_state_t held by value
#include <xxhash.h>

struct stat;

// What the program read or last wrote of a file it saves back, taken from
// those very bytes: their size and 64-bit hash (XXH3). A save checks the file
// against it before replacing it, so that it never silently drops contents
// another save put there. Where known also the file's identity and times:
// for a file the user may write but not read, and so that a save need not
// read back a file that cannot have changed.
struct ZawartoscPliku {
    bool znana = false;  // unknown: a file not read nor written, nothing to check
    std::uint64_t rozmiar = 0;
    std::uint64_t skrot = 0;
    bool zTozsamoscia = false;  // the fields below are known
    std::uint64_t urzadzenie = 0, wezel = 0;
    std::int64_t sekundy = 0, nanosekundy = 0;              // modification time
    std::int64_t zmianaSekundy = 0, zmianaNanosekundy = 0;  // status change time (ctime)
    // The identity stands for the bytes: the file's status changed well
    // before its identity was taken, so that any later change of it (its
    // bytes, or its time set back) gives it another status change time.
    // Within the clock's step, or a file system's coarser times, a later
    // change could keep the time: such a file is read back.
    bool tozsamoscZaBajty = false;

    static ZawartoscPliku Z(std::string_view bajty);
    // The clock file times come from, read just before the file's status is.
    static timespec Zegar();
    // The identity and times from `st`, taken just after `zegar`.
    void DodajTozsamosc(const struct stat& st, const timespec& zegar);
    // Whether the file whose status is `st` now still holds the bytes
    // recorded, by its identity and times alone.
    bool NiezmienionyWedlug(const struct stat& st) const;
};

// The hash of bytes that come in pieces: the same whatever the pieces, and
// the same as `ZawartoscPliku::Z` of them all. Copyable; `= {}` starts anew.
class SkrotBajtow {
public:
    SkrotBajtow();
    void Dodaj(std::string_view bajty);
    ZawartoscPliku Wynik() const;  // size and hash, `znana`

private:
    alignas(64) XXH3_state_t stan_;
    std::uint64_t rozmiar_ = 0;
};
