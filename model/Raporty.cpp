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

// What the count and volumes reports lay out: the inlets shown, each headed
// by its arm's label, with its columns (a heading and the exit counted).
struct KolumnaRaportu {
    std::string naglowek;
    int wylot;
};
struct WlotRaportu {
    int wlot;
    std::string oznaczenie;
    std::vector<KolumnaRaportu> kolumny;
};
struct UkladRaportu {
    std::vector<WlotRaportu> wloty;
    bool skrzyzowanie = true;  // an empty line after the heading and after the totals
};

// A junction count: the inlets present, their movements left, straight,
// right and U-turn where the count has them.
UkladRaportu UkladSkrzyzowania(const DanePomiar& p, const TOznaczeniaRamion& ramiona)
{
    UkladRaportu u;
    for (int i = 1; i <= 4; ++i) {
        if (!p.WlotJest[static_cast<std::size_t>(i - 1)])
            continue;
        WlotRaportu w{i, ramiona[static_cast<std::size_t>(RamieWlotu(i) - 1)], {}};
        for (const Ruch& ruch : RuchyWlotu(i))
            if (Kolumna(p, ruch))
                w.kolumny.push_back({ruch.nazwa, ruch.wylot});
        u.wloty.push_back(w);
    }
    return u;
}

// A roundabout count: inlets and exits 1..MaxJest, each under its arm's letter.
UkladRaportu UkladRonda(const DanePomiar& p, const TOznaczeniaRonda& ramiona)
{
    UkladRaportu u;
    u.skrzyzowanie = false;
    const int n = WlotyRonda(p);
    for (int i = 1; i <= n; ++i) {
        WlotRaportu w{i, ramiona[static_cast<std::size_t>(i - 1)], {}};
        for (int j = 1; j <= n; ++j)
            w.kolumny.push_back({ramiona[static_cast<std::size_t>(j - 1)], j});
        u.wloty.push_back(w);
    }
    return u;
}

// The blocks of the count and volumes reports: `wartosc` gives a field's
// number (a count of 0 leaves it empty).
template <class Wartosc, class Opis>
void BlokiWlotow(std::vector<std::string>& r, const UkladRaportu& u, const DanePomiar& p, std::size_t szerokosc,
                 Opis opisKlasy, Wartosc wartosc)
{
    for (const WlotRaportu& w : u.wloty) {
        r.insert(r.end(), {"", Kreski(80), "WLOT   " + w.oznaczenie, Kreski(80), ""});
        std::string naglowek = Dopelnij(" Relacje  ", '.', szerokosc);
        for (const KolumnaRaportu& k : w.kolumny)
            naglowek += Pole(k.naglowek);
        r.push_back(naglowek);
        if (u.skrzyzowanie)
            r.push_back("");
        std::vector<int64_t> sumy(w.kolumny.size());
        for (int c = 0; c < KlasPojazdow; ++c) {
            std::string linia = Dopelnij(opisKlasy(c), '.', szerokosc);
            for (std::size_t k = 0; k < w.kolumny.size(); ++k) {
                const int32_t n = Policzone(p, w.wlot, c, w.kolumny[k].wylot);
                if (n <= 0) {
                    linia += Pole("");
                    continue;
                }
                const int32_t v = wartosc(n, w.wlot, c);
                sumy[k] += v;
                linia += Pole(std::to_string(v));
            }
            r.push_back(linia);
        }
        r.push_back(Kreski(80));
        r.push_back("");
        std::string razem = Dopelnij("RAZEM  ", '.', szerokosc);
        for (const int64_t s : sumy)
            razem += Pole(std::to_string(s));
        r.push_back(razem);
        if (u.skrzyzowanie)
            r.push_back("");
    }
}

std::string Klasa(const DanePomiar& p, int c) { return std::to_string(c + 1) + ". " + p.NazwaPojazdu[static_cast<std::size_t>(c)].str(); }

}  // namespace

std::vector<std::string> PoczatekRaportu(TDataCzas dzis, TDataCzas teraz, const std::string& plikProjektu)
{
    return {"", "dn. " + DataNaTekst(dzis) + ";   godz." + CzasNaTekst(teraz), "Plik: " + plikProjektu, ""};
}

namespace {

void BlokiPomiaru(std::vector<std::string>& r, const UkladRaportu& u, const DanePomiar& p)
{
    BlokiWlotow(
        r, u, p, 31, [&](int c) { return Klasa(p, c) + " "; }, [](int32_t n, int, int) { return n; });
}

std::vector<std::string> Natezenia(const UkladRaportu& u, const DanePomiar& p, const DaneWspolczynniki& wsp,
                                   const DanePrognoza& prognoza, bool prognozaWlaczona)
{
    std::vector<std::string> r = {Utf8NaCp1250(prognozaWlaczona ? "  NATĘŻENIA I PROGNOZA" : "  NATĘŻENIA ")};
    BlokiWlotow(
        r, u, p, 36,
        [&](int c) {
            return Klasa(p, c) + " (" + FormatFloat("#0.0#", wsp.Wspolczynnik[static_cast<std::size_t>(c)]) + ")";
        },
        [&](int32_t n, int i, int c) {
            const int32_t v = PotokKlasy(n, wsp.Wspolczynnik[static_cast<std::size_t>(c)]);
            return prognozaWlaczona ? ZastosujPrognoze(v, KomorkaPojazdow(prognoza, i, c).str()) : v;
        });
    return r;
}

std::vector<std::string> Prognoza(const UkladRaportu& u, const DanePomiar& p, const DanePrognoza& prognoza)
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
    if (!u.skrzyzowanie)
        r.push_back("");
    std::string naglowek = Dopelnij("  Opis ", ' ', 31);
    for (const WlotRaportu& w : u.wloty)
        naglowek += Pole(w.oznaczenie);
    r.push_back(naglowek);
    r.push_back(Kreski(81));
    for (int c = 0; c < KlasPojazdow; ++c) {
        std::string linia = Dopelnij(Klasa(p, c) + " ", '.', 31);
        for (const WlotRaportu& w : u.wloty)
            linia += Pole(prognoza.PrognozaPojazdy[static_cast<std::size_t>(w.wlot)][static_cast<std::size_t>(c)].str());
        r.push_back(linia);
    }
    return r;
}

}  // namespace

std::vector<std::string> RaportPomiaru(const DanePomiar& p, const TOznaczeniaRamion& ramiona)
{
    std::vector<std::string> r = {"  POMIAR "};
    BlokiPomiaru(r, UkladSkrzyzowania(p, ramiona), p);
    return r;
}

std::vector<std::string> RaportNatezen(const DanePomiar& p, const DaneWspolczynniki& wsp, const DanePrognoza& prognoza,
                                       bool prognozaWlaczona, const TOznaczeniaRamion& ramiona)
{
    return Natezenia(UkladSkrzyzowania(p, ramiona), p, wsp, prognoza, prognozaWlaczona);
}

std::vector<std::string> RaportPrognozy(const DanePomiar& p, const DanePrognoza& prognoza,
                                        const TOznaczeniaRamion& ramiona)
{
    return Prognoza(UkladSkrzyzowania(p, ramiona), p, prognoza);
}

std::vector<std::string> RaportPomiaruRonda(const DanePomiar& p, const TOznaczeniaRonda& ramiona)
{
    std::vector<std::string> r;
    BlokiPomiaru(r, UkladRonda(p, ramiona), p);
    return r;
}

std::vector<std::string> RaportNatezenRonda(const DanePomiar& p, const DaneWspolczynniki& wsp,
                                            const DanePrognoza& prognoza, bool prognozaWlaczona,
                                            const TOznaczeniaRonda& ramiona)
{
    return Natezenia(UkladRonda(p, ramiona), p, wsp, prognoza, prognozaWlaczona);
}

std::vector<std::string> RaportPrognozyRonda(const DanePomiar& p, const DanePrognoza& prognoza,
                                             const TOznaczeniaRonda& ramiona)
{
    return Prognoza(UkladRonda(p, ramiona), p, prognoza);
}

std::vector<std::string> RaportWspolczynnikow(const DanePomiar& p, const DaneWspolczynniki& wsp)
{
    std::vector<std::string> r = {Utf8NaCp1250("TABELA WSPÓŁCZYNNIKÓW"), "", Kreski(64), ""};
    for (int c = 0; c < KlasPojazdow; ++c)
        r.push_back(Dopelnij(Klasa(p, c) + " ", '.', 31) + FormatFloat("##0.00#", wsp.Wspolczynnik[static_cast<std::size_t>(c)]));
    return r;
}
