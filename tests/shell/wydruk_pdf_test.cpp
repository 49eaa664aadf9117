// The print into a PDF file by the program's own pages: the same pages as
// Qt's PDF printer made of the same sheet (both rendered and compared), one
// A4 page per variant that pdfinfo reads, the same file whatever the number
// of threads, and a target that cannot be written named in the message.

#include <QApplication>
#include <QDialog>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTimer>
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
        EXPECT_EQ(Komunikaty().back(), "Wysłano do wydrukowania 3 strony do pliku " + pdf + ".");
        return pdf;
    }

    // The A3 sheet across of the settings window, a text ending at its
    // right edge on every variant.
    static void UstawArkuszA3Poziomo()
    {
        wg.ArkuszAuto = wg.ArkuszA4 = wg.ArkuszA2 = 0;
        wg.ArkuszA3 = 1;
        wg.ArkuszB = 41.0f;
        wg.ArkuszH = 28.5f;
        Opisy.push_back({});
        Opisy.back().Tekst = "BRZEG";
        Opisy.back().X = 36.0f;
        Opisy.back().Y = 14.0f;
        Opisy.back().Wariant = -1;
    }

    // Whether the columns [od, do_) of the page hold a pixel darker than `jasnosc`.
    static bool CosNarysowane(const QImage& strona, int od, int do_, int jasnosc)
    {
        for (int y = 0; y < strona.height(); ++y)
            for (int x = std::max(od, 0); x < std::min(do_, strona.width()); ++x)
                if (qGray(strona.pixel(x, y)) < jasnosc)
                    return true;
        return false;
    }

    // A copy of the file among the build's artefacts, for people to look at.
    static std::string KopiaArtefaktu(const std::string& plik, const std::string& nazwa)
    {
        const QString katalog = QStringLiteral(KG_BUILD_DIR "/artefakty");
        QDir().mkpath(katalog);
        const QString kopia = katalog + "/" + SciezkaNaQString(nazwa);
        QFile::remove(kopia);
        EXPECT_TRUE(QFile::copy(SciezkaNaQString(plik), kopia));
        return SciezkaZQString(kopia);
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

// An A3 sheet across prints on an A3 page across, the sheet in its middle:
// a text at its right edge is on the page, and the page is no wider than
// the sheet and its margins.
TEST_F(WydrukPdf, ArkuszA3PoziomoNaStronieA3Poziomo)
{
    UstawArkuszA3Poziomo();
    const std::string pdf = Wydrukuj("a3.pdf");
    EXPECT_TRUE(pytania.empty());
    for (const std::string& plik : {pdf, KopiaArtefaktu(pdf, "arkusz_A3_poziomo.pdf")}) {
        const std::string info = Pdfinfo(plik);
        EXPECT_NE(info.find("Page size:       1191 x 842 pts (A3)\n"), std::string::npos) << info;
        EXPECT_NE(info.find("Page rot:        0\n"), std::string::npos) << info;
    }
    const QTemporaryDir obrazy;
    const std::vector<QImage> strony = StronyObrazami(pdf, obrazy.path());
    ASSERT_EQ(strony.size(), 3u);
    // 100 pixels per inch; the sheet 0.5 cm from the left edge.
    const auto piksel = [](double cm) { return static_cast<int>(cm * 100.0 / 2.54); };
    const QImage& s = strony[0];
    EXPECT_NEAR(s.width(), piksel(42.0), 2);
    EXPECT_NEAR(s.height(), piksel(29.7), 2);
    EXPECT_TRUE(CosNarysowane(s, piksel(0.5 + 37.0), piksel(0.5 + 41.0), 200)) << "the text near the sheet's right edge";
    // The grid's light lines reach the sheet's edge and no further.
    EXPECT_TRUE(CosNarysowane(s, piksel(0.5 + 40.9), piksel(0.5 + 41.1), 250)) << "the grid's last line";
    EXPECT_FALSE(CosNarysowane(s, piksel(0.5 + 41.2), s.width(), 250)) << "nothing right of the sheet";
}

// A page the user chose in the printer's set-up stays. The dialog starts
// from the sheet's page; a chosen page the sheet does not fit prints it cut
// only when the user says so.
TEST_F(WydrukPdf, WybranaStronaZaMalaTylkoZaZgoda)
{
    UstawArkuszA3Poziomo();
    QTimer::singleShot(0, [] {
        if (QWidget* okno = QApplication::activeModalWidget())
            qobject_cast<QDialog*>(okno)->accept();
    });
    Form1->Ustawieniadrukarki1Click();
    const std::string pdf = Wydrukuj("z_okna.pdf");
    EXPECT_TRUE(pytania.empty());
    EXPECT_NE(Pdfinfo(pdf).find("1191 x 842 pts (A3)"), std::string::npos);

    // The user's A4 upright with margins of a centimetre.
    Form1->DrukarkaProgramu().Urzadzenie().setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    const std::string a4 = Sciezka("a4.pdf");
    Form1->UstawWydrukDoPdf(a4);
    odpowiedzi = {TPytanieTakNieKasuj::mrNie};
    Form1->TB_DrukujClick();
    ASSERT_EQ(pytania.size(), 1u);
    EXPECT_EQ(pytania[0], "Arkusz 41.0 x 28.5 cm nie mieści się na stronie wydruku 19.0 x 27.7 cm i zostanie "
                          "obcięty. Drukować mimo to?");
    EXPECT_FALSE(zKasuj[0]);
    EXPECT_FALSE(QFile::exists(SciezkaNaQString(a4)));
    const std::size_t komunikatow = Komunikaty().size();

    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    Form1->TB_DrukujClick();
    EXPECT_EQ(pytania.size(), 2u);
    ASSERT_EQ(Komunikaty().size(), komunikatow + 1);
    EXPECT_EQ(Komunikaty().back(), "Wysłano do wydrukowania 3 strony do pliku " + a4 + ".");
    EXPECT_NE(Pdfinfo(a4).find("Page size:       595 x 842 pts (A4)\n"), std::string::npos);
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
