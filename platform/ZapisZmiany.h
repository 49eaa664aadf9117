#pragma once
// What a safe save knows of the file it replaces: the record of the bytes
// the program read or last wrote, the target's state now, and the question
// asked before newer contents are replaced.

#include <ctime>
#include <string>
#include <sys/types.h>

#include "platform/ZapisBezpieczny.h"

namespace zapis {

// What the target's permissions are taken from: the file and its last
// change of them; none where it is gone.
struct StanWlasciwosci {
    bool istnieje = false;
    bool zwykly = false;  // a regular file, not a link, a pipe or a folder
    dev_t urzadzenie = 0;
    ino_t wezel = 0;
    timespec zmiana{};
    bool operator==(const StanWlasciwosci& s) const
    {
        return istnieje == s.istnieje && zwykly == s.zwykly && urzadzenie == s.urzadzenie && wezel == s.wezel &&
               zmiana.tv_sec == s.zmiana.tv_sec && zmiana.tv_nsec == s.zmiana.tv_nsec;
    }
};

StanWlasciwosci Wlasciwosci(int katalog, const std::string& nazwa);

// The record of the file now in the target's place, written through `fd`.
ZawartoscPliku ZapisanaZawartosc(int fd, const SkrotBajtow& pisane);

} // namespace zapis
