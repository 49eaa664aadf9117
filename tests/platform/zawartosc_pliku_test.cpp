#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "platform/PlikTekstowy.h"
#include "platform/ZapisBezpieczny.h"
#include "platform/ZawartoscPliku.h"
#include "wspolne/folder_testu.h"

namespace fs = std::filesystem;

TEST(SkrotBajtow, AnyPiecesGiveTheHashOfTheWhole)
{
    std::mt19937_64 los(20261208);
    // Around XXH3's own steps: 16, 128 and 240 bytes, its 256-byte buffer,
    // its 1 KiB blocks.
    for (std::size_t rozmiar : {0, 1, 15, 16, 17, 128, 129, 239, 240, 241, 255, 256, 257, 1023, 1024, 1025, 4096,
                                100003}) {
        std::string bajty(rozmiar, '\0');
        for (char& c : bajty)
            c = static_cast<char>(los());
        const ZawartoscPliku calosc = ZawartoscPliku::Z(bajty);
        EXPECT_TRUE(calosc.znana);
        EXPECT_EQ(calosc.rozmiar, rozmiar);
        for (int proba = 0; proba < 20; ++proba) {
            SkrotBajtow s;
            std::size_t od = 0;
            while (od < rozmiar) {
                // Empty pieces too, and now and then a long one.
                const std::size_t ile = std::min<std::size_t>(rozmiar - od, los() % 3 == 0 ? los() % 2000 : los() % 70);
                s.Dodaj(std::string_view(bajty).substr(od, ile));
                od += ile;
            }
            const ZawartoscPliku z = s.Wynik();
            EXPECT_EQ(z.rozmiar, rozmiar);
            EXPECT_EQ(z.skrot, calosc.skrot) << rozmiar << " bytes, attempt " << proba;
        }
    }
}

TEST(SkrotBajtow, ACopyGoesOnOnItsOwnAndAnEmptyOneStartsAnew)
{
    const std::string a(3000, 'a'), b = "bbbb";
    SkrotBajtow s;
    s.Dodaj(a);
    SkrotBajtow kopia = s;
    kopia.Dodaj(b);
    EXPECT_EQ(s.Wynik().skrot, ZawartoscPliku::Z(a).skrot);
    EXPECT_EQ(kopia.Wynik().skrot, ZawartoscPliku::Z(a + b).skrot);
    kopia = {};
    EXPECT_EQ(kopia.Wynik().rozmiar, 0u);
    EXPECT_EQ(kopia.Wynik().skrot, ZawartoscPliku::Z("").skrot);
    EXPECT_NE(ZawartoscPliku::Z("ab").skrot, ZawartoscPliku::Z("ba").skrot);
}

namespace {

class OdczytWstecz : public FolderTestu {
protected:
    OdczytWstecz() : FolderTestu("kg_zawartosc_") {}
    void SetUp() override
    {
        FolderTestu::SetUp();
        plik = (katalog / "p.rup").string();
        Zapisz(plik, "pierwsza\r\n");
    }
    static void Zapisz(const std::string& sciezka, const std::string& tresc)
    {
        std::ofstream(sciezka, std::ios::binary | std::ios::trunc) << tresc;
    }
    // The record of the file as read.
    ZawartoscPliku Odczytany() const
    {
        std::string tresc, blad;
        ZawartoscPliku z;
        EXPECT_TRUE(CzytajPlik(plik, tresc, blad, &z)) << blad;
        return z;
    }
    // Saves "nowa" over the file with `z` as its record: whether the user
    // was asked before replacing it.
    bool Zapytany(const ZawartoscPliku& z) const
    {
        bool zapytany = false;
        ZapisZmienionego zmiany{z, [&](const std::string&) { return zapytany = true; }};
        std::string blad;
        EXPECT_TRUE(ZapiszLinieBezpiecznie(plik, {"nowa"}, blad, nullptr, &zmiany)) << blad;
        return zapytany;
    }
    // Until the file times' clock has moved on from the file's last change.
    static void PoKrokuZegara() { std::this_thread::sleep_for(std::chrono::milliseconds(30)); }
    std::string plik;
};

} // namespace

TEST_F(OdczytWstecz, AFileJustReadOrWrittenIsReadBackAtTheSave)
{
    std::string tresc, blad;
    ZawartoscPliku z;
    ASSERT_TRUE(CzytajPlik(plik, tresc, blad, &z)) << blad;
    EXPECT_EQ(z.skrot, ZawartoscPliku::Z("pierwsza\r\n").skrot);
    EXPECT_TRUE(z.zTozsamoscia);
    z.skrot ^= 1;  // other bytes than the file's: read back, they differ
    EXPECT_TRUE(Zapytany(z));

    ZapisZmienionego zmiany;
    ASSERT_TRUE(ZapiszLinieBezpiecznie(plik, {"druga"}, blad, nullptr, &zmiany)) << blad;
    EXPECT_TRUE(zmiany.zawartosc.zTozsamoscia);
    EXPECT_FALSE(Zapytany(zmiany.zawartosc));
}

TEST_F(OdczytWstecz, AFileWhoseIdentityAndTimesAreTheRecordsIsReadBackToo)
{
    ZawartoscPliku z = Odczytany();
    // The file's very identity and times, other bytes: read back, caught.
    z.skrot ^= 1;
    EXPECT_TRUE(Zapytany(z));
}

TEST_F(OdczytWstecz, AFileChangedInPlaceWithItsSizeAndTimeKeptIsCaught)
{
    const ZawartoscPliku z = Odczytany();
    struct stat przed {};
    ASSERT_EQ(::stat(plik.c_str(), &przed), 0);
    PoKrokuZegara();
    Zapisz(plik, "PIERWSZA\r\n");
    const timespec czasy[2] = {przed.st_atim, przed.st_mtim};  // touch -d back
    ASSERT_EQ(::utimensat(AT_FDCWD, plik.c_str(), czasy, 0), 0);
    struct stat po {};
    ASSERT_EQ(::stat(plik.c_str(), &po), 0);
    ASSERT_EQ(po.st_size, przed.st_size);
    ASSERT_EQ(po.st_ino, przed.st_ino);
    ASSERT_EQ(po.st_mtim.tv_nsec, przed.st_mtim.tv_nsec);
    EXPECT_TRUE(Zapytany(z));
}

TEST_F(OdczytWstecz, AFileReplacedByRenameIsCaught)
{
    const ZawartoscPliku z = Odczytany();
    struct stat przed {};
    ASSERT_EQ(::stat(plik.c_str(), &przed), 0);
    const std::string inny = (katalog / "inny").string();
    Zapisz(inny, "PIERWSZA\r\n");
    const timespec czasy[2] = {przed.st_atim, przed.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, inny.c_str(), czasy, 0), 0);
    ASSERT_EQ(std::rename(inny.c_str(), plik.c_str()), 0);
    EXPECT_TRUE(Zapytany(z));
}

TEST_F(OdczytWstecz, AChangeOfTheFilesPermissionsAloneReadsItBack)
{
    ZawartoscPliku z = Odczytany();
    PoKrokuZegara();
    ASSERT_EQ(::chmod(plik.c_str(), 0640), 0);
    // Its bytes, read back, are the recorded ones: nothing to ask.
    EXPECT_FALSE(Zapytany(z));
    // Read back indeed: other recorded bytes are caught.
    Zapisz(plik, "pierwsza\r\n");
    z = Odczytany();
    PoKrokuZegara();
    ASSERT_EQ(::chmod(plik.c_str(), 0600), 0);
    z.skrot ^= 1;
    EXPECT_TRUE(Zapytany(z));
}

// A program writing the file through a shared mapping changes its bytes
// with no time changing once its page is dirty: a save whose record was
// taken seconds after the file's last status change replaced such bytes
// without asking. They are caught, and "Nie" leaves them.
TEST_F(OdczytWstecz, BytesChangedThroughASharedMappingAreCaught)
{
    const int fd = ::open(plik.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    void* mapa = ::mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ::close(fd);
    ASSERT_NE(mapa, MAP_FAILED);
    char* bajty = static_cast<char*>(mapa);
    bajty[0] = 'p';  // the page dirty, the bytes as they were
    struct stat st {};
    ASSERT_EQ(::stat(plik.c_str(), &st), 0);
    std::this_thread::sleep_until(std::chrono::system_clock::time_point(std::chrono::seconds(st.st_ctim.tv_sec)) +
                                  std::chrono::milliseconds(3050));
    std::string tresc, blad;
    ZawartoscPliku z;
    ASSERT_TRUE(CzytajPlik(plik, tresc, blad, &z)) << blad;
    bajty[0] = 'P';
    int pytania = 0;
    ZapisZmienionego zmiany{z, [&](const std::string&) { return ++pytania, false; }};
    EXPECT_FALSE(ZapiszLinieBezpiecznie(plik, {"nowa"}, blad, nullptr, &zmiany));
    EXPECT_EQ(pytania, 1);
    EXPECT_TRUE(zmiany.odmowa);
    ::munmap(mapa, 4096);
    EXPECT_EQ(TrescPliku(plik), "Pierwsza\r\n");
}
