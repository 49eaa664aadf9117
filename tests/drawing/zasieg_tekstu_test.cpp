// The extent of stroke texts: within the reach of the farthest stroke of
// the glyphs the text writes, measured from the font as it is at the time.
// A TrueType title line: the line it draws, not a circle round its anchor.

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

#include "drawing/Tekst.h"
#include "drawing/ZasiegRysunku.h"
#include "platform/qt/Plotno.h"

namespace {

class ZasiegTekstu : public ::testing::Test {
protected:
    void SetUp() override
    {
        zapas_ = Czcionka;
        DaneZnak a{};
        a.LiczbaKresek = 2;
        a.Szerokosc = 50.0f;
        a.KreskaX1[0] = 0, a.KreskaY1[0] = 0, a.KreskaX2[0] = 40, a.KreskaY2[0] = 100;
        a.KreskaX1[1] = 40, a.KreskaY1[1] = 100, a.KreskaX2[1] = 60, a.KreskaY2[1] = 10;
        DaneZnak spacja{};
        spacja.Szerokosc = 30.0f;
        Czcionka['A'] = a;
        Czcionka[' '] = spacja;
    }
    void TearDown() override { Czcionka = zapas_; }

    // The text at (10, 20), 2 cm high, glyphs 1.0 wide.
    static ProstokatArkusza Zmierz(const std::string& tekst)
    {
        return ZmierzRysunek([&tekst] { RysujTekst(tekst, 0, 10.0, 20.0, 2.0, 1.0, 0.0, 0.0, "w"); });
    }

    static void Oczekuj(const ProstokatArkusza& z, double dalX, double dalY)
    {
        const double r = std::hypot(dalX * 0.012 * 1.0, dalY * 0.012 * 2.0);
        EXPECT_DOUBLE_EQ(z.x1, 10.0 - r);
        EXPECT_DOUBLE_EQ(z.x2, 10.0 + r);
        EXPECT_DOUBLE_EQ(z.y1, 20.0 - r);
        EXPECT_DOUBLE_EQ(z.y2, 20.0 + r);
    }

private:
    TablicaZnakow zapas_;
};

TEST_F(ZasiegTekstu, NajdalszaKreskaZnakow)
{
    // The second A starts at 50 + 30 and reaches 60 further; the highest
    // stroke end is at 100.
    Oczekuj(Zmierz("A A"), 140.0, 100.0);
    // A trailing space advances past every stroke.
    Oczekuj(Zmierz("A    "), 50.0 + 4 * 30.0, 100.0);
    // Spaces alone: their advance, no height.
    Oczekuj(Zmierz("  "), 60.0, 0.0);
}

TEST_F(ZasiegTekstu, CzcionkaZmienionaMiedzyPomiarami)
{
    Oczekuj(Zmierz("AA"), 110.0, 100.0);
    Czcionka['A'].KreskaX2[1] = 90;
    Czcionka['A'].KreskaY1[1] = 120;
    Oczekuj(Zmierz("AA"), 140.0, 120.0);
}

// Drawn on a bitmap, every pixel of a title line lies in its measured
// extent, which is as high as a line and not much wider.
TEST(ZasiegTekstuTT, LiniaTytuluWZmierzonymProstokacie)
{
    QImage obraz(800, 600, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    Plotno* poprzednie = PlotnoEkranu();
    const double skala = Skala, srodekX = SrodekX, srodekY = SrodekY, polSzer = PolSzerEkranu, polWys = PolWysEkranu;
    Skala = 25.0;
    SrodekX = SrodekY = 0.0;
    PolSzerEkranu = 400.0;
    PolWysEkranu = 300.0;
    const double h = 0.5;
    const std::string tekst = "Rondo Grunwaldzkie WMW gjp";
    const auto rysuj = [&] { RysujTekstTT(tekst, 0, -8.0, 1.0, h, "t"); };
    const ProstokatArkusza z = ZmierzRysunek(rysuj);
    {
        PlotnoQt plotno(&obraz);
        UstawPlotnoEkranu(&plotno);
        const ZachowajWyjscia tylkoEkran(true, false, false);
        rysuj();
        UstawPlotnoEkranu(poprzednie);
    }
    int px1 = obraz.width(), px2 = -1, py1 = obraz.height(), py2 = -1;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (qGray(obraz.pixel(x, y)) < 250) {
                px1 = std::min(px1, x), px2 = std::max(px2, x);
                py1 = std::min(py1, y), py2 = std::max(py2, y);
            }
    ASSERT_GE(px2, px1) << "the text drew nothing";
    // Pixel edges in sheet centimetres.
    const auto cmX = [](int px) { return (px - PolSzerEkranu) * Skala / 1000.0 + SrodekX; };
    const auto cmY = [](int py) { return (PolWysEkranu - py) * Skala / 1000.0 + SrodekY; };
    EXPECT_LE(z.x1, cmX(px1));
    EXPECT_GE(z.x2, cmX(px2 + 1));
    EXPECT_LE(z.y1, cmY(py2 + 1));
    EXPECT_GE(z.y2, cmY(py1));
    EXPECT_LE(z.y2 - z.y1, 2.5 * h + 1e-9);
    EXPECT_LE(z.x2 - z.x1, 1.25 * h * (static_cast<double>(tekst.size()) + 1.5) + 1e-9);
    Skala = skala, SrodekX = srodekX, SrodekY = srodekY, PolSzerEkranu = polSzer, PolWysEkranu = polWys;
}

} // namespace
