// Counts, forecasts and coefficient sets of the project: defaults and appending.
#include "model/Pomiar.h"

#include <algorithm>
#include <ctime>

#include "base/Teksty.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "base/Kodowanie.h"
#include "platform/PlikTekstowy.h"

namespace {

const char* const KluczPojazdow = "__________UstawOznWspPojazdow";
const char* const KluczPrzejsc = "__________UstawOznPrzejsc";

// Names in Windows-1250.
const char* const WbudowaneNazwyPojazdow[KlasPojazdow] = {
    "Osobowe", "Dostawcze", "Ci\xEA\xBF" "arowe", "Ci\xEA\xBF" "arowe z przyczep\xB9", "Autobusy", "Motocykle",
    "Tramwaj", "TIR", "Rowerzy\x9C" "ci", "inne", "inne", "inne", "inne", "inne", "inne", "inne", "inne", "inne",
    "inne", "Zaprz\xEA" "gowe"};
const char* const WbudowaneOznPojazdow[KlasPojazdow] = {
    "Oso", "Dos", "Cwe", "CzP", "BUS", "Mot", "Tra", "TIR", "Row", "i1",
    "i2", "i3", "i4", "i5", "i6", "i7", "i8", "i9", "i10", "Zap"};
const char* const WbudowaneNazwyPrzejsc[KategoriiPrzejsc] = {"Piesi", ("Rowerzy\x9C" "ci"), "...", "..."};
const char* const WbudowaneOznPrzejsc[KategoriiPrzejsc] = {"Pie", "Row", "...", "..."};

void UstawWbudowaneKlasy(DanePomiar& p)
{
    for (int c = 0; c < KlasPojazdow; ++c) {
        p.NazwaPojazdu[c] = WbudowaneNazwyPojazdow[c];
        p.OznPojazdu[c] = WbudowaneOznPojazdow[c];
        p.WspPojazdu[c] = 1.0f;
    }
    for (int k = 0; k < KategoriiPrzejsc; ++k) {
        p.NazwaPrzejscia[k] = WbudowaneNazwyPrzejsc[k];
        p.OznPrzejscia[k] = WbudowaneOznPrzejsc[k];
    }
}

// Reads the two blocks of a count settings file (lines past its end are "");
// "" or the message of the first factor that is no number (what was read
// before it stays).
std::string CzytajUstawieniaPomiaru(CzytnikProjektu& f, DanePomiar& p)
{
    while (!f.Koniec()) {
        std::string linia = f.Linia();
        if (linia == KluczPojazdow) {
            for (int c = 0; c < KlasPojazdow; ++c) {
                p.NazwaPojazdu[c] = f.Linia();
                p.OznPojazdu[c] = f.Linia();
                linia = f.Linia();
                double w = 0.0;
                if (!SprobujTekstNaLiczbe(PoprawSeparator(linia), w))
                    return Utf8NaCp1250("Współczynnik pojazdu nr ") + std::to_string(c + 1) + Utf8NaCp1250(" nie jest liczbą: \"") +
                       linia.substr(0, 40) + "\".";
                p.WspPojazdu[c] = static_cast<float>(w);
            }
        }
        if (linia == KluczPrzejsc) {
            for (int k = 0; k < KategoriiPrzejsc; ++k) {
                p.NazwaPrzejscia[k] = f.Linia();
                p.OznPrzejscia[k] = f.Linia();
            }
        }
    }
    return "";
}

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
    std::string blad;
    std::vector<std::string> linie;
    if (CzytajLinie(sciezka, linie, blad)) {
        CzytnikProjektu plik(std::move(linie), sciezka);
        blad = CzytajUstawieniaPomiaru(plik, p);
    } else {
        blad.clear();
        UstawWbudowaneKlasy(p);
    }
    if (!blad.empty())
        return blad;

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
    return "";
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
