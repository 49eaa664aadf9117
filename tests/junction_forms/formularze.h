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
#include "model/Projekt.h"
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

// The project's first count ("brak.pom", 57 class-1 vehicles from inlet 1
// to exit 3), coefficient set (class 1 at 1.25) and forecast (class 1 of
// all inlets +10%), for a diagram to link at index 0. `wlotow`: the count's
// inlets, 0 keeping the default.
inline void DodajPomiarWspolczynnikiIPrognoze(int32_t wlotow = 0)
{
    DanePomiar p;
    UstawDomyslnyPomiar(p);
    p.NazwaPliku = "brak.pom";
    if (wlotow > 0)
        p.MaxJest = wlotow;
    p.NatezeniaPojazdow[0][2] = 57;
    DodajPomiar(p);
    DaneWspolczynniki w;
    w.Wspolczynnik[0] = 1.25f;
    DodajWspolczynniki(w);
    DanePrognoza f;
    UstawDomyslnaPrognoze(f);
    f.PrognozaPojazdy[0][0] = "10%";
    DodajPrognoze(f);
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
