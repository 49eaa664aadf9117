#pragma once
// The "Pokazuj" group of the count editor and the count browser: which count
// files the list shows.

#include <QGroupBox>

#include "counts/ListaPomiarow.h"

class QLineEdit;
class QRadioButton;

class TFiltrOkna : public QGroupBox {
    Q_OBJECT
public:
    explicit TFiltrOkna(QWidget* rodzic);

    QRadioButton* RB_Wszystko;
    QRadioButton* RB_OstDniPomiar;
    QLineEdit* E_OstDniPomiar;
    QRadioButton* RB_OstDniEdycja;
    QLineEdit* E_OstDniEdycja;
    QRadioButton* RB_SzukajWNazwie;
    QLineEdit* E_SzukajWNazwie;
    QRadioButton* RB_SzukajSekcja;
    QLineEdit* E_SzukajSekcja;

    // The filter as chosen (both node types).
    FiltrPomiarow Filtr() const;
};

// Today's date, date part only.
TDataCzas Dzisiaj();
