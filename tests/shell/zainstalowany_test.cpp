// The program as installed (tests/instalacja/instalacja.sh installs it and
// runs this with KG_ZAINSTALOWANY, its read-only program folder, and
// KG_DANE_UZYTKOWNIKA, the user's data folder, both with letters beyond
// ASCII): the examples open through the open command from the user's copy;
// the blocks, the counts, a forecast, the class settings and the manual are
// found where they were shipped; a new count and the lists land in the
// user's folder. Skipped when run on its own.

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "counts/OknaPomiarow.h"
#include "counts/PlikiPomiarow.h"
#include "pomoc.h"
#include "shell/TWstawBlok.h"

namespace {

std::vector<std::string> Pozycje(const QListWidget* lista)
{
    std::vector<std::string> w;
    for (int i = 0; i < lista->count(); ++i)
        w.push_back(lista->item(i)->text().toStdString());
    std::sort(w.begin(), w.end());
    return w;
}

// The folder a file dialog started in, without a closing "/".
std::string BezUkosnika(std::string katalog)
{
    if (katalog.size() > 1 && katalog.back() == '/')
        katalog.pop_back();
    return katalog;
}

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

    // The block window lists the shipped library.
    int blokow = -1;
    QTimer::singleShot(0, WstawBlok, [&] {
        blokow = WstawBlok->LB_NazwaBlokuCzytaj->count();
        WstawBlok->B_Powrot->click();
    });
    Form1->TB_WstawBlok->trigger();
    EXPECT_EQ(blokow, 7);

    // The shipped counts in the editor's list and the browser's; one opens.
    const std::vector<std::string> pomiary = {"Mickiewicza_Kosciuszki", "Rondo_Grunwaldzkie"};
    PomiaryRuchu->UstawKontrolkiPomiaru();
    PomiaryRuchu->OdswiezListePomiarow();
    EXPECT_EQ(Pozycje(PomiaryRuchu->ListaPomiar), pomiary);
    const auto mickiewicza = PomiaryRuchu->ListaPomiar->findItems("Mickiewicza_Kosciuszki", Qt::MatchExactly);
    ASSERT_EQ(mickiewicza.size(), 1);
    PomiaryRuchu->ListaPomiar->setCurrentItem(mickiewicza[0]);
    PomiaryRuchu->Button1->click();
    EXPECT_EQ(BiezacyPomiar.NazwaPliku.str(), "Mickiewicza_Kosciuszki.pom");
    OpenPomiar->CB_Skrzyzowania->setChecked(true);
    OpenPomiar->CB_Ronda->setChecked(true);
    OpenPomiar->B_refresh->click();
    EXPECT_EQ(Pozycje(OpenPomiar->ListaPomiar), pomiary);

    // The shipped forecast and class settings, from where their dialogs start.
    DanePomiar doPrognozy;
    std::string blad;
    ASSERT_TRUE(CzytajPlikPomiaru(dom + "/Pomiary/Mickiewicza_Kosciuszki.pom", doPrognozy, blad)) << blad;
    DanePrognoza prognoza;
    TabelaPrognoz->Ustaw(&prognoza, &doPrognozy, {"A", "B", "C", "D", "E"}, 'S');
    dialogi.SciezkiOtworz.push_back(dom + "/Pomiary/Prognozy/Mickiewicza_2035.pgz");
    TabelaPrognoz->B_OdczytUstawPojazd->click();
    EXPECT_EQ(BezUkosnika(dialogi.Wpisy.back().katalog), dom + "/Pomiary/Prognozy");
    EXPECT_EQ(TabelaPrognoz->PrognozaZmieniona, 1);
    PojazdyTabela->PokazUstawienia();
    dialogi.SciezkiOtworz.push_back(dom + "/Pomiary/Ustawienia/domyslne.upm");
    PojazdyTabela->B_OdczytUstawPojazd->click();
    EXPECT_EQ(BezUkosnika(dialogi.Wpisy.back().katalog), dom + "/Pomiary/Ustawienia");

    // The manual, from the program's folder.
    Form1->Instrukcjapdf1->trigger();
    EXPECT_EQ(dialogi.Wpisy.back().rodzaj, DialogiTestowe::Rodzaj::Dokument);
    EXPECT_EQ(dialogi.Wpisy.back().tekst, std::string(program) + "/Instrukcja/Instrukcja.pdf");
    EXPECT_TRUE(PlikIstnieje(dialogi.Wpisy.back().tekst));
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();

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
