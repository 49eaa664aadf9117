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

double Skala = 1.0;
double SrodekX = 0.0;
double SrodekY = 0.0;
TZakresWidoku ZakresWidoku;

bool WyjscieEkran = true;
bool WyjscieDrukarka = false;
bool WyjscieDxf = false;
bool WyjscieSchowek = false;
bool TekstTT = false;

float NowyOpisSx = 1.0f;

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

void UstawArkuszZDrukarki()
{
    ArkuszZeStronyDrukarki(wg);
    wg.ArkuszBUser = 20.5f;
    wg.ArkuszHUser = 28.5f;
    wg.OdstepArkuszyB = 5.0f;
    wg.OdstepArkuszyH = 5.0f;
}

// The whole page with a 1 cm border fits the drawing area.
void DopasujWidok()
{
    ZakresWidoku.XMin = -1.0;
    ZakresWidoku.XMax = wg.ArkuszB + 1.0;
    ZakresWidoku.YMin = -1.0;
    ZakresWidoku.YMax = wg.ArkuszH + 1.0;
    int w = 0;
    int h = 0;
    Okno().RozmiarPodgladu(w, h);
    // A drawing area of 5 pixels or less would divide by zero or flip the view.
    const double szer = std::max(w - 5, 1);
    const double wys = std::max(h - 5, 1);
    const double sx = std::fabs(ZakresWidoku.XMax - ZakresWidoku.XMin) * 1000.0 / szer;
    const double sy = std::fabs(ZakresWidoku.YMax - ZakresWidoku.YMin) * 1000.0 / wys;
    Skala = std::max(sx, sy);
    SrodekX = (ZakresWidoku.XMax + ZakresWidoku.XMin) / 2.0;
    SrodekY = (ZakresWidoku.YMax + ZakresWidoku.YMin) / 2.0;
}

}  // namespace

void UstawNowyDokument(Projekt& p)
{
    UstawNastawyNowegoProjektu(p);
    p.Plik.clear();

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
    UstawNowyDokument(p);
    return p;
}

void NowyProjekt()
{
    WyjscieEkran = true;
    WyjscieDrukarka = false;
    WyjscieDxf = false;
    WyjscieSchowek = false;
    TekstTT = false;

    UstawArkuszZDrukarki();
    UstawNowyDokument(BiezacyProjekt);
    // A new project draws in the default font, whatever the last one chose.
    PrzywrocDomyslnaCzcionke();

    BiezacyWariant = -1;
    Okno().WyczyscWarianty();
    Okno().UstawTekstWariantu("");
    NowyOpisSx = 1.0f;
    Okno().ZerujTryby();

    DopasujWidok();

    Okno().UstawPolecenia();
    Okno().UstawTytul("...");
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
