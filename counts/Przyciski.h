#pragma once
// The push buttons of the count and forecast windows: named for the tests,
// and Enter typed in an edit does not press them.

#include <QObject>
#include <QPushButton>
#include <QString>

inline QPushButton* NowyPrzyciskOkna(QWidget* rodzic, const char* nazwa, const char* tekst)
{
    auto* b = new QPushButton(QString::fromUtf8(tekst), rodzic);
    b->setObjectName(nazwa);
    b->setAutoDefault(false);
    return b;
}

// The same, a click running the window's handler.
template <class Okno>
QPushButton* NowyPrzyciskOkna(Okno* okno, const char* nazwa, const char* tekst, void (Okno::*obsluga)())
{
    QPushButton* b = NowyPrzyciskOkna(okno, nazwa, tekst);
    QObject::connect(b, &QPushButton::clicked, okno, obsluga);
    return b;
}
