// Paths whose letters Windows-1250 lacks: a program folder, a projects folder
// and file names in Cyrillic, a "\" inside a file's name. They go from the
// dialog to the system and back into the caption and the lists unchanged;
// they once went through Windows-1250 and came out as "?" (no fonts, " Plik
// nie istnieje! ", a folder named "????").
#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "pomoc.h"

namespace {

const std::string ZnacznikUtf8 = "\xEF\xBB\xBF";

class SciezkiTest : public ProgramTest {
protected:
    std::string program;   // the program's folder, in Cyrillic

    void SetUp() override
    {
        ProgramTest::SetUp();
        const QString folder = katalog.path() + QString::fromUtf8("/Программа");
        QDir().mkpath(folder + "/Dane");
        for (const char* plik : {"Roman100.Lzs", "grecki100.Lzs"})
            ASSERT_TRUE(QFile::copy(katalog.path() + "/Dane/" + plik, folder + "/Dane/" + plik));
        program = SciezkaZQString(folder);
        UstawKatalogProgramu(program);
    }

    void Zapisz(const std::string& sciezka, const std::string& bajty)
    {
        QFile f(SciezkaNaQString(sciezka));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bajty.data(), static_cast<qint64>(bajty.size()));
    }
    void Zakoncz()
    {
        Form1->Koniec1Click();
        ZniszczOkna();
    }
};

TEST_F(SciezkiTest, ProjektIListyWFolderzePozaCp1250)
{
    Uruchom();
    EXPECT_TRUE(Komunikaty().empty()) << "the fonts under the program's folder: " << Komunikaty().front();

    const std::string folder = Sciezka("Проекты");
    ASSERT_TRUE(QDir().mkpath(SciezkaNaQString(folder)));
    const std::string plik = folder + "/węzeł\\1 ы.rup";
    ZbudujProjekt(2, 1);
    dialogi.SciezkiZapisz.push_back(plik);
    Form1->M_ZapiszjakoClick();
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
    EXPECT_TRUE(QFileInfo(QString::fromUtf8(plik)).isFile());
    EXPECT_EQ(QDir(SciezkaNaQString(folder)).entryList(QDir::Files), QStringList{QString::fromUtf8("węzeł\\1 ы.rup")});
    EXPECT_EQ(Form1->windowTitle(), QString::fromUtf8(plik));
    EXPECT_EQ(KatalogProjektow, folder);

    // Opened through the dialog and as a recent project.
    NowyProjekt();
    ProjektZmieniony = false;
    dialogi.SciezkiOtworz.push_back(plik);
    Form1->BOtworzClick();
    EXPECT_EQ(LiczbaWezlow(), 2);
    EXPECT_EQ(dialogi.Wpisy.back().katalog, folder);
    NowyProjekt();
    Form1->OtworzOstatniProjekt(plik);
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
    EXPECT_EQ(LiczbaWezlow(), 2);
    EXPECT_EQ(Form1->Sciezka(), plik);

    // The lists cannot hold these paths in Windows-1250: they are written
    // whole in UTF-8, marked so, and read back as they were.
    Zakoncz();
    EXPECT_EQ(CzytajPlik(program + "/Dane/Ruchoplany.Lpk"), ZnacznikUtf8 + plik + "\r\n");
    EXPECT_NE(CzytajPlik(program + "/Dane/Katalogi.Lst").find("\r\n" + folder + "\r\n"), std::string::npos);
    Uruchom();
    EXPECT_EQ(Form1->OstatnieProjekty[0]->toolTip(), QString::fromUtf8(plik));
    EXPECT_EQ(Form1->OstatnieProjekty[0]->text(), QString::fromUtf8("1. węzeł\\1 ы.rup"));
    EXPECT_EQ(KatalogProjektow, folder);
    Form1->OstatniProjektClick(0);
    EXPECT_EQ(Form1->Sciezka(), plik);
    EXPECT_EQ(LiczbaWezlow(), 2);
    ProjektZmieniony = false;
}

// Lists whose paths Windows-1250 holds stay Windows-1250 files, byte for
// byte, as earlier versions wrote and read them.
TEST_F(SciezkiTest, ListyZPolskimiLiteramiZostajaWCp1250)
{
    // The counts folder (below the program's) is written in the folder list too.
    program = SciezkaZQString(katalog.path()) + "/Program";
    ASSERT_TRUE(QDir().rename(katalog.path() + QString::fromUtf8("/Программа"), SciezkaNaQString(program)));
    UstawKatalogProgramu(program);
    const std::string ostatnie = "/p/\xA3\xF3\x64\x9F.rup\r\n";   // "/p/Łódź.rup"
    const std::string katalogi = "__________________ kat. projekt\xF3w\r\n/p/Krak\xF3w\r\n";
    Zapisz(program + "/Dane/Ruchoplany.Lpk", ostatnie);
    Zapisz(program + "/Dane/Katalogi.Lst", katalogi);
    Uruchom();
    EXPECT_EQ(Form1->OstatnieProjekty[0]->toolTip(), QString::fromUtf8("/p/Łódź.rup"));
    EXPECT_EQ(KatalogProjektow, "/p/Kraków");
    Zakoncz();
    EXPECT_EQ(CzytajPlik(program + "/Dane/Ruchoplany.Lpk"), ostatnie);
    EXPECT_EQ(CzytajPlik(program + "/Dane/Katalogi.Lst").substr(0, katalogi.size()), katalogi);
}

}  // namespace
