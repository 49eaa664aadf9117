// The font generator as the build runs it: refuses bad input without
// touching its output, and writes the same fonts every time.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fonts/CzcionkaLzs.h"

using namespace testy_czcionek;
namespace fs = std::filesystem;

namespace {

const std::string kRowmans = "/usr/share/hershey-fonts/rowmans.jhf";
const std::string kGreeks = "/usr/share/hershey-fonts/greeks.jhf";

std::string Czytaj(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void Zapisz(const fs::path& p, const std::string& tresc) {
    std::ofstream(p, std::ios::binary) << tresc;
}

class GeneratorCzcionek : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kRowmans) || !fs::exists(kGreeks))
            GTEST_SKIP() << "hershey-fonts-data is not installed";
        katalog = fs::temp_directory_path() /
                  ("kg_czcionki_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(katalog);
        fs::create_directories(katalog);
    }
    void TearDown() override {
        if (!katalog.empty())
            fs::remove_all(katalog);
    }

    // Runs the generator; returns its exit code, `komunikat` gets its stderr.
    int Uruchom(const std::string& roman, const std::string& grecka, const fs::path& wyjscie) {
        const fs::path bledy = katalog / "stderr.txt";
        const std::string polecenie = "'" + std::string(KG_BUILD_DIR) + "/GeneratorCzcionek' '" +
                                      roman + "' '" + grecka + "' '" + wyjscie.string() + "' 2>'" +
                                      bledy.string() + "'";
        const int status = std::system(polecenie.c_str());
        komunikat = Czytaj(bledy);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // A copy of rowmans.jhf with line `nr` (from 1) replaced by `nowa` and
    // the lines after `ile` left out.
    fs::path ZmienionyRowmans(int nr, const std::string& nowa, int ile = 1000) {
        std::ifstream we(kRowmans);
        std::ostringstream wy;
        std::string linia;
        for (int i = 1; std::getline(we, linia) && i <= ile; ++i)
            wy << (i == nr ? nowa : linia) << "\n";
        const fs::path p = katalog / ("zly" + std::to_string(++zmienionych) + ".jhf");
        Zapisz(p, wy.str());
        return p;
    }

    fs::path katalog;
    std::string komunikat;
    int zmienionych = 0;
};

TEST_F(GeneratorCzcionek, RegeneratesTheBuildFontsByteForByte) {
    ASSERT_EQ(Uruchom(kRowmans, kGreeks, katalog / "Dane"), 0) << komunikat;
    EXPECT_EQ(Czytaj(katalog / "Dane/Roman100.Lzs"), Czytaj(SciezkaCzcionki("Roman")));
    EXPECT_EQ(Czytaj(katalog / "Dane/grecki100.Lzs"), Czytaj(SciezkaCzcionki("grecki")));
    EXPECT_FALSE(fs::exists(katalog / "Dane/Roman100.Lzs.tmp"));
}

// The classic distribution wraps records at 72 characters, with CR LF.
TEST_F(GeneratorCzcionek, ReadsRecordsWrappedOverSeveralLines) {
    std::ifstream we(kRowmans);
    std::ostringstream wy;
    std::string linia;
    while (std::getline(we, linia))
        for (std::size_t i = 0; i < linia.size(); i += 72)
            wy << linia.substr(i, 72) << "\r\n";
    Zapisz(katalog / "zawiniety.jhf", wy.str());
    ASSERT_EQ(Uruchom((katalog / "zawiniety.jhf").string(), kGreeks, katalog), 0) << komunikat;
    EXPECT_EQ(Czytaj(katalog / "Roman100.Lzs"), Czytaj(SciezkaCzcionki("Roman")));
}

TEST_F(GeneratorCzcionek, CutsAGlyphAtTheStrokeLimitAndSaysSo) {
    std::string zygzak = "  501161I[";  // 'A' as a zigzag of 160 points
    for (int i = 0; i < 80; ++i)
        zygzak += "JFZ[";
    ASSERT_EQ(Uruchom(ZmienionyRowmans(34, zygzak).string(), kGreeks, katalog), 0) << komunikat;
    EXPECT_NE(komunikat.find("Roman100 0x41: obcięty do 150 kresek, pominięto 9"), std::string::npos)
        << komunikat;
    const auto plik = CzytajBajty((katalog / "Roman100.Lzs").string());
    ASSERT_EQ(plik.size(), kRozmiarPliku);
    EXPECT_EQ(ZnakZ(plik, 'A').liczba, 150);
    EXPECT_EQ(ZnakZ(plik, 'B').kreski, ZnakZ(CzytajBajty(SciezkaCzcionki("Roman")), 'B').kreski);
}

TEST_F(GeneratorCzcionek, RefusesBadInputAndWritesNothing) {
    struct Przypadek {
        const char* opis;
        fs::path roman;
        std::string wKomunikacie;  // expected in the message
    };
    const Przypadek przypadki[] = {
        {"missing file", katalog / "brak.jhf", "brak.jhf"},
        {"empty file", ZmienionyRowmans(1, "", 0), "za mało znaków"},
        {"too few glyphs", ZmienionyRowmans(0, "", 60), "za mało znaków"},
        {"count not a number", ZmienionyRowmans(34, "  501  xI[RFJ[ RRFZ[ RMTWT"), "wiersz 34"},
        {"record cut short at the end", ZmienionyRowmans(96, "  718 14KYQFOGNINKOM"), "wiersz 96"},
        {"more data than the count", ZmienionyRowmans(34, "  501  8I[RFJ[ RRFZ[ RMTWT"), "wiersz 34"},
        {"bad pen-up pair", ZmienionyRowmans(34, "  501  9I[RFJ[ XRFZ[ RMTWT"), "wiersz 34"},
        {"control character", ZmienionyRowmans(34, "  501  9I[RFJ[ RRFZ[ RMT\tT"), "wiersz 34"},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.opis);
        const fs::path wyjscie = katalog / "wyjscie";
        fs::create_directories(wyjscie);
        Zapisz(wyjscie / "Roman100.Lzs", "stara");
        EXPECT_NE(Uruchom(p.roman.string(), kGreeks, wyjscie), 0);
        EXPECT_NE(komunikat.find(p.wKomunikacie), std::string::npos) << komunikat;
        EXPECT_EQ(Czytaj(wyjscie / "Roman100.Lzs"), "stara");
        EXPECT_FALSE(fs::exists(wyjscie / "grecki100.Lzs"));
        fs::remove_all(wyjscie);
    }
    // a bad Greek font stops the Roman one too
    EXPECT_NE(Uruchom(kRowmans, (katalog / "brak.jhf").string(), katalog / "w2"), 0);
    EXPECT_FALSE(fs::exists(katalog / "w2/Roman100.Lzs"));
}

}  // namespace
