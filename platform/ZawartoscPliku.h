#pragma once

#include <cstdint>
#include <string_view>

// What the program read or last wrote of a file it saves back, taken from
// those very bytes: their size and 64-bit hash. A save checks the file
// against it before replacing it, so that it never silently drops contents
// another save put there. Of a write also the file's identity and time, for
// a file the user may write but not read.
struct ZawartoscPliku {
    bool znana = false;  // unknown: a file not read nor written, nothing to check
    std::uint64_t rozmiar = 0;
    std::uint64_t skrot = 0;
    bool zTozsamoscia = false;  // the fields below are known
    std::uint64_t urzadzenie = 0, wezel = 0;
    std::int64_t sekundy = 0, nanosekundy = 0;  // modification time

    static ZawartoscPliku Z(std::string_view bajty);
};

// The hash of bytes that come in pieces: the same whatever the pieces.
class SkrotBajtow {
public:
    void Dodaj(std::string_view bajty);
    ZawartoscPliku Wynik() const;  // size and hash, `znana`

private:
    std::uint64_t skrot_ = 0x6b61727467726d31ull;
    std::uint64_t rozmiar_ = 0;
    std::uint64_t reszta_ = 0;  // the bytes past the last whole 8
};
