#pragma once
// Windows whose content comes with later work. Each exists already, named and
// reached as the rest of the program expects, so that start-up creates every
// window in its order; the main window keeps the commands that open them
// disabled until they are filled.

#include <QDialog>

// The count and forecast windows are real; their globals come with them.
#include "counts/OknaPomiarow.h"

class TOknoZastepcze : public QDialog {
    Q_OBJECT
public:
    TOknoZastepcze(const char* nazwa, const QString& tytul, QWidget* rodzic);
};

#define KG_OKNO_ZASTEPCZE(Klasa, Nazwa, Tytul)                                           \
    class Klasa : public TOknoZastepcze {                                              \
    public:                                                                            \
        explicit Klasa(QWidget* rodzic = nullptr) : TOknoZastepcze(#Nazwa, Tytul, rodzic) {} \
    };                                                                                 \
    extern Klasa* Nazwa;

KG_OKNO_ZASTEPCZE(TDaneRonda, DaneRonda, "Dane ronda")
KG_OKNO_ZASTEPCZE(TGeometriaRondo, GeometriaRondo, "Geometria ronda")
KG_OKNO_ZASTEPCZE(TNatezeniaRUPL, NatezeniaRUPL, "Natężenia ruchoplanu")
KG_OKNO_ZASTEPCZE(TGeometriaRuchoplan, GeometriaRuchoplan, "Geometria ruchoplanu")
KG_OKNO_ZASTEPCZE(TUstawSuwak, UstawSuwak, "Suwak")
KG_OKNO_ZASTEPCZE(TWstawBlok, WstawBlok, "Wstaw blok")
KG_OKNO_ZASTEPCZE(TEdycjaOpisy, EdycjaOpisy, "Opis")
KG_OKNO_ZASTEPCZE(TKopiujSchowek, KopiujSchowek, "Kopiuj do schowka")

#undef KG_OKNO_ZASTEPCZE
