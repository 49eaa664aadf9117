#pragma once
// A string grid as the count windows use it: cells addressed as (column,
// row) with row 1 the first row under the header, texts in Windows-1250.

#include <QTableWidget>
#include <string>

#include "base/Kodowanie.h"

class TSiatka : public QTableWidget {
    Q_OBJECT
public:
    TSiatka(const char* nazwa, int wierszy, QWidget* rodzic);

    std::string Komorka(int kolumna, int wiersz) const;
    // The same for a text that enters a count, telling whether every
    // character has a Windows-1250 form.
    TekstZOkna KomorkaZOkna(int kolumna, int wiersz) const;
    // Fixed cells (the row number and name columns) cannot be edited.
    void UstawKomorke(int kolumna, int wiersz, const std::string& tekst, bool stala = false);
    // A cell still being typed in is taken as typed.
    void Zatwierdz();
    // Column widths, and the grid made `zapas` pixels wider than its columns.
    void UstawSzerokosci(const std::vector<int>& szerokosci, int zapas);
    // Tall enough for every row: a window opens showing the whole grid when
    // the screen holds it (and grows the grid when the user enlarges it).
    QSize sizeHint() const override;
};
