#include "shell/InfoOProgramie.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Wersja.h"

TInfoOProgramie* InfoOProgramie = nullptr;

QString ProducentLinia1() { return QString::fromUtf8("Program do rysowania ruchoplanów skrzyżowań i rond"); }
QString ProducentLinia2() { return QString::fromUtf8("Zespół Kartogram"); }

QString LicencjaProgramu()
{
    return QString::fromUtf8("Licencja: © Zespół Kartogram, wszelkie prawa zastrzeżone.\n"
                             "Czcionki kreskowe zbudowane z czcionek Hershey (domena publiczna).");
}

namespace {

// A four-arm junction with bands of three widths: the program's emblem.
QPixmap Emblemat()
{
    QPixmap obraz(120, 120);
    obraz.fill(QColor(0xDC, 0xDC, 0xDC));
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(50, 0, 20, 120);
    p.drawRect(0, 50, 120, 20);
    const QColor kolory[] = {QColor(200, 40, 40), QColor(40, 120, 200), QColor(40, 160, 60)};
    const int szerokosci[] = {8, 5, 3};
    for (int i = 0; i < 3; ++i) {
        QPainterPath luk;
        luk.moveTo(60 - 6 + 4 * i, 120);
        luk.quadTo(60, 60, 120, 60 - 6 + 4 * i);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kolory[i], szerokosci[i], Qt::SolidLine, Qt::FlatCap));
        p.drawPath(luk);
    }
    return obraz;
}

} // namespace

TInfoOProgramie::TInfoOProgramie(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("InfoOProgramie");
    setWindowTitle(QString::fromUtf8("O programie"));
    setModal(true);

    NrWersja = new QLabel(QString::fromUtf8("KARTOGRAM ") + QString::fromUtf8(WersjaProgramu.data(), WersjaProgramu.size()), this);
    NrWersja->setObjectName("NrWersja");
    QFont duza = NrWersja->font();
    duza.setPointSize(duza.pointSize() + 6);
    duza.setBold(true);
    NrWersja->setFont(duza);

    Obraz = new QLabel(this);
    Obraz->setObjectName("Obraz");
    Obraz->setPixmap(Emblemat());

    L_Autor = new QLabel(ProducentLinia1() + "\n" + ProducentLinia2(), this);
    L_Autor->setObjectName("L_Autor");
    L_Kompilacja = new QLabel(QString::fromUtf8("Data kompilacji: ") + QString::fromStdString(DataKompilacji()), this);
    L_Kompilacja->setObjectName("L_Kompilacja");
    L_Licencja = new QLabel(LicencjaProgramu(), this);
    L_Licencja->setObjectName("L_Licencja");

    powrot = new QPushButton(QString::fromUtf8("Powrót"), this);
    powrot->setObjectName("powrot");
    connect(powrot, &QPushButton::clicked, this, &TInfoOProgramie::powrotClick);

    auto* gora = new QHBoxLayout;
    gora->addWidget(Obraz);
    auto* teksty = new QVBoxLayout;
    teksty->addWidget(NrWersja);
    teksty->addWidget(L_Autor);
    teksty->addWidget(L_Kompilacja);
    teksty->addWidget(L_Licencja);
    teksty->addStretch();
    gora->addLayout(teksty);
    auto* dol = new QHBoxLayout;
    dol->addStretch();
    dol->addWidget(powrot);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(dol);
}

void TInfoOProgramie::powrotClick() { accept(); }
