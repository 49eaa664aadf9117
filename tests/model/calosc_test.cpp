// A model holding every kind of record travels through the project file.
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
