#include <gtest/gtest.h>
#include "model/Typy.h"

TEST(KrotkiTekst, CutsByBytes)
{
    KrotkiTekst<3> t = "abcdef";
    EXPECT_EQ(t.str(), "abc");
    EXPECT_EQ(KolorR(KolorRGB(1, 2, 3)), 1);
    EXPECT_EQ(KolorB(KolorRGB(1, 2, 3)), 3);
}
