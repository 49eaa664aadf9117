// The print into a PDF file by the program's own pages: the same pages as
// Qt's PDF printer made of the same sheet (both rendered and compared), one
// A4 page per variant that pdfinfo reads, the same file whatever the number
// of threads, and a target that cannot be written named in the message.

#include <QProcess>
#include <malloc.h>

#include "drawing/Wyjscie.h"
#include "platform/qt/Drukarka.h"
#include "shell/RysunekWatkami.h"
#include "pomoc.h"

namespace {

class WydrukPdf : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
        ZbudujArkusz();
    }

    void TearDown() override
    {
        Form1->DrukarkaProgramu().UstawPdfPrzezQt(false);
        UstawWatkiRysowania(0);
        TekstTT = false;
        NowyProjekt();
        ProgramTest::TearDown();
    }

    // Six junctions, two four-arm roundabouts, background and foreground
    // blocks, descriptions and titles with Polish letters, both legends and
    // the grid, in three variants; labels in TrueType.
    static void ZbudujArkusz()
    {
        ZbudujProjekt(6, 3);
        for (int k = 0; k < 2; ++k)
            ASSERT_EQ(DodajWezel(5.0 + 9.0 * k, 21.0, "Rondo " + std::to_string(k + 1), 'R'), "");
        UstawRondaCzteroramienne();
        DefiniujBlokiTloIWierzch();
        Bloki.assign(3, {});
        for (int b = 0; b < 3; ++b) {
            Bloki[b].Nazwa = b % 2 ? "Wierzch" : "Tlo";
            Bloki[b].Nad = b % 2;
            Bloki[b].X = 1.0f + 6.0f * b;
            Bloki[b].Y = 2.0f + 7.0f * b;
            Bloki[b].Wariant = b < 2 ? -1 : 1;
        }
        Opisy.assign(2, {});
        Opisy[0].Tekst = Utf8NaCp1250("Żółć gęślą jaźń ŁÓDŹ");
        Opisy[0].X = 1.0f;
        Opisy[0].Y = 25.0f;
        Opisy[0].Wariant = -1;
        Opisy[1].Tekst = Utf8NaCp1250("Opis wariantu źródłowego");
        Opisy[1].X = 8.0f;
        Opisy[1].Y = 17.0f;
        Opisy[1].Wariant = 2;
        for (std::size_t v = 0; v < Warianty.size(); ++v) {
            Warianty[v].Tytul1 = Utf8NaCp1250("Skrzyżowanie Świętokrzyska " + std::to_string(v + 1));
            Warianty[v].Tytul2 = Utf8NaCp1250("szczyt poranny, ruch pojazdów");
            Warianty[v].TytulDx = 18.0f;
            Warianty[v].TytulDy = -1.0f;
            Warianty[v].TytulWyrownanie = 'P';
        }
        wg.ArkuszB = 19.0f;
        wg.ArkuszH = 27.0f;
        wg.Siatka = 1;
        wg.LegendaPrzejsc = 1;
        wg.LegendaPrzejscX = 12.0f;
        wg.LegendaPrzejscY = 3.0f;
        wg.Struktura = 1;
        wg.LegendaStrukturyX = 2.0f;
        wg.LegendaStrukturyY = 3.0f;
        TekstTT = true;
    }

    std::string Wydrukuj(const std::string& nazwa)
    {
        const std::string pdf = Sciezka(nazwa);
        Form1->UstawWydrukDoPdf(pdf);
        Form1->TB_DrukujClick();
        EXPECT_EQ(Komunikaty().back(), "Wysłano do wydrukowania 3 strony na aktualną drukarkę.");
        return pdf;
    }

    static std::string Pdfinfo(const std::string& pdf)
    {
        QProcess p;
        p.start("pdfinfo", {NaQString(pdf)});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return p.readAllStandardOutput().toStdString();
    }
};

TEST_F(WydrukPdf, StronyJakZDrukarkiQt)
{
    const std::string wlasny = Wydrukuj("wlasny.pdf");
    Form1->DrukarkaProgramu().UstawPdfPrzezQt(true);
    const std::string qt = Wydrukuj("qt.pdf");
    EXPECT_NE(CzytajPlik(qt), CzytajPlik(wlasny)) << "two ways of writing";
    EXPECT_EQ(RozniceStronPdf(wlasny, qt), "");

    for (const std::string& pdf : {wlasny, qt}) {
        const std::string info = Pdfinfo(pdf);
        EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
        EXPECT_NE(info.find("Page size:       595 x 842 pts (A4)\n"), std::string::npos) << info;
    }
}

// Each page is drawn whole by one thread: the file is the same byte for
// byte on one core, two or more than there are pages.
TEST_F(WydrukPdf, TeSameBajtyNaKazdejLiczbieWatkow)
{
    UstawWatkiRysowania(1);
    const std::string jeden = CzytajPlik(Wydrukuj("1.pdf"));
    EXPECT_GT(jeden.size(), 1000u);
    for (int watkow : {2, 8}) {
        UstawWatkiRysowania(watkow);
        EXPECT_TRUE(CzytajPlik(Wydrukuj(std::to_string(watkow) + ".pdf")) == jeden) << watkow << " threads";
    }
}

// The heap in use, in bytes.
int64_t PamiecSterty()
{
    const struct mallinfo2 m = mallinfo2();
    return static_cast<int64_t>(m.uordblks + m.hblkhd);
}

// Printing again and again takes no more memory: the threads are the
// program's, each with the canvas that measures its texts made once
// (before, each print started threads anew, and each left its canvas
// behind: 40 kB a print of this small sheet).
TEST_F(WydrukPdf, PamiecNieRosnieZWydrukami)
{
    UstawWatkiRysowania(8);
    for (int i = 0; i < 10; ++i)
        Wydrukuj("p.pdf");
    const int64_t przed = PamiecSterty();
    for (int i = 0; i < 100; ++i)
        Wydrukuj("p.pdf");
    EXPECT_LT(PamiecSterty() - przed, 1 << 20);
}

// A target in a folder that is a file cannot be written: the message names
// it, nothing is left beside it, and a read-only target stays as it was.
TEST_F(WydrukPdf, NiezapisywalnyCelNazwanyWKomunikacie)
{
    const std::string plik = Sciezka("plik");
    {
        QFile f(NaQString(plik));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    Form1->UstawWydrukDoPdf(plik + "/w.pdf");
    Form1->TB_DrukujClick();
    EXPECT_EQ(Komunikaty().back().rfind("Nie można zapisać pliku " + plik + "/w.pdf (", 0), 0u) << Komunikaty().back();

    const std::string tylkoOdczyt = Sciezka("stary.pdf");
    {
        QFile f(NaQString(tylkoOdczyt));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("stary");
        f.setPermissions(QFileDevice::ReadOwner);
    }
    const int plikow = static_cast<int>(QDir(katalog.path()).entryList(QDir::Files).size());
    Form1->UstawWydrukDoPdf(tylkoOdczyt);
    Form1->TB_DrukujClick();
    EXPECT_NE(Komunikaty().back().find(tylkoOdczyt), std::string::npos) << Komunikaty().back();
    EXPECT_EQ(CzytajPlik(tylkoOdczyt), "stary");
    EXPECT_EQ(static_cast<int>(QDir(katalog.path()).entryList(QDir::Files).size()), plikow);
}

}  // namespace
