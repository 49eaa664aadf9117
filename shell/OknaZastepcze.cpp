#include "shell/OknaZastepcze.h"

TOknoZastepcze::TOknoZastepcze(const char* nazwa, const QString& tytul, QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName(nazwa);
    setWindowTitle(tytul);
    setModal(true);
}

TDaneRonda* DaneRonda = nullptr;
TGeometriaRondo* GeometriaRondo = nullptr;
