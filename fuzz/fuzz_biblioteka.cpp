// libFuzzer target for the block library reader ("*.blk"): any bytes must be
// read or refused with a message naming the file (and the line, for a
// damaged definition), never crash, hang or leak. Every definition read is
// copied into a project and placed; the project's block section must pass
// the checks of a project being opened and read back to the same ranges.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "drawing/BibliotekaBlokow.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {

void Przerwij(const char* co)
{
    std::fprintf(stderr, "%s\n", co);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, std::size_t rozmiar)
{
    const std::string tekst(reinterpret_cast<const char*>(dane), rozmiar);
    DefinicjeBiblioteki b;
    std::string blad;
    if (!CzytajTekstBiblioteki(tekst, "fuzz.blk", b, blad)) {
        if (blad.find("fuzz.blk") == std::string::npos || !b.empty())
            Przerwij("a refusal without the file, or with definitions");
        return 0;
    }
    BiezacyProjekt = NowyDokument();
    for (const DefinicjaBiblioteki& d : b) {
        KopiujDefinicjeBloku(d);
        const ZakresBloku z = ZmierzDefinicje(d);
        if (!(z.XMin <= z.XMax && z.YMin <= z.YMax))
            Przerwij("extents the wrong way round");
        DaneBlok p;
        p.Nazwa = d.Nazwa;
        Bloki.push_back(p);
    }
    if (!SprawdzWezlyIWarianty(BiezacyProjekt).empty())
        Przerwij("a library copied into a project is refused by the project's checks");
    // The block section written and read back.
    PisarzProjektu w;
    ZapiszSekcjeBlokow(w);
    Projekt r = NowyDokument();
    CzytnikProjektu c(w.ZabierzTresc(), "fuzz.rup", r);
    try {
        c.Linia();
        CzytajSekcjeBlokow(c);
    } catch (const BladPliku& e) {
        std::fprintf(stderr, "%s\n", e.what());
        Przerwij("the block section does not read back");
    }
    if (r.DefinicjeBlokow.size() != DefinicjeBlokow.size() || r.LinieBlokow.size() != LinieBlokow.size())
        Przerwij("the block section read back to other sizes");
    for (std::size_t i = 0; i < r.DefinicjeBlokow.size(); ++i)
        if (r.DefinicjeBlokow[i].Start != DefinicjeBlokow[i].Start || r.DefinicjeBlokow[i].Koniec != DefinicjeBlokow[i].Koniec)
            Przerwij("a definition read back to another range");
    if (!SprawdzWezlyIWarianty(r).empty())
        Przerwij("the block section read back is refused by the project's checks");
    BiezacyProjekt = NowyDokument();
    return 0;
}
