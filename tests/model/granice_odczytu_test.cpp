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

namespace {

// The index of the first line starting with `poczatek` at or after `od`.
std::size_t LiniaOd(const std::vector<std::string>& l, const std::string& poczatek, std::size_t od = 0)
{
    for (std::size_t i = od; i < l.size(); ++i)
        if (l[i].rfind(poczatek, 0) == 0)
            return i;
    ADD_FAILURE() << "no line " << poczatek;
    return 0;
}

struct PoleRekordu {
    const char* nazwa;
    const GranicaPola& granica;
    std::function<float&()> pole;
    std::function<std::size_t(const std::vector<std::string>&)> linia;  // index of the field's line
    std::string prefiks;                                                // written before the value
};

// A placed block's anchor and scales, a description's sizes and angle: at
// their limits written and read back unchanged; just or far beyond them the
// file is refused naming the line (a scale of -1e30 once opened and went
// into the DXF).
TEST_F(GraniceOdczytuTest, BlokiIOpisyNaGranicachIZaNimi)
{
    WypelnijModel();
    auto wstawienie = [](const char* pole) {
        return [pole](const std::vector<std::string>& l) { return LiniaOd(l, pole, LiniaOd(l, " Wstawienia blokow")); };
    };
    // The first description's line `k` after its text.
    auto opis = [](std::size_t k) {
        return [k](const std::vector<std::string>& l) { return LiniaOd(l, Znacznik("ov1")) + 4 + k; };
    };
    using namespace granice;
    const std::vector<PoleRekordu> pola = {
        {"X bloku", Polozenie, []() -> float& { return Bloki[0].X; }, wstawienie("X ="), "X =          : "},
        {"Y bloku", Polozenie, []() -> float& { return Bloki[0].Y; }, wstawienie("Y ="), "Y =          : "},
        {"sx bloku", SkalaBloku, []() -> float& { return Bloki[0].Sx; }, wstawienie("sx="), "sx=          : "},
        {"sy bloku", SkalaBloku, []() -> float& { return Bloki[0].Sy; }, wstawienie("sy="), "sy=          : "},
        {"szerokość opisu", SzerokoscZnakuOpisu, []() -> float& { return Opisy[0].Sx; }, opis(3), ""},
        {"rozmiar opisu", WysokoscOpisu, []() -> float& { return Opisy[0].Sy; }, opis(4), ""},
        {"kąt opisu", KatOpisu, []() -> float& { return Opisy[0].Kat; }, opis(5), ""},
        {"grubość opisu", GruboscOpisu, []() -> float& { return Opisy[0].Grubosc; }, opis(7), ""},
    };
    const Projekt baza = BiezacyProjekt;
    for (const PoleRekordu& p : pola) {
        for (const double granica : {p.granica.min, p.granica.max}) {
            SCOPED_TRACE(std::string(p.nazwa) + " " + TekstGranicy(granica));
            BiezacyProjekt = baza;
            p.pole() = static_cast<float>(granica);
            const std::vector<std::string> linie = LinieProjektu();
            const std::size_t nr = p.linia(linie);
            Projekt r = NowyDokument();
            std::string blad;
            ASSERT_TRUE(CzytajProjekt(ZapiszPlik("granica.rup", linie), r, blad)) << Cp1250NaUtf8(blad);
            BiezacyProjekt = std::move(r);
            EXPECT_EQ(p.pole(), static_cast<float>(granica));

            const double krok = granica == p.granica.min ? -0.01 : 0.01;
            for (const double poza : {granica + krok, granica + krok * 1e32}) {
                auto zle = linie;
                zle[nr] = p.prefiks + TekstGranicy(poza);
                Projekt z = NowyDokument();
                EXPECT_FALSE(CzytajProjekt(ZapiszPlik("poza.rup", zle), z, blad)) << zle[nr];
                EXPECT_NE(blad.find("poza.rup, linia " + std::to_string(nr + 1) + ": "), std::string::npos)
                    << Cp1250NaUtf8(blad);
            }
        }
    }
}

// Block definitions' ranges of command lines: within the list, or empty as a
// new record has it (Start = Koniec + 1) or as the block copy leaves a
// library definition with no body (Start = Koniec + 2), are written and read
// back unchanged; a range reaching outside the list refuses the file naming
// the definition's start line.
TEST_F(GraniceOdczytuTest, ZakresyDefinicjiBlokowWPliku)
{
    WypelnijModel();
    const std::string start = "______________________________START";
    const std::string koniec = "______________________________KONIEC";
    LinieBlokow = {start, "strzalka", "L 0 0 1 1", "L 0 0 1 1", "L 1 1 2 0", koniec, start, "pusty", koniec};
    DefinicjeBlokow.resize(1);
    DefinicjeBlokow[0].Start = 3, DefinicjeBlokow[0].Koniec = 4;
    auto definicja = [](const char* nazwa, int32_t od, int32_t doLinii) {
        DaneBlokWpis d;
        d.Nazwa = nazwa, d.Start = od, d.Koniec = doLinii;
        return d;
    };
    DefinicjeBlokow.push_back(definicja("pusty", 9, 7));
    DefinicjeBlokow.push_back(definicja("nowy", 0, -1));
    DefinicjeBlokow.push_back(definicja("cala lista", 0, 8));
    const std::vector<std::string> linie = LinieProjektu();
    Projekt r = NowyDokument();
    std::string blad;
    ASSERT_TRUE(CzytajProjekt(ZapiszPlik("zakresy.rup", linie), r, blad)) << Cp1250NaUtf8(blad);
    EXPECT_EQ(r.DefinicjeBlokow, DefinicjeBlokow);
    EXPECT_EQ(r.LinieBlokow, LinieBlokow);

    const std::size_t bv1 = LiniaOd(linie, Znacznik("bv1"));
    const struct {
        std::size_t definicja;
        const char* pole;
        int wartosc;
    } poza[] = {
        {0, "koniec       : ", 9},    // one past the list
        {0, "start        : ", -1},
        {1, "start        : ", 10},   // Koniec + 3
        {2, "koniec       : ", -3},   // Start = 0 = Koniec + 3
        {3, "koniec       : ", 100},
    };
    for (const auto& p : poza) {
        auto zle = linie;
        const std::size_t poczatek = bv1 + 4 + 7 * p.definicja;
        const std::size_t nr = LiniaOd(zle, p.pole, poczatek);
        zle[nr] = p.pole + std::to_string(p.wartosc);
        SCOPED_TRACE(zle[nr]);
        Projekt z = NowyDokument();
        EXPECT_FALSE(CzytajProjekt(ZapiszPlik("poza.rup", zle), z, blad));
        const std::size_t linia = LiniaOd(zle, "start        : ", poczatek) + 1;
        EXPECT_NE(blad.find("poza.rup, linia " + std::to_string(linia) + ": definicja bloku " +
                            DefinicjeBlokow[p.definicja].Nazwa + " wskazuje linie"),
                  std::string::npos)
            << Cp1250NaUtf8(blad);
    }
}

}  // namespace
