// Counts, forecasts and coefficient sets: defaults, the settings file, the
// forecast rule and the three sections.
#include <filesystem>

#include "calosc_pomoc.h"
#include "model/Prognoza.h"

namespace {

class PomiaryTest : public ModelTest {
protected:
    std::string katalogPrzed = KatalogPomiarow;
    void TearDown() override
    {
        KatalogPomiarow = katalogPrzed;
        ModelTest::TearDown();
    }
    void UstawKatalogZPlikiem(const std::vector<std::string>& linie)
    {
        KatalogPomiarow = Sciezka("Pomiary");
        std::filesystem::create_directories(KatalogPomiarow + "/Ustawienia");
        ZapiszPlik("Pomiary/Ustawienia/domyslne.upm", linie);
    }
};

const std::string Kreski(42, '-');

TEST_F(PomiaryTest, BezPlikuUstawienNowyPomiarMaWbudowaneKlasy)
{
    KatalogPomiarow = Sciezka("brak");
    DanePomiar m;
    m.NazwaPliku = "zostaje.pom", m.NatezeniaPojazdow[5][1] = 3, m.NatezeniaNaRelacjach[1][1] = 4;
    m.PomiarZmieniony = 1;
    ASSERT_EQ(UstawDomyslnyPomiar(m), "");
    EXPECT_EQ(m.NazwaPojazdu[3].str(), PL("Ciężarowe z przyczepą"));
    EXPECT_EQ(m.OznPojazdu[18].str(), "i10");
    EXPECT_EQ(m.NazwaPrzejscia[1].str(), PL("Rowerzyści"));
    EXPECT_EQ(CzasNaTekst(m.GodzPomiaru), "14:00:00");
    EXPECT_EQ(m.DataPomiaru, m.DataOstEdycja);
    EXPECT_GT(m.DataPomiaru, KodujDate(2020, 1, 1)) << "today";
    EXPECT_EQ(m.NatezeniaPojazdow[5][1], 0);
    EXPECT_EQ(m.PomiarZmieniony, 0);
    EXPECT_EQ(m.NazwaPliku.str(), "zostaje.pom") << "the file name and the computed tables stay";
    EXPECT_EQ(m.NatezeniaNaRelacjach[1][1], 4);
}

TEST_F(PomiaryTest, PlikUstawienProgramuMa20KlasI4Kategorie)
{
    KatalogPomiarow = std::string(KG_BUILD_DIR) + "/Pomiary";
    DanePomiar m;
    ASSERT_EQ(UstawDomyslnyPomiar(m), "");
    EXPECT_EQ(m.NazwaPojazdu[2].str(), PL("Ciężarowe"));
    EXPECT_EQ(m.OznPojazdu[19].str(), "Zap");
    EXPECT_EQ(m.NazwaPrzejscia[2].str(), "Hulajnogi");
    EXPECT_EQ(m.OznPrzejscia[3].str(), "Inn");
}

TEST_F(PomiaryTest, PlikZSamymiKlasamiZostawiaKategoriePrzejsc)
{
    std::vector<std::string> linie = {std::string(69, '*'), "", "__________UstawOznWspPojazdow"};
    for (int c = 1; c <= 20; ++c)
        linie.insert(linie.end(), {"klasa " + std::to_string(c), "k" + std::to_string(c), c == 2 ? "2,5" : "1.25"});
    UstawKatalogZPlikiem(linie);
    DanePomiar m;
    m.NazwaPrzejscia[0] = "moje";
    ASSERT_EQ(UstawDomyslnyPomiar(m), "");
    EXPECT_EQ(m.NazwaPojazdu[19].str(), "klasa 20");
    EXPECT_EQ(m.WspPojazdu[1], 2.5f);
    EXPECT_EQ(m.WspPojazdu[0], 1.25f);
    EXPECT_EQ(m.NazwaPrzejscia[0].str(), "moje");
}

TEST_F(PomiaryTest, ZlyPlikDomyslnyDajeWbudowaneKlasyZKomunikatem)
{
    // A factor that is no number, an empty file, a factor beyond any float,
    // a class table cut short: each spoilt every new count before.
    std::vector<std::string> pelny = {"__________UstawOznWspPojazdow"};
    for (int c = 1; c <= 20; ++c)
        pelny.insert(pelny.end(), {"klasa", "k", "2"});
    auto zWspolczynnikiem = [&](const char* w) {
        auto l = pelny;
        l[6] = w;
        return l;
    };
    const std::vector<std::pair<std::vector<std::string>, const char*>> pliki = {
        {zWspolczynnikiem("x"), "linia 7:"},
        {{}, "nie zawiera"},
        {zWspolczynnikiem("1e39"), "linia 7:"},
        {zWspolczynnikiem("-1"), "linia 7:"},
        {{pelny.begin(), pelny.begin() + 30}, "linia 31:"},
        {{"__________UstawOznPrzejsc", "Piesi", "Pie", "Row", "Row", "a", "a", "b", "b"}, "brak grupy"},
    };
    for (const auto& [linie, gdzie] : pliki) {
        UstawKatalogZPlikiem(linie);
        DanePomiar m;
        const std::string uwaga = UstawDomyslnyPomiar(m);
        EXPECT_NE(uwaga.find(gdzie), std::string::npos) << Cp1250NaUtf8(uwaga);
        EXPECT_NE(uwaga.find("domyslne.upm"), std::string::npos) << "names the file";
        EXPECT_EQ(m.NazwaPojazdu[1].str(), "Dostawcze") << "the built-in table";
        EXPECT_EQ(m.WspPojazdu[1], 1.0f);
        EXPECT_EQ(m.NazwaPrzejscia[0].str(), "Piesi");
        EXPECT_EQ(m.CzasPomiaru, 60) << "the rest of the defaults as ever";
    }
}

TEST(ZastosujPrognozeTest, KomorkaPodnosiNatezenie)
{
    UstawSeparatorDziesietny('.');
    const struct {
        int32_t natezenie;
        const char* komorka;
        int32_t wynik;
    } przypadki[] = {
        {100, "", 100},   {100, "5", 100},  // fewer than 2 characters
        {100, "15", 115}, {100, "-20", 80}, {100, "10%", 110}, {100, "%10", 110},
        {10, "25%", 12},  {10, "35%", 14},  // 12.5 and 13.5 round half to even
        {100, "2,5%", 102}, {100, "abc", 100}, {100, "x%", 100},
        // Held within the range the project file keeps, not merely 32 bits.
        {2000000000, "99999999%", 10000000}, {5000000, "1000%", 10000000}, {100, "-99999999", -10000000},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(ZastosujPrognoze(p.natezenie, p.komorka), p.wynik) << p.natezenie << " " << p.komorka;
}

TEST_F(PomiaryTest, SekcjaPm1LiniaPoLinii)
{
    DanePomiar m;
    m.DataOstEdycja = KodujDate(2021, 2, 9), m.GodzOstEdycja = KodujCzas(8, 5, 7);
    m.DataPomiaru = KodujDate(2020, 12, 31), m.GodzPomiaru = KodujCzas(14, 0, 0);
    m.NazwaPliku = "a.pom", m.Lokalizacja = "Lok", m.TypWezla = "R01", m.MaxJest = 5, m.WlotJest = {1, 0, 1, 1};
    m.NazwaPojazdu[0] = "Osobowe", m.OznPojazdu[0] = "Oso", m.WspPojazdu[0] = 1.0f, m.WspPojazdu[1] = 1.125f;
    m.NatezeniaPojazdow[0] = {1, 2, 3, 4, 5}, m.NatezeniaPojazdowSumy[4] = 15, m.NatezeniaNaRelacjach[0][1] = 12;
    m.NazwaPrzejscia[0] = "Piesi", m.NatezeniaPrzejsc[0][0] = 8, m.NatezeniaPrzejscObliczone[4][7] = 9;
    Pomiary = {m, m};
    PisarzProjektu p;
    ZapiszSekcjePomiarow(p);
    const auto& l = p.Linie();
    ASSERT_EQ(l.size(), 4u + 2 * 704u);
    const std::vector<std::string> poczatek = {Kreski + "pm1", "Pomiary", "2", Kreski, "2021-02-09", "08:05:07",
                                               "2020-12-31", "14:00:00", "60", "a.pom", "Lok", "", "", "", "R01", "5",
                                               "true", "false", "true", "true", "false", "Osobowe", "Oso", "1.0", "",
                                               "", "1.13"};
    for (std::size_t i = 0; i < poczatek.size(); ++i)
        EXPECT_EQ(l[i], poczatek[i]) << "line " << i + 1;
    // Line k of the first count is line 4 + k.
    SprawdzLinie(l, {{4 + 78, "__________NatezeniaPojazdow"}, {4 + 79, "1"}, {4 + 83, "5"},
                     {4 + 579, "__________SumyPojazdow"}, {4 + 584, "15"}, {4 + 585, "__________NatezeniaNaRelacjach"},
                     {4 + 587, "12"}, {4 + 611, "Piesi"}, {4 + 619, "8"}, {4 + 703, "9"}, {4 + 704, ""}});

    Pomiary.clear();
    CzytnikProjektu c = CzytnikSekcji(l);
    CzytajSekcjePomiarow(c);
    ASSERT_EQ(Pomiary.size(), 2u);
    m.WspPojazdu[1] = 1.13f;
    PorownajPomiary(Pomiary[1], m, "pm1");
}

TEST_F(PomiaryTest, LiczbaPomiarowWiekszaNizPlikLubZlaDataOdmawia)
{
    Pomiary = {DanePomiar{}};
    PisarzProjektu p;
    ZapiszSekcjePomiarow(p);
    for (const auto& [linia, wartosc] : {std::pair<int, const char*>{2, "2"}, {2, "-1"}, {4, "2021-02-30"}}) {
        std::vector<std::string> l = p.Linie();
        l[static_cast<std::size_t>(linia)] = wartosc;
        CzytnikProjektu c = CzytnikSekcji(l);
        EXPECT_THROW(CzytajSekcjePomiarow(c), BladPliku) << wartosc;
    }
}

TEST_F(PomiaryTest, SekcjePr1IWp1)
{
    DanePrognoza f;
    f.TrybPrognoza = 1, f.PrognozaPojazdy[0][0] = "10%", f.PrognozaPrzejscia[5][3] = "-3";
    Prognozy = {f};
    DaneWspolczynniki w;
    w.Wspolczynnik[19] = 2.5f;
    Wspolczynniki = {w, DaneWspolczynniki{}};
    PisarzProjektu p;
    ZapiszSekcjePrognoz(p);
    ZapiszSekcjeWspolczynnikow(p);
    std::vector<std::string> l = p.Linie();
    ASSERT_EQ(l.size(), 4u + 146u + 4u + 2 * 21u);
    l[4 + 1 + 20] = "12345678901234";  // cut to ten characters on reading
    EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + 6),
              (std::vector<std::string>{Kreski + "pr1", "Prognozy", "1", Kreski, "True", "10%"}));
    SprawdzLinie(l, {{4 + 145, "-3"}, {4 + 146, ""}});
    EXPECT_EQ(std::vector<std::string>(l.begin() + 150, l.begin() + 156),
              (std::vector<std::string>{Kreski + "wp1", "Wspolczynniki pomiaru", "2", Kreski, "1.00", "1.00"}));
    SprawdzLinie(l, {{150 + 4 + 20, "2.50"}, {150 + 4 + 21, ""}});

    Prognozy.clear();
    Wspolczynniki.clear();
    CzytnikProjektu c = CzytnikSekcji(l);
    CzytajSekcjePrognoz(c);
    c.Linia();
    CzytajSekcjeWspolczynnikow(c);
    ASSERT_EQ(Prognozy.size(), 1u);
    EXPECT_EQ(Prognozy[0].PrognozaPojazdy[1][0].str(), "1234567890");
    EXPECT_EQ(Prognozy[0].TrybPrognoza, 1);
    EXPECT_EQ(Wspolczynniki.size(), 2u);
}

}  // namespace
