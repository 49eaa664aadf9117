// The extent of stroke texts: within the reach of the farthest stroke of
// the glyphs the text writes, measured from the font as it is at the time.

#include <cmath>
#include <gtest/gtest.h>

#include "drawing/Tekst.h"
#include "drawing/ZasiegRysunku.h"

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

} // namespace
