// Files of version "1.0.0.": one junction in fifteen variant slots.
#include <cmath>
#include <fstream>
#include <set>

#include "calosc_pomoc.h"

namespace {

class Wersja1Test : public ModelTest {
protected:
    std::vector<std::string> Linie()
    {
        std::ifstream f(std::string(KG_TEST_DATA) + "/wersja1.rup", std::ios::binary);
        std::vector<std::string> l;
        for (std::string s; std::getline(f, s);) {
            if (!s.empty() && s.back() == '\r')
                s.pop_back();
            l.push_back(s);
        }
        return l;
    }
};

constexpr double Stopien = 3.141592654 / 180.0;

TEST_F(Wersja1Test, DwaUzyteSlotyDajaDwaWariantyJednegoWezla)
{
    ASSERT_TRUE(Otworz(KG_TEST_DATA "/wersja1.rup")) << Blad();
    ASSERT_EQ(Wezly.size(), 1u);
    EXPECT_EQ(Wezly[0].Nazwa.str(), "Wezel 1");
    EXPECT_EQ(Wezly[0].Typ, 'J');
    EXPECT_EQ(Wezly[0].X, 10.0);
    EXPECT_EQ(Wezly[0].Y, 14.0);
    ASSERT_EQ(Warianty.size(), 2u);
    EXPECT_EQ(Warianty[0].Nazwa.str(), "Wariant nr 1");
    EXPECT_EQ(Warianty[1].Nazwa.str(), "Wariant nr 2");
    EXPECT_EQ(Warianty[1].TytulWyrownanie, 'L');
    EXPECT_EQ(Warianty[1].TytulDx, -5.0f);
    EXPECT_EQ(BiezacyWariant, 0);
    EXPECT_EQ(okno.tekstWariantu, "1. Wariant nr 1");
    EXPECT_FALSE(ProjektZmieniony);

    ASSERT_EQ(Ruchoplany.size(), 2u);
    const DaneRuchoplan& a = Ruchoplany[0];
    const DaneRuchoplan& b = Ruchoplany[1];
    EXPECT_EQ(a.NrWariantu, 0);
    EXPECT_EQ(b.NrWariantu, 1);
    EXPECT_EQ(b.NrWezla, 0);
    EXPECT_EQ(a.Tytul[0].str(), PL("Skrzyżowanie Główne"));
    EXPECT_EQ(b.Tytul[0].str(), PL("Popołudnie"));
    EXPECT_EQ(a.TytulWyrownanie, 'P');
    EXPECT_EQ(a.TytulDx, 8.0f);
    EXPECT_EQ(a.TytulDy, 11.0f);
    EXPECT_EQ(a.TytulWysokosc, 0.7f);
    EXPECT_EQ(a.GeometriaWprowadzona, 1);
    EXPECT_EQ(a.Globalne, 1);
    // 12,6 reads as 13 and 12.5 as 12 (half to even); the U-turns come later.
    EXPECT_EQ(a.Natezenia, (std::array<int32_t, 16>{1, 13, 12, 30, 40, 2, 50, 60, 70, 80, 3, 90, 100, 110, 120, 4}));
    EXPECT_EQ(b.Natezenia, (std::array<int32_t, 16>{5, 1, 2, 3, 4, 6, 5, 6, 7, 8, 7, 9, 10, 11, 12, 8}));
    EXPECT_EQ(a.SumaWlotu[0], 1 + 13 + 12 + 30);
    EXPECT_EQ(b.SumaWylotu[3], 3 + 6 + 9 + 8);

    // The junction's values are the same in every diagram.
    for (const DaneRuchoplan* r : {&a, &b}) {
        EXPECT_EQ(r->Ramie, (std::array<uint8_t, 4>{1, 0, 1, 1})) << "\"TRUE\" switches the arm off";
        EXPECT_EQ(r->Strzalka, (std::array<uint8_t, 4>{1, 1, 0, 1}));
        EXPECT_EQ(r->Kat[1], static_cast<float>(90 * Stopien));
        EXPECT_EQ(r->Kat[3], static_cast<float>(270.5 * Stopien));
        EXPECT_EQ(r->OpisRamienia[2].str(), "Ulica 2");
        EXPECT_EQ(r->OpisRamienia[7].str(), "Linia 2 ramienia 4");
        EXPECT_EQ(r->PoprawkaPrawoskretow, 0.3f);
        EXPECT_EQ(r->PoprawkaLewoskretow, 0.1f);
        EXPECT_EQ(r->GlobOdsuniecie, 0.6f);
        EXPECT_EQ(r->GlobDlugosc, 8.0f);
        EXPECT_EQ(r->GlobPromienPrawoskretu, 2.5f);
        EXPECT_EQ(r->GlobPromienLewoskretu, 4.5f);
        EXPECT_EQ(r->GlobZawrotka, 3.0f);
        EXPECT_EQ(r->Dlugosc[0], 7.0f) << "what the file does not give keeps the defaults";
        EXPECT_EQ(r->NrPomiaru, -1);
        EXPECT_EQ(r->Obliczony, 0);
    }

    // Two descriptions per variant slot, then the extra ones.
    const struct {
        const char* tekst;
        int32_t wariant;
        float x, y, sx, sy;
    } opisy[] = {{"Opis A", 0, 3.0f, 3.0f, 0.35f, 0.5f},
                 {"Tekst 2", 1, 3.0f, 2.3f, 0.35f, 0.5f},
                 {"Dodatkowy 1", 0, 2.0f, 1.0f, 0.3f, 0.45f},
                 {"Dodatkowy 2", 1, 2.0f, 0.4f, 0.3f, 0.45f}};
    ASSERT_EQ(Opisy.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(opisy[i].tekst);
        EXPECT_EQ(Opisy[i].Tekst.str(), opisy[i].tekst);
        EXPECT_EQ(Opisy[i].Wariant, opisy[i].wariant);
        EXPECT_EQ(Opisy[i].X, opisy[i].x);
        EXPECT_EQ(Opisy[i].Y, opisy[i].y);
        EXPECT_EQ(Opisy[i].Sx, opisy[i].sx);
        EXPECT_EQ(Opisy[i].Sy, opisy[i].sy);
    }
    EXPECT_EQ(Opisy[0].Grubosc, 0.23f);
    EXPECT_EQ(Opisy[0].Styl.str(), "Opis");

    EXPECT_EQ(wg.SkalaPaskowAuto, 1);
    EXPECT_EQ(wg.SkalaPaskowMax, 0) << "only \"TRUE\" is true";
    EXPECT_EQ(wg.MaxSzer, 2.5f);
    EXPECT_EQ(wg.Pojazd100, 0.8f);
    EXPECT_EQ(RozmiaryLegendy[12], 0.0f);
    EXPECT_EQ(RozmiaryLegendy[13], 0.0f);
    EXPECT_EQ(RozmiaryOpisow[9], 4.0f);
}

TEST_F(Wersja1Test, PlikKonczacySiePoLinii327CzytaSieZDomyslnymi)
{
    std::vector<std::string> l = Linie();
    l.resize(327);
    ASSERT_TRUE(Otworz(ZapiszPlik("krotki.rup", l))) << Blad();
    ASSERT_EQ(Ruchoplany.size(), 2u);
    EXPECT_EQ(Ruchoplany[1].OpisRamienia[0].str(), "Ulica 1");
    EXPECT_EQ(Ruchoplany[1].OpisRamienia[1].str(), " ");
    EXPECT_EQ(Ruchoplany[0].Natezenia[0], 0);
    EXPECT_EQ(Ruchoplany[0].GlobZawrotka, 3.5f);
    EXPECT_EQ(Ruchoplany[1].PoprawkaLewoskretow, 0.0f);
    EXPECT_EQ(Opisy.size(), 2u);
}

// A file of an older release ends after line 327 or after one of the later
// blocks, maybe followed by empty lines or the DOS end-of-file mark ^Z (it
// was refused so); a file cut anywhere else once opened with the rest defaulted (its free texts
// lost) and is refused naming its last line.
TEST_F(Wersja1Test, KazdyPunktUcieciaCzytanyCalyLubOdrzucony)
{
    const std::vector<std::string> l = Linie();
    ASSERT_EQ(l.size(), 453u);
    const std::set<std::size_t> konceBlokow = {327, 331, 364, 369, 446, 453};
    // What may follow the last line's CR LF; a ^Z may also end that line.
    // Empty lines after a cut inside a block may read as its texts and
    // flags, so only the ^Z alone is tried there.
    const std::vector<std::pair<std::string, bool>> zakonczenia = {
        {"", false},        {"\x1A", false},      {"\x1A", true},        {"\r\n", false},
        {"\x1A\r\n", false}, {"\r\n\x1A", false}, {"\r\n\r\n\n", false},
    };
    // The block end a file of n lines is read to: the last one before n
    // with only empty lines after it, 0 for none.
    const auto czytanyDo = [&](std::size_t n) -> std::size_t {
        std::size_t e = n;
        for (; e > 0 && !konceBlokow.contains(e); --e)
            if (!l[e - 1].empty())
                return 0;
        return e;
    };
    int otwartych = 0;
    for (std::size_t n = 5; n <= l.size(); ++n) {
        for (const auto& [dalej, wLinii] : zakonczenia) {
            // A ^Z ending an empty line stands alone after the line before.
            if (wLinii && l[n - 1].empty())
                continue;
            SCOPED_TRACE("lines kept: " + std::to_string(n) + ", then " + ::testing::PrintToString(dalej) +
                         (wLinii ? " in the last line" : ""));
            std::string tresc;
            for (std::size_t i = 0; i < n; ++i)
                tresc += l[i] + "\r\n";
            if (wLinii)
                tresc.resize(tresc.size() - 2);
            tresc += dalej;
            const std::string plik = Sciezka("uciety.rup");
            std::ofstream(plik, std::ios::binary | std::ios::trunc) << tresc;
            const std::size_t e = czytanyDo(n);
            if (e == 0) {
                if (dalej.find('\n') == std::string::npos)
                    SprawdzOdmowe(plik, (dalej.empty() ? ", linia " + std::to_string(n) : std::string()) +
                                            ": nieoczekiwany koniec pliku");
                continue;
            }
            ASSERT_TRUE(Otworz(plik)) << Blad();
            ++otwartych;
            ASSERT_EQ(Ruchoplany.size(), 2u);
            // Every block present is read whole: the free texts of both slots,
            // the second arm lines, the U-turns, the global sizes.
            EXPECT_EQ(Opisy.size(), e >= 364 ? 4u : 2u);
            EXPECT_EQ(Ruchoplany[1].Strzalka[3], 1);
            EXPECT_EQ(Ruchoplany[1].PoprawkaLewoskretow, e >= 331 ? 0.1f : 0.0f);
            EXPECT_EQ(Ruchoplany[1].OpisRamienia[7].str() == "Linia 2 ramienia 4", e >= 369);
            EXPECT_EQ(Ruchoplany[1].Natezenia[15], e >= 446 ? 8 : 0);
            EXPECT_EQ(Ruchoplany[1].GlobZawrotka, e >= 453 ? 3.0f : 3.5f);
        }
    }
    // The six block ends and the ten empty lines after them (328, 329, 332,
    // 333, 365, 370 to 372, 447, 448), 364 being empty too.
    EXPECT_EQ(otwartych, 16 * 7 - 11);
}

// A NUL before every line end makes each flag false: the first number
// refuses the file rather than it opening without its variants.
TEST_F(Wersja1Test, ZnakNulPrzedKoncemLiniiOdrzuca)
{
    std::string tresc;
    for (const std::string& linia : Linie())
        tresc += linia + std::string(1, '\0') + "\r\n";
    const std::string plik = Sciezka("nul.rup");
    std::ofstream(plik, std::ios::binary) << tresc;
    SprawdzOdmowe(plik, ", linia 299: ");
}

TEST_F(Wersja1Test, SlotPoNieuzywanymDostajeWlasnyWariantIRuchoplan)
{
    std::vector<std::string> l = Linie();
    // Swap slot 0 (lines 6-24) with the unused slot 2 (lines 44-62).
    std::swap_ranges(l.begin() + 5, l.begin() + 24, l.begin() + 43);
    ASSERT_TRUE(Otworz(ZapiszPlik("luka.rup", l))) << Blad();
    ASSERT_EQ(Warianty.size(), 2u);
    EXPECT_EQ(Warianty[0].Nazwa.str(), "Wariant nr 2");
    EXPECT_EQ(Warianty[1].Nazwa.str(), "Wariant nr 3");
    ASSERT_EQ(Ruchoplany.size(), 2u);
    EXPECT_EQ(Ruchoplany[1].NrWariantu, 1);
    EXPECT_EQ(Ruchoplany[1].Tytul[0].str(), PL("Skrzyżowanie Główne"));
    // The per-slot blocks follow the slots: U-turns of slot 2 are zeros.
    EXPECT_EQ(Ruchoplany[1].Natezenia[0], 0);
    EXPECT_EQ(Ruchoplany[0].Natezenia[0], 5);
}

TEST_F(Wersja1Test, NatezenieNieLiczbaOdmawiaOtwarcia)
{
    std::vector<std::string> l = Linie();
    l[10] = "dwanascie";
    SprawdzOdmowe(ZapiszPlik("zly.rup", l), "linia 11");
}

}  // namespace
