// Counts, forecasts and coefficient sets of the project: defaults and appending.
#include "model/Pomiar.h"

#include <algorithm>
#include <ctime>

#include "base/Teksty.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "base/Kodowanie.h"
#include "model/UstawieniaPomiaru.h"
#include "platform/KatalogProgramu.h"

namespace {

void DzisIteraz(TDataCzas& dzis, TDataCzas& teraz)
{
    const std::time_t t = std::time(nullptr);
    std::tm czas{};
    localtime_r(&t, &czas);
    dzis = KodujDate(czas.tm_year + 1900, czas.tm_mon + 1, czas.tm_mday);
    teraz = KodujCzas(czas.tm_hour, czas.tm_min, std::min(czas.tm_sec, 59));
}

}  // namespace

void UstawDomyslnaPrognoze(DanePrognoza& p)
{
    p.TrybPrognoza = 1;
    for (auto& wiersz : p.PrognozaPojazdy)
        wiersz.fill("");
    for (auto& wiersz : p.PrognozaPrzejscia)
        wiersz.fill("");
}

std::string UstawDomyslnyPomiar(DanePomiar& p)
{
    const std::string sciezka = KatalogPomiarow + "/Ustawienia/domyslne.upm";
    UstawieniaPomiaru u = WbudowanePrzejscia(WbudowaneKlasyPojazdow());
    bool przejscia = true;
    std::string blad, uwaga;
    // A damaged defaults file would spoil every new count: the built-in
    // table is taken instead, and the user told why.
    if (PlikIstnieje(sciezka) && !CzytajPlikUstawien(sciezka, u, przejscia, blad)) {
        u = WbudowanePrzejscia(WbudowaneKlasyPojazdow());
        przejscia = true;
        uwaga = blad + Utf8NaCp1250("\nNowy pomiar ma wbudowane klasy pojazdów.");
    }
    UstawKlasyPomiaru(p, u, przejscia);

    p.Lokalizacja = "";
    p.Sekcja = "";
    p.Opis2Linie.fill("");
    p.TypWezla = "J01";
    p.WlotJest.fill(1);
    p.MaxJest = 4;
    p.RysujZawrotki = 0;
    DzisIteraz(p.DataOstEdycja, p.GodzOstEdycja);
    p.DataPomiaru = p.DataOstEdycja;
    p.GodzPomiaru = TekstNaCzas("14:00:00");
    p.CzasPomiaru = 60;
    for (auto& wiersz : p.NatezeniaPojazdow)
        wiersz.fill(0);
    p.NatezeniaPojazdowSumy.fill(0);
    for (auto& wiersz : p.NatezeniaPrzejsc)
        wiersz.fill(0);
    p.NatezeniaPrzejscSumy.fill(0);
    p.PomiarZmieniony = 0;
    return uwaga;
}

void PoliczSumyPomiaru(DanePomiar& p)
{
    for (std::size_t w = 0; w < WlotowPomiaru; ++w) {
        int64_t pojazdy = 0, przejscia = 0;
        for (std::size_t c = 0; c < KlasPojazdow; ++c)
            for (int32_t x : p.NatezeniaPojazdow[w * KlasPojazdow + c])
                pojazdy += x;
        for (int32_t x : p.NatezeniaPrzejsc[w])
            przejscia += x;
        // Cells within their limit keep a total within 32 bits.
        p.NatezeniaPojazdowSumy[w] = static_cast<int32_t>(pojazdy);
        p.NatezeniaPrzejscSumy[w] = static_cast<int32_t>(przejscia);
    }
}

void DodajPomiar(const DanePomiar& p) { Pomiary.push_back(p); }

const DanePomiar* PomiarNr(int32_t nr) { return JestIndeksem(nr, Pomiary) ? &Pomiary[static_cast<std::size_t>(nr)] : nullptr; }
const DanePomiar* PomiarDiagramu(uint8_t zPomiaru, int32_t nrPomiaru, const Projekt& p)
{
    if (zPomiaru == 0 || !JestIndeksem(nrPomiaru, p.Pomiary))
        return nullptr;
    return &p.Pomiary[static_cast<std::size_t>(nrPomiaru)];
}
void DodajPrognoze(const DanePrognoza& p) { Prognozy.push_back(p); }
void DodajWspolczynniki(const DaneWspolczynniki& w) { Wspolczynniki.push_back(w); }
