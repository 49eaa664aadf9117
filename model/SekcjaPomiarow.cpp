// Counts "pm1", forecasts "pr1" and coefficient sets "wp1".
#include <string>

#include "base/Teksty.h"
#include "model/CzytanieRekordow.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"

namespace {

constexpr int LiniiPomiaru = 704;
constexpr int LiniiPrognozy = 146;
constexpr int LiniiWspolczynnikow = 21;

void ZapiszPomiar(PisarzProjektu& p, const DanePomiar& m)
{
    p.Linia(DataNaTekst(m.DataOstEdycja));
    p.Linia(CzasNaTekst(m.GodzOstEdycja));
    p.Linia(DataNaTekst(m.DataPomiaru));
    p.Linia(CzasNaTekst(m.GodzPomiaru));
    p.Calkowita(m.CzasPomiaru);
    p.Tekst(m.NazwaPliku);
    p.Tekst(m.Lokalizacja);
    p.Tekst(m.Sekcja);
    p.Tekst(m.Opis2Linie[0]);
    p.Tekst(m.Opis2Linie[1]);
    p.Tekst(m.TypWezla);
    p.Calkowita(m.MaxJest);
    for (uint8_t w : m.WlotJest)
        p.LogicznaMala(w);
    p.LogicznaMala(m.RysujZawrotki);
    for (int c = 0; c < KlasPojazdow; ++c) {
        p.Tekst(m.NazwaPojazdu[c]);
        p.Tekst(m.OznPojazdu[c]);
        p.Rzeczywista(m.WspPojazdu[c], maski::WspolczynnikPojazdu);
    }
    p.Linia("__________NatezeniaPojazdow");
    for (const auto& wiersz : m.NatezeniaPojazdow)
        for (int32_t x : wiersz)
            p.Calkowita(x);
    p.Linia("__________SumyPojazdow");
    for (int32_t x : m.NatezeniaPojazdowSumy)
        p.Calkowita(x);
    p.Linia("__________NatezeniaNaRelacjach");
    for (const auto& wiersz : m.NatezeniaNaRelacjach)
        for (int32_t x : wiersz)
            p.Calkowita(x);
    for (int k = 0; k < KategoriiPrzejsc; ++k) {
        p.Tekst(m.NazwaPrzejscia[k]);
        p.Tekst(m.OznPrzejscia[k]);
    }
    for (const auto& wiersz : m.NatezeniaPrzejsc)
        for (int32_t x : wiersz)
            p.Calkowita(x);
    for (int32_t x : m.NatezeniaPrzejscSumy)
        p.Calkowita(x);
    for (const auto& wiersz : m.NatezeniaPrzejscObliczone)
        for (int32_t x : wiersz)
            p.Calkowita(x);
    p.Linia("");
}

TDataCzas CzytajDate(CzytnikScisly& c, bool czas)
{
    const std::string linia = c.Linia();
    try {
        return czas ? TekstNaCzas(linia) : TekstNaDate(linia);
    } catch (const BladKonwersji&) {
        c.Blad(std::string(czas ? "nieprawidłowy czas" : "nieprawidłowa data") + " \"" + linia.substr(0, 40) + "\"");
    }
}

void CzytajPomiar(CzytnikScisly& c, DanePomiar& m)
{
    m.DataOstEdycja = CzytajDate(c, false);
    m.GodzOstEdycja = CzytajDate(c, true);
    m.DataPomiaru = CzytajDate(c, false);
    m.GodzPomiaru = CzytajDate(c, true);
    m.CzasPomiaru = c.Calkowita(granice::CzasPomiaru);
    c.Tekst(m.NazwaPliku);
    c.Tekst(m.Lokalizacja);
    c.Tekst(m.Sekcja);
    c.Tekst(m.Opis2Linie[0]);
    c.Tekst(m.Opis2Linie[1]);
    c.Tekst(m.TypWezla);
    m.MaxJest = c.Calkowita(granice::LiczbaWlotow);
    for (uint8_t& w : m.WlotJest)
        w = c.LogicznaMala();
    m.RysujZawrotki = c.LogicznaMala();
    for (int k = 0; k < KlasPojazdow; ++k) {
        c.Tekst(m.NazwaPojazdu[k]);
        c.Tekst(m.OznPojazdu[k]);
        m.WspPojazdu[k] = c.RzeczywistaS(granice::Wspolczynnik);
    }
    c.Pomin();
    for (auto& wiersz : m.NatezeniaPojazdow)
        for (int32_t& x : wiersz)
            x = c.Calkowita();
    c.Pomin();
    for (int32_t& x : m.NatezeniaPojazdowSumy)
        x = c.Calkowita();
    c.Pomin();
    for (auto& wiersz : m.NatezeniaNaRelacjach)
        for (int32_t& x : wiersz)
            x = c.Calkowita();
    for (int k = 0; k < KategoriiPrzejsc; ++k) {
        c.Tekst(m.NazwaPrzejscia[k]);
        c.Tekst(m.OznPrzejscia[k]);
    }
    for (auto& wiersz : m.NatezeniaPrzejsc)
        for (int32_t& x : wiersz)
            x = c.Calkowita();
    for (int32_t& x : m.NatezeniaPrzejscSumy)
        x = c.Calkowita();
    for (auto& wiersz : m.NatezeniaPrzejscObliczone)
        for (int32_t& x : wiersz)
            x = c.Calkowita();
    c.Pomin();
}

// The title, the count (which the rest of the file must be able to hold) and
// the separator line.
int32_t CzytajLiczbe(CzytnikScisly& c, int liniiNaRekord)
{
    c.Pomin();
    const int32_t n = c.Liczba(liniiNaRekord);
    c.Pomin();
    return n;
}

}  // namespace

void ZapiszSekcjePomiarow(PisarzProjektu& p)
{
    const std::vector<DanePomiar>& pomiary = p.Zrodlo().Pomiary;
    if (pomiary.empty())
        return;
    p.Naglowek("pm1", "Pomiary", static_cast<int64_t>(pomiary.size()));
    for (const DanePomiar& m : pomiary)
        ZapiszPomiar(p, m);
}

void CzytajSekcjePomiarow(CzytnikProjektu& c)
{
    CzytnikScisly s(c);
    const int32_t n = CzytajLiczbe(s, LiniiPomiaru);
    std::vector<DanePomiar>& pomiary = c.Cel().Pomiary;
    pomiary.assign(static_cast<std::size_t>(n), DanePomiar{});
    for (DanePomiar& m : pomiary)
        CzytajPomiar(s, m);
}

void ZapiszSekcjePrognoz(PisarzProjektu& p)
{
    const std::vector<DanePrognoza>& prognozy = p.Zrodlo().Prognozy;
    if (prognozy.empty())
        return;
    p.Naglowek("pr1", "Prognozy", static_cast<int64_t>(prognozy.size()));
    for (const DanePrognoza& f : prognozy) {
        p.Logiczna(f.TrybPrognoza);
        for (const auto& wiersz : f.PrognozaPojazdy)
            for (const auto& komorka : wiersz)
                p.Tekst(komorka);
        for (const auto& wiersz : f.PrognozaPrzejscia)
            for (const auto& komorka : wiersz)
                p.Tekst(komorka);
        p.Linia("");
    }
}

void CzytajSekcjePrognoz(CzytnikProjektu& c)
{
    CzytnikScisly s(c);
    const int32_t n = CzytajLiczbe(s, LiniiPrognozy);
    std::vector<DanePrognoza>& prognozy = c.Cel().Prognozy;
    prognozy.assign(static_cast<std::size_t>(n), DanePrognoza{});
    for (DanePrognoza& f : prognozy) {
        f.TrybPrognoza = s.Logiczna();
        for (auto& wiersz : f.PrognozaPojazdy)
            for (auto& komorka : wiersz)
                s.Tekst(komorka);
        for (auto& wiersz : f.PrognozaPrzejscia)
            for (auto& komorka : wiersz)
                s.Tekst(komorka);
        s.Pomin();
    }
}

void ZapiszSekcjeWspolczynnikow(PisarzProjektu& p)
{
    const std::vector<DaneWspolczynniki>& wspolczynniki = p.Zrodlo().Wspolczynniki;
    if (wspolczynniki.empty())
        return;
    p.Naglowek("wp1", "Wspolczynniki pomiaru", static_cast<int64_t>(wspolczynniki.size()));
    for (const DaneWspolczynniki& w : wspolczynniki) {
        for (float x : w.Wspolczynnik)
            p.Rzeczywista(x, maski::Wspolczynnik);
        p.Linia("");
    }
}

void CzytajSekcjeWspolczynnikow(CzytnikProjektu& c)
{
    CzytnikScisly s(c);
    const int32_t n = CzytajLiczbe(s, LiniiWspolczynnikow);
    std::vector<DaneWspolczynniki>& wspolczynniki = c.Cel().Wspolczynniki;
    wspolczynniki.assign(static_cast<std::size_t>(n), DaneWspolczynniki{});
    for (DaneWspolczynniki& w : wspolczynniki) {
        for (float& x : w.Wspolczynnik)
            x = s.RzeczywistaS(granice::Wspolczynnik);
        s.Pomin();
    }
}
