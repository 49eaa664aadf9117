// libFuzzer targets for the readers of counts ("*.pom", also by header),
// count settings ("*.upm") and forecasts ("*.pgz"): any bytes must be read or
// refused with a message naming the file and the line, never crash, hang or
// leak; what was read must be written and read again to the same lines.
// Built three times with KG_FUZZ_POMIAR, KG_FUZZ_USTAWIENIA or KG_FUZZ_PROGNOZA.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Teksty.h"
#include "counts/PlikiPomiarow.h"
#include "model/Projekt.h"

namespace {

std::vector<std::string> Linie(const uint8_t* dane, std::size_t rozmiar)
{
    // Lines as the text reader splits them: CR LF, LF or CR alone.
    std::vector<std::string> linie;
    std::string l;
    for (std::size_t i = 0; i < rozmiar; ++i) {
        const char z = static_cast<char>(dane[i]);
        if (z == '\r' || z == '\n') {
            linie.push_back(l);
            l.clear();
            if (z == '\r' && i + 1 < rozmiar && dane[i + 1] == '\n')
                ++i;
        } else {
            l += z;
        }
    }
    if (!l.empty())
        linie.push_back(l);
    return linie;
}

void Przerwij(const char* co)
{
    std::fprintf(stderr, "%s\n", co);
    std::abort();
}

void Sprawdz(bool ok, const std::string& blad)
{
    if (!ok && blad.find("linia ") == std::string::npos && blad.find("nie zawiera") == std::string::npos)
        Przerwij("a refusal without the line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, std::size_t rozmiar)
{
    UstawSeparatorDziesietny(rozmiar % 2 ? ',' : '.');
    const std::vector<std::string> linie = Linie(dane, rozmiar);
    std::string blad;
#if defined(KG_FUZZ_POMIAR)
    DanePomiar p;
    const bool ok = CzytajLiniePomiaru(linie, "fuzz.pom", p, blad);
    Sprawdz(ok, blad);
    if (ok) {
        const auto zapis = LiniePlikuPomiaru(p, p.DataOstEdycja, p.GodzOstEdycja);
        DanePomiar r;
        if (!CzytajLiniePomiaru(zapis, "fuzz.pom", r, blad) || LiniePlikuPomiaru(r, r.DataOstEdycja, r.GodzOstEdycja) != zapis)
            Przerwij("a count read did not read again to the same lines");
    }
#elif defined(KG_FUZZ_USTAWIENIA)
    // The window reads over a filled grid.
    UstawieniaPomiaru u = WbudowaneKlasyPojazdow();
    bool przejscia = false;
    const bool ok = CzytajLinieUstawien(linie, "fuzz.upm", u, przejscia, blad);
    Sprawdz(ok, blad);
    if (ok) {
        const auto zapis = LiniePlikuUstawien(u);
        UstawieniaPomiaru r = WbudowaneKlasyPojazdow();
        if (!CzytajLinieUstawien(zapis, "fuzz.upm", r, przejscia, blad) || LiniePlikuUstawien(r) != zapis)
            Przerwij("settings read did not read again to the same lines");
    }
#elif defined(KG_FUZZ_PROGNOZA)
    DanePrognoza f;
    const bool ok = CzytajLiniePrognozy(linie, "fuzz.pgz", f, blad);
    Sprawdz(ok, blad);
    if (ok) {
        const auto zapis = LiniePlikuPrognozy(f);
        DanePrognoza r;
        if (!CzytajLiniePrognozy(zapis, "fuzz.pgz", r, blad) || LiniePlikuPrognozy(r) != zapis)
            Przerwij("a forecast read did not read again to the same lines");
    }
#else
#error "choose the reader"
#endif
    return 0;
}
