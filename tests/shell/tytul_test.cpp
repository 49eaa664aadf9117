// The variant's title: three TrueType lines anchored from the sheet's top
// edge, aligned left, centred or right on the anchor.

#include "drawing/pomoc.h"

#include "drawing/TytulWariantu.h"

TEST_F(TestRysowania, TytulWariantuWyrownanieIPrzesuniecie)
{
    const std::vector<DaneWariant> zapis = Warianty;
    DaneWariant w;
    w.Tytul1 = "ABCD", w.Tytul2 = "AB", w.TytulDx = 10.0f, w.TytulDy = -1.0f;
    Warianty = {DaneWariant{}, w};
    // The x of each line's DXF text.
    auto x = [&](char wyrownanie, int wariant = 1) {
        n->Wyczysc();
        Warianty[1].TytulWyrownanie = wyrownanie;
        RysujTytulWariantu(wariant, 0x0000FF, "Rupl_TytulWariant");
        std::vector<double> wynik;
        for (const EncjaDxf& e : n->dxf.encje)
            wynik.push_back(std::round(e.x1 * 1e5) / 1e5);
        return wynik;
    };
    // Height 0.6 is measured as a 354-pixel cell at 1200 pixels an inch,
    // 177 pixels (0.37465 cm) a character on the recording canvas: "ABCD"
    // is 1.4986 cm wide, "AB" 0.7493.
    const double h = RozmiaryOpisow[3];
    Wyjscia(true, false, true);
    EXPECT_EQ(x('L'), std::vector<double>({10.0, 10.0, 10.0}));
    EXPECT_EQ(x('C'), std::vector<double>({9.2507, 9.62535, 10.0}));
    EXPECT_EQ(x('P'), std::vector<double>({8.5014, 9.2507, 10.0}));
    EXPECT_TRUE(x('X').empty());
    for (int zly : {-1, 2, 1000})
        EXPECT_TRUE(x('L', zly).empty());

    // y = dy + sheet height - (1.2, 2.4, 3.6) h; a DXF text stands 0.2 h higher.
    x('L');
    const double c[] = {1.2, 2.4, 3.6};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(n->dxf.encje.at(k).y1, 19.0 - c[k] * h + 0.2 * h, 1e-5) << k;
        EXPECT_EQ(n->dxf.encje[k].warstwa, "Rupl_TytulWariant");
    }
    EXPECT_EQ(n->dxf.encje[0].tekst, "ABCD");
    // On the screen the text stands on its baseline, in the colour given.
    Wyjscia(true, false, false);
    x('L');
    EXPECT_EQ(n->ekran.napisy.at(0).x, CmNaEkranX(10.0));
    EXPECT_EQ(n->ekran.napisy[0].y, CmNaEkranY(19.0 - 1.2 * h) - 28);
    EXPECT_EQ(n->ekran.napisy[0].kolor, 0x0000FFu);
    Warianty = zapis;
}
