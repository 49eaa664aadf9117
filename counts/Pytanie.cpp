#include "counts/Pytanie.h"

#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

namespace {
TPytanieOkien& Pytanie()
{
    static TPytanieOkien p;
    return p;
}
}  // namespace

void UstawPytanieOkien(TPytanieOkien pytanie) { Pytanie() = std::move(pytanie); }

int Zapytaj(const QString& pytanie, bool zKasuj)
{
    if (Pytanie())
        return Pytanie()(pytanie, zKasuj);
    return Dialogi().PytanieTakNie(ZQString(pytanie)) == OdpowiedzTak ? PytanieTak : PytanieNie;
}

bool NadpisacPlik(const std::string& sciezka)
{
    return Zapytaj(QString::fromUtf8("Plik ") + SciezkaNaQString(sciezka) + QString::fromUtf8(" już istnieje! Nadpisać?"),
                   false) == PytanieTak;
}
