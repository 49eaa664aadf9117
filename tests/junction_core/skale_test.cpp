// The project-wide band and crossing scales.

#include "oblicz_wspolne.h"

#include "junction/ObliczRuchoplan.h"
#include "junction/SkalePaskow.h"

#include <utility>
#include <vector>

using namespace oblicz_test;

namespace {

class Skale : public ProjektObliczen {
protected:
    void SetUp() override
    {
        ProjektObliczen::SetUp();
        ZasadaPaskow(1, 0, 0);
        wg.SkalaPrzejscAuto = 1;
        wg.SkalaPrzejscMax = 0;
        wg.SkalaPrzejsc100 = 0;
    }
    static void ZasadaPaskow(int autom, int max, int na100)
    {
        wg.SkalaPaskowAuto = static_cast<uint8_t>(autom);
        wg.SkalaPaskowMax = static_cast<uint8_t>(max);
        wg.SkalaPaskow100 = static_cast<uint8_t>(na100);
    }
    int DodajZSumami(std::array<int32_t, 4> wloty, std::array<int32_t, 4> wyloty)
    {
        const int i = DodajRuchoplan();
        R(i).SumaWlotu = wloty;
        R(i).SumaWylotu = wyloty;
        return i;
    }
};

TEST_F(Skale, GraniceIDzielnik)
{
    // Nothing to show: the floors of 50 vehicles and 1 crossing.
    UstawSkalePaskow();
    UstawSkalePrzejsc();
    EXPECT_EQ(wg.MaxNatezenie, 50);
    EXPECT_FLOAT_EQ(wg.SkalaPaskow, 0.03f);
    EXPECT_EQ(wg.MaxPrzejscie, 1);
    EXPECT_FLOAT_EQ(wg.SkalaPrzejsc, 0.5f);

    // A floor below 1 from a project file: the rules divide by 1, not 0.
    wg.MinPojazd = 0;
    UstawSkalePaskow();
    EXPECT_EQ(wg.MaxNatezenie, 0);
    EXPECT_FLOAT_EQ(wg.SkalaPaskow, 1.5f);
    ZasadaPaskow(0, 1, 0);
    wg.MaxSzer = std::numeric_limits<float>::infinity();
    UstawSkalePaskow();
    EXPECT_FLOAT_EQ(wg.SkalaPaskow, 0.005f);
}

TEST_F(Skale, NajwiekszaSumaRamieniaCalegoProjektu)
{
    DodajZSumami({350, 260, 220, 190}, {220, 250, 300, 250});
    const int j = DodajZSumami({100, 900, 0, 0}, {0, 0, 1200, 0});
    R(j).NrWariantu = 7;   // a variant not shown still counts
    R(j).Ramie[2] = 0;     // but an absent arm does not
    UstawSkalePaskow();
    EXPECT_EQ(wg.MaxNatezenie, 900);
    EXPECT_FLOAT_EQ(wg.SkalaPaskow, static_cast<float>(1.5 / 900));
}

TEST_F(Skale, ZasadyMaxSzerokosciI100)
{
    DodajZSumami({600, 0, 0, 0}, {0, 0, 0, 0});
    wg.MaxSzer = 3.0f;
    // Several flags: the last rule wins; none: 0.005.
    const struct {
        int autom, max, na100;
        float pojazd100, skala;
    } zasady[] = {{0, 1, 0, 1, 3.0f / 600}, {0, 0, 1, 1, 0.01f}, {1, 1, 1, 2, 0.02f}, {0, 0, 0, 2, 0.005f}};
    for (const auto& z : zasady) {
        ZasadaPaskow(z.autom, z.max, z.na100);
        wg.Pojazd100 = z.pojazd100;
        UstawSkalePaskow();
        EXPECT_FLOAT_EQ(wg.SkalaPaskow, z.skala) << z.autom << z.max << z.na100;
        EXPECT_EQ(wg.MaxNatezenie, 600);
    }
}

// The count's rows are read for each diagram arm through the same inlet
// mapping as the computation: arm 1 from inlet 4, arms 2..4 from inlets 1..3.
TEST_F(Skale, PomiarCzytanyPrzezMapowanieWlotow)
{
    DanePomiar p;
    auto& t = p.NatezeniaNaRelacjach;
    t[3] = {100, 100, 100, 0, 777};  // inlet 4 (south): row 300; column 4 below
    t[0] = {0, 250, 250, 0, 0};      // inlet 1 (east): row 500
    p.NatezeniaPrzejscObliczone[3] = {30, 25};
    p.NatezeniaPrzejscObliczone[0] = {90, 90};
    Pomiary.push_back(p);
    const int i = DodajRuchoplan();
    R(i).ZPomiaru = 1;
    R(i).NrPomiaru = 0;
    R(i).Ramie = {1, 0, 0, 0};       // only the south arm
    R(i).SumaWlotu = {5000, 5000, 5000, 5000};  // not read on the count path
    UstawSkalePaskow();
    UstawSkalePrzejsc();
    EXPECT_EQ(wg.MaxNatezenie, 300);
    EXPECT_EQ(wg.MaxPrzejscie, 55);
    EXPECT_FLOAT_EQ(wg.SkalaPrzejsc, static_cast<float>(0.5 / 55));

    // The east arm brings in inlet 1's row.
    R(i).Ramie = {1, 1, 0, 0};
    UstawSkalePaskow();
    UstawSkalePrzejsc();
    EXPECT_EQ(wg.MaxNatezenie, 500);
    EXPECT_EQ(wg.MaxPrzejscie, 180);

    // A count index that points to no count contributes nothing.
    R(i).NrPomiaru = 4;
    UstawSkalePaskow();
    EXPECT_EQ(wg.MaxNatezenie, 50);
}

TEST_F(Skale, PrzejsciaWlasneDiagramu)
{
    const int i = DodajRuchoplan();
    R(i).Przejscia[1].L[2] = 30;
    R(i).Przejscia[1].P[2] = 25;
    R(i).Przejscia[3].L[0] = 70;
    R(i).Ramie[3] = 0;
    wg.SkalaPrzejscAuto = 0;
    wg.SkalaPrzejscMax = 1;
    wg.PrzejMaxSzer = 0.5f;
    UstawSkalePrzejsc();
    EXPECT_EQ(wg.MaxPrzejscie, 55);
    EXPECT_FLOAT_EQ(wg.SkalaPrzejsc, static_cast<float>(0.5 / 55));
    wg.SkalaPrzejsc100 = 1;
    wg.Przej100 = 2.0f;
    UstawSkalePrzejsc();
    EXPECT_FLOAT_EQ(wg.SkalaPrzejsc, 0.02f);
}

TEST_F(Skale, RondaWedlugLiczbyRamionIZrodla)
{
    DaneRondo r;
    r.LiczbaRamion = 3;
    r.Ramie = {1, 1, 1, 1, 1};
    r.DaneRelacje = 1;
    r.SumaWlotuRel = {10, 20, 300, 4000, 0};    // arm 4 beyond the number of arms
    r.WlotWpisany = {0, 0, 0, 0, 3000};
    r.NaPierscieniu1 = {0, 0, 0, 0, 6000};
    r.NaPierscieniu2 = {0, 450, 0, 0, 0};
    r.NatezeniaPrzejsc[4][0] = {100, 100};      // arm 5 present: counts
    Ronda.push_back(r);
    UstawSkalePaskow();
    UstawSkalePrzejsc();
    EXPECT_EQ(wg.MaxNatezenie, 450);
    EXPECT_EQ(wg.MaxPrzejscie, 200);

    // Typed totals instead of the matrix.
    Ronda[0].DaneRelacje = 0;
    Ronda[0].WlotWpisany = {0, 0, 700, 0, 3000};
    UstawSkalePaskow();
    EXPECT_EQ(wg.MaxNatezenie, 700);

    // From a count: rows and columns 4 and 5 whenever their arms are present.
    DanePomiar p;
    p.NatezeniaNaRelacjach[4] = {0, 0, 0, 0, 0};
    p.NatezeniaNaRelacjach[0][4] = 800;   // column 5 sum 800
    Pomiary.push_back(p);
    Ronda[0].ZPomiaru = 1;
    Ronda[0].NrPomiaru = 0;
    Ronda[0].NaPierscieniu2 = {};
    UstawSkalePaskow();
    EXPECT_EQ(wg.MaxNatezenie, 800);
    Ronda[0].Ramie[4] = 0;
    Ronda[0].Ramie[0] = 0;
    UstawSkalePaskow();
    EXPECT_EQ(wg.MaxNatezenie, 50);
}


// Diagrams computed one after another read the largest values as the
// project holds them at that moment: a diagram that reads a count takes its
// arms from the count when computed, so what it counts changes then. A pass
// over the sheet keeps the largest values instead of scanning the project
// for every diagram, and must give the same sequence, when a diagram's value
// rises and when the diagram holding the largest value goes down.
TEST_F(Skale, PrzebiegDajeTeSameNajwiekszeCoSkanowanie)
{
    const int d0 = DodajZSumami({400, 0, 0, 0}, {0, 0, 400, 0});
    R(d0).Przejscia[0].L[0] = 10;
    R(d0).Przejscia[0].P[0] = 5;              // 15 pedestrians
    const int d1 = DodajZSumami({300, 0, 0, 0}, {0, 300, 0, 0});
    R(d1).Przejscia[0].L[1] = 40;
    // d2 has only its south arm until computed; its count has all four
    // inlets and 3000 vehicles from inlet 1 (arm 2) to inlet 2 (arm 3).
    DanePomiar wszystkie;
    wszystkie.NatezeniaNaRelacjach[0][1] = 3000;
    // d3 keeps all four arms until computed; its count has only the south
    // inlet (arm 1, count inlet 4): 600 vehicles from it and 55 pedestrians
    // at it, while the east arm's 2500 vehicles and 180 pedestrians stop
    // counting.
    DanePomiar poludnie;
    poludnie.WlotJest = {0, 0, 0, 1};
    poludnie.NatezeniaNaRelacjach[3][0] = 600;
    poludnie.NatezeniaNaRelacjach[0][2] = 2500;
    poludnie.NatezeniaPrzejscObliczone[3] = {30, 25};
    poludnie.NatezeniaPrzejscObliczone[0] = {90, 90};
    Pomiary = {wszystkie, poludnie};
    const int d2 = DodajRuchoplan(), d3 = DodajRuchoplan();
    for (int i : {d2, d3}) {
        R(i).ZPomiaru = 1;
        R(i).NrPomiaru = i - d2;
    }
    R(d2).Ramie = {1, 0, 0, 0};
    R(d3).Ramie = {1, 1, 1, 1};

    const std::vector<DaneRuchoplan> poczatek = Ruchoplany;
    auto policzKolejno = [&] {
        std::vector<std::pair<int32_t, int32_t>> najwieksze;
        for (int i : {d0, d1, d2, d3}) {
            ObliczRuchoplan(i);
            najwieksze.emplace_back(wg.MaxNatezenie, wg.MaxPrzejscie);
        }
        return najwieksze;
    };
    const std::vector<std::pair<int32_t, int32_t>> oczekiwane = {{2500, 180}, {2500, 180}, {3000, 180}, {3000, 55}};
    EXPECT_EQ(policzKolejno(), oczekiwane);
    Ruchoplany = poczatek;
    {
        const PrzebiegObliczen przebieg;
        const PrzebiegObliczen zagniezdzony;
        EXPECT_EQ(policzKolejno(), oczekiwane);
    }

    // Past the pass a change made outside any computation counts at once.
    R(d1).SumaWylotu[1] = 5000;
    UstawSkalePaskow();
    EXPECT_EQ(wg.MaxNatezenie, 5000);
}

} // namespace
