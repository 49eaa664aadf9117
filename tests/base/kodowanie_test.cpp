#include <gtest/gtest.h>

#include "base/Kodowanie.h"

TEST(Kodowanie, PolishLettersRoundTrip)
{
    const std::string utf8 = "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ";
    const std::string cp1250 = Utf8NaCp1250(utf8);
    // One byte per letter, the code page's own values.
    EXPECT_EQ(cp1250, "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(Cp1250NaUtf8(cp1250), utf8);
    EXPECT_EQ(Cp1250NaUtf8(Utf8NaCp1250("Wariant o nazwie X już istnieje!")), "Wariant o nazwie X już istnieje!");
    EXPECT_EQ(Utf8NaCp1250(""), "");
    EXPECT_EQ(Utf8NaCp1250(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Kodowanie, BadInputNeverThrows)
{
    // Characters the code page lacks become "?", whole sequences at once.
    EXPECT_EQ(Utf8NaCp1250("a中b😀c"), "a?b?c");
    // Broken UTF-8: a lone continuation byte, a cut sequence at the end.
    EXPECT_EQ(Utf8NaCp1250("x\x80y"), "x?y");
    EXPECT_EQ(Utf8NaCp1250("x\xC5"), "x?");
    // Bytes with no character in code page 1250.
    EXPECT_EQ(Cp1250NaUtf8("a\x81" "b\x98"), "a?b?");
    std::string wszystkie;
    for (int i = 1; i < 256; ++i)
        wszystkie.push_back(static_cast<char>(i));
    EXPECT_EQ(Utf8NaCp1250(Cp1250NaUtf8(wszystkie)).size(), wszystkie.size());
    // Long texts go through in pieces.
    std::string dlugi(10000, '\xB3');
    EXPECT_EQ(Cp1250NaUtf8(dlugi).size(), 20000u);
}

// A name an older system wrote in Windows-1250 shows by its letters; UTF-8
// around it stays as it is.
TEST(Kodowanie, BajtySpozaUtf8PokazanePoWindows1250)
{
    EXPECT_EQ(Utf8ZBajtamiCp1250("/dom/Пётр/stary_\xB3\xF3\x64\xBC.rup"), "/dom/Пётр/stary_łódĽ.rup");
    EXPECT_EQ(Utf8ZBajtamiCp1250("Łódź"), "Łódź");
    // A cut sequence, an overlong form, a byte the code page leaves empty.
    EXPECT_EQ(Utf8ZBajtamiCp1250("a\xC5"), "aĹ");
    EXPECT_EQ(Utf8ZBajtamiCp1250("\xC0\xAF"), "ŔŻ");
    EXPECT_EQ(Utf8ZBajtamiCp1250("\x81"), "?");
    EXPECT_EQ(DlugoscZnakuUtf8("ł", 0), 2u);
    EXPECT_EQ(DlugoscZnakuUtf8("\xED\xA0\x80", 0), 0u) << "a surrogate is no UTF-8";
}
