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
