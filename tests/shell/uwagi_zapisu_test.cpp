// What a save could not keep of the old file (here an attribute the user
// set, which the file system refuses on the new file) is shown as a warning
// after a save, a DXF export and a PDF print that succeeded. The test
// program is linked with fsetxattr wrapped.
#include <cerrno>
#include <cstring>
#include <sys/xattr.h>

#include "model/PlikProjektu.h"
#include "platform/qt/Drukarka.h"
#include "pomoc.h"

namespace {

bool odmowaAtrybutow = false;  // setting any "user." attribute fails

} // namespace

extern "C" int __real_fsetxattr(int fd, const char* nazwa, const void* wartosc, size_t rozmiar, int flagi);
extern "C" int __wrap_fsetxattr(int fd, const char* nazwa, const void* wartosc, size_t rozmiar, int flagi)
{
    if (odmowaAtrybutow && std::strncmp(nazwa, "user.", 5) == 0) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return __real_fsetxattr(fd, nazwa, wartosc, rozmiar, flagi);
}

namespace {

class UwagiZapisuTest : public ProgramTest {
protected:
    void TearDown() override
    {
        odmowaAtrybutow = false;
        ProgramTest::TearDown();
    }

    // An old file at `nazwa` with an attribute of the user's; false where the
    // file system has none.
    bool StaryPlikZAtrybutem(const std::string& nazwa)
    {
        const std::string plik = Sciezka(nazwa);
        QFile f(NaQString(plik));
        return f.open(QIODevice::WriteOnly) && f.write("stary") == 5 && (f.close(), true) &&
               ::setxattr(plik.c_str(), "user.autor", "JK", 2, 0) == 0;
    }

    // The warnings shown, in UTF-8.
    std::vector<std::string> Ostrzezenia() const
    {
        std::vector<std::string> wynik;
        for (const DialogiTestowe::Wpis& w : dialogi.Wpisy)
            if (w.rodzaj == DialogiTestowe::Rodzaj::Ostrzezenie)
                wynik.push_back(Cp1250NaUtf8(w.tekst));
        return wynik;
    }

    std::string Uwaga(const std::string& nazwa) const
    {
        return "Plik " + Sciezka(nazwa) + " został zapisany, ale nie udało się zachować atrybutów rozszerzonych (user.*).";
    }
};

TEST_F(UwagiZapisuTest, ZapisDxfIPdfPokazujaCzegoPlikNieZachowal)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    if (!StaryPlikZAtrybutem("p.rup"))
        GTEST_SKIP() << "no user attributes on this file system";
    ASSERT_TRUE(StaryPlikZAtrybutem("p.dxf"));
    ASSERT_TRUE(StaryPlikZAtrybutem("p.pdf"));
    odmowaAtrybutow = true;

    dialogi.SciezkiZapisz.push_back(Sciezka("p.rup"));
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    Form1->M_ZapiszjakoClick();
    EXPECT_EQ(Ostrzezenia(), std::vector<std::string>{Uwaga("p.rup")});
    EXPECT_FALSE(ProjektZmieniony) << "a warning is no failure";
    EXPECT_EQ(Form1->Sciezka(), Sciezka("p.rup"));

    dialogi.SciezkiZapisz.push_back(Sciezka("p.dxf"));
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    Form1->TB_DoDxfaClick();
    EXPECT_EQ(Ostrzezenia(), (std::vector<std::string>{Uwaga("p.rup"), Uwaga("p.dxf")}));
    EXPECT_NE(CzytajPlik(Sciezka("p.dxf")).find("EOF"), std::string::npos);

    if (Drukarka::DrukarkaZainstalowana())
        GTEST_SKIP() << "this machine has a printer: the print goes there";
    dialogi.SciezkiZapisz.push_back(Sciezka("p.pdf"));
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    Form1->TB_DrukujClick();
    EXPECT_EQ(Ostrzezenia(), (std::vector<std::string>{Uwaga("p.rup"), Uwaga("p.dxf"), Uwaga("p.pdf")}));
    EXPECT_EQ(Komunikaty().back(), Uwaga("p.pdf"));
    EXPECT_NE(CzytajPlik(Sciezka("p.pdf")).rfind("%%EOF"), std::string::npos);
}

} // namespace
