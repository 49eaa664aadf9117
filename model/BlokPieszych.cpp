// The crossing flags of every junction diagram and roundabout, and the
// vehicle-type table that each junction diagram section carries.
#include "model/Projekt.h"
#include "model/Sekcje.h"

void ZapiszBlokPieszych(PisarzProjektu& p)
{
    p.Linia("");
    p.Linia(LiniaPieszych);
    for (const DaneRuchoplan& r : Ruchoplany)
        for (uint8_t x : r.Przejscie)
            p.LogicznaTN(x);
    for (const DaneRondo& r : Ronda)
        for (uint8_t x : r.Przejscie)
            p.LogicznaTN(x);
}

void CzytajBlokPieszych(CzytnikProjektu& c)
{
    for (DaneRuchoplan& r : Ruchoplany)
        for (uint8_t& x : r.Przejscie)
            x = c.LogicznaTN();
    for (DaneRondo& r : Ronda)
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
    LiczbaSkladow = liczba;
    for (DaneSklad& s : Sklad) {
        s.Aktywny = c.LogicznaTN();
        c.Tekst(s.Oznaczenie);
        c.Tekst(s.Nazwa);
        s.Wspolczynnik = c.RzeczywistaLubDomyslnaS(1.0);
    }
}
