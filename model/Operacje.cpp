// Inserting and deleting nodes and variants with their record cascades.
#include "model/Operacje.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "base/Teksty.h"
#include "model/OknoGlowne.h"
#include "model/Projekt.h"
#include "base/Kodowanie.h"

namespace {

// Appends a record of `v` at its defaults, linked to the variant and the node.
template <class Rekord>
void DodajRekord(Projekt& p, std::vector<Rekord>& v, void (*domyslne)(int32_t, int32_t, int32_t, Projekt&),
                 int32_t wariant, int32_t wezel)
{
    v.emplace_back();
    const auto i = static_cast<int32_t>(v.size()) - 1;
    domyslne(i, wariant, wezel, p);
    v[static_cast<std::size_t>(i)].NrWariantu = wariant;
    v[static_cast<std::size_t>(i)].NrWezla = wezel;
}

}  // namespace

void DodajRuchoplan(Projekt& p, int32_t wariant, int32_t wezel)
{
    DodajRekord(p, p.Ruchoplany, UstawDomyslnyRuchoplan, wariant, wezel);
}

void DodajRondo(Projekt& p, int32_t wariant, int32_t wezel) { DodajRekord(p, p.Ronda, UstawDomyslneRondo, wariant, wezel); }

namespace {

// The records of the variant just appended, one per node in node order.
void DodajRekordyWariantu(Projekt& p)
{
    const auto v = static_cast<int32_t>(p.Warianty.size()) - 1;
    const auto wezlow = static_cast<int32_t>(p.Wezly.size());
    for (int32_t n = 0; n < wezlow; ++n)
        if (p.Wezly[n].Typ == 'J')
            DodajRuchoplan(p, v, n);
    for (int32_t n = 0; n < wezlow; ++n)
        if (p.Wezly[n].Typ == 'R')
            DodajRondo(p, v, n);
}

// Drops the records linked to the deleted node or variant `i` and moves the
// later links down by one; `lacze` points to the record's link field.
template <class T, class Lacze>
void UsunIPrzenumeruj(std::vector<T>& v, Lacze lacze, int32_t i)
{
    v.erase(std::remove_if(v.begin(), v.end(), [&](const T& r) { return r.*lacze == i; }), v.end());
    for (T& r : v)
        if (r.*lacze > i)
            --(r.*lacze);
}

int64_t SumaRelacji(const DaneRuchoplan& r)
{
    int64_t s = 0;
    for (int32_t q : r.Natezenia)
        s += q;
    return s;
}

int64_t SumaRonda(const DaneRondo& r)
{
    int64_t s = 0;
    for (int k = 0; k < 5; ++k)
        s += static_cast<int64_t>(r.SumaWylotu[k]) + r.SumaWlotu[k] + r.SumaWylotuRel[k] + r.SumaWlotuRel[k];
    return s;
}

}  // namespace

void DodajWezelDoProjektu(Projekt& p, double x, double y, std::string_view nazwa, char typ)
{
    p.Wezly.push_back(NowyWezel(x, y, nazwa, typ, p));
    const auto wezel = static_cast<int32_t>(p.Wezly.size()) - 1;
    for (int32_t v = 0; v < static_cast<int32_t>(p.Warianty.size()); ++v) {
        if (typ == 'J')
            DodajRuchoplan(p, v, wezel);
        else if (typ == 'R')
            DodajRondo(p, v, wezel);
    }
}

void DodajWariantDoProjektu(Projekt& p, const DaneWariant& w)
{
    p.Warianty.push_back(w);
    DodajRekordyWariantu(p);
}

std::string DodajWezel(double x, double y, std::string_view nazwa, char typ)
{
    double d = std::numeric_limits<double>::infinity();
    for (const DaneWezel& w : Wezly)
        d = std::min(d, std::hypot(x - w.X, y - w.Y));
    if (static_cast<float>(d) < wg.MinOdlegloscWezlow)
        return Utf8NaCp1250("Nowe węzły sieci należy wstawiać w odległości min. ") +
               FormatFloat("####0.##", wg.MinOdlegloscWezlow) + "cm";

    DodajWezelDoProjektu(BiezacyProjekt, x, y, nazwa, typ);
    PoliczWezlyRuchoplanow();
    PoliczWezlyRond();
    ZmienionoProjekt();
    Okno().UstawPolecenia();
    return "";
}

namespace {

// The refusal of a name that a variant other than `pomin` already has, or "".
// Names are compared as they will be stored, cut to their capacity.
std::string NazwaZajeta(std::string_view nazwa, int32_t pomin)
{
    const KrotkiTekst<100> nowa(nazwa);
    for (int32_t j = 0; j < LiczbaWariantow(); ++j)
        if (j != pomin && Warianty[j].Nazwa == nowa)
            return Utf8NaCp1250("Wariant o nazwie ") + std::string(nazwa) + Utf8NaCp1250(" już istnieje!");
    return "";
}

void OpiszWariant(DaneWariant& w, std::string_view nazwa, std::string_view tytul1, std::string_view tytul2,
                  std::string_view tytul3, float dx, float dy, char wyrownanie)
{
    w.Nazwa = nazwa;
    w.Tytul1 = tytul1;
    w.Tytul2 = tytul2;
    w.Tytul3 = tytul3;
    w.TytulDx = dx;
    w.TytulDy = dy;
    w.TytulWyrownanie = wyrownanie;
}

}  // namespace

std::string DodajWariant(std::string_view nazwa, std::string_view tytul1, std::string_view tytul2,
                         std::string_view tytul3, float dx, float dy, char wyrownanie)
{
    if (std::string odmowa = NazwaZajeta(nazwa, -1); !odmowa.empty())
        return odmowa;
    DaneWariant w;
    OpiszWariant(w, nazwa, tytul1, tytul2, tytul3, dx, dy, wyrownanie);
    DodajWariantDoProjektu(BiezacyProjekt, w);
    Okno().DodajWariantDoListy(PozycjaListyWariantow(LiczbaWariantow() - 1));
    PoliczWezlyRond();
    PoliczWezlyRuchoplanow();
    ZmienionoProjekt();
    return "";
}

std::string ZmienWariant(int32_t v, std::string_view nazwa, std::string_view tytul1, std::string_view tytul2,
                         std::string_view tytul3, float dx, float dy, char wyrownanie)
{
    if (std::string odmowa = NazwaZajeta(nazwa, v); !odmowa.empty())
        return odmowa;
    OpiszWariant(Warianty[v], nazwa, tytul1, tytul2, tytul3, dx, dy, wyrownanie);
    return "";
}

namespace {

template <class Tablica>
bool CosNiezerowe(const Tablica& t)
{
    if constexpr (std::is_arithmetic_v<typename Tablica::value_type>)
        return std::any_of(t.begin(), t.end(), [](auto x) { return x != 0; });
    else
        return std::any_of(t.begin(), t.end(), [](const auto& x) { return CosNiezerowe(x); });
}

template <class Tytul>
bool JestTytul(const Tytul& tytul)
{
    return std::any_of(tytul.begin(), tytul.end(),
                       [](const auto& t) { return t.str().find_first_not_of(' ') != std::string::npos; });
}

// What a diagram and a roundabout hold alike: a link to a count, a forecast.
bool NaglowekMaDane(const NaglowekDiagramu& n)
{
    return n.ZPomiaru != 0 || JestIndeksem(n.NrPomiaru, Pomiary) || n.WlaczPrognoze != 0 ||
           JestIndeksem(n.NrPrognozy, Prognozy);
}

bool RuchoplanMaDane(const DaneRuchoplan& r)
{
    return SumaRelacji(r) > 1 || CosNiezerowe(r.NatezeniaStruktura) || NaglowekMaDane(r) || JestTytul(r.Tytul) ||
           std::any_of(r.Przejscia.begin(), r.Przejscia.end(),
                       [](const DanePrzejscia& p) { return CosNiezerowe(p.L) || CosNiezerowe(p.P); });
}

bool RondoMaDane(const DaneRondo& r)
{
    return SumaRonda(r) > 1 || CosNiezerowe(r.Macierz) || CosNiezerowe(r.StrukturaRelacji) ||
           CosNiezerowe(r.WlotWpisany) || CosNiezerowe(r.WylotWpisany) || CosNiezerowe(r.NatezeniaPrzejsc) ||
           NaglowekMaDane(r) || JestTytul(r.Tytul);
}

}  // namespace

bool WariantMaDane(int32_t v)
{
    for (const DaneRuchoplan& r : Ruchoplany)
        if (r.NrWariantu == v && RuchoplanMaDane(r))
            return true;
    for (const DaneRondo& r : Ronda)
        if (r.NrWariantu == v && RondoMaDane(r))
            return true;
    return false;
}

void UsunWariant(int32_t v)
{
    if (!JestIndeksem(v, Warianty))
        return;
    PoliczWezlyRond();
    PoliczWezlyRuchoplanow();
    UsunIPrzenumeruj(Ruchoplany, &DaneRuchoplan::NrWariantu, v);
    UsunIPrzenumeruj(Ronda, &DaneRondo::NrWariantu, v);
    // Descriptions and blocks of the deleted sheet go with it; those of every
    // sheet (-1) stay.
    UsunIPrzenumeruj(Opisy, &DaneOpis::Wariant, v);
    UsunIPrzenumeruj(Bloki, &DaneBlok::Wariant, v);
    Warianty.erase(Warianty.begin() + v);
    OdswiezListeWariantow();
    ZmienionoProjekt();
}

void UsunWezel(int32_t n)
{
    if (!JestIndeksem(n, Wezly))
        return;
    UsunIPrzenumeruj(Ruchoplany, &DaneRuchoplan::NrWezla, n);
    UsunIPrzenumeruj(Ronda, &DaneRondo::NrWezla, n);
    Wezly.erase(Wezly.begin() + n);
    PoliczWezlyRond();
    PoliczWezlyRuchoplanow();
    for (DaneRondo& r : Ronda)
        r.Obliczony = 0;
    for (DaneRuchoplan& r : Ruchoplany) {
        r.Obliczony = 0;
        // A diagram fed by its structure blocks keeps the totals of those.
        if (r.ZeStruktury)
            PoliczSumyZeStruktury(r);
        else
            PoliczSumyRuchoplanu(r);
    }
    ZmienionoProjekt();
}

std::string PozycjaListyWariantow(int32_t i) { return std::to_string(i + 1) + ". " + Warianty[i].Nazwa.str(); }

void OdswiezListeWariantow()
{
    Okno().WyczyscWarianty();
    for (int32_t i = 0; i < LiczbaWariantow(); ++i)
        Okno().DodajWariantDoListy(PozycjaListyWariantow(i));
}
