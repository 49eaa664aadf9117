// Pieces made on threads and handed on in order: the whole comes out as one
// thread makes it, whatever order the threads end in, and a failure on
// either side stops the work and reaches the caller.

#include <gtest/gtest.h>
#include <sched.h>

#include <atomic>
#include <mutex>
#include <set>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "base/Watki.h"

namespace {

// Piece i: its number and a run of letters as long as it is uneven, made
// after a wait that makes later pieces end first now and then.
void ZrobPorcje(int i, std::string& bufor)
{
    if (i % 3 == 0)
        std::this_thread::sleep_for(std::chrono::microseconds(200 * (i % 7)));
    const char litera = static_cast<char>('a' + i % 26);
    bufor += std::to_string(i) + ":" + std::string(static_cast<std::size_t>(i * 37 % 11), litera) + ";";
}

std::string Calosc(int porcji, int watkow)
{
    std::string calosc;
    PorcjeWKolejnosci(porcji, watkow, ZrobPorcje, [&](std::string& bufor) { calosc += bufor; });
    return calosc;
}

TEST(PorcjeWKolejnosci, CaloscJakZJednegoWatku)
{
    for (int porcji : {0, 1, 2, 5, 40, 203}) {
        std::string oczekiwana;
        for (int i = 0; i < porcji; ++i)
            ZrobPorcje(i, oczekiwana);
        for (int watkow : {0, 1, 2, 3, 8, 9})
            EXPECT_EQ(Calosc(porcji, watkow), oczekiwana) << porcji << " pieces, " << watkow << " threads";
    }
    EXPECT_EQ(Calosc(3, 4), "0:;1:bbbb;2:cccccccc;");
}

// Each piece starts from an empty buffer, also when its room served before.
TEST(PorcjeWKolejnosci, KazdaPorcjaOdPustegoBufora)
{
    std::atomic<int> niepustych = 0;
    PorcjeWKolejnosci(
        100, 4,
        [&](int i, std::string& bufor) {
            niepustych += !bufor.empty();
            bufor.assign(static_cast<std::size_t>(1000 + i), 'x');
        },
        [](std::string&) {});
    EXPECT_EQ(niepustych, 0);
}

// A maker that throws and a receiver that throws: the exception comes out,
// nothing after the failed piece is handed on, and no thread is left waiting.
TEST(PorcjeWKolejnosci, BladZatrzymujePraceIWychodzi)
{
    for (int watkow : {1, 2, 8}) {
        std::vector<int> oddane;
        int nastepna = 0;
        EXPECT_THROW(PorcjeWKolejnosci(
                         60, watkow,
                         [](int i, std::string& bufor) {
                             if (i == 17)
                                 throw std::runtime_error("piece 17");
                             bufor = std::to_string(i);
                         },
                         [&](std::string& bufor) { oddane.push_back(std::stoi(bufor)); }),
                     std::runtime_error)
            << watkow;
        for (int o : oddane)
            EXPECT_EQ(o, nastepna++) << watkow;
        EXPECT_LE(nastepna, 17) << watkow;  // never past the failed piece

        int przyjetych = 0;
        EXPECT_THROW(PorcjeWKolejnosci(
                         60, watkow, [](int i, std::string& bufor) { bufor = std::to_string(i); },
                         [&](std::string&) {
                             if (++przyjetych == 5)
                                 throw std::runtime_error("disk full");
                         }),
                     std::runtime_error)
            << watkow;
        EXPECT_EQ(przyjetych, 5) << watkow;
    }
}

TEST(Rownolegle, KazdaPracaRazIBladPoWszystkich)
{
    std::vector<std::atomic<int>> razy(6);
    Rownolegle(6, [&](int k) { ++razy[static_cast<std::size_t>(k)]; });
    for (auto& r : razy)
        EXPECT_EQ(r, 1);
    std::atomic<int> skonczonych = 0;
    EXPECT_THROW(Rownolegle(4,
                            [&](int k) {
                                if (k == 2)
                                    throw std::logic_error("x");
                                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                                ++skonczonych;
                            }),
                 std::logic_error);
    EXPECT_EQ(skonczonych, 3);
}

// The system refuses a thread (no memory for its stack): the work runs on
// the threads there are, down to the caller's alone, each part once, and
// the pieces still come out whole and in order.
TEST(Rownolegle, BezNowychWatkowNaTychCoSa)
{
    const std::thread::id wlasny = std::this_thread::get_id();
    for (int awaria : {1, 3}) {
        ZakonczWatkiPuli();
        UstawAwarieWatkow(awaria);
        std::vector<std::atomic<int>> razy(8);
        std::mutex m;
        std::set<std::thread::id> watki;
        Rownolegle(8, [&](int k) {
            ++razy[static_cast<std::size_t>(k)];
            const std::lock_guard blokada(m);
            watki.insert(std::this_thread::get_id());
        });
        for (auto& r : razy)
            EXPECT_EQ(r, 1) << awaria;
        EXPECT_LE(watki.size(), static_cast<std::size_t>(awaria)) << awaria;
        EXPECT_TRUE(watki.count(wlasny)) << awaria;

        std::string oczekiwana;
        for (int i = 0; i < 40; ++i)
            ZrobPorcje(i, oczekiwana);
        EXPECT_EQ(Calosc(40, 8), oczekiwana) << awaria;
    }
    UstawAwarieWatkow(0);
    ZakonczWatkiPuli();
}

// The threads are the pool's: a thousand jobs start no more threads than
// the first did.
TEST(Rownolegle, WatkiPuliNaCalyProgram)
{
    Rownolegle(8, [](int) {});
    const int uruchomione = UruchomioneWatkiPuli();
    for (int i = 0; i < 1000; ++i)
        Rownolegle(8, [](int) {});
    std::string calosc;
    for (int i = 0; i < 100; ++i)
        PorcjeWKolejnosci(10, 8, ZrobPorcje, [&](std::string& b) { calosc += b; });
    // Threads busy a moment longer than their job are not waited for: the
    // pool may start one or two more, never one per job.
    EXPECT_LE(UruchomioneWatkiPuli() - uruchomione, 8);
}

// Limited to one processor (taskset), the work takes one thread; the mask
// comes back after.
TEST(WatkiPracy, ProcesoryDozwoloneProcesowi)
{
    UstawWatkiPracy(0);
    cpu_set_t byl;
    ASSERT_EQ(sched_getaffinity(0, sizeof byl, &byl), 0);
    for (int dozwolonych : {1, 2}) {
        if (CPU_COUNT(&byl) < dozwolonych)
            continue;
        cpu_set_t zbior;
        CPU_ZERO(&zbior);
        for (int c = 0, dodanych = 0; c < CPU_SETSIZE && dodanych < dozwolonych; ++c)
            if (CPU_ISSET(c, &byl)) {
                CPU_SET(c, &zbior);
                ++dodanych;
            }
        ASSERT_EQ(sched_setaffinity(0, sizeof zbior, &zbior), 0);
        EXPECT_EQ(WatkiPracy(), dozwolonych);
        ASSERT_EQ(sched_setaffinity(0, sizeof byl, &byl), 0);
    }
    EXPECT_EQ(WatkiPracy(), std::min(CPU_COUNT(&byl), 8));
}

TEST(WatkiPracy, JedenWatekDlaMalejPracy)
{
    EXPECT_EQ(WatkiDlaPracy(8, 0, 4), 1);
    EXPECT_EQ(WatkiDlaPracy(8, 7, 4), 1);
    EXPECT_EQ(WatkiDlaPracy(8, 8, 4), 2);
    EXPECT_EQ(WatkiDlaPracy(8, 100, 4), 8);
    EXPECT_EQ(WatkiDlaPracy(1, 100, 4), 1);
}

TEST(WatkiPracy, UstawioneAlboRdzenieMaszyny)
{
    UstawWatkiPracy(3);
    EXPECT_EQ(WatkiPracy(), 3);
    UstawWatkiPracy(20);
    EXPECT_EQ(WatkiPracy(), 8);
    UstawWatkiPracy(0);
    EXPECT_GE(WatkiPracy(), 1);
    EXPECT_LE(WatkiPracy(), 8);
}

} // namespace
