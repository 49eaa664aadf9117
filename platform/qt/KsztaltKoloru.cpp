#include "platform/qt/KsztaltKoloru.h"

#include <QString>

#include "platform/qt/Komunikaty.h"

TKsztaltKoloru::TKsztaltKoloru(QWidget* rodzic, const char* nazwa) : QPushButton(rodzic)
{
    setObjectName(nazwa);
    setFixedSize(36, 18);
    setAutoDefault(false);
    UstawKolor(0);
}

void TKsztaltKoloru::UstawKolor(TKolor kolor)
{
    kolor_ = kolor & 0xFFFFFF;
    setStyleSheet(QString("background-color: rgb(%1, %2, %3); border: 1px solid black;")
                      .arg(kolor_ & 0xFF)
                      .arg((kolor_ >> 8) & 0xFF)
                      .arg((kolor_ >> 16) & 0xFF));
}

bool TKsztaltKoloru::WybierzKolor()
{
    TKolor k = kolor_;
    if (!Dialogi().WybierzKolor(k))
        return false;
    UstawKolor(k);
    return true;
}
