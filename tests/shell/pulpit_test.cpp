// The program on an ordinary desktop: printing with no printer installed,
// the folders the file dialogs open in, and no variant lost without a word.

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QFileInfo>
#include <QPrinterInfo>

#include "drawing/Wyjscie.h"
#include "model/PlikProjektu.h"
#include "model/Pomiar.h"
#include "platform/qt/Drukarka.h"
#include "pomoc.h"
#include "base/Wersja.h"
#include "shell/InfoOProgramie.h"
#include "shell/TWrnt.h"

namespace {

class PulpitTest : public ProgramTest {
protected:
    // The folders the file dialogs were opened in, in order.
    std::vector<std::string> KatalogiDialogow() const
    {
        std::vector<std::string> wynik;
        for (const DialogiTestowe::Wpis& w : dialogi.Wpisy)
            if (w.rodzaj == DialogiTestowe::Rodzaj::OtworzPlik || w.rodzaj == DialogiTestowe::Rodzaj::ZapiszPlik)
                wynik.push_back(w.katalog);
        return wynik;
    }
};

} // namespace

// With no printer the print command writes the pages into a PDF file the
// user names, whole, and says how many went; a cancelled file dialog prints
// nothing and says nothing.
TEST_F(PulpitTest, WydrukBezDrukarkiDoPlikuPdf)
{
    if (Drukarka::DrukarkaZainstalowana())
        GTEST_SKIP() << "this machine has a printer";
    Uruchom();
    ZbudujProjekt(2, 3);
    const std::string projekt = Sciezka("siec.rup");
    ASSERT_TRUE(ZapiszProjekt(projekt));
    Form1->UstawTytul(projekt);
    KatalogProjektow = ZQString(katalog.path());

    Form1->TB_DrukujClick();  // the file dialog cancelled
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_FALSE(QFileInfo::exists(NaQString(Sciezka("siec.pdf"))));

    const std::string pdf = Sciezka("wydruk.pdf");
    dialogi.SciezkiZapisz.push_back(Sciezka("wydruk"));  // the extension comes by itself
    Form1->TB_DrukujClick();
    EXPECT_EQ(StronyPdf(pdf), 3);
    EXPECT_NE(CzytajPlik(pdf).rfind("%%EOF"), std::string::npos);
    EXPECT_EQ(Komunikaty(), (std::vector<std::string>{"Wysłano do wydrukowania 3 strony do pliku " + pdf + "."}));
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieDrukarka);
    // The dialog offered a PDF named after the project, in the projects' folder.
    const DialogiTestowe::Wpis& dialog = dialogi.Wpisy.at(1);
    EXPECT_EQ(dialog.filtr, "Plik PDF|*.pdf|Wszystkie pliki|*.*");
    EXPECT_EQ(dialog.katalog, ZQString(katalog.path()));
    // Nothing stays in the folder beside it.
    EXPECT_EQ(QDir(katalog.path()).entryList({"*.pdf*"}, QDir::Files), QStringList{"wydruk.pdf"});

    // An existing file is overwritten only when the user says so.
    odpowiedzi = {TPytanieTakNieKasuj::mrNie};
    dialogi.SciezkiZapisz.push_back(pdf);
    const std::string przed = CzytajPlik(pdf);
    ZbudujProjekt(1, 1);
    Form1->TB_DrukujClick();
    EXPECT_EQ(pytania.back(), "Plik " + pdf + " już istnieje! Nadpisać?");
    EXPECT_EQ(CzytajPlik(pdf), przed);
}

// The projects' dialogs open in the projects' folder or where they were last
// used, never in the folder the count editor's dialog showed; the open
// dialog starts in the examples.
TEST_F(PulpitTest, KazdyDialogWeWlasnymKatalogu)
{
    Uruchom();
    ZbudujProjekt(1, 1);
    const std::string pomiary = KatalogPomiarow;
    // The count editor's "Nowy pomiar" asks in the counts' folder.
    Dialogi().ZapiszPlik("Nowy pomiar", "Pliki pomiarów|*.pom", KatalogPomiarow, "", "pom");

    Form1->M_ZapiszjakoClick();  // cancelled
    Form1->TB_DoDxfaClick();     // cancelled
    std::vector<std::string> k = KatalogiDialogow();
    ASSERT_EQ(k.size(), 3u);
    EXPECT_EQ(k[1], ZQString(QDir::homePath()));
    EXPECT_EQ(k[2], ZQString(QDir::homePath()));

    // Saved into a folder of the user's: that folder is the projects' one,
    // for the save and the DXF dialogs alike.
    QDir().mkpath(katalog.path() + "/projekty");
    const std::string projekt = Sciezka("projekty/a.rup");
    dialogi.SciezkiZapisz.push_back(projekt);
    Form1->M_ZapiszjakoClick();
    Form1->TB_DoDxfaClick();
    Form1->M_ZapiszjakoClick();
    k = KatalogiDialogow();
    ASSERT_EQ(k.size(), 6u);
    const std::string projekty = ZQString(katalog.path()) + "/projekty";
    EXPECT_EQ(k[4], projekty);
    EXPECT_EQ(k[5], projekty);
    for (std::size_t i = 1; i < k.size(); ++i)
        EXPECT_NE(k[i], pomiary);
}

// Whatever a variant's diagrams hold besides their geometry, deleting the
// variant asks first; a variant of bare diagrams goes without a question.
TEST_F(PulpitTest, UsuniecieWariantuZDanymiZPomiaruPyta)
{
    Uruchom();
    // A project of two bare variants with one count and one forecast.
    const auto zbuduj = [](int wezlow) {
        ZbudujProjekt(wezlow, 2);
        for (DaneRuchoplan& r : Ruchoplany)
            r.Natezenia.fill(0);
        DanePomiar p;
        UstawDomyslnyPomiar(p);
        p.NazwaPliku = "skrz.pom";
        DodajPomiar(p);
        DanePrognoza f;
        UstawDomyslnaPrognoze(f);
        DodajPrognoze(f);
    };

    const std::vector<std::pair<const char*, std::function<void(DaneRuchoplan&)>>> przypadki = {
        {"z pomiaru", [](DaneRuchoplan& r) { r.ZPomiaru = 1, r.NrPomiaru = 0; }},
        {"powiązanie z pomiarem", [](DaneRuchoplan& r) { r.NrPomiaru = 0; }},
        {"ze struktury", [](DaneRuchoplan& r) { r.ZeStruktury = 1, r.NatezeniaStruktura[2][0] = 40; }},
        {"prognoza", [](DaneRuchoplan& r) { r.NrPrognozy = 0; }},
        {"tytuł", [](DaneRuchoplan& r) { r.Tytul[1] = "Rondo"; }},
        {"przejścia", [](DaneRuchoplan& r) { r.Przejscia[3].P[0] = 12; }},
    };
    for (const auto& [opis, wpisz] : przypadki) {
        zbuduj(2);
        wpisz(Ruchoplany[1]);
        ASSERT_EQ(Ruchoplany[1].NrWariantu, 0);
        pytania.clear();
        odpowiedzi = {TPytanieTakNieKasuj::mrNie};
        EXPECT_FALSE(Wrnt->UsunWariant(0)) << opis;
        EXPECT_EQ(pytania, (std::vector<std::string>{
                               "Usunięcie wariantu sieci spowoduje skasowanie ruchoplanów lub rond! Kontynuować?"}))
            << opis;
        EXPECT_EQ(LiczbaWariantow(), 2) << opis;
    }

    // A roundabout fed from its count asks as well.
    zbuduj(1);
    ASSERT_EQ(DodajWezel(20, 20, "R", 'R'), "");
    Ronda[1].ZPomiaru = 1;
    Ronda[1].NrPomiaru = 0;
    pytania.clear();
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    EXPECT_TRUE(Wrnt->UsunWariant(1));
    EXPECT_EQ(pytania.size(), 1u);
    EXPECT_EQ(LiczbaWariantow(), 1);

    // Bare diagrams: no question.
    pytania.clear();
    ASSERT_EQ(DodajWariant("W", "", "", "", 0, 0, 'L'), "");
    EXPECT_TRUE(Wrnt->UsunWariant(1));
    EXPECT_TRUE(pytania.empty());
}

// The about window points to no address the project does not have: it has
// no mail or web button, and no text of it names an address. A manual that
// nothing opens is named in a message.
TEST_F(PulpitTest, OdnosnikiIInstrukcja)
{
    Uruchom();
    EXPECT_EQ(InfoOProgramie->findChildren<QPushButton*>().size(), 1);
    for (const QLabel* l : InfoOProgramie->findChildren<QLabel*>()) {
        EXPECT_FALSE(l->text().contains('@')) << l->text().toStdString();
        EXPECT_FALSE(l->text().contains("http")) << l->text().toStdString();
    }
    EXPECT_EQ(InfoOProgramie->L_Kompilacja->text().toStdString(), "Data kompilacji: " + DataKompilacji());
    EXPECT_TRUE(InfoOProgramie->L_Licencja->text().startsWith("Licencja: "));

    dialogi.DokumentySieOtwieraja = false;
    Form1->Instrukcjapdf1Click();
    const std::string instrukcja = Sciezka("Instrukcja/Instrukcja.pdf");
    EXPECT_EQ(Komunikaty(),
              (std::vector<std::string>{
                  "Nie można otworzyć pliku " + instrukcja + " (brak pliku lub programu do jego wyświetlenia)."}));
}
