#pragma once
// Windows whose content comes with later work. Each exists already, named and
// reached as the rest of the program expects, so that start-up creates every
// window in its order; the main window keeps the commands that open them
// disabled until they are filled.

#include <QDialog>

// The count and forecast windows and the junction and roundabout data
// windows are real;
// their globals come with them.
#include "counts/OknaPomiarow.h"
#include "junction_forms/OknaRuchoplanu.h"

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

KG_OKNO_ZASTEPCZE(TWstawBlok, WstawBlok, "Wstaw blok")
KG_OKNO_ZASTEPCZE(TEdycjaOpisy, EdycjaOpisy, "Opis")
KG_OKNO_ZASTEPCZE(TKopiujSchowek, KopiujSchowek, "Kopiuj do schowka")

#undef KG_OKNO_ZASTEPCZE
