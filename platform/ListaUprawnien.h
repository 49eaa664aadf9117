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

// The user gets the rights as an entry of his own (in place of one he had).
// Where the mask must widen for them, every other entry within it is
// narrowed to what it gave under the old mask, so that no one else gets
// more; a list without a mask gets one.
void DodajUzytkownika(ListaUprawnien& lista, std::uint32_t uid, unsigned prawa);
