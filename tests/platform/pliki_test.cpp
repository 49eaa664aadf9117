#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <sched.h>
#include <random>
#include <set>
#include <sstream>
#include <sys/file.h>
#include <sys/sysmacros.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

#include "platform/KatalogProgramu.h"
#include "base/Kodowanie.h"
#include "platform/PlikTekstowy.h"
#include "platform/ZapisBezpieczny.h"
#include "wspolne/malo_pamieci.h"
#include "wspolne/folder_testu.h"
#include "wspolne/odmowa_atrybutow.h"
#include "wspolne/wlasna_baza_uzytkownikow.h"
#include "wspolne/wolny_flush.h"

namespace fs = std::filesystem;

namespace {

class PlikiTekstowe : public FolderTestu {
protected:
    PlikiTekstowe() : FolderTestu("kg_pliki_") {}
    std::string Sciezka(const std::string& nazwa) const { return (katalog / nazwa).string(); }
    void Zapisz(const std::string& nazwa, const std::string& tresc) const
    {
        std::ofstream(Sciezka(nazwa), std::ios::binary) << tresc;
    }
    std::string Tresc(const std::string& nazwa) const { return TrescPliku(Sciezka(nazwa)); }
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
    EXPECT_FALSE(ZapisBezpieczny().OtworzNazwany(Sciezka("ro.rup"), blad));
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
    ZapisBezpieczny pdf;
    ASSERT_TRUE(pdf.OtworzNazwany(Sciezka("rysunek.pdf"), blad)) << blad;
    const std::string tymczasowy = pdf.SciezkaTymczasowego();
    EXPECT_EQ(fs::path(tymczasowy).parent_path(), katalog / "dane");
    std::ofstream(tymczasowy, std::ios::binary) << "%PDF";
    ASSERT_TRUE(pdf.Zakoncz(blad)) << blad;
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

// Runs `praca` in a child process that has dropped to the user `uid` of
// the group `gid`, a member of `grupy` besides; true when it returned true.
// Root writes anything, so this is how a test run as root sees what an
// ordinary user may not do.
template <class Praca>
bool JakoUzytkownik(uid_t uid, gid_t gid, const std::vector<gid_t>& grupy, Praca praca)
{
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        if (::setgroups(grupy.size(), grupy.data()) != 0 || ::setresgid(gid, gid, gid) != 0 ||
            ::setresuid(uid, uid, uid) != 0)
            ::_exit(2);
        ::_exit(praca() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(dziecko, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The same as the user "nobody".
template <class Praca>
bool JakoInnyUzytkownik(Praca praca, const std::vector<gid_t>& grupy = {})
{
    return JakoUzytkownik(65534, 65534, grupy, praca);
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

// A save removes the program's temporary files that no writer holds locked,
// and no other file: not one held locked (a writer elsewhere, or Qt's PDF
// printer, which writes the file by its name), not a folder,
// not the user's files whose names once passed for temporaries when no
// process had their number ("raport.~2024_06", the old "<target>.~pid_n"),
// and not another user's, as root in a folder everyone writes.
TEST_F(PlikiTekstowe, ASaveRemovesOnlyLeftOverTemporaryFiles)
{
    const std::string martwy = std::to_string(ZakonczonyProces());
    const std::string porzucony = ".~kartogram-00000000000000a1", trzymany = ".~kartogram-00000000000000a2";
    const std::set<std::string> uzytkownika{".~" + martwy + "_1",     "raport.~" + martwy + "_06", "umowa.pdf.~2023_11",
                                            "p.rup.~" + martwy + "_27", ".~kartogram-a1",          ".~kartogram-00000000000000A1",
                                            "notatki.~1"};
    for (const std::string& n : uzytkownika)
        Zapisz(n, "x");
    Zapisz(porzucony, "x");
    Zapisz(trzymany, "x");
    const int blokada = ::open(Sciezka(trzymany).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(blokada, LOCK_EX), 0);
    fs::create_directory(katalog / ".~kartogram-00000000000000a3");
    // The file Qt's PDF printer is writing by its name meanwhile.
    std::string blad;
    ZapisBezpieczny pdf;
    ASSERT_TRUE(pdf.OtworzNazwany(Sciezka("rysunek.pdf"), blad)) << blad;

    ASSERT_TRUE(ZapiszLinieBezpiecznie(Sciezka("p.rup"), {"nowe"}, blad)) << blad;
    ::close(blokada);
    EXPECT_TRUE(fs::exists(pdf.SciezkaTymczasowego()));
    std::ofstream(pdf.SciezkaTymczasowego(), std::ios::binary) << "%PDF";
    ASSERT_TRUE(pdf.Zakoncz(blad)) << blad;
    const auto pozostale = [&] {
        std::set<std::string> zostaly;
        for (const auto& w : fs::directory_iterator(katalog))
            zostaly.insert(w.path().filename().string());
        return zostaly;
    };
    std::set<std::string> oczekiwane = uzytkownika;
    oczekiwane.insert({"p.rup", "rysunek.pdf", trzymany, ".~kartogram-00000000000000a3"});
    EXPECT_EQ(pozostale(), oczekiwane);
    EXPECT_EQ(Tresc(".~" + martwy + "_1"), "x");

    // Another user's files in a folder everyone writes, the program's
    // temporary among them, are not root's to remove.
    if (::geteuid() == 0) {
        fs::remove(katalog / trzymany);
        fs::permissions(katalog, fs::perms(01777));
        for (const std::string& n : uzytkownika)
            ASSERT_EQ(::chown(Sciezka(n).c_str(), 65534, 65534), 0);
        Zapisz(porzucony, "cudzy");
        ASSERT_EQ(::chown(Sciezka(porzucony).c_str(), 65534, 65534), 0);
        ASSERT_TRUE(ZapiszLinieBezpiecznie(Sciezka("p.rup"), {"nowe"}, blad)) << blad;
        oczekiwane.erase(trzymany);
        oczekiwane.insert(porzucony);
        EXPECT_EQ(pozostale(), oczekiwane);
    }
}

// A project whose own name is that of a temporary file, saved onto a full
// disk: the save fails and the old file stays (it was once removed first
// as a left-over). A name of the program's own form is refused at once.
TEST_F(PlikiTekstowe, ATargetNamedAsATemporaryFileSurvivesAFailedSave)
{
    const std::string martwy = std::to_string(ZakonczonyProces());
    auto stary = std::signal(SIGXFSZ, SIG_IGN);
    rlimit poprzedni{};
    ::getrlimit(RLIMIT_FSIZE, &poprzedni);
    for (const std::string& nazwa : {".~" + martwy + "_5", std::string(".~kartogram-00000000000000b1")}) {
        SCOPED_TRACE(nazwa);
        Zapisz(nazwa, "stare\r\n");
        rlimit maly = poprzedni;
        maly.rlim_cur = 4096;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &maly), 0);
        std::string blad;
        const bool zapisany = ZapiszLinieBezpiecznie(Sciezka(nazwa), std::vector<std::string>(2000, "0123456789"), blad);
        ::setrlimit(RLIMIT_FSIZE, &poprzedni);
        EXPECT_FALSE(zapisany);
        EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można zapisać pliku " + Sciezka(nazwa) +
                                          (nazwa.starts_with(".~kartogram-")
                                               ? " (nazwa zastrzeżona dla plików tymczasowych programu)."
                                               : " (plik zbyt duży)."));
        EXPECT_EQ(Tresc(nazwa), "stare\r\n");
    }
    std::signal(SIGXFSZ, stary);
    EXPECT_EQ(LiczbaPlikow(), 2u);
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
        EXPECT_FALSE(ZapisBezpieczny().OtworzNazwany(Sciezka(nazwa), blad));
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
                   !ZapisBezpieczny().OtworzNazwany(Sciezka("cudzy.rup"), b) &&
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
        EXPECT_FALSE(ZapisBezpieczny().OtworzNazwany(Sciezka(nazwa), blad));
    }
    EXPECT_EQ(LiczbaPlikow(), 0u);
}

namespace {

// Runs `praca` as the first process of a new process namespace, as a copy of
// the program in a sandbox or a container runs (number 1 there), in a child
// whose exit status is `praca`'s result: 77 where the system refuses the
// namespace, 76 when `praca` was killed, as it is after `zabijPo`
// microseconds when that is given.
template <class Praca>
pid_t WNowejPrzestrzeniProcesow(Praca praca, unsigned zabijPo = 0)
{
    const pid_t dziecko = ::fork();
    if (dziecko != 0)
        return dziecko;
    if (::unshare(CLONE_NEWPID) != 0)
        ::_exit(77);
    const pid_t pierwszy = ::fork();
    if (pierwszy == 0)
        ::_exit(praca());
    if (zabijPo > 0) {
        ::usleep(zabijPo);
        ::kill(pierwszy, SIGKILL);
    }
    int status = 0;
    ::waitpid(pierwszy, &status, 0);
    ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 76);
}

int KodWyjscia(pid_t dziecko)
{
    int status = 0;
    ::waitpid(dziecko, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

constexpr int BezPrzestrzeni = 77;

} // namespace

// Two copies of the program in process namespaces of their own (sandboxed
// or in containers) saving into one folder took each other's temporary
// files for left-overs, their process numbers being the other's dead ones:
// saves failed ("plik lub folder nie istnieje"). Each copy's saves all
// succeed, and the target is one copy's whole version.
TEST_F(PlikiTekstowe, CopiesInProcessNamespacesOfTheirOwnKeepEachOthersTemporaries)
{
    // A folder in memory where the system has one: without the disk's
    // flushes the copies' saves are fast and meet far more often.
    const bool wPamieci = fs::is_directory("/dev/shm");
    const fs::path folder = wPamieci ? "/dev/shm" / katalog.filename() : katalog / "wspolny";
    fs::create_directories(folder);
    const std::unique_ptr<const fs::path, void (*)(const fs::path*)> usun(&folder, [](const fs::path* f) {
        std::error_code ec;
        fs::remove_all(*f, ec);
    });
    const std::string plik = (folder / "wspolny.rup").string();
    const std::vector<std::string> a(200, "kopia A 0123456789"), b(200, "kopia B 0123456789");
    const int zapisow = wPamieci ? 5000 : 500;
    const auto zapisy = [&](const std::vector<std::string>& linie) {
        int nieudane = 0;
        std::string blad;
        for (int i = 0; i < zapisow; ++i)
            if (!ZapiszLinieBezpiecznie(plik, linie, blad))
                ++nieudane;
        return std::min(nieudane, 70);
    };
    for (const bool nazwane : {false, true}) {
        SCOPED_TRACE(nazwane ? "named temporary files" : "files without a name");
        ZapisujTylkoPrzezNazwanePliki(nazwane);
        // The first copy saves as its namespace's process 1, the second as
        // its process 2: a number the first copy's namespace does not have.
        const pid_t kopiaA = WNowejPrzestrzeniProcesow([&] { return zapisy(a); });
        const pid_t kopiaB = WNowejPrzestrzeniProcesow([&] {
            const pid_t drugi = ::fork();
            if (drugi == 0)
                ::_exit(zapisy(b));
            return KodWyjscia(drugi);
        });
        const int wynikA = KodWyjscia(kopiaA), wynikB = KodWyjscia(kopiaB);
        ZapisujTylkoPrzezNazwanePliki(false);
        if (wynikA == BezPrzestrzeni || wynikB == BezPrzestrzeni)
            GTEST_SKIP() << "the system refuses new process namespaces (unshare)";
        EXPECT_EQ(wynikA, 0) << "failed saves of the first copy";
        EXPECT_EQ(wynikB, 0) << "failed saves of the second copy";
        std::vector<std::string> linie;
        std::string blad;
        ASSERT_TRUE(CzytajLinie(plik, linie, blad)) << blad;
        EXPECT_TRUE(linie == a || linie == b);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    }
}

// Saves killed in a fresh process namespace (as its process 1, a number
// that always runs) left their temporary files for good. The next save
// removes them, from whichever namespace.
TEST_F(PlikiTekstowe, SavesKilledInAProcessNamespaceOfTheirOwnLeaveNothingBehind)
{
    const std::string plik = Sciezka("projekt.rup");
    const std::vector<std::string> a(150000, "wezel A 0123456789");
    std::mt19937 los(20261209);
    for (const bool nazwane : {false, true}) {
        SCOPED_TRACE(nazwane ? "named temporary files" : "files without a name");
        ZapisujTylkoPrzezNazwanePliki(nazwane);
        for (int i = 0; i < 15; ++i) {
            const pid_t kopia = WNowejPrzestrzeniProcesow(
                [&] {
                    for (std::string blad;;)
                        ZapiszLinieBezpiecznie(plik, a, blad);
                    return 0;
                },
                std::uniform_int_distribution<unsigned>(1, 40000)(los));
            if (KodWyjscia(kopia) == BezPrzestrzeni) {
                ZapisujTylkoPrzezNazwanePliki(false);
                GTEST_SKIP() << "the system refuses new process namespaces (unshare)";
            }
        }
        ZapisujTylkoPrzezNazwanePliki(false);
        std::string blad;
        ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, a, blad)) << blad;
        EXPECT_EQ(LiczbaPlikow(), 1u);
    }
}

// A colleague's file (mode 664, the group of the team) in the team's folder,
// saved by another member of the team: the new file was the saver's own
// group's, and the team could no longer write it. It keeps its group and
// mode; its owner becomes the saver, the colleague keeps his rights as an
// entry of the access list, and the save says so. A group the saver is not
// in cannot be kept: the file becomes the saver's group's, the old group
// keeps its rights as an entry of the list, and the save names both.
TEST_F(PlikiTekstowe, ATeamsFileKeepsItsGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make other users' files";
    constexpr gid_t Zespol = 4601, Obca = 4602;
    constexpr uid_t Kolega = 4603;
    const fs::path zespolu = katalog / "zespol";
    fs::create_directory(zespolu);
    ASSERT_EQ(::chown(zespolu.c_str(), 0, Zespol), 0);
    fs::permissions(zespolu, fs::perms(0775));
    for (const auto& [nazwa, grupa] : {std::pair{"kolegi.rup", Zespol}, std::pair{"obcej_grupy.rup", Obca}}) {
        Zapisz(std::string("zespol/") + nazwa, "stare\r\n");
        ASSERT_EQ(::chown((zespolu / nazwa).c_str(), Kolega, grupa), 0);
        fs::permissions(zespolu / nazwa, fs::perms(0664));
    }
    fs::permissions(zespolu / "obcej_grupy.rup", fs::perms(0666));  // writable by the saver
    const std::string kolegi = (zespolu / "kolegi.rup").string(), obcej = (zespolu / "obcej_grupy.rup").string();
    const std::string kolegaZachowal = " został zapisany i należy teraz do użytkownika nobody; dotychczasowy "
                                       "właściciel (4603) zachował swoje uprawnienia do niego.";
    EXPECT_TRUE(JakoInnyUzytkownik(
        [&] {
            std::string blad, uwaga, uwagaObcej;
            return ZapiszLinieBezpiecznie(kolegi, {"nowe"}, blad, &uwaga) &&
                   Cp1250NaUtf8(uwaga) == "Plik " + kolegi + kolegaZachowal &&
                   ZapiszLinieBezpiecznie(obcej, {"nowe"}, blad, &uwagaObcej) &&
                   Cp1250NaUtf8(uwagaObcej) == "Plik " + obcej + kolegaZachowal +
                                                   " Nie udało się zachować grupy pliku (4602). Nową grupą pliku "
                                                   "jest nogroup; dotychczasowa grupa (4602) zachowała swoje "
                                                   "uprawnienia do niego.";
        },
        {Zespol}));
    struct stat st {};
    ASSERT_EQ(::stat((zespolu / "kolegi.rup").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, Zespol);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    EXPECT_EQ(Tresc("zespol/kolegi.rup"), "nowe\r\n");
    ASSERT_EQ(::stat((zespolu / "obcej_grupy.rup").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    // The group bits are the mask of the old group's entry.
    EXPECT_EQ(st.st_mode & 07777, 0666u);
}

// Another user's link planted in a folder everyone writes (sticky, as /tmp)
// and pointing at the user's own file: the save wrote the project into that
// file. Such a link is followed only when it is the user's or the folder
// owner's, as the system follows links there; else the save is refused
// naming the file, and nothing is written.
TEST_F(PlikiTekstowe, AnotherUsersLinkInASharedFolderIsNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give links to other users";
    constexpr uid_t WlascicielFolderu = 4611;
    fs::create_directories(katalog / "dom");
    const fs::path wspolny = katalog / "wspolny";
    fs::create_directory(wspolny);
    ASSERT_EQ(::chown(wspolny.c_str(), WlascicielFolderu, WlascicielFolderu), 0);
    fs::permissions(wspolny, fs::perms(01777));
    const std::string link = (wspolny / "wyniki.rup").string();
    const auto podrzuc = [&](uid_t wlasciciel) {
        Zapisz("dom/.bashrc", "moje\n");
        fs::remove(link);
        fs::create_symlink(katalog / "dom/.bashrc", link);
        ASSERT_EQ(::lchown(link.c_str(), wlasciciel, wlasciciel), 0);
    };

    std::string blad;
    podrzuc(65534);
    EXPECT_FALSE(ZapiszLinieBezpiecznie(link, {"projekt"}, blad));
    EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można zapisać pliku " + link +
                                      " (dowiązanie symboliczne innego użytkownika we wspólnym folderze).");
    EXPECT_FALSE(ZapisBezpieczny().OtworzNazwany(link, blad));
    EXPECT_EQ(Tresc("dom/.bashrc"), "moje\n");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(std::distance(fs::directory_iterator(wspolny), fs::directory_iterator()), 1);

    for (const uid_t wlasciciel : {::geteuid(), WlascicielFolderu}) {
        SCOPED_TRACE(wlasciciel);
        podrzuc(wlasciciel);
        ASSERT_TRUE(ZapiszLinieBezpiecznie(link, {"projekt"}, blad)) << blad;
        EXPECT_EQ(Tresc("dom/.bashrc"), "projekt\r\n");
    }
    // A folder without the sticky bit guards nothing: its links are followed.
    fs::permissions(wspolny, fs::perms(0777));
    podrzuc(65534);
    ASSERT_TRUE(ZapiszLinieBezpiecznie(link, {"projekt"}, blad)) << blad;
    EXPECT_EQ(Tresc("dom/.bashrc"), "projekt\r\n");
}

namespace {

// Every flush of a folder while `sledzony` is set: "<folder>: <the target's
// contents at that moment>". The test program is linked with fsync wrapped
// (--wrap=fsync); `bladKatalogu` makes a folder's flush fail, and
// `wolnyFlush` (wolny_flush.h) slows a file's.
std::string sledzony;
std::vector<std::string> flushe;
int bladKatalogu = 0;

} // namespace

extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd)
{
    struct stat st {};
    if (wolnyFlush.count() > 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        ::usleep(static_cast<useconds_t>(wolnyFlush.count() * 1000));
    if (!sledzony.empty() && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        std::ifstream f(sledzony, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        flushe.push_back(fs::read_symlink("/proc/self/fd/" + std::to_string(fd)).string() + ": " + s.str());
        if (bladKatalogu != 0) {
            errno = bladKatalogu;
            return -1;
        }
    }
    return __real_fsync(fd);
}

// A power cut after a save could lose its rename: the folder was never
// flushed. It is, once the file is in the target's place, for a file that
// got its name at the end and for one named from the start (the way of Qt's
// PDF printer). A file system that cannot flush a folder (EINVAL) does not
// fail the save; a failed flush (EIO) does.
TEST_F(PlikiTekstowe, TheFolderIsFlushedAfterTheRename)
{
    const std::string plik = Sciezka("p.rup");
    sledzony = plik;
    std::string blad;
    for (const bool nazwane : {false, true}) {
        SCOPED_TRACE(nazwane ? "named temporary files" : "files without a name");
        ZapisujTylkoPrzezNazwanePliki(nazwane);
        flushe.clear();
        ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, {nazwane ? "nazwany" : "bez nazwy"}, blad)) << blad;
        EXPECT_EQ(flushe, std::vector<std::string>{katalog.string() + (nazwane ? ": nazwany\r\n" : ": bez nazwy\r\n")});
    }
    ZapisujTylkoPrzezNazwanePliki(false);

    flushe.clear();
    ZapisBezpieczny pdf;
    ASSERT_TRUE(pdf.OtworzNazwany(plik, blad)) << blad;
    std::ofstream(pdf.SciezkaTymczasowego(), std::ios::binary) << "%PDF";
    ASSERT_TRUE(pdf.Zakoncz(blad)) << blad;
    EXPECT_EQ(flushe, std::vector<std::string>{katalog.string() + ": %PDF"});

    bladKatalogu = EINVAL;
    EXPECT_TRUE(ZapiszLinieBezpiecznie(plik, {"bez flushu"}, blad)) << blad;
    bladKatalogu = EIO;
    EXPECT_FALSE(ZapiszLinieBezpiecznie(plik, {"po awarii"}, blad));
    // The file holds the new contents: the message says so.
    EXPECT_EQ(Cp1250NaUtf8(blad), "Plik " + plik +
                                      " został zapisany, ale system nie potwierdził, że jest na dysku (błąd "
                                      "wejścia-wyjścia); zapisz go ponownie.");
    EXPECT_EQ(Tresc("p.rup"), "po awarii\r\n");
    bladKatalogu = 0;
    sledzony.clear();
    EXPECT_EQ(LiczbaPlikow(), 1u);
}

namespace {

// `setfacl` with the arguments on the file; false where the system has no
// access lists (or no setfacl).
bool UstawAcl(const std::string& argumenty, const fs::path& plik)
{
    return std::system(("setfacl " + argumenty + " '" + plik.string() + "' 2>/dev/null").c_str()) == 0;
}

// The file's access list as getfacl prints it, ids as numbers.
std::string Acl(const fs::path& plik)
{
    std::string wynik;
    if (FILE* p = ::popen(("getfacl -cn '" + plik.string() + "' 2>/dev/null").c_str(), "r")) {
        char bufor[256];
        while (std::fgets(bufor, sizeof bufor, p))
            wynik += bufor;
        ::pclose(p);
    }
    return wynik;
}

std::string Atrybut(const fs::path& plik, const char* nazwa)
{
    char bufor[256];
    const ssize_t n = ::getxattr(plik.c_str(), nazwa, bufor, sizeof bufor);
    return n < 0 ? "<brak>" : std::string(bufor, static_cast<std::size_t>(n));
}

// Whether the user may open the file for reading (`trybOtwarcia` O_RDONLY)
// or writing.
bool Otwiera(uid_t uid, gid_t gid, const std::vector<gid_t>& grupy, const fs::path& plik, int trybOtwarcia = O_RDONLY)
{
    return JakoUzytkownik(uid, gid, grupy, [&] {
        const int fd = ::open(plik.c_str(), trybOtwarcia);
        if (fd >= 0)
            ::close(fd);
        return fd >= 0;
    });
}

} // namespace

// A file 0640 whose access list lets the user B (nobody) read it and the
// file's group not: after a save B could no longer read it and the group's
// members could (the list's mask became the group's rights), and the
// attributes a user set were gone. The new file has the old one's list and
// attributes, in both ways of saving.
TEST_F(PlikiTekstowe, TheAccessListAndTheUsersAttributesAreKept)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as other users";
    constexpr gid_t Grupa = 4631;
    constexpr uid_t Czlonek = 4632;
    const fs::path plik = katalog / "p.rup";
    Zapisz("p.rup", "stare\r\n");
    fs::permissions(katalog, fs::perms(0755));
    ASSERT_EQ(::chown(plik.c_str(), 0, Grupa), 0);
    fs::permissions(plik, fs::perms(0640));
    if (!UstawAcl("-m u:65534:r,g::-", plik))
        GTEST_SKIP() << "no access lists here (or no setfacl: the package acl)";
    ASSERT_EQ(::setxattr(plik.c_str(), "user.projekt", "Rondo ONZ", 9, 0), 0);
    const std::string acl = Acl(plik);
    ASSERT_EQ(acl, "user::rw-\nuser:65534:r--\ngroup::---\nmask::r--\nother::---\n\n");
    ASSERT_TRUE(Otwiera(65534, 65534, {}, plik));
    ASSERT_FALSE(Otwiera(Czlonek, Grupa, {}, plik));
    for (const bool nazwane : {false, true}) {
        SCOPED_TRACE(nazwane ? "named temporary files" : "files without a name");
        ZapisujTylkoPrzezNazwanePliki(nazwane);
        std::string blad, uwaga = "?";
        ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, {nazwane ? "nazwany" : "bez nazwy"}, blad, &uwaga)) << blad;
        EXPECT_EQ(uwaga, "");
        EXPECT_EQ(Acl(plik), acl);
        EXPECT_EQ(Atrybut(plik, "user.projekt"), "Rondo ONZ");
        EXPECT_TRUE(Otwiera(65534, 65534, {}, plik)) << "the user the list names reads it";
        EXPECT_FALSE(Otwiera(Czlonek, Grupa, {}, plik)) << "the group's members do not";
        struct stat st {};
        ASSERT_EQ(::stat(plik.c_str(), &st), 0);
        EXPECT_EQ(st.st_gid, Grupa);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
    }
    ZapisujTylkoPrzezNazwanePliki(false);

    // A folder's default list is inherited by a new file, not by one that
    // replaces a file without a list.
    fs::remove(plik);
    Zapisz("p.rup", "stare\r\n");
    fs::permissions(plik, fs::perms(0640));
    ASSERT_TRUE(UstawAcl("-d -m u:65534:rw", katalog));
    std::string blad;
    ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, {"nowe"}, blad)) << blad;
    EXPECT_EQ(Acl(plik), "user::rw-\ngroup::r--\nother::---\n\n");
    ASSERT_TRUE(ZapiszLinieBezpiecznie(Sciezka("nowy.rup"), {"nowe"}, blad)) << blad;
    EXPECT_NE(Acl(katalog / "nowy.rup").find("user:65534:rw-"), std::string::npos) << Acl(katalog / "nowy.rup");
}

// As root a save dropped the old file's trusted.* and security.* attributes
// without a word, and a saver who may not set security.* ones lost them so
// too. Every attribute the old file lists is kept where the saver may set
// it; what is not is named by its namespace.
TEST_F(PlikiTekstowe, EveryAttributeIsKeptOrNamed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to set trusted.* and security.* attributes";
    const fs::path folder = katalog / "nobody", plik = folder / "p.rup";
    fs::permissions(katalog, fs::perms(0755));
    fs::create_directory(folder);
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    // Capabilities (a version 2 record: CAP_NET_BIND_SERVICE permitted) go
    // when a file changes owner, as root's new file does here.
    const std::string zdolnosci = std::string("\x00\x00\x00\x02\x00\x04\x00\x00", 8) + std::string(12, '\0');
    const auto stary = [&] {
        std::ofstream(plik) << "stare\r\n";
        bool ustawione = ::chown(plik.c_str(), 65534, 65534) == 0 &&
                         ::setxattr(plik.c_str(), "security.capability", zdolnosci.data(), zdolnosci.size(), 0) == 0;
        for (const char* nazwa : {"user.projekt", "trusted.kartogram", "security.kartogram"})
            ustawione = ustawione && ::setxattr(plik.c_str(), nazwa, nazwa, std::strlen(nazwa), 0) == 0;
        return ustawione;
    };
    if (!stary())
        GTEST_SKIP() << "the file system keeps no trusted.* or security.* attributes";
    std::string blad, uwaga = "?";
    ASSERT_TRUE(ZapiszLinieBezpiecznie(plik.string(), {"nowe"}, blad, &uwaga)) << blad;
    EXPECT_EQ(uwaga, "");
    for (const char* nazwa : {"user.projekt", "trusted.kartogram", "security.kartogram"})
        EXPECT_EQ(Atrybut(plik, nazwa), nazwa);
    EXPECT_EQ(Atrybut(plik, "security.capability"), zdolnosci);

    // Only root sets security.* attributes (nor does the user see trusted.*).
    ASSERT_TRUE(stary());
    EXPECT_TRUE(JakoInnyUzytkownik([&] {
        odmowaAtrybutow = {"user."};
        std::string blad, uwaga;
        return ZapiszLinieBezpiecznie(plik.string(), {"nowe"}, blad, &uwaga) &&
               Cp1250NaUtf8(uwaga) == "Plik " + plik.string() +
                                          " został zapisany, ale nie udało się zachować atrybutów rozszerzonych"
                                          " (user.*, security.*).";
    }));
}

namespace {

// While set, listing a file's attribute names fails with it (E2BIG: more
// than 64 KB of names, which the file system here cannot hold).
int bladListyAtrybutow = 0;

} // namespace

extern "C" ssize_t __real_llistxattr(const char* sciezka, char* lista, size_t rozmiar);
extern "C" ssize_t __wrap_llistxattr(const char* sciezka, char* lista, size_t rozmiar)
{
    if (bladListyAtrybutow != 0) {
        errno = bladListyAtrybutow;
        return -1;
    }
    return __real_llistxattr(sciezka, lista, rozmiar);
}

// A file whose attribute names could not be listed lost its access list
// with them; a failed flush of the folder dropped the word of what was lost.
// The list is read by its name and the attributes are named, in both.
TEST_F(PlikiTekstowe, UnlistedAttributesAreNamedAndTheAccessListKept)
{
    const std::string plik = Sciezka("p.rup");
    Zapisz("p.rup", "stare\r\n");
    if (!UstawAcl("-m u:65534:r", plik))
        GTEST_SKIP() << "no access lists here (or no setfacl: the package acl)";
    const std::string acl = Acl(plik);
    const std::string uwaga = "Plik " + plik + " został zapisany, ale nie udało się zachować atrybutów rozszerzonych.";
    bladListyAtrybutow = E2BIG;
    std::string blad, uwagaZapisu;
    const bool zapisany = ZapiszLinieBezpiecznie(plik, {"nowe"}, blad, &uwagaZapisu);
    sledzony = plik;
    bladKatalogu = EIO;
    const bool poAwarii = ZapiszLinieBezpiecznie(plik, {"po awarii"}, blad);
    sledzony.clear();
    bladKatalogu = bladListyAtrybutow = 0;
    EXPECT_TRUE(zapisany);
    EXPECT_EQ(Cp1250NaUtf8(uwagaZapisu), uwaga);
    EXPECT_FALSE(poAwarii);
    EXPECT_EQ(Cp1250NaUtf8(blad), "Plik " + plik +
                                      " został zapisany, ale system nie potwierdził, że jest na dysku (błąd "
                                      "wejścia-wyjścia); zapisz go ponownie. " + uwaga);
    EXPECT_EQ(Acl(plik), acl);
}

namespace {

// The mode of the file the open save writes into, named or not (an
// unnamed file shows in /proc as "<folder>/#<number> (deleted)").
mode_t TrybNowegoPliku(const ZapisBezpieczny& zapis, const fs::path& folder)
{
    struct stat st {};
    if (!zapis.SciezkaTymczasowego().empty())
        return ::stat(zapis.SciezkaTymczasowego().c_str(), &st) == 0 ? st.st_mode & 07777 : 01000;
    for (const auto& w : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (fs::read_symlink(w.path(), ec).string().starts_with(folder.string() + "/#") &&
            ::stat(w.path().c_str(), &st) == 0)
            return st.st_mode & 07777;
    }
    return 01000;
}

} // namespace

// Where the file system has no unnamed files, the new contents of a file
// 0600 lay in a file any user could open before it got that mode. The new
// file of an existing target is its writer's alone, to write only, until it
// is whole, in every way of saving (the PDF printer's named file too), and
// takes the target's mode just before the rename. A new target's file gets
// the system's defaults.
TEST_F(PlikiTekstowe, TheNewContentsAreTheWritersAloneUntilWhole)
{
    const fs::path plik = katalog / "p.rup";
    Zapisz("p.rup", "stare\r\n");
    fs::permissions(plik, fs::perms(0644));
    fs::permissions(katalog, fs::perms(0755));
    const mode_t maska = ::umask(022);
    for (const int sposob : {0, 1, 2}) {
        SCOPED_TRACE(sposob == 0 ? "without a name" : sposob == 1 ? "named" : "named for another writer");
        ZapisujTylkoPrzezNazwanePliki(sposob == 1);
        ZapisBezpieczny zapis;
        std::string blad;
        ASSERT_TRUE(sposob == 2 ? zapis.OtworzNazwany(plik, blad) : zapis.Otworz(plik, blad)) << blad;
        ASSERT_TRUE(zapis.Pisz("tajne\r\n", blad)) << blad;
        EXPECT_EQ(TrybNowegoPliku(zapis, katalog), 0200u);
        if (sposob != 0 && ::geteuid() == 0) {
            EXPECT_FALSE(Otwiera(65534, 65534, {}, zapis.SciezkaTymczasowego()));
        }
        ASSERT_TRUE(zapis.Zakoncz(blad)) << blad;
        EXPECT_EQ(fs::status(plik).permissions(), fs::perms(0644));
        EXPECT_EQ(Tresc("p.rup"), "tajne\r\n");

        ZapisBezpieczny nowy;
        ASSERT_TRUE(nowy.Otworz(Sciezka("nowy.rup"), blad)) << blad;
        EXPECT_EQ(TrybNowegoPliku(nowy, katalog), 0644u);
        nowy.Porzuc();
    }
    ::umask(maska);
    ZapisujTylkoPrzezNazwanePliki(false);
}

// A save killed after its file took the mode of a target its owner may write
// but not read (0200) left a file the clean-up could not open: it stayed for
// good. An own left-over goes whatever its mode.
TEST_F(PlikiTekstowe, AnOwnLeftOverGoesWhateverItsMode)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user (root reads anything)";
    ASSERT_EQ(::chown(katalog.c_str(), 65534, 65534), 0);
    const std::string porzucony = ".~kartogram-00000000000000c1";
    Zapisz(porzucony, "polowa");
    ASSERT_EQ(::chown(Sciezka(porzucony).c_str(), 65534, 65534), 0);
    fs::permissions(katalog / porzucony, fs::perms(0200));
    EXPECT_TRUE(JakoInnyUzytkownik([&] {
        std::string blad;
        return ZapiszLinieBezpiecznie(Sciezka("p.rup"), {"nowe"}, blad);
    }));
    EXPECT_FALSE(fs::exists(katalog / porzucony));
    EXPECT_EQ(LiczbaPlikow(), 1u);
}

// A user's own file named as the program's temporaries was saved without a
// word, and the next save of another file in the folder deleted it. Such a
// name is refused, given or reached through a link; one of another form
// is saved.
TEST_F(PlikiTekstowe, ANameOfTheTemporariesFormIsRefused)
{
    const std::string zastrzezona = ".~kartogram-0123456789abcdef";
    fs::create_symlink(zastrzezona, katalog / "link.rup");
    for (const std::string& nazwa : {zastrzezona, std::string("link.rup")}) {
        SCOPED_TRACE(nazwa);
        std::string blad;
        EXPECT_FALSE(ZapiszLinieBezpiecznie(Sciezka(nazwa), {"moje"}, blad));
        EXPECT_EQ(Cp1250NaUtf8(blad),
                  "Nie można zapisać pliku " + Sciezka(nazwa) + " (nazwa zastrzeżona dla plików tymczasowych programu).");
        EXPECT_FALSE(ZapisBezpieczny().OtworzNazwany(Sciezka(nazwa), blad));
    }
    EXPECT_EQ(LiczbaPlikow(), 1u);
    for (const std::string nazwa : {".~kartogram-0123456789ABCDEF", ".~kartogram-0123456789abcde", ".~kartogram-x"}) {
        std::string blad;
        EXPECT_TRUE(ZapiszLinieBezpiecznie(Sciezka(nazwa), {"moje"}, blad)) << nazwa << blad;
    }
    EXPECT_EQ(LiczbaPlikow(), 4u);
}

// A team's file (664) in a folder the saver may not write (2755, the team
// member not its owner): the save said "brak uprawnień" of the file, which
// the saver may write. It names the folder, and a sticky folder's rule.
TEST_F(PlikiTekstowe, AFolderTheUserMayNotWriteIsNamed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    constexpr gid_t Zespol = 4651;
    const fs::path folder = katalog / "zespol";
    fs::create_directory(folder);
    ASSERT_EQ(::chown(folder.c_str(), 0, Zespol), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 02755), 0);
    const fs::path plik = folder / "wspolny.rup";
    std::ofstream(plik) << "stare\r\n";
    ASSERT_EQ(::chown(plik.c_str(), 0, Zespol), 0);
    fs::permissions(plik, fs::perms(0664));
    for (const std::string nazwa : {"wspolny.rup", "nowy.rup"}) {
        const std::string sciezka = (folder / nazwa).string();
        EXPECT_TRUE(JakoInnyUzytkownik(
            [&] {
                std::string blad;
                const bool zapisany = ZapiszLinieBezpiecznie(sciezka, {"nowe"}, blad);
                return !zapisany && Cp1250NaUtf8(blad) == "Nie można zapisać pliku " + sciezka +
                                                              " (brak uprawnień do zapisu w folderze " +
                                                              folder.string() + ").";
            },
            {Zespol}))
            << nazwa;
    }
    EXPECT_EQ(Tresc("zespol/wspolny.rup"), "stare\r\n");

    // In a sticky folder (1777) only a file's owner may replace it: a
    // colleague who may write the file was refused "brak uprawnień" after
    // writing it whole. Refused before writing, naming the folder's rule.
    const fs::path wspolny = katalog / "wspolny";
    fs::create_directory(wspolny);
    ASSERT_EQ(::chmod(wspolny.c_str(), 01777), 0);
    const std::string cudzy = (wspolny / "cudzy.rup").string();
    std::ofstream(cudzy) << "stare\r\n";
    ASSERT_EQ(::chown(cudzy.c_str(), 4652, Zespol), 0);
    fs::permissions(cudzy, fs::perms(0666));
    EXPECT_TRUE(JakoInnyUzytkownik([&] {
        ZapisBezpieczny zapis;
        std::string blad;
        return !zapis.Otworz(cudzy, blad) && Cp1250NaUtf8(blad) == "Nie można zapisać pliku " + cudzy +
                                                                      " (w folderze " + wspolny.string() +
                                                                      " tylko właściciel pliku może go zastąpić).";
    }));
    EXPECT_EQ(Tresc("wspolny/cudzy.rup"), "stare\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(wspolny), fs::directory_iterator()), 1);
}

namespace {

// The calls that change the new file's permissions, wrapped (the test
// program is linked with --wrap for them): `poZmianiePliku`
// (odmowa_atrybutow.h) runs after each, and the one `odmowaZmiany` names
// fails (EIO).
std::string odmowaZmiany;

int PoZmianie(int fd, const char* wywolanie, int wynik)
{
    if (poZmianiePliku) {
        const int nr = errno;
        poZmianiePliku(fd, wywolanie);
        errno = nr;
    }
    return wynik;
}

bool Odmowa(const char* wywolanie)
{
    if (odmowaZmiany != wywolanie)
        return false;
    errno = EIO;
    return true;
}

} // namespace

extern "C" int __real_fchmod(int fd, mode_t tryb);
extern "C" int __wrap_fchmod(int fd, mode_t tryb)
{
    return PoZmianie(fd, "fchmod", Odmowa("fchmod") ? -1 : __real_fchmod(fd, tryb));
}
extern "C" int __real_fchown(int fd, uid_t uid, gid_t gid);
extern "C" int __wrap_fchown(int fd, uid_t uid, gid_t gid)
{
    return PoZmianie(fd, "fchown", __real_fchown(fd, uid, gid));
}
extern "C" int __real_fremovexattr(int fd, const char* nazwa);
extern "C" int __wrap_fremovexattr(int fd, const char* nazwa)
{
    return PoZmianie(fd, "fremovexattr", Odmowa("fremovexattr") ? -1 : __real_fremovexattr(fd, nazwa));
}

namespace {

// What a save by nobody says of the previous owner 4678, who has no name.
const std::string PoprzedniZachowal = " został zapisany i należy teraz do użytkownika nobody; dotychczasowy "
                                      "właściciel (4678) zachował swoje uprawnienia do niego.";

// Saves the file as nobody, a member of `grupy`: the save's warning
// (UTF-8), or its error after "błąd: ".
std::string UwagaZapisuJakoNobody(const fs::path& plik, const std::vector<gid_t>& grupy)
{
    int rura[2];
    if (::pipe(rura) != 0)
        return "pipe";
    JakoInnyUzytkownik(
        [&] {
            std::string blad, uwaga;
            const std::string wynik = ZapiszLinieBezpiecznie(plik, {"nowe"}, blad, &uwaga)
                                          ? Cp1250NaUtf8(uwaga)
                                          : "błąd: " + Cp1250NaUtf8(blad);
            return ::write(rura[1], wynik.data(), wynik.size()) == static_cast<ssize_t>(wynik.size());
        },
        grupy);
    ::close(rura[1]);
    std::string wynik;
    char bufor[512];
    for (ssize_t n; (n = ::read(rura[0], bufor, sizeof bufor)) > 0;)
        wynik.append(bufor, static_cast<std::size_t>(n));
    ::close(rura[0]);
    return wynik;
}

} // namespace

// Where the list could not be set (a full attribute block), a colleague's
// save went on, and the owner could no longer open his own file. A list the
// rights need that cannot be set fails the save, naming the cause, and so
// does a list of the folder's that cannot be removed or a mode that cannot
// be set: the old file stays as it was, and no temporary file with it.
TEST_F(PlikiTekstowe, AListThatCannotBeSetFailsTheSave)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as other users";
    const fs::path plik = katalog / "p.rup";
    fs::permissions(katalog, fs::perms(0777));
    if (!UstawAcl("-d -m u:4675:r", katalog))
        GTEST_SKIP() << "no access lists here (or no setfacl: the package acl)";
    for (const bool nazwane : {false, true}) {
        SCOPED_TRACE(nazwane ? "named temporary files" : "files without a name");
        ZapisujTylkoPrzezNazwanePliki(nazwane);
        Zapisz("p.rup", "stare\r\n");
        ASSERT_EQ(::chown(plik.c_str(), 4678, 4676), 0);
        fs::permissions(plik, fs::perms(0640));
        ASSERT_TRUE(UstawAcl("-b -m u:65534:rw,g::r", plik));
        const std::string acl = Acl(plik);
        odmowaAtrybutow = {"system.posix_acl_access"};
        bladOdmowy = ENOSPC;
        EXPECT_EQ(UwagaZapisuJakoNobody(plik, {}), "błąd: Nie można zapisać pliku " + plik.string() +
                                                       " (nie można ustawić listy uprawnień pliku: brak miejsca na"
                                                       " dysku).");
        odmowaAtrybutow.clear();
        bladOdmowy = EOPNOTSUPP;
        EXPECT_EQ(Tresc("p.rup"), "stare\r\n");
        EXPECT_EQ(Acl(plik), acl);
        EXPECT_EQ(LiczbaPlikow(), 1u);

        ASSERT_TRUE(UstawAcl("-b", plik));
        for (const char* wywolanie : {"fremovexattr", "fchmod"}) {
            SCOPED_TRACE(wywolanie);
            odmowaZmiany = wywolanie;
            std::string blad;
            EXPECT_FALSE(ZapiszLinieBezpiecznie(plik, {"niepewne"}, blad));
            odmowaZmiany.clear();
            EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można zapisać pliku " + plik.string() + " (błąd wejścia-wyjścia).");
            EXPECT_EQ(Tresc("p.rup"), "stare\r\n");
            EXPECT_EQ(LiczbaPlikow(), 1u);
        }
    }
    ZapisujTylkoPrzezNazwanePliki(false);
}

// A's project A:zespol 0600 whose list lets B write it, saved by B: the file
// became B's, its list "user::rw- user:B:rw- group::--- mask::rw-", and A
// could not open his own project, without a word. Where the saver cannot
// give the file its owner, the previous owner keeps his rights as an entry
// of the list (a file without one gets one), every other entry exactly its
// rights (narrowed where the mask widens for him), and the save names both;
// where no list can be set, it says what he keeps. B is nobody; A (4678)
// has no name, so his number stands for it.
TEST_F(PlikiTekstowe, AColleaguesSaveLeavesTheOwnerHisRights)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as other users";
    constexpr gid_t Zespol = 4676, Obca = 4677;
    constexpr uid_t A = 4678;
    fs::permissions(katalog, fs::perms(0777));
    const std::string zachowal = PoprzedniZachowal;
    struct Przypadek {
        const char* nazwa;
        gid_t grupa;
        unsigned tryb;
        const char* acl;  // setfacl's entries; "" for none
        const char* lista;
        std::string uwaga;
    };
    const Przypadek przypadki[] = {
        {"zespolu.rup", Zespol, 0600, "u:65534:rw",
         "user::rw-\nuser:4678:rw-\ngroup::---\nmask::rw-\nother::---\n\n", zachowal},
        // B may write; the mask widens to A's x: 4679 and the group keep rw-.
        {"maska.rup", Zespol, 0700, "u:65534:rw,u:4679:rwx,g::rwx,m::rw",
         "user::rw-\nuser:4678:rwx\nuser:4679:rw-\ngroup::rw-\nmask::rwx\nother::---\n\n", zachowal},
        {"bez_listy.rup", Zespol, 0664, "", "user::rw-\nuser:4678:rw-\ngroup::rw-\nmask::rw-\nother::r--\n\n", zachowal},
        // Set-user and set-group bits stay behind with the owner and group.
        {"obcej_grupy.rup", Obca, 06660, "u:65534:rw",
         "user::rw-\nuser:4678:rw-\ngroup::---\ngroup:4677:rw-\nmask::rw-\nother::---\n\n",
         zachowal + " Nie udało się zachować grupy pliku (4677). Nową grupą pliku jest nogroup; dotychczasowa "
                    "grupa (4677) zachowała swoje uprawnienia do niego."},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        const fs::path plik = katalog / p.nazwa;
        Zapisz(p.nazwa, "stare\r\n");
        ASSERT_EQ(::chown(plik.c_str(), A, p.grupa), 0);
        fs::permissions(plik, fs::perms(p.tryb));
        if (*p.acl && !UstawAcl(std::string("-m ") + p.acl, plik))
            GTEST_SKIP() << "no access lists here (or no setfacl: the package acl)";
        EXPECT_EQ(UwagaZapisuJakoNobody(plik, {Zespol}), "Plik " + plik.string() + p.uwaga);
        EXPECT_EQ(Acl(plik), p.lista);
        struct stat st {};
        ASSERT_EQ(::stat(plik.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, p.grupa == Zespol ? Zespol : 65534u);
        EXPECT_EQ(st.st_mode & 07000, 0u);
        EXPECT_TRUE(Otwiera(A, A, {}, plik, O_RDWR)) << "A reads and writes his file";
    }

    // A file system that takes no list: A keeps what the group and others
    // give him, no more than he had, and is named.
    const fs::path plik = katalog / "bez_listy.rup";
    ASSERT_EQ(::chown(plik.c_str(), A, Zespol), 0);
    ASSERT_TRUE(UstawAcl("-b", plik));
    odmowaAtrybutow = {"system.posix_acl_access"};
    EXPECT_EQ(UwagaZapisuJakoNobody(plik, {Zespol}),
              "Plik " + plik.string() +
                  " został zapisany i należy teraz do użytkownika nobody. Zawężono uprawnienia do pliku "
                  "użytkownikom: 4678.");
    odmowaAtrybutow.clear();
    EXPECT_EQ(Acl(plik), "user::rw-\ngroup::rw-\nother::r--\n\n");
}

namespace {

// A group and two of its members in the test program's own copy of the
// user database (the save learns memberships from it), gone with it.
class CzlonkowieZespolu {
public:
    static constexpr gid_t Zespol = 4695;
    static constexpr uid_t D = 4696, E = 4697;
    CzlonkowieZespolu()
    {
        if (baza_.Otworz().empty()) {
            WlasnaBazaUzytkownikow::Wpisz("/etc/group", "kgo_zespol:x:4695:\n");
            WlasnaBazaUzytkownikow::Wpisz("/etc/passwd", "kgo_d:x:4696:4695::/nonexistent:/usr/sbin/nologin\n"
                                                          "kgo_e:x:4697:4695::/nonexistent:/usr/sbin/nologin\n");
        }
    }
    static bool Gotowi()
    {
        const passwd* d = ::getpwnam("kgo_d");
        const passwd* e = d && d->pw_uid == D && d->pw_gid == Zespol ? ::getpwnam("kgo_e") : nullptr;
        const group* g = ::getgrnam("kgo_zespol");
        return e && e->pw_uid == E && e->pw_gid == Zespol && g && g->gr_gid == Zespol;
    }

private:
    WlasnaBazaUzytkownikow baza_;
};

} // namespace

// A:G 0660 with "g:G:r-x" beside "group::rw-", saved by B who is not in G:
// G's members D and E could no longer write it (one entry cannot give both)
// and the save said both that G kept its rights and that theirs were
// narrowed. It says that G kept its rights only where every member does,
// those the database knows and any other in any mix of the lists' groups.
TEST_F(PlikiTekstowe, TheOldGroupKeptItsRightsOnlyWhereEveryMemberDid)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as other users";
    const CzlonkowieZespolu zespol;
    if (!CzlonkowieZespolu::Gotowi())
        GTEST_SKIP() << "no user database of the test's own (a mount namespace needs CAP_SYS_ADMIN)";
    constexpr gid_t Zespol = CzlonkowieZespolu::Zespol, BezCzlonkow = 4694;
    fs::permissions(katalog, fs::perms(0777));
    const std::string zapisany = PoprzedniZachowal + " Nie udało się zachować grupy pliku (";
    struct Przypadek {
        const char* nazwa;
        gid_t grupa;
        const char* acl;
        std::string uwaga;
        bool zapisuja;  // the group's members may write it after the save
    };
    const Przypadek przypadki[] = {
        {"zawezona.rup", Zespol, "u:65534:rw,g:4695:rx",
         "kgo_zespol). Nową grupą pliku jest nogroup. Zawężono uprawnienia do pliku użytkownikom: kgo_d, kgo_e.",
         false},
        // No member the database knows: whoever comes to it is narrowed.
        {"bez_czlonkow.rup", BezCzlonkow, "u:65534:rw,g:4694:rx", "4694). Nową grupą pliku jest nogroup.", false},
        {"zachowana.rup", Zespol, "u:65534:rw,g:4695:r",
         "kgo_zespol). Nową grupą pliku jest nogroup; dotychczasowa grupa (kgo_zespol) zachowała swoje uprawnienia "
         "do niego.",
         true},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        const fs::path plik = katalog / p.nazwa;
        Zapisz(p.nazwa, "stare\r\n");
        ASSERT_EQ(::chown(plik.c_str(), 4678, p.grupa), 0);
        fs::permissions(plik, fs::perms(0660));
        if (!UstawAcl(std::string("-m ") + p.acl, plik))
            GTEST_SKIP() << "no access lists here (or no setfacl: the package acl)";
        ASSERT_TRUE(Otwiera(CzlonkowieZespolu::D, p.grupa, {}, plik, O_RDWR));
        EXPECT_EQ(UwagaZapisuJakoNobody(plik, {}), "Plik " + plik.string() + zapisany + p.uwaga);
        EXPECT_EQ(Otwiera(CzlonkowieZespolu::D, p.grupa, {}, plik, O_RDWR), p.zapisuja);
        EXPECT_EQ(Otwiera(CzlonkowieZespolu::E, p.grupa, {}, plik, O_WRONLY), p.zapisuja);
        EXPECT_TRUE(Otwiera(CzlonkowieZespolu::E, p.grupa, {}, plik, O_RDONLY));
    }
}

// A colleague's save that narrowed a system account's rights named it
// beside the people the file is shared with. Only ordinary accounts (and
// numbers without one) are named.
TEST_F(PlikiTekstowe, ANarrowingNamesNoSystemAccount)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as other users";
    const passwd* systemowe = ::getpwnam("daemon");
    if (!systemowe || systemowe->pw_uid == 0 || systemowe->pw_uid >= 1000)
        GTEST_SKIP() << "no system account daemon";
    fs::permissions(katalog, fs::perms(0777));
    const fs::path plik = katalog / "p.rup";
    Zapisz("p.rup", "stare\r\n");
    ASSERT_EQ(::chown(plik.c_str(), 4678, 4676), 0);
    fs::permissions(plik, fs::perms(0600));
    if (!UstawAcl("-m u:" + std::to_string(systemowe->pw_uid) + ":rw,u:4679:rw,u:65534:rw", plik))
        GTEST_SKIP() << "no access lists here (or no setfacl: the package acl)";
    odmowaAtrybutow = {"system.posix_acl_access"};
    const std::string uwaga = UwagaZapisuJakoNobody(plik, {4676});
    odmowaAtrybutow.clear();
    EXPECT_EQ(uwaga, "Plik " + plik.string() +
                         " został zapisany i należy teraz do użytkownika nobody. Nie udało się zachować listy "
                         "uprawnień (ACL). Zawężono uprawnienia do pliku użytkownikom: 4678, 4679.");
}

// A target whose permissions changed at every check was replaced after the
// fifth, with the permissions read before that check's change. A change
// seen at a check starts another round; a target changing at every one is
// not replaced: the save fails, the old file as it was. One that settles is
// replaced, with the permissions it settled on and no question (its bytes
// did not change).
TEST_F(PlikiTekstowe, ATargetChangingAtEveryCheckIsNotReplaced)
{
    const std::string plik = Sciezka("p.rup");
    static std::string cel;
    static int zmian = 0;  // left to make; -1: at every round
    static int rund = 0;
    cel = plik;
    poZmianiePliku = [](int, const char* wywolanie) {
        if (std::string_view(wywolanie) != "fchmod" || zmian == 0)
            return;
        ++rund;
        if (zmian > 0)
            --zmian;
        ::chmod(cel.c_str(), rund % 2 ? 0640 : 0604);
    };
    for (const bool nazwane : {false, true}) {
        SCOPED_TRACE(nazwane ? "named temporary files" : "files without a name");
        ZapisujTylkoPrzezNazwanePliki(nazwane);
        Zapisz("p.rup", "stare\r\n");
        int pytania = 0;
        ZapisZmienionego zmiany{ZawartoscPliku::Z("stare\r\n"), [&](const std::string&) { return ++pytania, true; }};
        std::string blad;
        zmian = -1;
        rund = 0;
        EXPECT_FALSE(ZapiszLinieBezpiecznie(plik, {"nowe"}, blad, nullptr, &zmiany));
        zmian = 0;
        EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można zapisać pliku " + plik + " (plik wciąż zmieniał się podczas zapisu).");
        EXPECT_FALSE(zmiany.naMiejscu);
        EXPECT_GT(rund, 5);
        EXPECT_EQ(Tresc("p.rup"), "stare\r\n");
        EXPECT_EQ(fs::status(plik).permissions(), fs::perms(rund % 2 ? 0640 : 0604));
        EXPECT_EQ(LiczbaPlikow(), 1u);

        zmian = 4;
        rund = 0;
        ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, {"nowe"}, blad, nullptr, &zmiany)) << blad;
        EXPECT_EQ(rund, 4);
        EXPECT_EQ(Tresc("p.rup"), "nowe\r\n");
        EXPECT_EQ(fs::status(plik).permissions(), fs::perms(0604));
        EXPECT_EQ(pytania, 0);
        EXPECT_EQ(LiczbaPlikow(), 1u);
    }
    poZmianiePliku = nullptr;
    ZapisujTylkoPrzezNazwanePliki(false);
}

// After "… został zapisany, ale system nie potwierdził …; zapisz go
// ponownie." the record was still of the file before, and saving again as
// told asked about the user's own save. The file in place, the record is of
// its bytes, whatever the folder's flush said.
TEST_F(PlikiTekstowe, AFileInPlaceIsTheRecordsThoughTheFoldersFlushFailed)
{
    const std::string plik = Sciezka("p.rup");
    Zapisz("p.rup", "stare\r\n");
    std::vector<std::string> pytania;
    ZapisZmienionego zmiany{ZawartoscPliku::Z("stare\r\n"), [&](const std::string& p) {
                                pytania.push_back(p);
                                return false;
                            }};
    std::string blad;
    sledzony = plik;
    bladKatalogu = EIO;
    EXPECT_FALSE(ZapiszLinieBezpiecznie(plik, {"po awarii"}, blad, nullptr, &zmiany));
    bladKatalogu = 0;
    sledzony.clear();
    EXPECT_TRUE(zmiany.naMiejscu);
    EXPECT_FALSE(zmiany.odmowa);
    EXPECT_EQ(Tresc("p.rup"), "po awarii\r\n");
    ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, {"ponownie"}, blad, nullptr, &zmiany)) << blad;
    EXPECT_TRUE(pytania.empty()) << pytania.front();
    EXPECT_EQ(Tresc("p.rup"), "ponownie\r\n");

    // A save that never put its file in place keeps the record it had.
    const ZawartoscPliku zapisana = zmiany.zawartosc;
    Zapisz("p.rup", "cudze\r\n");
    EXPECT_FALSE(ZapiszLinieBezpiecznie(plik, {"moje"}, blad, nullptr, &zmiany));
    EXPECT_TRUE(zmiany.odmowa);
    EXPECT_FALSE(zmiany.naMiejscu);
    EXPECT_EQ(zmiany.zawartosc.skrot, zapisana.skrot);
    EXPECT_EQ(pytania.size(), 1u);
}
