#include "model/Projekt.h"

#include <algorithm>
#include <cmath>

#include "base/Teksty.h"
#include "model/OknoGlowne.h"

std::vector<DaneWariant> Warianty;
std::vector<DaneOpis> Opisy;
std::vector<DaneBlokWpis> DefinicjeBlokow;
std::vector<KrotkiTekst<255>> LinieBlokow;
std::vector<DaneBlok> Bloki;
TNastawySchowek NastawySchowek;

std::array<DaneSklad, RozmiarSkladu> Sklad;
int32_t LiczbaSkladow = 5;

int32_t BiezacyWariant = -1;
int32_t LiczbaWezlowRuchoplanow = 0;
int32_t LiczbaWezlowRond = 0;
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
float NowyOpisSy = 1.0f;

std::string KatalogProjektow;
std::string KatalogPomiarow;
std::string KatalogPrognoz;
std::string KatalogUstawien;

int32_t DpiDrukarkiX = 0;
int32_t DpiDrukarkiY = 0;

void UstawDomyslnySklad()
{
    Sklad.fill(DaneSklad{});
    LiczbaSkladow = 5;
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

void PoliczWezlyRuchoplanow()
{
    LiczbaWezlowRuchoplanow =
        static_cast<int32_t>(std::count_if(Wezly.begin(), Wezly.end(), [](const DaneWezel& w) { return w.Typ == 'J'; }));
}

void PoliczWezlyRond()
{
    LiczbaWezlowRond =
        static_cast<int32_t>(std::count_if(Wezly.begin(), Wezly.end(), [](const DaneWezel& w) { return w.Typ == 'R'; }));
}

namespace {

void UstawArkuszZDrukarki()
{
    double cmB = 0.0;
    double cmH = 0.0;
    int dpiX = 0;
    int dpiY = 0;
    if (Okno().RozmiarStronyDrukarki(cmB, cmH, dpiX, dpiY) && cmB > 0.0 && cmH > 0.0) {
        DpiDrukarkiX = dpiX;
        DpiDrukarkiY = dpiY;
        wg.ArkuszB = static_cast<float>(cmB);
        wg.ArkuszH = static_cast<float>(cmH);
    } else {
        wg.ArkuszB = 20.5f;
        wg.ArkuszH = 28.5f;
    }
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

void NowyProjekt()
{
    WyjscieEkran = true;
    WyjscieDrukarka = false;
    WyjscieDxf = false;
    WyjscieSchowek = false;
    TekstTT = false;

    UstawNastawyNowegoProjektu();
    UstawArkuszZDrukarki();

    Wezly.clear();
    Ruchoplany.clear();
    Ronda.clear();
    Warianty.clear();
    LiczbaWezlowRuchoplanow = 0;
    LiczbaWezlowRond = 0;
    BiezacyWariant = -1;
    Okno().WyczyscWarianty();
    Okno().UstawTekstWariantu("");

    DefinicjeBlokow.clear();
    LinieBlokow.clear();
    Bloki.clear();
    NowyOpisSx = 1.0f;
    NowyOpisSy = 1.0f;
    Opisy.clear();

    Okno().ZerujTryby();

    NastawySchowek.X1 = 0.0f;
    NastawySchowek.X2 = wg.ArkuszB;
    NastawySchowek.Y1 = 0.0f;
    NastawySchowek.Y2 = wg.ArkuszH;
    NastawySchowek.PunktowNaCm = 50;
    NastawySchowek.KolorTla = KolorBialy;

    DopasujWidok();

    Okno().UstawPolecenia();
    Okno().UstawTytul("...");

    Pomiary.clear();
    Prognozy.clear();
    Wspolczynniki.clear();

    UstawDomyslnySklad();
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
