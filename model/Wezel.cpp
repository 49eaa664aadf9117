#include "model/Wezel.h"

std::vector<DaneWezel> Wezly;

void UstawPrzejsciaNowegoWezla(DaneWezel& w)
{
    for (int k = 0; k < 4; ++k) {
        w.RysujPrzejscia[k] = 0;
        w.NazwyPrzejsc[k] = DomyslneNazwyPrzejsc[k];
    }
    w.KoloryPrzejsc = DomyslneKoloryPrzejsc;
    w.OdlegloscPrzejscia.fill(4.0f);
    w.LegendaPrzejsc = 0;
    w.Struktura = 0;
    w.LegendaPrzejscX = -5.0f;
    w.LegendaPrzejscY = 5.0f;
}

void KopiujUstawieniaGlobalne(DaneWezel& w)
{
    w.RozmiaryLegendy = RozmiaryLegendy;
    w.RozmiaryOpisow = RozmiaryOpisow;
    w.RysujProcenty = wg.RysujProcenty;
    w.RysujOznaczenie = wg.RysujOznaczenie;
    w.TylkoSuma = wg.TylkoSuma;
    w.TabelkaWW = wg.TabelkaWW;
}

DaneWezel NowyWezel(double x, double y, std::string_view nazwa, char typ)
{
    DaneWezel w;
    w.X = x;
    w.Y = y;
    w.Typ = typ;
    w.Nazwa = nazwa;
    w.TytulDx = -5.0f;
    w.TytulDy = 12.0f;
    w.TytulH = 1.0f;
    w.TytulWyrownanie = 'L';
    w.GrLinie = 0.0f;
    KopiujUstawieniaGlobalne(w);
    w.Rysuj0Zawrotki = 0;
    w.Rysuj0Natezenia = 0;
    w.PiszSume = wg.PiszSume;
    w.PiszStruk = wg.PiszStruk;
    w.PiszZeraStruk = wg.PiszZeraStruk;
    w.Globalne = 1;
    w.KolorLinii = w.KolorWypelnien = w.KolorOpisow = w.KolorTytulow = KolorCzarny;
    UstawPrzejsciaNowegoWezla(w);
    w.SumujPrzejscia.fill(0);
    w.LegendaStrukturyX = -5.0f;
    w.LegendaStrukturyY = 5.0f;
    return w;
}
