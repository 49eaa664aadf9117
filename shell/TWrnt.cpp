#include "shell/TWrnt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/Teksty.h"
#include "model/Granice.h"
#include "model/Operacje.h"
#include "model/Projekt.h"
#include "platform/qt/Kodowanie_qt.h"
#include "shell/Arkusz.h"
#include "shell/Dialogi.h"
#include "shell/Kontrolki.h"
#include "shell/PytanieTakNieKasuj.h"
#include "shell/TForm1.h"

TWrnt* Wrnt = nullptr;

TWrnt::TWrnt(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("Wrnt");
    setWindowTitle(U("Dodaj wariant"));
    setModal(true);

    Lista_Wariantow = new QListWidget(this);
    Lista_Wariantow->setObjectName("Lista_Wariantow");
    E_Index = NowePole(this, "E_Index");
    E_Index->setMaximumWidth(400);
    Tytul1 = NowePole(this, "Tytul1");
    Tytul2 = NowePole(this, "Tytul2");
    Tytul3 = NowePole(this, "Tytul3");
    auto* grupa = new QGroupBox(U("Opis do wariantu (pkt wstawienia górny, lewy narożnik)"), this);
    auto* ug = new QGridLayout(grupa);
    int w = 0;
    for (QLineEdit* t : {Tytul1, Tytul2, Tytul3}) {
        t->setParent(grupa);
        t->setMaximumWidth(400);
        ug->addWidget(t, w++, 0, 1, 4);
    }
    E_dx = NowePole(grupa, "E_dx");
    E_dy = NowePole(grupa, "E_dy");
    RB_lewy = NowyWybor(grupa, "RB_lewy", U("Lewy"));
    RB_centrum = NowyWybor(grupa, "RB_centrum", U("Centruj"));
    RB_prawy = NowyWybor(grupa, "RB_prawy", U("Prawy"));
    BResetSzablon = NowyPrzycisk(grupa, "BResetSzablon", U("domyśl."));
    ug->addWidget(new QLabel("dx", grupa), 3, 0);
    ug->addWidget(E_dx, 3, 1);
    ug->addWidget(new QLabel("dy", grupa), 3, 2);
    ug->addWidget(E_dy, 3, 3);
    ug->addWidget(RB_lewy, 4, 0);
    ug->addWidget(RB_centrum, 4, 1);
    ug->addWidget(RB_prawy, 4, 2);
    ug->addWidget(BResetSzablon, 4, 3);

    B_Dodaj = NowyPrzycisk(this, "B_Dodaj", U("Dodaj"));
    ZmienOpisWariant = NowyPrzycisk(this, "ZmienOpisWariant", U("Zmień"));
    Button3 = NowyPrzycisk(this, "Button3", U("Usuń"));
    Button2 = NowyPrzycisk(this, "Button2", U("Powrót"));
    auto* przyciski = new QHBoxLayout;
    for (QPushButton* b : {B_Dodaj, ZmienOpisWariant, Button3})
        przyciski->addWidget(b);
    przyciski->addStretch();
    przyciski->addWidget(Button2);
    auto* opis = new QHBoxLayout;
    opis->addWidget(new QLabel(U("Opis"), this));
    opis->addWidget(E_Index);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(Lista_Wariantow);
    uklad->addLayout(opis);
    uklad->addWidget(grupa);
    uklad->addLayout(przyciski);

    connect(Lista_Wariantow, &QListWidget::itemClicked, this, [this] { Lista_WariantowClick(); });
    connect(B_Dodaj, &QPushButton::clicked, this, [this] { B_DodajClick(); });
    connect(ZmienOpisWariant, &QPushButton::clicked, this, [this] { ZmienOpisWariantClick(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(BResetSzablon, &QPushButton::clicked, this, [this] { BResetSzablonClick(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    BResetSzablonClick();
}

void TWrnt::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TWrnt::FormShow() { WypelnijListe(); }

void TWrnt::WypelnijListe()
{
    const QSignalBlocker b(Lista_Wariantow);
    Lista_Wariantow->clear();
    for (const DaneWariant& w : Warianty)
        Lista_Wariantow->addItem(NaQString(w.Nazwa.str()));
}

void TWrnt::OdswiezWariantyOkna()
{
    OdswiezListeWariantow();
    if (JestIndeksem(BiezacyWariant, Warianty))
        Form1->UstawTekstWariantu(PozycjaListyWariantow(BiezacyWariant));
    else
        Form1->UstawTekstWariantu("");
}

char TWrnt::Wyrownanie() const
{
    if (RB_centrum->isChecked())
        return 'C';
    if (RB_lewy->isChecked())
        return 'L';
    if (RB_prawy->isChecked())
        return 'P';
    return 'L';
}

bool TWrnt::DodajWariant(std::string_view nazwa, std::string_view tytul1, std::string_view tytul2,
                         std::string_view tytul3, float dx, float dy, char wyrownanie)
{
    const std::string odmowa = ::DodajWariant(nazwa, tytul1, tytul2, tytul3, dx, dy, wyrownanie);
    if (!odmowa.empty()) {
        PokazBladUzytkownikowi(odmowa);
        return false;
    }
    WypelnijListe();
    ZmienionoProjekt();
    BResetSzablonClick();
    E_Index->clear();
    return true;
}

bool TWrnt::ZmienWariant(int32_t i, std::string_view nazwa, std::string_view tytul1, std::string_view tytul2,
                         std::string_view tytul3, float dx, float dy, char wyrownanie)
{
    if (!JestIndeksem(i, Warianty))
        return false;
    const DaneWariant przed = Warianty[i];
    const std::string odmowa = ::ZmienWariant(i, nazwa, tytul1, tytul2, tytul3, dx, dy, wyrownanie);
    if (!odmowa.empty()) {
        PokazBladUzytkownikowi(odmowa);
        return false;
    }
    WypelnijListe();
    OdswiezWariantyOkna();
    // Changed as it was shown, the variant leaves the project unchanged.
    if (!(Warianty[i] == przed))
        ZmienionoProjekt();
    Form1->Przerysuj();
    return true;
}

bool TWrnt::UsunWariant(int32_t v)
{
    if (!JestIndeksem(v, Warianty))
        return false;
    if (WariantMaDane(v) &&
        PytanieTakNieKasuj->Zapytaj(
            U("Usunięcie wariantu sieci spowoduje skasowanie ruchoplanów lub rond! Kontynuować?"), false) !=
            TPytanieTakNieKasuj::mrTak)
        return false;
    ::UsunWariant(v);
    // The records behind the deleted variant moved down one place.
    ZapomnijZasiegi();
    // The variant shown stays shown when it is still there; otherwise the
    // last one is shown (none when none is left).
    if (v < BiezacyWariant)
        --BiezacyWariant;
    if (BiezacyWariant >= LiczbaWariantow())
        BiezacyWariant = LiczbaWariantow() - 1;
    ZmienionoProjekt();
    return true;
}

void TWrnt::Lista_WariantowClick()
{
    const int i = Lista_Wariantow->currentRow();
    if (!JestIndeksem(i, Warianty))
        return;
    const DaneWariant& w = Warianty[i];
    UstawTekst(Tytul1, w.Tytul1.str());
    UstawTekst(Tytul2, w.Tytul2.str());
    UstawTekst(Tytul3, w.Tytul3.str());
    PokazLiczbe(E_dx, "##0.##", w.TytulDx);
    PokazLiczbe(E_dy, "##0.##", w.TytulDy);
    if (w.TytulWyrownanie == 'P')
        RB_prawy->setChecked(true);
    else if (w.TytulWyrownanie == 'L')
        RB_lewy->setChecked(true);
    else
        RB_centrum->setChecked(true);
    UstawTekst(E_Index, w.Nazwa.str());
}

bool TWrnt::CzytajOpisWariantu(float& dx, float& dy) const
{
    SprawdzanieWartosci s;
    const TekstZOkna nazwa = TekstZPola(E_Index);
    if (UsunSpacje(nazwa.cp1250).empty())
        s.Odrzuc("Pole „Opis” nie może być puste.");
    s.Tekst(nazwa, decltype(DaneWariant::Nazwa)::Pojemnosc, "Opis");
    for (const QLineEdit* t : {Tytul1, Tytul2, Tytul3})
        s.Tekst(TekstZPola(t), decltype(DaneWariant::Tytul1)::Pojemnosc, "Tytuł");
    dx = static_cast<float>(WartoscPola(s, granice::Polozenie, E_dx, "Tytuł: dx", 0.0, maski::Polozenie));
    dy = static_cast<float>(WartoscPola(s, granice::Polozenie, E_dy, "Tytuł: dy", 0.0, maski::Polozenie));
    if (!s.Dobre())
        PokazBladUzytkownikowi(s.Komunikat());
    return s.Dobre();
}

void TWrnt::B_DodajClick()
{
    float dx = 0.0f, dy = 0.0f;
    if (!CzytajOpisWariantu(dx, dy) ||
        !DodajWariant(Tekst(E_Index), Tekst(Tytul1), Tekst(Tytul2), Tekst(Tytul3), dx, dy, Wyrownanie()))
        return;
    if (!JestIndeksem(BiezacyWariant, Warianty) && LiczbaWariantow() > 0) {
        BiezacyWariant = 0;
        Form1->UstawTekstWariantu(PozycjaListyWariantow(0));
    }
    Form1->UstawPolecenia();
    Form1->Przerysuj();
}

void TWrnt::ZmienOpisWariantClick()
{
    const int i = Lista_Wariantow->currentRow();
    if (!JestIndeksem(i, Warianty)) {
        PokazKomunikat(U("Wskaż wariant do modyfikacji!"));
        return;
    }
    float dx = 0.0f, dy = 0.0f;
    if (CzytajOpisWariantu(dx, dy))
        ZmienWariant(i, Tekst(E_Index), Tekst(Tytul1), Tekst(Tytul2), Tekst(Tytul3), dx, dy, Wyrownanie());
}

void TWrnt::Button3Click()
{
    const int i = Lista_Wariantow->currentRow();
    if (!JestIndeksem(i, Warianty))
        PokazKomunikat(U("Wskaż wariant do usunięcia!"));
    else
        UsunWariant(i);
    WypelnijListe();
    OdswiezWariantyOkna();
    Form1->UstawPolecenia();
    Form1->Przerysuj();
}

void TWrnt::BResetSzablonClick()
{
    Tytul1->clear();
    Tytul2->clear();
    Tytul3->clear();
    UstawLiczbe(E_dx, "0", 0.0);
    UstawLiczbe(E_dy, "0", 0.0);
    RB_prawy->setChecked(true);
}

void TWrnt::Button2Click() { accept(); }
