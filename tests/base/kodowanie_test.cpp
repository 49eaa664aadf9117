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

// A character Windows-1250 has no byte for is refused, never dropped: iconv
// drops the invisible tag characters U+E0000-U+E007F without a word, so that
// "Ab" and a tag once came out as "Ab". Others it refuses itself (a mark in
// the middle, a zero-width space, variation selectors, C1 controls) stay
// refused. Every character the code page has converts to its byte.
TEST(Kodowanie, ZnakBezBajtuOdrzuconyNigdyPominiety)
{
    std::string cp1250 = "przed";
    const std::pair<const char*, const char*> znaki[] = {
        {"\xF3\xA0\x80\x81", "U+E0001"}, {"\xF3\xA0\x81\x81", "U+E0041"}, {"\xF3\xA0\x81\xBF", "U+E007F"},
        {"\xEF\xBB\xBF", "U+FEFF"},       {"\xE2\x80\x8B", "U+200B"},       {"\xEF\xB8\x8F", "U+FE0F"},
        {"\xF3\xA0\x84\x80", "U+E0100"}, {"\xC2\x81", "U+0081"}};
    for (const auto& [znak, nazwa] : znaki) {
        SCOPED_TRACE(nazwa);
        EXPECT_FALSE(Utf8NaCp1250Dokladnie(std::string("Ab") + znak + "c", cp1250));
        EXPECT_EQ(cp1250, "");
        EXPECT_FALSE(Utf8NaCp1250ZOkna(std::string("Ab") + znak).wierny);
    }
    ASSERT_TRUE(Utf8NaCp1250Dokladnie("Zażółć € „x” ˝ ‰", cp1250));
    EXPECT_EQ(cp1250, "Za\xBF\xF3\xB3\xE6 \x80 \x84x\x94 \xBD \x89");
    std::string wszystkie;
    for (int b = 1; b < 256; ++b)
        if (b != 0x81 && b != 0x83 && b != 0x88 && b != 0x90 && b != 0x98)
            wszystkie.push_back(static_cast<char>(b));
    ASSERT_TRUE(Utf8NaCp1250Dokladnie(Cp1250NaUtf8(wszystkie), cp1250));
    EXPECT_EQ(cp1250, wszystkie);
}

// A whole file converted where it lies, from after its mark; stopped at a
// character without a byte or at damaged UTF-8, the text is what was
// converted before it.
TEST(Kodowanie, Utf8NaCp1250WMiejscu)
{
    std::string t = "\xEF\xBB\xBF" "Łódź\r\n€ 12345678 abcdefgh ż";
    EXPECT_EQ(Utf8NaCp1250WMiejscu(t, 3), std::string::npos);
    EXPECT_EQ(t, "\xA3\xF3" "d\x9F\r\n\x80 12345678 abcdefgh \xBF");
    t = "ab\r\nżółw 😀 x";
    EXPECT_EQ(Utf8NaCp1250WMiejscu(t, 0), 9u);
    EXPECT_EQ(t, "ab\r\n\xBF\xF3\xB3w ");
    t = "abcdefghijkl\xC5";
    EXPECT_EQ(Utf8NaCp1250WMiejscu(t, 0), 12u);
    EXPECT_EQ(t, "abcdefghijkl");
    EXPECT_TRUE(JestUtf8("ascii"));
    EXPECT_TRUE(JestUtf8(""));
    EXPECT_FALSE(JestUtf8("W\xEAz\xB3y"));
}
