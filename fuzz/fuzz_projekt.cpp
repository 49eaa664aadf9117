// libFuzzer target for the project reader: any bytes as a ".rup" file must
// load or be refused with a message, never crash, hang or leak; a model that
// loads must draw every variant (into recording back-ends of a canvas and of
// a file, and into the program's own screen back-end on a bitmap), save and
// load again. Built with KG_FUZZ_WERSJA1, the bytes follow the banner of a
// version-1 file, so that every input reaches the version-1 reader.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>

#include "base/Teksty.h"
#include "drawing/Nagrywanie.h"
#include "model/OknoGlowne.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "shell/Arkusz.h"

namespace {

const std::string& PlikRoboczy()
{
    static const std::string sciezka = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp && *tmp ? tmp : "/tmp") + "/kg_fuzz_" + std::to_string(getpid()) + ".rup";
    }();
    return sciezka;
}

void Zapisz(const std::string& sciezka, const uint8_t* dane, std::size_t rozmiar, std::string_view naglowek = {})
{
    std::ofstream f(sciezka, std::ios::binary | std::ios::trunc);
    f.write(naglowek.data(), static_cast<std::streamsize>(naglowek.size()));
    f.write(reinterpret_cast<const char*>(dane), static_cast<std::streamsize>(rozmiar));
}

#ifdef KG_FUZZ_WERSJA1
constexpr std::string_view Naglowek = "*****\r\n*                KARTOGRAM  1.0.0.\r\n*\r\n*****\r\n\r\n";
#else
constexpr std::string_view Naglowek;
#endif

// Every variant of the loaded project, as the screen and a DXF file would
// get it; the recordings are dropped.
void Narysuj()
{
    WyjscieNagrywajace ekran(true);
    WyjscieNagrywajace plik;
    const PodlaczWyjscie naEkran(Kanal::Ekran, ekran);
    const PodlaczWyjscie doPliku(Kanal::Dxf, plik);
    const ZachowajWyjscia oba(true, false, true);
    Skala = 50.0;
    SrodekX = wg.ArkuszB / 2.0;
    SrodekY = wg.ArkuszH / 2.0;
    for (int v = 0; v < std::max(LiczbaWariantow(), 1); ++v)
        RysujArkuszWariantu(LiczbaWariantow() ? v : -1);
}

// The same through the screen back-end the main window draws with, whose
// culling and pixel arithmetic the recordings do not reach.
void NarysujNaEkranie()
{
    static QImage bitmapa(320, 240, QImage::Format_RGB32);
    bitmapa.fill(0xFFFFFFFF);
    UstawBitmapeRysunku(&bitmapa);
    const ZachowajWyjscia tylkoEkran(true, false, false);
    PolSzerEkranu = bitmapa.width() * 0.5;
    PolWysEkranu = bitmapa.height() * 0.5;
    Skala = 50.0;
    SrodekX = wg.ArkuszB / 2.0;
    SrodekY = wg.ArkuszH / 2.0;
    for (int v = 0; v < std::max(LiczbaWariantow(), 1); ++v)
        RysujArkuszWariantu(LiczbaWariantow() ? v : -1);
    ZakonczRysowanieEkranu();
    UstawBitmapeRysunku(nullptr);
}

}  // namespace

// The stroke text measures TrueType widths through Qt, which wants its application.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QGuiApplication aplikacja(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, std::size_t rozmiar)
{
    // The separator alternates with the input so that both forms are read.
    UstawSeparatorDziesietny(rozmiar % 2 ? ',' : '.');
    const std::string& sciezka = PlikRoboczy();
    Zapisz(sciezka, dane, rozmiar, Naglowek);
    NowyProjekt();
    if (OtworzProjekt(sciezka)) {
        Narysuj();
        NarysujNaEkranie();
        const std::vector<std::string> linie = LinieProjektu();
        std::string obraz;
        for (const std::string& l : linie)
            obraz += l + "\r\n";
        Zapisz(sciezka, reinterpret_cast<const uint8_t*>(obraz.data()), obraz.size());
        NowyProjekt();
        if (!OtworzProjekt(sciezka)) {
            std::fprintf(stderr, "a loaded model did not load again after saving\n");
            std::abort();
        }
    }
    std::remove(sciezka.c_str());
    return 0;
}
