// Opening and saving a large project, the full redraw, the change-and-redraw,
// a slider's move and the DXF export, measured through the program's own
// commands.
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <filesystem>
#include <string>

#include <QEventLoop>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <chrono>

#include "drawing/BibliotekaBlokow.h"
#include "drawing/Wyjscie.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "model/Operacje.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "platform/qt/Komunikaty.h"
#include "shell/Okna.h"
#include "shell/Podglad.h"
#include "shell/PytanieTakNieKasuj.h"
#include "shell/RysunekWatkami.h"
#include "shell/TForm1.h"
#include "Wspolne.h"

namespace {

void BM_ZapisProjektu(benchmark::State& stan)
{
    ZbudujProjekt(500, 4, 3.0);
    const std::string plik = PlikTymczasowy("kartogram_bench.rup");
    for (auto _ : stan)
        benchmark::DoNotOptimize(ZapiszProjekt(plik));
    stan.SetBytesProcessed(stan.iterations() * static_cast<int64_t>(std::filesystem::file_size(plik)));
}
BENCHMARK(BM_ZapisProjektu)->Unit(benchmark::kMillisecond);

void BM_OdczytProjektu(benchmark::State& stan)
{
    ZbudujProjekt(500, 4, 3.0);
    const std::string plik = PlikTymczasowy("kartogram_bench.rup");
    ZapiszProjekt(plik);
    for (auto _ : stan) {
        NowyProjekt();
        benchmark::DoNotOptimize(OtworzProjekt(plik));
    }
    if (LiczbaWezlow() != 500 || LiczbaWariantow() != 4)
        stan.SkipWithError("the project did not read back");
    stan.SetBytesProcessed(stan.iterations() * static_cast<int64_t>(std::filesystem::file_size(plik)));
}
BENCHMARK(BM_OdczytProjektu)->Unit(benchmark::kMillisecond);

// Page faults and system time of one redraw, from `przed` on: a redraw that
// draws on memory kept from the last one takes neither.
void DodajZasobyPrzerysowania(benchmark::State& stan, const Zasoby& przed)
{
    const Zasoby po = ZasobyProcesu();
    const auto razy = static_cast<double>(std::max<benchmark::IterationCount>(stan.iterations(), 1));
    stan.counters["bledy_stron"] = static_cast<double>(po.bledyStron - przed.bledyStron) / razy;
    stan.counters["system_ms"] = (po.czasSystemu - przed.czasSystemu) * 1000.0 / razy;
    stan.counters["warstwy_MB"] = static_cast<double>(PamiecWarstwRysunku()) / (1024.0 * 1024.0);
    stan.counters["zostaje_MB"] = static_cast<double>(PamiecBitmapWatkow()) / (1024.0 * 1024.0);
}

void BM_PrzerysujStoDiagramow(benchmark::State& stan)
{
    Program program;
    ZbudujProjekt(100, 1, 20.0);
    Program::Dopasuj();
    Form1->Przerysuj();  // computes every diagram once
    Form1->Przerysuj();  // and the threads' bitmaps have their memory
    const Zasoby przed = ZasobyProcesu();
    for (auto _ : stan)
        Form1->Przerysuj();
    DodajZasobyPrzerysowania(stan, przed);
}
BENCHMARK(BM_PrzerysujStoDiagramow)->Unit(benchmark::kMillisecond);

// The first redraw of 100 diagrams after the user paused for 1.2 s (the
// event loop running), past the while the threads' bitmaps keep their
// memory for the next redraw: its time and page faults alone.
void BM_PrzerysowaniePoPrzerwie(benchmark::State& stan)
{
    Program program;
    ZbudujProjekt(100, 1, 20.0);
    Program::Dopasuj();
    Form1->Przerysuj();  // computes every diagram once
    int64_t bledow = 0;
    for (auto _ : stan) {
        Form1->Przerysuj();
        QEventLoop petla;
        QTimer::singleShot(1200, &petla, &QEventLoop::quit);
        petla.exec();
        const Zasoby przed = ZasobyProcesu();
        const auto poczatek = std::chrono::steady_clock::now();
        Form1->Przerysuj();
        stan.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count());
        bledow += ZasobyProcesu().bledyStron - przed.bledyStron;
    }
    stan.counters["bledy_stron"] =
        static_cast<double>(bledow) / static_cast<double>(std::max<benchmark::IterationCount>(stan.iterations(), 1));
}
BENCHMARK(BM_PrzerysowaniePoPrzerwie)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// 50 junctions and 50 four-arm roundabouts with a relation matrix, their
// crossings and titles, on one sheet.
void BM_PrzerysujSkrzyzowaniaIRonda(benchmark::State& stan)
{
    Program program;
    ZbudujProjekt(50, 1, 20.0);
    // The roundabouts in five rows of ten below the junctions' seven rows.
    for (int k = 0; k < 50; ++k) {
        std::string nazwa = "R";
        nazwa += std::to_string(k + 1);
        DodajWezel(20.0 * (0.5 + k % 10), 20.0 * (7.5 + k / 10), nazwa, 'R');
    }
    if (Ronda.size() != 50)
        stan.SkipWithError("the roundabouts were not placed");
    for (DaneRondo& r : Ronda) {
        r.GeometriaWprowadzona = 1;
        r.Ramie = {1, 1, 1, 1, 0};
        r.LiczbaRamion = 4;
        r.Kat[3] = static_cast<float>(1.5 * 3.141592653589793);
        r.Tytul = {"Rondo", r.Tytul[1], r.Tytul[2]};
        r.SumaWlotuRel = {};
        r.SumaWylotuRel = {};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                r.Macierz[i][j] = i == j ? 0 : 30 + 11 * (4 * i + j) + (r.NrWezla % 13);
                r.SumaWlotuRel[i] += r.Macierz[i][j];
                r.SumaWylotuRel[j] += r.Macierz[i][j];
            }
        r.NatezeniaPrzejsc[0][0] = {20, 25};
    }
    wg.ArkuszB = 200.0f;
    wg.ArkuszH = 240.0f;
    Program::Dopasuj();
    Form1->Przerysuj();  // computes every diagram and roundabout once
    for (auto _ : stan)
        Form1->Przerysuj();
}
BENCHMARK(BM_PrzerysujSkrzyzowaniaIRonda)->Unit(benchmark::kMillisecond);

// A sheet of computed diagrams on a square grid 20 cm apart: the whole of
// it, and zoomed in about its middle so that about a quarter of the 400
// diagrams reach into the view (the screen leaves out those wholly outside;
// a diagram with its labels spans some 38 cm).
void PrzerysujArkusz(benchmark::State& stan, int wezlow, double powiekszenie)
{
    Program program;
    ZbudujProjekt(wezlow, 1, 20.0);
    Program::Dopasuj();
    Skala /= powiekszenie;
    Form1->Przerysuj();  // computes every diagram once
    Form1->Przerysuj();  // and the threads' bitmaps have their memory
    const Zasoby przed = ZasobyProcesu();
    for (auto _ : stan)
        Form1->Przerysuj();
    DodajZasobyPrzerysowania(stan, przed);
}

void BM_Przerysuj400Calosc(benchmark::State& stan) { PrzerysujArkusz(stan, 400, 1.0); }
BENCHMARK(BM_Przerysuj400Calosc)->Unit(benchmark::kMillisecond);

void BM_Przerysuj400Cwierc(benchmark::State& stan) { PrzerysujArkusz(stan, 400, 3.2); }
BENCHMARK(BM_Przerysuj400Cwierc)->Unit(benchmark::kMillisecond);

void BM_Przerysuj1600Calosc(benchmark::State& stan) { PrzerysujArkusz(stan, 1600, 1.0); }
BENCHMARK(BM_Przerysuj1600Calosc)->Unit(benchmark::kMillisecond);

// A data window's commit on a sheet of `wezlow` junctions: new volumes,
// every diagram marked for recomputation (the band scale is project-wide),
// redraw. At 100, 400 and 1600 diagrams it shows how a full recompute grows
// with the sheet.
void BM_ZmianaIPrzerysowanie(benchmark::State& stan)
{
    Program program;
    ZbudujProjekt(static_cast<int>(stan.range(0)), 1, 20.0);
    Program::Dopasuj();
    Form1->Przerysuj();
    int i = 0;
    for (auto _ : stan) {
        Ruchoplany[42].Natezenia[1] = 100 + (++i % 50);
        for (DaneRuchoplan& r : Ruchoplany)
            r.Obliczony = 0;
        Form1->Przerysuj();
    }
}
BENCHMARK(BM_ZmianaIPrzerysowanie)->Arg(100)->Arg(400)->Arg(1600)->Unit(benchmark::kMillisecond);

// One slider move of the slider window on a sheet of `wezlow` junctions:
// the value into the geometry window, its store into the node's diagram of
// every variant and the full redraw. It must keep to one screen refresh.
void BM_SuwakIPrzerysowanie(benchmark::State& stan)
{
    Program program;
    ZbudujProjekt(static_cast<int>(stan.range(0)), 1, 20.0);
    Program::Dopasuj();
    Form1->Przerysuj();
    const int n = 42;
    Ruchoplany[n].Globalne = 0;
    GeometriaRuchoplan->L_NrRupl->setText(QString::number(n));
    GeometriaRuchoplan->FormShow();
    UstawSuwak->L_NrRupl->setText(QString::number(n));
    UstawSuwak->FormShow();
    UstawSuwak->RB_2->click();
    int i = 0;
    for (auto _ : stan)
        UstawSuwak->SB_L->setValue(60 + (++i % 40));
    if (Ruchoplany[n].Obliczony != 1)
        stan.SkipWithError("the slider's redraw did not compute the diagram");
}
BENCHMARK(BM_SuwakIPrzerysowanie)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

// The DXF export command of the project built, repeated.
void MierzEksportDxf(benchmark::State& stan, Program& program, const char* nazwa)
{
    Program::Dopasuj();
    const std::string plik = PlikTymczasowy(nazwa);
    for (auto _ : stan) {
        program.dialogi.SciezkiZapisz.push_back(plik);
        Form1->TB_DoDxfaClick();
    }
    stan.SetBytesProcessed(stan.iterations() * static_cast<int64_t>(std::filesystem::file_size(plik)));
}

void BM_EksportDxf(benchmark::State& stan)
{
    Program program;
    ZbudujProjekt(100, 4, 20.0);
    MierzEksportDxf(stan, program, "kartogram_bench.dxf");
}
BENCHMARK(BM_EksportDxf)->Unit(benchmark::kMillisecond);

// A damaged project: 500 definitions of one block name and 500 placements of
// it. Each placement draws the one definition the block window finds.
void ZbudujPowtorzoneBloki()
{
    ZbudujProjekt(10, 1, 20.0);
    DefinicjaBiblioteki d;
    d.Nazwa = "Znak";
    d.DodajLinieCiala("ramka");
    for (int k = 0; k < 8; ++k) {
        const double a = k * 0.785398, b = (k + 1) * 0.785398;
        d.DodajLinieCiala("L(" + std::to_string(std::cos(a)) + "," + std::to_string(std::sin(a)) + ")-(" +
                             std::to_string(std::cos(b)) + "," + std::to_string(std::sin(b)) + "),K(255,0,0)");
    }
    d.DodajLinieCiala("T(-0.6,-0.2,'STOP',0.45,0.5,0)");
    for (int i = 0; i < 500; ++i)
        KopiujDefinicjeBloku(d);
    for (int i = 0; i < 500; ++i) {
        DaneBlok b;
        b.Nazwa = "Znak";
        b.X = static_cast<float>(2 + (i % 25) * 2.5);
        b.Y = static_cast<float>(2 + (i / 25) * 2.5);
        Bloki.push_back(b);
    }
}

void BM_PrzerysujPowtorzoneBloki(benchmark::State& stan)
{
    Program program;
    ZbudujPowtorzoneBloki();
    Program::Dopasuj();
    Form1->Przerysuj();
    for (auto _ : stan)
        Form1->Przerysuj();
}
BENCHMARK(BM_PrzerysujPowtorzoneBloki)->Unit(benchmark::kMillisecond);

void BM_EksportDxfPowtorzoneBloki(benchmark::State& stan)
{
    Program program;
    ZbudujPowtorzoneBloki();
    MierzEksportDxf(stan, program, "kartogram_bench_bloki.dxf");
}
BENCHMARK(BM_EksportDxfPowtorzoneBloki)->Unit(benchmark::kMillisecond);

} // namespace
