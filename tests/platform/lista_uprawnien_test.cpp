// A file's access list in the bytes the system keeps it in, and the list a
// file gets as it changes hands, worked out by hand (against the system
// itself: prawa_zapisu_test.cpp).
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

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

// A's file A:zespol 0660 whose list gives B write only and the group
// nothing: saved by B, it is B's with B's own rights, and A keeps his by
// an entry; saved by A again, the list is what it was. A team file
// without a list passes from hand to hand with no entry at all, and a
// group B is not in keeps its rights by name, the new group no more than
// its members had.
TEST(ListaUprawnien, SavesInTurnGiveEveryoneHisOwnRights)
{
    constexpr std::uint32_t A = 4678, B = 4679, C = 4680, E = 4681, Zespol = 4690, Obcy = 4691, Inna = 4692;
    const std::vector<Uzytkownik> znani{{A, {Zespol}}, {B, {Zespol, Inna}}, {C, {Zespol}}, {E, {Obcy}}};
    ListaUprawnien stara;
    ASSERT_TRUE(CzytajListe(Bajty({2, 0, 0, 0,                    //
                                   1, 0, 6, 0, X, X, X, X,        // user::rw-
                                   2, 0, 2, 0, 0x47, 0x12, 0, 0,  // user:4679:-w-
                                   4, 0, 0, 0, X, X, X, X,        // group::---
                                   0x10, 0, 6, 0, X, X, X, X,     // mask::rw-
                                   0x20, 0, 0, 0, X, X, X, X}),   // other::---
                            stara));
    const ListaUprawnien poB = ListaDlaWlasnosci(stara, {A, Zespol}, {B, Zespol}, znani);
    EXPECT_EQ(BajtyListy(poB), Bajty({2, 0, 0, 0,                    //
                                      1, 0, 2, 0, X, X, X, X,        // user::-w-
                                      2, 0, 6, 0, 0x46, 0x12, 0, 0,  // user:4678:rw-
                                      4, 0, 0, 0, X, X, X, X,        // group::---
                                      0x10, 0, 6, 0, X, X, X, X,     // mask::rw-
                                      0x20, 0, 0, 0, X, X, X, X}));  // other::---
    EXPECT_EQ(BajtyListy(ListaDlaWlasnosci(poB, {B, Zespol}, {A, Zespol}, znani)), BajtyListy(stara));

    const ListaUprawnien zespolu = ListaTrybu(0660);
    ListaUprawnien lista = zespolu;
    Wlasnosc kto{A, Zespol};
    for (const std::uint32_t zapisujacy : {B, C, A}) {
        lista = ListaDlaWlasnosci(lista, kto, {zapisujacy, Zespol}, znani);
        kto = {zapisujacy, Zespol};
        EXPECT_FALSE(ListaPonadTryb(lista));
    }
    EXPECT_EQ(BajtyListy(lista), BajtyListy(zespolu));

    // A:obcy 0642 saved by B, not in obcy: obcy keeps r-- by name for E;
    // the new group's entry gives no more than its member C had (the
    // others'), and A keeps his own by an entry.
    const ListaUprawnien obca = ListaDlaWlasnosci(ListaTrybu(0642), {A, Obcy}, {B, Zespol}, znani);
    for (const Uzytkownik& u : znani)
        EXPECT_EQ(PrawaUzytkownika(obca, {B, Zespol}, u), PrawaUzytkownika(ListaTrybu(0642), {A, Obcy}, u)) << u.uid;
    EXPECT_EQ(PrawaUzytkownika(obca, {B, Zespol}, {E, {Obcy}}), 4u);
    EXPECT_EQ(TrybListy(obca), 0262u);
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
    // Nor is a list without the owner's, the group's and the others' entries.
    EXPECT_FALSE(CzytajListe(Stara.substr(0, 4), lista));
    EXPECT_FALSE(CzytajListe(Stara.substr(0, Stara.size() - 8), lista));
}
