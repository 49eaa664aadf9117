// A model holding every kind of record travels through the project file.
#include <functional>

#include "calosc_pomoc.h"

namespace {

class CaloscTest : public ModelTest {};

struct Migawka {
    std::vector<DaneWezel> wezly = Wezly;
    std::vector<DaneWariant> warianty = Warianty;
    std::vector<DaneRuchoplan> ruchoplany = Ruchoplany;
    std::vector<DaneRondo> ronda = Ronda;
    std::vector<DanePomiar> pomiary = Pomiary;
    std::vector<DanePrognoza> prognozy = Prognozy;
    std::vector<DaneWspolczynniki> wspolczynniki = Wspolczynniki;
    std::vector<DaneOpis> opisy = Opisy;
    std::vector<DaneBlok> bloki = Bloki;
    std::vector<DaneBlokWpis> definicje = DefinicjeBlokow;
    std::vector<KrotkiTekst<255>> linie = LinieBlokow;
    TNastawySchowek schowek = NastawySchowek;
};

void PorownajZMigawka(const Migawka& m)
{
    EXPECT_EQ(Wezly, m.wezly);
    EXPECT_EQ(Warianty, m.warianty);
    ASSERT_EQ(Ruchoplany.size(), m.ruchoplany.size());
    for (std::size_t i = 0; i < Ruchoplany.size(); ++i) {
        PorownajRuchoplany(Ruchoplany[i], m.ruchoplany[i], "ruchoplan " + std::to_string(i));
        EXPECT_EQ(Ruchoplany[i].Obliczony, 0);
    }
    ASSERT_EQ(Ronda.size(), m.ronda.size());
    for (std::size_t i = 0; i < Ronda.size(); ++i) {
        PorownajRonda(Ronda[i], m.ronda[i], "rondo " + std::to_string(i));
        EXPECT_EQ(Ronda[i].Obliczony, 0);
    }
    ASSERT_EQ(Pomiary.size(), m.pomiary.size());
    for (std::size_t i = 0; i < Pomiary.size(); ++i) {
        PorownajPomiary(Pomiary[i], m.pomiary[i], "pomiar " + std::to_string(i));
        EXPECT_EQ(Pomiary[i].PomiarZmieniony, 0);
    }
    ASSERT_EQ(Prognozy.size(), m.prognozy.size());
    for (std::size_t i = 0; i < Prognozy.size(); ++i)
        PorownajPrognozy(Prognozy[i], m.prognozy[i], "prognoza " + std::to_string(i));
    ASSERT_EQ(Wspolczynniki.size(), m.wspolczynniki.size());
    for (std::size_t i = 0; i < Wspolczynniki.size(); ++i)
        EXPECT_EQ(Wspolczynniki[i].Wspolczynnik, m.wspolczynniki[i].Wspolczynnik);
    EXPECT_EQ(Opisy, m.opisy);
    EXPECT_EQ(Bloki, m.bloki);
    EXPECT_EQ(DefinicjeBlokow, m.definicje);
    EXPECT_EQ(LinieBlokow, m.linie);
    EXPECT_EQ(NastawySchowek.X1, m.schowek.X1);
    EXPECT_EQ(NastawySchowek.X2, m.schowek.X2);
}


TEST_F(CaloscTest, KazdyRekordWracaPoleWPoleIPlikPowtarzaSieBajtWBajt)
{
    WypelnijModel();
    const Migawka przed;
    const TUstawieniaGlobalne wgPrzed = wg;
    const std::string a = Sciezka("a.rup");
    const std::string b = Sciezka("b.rup");
    ASSERT_TRUE(ZapiszProjekt(a));
    ASSERT_TRUE(Otworz(a)) << (okno.bledy.empty() ? "" : Cp1250NaUtf8(okno.bledy.back()));
    PorownajZMigawka(przed);
    EXPECT_EQ(wg.Siatka, wgPrzed.Siatka);
    EXPECT_EQ(wg.KrokSiatki, wgPrzed.KrokSiatki);
    EXPECT_EQ(wg.KolorWypelnien, wgPrzed.KolorWypelnien);
    // The roundabout totals are computed after the whole file: the structure
    // block of roundabout 0 comes after its section.
    EXPECT_EQ(Ronda[0].SumaWlotu[1], 100);
    EXPECT_EQ(Ronda[0].SumaWylotu[2], 100);
    ASSERT_TRUE(ZapiszProjekt(b));
    EXPECT_EQ(CzytajBajty(a), CzytajBajty(b));
}

TEST_F(CaloscTest, LiczbyZPrzecinkiemCzytaSieGdzieSeparatoremJestKropkaIOdwrotnie)
{
    WypelnijModel();
    const Migawka przed;
    for (char zapis : {',', '.'}) {
        const std::string a = Sciezka(std::string("sep") + zapis + ".rup");
        UstawSeparatorDziesietny(zapis);
        ASSERT_TRUE(ZapiszProjekt(a));
        UstawSeparatorDziesietny(zapis == ',' ? '.' : ',');
        ASSERT_TRUE(Otworz(a)) << (okno.bledy.empty() ? "" : Cp1250NaUtf8(okno.bledy.back()));
        PorownajZMigawka(przed);
    }
}

}  // namespace

namespace {

class SprawdzenieTest : public ModelTest {
protected:
    // The saved model's lines, changed by `zmien`, opened again.
    bool OtworzZmieniony(const std::function<void(std::vector<std::string>&)>& zmien)
    {
        WypelnijModel();
        std::vector<std::string> l = LinieProjektu();
        zmien(l);
        return Otworz(ZapiszPlik("zmieniony.rup", l));
    }
    static std::size_t Znajdz(const std::vector<std::string>& l, const std::string& linia, std::size_t od = 0)
    {
        for (std::size_t i = od; i < l.size(); ++i)
            if (l[i] == linia)
                return i;
        ADD_FAILURE() << "no line " << linia;
        return 0;
    }
    std::string Blad() const { return okno.bledy.empty() ? "" : Cp1250NaUtf8(okno.bledy.back()); }
};

TEST_F(SprawdzenieTest, IndeksBezRekorduOdmawiaOtwarcia)
{
    struct Przypadek {
        std::string znacznik;
        int przesuniecie;
        std::string wartosc;
        std::string slowo;
    };
    const std::vector<Przypadek> przypadki = {
        {"kv3", 4, "7", "węzeł nr 7"},        {"kv3", 5, "2", "wariant nr 2"},
        {"kv3", 13, "5", "pomiar nr 5"},      {"kv3", 14, "1", "prognozę nr 1"},
        {"kv3", 15, "-2", "współczynników"},  {"rv3", 4, "3", "węzeł nr 3"},
        {"rv3", 13, "2", "pomiar nr 2"},      {"kv3", 37 + 13, "-5", "natężenie -5"},
        {"rv3", 30 + 11, "10000001", "natężenie"}, {"rv3", 25, "6", "liczbę ramion 6"},
    };
    for (const Przypadek& p : przypadki) {
        NowyProjekt();
        okno.bledy.clear();
        EXPECT_FALSE(OtworzZmieniony([&](std::vector<std::string>& l) {
            l[Znajdz(l, std::string(42, '-') + p.znacznik) + p.przesuniecie] = p.wartosc;
        })) << p.znacznik << " +" << p.przesuniecie;
        EXPECT_NE(Blad().find(p.slowo), std::string::npos) << Blad();
        EXPECT_TRUE(Ruchoplany.empty()) << "a refused load leaves a new empty project";
    }
}

TEST_F(SprawdzenieTest, FlagaPomiaruBezPomiaruJestZdejmowana)
{
    ASSERT_TRUE(OtworzZmieniony([&](std::vector<std::string>& l) {
        const std::size_t i = Znajdz(l, std::string(42, '-') + "kv3");
        ASSERT_EQ(l[i + 16], "True");
        l[i + 13] = "-1";
    })) << Blad();
    EXPECT_EQ(Ruchoplany[0].NrPomiaru, -1);
    EXPECT_EQ(Ruchoplany[0].ZPomiaru, 0);
}

TEST_F(SprawdzenieTest, KoniecPlikuWBlokuLiczonymToBladZNumeremLinii)
{
    EXPECT_FALSE(OtworzZmieniony([&](std::vector<std::string>& l) {
        l.resize(Znajdz(l, std::string(42, '-') + "pm1") + 600);
    }));
    EXPECT_NE(Blad().find("linia"), std::string::npos) << Blad();
    EXPECT_FALSE(OtworzZmieniony([&](std::vector<std::string>& l) {
        l.resize(Znajdz(l, std::string(42, '-') + "rv3") + 100);
    }));
    EXPECT_NE(Blad().find("koniec pliku"), std::string::npos) << Blad();
}

}  // namespace
