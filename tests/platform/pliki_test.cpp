#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <sys/file.h>
#include <sys/sysmacros.h>
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

namespace {

// Runs `praca` in a child process that has dropped to the user "nobody";
// true when it returned true. Root writes anything, so this is how a test
// run as root sees what an ordinary user may not do.
template <class Praca>
bool JakoInnyUzytkownik(Praca praca)
{
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0)
            ::_exit(2);
        ::_exit(praca() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(dziecko, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

pid_t ZakonczonyProces()
{
    const pid_t dziecko = ::fork();
    if (dziecko == 0)
        ::_exit(0);
    ::waitpid(dziecko, nullptr, 0);
    return dziecko;
}

} // namespace

// Saves killed (kill -9) at random moments once left their temporary files
// behind, 170 of 200. The target is always one whole version, and after the
// next save the folder holds nothing else; as well where the file system has
// no files without a name.
TEST_F(PlikiTekstowe, KilledSavesLeaveNothingBehind)
{
    const std::vector<std::string> a(150000, "wezel A 0123456789"), b(150000, "wezel B 0123456789");
    std::string blad;
    ASSERT_TRUE(ZapiszLinieBezpiecznie(Sciezka("b.rup"), b, blad)) << blad;
    const std::string trescB = Tresc("b.rup");
    fs::remove(katalog / "b.rup");
    std::mt19937 los(20261208);
    for (const bool nazwane : {false, true}) {
        SCOPED_TRACE(nazwane ? "named temporary files" : "files without a name");
        ZapisujTylkoPrzezNazwanePliki(nazwane);
        const std::string plik = Sciezka("projekt.rup");
        ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, a, blad)) << blad;
        const std::string trescA = Tresc("projekt.rup");
        for (int i = 0; i < 50; ++i) {
            const pid_t dziecko = ::fork();
            ASSERT_GE(dziecko, 0);
            if (dziecko == 0) {
                for (std::string b2;;)
                    ZapiszLinieBezpiecznie(plik, i % 2 ? a : b, b2);
            }
            ::usleep(std::uniform_int_distribution<unsigned>(0, 40000)(los));
            ::kill(dziecko, SIGKILL);
            ::waitpid(dziecko, nullptr, 0);
            const std::string t = Tresc("projekt.rup");
            ASSERT_TRUE(t == trescA || t == trescB) << "a torn file of " << t.size() << " bytes";
        }
        ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, a, blad)) << blad;
        EXPECT_EQ(LiczbaPlikow(), 1u);
        EXPECT_EQ(Tresc("projekt.rup"), trescA);
    }
    ZapisujTylkoPrzezNazwanePliki(false);
}

// A save removes the program's temporary files whose writer is gone (those
// of earlier versions too) and no other file: not a writer's that still
// runs, nor one held locked (a writer on another computer), nor the user's.
TEST_F(PlikiTekstowe, ASaveRemovesOnlyLeftOverTemporaryFiles)
{
    const std::string martwy = std::to_string(ZakonczonyProces());
    const std::string zywy = std::to_string(::getpid());
    for (const std::string& n : {".~" + martwy + "_1", "p.rup.~" + martwy + "_27", ".~" + martwy + "_2",
                                 ".~" + zywy + "_999999", std::string("p.rup.~x_1"), std::string("p.~rup"), std::string("notatki.~1")})
        Zapisz(n, "x");
    const int trzymany = ::open(Sciezka(".~" + martwy + "_2").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(trzymany, LOCK_EX), 0);
    fs::create_directory(katalog / (".~" + martwy + "_3"));

    std::string blad;
    ASSERT_TRUE(ZapiszLinieBezpiecznie(Sciezka("p.rup"), {"nowe"}, blad)) << blad;
    ::close(trzymany);
    std::set<std::string> zostaly;
    for (const auto& w : fs::directory_iterator(katalog))
        zostaly.insert(w.path().filename().string());
    EXPECT_EQ(zostaly, (std::set<std::string>{"p.rup", ".~" + martwy + "_2", ".~" + martwy + "_3",
                                              ".~" + zywy + "_999999", "p.rup.~x_1", "p.~rup", "notatki.~1"}));
}

// Names of 246 to 255 bytes and paths near the system's limit were refused
// ("zbyt długa nazwa"): the temporary name was the target's with more after it.
TEST_F(PlikiTekstowe, LongestNamesAndPathsAreSaved)
{
    for (const bool nazwane : {false, true}) {
        SCOPED_TRACE(nazwane ? "named temporary files" : "files without a name");
        ZapisujTylkoPrzezNazwanePliki(nazwane);
        std::string blad;
        for (const std::size_t dlugosc : {246u, 255u}) {
            const std::string nazwa = std::string(dlugosc - 4, 'n') + ".rup";
            ASSERT_TRUE(ZapiszLinieBezpiecznie(Sciezka(nazwa), {"ok"}, blad)) << Cp1250NaUtf8(blad);
            EXPECT_EQ(Tresc(nazwa), "ok\r\n");
        }
        // A path of 4095 bytes, the most the system takes, with a name of 5.
        fs::path folder = katalog;
        while (folder.string().size() + 1 + 250 + 1 + 5 < 4095)
            folder /= std::string(250, 'k');
        folder /= std::string(4095 - folder.string().size() - 1 - 5 - 1, 'k');
        fs::create_directories(folder);
        const std::string plik = (folder / "p.rup").string();
        ASSERT_EQ(plik.size(), 4095u);
        ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, {"ok"}, blad)) << Cp1250NaUtf8(blad);
        std::string tresc;
        ASSERT_TRUE(CzytajPlik(plik, tresc, blad));
        EXPECT_EQ(tresc, "ok\r\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
        fs::remove_all(katalog / std::string(250, 'k'));
        EXPECT_EQ(LiczbaPlikow(), 2u);
    }
    ZapisujTylkoPrzezNazwanePliki(false);
}

// A save through its folder's permission once replaced what it may not: a
// pipe or a device (given a regular file in its place) and another user's
// file in a shared folder (then the saving user's). Refused before anything
// is written, naming the file; a new file in that folder is still saved.
TEST_F(PlikiTekstowe, RefusesToReplaceWhatTheUserMayNotWrite)
{
    std::string blad;
    ASSERT_EQ(::mkfifo(Sciezka("potok.rup").c_str(), 0666), 0);
    fs::create_symlink(katalog / "potok.rup", katalog / "do_potoku.rup");
    for (const std::string nazwa : {"potok.rup", "do_potoku.rup"}) {
        EXPECT_FALSE(ZapiszLinieBezpiecznie(Sciezka(nazwa), {"x"}, blad));
        EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można zapisać pliku " + Sciezka(nazwa) + " (to nie jest zwykły plik).");
        EXPECT_EQ(PlikObokCelu(Sciezka(nazwa), blad), "");
    }
    EXPECT_TRUE(fs::is_fifo(katalog / "potok.rup"));
    if (::mknod(Sciezka("urzadzenie").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        EXPECT_FALSE(ZapiszLinieBezpiecznie(Sciezka("urzadzenie"), {"x"}, blad));
        EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można zapisać pliku " + Sciezka("urzadzenie") + " (to nie jest zwykły plik).");
        EXPECT_TRUE(fs::is_character_file(katalog / "urzadzenie"));
    }
    const std::size_t plikow = LiczbaPlikow();

    // Another user's file, mode 644, in a folder everyone may write.
    Zapisz("cudzy.rup", "cudzy\r\n");
    ASSERT_EQ(::chown(Sciezka("cudzy.rup").c_str(), 0, 0), 0);
    fs::permissions(katalog / "cudzy.rup", fs::perms(0644));
    fs::permissions(katalog, fs::perms(0777));
    if (::geteuid() == 0) {
        EXPECT_TRUE(JakoInnyUzytkownik([&] {
            std::string b;
            return !ZapiszLinieBezpiecznie(Sciezka("cudzy.rup"), {"moj"}, b) &&
                   Cp1250NaUtf8(b) == "Nie można zapisać pliku " + Sciezka("cudzy.rup") + " (brak uprawnień)." &&
                   PlikObokCelu(Sciezka("cudzy.rup"), b).empty() &&
                   ZapiszLinieBezpiecznie(Sciezka("nowy.rup"), {"moj"}, b);
        }));
        struct stat st {};
        ASSERT_EQ(::stat(Sciezka("cudzy.rup").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 0u);
        ASSERT_EQ(::stat(Sciezka("nowy.rup").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(Tresc("cudzy.rup"), "cudzy\r\n");
        EXPECT_EQ(LiczbaPlikow(), plikow + 2);
    }
}

// The lists hold a path a line: a name with a line break came back from the
// recent list as two entries. It is refused before anything is written.
TEST_F(PlikiTekstowe, ANameWithALineBreakIsRefused)
{
    std::string blad;
    for (const std::string nazwa : {"nowy\nb.rup", "nowy\rb.rup", "nowy\r\nb.rup"}) {
        EXPECT_FALSE(ZapiszLinieBezpiecznie(Sciezka(nazwa), {"x"}, blad));
        EXPECT_EQ(Cp1250NaUtf8(blad),
                  "Nie można zapisać pliku " + Sciezka(nazwa) + " (nazwa zawiera znak końca wiersza).");
        EXPECT_EQ(PlikObokCelu(Sciezka(nazwa), blad), "");
    }
    EXPECT_EQ(LiczbaPlikow(), 0u);
}
