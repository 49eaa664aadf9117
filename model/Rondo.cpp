// New values of the roundabout records.
#include "model/Rondo.h"

#include "model/Projekt.h"
#include "model/Ustawienia.h"

namespace {

void WypelnijDomyslneRondo(DaneRondo& r, const TUstawieniaGlobalne& u)
{
    static_cast<NaglowekDiagramu&>(r) = NaglowekDiagramu{};
    r.Oznaczenie = {"A", "B", "C", "D", "E"};
    r.PromienR = 3.0f;
    r.PromienWewn = 3.0f;
    r.Promien.fill(1.0f);
    r.Kat = DaneRondo{}.Kat;
    r.Ramie = {1, 1, 1, 0, 0};
    r.Przejscie.fill(1);
    r.LiczbaRamion = 3;
    r.Dlugosc.fill(7.0f);
    r.DlugoscPom.fill(6.0f);
    r.Odsuniecie.fill(0.5f);
    r.RysujStrzalki.fill(1);
    for (auto& wiersz : r.Macierz)
        wiersz.fill(0);
    for (auto& wiersz : r.StrukturaRelacji)
        for (auto& blok : wiersz)
            blok.fill(0);
    r.DaneRelacje = 1;
    r.SumaWylotuRel.fill(0);
    r.SumaWlotuRel.fill(0);
    r.NatezeniaPrzejsc = {};
    r.SumaWylotu.fill(0);
    r.SumaWlotu.fill(0);
    r.Tytul.fill("");
    r.TytulH = 0.75f;
    r.KolorLinii = u.KolorLinii;
    r.KolorOpisow = u.KolorOpisow;
    r.KolorTytulow = u.KolorTytulow;
    r.KolorWypelnien = u.KolorWypelnien;
    r.KolorWlotu.fill(u.KolorWypelnien);
    r.KolorWylotu.fill(u.KolorWypelnien);
}

}  // namespace

void UstawDomyslneRondo(int32_t indeks, int32_t wariant, int32_t wezel, Projekt& p)
{
    std::vector<DaneRondo>& ronda = p.Ronda;
    if (!JestIndeksem(indeks, ronda))
        return;
    WypelnijDomyslneRondo(ronda[indeks], p.wg);

    // Another roundabout of the node lends its geometry.
    const int32_t wzor = WzorWezla(ronda, indeks, wezel);
    if (wzor < 0)
        return;

    DaneRondo& r = ronda[indeks];
    r = ronda[wzor];
    r.NowyWariantWezla(wariant, wezel);
    for (auto& wiersz : r.Macierz)
        wiersz.fill(0);
    r.NatezeniaPrzejsc = {};
    r.SumaWylotu.fill(0);
    r.SumaWlotu.fill(0);
    r.SumaWylotuRel.fill(0);
    r.SumaWlotuRel.fill(0);
}

DaneRondo RondoZerowe()
{
    DaneRondo r;
    static_cast<NaglowekDiagramu&>(r) = NaglowekDiagramu::Zerowy();
    r.Oznaczenie.fill("");
    r.PromienR = r.PromienWewn = 0.0f;
    r.Promien.fill(0.0f);
    r.Kat.fill(0.0f);
    r.Ramie.fill(0);
    r.Przejscie.fill(0);
    r.LiczbaRamion = 0;
    r.Dlugosc.fill(0.0f);
    r.DlugoscPom.fill(0.0f);
    r.Odsuniecie.fill(0.0f);
    r.RysujStrzalki.fill(0);
    r.DaneRelacje = 0;
    r.TytulH = 0.0f;
    return r;
}
