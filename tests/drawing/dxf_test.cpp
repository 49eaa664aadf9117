// The DXF writer's exact output, the colour-to-index rule, and the same file
// read back by a real DXF reader (ezdxf under the system's Python).

#include "pomoc.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <vector>

#include "drawing/Dxf.h"
#include "drawing/Luki.h"
#include "drawing/Rysowanie.h"
#include "base/Kodowanie.h"

namespace {

std::string Artefakt(const std::string& nazwa)
{
    std::filesystem::create_directories(KG_BUILD_DIR "/artefakty");
    return KG_BUILD_DIR "/artefakty/" + nazwa;
}

std::string CzytajBajty(const std::string& sciezka)
{
    std::ifstream f(sciezka, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string ZCrLf(std::initializer_list<std::string> linie)
{
    std::string wynik;
    for (const std::string& l : linie) wynik += l + "\r\n";
    return wynik;
}

// Every file opens with the version and the code page of its texts.
std::string NaglowekDxf()
{
    return ZCrLf({"0", "SECTION", "2", "HEADER", "9", "$ACADVER", "1", "AC1009", "9", "$DWGCODEPAGE", "3",
                  "ANSI_1250", "0", "ENDSEC"});
}

}  // namespace

TEST(LiczbaDxf, Format23Znaki)
{
    EXPECT_EQ(LiczbaDxf(12.5), " 1.25000000000000E+0001");
    EXPECT_EQ(LiczbaDxf(-0.5), "-5.00000000000000E-0001");
    EXPECT_EQ(LiczbaDxf(0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(LiczbaDxf(-0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(LiczbaDxf(10.0), " 1.00000000000000E+0001");
    EXPECT_EQ(LiczbaDxf(2.5), " 2.50000000000000E+0000");
    EXPECT_EQ(LiczbaDxf(-47.0), "-4.70000000000000E+0001");
    EXPECT_EQ(LiczbaDxf(1.0 / 3.0), " 3.33333333333333E-0001");
    EXPECT_EQ(LiczbaDxf(123456789012345678.0), " 1.23456789012346E+0017");
    EXPECT_EQ(LiczbaDxf(1e-300), " 1.00000000000000E-0300");
    EXPECT_EQ(LiczbaDxf(0.9999999999999999), " 1.00000000000000E+0000");  // rounding carries into the exponent
    for (double x : {0.0, -1e-5, 3.14159, -99999.5, 1e100}) EXPECT_EQ(LiczbaDxf(x).size(), 23u) << x;
    // Values no CAD program reads are written as zero.
    EXPECT_EQ(LiczbaDxf(std::nan("")), LiczbaDxf(0.0));
}

// The digits are printf's "%.14E": the exact binary value rounded to 15
// digits, a tie to the even digit. Checked against the C library on values
// of every size a sheet holds and beyond, and on exact ties.
TEST(LiczbaDxf, CyfryJakPrintf)
{
    auto printfem = [](double x) {
        char bufor[64];
        std::snprintf(bufor, sizeof bufor, "%.14E", x);
        std::string t = bufor + (x < 0 ? 1 : 0);  // d.ddddddddddddddE+XX
        t[1] = '.';  // whatever the locale's separator
        const int wykladnik = std::atoi(t.c_str() + t.find('E') + 1);
        char cztery[16];
        std::snprintf(cztery, sizeof cztery, "%04d", std::abs(wykladnik));
        return (x < 0 ? "-" : " ") + t.substr(0, 16) + "E" + (wykladnik < 0 ? "-" : "+") + cztery;
    };
    // Ties: 15 digits and a 5 after them, held exactly by a double.
    EXPECT_EQ(LiczbaDxf(100000000000000.5), " 1.00000000000000E+0014");
    EXPECT_EQ(LiczbaDxf(100000000000001.5), " 1.00000000000002E+0014");
    EXPECT_EQ(LiczbaDxf(-100000000000002.5), "-1.00000000000002E+0014");
    EXPECT_EQ(LiczbaDxf(1.5e-7), " 1.50000000000000E-0007");
    uint64_t stan = 88172645463325252ull;
    auto losowa = [&stan] {
        stan ^= stan << 13, stan ^= stan >> 7, stan ^= stan << 17;
        return stan;
    };
    int sprawdzonych = 0;
    for (int wykladnik = -12; wykladnik <= 20; ++wykladnik)
        for (int i = 0; i < 3000; ++i) {
            const double mantysa = static_cast<double>(losowa() >> 11) / 9007199254740992.0;  // [0, 1)
            double x = (1.0 + 9.0 * mantysa) * std::pow(10.0, wykladnik);
            if (i % 3 == 1 && wykladnik >= 0) x = std::round(x * 1000.0) / 1000.0;  // a few decimals
            if (i % 5 == 2) x = -x;
            if (i % 7 == 3 && wykladnik >= 0) x = std::ldexp(std::round(std::ldexp(x, 10)), -10);  // ties
            ASSERT_EQ(LiczbaDxf(x), printfem(x)) << std::hexfloat << x;
            ++sprawdzonych;
        }
    EXPECT_EQ(sprawdzonych, 33 * 3000);
}

TEST(KolorDxf, IndeksNajblizszegoKoloru)
{
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(255, 0, 0)), 1);
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(0, 255, 0)), 3);
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(0, 0, 255)), 5);  // not 170 of the same value
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(255, 255, 0)), 2);
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(0, 255, 255)), 4);  // not 130
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(255, 0, 255)), 6);  // not 210
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(255, 255, 255)), 7);
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(0, 0, 0)), 7);
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(128, 128, 128)), 8);
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(200, 200, 200)), 9);
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(100, 100, 100)), 251);
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(10, 10, 10)), 7);
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(153, 95, 76)), 24);  // the table's own values
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(153, 95, 95)), 25);
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(63, 127, 110)), 127);
    EXPECT_EQ(KolorNaIndeksDxf(0xFF000000u | KolorRGB(255, 0, 0)), 1);  // the high byte is ignored
    EXPECT_EQ(KolorNaIndeksDxf(KolorRGB(220, 230, 230)), 254);
}

TEST(PlikDxf, PustyEksport)
{
    const std::string sciezka = Artefakt("pusty.dxf");
    DxfPoczatek(sciezka);
    DxfKoniec();
    EXPECT_EQ(CzytajBajty(sciezka), NaglowekDxf() + ZCrLf({"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC", "0", "EOF"}));
    EXPECT_FALSE(DxfOtwarty());
}

TEST(PlikDxf, EncjeDokladnie)
{
    const std::string sciezka = Artefakt("encje.dxf");
    DxfPoczatek(sciezka);
    DxfLinia("null", 7, 0, 0, 10, 2.5);
    DxfTekst(Utf8NaCp1250("Łódź"), "Rupl_Napisy", 1.5, -2, 90, 0.4, 0.7, 1);
    DxfLuk("luki", 3, 1, 2, 0.5, 720, 450);
    DxfKoniec();
    const std::string z = " 0.00000000000000E+0000";
    const std::string oczekiwany =
        NaglowekDxf() + ZCrLf({"0", "SECTION", "2", "ENTITIES"}) +
        ZCrLf({"0", "LINE", "100", "AcDbEntity", "8", "null", "62", "7", "100", "AcDbLine", "10", z, "20", z, "11",
               " 1.00000000000000E+0001", "21", " 2.50000000000000E+0000"}) +
        ZCrLf({"0", "TEXT", "100", "AcDbEntity", "8", "Rupl_Napisy", "62", "1", "100", "AcDbText", "10",
               " 1.50000000000000E+0000", "20", "-2.00000000000000E+0000", "40", " 7.00000000000000E-0001", "1",
               "\xA3\xF3" "d\x9F", "50", " 9.00000000000000E+0001", "41", " 4.00000000000000E-0001"}) +
        ZCrLf({"0", "ARC", "100", "AcDbEntity", "8", "luki", "62", "3", "100", "AcDbCircle", "10",
               " 1.00000000000000E+0000", "20", " 2.00000000000000E+0000", "40", " 5.00000000000000E-0001", "50",
               " 7.20000000000000E+0002", "51", " 4.50000000000000E+0002"}) +
        ZCrLf({"0", "ENDSEC", "0", "EOF"});
    EXPECT_EQ(CzytajBajty(sciezka), oczekiwany);
}

// A fitted text: justification 72 = 5 after the width factor, then its
// baseline's right end; the stroke text before it is written as ever.
TEST(PlikDxf, TekstDopasowanyDokladnie)
{
    const std::string sciezka = Artefakt("dopasowany.dxf");
    DxfPoczatek(sciezka);
    DxfTekst("Ab", "t", 1, 2, 0, 0.4, 0.35, 7);
    DxfTekst("Ab", "t",
             UkladTekstuDxf{.x = 1, .y = -2, .wspSzerokosci = 0.4, .wysokosc = 0.35, .dopasowany = true,
                            .xKonca = 3.5, .yKonca = -2},
             7);
    DxfKoniec();
    auto tekst = [](const std::string& y) {
        return ZCrLf({"0", "TEXT", "100", "AcDbEntity", "8", "t", "62", "7", "100", "AcDbText", "10",
                      " 1.00000000000000E+0000", "20", y, "40", " 3.50000000000000E-0001", "1", "Ab", "50",
                      " 0.00000000000000E+0000", "41", " 4.00000000000000E-0001"});
    };
    EXPECT_EQ(CzytajBajty(sciezka),
              NaglowekDxf() + ZCrLf({"0", "SECTION", "2", "ENTITIES"}) + tekst(" 2.00000000000000E+0000") +
                  tekst("-2.00000000000000E+0000") +
                  ZCrLf({"72", "5", "11", " 3.50000000000000E+0000", "21", "-2.00000000000000E+0000"}) +
                  ZCrLf({"0", "ENDSEC", "0", "EOF"}));
}

TEST(PlikDxf, ZnakKoncaLiniiWTekscieNieRozbijaPliku)
{
    const std::string sciezka = Artefakt("linie.dxf");
    DxfPoczatek(sciezka);
    DxfTekst("a\r\nb", "w\n", 0, 0, 0, 1, 1, 7);
    DxfKoniec();
    const std::string bajty = CzytajBajty(sciezka);
    EXPECT_NE(bajty.find("\r\na  b\r\n"), std::string::npos);
    EXPECT_NE(bajty.find("\r\nw \r\n"), std::string::npos);
}

TEST(PlikDxf, NieMoznaUtworzyc)
{
    EXPECT_THROW(DxfPoczatek("/nie/ma/takiego/katalogu/x.dxf"), BladDxf);
    EXPECT_FALSE(DxfOtwarty());
}

// The export as the program runs it: the primitives with the DXF output on,
// two variants one below the other, then the file read back by ezdxf.

namespace {

bool EzdxfDostepny()
{
    return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0;
}

const char* SkryptCzytnika = R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1], encoding="cp1250")
out = open(sys.argv[2], "w", encoding="utf-8")
for e in doc.modelspace():
    t = e.dxftype()
    d = e.dxf
    if t == "LINE":
        out.write("LINE|%s|%d|%.6f|%.6f|%.6f|%.6f\n" % (d.layer, d.color, d.start.x, d.start.y, d.end.x, d.end.y))
    elif t == "TEXT":
        out.write("TEXT|%s|%d|%.6f|%.6f|%.6f|%.6f|%.6f|%s\n" % (d.layer, d.color, d.insert.x, d.insert.y,
                  d.height, d.rotation, d.width, d.text))
    elif t == "ARC":
        out.write("ARC|%s|%d|%.6f|%.6f|%.6f|%.6f|%.6f\n" % (d.layer, d.color, d.center.x, d.center.y, d.radius,
                  d.start_angle, d.end_angle))
    else:
        out.write("OTHER|%s\n" % t)
out.write("AUDIT|%d\n" % len(doc.audit().errors))
)PY";

std::vector<std::string> LinieUtf8(const std::string& sciezka)
{
    std::vector<std::string> wynik;
    std::ifstream f(sciezka);
    for (std::string l; std::getline(f, l);) wynik.push_back(l);
    return wynik;
}

}  // namespace

using EksportDxfTest = TestRysowania;

TEST_F(EksportDxfTest, CzytnikDxfWidziKazdaEncje)
{
    if (!EzdxfDostepny()) GTEST_SKIP() << "/usr/bin/python3 has no ezdxf (Debian package python3-ezdxf)";
    UstawOdbiorceDxf(nullptr);  // the real file, not the recorder
    Czcionka[0xA3] = ZnakTestowy({{0, 0, 5, 5}}, 10);
    const std::string sciezka = Artefakt("eksport.dxf");
    {
        EksportDxf eksport(sciezka);
        for (int wariant = 0; wariant < 2; ++wariant) {
            BiezacyWariant = wariant;
            RysujLinie(KolorRGB(255, 0, 0), "Rupl_linie", 0, 0, 10, 2.5, 0.3);
            RysujLukL(KolorRGB(0, 0, 255), 8, 5, 5, 2, 0, static_cast<float>(std::numbers::pi / 2), 0.3, "Rupl_luki");
            RysujTekst(Utf8NaCp1250("Łódź żółć"), KolorRGB(100, 100, 100), 1, 1, 1, 0.5, 0.2, 0, "Rupl_Napisy");
        }
        eksport.Zakoncz();
    }
    EXPECT_FALSE(WyjscieDxf);

    const std::string skrypt = Artefakt("czytaj_dxf.py");
    std::ofstream(skrypt) << SkryptCzytnika;
    const std::string wynik = Artefakt("eksport.txt");
    const std::string polecenie = "/usr/bin/python3 " + skrypt + " " + sciezka + " " + wynik;
    ASSERT_EQ(std::system(polecenie.c_str()), 0) << polecenie;

    const std::vector<std::string> oczekiwane{
        "LINE|Rupl_linie|1|0.000000|0.000000|10.000000|2.500000",
        "ARC|Rupl_luki|5|5.000000|5.000000|2.000000|0.000000|90.000000",
        "TEXT|Rupl_Napisy|251|1.000000|1.200000|0.700000|0.000000|0.400000|Łódź żółć",
        "LINE|Rupl_linie|1|0.000000|-25.000000|10.000000|-22.500000",
        "ARC|Rupl_luki|5|5.000000|-20.000000|2.000000|0.000000|90.000000",
        "TEXT|Rupl_Napisy|251|1.000000|-23.800000|0.700000|0.000000|0.400000|Łódź żółć",
        "AUDIT|0",
    };
    EXPECT_EQ(LinieUtf8(wynik), oczekiwane);
}

// A CAD program told nothing about the encoding learns it from the header:
// the Polish letters of a caption come back as typed.
TEST(PlikDxf, CzytnikPoznajeStroneKodowa)
{
    if (!EzdxfDostepny()) GTEST_SKIP() << "/usr/bin/python3 has no ezdxf (Debian package python3-ezdxf)";
    UstawOdbiorceDxf(nullptr);
    const std::string sciezka = Artefakt("strona_kodowa.dxf");
    DxfPoczatek(sciezka);
    DxfTekst(Utf8NaCp1250("Łódzka"), "Rupl_Napisy", 1, 2, 0, 1, 0.5, 7);
    DxfLinia("null", 7, 0, 0, 1, 1);
    DxfKoniec();

    const std::string skrypt = Artefakt("strona_kodowa.py");
    std::ofstream(skrypt) << R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
out = open(sys.argv[2], "w", encoding="utf-8")
out.write("%s|%s|%s\n" % (doc.header["$DWGCODEPAGE"], doc.encoding, doc.dxfversion))
out.write("|".join(e.dxf.text for e in doc.modelspace().query("TEXT")) + "\n")
)PY";
    const std::string wynik = Artefakt("strona_kodowa.txt");
    const std::string polecenie = "/usr/bin/python3 " + skrypt + " " + sciezka + " " + wynik;
    ASSERT_EQ(std::system(polecenie.c_str()), 0) << polecenie;
    EXPECT_EQ(LinieUtf8(wynik), (std::vector<std::string>{"ANSI_1250|cp1250|AC1009", "Łódzka"}));
}
