// File commands: open, browse, save, save as, reopen, and the questions that
// guard unsaved changes.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

#include "model/PlikProjektu.h"
#include "pomoc.h"

namespace {

constexpr int Tak = TPytanieTakNieKasuj::mrTak;
constexpr int Nie = TPytanieTakNieKasuj::mrNie;
constexpr int Kasuj = TPytanieTakNieKasuj::mrKasuj;

class PlikiTest : public ProgramTest {
protected:
    // A saved project of three variants with junction diagrams.
    std::string ZapisanyProjekt(const std::string& nazwa)
    {
        ZbudujProjekt(4, 3);
        const std::string plik = Sciezka(nazwa);
        EXPECT_TRUE(ZapiszProjekt(plik));
        return plik;
    }
};

TEST_F(PlikiTest, OtworzPrzegladajZapiszZapiszJakoIOtworzPonownie)
{
    Uruchom();
    const std::string plik = ZapisanyProjekt("projekt.rup");
    NowyProjekt();
    ProjektZmieniony = false;

    dialogi.SciezkiOtworz.push_back(plik);
    Form1->BOtworzClick();
    EXPECT_EQ(Form1->Sciezka(), plik);
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_EQ(LiczbaWariantow(), 3);
    EXPECT_EQ(LiczbaRuchoplanow(), 12);
    EXPECT_EQ(BiezacyWariant, 0);
    EXPECT_EQ(Form1->CB_Wariant->count(), 3);
    EXPECT_EQ(KatalogProjektow, ZQString(katalog.path()));
    EXPECT_EQ(Form1->OstatnieProjekty[0]->toolTip(), NaQString(plik));
    for (const DaneRuchoplan& r : Ruchoplany)
        EXPECT_EQ(r.Obliczony, r.NrWariantu == 0 ? 1 : 0);

    Form1->BB_NextClick();
    Form1->BB_NextClick();
    EXPECT_EQ(BiezacyWariant, 2);

    // Save writes to the caption's path at once, without any dialog.
    Ruchoplany[5].Natezenia[1] = 777;
    ProjektZmieniony = true;
    Form1->TB_ZapiszClick();
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_TRUE(dialogi.Wpisy.size() == 1);  // the open dialog only

    // Save as to a new file.
    const std::string kopia = Sciezka("kopia.rup");
    dialogi.SciezkiZapisz.push_back(kopia);
    Form1->M_ZapiszjakoClick();
    EXPECT_EQ(Form1->Sciezka(), kopia);
    EXPECT_EQ(CzytajPlik(kopia), CzytajPlik(plik));
    EXPECT_TRUE(pytania.empty());

    // Reopened, the change is there.
    dialogi.SciezkiOtworz.push_back(plik);
    Form1->BOtworzClick();
    EXPECT_EQ(Ruchoplany[5].Natezenia[1], 777);
    EXPECT_EQ(Form1->OstatnieProjekty[0]->toolTip(), NaQString(plik));
    EXPECT_EQ(Form1->OstatnieProjekty[1]->toolTip(), NaQString(kopia));
}

TEST_F(PlikiTest, ZapisWymagaWezlaIWariantu)
{
    Uruchom();
    ZbudujProjekt(2, 0);
    dialogi.SciezkiZapisz.push_back(Sciezka("x.rup"));
    Form1->TB_ZapiszClick();
    Form1->M_ZapiszjakoClick();
    EXPECT_EQ(Komunikaty(), (std::vector<std::string>(2, "Projekt musi zawierać min. 1 węzeł i 1 wariant!")));
    EXPECT_FALSE(PlikIstnieje(Sciezka("x.rup")));
}

TEST_F(PlikiTest, ZapiszJakoNaIstniejacyPlikPytaONadpisanie)
{
    Uruchom();
    const std::string plik = ZapisanyProjekt("projekt.rup");
    const std::string przed = CzytajPlik(plik);
    NowyProjekt();
    ZbudujProjekt(1, 1);
    dialogi.SciezkiZapisz.push_back(plik);
    odpowiedzi = {Nie};
    Form1->M_ZapiszjakoClick();
    EXPECT_EQ(pytania, (std::vector<std::string>{"Plik Istnieje. Nadpisać?"}));
    EXPECT_FALSE(zKasuj[0]);
    EXPECT_EQ(CzytajPlik(plik), przed);
    EXPECT_EQ(Form1->Sciezka(), "...");

    dialogi.SciezkiZapisz.push_back(plik);
    odpowiedzi = {Tak};
    Form1->M_ZapiszjakoClick();
    EXPECT_NE(CzytajPlik(plik), przed);
    EXPECT_EQ(Form1->Sciezka(), plik);
}

TEST_F(PlikiTest, NowyNaZmienionymProjekcieTakZapisujeINowy)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    const std::string plik = Sciezka("zmieniony.rup");
    odpowiedzi = {Tak};
    dialogi.SciezkiZapisz.push_back(plik);
    Form1->BNowyClick();
    EXPECT_EQ(pytania, (std::vector<std::string>{"Dane niezapisane. ZAPISAĆ?"}));
    EXPECT_TRUE(zKasuj[0]);
    EXPECT_TRUE(PlikIstnieje(plik));
    EXPECT_EQ(LiczbaWezlow(), 0);
    EXPECT_EQ(Form1->Sciezka(), "...");
}

TEST_F(PlikiTest, TakAlePrzerwanyZapisNiczegoNieTraci)
{
    Uruchom();
    // Cancelled save dialog: the new, open and exit commands are cancelled.
    ZbudujProjekt(2, 2);
    odpowiedzi = {Tak, Tak, Tak};
    Form1->BNowyClick();
    EXPECT_EQ(LiczbaWezlow(), 2);
    Form1->BOtworzClick();
    EXPECT_EQ(LiczbaWezlow(), 2);
    EXPECT_FALSE(Form1->FormCloseQuery());
    EXPECT_TRUE(ProjektZmieniony);

    // Refused overwrite ("Nie" and "Kasuj") likewise.
    const std::string plik = Sciezka("jest.rup");
    QFile f(NaQString(plik));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("cudzy plik");
    f.close();
    for (int odmowa : {Nie, Kasuj}) {
        odpowiedzi = {Tak, odmowa};
        dialogi.SciezkiZapisz.push_back(plik);
        Form1->BNowyClick();
        EXPECT_EQ(LiczbaWezlow(), 2);
        EXPECT_EQ(CzytajPlik(plik), "cudzy plik");
    }
}

TEST_F(PlikiTest, NieOdrzucaZmianyKasujPrzerywa)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    odpowiedzi = {Kasuj};
    Form1->BNowyClick();
    EXPECT_EQ(LiczbaWezlow(), 2);
    odpowiedzi = {Kasuj};
    EXPECT_FALSE(Form1->FormCloseQuery());
    odpowiedzi = {Nie};
    Form1->BNowyClick();
    EXPECT_EQ(LiczbaWezlow(), 0);
    ProjektZmieniony = false;
    EXPECT_TRUE(Form1->FormCloseQuery());
    EXPECT_EQ(pytania.size(), 3u);
}

// A file that is no project (a PDF, a damaged project) is refused and the
// project the user had stays: its records, its file name, its changed flag
// and its place on the recent list. It once left an empty sheet.
TEST_F(PlikiTest, OdrzuconyPlikZostawiaBiezacyProjekt)
{
    Uruchom();
    const std::string plik = ZapisanyProjekt("moj.rup");
    Form1->DodajOstatniProjekt(Sciezka("inny.rup"));
    Form1->DodajOstatniProjekt(plik);
    Ruchoplany[2].Natezenia[3] = 4321;
    ProjektZmieniony = true;
    const std::string tresc = TrescProjektu();

    const std::string pdf = Sciezka("rysunek.pdf");
    const std::string uszkodzony = Sciezka("uszkodzony.rup");
    {
        QFile f(NaQString(pdf));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\n");
        QFile g(NaQString(uszkodzony));
        ASSERT_TRUE(g.open(QIODevice::WriteOnly));
        g.write(QByteArray::fromStdString(CzytajPlik(plik)).replace("\r\n3\r\n", "\r\ntrzy\r\n"));
    }
    auto zostal = [&](const char* jak) {
        SCOPED_TRACE(jak);
        EXPECT_EQ(TrescProjektu(), tresc);
        EXPECT_EQ(Form1->Sciezka(), plik);
        EXPECT_TRUE(ProjektZmieniony);
        EXPECT_EQ(LiczbaWezlow(), 4);
        EXPECT_EQ(BiezacyWariant, 0);
        EXPECT_EQ(Form1->CB_Wariant->count(), 3);
        EXPECT_EQ(Form1->OstatnieProjekty[0]->toolTip(), NaQString(plik));
        EXPECT_EQ(Form1->OstatnieProjekty[1]->toolTip(), NaQString(Sciezka("inny.rup")));
        ASSERT_FALSE(Komunikaty().empty());
    };

    odpowiedzi = {Nie};
    dialogi.SciezkiOtworz.push_back(pdf);
    Form1->BOtworzClick();
    zostal("otwórz: PDF");
    EXPECT_NE(Komunikaty().back().find("rysunek.pdf"), std::string::npos) << Komunikaty().back();

    odpowiedzi = {Nie};
    dialogi.SciezkiOtworz.push_back(uszkodzony);
    Form1->BOtworzClick();
    zostal("otwórz: uszkodzony");

    odpowiedzi = {Nie};
    Form1->OtworzOstatniProjekt(uszkodzony);
    zostal("ostatni projekt: uszkodzony");

    // Saved first on "Tak", then refused: the saved project stays, unchanged.
    odpowiedzi = {Tak};
    dialogi.SciezkiOtworz.push_back(pdf);
    Form1->BOtworzClick();
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_EQ(LiczbaWezlow(), 4);
    EXPECT_EQ(Form1->Sciezka(), plik);
    EXPECT_EQ(Ruchoplany[2].Natezenia[3], 4321);
}

TEST_F(PlikiTest, OtworzOstatniProjekt)
{
    Uruchom();
    const std::string plik = ZapisanyProjekt("ostatni.rup");
    NowyProjekt();
    ProjektZmieniony = false;
    Form1->DodajOstatniProjekt(plik);
    Form1->OstatniProjektClick(0);
    EXPECT_EQ(Form1->Sciezka(), plik);
    EXPECT_EQ(LiczbaWariantow(), 3);

    // The current project changed: asked whether to go back to the saved one.
    Ruchoplany[0].Natezenia[1] = 1;
    ProjektZmieniony = true;
    odpowiedzi = {Nie};
    Form1->OtworzOstatniProjekt(plik);
    EXPECT_EQ(pytania.back(), "Czy przywrócić POPRZEDNIĄ WERSJĘ projektu?");
    EXPECT_EQ(Ruchoplany[0].Natezenia[1], 1);
    odpowiedzi = {Tak};
    Form1->OtworzOstatniProjekt(plik);
    EXPECT_NE(Ruchoplany[0].Natezenia[1], 1);
    EXPECT_FALSE(ProjektZmieniony);

    // A path whose file has gone.
    Form1->OtworzOstatniProjekt(Sciezka("brak.rup"));
    EXPECT_EQ(Komunikaty().back(), " Plik nie istnieje! ");
}

} // namespace

namespace {

TEST_F(PlikiTest, KoniecZeZmianamiPytaIKasujZostawiaProgram)
{
    Uruchom();
    ZbudujProjekt(1, 1);
    odpowiedzi = {Kasuj};
    Form1->Koniec1Click();
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(pytania, (std::vector<std::string>{"Dane niezapisane. ZAPISAĆ?"}));

    // "Tak" for a project without a file: saved through the dialog, then closed.
    const std::string plik = Sciezka("przed_koncem.rup");
    odpowiedzi = {Tak};
    dialogi.SciezkiZapisz.push_back(plik);
    Form1->Koniec1Click();
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(PlikIstnieje(plik));
}

TEST_F(PlikiTest, ZapisZPlikiemNiczegoNiePyta)
{
    Uruchom();
    const std::string plik = ZapisanyProjekt("z_plikiem.rup");
    Ruchoplany[0].Natezenia[2] = 5;
    ProjektZmieniony = true;
    Form1->TB_ZapiszClick();
    EXPECT_TRUE(pytania.empty());
    EXPECT_TRUE(dialogi.Wpisy.empty());
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_EQ(Form1->Sciezka(), plik);
}

} // namespace

namespace {

// A project kept without an extension opens as chosen: the dialog once added
// ".rup" and opened another file (here one that holds nothing of the kind).
TEST_F(PlikiTest, PlikBezRozszerzeniaOtwieranyJakWybrany)
{
    Uruchom();
    const std::string plik = ZapisanyProjekt("projekt.rup");
    ASSERT_TRUE(QFile::rename(NaQString(plik), NaQString(Sciezka("projekt"))));
    QFile inny(NaQString(Sciezka("projekt.rup")));
    ASSERT_TRUE(inny.open(QIODevice::WriteOnly));
    inny.write("nie projekt\r\n");
    inny.close();
    NowyProjekt();
    ProjektZmieniony = false;

    dialogi.SciezkiOtworz.push_back(Sciezka("projekt"));
    Form1->BOtworzClick();
    EXPECT_EQ(Form1->Sciezka(), Sciezka("projekt"));
    EXPECT_EQ(LiczbaWariantow(), 3);
    EXPECT_TRUE(Komunikaty().empty());
}

} // namespace

namespace {

// Names of the test folder's entries that match `wzorzec`, hidden ones too.
QStringList Pliki(const QTemporaryDir& katalog, const QString& wzorzec)
{
    return QDir(katalog.path()).entryList({wzorzec}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

void ZapiszJakoZMenu()
{
    QAction* polecenie = Form1->findChild<QAction*>("M_Zapiszjako");
    ASSERT_NE(polecenie, nullptr);
    polecenie->trigger();
}

// A name with a line break came back from the recent list as two entries,
// one of them relative. "Zapisz jako" refuses it with a message and writes
// nothing; a project opened from a file of such a name (made elsewhere)
// stays off the list.
TEST_F(PlikiTest, NazwaZeZnakiemKoncaWierszaOdrzucona)
{
    Uruchom();
    const std::string zwykly = ZapisanyProjekt("zwykly.rup");
    ProjektZmieniony = true;
    for (const std::string nazwa : {"nowy\nb.rup", "nowy\rb.rup"}) {
        const std::string plik = Sciezka(nazwa);
        dialogi.SciezkiZapisz.push_back(plik);
        ZapiszJakoZMenu();
        EXPECT_EQ(Komunikaty().back(), "Nie można zapisać pliku " + plik + " (nazwa zawiera znak końca wiersza).");
        EXPECT_EQ(Pliki(katalog, "nowy*"), QStringList{});
        EXPECT_EQ(Pliki(katalog, ".~*"), QStringList{});
        EXPECT_EQ(Form1->Sciezka(), zwykly);
        EXPECT_TRUE(ProjektZmieniony);
        EXPECT_EQ(Form1->OstatnieProjekty[0]->toolTip(), NaQString(zwykly));
        EXPECT_TRUE(Form1->OstatnieProjekty[1]->toolTip().isEmpty());
    }
    EXPECT_TRUE(pytania.empty());

    ProjektZmieniony = false;
    const std::string zLinia = Sciezka("inny\nc.rup");
    ASSERT_TRUE(QFile::copy(NaQString(zwykly), NaQString(zLinia)));
    dialogi.SciezkiOtworz.push_back(zLinia);
    Form1->BOtworzClick();
    EXPECT_EQ(Form1->Sciezka(), zLinia);
    EXPECT_EQ(Form1->OstatnieProjekty[0]->toolTip(), NaQString(zwykly));
    EXPECT_TRUE(Form1->OstatnieProjekty[1]->toolTip().isEmpty());
}

// "Zapisz jako" onto a pipe once asked nothing and put a regular file in its
// place: refused with a message naming it, the pipe stays.
TEST_F(PlikiTest, ZapiszJakoNaPotokOdrzucone)
{
    Uruchom();
    ZbudujProjekt(2, 1);
    const std::string potok = Sciezka("potok.rup");
    ASSERT_EQ(::mkfifo(potok.c_str(), 0666), 0);
    dialogi.SciezkiZapisz.push_back(potok);
    ZapiszJakoZMenu();
    EXPECT_EQ(Komunikaty().back(), "Nie można zapisać pliku " + potok + " (to nie jest zwykły plik).");
    struct stat st {};
    ASSERT_EQ(::lstat(potok.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(Form1->Sciezka(), "...");
    EXPECT_EQ(Pliki(katalog, ".~*"), QStringList{});
}

} // namespace
