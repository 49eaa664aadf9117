#include "junction/UstawieniaRysunku.h"

#include "model/Wezel.h"

namespace {

// The fields the global settings and a node's own copies share by name.
template <typename Zrodlo>
UstawieniaRysunku WspolnePola(const Zrodlo& z)
{
    UstawieniaRysunku u;
    u.KolorLinii = z.KolorLinii;
    u.KolorWypelnien = z.KolorWypelnien;
    u.KolorTytulow = z.KolorTytulow;
    u.KolorOpisow = z.KolorOpisow;
    u.GrLinie = z.GrLinie;
    u.TylkoSuma = z.TylkoSuma;
    u.TabelkaWW = z.TabelkaWW;
    u.RysujProcenty = z.RysujProcenty;
    u.RysujOznaczenie = z.RysujOznaczenie;
    u.Rysuj0Zawrotki = z.Rysuj0Zawrotki;
    u.Rysuj0Natezenia = z.Rysuj0Natezenia;
    u.PiszSume = z.PiszSume;
    u.PiszStruk = z.PiszStruk;
    u.PiszZeraStruk = z.PiszZeraStruk;
    for (std::size_t k = 0; k < 4; ++k) {
        u.RysujPrzejscia[k] = z.RysujPrzejscia[k];
        u.SumujPrzejscia[k] = z.SumujPrzejscia[k];
        u.KoloryPrzejsc[k] = z.KoloryPrzejsc[k];
        u.NazwyPrzejsc[k] = z.NazwyPrzejsc[k].str();
    }
    return u;
}

UstawieniaRysunku Globalne()
{
    UstawieniaRysunku u = WspolnePola(wg);
    u.RozmiaryLegendy = RozmiaryLegendy;
    u.RozmiaryOpisow = RozmiaryOpisow;
    u.OdlegloscPrzejscia.fill(wg.OdlegloscPrzejsc);
    // The node's legends are drawn only under its own settings.
    u.LegendaPrzejsc = false;
    u.Struktura = false;
    u.Wlasne = false;
    return u;
}

UstawieniaRysunku Wlasne(const DaneWezel& w)
{
    UstawieniaRysunku u = WspolnePola(w);
    u.RozmiaryLegendy = w.RozmiaryLegendy;
    u.RozmiaryOpisow = w.RozmiaryOpisow;
    // The node keeps five distances; a junction uses those of inlets 1 to 4.
    for (std::size_t k = 0; k < 4; ++k)
        u.OdlegloscPrzejscia[k] = w.OdlegloscPrzejscia[k];
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
