// What a save could not keep of the old file (an attribute the user set,
// which the file system here refuses on the new file) is shown as a warning
// after a count, class settings or forecast file was saved. The test
// program is linked with fsetxattr wrapped.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "model/Prognoza.h"
#include "pomoc.h"
#include "wspolne/odmowa_atrybutow.h"

namespace {

class UwagiZapisuTest : public OknaPomiarowTest {
protected:
    void TearDown() override
    {
        odmowaAtrybutow.clear();
        OknaPomiarowTest::TearDown();
    }

    // The warnings shown, in UTF-8.
    std::vector<std::string> Ostrzezenia() const
    {
        std::vector<std::string> wynik = dialogi.Teksty(DialogiTestowe::Rodzaj::Ostrzezenie);
        for (std::string& t : wynik)
            t = Cp1250NaUtf8(t);
        return wynik;
    }

    static std::string Uwaga(const std::string& plik) { return UwagaOAtrybutach(Cp1250NaUtf8(plik)); }
};

TEST_F(UwagiZapisuTest, PomiarKlasyIPrognozaPokazujaCzegoPlikNieZachowal)
{
    const std::string pomiar = Pomiar("Plac"), klasy = KatalogUstawien + "/moje.upm",
                      prognoza = KatalogPrognoz + "/moja.pgz";
    if (!StaryPlikZAtrybutem(pomiar))
        GTEST_SKIP() << "no user attributes on this file system";
    ASSERT_TRUE(StaryPlikZAtrybutem(klasy));
    ASSERT_TRUE(StaryPlikZAtrybutem(prognoza));
    odmowaAtrybutow = {"user."};

    // A new count over the old file ("Tak" to overwriting it), saved again
    // with its header filled in.
    dialogi.SciezkiZapisz.push_back(pomiar);
    odpowiedzi = {PytanieTak};
    PomiaryRuchu->B_NowyPomiar->click();
    EXPECT_EQ(Ostrzezenia(), std::vector<std::string>{Uwaga(pomiar)});
    QTest::keyClick(PomiaryRuchu->E_NazwaWezla, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(PomiaryRuchu->E_NazwaWezla, "Plac Zbawiciela");
    PomiaryRuchu->Button3->click();
    EXPECT_EQ(Ostrzezenia().size(), 1u) << "the file saved first has no attribute left to lose";

    ASSERT_EQ(UstawDomyslnyPomiar(BiezacyPomiar), "");
    PojazdyTabela->PokazUstawienia();
    dialogi.SciezkiZapisz.push_back(klasy);
    odpowiedzi = {PytanieTak};
    PojazdyTabela->B_ZapisUstawPojazd->click();
    EXPECT_EQ(Ostrzezenia(), (std::vector<std::string>{Uwaga(pomiar), Uwaga(klasy)}));

    DanePomiar p;
    ASSERT_EQ(UstawDomyslnyPomiar(p), "");
    DanePrognoza kopia;
    UstawDomyslnaPrognoze(kopia);
    TabelaPrognoz->Ustaw(&kopia, &p, {"S", "E", "N", "W", ""}, 'J');
    dialogi.SciezkiZapisz.push_back(prognoza);
    odpowiedzi = {PytanieTak};
    TabelaPrognoz->B_ZapisUstawPojazd->click();
    EXPECT_EQ(Ostrzezenia(), (std::vector<std::string>{Uwaga(pomiar), Uwaga(klasy), Uwaga(prognoza)}));
    EXPECT_TRUE(pytania.size() == 3u);
}

} // namespace
