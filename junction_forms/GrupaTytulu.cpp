#include "junction_forms/GrupaTytulu.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "base/Teksty.h"
#include "junction_forms/Pola.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "model/Wezel.h"
#include "platform/qt/Kodowanie_qt.h"

using namespace pola;

QGroupBox* ZbudujGrupeTytulu(QWidget* okno, KontrolkiTytulu& k, const PodpisyTytulu& p,
                             const std::function<void()>& zmianaTekstu, const std::function<void()>& zmianaWyboru)
{
    auto* g = new QGroupBox(QString::fromUtf8("NAGŁÓWEK"), okno);
    g->setObjectName("GroupBox2");
    auto* u = new QGridLayout(g);
    k.Tytul1 = NowePole(g, "Tytul1", 0);
    k.Tytul2 = NowePole(g, "Tytul2", 0);
    k.Tytul3 = NowePole(g, "Tytul3", 0);
    k.E_dxOpis = NowePole(g, "E_dxOpis");
    k.E_dyOpis = NowePole(g, "E_dyOpis");
    k.CB_HTytul = new QComboBox(g);
    k.CB_HTytul->setObjectName("CB_HTytul");
    k.CB_HTytul->setEditable(true);
    for (const char* h : p.wysokosci)
        k.CB_HTytul->addItem(NaQString(PoprawSeparator(h)));
    k.RB_centrum = NowyWybor(g, "RB_centrum", p.centrum);
    k.RB_lewy = NowyWybor(g, "RB_lewy", p.lewy);
    k.RB_prawy = NowyWybor(g, "RB_prawy", p.prawy);
    k.WstawSzablon = NowyPrzycisk(g, "WstawSzablon", "Wstaw szablon");
    // A group of their own: left to Qt's automatic exclusivity, the window's
    // other radio buttons would count them as theirs and uncheck one of them.
    auto* wyrownanie = new QButtonGroup(g);
    for (QRadioButton* r : {k.RB_lewy, k.RB_centrum, k.RB_prawy})
        wyrownanie->addButton(r);
    int w = 0;
    // No length limit in the edits: a longer text (from the file or pasted)
    // would be cut unseen; the commit refuses what the record cannot hold.
    for (QLineEdit* t : {k.Tytul1, k.Tytul2, k.Tytul3})
        u->addWidget(t, w++, 0, 1, 6);
    u->addWidget(new QLabel(p.dx, g), w, 0);
    u->addWidget(k.E_dxOpis, w, 1);
    u->addWidget(new QLabel(p.dy, g), w, 2);
    u->addWidget(k.E_dyOpis, w, 3);
    u->addWidget(new QLabel(p.h, g), w, 4);
    u->addWidget(k.CB_HTytul, w, 5);
    ++w;
    u->addWidget(k.RB_lewy, w, 0);
    u->addWidget(k.RB_centrum, w, 1);
    u->addWidget(k.RB_prawy, w, 2);
    u->addWidget(k.WstawSzablon, w, 4, 1, 2);
    for (QLineEdit* e : {k.Tytul1, k.Tytul2, k.Tytul3, k.E_dxOpis, k.E_dyOpis})
        QObject::connect(e, &QLineEdit::textEdited, okno, zmianaTekstu);
    QObject::connect(k.CB_HTytul->lineEdit(), &QLineEdit::textEdited, okno, zmianaWyboru);
    QObject::connect(k.CB_HTytul, &QComboBox::textActivated, okno, zmianaWyboru);
    for (QRadioButton* r : {k.RB_centrum, k.RB_lewy, k.RB_prawy})
        QObject::connect(r, &QRadioButton::clicked, okno, zmianaWyboru);
    return g;
}

void PokazTytul(KontrolkiTytulu& k, const std::array<std::string, 3>& teksty, float dx, float dy, float h,
                char wyrownanie, const char* maska)
{
    UstawTekstPola(k.Tytul1, teksty[0]);
    UstawTekstPola(k.Tytul2, teksty[1]);
    UstawTekstPola(k.Tytul3, teksty[2]);
    k.pokazaneDx = FormatFloat(maska, dx);
    k.pokazaneDy = FormatFloat(maska, dy);
    k.pokazanaWysokosc = FormatFloat(maska, h);
    UstawTekstPola(k.E_dxOpis, k.pokazaneDx);
    UstawTekstPola(k.E_dyOpis, k.pokazaneDy);
    k.CB_HTytul->setCurrentText(NaQString(k.pokazanaWysokosc));
    if (wyrownanie == 'C')
        k.RB_centrum->setChecked(true);
    else if (wyrownanie == 'L')
        k.RB_lewy->setChecked(true);
    else if (wyrownanie == 'P')
        k.RB_prawy->setChecked(true);
}

LiczbyTytulu CzytajLiczbyTytulu(KontrolkiTytulu& k)
{
    LiczbyTytulu l;
    l.dx = PoprawPole(k.E_dxOpis);
    l.dy = PoprawPole(k.E_dyOpis);
    l.h = PoprawSeparator(ZQString(k.CB_HTytul->currentText()));
    return l;
}

void ZapiszLiczbyTytulu(const KontrolkiTytulu& k, const LiczbyTytulu& l, float& dx, float& dy, float& h)
{
    // As the file keeps them.
    auto jakWPliku = [](double x) { return static_cast<float>(JakWPliku(x, maski::Polozenie)); };
    if (l.dx != PoprawSeparator(k.pokazaneDx))
        dx = jakWPliku(l.wartoscDx);
    if (l.dy != PoprawSeparator(k.pokazaneDy))
        dy = jakWPliku(l.wartoscDy);
    if (l.h != PoprawSeparator(k.pokazanaWysokosc))
        h = std::max(0.2f, jakWPliku(l.wartoscH));
}

char WyrownanieTytulu(const KontrolkiTytulu& k, char obecne)
{
    return k.RB_centrum->isChecked() ? 'C' : k.RB_lewy->isChecked() ? 'L' : k.RB_prawy->isChecked() ? 'P' : obecne;
}

void WstawSzablonTytulu(KontrolkiTytulu& k, const DaneWezel& w)
{
    UstawTekstPola(k.Tytul1, w.Tytul1.str());
    UstawTekstPola(k.Tytul2, w.Tytul2.str());
    UstawTekstPola(k.Tytul3, w.Tytul3.str());
    UstawTekstPola(k.E_dxOpis, FormatFloat("##0.##", w.TytulDx));
    UstawTekstPola(k.E_dyOpis, FormatFloat("##0.##", w.TytulDy));
    k.CB_HTytul->setCurrentText(NaQString(FormatFloat("##0.##", w.TytulH)));
    (w.TytulWyrownanie == 'P' ? k.RB_prawy : w.TytulWyrownanie == 'L' ? k.RB_lewy : k.RB_centrum)->setChecked(true);
}
