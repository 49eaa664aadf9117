// A file's access list in the bytes the system keeps it in, and the entry a
// previous owner gets in it, worked out by hand (a list without a mask and
// one without the group's rights: pliki_test.cpp).
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "platform/ListaUprawnien.h"

namespace {

std::string Bajty(std::initializer_list<int> b)
{
    std::string wynik;
    for (const int c : b)
        wynik += static_cast<char>(c);
    return wynik;
}

constexpr int X = 0xFF;  // the id of an entry that names no one

// user::rwx user:4679:rwx user:65534:rw- group::rwx mask::rw- other::---
const std::string Stara = Bajty({2, 0, 0, 0,                  // version
                                 1, 0, 7, 0, X, X, X, X,      // user::rwx
                                 2, 0, 7, 0, 0x47, 0x12, 0, 0,  // user:4679:rwx
                                 2, 0, 6, 0, 0xFE, 0xFF, 0, 0,  // user:65534:rw-
                                 4, 0, 7, 0, X, X, X, X,      // group::rwx
                                 0x10, 0, 6, 0, X, X, X, X,   // mask::rw-
                                 0x20, 0, 0, 0, X, X, X, X});  // other::---

} // namespace

// The previous owner 4678 (rwx) in the list of a file 0760: the mask widens
// to rwx, and the user 4679 and the group, who had rw- under the old mask,
// get rw- and no more; the entries stay in the order of their ids.
TEST(ListaUprawnien, APreviousOwnersEntryWidensTheMaskAndNarrowsTheOthers)
{
    ListaUprawnien lista;
    ASSERT_TRUE(CzytajListe(Stara, lista));
    EXPECT_EQ(BajtyListy(lista), Stara);
    EXPECT_EQ(TrybListy(lista), 0760u);
    EXPECT_EQ(PrawaGrupyPliku(lista), 6u);
    DodajUzytkownika(lista, 4678, 7);
    EXPECT_EQ(BajtyListy(lista), Bajty({2, 0, 0, 0,                      //
                                        1, 0, 7, 0, X, X, X, X,          // user::rwx
                                        2, 0, 7, 0, 0x46, 0x12, 0, 0,    // user:4678:rwx
                                        2, 0, 6, 0, 0x47, 0x12, 0, 0,    // user:4679:rw-
                                        2, 0, 6, 0, 0xFE, 0xFF, 0, 0,    // user:65534:rw-
                                        4, 0, 6, 0, X, X, X, X,          // group::rw-
                                        0x10, 0, 7, 0, X, X, X, X,       // mask::rwx
                                        0x20, 0, 0, 0, X, X, X, X}));    // other::---
    EXPECT_EQ(TrybListy(lista), 0770u);
    EXPECT_EQ(PrawaGrupyPliku(lista), 6u);

    // An entry he had (dead while he owned the file) takes his rights; a
    // mask that covers them stays, and so does every other entry.
    DodajUzytkownika(lista, 4679, 4);
    EXPECT_EQ(lista[2].id, 4679u);
    EXPECT_EQ(lista[2].prawa, 4u);
    EXPECT_EQ(lista.size(), 7u);
    EXPECT_EQ(TrybListy(lista), 0770u);
    EXPECT_EQ(lista[4].prawa, 6u);
}

// Bytes of another version or cut within an entry are no list.
TEST(ListaUprawnien, BytesOfAnotherFormAreRefused)
{
    ListaUprawnien lista;
    std::string inna = Stara;
    inna[0] = 1;
    EXPECT_FALSE(CzytajListe(inna, lista));
    EXPECT_FALSE(CzytajListe(Stara.substr(0, Stara.size() - 1), lista));
    EXPECT_FALSE(CzytajListe("", lista));
    ASSERT_TRUE(CzytajListe(Stara.substr(0, 4), lista));
    EXPECT_TRUE(lista.empty());
}
