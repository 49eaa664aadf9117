// The program against its anchors, for bench/ratios.sh: opening and saving
// projects of 4 and 40 MB against reading the file line by line and writing
// its bytes raw, opening the 40 MB one in UTF-8 behind the mark against
// opening it in Windows-1250, the DXF export against writing its bytes raw, the PDF print
// of four variants against four screen redraws. The full recompute at 100,
// 400 and 1600 diagrams is BM_ZmianaIPrzerysowanie.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "base/Kodowanie.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "shell/TForm1.h"
#include "Wspolne.h"

namespace {

constexpr int WariantowPliku = 4;

// A project of about `megabajtow` MB in four variants, saved once per size
// and made the current project; returns its file.
std::string ProjektORozmiarze(int megabajtow)
{
    static std::map<int, int> wezlowDlaRozmiaru;
    int& wezlow = wezlowDlaRozmiaru[megabajtow];
    if (wezlow == 0) {
        ZbudujProjekt(25, WariantowPliku, 3.0);
        const double naWezel = static_cast<double>(TrescProjektu().size()) / 25.0;
        wezlow = static_cast<int>(megabajtow * 1.0e6 / naWezel);
    }
    ZbudujProjekt(wezlow, WariantowPliku, 3.0);
    const std::string plik = PlikTymczasowy(("kartogram_cel_" + std::to_string(megabajtow) + ".rup").c_str());
    static std::map<int, bool> zapisany;
    if (!zapisany[megabajtow])
        zapisany[megabajtow] = ZapiszProjekt(plik);
    return plik;
}

// The bytes written with a single write, flushed to the disk, closed.
bool ZapiszSurowo(const std::string& plik, const std::string& bajty)
{
    const int fd = ::open(plik.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool dobrze = ::write(fd, bajty.data(), bajty.size()) == static_cast<ssize_t>(bajty.size()) &&
                        ::fsync(fd) == 0;
    return ::close(fd) == 0 && dobrze;
}

std::string CzytajBajty(const std::string& plik)
{
    std::ifstream we(plik, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(we), std::istreambuf_iterator<char>());
}

// ---------------------------------------------------------------- open

// Opening the file; the counter `pamiec_do_pliku` is the most heap an
// opening took above what was in use before it, over the file's size.
void Otwieraj(benchmark::State& stan, const std::string& plik)
{
    const auto rozmiar = static_cast<double>(std::filesystem::file_size(plik));
    double najwiecej = 0.0;
    const LiczeniePamieci liczenie;
    for (auto _ : stan) {
        NowyProjekt();
        const int64_t przed = PamiecZajeta();
        ZerujSzczytPamieci();
        benchmark::DoNotOptimize(OtworzProjekt(plik));
        najwiecej = std::max(najwiecej, static_cast<double>(SzczytPamieci() - przed));
    }
    if (LiczbaWariantow() != WariantowPliku)
        stan.SkipWithError("the project did not read back");
    stan.counters["pamiec_do_pliku"] = najwiecej / rozmiar;
    stan.SetBytesProcessed(stan.iterations() * static_cast<int64_t>(rozmiar));
}

void BM_Otwarcie(benchmark::State& stan) { Otwieraj(stan, ProjektORozmiarze(static_cast<int>(stan.range(0)))); }
BENCHMARK(BM_Otwarcie)->Arg(4)->Arg(40)->Unit(benchmark::kMillisecond);

// The same project as an editor re-saves it, in UTF-8 behind the byte-order
// mark, made once per size; opening it against opening the Windows-1250
// file (BM_Otwarcie), within 2 times.
std::string ProjektUtf8ZeZnacznikiem(int megabajtow)
{
    const std::string plik = ProjektORozmiarze(megabajtow);
    const std::string utf8 = PlikTymczasowy(("kartogram_cel_utf8_" + std::to_string(megabajtow) + ".rup").c_str());
    static std::map<int, bool> zapisany;
    if (!zapisany[megabajtow]) {
        std::ofstream(utf8, std::ios::binary | std::ios::trunc)
            << ZnacznikKolejnosciUtf8 << Cp1250NaUtf8(CzytajBajty(plik));
        zapisany[megabajtow] = true;
    }
    return utf8;
}

void BM_OtwarcieUtf8(benchmark::State& stan)
{
    Otwieraj(stan, ProjektUtf8ZeZnacznikiem(static_cast<int>(stan.range(0))));
}
BENCHMARK(BM_OtwarcieUtf8)->Arg(40)->Unit(benchmark::kMillisecond);

// The anchor: the same file read line by line, the lines counted.
void BM_LiczenieLinii(benchmark::State& stan)
{
    const std::string plik = ProjektORozmiarze(static_cast<int>(stan.range(0)));
    for (auto _ : stan) {
        std::ifstream we(plik, std::ios::binary);
        std::string linia;
        int64_t linii = 0;
        while (std::getline(we, linia))
            ++linii;
        benchmark::DoNotOptimize(linii);
    }
}
BENCHMARK(BM_LiczenieLinii)->Arg(4)->Arg(40)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- save

// Saving the project over its file, as its owner: 10 MB too, besides the
// anchors' sizes.
void BM_Zapis(benchmark::State& stan)
{
    const std::string plik = ProjektORozmiarze(static_cast<int>(stan.range(0)));
    for (auto _ : stan)
        benchmark::DoNotOptimize(ZapiszProjekt(plik));
    stan.SetBytesProcessed(stan.iterations() * static_cast<int64_t>(std::filesystem::file_size(plik)));
}
BENCHMARK(BM_Zapis)->Arg(4)->Arg(10)->Arg(40)->Unit(benchmark::kMillisecond);

// The anchor: the same bytes written raw and flushed.
void BM_SurowyZapis(benchmark::State& stan)
{
    const std::string bajty = CzytajBajty(ProjektORozmiarze(static_cast<int>(stan.range(0))));
    const std::string plik = PlikTymczasowy("kartogram_cel_surowy.rup");
    for (auto _ : stan)
        if (!ZapiszSurowo(plik, bajty))
            stan.SkipWithError("the raw write failed");
    if (CzytajBajty(plik) != bajty)
        stan.SkipWithError("the raw write wrote other bytes");
}
BENCHMARK(BM_SurowyZapis)->Arg(4)->Arg(40)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- DXF

// The anchor of BM_EksportDxf: the bytes of the same export written raw.
void BM_SurowyZapisDxf(benchmark::State& stan)
{
    std::string bajty;
    {
        Program program;
        ZbudujProjekt(100, 4, 20.0);
        Program::Dopasuj();
        const std::string plik = PlikTymczasowy("kartogram_cel.dxf");
        program.dialogi.SciezkiZapisz.push_back(plik);
        Form1->TB_DoDxfaClick();
        bajty = CzytajBajty(plik);
    }
    const std::string plik = PlikTymczasowy("kartogram_cel_surowy.dxf");
    for (auto _ : stan)
        if (!ZapiszSurowo(plik, bajty))
            stan.SkipWithError("the raw write failed");
}
BENCHMARK(BM_SurowyZapisDxf)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- print

// Four variants of 100 diagrams printed into a PDF file, a page each (the
// print command also redraws the screen once at its end).
void BM_WydrukPdf(benchmark::State& stan)
{
    Program program;
    ZbudujProjekt(100, 4, 20.0);
    Program::Dopasuj();
    Form1->UstawWydrukDoPdf(PlikTymczasowy("kartogram_cel.pdf"));
    Form1->TB_DrukujClick();  // computes every diagram once
    for (auto _ : stan)
        Form1->TB_DrukujClick();
    Form1->UstawWydrukDoPdf("");
}
BENCHMARK(BM_WydrukPdf)->Unit(benchmark::kMillisecond);

// The anchor: each of the four variants redrawn on the screen.
void BM_CzteryPrzerysowania(benchmark::State& stan)
{
    Program program;
    ZbudujProjekt(100, 4, 20.0);
    Program::Dopasuj();
    for (int v = 0; v < 4; ++v) {
        BiezacyWariant = v;
        Form1->Przerysuj();  // computes every diagram once
    }
    for (auto _ : stan)
        for (int v = 0; v < 4; ++v) {
            BiezacyWariant = v;
            Form1->Przerysuj();
        }
    BiezacyWariant = 0;
}
BENCHMARK(BM_CzteryPrzerysowania)->Unit(benchmark::kMillisecond);

} // namespace
