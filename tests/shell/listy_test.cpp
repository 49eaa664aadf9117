// The recent-projects list and the folder list, read at start and written at
// the end exactly as the program keeps them.
#include <QAction>
#include <QMenu>

#include "pomoc.h"

namespace {

class ListyTest : public ProgramTest {
protected:
    void Zapisz(const std::string& wzgledna, const std::string& tresc)
    {
        QFile f(katalog.path() + "/" + QString::fromStdString(wzgledna));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tresc.data(), static_cast<qint64>(tresc.size()));
    }
    std::string Odczytaj(const std::string& wzgledna) { return CzytajPlik(Sciezka(wzgledna)); }

    void Zakoncz()
    {
        Form1->Koniec1Click();
        ZniszczOkna();
    }
};

TEST_F(ListyTest, SzescLiniiZostajaCzteryNajnowsze)
{
    Zapisz("Dane/Ruchoplany.Lpk", "/p/a1.rup\r\n/p/a2.rup\r\n/p/a3.rup\r\n/p/a4.rup\r\n/p/a5.rup\r\n/p/a6.rup\r\n");
    Uruchom();
    EXPECT_EQ(Form1->OstatnieProjekty[0]->text(), "1. a6.rup");
    EXPECT_EQ(Form1->OstatnieProjekty[3]->text(), "4. a3.rup");
    EXPECT_EQ(Form1->OstatnieProjekty[3]->toolTip(), "/p/a3.rup");
    // The items stand in the file menu before the separator of "Koniec".
    const QList<QAction*> menu = Form1->Pliki1->actions();
    const qsizetype koniec = menu.indexOf(Form1->Koniec1);
    EXPECT_EQ(menu[koniec - 2], Form1->OstatnieProjekty[3]);
    EXPECT_EQ(menu[koniec - 5], Form1->OstatnieProjekty[0]);
    EXPECT_TRUE(menu[koniec - 6]->isSeparator());
    EXPECT_TRUE(menu[koniec - 7]->isSeparator());

    Zakoncz();
    EXPECT_EQ(Odczytaj("Dane/Ruchoplany.Lpk"), "/p/a3.rup\r\n/p/a4.rup\r\n/p/a5.rup\r\n/p/a6.rup\r\n");
}

TEST_F(ListyTest, SciezkaZListyIdzieNaGoreBezPowtorzen)
{
    Zapisz("Dane/Ruchoplany.Lpk", "/p/a1.rup\r\n/p/a2.rup\r\n/p/a3.rup\r\n");
    Uruchom();
    Form1->DodajOstatniProjekt("/p/a1.rup");
    EXPECT_EQ(Form1->OstatnieProjekty[0]->text(), "1. a1.rup");
    EXPECT_EQ(Form1->OstatnieProjekty[1]->text(), "2. a3.rup");
    EXPECT_EQ(Form1->OstatnieProjekty[2]->text(), "3. a2.rup");
    Form1->DodajOstatniProjekt("/p/a1.rup");
    int wMenu = 0;
    for (QAction* a : Form1->Pliki1->actions())
        wMenu += Form1->OstatnieProjekty[0] == a || Form1->OstatnieProjekty[1] == a || Form1->OstatnieProjekty[2] == a ||
                 Form1->OstatnieProjekty[3] == a;
    EXPECT_EQ(wMenu, 3);
    Zakoncz();
    // Items never filled are not written.
    EXPECT_EQ(Odczytaj("Dane/Ruchoplany.Lpk"), "/p/a2.rup\r\n/p/a3.rup\r\n/p/a1.rup\r\n");
}

TEST_F(ListyTest, BezListPustaListaIDomyslneKatalogi)
{
    Uruchom();
    EXPECT_TRUE(Form1->OstatnieProjekty[0]->toolTip().isEmpty());
    Zakoncz();
    EXPECT_EQ(Odczytaj("Dane/Ruchoplany.Lpk"), "");
    const std::string pom = Sciezka("Pomiary");
    EXPECT_EQ(Odczytaj("Dane/Katalogi.Lst"), Utf8NaCp1250("__________________ kat. projektów\r\n\r\n") +
                                                 "__________________ kat. pomiarow\r\n" + pom + "\r\n" +
                                                 "__________________ kat. prognoz\r\n" + pom + "/Prognozy\r\n" +
                                                 "__________________ kat. ustawienia\r\n" + pom + "/Ustawienia\r\n");
}

TEST_F(ListyTest, KatalogProjektowZListyPozostaleZawszeObok)
{
    Zapisz("Dane/Katalogi.Lst", Utf8NaCp1250("__________________ kat. projektów\r\n/dom/projekty\r\n") +
                                    "__________________ kat. pomiarow\r\n/gdzies/indziej\r\n");
    Uruchom();
    EXPECT_EQ(KatalogProjektow, "/dom/projekty");
    EXPECT_EQ(KatalogPomiarow, Sciezka("Pomiary"));
    Zakoncz();
    const std::string zapisany = Odczytaj("Dane/Katalogi.Lst");
    EXPECT_EQ(zapisany.substr(0, zapisany.find("__________________ kat. pomiarow")),
              Utf8NaCp1250("__________________ kat. projektów\r\n/dom/projekty\r\n"));
}

TEST_F(ListyTest, PusteLinieIObceLiniePominiete)
{
    // The lists are read in place: runs of empty lines of every ending and
    // lines that only look like markers change nothing.
    Zapisz("Dane/Ruchoplany.Lpk", std::string(1000, '\n') + "/p/a1.rup\r\r\n\n" + std::string(1000, '\r') + "/p/a2.rup");
    Zapisz("Dane/Katalogi.Lst", "x__________________ kat. pomiarow\r\n\r\n" + std::string(500, '\n') +
                                    "__________________ kat. pomiarow\r\n" +
                                    Utf8NaCp1250("__________________ kat. projektów\r\n") +
                                    Utf8NaCp1250("__________________ kat. projektów\r\n/dom/p\r\n"));
    Uruchom();
    EXPECT_FALSE(Form1->Pliki1->actions().contains(Form1->OstatnieProjekty[2]));
    EXPECT_EQ(Form1->OstatnieProjekty[0]->toolTip().toStdString(), "/p/a2.rup");
    EXPECT_EQ(Form1->OstatnieProjekty[1]->toolTip().toStdString(), "/p/a1.rup");
    // The marker after the measurements' one is that folder's value.
    EXPECT_EQ(KatalogProjektow, "/dom/p");
}

TEST_F(ListyTest, ZnacznikNaKoncuPlikuDajePustyKatalog)
{
    Zapisz("Dane/Katalogi.Lst", Utf8NaCp1250("__________________ kat. projektów\r\n"));
    Uruchom();
    EXPECT_TRUE(KatalogProjektow.empty());
}

TEST_F(ListyTest, OtwartyProjektTrafiaNaListe)
{
    Uruchom();
    ZbudujProjekt(1, 1);
    const std::string plik = Sciezka("nowy.rup");
    dialogi.SciezkiZapisz.push_back(plik);
    Form1->TB_ZapiszClick();
    EXPECT_EQ(KatalogProjektow, ZQString(katalog.path()));
    Zakoncz();
    EXPECT_EQ(Odczytaj("Dane/Ruchoplany.Lpk"), plik + "\r\n");
    EXPECT_NE(Odczytaj("Dane/Katalogi.Lst").find(ZQString(katalog.path()) + "\r\n"), std::string::npos);
}

} // namespace
