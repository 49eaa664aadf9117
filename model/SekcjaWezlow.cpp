// The nodes section "Węzły" (wv1..wv3) and the key blocks of node settings.
#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {

// The masks the windows round typed numbers to.
using maski::Polozenie;
using maski::Rozmiar;

// Lines per node of each version, not counting the empty line after it.
constexpr int LiniiWezla[4] = {0, 10, 42, 66};
constexpr int LiniiStrukturyWezla = 6;

void ZapiszWezel(PisarzProjektu& p, const DaneWezel& w)
{
    p.Rzeczywista(w.X, Polozenie);
    p.Rzeczywista(w.Y, Polozenie);
    p.Znak(w.Typ);
    p.Tekst(w.Nazwa);
    p.Tekst(w.Tytul1);
    p.Tekst(w.Tytul2);
    p.Tekst(w.Tytul3);
    p.Rzeczywista(w.TytulDx, Polozenie);
    p.Rzeczywista(w.TytulDy, Polozenie);
    p.Znak(w.TytulWyrownanie);
    p.Rzeczywista(w.TytulH, Polozenie);
    p.Rzeczywista(w.GrLinie, Polozenie);
    for (uint8_t x : {w.Globalne, w.RysujProcenty, w.RysujOznaczenie, w.TylkoSuma, w.TabelkaWW, w.Rysuj0Zawrotki})
        p.Logiczna(x);
    for (TKolor k : {w.KolorLinii, w.KolorWypelnien, w.KolorOpisow, w.KolorTytulow})
        p.Kolor(k);
    ZapiszRozmiary(p, w.RozmiaryLegendy, w.RozmiaryOpisow);
    for (uint8_t x : w.RysujPrzejscia)
        p.Logiczna(x);
    for (const auto& nazwa : w.NazwyPrzejsc)
        p.Tekst(nazwa);
    for (TKolor k : w.KoloryPrzejsc)
        p.Kolor(k);
    for (float x : w.OdlegloscPrzejscia)
        p.Rzeczywista(x, Rozmiar);
    p.Logiczna(w.LegendaPrzejsc);
    p.Rzeczywista(w.LegendaPrzejscX, Rozmiar);
    p.Rzeczywista(w.LegendaPrzejscY, Rozmiar);
    for (uint8_t x : w.SumujPrzejscia)
        p.Logiczna(x);
    p.Linia("");
}

// The lines every version holds: position, type, name and title.
void CzytajPoczatekWezla(CzytnikProjektu& c, DaneWezel& w)
{
    w.X = c.Wspolrzedna();
    w.Y = c.Wspolrzedna();
    w.Typ = c.Znak();
    c.Tekst(w.Nazwa);
    c.Tekst(w.Tytul1);
    c.Tekst(w.Tytul2);
    c.Tekst(w.Tytul3);
    w.TytulDx = c.RzeczywistaS(granice::Polozenie);
    w.TytulDy = c.RzeczywistaS(granice::Polozenie);
    w.TytulWyrownanie = c.Znak();
}

// From the title height up to the labels' distance ("wv2" ends there).
void CzytajUstawieniaWezla(CzytnikProjektu& c, DaneWezel& w)
{
    w.TytulH = c.RzeczywistaS(granice::Wymiar);
    w.GrLinie = c.RzeczywistaS(granice::GruboscLinii);
    for (uint8_t* x : {&w.Globalne, &w.RysujProcenty, &w.RysujOznaczenie, &w.TylkoSuma, &w.TabelkaWW, &w.Rysuj0Zawrotki})
        *x = c.Logiczna();
    for (TKolor* k : {&w.KolorLinii, &w.KolorWypelnien, &w.KolorOpisow, &w.KolorTytulow})
        *k = c.Kolor();
    CzytajRozmiaryLegendy(c, w.RozmiaryLegendy);
    TRozmiaryOpisow& ro = w.RozmiaryOpisow;
    for (int i = 0; i <= 5; ++i)
        ro[i] = c.RzeczywistaS(granice::Wymiar);
    ro.RozmiarStrzalki() = c.RzeczywistaS(granice::Wymiar);
    ro.OdlegloscOpisow() = c.RzeczywistaS(granice::Wymiar);
}

void CzytajPrzejsciaWezla(CzytnikProjektu& c, DaneWezel& w)
{
    for (uint8_t& x : w.RysujPrzejscia)
        x = c.Logiczna();
    for (auto& nazwa : w.NazwyPrzejsc)
        c.Tekst(nazwa);
    for (TKolor& k : w.KoloryPrzejsc)
        k = c.Kolor();
    for (float& x : w.OdlegloscPrzejscia)
        x = c.RzeczywistaS(granice::Wymiar);
    w.LegendaPrzejsc = c.Logiczna();
    w.LegendaPrzejscX = c.RzeczywistaS(granice::Polozenie);
    w.LegendaPrzejscY = c.RzeczywistaS(granice::Polozenie);
    for (uint8_t& x : w.SumujPrzejscia)
        x = c.Logiczna();
}

// What a "wv1" node does not hold.
void UzupelnijWezelWersji1(DaneWezel& w, const Projekt& p)
{
    KopiujUstawieniaGlobalne(w, p);
    w.Globalne = 1;
    w.TytulH = 1.0f;
    w.KolorWypelnien = KolorSrebrny;
    w.KolorLinii = KolorSzary;
    w.KolorOpisow = KolorCzarny;
    w.KolorTytulow = KolorCzarny;
}

}  // namespace

void ZapiszSekcjeWezlow(PisarzProjektu& p)
{
    const std::vector<DaneWezel>& wezly = p.Zrodlo().Wezly;
    p.Naglowek("wv3", "W\xEAz\xB3y", static_cast<int64_t>(wezly.size()));
    for (const DaneWezel& w : wezly)
        ZapiszWezel(p, w);
    p.Linia("");

    p.Linia(LiniaZnacznika("wg.Rysuj0Natezenia_lok"));
    p.Calkowita(static_cast<int64_t>(wezly.size()));
    for (const DaneWezel& w : wezly)
        p.Logiczna(w.Rysuj0Natezenia);
    p.Linia("");

    // The node window edits these too; older readers skip the block.
    p.Linia(LiniaZnacznika("wg.Struktura_lok"));
    p.Calkowita(static_cast<int64_t>(wezly.size()));
    for (const DaneWezel& w : wezly) {
        p.Logiczna(w.PiszSume);
        p.Logiczna(w.PiszStruk);
        p.Logiczna(w.PiszZeraStruk);
        p.Logiczna(w.Struktura);
        p.Rzeczywista(w.LegendaStrukturyX, Rozmiar);
        p.Rzeczywista(w.LegendaStrukturyY, Rozmiar);
    }
    p.Linia("");
}

void CzytajSekcjeWezlow(CzytnikProjektu& c, int wersja)
{
    std::vector<DaneWezel>& wezly = c.Cel().Wezly;
    wezly.clear();
    c.NaglowekRekordow(wezly, LiniiWezla[wersja]);
    for (DaneWezel& w : wezly) {
        CzytajPoczatekWezla(c, w);
        if (wersja == 1)
            continue;
        CzytajUstawieniaWezla(c, w);
        if (wersja == 3)
            CzytajPrzejsciaWezla(c, w);
        c.Linia();  // empty line
        if (wersja == 2)
            UstawPrzejsciaNowegoWezla(w);
    }
    if (wersja == 1)
        for (DaneWezel& w : wezly)
            UzupelnijWezelWersji1(w, c.Cel());
}

void CzytajRysuj0NatezeniaLok(CzytnikProjektu& c)
{
    std::vector<DaneWezel>& wezly = c.Cel().Wezly;
    const int32_t n = c.LiczbaRekordow(1);
    for (int32_t i = 0; i < n; ++i) {
        const bool x = c.Logiczna();
        if (JestIndeksem(i, wezly))
            wezly[static_cast<std::size_t>(i)].Rysuj0Natezenia = x;
    }
}

void CzytajStruktureWezlow(CzytnikProjektu& c)
{
    std::vector<DaneWezel>& wezly = c.Cel().Wezly;
    const int32_t n = c.LiczbaRekordow(LiniiStrukturyWezla);
    for (int32_t i = 0; i < n; ++i) {
        DaneWezel w;
        w.PiszSume = c.Logiczna();
        w.PiszStruk = c.Logiczna();
        w.PiszZeraStruk = c.Logiczna();
        w.Struktura = c.Logiczna();
        w.LegendaStrukturyX = static_cast<float>(c.WGranicy(granice::Polozenie, c.RzeczywistaLubDomyslnaS(-5.0)));
        w.LegendaStrukturyY = static_cast<float>(c.WGranicy(granice::Polozenie, c.RzeczywistaLubDomyslnaS(5.0)));
        if (!JestIndeksem(i, wezly))
            continue;
        DaneWezel& cel = wezly[static_cast<std::size_t>(i)];
        cel.PiszSume = w.PiszSume;
        cel.PiszStruk = w.PiszStruk;
        cel.PiszZeraStruk = w.PiszZeraStruk;
        cel.Struktura = w.Struktura;
        cel.LegendaStrukturyX = w.LegendaStrukturyX;
        cel.LegendaStrukturyY = w.LegendaStrukturyY;
    }
}
