#pragma once
// A file's access list (ACL) as the system stores it in the extended
// attribute "system.posix_acl_access": a version (2) of 4 bytes, then
// entries of a tag (2 bytes), rights (2 bytes, r w x as 4 2 1) and an id
// (4 bytes), little-endian, in the order of the tags below, users and
// groups by their ids.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr unsigned WpisWlasciciela = 0x01, WpisUzytkownika = 0x02, WpisGrupyPliku = 0x04, WpisGrupy = 0x08,
                   WpisMaski = 0x10, WpisPozostalych = 0x20;

struct WpisListy {
    unsigned znacznik = 0;
    unsigned prawa = 0;
    std::uint32_t id = 0xFFFFFFFF;  // a named user's or group's; none for the others
};

using ListaUprawnien = std::vector<WpisListy>;

// The entries of the attribute's bytes; false for bytes of another form.
bool CzytajListe(std::string_view bajty, ListaUprawnien& lista);
std::string BajtyListy(const ListaUprawnien& lista);

// The list a mode's bits (r w x of the owner, group and others) stand for.
ListaUprawnien ListaTrybu(unsigned tryb);
// The mode's bits the list gives the file: the group's are the mask's
// where it has one.
unsigned TrybListy(const ListaUprawnien& lista);
// The rights the file's group has: its entry within the mask.
unsigned PrawaGrupyPliku(const ListaUprawnien& lista);
// The file's group gets no rights.
void OdbierzGrupiePliku(ListaUprawnien& lista);
// Whether the list says more than a mode can (it has a mask, with or
// without named entries): such a list is set, else the mode stands alone.
bool ListaPonadTryb(const ListaUprawnien& lista);

// A file's owner and group.
struct Wlasnosc {
    std::uint32_t uid = 0, gid = 0;
    bool operator==(const Wlasnosc&) const = default;
};

// A user as a file's rights see him: his id and every group he is in.
struct Uzytkownik {
    std::uint32_t uid = 0;
    std::vector<std::uint32_t> grupy;
};

// The requests the rights allow: bit 1 << p for each p (r w x at once as
// 4 2 1, 1 to 7) the rights hold whole.
unsigned ZadaniaPraw(unsigned prawa);

// The requests the list allows the user on a file of that owner and group,
// as the system checks them: the owner his entry, a named user his entry
// within the mask, a member of the file's or a named group what one of his
// groups' entries gives whole within the mask (nothing where they give
// nothing), anyone else the others' entry; under an empty mask the mode
// alone speaks (the group nothing, anyone else the others' rights).
unsigned ZadaniaUzytkownika(const ListaUprawnien& lista, Wlasnosc plik, const Uzytkownik& u);
// Whether the user may still make every request the old list allowed him.
bool ZachowujeZadania(const ListaUprawnien& stara, Wlasnosc stary, const ListaUprawnien& nowa, Wlasnosc nowy,
                      const Uzytkownik& u);
// The rights (r w x as 4 2 1) the user has one at a time.
unsigned PrawaUzytkownika(const ListaUprawnien& lista, Wlasnosc plik, const Uzytkownik& u);

// The groups whose members the list speaks of: the file's, then the named.
std::vector<std::uint32_t> GrupyListy(const ListaUprawnien& lista, Wlasnosc plik);

// Whether every member of the group `gid` keeps each request `stara`
// allowed him under `nowa`: each of `znani` in it (the database's users) and
// anyone the database does not know, in it alone or with any mix of the
// other groups either list names. The file's owners, before and after, are
// left out: their rights are not the group's.
bool CzlonkowieZachowali(const ListaUprawnien& stara, Wlasnosc stary, const ListaUprawnien& nowa, Wlasnosc nowy,
                         std::uint32_t gid, const std::vector<Uzytkownik>& znani);

// The list of a file that passes from `stary` to `nowy` (a colleague's
// save keeps it for himself, a group he is not in gives way to his): what
// the change of hands forces, and nothing more. `zapisujacy` is the saver
// (the new owner), `poprzedni` the previous owner, each with his groups
// now. The same owner and group keep the list as it was.
ListaUprawnien ListaDlaWlasnosci(const ListaUprawnien& stara, Wlasnosc stary, Wlasnosc nowy,
                                 const Uzytkownik& zapisujacy, const Uzytkownik& poprzedni);

// The mode nearest the list that gives no one more than it does, whatever
// groups he is in (for a file system without lists).
ListaUprawnien ListaBezMaski(const ListaUprawnien& lista);
