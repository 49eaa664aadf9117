// The reader builds a project value of its own. Every file of our test data
// and of the fuzz corpus that loads writes out exactly as the program wrote
// it when the reader still filled the current project (tests/dane/odczyt);
// reading one leaves the current project alone, and a refused file leaves
// nothing of itself behind.
#include <filesystem>
#include <fstream>

#include "projekt_pomoc.h"

namespace {

namespace fs = std::filesystem;

class OdczytTest : public ModelTest {
protected:
    static fs::path Korpus() { return fs::path(KG_TEST_DATA) / ".." / ".." / "fuzz" / "korpus"; }

    static std::string Bajty(const std::vector<std::string>& linie)
    {
        std::string s;
        for (const std::string& l : linie)
            s += l + "\r\n";
        return s;
    }

    int Liczebnosc() const
    {
        return LiczbaWezlow() + LiczbaWariantow() + LiczbaOpisow() + LiczbaRuchoplanow() + LiczbaRond() +
               LiczbaDefinicjiBlokow() + LiczbaBlokow() + LiczbaPomiarow() + LiczbaPrognoz() + LiczbaWspolczynnikow();
    }
};

TEST_F(OdczytTest, PlikCzytanyDoWlasnegoProjektuZapisujeSieJakDawniej)
{
    const fs::path dane(KG_TEST_DATA);
    const std::string biezacy = Bajty(LinieProjektu());
    int zgodnych = 0;
    for (const fs::path& katalog : {dane, Korpus()})
        for (const auto& wpis : fs::directory_iterator(katalog)) {
            if (wpis.path().extension() != ".rup")
                continue;
            const std::string nazwa = wpis.path().filename().string();
            const fs::path wzor = dane / "odczyt" / nazwa;
            Projekt p = NowyDokument();
            std::string blad;
            const bool wczytany = CzytajProjekt(wpis.path().string(), p, blad);
            // A file the program refused before is refused still.
            ASSERT_EQ(wczytany, fs::exists(wzor)) << nazwa << ": " << Cp1250NaUtf8(blad);
            if (!wczytany) {
                EXPECT_FALSE(blad.empty()) << nazwa;
                continue;
            }
            EXPECT_TRUE(Bajty(LinieProjektu(p)) == CzytajBajty(wzor.string())) << nazwa;
            ++zgodnych;
        }
    EXPECT_GE(zgodnych, 13);

    EXPECT_EQ(Bajty(LinieProjektu()), biezacy);
    EXPECT_EQ(Liczebnosc(), 0);
    EXPECT_EQ(BiezacyWariant, -1);
    EXPECT_TRUE(okno.listaWariantow.empty());
    EXPECT_EQ(okno.tytul, "...");
    EXPECT_TRUE(okno.bledy.empty());
}

// A refused file changes nothing: the project open before keeps its records,
// its file name, its changed flag and its variant list (it was once emptied).
TEST_F(OdczytTest, OdrzuconyPlikZostawiaBiezacyProjekt)
{
    const std::string dobry = (Korpus() / "pelny_model.rup").string();
    // A whole project and at the end a section that refuses the file.
    std::string tresc = CzytajBajty(dobry);
    tresc += Bajty({Znacznik("ov1"), "Opisy", "-1", std::string(42, '-')});
    const std::string sciezka = Sciezka("zly.rup");
    std::ofstream(sciezka, std::ios::binary) << tresc;

    ASSERT_TRUE(Otworz(dobry)) << Blad();
    ProjektZmieniony = true;
    const std::string przed = Bajty(LinieProjektu());
    const int wariant = BiezacyWariant;
    const auto lista = okno.listaWariantow;
    const auto liczebnosc = Liczebnosc();
    ASSERT_GT(liczebnosc, 0);

    EXPECT_FALSE(OtworzProjekt(sciezka));
    EXPECT_EQ(okno.bledy.size(), 1u);
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_EQ(Liczebnosc(), liczebnosc);
    EXPECT_EQ(BiezacyWariant, wariant);
    EXPECT_EQ(okno.listaWariantow, lista);
    EXPECT_EQ(okno.tytul, dobry);
    EXPECT_EQ(BiezacyProjekt.Plik, dobry);
    EXPECT_EQ(Bajty(LinieProjektu()), przed);
}

}  // namespace
