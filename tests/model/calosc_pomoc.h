#pragma once
// Helpers of the record tests: field-by-field comparison of the saved fields
// of every record, a model filled with every kind of record, and reading one
// section from lines.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Operacje.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"
#include "base/Kodowanie.h"
#include "projekt_pomoc.h"

inline std::string PL(const char* utf8) { return Utf8NaCp1250(utf8); }

#define POLE(f) EXPECT_EQ(a.f, b.f) << kto << " ." #f

inline void PorownajRuchoplany(const DaneRuchoplan& a, const DaneRuchoplan& b, const std::string& kto)
{
    POLE(NrWezla); POLE(NrWariantu); POLE(NrPomiaru); POLE(NrPrognozy); POLE(NrWspolczynnikow);
    POLE(ZPomiaru); POLE(ZeStruktury); POLE(WlaczPrognoze); POLE(AutoAktualizacja);
    POLE(X); POLE(Y); POLE(Oznaczenie); POLE(Kat); POLE(Ramie); POLE(Przejscie); POLE(Odsuniecie);
    POLE(Dlugosc); POLE(DlugoscPom); POLE(Zawrotka); POLE(PoprawkaLewoskretow); POLE(PoprawkaPrawoskretow);
    POLE(GlobPromienLewoskretu); POLE(GlobPromienPrawoskretu); POLE(GlobDlugosc); POLE(GlobDlugoscPom);
    POLE(GlobOdsuniecie); POLE(GlobZawrotka); POLE(PromienLewoskretu); POLE(PromienPrawoskretu);
    POLE(Globalne); POLE(GeometriaWprowadzona); POLE(Tytul); POLE(TytulDx); POLE(TytulDy);
    POLE(TytulWysokosc); POLE(TytulWyrownanie); POLE(OpisRamienia); POLE(Strzalka);
    POLE(NatezeniaStruktura); POLE(Natezenia); POLE(Przejscia); POLE(SumaWlotu); POLE(SumaWylotu);
    POLE(KoloryPodstawowe); POLE(KoloryRelacji);
}

inline void PorownajRonda(const DaneRondo& a, const DaneRondo& b, const std::string& kto)
{
    POLE(GeometriaWprowadzona); POLE(NrPomiaru); POLE(NrPrognozy); POLE(NrWspolczynnikow); POLE(ZPomiaru);
    POLE(ZeStruktury); POLE(WlaczPrognoze); POLE(AutoAktualizacja); POLE(NrWezla); POLE(NrWariantu);
    POLE(X); POLE(Y); POLE(OpisyRamion); POLE(Oznaczenie); POLE(PromienR); POLE(PromienWewn); POLE(Promien);
    POLE(Kat); POLE(Ramie); POLE(Przejscie); POLE(LiczbaRamion); POLE(Dlugosc); POLE(DlugoscPom);
    POLE(Odsuniecie); POLE(RysujStrzalki); POLE(Macierz); POLE(StrukturaRelacji); POLE(DaneRelacje);
    POLE(SumaWylotuRel); POLE(SumaWlotuRel); POLE(NatezeniaPrzejsc); POLE(WylotWpisany); POLE(WlotWpisany);
    POLE(Tytul); POLE(TytulDx); POLE(TytulDy); POLE(TytulH); POLE(TytulWyrownanie); POLE(KolorLinii);
    POLE(KolorOpisow); POLE(KolorTytulow); POLE(KolorWypelnien); POLE(KolorWlotu); POLE(KolorWylotu);
}

inline void PorownajPomiary(const DanePomiar& a, const DanePomiar& b, const std::string& kto)
{
    POLE(NazwaPliku); POLE(Lokalizacja); POLE(Sekcja); POLE(Opis2Linie); POLE(GodzPomiaru); POLE(DataPomiaru);
    POLE(GodzOstEdycja); POLE(DataOstEdycja); POLE(CzasPomiaru); POLE(WlotJest); POLE(MaxJest); POLE(TypWezla);
    POLE(NazwaPojazdu); POLE(OznPojazdu); POLE(WspPojazdu); POLE(NazwaPrzejscia); POLE(OznPrzejscia);
    POLE(NatezeniaPojazdow); POLE(NatezeniaPojazdowSumy); POLE(NatezeniaPrzejsc); POLE(NatezeniaPrzejscSumy);
    POLE(RysujZawrotki); POLE(NatezeniaNaRelacjach); POLE(NatezeniaPrzejscObliczone);
}

inline void PorownajPrognozy(const DanePrognoza& a, const DanePrognoza& b, const std::string& kto)
{
    POLE(TrybPrognoza); POLE(PrognozaPojazdy); POLE(PrognozaPrzejscia);
}

#undef POLE

// Every value is one that its mask writes exactly.
inline void WypelnijModel()
{
    // Settings, each group off its new-project values.
    wg.Siatka = 1, wg.KrokSiatki = 0.5f, wg.KolorWypelnien = 0x00C0FFEE, wg.KolorTytulow = KolorRGB(0, 128, 0);
    wg.TylkoSuma = 1, wg.ArkuszA3 = 1, wg.MaxNatezenie = 1234, wg.Rysuj0Natezenia = 0;
    wg.SkalaPaskow = 0.0075f, wg.SkalaPaskowAuto = 0, wg.SkalaPaskow100 = 1;
    wg.NazwyPrzejsc[2] = "hulajnogi", wg.RysujPrzejscia[2] = 1, wg.SumujPrzejscia[3] = 1;
    wg.LegendaPrzejsc = 1, wg.LegendaPrzejscX = 3.5f;
    wg.Struktura = 1, wg.LegendaStrukturyY = 8.25f, wg.PiszZeraStruk = 0;
    wg.SkalaPrzejscAuto = 0, wg.SkalaPrzejscMax = 1, wg.PrzejMaxSzer = 0.75f, wg.Przej100 = 1.5f;
    RozmiaryLegendy.OpisyDy() = -0.5f;
    RozmiaryOpisow.WysOznaczenia() = 0.65f;
    NastawySchowek.X1 = 1.5f, NastawySchowek.X2 = 11.25f, NastawySchowek.PunktowNaCm = 40;
    NastawySchowek.SzerokoscPx = 460, NastawySchowek.WysokoscPx = 1140;
    NastawySchowek.KolorTla = KolorRGB(255, 251, 240);

    ASSERT_EQ(DodajWariant(PL("Wariant pierwszy"), PL("Tytuł jeden"), "", "linia 3", 1.5f, 2.5f, 'C'), "");
    ASSERT_EQ(DodajWezel(5.0, 5.0, PL("Węzeł północny"), 'J'), "");
    ASSERT_EQ(DodajWezel(20.0, 5.0, "Rondo 1", 'R'), "");
    ASSERT_EQ(DodajWezel(5.0, 20.0, "W3", 'J'), "");
    ASSERT_EQ(DodajWariant("Wariant B", "", "", "", -1.0f, 0.0f, 'P'), "");
    ASSERT_EQ(Ruchoplany.size(), 4u);
    ASSERT_EQ(Ronda.size(), 2u);
    BiezacyWariant = 0;

    // Node settings of its own, off the global ones.
    DaneWezel& a = Wezly[2];
    a.X = 5.25, a.Y = -3.5, a.Globalne = 0;
    a.Tytul1 = PL("Tytuł"), a.Tytul3 = "trzeci", a.TytulWyrownanie = 'C';
    a.GrLinie = 0.35f, a.KolorLinii = KolorRGB(1, 2, 3), a.Rysuj0Natezenia = 1, a.Rysuj0Zawrotki = 1;
    a.RozmiaryLegendy.SzerNat() = 0.45f;
    a.RozmiaryLegendy.UstawDokladnoscProc(2);
    a.RozmiaryOpisow.OdlegloscOpisow() = 6.5f;
    a.RysujPrzejscia = {1, 0, 1, 0}, a.SumujPrzejscia = {0, 1, 0, 1}, a.NazwyPrzejsc[3] = "inne";
    a.OdlegloscPrzejscia = {1.5f, 2.5f, 3.5f, 4.5f, 5.5f}, a.LegendaPrzejsc = 1, a.LegendaPrzejscX = 1.25f;
    a.Struktura = 1, a.PiszSume = 0, a.PiszStruk = 1, a.PiszZeraStruk = 0;
    a.LegendaStrukturyX = 7.5f, a.LegendaStrukturyY = -2.25f;

    DanePomiar m;
    ASSERT_EQ(UstawDomyslnyPomiar(m), "");
    m.NazwaPliku = "skrzyzowanie.pom", m.Lokalizacja = PL("Łódź, Piotrkowska"), m.Opis2Linie[1] = "opis 2";
    m.NatezeniaPojazdow[0] = {1, 2, 3, 4, 5};
    m.NatezeniaPojazdow[99] = {9, 8, 7, 6, 5};
    m.NatezeniaPojazdowSumy = {10, 20, 30, 40, 50};
    m.NatezeniaNaRelacjach[1] = {0, 100, 200, 300, 0};
    m.NatezeniaNaRelacjach[2][3] = -4;
    m.NatezeniaPrzejsc[4] = {1, 2, 3, 4, 5, 6, 7, 8};
    m.NatezeniaPrzejscObliczone[0][7] = 77;
    m.WspPojazdu[3] = 2.25f, m.RysujZawrotki = 1, m.WlotJest[2] = 0;
    DodajPomiar(m);
    m.TypWezla = "R01", m.MaxJest = 4;
    DodajPomiar(m);

    DanePrognoza f;
    f.TrybPrognoza = 0;
    f.PrognozaPojazdy[0][0] = "10%", f.PrognozaPojazdy[5][19] = "-25", f.PrognozaPrzejscia[3][2] = "7,5%";
    DodajPrognoze(f);
    DaneWspolczynniki w;
    w.Wspolczynnik[0] = 1.25f, w.Wspolczynnik[19] = 0.5f;
    DodajWspolczynniki(w);

    DaneRuchoplan& r0 = Ruchoplany[0];
    r0.Natezenia = {1, 120, 30, 45, 100, 2, 300, 12, 7, 250, 0, 80, 60, 33, 410, 5};
    r0.Tytul = {PL("Skrzyżowanie"), "ul. Prosta", ""}, r0.TytulWysokosc = 0.75f, r0.TytulWyrownanie = 'L';
    r0.Kat = {0.0f, 1.5f, 3.25f, 4.75f}, r0.Ramie[3] = 0, r0.Strzalka[0] = 0, r0.OpisRamienia[7] = PL("ul. Żwirki");
    r0.Przejscia[1].L = {1, 2, 3, 4}, r0.Przejscia[3].P = {5, 6, 7, 8}, r0.Przejscie[2] = 0;
    r0.KoloryRelacji[5] = 0x00123456, r0.KoloryPodstawowe = {0x0000FF, 0x00FF00, 0xFF0000, 0x808080};
    r0.Globalne = 0, r0.PromienLewoskretu[2] = 4.5f, r0.PoprawkaLewoskretow = 0.2f, r0.GeometriaWprowadzona = 1;
    r0.NrPomiaru = 0, r0.ZPomiaru = 1, r0.NrPrognozy = 0, r0.NrWspolczynnikow = 0, r0.WlaczPrognoze = 1;
    r0.AutoAktualizacja = 0;
    PoliczSumyRuchoplanu(r0);

    DaneRuchoplan& r3 = Ruchoplany[3];
    r3.ZeStruktury = 1;
    for (int rel = 0; rel < 16; ++rel)
        for (int e = 0; e < ElementowStruktury; ++e)
            r3.NatezeniaStruktura[rel][e] = rel * 11 + e;
    PoliczSumyZeStruktury(r3);

    DaneRondo& o0 = Ronda[0];
    o0.Macierz[0] = {0, 10, 20, 30, 0}, o0.Macierz[4][4] = 5;
    o0.SumaWlotuRel = {60, 0, 0, 0, 5}, o0.SumaWylotuRel = {0, 10, 20, 30, 5};
    o0.WlotWpisany = {1, 2, 3, 4, 5}, o0.WylotWpisany = {5, 4, 3, 2, 1};
    o0.NatezeniaPrzejsc[2][3] = {11, 12}, o0.Przejscie[4] = 0;
    o0.StrukturaRelacji[1][2] = {100, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, o0.ZeStruktury = 1;
    o0.Tytul = {PL("Rondo Wiatraczna"), "", "3"}, o0.TytulH = 0.8f;
    o0.OpisyRamion[1] = {"Grochowska", PL("w stronę centrum")}, o0.KolorWlotu[2] = 0x00ABCDEF;
    o0.GeometriaWprowadzona = 1;

    DaneRondo& o1 = Ronda[1];
    o1.ZPomiaru = 1, o1.NrPomiaru = 1, o1.DaneRelacje = 0;
    o1.LiczbaRamion = 4, o1.Ramie = {1, 1, 1, 1, 0}, o1.PromienR = 3.5f, o1.PromienWewn = 3.25f;

    DaneOpis op{.Tekst = PL("Opis źródłowy"), .X = 2.5f, .Y = 3.5f, .Sx = 0.35f, .Sy = 0.5f, .Kat = 90.0f,
                .Zapas = 1.0f, .Grubosc = 0.23f, .Kolor = KolorRGB(10, 20, 30), .Styl = "Opis", .Wariant = 1};
    Opisy.push_back(op);
    op.Wariant = -1, op.Tekst = "na wszystkich";
    Opisy.push_back(op);

    DefinicjeBlokow.push_back({.Nazwa = "strzalka", .Data = KodujDate(2021, 2, 9), .Czas = KodujCzas(13, 45, 7),
                               .Grupa = "znaki", .Jednostka = "cm", .Start = 0, .Koniec = 1});
    LinieBlokow = {"L 0 0 1 1", "L 1 1 2 0"};
    DaneBlok b;
    b.Nazwa = "strzalka", b.X = 4.0f, b.Y = 4.5f, b.Sx = 0.125f, b.Sy = 2.0f, b.Wariant = 0;
    Bloki.push_back(b);
    b.Wariant = 1, b.Nad = 0;
    Bloki.push_back(b);

    // Every diagram at its node's place, where the computation puts it and
    // the file keeps it.
    for (DaneRuchoplan& r : Ruchoplany)
        r.X = static_cast<float>(Wezly[r.NrWezla].X), r.Y = static_cast<float>(Wezly[r.NrWezla].Y);
    for (DaneRondo& r : Ronda)
        r.X = static_cast<float>(Wezly[r.NrWezla].X), r.Y = static_cast<float>(Wezly[r.NrWezla].Y);
}

// Written lines, each given by its number counted from 1.
inline void SprawdzLinie(const std::vector<std::string>& l,
                         std::initializer_list<std::pair<std::size_t, std::string>> oczekiwane)
{
    for (const auto& [nr, tekst] : oczekiwane) {
        ASSERT_LE(nr, l.size());
        EXPECT_EQ(l[nr - 1], tekst) << "line " << nr;
    }
}

// A reader over the lines of one section, its tag line already read.
inline CzytnikProjektu CzytnikSekcji(const std::vector<std::string>& linie)
{
    CzytnikProjektu c(linie, "sekcja.rup");
    c.Linia();
    return c;
}
