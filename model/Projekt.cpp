#include "model/Projekt.h"

#include <algorithm>
#include <cmath>

#include "base/Teksty.h"
#include "model/OknoGlowne.h"

Projekt BiezacyProjekt;

// Bound here, in the object's own translation unit, so that they are set
// before any other file's static initialisation could use them.
std::vector<DaneWezel>& Wezly = BiezacyProjekt.Wezly;
std::vector<DaneWariant>& Warianty = BiezacyProjekt.Warianty;
std::vector<DaneRuchoplan>& Ruchoplany = BiezacyProjekt.Ruchoplany;
std::vector<DaneRondo>& Ronda = BiezacyProjekt.Ronda;
std::vector<DaneOpis>& Opisy = BiezacyProjekt.Opisy;
std::vector<DaneBlokWpis>& DefinicjeBlokow = BiezacyProjekt.DefinicjeBlokow;
std::vector<KrotkiTekst<255>>& LinieBlokow = BiezacyProjekt.LinieBlokow;
std::vector<DaneBlok>& Bloki = BiezacyProjekt.Bloki;
std::vector<DanePomiar>& Pomiary = BiezacyProjekt.Pomiary;
std::vector<DaneWspolczynniki>& Wspolczynniki = BiezacyProjekt.Wspolczynniki;
std::vector<DanePrognoza>& Prognozy = BiezacyProjekt.Prognozy;
TUstawieniaGlobalne& wg = BiezacyProjekt.wg;
TRozmiaryLegendy& RozmiaryLegendy = BiezacyProjekt.RozmiaryLegendy;
TRozmiaryOpisow& RozmiaryOpisow = BiezacyProjekt.RozmiaryOpisow;
TNastawySchowek& NastawySchowek = BiezacyProjekt.NastawySchowek;
std::array<DaneSklad, RozmiarSkladu>& Sklad = BiezacyProjekt.Sklad;
int32_t& LiczbaSkladow = BiezacyProjekt.LiczbaSkladow;
int32_t& LiczbaWezlowRuchoplanow = BiezacyProjekt.LiczbaWezlowRuchoplanow;
int32_t& LiczbaWezlowRond = BiezacyProjekt.LiczbaWezlowRond;

int32_t BiezacyWariant = -1;
bool ProjektZmieniony = false;

std::string KatalogProjektow;
std::string KatalogPomiarow;
std::string KatalogPrognoz;
std::string KatalogUstawien;

int32_t DpiDrukarkiX = 0;
int32_t DpiDrukarkiY = 0;

void UstawDomyslnySklad(Projekt& p)
{
    auto& Sklad = p.Sklad;
    Sklad.fill(DaneSklad{});
    p.LiczbaSkladow = 5;
    // "ciężarowe", "cieżarowe z przyczepą" in Windows-1250.
    const char* const oznaczenia[6] = {"", "O", "D", "C", "Cp", "A"};
    const char* const nazwy[6] = {"", "osobowe", "dostawcze", "ci\xEA\xBF" "arowe",
                                  "cie\xBF" "arowe z przyczep\xB9", "autobusy"};
    for (int i = 1; i <= 5; ++i) {
        Sklad[i].Aktywny = 1;
        Sklad[i].Oznaczenie = oznaczenia[i];
        Sklad[i].Nazwa = nazwy[i];
    }
}

void PoliczWezlyRuchoplanow(Projekt& p)
{
    p.LiczbaWezlowRuchoplanow = static_cast<int32_t>(
        std::count_if(p.Wezly.begin(), p.Wezly.end(), [](const DaneWezel& w) { return w.Typ == 'J'; }));
}

void PoliczWezlyRond(Projekt& p)
{
    p.LiczbaWezlowRond = static_cast<int32_t>(
        std::count_if(p.Wezly.begin(), p.Wezly.end(), [](const DaneWezel& w) { return w.Typ == 'R'; }));
}

namespace {

void UstawArkuszZDrukarki(TUstawieniaGlobalne& u)
{
    ArkuszZeStronyDrukarki(u);
    u.ArkuszBUser = 20.5f;
    u.ArkuszHUser = 28.5f;
    u.OdstepArkuszyB = 5.0f;
    u.OdstepArkuszyH = 5.0f;
}

}  // namespace

void UstawNowyDokument(Projekt& p)
{
    UstawNastawyNowegoProjektu(p);
    p.Plik.clear();
    p.Zawartosc = {};

    p.Wezly.clear();
    p.Ruchoplany.clear();
    p.Ronda.clear();
    p.Warianty.clear();
    p.LiczbaWezlowRuchoplanow = 0;
    p.LiczbaWezlowRond = 0;

    p.DefinicjeBlokow.clear();
    p.LinieBlokow.clear();
    p.Bloki.clear();
    p.Opisy.clear();

    TNastawySchowek& s = p.NastawySchowek;
    s.X1 = 0.0f;
    s.X2 = p.wg.ArkuszB;
    s.Y1 = 0.0f;
    s.Y2 = p.wg.ArkuszH;
    s.PunktowNaCm = 50;
    s.KolorTla = KolorBialy;

    p.Pomiary.clear();
    p.Prognozy.clear();
    p.Wspolczynniki.clear();

    UstawDomyslnySklad(p);
}

Projekt NowyDokument()
{
    Projekt p;
    p.wg = wg;
    p.NastawySchowek = NastawySchowek;
    UstawArkuszZDrukarki(p.wg);
    UstawNowyDokument(p);
    return p;
}

void NowyProjektZCzcionka()
{
    UstawArkuszZDrukarki(wg);
    UstawNowyDokument(BiezacyProjekt);
    PodniesRewizjeProjektu();

    BiezacyWariant = -1;
    Okno().WyczyscWarianty();
    Okno().UstawTekstWariantu("");
    Okno().ZerujTryby();

    Okno().NowyWidok();

    Okno().UstawPolecenia();
    Okno().UstawTytul("...");
}

void NowyProjekt()
{
    NowyProjektZCzcionka();
    // A new project draws in the default font, whatever the last one chose.
    PrzywrocDomyslnaCzcionke();
}

std::string PoprawSeparator(std::string_view s)
{
    std::string wynik(s);
    const char separator = SeparatorDziesietny();
    for (char& z : wynik)
        if (z == '.' || z == ',')
            z = separator;
    return wynik;
}

std::string UsunSpacje(std::string_view s)
{
    std::string wynik;
    wynik.reserve(s.size());
    for (char z : s)
        if (z != ' ')
            wynik.push_back(z);
    return wynik;
}
