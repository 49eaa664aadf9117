// What a save could not keep of the old file (an attribute the user set,
// which the file system here refuses on the new file) is shown as a warning
// after a count, class settings or forecast file was saved. The test
// program is linked with fsetxattr wrapped.
#include <QLineEdit>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/xattr.h>

#include "model/Prognoza.h"
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

class UwagiZapisuTest : public OknaPomiarowTest {
protected:
    void TearDown() override
    {
        odmowaAtrybutow = false;
        OknaPomiarowTest::TearDown();
    }

    // An old file with an attribute of the user's; false where the file
    // system has none.
    static bool StaryPlikZAtrybutem(const std::string& plik)
    {
        std::ofstream(plik) << "stary\r\n";
        return ::setxattr(plik.c_str(), "user.autor", "JK", 2, 0) == 0;
    }

    std::vector<std::string> Ostrzezenia() const
    {
        std::vector<std::string> wynik;
        for (const DialogiTestowe::Wpis& w : dialogi.Wpisy)
            if (w.rodzaj == DialogiTestowe::Rodzaj::Ostrzezenie)
                wynik.push_back(Cp1250NaUtf8(w.tekst));
        return wynik;
    }

    static std::string Uwaga(const std::string& plik)
    {
        return "Plik " + Cp1250NaUtf8(plik) +
               " został zapisany, ale nie udało się zachować atrybutów rozszerzonych (user.*).";
    }
};

TEST_F(UwagiZapisuTest, PomiarKlasyIPrognozaPokazujaCzegoPlikNieZachowal)
{
    const std::string pomiar = Pomiar("Plac"), klasy = KatalogUstawien + "/moje.upm",
                      prognoza = KatalogPrognoz + "/moja.pgz";
    if (!StaryPlikZAtrybutem(pomiar))
        GTEST_SKIP() << "no user attributes on this file system";
    ASSERT_TRUE(StaryPlikZAtrybutem(klasy));
    ASSERT_TRUE(StaryPlikZAtrybutem(prognoza));
    odmowaAtrybutow = true;

    // A new count over the old file ("Tak" to overwriting it), saved again
    // with its header filled in.
    dialogi.SciezkiZapisz.push_back(pomiar);
    odpowiedzi = {PytanieTak};
    PomiaryRuchu->B_NowyPomiarClick();
    EXPECT_EQ(Ostrzezenia(), std::vector<std::string>{Uwaga(pomiar)});
    PomiaryRuchu->E_NazwaWezla->setText("Plac Wolności");
    PomiaryRuchu->Button3Click();
    EXPECT_EQ(Ostrzezenia().size(), 1u) << "the file saved first has no attribute left to lose";

    ASSERT_EQ(UstawDomyslnyPomiar(BiezacyPomiar), "");
    PojazdyTabela->PokazUstawienia();
    dialogi.SciezkiZapisz.push_back(klasy);
    odpowiedzi = {PytanieTak};
    PojazdyTabela->B_ZapisUstawPojazdClick();
    EXPECT_EQ(Ostrzezenia(), (std::vector<std::string>{Uwaga(pomiar), Uwaga(klasy)}));

    DanePomiar p;
    ASSERT_EQ(UstawDomyslnyPomiar(p), "");
    DanePrognoza kopia;
    UstawDomyslnaPrognoze(kopia);
    TabelaPrognoz->Ustaw(&kopia, &p, {"S", "E", "N", "W", ""}, 'J');
    dialogi.SciezkiZapisz.push_back(prognoza);
    odpowiedzi = {PytanieTak};
    TabelaPrognoz->B_ZapisUstawPojazdClick();
    EXPECT_EQ(Ostrzezenia(), (std::vector<std::string>{Uwaga(pomiar), Uwaga(klasy), Uwaga(prognoza)}));
    EXPECT_TRUE(pytania.size() == 3u);
}

} // namespace
