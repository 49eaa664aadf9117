// Descriptions: those of the current variant and of all variants, in
// collection order, with their sizes and angle; unreadable ones left out.

#include "pomoc.h"

#include "drawing/Opisy.h"

TEST_F(TestRysowania, OpisyBiezacegoWariantuIWszystkich)
{
    Wyjscia(true, false, true);
    for (int32_t wariant : {2, -1, 0}) {
        DaneOpis o;
        o.Tekst = "W" + std::to_string(wariant);
        o.X = 1.0f, o.Y = 2.0f, o.Sx = 0.4f, o.Sy = 0.5f, o.Kat = 90.0f, o.Wariant = wariant;
        Opisy.push_back(o);
    }
    auto narysowane = [&](int32_t wariant) {
        n->Wyczysc();
        BiezacyWariant = wariant;
        RysujOpisy();
        std::string wynik;
        for (const EncjaDxf& e : n->dxf.encje)
            wynik += e.tekst + (e.warstwa == "Rupl_Napisy" ? " " : "? ");
        return wynik;
    };
    EXPECT_EQ(narysowane(0), "W-1 W0 ");
    EXPECT_EQ(narysowane(2), "W2 W-1 ");
    EXPECT_EQ(narysowane(1), "W-1 ");
    EXPECT_EQ(narysowane(-1), "W-1 ");  // a project without variants

    // Height Sy, character width Sx; at 90 degrees the DXF anchor lies 0.2 h
    // left of the baseline's start.
    narysowane(1);
    const EncjaDxf& e = n->dxf.encje.at(0);
    EXPECT_NEAR(e.x1, 1.0 - 0.2 * 0.5, 1e-6);
    EXPECT_NEAR(e.y1, 2.0 - 25.0, 1e-6);  // variant 1 lies one sheet and gap lower
    EXPECT_NEAR(e.wysokosc, 0.7 * 0.5, 1e-6);
    EXPECT_NEAR(e.wspSzerokosci, 0.8 * 0.4 / 0.5, 1e-6);
    EXPECT_EQ(e.obrot, 90.0);

    Opisy[1].X = std::numeric_limits<float>::quiet_NaN();  // a damaged file
    Opisy[2].Sy = 0.0f;                                    // no height: nothing to show
    EXPECT_EQ(narysowane(0), "");
    Opisy.clear();
}
