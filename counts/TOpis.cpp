#include "counts/TOpis.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/qt/CzcionkaStala.h"
#include "platform/qt/Kodowanie_qt.h"

TOpis* Opis = nullptr;

TOpis::TOpis(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("Opis");
    setWindowTitle(QStringLiteral("Opis"));
    setModal(true);
    Tekst = new QPlainTextEdit(this);
    Tekst->setObjectName("Tekst");
    Tekst->setReadOnly(true);
    Tekst->setLineWrapMode(QPlainTextEdit::NoWrap);
    Button1 = new QPushButton(QString::fromUtf8("Kopiuj do schowka"), this);
    Button1->setObjectName("Button1");
    B_Powrot = new QPushButton(QString::fromUtf8("Powrót"), this);
    B_Powrot->setObjectName("B_Powrot");
    connect(Button1, &QPushButton::clicked, this, &TOpis::Button1Click);
    connect(B_Powrot, &QPushButton::clicked, this, &TOpis::B_PowrotClick);

    auto* dol = new QHBoxLayout;
    dol->addWidget(Button1);
    dol->addStretch();
    dol->addWidget(B_Powrot);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(Tekst);
    uklad->addLayout(dol);
    const QScreen* ekran = QGuiApplication::primaryScreen();
    resize(905, ekran ? ekran->availableGeometry().height() - 50 : 700);
}

void TOpis::WstawRaport(const std::vector<std::string>& linie)
{
    Tekst->clear();
    Tekst->setFont(CzcionkaStalejSzerokosci(12));
    QString calosc;
    for (std::size_t i = 0; i < linie.size(); ++i) {
        if (i)
            calosc += '\n';
        calosc += NaQString(linie[i]);
    }
    Tekst->setPlainText(calosc);
}

void TOpis::PokazRaport(const std::vector<std::string>& linie)
{
    WstawRaport(linie);
    exec();
}

void TOpis::Button1Click()
{
    // The whole text, not only the visible part.
    Tekst->selectAll();
    QGuiApplication::clipboard()->setText(Tekst->toPlainText());
}

void TOpis::B_PowrotClick() { accept(); }
