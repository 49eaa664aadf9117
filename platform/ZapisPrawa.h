#pragma once
// What a safe save carries over from the old file to the new one: owner,
// group, access list, extended attributes and mode, and the message that
// says what could not be kept.

#include <string>
#include <sys/types.h>
#include <vector>

namespace zapis {

// What the new file could not take of the old one's, and what changed hands.
struct Niezachowane {
    bool acl = false;
    bool atrybuty = false;
    // The namespaces of the attributes not kept ("user", "security"), in the
    // message's order; none where the names could not be listed.
    std::vector<std::string> przestrzenie;
    std::string wlasciciel;           // the old owner's name where the file became its writer's
    std::string nowyWlasciciel;       // then the writer's
    bool wlascicielZachowal = false;  // the old owner kept his rights
    std::string grupa;                // the old group's name where the file took the writer's
    std::string nowaGrupa;            // then the new group's
    bool grupaZachowala = false;      // every member of the old group kept his rights, by its name in the list
    std::vector<std::string> zawezeni;  // the users whose rights were narrowed
    int blad = 0;                     // a step failed (errno): the file must not take the target's place
    bool bladListy = false;           // the step was the list's
};

// Gives the new file `fd` the permissions of the target `nazwa` in the
// folder (open as `katalog`, at `folder`).
Niezachowane ZachowajWlasciwosci(int fd, int katalog, const std::string& folder, const std::string& nazwa);

// "Plik … został zapisany, ale nie udało się zachować …", "Plik … został
// zapisany i należy teraz do użytkownika …", or "".
std::string UwagaZapisu(const std::string& sciezka, const Niezachowane& brak);

// A user's name from the system's database (Windows-1250); his number
// where it has none.
std::string NazwaUzytkownika(uid_t uid);

} // namespace zapis
