// The crossing flags of every junction diagram and roundabout, and the
// vehicle-type table that each junction diagram section carries.
#include "model/Projekt.h"
#include "model/Sekcje.h"

void ZapiszBlokPieszych(PisarzProjektu& p)
{
    p.Linia("");
    p.Linia(LiniaPieszych);
    for (const DaneRuchoplan& r : p.Zrodlo().Ruchoplany)
        for (uint8_t x : r.Przejscie)
            p.LogicznaTN(x);
    for (const DaneRondo& r : p.Zrodlo().Ronda)
        for (uint8_t x : r.Przejscie)
            p.LogicznaTN(x);
}

void CzytajBlokPieszych(CzytnikProjektu& c)
{
    Projekt& cel = c.Cel();
    // A file cut inside the block would silently clear the remaining flags.
    const std::size_t potrzeba = 4 * cel.Ruchoplany.size() + 5 * cel.Ronda.size();
    if (c.PozostaloLinii() < potrzeba)
        c.Blad("plik ko\xF1" "czy si\xEA wewn\xB9trz bloku przej\x9C\xE6.");
    for (DaneRuchoplan& r : cel.Ruchoplany)
        for (uint8_t& x : r.Przejscie)
            x = c.LogicznaTN();
    for (DaneRondo& r : cel.Ronda)
        for (uint8_t& x : r.Przejscie)
            x = c.LogicznaTN();
}

void CzytajSkladStruktury(CzytnikProjektu& c)
{
    const int32_t liczba = c.Calkowita();
    // Rows 1..LiczbaSkladow are used as indices into the table.
    if (liczba < 0 || liczba >= RozmiarSkladu)
        c.Blad("liczba typ\xF3w pojazd\xF3w " + std::to_string(liczba) + " poza zakresem 0.." +
               std::to_string(RozmiarSkladu - 1) + ".");
    if (c.PozostaloLinii() < 4 * static_cast<std::size_t>(RozmiarSkladu))
        c.Blad("plik ko\xF1" "czy si\xEA wewn\xB9trz tabeli typ\xF3w pojazd\xF3w.");
    c.Cel().LiczbaSkladow = liczba;
    for (DaneSklad& s : c.Cel().Sklad) {
        s.Aktywny = c.LogicznaTN();
        c.Tekst(s.Oznaczenie);
        c.Tekst(s.Nazwa);
        s.Wspolczynnik = c.RzeczywistaLubDomyslnaS(1.0);
    }
}
