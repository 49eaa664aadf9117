// Defaults and totals of the junction diagram records.
#include "model/Ruchoplan.h"

#include "model/Projekt.h"
#include "model/Ustawienia.h"

void WypelnijDomyslnyRuchoplan(DaneRuchoplan& r, const TUstawieniaGlobalne& u)
{
    static_cast<NaglowekDiagramu&>(r) = NaglowekDiagramu{};
    r.Odsuniecie.fill(0.5f);
    r.Ramie.fill(1);
    r.Przejscie.fill(1);
    r.Strzalka.fill(1);
    r.Dlugosc.fill(7.0f);
    r.DlugoscPom.fill(5.5f);
    r.Zawrotka.fill(3.5f);
    r.Kat.fill(0.0f);
    r.Natezenia.fill(0);
    for (auto& blok : r.NatezeniaStruktura)
        blok.fill(0);
    r.OpisRamienia.fill(" ");
    r.GlobOdsuniecie = 0.5f;
    r.GlobDlugosc = 7.0f;
    r.GlobDlugoscPom = 6.0f;
    r.GlobZawrotka = 3.5f;
    r.GlobPromienLewoskretu = 4.0f;
    r.GlobPromienPrawoskretu = 2.0f;
    r.PoprawkaLewoskretow = 0.0f;
    r.PoprawkaPrawoskretow = 0.0f;
    r.PromienLewoskretu.fill(4.0f);
    r.PromienPrawoskretu.fill(2.0f);
    r.Oznaczenie = {"D", "A", "B", "C"};
    r.Globalne = 1;
    r.Tytul.fill("");
    r.KoloryRelacji.fill(u.KolorWypelnien);
    r.KoloryPodstawowe = {u.KolorLinii, u.KolorOpisow, u.KolorTytulow, u.KolorWypelnien};
    r.Przejscia.fill(DanePrzejscia{});
}

void UstawDomyslnyRuchoplan(int32_t indeks, int32_t wariant, int32_t wezel, Projekt& p)
{
    std::vector<DaneRuchoplan>& ruchoplany = p.Ruchoplany;
    if (!JestIndeksem(indeks, ruchoplany))
        return;
    WypelnijDomyslnyRuchoplan(ruchoplany[indeks], p.wg);

    const int32_t wzor = WzorWezla(ruchoplany, indeks, wezel);
    if (wzor < 0)
        return;

    DaneRuchoplan& r = ruchoplany[indeks];
    r = ruchoplany[wzor];
    r.NowyWariantWezla(wariant, wezel);
    r.ZeStruktury = 0;
    r.Natezenia.fill(0);
    for (auto& blok : r.NatezeniaStruktura)
        blok.fill(0);
    r.Przejscia.fill(DanePrzejscia{});
    // The volumes are gone, so are their totals.
    PoliczSumyRuchoplanu(r);
}

DaneRuchoplan RuchoplanZerowy()
{
    DaneRuchoplan r;
    static_cast<NaglowekDiagramu&>(r) = NaglowekDiagramu::Zerowy();
    r.Oznaczenie.fill("");
    r.Ramie.fill(0);
    r.Przejscie.fill(0);
    r.Odsuniecie.fill(0.0f);
    r.Dlugosc.fill(0.0f);
    r.DlugoscPom.fill(0.0f);
    r.Zawrotka.fill(0.0f);
    r.GlobPromienLewoskretu = r.GlobPromienPrawoskretu = 0.0f;
    r.GlobDlugosc = r.GlobDlugoscPom = r.GlobOdsuniecie = r.GlobZawrotka = 0.0f;
    r.PromienLewoskretu.fill(0.0f);
    r.PromienPrawoskretu.fill(0.0f);
    r.Globalne = 0;
    r.OpisRamienia.fill("");
    r.Strzalka.fill(0);
    return r;
}

namespace {

// Entry and exit totals of the relation volumes q(4 * i + j).
template <class Natezenie>
void PoliczSumy(DaneRuchoplan& r, Natezenie q)
{
    r.SumaWlotu.fill(0);
    r.SumaWylotu.fill(0);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            // Wrapping adds: a file may hold any int32 values.
            const auto x = static_cast<uint32_t>(q(4 * i + j));
            r.SumaWlotu[i] = static_cast<int32_t>(static_cast<uint32_t>(r.SumaWlotu[i]) + x);
            r.SumaWylotu[j] = static_cast<int32_t>(static_cast<uint32_t>(r.SumaWylotu[j]) + x);
        }
}

}  // namespace

void PoliczSumyRuchoplanu(DaneRuchoplan& r)
{
    PoliczSumy(r, [&r](int k) { return r.Natezenia[k]; });
}

void PoliczSumyZeStruktury(DaneRuchoplan& r)
{
    PoliczSumy(r, [&r](int k) { return r.NatezeniaStruktura[k][0]; });
}
