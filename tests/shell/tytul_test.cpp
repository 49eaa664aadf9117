// The variant's title: three TrueType lines anchored from the sheet's top
// edge, aligned left, centred or right on the anchor.

#include "drawing/pomoc.h"

#include "drawing/TytulWariantu.h"

class TytulWariantu : public TestRysowania {
protected:
    void SetUp() override
    {
        TestRysowania::SetUp();
        Wyjscia(true, false, true);
        zapisWariantow_ = Warianty;
        zapisRozmiarow_ = RozmiaryOpisow;
        DaneWariant w;
        w.Tytul1 = "ABCD";
        w.Tytul2 = "AB";
        w.Tytul3 = "";
        w.TytulDx = 10.0f;
        w.TytulDy = -1.0f;
        Warianty = {DaneWariant{}, w};
    }
    void TearDown() override
    {
        Warianty = zapisWariantow_;
        RozmiaryOpisow = zapisRozmiarow_;
        TestRysowania::TearDown();
    }

    // The x of each line's DXF text for the alignment.
    std::vector<double> Polozenia(char wyrownanie)
    {
        n->Wyczysc();
        Warianty[1].TytulWyrownanie = wyrownanie;
        RysujTytulWariantu(1, 0x0000FF, "Rupl_TytulWariant");
        std::vector<double> x;
        for (const EncjaDxf& e : n->dxf.encje)
            x.push_back(e.x1);
        return x;
    }

private:
    std::vector<DaneWariant> zapisWariantow_;
    TRozmiaryOpisow zapisRozmiarow_;
};

TEST_F(TytulWariantu, WyrownanieIPrzesuniecie)
{
    // Height 0.6 at Skala 25 is a 28-pixel font; the recording canvas gives
    // 14 pixels a character, 0.35 cm: "ABCD" is 1.4 cm, "AB" 0.7 cm wide.
    const double h = RozmiaryOpisow[3];
    ASSERT_NEAR(h, 0.6, 1e-6);
    auto blisko = [](std::vector<double> a, std::vector<double> b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (std::fabs(a[i] - b[i]) > 1e-5) return false;
        return true;
    };
    EXPECT_TRUE(blisko(Polozenia('L'), {10.0, 10.0, 10.0}));
    EXPECT_TRUE(blisko(Polozenia('C'), {10.0 - 0.7, 10.0 - 0.35, 10.0}));
    EXPECT_TRUE(blisko(Polozenia('P'), {10.0 - 1.4, 10.0 - 0.7, 10.0}));
    EXPECT_TRUE(Polozenia('X').empty());
    EXPECT_TRUE(Polozenia('l').empty());

    // y = dy + sheet height - (1.2, 2.4, 3.6) h; DXF text stands 0.2 h higher.
    Polozenia('L');
    ASSERT_EQ(n->dxf.encje.size(), 3u);
    const double c[] = {1.2, 2.4, 3.6};
    for (int k = 0; k < 3; ++k) {
        const EncjaDxf& e = n->dxf.encje[k];
        EXPECT_NEAR(e.y1, -1.0 + 20.0 - c[k] * h + 0.2 * h, 1e-5) << k;
        EXPECT_EQ(e.warstwa, "Rupl_TytulWariant");
    }
    EXPECT_EQ(n->dxf.encje[0].tekst, "ABCD");
    EXPECT_EQ(n->dxf.encje[1].tekst, "AB");
    // On the screen: the text standing on its baseline, in the colour given.
    Wyjscia(true, false, false);
    Polozenia('L');
    ASSERT_EQ(n->ekran.napisy.size(), 3u);
    EXPECT_EQ(n->ekran.napisy[0].x, CmNaEkranX(10.0));
    EXPECT_EQ(n->ekran.napisy[0].y, CmNaEkranY(19.0 - 1.2 * h) - 28);
    EXPECT_EQ(n->ekran.napisy[0].kolor, 0x0000FFu);
}

TEST_F(TytulWariantu, WysokoscZTabeliOpisowIZlyWariant)
{
    RozmiaryOpisow[3] = 1.0f;
    Polozenia('L');
    ASSERT_EQ(n->dxf.encje.size(), 3u);
    EXPECT_NEAR(n->dxf.encje[2].y1, 19.0 - 3.6 + 0.2, 1e-5);
    EXPECT_NEAR(n->dxf.encje[2].wysokosc, 0.7, 1e-6);

    n->Wyczysc();
    for (int v : {-1, 2, 1000})
        RysujTytulWariantu(v, 0, "Rupl_TytulWariant");
    EXPECT_TRUE(n->dxf.encje.empty());
    EXPECT_TRUE(n->ekran.Pusty());
}
