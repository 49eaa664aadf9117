// libFuzzer targets for the readers of counts ("*.pom", also by header),
// count settings ("*.upm") and forecasts ("*.pgz"): any bytes must be read or
// refused with a message naming the file and the line (UTF-16 and UTF-32:
// its form), never crash, hang or leak; what was read must be written and
// read again to the same lines, and must pass the checks a project holding
// it passes when it is opened (a count, the defaults settings give a new
// count, a forecast with its count).
// Built three times with KG_FUZZ_POMIAR, KG_FUZZ_USTAWIENIA or KG_FUZZ_PROGNOZA.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Teksty.h"
#include "counts/PlikiPomiarow.h"
#include "model/PlikProjektu.h"
#include "model/Potoki.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {

void Przerwij(const char* co)
{
    std::fprintf(stderr, "%s\n", co);
    std::abort();
}

void Sprawdz(bool ok, const std::string& blad)
{
    if (!ok && blad.find("linia ") == std::string::npos && blad.find("nie zawiera") == std::string::npos &&
        blad.find("w kodowaniu UTF-") == std::string::npos)
        Przerwij("a refusal without the line");
}

// A project holding the count (and the forecast) raised by every factor
// and cell must pass the checks of a project being opened, and its file
// must open again.
void SprawdzWProjekcie(const DanePomiar& pomiar, const DanePrognoza& prognoza)
{
    Projekt p;
    p.Pomiary.push_back(pomiar);
    p.Prognozy.push_back(prognoza);
    for (bool prognozaWlaczona : {false, true}) {
        DaneWspolczynniki w;
        w.Wspolczynnik = pomiar.WspPojazdu;
        PrzeliczPotoki(p.Pomiary[0], w, prognoza, prognozaWlaczona, WlotowPomiaru);
        if (!SprawdzDiagramy(p).empty())
            Przerwij("a count read is refused by the project's checks");
    }
    const std::vector<std::string> linie = LinieProjektu(p);
    std::string tresc;
    for (const std::string& l : linie)
        tresc += l + "\r\n";
    Projekt r;
    CzytnikProjektu c(std::move(tresc), "fuzz.rup", r);
    try {
        while (!c.Koniec() && c.Linia() != LiniaZnacznika("pm1")) {
        }
        CzytajSekcjePomiarow(c);
    } catch (const BladPliku& b) {
        std::fprintf(stderr, "%s\n", b.what());
        Przerwij("a count read does not read back from a project file");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, std::size_t rozmiar)
{
    UstawSeparatorDziesietny(rozmiar % 2 ? ',' : '.');
    // The bytes as a file's text, read in place as from a disk.
    const std::string tekst(reinterpret_cast<const char*>(dane), rozmiar);
    std::string blad;
#if defined(KG_FUZZ_POMIAR)
    DanePomiar p;
    const bool ok = CzytajTekstPomiaru(tekst, "fuzz.pom", p, blad);
    Sprawdz(ok, blad);
    if (ok) {
        DanePrognoza f;
        UstawDomyslnaPrognoze(f);
        SprawdzWProjekcie(p, f);
        const auto zapis = LiniePlikuPomiaru(p, p.DataOstEdycja, p.GodzOstEdycja);
        DanePomiar r;
        if (!CzytajLiniePomiaru(zapis, "fuzz.pom", r, blad) || LiniePlikuPomiaru(r, r.DataOstEdycja, r.GodzOstEdycja) != zapis)
            Przerwij("a count read did not read again to the same lines");
    }
#elif defined(KG_FUZZ_USTAWIENIA)
    // The window reads over a filled grid.
    UstawieniaPomiaru u = WbudowaneKlasyPojazdow();
    bool przejscia = false;
    const bool ok = CzytajTekstUstawien(tekst, "fuzz.upm", u, przejscia, blad);
    Sprawdz(ok, blad);
    if (ok) {
        DanePomiar p;
        UstawKlasyPomiaru(p, u, przejscia);
        DanePrognoza f;
        UstawDomyslnaPrognoze(f);
        SprawdzWProjekcie(p, f);
        const auto zapis = LiniePlikuUstawien(u);
        UstawieniaPomiaru r = WbudowaneKlasyPojazdow();
        if (!CzytajLinieUstawien(zapis, "fuzz.upm", r, przejscia, blad) || LiniePlikuUstawien(r) != zapis)
            Przerwij("settings read did not read again to the same lines");
    }
#elif defined(KG_FUZZ_PROGNOZA)
    DanePrognoza f;
    const bool ok = CzytajTekstPrognozy(tekst, "fuzz.pgz", f, blad);
    Sprawdz(ok, blad);
    if (ok) {
        // Against a count of the largest volumes a count file holds.
        DanePomiar p;
        for (auto& wiersz : p.NatezeniaPojazdow)
            wiersz.fill(static_cast<int32_t>(granice::Natezenie.max));
        for (auto& wiersz : p.NatezeniaPrzejsc)
            wiersz.fill(static_cast<int32_t>(granice::Natezenie.max));
        p.WspPojazdu.fill(static_cast<float>(granice::Wspolczynnik.max));
        SprawdzWProjekcie(p, f);
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
