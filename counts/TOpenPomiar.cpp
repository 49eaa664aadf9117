#include "counts/TOpenPomiar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "counts/FiltrOkna.h"
#include "counts/PlikiPomiarow.h"
#include "counts/Przyciski.h"
#include "model/Projekt.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

TOpenPomiar* OpenPomiar = nullptr;

TOpenPomiar::TOpenPomiar(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("OpenPomiar");
    setWindowTitle(QStringLiteral("Czytaj pomiary"));
    setModal(true);
    ListaPomiar = new QListWidget(this);
    ListaPomiar->setObjectName("ListaPomiar");
    CB_Skrzyzowania = new QCheckBox(QString::fromUtf8("Skrzyżowania"), this);
    CB_Skrzyzowania->setObjectName("CB_Skrzyzowania");
    CB_Skrzyzowania->setChecked(true);
    CB_Ronda = new QCheckBox(QStringLiteral("Ronda"), this);
    CB_Ronda->setObjectName("CB_Ronda");
    CB_Ronda->setChecked(true);
    RG_Pokazuj = new TFiltrOkna(this);
    B_refresh = NowyPrzyciskOkna(this, "B_refresh", "Odśwież");
    B_Wprowadz = NowyPrzyciskOkna(this, "B_Wprowadz", "Wprowadź");
    B_Rezygnuj = NowyPrzyciskOkna(this, "B_Rezygnuj", "Rezygnuj");
    connect(B_refresh, &QPushButton::clicked, this, &TOpenPomiar::OdswiezListeOpenPomiar);
    connect(B_Wprowadz, &QPushButton::clicked, this, &QDialog::accept);
    connect(B_Rezygnuj, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListaPomiar, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(CB_Skrzyzowania);
    prawa->addWidget(CB_Ronda);
    prawa->addWidget(RG_Pokazuj);
    prawa->addWidget(B_refresh);
    prawa->addStretch();
    prawa->addWidget(B_Wprowadz);
    prawa->addWidget(B_Rezygnuj);
    auto* lewa = new QVBoxLayout;
    lewa->addWidget(new QLabel(QString::fromUtf8("Lista pomiarów:"), this));
    lewa->addWidget(ListaPomiar);
    auto* uklad = new QHBoxLayout(this);
    uklad->addLayout(lewa);
    uklad->addLayout(prawa);
}

void TOpenPomiar::showEvent(QShowEvent* e)
{
    OdswiezListeOpenPomiar();
    QDialog::showEvent(e);
}

void TOpenPomiar::OdswiezListeOpenPomiar()
{
    FiltrPomiarow f = RG_Pokazuj->Filtr();
    f.skrzyzowania = CB_Skrzyzowania->isChecked();
    f.ronda = CB_Ronda->isChecked();
    std::string blad;
    const auto nazwy = ListaPomiarow(KatalogPomiarow, f, Dzisiaj(), blad);
    ListaPomiar->clear();
    for (const std::string& n : nazwy)
        ListaPomiar->addItem(SciezkaNaQString(n));
    if (!blad.empty())
        Dialogi().Ostrzezenie(blad);
}

std::string TOpenPomiar::WybranyPomiar() const
{
    const QListWidgetItem* i = ListaPomiar->currentItem();
    return i ? SciezkaZQString(i->text()).native() : std::string();
}

bool TOpenPomiar::WczytajWybrany(DanePomiar& kopia) const
{
    const std::string nazwa = WybranyPomiar();
    if (nazwa.empty())
        return false;
    std::string blad;
    if (!CzytajPlikPomiaru(KatalogPomiarow + "/" + nazwa + ".pom", kopia, blad)) {
        Dialogi().Blad(blad);
        return false;
    }
    return true;
}
