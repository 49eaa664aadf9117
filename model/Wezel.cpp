#include "model/Wezel.h"

#include "model/Projekt.h"

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

void KopiujUstawieniaGlobalne(DaneWezel& w, const Projekt& p)
{
    w.RozmiaryLegendy = p.RozmiaryLegendy;
    w.RozmiaryOpisow = p.RozmiaryOpisow;
    w.RysujProcenty = p.wg.RysujProcenty;
    w.RysujOznaczenie = p.wg.RysujOznaczenie;
    w.TylkoSuma = p.wg.TylkoSuma;
    w.TabelkaWW = p.wg.TabelkaWW;
}

DaneWezel NowyWezel(double x, double y, std::string_view nazwa, char typ, const Projekt& p)
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
    KopiujUstawieniaGlobalne(w, p);
    w.Rysuj0Zawrotki = 0;
    w.Rysuj0Natezenia = 0;
    w.PiszSume = p.wg.PiszSume;
    w.PiszStruk = p.wg.PiszStruk;
    w.PiszZeraStruk = p.wg.PiszZeraStruk;
    w.Globalne = 1;
    w.KolorLinii = w.KolorWypelnien = w.KolorOpisow = w.KolorTytulow = KolorCzarny;
    UstawPrzejsciaNowegoWezla(w);
    w.SumujPrzejscia.fill(0);
    w.LegendaStrukturyX = -5.0f;
    w.LegendaStrukturyY = 5.0f;
    return w;
}
