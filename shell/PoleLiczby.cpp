#include "shell/PoleLiczby.h"

#include <QComboBox>
#include <QLineEdit>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Projekt.h"
#include "platform/qt/LiczbaPokazana.h"
#include "shell/Kontrolki.h"

std::string TekstPoprawiony(QLineEdit* pole)
{
    // The user's text corrected; a text left as shown keeps its number.
    const std::string t = PoprawSeparator(Tekst(pole));
    if (t != Tekst(pole))
        UstawTekst(pole, t);
    return t;
}

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
