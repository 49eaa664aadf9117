#pragma once
// A colour shape of the settings windows: a small button filled with its
// colour, which the user clicks to choose another.

#include <QPushButton>

#include "base/Typy.h"

class TKsztaltKoloru : public QPushButton {
public:
    TKsztaltKoloru(QWidget* rodzic, const char* nazwa);
    TKolor Kolor() const { return kolor_; }
    void UstawKolor(TKolor kolor);
    // The colour dialog with the shape's colour; true when the user chose one.
    bool WybierzKolor();

private:
    TKolor kolor_ = 0;
};
