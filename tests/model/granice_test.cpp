// The one table of limits: a typed text is read against its field's limit,
// and the project reader refuses the same values, naming the line.
#include <gtest/gtest.h>

#include "base/Kodowanie.h"
#include "model/Granice.h"
#include "model/PlikProjektu.h"
#include "model/Potoki.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {

struct Przypadek {
    const char* tekst;
    bool przyjety;
    double wartosc;
};

void Sprawdz(const GranicaPola& g, const Przypadek& p)
{
    double x = -12345.0;
    std::string komunikat;
    const bool wynik = CzytajWartosc(g, p.tekst, x, komunikat);
    EXPECT_EQ(wynik, p.przyjety) << g.nazwa << " \"" << p.tekst << "\"";
    if (p.przyjety) {
        EXPECT_DOUBLE_EQ(x, p.wartosc) << p.tekst;
        EXPECT_EQ(komunikat, "");
    } else {
        EXPECT_DOUBLE_EQ(x, -12345.0) << "a refused text leaves the value as it was";
        EXPECT_NE(komunikat, "");
    }
}

TEST(Granice, TekstyWpisaneWPoleNatezenia)
{
    for (const Przypadek& p : std::initializer_list<Przypadek>{
             {"", false, 0},
             {"-1", false, 0},
             {"0", true, 0},
             {"10000000", true, 1e7},
             {"10000001", false, 0},
             {"20000000", false, 0},
             {"2000000000", false, 0},
             {"1e308", false, 0},
             {"nan", false, 0},
             {"inf", false, 0},
             {"abc", false, 0},
             {"123456789012345678901234567890", false, 0},
             {"1,5", false, 0},
             {"1.5", false, 0},
             {" 250 ", true, 250},
         })
        Sprawdz(granice::Natezenie, p);
}

TEST(Granice, TekstyWpisaneWPoleRzeczywiste)
{
    for (const Przypadek& p : std::initializer_list<Przypadek>{
             {"", false, 0},
             {"-1", false, 0},
             {"0", true, 0},
             {"10000", true, 1e4},
             {"10000,01", false, 0},
             {"1e308", false, 0},
             {"-1e308", false, 0},
             {"nan", false, 0},
             {"inf", false, 0},
             {"abc", false, 0},
             {"123456789012345678901234567890", false, 0},
             {"1,5", true, 1.5},
             {"1.5", true, 1.5},
             {"1e3", true, 1000},
         })
        Sprawdz(granice::Wymiar, p);
    Sprawdz(granice::Przesuniecie, {"-1,5", true, -1.5});
    Sprawdz(granice::Wspolrzedna, {"1.2e29", false, 0});
    Sprawdz(granice::Wspolrzedna, {"-10000000", true, -1e7});
}

TEST(Granice, KomunikatNazywaPoleIZakres)
{
    double x = 0;
    std::string k;
    ASSERT_FALSE(CzytajWartosc(granice::KrokSiatki, "0,001", x, k, "Krok siatki"));
    EXPECT_EQ(Cp1250NaUtf8(k), "Pole „Krok siatki” musi być liczbą od 0,01 do 10000.");
    ASSERT_FALSE(CzytajWartosc(granice::Natezenie, "x", x, k));
    EXPECT_EQ(Cp1250NaUtf8(k), "Pole „natężenie” musi być liczbą całkowitą od 0 do 10000000.");
    EXPECT_EQ(Cp1250NaUtf8(KomunikatDlugosci("Nazwa", 50)), "Pole „Nazwa” może mieć najwyżej 50 znaków.");
    EXPECT_TRUE(MiesciSieTekst(std::string(10, 'x'), 10));
    EXPECT_FALSE(MiesciSieTekst(std::string(11, 'x'), 10));
}

TEST(Granice, CzytnikOdrzucaWartoscSpozaGranicyNazywajacLinie)
{
    Projekt p;
    CzytnikProjektu c(std::vector<std::string>{"12", "20000000", "0,005", "1e308"}, "a.rup", p);
    EXPECT_EQ(c.Calkowita(granice::Natezenie), 12);
    try {
        c.Calkowita(granice::Natezenie);
        ADD_FAILURE() << "20000000 was read";
    } catch (const BladPliku& b) {
        EXPECT_EQ(b.linia, 2);
        EXPECT_EQ(Cp1250NaUtf8(b.what()), "Błąd w pliku a.rup, linia 2: natężenie poza zakresem 0..10000000.");
    }
    EXPECT_THROW(c.RzeczywistaS(granice::KrokSiatki), BladPliku);
    EXPECT_THROW(c.Wspolrzedna(), BladPliku);
}

}  // namespace

namespace {

// A window's edits read in turn: the first refusal's message is kept, each
// refused value leaves the one it would replace.
TEST(Granice, SprawdzanieWieluPolZachowujePierwszaOdmowe)
{
    SprawdzanieWartosci s;
    EXPECT_DOUBLE_EQ(s.Wartosc(granice::Wymiar, "2,5", "A", 1.0), 2.5);
    EXPECT_TRUE(s.Dobre());
    EXPECT_DOUBLE_EQ(s.Wartosc(granice::Wymiar, "1e308", "Szerokość", 1.0), 1.0);
    EXPECT_DOUBLE_EQ(s.Wartosc(granice::Natezenie, "-1", "Natężenie", 7.0), 7.0);
    EXPECT_TRUE(s.Tekst({std::string(10, 'x')}, 10, "Opis"));
    EXPECT_FALSE(s.Tekst({std::string(11, 'x')}, 10, "Opis"));
    EXPECT_FALSE(s.Dobre());
    EXPECT_EQ(Cp1250NaUtf8(s.Komunikat()), "Pole „Szerokość” musi być liczbą od 0 do 10000.");
    SprawdzanieWartosci t;
    t.Odrzuc("Pole „Nazwa” nie może być puste.");
    EXPECT_EQ(Cp1250NaUtf8(t.Komunikat()), "Pole „Nazwa” nie może być puste.");
    // A typed character without a Windows-1250 form, even in a short text.
    SprawdzanieWartosci u;
    EXPECT_FALSE(u.Tekst(Utf8NaCp1250ZOkna("Київ"), 10, "Tytuł"));
    EXPECT_EQ(Cp1250NaUtf8(u.Komunikat()),
              "Pole „Tytuł” zawiera znak U+041A, którego nie można zapisać w pliku (spoza kodowania Windows-1250).");
    // A pair of characters that would read back as one letter: the first
    // such pair named, with its letter.
    EXPECT_EQ(Cp1250NaUtf8(OdmowaTekstu(Utf8NaCp1250ZOkna("Ĺ›roda i Ä…"), 20, "Opis")),
              "Pole „Opis” zawiera parę znaków, którą plik odczytałby jako jedną literę („Ĺ›” jako „ś”).");
    EXPECT_EQ(OdmowaTekstu(Utf8NaCp1250ZOkna("Zażółć gęślą jaźń"), 17, "Opis"), "");
    EXPECT_NE(OdmowaTekstu(Utf8NaCp1250ZOkna("Zażółć 🙂"), 17, "Opis"), "");
    EXPECT_EQ(Cp1250NaUtf8(OdmowaTekstu(Utf8NaCp1250ZOkna("Zażółć?"), 6, "Opis")),
              "Pole „Opis” może mieć najwyżej 6 znaków.");
}

// Flows raised by large class factors and forecasts stay within what the
// project file holds, so the count that keeps them still opens.
TEST(Granice, PotokiObliczoneWZakresieCzytnika)
{
    DanePomiar m;
    m.MaxJest = 4;
    m.NatezeniaPojazdow[0][1] = 10000000;   // inlet 1, class 1, to exit 2
    m.NatezeniaPojazdow[1][1] = 10000000;   // class 2
    m.NatezeniaPrzejsc[0][0] = 10000000;
    DaneWspolczynniki w;
    w.Wspolczynnik[0] = 1000.0f;
    DanePrognoza prognoza;
    UstawDomyslnaPrognoze(prognoza);
    prognoza.PrognozaPrzejscia[0][0] = "99999999%";
    PrzeliczPotoki(m, w, prognoza, true);
    EXPECT_EQ(m.NatezeniaNaRelacjach[0][1], 10000000);
    EXPECT_EQ(m.NatezeniaPrzejscObliczone[0][0], 10000000);
    prognoza.PrognozaPojazdy[0][1] = "-99999999%";
    PrzeliczPotoki(m, w, prognoza, true);
    // Each class's term is bounded before the sum: 1e7 x 1000 gives 1e7,
    // 1e7 less 99999999 % gives -1e7.
    EXPECT_EQ(m.NatezeniaNaRelacjach[0][1], 0);
    Projekt p;
    p.Pomiary = {m};
    EXPECT_EQ(SprawdzDiagramy(p), "");
}

}  // namespace
