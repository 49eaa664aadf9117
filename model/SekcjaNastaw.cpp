// The settings section "Nastawy" (nv1..nv3) and its key blocks.
#include "model/Projekt.h"
#include "model/Sekcje.h"
#include "platform/KatalogProgramu.h"

namespace {

constexpr const char* LiczbaA = maski::Skala;
constexpr const char* LiczbaB = maski::Rozmiar;

// The font named in the file replaces the project's only when its file
// exists in the program's folder; it is loaded when the project is adopted.
void ZmienCzcionke(CzytnikProjektu& c, const std::string& nazwa)
{
    if (NazwaCzcionkiPoprawna(nazwa) && PlikIstnieje(SciezkaCzcionki(nazwa)))
        c.Cel().wg.NazwaCzcionki = nazwa;
}

}  // namespace

void ZapiszRozmiary(PisarzProjektu& p, const TRozmiaryLegendy& legenda, const TRozmiaryOpisow& opisy)
{
    for (int i = 0; i <= 8; ++i)
        p.Rzeczywista(legenda[i], LiczbaB);
    p.Rzeczywista(legenda.OpisyDx(), LiczbaB);
    p.Rzeczywista(legenda.OpisyDy(), LiczbaB);
    p.Calkowita(legenda.DokladnoscProc());
    for (int i = 0; i <= 5; ++i)
        p.Rzeczywista(opisy[i], LiczbaB);
    p.Rzeczywista(opisy.RozmiarStrzalki(), LiczbaB);
    p.Rzeczywista(opisy.OdlegloscOpisow(), LiczbaB);
}

void CzytajRozmiaryLegendy(CzytnikProjektu& c, TRozmiaryLegendy& r)
{
    for (int i = 0; i <= 8; ++i)
        r[i] = c.RzeczywistaS(granice::Wymiar);
    r.OpisyDx() = c.RzeczywistaS(granice::Przesuniecie);
    r.OpisyDy() = c.RzeczywistaS(granice::Przesuniecie);
    r.UstawDokladnoscProc(c.Calkowita());
}

void ZapiszSekcjeNastaw(PisarzProjektu& p)
{
    const Projekt& z = p.Zrodlo();
    const TUstawieniaGlobalne& u = z.wg;
    p.Linia(LiniaZnacznika("nv3"));
    p.Linia("Nastawy");
    p.Linia(Kreski);
    p.Logiczna(u.Siatka);
    p.Logiczna(u.RysujProcenty);
    p.Logiczna(u.RysujOznaczenie);
    p.Logiczna(u.TabelkaWW);
    p.Logiczna(u.Rysuj0Zawrotki);
    p.Logiczna(u.TylkoSuma);
    p.Rzeczywista(u.SkalaPaskow, LiczbaA);
    p.Logiczna(u.SkalaPaskowAuto);
    p.Logiczna(u.SkalaPaskowMax);
    p.Logiczna(u.SkalaPaskow100);
    p.Calkowita(u.MinPojazd);
    p.Calkowita(u.MaxNatezenie);
    p.Rzeczywista(u.MaxSzer, LiczbaA);
    p.Rzeczywista(u.Pojazd100, LiczbaA);
    p.Logiczna(u.ArkuszAuto);
    p.Logiczna(u.ArkuszA4);
    p.Logiczna(u.ArkuszA3);
    p.Logiczna(u.ArkuszA2);
    for (float x : {u.ArkuszB, u.ArkuszH, u.ArkuszBUser, u.ArkuszHUser, u.OdstepArkuszyB, u.OdstepArkuszyH,
                    u.KrokSiatki})
        p.Rzeczywista(x, LiczbaA);
    p.Tekst(u.NazwaCzcionki);
    p.Kolor(u.KolorLinii);
    p.Kolor(u.KolorWypelnien);
    p.Kolor(u.KolorOpisow);
    p.Kolor(u.KolorTytulow);
    ZapiszRozmiary(p, z.RozmiaryLegendy, z.RozmiaryOpisow);
    p.Rzeczywista(u.GrLinie, LiczbaB);
    for (uint8_t x : u.RysujPrzejscia)
        p.Logiczna(x);
    for (const auto& nazwa : u.NazwyPrzejsc)
        p.Tekst(nazwa);
    for (TKolor k : u.KoloryPrzejsc)
        p.Kolor(k);
    p.Rzeczywista(u.OdlegloscPrzejsc, LiczbaB);
    p.Logiczna(u.LegendaPrzejsc);
    p.Rzeczywista(u.LegendaPrzejscX, LiczbaB);
    p.Rzeczywista(u.LegendaPrzejscY, LiczbaB);
    for (uint8_t x : u.SumujPrzejscia)
        p.Logiczna(x);
    p.Linia("");

    p.Linia(LiniaZnacznika("wg.Rysuj0Natezenia"));
    p.Logiczna(u.Rysuj0Natezenia);
    p.Linia("");

    p.Linia(LiniaZnacznika("wg.Struktura"));
    p.Logiczna(u.Struktura);
    p.Rzeczywista(u.LegendaStrukturyX, LiczbaB);
    p.Rzeczywista(u.LegendaStrukturyY, LiczbaB);
    p.Logiczna(u.PiszSume);
    p.Logiczna(u.PiszStruk);
    p.Logiczna(u.PiszZeraStruk);
    p.Linia("");

    // Older readers skip this block as unknown lines; without it the
    // crossing-width rule would fall back to the new-project one on every load.
    p.Linia(LiniaZnacznika("wg.SkalaPrzejsc"));
    p.Logiczna(u.SkalaPrzejscAuto);
    p.Logiczna(u.SkalaPrzejscMax);
    p.Logiczna(u.SkalaPrzejsc100);
    p.Rzeczywista(u.PrzejMaxSzer, LiczbaA);
    p.Rzeczywista(u.Przej100, LiczbaA);
    p.Linia("");
}

void CzytajSekcjeNastaw(CzytnikProjektu& c, int wersja)
{
    Projekt& cel = c.Cel();
    TUstawieniaGlobalne& u = cel.wg;
    c.Linia();  // title
    c.Linia();  // separator
    u.Siatka = c.Logiczna();
    u.RysujProcenty = c.Logiczna();
    u.RysujOznaczenie = c.Logiczna();
    u.TabelkaWW = c.Logiczna();
    if (wersja >= 2) {
        u.Rysuj0Zawrotki = c.Logiczna();
        u.TylkoSuma = c.Logiczna();
    }
    u.SkalaPaskow = c.RzeczywistaS(granice::SkalaPaskow);
    u.SkalaPaskowAuto = c.Logiczna();
    u.SkalaPaskowMax = c.Logiczna();
    u.SkalaPaskow100 = c.Logiczna();
    u.MinPojazd = c.Calkowita();
    u.MaxNatezenie = c.Calkowita();  // worked out again before any drawing
    u.MaxSzer = c.RzeczywistaS(granice::Wymiar);
    u.Pojazd100 = c.RzeczywistaS(granice::Wymiar);
    u.ArkuszAuto = c.Logiczna();
    if (wersja >= 2) {
        u.ArkuszA4 = c.Logiczna();
        u.ArkuszA3 = c.Logiczna();
        u.ArkuszA2 = c.Logiczna();
    }
    u.ArkuszB = c.RzeczywistaS();
    u.ArkuszH = c.RzeczywistaS();
    u.ArkuszBUser = c.RzeczywistaS();
    u.ArkuszHUser = c.RzeczywistaS();
    u.OdstepArkuszyB = c.RzeczywistaS(granice::OdstepArkuszy);
    u.OdstepArkuszyH = c.RzeczywistaS();
    u.KrokSiatki = c.RzeczywistaS();
    ZmienCzcionke(c, KrotkiTekst<255>(c.Linia()).str());
    u.KolorLinii = c.Kolor();
    u.KolorWypelnien = c.Kolor();
    u.KolorOpisow = c.Kolor();
    u.KolorTytulow = c.Kolor();
    CzytajRozmiaryLegendy(c, cel.RozmiaryLegendy);
    for (int i = 0; i <= 5; ++i)
        cel.RozmiaryOpisow[i] = c.RzeczywistaS(granice::Wymiar);
    cel.RozmiaryOpisow.RozmiarStrzalki() = c.RzeczywistaS(granice::Wymiar);
    if (wersja == 1)
        return;
    cel.RozmiaryOpisow.OdlegloscOpisow() = c.RzeczywistaS(granice::Wymiar);
    u.GrLinie = c.RzeczywistaS(granice::GruboscLinii);
    if (wersja == 2)
        return;
    for (uint8_t& x : u.RysujPrzejscia)
        x = c.Logiczna();
    for (auto& nazwa : u.NazwyPrzejsc)
        c.Tekst(nazwa);
    for (TKolor& k : u.KoloryPrzejsc)
        k = c.Kolor();
    u.OdlegloscPrzejsc = c.RzeczywistaS(granice::Wymiar);
    u.LegendaPrzejsc = c.Logiczna();
    u.LegendaPrzejscX = c.RzeczywistaS(granice::Polozenie);
    u.LegendaPrzejscY = c.RzeczywistaS(granice::Polozenie);
    for (uint8_t& x : u.SumujPrzejscia)
        x = c.Logiczna();
}

void CzytajRysuj0Natezenia(CzytnikProjektu& c) { c.Cel().wg.Rysuj0Natezenia = c.Logiczna(); }

void CzytajStrukture(CzytnikProjektu& c)
{
    TUstawieniaGlobalne& u = c.Cel().wg;
    u.Struktura = c.Logiczna();
    u.LegendaStrukturyX = static_cast<float>(c.WGranicy(granice::Polozenie, c.RzeczywistaLubDomyslnaS(5.0)));
    u.LegendaStrukturyY = static_cast<float>(c.WGranicy(granice::Polozenie, c.RzeczywistaLubDomyslnaS(5.0)));
    u.PiszSume = c.Logiczna();
    u.PiszStruk = c.Logiczna();
    u.PiszZeraStruk = c.Logiczna();
}

void CzytajSkalePrzejsc(CzytnikProjektu& c)
{
    TUstawieniaGlobalne& u = c.Cel().wg;
    u.SkalaPrzejscAuto = c.Logiczna();
    u.SkalaPrzejscMax = c.Logiczna();
    u.SkalaPrzejsc100 = c.Logiczna();
    u.PrzejMaxSzer = static_cast<float>(c.WGranicy(granice::Wymiar, c.RzeczywistaLubDomyslnaS(0.5)));
    u.Przej100 = static_cast<float>(c.WGranicy(granice::Wymiar, c.RzeczywistaLubDomyslnaS(1.0)));
}
