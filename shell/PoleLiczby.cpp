#include "shell/PoleLiczby.h"

#include <QComboBox>
#include <QLineEdit>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "junction_forms/Pola.h"
#include "model/Projekt.h"
#include "platform/qt/LiczbaPokazana.h"

// The junction windows' own correction: a text left as shown keeps its number.
std::string TekstPoprawiony(QLineEdit* pole) { return pola::PoprawPole(pole); }

bool CzytajPole(QLineEdit* pole, const GranicaPola& g, const char* nazwa, const char* brakLiczby, double& wynik,
                std::string& komunikat)
{
    // A number the window showed and the user left as it was.
    if (const std::optional<double> pokazana = LiczbaPokazana(pole)) {
        wynik = *pokazana;
        return true;
    }
    const std::string t = TekstPoprawiony(pole);
    double x = 0.0;
    if (!SprobujTekstNaLiczbe(UsunSpacje(t), x)) {
        komunikat = Utf8NaCp1250(brakLiczby);
        return false;
    }
    return CzytajWartosc(g, UsunSpacje(t), wynik, komunikat, nazwa);
}

QComboBox* NoweRozwijane(QWidget* rodzic, const char* nazwa, const QStringList& pozycje, const QString& tekst)
{
    auto* c = new QComboBox(rodzic);
    c->setObjectName(nazwa);
    c->setEditable(true);
    c->setMinimumContentsLength(6);
    c->addItems(pozycje);
    c->setEditText(tekst);
    return c;
}
