// Roundabout records: new ones, the "rv3" lines and the flow computation.
#include <cmath>

#include "calosc_pomoc.h"
#include "model/NatezeniaRonda.h"

namespace {

class RondoTest : public ModelTest {};

const std::string Kreski(42, '-');

TEST_F(RondoTest, PierwszeRondoMaTrzyRamionaANowyWariantKopiujeJeBezNatezenIPowiazan)
{
    wg.KolorWypelnien = 0x00445566;
    ASSERT_EQ(DodajWariant("W1", "", "", "", 0, 0, 'L'), "");
    ASSERT_EQ(DodajWezel(1, 1, "R", 'R'), "");
    ASSERT_EQ(Ronda.size(), 1u);
    EXPECT_EQ(Ronda[0].Ramie, (std::array<uint8_t, 5>{1, 1, 1, 0, 0}));
    EXPECT_EQ(Ronda[0].LiczbaRamion, 3);
    EXPECT_NEAR(Ronda[0].Kat[4] * 180.0 / M_PI, 315.0, 1e-5);
    EXPECT_EQ(Ronda[0].KolorWlotu[4], 0x00445566u);

    ASSERT_EQ(DodajWariant("W2", "", "", "", 0, 0, 'L'), "");
    for (int i = 0; i < 2; ++i) {
        DaneRondo& r = Ronda[i];
        r.PromienR = 4.0f + static_cast<float>(i), r.Tytul[0] = "T";
        r.Macierz[0][1] = 50, r.NatezeniaPrzejsc[0][0][0] = 3, r.SumaWlotuRel[0] = 50, r.WlotWpisany[1] = 20;
        r.StrukturaRelacji[0][1][0] = 8, r.ZeStruktury = 1, r.NrPomiaru = 0, r.ZPomiaru = 1;
    }
    ASSERT_EQ(DodajWariant("W3", "", "", "", 0, 0, 'L'), "");
    const DaneRondo& n = Ronda[2];
    EXPECT_EQ(n.PromienR, 4.0f) << "the lowest-indexed roundabout of the node lends its geometry";
    EXPECT_EQ(n.Tytul[0].str(), "T");
    EXPECT_EQ(n.NrWariantu, 2);
    EXPECT_EQ(n.Macierz[0][1], 0);
    EXPECT_EQ(n.NatezeniaPrzejsc[0][0][0], 0);
    EXPECT_EQ(n.SumaWlotuRel[0], 0);
    EXPECT_EQ(n.NrPomiaru, -1);
    EXPECT_EQ(n.ZPomiaru, 0);
    // The structure table and the typed totals are the node's, not cleared.
    EXPECT_EQ(n.StrukturaRelacji[0][1][0], 8);
    EXPECT_EQ(n.ZeStruktury, 1);
    EXPECT_EQ(n.WlotWpisany[1], 20);
}

DaneRondo PrzykladoweRondo()
{
    DaneRondo r;
    r.NrWezla = 1, r.NrWariantu = 0, r.Tytul = {"Rondo", "", ""}, r.X = 7.0f, r.Y = -2.5f;
    r.KolorLinii = 0, r.KolorWypelnien = 0x00C0C0C0, r.KolorOpisow = 0x000000FF, r.KolorTytulow = 0x00800000;
    r.KolorWlotu.fill(0);
    r.KolorWylotu.fill(0x00FFFFFF);
    r.Macierz[0] = {1, 2, 3, 4, 5}, r.SumaWlotuRel[0] = 15, r.WylotWpisany[0] = 9;
    r.NatezeniaPrzejsc[0][0] = {11, 15}, r.NatezeniaPrzejsc[0][3] = {14, 18};
    r.StrukturaRelacji[0][0] = {100, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    r.StrukturaRelacji[0][4][10] = 55, r.StrukturaRelacji[4][4][10] = 999;
    return r;
}

TEST_F(RondoTest, SekcjaRv3IBlokStrukturyLiniaPoLiniiIZPowrotem)
{
    Ronda = {DaneRondo{}, PrzykladoweRondo()};
    PisarzProjektu p;
    ZapiszSekcjeRonda(p, 1);
    const auto& l = p.Linie();
    ASSERT_EQ(l.size(), 181u + 285u);
    const std::vector<std::string> oczekiwane = {
        Kreski + "rv3", "Rondo", "1", Kreski, "1", "0", "Rondo", "", "", "-5.00", "12.00", "C", "0.75", "-1", "-1",
        "-1", "False", "True", "False", "7.00", "-2.50", "3.00", "3.00", "False", "True", "3", "clBlack", "clSilver",
        "clRed", "clNavy",
        // arm 1
        "###### R1", "A", "", "", "True", "True", "0.00", "0.50", "7.00", "6.00", "1.00", "1", "2", "3", "4", "5",
        "11", "0", "0", "14", "15", "0", "0", "18", "15", "0", "0", "9", "clBlack", "clWhite",
        // arm 2
        "###### R2", "B", "", "", "True", "True", "1.57079637"};
    for (std::size_t i = 0; i < oczekiwane.size(); ++i)
        EXPECT_EQ(l[i], oczekiwane[i]) << "line " << i + 1;
    SprawdzLinie(l, {{151, "###### R5"}, {157, "5.497787"}, {181, ""}});
    const std::vector<std::string> struktura = {"-----------------------------STRUKTURA----rv3", "Rondo", "1", Kreski,
                                                "False", "###### W1", "100", "0", "0", "0", "0", "1"};
    for (std::size_t i = 0; i < struktura.size(); ++i)
        EXPECT_EQ(l[181 + i], struktura[i]) << "structure line " << i + 1;
    // Row 11 of relation (1, 5), then arm 2.
    SprawdzLinie(l, {{181 + 6 + 55, "55"}, {181 + 5 + 57, "###### W2"}});
    EXPECT_EQ(l.back(), "999");

    // The values travel in the full round trip; here the reader's stops: the
    // empty line is left to the section loop and the structure block goes
    // only into an existing roundabout.
    Ronda.resize(1);
    CzytnikProjektu c = CzytnikSekcji(l);
    CzytajSekcjeRonda(c, 3);
    EXPECT_EQ(c.NumerLinii(), 180);
    ASSERT_EQ(Ronda.size(), 2u);
    EXPECT_EQ(Ronda[1].StrukturaRelacji, (DaneRondo{}.StrukturaRelacji));
    std::vector<std::string> blok(l.begin() + 181, l.end());
    CzytnikProjektu s = CzytnikSekcji(blok);
    CzytajStruktureRonda(s);
    EXPECT_EQ(Ronda[1].StrukturaRelacji, PrzykladoweRondo().StrukturaRelacji);
    blok[2] = "2";
    CzytnikProjektu z = CzytnikSekcji(blok);
    EXPECT_THROW(CzytajStruktureRonda(z), BladPliku);
    EXPECT_EQ(Ronda.size(), 2u) << "nothing written outside";
}

// The flow computation: hand-worked cases.
class NatezeniaRondaTest : public ModelTest {
protected:
    DaneRondo& Nowe()
    {
        Ronda.assign(1, DaneRondo{});
        return Ronda[0];
    }
};

TEST_F(NatezeniaRondaTest, SumyWpisaneBilansujaSieNaPierscieniu)
{
    DaneRondo& r = Nowe();
    r.DaneRelacje = 0;
    r.LiczbaRamion = 3;
    r.WlotWpisany = {100, 50, 70, 0, 0};
    r.WylotWpisany = {80, 90, 50, 0, 0};
    r.NaPierscieniu1[4] = 77;
    ObliczNatezeniaRonda(0);
    EXPECT_EQ(r.NaPierscieniu2, (std::array<int32_t, 5>{100, 60, 80, 0, 0}));
    EXPECT_EQ(r.NaPierscieniu1, (std::array<int32_t, 5>{0, 10, 10, 0, 77})) << "arms past n keep their values";
    EXPECT_EQ(r.SumaWlotu, r.WlotWpisany);
    EXPECT_EQ(r.SumaWylotu, r.WylotWpisany);

    r.WlotWpisany = {0, 0, 100, 0, 0};
    r.WylotWpisany = {0, 100, 0, 0, 0};
    ObliczNatezeniaRonda(0);
    EXPECT_EQ(r.NaPierscieniu1, (std::array<int32_t, 5>{100, 0, 0, 0, 77}));
    EXPECT_EQ(r.NaPierscieniu2, (std::array<int32_t, 5>{100, 0, 100, 0, 0}));
}

TEST_F(NatezeniaRondaTest, KomorkiMijajaceRamieZgodnieZTabela)
{
    // Cells summed into C(k), written ij (arms from 1).
    const int tabela[5][10] = {{22, 32, 33, 42, 43, 44, 52, 53, 54, 55},
                               {11, 13, 14, 15, 33, 43, 44, 53, 54, 55},
                               {11, 14, 15, 21, 22, 24, 25, 44, 54, 55},
                               {11, 15, 21, 22, 25, 31, 32, 33, 35, 55},
                               {11, 21, 22, 31, 32, 33, 41, 42, 43, 44}};
    DaneRondo& r = Nowe();
    r.DaneRelacje = 1;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            r.Macierz[i][j] = 1 << (5 * i + j);
    r.SumaWlotuRel = {1, 2, 3, 4, 5};
    r.SumaWylotuRel = {6, 7, 8, 9, 10};
    ObliczNatezeniaRonda(0);
    for (int k = 0; k < 5; ++k) {
        int32_t c = 0;
        for (int komorka : tabela[k])
            c += 1 << (5 * (komorka / 10 - 1) + komorka % 10 - 1);
        EXPECT_EQ(r.NaPierscieniu1[k], c) << "arm " << k + 1;
        EXPECT_EQ(r.NaPierscieniu2[k], c + k + 1) << "the stored row sums are taken";
    }
    EXPECT_EQ(r.SumaWylotu, r.SumaWylotuRel);
}

TEST_F(NatezeniaRondaTest, ZawrotkaPrzyRamieniu2MijaPozostaleRamiona)
{
    DaneRondo& r = Nowe();
    r.ZeStruktury = 1;
    r.StrukturaRelacji[1][1][0] = 40;
    r.StrukturaRelacji[1][1][3] = 999;  // not the total
    ObliczNatezeniaRonda(0);
    EXPECT_EQ(r.NaPierscieniu1, (std::array<int32_t, 5>{40, 0, 40, 40, 40}));
    EXPECT_EQ(r.SumaWlotu[1], 40);
    EXPECT_EQ(r.SumaWylotu[1], 40);
    EXPECT_EQ(r.NaPierscieniu2[1], 40);
}

TEST_F(NatezeniaRondaTest, PomiarUstawiaRamionaIRosnaceKaty)
{
    DanePomiar m;
    m.MaxJest = 4;
    m.NatezeniaNaRelacjach[0][2] = 30;
    Pomiary.push_back(m);
    DaneRondo& r = Nowe();
    r.ZPomiaru = 1;
    r.NrPomiaru = 0;
    const float st = static_cast<float>(M_PI / 180.0);
    r.Kat = {0.0f, 90 * st, 80 * st, 85 * st, 400 * st};
    r.Ramie = {1, 1, 1, 1, 1};
    r.LiczbaRamion = 5;
    ObliczNatezeniaRonda(0);
    EXPECT_EQ(r.LiczbaRamion, 4);
    EXPECT_EQ(r.Ramie, (std::array<uint8_t, 5>{1, 1, 1, 1, 0}));
    EXPECT_NEAR(r.Kat[2] / st, 100.0, 1e-4);
    EXPECT_NEAR(r.Kat[3] / st, 110.0, 1e-4);
    EXPECT_NEAR(r.Kat[4] / st, 400.0, 1e-4);
    EXPECT_EQ(r.SumaWlotu[0], 30);
    EXPECT_EQ(r.SumaWylotu[2], 30);
    EXPECT_EQ(r.NaPierscieniu1[1], 30);

    r.Kat = {0.0f, 90 * st, 80 * st, 270 * st, 300 * st};
    ObliczNatezeniaRonda(0);
    EXPECT_NEAR(r.Kat[2] / st, 100.0, 1e-4);
    EXPECT_NEAR(r.Kat[3] / st, 270.0, 1e-4);
}

TEST_F(NatezeniaRondaTest, PomiarBezPomiaruLiczySieZDanychWpisanych)
{
    DaneRondo& r = Nowe();
    r.ZPomiaru = 1;
    r.NrPomiaru = 0;  // the project holds no count
    r.DaneRelacje = 1;
    r.SumaWlotuRel = {5, 0, 0, 0, 0};
    ObliczNatezeniaRonda(0);
    EXPECT_EQ(r.SumaWlotu[0], 5);
    EXPECT_EQ(r.LiczbaRamion, 3);

    Pomiary.push_back(DanePomiar{});
    r.NrPomiaru = 7;  // no such count either
    ObliczNatezeniaRonda(0);
    EXPECT_EQ(r.SumaWlotu[0], 5);
}

}  // namespace
