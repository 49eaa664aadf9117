// Junction diagram records: new ones, the "kv3" lines, and the older diagram
// and roundabout sections.
#include "calosc_pomoc.h"

#include <algorithm>
#include <vector>

namespace {

class RuchoplanTest : public ModelTest {};

const std::string Kreski(42, '-');

// The other defaults show in the "kv3" lines below.
TEST_F(RuchoplanTest, NowyWezelBierzeKoloryNastawANowyWariantKopiujeGeometrieBezNatezen)
{
    wg.KolorWypelnien = 0x00445566, wg.KolorLinii = 1, wg.KolorOpisow = 2, wg.KolorTytulow = 3;
    ASSERT_EQ(DodajWariant("W1", "", "", "", 0, 0, 'L'), "");
    ASSERT_EQ(DodajWezel(1, 1, "A", 'J'), "");
    ASSERT_EQ(Ruchoplany.size(), 1u);
    EXPECT_EQ(Ruchoplany[0].Oznaczenie, (std::array<KrotkiTekst<3>, 4>{"D", "A", "B", "C"}));
    EXPECT_EQ(Ruchoplany[0].KoloryRelacji[15], 0x00445566u);
    EXPECT_EQ(Ruchoplany[0].KoloryPodstawowe, (std::array<TKolor, 4>{1, 2, 3, 0x00445566}));

    ASSERT_EQ(DodajWariant("W2", "", "", "", 0, 0, 'L'), "");
    for (int i = 0; i < 2; ++i) {
        DaneRuchoplan& r = Ruchoplany[i];
        r.Kat[1] = 0.5f + static_cast<float>(i), r.GeometriaWprowadzona = 1, r.WlaczPrognoze = 1;
        r.Natezenia[3] = 40, r.NatezeniaStruktura[2][0] = 7, r.Przejscia[0].L[0] = 9;
        r.NrPomiaru = r.NrPrognozy = r.NrWspolczynnikow = 0;
        r.ZPomiaru = r.ZeStruktury = 1;
        r.Obliczony = 1;
        PoliczSumyRuchoplanu(r);
    }
    ASSERT_EQ(DodajWariant("W3", "", "", "", 0, 0, 'L'), "");
    const DaneRuchoplan& n = Ruchoplany[2];
    EXPECT_EQ(n.NrWariantu, 2);
    EXPECT_EQ(n.NrWezla, 0);
    EXPECT_EQ(n.Kat[1], 0.5f) << "the lowest-indexed diagram of the node lends its geometry";
    EXPECT_EQ(n.GeometriaWprowadzona, 1);
    EXPECT_EQ(n.WlaczPrognoze, 1);
    EXPECT_EQ(n.Natezenia, (std::array<int32_t, 16>{}));
    EXPECT_EQ(n.NatezeniaStruktura[2][0], 0);
    EXPECT_EQ(n.Przejscia[0].L[0], 0);
    EXPECT_EQ(n.SumaWlotu, (std::array<int32_t, 4>{}));
    EXPECT_EQ(n.NrPomiaru, -1);
    EXPECT_EQ(n.NrPrognozy, -1);
    EXPECT_EQ(n.NrWspolczynnikow, -1);
    EXPECT_EQ(n.ZPomiaru, 0);
    EXPECT_EQ(n.ZeStruktury, 0);
    EXPECT_EQ(n.Obliczony, 0);
}

DaneRuchoplan PrzykladowyRuchoplan()
{
    DaneRuchoplan r;
    WypelnijDomyslnyRuchoplan(r);
    r.NrWezla = 2, r.NrWariantu = 1, r.Tytul = {"T1", "", "T3"}, r.TytulWysokosc = 0.7f;
    r.NrPomiaru = 3, r.ZPomiaru = 1, r.X = 12.345f;
    r.KoloryPodstawowe = {0x0000FF, 0x00FF00, 0xFF0000, 0x123456};
    r.Oznaczenie[0] = "Dx", r.OpisRamienia[0] = "ul. A", r.Kat[0] = 1.5707964f;
    r.Natezenia = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    r.Przejscia[0].L = {21, 22, 23, 24}, r.Przejscia[0].P = {31, 32, 33, 34};
    r.KoloryRelacji.fill(0);
    r.KoloryRelacji[1] = 0x00ABCDEF;
    r.ZeStruktury = 1, r.NatezeniaStruktura[0][0] = 100, r.NatezeniaStruktura[3][0] = 103;
    r.NatezeniaStruktura[0][1] = 200, r.NatezeniaStruktura[15][10] = 999;
    return r;
}

TEST_F(RuchoplanTest, SekcjaKv3LiniaPoLiniiIZPowrotem)
{
    Ruchoplany = {DaneRuchoplan{}, PrzykladowyRuchoplan()};
    LiczbaSkladow = 5;
    Sklad[1].Oznaczenie = "Os", Sklad[1].Nazwa = "Osobowe", Sklad[1].Wspolczynnik = 1.5f, Sklad[2].Aktywny = 0;
    PisarzProjektu p;
    ZapiszSekcjeRuchoplanu(p, 1);
    const auto& l = p.Linie();
    ASSERT_EQ(l.size(), 385u);
    const std::vector<std::string> poczatek = {
        Kreski + "kv3", "Ruchoplan", "1", Kreski, "2", "1", "T1", "", "T3", "-5.00", "12.00", "C", "0.70",
        "3", "-1", "-1", "True", "True", "False", "12.35", "0.00", "False", "###### GLOBALNE", "True", "0.50",
        "7.00", "6.00", "3.50", "4.00", "2.00", "0.00", "0.00", "clRed", "$00123456", "clLime", "clBlue",
        // arm 1
        "###### W1", "Dx", "ul. A", " ", "True", "True", "1.5707964", "0.50", "7.00", "5.50", "3.50", "4.00",
        "2.00", "1", "2", "3", "4", "21", "22", "23", "24", "31", "32", "33", "34", "clBlack", "$00ABCDEF",
        "clBlack", "clBlack",
        // arm 2 starts
        "###### W2", "A"};
    for (std::size_t i = 0; i < poczatek.size(); ++i)
        EXPECT_EQ(l[i], poczatek[i]) << "line " << i + 1;
    // Volume (2, 1), the end of the arms, the vehicle types.
    SprawdzLinie(l, {{79, "5"}, {152, "clBlack"}, {153, ""}, {154, "--------------------SKLAD-STRUKTURA----kv3"},
                     {155, "5"}});
    // A vehicle type row: flag, code, name, factor.
    EXPECT_EQ(Wiersze(l.begin() + 159, l.begin() + 164), (Wiersze{"T", "Os", "Osobowe", "1.50", "N"}));
    // The structure part: element 0 of the relations (1,1)..(1,4), then element 1 of them.
    SprawdzLinie(l, {{200, Kreski}, {201, "-----------------------------STRUKTURA----kv3"}, {202, "Ruchoplan"},
                     {203, "1"}, {205, "True"}, {206, "###### W1"}, {207, "100"}, {210, "103"}, {211, "200"},
                     {251, "###### W2"}, {385, "999"}});

    // Read back after diagram 0: totals computed, nothing marked computed.
    const DaneRuchoplan wzor = Ruchoplany[1];
    Ruchoplany.resize(1);
    CzytnikProjektu c = CzytnikSekcji(l);
    CzytajSekcjeRuchoplanu(c, 3);
    EXPECT_EQ(c.NumerLinii(), 152) << "the section reader goes on after the arm blocks";
    ASSERT_EQ(Ruchoplany.size(), 2u);
    const DaneRuchoplan& r = Ruchoplany[1];
    EXPECT_EQ(r.ZeStruktury, 0) << "set only by the structure part";
    EXPECT_EQ(r.X, 12.35f);
    EXPECT_EQ(r.Kat[0], wzor.Kat[0]);
    EXPECT_EQ(r.SumaWlotu, (std::array<int32_t, 4>{10, 26, 42, 58}));
    EXPECT_EQ(r.SumaWylotu, (std::array<int32_t, 4>{28, 32, 36, 40}));
    EXPECT_EQ(r.Przejscie, (std::array<uint8_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(r.Przejscia, wzor.Przejscia);
    EXPECT_EQ(r.Obliczony, 0);

    // The structure part, found by the section loop further on.
    CzytnikProjektu s = CzytnikSekcji(Wiersze(l.begin() + 200, l.end()));
    CzytajStruktureRuchoplanu(s);
    EXPECT_EQ(r.ZeStruktury, 1);
    EXPECT_EQ(r.NatezeniaStruktura, wzor.NatezeniaStruktura);
    PoliczSumyZeStruktury(Ruchoplany[1]);
    EXPECT_EQ(r.SumaWlotu[0], 203) << "element 0 of the blocks, never elements 1 to 10";
}

// A diagram stands at its node, whose place the computation copies into the
// record before it draws. A record not computed since its node was placed
// or moved (another variant's, never shown) saves its node's place all the
// same, so that drawing, printing or exporting before a save changes no
// byte; a record naming no node keeps its own copy.
TEST_F(RuchoplanTest, PolozenieDiagramuIRondaZapisujeSieZWezla)
{
    ASSERT_EQ(DodajWariant("W1", "", "", "", 0, 0, 'L'), "");
    ASSERT_EQ(DodajWariant("W2", "", "", "", 0, 0, 'L'), "");
    ASSERT_EQ(DodajWezel(10.5, 15.0, "A", 'J'), "");
    ASSERT_EQ(DodajWezel(30.25, 8.0, "R", 'R'), "");
    ASSERT_EQ(Ruchoplany.size(), 2u);
    ASSERT_EQ(Ronda.size(), 2u);
    EXPECT_EQ(Ruchoplany[1].X, 0.0f) << "never computed";
    using Polozenie = std::pair<std::string, std::string>;
    // The x and y lines of each diagram's, then each roundabout's section.
    auto zapisane = [] {
        std::vector<Polozenie> w;
        for (int i = 0; i < 2; ++i) {
            PisarzProjektu p;
            ZapiszSekcjeRuchoplanu(p, i);
            w.emplace_back(p.Linie().at(19), p.Linie().at(20));
        }
        for (int i = 0; i < 2; ++i) {
            PisarzProjektu p;
            ZapiszSekcjeRonda(p, i);
            w.emplace_back(p.Linie().at(19), p.Linie().at(20));
        }
        return w;
    };
    const Polozenie a{"10.50", "15.00"}, r{"30.25", "8.00"};
    EXPECT_EQ(zapisane(), (std::vector<Polozenie>{a, a, r, r}));

    Wezly[0].X = 12.0, Wezly[0].Y = -3.5;  // moved
    EXPECT_EQ(zapisane(), (std::vector<Polozenie>{{"12.00", "-3.50"}, {"12.00", "-3.50"}, r, r}));

    Ronda[1].NrWezla = 7, Ronda[1].X = 1.25f, Ronda[1].Y = 2.5f;
    EXPECT_EQ(zapisane().back(), (Polozenie{"1.25", "2.50"}));
}

TEST_F(RuchoplanTest, SekcjaPozaKolejnosciaUcietaIBlokStrukturyBezRuchoplanuOdmawiaja)
{
    Ruchoplany = {PrzykladowyRuchoplan()};
    PisarzProjektu p;
    ZapiszSekcjeRuchoplanu(p, 0);
    Ruchoplany.clear();
    std::vector<std::string> l = p.Linie();
    l[2] = "5";  // index past the next free one
    CzytnikProjektu c = CzytnikSekcji(l);
    EXPECT_THROW(CzytajSekcjeRuchoplanu(c, 3), BladPliku);
    EXPECT_TRUE(Ruchoplany.empty());

    std::vector<std::string> s(p.Linie().begin() + 200, p.Linie().end());
    CzytnikProjektu cs = CzytnikSekcji(s);
    EXPECT_THROW(CzytajStruktureRuchoplanu(cs), BladPliku);

    std::vector<std::string> krotki(p.Linie().begin(), p.Linie().begin() + 100);
    krotki[40] = "Tekst ramienia";  // texts too must be in the file
    CzytnikProjektu k = CzytnikSekcji(krotki);
    try {
        CzytajSekcjeRuchoplanu(k, 3);
        ADD_FAILURE() << "an end of file inside a section must be refused";
    } catch (const BladPliku& b) {
        EXPECT_EQ(b.linia, 100) << "the last line of the file";
    }
}

TEST_F(RuchoplanTest, StarszeWersjeRuchoplanowIRond)
{
    ASSERT_TRUE(Otworz(KG_TEST_DATA "/starsze_kv2_rv1.rup")) << Blad();
    ASSERT_EQ(Ruchoplany.size(), 1u);
    const DaneRuchoplan& r = Ruchoplany[0];
    EXPECT_EQ(r.Tytul[1].str(), "Tytul B");
    EXPECT_EQ(r.TytulWyrownanie, 'P');
    EXPECT_EQ(r.TytulWysokosc, 0.7f);
    EXPECT_EQ(r.GeometriaWprowadzona, 1);
    EXPECT_EQ(r.Globalne, 0);
    EXPECT_EQ(r.PoprawkaPrawoskretow, 0.2f);
    EXPECT_EQ(r.KoloryPodstawowe, (std::array<TKolor, 4>{0, KolorRGB(128, 128, 128), KolorRGB(128, 0, 0), KolorRGB(192, 192, 192)}));
    EXPECT_EQ(r.Kat[3], 3.25f);
    EXPECT_EQ(r.Oznaczenie[1].str(), "S2");
    EXPECT_EQ(r.OpisRamienia[3].str(), "opis 2b");
    EXPECT_EQ(r.Strzalka[2], 0);
    EXPECT_EQ(r.Natezenia[4 * 3 + 3], 44);
    EXPECT_EQ(r.SumaWlotu[0], 10 * 4 + 10);
    EXPECT_EQ(r.Przejscia[1].L, (std::array<int32_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(r.Przejscia[1].P, (std::array<int32_t, 4>{5, 6, 7, 8}));
    EXPECT_EQ(r.KoloryRelacji[4 * 2 + 2], 0x00102030u);
    EXPECT_EQ(r.NrPomiaru, -1);
    EXPECT_EQ(r.NrPrognozy, -1);
    EXPECT_EQ(r.NrWspolczynnikow, -1);
    EXPECT_EQ(r.ZPomiaru, 0);
    EXPECT_EQ(r.WlaczPrognoze, 1);
    EXPECT_EQ(r.Przejscie, (std::array<uint8_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(r.Obliczony, 0);

    ASSERT_EQ(Ronda.size(), 1u);
    const DaneRondo& o = Ronda[0];
    EXPECT_EQ(o.NrWezla, 1);
    EXPECT_EQ(o.Tytul[0].str(), "Rondo stare");
    EXPECT_EQ(o.TytulDy, 12.0f);
    EXPECT_EQ(o.TytulWyrownanie, 'L');
    EXPECT_EQ(o.TytulH, 0.0f);
    EXPECT_EQ(o.AutoAktualizacja, 0);
    EXPECT_EQ(o.PromienWewn, 2.75f);
    EXPECT_EQ(o.GeometriaWprowadzona, 1);
    EXPECT_EQ(o.DaneRelacje, 0);
    EXPECT_EQ(o.LiczbaRamion, 4);
    EXPECT_EQ(o.KolorWypelnien, KolorRGB(192, 192, 192));
    EXPECT_EQ(o.Kat[4], 4.5f);
    EXPECT_EQ(o.Macierz[2][4], 35);
    EXPECT_EQ(o.NatezeniaPrzejsc, (DaneRondo{}.NatezeniaPrzejsc));
    EXPECT_EQ(o.SumaWlotuRel[4], 5000);
    EXPECT_EQ(o.WylotWpisany[4], 5003);
    EXPECT_EQ(o.KolorWylotu[0], KolorRGB(0, 0, 128));
    EXPECT_EQ(o.NrPomiaru, -1);
    EXPECT_EQ(o.NrPrognozy, -1);
    EXPECT_EQ(o.NrWspolczynnikow, -1);
    EXPECT_EQ(o.Przejscie, (std::array<uint8_t, 5>{1, 1, 1, 1, 1}));
    // Computed after the load, from the typed totals of its four arms.
    EXPECT_EQ(o.SumaWlotu[0], 1002);

    ASSERT_TRUE(Otworz(KG_TEST_DATA "/starsze_kv1_rv2.rup")) << Blad();
    ASSERT_EQ(Ruchoplany.size(), 1u);
    const DaneRuchoplan& s = Ruchoplany[0];
    EXPECT_EQ(s.Przejscia, (std::array<DanePrzejscia, 4>{}));
    EXPECT_EQ(s.WlaczPrognoze, 0);
    EXPECT_EQ(s.Natezenia[4 * 3 + 3], 44);
    EXPECT_EQ(s.KoloryRelacji[4 * 2 + 2], 0x00102030u);
    EXPECT_EQ(s.TytulWysokosc, 0.7f);

    ASSERT_EQ(Ronda.size(), 1u);
    const DaneRondo& p = Ronda[0];
    EXPECT_EQ(p.NatezeniaPrzejsc[1][2], (std::array<int32_t, 2>{203, 207}));
    EXPECT_EQ(p.SumaWlotuRel[1], 2000);
    EXPECT_EQ(p.WlaczPrognoze, 0);
    EXPECT_EQ(p.TytulH, 0.0f);
}

}  // namespace

// The computed relation bands travel with their record: a copy has its own,
// a record never computed reads zeros, and growing the collection keeps them.
TEST(RelacjeDiagramu, KopiaMaWlasneAPusteCzytaSieZerami)
{
    DaneRuchoplan a;
    const DaneRuchoplan& staly = a;
    EXPECT_EQ(staly.Relacje[3].Natezenie, 0);
    EXPECT_EQ(staly.Relacje[15].Kolor, 0u);
    a.Relacje[3].Natezenie = 7;
    a.Relacje[5].Nazwa = "21";
    DaneRuchoplan b = a;
    b.Relacje[3].Natezenie = 9;
    EXPECT_EQ(a.Relacje[3].Natezenie, 7);
    EXPECT_EQ(b.Relacje[5].Nazwa.str(), "21");
    a = b;
    EXPECT_EQ(a.Relacje[3].Natezenie, 9);

    std::vector<DaneRuchoplan> v(1);
    v[0].Relacje[0].Natezenie = 1;
    v[0].Relacje[1].Natezenie = 3;
    for (int i = 0; i < 40; ++i)
        v.push_back(v[0]);
    EXPECT_EQ(v[0].Relacje[1].Natezenie, 3);
    EXPECT_EQ(v.back().Relacje[1].Natezenie, 3);
    std::stable_sort(v[0].Relacje.begin(), v[0].Relacje.end(),
                     [](const DanaRelacja& x, const DanaRelacja& y) { return x.Natezenie > y.Natezenie; });
    EXPECT_EQ(v[0].Relacje[0].Natezenie, 3);
    EXPECT_EQ(v[0].Relacje[1].Natezenie, 1);
    EXPECT_EQ(v[1].Relacje[0].Natezenie, 1);  // the copies are their own
}
