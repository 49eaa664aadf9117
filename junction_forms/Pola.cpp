#include "junction_forms/Pola.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>

#include "model/Granice.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/ObrazJpeg.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/LiczbaPokazana.h"

namespace pola {

QLineEdit* NowePole(QWidget* rodzic, const char* nazwa, int szerokosc)
{
    auto* p = new QLineEdit(rodzic);
    p->setObjectName(nazwa);
    if (szerokosc > 0)
        p->setFixedWidth(szerokosc);
    return p;
}

QCheckBox* NowyPrzelacznik(QWidget* rodzic, const char* nazwa, const char* tekst)
{
    auto* c = new QCheckBox(QString::fromUtf8(tekst), rodzic);
    c->setObjectName(nazwa);
    return c;
}

QRadioButton* NowyWybor(QWidget* rodzic, const char* nazwa, const char* tekst)
{
    auto* r = new QRadioButton(QString::fromUtf8(tekst), rodzic);
    r->setObjectName(nazwa);
    return r;
}

QPushButton* NowyPrzycisk(QWidget* rodzic, const char* nazwa, const char* tekst)
{
    auto* b = new QPushButton(QString::fromUtf8(tekst), rodzic);
    b->setObjectName(nazwa);
    b->setAutoDefault(false);
    return b;
}

QLabel* NowaEtykieta(QWidget* rodzic, const char* nazwa, const char* tekst)
{
    auto* l = new QLabel(QString::fromUtf8(tekst), rodzic);
    l->setObjectName(nazwa);
    return l;
}

std::string Nazwa(const std::string& a, int k, const std::string& b) { return a + std::to_string(k) + b; }

std::string TekstPola(const QLineEdit* pole) { return ZQString(pole->text()); }
TekstZOkna TekstZPola(const QLineEdit* pole) { return ZQStringZOkna(pole->text()); }

std::string OdmowaPol(std::initializer_list<const QLineEdit*> pola, int pojemnosc, const char* nazwa)
{
    for (const QLineEdit* p : pola)
        if (std::string odmowa = OdmowaTekstu(TekstZPola(p), pojemnosc, nazwa); !odmowa.empty())
            return odmowa;
    return "";
}
void UstawTekstPola(QLineEdit* pole, const std::string& cp1250) { WpiszTekst(pole, NaQString(cp1250)); }
std::string TekstEtykiety(const QLabel* l) { return ZQString(l->text()); }
void UstawTekstEtykiety(QLabel* l, const std::string& cp1250) { l->setText(NaQString(cp1250)); }

void OddajTekstPola(QLineEdit* pole, const std::string& cp1250)
{
    if (cp1250 != TekstPola(pole))
        UstawTekstPola(pole, cp1250);
}

std::string PoprawPole(QLineEdit* pole)
{
    const std::string t = PoprawSeparator(TekstPola(pole));
    OddajTekstPola(pole, t);
    return t;
}

void PokazObrazStrzalek(QLabel* l, const std::string& plik)
{
    QImage obraz;
    std::string blad;
    if (CzytajJpeg(PolaczSciezke(KatalogDane(), plik), obraz, blad))
        l->setPixmap(QPixmap::fromImage(obraz));
    else
        l->setText(QString::fromUtf8("L   P"));
}

}  // namespace pola
