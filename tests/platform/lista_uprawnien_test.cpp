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
// an entry; saved by A again, the list is what it was but for a mask no
// wider than its entries need. A team file without a list passes from
// hand to hand with no entry at all, and a group B is not in keeps its
// rights by name, the new group no more than the others' and its.
TEST(ListaUprawnien, SavesInTurnGiveEveryoneHisOwnRights)
{
    constexpr std::uint32_t A = 4678, B = 4679, C = 4680, E = 4681, Zespol = 4690, Obcy = 4691, Inna = 4692;
    const Uzytkownik a{A, {Zespol}}, b{B, {Zespol, Inna}}, c{C, {Zespol}}, e{E, {Obcy}};
    ListaUprawnien stara;
    ASSERT_TRUE(CzytajListe(Bajty({2, 0, 0, 0,                    //
                                   1, 0, 6, 0, X, X, X, X,        // user::rw-
                                   2, 0, 2, 0, 0x47, 0x12, 0, 0,  // user:4679:-w-
                                   4, 0, 0, 0, X, X, X, X,        // group::---
                                   0x10, 0, 6, 0, X, X, X, X,     // mask::rw-
                                   0x20, 0, 0, 0, X, X, X, X}),   // other::---
                            stara));
    const ListaUprawnien poB = ListaDlaWlasnosci(stara, {A, Zespol}, {B, Zespol}, b, a);
    EXPECT_EQ(BajtyListy(poB), Bajty({2, 0, 0, 0,                    //
                                      1, 0, 2, 0, X, X, X, X,        // user::-w-
                                      2, 0, 6, 0, 0x46, 0x12, 0, 0,  // user:4678:rw-
                                      4, 0, 0, 0, X, X, X, X,        // group::---
                                      0x10, 0, 6, 0, X, X, X, X,     // mask::rw-
                                      0x20, 0, 0, 0, X, X, X, X}));  // other::---
    ListaUprawnien wrocona = stara;
    wrocona[3].prawa = 2;  // mask::-w-
    EXPECT_EQ(BajtyListy(ListaDlaWlasnosci(poB, {B, Zespol}, {A, Zespol}, a, b)), BajtyListy(wrocona));

    const ListaUprawnien zespolu = ListaTrybu(0660);
    ListaUprawnien lista = zespolu;
    Wlasnosc kto{A, Zespol};
    const Uzytkownik* poprzedni = &a;
    for (const Uzytkownik* zapisujacy : {&b, &c, &a}) {
        lista = ListaDlaWlasnosci(lista, kto, {zapisujacy->uid, Zespol}, *zapisujacy, *poprzedni);
        kto = {zapisujacy->uid, Zespol};
        poprzedni = zapisujacy;
        EXPECT_FALSE(ListaPonadTryb(lista));
    }
    EXPECT_EQ(BajtyListy(lista), BajtyListy(zespolu));

    // A:obcy 0642 saved by B, not in obcy: obcy keeps r-- by name, for E
    // and whoever joins it; the new group gets what both the others and
    // obcy give (a member of both had obcy's), nothing; C, in it alone,
    // loses the others' write; A keeps his own by an entry.
    const ListaUprawnien obca = ListaDlaWlasnosci(ListaTrybu(0642), {A, Obcy}, {B, Zespol}, b, a);
    for (const Uzytkownik& u : {a, b, e})
        EXPECT_EQ(ZadaniaUzytkownika(obca, {B, Zespol}, u), ZadaniaUzytkownika(ListaTrybu(0642), {A, Obcy}, u))
            << u.uid;
    EXPECT_EQ(PrawaUzytkownika(obca, {B, Zespol}, c), 0u);
    EXPECT_EQ(PrawaUzytkownika(obca, {B, Zespol}, {5555, {Zespol, Obcy}}), 4u);
    EXPECT_EQ(TrybListy(obca), 0262u);
}

// The system grants a request whole from one entry: read and write at
// once only where one of a user's groups gives both.
TEST(ListaUprawnien, ARequestIsGrantedByOneEntry)
{
    constexpr std::uint32_t A = 4678, B = 4679, G1 = 4690, G2 = 4691;
    const ListaUprawnien lista{{WpisWlasciciela, 6},  {WpisGrupyPliku, 4}, {WpisGrupy, 2, G2},
                               {WpisMaski, 6},        {WpisPozostalych, 0}};
    const Uzytkownik b{B, {G1, G2}};
    const unsigned zadania = ZadaniaUzytkownika(lista, {A, G1}, b);
    EXPECT_EQ(zadania, ZadaniaPraw(4) | ZadaniaPraw(2));
    EXPECT_EQ(PrawaUzytkownika(lista, {A, G1}, b), 6u);
    // B's own entry rw- stays when A passes the file on: it is what lets
    // him open it for reading and writing.
    ListaUprawnien zJego = lista;
    zJego.insert(zJego.begin() + 1, {WpisUzytkownika, 6, B});
    const Uzytkownik c{4680, {G1}};
    const ListaUprawnien poC = ListaDlaWlasnosci(zJego, {A, G1}, {c.uid, G1}, c, {A, {G1}});
    EXPECT_EQ(ZadaniaUzytkownika(poC, {c.uid, G1}, b), ZadaniaPraw(6));
}

// Under an empty mask the system reads the mode alone: named entries give
// nothing of their own. The list keeps them, and its empty mask, where the
// change of hands needs no entry to speak; where the previous owner needs
// one, the mode is what it keeps: entries woken at nothing would shut
// their users out.
TEST(ListaUprawnien, AnEmptyMaskStaysWhereNothingNeedsOne)
{
    constexpr std::uint32_t A = 4678, B = 4679, F = 4680, Zespol = 4690, Inna = 4691;
    const ListaUprawnien stara{{WpisWlasciciela, 4}, {WpisUzytkownika, 6, F}, {WpisGrupyPliku, 6},
                               {WpisMaski, 0},       {WpisPozostalych, 4}};
    const Uzytkownik b{B, {Zespol}}, f{F, {}};
    // A in no group of the list has the others' r--, his owner rights.
    const ListaUprawnien poB = ListaDlaWlasnosci(stara, {A, Zespol}, {B, Zespol}, b, {A, {Inna}});
    EXPECT_EQ(poB.size(), stara.size());
    EXPECT_EQ(TrybListy(poB) & 070, 0u);
    EXPECT_EQ(ZadaniaUzytkownika(poB, {B, Zespol}, f), ZadaniaPraw(4));
    // A in the group had nothing but through his ownership: an entry.
    const ListaUprawnien zA = ListaDlaWlasnosci(stara, {A, Zespol}, {B, Zespol}, b, {A, {Zespol}});
    EXPECT_EQ(ZadaniaUzytkownika(zA, {B, Zespol}, {A, {Zespol}}), ZadaniaPraw(4));
    EXPECT_EQ(ZadaniaUzytkownika(zA, {B, Zespol}, f), ZadaniaPraw(4));
    EXPECT_EQ(ZadaniaUzytkownika(zA, {B, Zespol}, {F, {Zespol}}), 0u);
    EXPECT_EQ(ZadaniaUzytkownika(zA, {B, Zespol}, {5555, {Zespol}}), 0u);
}

// A group kept its rights only where each of its members does: one the
// database knows, owners aside, and anyone else in any mix of the lists'
// groups (here one also in H, who lost H's x).
TEST(ListaUprawnien, AGroupKeepsItsRightsWhereEveryMemberDoes)
{
    constexpr std::uint32_t A = 4678, B = 4679, D = 4680, G = 4690, H = 4691, N = 65534;
    const ListaUprawnien stara{{WpisWlasciciela, 6}, {WpisUzytkownika, 7, D}, {WpisGrupyPliku, 6},
                               {WpisGrupy, 1, H},    {WpisMaski, 7},          {WpisPozostalych, 0}};
    ListaUprawnien nowa{{WpisWlasciciela, 6}, {WpisUzytkownika, 7, D}, {WpisGrupyPliku, 0},
                        {WpisGrupy, 6, G},    {WpisMaski, 7},          {WpisPozostalych, 0}};
    EXPECT_FALSE(CzlonkowieZachowali(stara, {A, G}, nowa, {B, N}, G, {}));
    nowa.insert(nowa.begin() + 4, {WpisGrupy, 1, H});
    EXPECT_TRUE(CzlonkowieZachowali(stara, {A, G}, nowa, {B, N}, G, {{A, {}}, {B, {G}}, {D, {G}}}));
    // D's entry gone, he has G's rw- alone.
    nowa.erase(nowa.begin() + 1);
    EXPECT_FALSE(CzlonkowieZachowali(stara, {A, G}, nowa, {B, N}, G, {{D, {G}}}));
    EXPECT_TRUE(CzlonkowieZachowali(stara, {A, G}, nowa, {B, N}, G, {{D, {H}}}));
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
