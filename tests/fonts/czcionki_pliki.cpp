// The stroke fonts generated into the build folder.
#include <gtest/gtest.h>

#include <cmath>

#include "fonts/CzcionkaLzs.h"

using namespace testy_czcionek;

namespace {

class PlikiCzcionek : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        roman = CzytajBajty(SciezkaCzcionki("Roman"));
        grecka = CzytajBajty(SciezkaCzcionki("grecki"));
    }
    static inline std::vector<unsigned char> roman, grecka;
};

TEST_F(PlikiCzcionek, HaveExactly256RecordsWithinTheStrokeLimit) {
    for (const auto* plik : {&roman, &grecka}) {
        ASSERT_EQ(plik->size(), kRozmiarPliku);
        for (int kod = 0; kod < 256; ++kod) {
            const Znak z = ZnakZ(*plik, static_cast<unsigned char>(kod));
            EXPECT_GE(z.liczba, 0) << kod;
            EXPECT_LE(z.liczba, 150) << kod;
            EXPECT_TRUE(std::isfinite(z.szerokosc) && z.szerokosc > 0) << kod;
            // ink stays in the glyph's own advance, so letters never overlap
            if (!z.kreski.empty()) {
                EXPECT_LE(z.Obrys().prawa, z.szerokosc + 1) << kod;
            }
        }
    }
}

TEST_F(PlikiCzcionek, LettersStandOnOneBaselineWithCapitalsAtSevenTenthsOfTheSize) {
    const Ramka H = ZnakZ(roman, 'H').Obrys();
    EXPECT_EQ(H.dol, kBaza);
    EXPECT_EQ(ZnakZ(roman, 'a').Obrys().dol, kBaza);
    EXPECT_EQ(ZnakZ(roman, 'x').Obrys().dol, kBaza);
    // a glyph unit is 0.012 of the size
    EXPECT_NEAR((H.gora - H.dol) * 0.012, 0.7, 0.012);
    const Ramka g = ZnakZ(roman, 'g').Obrys();
    EXPECT_LT(g.dol, kBaza);
    EXPECT_GE(g.dol, 0);
}

TEST_F(PlikiCzcionek, SpaceAndUnusedCodesDrawNothingButAdvance) {
    const Znak spacja = ZnakZ(roman, ' ');
    EXPECT_EQ(spacja.liczba, 0);
    EXPECT_GT(spacja.szerokosc, 0);
    for (unsigned char kod : {0x00, 0x1F, 0x7F, 0x81, 0x98}) {
        const Znak z = ZnakZ(roman, kod);
        EXPECT_EQ(z.liczba, 0) << int(kod);
        EXPECT_FLOAT_EQ(z.szerokosc, spacja.szerokosc) << int(kod);
    }
    EXPECT_EQ(ZnakZ(roman, 0xA0).liczba, 0);  // no-break space
}

TEST_F(PlikiCzcionek, OgonekAddsStrokesBelowTheLetterOnly) {
    const Znak a = ZnakZ(roman, 'a');
    const Znak aOgonek = ZnakZ(roman, 0xB9);  // ą
    ASSERT_GT(ZnakZ(roman, 'A').liczba, 0);
    ASSERT_GT(aOgonek.liczba, a.liczba);
    EXPECT_FLOAT_EQ(aOgonek.szerokosc, a.szerokosc);
    const Ramka ra = a.Obrys();
    const Ramka rq = aOgonek.Obrys();
    EXPECT_EQ(rq.gora, ra.gora);
    EXPECT_GE(rq.lewa, ra.lewa);
    EXPECT_LE(rq.prawa, ra.prawa + 4);  // the hook may end a little right of the stem
    EXPECT_LT(rq.dol, ra.dol);
    EXPECT_GE(rq.dol, 0);
}

// Each Polish letter is its base letter unchanged plus an accent in the
// right place.
TEST_F(PlikiCzcionek, PolishLettersAreTheirBaseLettersWithAnAccent) {
    enum Miejsce { Nad, Pod, PrzezTrzon };
    struct Przypadek {
        unsigned char kod;
        char baza;
        Miejsce miejsce;
    };
    const Przypadek przypadki[] = {
        {0xB9, 'a', Pod}, {0xE6, 'c', Nad}, {0xEA, 'e', Pod}, {0xB3, 'l', PrzezTrzon},
        {0xF1, 'n', Nad}, {0xF3, 'o', Nad}, {0x9C, 's', Nad}, {0x9F, 'z', Nad},
        {0xBF, 'z', Nad}, {0xA5, 'A', Pod}, {0xC6, 'C', Nad}, {0xCA, 'E', Pod},
        {0xA3, 'L', PrzezTrzon}, {0xD1, 'N', Nad}, {0xD3, 'O', Nad}, {0x8C, 'S', Nad},
        {0x8F, 'Z', Nad}, {0xAF, 'Z', Nad},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << int(p.kod));
        const Znak baza = ZnakZ(roman, static_cast<unsigned char>(p.baza));
        const Znak litera = ZnakZ(roman, p.kod);
        ASSERT_GT(litera.liczba, baza.liczba);
        EXPECT_TRUE(std::equal(baza.kreski.begin(), baza.kreski.end(), litera.kreski.begin()));
        Znak akcent;
        akcent.kreski.assign(litera.kreski.begin() + baza.liczba, litera.kreski.end());
        const Ramka rb = baza.Obrys();
        const Ramka ra = akcent.Obrys();
        switch (p.miejsce) {
        case Nad:
            EXPECT_GT(ra.dol, rb.gora);
            // centred over the letter
            EXPECT_LT(std::abs((ra.lewa + ra.prawa) - (rb.lewa + rb.prawa)), 12);
            break;
        case Pod:
            EXPECT_LT(ra.dol, kBaza);
            EXPECT_LE(ra.gora, kBaza);
            EXPECT_GT(ra.lewa, (rb.lewa + rb.prawa) / 2 - 6);  // right of the centre
            break;
        case PrzezTrzon: {
            const int trzon = baza.kreski[0].x1;  // l and L start with their stem
            EXPECT_LT(ra.lewa, trzon);
            EXPECT_GT(ra.prawa, trzon);
            EXPECT_NE(akcent.kreski[0].y1, akcent.kreski[0].y2);  // slanted
            break;
        }
        }
    }
}

TEST_F(PlikiCzcionek, GreekFontHasGreekLettersAndKeepsThePolishOnes) {
    const Znak romanA = ZnakZ(roman, 'a');
    const Znak grekA = ZnakZ(grecka, 'a');
    ASSERT_GT(grekA.liczba, 0);
    EXPECT_FALSE(grekA.kreski == romanA.kreski);
    EXPECT_EQ(ZnakZ(grecka, 0xB9).kreski, ZnakZ(roman, 0xB9).kreski);
    EXPECT_EQ(ZnakZ(grecka, ' ').liczba, 0);
}

TEST_F(PlikiCzcionek, DegreeSignIsAClosedRingHighUp) {
    const Znak stopien = ZnakZ(roman, 0xB0);
    ASSERT_GT(stopien.liczba, 2);
    EXPECT_GT(stopien.Obrys().dol, ZnakZ(roman, 'x').Obrys().gora - 10);
    EXPECT_EQ(stopien.kreski.front().x1, stopien.kreski.back().x2);
    EXPECT_EQ(stopien.kreski.front().y1, stopien.kreski.back().y2);
}

}  // namespace
