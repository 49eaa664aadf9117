#include "model/Ustawienia.h"

#include "base/Kodowanie.h"
#include "platform/KatalogProgramu.h"

#include "model/OknoGlowne.h"
#include "model/Projekt.h"

// "PIESI", "ROWERZYŚCI", "...", "..." in Windows-1250.
const char* const DomyslneNazwyPrzejsc[4] = {"PIESI", ("ROWERZY\x8C" "CI"), "...", "..."};

void ArkuszZeStronyDrukarki(TUstawieniaGlobalne& u)
{
    double cmB = 0.0;
    double cmH = 0.0;
    int dpiX = 0;
    int dpiY = 0;
    if (Okno().RozmiarStronyDrukarki(cmB, cmH, dpiX, dpiY) && cmB > 0.0 && cmH > 0.0) {
        DpiDrukarkiX = dpiX;
        DpiDrukarkiY = dpiY;
        u.ArkuszB = static_cast<float>(cmB);
        u.ArkuszH = static_cast<float>(cmH);
    } else {
        u.ArkuszB = 20.5f;
        u.ArkuszH = 28.5f;
    }
}

void UstawNastawyNowegoProjektu(Projekt& p)
{
    TUstawieniaGlobalne& u = p.wg;
    u.Siatka = 0;
    u.RysujProcenty = 1;
    u.RysujOznaczenie = 1;
    u.Rysuj0Zawrotki = 0;
    u.Rysuj0Natezenia = 1;
    u.TabelkaWW = 0;
    u.PiszSume = 1;
    u.PiszStruk = 1;
    u.PiszZeraStruk = 1;
    u.SkalaPaskow = 0.01f;
    u.SkalaPaskowAuto = 1;
    u.SkalaPaskowMax = 0;
    u.SkalaPaskow100 = 0;
    u.KolorWypelnien = KolorRGB(200, 200, 200);
    u.KolorOpisow = KolorCzarny;
    u.KolorLinii = KolorRGB(150, 150, 150);
    u.KolorTytulow = KolorCzarny;
    u.ArkuszAuto = 1;
    u.OdstepArkuszyB = 5.0f;
    u.OdstepArkuszyH = 5.0f;
    u.KrokSiatki = 1.0f;
    u.ArkuszBUser = 20.5f;
    u.ArkuszHUser = 28.5f;
    u.MinOdlegloscWezlow = 2.0f;
    u.MinPojazd = 50;
    u.MaxSzer = 3.0f;
    u.Pojazd100 = 1.0f;
    u.NazwaCzcionki = DomyslnaCzcionka;
    u.PrzejMaxSzer = 0.5f;
    u.Przej100 = 1.0f;
    u.SkalaPrzejscAuto = 1;
    u.SkalaPrzejscMax = 0;
    u.SkalaPrzejsc100 = 0;
    for (int k = 0; k < 4; ++k) {
        u.NazwyPrzejsc[k] = DomyslneNazwyPrzejsc[k];
        u.RysujPrzejscia[k] = 0;
        u.SumujPrzejscia[k] = 0;
    }
    u.KoloryPrzejsc = DomyslneKoloryPrzejsc;
    u.OdlegloscPrzejsc = 4.0f;
    u.LegendaPrzejsc = 0;
    u.Struktura = 0;
    u.LegendaPrzejscX = 0.0f;
    u.LegendaPrzejscY = 0.0f;
    u.LegendaStrukturyX = 0.0f;
    u.LegendaStrukturyY = 0.0f;

    p.RozmiaryLegendy = TRozmiaryLegendy{};
    p.RozmiaryOpisow = TRozmiaryOpisow{};
}
TWczytajCzcionke WczytajCzcionkeRysunku = nullptr;

namespace {
// The font in the drawing's glyph table; "" when a failed load left it unknown.
std::string wczytanaCzcionka = DomyslnaCzcionka;
}  // namespace

std::string SciezkaCzcionki(const std::string& nazwa)
{
    // The name is the project's text, Windows-1250; the file's name is the system's.
    return PolaczSciezke(KatalogDane(), Cp1250NaUtf8(nazwa) + "100.Lzs");
}

bool WczytajCzcionkeONazwie(const std::string& nazwa)
{
    if (!WczytajCzcionkeRysunku)
        return true;
    if (!WczytajCzcionkeRysunku(SciezkaCzcionki(nazwa))) {
        wczytanaCzcionka.clear();
        return false;
    }
    wczytanaCzcionka = nazwa;
    return true;
}

const std::string& WczytanaCzcionka() { return wczytanaCzcionka; }

void PrzywrocDomyslnaCzcionke()
{
    if (wczytanaCzcionka != DomyslnaCzcionka)
        WczytajCzcionkeONazwie(DomyslnaCzcionka);
}

bool NazwaCzcionkiPoprawna(std::string_view nazwa)
{
    if (nazwa.empty() || nazwa.size() > 64 || nazwa.find("..") != std::string_view::npos)
        return false;
    for (char c : nazwa)
        if (static_cast<unsigned char>(c) < 32 || c == '/' || c == '\\' || c == ':')
            return false;
    return true;
}
