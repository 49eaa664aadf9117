#pragma once
// What the junction window tests share: typing as a user does, and a
// started program with a small project of entered junction diagrams.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QString>
#include <cmath>

#include "base/Teksty.h"
#include "junction/ObliczRuchoplan.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "pomoc.h"

// The text typed into an edit: the user's edit signal follows.
inline void Wpisz(QLineEdit* pole, const QString& tekst)
{
    pole->setText(tekst);
    emit pole->textEdited(tekst);
}

template <class T>
T* Kontrolka(QObject* okno, const char* nazwa)
{
    T* k = okno->findChild<T*>(nazwa);
    EXPECT_NE(k, nullptr) << nazwa;
    return k;
}

// The width of arm `ramie`'s inlet band at its outer end, after a redraw.
inline double SzerokoscWlotu(const DaneRuchoplan& r, int ramie)
{
    const PunktXYS a = PunktPasa(r, PasWlotu(ramie), 2, 1), b = PunktPasa(r, PasWlotu(ramie), 2, 5);
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

class Formularze : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        UstawSeparatorDziesietny('.');
        Uruchom();
        // Two junctions in two variants, all entered; volumes differ per variant.
        ZbudujProjekt(2, 2);
        ProjektZmieniony = false;
    }
    // The record of node `wezel` in variant `wariant`.
    static int Rekord(int wezel, int wariant)
    {
        for (int i = 0; i < LiczbaRuchoplanow(); ++i)
            if (Ruchoplany[i].NrWezla == wezel && Ruchoplany[i].NrWariantu == wariant)
                return i;
        return -1;
    }
};
