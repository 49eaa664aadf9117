#include "shell/Arkusz.h"

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "base/Teksty.h"
#include "drawing/Bloki.h"
#include "drawing/Opisy.h"
#include "drawing/Rysowanie.h"
#include "drawing/Tekst.h"
#include "drawing/TytulWariantu.h"
#include "drawing/Wyjscie.h"
#include "drawing/ZasiegRysunku.h"
#include "junction/Komunikaty.h"
#include "junction/Legendy.h"
#include "junction/ObliczRuchoplan.h"
#include "junction/RysujRuchoplan.h"
#include "junction/SkalePaskow.h"
#include "model/Projekt.h"
#include "roundabout/GeometriaRonda.h"
#include "roundabout/RysujRondo.h"
#include "shell/RysunekWatkami.h"

namespace {

constexpr TKolor KolorSiatki = 0xE6E6DC;
constexpr TKolor KolorWymiarow = 0x646464;

// The extent of each computed diagram, by record index, with what it was
// measured for: measured again after each computation and whenever the
// record's computed geometry no longer matches.
struct ZasiegRuchoplanu {
    uint64_t odcisk = 0;
    bool znany = false;
    ProstokatArkusza prostokat;
};
std::vector<ZasiegRuchoplanu> zasiegi;

uint64_t Odcisk(const DaneRuchoplan& r)
{
    // Word by word: a zoomed redraw takes the print of every diagram.
    uint64_t h = 1469598103934665603ull;
    auto dodaj = [&h](const void* dane, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(dane);
        for (std::size_t i = 0; i + 8 <= n; i += 8) {
            uint64_t w;
            std::memcpy(&w, b + i, 8);
            h = (h ^ w) * 1099511628211ull;
        }
        for (std::size_t i = n - n % 8; i < n; ++i)
            h = (h ^ b[i]) * 1099511628211ull;
    };
    dodaj(&r.NrWezla, sizeof r.NrWezla);
    dodaj(&r.NrWariantu, sizeof r.NrWariantu);
    dodaj(&r.X, sizeof r.X);
    dodaj(&r.Y, sizeof r.Y);
    dodaj(r.GeometriaRamion.data(), sizeof r.GeometriaRamion);
    return h;
}

// Whether the kept extent of a diagram is still its own.
bool ZasiegZnany(int i)
{
    const auto k = static_cast<std::size_t>(i);
    return k < zasiegi.size() && zasiegi[k].znany && zasiegi[k].odcisk == Odcisk(Ruchoplany[i]);
}

const ProstokatArkusza& ZasiegRuchoplanuNr(int i, bool policzony)
{
    if (zasiegi.size() < Ruchoplany.size())
        zasiegi.resize(Ruchoplany.size());
    ZasiegRuchoplanu& z = zasiegi[static_cast<std::size_t>(i)];
    const uint64_t odcisk = Odcisk(Ruchoplany[i]);
    if (policzony || !z.znany || z.odcisk != odcisk) {
        z.prostokat = ZmierzRysunek([i] { RysujRuchoplan(i); });
        z.odcisk = odcisk;
        z.znany = true;
    }
    return z.prostokat;
}

// Computes a diagram whose computed byte is clear; true when it was.
bool PoliczRuchoplan(int i)
{
    const bool policzony = Ruchoplany[i].Obliczony == 0;
    if (policzony)
        ObliczRuchoplan(i);
    return policzony;
}

// The variant's diagrams of records [od, do_).
void RysujRuchoplanyWariantu(int32_t wariant, const ProstokatArkusza* widoczny, const ProstokatArkusza* pas, int od,
                             int do_)
{
    for (int i = std::max(od, 0); i < std::min(do_, LiczbaRuchoplanow()); ++i) {
        DaneRuchoplan& r = Ruchoplany[i];
        if (r.NrWariantu != wariant)
            continue;
        if (r.GeometriaWprowadzona) {
            const bool policzony = PoliczRuchoplan(i);
            if (widoczny || pas) {
                // A band's sheet was prepared with every extent: kept as is.
                const ProstokatArkusza& zasieg =
                    pas ? zasiegi[static_cast<std::size_t>(i)].prostokat : ZasiegRuchoplanuNr(i, policzony);
                if ((widoczny && !zasieg.Przecina(*widoczny)) || (pas && !zasieg.Przecina(*pas)))
                    continue;
            } else if (policzony && static_cast<std::size_t>(i) < zasiegi.size()) {
                zasiegi[static_cast<std::size_t>(i)].znany = false;
            }
            RysujRuchoplan(i);
        } else if (JestIndeksem(r.NrWezla, Wezly)) {
            const DaneWezel& w = Wezly[r.NrWezla];
            RysujWezelRuchoplanu(w.Nazwa.str(), 0, static_cast<float>(w.X), static_cast<float>(w.Y), 0.2, "Rupl_none");
        }
    }
}

// A roundabout whose geometry is entered is computed when its computed
// byte is clear and drawn; the others show their node marker.
void RysujRondaWariantu(int32_t wariant, int32_t od, int32_t do_)
{
    for (int32_t i = std::max(od, 0); i < std::min(do_, LiczbaRond()); ++i) {
        const DaneRondo& r = Ronda[static_cast<std::size_t>(i)];
        if (r.NrWariantu != wariant)
            continue;
        if (r.GeometriaWprowadzona) {
            if (r.Obliczony == 0)
                ObliczGeometrieRonda(i);
            RysujRondo(i);
        } else if (JestIndeksem(r.NrWezla, Wezly)) {
            const DaneWezel& w = Wezly[r.NrWezla];
            RysujWezelRonda(w.Nazwa.str(), 0, static_cast<float>(w.X), static_cast<float>(w.Y), 0.2, "Rond_none");
        }
    }
}

void RysujPodDiagramami();
void RysujNadDiagramami(int32_t wariant);

} // namespace

void ZapomnijZasiegi() { zasiegi.clear(); }

void DlaZasiegowWariantu(int32_t wariant, const std::function<void(const ProstokatArkusza&)>& kazdy)
{
    const int n = std::min(LiczbaRuchoplanow(), static_cast<int>(zasiegi.size()));
    for (int i = 0; i < n; ++i)
        if (Ruchoplany[i].NrWariantu == wariant && Ruchoplany[i].GeometriaWprowadzona &&
            zasiegi[static_cast<std::size_t>(i)].znany)
            kazdy(zasiegi[static_cast<std::size_t>(i)].prostokat);
}

namespace {

// A diagram the preparation computes (with the band scale its first step
// gave) or only measures.
struct PracaRuchoplanu {
    int indeks;
    bool liczony;
    float skalaPaskow = 0.0f;
    std::vector<std::string> komunikaty;
};

} // namespace

void PrzygotujArkuszWariantu(int32_t wariant, bool zasiegiPotrzebne, int watkow)
{
    const ZakresWariantu zakres(wariant);
    // The project's largest values are found once, not for every diagram.
    const PrzebiegObliczen przebieg;
    // The first step of each computation in record order, as one after
    // another would take them; the rest below, shared among the threads.
    std::vector<PracaRuchoplanu> prace;
    prace.reserve(Ruchoplany.size());
    for (int i = 0; i < LiczbaRuchoplanow(); ++i) {
        if (Ruchoplany[i].NrWariantu != wariant || !Ruchoplany[i].GeometriaWprowadzona)
            continue;
        if (Ruchoplany[i].Obliczony == 0)
            prace.push_back({i, true, ZacznijObliczenie(i), {}});
        else if (zasiegiPotrzebne && !ZasiegZnany(i))
            prace.push_back({i, false, 0.0f, {}});
    }
    // The roundabouts read no diagram's geometry: computed now, their
    // messages kept to come after the diagrams'.
    std::vector<std::string> komunikatyRond;
    {
        const KomunikatyOdlozone odlozone;
        for (int32_t i = 0; i < static_cast<int32_t>(Ronda.size()); ++i) {
            const DaneRondo& r = Ronda[static_cast<std::size_t>(i)];
            if (r.NrWariantu == wariant && r.GeometriaWprowadzona && r.Obliczony == 0)
                ObliczGeometrieRonda(i);
        }
        komunikatyRond = odlozone.teksty;
    }
    if (zasiegi.size() < Ruchoplany.size())
        zasiegi.resize(Ruchoplany.size());
    // Each thread takes the next diagram: computing and measuring (which
    // draws the diagram once) cost more for some than for others.
    std::atomic<std::size_t> nastepna{0};
    const int n = prace.size() >= 16 ? std::max(watkow, 1) : 1;
    NaWatkach(n, [&](int k) {
        // A helper measures texts on a canvas of its own: the screen's
        // canvas belongs to the drawing thread.
        if (k > 0)
            UstawPlotnoEkranu(nullptr);
        for (std::size_t j = nastepna++; j < prace.size(); j = nastepna++) {
            PracaRuchoplanu& p = prace[j];
            if (p.liczony) {
                const KomunikatyOdlozone odlozone;
                DokonczObliczenie(p.indeks, p.skalaPaskow);
                p.komunikaty = odlozone.teksty;
            }
            if (zasiegiPotrzebne)
                ZasiegRuchoplanuNr(p.indeks, true);
            else
                zasiegi[static_cast<std::size_t>(p.indeks)].znany = false;
        }
    });
    for (const PracaRuchoplanu& p : prace)
        KomunikatyOdlozone::Przekaz(p.komunikaty);
    KomunikatyOdlozone::Przekaz(komunikatyRond);
}

void RysujArkuszWariantu(int32_t wariant, const ProstokatArkusza* widoczny, const ProstokatArkusza* pas,
                         const WarstwaArkusza& warstwa)
{
    using Czesc = WarstwaArkusza::Czesc;
    const Czesc czesc = warstwa.czesc;
    ZakresArkusza zakres;
    if (czesc != Czesc::Calosc) {
        const int32_t k = warstwa.rekord;
        int32_t& od = warstwa.rondo ? zakres.rondaOd : zakres.ruchoplanyOd;
        int32_t& do_ = warstwa.rondo ? zakres.rondaDo : zakres.ruchoplanyDo;
        if (czesc == Czesc::Pod)
            do_ = k;
        else if (czesc == Czesc::Diagram)
            od = k, do_ = k + 1;
        else
            od = k + 1;
        // The junction diagrams are drawn before the roundabouts.
        const bool inneWczesniej = warstwa.rondo;
        if (czesc == Czesc::Diagram || (czesc == Czesc::Pod) != inneWczesniej) {
            if (warstwa.rondo)
                zakres.ruchoplanyOd = zakres.ruchoplanyDo = 0;
            else
                zakres.rondaOd = zakres.rondaDo = 0;
        }
        zakres.pod = czesc == Czesc::Pod;
        zakres.nad = czesc == Czesc::Nad;
    }
    RysujZakresArkusza(wariant, widoczny, pas, zakres);
}

void RysujZakresArkusza(int32_t wariant, const ProstokatArkusza* widoczny, const ProstokatArkusza* pas,
                        const ZakresArkusza& zakres)
{
    const ZakresWariantu wariantRysowany(wariant);
    // The diagrams computed on the way find the project's largest values once.
    const PrzebiegObliczen przebieg;
    if (zakres.pod)
        RysujPodDiagramami();
    RysujRuchoplanyWariantu(wariant, widoczny, pas, zakres.ruchoplanyOd, zakres.ruchoplanyDo);
    RysujRondaWariantu(wariant, zakres.rondaOd, zakres.rondaDo);
    if (zakres.nad)
        RysujNadDiagramami(wariant);
}

std::vector<ZakresArkusza> PodzielArkusz(int32_t wariant, int n)
{
    n = std::max(n, 1);
    // The variant's records in drawing order: junction diagrams, then roundabouts.
    std::vector<int32_t> ruchoplany, ronda;
    for (int32_t i = 0; i < LiczbaRuchoplanow(); ++i)
        if (Ruchoplany[i].NrWariantu == wariant)
            ruchoplany.push_back(i);
    for (int32_t i = 0; i < LiczbaRond(); ++i)
        if (Ronda[static_cast<std::size_t>(i)].NrWariantu == wariant)
            ronda.push_back(i);
    const auto nr = static_cast<int64_t>(ruchoplany.size());
    const int64_t wszystkich = nr + static_cast<int64_t>(ronda.size());
    // The records where the diagram at position p of that order starts a part.
    auto granicaRuchoplanow = [&](int64_t p) {
        return p == 0 ? 0 : p < nr ? ruchoplany[static_cast<std::size_t>(p)] : LiczbaRuchoplanow();
    };
    auto granicaRond = [&](int64_t p) {
        return p <= nr ? 0 : p < wszystkich ? ronda[static_cast<std::size_t>(p - nr)] : LiczbaRond();
    };
    std::vector<ZakresArkusza> czesci;
    for (int k = 0; k < n; ++k) {
        const int64_t od = wszystkich * k / n, do_ = wszystkich * (k + 1) / n;
        ZakresArkusza z;
        z.pod = k == 0;
        z.nad = k == n - 1;
        z.ruchoplanyOd = granicaRuchoplanow(od);
        z.ruchoplanyDo = granicaRuchoplanow(do_);
        z.rondaOd = granicaRond(od);
        z.rondaDo = granicaRond(do_);
        czesci.push_back(z);
    }
    return czesci;
}

int DiagramowWariantu(int32_t wariant)
{
    int n = 0;
    for (int32_t i = 0; i < LiczbaRuchoplanow(); ++i)
        n += Ruchoplany[i].NrWariantu == wariant;
    for (int32_t i = 0; i < LiczbaRond(); ++i)
        n += Ronda[static_cast<std::size_t>(i)].NrWariantu == wariant;
    return n;
}

bool PoliczTylkoDiagram(int32_t wariant, int32_t rekord, bool rondo)
{
    auto czeka = [wariant](const NaglowekDiagramu& r) {
        return r.NrWariantu == wariant && r.GeometriaWprowadzona && r.Obliczony == 0;
    };
    if (!(rondo ? JestIndeksem(rekord, Ronda) : JestIndeksem(rekord, Ruchoplany)))
        return false;
    const NaglowekDiagramu& zmieniony =
        rondo ? static_cast<const NaglowekDiagramu&>(Ronda[static_cast<std::size_t>(rekord)]) : Ruchoplany[rekord];
    if (zmieniony.NrWariantu != wariant || !zmieniony.GeometriaWprowadzona)
        return false;
    for (int i = 0; i < LiczbaRuchoplanow(); ++i)
        if ((rondo || i != rekord) && czeka(Ruchoplany[i]))
            return false;
    for (int i = 0; i < LiczbaRond(); ++i)
        if ((!rondo || i != rekord) && czeka(Ronda[static_cast<std::size_t>(i)]))
            return false;
    const ZakresWariantu zakres(wariant);
    if (rondo) {
        if (zmieniony.Obliczony == 0)
            ObliczGeometrieRonda(rekord);
    } else if (PoliczRuchoplan(rekord) && static_cast<std::size_t>(rekord) < zasiegi.size()) {
        // Its extent is measured again when a drawing asks for it.
        zasiegi[static_cast<std::size_t>(rekord)].znany = false;
    }
    return true;
}

namespace {

// What the sheet draws before its diagrams.
void RysujPodDiagramami()
{
    // The grid, on the devices that show it (never in DXF).
    NaKazdymWyjsciu([](const Wyjscie& w) {
        if (w.PokazujeSiatke() && wg.Siatka && wg.KrokSiatki > 0.0f)
            RysujSiatke(KolorSiatki, "none", 0.0, 0.0, wg.ArkuszB, wg.ArkuszH, wg.KrokSiatki, 0.01);
    });

    RysujTekst("Wymiary arkusza X = " + FormatFloat("###.##", wg.ArkuszB) + " ; Y = " + FormatFloat("###.##", wg.ArkuszH),
               KolorWymiarow, 0.0, -1.5, 0.4, 0.3, 0.01, 0.0, "Rupl_Arkusz");

    RysujBloki(false);
    // Without variants the nodes are shown as markers.
    if (LiczbaWariantow() == 0)
        RysujWezlyBezWariantu();
}

// What the sheet draws after its diagrams and roundabouts.
void RysujNadDiagramami(int32_t wariant)
{
    if (wg.LegendaPrzejsc)
        RysujLegendePrzejsc(RozmiaryOpisow, 0, wg.LegendaPrzejscX, wg.LegendaPrzejscY, "Rupl_LegPrzejscia");
    if (wg.Struktura)
        RysujLegendePojazdow(RozmiaryOpisow, 0, wg.LegendaStrukturyX, wg.LegendaStrukturyY, "Rupl_LegStruktura");

    RysujBloki(true);
    RysujOpisy();
    if (wariant > -1)
        RysujTytulWariantu(wariant, 0, "Rupl_TytulWariant");
}

} // namespace
