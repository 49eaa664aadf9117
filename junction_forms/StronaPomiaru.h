#pragma once
// What the junction and roundabout data windows do alike on their count
// page: the coefficient grid, the count's description and stamp, the
// automatic update from a newer count file, and the head and showing of a
// text report.

#include <string>
#include <vector>

#include "junction_forms/GeometriaWezla.h"
#include "model/NaglowekDiagramu.h"
#include "model/Pomiar.h"

class QLabel;
class QTableWidget;

namespace pola {
// A grid cell's text as the program holds texts, "" for an empty cell.
std::string Komorka(const QTableWidget* t, int wiersz, int kolumna);
void UstawKomorke(QTableWidget* t, int wiersz, int kolumna, const std::string& tekst, bool stala = false);
}  // namespace pola

// Column 2 of rows 1..20 (grid rows 0..19) without blanks and with the
// system's separator, written back; a cell that is no coefficient names its
// row (the last one wins).
WynikKontroli SprawdzSiatkeWspolczynnikow(QTableWidget* siatka);
// The coefficients of a checked grid, 0 for an empty cell.
void CzytajSiatkeWspolczynnikow(const QTableWidget* siatka, DaneWspolczynniki& w);
// The class names and the count's own factors into columns 1 and 2.
void PokazKlasyPomiaru(QTableWidget* siatka, const DanePomiar& p);

// The last-edit stamp of a count: "YYYY-MM-DD HH:MM:SS".
std::string StempelPomiaru(const DanePomiar& p);

// The count's file and description into the page's labels.
struct EtykietyPomiaru {
    QLabel *plik, *lokalizacja, *sekcja, *dataCzas, *opis1, *opis2;
};
void PokazOpisPomiaru(const EtykietyPomiaru& e, const DanePomiar& p);

// Reads the count file of `kopia` over it when the file was edited after the
// copy's stamp. True when it was re-read; a file that cannot be read shows
// the reader's message.
bool AktualizujZPliku(DanePomiar& kopia);

// The diagram's forecast copy over its linked forecast (or added and linked).
void ZapiszPrognozeDiagramu(NaglowekDiagramu& d, const DanePrognoza& kopia);
// The diagram's coefficients and count copies, likewise.
void ZapiszPomiarDiagramu(NaglowekDiagramu& d, const DanePomiar& pomiar, const DaneWspolczynniki& wsp);

// A report's lines under the common head (today, now, the project's file),
// shown in the report window.
void PokazRaportOkna(const std::vector<std::string>& tresc);
