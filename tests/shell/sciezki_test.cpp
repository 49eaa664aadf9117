// Paths whose letters Windows-1250 lacks: a program folder, a projects folder
// and file names in Cyrillic, a "\" inside a file's name. They go from the
// dialog to the system and back into the caption and the lists unchanged;
// they once went through Windows-1250 and came out as "?" (no fonts, " Plik
// nie istnieje! ", a folder named "????").
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "model/PlikProjektu.h"
#include "platform/qt/Drukarka.h"
#include "pomoc.h"
#include "shell/TWstawBlok.h"

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
    // A program folder of the given name in the test's folder, with the
    // fonts and the shipped block library.
    std::string FolderProgramu(const char* nazwaUtf8)
    {
        const QString folder = katalog.path() + "/" + QString::fromUtf8(nazwaUtf8);
        QDir().mkpath(folder + "/Dane/Bloki");
        for (const char* plik : {"Roman100.Lzs", "grecki100.Lzs", "Bloki/Kartogram.blk"})
            QFile::copy(QString(KG_BUILD_DIR) + "/Dane/" + plik, folder + "/Dane/" + plik);
        return SciezkaZQString(folder);
    }
    // The blocks the block window lists when the user opens it.
    int BlokowWOknie()
    {
        int blokow = -1;
        QTimer::singleShot(0, WstawBlok, [&] {
            blokow = WstawBlok->LB_NazwaBlokuCzytaj->count();
            WstawBlok->B_Powrot->click();
        });
        Form1->TB_WstawBlok->trigger();
        return blokow;
    }
    // The folder the last file dialog started in, without a closing "/".
    std::string KatalogOstatniegoDialogu() const
    {
        std::string k = dialogi.Wpisy.back().katalog;
        if (k.size() > 1 && k.back() == '/')
            k.pop_back();
        return k;
    }
};

// The seven blocks of the shipped library, whatever letters the program's
// folder has (they once went through Windows-1250: an empty list).
TEST_F(SciezkiTest, OknoBlokowZBibliotekaProgramuWFolderzeZLiterami)
{
    for (const char* folder : {"Użytkownik/Kartogram", "Программа2"}) {
        UstawKatalogProgramu(FolderProgramu(folder));
        Uruchom();
        ZbudujProjekt(2, 1);
        Form1->UstawPolecenia();
        EXPECT_EQ(BlokowWOknie(), 7) << folder;
        EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
        NowyProjekt();
        ProjektZmieniony = false;
        Zakoncz();
    }
}

// An old file whose name is Windows-1250, no UTF-8: it opens by its own
// bytes from the recent list and by name, is saved back into itself, and the
// list keeps its bytes; the caption and the menu show its letters.
TEST_F(SciezkiTest, PlikONazwieSpozaUtf8OtwieraSiePoBajtach)
{
    namespace fs = std::filesystem;
    const std::string plik = Sciezka("stary_\xB3\xF3\x64\xBC.rup");
    const QString pokazany = SciezkaNaQString(Sciezka("")) + QString::fromUtf8("stary_łódĽ.rup");
    // Qt cannot name the file to remove it with the test's folder.
    const struct Usun {
        std::string plik;
        ~Usun() { std::error_code ec; fs::remove(plik, ec); }
    } usun{plik};
    Uruchom();
    ZbudujProjekt(2, 1);
    ASSERT_TRUE(ZapiszProjekt(plik));
    NowyProjekt();
    ProjektZmieniony = false;

    Form1->OtworzOstatniProjekt(plik);
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
    EXPECT_EQ(LiczbaWezlow(), 2);
    EXPECT_EQ(Form1->Sciezka().native(), plik);
    EXPECT_EQ(Form1->windowTitle(), pokazany);
    EXPECT_EQ(Form1->OstatnieProjekty[0]->text(), QString::fromUtf8("1. stary_łódĽ.rup"));
    EXPECT_EQ(Form1->OstatnieProjekty[0]->toolTip(), pokazany);

    // Saved into the same file, no other beside it.
    ZmienionoProjekt();
    Form1->TB_Zapisz->trigger();
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
    EXPECT_FALSE(ProjektZmieniony);
    int rupow = 0;
    for (const fs::directory_entry& w : fs::directory_iterator(Sciezka("")))
        rupow += w.path().extension() == ".rup";
    EXPECT_EQ(rupow, 1);

    Zakoncz();
    EXPECT_EQ(CzytajPlik(program + "/Dane/Ruchoplany.Lpk"), ZnacznikUtf8 + plik + "\r\n");
    Uruchom();
    EXPECT_EQ(Form1->OstatnieProjekty[0]->toolTip(), pokazany);
    Form1->OstatnieProjekty[0]->trigger();
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
    EXPECT_EQ(LiczbaWezlow(), 2);
    EXPECT_EQ(Form1->Sciezka().native(), plik);
}

// Save as, the PDF print, DXF and Open start in the project's own folder,
// however it was opened; only without a project file in the folder last
// chosen, and at first in the examples.
TEST_F(SciezkiTest, DialogiZaczynajaWFolderzeProjektu)
{
    const std::string folder = Sciezka("Проекты");
    ASSERT_TRUE(QDir().mkpath(SciezkaNaQString(folder)));
    const std::string plik = folder + "/węzeł.rup";
    Uruchom();
    ZbudujProjekt(2, 1);
    ASSERT_TRUE(ZapiszProjekt(plik));
    NowyProjekt();
    ProjektZmieniony = false;
    ASSERT_TRUE(KatalogProjektow.empty());

    Form1->BOtworz->trigger();
    EXPECT_EQ(KatalogOstatniegoDialogu(), KatalogPrzyklady().native());

    // From the recent list (the command line takes the same way).
    Form1->OstatnieProjekty[0]->trigger();
    ASSERT_EQ(LiczbaWezlow(), 2);
    Form1->M_Zapiszjako->trigger();
    EXPECT_EQ(KatalogOstatniegoDialogu(), folder) << "Zapisz jako";
    Form1->TB_DoDxfa->trigger();
    EXPECT_EQ(KatalogOstatniegoDialogu(), folder) << "DXF";
    if (!Drukarka::DrukarkaZainstalowana()) {
        Form1->TB_Drukuj->trigger();
        EXPECT_EQ(dialogi.Wpisy.back().rodzaj, DialogiTestowe::Rodzaj::ZapiszPlik);
        EXPECT_EQ(KatalogOstatniegoDialogu(), folder) << "PDF";
    }
    Form1->BOtworz->trigger();
    EXPECT_EQ(KatalogOstatniegoDialogu(), folder) << "Otwórz";

    // A new project: the folder last chosen in a dialog.
    const std::string inny = Sciezka("Inny");
    ASSERT_TRUE(QDir().mkpath(SciezkaNaQString(inny)));
    dialogi.SciezkiZapisz.push_back(inny + "/kopia.rup");
    Form1->M_Zapiszjako->trigger();
    EXPECT_EQ(KatalogProjektow, inny);
    Form1->OtworzOstatniProjekt(plik);
    Form1->TB_DoDxfa->trigger();
    EXPECT_EQ(KatalogOstatniegoDialogu(), folder);
    Form1->BNowy->trigger();
    Form1->BOtworz->trigger();
    EXPECT_EQ(KatalogOstatniegoDialogu(), inny);
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
}

// A project in a folder whose name is Windows-1250, no UTF-8 (an old
// archive unpacked): "Zapisz jako", DXF, the PDF print and "Otwórz" start in
// that folder by its bytes and propose the project's name as the caption
// shows it; each accepted as proposed writes beside the project. The
// folder's name once went through Qt's text and came back with replacement
// marks: the PDF and DXF dialogs started in the working folder, and "Zapisz
// jako" proposed that name, marks and all, and saved it beside the folder.
TEST_F(SciezkiTest, ProjektWFolderzeSpozaUtf8)
{
    namespace fs = std::filesystem;
    const std::string folder = Sciezka("Kat_\xA3\xF3\x64\x9F");   // "Kat_Łódź"
    const struct Usun {
        std::string folder;
        ~Usun() { std::error_code ec; fs::remove_all(folder, ec); }
    } usun{folder};
    ASSERT_TRUE(fs::create_directory(folder));
    const std::string plik = folder + "/węzeł.rup";
    auto nazwy = [](const std::string& k) {
        std::vector<std::string> wynik;
        for (const fs::directory_entry& w : fs::directory_iterator(k))
            wynik.push_back(w.path().filename().native());
        std::sort(wynik.begin(), wynik.end());
        return wynik;
    };
    Uruchom();
    ZbudujProjekt(2, 1);
    ASSERT_TRUE(ZapiszProjekt(plik));
    NowyProjekt();
    ProjektZmieniony = false;
    const std::vector<std::string> obok = nazwy(Sciezka(""));
    // Opened from the recent list (the command line takes the same way).
    Form1->OstatnieProjekty[0]->trigger();
    ASSERT_EQ(Form1->Sciezka().native(), plik);
    EXPECT_EQ(Form1->windowTitle(), SciezkaNaQString(Sciezka("")) + QString::fromUtf8("Kat_Łódź/węzeł.rup"));

    // Each dialog cancelled shows where it starts and what it proposes, then
    // it is accepted as proposed.
    auto jakZaproponowano = [this, &folder](const char* polecenie) {
        UzyjPolecenia(polecenie);
        EXPECT_EQ(dialogi.Wpisy.back().rodzaj, DialogiTestowe::Rodzaj::ZapiszPlik) << polecenie;
        EXPECT_EQ(KatalogOstatniegoDialogu(), folder) << polecenie;
        const std::string nazwa = dialogi.ProponowaneNazwy.back();
        dialogi.SciezkiZapisz.push_back(KatalogOstatniegoDialogu() + "/" + nazwa);
        UzyjPolecenia(polecenie);
        return nazwa;
    };
    ZmienionoProjekt();
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    EXPECT_EQ(jakZaproponowano("M_Zapiszjako"), "węzeł.rup");
    EXPECT_EQ(pytania, std::vector<std::string>{"Plik Istnieje. Nadpisać?"});
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_EQ(Form1->Sciezka().native(), plik);
    EXPECT_EQ(KatalogProjektow, folder);
    std::vector<std::string> wFolderze{"węzeł.dxf", "węzeł.rup"};
    std::vector<std::string> komunikaty;
    EXPECT_EQ(jakZaproponowano("TB_DoDxfa"), "węzeł.dxf");
    if (!Drukarka::DrukarkaZainstalowana()) {
        EXPECT_EQ(jakZaproponowano("TB_Drukuj"), "węzeł.pdf");
        // The report names the folder as the caption does.
        komunikaty.push_back("Wysłano do wydrukowania 1 stronę do pliku " + Sciezka("Kat_Łódź/węzeł.pdf") + ".");
        wFolderze.insert(wFolderze.begin() + 1, "węzeł.pdf");
    }
    EXPECT_EQ(nazwy(folder), wFolderze);
    EXPECT_EQ(nazwy(Sciezka("")), obok) << "nothing written beside the folder";

    // After "Nowy", "Otwórz" starts in the folder last chosen, that one, and
    // opens the file chosen there.
    UzyjPolecenia("BNowy");
    ASSERT_EQ(LiczbaWezlow(), 0);
    dialogi.SciezkiOtworz.push_back(plik);
    UzyjPolecenia("BOtworz");
    EXPECT_EQ(KatalogOstatniegoDialogu(), folder);
    EXPECT_EQ(Form1->Sciezka().native(), plik);
    EXPECT_EQ(LiczbaWezlow(), 2);
    EXPECT_EQ(pytania.size(), 1u);
    EXPECT_EQ(Komunikaty(), komunikaty);
}

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
    program = SciezkaZQString(katalog.path()).native() + "/Program";
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
