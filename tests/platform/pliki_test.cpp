#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/KatalogProgramu.h"
#include "base/Kodowanie.h"
#include "platform/PlikTekstowy.h"
#include "wspolne/malo_pamieci.h"

namespace fs = std::filesystem;

namespace {

class PlikiTekstowe : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog = fs::temp_directory_path() /
                  ("kg_pliki_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(katalog);
        fs::create_directories(katalog);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(katalog, fs::perms::owner_all, ec);
        fs::remove_all(katalog, ec);
    }
    std::string Sciezka(const std::string& nazwa) const { return (katalog / nazwa).string(); }
    void Zapisz(const std::string& nazwa, const std::string& tresc) const
    {
        std::ofstream(Sciezka(nazwa), std::ios::binary) << tresc;
    }
    std::string Tresc(const std::string& nazwa) const
    {
        std::ifstream f(Sciezka(nazwa), std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    std::size_t LiczbaPlikow() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(katalog), fs::directory_iterator()));
    }
    fs::path katalog;
};

} // namespace

TEST_F(PlikiTekstowe, ReadsCrLfLfAndAFinalLineWithoutEnd)
{
    std::vector<std::string> linie;
    std::string blad;
    Zapisz("a.txt", "jeden\r\ndwa\n\r\ncztery");
    ASSERT_TRUE(CzytajLinie(Sciezka("a.txt"), linie, blad)) << blad;
    EXPECT_EQ(linie, (std::vector<std::string>{"jeden", "dwa", "", "cztery"}));

    Zapisz("b.txt", "x\r\n\r\n");
    ASSERT_TRUE(CzytajLinie(Sciezka("b.txt"), linie, blad));
    EXPECT_EQ(linie, (std::vector<std::string>{"x", ""}));

    Zapisz("c.txt", "");
    ASSERT_TRUE(CzytajLinie(Sciezka("c.txt"), linie, blad));
    EXPECT_TRUE(linie.empty());

    Zapisz("d.txt", std::string("\xB3\xF3\x64\xBC\r\n", 6)); // bytes kept as they are
    ASSERT_TRUE(CzytajLinie(Sciezka("d.txt"), linie, blad));
    EXPECT_EQ(linie.at(0), "\xB3\xF3\x64\xBC");
}

TEST_F(PlikiTekstowe, ReadErrorsAreReportedInPolish)
{
    std::vector<std::string> linie{"stare"};
    std::string blad;
    EXPECT_FALSE(CzytajLinie(Sciezka("brak.txt"), linie, blad));
    EXPECT_TRUE(linie.empty());
    EXPECT_NE(Cp1250NaUtf8(blad).find("Nie można otworzyć pliku"), std::string::npos) << blad;
    EXPECT_FALSE(CzytajLinie(katalog.string(), linie, blad));
    EXPECT_FALSE(blad.empty());
}

// Paths are the file system's own, whatever their letters: a Cyrillic folder
// and a "\" inside a file's name (both once went through Windows-1250 and
// named another file, or none). A message shows the letters Windows-1250
// lacks as "?".
TEST_F(PlikiTekstowe, PathsAreTheSystemsOwn)
{
    fs::create_directories(katalog / "Проекты");
    for (const std::string nazwa : {"Skrzyżowanie.txt", "Проекты/узел.txt", "a\\b.txt"}) {
        SCOPED_TRACE(nazwa);
        Zapisz(nazwa, "ok\r\n");
        std::vector<std::string> linie;
        std::string blad;
        const std::string sciezka = Sciezka(nazwa);
        ASSERT_TRUE(CzytajLinie(sciezka, linie, blad)) << blad;
        EXPECT_EQ(linie, std::vector<std::string>{"ok"});
        EXPECT_TRUE(PlikIstnieje(sciezka));
        ASSERT_TRUE(ZapiszLinieBezpiecznie(sciezka, {"nowe"}, blad)) << blad;
        EXPECT_EQ(Tresc(nazwa), "nowe\r\n");
    }
    EXPECT_FALSE(fs::exists(katalog / "a")) << "a \\ is no folder";
    EXPECT_EQ(LiczbaPlikow(), 3u);

    std::vector<std::string> linie;
    std::string blad;
    EXPECT_FALSE(CzytajLinie(Sciezka("Проекты/brak.txt"), linie, blad));
    EXPECT_EQ(blad, Utf8NaCp1250("Nie można otworzyć pliku ") + katalog.string() +
                        "/???????" "/brak.txt (plik lub folder nie istnieje).");
}

TEST_F(PlikiTekstowe, SafeSaveWritesCrLfAndReplacesTheFile)
{
    std::string blad;
    Zapisz("p.rup", "stara zawartosc\n");
    ASSERT_TRUE(ZapiszLinieBezpiecznie(Sciezka("p.rup"), {"a", "", "\xB3"}, blad)) << blad;
    EXPECT_EQ(Tresc("p.rup"), "a\r\n\r\n\xB3\r\n");
    EXPECT_EQ(LiczbaPlikow(), 1u); // no temporary file left
    ASSERT_TRUE(ZapiszLinieBezpiecznie(Sciezka("nowy.rup"), {}, blad));
    EXPECT_EQ(Tresc("nowy.rup"), "");
    std::vector<std::string> linie;
    ASSERT_TRUE(CzytajLinie(Sciezka("p.rup"), linie, blad));
    EXPECT_EQ(linie, (std::vector<std::string>{"a", "", "\xB3"}));
}

TEST_F(PlikiTekstowe, FailedSaveKeepsTheOldFile)
{
    std::string blad;
    Zapisz("p.rup", "stare\r\n");

    // The folder cannot be written. Root writes anyway, so as root the
    // attempt runs in a child process that has dropped to "nobody".
    fs::permissions(katalog, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    if (::geteuid() != 0) {
        EXPECT_FALSE(ZapiszLinieBezpiecznie(Sciezka("p.rup"), {"nowe"}, blad));
        EXPECT_NE(Cp1250NaUtf8(blad).find("Nie można zapisać pliku"), std::string::npos) << blad;
    } else {
        pid_t dziecko = ::fork();
        ASSERT_GE(dziecko, 0);
        if (dziecko == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(2);
            bool zapisane = ZapiszLinieBezpiecznie(Sciezka("p.rup"), {"nowe"}, blad);
            bool komunikat = Cp1250NaUtf8(blad).find("Nie można zapisać pliku") != std::string::npos;
            ::_exit(!zapisane && komunikat ? 0 : 1);
        }
        int status = 0;
        ::waitpid(dziecko, &status, 0);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    EXPECT_EQ(Tresc("p.rup"), "stare\r\n");
    EXPECT_EQ(LiczbaPlikow(), 1u);
    fs::permissions(katalog, fs::perms::owner_all);

    // Writing stops half-way (the file size limit hits): nothing replaced,
    // nothing left behind.
    auto stary = std::signal(SIGXFSZ, SIG_IGN);
    rlimit poprzedni{};
    ::getrlimit(RLIMIT_FSIZE, &poprzedni);
    rlimit maly = poprzedni;
    maly.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &maly), 0);
    bool wynik = ZapiszLinieBezpiecznie(Sciezka("p.rup"), std::vector<std::string>(2000, "0123456789"), blad);
    ::setrlimit(RLIMIT_FSIZE, &poprzedni);
    std::signal(SIGXFSZ, stary);
    EXPECT_FALSE(wynik);
    EXPECT_FALSE(blad.empty());
    EXPECT_EQ(Tresc("p.rup"), "stare\r\n");
    EXPECT_EQ(LiczbaPlikow(), 1u);

    // The target is a folder: the rename fails and the folder stays.
    fs::create_directory(katalog / "folder");
    Zapisz("folder/x", "x");
    EXPECT_FALSE(ZapiszLinieBezpiecznie(Sciezka("folder"), {"a"}, blad));
    EXPECT_TRUE(fs::is_directory(katalog / "folder"));
    EXPECT_EQ(LiczbaPlikow(), 2u);

    // A missing folder.
    EXPECT_FALSE(ZapiszLinieBezpiecznie(Sciezka("brak/p.rup"), {"a"}, blad));
    EXPECT_FALSE(blad.empty());
}

TEST(KatalogProgramu, TheExecutablesFolderAndPaths)
{
    const std::string domyslny = KatalogProgramu();
    EXPECT_TRUE(KatalogIstnieje(domyslny));
    EXPECT_EQ(fs::canonical(domyslny), fs::canonical(KG_BUILD_DIR));
    UstawKatalogProgramu("/opt/kartogram/");
    EXPECT_EQ(KatalogProgramu(), "/opt/kartogram");
    EXPECT_EQ(KatalogDane(), "/opt/kartogram/Dane");
    EXPECT_EQ(KatalogPomiary(), "/opt/kartogram/Pomiary");
    EXPECT_EQ(KatalogInstrukcja(), "/opt/kartogram/Instrukcja");
    UstawKatalogProgramu("");
    EXPECT_EQ(KatalogProgramu(), domyslny);

    // The bytes themselves (a path's == compares its parts).
    EXPECT_EQ(PolaczSciezke("a/", "/b").native(), "a/b");
    EXPECT_EQ(PolaczSciezke("a", "b\\c").native(), "a/b\\c");
    EXPECT_EQ(PolaczSciezke("a\\", "b").native(), "a\\/b") << "\\ is a letter of a name";
    EXPECT_EQ(PolaczSciezke("", "b").native(), "b");
    EXPECT_EQ(PolaczSciezke("/", "b").native(), "/b");
    EXPECT_EQ(PolaczSciezke("/dom/Пётр", "Łódź.rup").native(), "/dom/Пётр/Łódź.rup");
    EXPECT_EQ(SciezkaWTekscie("/dom/Пётр/Łódź.rup"), "/dom/????" "/\xA3\xF3\x64\x9F.rup");
    EXPECT_FALSE(PlikIstnieje(domyslny));
}

// A name on the command line keeps its bytes, UTF-8 or not, and is made
// absolute against the working folder.
TEST(KatalogProgramu, SciezkaZWywolaniaPoBajtach)
{
    const std::string roboczy = fs::current_path().native();
    EXPECT_EQ(SciezkaZWywolania("stary_\xB3\xF3\x64\xBC.rup").native(), roboczy + "/stary_\xB3\xF3\x64\xBC.rup");
    EXPECT_EQ(SciezkaZWywolania("a/../Пётр/./b.rup").native(), roboczy + "/Пётр/b.rup");
    EXPECT_EQ(SciezkaZWywolania("/p/x\\y.rup").native(), "/p/x\\y.rup");
}

// What a hostile folder holds: a pipe (opening it once blocked for ever), a
// symbolic-link loop (an English system text once), a read-only project
// (once replaced silently by the safe save's rename).
TEST_F(PlikiTekstowe, PipeLoopAndReadOnlyTargetAreRefusedWithTheReason)
{
    std::string tresc, blad;
    ASSERT_EQ(::mkfifo(Sciezka("potok.rup").c_str(), 0600), 0);
    EXPECT_FALSE(CzytajPlik(Sciezka("potok.rup"), tresc, blad));
    EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można odczytać pliku " + Sciezka("potok.rup") + " (to nie jest zwykły plik).");

    fs::create_symlink(katalog / "b", katalog / "a");
    fs::create_symlink(katalog / "a", katalog / "b");
    EXPECT_FALSE(CzytajPlik(Sciezka("a"), tresc, blad));
    EXPECT_EQ(Cp1250NaUtf8(blad),
              "Nie można otworzyć pliku " + Sciezka("a") + " (zapętlone dowiązanie symboliczne).");

    Zapisz("ro.rup", "stare\r\n");
    fs::permissions(katalog / "ro.rup", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(ZapiszLinieBezpiecznie(Sciezka("ro.rup"), {"nowe"}, blad));
    EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można zapisać pliku " + Sciezka("ro.rup") + " (plik jest tylko do odczytu).");
    EXPECT_EQ(Tresc("ro.rup"), "stare\r\n");
    EXPECT_EQ(PlikObokCelu(Sciezka("ro.rup"), blad), "");
}

// A file of 200 MB with no memory for its contents: refused naming the file,
// in Polish. The room for it once escaped as std::bad_alloc, which the
// program's catch-all reported without a file.
TEST_F(PlikiTekstowe, NoMemoryForTheContentsNamesTheFile)
{
    const std::string plik = Sciezka("duzy.rup");
    Zapisz("duzy.rup", "");
    fs::resize_file(plik, 200u << 20);  // sparse: no disk taken
    EXPECT_EQ(ZMalaPamiecia(64u << 20,
                            [&] {
                                std::string tresc, blad;
                                const bool przeczytany = CzytajPlik(plik, tresc, blad);
                                return !przeczytany && tresc.empty() &&
                                               Cp1250NaUtf8(blad) ==
                                                   "Nie można odczytać pliku " + plik + " (brak pamięci)."
                                           ? 0
                                           : 1;
                            }),
              0);
}

TEST_F(PlikiTekstowe, LinesAreViewsIntoTheText)
{
    const std::string t = "a\r\nbb\n\rccc\rd";
    const std::vector<std::string_view> linie = PodzielNaLinie(t);
    EXPECT_EQ(linie, (std::vector<std::string_view>{"a", "bb", "", "ccc", "d"}));
    EXPECT_EQ(linie[1].data(), t.data() + 3);
}

// A project, a list or a PDF saved through a symbolic link goes to the link's
// target and the link stays: the save once replaced the link with a file, so
// the target kept the old version.
TEST_F(PlikiTekstowe, SaveThroughASymbolicLinkWritesItsTarget)
{
    std::string blad;
    fs::create_directories(katalog / "dane");
    Zapisz("dane/prawdziwy.rup", "stary\r\n");
    fs::permissions(katalog / "dane/prawdziwy.rup", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("dane/prawdziwy.rup", katalog / "link.rup");        // relative
    fs::create_symlink(katalog / "link.rup", katalog / "link2.rup");       // a chain, absolute

    ASSERT_TRUE(ZapiszLinieBezpiecznie(Sciezka("link2.rup"), {"nowy"}, blad)) << blad;
    EXPECT_TRUE(fs::is_symlink(katalog / "link.rup"));
    EXPECT_TRUE(fs::is_symlink(katalog / "link2.rup"));
    EXPECT_EQ(Tresc("dane/prawdziwy.rup"), "nowy\r\n");
    EXPECT_EQ(fs::status(katalog / "dane/prawdziwy.rup").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(katalog / "dane"), fs::directory_iterator()), 1);

    // A finished file of another writer (the printer's PDF) the same way.
    fs::create_symlink("dane/rysunek.pdf", katalog / "rysunek.pdf");   // its target not there yet
    const std::string tymczasowy = PlikObokCelu(Sciezka("rysunek.pdf"), blad);
    ASSERT_FALSE(tymczasowy.empty()) << blad;
    EXPECT_EQ(fs::path(tymczasowy).parent_path(), katalog / "dane");
    std::ofstream(tymczasowy, std::ios::binary) << "%PDF";
    ASSERT_TRUE(PrzeniesNaMiejsce(tymczasowy, Sciezka("rysunek.pdf"), blad)) << blad;
    EXPECT_TRUE(fs::is_symlink(katalog / "rysunek.pdf"));
    EXPECT_EQ(Tresc("dane/rysunek.pdf"), "%PDF");

    // A loop of links is refused and nothing is written.
    fs::create_symlink(katalog / "p2.rup", katalog / "p1.rup");
    fs::create_symlink(katalog / "p1.rup", katalog / "p2.rup");
    const std::size_t plikow = LiczbaPlikow();
    EXPECT_FALSE(ZapiszLinieBezpiecznie(Sciezka("p1.rup"), {"x"}, blad));
    EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można zapisać pliku " + Sciezka("p1.rup") + " (zapętlone dowiązanie symboliczne).");
    EXPECT_TRUE(fs::is_symlink(katalog / "p1.rup"));
    EXPECT_EQ(LiczbaPlikow(), plikow);
}
