// Printing one page per variant into a PDF file and exporting every variant
// into one DXF file, read back by a real DXF reader.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "base/Watki.h"
#include "platform/qt/Drukarka.h"
#include "shell/Aplikacja.h"

#include "base/Watki.h"
#include "drawing/Dxf.h"
#include "model/PlikProjektu.h"
#include "junction/Komunikaty.h"
#include "pomoc.h"
#include "shell/Aplikacja.h"
#include "shell/RysunekWatkami.h"
#include "wspolne/pelny_dysk.h"

namespace {

struct Wpis {
    std::string typ, warstwa;
    int kolor = 0;
    double a = 0, b = 0, c = 0, d = 0;
    std::string tekst;
};

std::vector<Wpis> CzytajDxf(const std::string& plik)
{
    QProcess p;
    p.start("/usr/bin/python3", {QString(KG_TEST_DATA) + "/../shell/czytaj_dxf.py", NaQString(plik)});
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    std::vector<Wpis> wynik;
    std::istringstream linie(p.readAllStandardOutput().toStdString());
    std::string linia;
    while (std::getline(linie, linia)) {
        std::istringstream s(linia);
        Wpis w;
        s >> w.typ >> w.warstwa >> w.kolor;
        if (w.typ == "LINE")
            s >> w.a >> w.b >> w.c >> w.d;
        else if (w.typ == "TEXT") {
            s >> w.a >> w.b;
            std::getline(s, w.tekst);
            w.tekst = w.tekst.substr(1);
        } else if (w.typ == "ARC")
            s >> w.a >> w.b >> w.c;
        wynik.push_back(w);
    }
    return wynik;
}

class WydrukTest : public ProgramTest {};

TEST_F(WydrukTest, JednaStronaNaWariant)
{
    Uruchom();
    ZbudujProjekt(3, 3);
    Form1->BB_NextClick();
    const std::string pdf = ZQString(katalog.path()) + "/wydruk.pdf";
    Form1->UstawWydrukDoPdf(pdf);
    Form1->TB_DrukujClick();
    EXPECT_EQ(StronyPdf(pdf), 3);
    EXPECT_EQ(Komunikaty().back(), "Wysłano do wydrukowania 3 strony do pliku " + pdf + ".");
    EXPECT_EQ(BiezacyWariant, 1);
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieDrukarka);
    // Every variant was computed on the way.
    for (const DaneRuchoplan& r : Ruchoplany)
        EXPECT_EQ(r.Obliczony, 1);
}

TEST_F(WydrukTest, LiczbaStronWKomunikacie)
{
    EXPECT_EQ(TekstStronWydruku(1), "1 stronę");
    EXPECT_EQ(TekstStronWydruku(0), "0 strony");
    EXPECT_EQ(TekstStronWydruku(4), "4 strony");
    EXPECT_EQ(TekstStronWydruku(5), "5 stron");
    EXPECT_EQ(TekstStronWydruku(12), "12 stron");
}

TEST_F(WydrukTest, BladDrukarkiPrzywracaStanIJestZgloszony)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    Form1->UstawWydrukDoPdf(ZQString(katalog.path()) + "/brak/katalogu/wydruk.pdf");
    Form1->TB_DrukujClick();
    EXPECT_EQ(BiezacyWariant, 0);
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieDrukarka);
    ASSERT_FALSE(Komunikaty().empty());
    EXPECT_EQ(Komunikaty().back().find("Wysłano"), std::string::npos);
}

TEST_F(WydrukTest, KomunikatyObliczenPoCalymWydruku)
{
    Uruchom();
    ZbudujProjekt(1, 2);
    Form1->UstawWydrukDoPdf(ZQString(katalog.path()) + "/w.pdf");
    ZbierzKomunikat("Uwaga");
    Form1->TB_DrukujClick();
    EXPECT_EQ(Komunikaty(), (std::vector<std::string>{
                                "Uwaga", "Wysłano do wydrukowania 2 strony do pliku " + ZQString(katalog.path()) + "/w.pdf."}));
}

TEST_F(WydrukTest, DxfWszystkichWariantowJedenPodDrugim)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    wg.Siatka = 1;
    const std::string projekt = Sciezka("siec.rup");
    ASSERT_TRUE(ZapiszProjekt(projekt));
    Form1->BB_NextClick();
    const std::string dxf = Sciezka("siec.dxf");
    dialogi.SciezkiZapisz.push_back(dxf);
    Form1->TB_DoDxfaClick();
    // The dialog proposed the project's name with ".dxf".
    ASSERT_FALSE(dialogi.Wpisy.empty());
    EXPECT_EQ(BiezacyWariant, 1);
    EXPECT_FALSE(WyjscieDxf);
    EXPECT_TRUE(WyjscieEkran);

    const std::vector<Wpis> dxfWpisy = CzytajDxf(dxf);
    ASSERT_FALSE(dxfWpisy.empty());
    const double przesuniecie = wg.ArkuszH + wg.OdstepArkuszyH;
    // The sheet frame (colour 1) of each variant: variant 1 one sheet and one gap lower.
    double minY[2] = {1e9, 1e9}, maxY[2] = {-1e9, -1e9};
    std::vector<double> wymiary;  // y of the sheet size text of each variant
    for (const Wpis& w : dxfWpisy) {
        EXPECT_NE(w.warstwa, "none");  // never the grid
        if (w.typ == "LINE" && w.warstwa == "Rupl_Arkusz" && w.kolor == 1) {
            const int v = std::min(w.b, w.d) < -wg.OdstepArkuszyH / 2 ? 1 : 0;
            minY[v] = std::min({minY[v], w.b, w.d});
            maxY[v] = std::max({maxY[v], w.b, w.d});
        }
        if (w.typ == "TEXT" && w.tekst.rfind("Wymiary arkusza", 0) == 0)
            wymiary.push_back(w.b);
        if (w.typ == "TEXT" && w.tekst.rfind("Plik  : ", 0) == 0) {
            EXPECT_EQ(w.tekst, "Plik  : " + projekt);
        }
    }
    EXPECT_NEAR(minY[0], 0.0, 1e-6);
    EXPECT_NEAR(maxY[0], wg.ArkuszH, 1e-6);
    EXPECT_NEAR(minY[1], -przesuniecie, 1e-6);
    EXPECT_NEAR(maxY[1], wg.ArkuszH - przesuniecie, 1e-6);
    ASSERT_EQ(wymiary.size(), 2u);
    EXPECT_NEAR(wymiary[0] - wymiary[1], przesuniecie, 1e-6);
    EXPECT_NEAR(wymiary[0], -1.5, 0.2);
    // The diagrams of both variants are there.
    int linieDiagramow = 0;
    for (const Wpis& w : dxfWpisy)
        linieDiagramow += w.warstwa == "Rupl_linie";
    EXPECT_GT(linieDiagramow, 0);
}

// The stamp names the project in the file's Windows-1250 as the caption
// shows it: a UTF-8 name and an older system's Windows-1250 one alike.
TEST_F(WydrukTest, DxfStempelNazwyPolskiej)
{
    Uruchom();
    ZbudujProjekt(1, 1);
    const std::pair<std::string, std::string> nazwy[] = {{"Sieć Długa.rup", "Sieć Długa.rup"},
                                                         {"Stary \xB3\xF3\x64\x9F.rup", "Stary łódź.rup"}};
    for (const auto& [nazwa, pokazana] : nazwy) {
        ASSERT_TRUE(ZapiszProjekt(Sciezka(nazwa)));
        const std::string dxf = Sciezka("stempel.dxf");
        std::filesystem::remove(dxf);
        dialogi.SciezkiZapisz.push_back(dxf);
        Form1->TB_DoDxfaClick();
        int stempli = 0;
        for (const Wpis& w : CzytajDxf(dxf))
            if (w.typ == "TEXT" && w.tekst.rfind("Plik  : ", 0) == 0) {
                EXPECT_EQ(w.tekst, "Plik  : " + SciezkaZQString(katalog.path()).native() + "/" + pokazana);
                ++stempli;
            }
        EXPECT_EQ(stempli, 1) << pokazana;
        // Qt cannot remove a name that is not UTF-8.
        std::filesystem::remove(Sciezka(nazwa));
    }
}

TEST_F(WydrukTest, DxfNaIstniejacyPlikTylkoPoTak)
{
    Uruchom();
    ZbudujProjekt(1, 1);
    const std::string dxf = Sciezka("jest.dxf");
    QFile f(NaQString(dxf));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("stary");
    f.close();
    dialogi.SciezkiZapisz.push_back(dxf);
    odpowiedzi = {TPytanieTakNieKasuj::mrNie};
    Form1->TB_DoDxfaClick();
    EXPECT_EQ(CzytajPlik(dxf), "stary");
    EXPECT_EQ(pytania, (std::vector<std::string>{"Plik Istnieje. Nadpisać?"}));
    EXPECT_FALSE(zKasuj[0]);
    // Cancelled dialog: no file.
    Form1->TB_DoDxfaClick();
    EXPECT_FALSE(PlikIstnieje(Sciezka("nowy.dxf")));
}

TEST_F(WydrukTest, DxfDoNiezapisywalnegoPlikuZgloszonyStanPrzywrocony)
{
    Uruchom();
    ZbudujProjekt(1, 2);
    dialogi.SciezkiZapisz.push_back(Sciezka("brak/katalogu/x.dxf"));
    Form1->TB_DoDxfaClick();
    EXPECT_EQ(BiezacyWariant, 0);
    EXPECT_FALSE(WyjscieDxf);
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(DxfOtwarty());
    ASSERT_FALSE(Komunikaty().empty());
}

TEST_F(WydrukTest, DxfWymagaWezlaIWariantu)
{
    Uruchom();
    Form1->TB_DoDxfaClick();
    EXPECT_EQ(Komunikaty(), (std::vector<std::string>{"Projekt musi zawierać min. 1 węzeł i 1 wariant!"}));
}

} // namespace

namespace {

class ZapisPrzerwany : public ProgramTest {
protected:
    int PlikiWKatalogu() const { return static_cast<int>(QDir(katalog.path()).entryList(QDir::Files).size()); }
    // A file of the folder holding "stary"; its path.
    std::string StaryPlik(const std::string& nazwa)
    {
        QFile f(NaQString(Sciezka(nazwa)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("stary");
        return Sciezka(nazwa);
    }
};

// A DXF export and a PDF print that fail half way leave the old file whole,
// say which file and why, and leave nothing beside it.
TEST_F(ZapisPrzerwany, StaryPlikZostajeABladJestZgloszony)
{
    Uruchom();
    ZbudujProjekt(9, 3);
    for (const char* nazwa : {"stary.dxf", "stary.pdf"})
        StaryPlik(nazwa);
    const int plikow = PlikiWKatalogu();

    dialogi.SciezkiZapisz.push_back(Sciezka("stary.dxf"));
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    {
        const PelnyDysk dysk(20000);
        Form1->TB_DoDxfaClick();
    }
    EXPECT_EQ(CzytajPlik(Sciezka("stary.dxf")), "stary");
    ASSERT_FALSE(Komunikaty().empty());
    EXPECT_EQ(Komunikaty().back(), "Nie można zapisać pliku " + Sciezka("stary.dxf") + " (plik zbyt duży).");
    EXPECT_EQ(PlikiWKatalogu(), plikow);

    Form1->UstawWydrukDoPdf(Sciezka("stary.pdf"));
    {
        const PelnyDysk dysk(20000);
        Form1->TB_DrukujClick();
    }
    EXPECT_EQ(CzytajPlik(Sciezka("stary.pdf")), "stary");
    EXPECT_EQ(Komunikaty().back().rfind("Nie można zapisać pliku " + Sciezka("stary.pdf") + " (", 0), 0u)
        << Komunikaty().back();
    EXPECT_EQ(PlikiWKatalogu(), plikow);

    // With room enough both replace the old files.
    dialogi.SciezkiZapisz.push_back(Sciezka("stary.dxf"));
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    Form1->TB_DoDxfaClick();
    EXPECT_EQ(CzytajPlik(Sciezka("stary.dxf")).substr(0, 10), "0\r\nSECTION");
    Form1->TB_DrukujClick();
    EXPECT_EQ(CzytajPlik(Sciezka("stary.pdf")).substr(0, 5), "%PDF-") << Komunikaty().back();
    EXPECT_EQ(PlikiWKatalogu(), plikow);
}

// A disk that fills while the threads still draw the later variants: the
// old file stays, the message names it and the cause, no thread is left
// drawing and the next export succeeds; the same with one thread.
TEST_F(ZapisPrzerwany, DxfWatkamiPrzerwanyWPolowie)
{
    Uruchom();
    ZbudujProjekt(60, 4);
    const std::string plik = StaryPlik("stary.dxf");
    const int plikow = PlikiWKatalogu();
    for (int watkow : {8, 2, 1}) {
        UstawWatkiRysowania(watkow);
        dialogi.SciezkiZapisz.push_back(plik);
        odpowiedzi = {TPytanieTakNieKasuj::mrTak};
        const std::size_t komunikatow = Komunikaty().size();
        {
            const PelnyDysk dysk(400000);
            Form1->TB_DoDxfaClick();
        }
        EXPECT_EQ(CzytajPlik(plik), "stary") << watkow;
        EXPECT_EQ(Komunikaty().size(), komunikatow + 1) << watkow;
        EXPECT_EQ(Komunikaty().back(), "Nie można zapisać pliku " + plik + " (plik zbyt duży).") << watkow;
        EXPECT_EQ(PlikiWKatalogu(), plikow) << watkow;
        EXPECT_FALSE(WyjscieDxf);
        EXPECT_TRUE(WyjscieEkran);
        EXPECT_FALSE(DxfOtwarty());
        EXPECT_EQ(OdbiorcaDxfBiezacy(), nullptr);
    }
    dialogi.SciezkiZapisz.push_back(plik);
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    Form1->TB_DoDxfaClick();
    const std::string dxf = CzytajPlik(plik);
    EXPECT_GT(dxf.size(), 400000u);
    EXPECT_EQ(dxf.substr(dxf.size() - 19), "0\r\nENDSEC\r\n0\r\nEOF\r\n");
    UstawWatkiRysowania(0);
}

} // namespace

namespace {

// Wherever a full disk stops the PDF (at its start, between pages, at its
// end), the message names the file and the cause.
TEST_F(ZapisPrzerwany, PdfNaPelnymDyskuNazywaPlikIPrzyczyne)
{
    Uruchom();
    ZbudujProjekt(9, 3);
    Form1->UstawWydrukDoPdf(Sciezka("a.pdf"));
    for (rlim_t bajtow : {rlim_t{0}, rlim_t{1}, rlim_t{300}, rlim_t{2000}, rlim_t{8000}, rlim_t{40000}}) {
        const std::size_t przed = Komunikaty().size();
        {
            const PelnyDysk dysk(bajtow);
            Form1->TB_DrukujClick();
        }
        ASSERT_EQ(Komunikaty().size(), przed + 1) << bajtow;
        EXPECT_EQ(Komunikaty().back().rfind("Nie można zapisać pliku " + Sciezka("a.pdf") + " (", 0), 0u)
            << bajtow << ": " << Komunikaty().back();
        EXPECT_FALSE(QFile::exists(NaQString(Sciezka("a.pdf"))));
    }
}

} // namespace

namespace {

// A print into a PDF file asks for the file in the program's own dialog,
// every time, and names it in its report.
class WydrukDoPliku : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        // Qt's own dialog proposes a file in the home folder: the test's.
        domowy_ = qgetenv("HOME");
        qputenv("HOME", katalog.path().toUtf8());
        Uruchom();
        ZbudujProjekt(2, 2);
        wg.ArkuszB = 19.0f;
        wg.ArkuszH = 27.0f;
        ASSERT_TRUE(ZapiszProjekt(projekt));
        dialogi.Wpisy.clear();
    }

    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
        qputenv("HOME", domowy_);
    }

    static void Wywolaj(const char* polecenie) { UzyjPolecenia(polecenie); }

    // "Ustawienia drukarki", confirmed as the dialog shows.
    static void UstawieniaDrukarki()
    {
        QTimer::singleShot(0, [] {
            if (auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                okno->accept();
        });
        Wywolaj("Ustawieniadrukarki1");
    }

    // The document's /Title as the PDF writes it, of an ASCII name.
    static std::string TytulPdf(const std::string& ascii)
    {
        std::string hex = "/Title <FEFF";
        for (unsigned char c : ascii)
            hex += QString::asprintf("00%02X", c).toStdString();
        return hex + ">";
    }

    // The folder the last save dialog started in.
    std::string KatalogZapisu() const
    {
        for (auto w = dialogi.Wpisy.rbegin(); w != dialogi.Wpisy.rend(); ++w)
            if (w->rodzaj == DialogiTestowe::Rodzaj::ZapiszPlik)
                return w->katalog;
        return {};
    }

    const std::string projekt = Sciezka("siec.rup");
    QByteArray domowy_;
};

// After the set-up the print went into Qt's proposed file without a word,
// over it each time, with the project's full path as its title.
TEST_F(WydrukDoPliku, PoUstawieniachDrukarkiPytaOPlikINazywaGo)
{
    if (Drukarka::DrukarkaZainstalowana())
        GTEST_SKIP() << "this machine has a printer";
    UstawieniaDrukarki();
    ASSERT_TRUE(Form1->DrukarkaProgramu().DoPliku());
    const QString plikQt = Form1->DrukarkaProgramu().Urzadzenie().outputFileName();
    // The user's paper: A3 upright, where the sheet alone would take A4.
    Form1->DrukarkaProgramu().Urzadzenie().setPageLayout(
        QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));

    const std::string pdf = Sciezka("plan.pdf");
    dialogi.SciezkiZapisz.push_back(Sciezka("plan"));
    Wywolaj("TB_Drukuj");
    // The project's name with ".pdf", in its folder.
    ASSERT_EQ(dialogi.ProponowaneNazwy, std::vector<std::string>{"siec.pdf"});
    EXPECT_EQ(dialogi.Wpisy.at(0).katalog, SciezkaZQString(katalog.path()));
    EXPECT_EQ(dialogi.Wpisy.at(0).filtr, "Plik PDF|*.pdf|Wszystkie pliki|*.*");
    EXPECT_EQ(Komunikaty().back(), "Wysłano do wydrukowania 2 strony do pliku " + pdf + ".");
    EXPECT_TRUE(pytania.empty());
    EXPECT_FALSE(QFileInfo(plikQt).isFile()) << plikQt.toStdString();
    const std::string wydruk = CzytajPlik(pdf);
    EXPECT_EQ(StronyPdf(pdf), 2);
    EXPECT_NE(wydruk.find("/MediaBox [0 0 842 1191]"), std::string::npos) << "the chosen A3";
    EXPECT_NE(wydruk.find(TytulPdf("siec.rup") + " "), std::string::npos) << "the name without folders";
    EXPECT_EQ(wydruk.find(TytulPdf(projekt)), std::string::npos);

    // Again: the dialog proposes that file, and it stays unless the user
    // says to overwrite it.
    dialogi.SciezkiZapisz.push_back(pdf);
    odpowiedzi = {TPytanieTakNieKasuj::mrNie};
    const std::size_t komunikatow = Komunikaty().size();
    Wywolaj("TB_Drukuj");
    EXPECT_EQ(dialogi.ProponowaneNazwy.back(), "plan.pdf");
    EXPECT_EQ(dialogi.Wpisy.back().katalog, SciezkaZQString(katalog.path()));
    ASSERT_EQ(pytania, std::vector<std::string>{"Plik " + pdf + " już istnieje! Nadpisać?"});
    EXPECT_FALSE(zKasuj[0]);
    EXPECT_EQ(CzytajPlik(pdf), wydruk);
    EXPECT_EQ(Komunikaty().size(), komunikatow);

    // A cancelled dialog prints nothing and asks nothing.
    Wywolaj("TB_Drukuj");
    EXPECT_EQ(pytania.size(), 1u);
    EXPECT_EQ(Komunikaty().size(), komunikatow);

    // "Tak" writes it, still on the chosen paper.
    Warianty[0].Tytul1 = "Zmieniony";
    dialogi.SciezkiZapisz.push_back(pdf);
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    Wywolaj("TB_Drukuj");
    EXPECT_EQ(Komunikaty().back(), "Wysłano do wydrukowania 2 strony do pliku " + pdf + ".");
    EXPECT_NE(CzytajPlik(pdf), wydruk);
    EXPECT_NE(CzytajPlik(pdf).find("/MediaBox [0 0 842 1191]"), std::string::npos);
    EXPECT_FALSE(QFileInfo(plikQt).isFile());
    EXPECT_EQ(QDir(katalog.path()).entryList({"*.pdf*"}, QDir::Files), QStringList{"plan.pdf"});
}

// Each project proposes the PDF it was last printed into, else its own name
// beside it; a cancelled dialog leaves every other dialog in the project's
// folder. The DXF dialog opens at the folder joined with the name proposed.
TEST_F(WydrukDoPliku, KazdyProjektProponujeSwojPlik)
{
    if (Drukarka::DrukarkaZainstalowana())
        GTEST_SKIP() << "this machine has a printer";
    const std::string wydruki = Sciezka("wydruki"), folderB = Sciezka("B");
    ASSERT_TRUE(QDir().mkpath(SciezkaNaQString(wydruki)) && QDir().mkpath(SciezkaNaQString(folderB)));
    const std::string rondo = folderB + "/Rondo.rup";
    ASSERT_TRUE(QFile::copy(SciezkaNaQString(projekt), SciezkaNaQString(rondo)));
    auto otworz = [this](const std::string& plik) {
        dialogi.SciezkiOtworz.push_back(plik);
        Wywolaj("BOtworz");
        ASSERT_EQ(Form1->Sciezka(), plik);
    };
    // Where the last save dialog started: its folder joined with the name proposed.
    auto propozycja = [this] {
        return PolaczSciezke(KatalogZapisu(), dialogi.ProponowaneNazwy.back()).native();
    };

    dialogi.SciezkiZapisz.push_back(wydruki + "/a.pdf");
    Wywolaj("TB_Drukuj");
    EXPECT_EQ(propozycja(), Sciezka("siec.pdf"));
    otworz(rondo);
    Wywolaj("TB_Drukuj");
    EXPECT_EQ(propozycja(), folderB + "/Rondo.pdf") << "not the other project's PDF";
    dialogi.SciezkiZapisz.push_back(folderB + "/plan B.pdf");
    Wywolaj("TB_Drukuj");
    Wywolaj("TB_DoDxfa");
    EXPECT_EQ(propozycja(), folderB + "/Rondo.dxf");

    // Back to the first: its own PDF, in a folder of its own; cancelled, it
    // moves the DXF dialog nowhere.
    otworz(projekt);
    Wywolaj("TB_Drukuj");
    EXPECT_EQ(propozycja(), wydruki + "/a.pdf");
    Wywolaj("TB_DoDxfa");
    EXPECT_EQ(KatalogZapisu(), SciezkaZQString(katalog.path()).native());
    EXPECT_EQ(propozycja(), Sciezka("siec.dxf"));
    otworz(rondo);
    Wywolaj("TB_Drukuj");
    EXPECT_EQ(propozycja(), folderB + "/plan B.pdf");
    EXPECT_TRUE(QFileInfo::exists(SciezkaNaQString(wydruki + "/a.pdf")));
    EXPECT_TRUE(pytania.empty());
}

// A project whose name is Windows-1250, no UTF-8: the PDF and DXF dialogs
// propose its name as the caption shows it, and the PDF accepted there has
// that name in UTF-8, which the message shows. They once proposed
// replacement marks for its letters.
TEST_F(WydrukDoPliku, NazwaSpozaUtf8ProponowanaJakWTytule)
{
    if (Drukarka::DrukarkaZainstalowana())
        GTEST_SKIP() << "this machine has a printer";
    namespace fs = std::filesystem;
    const std::string stary = Sciezka("stary_\xB3\xF3\x64\xBC.rup");
    const struct Usun {
        std::string plik;
        ~Usun() { std::error_code ec; fs::remove(plik, ec); }
    } usun{stary};
    ASSERT_TRUE(ZapiszProjekt(stary));
    Wywolaj("BNowy");
    Form1->OstatnieProjekty[0]->trigger();
    ASSERT_EQ(Form1->Sciezka().native(), stary);

    // Each dialog cancelled shows its proposal, then accepted as proposed.
    auto jakZaproponowano = [this](const char* polecenie) {
        Wywolaj(polecenie);
        const std::string plik = KatalogZapisu() + "/" + dialogi.ProponowaneNazwy.back();
        dialogi.SciezkiZapisz.push_back(plik);
        Wywolaj(polecenie);
        return plik;
    };
    const std::string pdf = jakZaproponowano("TB_Drukuj");
    EXPECT_EQ(pdf, Sciezka("stary_łódĽ.pdf"));
    EXPECT_EQ(StronyPdf(pdf), 2);
    EXPECT_EQ(Komunikaty().back(), "Wysłano do wydrukowania 2 strony do pliku " + pdf + ".");
    EXPECT_EQ(jakZaproponowano("TB_DoDxfa"), Sciezka("stary_łódĽ.dxf"));
    EXPECT_EQ(QDir(katalog.path()).entryList({"*.pdf", "*.dxf"}, QDir::Files).join(' ').toStdString(),
              "stary_łódĽ.dxf stary_łódĽ.pdf");
}

// Any failure while the pages are drawn drops the document: the old file
// stays byte for byte, nothing is left beside it, and the message says the
// print was not finished. It once ended the document and wrote the pages
// drawn so far over the old file.
TEST_F(ZapisPrzerwany, BladRysowaniaZostawiaStaryPlik)
{
    Uruchom();
    UstawWatkiRysowania(4);
    ZbudujProjekt(6, 3);
    const std::string plik = StaryPlik("stary.pdf");
    const int plikow = PlikiWKatalogu();
    Form1->UstawWydrukDoPdf(plik);
    int nieudanych = 0;
    for (int ktora = 1; ktora < 100; ++ktora) {
        SCOPED_TRACE("praca " + std::to_string(ktora));
        dialogi.Wpisy.clear();
        UstawAwariePracy(ktora, std::make_exception_ptr(std::runtime_error("błąd testowy")));
        ObsluzBezWyjatku([] {
            Form1->TB_DrukujClick();
            return true;
        });
        UstawAwariePracy(0);
        if (CzytajPlik(plik) != "stary")
            break;
        ++nieudanych;
        EXPECT_EQ(Komunikaty(),
                  std::vector<std::string>{"Wydruk do pliku " + plik + " nie został zakończony (błąd testowy)."});
        EXPECT_EQ(PlikiWKatalogu(), plikow);
    }
    // The diagrams computed, then the three pages drawn.
    EXPECT_GE(nieudanych, 4);
    EXPECT_EQ(StronyPdf(plik), 3);
    UstawWatkiRysowania(0);
    Form1->UstawWydrukDoPdf({});
}

} // namespace
