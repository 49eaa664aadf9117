// The roundabout sections "rv1".."rv3" with their structure blocks.
#include <string>

#include "model/CzytanieRekordow.h"
#include "model/Projekt.h"
#include "model/SekcjaDiagramu.h"
#include "model/Sekcje.h"

namespace {

const char* const MaskaC = maski::Polozenie;
const char* const MaskaD = maski::KatRonda;

void ZapiszRamie(PisarzProjektu& p, const DaneRondo& r, int k)
{
    p.Linia("###### R" + std::to_string(k + 1));
    p.Tekst(r.Oznaczenie[k]);
    p.Tekst(r.OpisyRamion[k][0]);
    p.Tekst(r.OpisyRamion[k][1]);
    p.Logiczna(r.Ramie[k]);
    p.Logiczna(r.RysujStrzalki[k]);
    p.Rzeczywista(r.Kat[k], MaskaD);
    p.Rzeczywista(r.Odsuniecie[k], MaskaC);
    p.Rzeczywista(r.Dlugosc[k], MaskaC);
    p.Rzeczywista(r.DlugoscPom[k], MaskaC);
    p.Rzeczywista(r.Promien[k], MaskaC);
    for (int j = 0; j < 5; ++j)
        p.Calkowita(r.Macierz[k][j]);
    for (int strona = 0; strona < 2; ++strona)
        for (int kat = 0; kat < 4; ++kat)
            p.Calkowita(r.NatezeniaPrzejsc[k][kat][strona]);
    p.Calkowita(r.SumaWlotuRel[k]);
    p.Calkowita(r.SumaWylotuRel[k]);
    p.Calkowita(r.WlotWpisany[k]);
    p.Calkowita(r.WylotWpisany[k]);
    p.Kolor(r.KolorWlotu[k]);
    p.Kolor(r.KolorWylotu[k]);
}

void ZapiszStrukture(PisarzProjektu& p, const DaneRondo& r, int indeks)
{
    p.Linia(ZnacznikStrukturyRonda);
    p.Linia("Rondo");
    p.Calkowita(indeks);
    p.Linia(Kreski);
    p.Logiczna(r.ZeStruktury);
    for (int k = 0; k < 5; ++k) {
        p.Linia("###### W" + std::to_string(k + 1));
        for (int s = 0; s < 11; ++s)
            for (int j = 0; j < 5; ++j)
                p.Calkowita(r.StrukturaRelacji[k][j][s]);
    }
}

// rv1 arms have no crossing volumes.
void CzytajRamie(CzytnikScisly& c, DaneRondo& r, int k, bool zPrzejsciami)
{
    c.Pomin();
    c.Tekst(r.Oznaczenie[k]);
    c.Tekst(r.OpisyRamion[k][0]);
    c.Tekst(r.OpisyRamion[k][1]);
    r.Ramie[k] = c.Logiczna();
    r.RysujStrzalki[k] = c.Logiczna();
    r.Kat[k] = c.RzeczywistaS(granice::KatRadiany);
    r.Odsuniecie[k] = c.RzeczywistaS(granice::Przesuniecie);
    r.Dlugosc[k] = c.RzeczywistaS(granice::GeometriaRamienia);
    r.DlugoscPom[k] = c.RzeczywistaS(granice::GeometriaRamienia);
    r.Promien[k] = c.RzeczywistaS(granice::GeometriaRamienia);
    for (int j = 0; j < 5; ++j)
        r.Macierz[k][j] = c.Calkowita();
    if (zPrzejsciami)
        for (int strona = 0; strona < 2; ++strona)
            for (int kat = 0; kat < 4; ++kat)
                r.NatezeniaPrzejsc[k][kat][strona] = c.Calkowita();
    r.SumaWlotuRel[k] = c.Calkowita();
    r.SumaWylotuRel[k] = c.Calkowita();
    r.WlotWpisany[k] = c.Calkowita();
    r.WylotWpisany[k] = c.Calkowita();
    r.KolorWlotu[k] = c.Kolor();
    r.KolorWylotu[k] = c.Kolor();
}

void CzytajRondo(CzytnikScisly& c, int wersja)
{
    std::vector<DaneRondo>& ronda = c.Cel().Ronda;
    c.Zarezerwuj(ronda, 'R');
    const int32_t i = c.NumerRekordu(ronda, "ronda", RondoZerowe());
    DaneRondo& r = ronda[i];
    r.Przejscie.fill(1);
    c.Pomin();
    r.Obliczony = 0;
    r.GeometriaWprowadzona = 1;

    CzytajNaglowekDiagramu(c, r, r.Tytul, r.TytulH, wersja);
    if (wersja == 2)
        r.WlaczPrognoze = 0;
    r.PromienR = c.RzeczywistaS(granice::GeometriaRamienia);
    r.PromienWewn = c.RzeczywistaS(granice::GeometriaRamienia);
    r.GeometriaWprowadzona = c.Logiczna();
    r.DaneRelacje = c.Logiczna();
    r.LiczbaRamion = c.Calkowita();
    r.KolorLinii = c.Kolor();
    r.KolorWypelnien = c.Kolor();
    r.KolorOpisow = c.Kolor();
    r.KolorTytulow = c.Kolor();
    for (int k = 0; k < 5; ++k)
        CzytajRamie(c, r, k, wersja >= 2);
    // The totals and ring flows are computed once the whole file is read,
    // when the structure blocks and counts are in.
}

}  // namespace

void ZapiszSekcjeRonda(PisarzProjektu& p, int indeks)
{
    const DaneRondo& r = p.Zrodlo().Ronda.at(static_cast<std::size_t>(indeks));
    p.Naglowek("rv3", "Rondo", indeks);
    ZapiszNaglowekDiagramu(p, r, r.Tytul, r.TytulH);
    p.Rzeczywista(r.PromienR, MaskaC);
    p.Rzeczywista(r.PromienWewn, MaskaC);
    p.Logiczna(r.GeometriaWprowadzona);
    p.Logiczna(r.DaneRelacje);
    p.Calkowita(r.LiczbaRamion);
    p.Kolor(r.KolorLinii);
    p.Kolor(r.KolorWypelnien);
    p.Kolor(r.KolorOpisow);
    p.Kolor(r.KolorTytulow);
    for (int k = 0; k < 5; ++k)
        ZapiszRamie(p, r, k);
    p.Linia("");
    ZapiszStrukture(p, r, indeks);
}

void CzytajSekcjeRonda(CzytnikProjektu& c, int wersja)
{
    CzytnikScisly s(c);
    CzytajRondo(s, wersja);
}

void CzytajStruktureRonda(CzytnikProjektu& c)
{
    CzytnikScisly s(c);
    std::vector<DaneRondo>& ronda = s.Cel().Ronda;
    const int32_t i = s.NumerStruktury(ronda, "nieistniejące rondo");
    s.Pomin();
    DaneRondo& r = ronda[i];
    r.ZeStruktury = s.Logiczna();
    for (int k = 0; k < 5; ++k) {
        s.Pomin();
        for (int sk = 0; sk < 11; ++sk)
            for (int j = 0; j < 5; ++j)
                r.StrukturaRelacji[k][j][sk] = s.Calkowita();
    }
}
