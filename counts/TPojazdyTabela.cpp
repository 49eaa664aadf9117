#include "counts/TPojazdyTabela.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "counts/Przyciski.h"
#include "counts/Siatka.h"
#include "counts/Pytanie.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

TPojazdyTabela* PojazdyTabela = nullptr;
// Windows-1250, as every text crossing the dialogs.
const char* const FiltrUstawien = "Pliki ustawie\xF1 pomiaru ruchu|*.upm|Wszystkie pliki|*.*";

namespace {
std::string PL(const char* utf8) { return Utf8NaCp1250(utf8); }
}  // namespace

TPojazdyTabela::TPojazdyTabela(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("PojazdyTabela");
    setWindowTitle(QString::fromUtf8("Tabela pojazdów"));
    setModal(true);

    SG_Tabela = new TSiatka("SG_Tabela", KlasPojazdow, this);
    SG_Tabela->setColumnCount(4);
    SG_Tabela->setHorizontalHeaderLabels({"Lp", "  Opis", QString::fromUtf8(" Skrót"), " Wsp"});
    SG_Tabela->UstawSzerokosci({25, 160, 60, 60}, 24);
    for (int r = 1; r <= KlasPojazdow; ++r)
        SG_Tabela->UstawKomorke(0, r, std::to_string(r), true);
    connect(SG_Tabela, &QTableWidget::itemChanged, this, &TPojazdyTabela::Zmieniono);

    auto* przejscia = new QGroupBox(QString::fromUtf8("Przejścia"), this);
    auto* siatkaPrzejsc = new QGridLayout(przejscia);
    for (int k = 0; k < 4; ++k) {
        const std::string n = std::to_string(k + 1);
        siatkaPrzejsc->addWidget(new QLabel(QString::fromUtf8("Przejście ") + QString::fromStdString(n) + "...........", przejscia), k, 0);
        E_PrzejOpis[k] = new QLineEdit(przejscia);
        E_PrzejOpis[k]->setObjectName(QString::fromStdString("E_PrzejOpis" + n));
        E_PrzejOzn[k] = new QLineEdit(przejscia);
        E_PrzejOzn[k]->setObjectName(QString::fromStdString("E_PrzejOzn" + n));
        E_PrzejOzn[k]->setMaximumWidth(50);
        siatkaPrzejsc->addWidget(E_PrzejOpis[k], k, 1);
        siatkaPrzejsc->addWidget(E_PrzejOzn[k], k, 2);
        connect(E_PrzejOpis[k], &QLineEdit::textEdited, this, &TPojazdyTabela::Zmieniono);
        connect(E_PrzejOzn[k], &QLineEdit::textEdited, this, &TPojazdyTabela::Zmieniono);
    }
    // The marks spelt as a new count's.
    const char* opisy[] = {"PIESI", "ROWERZYŚCI", "...", "..."};
    const UstawieniaPomiaru wbudowane = WbudowanePrzejscia({});
    for (int k = 0; k < 4; ++k) {
        E_PrzejOpis[k]->setText(QString::fromUtf8(opisy[k]));
        E_PrzejOzn[k]->setText(NaQString(wbudowane.OznPrzejscia[k]));
    }

    B_Wprowadz = NowyPrzyciskOkna(this, "B_Wprowadz", "Wprowadź", &TPojazdyTabela::B_WprowadzClick);
    B_Rezygnuj = NowyPrzyciskOkna(this, "B_Rezygnuj", "Rezygnuj", &TPojazdyTabela::B_RezygnujClick);
    B_OdczytUstawPojazd = NowyPrzyciskOkna(this, "B_OdczytUstawPojazd", "Wczytaj",
                                           &TPojazdyTabela::B_OdczytUstawPojazdClick);
    B_ZapisUstawPojazd = NowyPrzyciskOkna(this, "B_ZapisUstawPojazd", "Zapisz",
                                          &TPojazdyTabela::B_ZapisUstawPojazdClick);
    Button3 = NowyPrzyciskOkna(this, "Button3", "Wstaw domyślne", &TPojazdyTabela::Button3Click);

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(przejscia);
    prawa->addWidget(B_OdczytUstawPojazd);
    prawa->addWidget(B_ZapisUstawPojazd);
    prawa->addWidget(Button3);
    prawa->addStretch();
    prawa->addWidget(B_Wprowadz);
    prawa->addWidget(B_Rezygnuj);
    auto* uklad = new QHBoxLayout(this);
    uklad->addWidget(SG_Tabela);
    uklad->addLayout(prawa);
    resize(SG_Tabela->width() + 420, 480);
}

void TPojazdyTabela::showEvent(QShowEvent* e)
{
    PokazUstawienia();
    QDialog::showEvent(e);
}

void TPojazdyTabela::Zmieniono() { BiezacyPomiar.PomiarZmieniony = 1; }

void TPojazdyTabela::PokazUstawienia() { UstawKontrolki(UstawieniaZPomiaru(BiezacyPomiar), true); }

UstawieniaPomiaru TPojazdyTabela::Ustawienia() const
{
    UstawieniaPomiaru u;
    for (int r = 1; r <= KlasPojazdow; ++r) {
        u.Nazwa[static_cast<std::size_t>(r - 1)] = SG_Tabela->Komorka(1, r);
        u.Ozn[static_cast<std::size_t>(r - 1)] = SG_Tabela->Komorka(2, r);
        u.Wsp[static_cast<std::size_t>(r - 1)] = SG_Tabela->Komorka(3, r);
    }
    for (std::size_t k = 0; k < 4; ++k) {
        u.NazwaPrzejscia[k] = ZQString(E_PrzejOpis[k]->text());
        u.OznPrzejscia[k] = ZQString(E_PrzejOzn[k]->text());
    }
    return u;
}

void TPojazdyTabela::UstawKontrolki(const UstawieniaPomiaru& u, bool zPrzejsciami)
{
    const QSignalBlocker blokada(SG_Tabela);
    for (int r = 1; r <= KlasPojazdow; ++r) {
        SG_Tabela->UstawKomorke(1, r, u.Nazwa[static_cast<std::size_t>(r - 1)]);
        SG_Tabela->UstawKomorke(2, r, u.Ozn[static_cast<std::size_t>(r - 1)]);
        SG_Tabela->UstawKomorke(3, r, u.Wsp[static_cast<std::size_t>(r - 1)]);
    }
    if (zPrzejsciami)
        for (std::size_t k = 0; k < 4; ++k) {
            E_PrzejOpis[k]->setText(NaQString(u.NazwaPrzejscia[k]));
            E_PrzejOzn[k]->setText(NaQString(u.OznPrzejscia[k]));
        }
}

bool TPojazdyTabela::CzytajUstawieniaPomiaru(const std::string& sciezka)
{
    UstawieniaPomiaru u = Ustawienia();
    bool przejscia = false;
    std::string blad;
    ZawartoscPliku zawartosc;
    if (!CzytajPlikUstawien(sciezka, u, przejscia, blad, &zawartosc)) {
        Dialogi().Blad(blad);
        return false;
    }
    UstawKontrolki(u, przejscia);
    plikUstawien_ = sciezka;
    zawartoscUstawien_ = zawartosc;
    return true;
}

bool TPojazdyTabela::ZapiszUstawieniaPomiaru(const std::string& sciezka)
{
    std::string blad, uwaga;
    ZapisZmienionego zmiany = ZapisZPytaniem(sciezka, plikUstawien_, zawartoscUstawien_);
    if (!ZapiszPlikUstawien(sciezka, Ustawienia(), blad, &uwaga, &zmiany)) {
        if (zmiany.naMiejscu && TenSamPlik(sciezka, plikUstawien_))
            zawartoscUstawien_ = zmiany.zawartosc;
        if (!zmiany.odmowa)
            Dialogi().Blad(blad);
        return false;
    }
    plikUstawien_ = sciezka;
    zawartoscUstawien_ = zmiany.zawartosc;
    if (!uwaga.empty())
        Dialogi().Ostrzezenie(uwaga);
    return true;
}

WynikSprawdzenia TPojazdyTabela::SprawdzUstawieniaPomiaru()
{
    SG_Tabela->Zatwierdz();
    WynikSprawdzenia w;
    auto blad = [&w](const std::string& k) { w.komunikat = k; };
    auto tekst = [&blad](const TekstZOkna& t, int pojemnosc, const char* pole) {
        if (const std::string odmowa = OdmowaTekstu(t, pojemnosc, pole); !odmowa.empty())
            blad(odmowa);
    };
    // Codes and marks have their own length message.
    auto znaki = [&blad](const TekstZOkna& t, const char* pole) {
        if (!t.wierny)
            blad(KomunikatZnakow(t, pole));
    };
    constexpr int pojemnoscNazwy = decltype(DanePomiar::NazwaPojazdu)::value_type::Pojemnosc;
    for (int r = 1; r <= KlasPojazdow; ++r) {
        if (SG_Tabela->Komorka(1, r).size() < 2)
            blad(PL("Wymagany opis z min. 2 znaków (poz. ") + std::to_string(r) + ").");
        tekst(SG_Tabela->KomorkaZOkna(1, r), pojemnoscNazwy, "Nazwa pojazdu");
    }
    for (int r = 1; r <= KlasPojazdow; ++r) {
        const std::size_t n = SG_Tabela->Komorka(2, r).size();
        if (n < 1 || n > 3)
            blad(PL("Wymagany skrót z min. 1 znak i nie większy niż 3 znaki (poz. ") + std::to_string(r) + ").");
        znaki(SG_Tabela->KomorkaZOkna(2, r), "Skrót");
    }
    for (int r = 1; r <= KlasPojazdow; ++r) {
        const std::string wsp = PoprawSeparator(SG_Tabela->Komorka(3, r));
        {
            const QSignalBlocker blokada(SG_Tabela);
            SG_Tabela->UstawKomorke(3, r, wsp);
        }
        double x = 0.0;
        if (!TekstWGranicy(granice::Wspolczynnik, wsp, x))
            blad(PL("Współczynnik musi być liczbą od ") + TekstGranicy(granice::Wspolczynnik.min) + PL(" do ") +
                 TekstGranicy(granice::Wspolczynnik.max) + PL(" (poz. ") + std::to_string(r) + ").");
    }
    for (int k = 0; k < 4; ++k) {
        const std::string opis = ZQString(E_PrzejOpis[static_cast<std::size_t>(k)]->text());
        if (opis.size() < 3)
            blad(PL("Wymagany opis przejść z min. 3 znaków (poz. ") + std::to_string(k + 1) + ")");
        tekst(ZQStringZOkna(E_PrzejOpis[static_cast<std::size_t>(k)]->text()), pojemnoscNazwy, "Opis przejścia");
    }
    for (int k = 0; k < 4; ++k) {
        const std::size_t n = ZQString(E_PrzejOzn[static_cast<std::size_t>(k)]->text()).size();
        if (n < 2 || n > 3)
            blad(PL("Wymagane ozn. przejść 2-3 znaki (poz. ") + std::to_string(k + 1) + ")");
        znaki(ZQStringZOkna(E_PrzejOzn[static_cast<std::size_t>(k)]->text()), "Oznaczenie przejścia");
    }
    w.ok = w.komunikat.size() < 4;
    return w;
}

void TPojazdyTabela::WprowadzUstawieniaPomiaru()
{
    const UstawieniaPomiaru u = Ustawienia();
    DanePomiar& p = BiezacyPomiar;
    const DanePomiar przed = p;
    UstawKlasyPomiaru(p, u, true);
    // Classes loaded from a file or the defaults are a change as much as typed ones.
    if (p.NazwaPojazdu != przed.NazwaPojazdu || p.OznPojazdu != przed.OznPojazdu || p.WspPojazdu != przed.WspPojazdu ||
        p.NazwaPrzejscia != przed.NazwaPrzejscia || p.OznPrzejscia != przed.OznPrzejscia)
        p.PomiarZmieniony = 1;
}

void TPojazdyTabela::B_WprowadzClick()
{
    const WynikSprawdzenia w = SprawdzUstawieniaPomiaru();
    if (!w.ok) {
        Dialogi().Ostrzezenie(w.komunikat);
        return;
    }
    WprowadzUstawieniaPomiaru();
    accept();
}

void TPojazdyTabela::B_RezygnujClick() { reject(); }

void TPojazdyTabela::B_OdczytUstawPojazdClick()
{
    const std::string sciezka = Dialogi().OtworzPlik("Wczytaj ustawienia pomiaru", FiltrUstawien, KatalogUstawien);
    if (!sciezka.empty())
        CzytajUstawieniaPomiaru(sciezka);
}

void TPojazdyTabela::B_ZapisUstawPojazdClick()
{
    const WynikSprawdzenia w = SprawdzUstawieniaPomiaru();
    if (!w.ok) {
        Dialogi().Ostrzezenie(w.komunikat);
        return;
    }
    const std::string sciezka = Dialogi().ZapiszPlik("Zapisz ustawienia pomiaru", FiltrUstawien, KatalogUstawien, "", "upm");
    if (sciezka.empty())
        return;
    if (PlikIstnieje(sciezka) && !NadpisacPlik(sciezka))
        return;
    ZapiszUstawieniaPomiaru(sciezka);
}

void TPojazdyTabela::Button3Click()
{
    const std::string domyslne = KatalogPomiarow + "/Ustawienia/domyslne.upm";
    if (PlikIstnieje(domyslne))
        CzytajUstawieniaPomiaru(domyslne);
    else
        UstawKontrolki(WbudowaneKlasyPojazdow(), false);
}
