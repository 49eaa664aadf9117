// libFuzzer target for the project reader: any bytes as a ".rup" file must
// load or be refused with a message, never crash, hang or leak; a model that
// loads must save and load again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "base/Teksty.h"
#include "model/OknoGlowne.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"

namespace {

const std::string& PlikRoboczy()
{
    static const std::string sciezka = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp && *tmp ? tmp : "/tmp") + "/kg_fuzz_" + std::to_string(getpid()) + ".rup";
    }();
    return sciezka;
}

void Zapisz(const std::string& sciezka, const uint8_t* dane, std::size_t rozmiar)
{
    std::ofstream f(sciezka, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(dane), static_cast<std::streamsize>(rozmiar));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, std::size_t rozmiar)
{
    // The separator alternates with the input so that both forms are read.
    UstawSeparatorDziesietny(rozmiar % 2 ? ',' : '.');
    const std::string& sciezka = PlikRoboczy();
    Zapisz(sciezka, dane, rozmiar);
    NowyProjekt();
    if (OtworzProjekt(sciezka)) {
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
