// The text reports of a roundabout count: inlets and exits 1..MaxJest under
// the arms' letters, worked out by hand.
#include <gtest/gtest.h>

#include "base/Kodowanie.h"
#include "model/Raporty.h"

namespace {

// A two-inlet count with two named classes (the others nameless).
DanePomiar Pomiar()
{
    DanePomiar p;
    p.MaxJest = 2;
    p.NazwaPojazdu.fill("");
    p.NazwaPojazdu[0] = "Osobowe";
    p.NazwaPojazdu[1] = "TIR";
    // Inlet 1: 10 cars to exit 2, 3 lorries to exit 1; inlet 2: 7 cars to exit 1.
    p.NatezeniaPojazdow[0 * KlasPojazdow + 0][1] = 10;
    p.NatezeniaPojazdow[0 * KlasPojazdow + 1][0] = 3;
    p.NatezeniaPojazdow[1 * KlasPojazdow + 0][0] = 7;
    return p;
}

const TOznaczeniaRonda Litery{"A", "B", "C", "D", "E"};

std::string Linia(const std::string& poczatek, std::size_t szerokosc, const std::vector<std::string>& pola)
{
    std::string l = poczatek;
    l.append(szerokosc - l.size(), '.');
    for (const std::string& p : pola)
        l += std::string(10 - p.size(), ' ') + p;
    return l;
}

TEST(RaportyRonda, PomiarINatezeniaZPrognoza)
{
    const DanePomiar p = Pomiar();
    const std::vector<std::string> pomiar = RaportPomiaruRonda(p, Litery);
    // No title; per inlet 5 head lines, the header, 20 classes, 3 closing lines.
    ASSERT_EQ(pomiar.size(), 2u * (5 + 1 + 20 + 3));
    EXPECT_EQ(pomiar[0], "");
    EXPECT_EQ(pomiar[1], std::string(80, '-'));
    EXPECT_EQ(pomiar[2], "WLOT   A");
    EXPECT_EQ(pomiar[5], Linia(" Relacje  ", 31, {"A", "B"}));
    EXPECT_EQ(pomiar[6], Linia("1. Osobowe ", 31, {"", "10"}));
    EXPECT_EQ(pomiar[7], Linia("2. TIR ", 31, {"3", ""}));
    EXPECT_EQ(pomiar[8], Linia("3.  ", 31, {"", ""}));
    EXPECT_EQ(pomiar[26], std::string(80, '-'));
    EXPECT_EQ(pomiar[27], "");
    EXPECT_EQ(pomiar[28], Linia("RAZEM  ", 31, {"3", "10"}));
    EXPECT_EQ(pomiar[29 + 2], "WLOT   B");
    EXPECT_EQ(pomiar[29 + 28], Linia("RAZEM  ", 31, {"7", "0"}));

    // Lorries weigh 2.5: 3 x 2.5 = 7.5 rounds to 8 (half to even), then +10 %
    // of the common forecast gives 9; 10 cars at 1.0 plus 10 % make 11.
    DaneWspolczynniki w;
    w.Wspolczynnik.fill(1.0f);
    w.Wspolczynnik[1] = 2.5f;
    DanePrognoza f;
    f.TrybPrognoza = 1;
    f.PrognozaPojazdy[0][0] = "10%";
    f.PrognozaPojazdy[0][1] = "10%";
    const std::vector<std::string> nat = RaportNatezenRonda(p, w, f, true, Litery);
    ASSERT_EQ(nat.size(), 1u + 2u * 29);
    EXPECT_EQ(nat[0], Utf8NaCp1250("  NATĘŻENIA I PROGNOZA"));
    EXPECT_EQ(nat[1 + 5], Linia(" Relacje  ", 36, {"A", "B"}));
    EXPECT_EQ(nat[1 + 6], Linia("1. Osobowe (1.0)", 36, {"", "11"}));
    EXPECT_EQ(nat[1 + 7], Linia("2. TIR (2.5)", 36, {"9", ""}));
    EXPECT_EQ(nat[1 + 28], Linia("RAZEM  ", 36, {"9", "11"}));
    EXPECT_EQ(RaportNatezenRonda(p, w, f, false, Litery)[0], Utf8NaCp1250("  NATĘŻENIA "));
}

TEST(RaportyRonda, PrognozaPoWlotachIPustyPomiar)
{
    DanePomiar p = Pomiar();
    p.MaxJest = 3;
    DanePrognoza f;
    f.TrybPrognoza = 0;
    f.PrognozaPojazdy[1][0] = "5%";
    f.PrognozaPojazdy[3][0] = "12";
    const std::vector<std::string> r = RaportPrognozyRonda(p, f, Litery);
    ASSERT_EQ(r.size(), 6u + 20u);
    EXPECT_EQ(r[0], "Prognoza dla relacji");
    EXPECT_EQ(r[2], std::string(81, '-'));
    EXPECT_EQ(r[3], "");
    EXPECT_EQ(r[4], "  Opis                         " + std::string(9, ' ') + "A" + std::string(9, ' ') + "B" +
                        std::string(9, ' ') + "C");
    EXPECT_EQ(r[5], std::string(81, '-'));
    // An empty cell is a blank field.
    EXPECT_EQ(r[6], Linia("1. Osobowe ", 31, {"5%", "", "12"}));

    // A count of no inlets (or of more than five) reports no block beyond five.
    p.MaxJest = 0;
    EXPECT_TRUE(RaportPomiaruRonda(p, Litery).empty());
    p.MaxJest = 9;
    EXPECT_EQ(RaportPomiaruRonda(p, Litery).size(), 5u * 29);
}

}  // namespace
