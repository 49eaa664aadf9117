#include "shell/OknaZastepcze.h"

TOknoZastepcze::TOknoZastepcze(const char* nazwa, const QString& tytul, QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName(nazwa);
    setWindowTitle(tytul);
    setModal(true);
}

TWstawBlok* WstawBlok = nullptr;
TEdycjaOpisy* EdycjaOpisy = nullptr;
TKopiujSchowek* KopiujSchowek = nullptr;
