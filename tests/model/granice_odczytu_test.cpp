// The project reader takes every value a window edits through the one table
// of limits: a value beyond it (a size of 2.5e29, a count's duration of -1)
// refuses the file naming its line, where before it opened and poisoned the
// drawing or the next save.
#include <functional>

#include "calosc_pomoc.h"

namespace {

class GraniceOdczytuTest : public ModelTest {};

struct Pole {
    const char* nazwa;
    std::function<void()> ustawZnacznik;   // sets the field to `znacznik`
    const char* znacznik;                   // as the writer writes it, found once in the file
    const char* poza;                       // just beyond the limit or far beyond
};

TEST_F(GraniceOdczytuTest, WartoscSpozaGranicyOdrzucaPlikNazywajacLinie)
{
    WypelnijModel();
    const std::vector<Pole> pola = {
        {"długość ramienia", [] { Ruchoplany[0].Dlugosc[1] = 4321.25f; }, "4321.25", "2.5e29"},
        {"długość ramienia", [] { Ruchoplany[0].Dlugosc[1] = 4321.25f; }, "4321.25", "20000.01"},
        {"promień skrętu", [] { Ruchoplany[0].GlobPromienLewoskretu = 4322.25f; }, "4322.25", "-3e4"},
        {"odsunięcie ramienia", [] { Ruchoplany[0].Odsuniecie[0] = -4323.25f; }, "-4323.25", "-1e5"},
        {"kąt ramienia", [] { Ruchoplany[0].Kat[2] = 43.25f; }, "43.25", "1e308"},
        {"promień ronda", [] { Ronda[0].PromienR = 4324.25f; }, "4324.25", "2.5e29"},
        {"tytuł wariantu", [] { Warianty[0].TytulDx = 4325.25f; }, "4325.25", "1.2e29"},
        {"wysokość tytułu węzła", [] { Wezly[0].TytulH = 4326.25f; }, "4326.25", "3e38"},
        {"odległość przejść", [] { wg.OdlegloscPrzejsc = 4327.25f; }, "4327.25", "2.5e29"},
        {"grubość linii", [] { wg.GrLinie = 44.75f; }, "44.75", "101"},
        {"legenda przejść", [] { wg.LegendaPrzejscY = 4328.25f; }, "4328.25", "1e8"},
        {"minimalna szerokość pasma", [] { wg.MaxSzer = 4329.25f; }, "4329.25", "-1"},
        {"czas pomiaru", [] { Pomiary[0].CzasPomiaru = 4330; }, "4330", "-1"},
        {"współczynnik pomiaru", [] { Pomiary[0].WspPojazdu[7] = 432.25f; }, "432.25", "3e38"},
        {"współczynnik zestawu", [] { Wspolczynniki[0].Wspolczynnik[5] = 433.75f; }, "433.75", "-1"},
        {"położenie opisu", [] { Opisy.emplace_back(); Opisy.back().Y = -4332.25f; }, "-4332.25", "-2e7"},
        {"obszar schowka", [] { NastawySchowek.Y1 = 4331.25f; }, "4331.25", "1e9"},
    };
    for (const Pole& p : pola) {
        p.ustawZnacznik();
        const std::vector<std::string> linie = LinieProjektu();
        std::size_t nr = 0;
        int ile = 0;
        for (std::size_t i = 0; i < linie.size(); ++i)
            if (linie[i] == p.znacznik)
                nr = i, ++ile;
        ASSERT_EQ(ile, 1) << p.nazwa;
        // The marked value itself reopens.
        Projekt dobry = NowyDokument();
        std::string blad;
        EXPECT_TRUE(CzytajProjekt(ZapiszPlik("dobry.rup", linie), dobry, blad)) << p.nazwa << ": " << Cp1250NaUtf8(blad);

        auto zle = linie;
        zle[nr] = p.poza;
        Projekt r = NowyDokument();
        EXPECT_FALSE(CzytajProjekt(ZapiszPlik("zly.rup", zle), r, blad)) << p.nazwa << " " << p.poza;
        EXPECT_NE(blad.find("zly.rup, linia " + std::to_string(nr + 1) + ":"), std::string::npos)
            << p.nazwa << ": " << Cp1250NaUtf8(blad);
    }
}

}  // namespace
