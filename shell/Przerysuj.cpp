// The full redraw of the current variant into the off-screen bitmap, and the
// start picture of the first showing.
#include <QGuiApplication>
#include <QScreen>

#include "drawing/Bloki.h"
#include "drawing/Opisy.h"
#include "drawing/Rysowanie.h"
#include "drawing/Tekst.h"
#include "base/Teksty.h"
#include "base/Wersja.h"
#include "drawing/TytulWariantu.h"
#include "drawing/Wyjscie.h"
#include "junction/Komunikaty.h"
#include "junction/Legendy.h"
#include "junction/ObliczRuchoplan.h"
#include "junction/RysujRuchoplan.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "base/Kodowanie.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Plotno.h"
#include "shell/Dialogi.h"
#include "shell/InfoOProgramie.h"
#include "shell/Podglad.h"
#include "shell/TForm1.h"
#include "shell/UslugiPozniejsze.h"

TUslugiPozniejsze UslugiPozniejsze;

namespace {

constexpr TKolor KolorTla = 0xDCDCDC;
constexpr TKolor KolorSiatki = 0xE6E6DC;
constexpr TKolor KolorWymiarow = 0x646464;
// Pixel height of the texts written straight on the bitmap.
constexpr int WysokoscNapisow = 15;
// What an empty project asks for first.
const char* const PodpowiedzWezla = "Dodaj węzeł (ruchoplan lub rondo).";
const char* const PodpowiedzWariantu = "Dodaj wariant sieci.";

void RysujRuchoplanyWariantu()
{
    for (int i = 0; i < LiczbaRuchoplanow(); ++i) {
        DaneRuchoplan& r = Ruchoplany[i];
        if (r.NrWariantu != BiezacyWariant)
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

void RysujRondaWariantu()
{
    for (int i = 0; i < LiczbaRond(); ++i) {
        DaneRondo& r = Ronda[i];
        if (r.NrWariantu != BiezacyWariant)
            continue;
        if (r.GeometriaWprowadzona && UslugiPozniejsze.RysujRondo) {
            if (r.Obliczony == 0 && UslugiPozniejsze.ObliczGeometrieRonda)
                UslugiPozniejsze.ObliczGeometrieRonda(i);
            UslugiPozniejsze.RysujRondo(i);
        } else if (JestIndeksem(r.NrWezla, Wezly)) {
            const DaneWezel& w = Wezly[r.NrWezla];
            RysujWezelRonda(w.Nazwa.str(), 0, static_cast<float>(w.X), static_cast<float>(w.Y), 0.2, "Rond_none");
        }
    }
}

} // namespace

// The sheet with its shadow, straight on the bitmap whatever the outputs.
void TForm1::RysujArkusz()
{
    Plotno* p = PlotnoEkranu();
    if (!p)
        return;
    p->UstawGruboscPiora(1);
    p->UstawStylPiora(PioroCiagle);
    p->UstawKolorPiora(0);
    p->UstawKolorPedzla(0);
    p->UstawStylPedzla(StylPedzla::Pelny);
    p->Prostokat(CmNaEkranX(0.3), CmNaEkranY(-0.3), CmNaEkranX(wg.ArkuszB + 0.3), CmNaEkranY(wg.ArkuszH - 0.3));
    p->UstawKolorPedzla(0xFFFFFF);
    p->Prostokat(CmNaEkranX(0.0), CmNaEkranY(0.0), CmNaEkranX(wg.ArkuszB), CmNaEkranY(wg.ArkuszH));
}

void TForm1::Przerysuj()
{
    RysujCalosc();
    if (eksportTrwa_ == 0)
        PokazZebraneKomunikaty();
}

void TForm1::PokazZebraneKomunikaty()
{
    for (const std::string& k : PobierzKomunikaty())
        PokazBlad(k);
}

void TForm1::RysujCalosc()
{
    Plotno* ekran = PlotnoEkranu();

    // 1. Background.
    if (WyjscieSchowek) {
        PolSzerEkranu = BitmapaRysunku.width() * 0.5;
        PolWysEkranu = BitmapaRysunku.height() * 0.5;
        if (ekran) {
            ekran->UstawKolorPiora(NastawySchowek.KolorTla);
            ekran->UstawKolorPedzla(NastawySchowek.KolorTla);
            ekran->UstawStylPedzla(StylPedzla::Pelny);
            ekran->Prostokat(0, 0, BitmapaRysunku.width(), BitmapaRysunku.height());
        }
    } else {
        PolSzerEkranu = Podglad->width() * 0.5;
        PolWysEkranu = Podglad->height() * 0.5;
        if (ekran) {
            ekran->UstawGruboscPiora(1);
            ekran->UstawStylPiora(PioroCiagle);
            ekran->UstawKolorPiora(0);
            ekran->UstawKolorPedzla(KolorTla);
            ekran->UstawStylPedzla(StylPedzla::Pelny);
            ekran->Prostokat(0, 0, Podglad->width(), Podglad->height());
        }
        // 2. Sheet.
        RysujArkusz();
    }

    // 3. Grid, never into DXF.
    if (wg.Siatka && !WyjscieDxf && wg.KrokSiatki > 0.0f)
        RysujSiatke(KolorSiatki, "none", 0.0, 0.0, wg.ArkuszB, wg.ArkuszH, wg.KrokSiatki, 0.01);

    // 4. Sheet size.
    RysujTekst("Wymiary arkusza X = " + FormatFloat("###.##", wg.ArkuszB) + " ; Y = " + FormatFloat("###.##", wg.ArkuszH),
               KolorWymiarow, 0.0, -1.5, 0.4, 0.3, 0.01, 0.0, "Rupl_Arkusz");

    // 5. Background blocks.
    RysujBloki(false);

    // 6. Without variants the nodes are shown as markers.
    if (LiczbaWariantow() == 0)
        RysujWezlyBezWariantu();

    // 7., 8. Diagrams, computed on demand.
    RysujRuchoplanyWariantu();
    RysujRondaWariantu();

    // 9. Legends.
    if (wg.LegendaPrzejsc)
        RysujLegendePrzejsc(RozmiaryOpisow, 0, wg.LegendaPrzejscX, wg.LegendaPrzejscY, "Rupl_LegPrzejscia");
    if (wg.Struktura)
        RysujLegendePojazdow(RozmiaryOpisow, 0, wg.LegendaStrukturyX, wg.LegendaStrukturyY, "Rupl_LegStruktura");

    // 10.-12. Foreground blocks, descriptions, the variant's title.
    RysujBloki(true);
    RysujOpisy();
    if (BiezacyWariant > -1)
        RysujTytulWariantu(BiezacyWariant, 0, "Rupl_TytulWariant");

    // 13. Prompts, straight on the bitmap.
    if (ekran) {
        ekran->UstawStylPedzla(StylPedzla::Pusty);
        ekran->UstawWysokoscCzcionki(WysokoscNapisow);
        ekran->UstawKolorCzcionki(0);
        if (LiczbaWezlow() == 0)
            ekran->WypiszTekst(10, 10, Utf8NaCp1250(PodpowiedzWezla));
        if (LiczbaWariantow() == 0)
            ekran->WypiszTekst(10, 30, Utf8NaCp1250(PodpowiedzWariantu));
    }

    // 14. Show.
    PokazNaPodgladzie();
}

void TForm1::FormShow()
{
    NowyProjekt();
    QSize ekran(BitmapaRysunku.size());
    PolSzerEkranu = (ekran.width() - 50) * 0.5;
    PolWysEkranu = (ekran.height() - 50) * 0.5;

    // The whole sheet with a margin of 1 cm above and below.
    const double b = wg.ArkuszB;
    const double h = wg.ArkuszH;
    const double skalaX = std::abs(b) * 1000.0 / (ekran.width() - 50);
    const double skalaY = std::abs(h + 2.0) * 1000.0 / (ekran.height() - 150);
    SrodekX = b / 2.0;
    SrodekY = h / 2.0 - 1.0;
    Skala = std::max(skalaX, skalaY);

    RysujObrazStartowy();
    PokazNaPodgladzie();
    OpenDialog1.KatalogPoczatkowy = NaQString(PolaczSciezke(KatalogProgramu(), "Przyklady/"));
}

void TForm1::RysujObrazStartowy()
{
    Plotno* p = PlotnoEkranu();
    if (!p)
        return;
    p->UstawKolorPiora(KolorTla);
    p->UstawKolorPedzla(KolorTla);
    p->UstawStylPedzla(StylPedzla::Pelny);
    p->Prostokat(0, 0, BitmapaRysunku.width(), BitmapaRysunku.height());
    p->UstawStylPedzla(StylPedzla::Pusty);
    p->UstawWysokoscCzcionki(WysokoscNapisow);
    p->UstawKolorCzcionki(0);
    p->WypiszTekst(20, 10, "Kartogram " + std::string(WersjaProgramu));
    p->WypiszTekst(20, 30, ZQString(ProducentLinia1()));
    p->WypiszTekst(20, 50, ZQString(ProducentLinia2()));
    p->WypiszTekst(20, 70, Utf8NaCp1250(DataKompilacji()));
    // The empty project's prompts, under the start texts: the user sees at
    // once what to do first.
    p->WypiszTekst(20, 100, Utf8NaCp1250(PodpowiedzWezla));
    p->WypiszTekst(20, 120, Utf8NaCp1250(PodpowiedzWariantu));
    RysujArkusz();
}
