// Damaged project files, as a failing disk or a careless copy leaves them:
// numbers a single cannot hold, records missing or repeated, lines ending
// every way. None may open into a project that saves into a file that no
// longer opens, and none may open silently short of its records.
#include <cmath>
#include <fstream>

#include "platform/KatalogProgramu.h"
#include "model/Operacje.h"
#include "projekt_pomoc.h"

namespace {

class UszkodzonyPlik : public ModelTest {
protected:
    // Two junction nodes and a roundabout node in two variants, a placed block.
    std::vector<std::string> Zapisany()
    {
        EXPECT_EQ(DodajWezel(10, 10, "W1", 'J'), "");
        EXPECT_EQ(DodajWezel(40, 10, "W2", 'J'), "");
        EXPECT_EQ(DodajWezel(70, 10, "R1", 'R'), "");
        EXPECT_EQ(DodajWariant("V1", "", "", "", 0, 0, 'L'), "");
        EXPECT_EQ(DodajWariant("V2", "", "", "", 0, 0, 'L'), "");
        LinieBlokow = {"L(0,0)-(1,1)"};
        DefinicjeBlokow.assign(1, {});
        DefinicjeBlokow[0].Nazwa = "B";
        DefinicjeBlokow[0].Koniec = 0;
        Bloki.assign(1, {});
        Bloki[0].Nazwa = "B";
        return LinieProjektu();
    }
    // The index of the first line starting with `poczatek`, at or after `od`.
    static std::size_t Linia(const std::vector<std::string>& l, const std::string& poczatek, std::size_t od = 0)
    {
        for (std::size_t i = od; i < l.size(); ++i)
            if (l[i].rfind(poczatek, 0) == 0)
                return i;
        ADD_FAILURE() << "no line " << poczatek;
        return 0;
    }
    static std::string NrLinii(std::size_t indeks) { return ", linia " + std::to_string(indeks + 1) + ":"; }
};

TEST_F(UszkodzonyPlik, LiczbyKtorychPojedynczaNieUtrzyma)
{
    std::vector<std::string> l = Zapisany();
    // A node 1e308 cm away once became an infinite diagram position, saved
    // as "INF" into a file that never opened again.
    const std::size_t x = Linia(l, Znacznik("wv3")) + 4;
    std::vector<std::string> daleko = l;
    daleko[x] = "1e308";
    SprawdzOdmowe(ZapiszPlik("daleko.rup", daleko), NrLinii(x) + " współrzędna poza zakresem -10000000..10000000.");

    // The largest scale the block window takes round-trips; a scale of
    // 3.4e38, which a single holds, once opened and went into the DXF.
    const std::size_t sx = Linia(l, "sx=");
    l[sx] = "sx=          : -10000";
    ASSERT_TRUE(Otworz(ZapiszPlik("skala.rup", l))) << Blad();
    EXPECT_EQ(Bloki[0].Sx, -1e4f);
    ASSERT_TRUE(ZapiszProjekt(Sciezka("skala2.rup")));
    ASSERT_TRUE(Otworz(Sciezka("skala2.rup"))) << Blad();
    EXPECT_EQ(Bloki[0].Sx, -1e4f);
    for (const char* poza : {"3.4e38", "3.5e38", "-1e30"}) {
        l[sx] = std::string("sx=          : ") + poza;
        SprawdzOdmowe(ZapiszPlik("skala3.rup", l), NrLinii(sx) + " skala poza zakresem -10000..10000.");
    }

    // A value gone non-finite in memory is written as 0, never as "INF".
    ASSERT_TRUE(Otworz(Sciezka("skala2.rup")));
    Bloki[0].Sy = INFINITY;
    wg.GrLinie = NAN;
    ASSERT_TRUE(ZapiszProjekt(Sciezka("nieskonczonosc.rup")));
    ASSERT_TRUE(Otworz(Sciezka("nieskonczonosc.rup"))) << Blad();
    EXPECT_EQ(Bloki[0].Sy, 0.0f);
    EXPECT_EQ(wg.GrLinie, 0.0f);
}

TEST_F(UszkodzonyPlik, BrakujaceRekordyUzupelnioneIZgloszone)
{
    const std::vector<std::string> l = Zapisany();
    // Cut before the first junction diagram: it once opened silently with
    // none, and saving made the loss permanent.
    const std::size_t kv = Linia(l, Znacznik("kv3"));
    std::vector<std::string> uciety(l.begin(), l.begin() + static_cast<std::ptrdiff_t>(kv));
    ASSERT_TRUE(Otworz(ZapiszPlik("uciety.rup", uciety))) << Blad();
    EXPECT_EQ(LiczbaRuchoplanow(), 4);
    EXPECT_EQ(LiczbaRond(), 2);
    EXPECT_TRUE(ProjektZmieniony);
    ASSERT_EQ(okno.bledy.size(), 1u);
    EXPECT_EQ(Blad(), "W pliku " + Sciezka("uciety.rup") +
                          " brakowało rekordów; dodano je z wartościami domyślnymi:"
                          "\n  ruchoplan węzła „W1” w wariancie „V1”\n  ruchoplan węzła „W1” w wariancie „V2”"
                          "\n  ruchoplan węzła „W2” w wariancie „V1”\n  ruchoplan węzła „W2” w wariancie „V2”"
                          "\n  rondo węzła „R1” w wariancie „V1”\n  rondo węzła „R1” w wariancie „V2”");
    for (const DaneRuchoplan& r : Ruchoplany)
        EXPECT_EQ(Wezly[static_cast<std::size_t>(r.NrWezla)].Typ, 'J');

    // A repeated index once overwrote its record and cut off the rest.
    std::vector<std::string> powtorzony = l;
    const std::size_t drugi = Linia(powtorzony, Znacznik("kv3"), kv + 1) + 2;
    ASSERT_EQ(powtorzony[drugi], "1");
    powtorzony[drugi] = "0";
    SprawdzOdmowe(ZapiszPlik("powtorzony.rup", powtorzony), NrLinii(drugi) + " powtórzony numer");

    // A junction diagram on a node turned roundabout.
    std::vector<std::string> typ = l;
    const std::size_t t = Linia(typ, Znacznik("wv3")) + 6;
    ASSERT_EQ(typ[t], "J");
    typ[t] = "R";
    SprawdzOdmowe(ZapiszPlik("typ.rup", typ), "Ruchoplan nr 0 należy do węzła „W1” typu rondo.");
}

// Values that size a drawing loop are taken as their controls take them: a
// grid step of 1e-6 or a sheet of 3e38 cm once froze the redraw.
TEST_F(UszkodzonyPlik, WymiaryRysunkuJakZKontrolek)
{
    Zapisany();
    wg.KrokSiatki = 1e-6f;
    wg.ArkuszH = 3e38f;
    wg.OdstepArkuszyH = -4.0f;
    ASSERT_TRUE(ZapiszProjekt(Sciezka("wymiary.rup")));
    ASSERT_TRUE(Otworz(Sciezka("wymiary.rup"))) << Blad();
    EXPECT_EQ(wg.KrokSiatki, 1.0f);
    EXPECT_EQ(wg.ArkuszB, 20.5f);
    EXPECT_EQ(wg.ArkuszH, 28.5f);
    EXPECT_EQ(wg.OdstepArkuszyH, 5.0f);
    wg.KrokSiatki = 0.01f;
    ASSERT_TRUE(ZapiszProjekt(Sciezka("wymiary.rup")));
    ASSERT_TRUE(Otworz(Sciezka("wymiary.rup")));
    EXPECT_EQ(wg.KrokSiatki, 0.01f);
}

// Blanks an editor left after a value or a tag: "True " was once read as
// False, and a tag with a blank skipped its section for the next one to be
// blamed.
TEST_F(UszkodzonyPlik, KoncoweOdstepy)
{
    Zapisany();
    Ruchoplany[1].Natezenia[3] = 77;
    Ruchoplany[1].GeometriaWprowadzona = 1;
    std::vector<std::string> l = LinieProjektu();
    const std::size_t kv = Linia(l, Znacznik("kv3"), Linia(l, Znacznik("kv3")) + 1);
    l[kv] += " ";
    const std::size_t flaga = Linia(l, "###### GLOBALNE", kv) - 1;  // the second diagram's geometry flag
    ASSERT_EQ(l[flaga], "True");
    l[flaga] += " ";
    ASSERT_TRUE(Otworz(ZapiszPlik("odstepy.rup", l))) << Blad();
    EXPECT_TRUE(okno.bledy.empty()) << Blad();
    ASSERT_EQ(LiczbaRuchoplanow(), 4);
    EXPECT_EQ(Ruchoplany[1].Natezenia[3], 77);
    EXPECT_EQ(Ruchoplany[1].GeometriaWprowadzona, 1);
}

// A file from which no section was read once opened silently as an empty
// project titled with its name, and saving it replaced the damaged file.
TEST_F(UszkodzonyPlik, PlikBezZadnejSekcjiOdrzucony)
{
    const std::vector<std::string> l = Zapisany();
    SprawdzOdmowe(ZapiszPlik("naglowek.rup", Naglowek2()), " nie zawiera danych projektu.");
    SprawdzOdmowe(ZapiszPlik("smieci.rup", Plik(Naglowek2(), Wiersze{"x\xFF\x01", "", "12,5", "wv3", l[6]})),
                  " nie zawiera danych projektu.");
    // A name Windows-1250 cannot hold is shown in the message as a text.
    const std::string cyrylica = ZapiszPlik("Київ.rup", Naglowek2());
    okno.bledy.clear();
    EXPECT_FALSE(Otworz(cyrylica));
    ASSERT_EQ(okno.bledy.size(), 1u);
    EXPECT_EQ(okno.bledy[0], "Plik " + SciezkaWTekscie(cyrylica) + " nie zawiera danych projektu.");

    // A NUL before every line end hides each tag: the first is named.
    std::string zNul;
    for (const std::string& linia : l)
        zNul += linia + std::string(1, '\0') + "\r\n";
    const std::string nul = Sciezka("nul.rup");
    std::ofstream(nul, std::ios::binary) << zNul;
    SprawdzOdmowe(nul, ", linia 6: linia zawiera znak NUL");

    // One section, even without records, is a project.
    okno.bledy.clear();
    ASSERT_TRUE(Otworz(ZapiszPlik("warianty.rup", Plik(Naglowek2(), Wiersze{Znacznik("vv1"), "Warianty", "0",
                                                                            std::string(42, '-'), ""}))))
        << Blad();
    EXPECT_TRUE(okno.bledy.empty());
}

TEST_F(UszkodzonyPlik, LinieKazdegoZakonczenia)
{
    CzytnikProjektu c(std::string("a\r\nbb\n\rccc\rd"), "x");
    EXPECT_EQ(c.PozostaloLinii(), 5u);
    EXPECT_EQ(c.Linia(), "a");
    c.Pomin(1);
    EXPECT_EQ(c.Linia(), "");
    EXPECT_EQ(c.Linia(), "ccc");
    EXPECT_EQ(c.NumerLinii(), 4);
    EXPECT_FALSE(c.Koniec());
    EXPECT_EQ(c.Linia(), "d");
    EXPECT_TRUE(c.Koniec());
    // Past the end: empty lines, the count going on for the messages.
    EXPECT_EQ(c.Linia(), "");
    EXPECT_EQ(c.NumerLinii(), 6);
    EXPECT_EQ(CzytnikProjektu(std::string("x\r\n"), "x").PozostaloLinii(), 1u);
    EXPECT_EQ(CzytnikProjektu(std::string(), "x").PozostaloLinii(), 0u);
}

}  // namespace
