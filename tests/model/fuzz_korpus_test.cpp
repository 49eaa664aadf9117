// Every file of the fuzz corpus (inputs that once crashed the reader are
// kept there) loads or is refused, and a loaded one saves and loads again.
#include <filesystem>

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

}  // namespace
