// The safe save's last moments: the turn the program's saves of a file
// take from the check of the target to the rename, the question asked out
// of it, and a target gone or replaced before the end. The test program is
// linked with flock and fcntl wrapped: `odmowaBlokady` makes a folder's
// lock and a file's byte-range lock fail.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "base/Kodowanie.h"
#include "platform/ZapisBezpieczny.h"
#include "platform/ZapisTymczasowe.h"
#include "wspolne/folder_testu.h"
#include "wspolne/kolej_pliku.h"
#include "wspolne/odmowa_atrybutow.h"

namespace fs = std::filesystem;

namespace {

int odmowaBlokady = 0;

} // namespace

extern "C" int __real_flock(int fd, int operacja);
extern "C" int __wrap_flock(int fd, int operacja)
{
    struct stat st {};
    if (odmowaBlokady != 0 && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        errno = odmowaBlokady;
        return -1;
    }
    return __real_flock(fd, operacja);
}

extern "C" int __real_fcntl(int fd, int polecenie, ...);
extern "C" int __wrap_fcntl(int fd, int polecenie, ...)
{
    va_list argumenty;
    va_start(argumenty, polecenie);
    void* argument = va_arg(argumenty, void*);
    va_end(argumenty);
    if (odmowaBlokady != 0 && polecenie == F_OFD_SETLK) {
        errno = odmowaBlokady;
        return -1;
    }
    return __real_fcntl(fd, polecenie, argument);
}

namespace {

class KolejZapisuTest : public FolderTestu {
protected:
    KolejZapisuTest() : FolderTestu("kg_kolej_") {}
    void SetUp() override
    {
        FolderTestu::SetUp();
        plik = (katalog / "p.rup").string();
        Zapisz("stare\r\n");
    }
    void TearDown() override
    {
        ZapisujTylkoPrzezNazwanePliki(false);
        FolderTestu::TearDown();
    }
    // As another program writes the target: a whole new file put in place.
    void Zapisz(const std::string& tresc) const
    {
        const std::string obok = (katalog / "obok.tmp").string();
        std::ofstream(obok, std::ios::binary) << tresc;
        fs::rename(obok, plik);
    }
    std::string Tresc() const { return TrescPliku(plik); }
    std::string plik;
};

// Whether another could take the turn of the file now.
bool KolejWolna(const std::string& plik)
{
    const int fd = KolejPliku(plik);
    ::close(fd);
    return fd >= 0;
}

// The calls of the hook that shows the wait for a turn (true: it began).
std::vector<bool> czekania;

// The question as the save words it, of the target as it stands.
std::string Pytanie(const std::string& plik, const char* zmieniony)
{
    struct stat st {};
    ::stat(plik.c_str(), &st);
    const passwd* pw = ::getpwuid(st.st_uid);
    struct tm t {};
    char czas[32];
    ::localtime_r(&st.st_mtim.tv_sec, &t);
    std::strftime(czas, sizeof czas, "%d.%m.%Y %H:%M", &t);
    return "Plik " + plik + " został " + zmieniony + " (właściciel pliku: " +
           (pw ? pw->pw_name : std::to_string(st.st_uid)) + ", " + czas + "). Zapisać i zastąpić tamte zmiany?";
}

} // namespace

// A check that ran while another save's rename was under way saw the old
// file, and the save then replaced the new one unasked. A save waits for
// its turn (another holder of the file's lock) and checks the target in
// it; it takes the target's permissions in its turn too, and asks out of
// it, so that other saves go on while the user thinks. The turn is the
// file's: once another file took the name, its turn is taken.
TEST_F(KolejZapisuTest, SavesOfAFileTakeTurnsFromTheCheckToTheRename)
{
    for (const bool nazwane : {false, true}) {
        SCOPED_TRACE(nazwane ? "named temporary files" : "files without a name");
        ZapisujTylkoPrzezNazwanePliki(nazwane);
        Zapisz("stare\r\n");
        const int blokada = KolejPliku(plik);
        ASSERT_GE(blokada, 0);

        std::vector<std::string> pytania;
        std::atomic<bool> zakonczony{false};
        static std::atomic<int> wolnaPrzyPrawach{-1};
        static std::string sciezka;
        sciezka = plik;
        wolnaPrzyPrawach = -1;
        bool wolnaPrzyPytaniu = false;
        poZmianiePliku = [](int, const char* wywolanie) {
            if (std::string_view(wywolanie) == "fchmod")
                wolnaPrzyPrawach = KolejWolna(sciezka);
        };
        ZapisZmienionego zmiany{ZawartoscPliku::Z("stare\r\n"), [&](const std::string& p) {
                                    pytania.push_back(Cp1250NaUtf8(p));
                                    wolnaPrzyPytaniu = KolejWolna(plik);
                                    return false;
                                }};
        bool zapisany = true;
        std::thread zapis([&] {
            std::string blad;
            zapisany = ZapiszLinieBezpiecznie(plik, {"moje"}, blad, nullptr, &zmiany);
            zakonczony = true;
        });
        ::usleep(200000);
        EXPECT_FALSE(zakonczony) << "renamed out of its turn";
        Zapisz("cudze\r\n");
        zapis.join();
        ::close(blokada);
        poZmianiePliku = nullptr;

        EXPECT_FALSE(zapisany);
        EXPECT_TRUE(zmiany.odmowa);
        EXPECT_EQ(pytania, std::vector<std::string>{Pytanie(plik, "zmieniony po otwarciu")});
        EXPECT_TRUE(wolnaPrzyPytaniu);
        EXPECT_EQ(wolnaPrzyPrawach, 0);
        EXPECT_EQ(Tresc(), "cudze\r\n");
        EXPECT_EQ(LiczbaPlikow(), 1u);
    }
}

// Anyone who could open the folder held every save in it by its lock (a
// colleague's long save beside it too): the window hung 10 s unmarked, and
// the save failed. The folder's lock holds only a save of a new file now,
// and a turn not given in time (`CzasNaKolej`) is not waited for: the save
// goes on and succeeds, its check before the rename still asking about a
// change, and waits no more in its later rounds. The window is told of the
// wait from its start to its end, and not while the user is asked.
TEST_F(KolejZapisuTest, ATurnHeldTooLongIsNotWaitedFor)
{
    const auto dotad = zapis::CzasNaKolej;
    zapis::CzasNaKolej = std::chrono::milliseconds(300);
    PokazujCzekanieNaKolej([](bool czeka) { czekania.push_back(czeka); });
    const int folder = ::open(katalog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(folder, LOCK_EX), 0);
    struct Przypadek {
        const char* jak;
        std::string plik;
        bool kolejPliku;  // the file's turn held too, and the file changed
        std::vector<bool> czekania;
    };
    const Przypadek przypadki[] = {
        {"the folder's lock held", plik, false, {}},
        {"the file's turn held", plik, true, {true, false}},
        {"a new file, the folder's lock held", (katalog / "nowy.rup").string(), false, {true, false}},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.jak);
        czekania.clear();
        Zapisz("cudze\r\n");
        const int blokada = p.kolejPliku ? KolejPliku(plik) : -1;
        int pytania = 0;
        std::vector<bool> czekaniaPrzyPytaniu;
        ZapisZmienionego zmiany{ZawartoscPliku::Z(p.kolejPliku ? "stare\r\n" : "cudze\r\n"),
                                [&](const std::string&) {
                                    czekaniaPrzyPytaniu = czekania;
                                    return ++pytania, true;
                                }};
        std::string blad;
        const auto poczatek = std::chrono::steady_clock::now();
        EXPECT_TRUE(ZapiszLinieBezpiecznie(p.plik, {"moje"}, blad, nullptr, &zmiany)) << blad;
        const auto trwal = std::chrono::steady_clock::now() - poczatek;
        ::close(blokada);
        EXPECT_LT(trwal, p.czekania.empty() ? zapis::CzasNaKolej / 2 : zapis::CzasNaKolej * 2);
        EXPECT_EQ(czekania, p.czekania);
        EXPECT_EQ(pytania, p.kolejPliku ? 1 : 0);
        EXPECT_EQ(czekaniaPrzyPytaniu, p.kolejPliku ? p.czekania : std::vector<bool>{});
        EXPECT_EQ(TrescPliku(p.plik), "moje\r\n");
    }
    ::close(folder);
    PokazujCzekanieNaKolej(nullptr);
    zapis::CzasNaKolej = dotad;
    EXPECT_EQ(LiczbaPlikow(), 2u);
}

// Where the file system takes no lock (of a folder, of a file's bytes),
// saves go on without turns, and still ask about a file changed since it
// was read.
TEST_F(KolejZapisuTest, AFolderWithoutLocksIsSavedIntoWithoutTurns)
{
    for (const int nr : {ENOLCK, EOPNOTSUPP, EINVAL, EBADF}) {
        SCOPED_TRACE(nr);
        int pytania = 0;
        ZapisZmienionego zmiany{ZawartoscPliku::Z(Tresc()), [&](const std::string&) { return ++pytania, true; }};
        std::string blad;
        odmowaBlokady = nr;
        const bool moje = ZapiszLinieBezpiecznie(plik, {"moje"}, blad, nullptr, &zmiany);
        Zapisz("cudze\r\n");
        const bool poCudzym = ZapiszLinieBezpiecznie(plik, {"znowu moje"}, blad, nullptr, &zmiany);
        odmowaBlokady = 0;
        EXPECT_TRUE(moje && poCudzym) << blad;
        EXPECT_EQ(pytania, 1);
        EXPECT_EQ(Tresc(), "znowu moje\r\n");
        EXPECT_EQ(LiczbaPlikow(), 1u);
    }
}

// The new file got its name before the question: a save killed while the
// user was asked left a whole copy under the temporaries' name, where the
// file system has files without a name. It leaves nothing.
TEST_F(KolejZapisuTest, ASaveKilledWhileAskedLeavesNothing)
{
    const int bezNazwy = ::open(katalog.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (bezNazwy < 0)
        GTEST_SKIP() << "no files without a name here";
    ::close(bezNazwy);
    Zapisz("cudze\r\n");
    const pid_t dziecko = ::fork();
    ASSERT_GE(dziecko, 0);
    if (dziecko == 0) {
        ZapisZmienionego zmiany{ZawartoscPliku::Z("stare\r\n"), [](const std::string&) {
                                    ::kill(::getpid(), SIGKILL);
                                    return true;
                                }};
        std::string blad;
        ZapiszLinieBezpiecznie(plik, std::vector<std::string>(1000, "moje"), blad, nullptr, &zmiany);
        ::_exit(0);
    }
    int stan = 0;
    ASSERT_EQ(::waitpid(dziecko, &stan, 0), dziecko);
    EXPECT_TRUE(WIFSIGNALED(stan) && WTERMSIG(stan) == SIGKILL);
    EXPECT_EQ(Tresc(), "cudze\r\n");
    EXPECT_EQ(LiczbaPlikow(), 1u);
}

namespace {

// `getfacl` of the file, ids as numbers, without its name.
std::string Acl(const std::string& plik)
{
    std::string wynik;
    if (FILE* p = ::popen(("getfacl -cn '" + plik + "' 2>/dev/null").c_str(), "r")) {
        char bufor[256];
        while (std::fgets(bufor, sizeof bufor, p))
            wynik += bufor;
        ::pclose(p);
    }
    return wynik;
}

} // namespace

// A file deleted or moved away while it was saved got the new contents'
// mode while written, 0200: saved, and its owner could not read it. It gets
// what a new file in the folder gets: 0666 less the umask, or the folder's
// default access list.
TEST_F(KolejZapisuTest, ATargetGoneBeforeTheEndGetsWhatANewFileGets)
{
    const mode_t maska = ::umask(022);
    const bool listy = std::system(("setfacl -m u:4675:rw '" + plik + "' 2>/dev/null").c_str()) == 0;
    for (const bool nazwane : {false, true})
        for (const bool przeniesiony : {false, true})
            for (const mode_t umask : {022, 077}) {
                SCOPED_TRACE(std::string(nazwane ? "named" : "without a name") +
                             (przeniesiony ? ", moved away" : ", deleted") + ", umask 0" + std::to_string(umask));
                ZapisujTylkoPrzezNazwanePliki(nazwane);
                ::umask(umask);
                Zapisz("stare\r\n");
                ZapisBezpieczny zapis;
                std::string blad;
                ASSERT_TRUE(zapis.Otworz(plik, blad)) << blad;
                ASSERT_TRUE(zapis.Pisz("nowe\r\n", blad)) << blad;
                if (przeniesiony)
                    fs::rename(plik, katalog / "gdzie_indziej.rup");
                else
                    fs::remove(plik);
                ASSERT_TRUE(zapis.Zakoncz(blad)) << blad;
                EXPECT_EQ(fs::status(plik).permissions(), fs::perms(0666 & ~umask));
                EXPECT_EQ(Tresc(), "nowe\r\n");
                fs::remove(katalog / "gdzie_indziej.rup");
            }
    ::umask(022);
    if (!listy) {
        ::umask(maska);
        GTEST_SKIP() << "no access lists here (or no setfacl: the package acl)";
    }
    ASSERT_EQ(std::system(("setfacl -d -m u:4675:r,g::rw,o::- '" + katalog.string() + "'").c_str()), 0);
    const std::string nowy = (katalog / "nowy.rup").string();
    std::ofstream(nowy) << "";
    for (const bool nazwane : {false, true}) {
        SCOPED_TRACE(nazwane ? "named, default list" : "without a name, default list");
        ZapisujTylkoPrzezNazwanePliki(nazwane);
        Zapisz("stare\r\n");
        ::chmod(plik.c_str(), 0600);
        ZapisBezpieczny zapis;
        std::string blad;
        ASSERT_TRUE(zapis.Otworz(plik, blad)) << blad;
        ASSERT_TRUE(zapis.Pisz("nowe\r\n", blad)) << blad;
        fs::remove(plik);
        ASSERT_TRUE(zapis.Zakoncz(blad)) << blad;
        EXPECT_EQ(Acl(plik), Acl(nowy));
        EXPECT_EQ(fs::status(plik).permissions(), fs::status(nowy).permissions());
    }
    ::umask(maska);
}

// The question named the file's owner as "użytkownik", which users read as
// who changed it. It names him as the file's owner, with the time of the
// change, and says so when it is asked again because the file changed once
// more while the user was asked.
TEST_F(KolejZapisuTest, TheQuestionNamesTheFilesOwnerAndAChangeOnceMore)
{
    Zapisz("cudze\r\n");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(plik.c_str(), 65534, 65534), 0);
    }
    std::vector<std::string> pytania, oczekiwane;
    ZapisZmienionego zmiany{ZawartoscPliku::Z("stare\r\n"), [&](const std::string& p) {
                                pytania.push_back(Cp1250NaUtf8(p));
                                oczekiwane.push_back(
                                    Pytanie(plik, oczekiwane.empty() ? "zmieniony po otwarciu" : "ponownie zmieniony"));
                                if (pytania.size() == 1)
                                    Zapisz("jeszcze inne\r\n");
                                return true;
                            }};
    std::string blad;
    ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, {"moje"}, blad, nullptr, &zmiany)) << blad;
    EXPECT_EQ(pytania, oczekiwane);
    ASSERT_EQ(pytania.size(), 2u);
    if (::geteuid() == 0) {
        EXPECT_NE(pytania[0].find("(właściciel pliku: nobody, "), std::string::npos) << pytania[0];
    }
    EXPECT_EQ(Tresc(), "moje\r\n");
}

// A target replaced during the save by a symbolic link or a pipe was
// replaced in turn by the new file, 0200 with an empty mask: "saved", and
// its owner could not read it. The save fails, saying so, and leaves what
// stands there as it is, whether it came before the end or while the user
// was asked about a change.
TEST_F(KolejZapisuTest, ATargetReplacedByNoRegularFileFailsTheSave)
{
    const std::string inny = (katalog / "inny.rup").string();
    std::ofstream(inny, std::ios::binary) << "inny\r\n";
    for (const bool nazwane : {false, true})
        for (const std::string rodzaj : {"link", "pipe", "folder"})
            for (const bool przyPytaniu : {false, true}) {
                SCOPED_TRACE(std::string(nazwane ? "named, " : "without a name, ") + rodzaj +
                             (przyPytaniu ? ", while asked" : ", before the end"));
                ZapisujTylkoPrzezNazwanePliki(nazwane);
                fs::remove(plik);
                Zapisz("stare\r\n");
                const auto podmien = [&] {
                    fs::remove(plik);
                    if (rodzaj == "link")
                        fs::create_symlink("inny.rup", plik);
                    else if (rodzaj == "pipe")
                        ::mkfifo(plik.c_str(), 0644);
                    else
                        fs::create_directory(plik);
                };
                ZapisBezpieczny zapis;
                std::string blad;
                ASSERT_TRUE(zapis.Otworz(plik, blad)) << blad;
                ASSERT_TRUE(zapis.Pisz("nowe\r\n", blad)) << blad;
                if (przyPytaniu)
                    zapis.ZnanaZawartosc(ZawartoscPliku::Z("inne\r\n"), [&](const std::string&) {
                        podmien();
                        return true;
                    });
                else
                    podmien();
                EXPECT_FALSE(zapis.Zakoncz(blad));
                EXPECT_EQ(Cp1250NaUtf8(blad), "Nie można zapisać pliku " + plik +
                                                  " (plik został w czasie zapisu zastąpiony czymś, co nie jest "
                                                  "zwykłym plikiem).");
                EXPECT_FALSE(zapis.NaMiejscu());
                const fs::file_status stan = fs::symlink_status(plik);
                std::error_code ec;
                if (rodzaj == "link")
                    EXPECT_EQ(fs::read_symlink(plik, ec), "inny.rup");
                else
                    EXPECT_EQ(stan.type(), rodzaj == "pipe" ? fs::file_type::fifo : fs::file_type::directory);
                EXPECT_EQ(TrescPliku(inny), "inny\r\n");
                EXPECT_EQ(LiczbaPlikow(), 2u) << "a temporary file left";
            }
}
