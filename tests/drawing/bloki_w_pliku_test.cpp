// Block definitions as the block copy puts them into the project, one with
// no body lines among them: the saved project opens again with every range
// as it was, and a block of the bodiless definition draws nothing.
#include "pomoc.h"

#include <filesystem>
#include <fstream>

#include "drawing/BibliotekaBlokow.h"
#include "drawing/Bloki.h"
#include "base/Teksty.h"
#include "model/PlikProjektu.h"

namespace {

class BlokiWPliku : public TestRysowania {
protected:
    void TearDown() override
    {
        DefinicjeBlokow.clear();
        LinieBlokow.clear();
        Bloki.clear();
        TestRysowania::TearDown();
    }
};

DefinicjaBiblioteki Biblioteczna(const char* nazwa, std::vector<KrotkiTekst<255>> cialo)
{
    DefinicjaBiblioteki d;
    d.Nazwa = nazwa;
    d.Data = KodujDate(2026, 1, 2);
    d.Grupa = "G";
    d.Jednostka = "cm";
    d.Cialo = std::move(cialo);
    return d;
}

TEST_F(BlokiWPliku, KopiaDefinicjiBezCialaOtwieraSieZnowu)
{
    KopiujDefinicjeBloku(Biblioteczna("A", {"ramka", "L(0,0)-(1,0)"}));
    KopiujDefinicjeBloku(Biblioteczna("Pusty", {}));
    KopiujDefinicjeBloku(Biblioteczna("Sama ramka", {"ramka"}));
    KopiujDefinicjeBloku(Biblioteczna("B", {"ramka", "L(0,0)-(2,0)"}));
    wg.NazwaCzcionki = DomyslnaCzcionka;
    const std::string plik = (std::filesystem::temp_directory_path() / "kg_bloki_w_pliku.rup").string();
    std::ofstream(plik, std::ios::binary) << TrescProjektu();

    Projekt p;
    std::string blad;
    ASSERT_TRUE(CzytajProjekt(plik, p, blad)) << blad;
    std::filesystem::remove(plik);
    EXPECT_EQ(p.DefinicjeBlokow, DefinicjeBlokow);
    EXPECT_EQ(p.LinieBlokow, LinieBlokow);

    DefinicjeBlokow = p.DefinicjeBlokow;
    LinieBlokow = p.LinieBlokow;
    Bloki.assign(2, {});
    Bloki[0].Nazwa = "Pusty";
    Bloki[1].Nazwa = "Sama ramka";
    Wyjscia(false, false, true);
    RysujBloki(true);
    EXPECT_TRUE(n->dxf.encje.empty());
}

}  // namespace
