// Transforms, width conversions, the DXF variant shift and the guards that
// give the output flags back.

#include "pomoc.h"

#include <filesystem>
#include <stdexcept>

#include "drawing/Dxf.h"
#include "drawing/Rysowanie.h"

using Transformacje = TestRysowania;

TEST_F(Transformacje, PikseleObcinaneDoZera)
{
    EXPECT_EQ(NaPiksele(0.9), 0);
    EXPECT_EQ(NaPiksele(-0.9), 0);
    EXPECT_EQ(NaPiksele(2.99), 2);
    EXPECT_EQ(NaPiksele(-2.99), -2);
    EXPECT_EQ(NaPiksele(std::nan("")), 0);
    EXPECT_GT(NaPiksele(1e300), 1000000000);
    EXPECT_LT(NaPiksele(-1e300), -1000000000);
}

TEST_F(Transformacje, EkranObcinaNieZaokragla)
{
    EXPECT_EQ(CmNaEkranX(0.0), 400);
    EXPECT_EQ(CmNaEkranY(0.0), 300);
    EXPECT_EQ(CmNaEkranX(1.0), 440);
    EXPECT_EQ(CmNaEkranX(-10.01), 0);  // -0.4 pixels
    EXPECT_EQ(CmNaEkranX(-10.05), -2);
    EXPECT_EQ(CmNaEkranX(0.024), 400);  // 400.96
    EXPECT_EQ(CmNaEkranY(1.0), 260);    // y turns over
    EXPECT_EQ(CmNaEkranY(-0.024), 300);
    // -0.4 cm on a view centred there at a half width of 0 gives pixel 0.
    PolSzerEkranu = 0.0;
    EXPECT_EQ(CmNaEkranX(-0.4 * 25.0 / 1000.0), 0);
}

TEST_F(Transformacje, SrodekWidokuNaPolowieEkranu)
{
    SrodekX = 12.3;
    SrodekY = -4.5;
    PolSzerEkranu = 400.7;
    PolWysEkranu = 300.2;
    EXPECT_EQ(CmNaEkranX(12.3), 400);
    EXPECT_EQ(CmNaEkranY(-4.5), 300);
}

TEST_F(Transformacje, PowrotNaArkuszRozniSieMniejNizPiksel)
{
    SrodekX = 3.0;
    SrodekY = 7.0;
    for (double x : {-13.37, -0.001, 0.0, 2.5, 17.77, 99.999}) {
        EXPECT_LT(std::fabs(EkranNaCmX(CmNaEkranX(x)) - x), Skala / 1000.0) << x;
        EXPECT_LT(std::fabs(EkranNaCmY(CmNaEkranY(x)) - x), Skala / 1000.0) << x;
    }
    EXPECT_DOUBLE_EQ(EkranNaCmX(440), 4.0);
    EXPECT_DOUBLE_EQ(EkranNaCmY(260), 8.0);
}

TEST_F(Transformacje, DrukarkaOdGornejKrawedziArkusza)
{
    EXPECT_EQ(CmNaDrukY(20.0f), 0);
    EXPECT_EQ(CmNaDrukY(0.0f), static_cast<int>(20.0 * 600 / 2.54));
    EXPECT_EQ(CmNaDrukX(1.0f), 236);
    EXPECT_EQ(CmNaDrukX(2.54f), 599);  // the single 2.54 lies just below 2.54
    EXPECT_EQ(CmNaDrukX(-0.001f), 0);
}

TEST_F(Transformacje, GruboscLinii)
{
    EXPECT_EQ(GruboscEkran(0.1f), 0);  // 0.4 pixel
    EXPECT_EQ(GruboscEkran(1.0f), 4);
    EXPECT_EQ(GruboscEkran(0.3f), 1);  // 1.2
    EXPECT_EQ(GruboscDruk(0.1f), 2);   // 2.36
    EXPECT_EQ(GruboscDruk(1.0f), 23);
}

TEST_F(Transformacje, PrzesuniecieWariantowWDxf)
{
    EXPECT_DOUBLE_EQ(DxfY(3.0), 3.0);
    BiezacyWariant = 2;
    EXPECT_DOUBLE_EQ(DxfY(3.0), -47.0);
}

TEST_F(Transformacje, StraznikPrzywracaWyjsciaPoWyjatku)
{
    Wyjscia(true, false, false);
    try {
        ZachowajWyjscia w(false, true, false);
        EXPECT_FALSE(WyjscieEkran);
        EXPECT_TRUE(WyjscieDrukarka);
        throw std::runtime_error("drukarka");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieDrukarka);
    EXPECT_FALSE(WyjscieDxf);
}

TEST_F(Transformacje, EksportDxfZamykaPlikIPrzywracaWyjscia)
{
    const std::string sciezka = KG_BUILD_DIR "/artefakty/przerwany.dxf";
    std::filesystem::create_directories(KG_BUILD_DIR "/artefakty");
    try {
        EksportDxf eksport(sciezka);
        EXPECT_TRUE(WyjscieDxf);
        EXPECT_TRUE(WyjscieEkran);
        EXPECT_TRUE(DxfOtwarty());
        throw std::runtime_error("przerwany eksport");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(DxfOtwarty());
    EXPECT_FALSE(WyjscieDxf);
    EXPECT_TRUE(WyjscieEkran);

    // A file that cannot be created leaves the flags as they were too.
    EXPECT_THROW(EksportDxf("/nie/ma/takiego/katalogu/x.dxf"), BladDxf);
    EXPECT_FALSE(WyjscieDxf);
    EXPECT_FALSE(DxfOtwarty());
}

TEST(WidokArkusza, CalyArkuszZRamkaCentymetra)
{
    // A4 in 1005 x 505 pixels: sx = 22.5 x 1000 / 1000, sy = 30.5 x 1000 / 500 = 61.
    WidokEkranu w = WidokCalegoArkusza(20.5, 28.5, 1005, 505);
    EXPECT_DOUBLE_EQ(w.skala, 61.0);
    EXPECT_DOUBLE_EQ(w.srodekX, 10.25);
    EXPECT_DOUBLE_EQ(w.srodekY, 14.25);
    // A tall view: sx = 21 x 1000 / 400 = 52.5 beats sy = 29.7 x 1000 / 1200.
    EXPECT_NEAR(WidokCalegoArkusza(19.0, 27.7, 405, 1205).skala, 52.5, 1e-5);
    // A tiny drawing area still gives a finite scale.
    w = WidokCalegoArkusza(20.5, 28.5, 3, 0);
    EXPECT_TRUE(std::isfinite(w.skala));
    EXPECT_GT(w.skala, 0.0);
}

TEST(WidokArkusza, NowyProjektZaczynaOdEkranu)
{
    WyjscieDxf = true, WyjscieEkran = false, WyjscieDrukarka = true, WyjscieSchowek = true, TekstTT = true;
    ZerujWyjscia();
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieDxf || WyjscieDrukarka || WyjscieSchowek || TekstTT);
}
