// Three copies of the program, each a process of its own, saving one file
// back to back through the safe save, each with its own record of the file.
// No version told "saved" is lost: it stands at the end, or the save that
// replaced it either knew it (its writer's own last save, or the file as
// its writer read it) or asked about it. No one is asked about his own save.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "base/Kodowanie.h"
#include "platform/ZapisBezpieczny.h"

namespace fs = std::filesystem;

namespace {

constexpr int Piszacych = 3;
constexpr int ZapisowKazdego = 30;

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
//   "B <message>"              a save that failed with an error.
// After "Nie" the writer reads the file anew, as a user reopening it.
void Piszacy(int kto, const std::string& plik, const std::string& dziennik, bool tak)
{
    std::ofstream log(dziennik);
    std::string bajty = Czytaj(plik);
    ZawartoscPliku znana = ZawartoscPliku::Z(bajty);
    std::string wlasna = Wersja(bajty);
    for (int n = 0; n < ZapisowKazdego; ++n) {
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
    }
}

} // namespace

TEST(ZapisyNaraz, NoSavedVersionIsLostUnasked)
{
    const fs::path katalog = fs::temp_directory_path() / ("kg_naraz_" + std::to_string(::getpid()));
    fs::remove_all(katalog);
    fs::create_directories(katalog / "dzienniki");
    const std::string plik = (katalog / "wspolny.rup").string();
    for (const bool nazwane : {false, true})
        for (const bool tak : {true, false}) {
            const std::string jak = std::string(nazwane ? "named temporaries" : "unnamed temporaries") +
                                    (tak ? ", \"Tak\"" : ", \"Nie\"");
            SCOPED_TRACE(jak);
            std::ofstream(plik, std::ios::binary) << Bajty("v0");
            ZapisujTylkoPrzezNazwanePliki(nazwane);
            std::vector<pid_t> dzieci;
            for (int kto = 0; kto < Piszacych; ++kto) {
                const pid_t d = ::fork();
                ASSERT_GE(d, 0);
                if (d == 0) {
                    Piszacy(kto, plik, (katalog / "dzienniki" / std::to_string(kto)).string(), tak);
                    ::_exit(0);
                }
                dzieci.push_back(d);
            }
            for (const pid_t d : dzieci) {
                int stan = 0;
                ASSERT_EQ(::waitpid(d, &stan, 0), d);
                EXPECT_TRUE(WIFEXITED(stan) && WEXITSTATUS(stan) == 0);
            }
            ZapisujTylkoPrzezNazwanePliki(false);

            std::set<std::string> zapisane{"v0"}, zastapione;
            int zapisow = 0, pytan = 0, poPytaniu = 0, zbednych = 0;
            std::vector<std::string> bledy;
            for (int kto = 0; kto < Piszacych; ++kto) {
                std::ifstream log(katalog / "dzienniki" / std::to_string(kto));
                std::set<std::string> pytane;  // by this writer's save under way
                for (std::string linia; std::getline(log, linia);) {
                    std::istringstream s(linia);
                    std::string rodzaj, wersja, v;
                    s >> rodzaj >> wersja;
                    if (rodzaj == "P") {
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
            for (const std::string& w : zapisane)
                if (w != koncowa && !zastapione.count(w))
                    utracone.push_back(w);
            std::printf("[ zapisy   ] %s: saves %d, questions %d, replaced after asking %d, lost %zu, "
                        "questions about the own save %d, failed saves %zu\n",
                        jak.c_str(), zapisow, pytan, poPytaniu, utracone.size(), zbednych, bledy.size());
            EXPECT_TRUE(utracone.empty()) << "lost: " << ::testing::PrintToString(utracone);
            EXPECT_EQ(zbednych, 0);
            // Only a file that changed at every check may fail a save.
            for (const std::string& b : bledy)
                EXPECT_NE(b.find("plik wciąż zmieniał się podczas zapisu"), std::string::npos) << b;
            EXPECT_GT(zapisow, 0);
            EXPECT_EQ(std::distance(fs::directory_iterator(katalog), fs::directory_iterator()), 2)
                << "a temporary file left";
        }
    fs::remove_all(katalog);
}
