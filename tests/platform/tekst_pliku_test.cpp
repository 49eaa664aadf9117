// A file's bytes made the program's Windows-1250 text: the line of a
// refused character, the memory the conversion takes and the UTF-16 advice.
#include <gtest/gtest.h>

#include <string>

#include "base/Kodowanie.h"
#include "platform/PlikTekstowy.h"
#include "wspolne/kodowania_plikow.h"
#include "wspolne/malo_pamieci.h"

namespace {

const std::string ZnacznikUtf8(ZnacznikKolejnosciUtf8);

// The refusal of `tekst`, in UTF-8; "" when it is read.
std::string Odmowa(std::string tekst, RozpoznanieUtf8 rozpoznanie = nullptr)
{
    std::string blad;
    return TekstPlikuWCp1250(tekst, "/p/plik.rup", blad, rozpoznanie) ? "" : Cp1250NaUtf8(blad);
}

std::string Linia(int nr)
{
    return "Błąd w pliku /p/plik.rup, linia " + std::to_string(nr) +
           ": plik jest zapisany w UTF-8, a ta linia ma znak spoza strony kodowej Windows-1250.";
}

// The refused character's line, counted over what was converted before it:
// in the first, a middle and the last line, after every kind of line end,
// after Polish letters that took two bytes each, and after a megabyte of
// ASCII that the conversion passes over in blocks.
TEST(TekstPliku, LiniaOdrzuconegoZnaku)
{
    const std::string megabajt = [] {
        std::string m;
        while (m.size() < (1u << 20))
            m += "1234567.89\r\n";
        return m;
    }();
    const std::pair<std::string, int> przypadki[] = {
        {"Ж", 1},
        {"abcЖ\r\nb", 1},
        {"a\r\nb\nc\rdЖ\r\ne", 4},
        {"a\r\nb\nc\rЖ", 4},
        {"a\r\n\r\n\n\rЖ", 5},
        {"ł\r\nżó\r\nęЖ", 3},
        {"a\r\nb\r\nlast 🚗", 3},
        {megabajt + "ąę\r\nx\xF3\xA0\x81\x81", 87384},
    };
    for (const auto& [tekst, nr] : przypadki) {
        SCOPED_TRACE(tekst.substr(0, 40));
        EXPECT_EQ(Odmowa(ZnacznikUtf8 + tekst), Linia(nr));
        EXPECT_EQ(Odmowa(tekst, JestUtf8SpozaAscii), Linia(nr));
    }
    ASSERT_EQ(PoliczLinie(megabajt), 87382u);
}

// A 48 MB file in UTF-8 is converted where it lies: the resident memory
// rises by less than 8 MB meanwhile, where a second copy of it was once made.
// (A limit of the address space let such a copy pass unseen after earlier
// tests' threads had left heap room reserved.)
TEST(TekstPliku, KonwersjaBezKopiiTekstu)
{
    std::string tekst = ZnacznikUtf8;
    while (tekst.size() < (48u << 20))
        tekst += "Łódź, ul. Kościuszki 12\r\n";
    const std::size_t wierszy = (tekst.size() - ZnacznikUtf8.size()) / 29;
    bool przeczytany = false;
    const long long przyrost = PrzyrostPamieci([&] {
        std::string blad;
        przeczytany = TekstPlikuWCp1250(tekst, "/p/plik.rup", blad);
    });
    if (przyrost < 0)
        GTEST_SKIP() << "the peak of the resident memory cannot be reset here";
    EXPECT_LT(przyrost, 8 << 20);
    ASSERT_TRUE(przeczytany);
    EXPECT_EQ(tekst.size(), wierszy * 25);
    EXPECT_TRUE(tekst.starts_with("\xA3\xF3" "d\x9F, ul. Ko\x9C" "ciuszki 12\r\n"));
}

// UTF-16 is refused advising a form the kind of file then reads right in:
// plain UTF-8 where its own words tell it or the text is ASCII alone, else
// UTF-8 with the mark (a count file in UTF-8 without it would read as
// Windows-1250).
TEST(TekstPliku, Utf16OdrzuconyZRadaKtoraCzytaSiePrawidlowo)
{
    const auto utf16le = [](const std::string& utf8) { return "\xFF\xFE" + Przekoduj(utf8, "UTF-16LE"); };
    const std::string rada = "Plik /p/plik.rup jest zapisany w kodowaniu UTF-16LE, którego program nie czyta; ";
    const std::string utf8 = rada + "zapisz plik w UTF-8 lub Windows-1250.";
    const std::string zeZnacznikiem = rada + "zapisz plik w Windows-1250 lub w UTF-8 ze znacznikiem BOM.";
    EXPECT_EQ(Odmowa(utf16le("Łódź\r\n")), zeZnacznikiem);
    EXPECT_EQ(Odmowa(utf16le("Łódź\r\n"), JestUtf8SpozaAscii), utf8);
    EXPECT_EQ(Odmowa(utf16le("Lodz\r\n")), utf8);
    // ASCII beyond the part judged might be followed by letters.
    EXPECT_EQ(Odmowa(utf16le(std::string(40000, 'a') + "\r\n")), zeZnacznikiem);
    EXPECT_EQ(Odmowa(utf16le("Lodz\r\n" + std::string(40000, 'a') + "ł"), JestUtf8SpozaAscii), zeZnacznikiem);
}

}  // namespace
