// The count editor's save never silently replaces what another engineer's
// save (a process of its own) put in the count file after it was opened.
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

#include "counts/PlikiPomiarow.h"
#include "platform/PlikTekstowy.h"
#include "pomoc.h"

namespace {

std::string Bajty(const std::string& plik)
{
    std::string tresc, blad;
    EXPECT_TRUE(CzytajPlik(plik, tresc, blad)) << blad;
    return tresc;
}

class ZmianyPomiaruTest : public OknaPomiarowTest {
protected:
    std::string plik;

    void SetUp() override
    {
        OknaPomiarowTest::SetUp();
        PomiaryRuchu->show();
        // A count saved, then opened from the list as the user opens it.
        plik = Pomiar("Plac");
        dialogi.SciezkiZapisz.push_back(plik);
        PomiaryRuchu->B_NowyPomiar->click();
        QTest::keyClicks(PomiaryRuchu->E_NazwaWezla, "Plac Zbawiciela");
        PomiaryRuchu->Button3->click();
        PomiaryRuchu->Button2->click();
        const auto pozycje = PomiaryRuchu->ListaPomiar->findItems("Plac", Qt::MatchExactly);
        ASSERT_EQ(pozycje.size(), 1);
        PomiaryRuchu->ListaPomiar->setCurrentItem(pozycje.front());
        PomiaryRuchu->Button1->click();
        ASSERT_EQ(Cp1250NaUtf8(BiezacyPomiar.Lokalizacja.str()), "Plac Zbawiciela");
    }

    // Another process saves the count with another description; its bytes.
    std::string InnyZapisuje(const char* opis)
    {
        DanePomiar p;
        std::string blad;
        EXPECT_TRUE(CzytajPlikPomiaru(plik, p, blad)) << blad;
        p.Opis2Linie[0] = opis;
        const pid_t dziecko = ::fork();
        if (dziecko == 0) {
            std::string b;
            ::_exit(ZapiszPlikPomiaru(plik, p, b) ? 0 : 1);
        }
        int stan = 0;
        EXPECT_EQ(::waitpid(dziecko, &stan, 0), dziecko);
        EXPECT_TRUE(WIFEXITED(stan) && WEXITSTATUS(stan) == 0);
        return Bajty(plik);
    }

    std::string Pytanie() const
    {
        const QFileInfo f(QString::fromStdString(plik));
        return "Plik " + plik + " został zmieniony po otwarciu (właściciel pliku: " + f.owner().toStdString() +
               ", " + f.lastModified().toString("dd.MM.yyyy hh:mm").toStdString() +
               "). Zapisać i zastąpić tamte zmiany?";
    }

    std::vector<std::string> Pytania() const
    {
        std::vector<std::string> w;
        for (const std::string& t : dialogi.Teksty(DialogiTestowe::Rodzaj::Pytanie))
            w.push_back(Cp1250NaUtf8(t));
        return w;
    }
};

TEST_F(ZmianyPomiaruTest, ZapiszPytaPrzedZastapieniemCudzegoZapisu)
{
    const std::string obce = InnyZapisuje("opis A");
    QTest::keyClicks(PomiaryRuchu->E_Opis1, "opis B");

    // "Nie" keeps A's description and B's unsaved work.
    dialogi.Odpowiedzi = {OdpowiedzNie};
    PomiaryRuchu->Button3->click();
    EXPECT_EQ(Pytania(), std::vector<std::string>{Pytanie()});
    EXPECT_EQ(Bajty(plik), obce);
    EXPECT_TRUE(BiezacyPomiar.PomiarZmieniony);
    EXPECT_TRUE(dialogi.Teksty(DialogiTestowe::Rodzaj::Blad).empty());

    // Leaving asks to save; "Nie" to replacing keeps the editor open.
    odpowiedzi = {PytanieTak};
    QTest::keyClick(PomiaryRuchu, Qt::Key_Escape);
    EXPECT_TRUE(PomiaryRuchu->isVisible());
    EXPECT_EQ(Pytania().size(), 2u);
    EXPECT_EQ(Bajty(plik), obce);

    // "Tak" replaces; saves of our own after it ask nothing.
    dialogi.Odpowiedzi = {OdpowiedzTak};
    PomiaryRuchu->Button3->click();
    EXPECT_EQ(Pytania().size(), 3u);
    DanePomiar p;
    std::string blad;
    ASSERT_TRUE(CzytajPlikPomiaru(plik, p, blad)) << blad;
    EXPECT_EQ(p.Opis2Linie[0].str(), "opis B");
    EXPECT_FALSE(BiezacyPomiar.PomiarZmieniony);
    QTest::keyClicks(PomiaryRuchu->E_Opis1, " i C");
    PomiaryRuchu->Button3->click();
    PomiaryRuchu->Button3->click();
    EXPECT_EQ(Pytania().size(), 3u);
}

} // namespace
