// The window while a save waits for its turn: the hook the program installs
// at its start shows Qt's wait cursor for the wait and takes it away after
// it, whether the turn came or the save went on without it, and shows none
// while the user is asked about a change.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/ZapisBezpieczny.h"
#include "platform/ZapisTymczasowe.h"
#include "platform/qt/KursorCzekania.h"
#include "wspolne/kolej_pliku.h"

namespace fs = std::filesystem;

namespace {

std::string Kursor()
{
    const QCursor* k = QGuiApplication::overrideCursor();
    return !k ? "none" : k->shape() == Qt::WaitCursor ? "wait" : "other";
}

// A child process that holds the file's turn for `ms` milliseconds; it
// returns once the turn is held.
pid_t TrzymaKolej(const std::string& plik, int ms)
{
    int rura[2];
    if (::pipe(rura) != 0)
        return -1;
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        const int fd = KolejPliku(plik);
        const char jest = fd >= 0 ? '1' : '0';
        (void)!::write(rura[1], &jest, 1);
        ::usleep(static_cast<useconds_t>(ms) * 1000);
        ::_exit(0);
    }
    char jest = '0';
    (void)!::read(rura[0], &jest, 1);
    ::close(rura[0]);
    ::close(rura[1]);
    return jest == '1' ? dziecko : -1;
}

} // namespace

TEST(KursorCzekania, AWaitForTheTurnShowsTheWaitCursor)
{
    const fs::path katalog = fs::temp_directory_path() / ("kg_kursor_" + std::to_string(::getpid()));
    fs::create_directories(katalog);
    const std::string plik = (katalog / "p.rup").string();
    const auto dotad = zapis::CzasNaKolej;
    zapis::CzasNaKolej = std::chrono::milliseconds(300);
    PokazujCzekanieNaKolejKursorem();
    const std::function<void(bool)> zainstalowany = PokazCzekaniaNaKolej();
    ASSERT_TRUE(zainstalowany);
    std::vector<std::string> kursory;
    PokazujCzekanieNaKolej([&](bool czeka) {
        zainstalowany(czeka);
        kursory.push_back((czeka ? "waits: " : "ends: ") + Kursor());
    });
    // Held a moment the turn comes; held long the save goes on without it.
    for (const int ms : {100, 60000}) {
        SCOPED_TRACE(ms);
        std::ofstream(plik, std::ios::binary) << "cudze\r\n";
        kursory.clear();
        const pid_t dziecko = TrzymaKolej(plik, ms);
        ASSERT_GT(dziecko, 0);
        ZapisZmienionego zmiany{ZawartoscPliku::Z("stare\r\n"), [&](const std::string&) {
                                    kursory.push_back("asked: " + Kursor());
                                    return true;
                                }};
        std::string blad;
        EXPECT_TRUE(ZapiszLinieBezpiecznie(plik, {"moje"}, blad, nullptr, &zmiany)) << blad;
        ::kill(dziecko, SIGKILL);
        ::waitpid(dziecko, nullptr, 0);
        EXPECT_EQ(kursory, (std::vector<std::string>{"waits: wait", "ends: none", "asked: none"}));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    PokazujCzekanieNaKolej(nullptr);
    zapis::CzasNaKolej = dotad;
    fs::remove_all(katalog);
}
