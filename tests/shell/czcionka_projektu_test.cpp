// The stroke font follows the project that is finally adopted: a file that
// names another font and is then refused, or a new project after one, once
// left that font in every later drawing.
#include <QFile>

#include "drawing/Tekst.h"
#include "model/PlikProjektu.h"
#include "pomoc.h"

namespace {

class CzcionkaProjektu : public ProgramTest {
protected:
    static TablicaZnakow Czytaj(const std::string& nazwa)
    {
        TablicaZnakow t{};
        EXPECT_EQ(WczytajCzcionke(SciezkaCzcionki(nazwa), t), "");
        return t;
    }
    static bool Jest(const TablicaZnakow& t)
    {
        for (int k = 0; k < 256; ++k)
            if (Czcionka[k].LiczbaKresek != t[k].LiczbaKresek || Czcionka[k].Szerokosc != t[k].Szerokosc ||
                Czcionka[k].KreskaX1 != t[k].KreskaX1 || Czcionka[k].KreskaY1 != t[k].KreskaY1)
                return false;
        return true;
    }
    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
    }
};

TEST_F(CzcionkaProjektu, CzcionkaIdzieZaPrzyjetymProjektem)
{
    // "Inna" is the Greek font under another name.
    ASSERT_TRUE(QFile::copy(katalog.path() + "/Dane/grecki100.Lzs", katalog.path() + "/Dane/Inna100.Lzs"));
    Uruchom();
    const TablicaZnakow roman = Czytaj("Roman"), inna = Czytaj("Inna");
    ASSERT_TRUE(Jest(roman));

    ZbudujProjekt(2, 1);
    wg.NazwaCzcionki = "Inna";
    const std::string dobry = Sciezka("inna.rup");
    ASSERT_TRUE(ZapiszProjekt(dobry));
    NowyProjekt();
    ASSERT_TRUE(Jest(roman));

    // The same file broken after its settings: refused, the font unchanged.
    QFile::copy(NaQString(dobry), NaQString(Sciezka("zly.rup")));
    QFile zly(NaQString(Sciezka("zly.rup")));
    ASSERT_TRUE(zly.open(QIODevice::Append));
    zly.write("------------------------------------------kv3\r\nRuchoplan\r\n99\r\n");
    zly.close();
    EXPECT_FALSE(OtworzProjekt(Sciezka("zly.rup")));
    EXPECT_TRUE(Jest(roman));
    EXPECT_EQ(wg.NazwaCzcionki.str(), "Roman");

    // The good file brings its font, a new project the default one back.
    NowyProjekt();
    ASSERT_TRUE(OtworzProjekt(dobry)) << Komunikaty().back();
    EXPECT_EQ(wg.NazwaCzcionki.str(), "Inna");
    EXPECT_TRUE(Jest(inna));
    Form1->BNowyClick();
    EXPECT_EQ(wg.NazwaCzcionki.str(), "Roman");
    EXPECT_TRUE(Jest(roman));

    // A name reaching outside the program's "Dane" folder is not taken.
    ZbudujProjekt(1, 1);
    wg.NazwaCzcionki = "../Dane/Inna";
    ASSERT_TRUE(ZapiszProjekt(Sciezka("sciezka.rup")));
    NowyProjekt();
    ASSERT_TRUE(OtworzProjekt(Sciezka("sciezka.rup")));
    EXPECT_EQ(wg.NazwaCzcionki.str(), "Roman");
    EXPECT_TRUE(Jest(roman));
}

}  // namespace
