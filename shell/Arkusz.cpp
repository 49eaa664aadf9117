#include "shell/Arkusz.h"

#include "base/Teksty.h"
#include "drawing/Bloki.h"
#include "drawing/Opisy.h"
#include "drawing/Rysowanie.h"
#include "drawing/Tekst.h"
#include "drawing/TytulWariantu.h"
#include "drawing/Wyjscie.h"
#include "junction/Legendy.h"
#include "junction/ObliczRuchoplan.h"
#include "junction/RysujRuchoplan.h"
#include "model/Projekt.h"
#include "roundabout/GeometriaRonda.h"
#include "roundabout/RysujRondo.h"

namespace {

constexpr TKolor KolorSiatki = 0xE6E6DC;
constexpr TKolor KolorWymiarow = 0x646464;

void RysujRuchoplanyWariantu(int32_t wariant)
{
    for (int i = 0; i < LiczbaRuchoplanow(); ++i) {
        DaneRuchoplan& r = Ruchoplany[i];
        if (r.NrWariantu != wariant)
            continue;
        if (r.GeometriaWprowadzona) {
            if (r.Obliczony == 0)
                ObliczRuchoplan(i);
            RysujRuchoplan(i);
        } else if (JestIndeksem(r.NrWezla, Wezly)) {
            const DaneWezel& w = Wezly[r.NrWezla];
            RysujWezelRuchoplanu(w.Nazwa.str(), 0, static_cast<float>(w.X), static_cast<float>(w.Y), 0.2, "Rupl_none");
        }
    }
}

// A roundabout whose geometry is entered is computed when its computed
// byte is clear and drawn; the others show their node marker.
void RysujRondaWariantu(int32_t wariant)
{
    for (int32_t i = 0; i < static_cast<int32_t>(Ronda.size()); ++i) {
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

} // namespace

void RysujArkuszWariantu(int32_t wariant)
{
    const ZakresWariantu zakres(wariant);

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
    RysujRuchoplanyWariantu(wariant);
    RysujRondaWariantu(wariant);

    if (wg.LegendaPrzejsc)
        RysujLegendePrzejsc(RozmiaryOpisow, 0, wg.LegendaPrzejscX, wg.LegendaPrzejscY, "Rupl_LegPrzejscia");
    if (wg.Struktura)
        RysujLegendePojazdow(RozmiaryOpisow, 0, wg.LegendaStrukturyX, wg.LegendaStrukturyY, "Rupl_LegStruktura");

    RysujBloki(true);
    RysujOpisy();
    if (wariant > -1)
        RysujTytulWariantu(wariant, 0, "Rupl_TytulWariant");
}
