// A model holding every kind of record travels through the project file.
#include <functional>

#include "calosc_pomoc.h"

namespace {

class CaloscTest : public ModelTest {};

struct Migawka {
    std::vector<DaneWezel> wezly = Wezly;
    std::vector<DaneWariant> warianty = Warianty;
    std::vector<DaneRuchoplan> ruchoplany = Ruchoplany;
    std::vector<DaneRondo> ronda = Ronda;
    std::vector<DanePomiar> pomiary = Pomiary;
    std::vector<DanePrognoza> prognozy = Prognozy;
    std::vector<DaneWspolczynniki> wspolczynniki = Wspolczynniki;
    std::vector<DaneOpis> opisy = Opisy;
    std::vector<DaneBlok> bloki = Bloki;
    std::vector<DaneBlokWpis> definicje = DefinicjeBlokow;
    std::vector<KrotkiTekst<255>> linie = LinieBlokow;
    TNastawySchowek schowek = NastawySchowek;
    TUstawieniaGlobalne nastawy = wg;
    TRozmiaryLegendy legenda = RozmiaryLegendy;
    TRozmiaryOpisow rozmiaryOpisow = RozmiaryOpisow;
    int32_t biezacy = BiezacyWariant;
};

// Record by record, field by field; `porownaj` names the record it compares.
template <typename T, typename F>
void PorownajKazdy(const std::vector<T>& teraz, const std::vector<T>& przed, const std::string& co, F porownaj)
{
    ASSERT_EQ(teraz.size(), przed.size()) << co;
    for (std::size_t i = 0; i < teraz.size(); ++i)
        porownaj(teraz[i], przed[i], co + " " + std::to_string(i));
}

void PorownajZMigawka(const Migawka& m)
{
    EXPECT_EQ(Wezly, m.wezly);
    EXPECT_EQ(Warianty, m.warianty);
    PorownajKazdy(Ruchoplany, m.ruchoplany, "ruchoplan", [](const DaneRuchoplan& a, const auto& b, const auto& kto) {
        PorownajRuchoplany(a, b, kto);
        EXPECT_EQ(a.Obliczony, 0) << kto;
    });
    PorownajKazdy(Ronda, m.ronda, "rondo", [](const DaneRondo& a, const auto& b, const auto& kto) {
        PorownajRonda(a, b, kto);
        EXPECT_EQ(a.Obliczony, 0) << kto;
    });
    PorownajKazdy(Pomiary, m.pomiary, "pomiar", [](const DanePomiar& a, const auto& b, const auto& kto) {
        PorownajPomiary(a, b, kto);
        EXPECT_EQ(a.PomiarZmieniony, 0) << kto;
    });
    PorownajKazdy(Prognozy, m.prognozy, "prognoza", PorownajPrognozy);
    PorownajKazdy(Wspolczynniki, m.wspolczynniki, "wspolczynniki", [](const auto& a, const auto& b, const auto& kto) {
        EXPECT_EQ(a.Wspolczynnik, b.Wspolczynnik) << kto;
    });
    EXPECT_EQ(Opisy, m.opisy);
    EXPECT_EQ(Bloki, m.bloki);
    EXPECT_EQ(DefinicjeBlokow, m.definicje);
    EXPECT_EQ(LinieBlokow, m.linie);
    EXPECT_TRUE(NastawySchowek == m.schowek);
    EXPECT_TRUE(wg == m.nastawy);
    EXPECT_TRUE(RozmiaryLegendy == m.legenda);
    EXPECT_TRUE(RozmiaryOpisow == m.rozmiaryOpisow);
    EXPECT_EQ(BiezacyWariant, m.biezacy);
}

TEST_F(CaloscTest, KazdyRekordWracaPoleWPoleIPlikPowtarzaSieBajtWBajt)
{
    WypelnijModel();
    const Migawka przed;
    const std::string a = Sciezka("a.rup");
    const std::string b = Sciezka("b.rup");
    ASSERT_TRUE(ZapiszProjekt(a));
    ProjektZmieniony = true;
    okno.ostatnie.clear();
    ASSERT_TRUE(Otworz(a)) << Blad();
    PorownajZMigawka(przed);
    // The roundabout totals are computed after the whole file: the structure
    // block of roundabout 0 comes after its section.
    EXPECT_EQ(Ronda[0].SumaWlotu[1], 100);
    EXPECT_EQ(Ronda[0].SumaWylotu[2], 100);
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_EQ(LiczbaWezlowRuchoplanow, 2);
    EXPECT_EQ(LiczbaWezlowRond, 1);
    EXPECT_EQ(okno.tytul, a);
    EXPECT_EQ(okno.ostatnie, std::vector<std::string>{a});
    EXPECT_TRUE(okno.siatka);
    EXPECT_EQ(okno.krokSiatki, "0.5");
    EXPECT_EQ(okno.listaWariantow, (std::vector<std::string>{"1. Wariant pierwszy", "2. Wariant B"}));
    EXPECT_EQ(okno.tekstWariantu, "1. Wariant pierwszy");
    ASSERT_TRUE(ZapiszProjekt(b));
    EXPECT_EQ(CzytajBajty(a), CzytajBajty(b));
}

TEST_F(CaloscTest, LiczbyCzytaSiePrzyKazdymSeparatorzeZapisuIOdczytu)
{
    WypelnijModel();
    const Migawka przed;
    for (char zapis : {',', '.'})
        for (char odczyt : {',', '.'}) {
            SCOPED_TRACE(std::string("zapis ") + zapis + " odczyt " + odczyt);
            const std::string a = Sciezka(std::string("sep") + zapis + ".rup");
            UstawSeparatorDziesietny(zapis);
            ASSERT_TRUE(ZapiszProjekt(a));
            UstawSeparatorDziesietny(odczyt);
            ASSERT_TRUE(Otworz(a)) << Blad();
            PorownajZMigawka(przed);
        }
}

class SprawdzenieTest : public ModelTest {
protected:
    // The saved model's lines, changed by `zmien`, written to a file.
    std::string PlikZmieniony(const std::function<void(std::vector<std::string>&)>& zmien)
    {
        NowyProjekt();
        WypelnijModel();
        std::vector<std::string> l = LinieProjektu();
        zmien(l);
        return ZapiszPlik("zmieniony.rup", l);
    }
    static std::size_t Znajdz(const std::vector<std::string>& l, const std::string& znacznik)
    {
        for (std::size_t i = 0; i < l.size(); ++i)
            if (l[i] == Znacznik(znacznik))
                return i;
        ADD_FAILURE() << "no section " << znacznik;
        return 0;
    }
};

TEST_F(SprawdzenieTest, BlednyIndeksLiczbaLubKoniecPlikuOdmawiaOtwarcia)
{
    struct Przypadek {
        std::string znacznik;
        int przesuniecie;
        std::string wartosc;  // "" cuts the file there
        std::string slowo;
    };
    const std::vector<Przypadek> przypadki = {
        {"kv3", 4, "7", "węzeł nr 7"},        {"kv3", 5, "2", "wariant nr 2"},
        {"rv3", 4, "3", "węzeł nr 3"},        {"kv3", 37 + 13, "-5", "natężenie -5"},
        {"rv3", 30 + 11, "10000001", "natężenie"}, {"rv3", 25, "6", "liczbę ramion 6"},
        {"pm1", 600, "", "linia"},            {"rv3", 100, "", "koniec pliku"},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.znacznik + " +" + std::to_string(p.przesuniecie));
        SprawdzOdmowe(PlikZmieniony([&](std::vector<std::string>& l) {
                          const std::size_t i = Znajdz(l, p.znacznik) + static_cast<std::size_t>(p.przesuniecie);
                          if (p.wartosc.empty())
                              l.resize(i);
                          else
                              l[i] = p.wartosc;
                      }),
                      p.slowo);
    }
}

// A link to a count, forecast or coefficient set that does not exist is
// dropped; a diagram that took its volumes from such a count no longer does.
TEST_F(SprawdzenieTest, LaczeDoNieistniejacegoPomiaruJestZdejmowane)
{
    for (const char* pomiar : {"-1", "5", "-7"}) {
        SCOPED_TRACE(pomiar);
        ASSERT_TRUE(Otworz(PlikZmieniony([&](std::vector<std::string>& l) {
            const std::size_t i = Znajdz(l, "kv3");
            ASSERT_EQ(l[i + 16], "True");
            l[i + 13] = pomiar;
            l[i + 14] = "1";
            l[i + 15] = "-2";
            const std::size_t j = Znajdz(l, "rv3");
            l[j + 13] = "2";
        }))) << Blad();
        EXPECT_EQ(Ruchoplany[0].NrPomiaru, -1);
        EXPECT_EQ(Ruchoplany[0].ZPomiaru, 0);
        EXPECT_EQ(Ruchoplany[0].NrPrognozy, -1);
        EXPECT_EQ(Ruchoplany[0].NrWspolczynnikow, -1);
        EXPECT_EQ(Ronda[0].NrPomiaru, -1);
        EXPECT_EQ(Ronda[0].ZPomiaru, 0);
    }
}

}  // namespace
