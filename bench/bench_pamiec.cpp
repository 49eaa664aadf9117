// The memory the shared work takes: the DXF export of 6,400 diagrams and the
// whole sheet's redraw on a 3840 x 2160 screen report the process's peak
// above what it held before (the open, computed project); a thousand prints
// with TrueType labels report how much the memory grows. In megabytes.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <malloc.h>
#include <string>

#include <QImage>

#include "drawing/Wyjscie.h"
#include "model/Projekt.h"
#include "shell/Arkusz.h"
#include "shell/Okna.h"
#include "shell/Podglad.h"
#include "shell/TForm1.h"
#include "Wspolne.h"

namespace {

constexpr double MB = 1024.0 * 1024.0;

// Every variant's diagrams computed, as an open project shown once has them.
void PoliczWszystko()
{
    for (int v = 0; v < LiczbaWariantow(); ++v)
        PrzygotujArkuszWariantu(v, false, 8);
}

// 1,600 nodes in 4 variants: 6,400 diagrams, some 250 MB of DXF.
void BM_PamiecEksportuDxf6400(benchmark::State& stan)
{
    Program program;
    ZbudujProjekt(1600, 4, 20.0);
    Program::Dopasuj();
    PoliczWszystko();
    const std::string plik = PlikTymczasowy("kartogram_pamiec.dxf");
    const int64_t projekt = PamiecProcesu();
    int64_t szczyt = 0;
    for (auto _ : stan) {
        std::filesystem::remove(plik);
        ZerujSzczytProcesu();
        program.dialogi.SciezkiZapisz.push_back(plik);
        Form1->TB_DoDxfaClick();
        szczyt = std::max(szczyt, SzczytProcesu());
    }
    stan.counters["projekt_MB"] = static_cast<double>(projekt) / MB;
    stan.counters["szczyt_ponad_MB"] = static_cast<double>(szczyt - projekt) / MB;
    stan.counters["dxf_MB"] = static_cast<double>(std::filesystem::file_size(plik)) / MB;
    std::filesystem::remove(plik);
}
BENCHMARK(BM_PamiecEksportuDxf6400)->Iterations(3)->Unit(benchmark::kMillisecond);

// The whole sheet of 400 diagrams redrawn on a 3840 x 2160 screen, shared
// among the threads.
void BM_PamiecPrzerysowania3840(benchmark::State& stan)
{
    Program program;
    Form1->Podglad->setFixedSize(3840, 2160);
    Form1->BitmapaRysunku = QImage(3840, 2160, QImage::Format_RGB32);
    Form1->BitmapaRysunku.fill(0xFFFFFFFF);  // the screen's own bitmap counts before
    UstawBitmapeRysunku(&Form1->BitmapaRysunku);
    ZbudujProjekt(400, 1, 20.0);
    SrodekX = wg.ArkuszB / 2.0;
    SrodekY = wg.ArkuszH / 2.0;
    Skala = std::max(wg.ArkuszB / 3820.0, wg.ArkuszH / 2140.0) * 1000.0;
    PoliczWszystko();
    const int64_t przed = PamiecProcesu();
    int64_t szczyt = 0;
    for (auto _ : stan) {
        ZerujSzczytProcesu();
        Form1->Przerysuj();
        szczyt = std::max(szczyt, SzczytProcesu());
    }
    stan.counters["przed_MB"] = static_cast<double>(przed) / MB;
    stan.counters["szczyt_ponad_MB"] = static_cast<double>(szczyt - przed) / MB;
    stan.counters["po_MB"] = static_cast<double>(PamiecProcesu()) / MB;
}
BENCHMARK(BM_PamiecPrzerysowania3840)->Iterations(10)->Unit(benchmark::kMillisecond);

// The heap in use (every thread's arena), in bytes: what the process holds
// without what the allocator keeps free.
int64_t Sterta()
{
    const struct mallinfo2 m = mallinfo2();
    return static_cast<int64_t>(m.uordblks + m.hblkhd);
}

// A thousand prints into a PDF file of 90 diagrams with TrueType labels,
// 30 on each of three pages (each page drawn by a thread of its own): how
// much the heap and the resident memory grow from the tenth print to the
// thousandth, and over the second half alone.
void BM_PamiecTysiacaWydrukow(benchmark::State& stan)
{
    Program program;
    ZbudujProjekt(30, 3, 20.0);
    Program::Dopasuj();
    TekstTT = true;
    Form1->UstawWydrukDoPdf(PlikTymczasowy("kartogram_pamiec.pdf"));
    int64_t sterta10 = 0, sterta500 = 0, rss10 = 0, rss500 = 0;
    for (auto _ : stan) {
        for (int i = 0; i < 1000; ++i) {
            if (i == 10) {
                sterta10 = Sterta();
                rss10 = PamiecProcesu();
            }
            if (i == 500) {
                sterta500 = Sterta();
                rss500 = PamiecProcesu();
            }
            Form1->TB_DrukujClick();
            // The program shows its message and keeps nothing; the stand-in
            // for the message box would keep every one.
            program.dialogi.Wpisy.clear();
        }
    }
    stan.counters["sterta_po_10_MB"] = static_cast<double>(sterta10) / MB;
    stan.counters["sterta_przyrost_MB"] = static_cast<double>(Sterta() - sterta10) / MB;
    stan.counters["sterta_przyrost_drugich_500_MB"] = static_cast<double>(Sterta() - sterta500) / MB;
    stan.counters["rss_przyrost_MB"] = static_cast<double>(PamiecProcesu() - rss10) / MB;
    stan.counters["rss_przyrost_drugich_500_MB"] = static_cast<double>(PamiecProcesu() - rss500) / MB;
    Form1->UstawWydrukDoPdf("");
    TekstTT = false;
}
BENCHMARK(BM_PamiecTysiacaWydrukow)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
