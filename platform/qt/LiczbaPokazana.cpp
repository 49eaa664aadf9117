#include "platform/qt/LiczbaPokazana.h"

#include <QLineEdit>
#include <QVariant>

namespace {

constexpr const char* TekstPokazany = "kgTekstPokazany";
constexpr const char* WartoscPokazana = "kgWartoscPokazana";

}  // namespace

void PokazLiczbe(QLineEdit* pole, const QString& tekst, double wartosc)
{
    pole->setText(tekst);
    pole->setProperty(TekstPokazany, tekst);
    pole->setProperty(WartoscPokazana, wartosc);
}

std::optional<double> LiczbaPokazana(const QLineEdit* pole)
{
    const QVariant tekst = pole->property(TekstPokazany);
    if (!tekst.isValid() || tekst.toString() != pole->text())
        return std::nullopt;
    return pole->property(WartoscPokazana).toDouble();
}

void ZapomnijLiczbe(QLineEdit* pole)
{
    pole->setProperty(TekstPokazany, QVariant());
    pole->setProperty(WartoscPokazana, QVariant());
}

void WpiszTekst(QLineEdit* pole, const QString& tekst)
{
    ZapomnijLiczbe(pole);
    pole->setText(tekst);
}
