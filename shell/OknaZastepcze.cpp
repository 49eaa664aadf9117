#include "shell/OknaZastepcze.h"

TOknoZastepcze::TOknoZastepcze(const char* nazwa, const QString& tytul, QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName(nazwa);
    setWindowTitle(tytul);
    setModal(true);
}

TDaneRonda* DaneRonda = nullptr;
TGeometriaRondo* GeometriaRondo = nullptr;
TNatezeniaRUPL* NatezeniaRUPL = nullptr;
TGeometriaRuchoplan* GeometriaRuchoplan = nullptr;
TUstawSuwak* UstawSuwak = nullptr;
TWstawBlok* WstawBlok = nullptr;
TEdycjaOpisy* EdycjaOpisy = nullptr;
TKopiujSchowek* KopiujSchowek = nullptr;
