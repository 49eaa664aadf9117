// Every file of the fuzz corpus (inputs that once crashed the reader are
// kept there) loads or is refused, and a loaded one saves and loads again.
#include <filesystem>
#include <fstream>

#include "calosc_pomoc.h"

namespace {

class FuzzKorpusTest : public ModelTest {};

TEST_F(FuzzKorpusTest, KazdyPlikKorpusuCzytaSieLubJestOdrzucany)
{
    const std::filesystem::path korpus = std::filesystem::path(KG_TEST_DATA) / ".." / ".." / "fuzz" / "korpus";
    int plikow = 0;
    for (const auto& wpis : std::filesystem::directory_iterator(korpus)) {
        ++plikow;
        const std::string sciezka = wpis.path().string();
        if (!Otworz(sciezka))
            continue;
        const std::string kopia = Sciezka("kopia.rup");
        ASSERT_TRUE(ZapiszProjekt(kopia)) << sciezka;
        EXPECT_TRUE(Otworz(kopia)) << sciezka;
    }
    EXPECT_GE(plikow, 10);
}

// The version-1 target's seeds are the lines after the banner of files of
// ours: each opens behind the banner, saves and opens again.
TEST_F(FuzzKorpusTest, KazdyPlikKorpusuWersji1Otwiera)
{
    const std::filesystem::path korpus =
        std::filesystem::path(KG_TEST_DATA) / ".." / ".." / "fuzz" / "korpus_wersja1";
    const std::string naglowek = "*****\r\n*                KARTOGRAM  1.0.0.\r\n*\r\n*****\r\n\r\n";
    int plikow = 0;
    for (const auto& wpis : std::filesystem::directory_iterator(korpus)) {
        ++plikow;
        SCOPED_TRACE(wpis.path().filename().string());
        const std::string sciezka = Sciezka("wersja1.rup");
        std::ofstream(sciezka, std::ios::binary) << naglowek << CzytajBajty(wpis.path().string());
        ASSERT_TRUE(Otworz(sciezka)) << Blad();
        EXPECT_EQ(Wezly.size(), 1u);
        const std::string kopia = Sciezka("kopia.rup");
        ASSERT_TRUE(ZapiszProjekt(kopia));
        EXPECT_TRUE(Otworz(kopia)) << Blad();
    }
    EXPECT_GE(plikow, 5);
}

}  // namespace
