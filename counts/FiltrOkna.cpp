#include "counts/FiltrOkna.h"

#include <QDate>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

#include "base/Teksty.h"
#include "platform/qt/Kodowanie_qt.h"

TFiltrOkna::TFiltrOkna(QWidget* rodzic) : QGroupBox(QStringLiteral("Pokazuj"), rodzic)
{
    setObjectName("RG_Pokazuj");
    auto* siatka = new QGridLayout(this);
    auto radio = [this, siatka](const char* nazwa, const char* tekst, int wiersz) {
        auto* r = new QRadioButton(QString::fromUtf8(tekst), this);
        r->setObjectName(nazwa);
        siatka->addWidget(r, wiersz, 0);
        return r;
    };
    auto edycja = [this, siatka](const char* nazwa, const char* tekst, int wiersz) {
        auto* e = new QLineEdit(QString::fromUtf8(tekst), this);
        e->setObjectName(nazwa);
        siatka->addWidget(e, wiersz, 1);
        return e;
    };
    RB_Wszystko = radio("RB_Wszystko", "Wszystko", 0);
    RB_OstDniPomiar = radio("RB_OstDniPomiar", "Ostatnie                  dni  data pomiaru", 1);
    E_OstDniPomiar = edycja("E_OstDniPomiar", "7", 1);
    RB_OstDniEdycja = radio("RB_OstDniEdycja", "Ostatnie                  dni  zmiany w danych", 2);
    E_OstDniEdycja = edycja("E_OstDniEdycja", "7", 2);
    RB_SzukajWNazwie = radio("RB_SzukajWNazwie", "Zawierających w nazwie węzła", 3);
    E_SzukajWNazwie = edycja("E_SzukajWNazwie", "", 3);
    RB_SzukajSekcja = radio("RB_SzukajSekcja", "Sekcja (numer)", 4);
    E_SzukajSekcja = edycja("E_SzukajSekcja", "", 4);
    RB_Wszystko->setChecked(true);
}

FiltrPomiarow TFiltrOkna::Filtr() const
{
    FiltrPomiarow f;
    if (RB_OstDniPomiar->isChecked())
        f.rodzaj = RodzajFiltru::OstDniPomiar;
    else if (RB_OstDniEdycja->isChecked())
        f.rodzaj = RodzajFiltru::OstDniEdycja;
    else if (RB_SzukajWNazwie->isChecked())
        f.rodzaj = RodzajFiltru::SzukajWNazwie;
    else if (RB_SzukajSekcja->isChecked())
        f.rodzaj = RodzajFiltru::SzukajSekcja;
    f.dniPomiar = ZQString(E_OstDniPomiar->text());
    f.dniEdycja = ZQString(E_OstDniEdycja->text());
    f.wNazwie = ZQString(E_SzukajWNazwie->text());
    f.sekcja = ZQString(E_SzukajSekcja->text());
    return f;
}

TDataCzas Dzisiaj()
{
    const QDate d = QDate::currentDate();
    return KodujDate(d.year(), d.month(), d.day());
}
