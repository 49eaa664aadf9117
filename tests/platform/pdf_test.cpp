// The PDF document writer and the PDF page canvas: the file's structure
// (objects where the cross-reference table says, streams of the length
// they declare) and the operators each figure becomes, worked out by hand.

#include <gtest/gtest.h>

#include <zlib.h>

#include <regex>
#include <string>

#include "platform/DokumentPdf.h"
#include "platform/PlotnoPdf.h"

namespace {

std::string Inflate(const std::string& dane)
{
    std::string wynik(dane.size() * 20 + 1024, '\0');
    uLongf dlugosc = wynik.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(wynik.data()), &dlugosc,
                         reinterpret_cast<const Bytef*>(dane.data()), dane.size()),
              Z_OK);
    wynik.resize(dlugosc);
    return wynik;
}

// The streams of a file, in order, as they stand in it.
std::vector<std::string> Strumienie(const std::string& pdf)
{
    std::vector<std::string> s;
    static const std::regex dlugosc(R"(/Length (\d+)( /Filter /FlateDecode)? >>\nstream\n)");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), dlugosc); it != std::sregex_iterator(); ++it) {
        const std::size_t poczatek = static_cast<std::size_t>(it->position() + it->length());
        const std::size_t n = std::stoul((*it)[1]);
        EXPECT_EQ(pdf.compare(poczatek + n, 11, "\nendstream\n"), 0) << "a stream's length";
        const std::string bajty = pdf.substr(poczatek, n);
        s.push_back((*it)[2].matched ? Inflate(bajty) : bajty);
    }
    return s;
}

// Every object stands where the table says, the table where startxref says.
void SprawdzTabele(const std::string& pdf)
{
    ASSERT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    const std::size_t start = pdf.rfind("startxref\n");
    ASSERT_NE(start, std::string::npos);
    const std::size_t xref = std::stoul(pdf.substr(start + 10));
    EXPECT_EQ(pdf.substr(start + 10 + std::to_string(xref).size()), "\n%%EOF\n");
    ASSERT_EQ(pdf.compare(xref, 7, "xref\n0 "), 0);
    const int obiektow = std::stoi(pdf.substr(xref + 7));
    std::size_t wpis = pdf.find('\n', xref + 7) + 1;
    EXPECT_EQ(pdf.substr(wpis, 20), "0000000000 65535 f \n");
    for (int n = 1; n < obiektow; ++n) {
        wpis += 20;
        ASSERT_EQ(pdf.compare(wpis + 10, 10, " 00000 n \n"), 0) << n;
        const std::size_t gdzie = std::stoul(pdf.substr(wpis, 10));
        EXPECT_EQ(pdf.compare(gdzie, std::to_string(n).size() + 7, std::to_string(n) + " 0 obj\n"), 0) << n;
    }
    EXPECT_NE(pdf.find("trailer\n<< /Size " + std::to_string(obiektow) + " /Root 1 0 R", wpis), std::string::npos);
}

TEST(DokumentPdf, TabelaObiektowIStrumienie)
{
    DokumentPdf d(595, 842, u"Łódź");
    d.NowaStrona();
    d.DodajDoStrony({"0 0 m 10 10 l S", false});
    d.DodajDoStrony({Deflate("1 0 0 RG 5 5 m 6 6 l S"), true});
    d.NowaStrona();
    d.DodajDoStrony({"q Q", false});
    EXPECT_EQ(d.LiczbaStron(), 2);
    const std::string pdf = d.Plik();
    SprawdzTabele(pdf);
    EXPECT_NE(pdf.find("/Type /Pages /Count 2 /Kids [ 4 0 R 7 0 R ]"), std::string::npos);
    EXPECT_NE(pdf.find("4 0 obj\n<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << >> "
                       "/Contents [ 5 0 R 6 0 R ] >>"),
              std::string::npos);
    EXPECT_NE(pdf.find("/Title <FEFF014100F30064017A>"), std::string::npos);
    EXPECT_EQ(Strumienie(pdf),
              (std::vector<std::string>{"0 0 m 10 10 l S", "1 0 0 RG 5 5 m 6 6 l S", "q Q"}));
}

// A page of some megabytes is deflated in pieces cut at line ends, which
// together give back its operators.
TEST(DokumentPdf, KompresjaWKawalkachNaWatkach)
{
    std::string duza;
    for (int i = 0; duza.size() < 3'500'000; ++i)
        duza += std::to_string(i % 9973) + " " + std::to_string(i % 7919) + " l\n";
    for (int watkow : {1, 3}) {
        DokumentPdf d(595, 842, u"");
        d.NowaStrona();
        d.DodajDoStrony({"q\n", false});
        d.DodajDoStrony({duza, false});
        d.NowaStrona();
        d.DodajDoStrony({Deflate("Q\n"), true});
        d.Skompresuj(watkow);
        const std::string pdf = d.Plik();
        SprawdzTabele(pdf);
        EXPECT_FALSE(std::regex_search(pdf, std::regex(R"(/Length \d+ >>)"))) << "every piece deflated";
        const std::vector<std::string> s = Strumienie(pdf);
        ASSERT_EQ(s.size(), 6u) << "the large piece in four of about a megabyte";
        EXPECT_EQ(s[0], "q\n");
        EXPECT_EQ(s[1] + s[2] + s[3] + s[4], duza);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(s[static_cast<std::size_t>(k)].back(), '\n');
        EXPECT_EQ(s[5], "Q\n");
    }
}

// Texts measured and outlined as a font source says: a cell two pixels
// higher than asked, ten pixels a letter, a square outline.
class CzcionkiProbne : public CzcionkiPdf {
public:
    int WysokoscKomorki(const std::string&, int wysokosc) override { return wysokosc + 2; }
    int Szerokosc(const std::string&, int, std::string_view tekst) override
    {
        return 10 * static_cast<int>(tekst.size());
    }
    const std::string& Obrys(const std::string& kroj, int, std::string_view tekst) override
    {
        obrys = tekst.empty() ? "" : kroj + " 0 0 m 5 0 l 5 5 l h\n";
        return obrys;
    }
    std::string obrys;
};

class PlotnoPdfTest : public ::testing::Test {
protected:
    PlotnoPdf p{UkladStronyPdf{72.0 / 1200.0, 167 * (72.0 / 1200.0), 842 - 167 * (72.0 / 1200.0)},
                std::make_unique<CzcionkiProbne>()};
    // What was drawn, without the transform and the end of the state.
    std::string Tresc()
    {
        std::string t = p.Zabierz();
        const std::string poczatek = "q 0.060000000 0 0 -0.060000000 10.0199999 831.980000 cm\n";
        EXPECT_EQ(t.substr(0, poczatek.size()), poczatek);
        EXPECT_EQ(t.substr(t.size() - 2), "Q\n");
        return t.substr(poczatek.size(), t.size() - poczatek.size() - 2);
    }
};

// Lines that run on from one another are one path until the pen changes or
// a line starts elsewhere; thin pens end flat with bevel joins, wide ones
// are round; a line to its own start and lines with no pen draw nothing.
TEST_F(PlotnoPdfTest, LinieWPrzebiegachIPioro)
{
    p.UstawKolorPiora(KolorRGB(255, 0, 128));
    p.UstawGruboscPiora(0);
    p.PrzesunDo(0, 0);
    p.LiniaDo(10, 0);
    p.LiniaDo(10, -10);
    p.LiniaDo(10, -10);
    p.PrzesunDo(20, 20);
    p.LiniaDo(30, 20);
    p.UstawGruboscPiora(7);
    const PunktInt odcinki[] = {{30, 20}, {40, 25}, {40, 25}, {50, 30}, {0, 0}, {1, 1}};
    p.Odcinki(odcinki);
    p.UstawStylPiora(PioroBrak);
    p.LiniaDo(99, 99);
    p.UstawStylPiora(PioroKreskowane);
    p.UstawGruboscPiora(1);
    p.PrzesunDo(0, 0);
    p.LiniaDo(5, 0);
    p.LiniaDo(9, 0);
    EXPECT_EQ(Tresc(), "1 0 0.502 RG\n0 w 0 J 2 j [] 0 d\n0 0 m\n10 0 l\n10 -10 l\nS\n"
                       "20 20 m\n30 20 l\nS\n"
                       "7 w 1 J 1 j [] 0 d\n30 20 m\n40 25 l\n50 30 l\nS\n0 0 m\n1 1 l\nS\n"
                       "1 w 0 J 2 j [4 2] 0 d\n0 0 m\n5 0 l\nS\n5 0 m\n9 0 l\nS\n");
    // A wide dashed pen's pattern is in pixels.
    p.UstawGruboscPiora(3);
    p.UstawStylPiora(PioroKreskaKropka);
    p.LiniaDo(9, 9);
    EXPECT_EQ(Tresc(), "1 0 0.502 RG\n3 w 1 J 1 j [12 6 3 6] 0 d\n9 0 m\n9 9 l\nS\n");
}

// Polygons and rectangles by the even-odd rule, outlined, filled or both;
// a rectangle's box and an ellipse's leave out the far edges' pixels.
TEST_F(PlotnoPdfTest, FiguryZamkniete)
{
    p.UstawKolorPiora(0);
    p.UstawKolorPedzla(KolorRGB(0, 0, 255));
    p.UstawStylPedzla(StylPedzla::Pelny);
    p.Wielokat({{0, 0}, {10, 0}, {5, 8}});
    p.UstawStylPedzla(StylPedzla::Pusty);
    p.Wielokat({{0, 0}, {10, 0}, {5, 8}});
    p.UstawStylPiora(PioroBrak);
    p.UstawStylPedzla(StylPedzla::Pelny);
    p.Prostokat(10, 20, 0, 0);
    p.UstawStylPedzla(StylPedzla::Pusty);
    p.Prostokat(0, 0, 10, 20);
    p.UstawStylPiora(PioroCiagle);
    p.Elipsa(0, 0, 21, 11);
    EXPECT_EQ(Tresc(), "0 0 0 RG\n1 w 0 J 2 j [] 0 d\n0 0 1 rg\n0 0 m\n10 0 l\n5 8 l\nh B*\n"
                       "0 0 m\n10 0 l\n5 8 l\nh S\n"
                       "0 0 9 19 re\nf*\n0 0 9 19 re\nn\n"
                       "20 5 m\n20 7.761 15.523 10 10 10 c\n4.477 10 0 7.761 0 5 c\n"
                       "0 2.239 4.477 0 10 0 c\n15.523 0 20 2.239 20 5 c\nh S\n");
}

// A text is its outline filled in the font colour, over its cell filled
// with a solid brush; its width is the font source's.
TEST_F(PlotnoPdfTest, TekstyJakoObrysy)
{
    p.UstawKrojCzcionki("Arial");
    p.UstawWysokoscCzcionki(40);
    p.UstawKolorCzcionki(KolorRGB(0, 255, 0));
    p.UstawKolorPedzla(KolorRGB(255, 255, 255));
    p.UstawStylPedzla(StylPedzla::Pelny);
    p.WypiszTekst(100, 200, "Ab");
    p.UstawStylPedzla(StylPedzla::Pusty);
    p.WypiszTekst(-5, 7, "x");
    p.WypiszTekst(0, 0, "");
    EXPECT_EQ(p.SzerokoscTekstu("abc"), 30);
    EXPECT_EQ(Tresc(), "1 1 1 rg\n100 200 20 42 re f\n0 1 0 rg\nq 1 0 0 1 100 200 cm\nArial 0 0 m 5 0 l 5 5 l h\nf Q\n"
                       "q 1 0 0 1 -5 7 cm\nArial 0 0 m 5 0 l 5 5 l h\nf Q\n");
    EXPECT_TRUE(p.Puste());
}

}  // namespace
