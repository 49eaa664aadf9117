// The text reports of a junction count.
#include "model/Raporty.h"

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Prognoza.h"

namespace {

// Filled on the right up to `dlugosc`; a longer text is not cut.
std::string Dopelnij(std::string t, char znak, std::size_t dlugosc)
{
    if (t.size() < dlugosc)
        t.append(dlugosc - t.size(), znak);
    return t;
}

// Right-aligned in 10 characters; a longer text is not cut.
std::string Pole(const std::string& t)
{
    return t.size() < 10 ? std::string(10 - t.size(), ' ') + t : t;
}

std::string Kreski(std::size_t n) { return std::string(n, '-'); }

// The exits of inlet i as the reports name them: left, straight, right, U-turn.
struct Ruch {
    const char* nazwa;
    int wylot;
};
std::array<Ruch, 4> RuchyWlotu(int i)
{
    auto w = [](int e) { return e > 4 ? e - 4 : e; };
    return {{{"LS", w(i + 3)}, {"WP", w(i + 2)}, {"PS", w(i + 1)}, {"ZW", i}}};
}

bool Kolumna(const DanePomiar& p, const Ruch& r)
{
    return r.nazwa[0] == 'Z' ? p.RysujZawrotki != 0 : p.WlotJest[static_cast<std::size_t>(r.wylot - 1)] != 0;
}

int32_t Policzone(const DanePomiar& p, int wlot, int klasa, int wylot)
{
    return p.NatezeniaPojazdow[static_cast<std::size_t>((wlot - 1) * KlasPojazdow + klasa)][static_cast<std::size_t>(wylot - 1)];
}

// The blocks of the count and volumes reports: `wartosc` gives a field's
// number (0 leaves it empty).
template <class Wartosc, class Opis>
void BlokiWlotow(std::vector<std::string>& r, const DanePomiar& p, const TOznaczeniaRamion& ramiona,
                 std::size_t szerokosc, Opis opisKlasy, Wartosc wartosc)
{
    for (int i = 1; i <= 4; ++i) {
        if (!p.WlotJest[static_cast<std::size_t>(i - 1)])
            continue;
        r.insert(r.end(), {"", Kreski(80), "WLOT   " + ramiona[static_cast<std::size_t>(RamieWlotu(i) - 1)], Kreski(80), ""});
        const auto ruchy = RuchyWlotu(i);
        std::string naglowek = Dopelnij(" Relacje  ", '.', szerokosc);
        for (const Ruch& ruch : ruchy)
            if (Kolumna(p, ruch))
                naglowek += Pole(ruch.nazwa);
        r.push_back(naglowek);
        r.push_back("");
        std::array<int64_t, 4> sumy{};
        for (int c = 0; c < KlasPojazdow; ++c) {
            std::string linia = Dopelnij(opisKlasy(c), '.', szerokosc);
            for (std::size_t k = 0; k < ruchy.size(); ++k) {
                if (!Kolumna(p, ruchy[k]))
                    continue;
                const int32_t n = Policzone(p, i, c, ruchy[k].wylot);
                if (n == 0) {
                    linia += Pole("");
                    continue;
                }
                const int32_t v = wartosc(n, i, c);
                sumy[k] += v;
                linia += Pole(std::to_string(v));
            }
            r.push_back(linia);
        }
        r.push_back(Kreski(80));
        r.push_back("");
        std::string razem = Dopelnij("RAZEM  ", '.', szerokosc);
        for (std::size_t k = 0; k < ruchy.size(); ++k)
            if (Kolumna(p, ruchy[k]))
                razem += Pole(std::to_string(sumy[k]));
        r.push_back(razem);
        r.push_back("");
    }
}

std::string Klasa(const DanePomiar& p, int c) { return std::to_string(c + 1) + ". " + p.NazwaPojazdu[static_cast<std::size_t>(c)].str(); }

}  // namespace

std::vector<std::string> PoczatekRaportu(TDataCzas dzis, TDataCzas teraz, const std::string& plikProjektu)
{
    return {"", "dn. " + DataNaTekst(dzis) + ";   godz." + CzasNaTekst(teraz), "Plik: " + plikProjektu, ""};
}

std::vector<std::string> RaportPomiaru(const DanePomiar& p, const TOznaczeniaRamion& ramiona)
{
    std::vector<std::string> r = {"  POMIAR "};
    BlokiWlotow(
        r, p, ramiona, 31, [&](int c) { return Klasa(p, c) + " "; }, [](int32_t n, int, int) { return n; });
    return r;
}

std::vector<std::string> RaportNatezen(const DanePomiar& p, const DaneWspolczynniki& wsp, const DanePrognoza& prognoza,
                                       bool prognozaWlaczona, const TOznaczeniaRamion& ramiona)
{
    std::vector<std::string> r = {Utf8NaCp1250(prognozaWlaczona ? "  NATĘŻENIA I PROGNOZA" : "  NATĘŻENIA ")};
    BlokiWlotow(
        r, p, ramiona, 36,
        [&](int c) {
            return Klasa(p, c) + " (" + FormatFloat("#0.0#", wsp.Wspolczynnik[static_cast<std::size_t>(c)]) + ")";
        },
        [&](int32_t n, int i, int c) {
            const int32_t v = PotokKlasy(n, wsp.Wspolczynnik[static_cast<std::size_t>(c)]);
            return prognozaWlaczona ? ZastosujPrognoze(v, KomorkaPojazdow(prognoza, i, c).str()) : v;
        });
    return r;
}

std::vector<std::string> RaportPrognozy(const DanePomiar& p, const DanePrognoza& prognoza,
                                        const TOznaczeniaRamion& ramiona)
{
    std::vector<std::string> r;
    if (prognoza.TrybPrognoza) {
        r = {Utf8NaCp1250("Prognoza wspólna dla wszystkich relacji"), "", Kreski(40), ""};
        int k = 0;
        for (int c = 0; c < KlasPojazdow; ++c) {
            const std::string& komorka = prognoza.PrognozaPojazdy[0][static_cast<std::size_t>(c)].str();
            if (!komorka.empty())
                r.push_back(Dopelnij(std::to_string(++k) + ". " + p.NazwaPojazdu[static_cast<std::size_t>(c)].str() + " ", '.', 31) +
                            Pole(komorka));
        }
        return r;
    }
    r = {"Prognoza dla relacji", "", Kreski(81)};
    std::string naglowek = Dopelnij("  Opis ", ' ', 31);
    for (int i = 1; i <= 4; ++i)
        if (p.WlotJest[static_cast<std::size_t>(i - 1)])
            naglowek += Pole(ramiona[static_cast<std::size_t>(RamieWlotu(i) - 1)]);
    r.push_back(naglowek);
    r.push_back(Kreski(81));
    for (int c = 0; c < KlasPojazdow; ++c) {
        std::string linia = Dopelnij(Klasa(p, c) + " ", '.', 31);
        for (int i = 1; i <= 4; ++i)
            if (p.WlotJest[static_cast<std::size_t>(i - 1)])
                linia += Pole(prognoza.PrognozaPojazdy[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)].str());
        r.push_back(linia);
    }
    return r;
}

std::vector<std::string> RaportWspolczynnikow(const DanePomiar& p, const DaneWspolczynniki& wsp)
{
    std::vector<std::string> r = {Utf8NaCp1250("TABELA WSPÓŁCZYNNIKÓW"), "", Kreski(64), ""};
    for (int c = 0; c < KlasPojazdow; ++c)
        r.push_back(Dopelnij(Klasa(p, c) + " ", '.', 31) + FormatFloat("##0.00#", wsp.Wspolczynnik[static_cast<std::size_t>(c)]));
    return r;
}
