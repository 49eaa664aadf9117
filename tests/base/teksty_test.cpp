#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "base/Teksty.h"
#include "base/Typy.h"
#include "base/Kodowanie.h"

namespace {

// Every test states its separator; the previous one is restored afterwards.
class Separator : public ::testing::Test {
protected:
    void SetUp() override { UstawSeparatorDziesietny('.'); }
};

} // namespace

TEST(KrotkiTekst, CutsByBytes)
{
    KrotkiTekst<3> t = "abcdef";
    EXPECT_EQ(t.str(), "abc");
    t = std::string("xy");
    EXPECT_EQ(t, std::string_view("xy"));
    EXPECT_EQ(KolorR(KolorRGB(1, 2, 3)), 1);
    EXPECT_EQ(KolorG(KolorRGB(1, 2, 3)), 2);
    EXPECT_EQ(KolorB(KolorRGB(1, 2, 3)), 3);
}

TEST(Zaokraglanie, RoundIsHalfToEvenTruncIsTowardZero)
{
    EXPECT_EQ(Zaokraglij(0.5), 0);
    EXPECT_EQ(Zaokraglij(1.5), 2);
    EXPECT_EQ(Zaokraglij(2.5), 2);
    EXPECT_EQ(Zaokraglij(-2.5), -2);
    EXPECT_EQ(Zaokraglij(-3.5), -4);
    EXPECT_EQ(Zaokraglij(2.4999), 2);
    EXPECT_EQ(Obetnij(2.9), 2);
    EXPECT_EQ(Obetnij(-2.9), -2); // not floor
    EXPECT_EQ(Obetnij(-0.1), 0);
    EXPECT_EQ(Obetnij(NAN), 0);
    EXPECT_EQ(Obetnij(1e300), INT64_MAX);
}

TEST_F(Separator, FormatFloatMasks)
{
    EXPECT_EQ(FormatFloat("####0.0##", 1.5), "1.5");
    EXPECT_EQ(FormatFloat("####0.0##", 2.0), "2.0");
    EXPECT_EQ(FormatFloat("####0.0##", 0.12345), "0.123");
    EXPECT_EQ(FormatFloat("#0.00", 7.0), "7.00");
    EXPECT_EQ(FormatFloat("######0.00", -5.0), "-5.00");
    EXPECT_EQ(FormatFloat("0000", 5.0), "0005");
    EXPECT_EQ(FormatFloat("0000", 2024.0), "2024");
    EXPECT_EQ(FormatFloat("00", 123.0), "123");
    EXPECT_EQ(FormatFloat("##0.##", 12.0), "12");   // no separator without decimals
    EXPECT_EQ(FormatFloat("##0.##", 0.0), "0");
    EXPECT_EQ(FormatFloat("###.##", 0.5), ".5");    // no integer "0" placeholder
    EXPECT_EQ(FormatFloat("###.##", 0.0), "");
    EXPECT_EQ(FormatFloat("####0.", 7.6), "8");
    EXPECT_EQ(FormatFloat("###0", 1234567.0), "1234567");
    EXPECT_EQ(FormatFloat("######0.00######", 1.5707963705062866), "1.57079637");
    EXPECT_EQ(FormatFloat("#0.00", 1e20), "100000000000000000000.00");
    EXPECT_EQ(FormatFloat("0.00", NAN), "NAN");
    EXPECT_EQ(FormatFloat("0." + std::string(200, '#'), 0.5), "0.5");
    EXPECT_EQ(FormatFloat("0.0 cm", 2.25), "2.3 cm"); // literal text kept
}

TEST_F(Separator, FormatFloatRoundsHalfAwayOnTheDecimalValue)
{
    EXPECT_EQ(FormatFloat("0.00", 0.125), "0.13");   // exact tie: away from zero
    EXPECT_EQ(FormatFloat("0.00", -0.125), "-0.13");
    EXPECT_EQ(FormatFloat("0.00", 2.675), "2.67");   // 2.67499999... as a double
    EXPECT_EQ(FormatFloat("0", 0.5), "1");
    EXPECT_EQ(FormatFloat("0", 2.5), "3");           // not half to even
    EXPECT_EQ(FormatFloat("0", -2.5), "-3");
    EXPECT_EQ(FormatFloat("#0.00", 9.995), "9.99");  // 9.99499999... as a double
    EXPECT_EQ(FormatFloat("#0.00", 9.9951), "10.00"); // carry into a new digit
    EXPECT_EQ(FormatFloat("#0.00", 99.999), "100.00");
    EXPECT_EQ(FormatFloat("#0.00", -9.9951), "-10.00");
    EXPECT_EQ(FormatFloat("0.00", -0.001), "0.00");  // no "-0.00"
    EXPECT_EQ(FormatFloat("#0.##", 1.005), "1");     // 1.00499999...
    EXPECT_EQ(FormatFloat("#0.##", 0.0049), "0");
    EXPECT_EQ(FormatFloat("#0.######", 1e-7), "0");
    EXPECT_EQ(FormatFloat("#0.######", 6e-7), "0.000001");
    EXPECT_EQ(FormatFloat("#0.######", 5e-7), "0"); // 4.99999...e-7 as a double
}

// Appending with a separator given: after what the buffer holds, the
// system's separator untouched, the same digits in both ways of rounding
// (integers up to 15 decimals, digit strings beyond).
TEST_F(Separator, DopiszFormatFloatAppendsWithTheSeparatorGiven)
{
    UstawSeparatorDziesietny('.');
    std::string bufor = "x=";
    DopiszFormatFloat(bufor, "#0.00", 0.125, ';');  // a tie, away from zero
    DopiszFormatFloat(bufor, " ####0.0##", -0.0004, ',');
    DopiszFormatFloat(bufor, " 00", 7.0, ',');
    DopiszFormatFloat(bufor, " 0." + std::string(20, '#'), 0.1, ',');  // beyond 15 decimals
    DopiszFormatFloat(bufor, " #0.0", 2.5e21, ',');                      // beyond 10^21
    DopiszFormatFloat(bufor, " 0.00", -INFINITY, ',');                   // no mask text
    EXPECT_EQ(bufor, "x=0;13 0,0 07 0,10000000000000000555 2500000000000000000000,0-INF");
    EXPECT_EQ(FormatFloat("#0.00", 0.125), "0.13");
}

TEST_F(Separator, FormatFloatWritesTheSystemSeparator)
{
    UstawSeparatorDziesietny(',');
    EXPECT_EQ(FormatFloat("#0.00", 3.25), "3,25");
    EXPECT_EQ(LiczbaNaTekst(-1234.5), "-1234,50");
    UstawSeparatorDziesietny('.');
    EXPECT_EQ(LiczbaNaTekst(1234.5), "1234.50");
    EXPECT_EQ(LiczbaNaTekst(0.001), "0.00");
    EXPECT_EQ(LiczbaNaTekst(123456789012.0), "123456789012.00");
}

TEST_F(Separator, NumbersAreReadWithEitherSeparator)
{
    for (char sep : {',', '.'}) {
        UstawSeparatorDziesietny(sep);
        EXPECT_DOUBLE_EQ(TekstNaLiczbe("3,5", 0), 3.5);
        EXPECT_DOUBLE_EQ(TekstNaLiczbe("3.5", 0), 3.5);
        EXPECT_DOUBLE_EQ(TekstNaLiczbe("-0,25", 0), -0.25);
        EXPECT_DOUBLE_EQ(TekstNaLiczbe("+2", 0), 2.0);
        EXPECT_DOUBLE_EQ(TekstNaLiczbe(" 12 ", 0), 12.0);
        EXPECT_DOUBLE_EQ(TekstNaLiczbe("1e3", 0), 1000.0);
        EXPECT_FLOAT_EQ(TekstNaLiczbeS("0,1", 0), 0.1f);
        std::string w;
        ZamienSeparator("1.5;2,5", w);
        EXPECT_EQ(w, std::string("1") + sep + "5;2" + sep + "5");
    }
}

TEST_F(Separator, BadNumberTextsGiveTheDefault)
{
    EXPECT_EQ(TekstNaLiczbe("abc", 7), 7);
    EXPECT_EQ(TekstNaLiczbe("", 7), 7);
    EXPECT_EQ(TekstNaLiczbe("  ", 7), 7);
    EXPECT_EQ(TekstNaLiczbe("1.2.3", 7), 7);
    EXPECT_EQ(TekstNaLiczbe("1,5x", 7), 7);
    EXPECT_EQ(TekstNaLiczbe("12 3", 7), 7);
    EXPECT_EQ(TekstNaLiczbe("inf", 7), 7);
    EXPECT_EQ(TekstNaLiczbe("nan", 7), 7);
    EXPECT_EQ(TekstNaLiczbe("0x10", 7), 7);
    EXPECT_EQ(TekstNaLiczbe("1e999", 7), 7);
    EXPECT_EQ(TekstNaLiczbe("+-1", 7), 7);
    EXPECT_EQ(TekstNaLiczbeS("1e300", 2.5), 2.5f);
    double w = 99;
    EXPECT_FALSE(SprobujTekstNaLiczbe("x", w));
    EXPECT_EQ(w, 99);
}

TEST(TekstNaCalkowita, ClampsMinThenMax)
{
    EXPECT_EQ(TekstNaCalkowita("12", 0, 1, 10), 10);
    EXPECT_EQ(TekstNaCalkowita("x", 5, 1, 10), 5);
    EXPECT_EQ(TekstNaCalkowita("-3", 0, 1, 10), 1);
    EXPECT_EQ(TekstNaCalkowita("5", 0, 8, 3), 3);     // Min above Max: Max wins
    EXPECT_EQ(TekstNaCalkowita("2,5", 4, 0, 10), 4);  // no separator handling
    EXPECT_EQ(TekstNaCalkowita("99999999999", 4, 0, 2147483647), 4);
    EXPECT_EQ(TekstNaCalkowita("", 4, 0, 10), 4);
    int64_t v = 0;
    EXPECT_TRUE(SprobujTekstNaCalkowita("-42", v));
    EXPECT_EQ(v, -42);
    EXPECT_FALSE(SprobujTekstNaCalkowita("4 2", v));
}

TEST(DatyICzasy, DatesRoundTrip)
{
    TDataCzas d = KodujDate(2024, 3, 5);
    EXPECT_EQ(DataNaTekst(d), "2024-03-05");
    EXPECT_EQ(TekstNaDate("2024-03-05"), d);
    EXPECT_EQ(KodujDate(1899, 12, 30), 0.0);
    EXPECT_EQ(KodujDate(1900, 1, 1), 2.0);
    EXPECT_EQ(KodujDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(DataNaTekst(-1.5), "1899-12-29");
    EXPECT_EQ(DataNaTekst(KodujDate(2024, 2, 29) + 0.75), "2024-02-29");
    int r, m, dz;
    DekodujDate(KodujDate(1, 1, 1), r, m, dz);
    EXPECT_EQ(r * 10000 + m * 100 + dz, 10101);
}

TEST(DatyICzasy, BadDatesThrow)
{
    EXPECT_THROW(TekstNaDate("2023-02-29"), BladKonwersji);
    EXPECT_THROW(TekstNaDate("2024-13-01"), BladKonwersji);
    EXPECT_THROW(TekstNaDate("2024-3-5"), BladKonwersji);
    EXPECT_THROW(TekstNaDate(""), BladKonwersji);
    EXPECT_THROW(TekstNaDate("abcd-01-01"), BladKonwersji);
    EXPECT_THROW(KodujDate(0, 1, 1), BladKonwersji);
    try {
        TekstNaDate("2024-00-01");
    } catch (const BladKonwersji& b) {
        EXPECT_EQ(Cp1250NaUtf8(b.komunikat), "'2024-00-01' nie jest prawidłową datą");
    }
}

TEST(DatyICzasy, Times)
{
    EXPECT_EQ(CzasNaTekst(TekstNaCzas("07:05")), "07:05:00");
    EXPECT_EQ(CzasNaTekst(TekstNaCzas("14:00:00")), "14:00:00"); // no 13:59:59
    EXPECT_EQ(CzasKrotkiNaTekst(TekstNaCzas("23:59:59")), "23:59");
    EXPECT_EQ(TekstNaCzas("14:30:xx"), KodujCzas(14, 30, 0));
    EXPECT_EQ(CzasNaTekst(KodujCzas(1, 2, 3, 999)), "01:02:03"); // ms dropped
    EXPECT_EQ(CzasNaTekst(KodujDate(2024, 3, 5) + KodujCzas(8, 15, 0)), "08:15:00");
    EXPECT_THROW(TekstNaCzas("24:00:00"), BladKonwersji);
    EXPECT_THROW(TekstNaCzas("12:60"), BladKonwersji);
    EXPECT_THROW(TekstNaCzas("ab:00:00"), BladKonwersji);
    EXPECT_THROW(TekstNaCzas("12"), BladKonwersji);
    int g, m, s, ms;
    DekodujCzas(0.5, g, m, s, ms);
    EXPECT_EQ(g, 12);
    EXPECT_EQ(m + s + ms, 0);
}

// Every double rounded by hand on its exact decimal expansion (printed with
// more digits than any double has), compared with FormatFloat over values of
// every magnitude a drawing or a file meets, ties included.
TEST_F(Separator, FormatFloatMatchesTheExactDecimalValue)
{
    auto naRecznie = [](double x, int miejsc) {
        char bufor[1200];
        const auto koniec = std::to_chars(bufor, bufor + sizeof bufor, std::fabs(x), std::chars_format::fixed, 1100).ptr;
        std::string t(bufor, koniec);
        const std::size_t kropka = t.find('.');
        std::string cyfry = t.substr(0, kropka) + t.substr(kropka + 1, static_cast<std::size_t>(miejsc));
        if (t[kropka + 1 + static_cast<std::size_t>(miejsc)] >= '5') {
            int i = static_cast<int>(cyfry.size()) - 1;
            for (; i >= 0 && cyfry[static_cast<std::size_t>(i)] == '9'; --i)
                cyfry[static_cast<std::size_t>(i)] = '0';
            if (i < 0)
                cyfry.insert(cyfry.begin(), '1');
            else
                ++cyfry[static_cast<std::size_t>(i)];
        }
        std::string calk = cyfry.substr(0, cyfry.size() - static_cast<std::size_t>(miejsc));
        const std::string ulamek = cyfry.substr(calk.size());
        calk.erase(0, std::min(calk.find_first_not_of('0'), calk.size() - 1));
        const bool zero = cyfry.find_first_not_of('0') == std::string::npos;
        return std::string(x < 0 && !zero ? "-" : "") + calk + (miejsc > 0 ? "." + ulamek : "");
    };
    std::mt19937_64 los(2024);
    for (int miejsc : {0, 1, 2, 3, 7, 12, 15, 16}) {
        const std::string maska = "#0" + (miejsc > 0 ? "." + std::string(static_cast<std::size_t>(miejsc), '0') : "");
        for (int i = 0; i < 20000; ++i) {
            const double skala = std::pow(10.0, static_cast<int>(los() % 26) - 12);
            double x = std::ldexp(static_cast<double>(los() >> 11), -53) * skala;
            if (i % 4 == 0)  // ties and near ties of the last decimal
                x = (std::round(x * std::pow(10.0, miejsc)) + 0.5) / std::pow(10.0, miejsc);
            if (i % 2 == 1)
                x = -x;
            ASSERT_EQ(FormatFloat(maska, x), naRecznie(x, miejsc)) << maska << " " << x;
        }
    }
}
