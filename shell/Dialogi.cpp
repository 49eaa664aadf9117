#include "shell/Dialogi.h"

#include "platform/qt/Komunikaty.h"
#include "platform/qt/Kodowanie_qt.h"

void PokazKomunikat(const QString& tekst) { Dialogi().Informacja(ZQString(tekst)); }

void PokazBladUzytkownikowi(const std::string& tekstCp1250) { Dialogi().Blad(tekstCp1250); }

void PokazUwageUzytkownikowi(const std::string& tekstCp1250) { Dialogi().Ostrzezenie(tekstCp1250); }

QString WybierzPlikDoOtwarcia(QWidget*, const QString& filtr, const QString& katalog, const QString&)
{
    return SciezkaNaQString(Dialogi().OtworzPlik({}, ZQString(filtr), SciezkaZQString(katalog)));
}

QString WybierzPlikDoZapisu(QWidget*, const QString& filtr, const QString& katalog, const QString& rozszerzenie,
                            const QString& proponowany)
{
    return SciezkaNaQString(Dialogi().ZapiszPlik({}, ZQString(filtr), SciezkaZQString(katalog),
                                                 SciezkaZQString(proponowany), ZQString(rozszerzenie)));
}

void OtworzDokument(const QString& sciezkaLubAdres)
{
    if (Dialogi().OtworzDokument(SciezkaZQString(sciezkaLubAdres)))
        return;
    const bool plik = AdresDokumentu(SciezkaZQString(sciezkaLubAdres)).isLocalFile();
    PokazBladUzytkownikowi(ZQString((plik ? U("Nie można otworzyć pliku ") : U("Nie można otworzyć adresu ")) +
                                    sciezkaLubAdres +
                                    (plik ? U(" (brak pliku lub programu do jego wyświetlenia).")
                                          : U(" (brak programu do jego otwarcia)."))));
}
