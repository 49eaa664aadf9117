// Flow labels: texts and positions of the corner sums, the standard labels
// and the flow tables, read from the recording DXF receiver (a TEXT anchor
// lies 0.2 of the height off the baseline, its height is 0.7 of the text's).

#include <gtest/gtest.h>

#include <algorithm>

#include "base/Teksty.h"
#include "junction/OpisyPotokow.h"
#include "junction/WspolneRysowania.h"
#include "rysuj_wspolne.h"

namespace {

using namespace rysuj_test;

class OpisyPotokow : public ProjektJednegoWezla {
protected:
    void SetUp() override
    {
        ProjektJednegoWezla::SetUp();
        UstawSeparatorDziesietny('.');
        TylkoDxf();
    }

    // A horizontal text of height h, found once, with its baseline anchor at (x, y).
    void Oczekuj(const std::string& t, double x, double y, double h)
    {
        SCOPED_TRACE(t);
        const auto w = Teksty(n);
        ASSERT_EQ(std::count(w.begin(), w.end(), t), 1);
        const EncjaDxf* e = ZnajdzTekst(n, t);
        EXPECT_NEAR(e->x1, x, 1e-4);
        EXPECT_NEAR(e->y1, y + 0.2 * h, 1e-4);
        EXPECT_NEAR(e->wysokosc, 0.7 * h, 1e-5);
        EXPECT_EQ(e->warstwa, "Rupl_opisy");
    }
    using Lista = std::vector<std::string>;

    Nagrywanie n;
    TRozmiaryLegendy r;   // h 0.4, H 0.6, offsets (1.0, 0.0), one decimal
};

TEST_F(OpisyPotokow, TekstyLiczb)
{
    EXPECT_EQ(TekstPotoku(123.0), "123");
    EXPECT_EQ(TekstPotoku(0.0), "0");
    EXPECT_EQ(TekstPotoku(2.5), "2.5");
    EXPECT_EQ(TekstProcentu(33.3333, 1), "33.3%");
    EXPECT_EQ(TekstProcentu(12.5, 0), "13%");
    UstawSeparatorDziesietny(',');
    EXPECT_EQ(TekstProcentu(50.0, 2), "50,00%");
}

TEST_F(OpisyPotokow, SumaWNarozniku)
{
    // Global sizes: total height 0.6, character width 0.5; "123" is 0.9 wide.
    RysujSume(false, "LG", 10.0f, 20.0f, 1.0f, 0.5f, 0.0f, 123, 0, "Rupl_opisy");
    Oczekuj("123", 10.5, 20.0 - 0.72 - 1.0, 0.6);
    n.Wyczysc();
    RysujSume(false, "PD", 10.0f, 20.0f, 1.0f, 0.5f, 0.0f, 123, 0, "Rupl_opisy");
    Oczekuj("123", 10.0 - 0.9 - 0.5, 21.0, 0.6);

    // Turned by a quarter about the anchor: the offset (0.5, -1.72) becomes (1.72, 0.5).
    n.Wyczysc();
    RysujSume(false, "LG", 10.0f, 20.0f, 1.0f, 0.5f, static_cast<float>(KatPiPol), 123, 0, "Rupl_opisy");
    const EncjaDxf* e = ZnajdzTekst(n, "123");
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->x1, 11.72 - 0.2 * 0.6, 1e-4);
    EXPECT_NEAR(e->y1, 20.5, 1e-4);
    EXPECT_NEAR(e->obrot, 90.0, 1e-4);

    // A zero sum only in zero-volume mode.
    n.Wyczysc();
    RysujSume(false, "LD", 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0, 0, "Rupl_opisy");
    EXPECT_TRUE(n.dxf.encje.empty());
    RysujSume(true, "LD", 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0, 0, "Rupl_opisy");
    EXPECT_EQ(Teksty(n), Lista{"0"});

    // The node's own table would give other sizes; the sum keeps the global ones.
    n.Wyczysc();
    RozmiaryLegendy[5] = 1.0f;
    RozmiaryLegendy[4] = 0.4f;
    RysujSume(false, "LD", 0.0f, 0.0f, 2.0f, 3.0f, 0.0f, 7, 0, "Rupl_opisy");
    Oczekuj("7", 3.0, 2.0, 1.0);
}

TEST_F(OpisyPotokow, EtykietaStandardowa)
{
    RysujOpisRelacji(r, "LD", 10.0f, 20.0f, r[12], r[13], 0.0f, 50.0f, 30.0f, 20.0f, 0.0f, true, true, true, false,
                     true, false, 0, "Rupl_opisy");
    EXPECT_EQ(Teksty(n), (Lista{"50.0%", "30.0%", "20.0%", "50", "30", "20", "100"}));
    // Percentages 0.66 wide, so the volumes start at M + 0.5 = 1.16; rows
    // 0.48 apart from 0.12; everything 1.0 up (element 12).
    Oczekuj("50.0%", 10.2, 21.12, 0.4);
    Oczekuj("20.0%", 10.2, 22.08, 0.4);
    Oczekuj("30", 11.16, 21.6, 0.4);
    // The total (0.9 wide) left of the anchor, above the U-turn's place.
    Oczekuj("100", 8.9, 21.64, 0.6);
    EXPECT_NEAR(ZnajdzTekst(n, "50.0%")->wspSzerokosci, 0.8 * 0.22 / 0.4, 1e-5);

    // "PG" with a U-turn; row 1's arm is missing: no volume and no percentage for it.
    n.Wyczysc();
    r[12] = 0.5f;
    r[13] = 0.25f;
    RysujOpisRelacji(r, "PG", 0.0f, 0.0f, r[12], r[13], 0.0f, 60.0f, 0.0f, 20.0f, 20.0f, true, false, true, false,
                     true, false, 0, "Rupl_opisy");
    EXPECT_EQ(Teksty(n), (Lista{"60.0%", "20.0%", "60", "20", "20  20.0%", "100"}));
    const double dol = -(0.6 * 0.4 + 3.6 * 0.4) - 0.5;
    // Texts end left of the anchor; M = 0.66.
    Oczekuj("60.0%", -0.66 - 0.2 - 0.25, 0.12 + dol, 0.4);
    Oczekuj("60", -0.66 - 0.36 - 0.5 - 0.25, 0.12 + dol, 0.4);
    // The U-turn right of the anchor, 1.3 H above the lowest row; the total at the lowest row.
    Oczekuj("20  20.0%", 0.2 - 0.25, 0.12 + 1.3 * 0.6 + dol, 0.4);
    Oczekuj("100", 0.2 - 0.25, 0.12 + dol, 0.6);
}

TEST_F(OpisyPotokow, EtykietaBezRuchuTylkoWTrybieZer)
{
    auto opis = [&](bool f2, bool zera, bool procenty, float v) {
        n.Wyczysc();
        RysujOpisRelacji(r, "LD", 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, v, v, v, 0.0f, true, true, f2, zera, procenty, true,
                         0, "Rupl_opisy");
        return Teksty(n);
    };
    EXPECT_TRUE(opis(true, false, true, 0.0f).empty());
    // Zero-volume mode: "0" per present row (the third is off) and the total,
    // no percentages, and no U-turn while percentages are on.
    EXPECT_EQ(opis(false, true, true, 0.0f), (Lista{"0", "0", "0"}));
    EXPECT_EQ(opis(true, true, false, 0.0f), (Lista{"0", "0", "0", "0", "0"}));
    // A TrueType label does not go into DXF.
    TekstTT = true;
    EXPECT_TRUE(opis(true, false, false, 5.0f).empty());
}

TEST_F(OpisyPotokow, Tabelka)
{
    RysujTabelke(r, 10, 0.0f, 0.0f, r[12], r[13], 0.0f, 60, 30, 0, true, true, true, false, "C", "B", "A", "D", true,
                 true, false, 1, 0, "Rupl_opisy");
    // DXF separates the designations by two blanks; no U-turn column.
    EXPECT_EQ(Teksty(n), (Lista{"D  C", "D  B", "D  A", "10", "60", "30", "10.0%", "60.0%", "30.0%", "100"}));
    // Each column 0.72 + 0.4 wide; rows 0.48 high from the anchor down.
    Oczekuj("D  C", 1.1, -0.48, 0.4);
    Oczekuj("D  B", 2.22, -0.48, 0.4);
    Oczekuj("10", 1.0 + (1.12 - 0.36) / 2.0, -0.96, 0.4);
    Oczekuj("30.0%", 3.34, -1.44, 0.4);
    // The total centred under the table, 1.2 H below its last row.
    Oczekuj("100", 1.0 + (3.36 - 0.9) / 2.0, -1.44 - 0.72, 0.6);
    // 48 cell sides, 3 sides of the total cell, arrows: left and right turn
    // 9 lines each, straight 7, three side arrows of 6.
    EXPECT_EQ(Encje(n, EncjaDxf::Typ::Linia).size(), 48u + 3u + 9u + 7u + 9u + 3u * 6u);

    // A zero U-turn on request.
    n.Wyczysc();
    RysujTabelke(r, 0, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 5, 0, 0, true, true, true, false, "C", "B", "A", "D", false,
                 false, true, 1, 0, "Rupl_opisy");
    EXPECT_EQ(Teksty(n), (Lista{"0", "5", "0", "0", "5"}));
}

TEST_F(OpisyPotokow, TabelkaNaEkranieTrzySpacje)
{
    WyjscieDxf = false;
    WyjscieEkran = true;
    Skala = 10.0;   // 100 pixels per cm, sheet origin at pixel (0, 0)
    SrodekX = SrodekY = PolSzerEkranu = PolWysEkranu = 0.0;
    RysujTabelke(r, 10, 0.0f, 0.0f, r[12], r[13], 0.0f, 0, 0, 0, true, false, false, false, "C", "B", "A", "D", true,
                 false, false, 1, 0, "Rupl_opisy");
    EXPECT_TRUE(n.dxf.encje.empty());
    // "D   C" (five characters, 0.9) + 0.4: the first column's right side at
    // x = 1.0 + 1.3; with the DXF's two blanks it would stand at 2.12.
    auto pionowa = [&](int x) {
        return std::any_of(n.ekran.linie.begin(), n.ekran.linie.end(), [x](const auto& l) {
            return l.od.X == x && l.doPunktu.X == x && l.od.Y != l.doPunktu.Y;
        });
    };
    EXPECT_TRUE(pionowa(230));
    EXPECT_FALSE(pionowa(212));
}

TEST_F(OpisyPotokow, TabelkaObrocona)
{
    RysujTabelke(r, 0, 5.0f, 5.0f, 0.0f, 0.0f, static_cast<float>(KatPi), 7, 0, 0, false, true, false, false, "C",
                 "B", "A", "D", false, false, false, 1, 0, "Rupl_opisy");
    // Without designations the volume row starts at the anchor; turned by a
    // half about it the text runs from the anchor to the left, upside down.
    // The volume comes first, the total (also "7") last.
    ASSERT_EQ(Teksty(n), (Lista{"7", "7"}));
    const EncjaDxf* e = Encje(n, EncjaDxf::Typ::Tekst)[0];
    const double x = 5.0 + 0.4 / 2.0, y = 5.0 - 0.48;
    EXPECT_NEAR(e->obrot, 180.0, 1e-3);
    EXPECT_NEAR(e->x1, 10.0 - x, 1e-3);
    EXPECT_NEAR(e->y1, 10.0 - y - 0.2 * 0.4, 1e-3);
}

TEST_F(OpisyPotokow, TabelkaStruktury)
{
    LiczbaSkladow = 3;
    Sklad[1].Oznaczenie = "O";
    Sklad[2].Oznaczenie = "C";
    Sklad[3].Oznaczenie = "A";
    const BlokStruktury lewo{10, 10, 0, 0}, prosto{60, 50, 10, 0}, prawo{30, 30, 0, 0},
        zawrotka{5, 0, 0, 5};   // type 3 only in the U-turn: dropped
    RysujTabelkeStruktury(r, lewo, 0.0f, 0.0f, r[12], r[13], 0.0f, prosto, prawo, zawrotka, true, true, true, false,
                          "C", "B", "A", "D", false, false, false, true, true, false, 1, 0, "Rupl_opisy");
    EXPECT_EQ(Teksty(n), (Lista{"10", "60", "30", "5",                 // volumes
                                "O", "10", "50", "30", "0", "90",      // type 1, U-turn column shown
                                "C", "0", "10", "0", "0", "10",        // type 2
                                "105"}));
    // Columns 0.76, 0.76, 0.76 and 0.58 wide from x = 1.0; the block's rows
    // 0.48 high below the volume row; the sums in a last column 0.76 wide.
    Oczekuj("90", 1.0 + 2.86 + 0.38 - 0.18, -0.96, 0.4);
    Oczekuj("O", 0.52 + 0.24 - 0.09, -0.96, 0.4);
    Oczekuj("105", 1.0 + (2.86 - 0.9) / 2.0, -1.44 - 0.72, 0.6);

    // Turning columns without traffic are left out; no total cell.
    n.Wyczysc();
    LiczbaSkladow = 1;
    RysujTabelkeStruktury(r, {}, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, {40, 40}, {}, {}, true, true, true, false, "C", "B",
                          "A", "D", false, false, false, false, true, true, 1, 0, "Rupl_opisy");
    EXPECT_EQ(Teksty(n), (Lista{"40", "O", "40", "40"}));
}

} // namespace
