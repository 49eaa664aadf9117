// A file's bytes made the program's Windows-1250 text: the one rule telling
// UTF-8 from Windows-1250, the line of a refused character, the memory the
// conversion takes and UTF-16 and UTF-32 named.
#include <gtest/gtest.h>

#include <string>

#include "base/Kodowanie.h"
#include "platform/PlikTekstowy.h"
#include "wspolne/kodowania_plikow.h"
#include "wspolne/malo_pamieci.h"

namespace {

const std::string ZnacznikUtf8(ZnacznikKolejnosciUtf8);

// The refusal of `tekst`, in UTF-8; "" when it is read. A refused text
// leaves nothing for a reader to take.
std::string Odmowa(std::string tekst)
{
    std::string blad;
    if (TekstPlikuWCp1250(tekst, "/p/plik.rup", blad))
        return "";
    EXPECT_EQ(tekst, "");
    return Cp1250NaUtf8(blad);
}

std::string Linia(int nr, const char* przyczyna = "ma znak spoza strony kodowej Windows-1250.")
{
    return "Błąd w pliku /p/plik.rup, linia " + std::to_string(nr) + ": plik jest zapisany w UTF-8, a ta linia " +
           przyczyna;
}

// What a file's bytes become: Windows-1250 text, or "" when refused.
std::string Tekst(std::string bajty)
{
    std::string blad;
    return TekstPlikuWCp1250(bajty, "/p/plik.rup", blad) ? bajty : "";
}

// UTF-8 is told by a character of Windows-1250 beyond ASCII in it, a mark
// or not: a letter lost of it refuses the file naming the line (it once
// opened with every letter garbled, "Stan istniejÄ…cy"); its characters
// beyond Windows-1250 alone, "ÓŻ" of "PODRÓŻ" being a Cyrillic letter, leave
// Windows-1250 as it stands, as does the mark before bytes that are no UTF-8.
TEST(TekstPliku, JednaRegulaUtf8)
{
    const std::string zly = Linia(2, "nie jest poprawnym tekstem UTF-8.");
    for (const std::string znacznik : {"", "\xEF\xBB\xBF"}) {
        SCOPED_TRACE(znacznik.size());
        EXPECT_EQ(Tekst(znacznik + "Ko\xC5\x9B" "ciuszki \xE2\x80\x93 \xC2\xB0\r\n"), "Ko\x9C" "ciuszki \x96 \xB0\r\n");
        EXPECT_EQ(Odmowa(znacznik + "Stan istniej\xC4\x85" "cy\r\nW\xC4z\xC5\x82y\r\n"), zly);
        EXPECT_EQ(Odmowa(znacznik + "Stan istniej\xC4\x85" "cy\nW\x99z\xC5\x82y\n"), zly);
        EXPECT_EQ(Tekst(znacznik + "Ko\x9C" "ciuszki\r\nPODR\xD3\xAF"), "Ko\x9C" "ciuszki\r\nPODR\xD3\xAF");
    }
    EXPECT_EQ(Tekst("PODR\xD3\xAF"), "PODR\xD3\xAF");
    EXPECT_EQ(Odmowa("\xEF\xBB\xBFPODR\xD3\xAF"), Linia(1));
    // "Ä…" in UTF-8 is Windows-1250's C4 85, which a save would write and
    // the next opening read as "ą": refused, as a window refuses it.
    EXPECT_EQ(Odmowa("Łódź\r\nRondo Ä…\r\n"),
              Linia(2, "ma parę znaków, którą program zapisałby jako jedną literę (jak „Ä…” jako „ą”)."));
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
        // Without the mark a Polish letter tells the UTF-8.
        EXPECT_EQ(Odmowa(tekst + "\r\nł"), Linia(nr));
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

// UTF-16 and UTF-32 either way round, by the mark or by the NULs of their
// letters, are refused naming the form (UTF-32 was once named UTF-16), with
// the one advice: plain UTF-8 reads right in every kind of file.
TEST(TekstPliku, Utf16IUtf32OdrzuconeZNazwa)
{
    using namespace std::string_literals;
    const std::string tekst = "Łódź\r\nul. Kościuszki 12\r\n";
    const std::pair<const char*, std::string> formy[] = {
        {"UTF-16LE", "\xFF\xFE"s}, {"UTF-16BE", "\xFE\xFF"s}, {"UTF-32LE", "\xFF\xFE\0\0"s}, {"UTF-32BE", "\0\0\xFE\xFF"s}};
    for (const auto& [forma, znacznik] : formy) {
        SCOPED_TRACE(forma);
        const std::string odmowa = "Plik /p/plik.rup jest zapisany w kodowaniu "s + forma +
                                   ", którego program nie czyta; zapisz plik w UTF-8 lub Windows-1250.";
        EXPECT_EQ(Odmowa(znacznik + Przekoduj(tekst, forma)), odmowa);
        EXPECT_EQ(Odmowa(Przekoduj(tekst, forma)), odmowa);
    }
    ASSERT_EQ(Przekoduj("Ł", "UTF-32BE"), "\0\0\x01\x41"s);
}

}  // namespace
