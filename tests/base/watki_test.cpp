// Pieces made on threads and handed on in order: the whole comes out as one
// thread makes it, whatever order the threads end in, and a failure on
// either side stops the work and reaches the caller.

#include <gtest/gtest.h>

#include <atomic>
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
