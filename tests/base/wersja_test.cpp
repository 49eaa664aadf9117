#include <gtest/gtest.h>

#include "base/Wersja.h"

TEST(Wersja, DataKompilacjiPoPolsku)
{
    EXPECT_EQ(DataKompilacji("Dec  7 2026"), "7 grudnia 2026 r.");
    EXPECT_EQ(DataKompilacji("Jul 16 2021"), "16 lipca 2021 r.");
    EXPECT_EQ(DataKompilacji("Oct  1 2030"), "1 października 2030 r.");
    EXPECT_EQ(DataKompilacji("Feb 28 2027"), "28 lutego 2027 r.");
    EXPECT_EQ(DataKompilacji("Sep  3 2026"), "3 września 2026 r.");
    // A date the compiler writes otherwise is shown as it is.
    EXPECT_EQ(DataKompilacji("2026-12-07"), "2026-12-07");
    EXPECT_EQ(WersjaProgramu, "2.0.0");
}
