// Descriptions: those of the current variant and those of all variants, in
// collection order, with their sizes, angle and colour.

#include "pomoc.h"

#include <limits>

#include "drawing/Opisy.h"

class Opisy_ : public TestRysowania {
protected:
    void SetUp() override
    {
        TestRysowania::SetUp();
        Wyjscia(true, false, true);
        zapis_ = Opisy;
        Opisy.clear();
        for (int32_t wariant : {2, -1, 0}) {
            DaneOpis o;
            o.Tekst = "W" + std::to_string(wariant);
            o.X = 1.0f;
            o.Y = 2.0f;
            o.Sx = 0.4f;
            o.Sy = 0.5f;
            o.Kat = 90.0f;
            o.Grubosc = 0.3f;
            o.Kolor = 0x00FF00;
            o.Wariant = wariant;
            Opisy.push_back(o);
        }
    }
    void TearDown() override
    {
        Opisy = zapis_;
        TestRysowania::TearDown();
    }

    std::vector<std::string> Narysowane(int32_t wariant)
    {
        n->Wyczysc();
        BiezacyWariant = wariant;
        RysujOpisy();
        std::vector<std::string> wynik;
        for (const EncjaDxf& e : n->dxf.encje) {
            EXPECT_EQ(e.warstwa, "Rupl_Napisy");
            wynik.push_back(e.tekst);
        }
        return wynik;
    }

private:
    std::vector<DaneOpis> zapis_;
};

TEST_F(Opisy_, BiezacegoWariantuIWszystkich)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(Narysowane(0), V({"W-1", "W0"}));
    EXPECT_EQ(Narysowane(2), V({"W2", "W-1"}));
    EXPECT_EQ(Narysowane(1), V({"W-1"}));
    EXPECT_EQ(Narysowane(-1), V({"W-1"}));  // a project without variants
}

TEST_F(Opisy_, RozmiaryKatIKolor)
{
    Opisy.resize(1);
    Opisy[0].Wariant = -1;
    BiezacyWariant = 0;
    RysujOpisy();
    ASSERT_EQ(n->dxf.encje.size(), 1u);
    const EncjaDxf& e = n->dxf.encje[0];
    // Height Sy, character width Sx; at 90 degrees the DXF anchor moves
    // 0.2 h to the left of the baseline.
    EXPECT_NEAR(e.x1, 1.0 - 0.2 * 0.5, 1e-6);
    EXPECT_NEAR(e.y1, 2.0, 1e-6);
    EXPECT_NEAR(e.wysokosc, 0.7 * 0.5, 1e-6);
    EXPECT_NEAR(e.wspSzerokosci, 0.8 * 0.4 / 0.5, 1e-6);
    EXPECT_DOUBLE_EQ(e.obrot, 90.0);
    // On the screen in its colour and pen width (the text "W-1" has glyphs
    // only if the font has them: set one).
    Czcionka['W'] = ZnakTestowy({{0, 0, 10, 10}}, 10);
    n->Wyczysc();
    RysujOpisy();
    ASSERT_FALSE(n->ekran.linie.empty());
    EXPECT_EQ(n->ekran.linie[0].pioro.kolor, 0x00FF00u);
    EXPECT_EQ(n->ekran.linie[0].pioro.grubosc, GruboscEkran(0.3f));
}

TEST_F(Opisy_, LiczbaKtoraNieJestLiczbaIZerowaWysokoscPomijajaOpis)
{
    Opisy[1].X = std::numeric_limits<float>::quiet_NaN();
    Opisy[2].Sy = std::numeric_limits<float>::infinity();
    EXPECT_TRUE(Narysowane(0).empty());
    EXPECT_EQ(Narysowane(2), std::vector<std::string>({"W2"}));
    Opisy[0].Sy = 0.0f;  // no height: nothing to show
    EXPECT_TRUE(Narysowane(2).empty());
}
