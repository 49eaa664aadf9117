#include "shell/PoleLiczby.h"

#include <QLineEdit>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Projekt.h"
#include "shell/Kontrolki.h"

std::string TekstPoprawiony(QLineEdit* pole)
{
    const std::string t = PoprawSeparator(Tekst(pole));
    UstawTekst(pole, t);
    return t;
}

bool CzytajPole(QLineEdit* pole, const GranicaPola& g, const char* nazwa, const char* brakLiczby, double& wynik,
                std::string& komunikat)
{
    const std::string t = TekstPoprawiony(pole);
    double x = 0.0;
    if (!SprobujTekstNaLiczbe(UsunSpacje(t), x)) {
        komunikat = Utf8NaCp1250(brakLiczby);
        return false;
    }
    return CzytajWartosc(g, UsunSpacje(t), wynik, komunikat, nazwa);
}
