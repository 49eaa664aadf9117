// The junction diagram sections "kv1".."kv3" with their structure blocks.
#include <string>

#include "model/CzytanieRekordow.h"
#include "model/Projekt.h"
#include "model/SekcjaDiagramu.h"
#include "model/Sekcje.h"

namespace {

const char* const MaskaF2 = maski::Polozenie;
const char* const MaskaF7 = maski::KatRuchoplanu;

std::string ZnacznikRamienia(int k) { return "###### W" + std::to_string(k + 1); }

void ZapiszRamie(PisarzProjektu& p, const DaneRuchoplan& r, int k)
{
    p.Linia(ZnacznikRamienia(k));
    p.Tekst(r.Oznaczenie[k]);
    p.Tekst(r.OpisRamienia[2 * k]);
    p.Tekst(r.OpisRamienia[2 * k + 1]);
    p.Logiczna(r.Ramie[k]);
    p.Logiczna(r.Strzalka[k]);
    p.Rzeczywista(r.Kat[k], MaskaF7);
    p.Rzeczywista(r.Odsuniecie[k], MaskaF2);
    p.Rzeczywista(r.Dlugosc[k], MaskaF2);
    p.Rzeczywista(r.DlugoscPom[k], MaskaF2);
    p.Rzeczywista(r.Zawrotka[k], MaskaF2);
    p.Rzeczywista(r.PromienLewoskretu[k], MaskaF2);
    p.Rzeczywista(r.PromienPrawoskretu[k], MaskaF2);
    for (int j = 0; j < 4; ++j)
        p.Calkowita(r.Natezenia[4 * k + j]);
    for (int kat = 0; kat < 4; ++kat)
        p.Calkowita(r.Przejscia[k].L[kat]);
    for (int kat = 0; kat < 4; ++kat)
        p.Calkowita(r.Przejscia[k].P[kat]);
    for (int j = 0; j < 4; ++j)
        p.Kolor(r.KoloryRelacji[4 * k + j]);
}

void ZapiszStrukture(PisarzProjektu& p, const DaneRuchoplan& r, int indeks)
{
    p.Linia(ZnacznikStrukturyRuchoplanu);
    p.Linia("Ruchoplan");
    p.Calkowita(indeks);
    p.Linia(Kreski);
    p.Logiczna(r.ZeStruktury);
    for (int k = 0; k < 4; ++k) {
        p.Linia(ZnacznikRamienia(k));
        for (int e = 0; e < ElementowStruktury; ++e)
            for (int j = 0; j < 4; ++j)
                p.Calkowita(r.NatezeniaStruktura[4 * k + j][e]);
    }
}

// An arm block; kv1 blocks have no crossing volumes.
void CzytajRamie(CzytnikScisly& c, DaneRuchoplan& r, int k, bool zPrzejsciami)
{
    c.Pomin();
    c.Tekst(r.Oznaczenie[k]);
    c.Tekst(r.OpisRamienia[2 * k]);
    c.Tekst(r.OpisRamienia[2 * k + 1]);
    r.Ramie[k] = c.Logiczna();
    r.Strzalka[k] = c.Logiczna();
    r.Kat[k] = c.RzeczywistaS(granice::KatRadiany);
    r.Odsuniecie[k] = c.RzeczywistaS(granice::Przesuniecie);
    r.Dlugosc[k] = c.RzeczywistaS(granice::GeometriaRamienia);
    r.DlugoscPom[k] = c.RzeczywistaS(granice::GeometriaRamienia);
    r.Zawrotka[k] = c.RzeczywistaS(granice::GeometriaRamienia);
    r.PromienLewoskretu[k] = c.RzeczywistaS(granice::GeometriaRamienia);
    r.PromienPrawoskretu[k] = c.RzeczywistaS(granice::GeometriaRamienia);
    for (int j = 0; j < 4; ++j)
        r.Natezenia[4 * k + j] = c.Calkowita();
    if (zPrzejsciami) {
        for (int kat = 0; kat < 4; ++kat)
            r.Przejscia[k].L[kat] = c.Calkowita();
        for (int kat = 0; kat < 4; ++kat)
            r.Przejscia[k].P[kat] = c.Calkowita();
    }
    for (int j = 0; j < 4; ++j)
        r.KoloryRelacji[4 * k + j] = c.Kolor();
}

void CzytajGlobalneIKolory(CzytnikScisly& c, DaneRuchoplan& r)
{
    c.Pomin();  // "###### GLOBALNE"
    r.Globalne = c.Logiczna();
    r.GlobOdsuniecie = c.RzeczywistaS(granice::Przesuniecie);
    r.GlobDlugosc = c.RzeczywistaS(granice::GeometriaRamienia);
    r.GlobDlugoscPom = c.RzeczywistaS(granice::GeometriaRamienia);
    r.GlobZawrotka = c.RzeczywistaS(granice::GeometriaRamienia);
    r.GlobPromienLewoskretu = c.RzeczywistaS(granice::GeometriaRamienia);
    r.GlobPromienPrawoskretu = c.RzeczywistaS(granice::GeometriaRamienia);
    r.PoprawkaLewoskretow = c.RzeczywistaS(granice::Przesuniecie);
    r.PoprawkaPrawoskretow = c.RzeczywistaS(granice::Przesuniecie);
    r.KoloryPodstawowe[0] = c.Kolor();
    r.KoloryPodstawowe[3] = c.Kolor();
    r.KoloryPodstawowe[1] = c.Kolor();
    r.KoloryPodstawowe[2] = c.Kolor();
}

// kv3, or the older kv2 and kv1: these have no caption height, links or
// data-mode flags and no structure; kv1 has no crossing volumes either.
void CzytajRuchoplan(CzytnikScisly& c, int wersja)
{
    std::vector<DaneRuchoplan>& ruchoplany = c.Cel().Ruchoplany;
    c.Zarezerwuj(ruchoplany, 'J');
    const int32_t n = c.NumerRekordu(ruchoplany, "ruchoplanu");
    DaneRuchoplan r;
    if (wersja >= 3) {
        WypelnijDomyslnyRuchoplan(r, c.Cel().wg);
    } else {
        r = RuchoplanZerowy();
        r.TytulWysokosc = 0.7f;
    }
    r.Przejscie.fill(1);
    r.Obliczony = 0;
    c.Pomin();
    CzytajNaglowekDiagramu(c, r, r.Tytul, r.TytulWysokosc, wersja);
    if (wersja == 2)
        r.WlaczPrognoze = 1;
    r.GeometriaWprowadzona = c.Logiczna();
    CzytajGlobalneIKolory(c, r);
    for (int k = 0; k < 4; ++k)
        CzytajRamie(c, r, k, wersja >= 2);
    PoliczSumyRuchoplanu(r);
    ruchoplany[n] = r;
}

}  // namespace

void ZapiszSklad(PisarzProjektu& p)
{
    p.Linia(ZnacznikSkladuStruktury);
    p.Calkowita(p.Zrodlo().LiczbaSkladow);
    for (const DaneSklad& s : p.Zrodlo().Sklad) {
        p.LogicznaTN(s.Aktywny);
        p.Tekst(s.Oznaczenie);
        p.Tekst(s.Nazwa);
        p.Rzeczywista(s.Wspolczynnik, maski::Wspolczynnik);
    }
    p.Linia(Kreski);
}

void ZapiszSekcjeRuchoplanu(PisarzProjektu& p, int indeks)
{
    const DaneRuchoplan& r = p.Zrodlo().Ruchoplany.at(static_cast<std::size_t>(indeks));
    p.Naglowek("kv3", "Ruchoplan", indeks);
    ZapiszNaglowekDiagramu(p, r, r.Tytul, r.TytulWysokosc);
    p.Logiczna(r.GeometriaWprowadzona);
    p.Linia("###### GLOBALNE");
    p.Logiczna(r.Globalne);
    p.Rzeczywista(r.GlobOdsuniecie, MaskaF2);
    p.Rzeczywista(r.GlobDlugosc, MaskaF2);
    p.Rzeczywista(r.GlobDlugoscPom, MaskaF2);
    p.Rzeczywista(r.GlobZawrotka, MaskaF2);
    p.Rzeczywista(r.GlobPromienLewoskretu, MaskaF2);
    p.Rzeczywista(r.GlobPromienPrawoskretu, MaskaF2);
    p.Rzeczywista(r.PoprawkaLewoskretow, MaskaF2);
    p.Rzeczywista(r.PoprawkaPrawoskretow, MaskaF2);
    p.Kolor(r.KoloryPodstawowe[0]);
    p.Kolor(r.KoloryPodstawowe[3]);
    p.Kolor(r.KoloryPodstawowe[1]);
    p.Kolor(r.KoloryPodstawowe[2]);
    for (int k = 0; k < 4; ++k)
        ZapiszRamie(p, r, k);
    p.Linia("");
    ZapiszSklad(p);
    ZapiszStrukture(p, r, indeks);
}

void CzytajSekcjeRuchoplanu(CzytnikProjektu& c, int wersja)
{
    CzytnikScisly s(c);
    CzytajRuchoplan(s, wersja);
}

void CzytajStruktureRuchoplanu(CzytnikProjektu& c)
{
    CzytnikScisly s(c);
    std::vector<DaneRuchoplan>& ruchoplany = s.Cel().Ruchoplany;
    const int32_t n = s.NumerStruktury(ruchoplany, "nieistniejący ruchoplan");
    s.Pomin();
    DaneRuchoplan& r = ruchoplany[n];
    r.ZeStruktury = s.Logiczna();
    for (int k = 0; k < 4; ++k) {
        s.Pomin();
        for (int e = 0; e < ElementowStruktury; ++e)
            for (int j = 0; j < 4; ++j)
                r.NatezeniaStruktura[4 * k + j][e] = s.Calkowita();
    }
}
