// Three copies of the program, each a process of its own, saving one file
// back to back through the safe save, each with its own record of the file.
// No version told "saved" is lost: it stands at the end, or the save that
// replaced it either knew it (its writer's own last save, or the file as
// its writer read it) or asked about it. No one is asked about his own save.
// So too in a folder its users may write but not read, with other programs
// holding the folder's lock and readers the file's all along (no save waits
// more than a few seconds), and with one writer whose flushes outlast the
// others' wait for a turn. The test program wraps fsync (wolny_flush.h).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <map>
#include <set>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "base/Kodowanie.h"
#include "platform/ZapisBezpieczny.h"
#include "platform/ZapisTymczasowe.h"
#include "wspolne/wolny_flush.h"

namespace fs = std::filesystem;

namespace {

constexpr int Piszacych = 3;

std::string Czytaj(const std::string& plik)
{
    std::ifstream f(plik, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// A version's name is its first line. The rest is long enough that a check
// of the target takes a while.
std::string Wersja(const std::string& bajty) { return bajty.substr(0, bajty.find('\n')); }
std::string Bajty(const std::string& wersja) { return wersja + "\n" + std::string(1 << 18, '.') + "\n"; }

// One writer's saves. Its log, a line each:
//   "Z <saved> <replaced>..."  a save told "saved", and the versions it
//                              replaced as far as its writer knew: the
//                              ones it was asked about, else its record's;
//   "P <asked about> <record>" a question;
//   "N"                        "Nie" to it;
//   "B <message>"              a save that failed with an error;
//   "C <milliseconds>"         how long a save took, whatever its end.
// After "Nie" the writer reads the file anew, as a user reopening it.
void Piszacy(int kto, const std::string& plik, const std::string& dziennik, bool tak, int zapisow)
{
    std::ofstream log(dziennik);
    std::string bajty = Czytaj(plik);
    ZawartoscPliku znana = ZawartoscPliku::Z(bajty);
    std::string wlasna = Wersja(bajty);
    for (int n = 0; n < zapisow; ++n) {
        const auto poczatek = std::chrono::steady_clock::now();
        const std::string wersja = "w" + std::to_string(kto) + "-" + std::to_string(n);
        std::vector<std::string> pytany;
        ZapisBezpieczny zapis;
        std::string blad;
        bool zapisany = zapis.Otworz(plik, blad);
        if (zapisany) {
            zapis.ZnanaZawartosc(znana, [&](const std::string&) {
                pytany.push_back(Wersja(Czytaj(plik)));
                log << "P " << pytany.back() << ' ' << wlasna << '\n';
                return tak;
            });
            zapisany = zapis.Pisz(Bajty(wersja), blad) && zapis.Zakoncz(blad);
        }
        if (zapisany) {
            log << "Z " << wersja;
            for (const std::string& v : pytany.empty() ? std::vector<std::string>{wlasna} : pytany)
                log << ' ' << v;
            log << '\n';
            znana = zapis.Zapisana();
            wlasna = wersja;
        } else if (zapis.Odmowa()) {
            log << "N\n";
            bajty = Czytaj(plik);
            znana = ZawartoscPliku::Z(bajty);
            wlasna = Wersja(bajty);
        } else
            log << "B " << Cp1250NaUtf8(blad) << '\n';
        log << "C "
            << std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - poczatek).count()
            << '\n';
    }
}

// What the writers save under.
struct Warunki {
    const char* nazwa;
    int zapisow;                // each writer's saves
    bool tylkoDoZapisu = false; // a folder its users may write but not read
    bool cudzeBlokady = false;  // the folder and the file locked by others all along
    bool wolnyPiszacy = false;  // writer 0 flushes longer than the others wait for a turn
};

// A child process running `praca` until it is killed.
template <class Praca>
pid_t WTle(Praca praca)
{
    const pid_t d = ::fork();
    if (d == 0) {
        praca();
        ::_exit(0);
    }
    return d;
}

// Another program that holds the folder's lock, and a reader that holds
// the file's (a shared flock and a read lock of its bytes) time and again.
std::vector<pid_t> CudzeBlokady(const fs::path& folder, const std::string& plik)
{
    return {WTle([&] {
                const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
                ::flock(fd, LOCK_EX);
                for (;;)
                    ::pause();
            }),
            WTle([&] {
                for (;;) {
                    const int fd = ::open(plik.c_str(), O_RDONLY);
                    struct stat st {};
                    ::fstat(fd, &st);
                    ::flock(fd, LOCK_SH);
                    struct flock f {};
                    f.l_type = F_RDLCK;
                    f.l_whence = SEEK_SET;
                    f.l_len = st.st_size;
                    ::fcntl(fd, F_SETLK, &f);
                    ::usleep(20000);
                    ::close(fd);
                }
            })};
}

// A folder its users may write but not read (2730, its group theirs):
// root reads any, so its writers are "nobody" then.
void TylkoDoZapisu(const fs::path& folder, const std::string& plik)
{
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.c_str(), 0, 65534), 0);
        ASSERT_EQ(::chmod(folder.c_str(), 02730), 0);
        ASSERT_EQ(::chown(plik.c_str(), 65534, 65534), 0);
    } else
        ASSERT_EQ(::chmod(folder.c_str(), 0330), 0);
}

bool JakoNobody()
{
    return ::setgroups(0, nullptr) == 0 && ::setresgid(65534, 65534, 65534) == 0 &&
           ::setresuid(65534, 65534, 65534) == 0;
}

void Przebieg(const fs::path& katalog, const Warunki& w, bool nazwane, bool tak)
{
    const std::string jak = std::string(w.nazwa) + (nazwane ? ", named temporaries" : ", unnamed temporaries") +
                            (tak ? ", \"Tak\"" : ", \"Nie\"");
    SCOPED_TRACE(jak);
    const fs::path folder = katalog / "folder", dzienniki = katalog / "dzienniki";
    fs::create_directories(folder);
    fs::create_directories(dzienniki);
    fs::permissions(dzienniki, fs::perms::all);
    const std::string plik = (folder / "wspolny.rup").string();
    std::ofstream(plik, std::ios::binary) << Bajty("v0");
    if (w.tylkoDoZapisu)
        TylkoDoZapisu(folder, plik);
    const std::vector<pid_t> obcy = w.cudzeBlokady ? CudzeBlokady(folder, plik) : std::vector<pid_t>{};
    std::vector<pid_t> dzieci;
    for (int kto = 0; kto < Piszacych; ++kto) {
        const pid_t d = ::fork();
        ASSERT_GE(d, 0);
        if (d == 0) {
            if (w.tylkoDoZapisu && ::geteuid() == 0 && !JakoNobody())
                ::_exit(2);
            ZapisujTylkoPrzezNazwanePliki(nazwane);
            if (w.wolnyPiszacy) {
                // Margins wide enough for a loaded machine's flushes.
                zapis::CzasNaKolej = std::chrono::milliseconds(2000);
                if (kto == 0)
                    wolnyFlush = std::chrono::milliseconds(2500);
            }
            Piszacy(kto, plik, (dzienniki / std::to_string(kto)).string(), tak,
                    w.wolnyPiszacy && kto == 0 ? 2 : w.zapisow);
            ::_exit(0);
        }
        dzieci.push_back(d);
    }
    for (const pid_t d : dzieci) {
        int stan = 0;
        ASSERT_EQ(::waitpid(d, &stan, 0), d);
        EXPECT_TRUE(WIFEXITED(stan) && WEXITSTATUS(stan) == 0);
    }
    for (const pid_t d : obcy) {
        ::kill(d, SIGKILL);
        ::waitpid(d, nullptr, 0);
    }

    std::set<std::string> zapisane{"v0"}, zastapione;
    int zapisow = 0, pytan = 0, poPytaniu = 0, zbednych = 0;
    long najdluzszy = 0;
    std::vector<std::string> bledy;
    for (int kto = 0; kto < Piszacych; ++kto) {
        std::ifstream log(dzienniki / std::to_string(kto));
        std::set<std::string> pytane;  // by this writer's save under way
        for (std::string linia; std::getline(log, linia);) {
            std::istringstream s(linia);
            std::string rodzaj, wersja, v;
            s >> rodzaj >> wersja;
            if (rodzaj == "C") {
                if (!(w.wolnyPiszacy && kto == 0))
                    najdluzszy = std::max(najdluzszy, std::stol(wersja));
            } else if (rodzaj == "P") {
                ++pytan;
                s >> v;
                zbednych += v == wersja;
                pytane.insert(wersja);
            } else if (rodzaj == "Z") {
                ++zapisow;
                zapisane.insert(wersja);
                while (s >> v) {
                    zastapione.insert(v);
                    poPytaniu += pytane.count(v) > 0;
                }
                pytane.clear();
            } else {
                if (rodzaj == "B")
                    bledy.push_back(linia);
                pytane.clear();
            }
        }
    }
    const std::string koncowa = Wersja(Czytaj(plik));
    std::vector<std::string> utracone;
    for (const std::string& v : zapisane)
        if (v != koncowa && !zastapione.count(v))
            utracone.push_back(v);
    std::printf("[ zapisy   ] %s: saves %d, questions %d, replaced after asking %d, lost %zu, "
                "questions about the own save %d, failed saves %zu, longest save %ld ms\n",
                jak.c_str(), zapisow, pytan, poPytaniu, utracone.size(), zbednych, bledy.size(), najdluzszy);
    EXPECT_TRUE(utracone.empty()) << "lost: " << ::testing::PrintToString(utracone);
    EXPECT_EQ(zbednych, 0);
    // Only a file that changed at every check may fail a save.
    for (const std::string& b : bledy)
        EXPECT_NE(b.find("plik wciąż zmieniał się podczas zapisu"), std::string::npos) << b;
    EXPECT_GT(zapisow, 0);
    EXPECT_LT(najdluzszy, 5000);
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "a temporary file left";
    fs::remove_all(folder);
    fs::remove_all(dzienniki);
}

} // namespace

TEST(ZapisyNaraz, NoSavedVersionIsLostUnasked)
{
    const fs::path katalog = fs::temp_directory_path() / ("kg_naraz_" + std::to_string(::getpid()));
    fs::remove_all(katalog);
    const Warunki warunki[] = {
        {"a folder of their own", 30},
        {"a write-only folder", 30, true},
        {"the folder and the file locked by others", 10, false, true},
        {"a writer slower than the wait for a turn", 12, false, false, true},
    };
    for (const Warunki& w : warunki)
        for (const bool nazwane : {false, true})
            for (const bool tak : {true, false})
                Przebieg(katalog, w, nazwane, tak);
    fs::remove_all(katalog);
}
