// The text file readers against a line count of the same bytes: the
// program's count, forecast and count settings files each followed by 100 MB
// of empty lines, and a block library of 200 MB of line feeds (its time and
// the most heap it takes over its size, counter `pamiec_do_pliku`), and one
// of 200 MB of the smallest definitions. The anchor reads the file and
// counts its line feeds, as `wc -l` does.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "counts/PlikiPomiarow.h"
#include "drawing/BibliotekaBlokow.h"
#include "model/UstawieniaPomiaru.h"
#include "Wspolne.h"

namespace {

// The shipped file `plik` of the program's folder followed by `megabajtow`
// MB of empty lines (CR LF), made once; or, without `plik`, that many MB of
// line feeds.
std::string PlikZPustymiLiniami(const std::string& plik, int megabajtow)
{
    static std::map<std::string, std::string> zrobione;
    const std::string nazwa = (plik.empty() ? "lf" : std::filesystem::path(plik).filename().string()) + "_" +
                              std::to_string(megabajtow) + "MB";
    std::string& sciezka = zrobione[nazwa];
    if (!sciezka.empty())
        return sciezka;
    sciezka = PlikTymczasowy(("kartogram_czytnik_" + nazwa).c_str());
    std::ofstream wy(sciezka, std::ios::binary | std::ios::trunc);
    if (!plik.empty()) {
        const auto katalog = std::filesystem::canonical("/proc/self/exe").parent_path();
        std::ifstream we(katalog / plik, std::ios::binary);
        wy << we.rdbuf();
    }
    const std::string kawalek(1 << 20, '\n');
    std::string puste;
    for (int i = 0; i < (1 << 19); ++i)
        puste += "\r\n";
    for (int i = 0; i < megabajtow; ++i)
        wy << (plik.empty() ? kawalek : puste);
    return sciezka;
}

// The anchor: the file read in 1 MB pieces, its line feeds counted.
void LiczLinie(benchmark::State& stan, const std::string& plik)
{
    std::vector<char> bufor(1 << 20);
    for (auto _ : stan) {
        const int fd = ::open(plik.c_str(), O_RDONLY | O_CLOEXEC);
        int64_t linii = 0;
        for (ssize_t r; (r = ::read(fd, bufor.data(), bufor.size())) > 0;)
            linii += std::count(bufor.data(), bufor.data() + r, '\n');
        ::close(fd);
        benchmark::DoNotOptimize(linii);
    }
}

template <class Czytaj>
void Zmierz(benchmark::State& stan, const std::string& plik, Czytaj czytaj)
{
    for (auto _ : stan)
        if (!czytaj(plik))
            stan.SkipWithError("the file was not read");
}

const char* const Pomiar = "Pomiary/Mickiewicza_Kosciuszki.pom";
const char* const Prognoza = "Pomiary/Prognozy/Mickiewicza_2035.pgz";
const char* const Ustawienia = "Pomiary/Ustawienia/domyslne.upm";

void BM_LiczenieLiniiPomiaru(benchmark::State& stan) { LiczLinie(stan, PlikZPustymiLiniami(Pomiar, 100)); }
BENCHMARK(BM_LiczenieLiniiPomiaru)->Unit(benchmark::kMillisecond);

void BM_CzytaniePomiaru(benchmark::State& stan)
{
    Zmierz(stan, PlikZPustymiLiniami(Pomiar, 100), [](const std::string& p) {
        DanePomiar m;
        std::string blad;
        return CzytajPlikPomiaru(p, m, blad);
    });
}
BENCHMARK(BM_CzytaniePomiaru)->Unit(benchmark::kMillisecond);

void BM_CzytanieNaglowkaPomiaru(benchmark::State& stan)
{
    Zmierz(stan, PlikZPustymiLiniami(Pomiar, 100), [](const std::string& p) {
        NaglowekPomiaru n;
        std::string blad;
        return CzytajNaglowekPomiaru(p, n, blad);
    });
}
BENCHMARK(BM_CzytanieNaglowkaPomiaru)->Unit(benchmark::kMillisecond);

void BM_LiczenieLiniiPrognozy(benchmark::State& stan) { LiczLinie(stan, PlikZPustymiLiniami(Prognoza, 100)); }
BENCHMARK(BM_LiczenieLiniiPrognozy)->Unit(benchmark::kMillisecond);

void BM_CzytaniePrognozy(benchmark::State& stan)
{
    Zmierz(stan, PlikZPustymiLiniami(Prognoza, 100), [](const std::string& p) {
        DanePrognoza f;
        std::string blad;
        return CzytajPlikPrognozy(p, f, blad);
    });
}
BENCHMARK(BM_CzytaniePrognozy)->Unit(benchmark::kMillisecond);

void BM_LiczenieLiniiUstawien(benchmark::State& stan) { LiczLinie(stan, PlikZPustymiLiniami(Ustawienia, 100)); }
BENCHMARK(BM_LiczenieLiniiUstawien)->Unit(benchmark::kMillisecond);

void BM_CzytanieUstawien(benchmark::State& stan)
{
    Zmierz(stan, PlikZPustymiLiniami(Ustawienia, 100), [](const std::string& p) {
        UstawieniaPomiaru u = WbudowaneKlasyPojazdow();
        bool przejscia = false;
        std::string blad;
        return CzytajPlikUstawien(p, u, przejscia, blad);
    });
}
BENCHMARK(BM_CzytanieUstawien)->Unit(benchmark::kMillisecond);

void BM_LiczenieLiniiBiblioteki(benchmark::State& stan) { LiczLinie(stan, PlikZPustymiLiniami("", 200)); }
BENCHMARK(BM_LiczenieLiniiBiblioteki)->Unit(benchmark::kMillisecond);

// Reads the library `plik` at every step; its peak heap against the file's
// size goes to the counter `pamiec_do_pliku`, the definitions it holds to
// `definicji`.
void CzytajBibliotekeWPetli(benchmark::State& stan, const std::string& plik)
{
    const auto rozmiar = static_cast<double>(std::filesystem::file_size(plik));
    double najwiecej = 0.0;
    std::size_t definicji = 0;
    const LiczeniePamieci liczenie;
    for (auto _ : stan) {
        DefinicjeBiblioteki b;
        std::string blad;
        const int64_t przed = PamiecZajeta();
        ZerujSzczytPamieci();
        if (!CzytajBiblioteke(plik, b, blad))
            stan.SkipWithError("the library was not read");
        najwiecej = std::max(najwiecej, static_cast<double>(SzczytPamieci() - przed));
        definicji = b.size();
    }
    stan.counters["pamiec_do_pliku"] = najwiecej / rozmiar;
    stan.counters["definicji"] = static_cast<double>(definicji);
}

// A library of 200 MB of line feeds: within 1 s and at most 3 times its size
// of heap.
void BM_CzytanieBiblioteki(benchmark::State& stan) { CzytajBibliotekeWPetli(stan, PlikZPustymiLiniami("", 200)); }
BENCHMARK(BM_CzytanieBiblioteki)->Unit(benchmark::kMillisecond);

// A library of 200 MB of the smallest definitions that read: a marker, ten
// empty header lines and a one-character body line, 37 bytes each (5.67
// million of them), made once.
std::string BibliotekaNajmniejszychDefinicji()
{
    static std::string sciezka;
    if (!sciezka.empty())
        return sciezka;
    sciezka = PlikTymczasowy("kartogram_czytnik_definicje_200MB");
    const std::string jedna = std::string(ZnacznikDefinicji) + "\n" + std::string(10, '\n') + "x\n";
    const std::size_t ile = (std::size_t{200} << 20) / jedna.size();
    std::string kawalek;
    for (int i = 0; i < 4096; ++i)
        kawalek += jedna;
    std::ofstream wy(sciezka, std::ios::binary | std::ios::trunc);
    for (std::size_t i = 0; i < ile / 4096; ++i)
        wy << kawalek;
    for (std::size_t i = 0; i < ile % 4096; ++i)
        wy << jedna;
    return sciezka;
}

void BM_LiczenieLiniiDefinicji(benchmark::State& stan) { LiczLinie(stan, BibliotekaNajmniejszychDefinicji()); }
BENCHMARK(BM_LiczenieLiniiDefinicji)->Unit(benchmark::kMillisecond);

// The same library read: within 10 times the line count and at most 3 times
// its size of heap (counter `pamiec_do_pliku`).
void BM_CzytanieDefinicji(benchmark::State& stan) { CzytajBibliotekeWPetli(stan, BibliotekaNajmniejszychDefinicji()); }
BENCHMARK(BM_CzytanieDefinicji)->Unit(benchmark::kMillisecond);

}  // namespace
