// What a save could not keep of the old file (here an attribute the user
// set, which the file system refuses on the new file) is shown as a warning
// after a save, a DXF export and a PDF print that succeeded. The test
// program is linked with fsetxattr wrapped.
#include "model/PlikProjektu.h"
#include "platform/qt/Drukarka.h"
#include "pomoc.h"
#include "wspolne/odmowa_atrybutow.h"

namespace {

class UwagiZapisuTest : public ProgramTest {
protected:
    void TearDown() override
    {
        odmowaAtrybutow.clear();
        ProgramTest::TearDown();
    }

    std::vector<std::string> Ostrzezenia() const { return Komunikaty(DialogiTestowe::Rodzaj::Ostrzezenie); }

    std::string Uwaga(const std::string& nazwa) const { return UwagaOAtrybutach(Sciezka(nazwa)); }
};

TEST_F(UwagiZapisuTest, ZapisDxfIPdfPokazujaCzegoPlikNieZachowal)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    if (!StaryPlikZAtrybutem(Sciezka("p.rup")))
        GTEST_SKIP() << "no user attributes on this file system";
    ASSERT_TRUE(StaryPlikZAtrybutem(Sciezka("p.dxf")));
    ASSERT_TRUE(StaryPlikZAtrybutem(Sciezka("p.pdf")));
    odmowaAtrybutow = {"user."};

    dialogi.SciezkiZapisz.push_back(Sciezka("p.rup"));
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    UzyjPolecenia("M_Zapiszjako");
    EXPECT_EQ(Ostrzezenia(), std::vector<std::string>{Uwaga("p.rup")});
    EXPECT_FALSE(ProjektZmieniony) << "a warning is no failure";
    EXPECT_EQ(Form1->Sciezka(), Sciezka("p.rup"));

    dialogi.SciezkiZapisz.push_back(Sciezka("p.dxf"));
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    UzyjPolecenia("TB_DoDxfa");
    EXPECT_EQ(Ostrzezenia(), (std::vector<std::string>{Uwaga("p.rup"), Uwaga("p.dxf")}));
    EXPECT_NE(CzytajPlik(Sciezka("p.dxf")).find("EOF"), std::string::npos);

    if (Drukarka::DrukarkaZainstalowana())
        GTEST_SKIP() << "this machine has a printer: the print goes there";
    dialogi.SciezkiZapisz.push_back(Sciezka("p.pdf"));
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    UzyjPolecenia("TB_Drukuj");
    EXPECT_EQ(Ostrzezenia(), (std::vector<std::string>{Uwaga("p.rup"), Uwaga("p.dxf"), Uwaga("p.pdf")}));
    EXPECT_EQ(Komunikaty().back(), Uwaga("p.pdf"));
    EXPECT_NE(CzytajPlik(Sciezka("p.pdf")).rfind("%%EOF"), std::string::npos);
}

} // namespace
