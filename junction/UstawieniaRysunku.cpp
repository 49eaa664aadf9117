#include "junction/UstawieniaRysunku.h"

#include "model/Wezel.h"

namespace {

UstawieniaRysunku Globalne()
{
    UstawieniaRysunku u;
    u.KolorLinii = wg.KolorLinii;
    u.KolorWypelnien = wg.KolorWypelnien;
    u.KolorTytulow = wg.KolorTytulow;
    u.KolorOpisow = wg.KolorOpisow;
    u.GrLinie = wg.GrLinie;
    u.TylkoSuma = wg.TylkoSuma;
    u.TabelkaWW = wg.TabelkaWW;
    u.RysujProcenty = wg.RysujProcenty;
    u.RysujOznaczenie = wg.RysujOznaczenie;
    u.Rysuj0Zawrotki = wg.Rysuj0Zawrotki;
    u.Rysuj0Natezenia = wg.Rysuj0Natezenia;
    u.PiszSume = wg.PiszSume;
    u.PiszStruk = wg.PiszStruk;
    u.PiszZeraStruk = wg.PiszZeraStruk;
    u.RozmiaryLegendy = RozmiaryLegendy;
    u.RozmiaryOpisow = RozmiaryOpisow;
    for (std::size_t k = 0; k < 4; ++k) {
        u.RysujPrzejscia[k] = wg.RysujPrzejscia[k];
        u.SumujPrzejscia[k] = wg.SumujPrzejscia[k];
        u.KoloryPrzejsc[k] = wg.KoloryPrzejsc[k];
        u.NazwyPrzejsc[k] = wg.NazwyPrzejsc[k].str();
        u.OdlegloscPrzejscia[k] = wg.OdlegloscPrzejsc;
    }
    // The node's legends are drawn only under its own settings.
    u.LegendaPrzejsc = false;
    u.Struktura = false;
    u.Wlasne = false;
    return u;
}

UstawieniaRysunku Wlasne(const DaneWezel& w)
{
    UstawieniaRysunku u;
    u.KolorLinii = w.KolorLinii;
    u.KolorWypelnien = w.KolorWypelnien;
    u.KolorTytulow = w.KolorTytulow;
    u.KolorOpisow = w.KolorOpisow;
    u.GrLinie = w.GrLinie;
    u.TylkoSuma = w.TylkoSuma;
    u.TabelkaWW = w.TabelkaWW;
    u.RysujProcenty = w.RysujProcenty;
    u.RysujOznaczenie = w.RysujOznaczenie;
    u.Rysuj0Zawrotki = w.Rysuj0Zawrotki;
    u.Rysuj0Natezenia = w.Rysuj0Natezenia;
    u.PiszSume = w.PiszSume;
    u.PiszStruk = w.PiszStruk;
    u.PiszZeraStruk = w.PiszZeraStruk;
    u.RozmiaryLegendy = w.RozmiaryLegendy;
    u.RozmiaryOpisow = w.RozmiaryOpisow;
    // The node keeps five distances; a junction uses those of inlets 1 to 4.
    for (std::size_t k = 0; k < 4; ++k) {
        u.RysujPrzejscia[k] = w.RysujPrzejscia[k];
        u.SumujPrzejscia[k] = w.SumujPrzejscia[k];
        u.KoloryPrzejsc[k] = w.KoloryPrzejsc[k];
        u.NazwyPrzejsc[k] = w.NazwyPrzejsc[k].str();
        u.OdlegloscPrzejscia[k] = w.OdlegloscPrzejscia[k];
    }
    u.LegendaPrzejsc = w.LegendaPrzejsc;
    u.Struktura = w.Struktura;
    u.Wlasne = true;
    return u;
}

} // namespace

UstawieniaRysunku ZbierzUstawieniaRysunku(int32_t nrWezla)
{
    if (nrWezla < 0 || nrWezla >= static_cast<int32_t>(Wezly.size()))
        return Globalne();
    const DaneWezel& w = Wezly[static_cast<std::size_t>(nrWezla)];
    return w.Globalne ? Globalne() : Wlasne(w);
}
