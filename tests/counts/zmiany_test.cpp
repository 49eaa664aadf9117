// The count editor's save never silently replaces what another engineer's
// save (a process of its own) put in the count file after it was opened.
// The test program is linked with fsync wrapped.
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "counts/PlikiPomiarow.h"
#include "model/UstawieniaPomiaru.h"
#include "platform/PlikTekstowy.h"
#include "pomoc.h"
#include "wspolne/awaria_po_pytaniu.h"
#include "wspolne/enter_w_pytaniu.h"

namespace {

std::string Bajty(const std::string& plik)
{
    std::string tresc, blad;
    EXPECT_TRUE(CzytajPlik(plik, tresc, blad)) << blad;
    return tresc;
}

// A save of another engineer: a process of its own.
void WInnymProcesie(const std::function<bool()>& zapis)
{
    const pid_t dziecko = ::fork();
    if (dziecko == 0)
        ::_exit(zapis() ? 0 : 1);
    int stan = 0;
    EXPECT_EQ(::waitpid(dziecko, &stan, 0), dziecko);
    EXPECT_TRUE(WIFEXITED(stan) && WEXITSTATUS(stan) == 0);
}

// The question before another's save is replaced, by its part that names
// neither the file's owner nor its time.
bool OZastapieniu(const std::string& pytanie) { return pytanie.ends_with("Zapisać i zastąpić tamte zmiany?"); }

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

    void TearDown() override
    {
        bladPliku = bladKatalogu = 0;
        OknaPomiarowTest::TearDown();
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

TEST_F(ZmianyPomiaruTest, NieBezZmianZostawiaPomiarNiezapisany)
{
    // B saves; A's save replaces his; B saves again with nothing changed
    // and answers "Nie": his version is in no file now.
    PomiaryRuchu->Button3->click();
    ASSERT_FALSE(BiezacyPomiar.PomiarZmieniony);
    const std::string obce = InnyZapisuje("opis A");
    dialogi.Odpowiedzi = {OdpowiedzNie};
    PomiaryRuchu->Button3->click();
    ASSERT_EQ(Pytania().size(), 1u);
    EXPECT_TRUE(BiezacyPomiar.PomiarZmieniony);

    // Opening a count, "Nowy" and leaving ask first; "Kasuj" keeps it.
    pytania.clear();
    odpowiedzi = {PytanieKasuj, PytanieKasuj, PytanieKasuj};
    PomiaryRuchu->Button1->click();
    PomiaryRuchu->B_NowyPomiar->click();
    QTest::keyClick(PomiaryRuchu, Qt::Key_Escape);
    EXPECT_EQ(pytania, std::vector<std::string>(3, "Pomiar " + plik + " zmieniony. ZAPISAĆ?"));
    EXPECT_TRUE(PomiaryRuchu->isVisible());
    EXPECT_EQ(PomiaryRuchu->SavePomiar, plik);
    EXPECT_EQ(Bajty(plik), obce);
}

TEST_F(ZmianyPomiaruTest, NieudanyZapisPoTakZostawiaPomiarNiezapisany)
{
    // B saves; A's save replaces his; B saves again with nothing changed,
    // answers "Tak", and the save fails after it: A's version stays in the
    // file, B's is in none.
    PomiaryRuchu->Button3->click();
    ASSERT_FALSE(BiezacyPomiar.PomiarZmieniony);
    const std::string obce = InnyZapisuje("opis A");
    DialogiZAwaria awaria;
    awaria.bladPoPytaniu = EIO;
    awaria.Odpowiedzi = {OdpowiedzTak};
    UstawDialogi(&awaria);
    PomiaryRuchu->Button3->click();
    UstawDialogi(&dialogi);
    bladPliku = 0;
    EXPECT_EQ(awaria.Teksty(DialogiTestowe::Rodzaj::Pytanie).size(), 1u);
    EXPECT_EQ(awaria.Teksty(DialogiTestowe::Rodzaj::Blad),
              std::vector<std::string>{PL("Nie można zapisać pliku ") + plik + PL(" (błąd wejścia-wyjścia).")});
    EXPECT_EQ(Bajty(plik), obce);
    EXPECT_TRUE(BiezacyPomiar.PomiarZmieniony);

    // "Nowy" and leaving ask first; "Kasuj" keeps it.
    odpowiedzi = {PytanieKasuj, PytanieKasuj};
    PomiaryRuchu->B_NowyPomiar->click();
    QTest::keyClick(PomiaryRuchu, Qt::Key_Escape);
    EXPECT_EQ(pytania, std::vector<std::string>(2, "Pomiar " + plik + " zmieniony. ZAPISAĆ?"));
    EXPECT_TRUE(PomiaryRuchu->isVisible());
}

// The count's own file under other spellings of its path (through a link,
// with "/./"): a save there asks before replacing another's save, and the
// record it leaves is the count's, also where the folder's flush failed
// after the rename (the user told to save again). Saving after either asks
// nothing.
TEST_F(ZmianyPomiaruTest, ZapisPodInnaNazwaIPoNieudanymFlushuFolderuZostawiaZapis)
{
    const std::string lacze = ZQString(katalog.path()) + "/lacze";
    std::filesystem::create_directory_symlink(KatalogPomiarow, lacze);
    const std::string przezLacze = lacze + "/Plac.pom", zKropka = KatalogPomiarow + "/./Plac.pom";
    const std::string obce = InnyZapisuje("opis A");
    QTest::keyClicks(PomiaryRuchu->E_Opis1, "opis B");
    dialogi.Odpowiedzi = {OdpowiedzNie};
    EXPECT_FALSE(PomiaryRuchu->ZapiszPlikPomiaru(przezLacze));
    EXPECT_EQ(Bajty(plik), obce);
    dialogi.Odpowiedzi = {OdpowiedzTak};
    EXPECT_TRUE(PomiaryRuchu->ZapiszPlikPomiaru(zKropka));
    EXPECT_EQ(Pytania().size(), 2u);
    PomiaryRuchu->Button3->click();
    EXPECT_EQ(Pytania().size(), 2u);

    for (const std::string& nazwa : {plik, przezLacze}) {
        SCOPED_TRACE(nazwa);
        QTest::keyClicks(PomiaryRuchu->E_Opis1, "x");
        bladKatalogu = EIO;
        if (nazwa == plik)
            PomiaryRuchu->Button3->click();
        else
            PomiaryRuchu->ZapiszPlikPomiaru(nazwa);
        bladKatalogu = 0;
        const std::vector<std::string> bledy = dialogi.Teksty(DialogiTestowe::Rodzaj::Blad);
        ASSERT_FALSE(bledy.empty());
        EXPECT_EQ(Cp1250NaUtf8(bledy.back()),
                  "Plik " + nazwa +
                      " został zapisany, ale system nie potwierdził, że jest na dysku (błąd wejścia-wyjścia);"
                      " zapisz go ponownie.");
        EXPECT_TRUE(BiezacyPomiar.PomiarZmieniony);
        QTest::keyClicks(PomiaryRuchu->E_Opis1, "y");
        PomiaryRuchu->Button3->click();
        EXPECT_FALSE(BiezacyPomiar.PomiarZmieniony);
        DanePomiar zapisany;
        std::string blad;
        ASSERT_TRUE(CzytajPlikPomiaru(plik, zapisany, blad)) << blad;
        EXPECT_EQ(zapisany.Opis2Linie[0].str(), ZQString(PomiaryRuchu->E_Opis1->text()));
    }
    EXPECT_EQ(Pytania().size(), 2u);
    EXPECT_EQ(dialogi.Teksty(DialogiTestowe::Rodzaj::Blad).size(), 2u);
}

TEST_F(ZmianyPomiaruTest, EnterWPytaniuNieZastepujeCudzegoZapisu)
{
    const std::string obce = InnyZapisuje("opis A");
    QTest::keyClicks(PomiaryRuchu->E_Opis1, "opis B");
    UstawDialogi(nullptr);
    const std::vector<std::string> teksty = ZEnterWPytaniach([this] { PomiaryRuchu->Button3->click(); });
    UstawDialogi(&dialogi);
    ASSERT_EQ(teksty.size(), 1u);
    EXPECT_TRUE(OZastapieniu(teksty[0])) << teksty[0];
    EXPECT_EQ(Bajty(plik), obce);
    EXPECT_TRUE(BiezacyPomiar.PomiarZmieniony);
}

// The classes and forecast windows save through the save dialog, where the
// user may reach the file they opened by another name.
class ZmianyTabelTest : public OknaPomiarowTest {
protected:
    void TearDown() override
    {
        bladKatalogu = 0;
        OknaPomiarowTest::TearDown();
    }

    std::vector<std::string> Pytania() const
    {
        std::vector<std::string> w;
        for (const std::string& t : dialogi.Teksty(DialogiTestowe::Rodzaj::Pytanie))
            w.push_back(Cp1250NaUtf8(t));
        return w;
    }

    // `plik` of the counts' subfolder `podkatalog`, opened in a window and
    // then saved by another process, is saved by the window's `zapisz`
    // under its own name, through a link to the counts' folder and through
    // "../": each time "Tak" to overwriting it and "Nie" to replacing the
    // other's work, which stays. Then "Tak" replaces it, and a save after
    // that asks nothing.
    void ZapisyPodNazwami(QPushButton* zapisz, const std::string& podkatalog, const std::string& nazwa)
    {
        const std::string plik = KatalogPomiarow + "/" + podkatalog + "/" + nazwa;
        const std::string lacze = ZQString(katalog.path()) + "/lacze";
        std::filesystem::create_directory_symlink(KatalogPomiarow, lacze);
        const std::string obce = Bajty(plik);
        const std::vector<std::string> nazwy = {plik, lacze + "/" + podkatalog + "/" + nazwa,
                                                KatalogPomiarow + "/" + podkatalog + "/../" + podkatalog + "/" + nazwa};
        for (const std::string& n : nazwy) {
            dialogi.SciezkiZapisz = {n};
            odpowiedzi = {PytanieTak};
            dialogi.Odpowiedzi = {OdpowiedzNie};
            zapisz->click();
            EXPECT_EQ(Bajty(plik), obce) << n;
        }
        std::vector<std::string> p = Pytania();
        EXPECT_EQ(p.size(), 3u);
        for (const std::string& t : p)
            EXPECT_TRUE(OZastapieniu(t)) << t;
        EXPECT_TRUE(dialogi.Teksty(DialogiTestowe::Rodzaj::Blad).empty());

        dialogi.SciezkiZapisz = {nazwy[1], plik};
        odpowiedzi = {PytanieTak, PytanieTak};
        dialogi.Odpowiedzi = {OdpowiedzTak};
        zapisz->click();
        EXPECT_NE(Bajty(plik), obce);
        zapisz->click();
        EXPECT_EQ(Pytania().size(), 4u);
        EXPECT_EQ(pytania.size(), 5u) << "each save asked to overwrite";
    }
};

// The classes file saved as its folder's flush fails once: the user is
// told to save again, and that save asks nothing.
TEST_F(ZmianyTabelTest, KlasyPoNieudanymFlushuFolderuZapisujaBezPytania)
{
    const std::string plik = KatalogUstawien + "/wspolne.upm";
    std::string blad;
    ASSERT_TRUE(ZapiszPlikUstawien(plik, WbudowanePrzejscia(WbudowaneKlasyPojazdow()), blad)) << blad;
    dialogi.SciezkiOtworz = {plik};
    PojazdyTabela->B_OdczytUstawPojazd->click();
    dialogi.SciezkiZapisz = {plik, plik};
    odpowiedzi = {PytanieTak, PytanieTak};
    QTest::keyClicks(PojazdyTabela->E_PrzejOpis[0], "x");
    bladKatalogu = EIO;
    PojazdyTabela->B_ZapisUstawPojazd->click();
    bladKatalogu = 0;
    EXPECT_EQ(Cp1250NaUtf8(dialogi.Teksty(DialogiTestowe::Rodzaj::Blad).at(0)),
              "Plik " + plik +
                  " został zapisany, ale system nie potwierdził, że jest na dysku (błąd wejścia-wyjścia);"
                  " zapisz go ponownie.");
    const std::string niepewne = Bajty(plik);
    QTest::keyClicks(PojazdyTabela->E_PrzejOpis[0], "y");
    PojazdyTabela->B_ZapisUstawPojazd->click();
    EXPECT_TRUE(Pytania().empty());
    EXPECT_TRUE(Bajty(plik) != niepewne) << "saved";
    EXPECT_EQ(dialogi.Teksty(DialogiTestowe::Rodzaj::Blad).size(), 1u);
}

TEST_F(ZmianyTabelTest, KlasyPytajaPrzedZastapieniemCudzegoZapisuPodKazdaNazwa)
{
    const std::string plik = KatalogUstawien + "/wspolne.upm";
    const UstawieniaPomiaru nasze = WbudowanePrzejscia(WbudowaneKlasyPojazdow());
    std::string blad;
    ASSERT_TRUE(ZapiszPlikUstawien(plik, nasze, blad)) << blad;
    // B opens the file; A saves it with another first class.
    dialogi.SciezkiOtworz = {plik};
    PojazdyTabela->B_OdczytUstawPojazd->click();
    WInnymProcesie([&] {
        UstawieniaPomiaru u = nasze;
        u.Nazwa[0] = "Auta A";
        std::string b;
        return ZapiszPlikUstawien(plik, u, b);
    });

    ZapisyPodNazwami(PojazdyTabela->B_ZapisUstawPojazd, "Ustawienia", "wspolne.upm");
    UstawieniaPomiaru u;
    bool przejscia = false;
    ASSERT_TRUE(CzytajPlikUstawien(plik, u, przejscia, blad)) << blad;
    EXPECT_EQ(u.Nazwa[0], nasze.Nazwa[0]);
}

TEST_F(ZmianyTabelTest, PrognozaPytaPrzedZastapieniemCudzegoZapisuPodKazdaNazwa)
{
    const std::string plik = KatalogPrognoz + "/wspolna.pgz";
    DanePrognoza nasza;
    UstawDomyslnaPrognoze(nasza);
    std::string blad;
    ASSERT_TRUE(ZapiszPlikPrognozy(plik, nasza, blad)) << blad;
    DanePomiar pomiar;
    ASSERT_EQ(UstawDomyslnyPomiar(pomiar), "");
    DanePrognoza kopia = nasza;
    TabelaPrognoz->Ustaw(&kopia, &pomiar, {"S", "E", "N", "W", ""}, 'J');
    // B opens the file; A saves it with a forecast of his own.
    dialogi.SciezkiOtworz = {plik};
    TabelaPrognoz->B_OdczytUstawPojazd->click();
    WInnymProcesie([&] {
        DanePrognoza p = nasza;
        p.PrognozaPojazdy[0][0] = "7%";
        std::string b;
        return ZapiszPlikPrognozy(plik, p, b);
    });

    ZapisyPodNazwami(TabelaPrognoz->B_ZapisUstawPojazd, "Prognozy", "wspolna.pgz");
    DanePrognoza z;
    ASSERT_TRUE(CzytajPlikPrognozy(plik, z, blad)) << blad;
    EXPECT_EQ(z.PrognozaPojazdy[0][0].str(), nasza.PrognozaPojazdy[0][0].str());
}

} // namespace
