// Two engineers on one project: a save of the main window never silently
// replaces what another save put in the file after it was opened. The
// other engineer's save is a process of its own, forked. The test program
// is linked with fsync wrapped.
#include <QDateTime>
#include <QFileInfo>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/PlikProjektu.h"
#include "platform/ZapisBezpieczny.h"
#include "pomoc.h"
#include "wspolne/awaria_po_pytaniu.h"
#include "wspolne/enter_w_pytaniu.h"

namespace {

constexpr int Tak = TPytanieTakNieKasuj::mrTak;
constexpr int Kasuj = TPytanieTakNieKasuj::mrKasuj;

// The question before another's save is replaced, by its part that names
// neither the file's owner nor its time.
bool OZastapieniu(const std::string& pytanie) { return pytanie.ends_with("Zapisać i zastąpić tamte zmiany?"); }

// The question as the user reads it, owner and time as Qt finds them; asked
// again within one save, it says the file changed once more.
std::string PytanieOZmianie(const std::string& plik, bool ponownie = false)
{
    const QFileInfo f(QString::fromStdString(plik));
    return "Plik " + plik + (ponownie ? " został ponownie zmieniony" : " został zmieniony po otwarciu") +
           " (właściciel pliku: " + f.owner().toStdString() + ", " +
           f.lastModified().toString("dd.MM.yyyy hh:mm").toStdString() + "). Zapisać i zastąpić tamte zmiany?";
}

// Another process saves the project with the first diagram's volume set to
// `natezenie`, or writes anew the bytes that stand; its bytes.
std::string InnyZapisuje(const std::string& plik, std::optional<int> natezenie)
{
    std::string bajty = CzytajPlik(plik);
    if (natezenie) {
        Projekt p;
        std::string blad;
        EXPECT_TRUE(CzytajProjekt(plik, p, blad)) << blad;
        p.Ruchoplany.at(0).Natezenia[1] = *natezenie;
        bajty = TrescProjektu(p);
    }
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        ZapisBezpieczny zapis;
        std::string b;
        ::_exit(zapis.Otworz(plik, b) && zapis.Pisz(bajty, b) && zapis.Zakoncz(b) ? 0 : 1);
    }
    int stan = 0;
    EXPECT_EQ(::waitpid(dziecko, &stan, 0), dziecko);
    EXPECT_TRUE(WIFEXITED(stan) && WEXITSTATUS(stan) == 0);
    return CzytajPlik(plik);
}

// The platform's questions answered from the queue, and a save of another
// process landing while the first is open.
class DialogiZInnymZapisem : public DialogiZAwaria {
public:
    std::string plik;
    int natezenieWTrakcie = 0;  // 0: none
    mode_t trybWTrakcie = 0;     // the mode that save leaves; 0: as it was
    std::string bajtyWTrakcie;

    int PytanieTakNie(const std::string& tekst) override
    {
        if (natezenieWTrakcie != 0) {
            bajtyWTrakcie = InnyZapisuje(plik, natezenieWTrakcie);
            if (trybWTrakcie != 0)
                ::chmod(plik.c_str(), trybWTrakcie);
            natezenieWTrakcie = 0;
        }
        return DialogiZAwaria::PytanieTakNie(tekst);
    }
};

class ZmianyTest : public ProgramTest {
protected:
    DialogiZInnymZapisem inne;
    std::string plik;

    void SetUp() override
    {
        ProgramTest::SetUp();
        UstawDialogi(&inne);
        Uruchom();
        // A saved project, opened as the user opens it, and changed.
        ZbudujProjekt(2, 1);
        plik = Sciezka("wspolny.rup");
        ASSERT_TRUE(ZapiszProjekt(plik));
        NowyProjekt();
        inne.plik = plik;
        inne.SciezkiOtworz.push_back(plik);
        UzyjPolecenia("BOtworz");
        ASSERT_EQ(Form1->Sciezka(), plik);
        Zmien(1111);
    }

    void TearDown() override
    {
        bladPliku = 0;
        ProgramTest::TearDown();
    }

    static void Zmien(int natezenie)
    {
        Ruchoplany.at(0).Natezenia[1] = natezenie;
        ZmienionoProjekt();
    }

    std::vector<std::string> Pytania() const
    {
        std::vector<std::string> w;
        for (const std::string& t : inne.Teksty(DialogiTestowe::Rodzaj::Pytanie))
            w.push_back(Cp1250NaUtf8(t));
        return w;
    }

    bool BezTymczasowych() const
    {
        for (const auto& w : std::filesystem::directory_iterator(katalog.path().toStdString()))
            if (w.path().filename().string().starts_with(".~kartogram-"))
                return false;
        return true;
    }
};

TEST_F(ZmianyTest, ZapiszPytaPrzedZastapieniemCudzegoZapisu)
{
    const std::string obce = InnyZapisuje(plik, 2222);
    const std::string pytanie = PytanieOZmianie(plik);

    // "Nie": the other save's contents stay, the work stays unsaved.
    inne.Odpowiedzi = {OdpowiedzNie};
    UzyjPolecenia("TB_Zapisz");
    EXPECT_EQ(Pytania(), std::vector<std::string>{pytanie});
    EXPECT_EQ(CzytajPlik(plik), obce);
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_EQ(Form1->Sciezka(), plik);
    EXPECT_TRUE(inne.Teksty(DialogiTestowe::Rodzaj::Blad).empty());
    EXPECT_TRUE(BezTymczasowych());

    // "Tak" replaces them.
    inne.Odpowiedzi = {OdpowiedzTak};
    UzyjPolecenia("TB_Zapisz");
    EXPECT_EQ(Pytania(), std::vector<std::string>(2, pytanie));
    EXPECT_EQ(CzytajPlik(plik), TrescProjektu());
    EXPECT_FALSE(ProjektZmieniony);

    // Saves of our own one after another, bytes written anew the same, and
    // a file deleted meanwhile ask nothing.
    Zmien(3333);
    UzyjPolecenia("TB_Zapisz");
    Zmien(4444);
    UzyjPolecenia("TB_Zapisz");
    InnyZapisuje(plik, std::nullopt);
    Zmien(5555);
    UzyjPolecenia("TB_Zapisz");
    ASSERT_EQ(::unlink(plik.c_str()), 0);
    Zmien(6666);
    UzyjPolecenia("TB_Zapisz");
    EXPECT_EQ(Pytania().size(), 2u);
    EXPECT_EQ(CzytajPlik(plik), TrescProjektu());
    EXPECT_FALSE(ProjektZmieniony);
}

TEST_F(ZmianyTest, ZapiszJakoNaSwojPlikIZapisPrzyZamykaniuPytajaTakze)
{
    // "Zapisz jako" onto the open file, the overwrite question answered "Tak".
    std::string obce = InnyZapisuje(plik, 2222);
    inne.SciezkiZapisz.push_back(plik);
    odpowiedzi = {Tak};
    UzyjPolecenia("M_Zapiszjako");
    EXPECT_EQ(Pytania(), std::vector<std::string>{PytanieOZmianie(plik)});
    EXPECT_EQ(CzytajPlik(plik), obce);
    EXPECT_TRUE(ProjektZmieniony);

    // Closing: "Dane niezapisane. ZAPISAĆ?" "Tak", then "Nie" to replacing:
    // the window stays open with its work.
    obce = InnyZapisuje(plik, 3333);
    odpowiedzi = {Tak};
    EXPECT_FALSE(Form1->close());
    EXPECT_EQ(pytania, (std::vector<std::string>{"Plik Istnieje. Nadpisać?", "Dane niezapisane. ZAPISAĆ?"}));
    EXPECT_EQ(Pytania(), std::vector<std::string>(2, PytanieOZmianie(plik)));
    EXPECT_EQ(CzytajPlik(plik), obce);
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_TRUE(Form1->isVisible());
}

TEST_F(ZmianyTest, ZapisInnegoWCzasiePytaniaPytaPonownie)
{
    InnyZapisuje(plik, 2222);
    // While the question is open, another save lands: "Tak" to the first
    // contents does not replace the second without asking.
    inne.natezenieWTrakcie = 3333;
    inne.Odpowiedzi = {OdpowiedzTak, OdpowiedzNie};
    UzyjPolecenia("TB_Zapisz");
    ASSERT_EQ(Pytania().size(), 2u);
    EXPECT_EQ(Pytania()[1], PytanieOZmianie(plik, true));
    EXPECT_EQ(CzytajPlik(plik), inne.bajtyWTrakcie);
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_TRUE(BezTymczasowych());

    // "Tak" to both: the file takes the permissions of the one it replaces,
    // not those of the one before it.
    inne.natezenieWTrakcie = 4444;
    inne.trybWTrakcie = 0604;
    inne.Odpowiedzi = {OdpowiedzTak, OdpowiedzTak};
    UzyjPolecenia("TB_Zapisz");
    EXPECT_FALSE(ProjektZmieniony);
    struct stat st {};
    ASSERT_EQ(::stat(plik.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
}

TEST_F(ZmianyTest, ZapiszJakoNaSwojPlikPodInnaNazwaPyta)
{
    // The project's folder through a link, and "../" from a folder beside it.
    namespace fs = std::filesystem;
    fs::create_directory_symlink(katalog.path().toStdString(), Sciezka("lacze"));
    fs::create_directory(Sciezka("obok"));
    const std::string obce = InnyZapisuje(plik, 2222);
    for (const std::string& inna : {Sciezka("lacze/wspolny.rup"), Sciezka("obok/../wspolny.rup")}) {
        inne.SciezkiZapisz.push_back(inna);
        odpowiedzi = {Tak};
        inne.Odpowiedzi = {OdpowiedzNie};
        UzyjPolecenia("M_Zapiszjako");
        EXPECT_EQ(CzytajPlik(plik), obce) << inna;
        EXPECT_EQ(Form1->Sciezka(), plik);
    }
    EXPECT_EQ(pytania, std::vector<std::string>(2, "Plik Istnieje. Nadpisać?"));
    ASSERT_EQ(Pytania().size(), 2u);
    EXPECT_TRUE(OZastapieniu(Pytania()[0]) && OZastapieniu(Pytania()[1]));
    EXPECT_TRUE(ProjektZmieniony);

    // "Tak" under the link's name replaces it; a save under the first name
    // after it asks nothing.
    inne.SciezkiZapisz.push_back(Sciezka("lacze/wspolny.rup"));
    odpowiedzi = {Tak};
    inne.Odpowiedzi = {OdpowiedzTak};
    UzyjPolecenia("M_Zapiszjako");
    EXPECT_EQ(CzytajPlik(plik), TrescProjektu());
    Zmien(3333);
    inne.SciezkiZapisz.push_back(plik);
    odpowiedzi = {Tak};
    UzyjPolecenia("M_Zapiszjako");
    EXPECT_EQ(CzytajPlik(plik), TrescProjektu());
    EXPECT_EQ(Pytania().size(), 3u);

    // A copy, the same bytes in a file of its own, is another file.
    InnyZapisuje(plik, 4444);
    fs::copy_file(plik, Sciezka("kopia.rup"));
    Zmien(5555);
    inne.SciezkiZapisz.push_back(Sciezka("kopia.rup"));
    odpowiedzi = {Tak};
    UzyjPolecenia("M_Zapiszjako");
    EXPECT_EQ(CzytajPlik(Sciezka("kopia.rup")), TrescProjektu());
    EXPECT_EQ(Pytania().size(), 3u);
    EXPECT_FALSE(ProjektZmieniony);
}

TEST_F(ZmianyTest, NieBezZmianZostawiaProjektNiezapisany)
{
    // B saves; A's save replaces his; B saves again with nothing changed
    // and answers "Nie": his version is in no file now.
    UzyjPolecenia("TB_Zapisz");
    ASSERT_FALSE(ProjektZmieniony);
    const std::string obce = InnyZapisuje(plik, 2222);
    inne.Odpowiedzi = {OdpowiedzNie};
    UzyjPolecenia("TB_Zapisz");
    ASSERT_EQ(Pytania().size(), 1u);
    EXPECT_TRUE(ProjektZmieniony);

    // "Nowy", opening a project and closing ask first; "Kasuj" keeps it.
    odpowiedzi = {Kasuj, Kasuj, Kasuj};
    UzyjPolecenia("BNowy");
    UzyjPolecenia("BOtworz");
    EXPECT_FALSE(Form1->close());
    EXPECT_EQ(pytania, std::vector<std::string>(3, "Dane niezapisane. ZAPISAĆ?"));
    EXPECT_EQ(Ruchoplany.at(0).Natezenia[1], 1111);
    EXPECT_EQ(Form1->Sciezka(), plik);
    EXPECT_EQ(CzytajPlik(plik), obce);
}

TEST_F(ZmianyTest, NieudanyZapisPoTakZostawiaProjektNiezapisany)
{
    // B saves; A's save replaces his; B saves again with nothing changed,
    // answers "Tak", and the save fails after it: A's version stays in the
    // file, B's is in none.
    UzyjPolecenia("TB_Zapisz");
    ASSERT_FALSE(ProjektZmieniony);
    const std::string obce = InnyZapisuje(plik, 2222);
    inne.bladPoPytaniu = EIO;
    inne.Odpowiedzi = {OdpowiedzTak};
    UzyjPolecenia("TB_Zapisz");
    bladPliku = 0;
    ASSERT_EQ(Pytania().size(), 1u);
    EXPECT_EQ(Cp1250NaUtf8(inne.Teksty(DialogiTestowe::Rodzaj::Blad).at(0)),
              "Nie można zapisać pliku " + plik + " (błąd wejścia-wyjścia).");
    EXPECT_EQ(CzytajPlik(plik), obce);
    EXPECT_TRUE(ProjektZmieniony);

    // "Nowy" and "Koniec" ask first; "Kasuj" keeps it.
    odpowiedzi = {Kasuj, Kasuj};
    UzyjPolecenia("BNowy");
    UzyjPolecenia("Koniec1");
    EXPECT_EQ(pytania, std::vector<std::string>(2, "Dane niezapisane. ZAPISAĆ?"));
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(Ruchoplany.at(0).Natezenia[1], 1111);
}

TEST_F(ZmianyTest, EnterWPytaniuNieZastepujeCudzegoZapisu)
{
    const std::string obce = InnyZapisuje(plik, 2222);
    UstawDialogi(nullptr);
    const std::vector<std::string> teksty = ZEnterWPytaniach([] { UzyjPolecenia("TB_Zapisz"); });
    UstawDialogi(&inne);
    ASSERT_EQ(teksty.size(), 1u);
    EXPECT_TRUE(OZastapieniu(teksty[0])) << teksty[0];
    EXPECT_EQ(CzytajPlik(plik), obce);
    EXPECT_TRUE(ProjektZmieniony);
}

} // namespace
