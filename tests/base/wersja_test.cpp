#include <gtest/gtest.h>

#include "base/Wersja.h"

TEST(Wersja, DataKompilacjiPoPolsku)
{
    EXPECT_EQ(DataKompilacji("Dec  7 2026"), "7 grudzień 2026r");
    EXPECT_EQ(DataKompilacji("Jul 16 2021"), "16 lipiec 2021r");
    EXPECT_EQ(DataKompilacji("Oct  1 2030"), "1 październik 2030r");
    // A date the compiler writes otherwise is shown as it is.
    EXPECT_EQ(DataKompilacji("2026-12-07"), "2026-12-07");
    EXPECT_EQ(WersjaProgramu, "2.0.0");
}
