// What a project's save tells the user beyond success: a name it may not
// have, a file written but not confirmed on disk. The test program is linked
// with fsync wrapped.
#include "model/Operacje.h"
#include "projekt_pomoc.h"
#include "wspolne/odmowa_fsync.h"

namespace {

class ZapisProjektuTest : public ModelTest {};

// A project named as the program's temporary files was saved, and the next
// save of another file in its folder deleted it. Refused, nothing written,
// the project still to be saved.
TEST_F(ZapisProjektuTest, ANameOfTheTemporariesFormIsRefused)
{
    ProjektZmieniony = true;
    const std::string plik = Sciezka(".~kartogram-00000000deadbeef");
    EXPECT_FALSE(ZapiszProjekt(plik));
    EXPECT_EQ(Blad(), "Nie można zapisać pliku " + plik + " (nazwa zastrzeżona dla plików tymczasowych programu).");
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_FALSE(std::filesystem::exists(plik));
}

// The folder's flush failed after the rename: the message said the save
// failed though the file held the new project. It says what happened, and
// the project stays marked changed so that the user saves again; that save
// asks nothing (the window would refuse): the record is of the file in place.
TEST_F(ZapisProjektuTest, AFolderFlushThatFailsLeavesTheProjectChanged)
{
    const std::string plik = Sciezka("p.rup");
    ASSERT_TRUE(ZapiszProjekt(plik));
    ASSERT_EQ(DodajWariant("W1", "", "", "", 0, 0, 'L'), "");
    ProjektZmieniony = true;
    okno.tytul = "stary";
    bladKatalogu = EIO;
    const bool zapisany = ZapiszProjekt(plik);
    bladKatalogu = 0;
    EXPECT_FALSE(zapisany);
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_EQ(Blad(), "Plik " + plik +
                          " został zapisany, ale system nie potwierdził, że jest na dysku (błąd wejścia-wyjścia);"
                          " zapisz go ponownie.");
    EXPECT_EQ(CzytajBajty(plik), TrescProjektu());
    EXPECT_EQ(okno.tytul, "stary");
    ASSERT_EQ(DodajWariant("W2", "", "", "", 0, 0, 'L'), "");
    EXPECT_TRUE(ZapiszProjekt(plik)) << Blad();
    EXPECT_EQ(CzytajBajty(plik), TrescProjektu());
}

} // namespace
