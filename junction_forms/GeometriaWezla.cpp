// The junction geometry's checks and its store into every variant's record.
#include "junction_forms/GeometriaWezla.h"

#include <algorithm>
#include <cmath>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "model/Ruchoplan.h"
#include "model/Wezel.h"

namespace {

bool Liczba(const std::string& t, double& x) { return SprobujTekstNaLiczbe(PoprawSeparator(t), x); }

const char* const JezdniaKata[4] = {"POŁUDNIOWEJ", "WSCHODNIEJ", "PÓŁNOCNEJ", "ZACHODNIEJ"};
const char* const JezdniaGrupy[4] = {"południowej", "wschodniej", "północnej", "zachodniej"};

// The diagrams of the node of record `rekord`, in index order.
template <class F>
void DlaWezla(int32_t rekord, F f)
{
    if (!JestIndeksem(rekord, Ruchoplany))
        return;
    const int32_t wezel = Ruchoplany[static_cast<std::size_t>(rekord)].NrWezla;
    for (DaneRuchoplan& r : Ruchoplany)
        if (r.NrWezla == wezel)
            f(r);
}

// As the window's two-decimal labels carry a number.
double DwaMiejsca(double x) { return TekstNaLiczbe(FormatFloat("0.00", x), x); }

}  // namespace

WynikKontroli SprawdzKaty(const std::array<std::string, 4>& katy)
{
    WynikKontroli w;
    std::array<double, 4> k{};
    for (int i = 0; i < 4; ++i)
        if (!Liczba(katy[static_cast<std::size_t>(i)], k[static_cast<std::size_t>(i)])) {
            w.ok = false;
            w.komunikat = Utf8NaCp1250(std::string("Nieprawidłowy kąt jezdni ") + JezdniaKata[i]);
        }
    if (!w.ok)
        return w;
    for (int i = 0; i < 4; ++i)
        if (k[static_cast<std::size_t>(i)] < -44.0 || k[static_cast<std::size_t>(i)] > 44.0) {
            w.ok = false;
            w.komunikat = Utf8NaCp1250(std::string("Nieprawidłowy kąt jezdni ") + JezdniaKata[i] +
                                       " dopuszczalny zakres <-44,44> st.");
        }
    return w;
}

WynikKontroli SprawdzParametry(const std::array<TGrupaTekstow, GrupGeometrii>& teksty)
{
    std::string komunikat;
    // A text that is no number fails its group; the range tests below skip it.
    std::array<std::array<bool, PolGrupy>, GrupGeometrii> jest{};
    std::array<TGrupaLiczb, GrupGeometrii> x{};
    for (std::size_t g = 0; g < GrupGeometrii; ++g) {
        bool grupaDobra = true;
        for (std::size_t p = 0; p < PolGrupy; ++p) {
            // Offsets either way, the rest sizes: within what a file holds.
            const GranicaPola& granica = p == GrOdsuniecie ? granice::Przesuniecie : granice::Wymiar;
            jest[g][p] = Liczba(teksty[g][p], x[g][p]) && granica.Miesci(x[g][p]);
            if (!jest[g][p] && grupaDobra) {
                grupaDobra = false;
                komunikat = g == 0 ? std::string("Nieprawidłowe parametry globalne!")
                                   : std::string("Nieprawidłowe parametry jezdni ") + JezdniaGrupy[g - 1] + "!";
            }
        }
    }
    // The first group member below its floor gives the step's message.
    auto ponizej = [&](PoleGrupy p, double prog, const char* tekst) {
        for (std::size_t g = 0; g < GrupGeometrii; ++g)
            if (jest[g][p] && x[g][p] < prog) {
                komunikat = tekst;
                return;
            }
    };
    if (komunikat.empty())
        ponizej(GrDlugosc, 2.0, "Długość musi być większa od 2[cm]!");
    ponizej(GrPomocnicza, 0.1, "Długość pomocnicza musi być większa od 0.1[cm]!");
    ponizej(GrPromienPrawy, 0.1, "Promień (prawoskręty) musi być większy od 0.1[cm]!");
    ponizej(GrPromienLewy, 0.1, "Promień (lewoskręty) musi być większy od 0.1[cm]!");
    ponizej(GrZawrotka, 0.1, "Zawrotki (odległość) musi być większa od 0.1[cm]!");
    WynikKontroli w;
    w.ok = komunikat.size() <= 1;
    w.komunikat = Utf8NaCp1250(komunikat);
    return w;
}

float PoprawkaPrawaRamienia(int ramie, float r) { return ramie == 1 || ramie == 3 ? r : -r; }
float PoprawkaLewaRamienia(int ramie, float l) { return ramie == 1 || ramie == 3 ? -l : l; }

double PromienRamienia(double wpisany, float poprawka)
{
    return std::max(0.1, TekstNaLiczbe(FormatFloat("##0.##", wpisany + DwaMiejsca(poprawka)), 0.1));
}

namespace {

// The geometry as the file keeps it, so that what is stored reopens.
void ZaokraglijGeometrie(DaneRuchoplan& r)
{
    auto dwa = [](float& x) { x = static_cast<float>(JakWPliku(x, maski::Polozenie)); };
    for (std::size_t k = 0; k < 4; ++k) {
        r.Kat[k] = static_cast<float>(JakWPliku(r.Kat[k], maski::KatRuchoplanu));
        for (float* x : {&r.Odsuniecie[k], &r.Dlugosc[k], &r.DlugoscPom[k], &r.Zawrotka[k], &r.PromienLewoskretu[k],
                         &r.PromienPrawoskretu[k]})
            dwa(*x);
    }
    for (float* x : {&r.GlobOdsuniecie, &r.GlobDlugosc, &r.GlobDlugoscPom, &r.GlobZawrotka, &r.GlobPromienLewoskretu,
                     &r.GlobPromienPrawoskretu})
        dwa(*x);
}

}  // namespace

void ZapiszGeometrieWezla(int32_t rekord, const GeometriaOkna& g)
{
    if (!JestIndeksem(rekord, Ruchoplany))
        return;
    ZmienionoProjekt();
    // The labels of the effective radii show record `rekord`'s corrections.
    const DaneRuchoplan& wzor = Ruchoplany[static_cast<std::size_t>(rekord)];
    const float popR = wzor.PoprawkaPrawoskretow, popL = wzor.PoprawkaLewoskretow;
    const TGrupaLiczb& gl = g.Grupy[0];
    DlaWezla(rekord, [&](DaneRuchoplan& r) {
        r.Obliczony = 0;
        r.GeometriaWprowadzona = 1;
        for (std::size_t k = 0; k < 4; ++k) {
            r.Ramie[k] = g.Ramie[k];
            r.Kat[k] = static_cast<float>(g.KatStopnie[k] * PiOkna / 180.0);
            r.Strzalka[k] = g.Strzalka[k];
            r.Przejscie[k] = g.Przejscie[k];
            r.Oznaczenie[k] = g.Oznaczenie[k];
        }
        for (std::size_t i = 0; i < 8; ++i)
            r.OpisRamienia[i] = g.Opisy[i];
        r.Globalne = g.Globalne ? 1 : 0;
        r.GlobOdsuniecie = static_cast<float>(gl[GrOdsuniecie]);
        r.GlobDlugosc = static_cast<float>(gl[GrDlugosc]);
        r.GlobDlugoscPom = static_cast<float>(r.GlobDlugosc - gl[GrPomocnicza]);
        r.GlobPromienPrawoskretu = static_cast<float>(gl[GrPromienPrawy]);
        r.GlobPromienLewoskretu = static_cast<float>(gl[GrPromienLewy]);
        r.GlobZawrotka = static_cast<float>(gl[GrZawrotka]);
        // Limits of the global group; the edits keep what was typed.
        r.GlobOdsuniecie = std::max(r.GlobOdsuniecie, 0.2f);
        r.GlobDlugosc = std::max(r.GlobDlugosc, 2.0f);
        r.GlobDlugoscPom = std::max(r.GlobDlugoscPom, 1.0f);
        if (r.GlobPromienPrawoskretu - r.PoprawkaPrawoskretow < 0.1f)
            r.GlobPromienPrawoskretu = r.PoprawkaPrawoskretow + 0.1f;
        if (r.GlobPromienLewoskretu - r.PoprawkaLewoskretow < 0.1f)
            r.GlobPromienLewoskretu = r.PoprawkaLewoskretow + 0.1f;
        r.GlobZawrotka = std::max(r.GlobZawrotka, 0.5f);
        for (int k = 1; k <= 4; ++k) {
            const TGrupaLiczb& a = g.Grupy[static_cast<std::size_t>(k)];
            const auto i = static_cast<std::size_t>(k - 1);
            r.Odsuniecie[i] = static_cast<float>(a[GrOdsuniecie]);
            r.Dlugosc[i] = static_cast<float>(a[GrDlugosc]);
            r.DlugoscPom[i] = static_cast<float>(r.Dlugosc[i] - a[GrPomocnicza]);
            r.PromienPrawoskretu[i] = static_cast<float>(PromienRamienia(a[GrPromienPrawy], PoprawkaPrawaRamienia(k, popR)));
            r.PromienLewoskretu[i] = static_cast<float>(PromienRamienia(a[GrPromienLewy], PoprawkaLewaRamienia(k, popL)));
            r.Zawrotka[i] = static_cast<float>(a[GrZawrotka]);
        }
        r.KoloryRelacji = g.KoloryRelacji;
        ZaokraglijGeometrie(r);
    });
    const int32_t wezel = Ruchoplany[static_cast<std::size_t>(rekord)].NrWezla;
    if (JestIndeksem(wezel, Wezly))
        Wezly[static_cast<std::size_t>(wezel)].KolorWypelnien = g.KolorWypel;
}

void OznaczWezelWprowadzony(int32_t rekord)
{
    DlaWezla(rekord, [](DaneRuchoplan& r) { r.GeometriaWprowadzona = 1; });
}

void KrokujPoprawke(int32_t rekord, KrokPoprawki krok)
{
    DlaWezla(rekord, [krok](DaneRuchoplan& r) {
        float& p = krok == KrokPoprawki::LewaPlus || krok == KrokPoprawki::LewaMinus ? r.PoprawkaLewoskretow
                                                                                     : r.PoprawkaPrawoskretow;
        const bool plus = krok == KrokPoprawki::LewaPlus || krok == KrokPoprawki::PrawaPlus;
        p = std::clamp(p + (plus ? 0.1f : -0.1f), -2.0f, 2.0f);
    });
}
