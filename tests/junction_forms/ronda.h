#pragma once
// What the roundabout window tests share: a started program in which two
// roundabout nodes in two variants were made by the main window's commands,
// and the windows' controls by name.

#include <QAction>
#include <QComboBox>
#include <QTableWidget>

#include "formularze.h"
#include "model/Rondo.h"

class RondaTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        UstawSeparatorDziesietny('.');
        Uruchom();
        Form1->BNowyClick();
        for (const char* xy : {"10 10", "30 10"}) {
            Form1->findChild<QAction*>("TB_DodajRond")->trigger();
            const QString t = xy;
            Form1->E_x->setText(t.section(' ', 0, 0));
            Form1->E_y->setText(t.section(' ', 1, 1));
            Form1->B_Wstaw->click();
        }
        for (const char* nazwa : {"W1", "W2"}) {
            Form1->E_Index->setText(nazwa);
            Form1->findChild<QAction*>("TB_DodajWariant")->trigger();
        }
        ASSERT_EQ(LiczbaRond(), 4);
        ProjektZmieniony = false;
    }

    static int Rekord(int wezel, int wariant)
    {
        for (int i = 0; i < LiczbaRond(); ++i)
            if (Ronda[i].NrWezla == wezel && Ronda[i].NrWariantu == wariant)
                return i;
        return -1;
    }

    // The geometry window shown for record `n`, as the main window shows it.
    static void PokazGeometrie(int n)
    {
        GeometriaRondo->L_NrRonda->setText(QString::number(n));
        GeometriaRondo->FormShow();
    }
    static void PokazDane(int n)
    {
        DaneRonda->L_NrRonda->setText(QString::number(n));
        DaneRonda->FormShow();
    }
    static QLineEdit* PoleG(const char* nazwa) { return Kontrolka<QLineEdit>(GeometriaRondo, nazwa); }
    static QLineEdit* PoleD(const std::string& nazwa) { return Kontrolka<QLineEdit>(DaneRonda, nazwa.c_str()); }
    static void Liczba(QComboBox* c, const char* tekst)
    {
        c->setCurrentText(tekst);
        emit c->textActivated(tekst);
    }
    // The page of the data window as the user picks it (its handler runs).
    static void Strona(int strona, int wewnetrzna = 0)
    {
        DaneRonda->PC_NatRond->setCurrentIndex(strona);
        DaneRonda->PC_DaneRonda->setCurrentIndex(wewnetrzna);
    }
};
