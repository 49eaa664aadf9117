// The program as installed (tests/instalacja/instalacja.sh installs it and
// runs this with KG_ZAINSTALOWANY, its read-only program folder, and
// KG_DANE_UZYTKOWNIKA, the user's data folder): the examples open through
// the open command from the user's copy, a new count and the lists land in
// the user's folder. Skipped when run on its own.

#include <QDir>
#include <cstdlib>

#include "counts/OknaPomiarow.h"
#include "pomoc.h"

namespace {

TEST_F(ProgramTest, ZainstalowanyPiszeDoKataloguUzytkownika)
{
    const char* program = std::getenv("KG_ZAINSTALOWANY");
    const char* uzytkownik = std::getenv("KG_DANE_UZYTKOWNIKA");
    if (!program || !uzytkownik)
        GTEST_SKIP() << "run by tests/instalacja/instalacja.sh";
    const std::string dom = uzytkownik;
    UstawKatalogProgramu(program);
    UstawKatalogUzytkownika(dom);
    ASSERT_TRUE(ZapisWKataloguUzytkownika()) << "the installed folder must be read-only";
    Uruchom();
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
    EXPECT_EQ(KatalogPomiarow, dom + "/Pomiary");
    EXPECT_TRUE(PlikIstnieje(dom + "/Pomiary/Ustawienia/domyslne.upm"));

    const QStringList przyklady = QDir(QString::fromStdString(dom + "/Przyklady")).entryList({"*.rup"}, QDir::Files);
    ASSERT_EQ(przyklady.size(), 3);
    for (const QString& nazwa : przyklady) {
        const std::string sciezka = dom + "/Przyklady/" + ZQString(nazwa);
        dialogi.SciezkiOtworz.push_back(sciezka);
        Form1->BOtworzClick();
        std::string poczatkowy = dialogi.Wpisy.back().katalog;
        if (poczatkowy.back() == '/')
            poczatkowy.pop_back();
        EXPECT_EQ(poczatkowy, dom + "/Przyklady");
        EXPECT_EQ(Form1->Sciezka(), sciezka);
        Form1->Wszystko1Click();
        EXPECT_TRUE(Komunikaty().empty()) << ZQString(nazwa) << ": " << Komunikaty().front();
    }

    // A new count: the editor's save dialog starts in the user's counts.
    const std::string pomiar = dom + "/Pomiary/Nowy.pom";
    dialogi.SciezkiZapisz.push_back(pomiar);
    PomiaryRuchu->UstawKontrolkiPomiaru();
    PomiaryRuchu->B_NowyPomiarClick();
    EXPECT_EQ(dialogi.Wpisy.back().katalog, dom + "/Pomiary");
    EXPECT_TRUE(PlikIstnieje(pomiar));

    // Closed, the program keeps its lists there too; nothing beside itself.
    ZniszczOkna();
    EXPECT_TRUE(PlikIstnieje(dom + "/Dane/Ruchoplany.Lpk"));
    EXPECT_TRUE(PlikIstnieje(dom + "/Dane/Katalogi.Lst"));
    EXPECT_FALSE(PlikIstnieje(std::string(program) + "/Dane/Ruchoplany.Lpk"));
    UstawKatalogUzytkownika("");
}

} // namespace
