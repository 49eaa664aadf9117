// The settings section "Nastawy" (nv1..nv3) and its key blocks.
#include "model/Projekt.h"
#include "model/Sekcje.h"
#include "platform/KatalogProgramu.h"

namespace {

constexpr const char* LiczbaA = "######0.00##";
constexpr const char* LiczbaB = "####0.0##";

// The font named in the file replaces the loaded one only when its file exists.
void ZmienCzcionke(CzytnikProjektu& c, const std::string& nazwa)
{
    if (nazwa == wg.NazwaCzcionki.str())
        return;
    const std::string sciezka = PolaczSciezke(KatalogDane(), nazwa + "100.Lzs");
    if (!PlikIstnieje(sciezka))
        return;
    if (WczytajCzcionkeRysunku && !WczytajCzcionkeRysunku(sciezka))
        // "Błąd odczytu czcionki ..."
        c.Blad("b\xB3\xB9" "d odczytu czcionki " + nazwa + ".");
    wg.NazwaCzcionki = nazwa;
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
        r[i] = c.RzeczywistaS();
    r.OpisyDx() = c.RzeczywistaS();
    r.OpisyDy() = c.RzeczywistaS();
    r.UstawDokladnoscProc(c.Calkowita());
}

void ZapiszSekcjeNastaw(PisarzProjektu& p)
{
    p.Linia(LiniaZnacznika("nv3"));
    p.Linia("Nastawy");
    p.Linia(Kreski);
    p.Logiczna(wg.Siatka);
    p.Logiczna(wg.RysujProcenty);
    p.Logiczna(wg.RysujOznaczenie);
    p.Logiczna(wg.TabelkaWW);
    p.Logiczna(wg.Rysuj0Zawrotki);
    p.Logiczna(wg.TylkoSuma);
    p.Rzeczywista(wg.SkalaPaskow, LiczbaA);
    p.Logiczna(wg.SkalaPaskowAuto);
    p.Logiczna(wg.SkalaPaskowMax);
    p.Logiczna(wg.SkalaPaskow100);
    p.Calkowita(wg.MinPojazd);
    p.Calkowita(wg.MaxNatezenie);
    p.Rzeczywista(wg.MaxSzer, LiczbaA);
    p.Rzeczywista(wg.Pojazd100, LiczbaA);
    p.Logiczna(wg.ArkuszAuto);
    p.Logiczna(wg.ArkuszA4);
    p.Logiczna(wg.ArkuszA3);
    p.Logiczna(wg.ArkuszA2);
    for (float x : {wg.ArkuszB, wg.ArkuszH, wg.ArkuszBUser, wg.ArkuszHUser, wg.OdstepArkuszyB, wg.OdstepArkuszyH,
                    wg.KrokSiatki})
        p.Rzeczywista(x, LiczbaA);
    p.Tekst(wg.NazwaCzcionki);
    p.Kolor(wg.KolorLinii);
    p.Kolor(wg.KolorWypelnien);
    p.Kolor(wg.KolorOpisow);
    p.Kolor(wg.KolorTytulow);
    ZapiszRozmiary(p, RozmiaryLegendy, RozmiaryOpisow);
    p.Rzeczywista(wg.GrLinie, LiczbaB);
    for (uint8_t x : wg.RysujPrzejscia)
        p.Logiczna(x);
    for (const auto& nazwa : wg.NazwyPrzejsc)
        p.Tekst(nazwa);
    for (TKolor k : wg.KoloryPrzejsc)
        p.Kolor(k);
    p.Rzeczywista(wg.OdlegloscPrzejsc, LiczbaB);
    p.Logiczna(wg.LegendaPrzejsc);
    p.Rzeczywista(wg.LegendaPrzejscX, LiczbaB);
    p.Rzeczywista(wg.LegendaPrzejscY, LiczbaB);
    for (uint8_t x : wg.SumujPrzejscia)
        p.Logiczna(x);
    p.Linia("");

    p.Linia(LiniaZnacznika("wg.Rysuj0Natezenia"));
    p.Logiczna(wg.Rysuj0Natezenia);
    p.Linia("");

    p.Linia(LiniaZnacznika("wg.Struktura"));
    p.Logiczna(wg.Struktura);
    p.Rzeczywista(wg.LegendaStrukturyX, LiczbaB);
    p.Rzeczywista(wg.LegendaStrukturyY, LiczbaB);
    p.Logiczna(wg.PiszSume);
    p.Logiczna(wg.PiszStruk);
    p.Logiczna(wg.PiszZeraStruk);
    p.Linia("");

    // Older readers skip this block as unknown lines; without it the
    // crossing-width rule would fall back to the new-project one on every load.
    p.Linia(LiniaZnacznika("wg.SkalaPrzejsc"));
    p.Logiczna(wg.SkalaPrzejscAuto);
    p.Logiczna(wg.SkalaPrzejscMax);
    p.Logiczna(wg.SkalaPrzejsc100);
    p.Rzeczywista(wg.PrzejMaxSzer, LiczbaA);
    p.Rzeczywista(wg.Przej100, LiczbaA);
    p.Linia("");
}

void CzytajSekcjeNastaw(CzytnikProjektu& c, int wersja)
{
    c.Linia();  // title
    c.Linia();  // separator
    wg.Siatka = c.Logiczna();
    wg.RysujProcenty = c.Logiczna();
    wg.RysujOznaczenie = c.Logiczna();
    wg.TabelkaWW = c.Logiczna();
    if (wersja >= 2) {
        wg.Rysuj0Zawrotki = c.Logiczna();
        wg.TylkoSuma = c.Logiczna();
    }
    wg.SkalaPaskow = c.RzeczywistaS();
    wg.SkalaPaskowAuto = c.Logiczna();
    wg.SkalaPaskowMax = c.Logiczna();
    wg.SkalaPaskow100 = c.Logiczna();
    wg.MinPojazd = c.Calkowita();
    wg.MaxNatezenie = c.Calkowita();
    wg.MaxSzer = c.RzeczywistaS();
    wg.Pojazd100 = c.RzeczywistaS();
    wg.ArkuszAuto = c.Logiczna();
    if (wersja >= 2) {
        wg.ArkuszA4 = c.Logiczna();
        wg.ArkuszA3 = c.Logiczna();
        wg.ArkuszA2 = c.Logiczna();
    }
    wg.ArkuszB = c.RzeczywistaS();
    wg.ArkuszH = c.RzeczywistaS();
    wg.ArkuszBUser = c.RzeczywistaS();
    wg.ArkuszHUser = c.RzeczywistaS();
    wg.OdstepArkuszyB = c.RzeczywistaS();
    wg.OdstepArkuszyH = c.RzeczywistaS();
    wg.KrokSiatki = c.RzeczywistaS();
    ZmienCzcionke(c, KrotkiTekst<255>(c.Linia()).str());
    wg.KolorLinii = c.Kolor();
    wg.KolorWypelnien = c.Kolor();
    wg.KolorOpisow = c.Kolor();
    wg.KolorTytulow = c.Kolor();
    CzytajRozmiaryLegendy(c, RozmiaryLegendy);
    for (int i = 0; i <= 5; ++i)
        RozmiaryOpisow[i] = c.RzeczywistaS();
    RozmiaryOpisow.RozmiarStrzalki() = c.RzeczywistaS();
    if (wersja == 1)
        return;
    RozmiaryOpisow.OdlegloscOpisow() = c.RzeczywistaS();
    wg.GrLinie = c.RzeczywistaS();
    if (wersja == 2)
        return;
    for (uint8_t& x : wg.RysujPrzejscia)
        x = c.Logiczna();
    for (auto& nazwa : wg.NazwyPrzejsc)
        c.Tekst(nazwa);
    for (TKolor& k : wg.KoloryPrzejsc)
        k = c.Kolor();
    wg.OdlegloscPrzejsc = c.RzeczywistaS();
    wg.LegendaPrzejsc = c.Logiczna();
    wg.LegendaPrzejscX = c.RzeczywistaS();
    wg.LegendaPrzejscY = c.RzeczywistaS();
    for (uint8_t& x : wg.SumujPrzejscia)
        x = c.Logiczna();
}

void CzytajRysuj0Natezenia(CzytnikProjektu& c) { wg.Rysuj0Natezenia = c.Logiczna(); }

void CzytajStrukture(CzytnikProjektu& c)
{
    wg.Struktura = c.Logiczna();
    wg.LegendaStrukturyX = c.RzeczywistaLubDomyslnaS(5.0);
    wg.LegendaStrukturyY = c.RzeczywistaLubDomyslnaS(5.0);
    wg.PiszSume = c.Logiczna();
    wg.PiszStruk = c.Logiczna();
    wg.PiszZeraStruk = c.Logiczna();
}

void CzytajSkalePrzejsc(CzytnikProjektu& c)
{
    wg.SkalaPrzejscAuto = c.Logiczna();
    wg.SkalaPrzejscMax = c.Logiczna();
    wg.SkalaPrzejsc100 = c.Logiczna();
    wg.PrzejMaxSzer = c.RzeczywistaLubDomyslnaS(0.5);
    wg.Przej100 = c.RzeczywistaLubDomyslnaS(1.0);
}
