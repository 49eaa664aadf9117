#pragma once

#include <cstdint>
#include <string_view>

#define XXH_STATIC_LINKING_ONLY  // XXH3_state_t held by value
#include <xxhash.h>

struct stat;

// What the program read or last wrote of a file it saves back, taken from
// those very bytes: their size and 64-bit hash (XXH3). A save reads the file
// back and checks it against it before replacing it, so that it never
// silently drops contents another save put there. No status of the file
// stands for its bytes: a program writing through a shared mapping changes
// them with no time changing. Where known also the file's identity and
// times: for a file the user may write but not read, whose bytes a save
// cannot read back.
struct ZawartoscPliku {
    bool znana = false;  // unknown: a file not read nor written, nothing to check
    std::uint64_t rozmiar = 0;
    std::uint64_t skrot = 0;
    bool zTozsamoscia = false;  // the fields below are known
    std::uint64_t urzadzenie = 0, wezel = 0;
    std::int64_t sekundy = 0, nanosekundy = 0;  // modification time

    static ZawartoscPliku Z(std::string_view bajty);
    // The identity and modification time from `st`.
    void DodajTozsamosc(const struct stat& st);
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
