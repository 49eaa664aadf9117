#include "shell/PytanieTakNieKasuj.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TPytanieTakNieKasuj* PytanieTakNieKasuj = nullptr;
TPytanieTakNieKasuj::TSkrypt TPytanieTakNieKasuj::Skrypt;

TPytanieTakNieKasuj::TPytanieTakNieKasuj(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("PytanieTakNieKasuj");
    setWindowTitle(QString::fromUtf8("Pytanie"));
    setModal(true);

    L_Pytanie = new QLabel(this);
    L_Pytanie->setObjectName("L_Pytanie");
    L_Pytanie->setWordWrap(true);
    L_Pytanie->setAlignment(Qt::AlignCenter);

    B_Tak = new QPushButton(QString::fromUtf8("Tak"), this);
    B_Tak->setObjectName("B_Tak");
    B_Nie = new QPushButton(QString::fromUtf8("Nie"), this);
    B_Nie->setObjectName("B_Nie");
    B_Kasuj = new QPushButton(QString::fromUtf8("Kasuj"), this);
    B_Kasuj->setObjectName("B_Kasuj");
    B_Tak->setDefault(true);

    connect(B_Tak, &QPushButton::clicked, this, &TPytanieTakNieKasuj::B_TakClick);
    connect(B_Nie, &QPushButton::clicked, this, &TPytanieTakNieKasuj::B_NieClick);
    connect(B_Kasuj, &QPushButton::clicked, this, &TPytanieTakNieKasuj::B_KasujClick);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(B_Tak);
    przyciski->addWidget(B_Nie);
    przyciski->addWidget(B_Kasuj);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(L_Pytanie);
    uklad->addLayout(przyciski);
    setMinimumWidth(360);
}

int TPytanieTakNieKasuj::ShowModal()
{
    // "Tak" answers Enter whichever button the last question was answered
    // with: the window would otherwise give the focus back to that one.
    B_Tak->setFocus();
    if (Skrypt)
        return Skrypt(L_Pytanie->text(), !B_Kasuj->isHidden());
    return exec();
}

int TPytanieTakNieKasuj::Zapytaj(const QString& pytanie, bool zKasuj)
{
    L_Pytanie->setText(pytanie);
    B_Kasuj->setVisible(zKasuj);
    return ShowModal();
}

void TPytanieTakNieKasuj::B_TakClick() { done(mrTak); }
void TPytanieTakNieKasuj::B_NieClick() { done(mrNie); }
void TPytanieTakNieKasuj::B_KasujClick() { done(mrKasuj); }

void TPytanieTakNieKasuj::reject()
{
    done(B_Kasuj->isHidden() ? mrNie : mrKasuj);
}
