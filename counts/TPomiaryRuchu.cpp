#include "counts/TPomiaryRuchu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "counts/FiltrOkna.h"
#include "counts/PlikiPomiarow.h"
#include "counts/Przyciski.h"
#include "counts/Pytanie.h"
#include "counts/TNatezeniaTabela.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

TPomiaryRuchu* PomiaryRuchu = nullptr;
const char* const FiltrPomiarowPliku = "Pliki pomiaru ruchu|*.pom|Wszystkie pliki|*.*";

namespace {

std::string PL(const char* utf8) { return Utf8NaCp1250(utf8); }

// "HH:MM" (a one-digit hour too) as a time of day.
bool GodzinaZTekstu(const std::string& tekst, TDataCzas& czas)
{
    const std::string t = UsunSpacje(tekst);
    const auto dwukropek = t.find(':');
    if (dwukropek == std::string::npos || dwukropek == 0 || dwukropek > 2 || t.size() - dwukropek - 1 != 2)
        return false;
    int64_t h = 0, m = 0;
    if (!SprobujTekstNaCalkowita(t.substr(0, dwukropek), h) || !SprobujTekstNaCalkowita(t.substr(dwukropek + 1), m) ||
        t[0] == '-' || t[0] == '+' || t[dwukropek + 1] == '-' || t[dwukropek + 1] == '+' || h > 23 || m > 59)
        return false;
    czas = KodujCzas(static_cast<int>(h), static_cast<int>(m), 0);
    return true;
}

// The name of the count's file as the count keeps it; a name it cannot hold
// is refused naming it as the user typed it, letters Windows-1250 lacks
// included.
bool NazwaPlikuPomiaru(const std::string& sciezka, std::string& nazwa)
{
    std::string blad;
    if (NazwaPlikuWProjekcie(sciezka, nazwa, blad))
        return true;
    const std::string wpisana = SciezkaNaQString(NazwaBezKatalogu(sciezka)).toStdString();
    Dialogi().BladQt(QString::fromStdString(OdmowaNazwyPliku(wpisana)));
    return false;
}

bool CzasTrwania(const std::string& tekst, int32_t& minuty)
{
    int64_t x = 0;
    if (tekst.size() < 2 || !SprobujTekstNaCalkowita(tekst, x) || !granice::CzasPomiaru.Miesci(static_cast<double>(x)))
        return false;
    minuty = static_cast<int32_t>(x);
    return true;
}

QDate NaQDate(TDataCzas d)
{
    int r = 0, m = 0, dz = 0;
    DekodujDate(d, r, m, dz);
    return QDate(r, m, dz);
}

}  // namespace

TPomiaryRuchu::TPomiaryRuchu(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("PomiaryRuchu");
    setWindowTitle(QStringLiteral("Pomiar"));
    setModal(true);

    auto edycja = [this](const char* nazwa) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nazwa);
        return e;
    };

    // The list of counts and its filter.
    ListaPomiar = new QListWidget(this);
    ListaPomiar->setObjectName("ListaPomiar");
    ListaPomiar->setSortingEnabled(true);
    RG_Pokazuj = new TFiltrOkna(this);
    Button2 = NowyPrzyciskOkna(this, "Button2", "Odśwież");
    Button1 = NowyPrzyciskOkna(this, "Button1", "Wczytaj POMIAR");
    B_NowyPomiar = NowyPrzyciskOkna(this, "B_NowyPomiar", "Nowy pomiar");
    Button3 = NowyPrzyciskOkna(this, "Button3", "Zapisz");
    B_Powrot = NowyPrzyciskOkna(this, "B_Powrot", "Powrót");
    connect(Button2, &QPushButton::clicked, this, &TPomiaryRuchu::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TPomiaryRuchu::Button1Click);
    connect(B_NowyPomiar, &QPushButton::clicked, this, &TPomiaryRuchu::B_NowyPomiarClick);
    connect(Button3, &QPushButton::clicked, this, &TPomiaryRuchu::Button3Click);
    connect(B_Powrot, &QPushButton::clicked, this, &TPomiaryRuchu::B_PowrotClick);
    connect(ListaPomiar, &QListWidget::itemDoubleClicked, this, [this] { OtworzPomiar(); });

    // The header of the count.
    E_NazwaWezla = edycja("E_NazwaWezla");
    E_Sekcja = edycja("E_Sekcja");
    E_Opis1 = edycja("E_Opis1");
    E_Opis2 = edycja("E_Opis2");
    DataPomiaru = new QDateEdit(QDate::currentDate(), this);
    DataPomiaru->setObjectName("DataPomiaru");
    DataPomiaru->setCalendarPopup(true);
    DataPomiaru->setDisplayFormat("yyyy-MM-dd");
    E_GodzPomiaru = edycja("E_GodzPomiaru");
    E_GodzPomiaru->setInputMask("90:00;_");
    E_GodzPomiaru->setText("14:00");
    CB_CzasPomiaru = new QComboBox(this);
    CB_CzasPomiaru->setObjectName("CB_CzasPomiaru");
    CB_CzasPomiaru->setEditable(true);
    CB_CzasPomiaru->addItems({"15", "20", "30", "45", "60", "120", "180"});
    CB_CzasPomiaru->setCurrentText("60");
    L_OstEdycja = new QLabel(this);
    L_OstEdycja->setObjectName("L_OstEdycja");
    for (QLineEdit* e : {E_NazwaWezla, E_Sekcja, E_GodzPomiaru})
        connect(e, &QLineEdit::textEdited, this, &TPomiaryRuchu::ZmienionyNaglowek);
    for (QLineEdit* e : {E_Opis1, E_Opis2})
        connect(e, &QLineEdit::textEdited, this, &TPomiaryRuchu::Zmieniony);
    connect(CB_CzasPomiaru, &QComboBox::currentTextChanged, this, &TPomiaryRuchu::ZmienionyNaglowek);
    connect(DataPomiaru, &QDateEdit::dateChanged, this, &TPomiaryRuchu::ZmienionyNaglowek);

    auto* naglowek = new QFormLayout;
    naglowek->addRow(QString::fromUtf8("Nazwa węzła (obowiązkowa):"), E_NazwaWezla);
    naglowek->addRow(QString::fromUtf8("Sekcje, numer (opcjonalnie):"), E_Sekcja);
    naglowek->addRow(QString::fromUtf8("Opis, uwagi:"), E_Opis1);
    naglowek->addRow(QString(), E_Opis2);
    naglowek->addRow(QString::fromUtf8("Data:"), DataPomiaru);
    naglowek->addRow(QString::fromUtf8("Godz:"), E_GodzPomiaru);
    naglowek->addRow(QString::fromUtf8("Czas pomiaru:"), CB_CzasPomiaru);
    naglowek->addRow(QString::fromUtf8("Ostatnia edycja:"), L_OstEdycja);

    // The inlets.
    PageTyp = new QTabWidget(this);
    PageTyp->setObjectName("PageTyp");
    auto* skrzyzowanie = new QWidget;
    auto* rondo = new QWidget;
    PageTyp->addTab(skrzyzowanie, QString::fromUtf8("Skrzyżowanie"));
    PageTyp->addTab(rondo, QString::fromUtf8("Rondo"));
    auto* siatkaJ = new QGridLayout(skrzyzowanie);
    const char* wloty[] = {"Wlot WSCHÓD", "Wlot PÓŁNOC", "Wlot ZACHÓD", "Wlot POŁUDNIE"};
    const int pozycje[4][2] = {{1, 2}, {0, 1}, {1, 0}, {2, 1}};
    for (int i = 0; i < 4; ++i) {
        auto* grupa = new QGroupBox(QString::fromUtf8(wloty[i]), skrzyzowanie);
        auto* g = new QVBoxLayout(grupa);
        B_Rupl[static_cast<std::size_t>(i)] = NowyPrzyciskOkna(grupa, ("B_Rupl" + std::to_string(i + 1)).c_str(),
                                                               "Dane");
        CB_Wylacz[static_cast<std::size_t>(i)] = new QCheckBox(QString::fromUtf8("Wyłącz"), grupa);
        CB_Wylacz[static_cast<std::size_t>(i)]->setObjectName(QString("CB_Wylacz%1").arg(i + 1));
        g->addWidget(B_Rupl[static_cast<std::size_t>(i)]);
        g->addWidget(CB_Wylacz[static_cast<std::size_t>(i)]);
        siatkaJ->addWidget(grupa, pozycje[i][0], pozycje[i][1]);
        connect(B_Rupl[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { B_RuplClick(i + 1); });
        connect(CB_Wylacz[static_cast<std::size_t>(i)], &QCheckBox::clicked, this, [this, i] { CB_WylaczClick(i + 1); });
    }
    auto* siatkaR = new QGridLayout(rondo);
    for (int i = 0; i < 5; ++i) {
        auto* grupa = new QGroupBox(QString("Wlot %1").arg(i + 1), rondo);
        auto* g = new QVBoxLayout(grupa);
        B_Rond[static_cast<std::size_t>(i)] = NowyPrzyciskOkna(grupa, ("B_Rond" + std::to_string(i + 1)).c_str(),
                                                               "Dane");
        g->addWidget(B_Rond[static_cast<std::size_t>(i)]);
        siatkaR->addWidget(grupa, i / 3, i % 3);
        connect(B_Rond[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { B_RondClick(i + 1); });
    }
    CB_IloscWW = new QComboBox(rondo);
    CB_IloscWW->setObjectName("CB_IloscWW");
    CB_IloscWW->addItems({"2", "3", "4", "5"});
    CB_IloscWW->setCurrentText("4");
    siatkaR->addWidget(new QLabel(QString::fromUtf8("Ilość wlotów/wylotów"), rondo), 1, 2);
    siatkaR->addWidget(CB_IloscWW, 2, 2);
    connect(CB_IloscWW, &QComboBox::currentTextChanged, this, &TPomiaryRuchu::CB_IloscWWChange);
    connect(PageTyp, &QTabWidget::currentChanged, this, &TPomiaryRuchu::PageTypChange);
    CB_Zawrotki = new QCheckBox(QString::fromUtf8("Pokazuj zawrotki"), this);
    CB_Zawrotki->setObjectName("CB_Zawrotki");
    connect(CB_Zawrotki, &QCheckBox::clicked, this, &TPomiaryRuchu::CB_ZawrotkiClick);
    B_Ustawienia = NowyPrzyciskOkna(this, "B_Ustawienia", "Ustawienia");
    connect(B_Ustawienia, &QPushButton::clicked, this, &TPomiaryRuchu::B_UstawieniaClick);

    auto* lewa = new QVBoxLayout;
    lewa->addWidget(new QLabel(QString::fromUtf8("Pomiary:"), this));
    lewa->addWidget(ListaPomiar);
    lewa->addWidget(RG_Pokazuj);
    auto* przyciskiListy = new QHBoxLayout;
    for (QPushButton* b : {Button2, Button1, B_NowyPomiar})
        przyciskiListy->addWidget(b);
    lewa->addLayout(przyciskiListy);
    auto* prawa = new QVBoxLayout;
    prawa->addLayout(naglowek);
    prawa->addWidget(PageTyp);
    auto* dol = new QHBoxLayout;
    dol->addWidget(CB_Zawrotki);
    dol->addWidget(B_Ustawienia);
    dol->addStretch();
    dol->addWidget(Button3);
    dol->addWidget(B_Powrot);
    prawa->addLayout(dol);
    auto* uklad = new QHBoxLayout(this);
    uklad->addLayout(lewa);
    uklad->addLayout(prawa, 1);

    UstawKontrolkiPomiaru();
}

void TPomiaryRuchu::showEvent(QShowEvent* e)
{
    OdswiezListePomiarow();
    BiezacyPomiar.PomiarZmieniony = 0;
    QDialog::showEvent(e);
}

void TPomiaryRuchu::Zmieniony()
{
    if (!wypelnianie_)
        BiezacyPomiar.PomiarZmieniony = 1;
}

void TPomiaryRuchu::ZmienionyNaglowek()
{
    if (wypelnianie_)
        return;
    UstawKontrolkiPomiaru();
    BiezacyPomiar.PomiarZmieniony = 1;
}

std::string TPomiaryRuchu::BrakNaglowka() const
{
    std::string brak;
    if (ZQString(E_NazwaWezla->text()).size() < 3)
        brak = PL("Nazwa węzła musi składać się z min. 3 znaków.");
    TDataCzas czas = 0.0;
    if (!GodzinaZTekstu(ZQString(E_GodzPomiaru->text()), czas))
        brak = PL("Wymagane jest podanie GODZINY pomiaru.");
    int32_t minuty = 0;
    if (!CzasTrwania(ZQString(CB_CzasPomiaru->currentText()), minuty))
        brak = PL("Wymagane jest podanie CZASU trwania pomiaru.");
    return brak;
}

WynikSprawdzenia TPomiaryRuchu::SprawdzNaglowekPomiaru() const
{
    WynikSprawdzenia w;
    w.komunikat = BrakNaglowka();
    // Texts longer than the count keeps, or with a character its file cannot
    // hold, are refused, never cut or changed.
    const std::pair<const QLineEdit*, const char*> teksty[] = {
        {E_NazwaWezla, "Nazwa węzła"}, {E_Sekcja, "Sekcja"}, {E_Opis1, "Opis, uwagi"}, {E_Opis2, "Opis, uwagi"}};
    for (const auto& [pole, nazwa] : teksty)
        if (std::string odmowa =
                OdmowaTekstu(ZQStringZOkna(pole->text()), decltype(DanePomiar::Lokalizacja)::Pojemnosc, nazwa);
            !odmowa.empty())
            w.komunikat = std::move(odmowa);
    w.ok = w.komunikat.empty();
    return w;
}

void TPomiaryRuchu::UstawKontrolkiPomiaru()
{
    const bool otwarty = SavePomiar.size() >= 3;
    for (QWidget* k : std::initializer_list<QWidget*>{E_NazwaWezla, DataPomiaru, CB_CzasPomiaru, E_GodzPomiaru, E_Opis1,
                                                      E_Opis2, B_Ustawienia, E_Sekcja, L_OstEdycja})
        k->setEnabled(otwarty);
    // Inlet data can be typed only under a header with its name, hour and
    // duration; a text the save refuses hides nothing.
    const bool ok = otwarty && BrakNaglowka().empty();
    const DanePomiar& p = BiezacyPomiar;
    PageTyp->setVisible(ok);
    CB_Zawrotki->setVisible(ok);
    for (std::size_t i = 0; i < 4; ++i)
        B_Rupl[i]->setVisible(ok && p.WlotJest[i]);
    for (int i = 0; i < 5; ++i)
        B_Rond[static_cast<std::size_t>(i)]->setVisible(ok && (i < 2 || p.MaxJest > i));
}

void TPomiaryRuchu::NapisDanych(int wlot)
{
    const QString napis = QString("Dane  S(%1)").arg(BiezacyPomiar.NatezeniaPojazdowSumy[static_cast<std::size_t>(wlot - 1)]);
    if (wlot <= 4)
        B_Rupl[static_cast<std::size_t>(wlot - 1)]->setText(napis);
    B_Rond[static_cast<std::size_t>(wlot - 1)]->setText(napis);
}

void TPomiaryRuchu::PokazOstatniaEdycje()
{
    const DanePomiar& p = BiezacyPomiar;
    L_OstEdycja->setText(NaQString(DataNaTekst(p.DataOstEdycja) + "  " + CzasNaTekst(p.GodzOstEdycja)));
}

void TPomiaryRuchu::PokazPomiar()
{
    const DanePomiar& p = BiezacyPomiar;
    wypelnianie_ = true;
    E_NazwaWezla->setText(NaQString(p.Lokalizacja.str()));
    E_Opis1->setText(NaQString(p.Opis2Linie[0].str()));
    E_Opis2->setText(NaQString(p.Opis2Linie[1].str()));
    E_Sekcja->setText(NaQString(p.Sekcja.str()));
    DataPomiaru->setDate(NaQDate(p.DataPomiaru));
    E_GodzPomiaru->setText(NaQString(CzasKrotkiNaTekst(p.GodzPomiaru)));
    CB_CzasPomiaru->setCurrentText(QString::number(p.CzasPomiaru));
    PokazOstatniaEdycje();
    for (int i = 1; i <= 5; ++i)
        NapisDanych(i);
    PageTyp->setCurrentIndex(p.TypWezla.str() == "R01" ? 1 : 0);
    for (std::size_t i = 0; i < 4; ++i) {
        B_Rupl[i]->setEnabled(p.WlotJest[i]);
        CB_Wylacz[i]->setChecked(!p.WlotJest[i]);
    }
    CB_IloscWW->setCurrentText(QString::number(std::clamp(p.MaxJest, 2, 5)));
    CB_Zawrotki->setChecked(p.RysujZawrotki);
    for (int i = 3; i <= 5; ++i)
        B_Rond[static_cast<std::size_t>(i - 1)]->setEnabled(p.MaxJest >= i);
    wypelnianie_ = false;
    UstawKontrolkiPomiaru();
}

void TPomiaryRuchu::OdswiezListePomiarow()
{
    std::string blad;
    const auto nazwy = ListaPomiarow(KatalogPomiarow, RG_Pokazuj->Filtr(), Dzisiaj(), blad);
    ListaPomiar->clear();
    for (const std::string& n : nazwy)
        ListaPomiar->addItem(SciezkaNaQString(n));
    if (!blad.empty())
        Dialogi().Ostrzezenie(blad);
}

bool TPomiaryRuchu::ZapiszPlikPomiaru(const std::string& sciezka)
{
    DanePomiar& p = BiezacyPomiar;
    p.Lokalizacja = ZQString(E_NazwaWezla->text());
    p.Sekcja = ZQString(E_Sekcja->text());
    p.Opis2Linie[0] = ZQString(E_Opis1->text());
    p.Opis2Linie[1] = ZQString(E_Opis2->text());
    const QDate d = DataPomiaru->date();
    p.DataPomiaru = KodujDate(d.year(), d.month(), d.day());
    TDataCzas czas = 0.0;
    if (GodzinaZTekstu(ZQString(E_GodzPomiaru->text()), czas))
        p.GodzPomiaru = czas;
    int32_t minuty = 0;
    if (CzasTrwania(ZQString(CB_CzasPomiaru->currentText()), minuty))
        p.CzasPomiaru = minuty;
    std::string blad, uwaga;
    // The count's own file, changed by another save since, is replaced
    // only on the user's word. A failed save, "Nie" too, leaves the count
    // unsaved, even one saved before: no file is sure to hold it.
    ZapisZmienionego zmiany = ZapisZPytaniem(sciezka, SavePomiar, ZawartoscPomiaru);
    if (!ZapiszPomiarZDataEdycji(sciezka, p, blad, &uwaga, &zmiany)) {
        if (zmiany.naMiejscu && TenSamPlik(sciezka, SavePomiar))
            ZawartoscPomiaru = zmiany.zawartosc;
        if (!zmiany.odmowa)
            Dialogi().Blad(blad);
        p.PomiarZmieniony = 1;
        return false;
    }
    if (TenSamPlik(sciezka, SavePomiar))
        ZawartoscPomiaru = zmiany.zawartosc;
    p.PomiarZmieniony = 0;
    PokazOstatniaEdycje();
    if (!uwaga.empty())
        Dialogi().Ostrzezenie(uwaga);
    return true;
}

bool TPomiaryRuchu::PorzucicPomiar()
{
    if (!BiezacyPomiar.PomiarZmieniony || SavePomiar.empty())
        return true;
    switch (Zapytaj(QString::fromUtf8("Pomiar ") + SciezkaNaQString(SavePomiar) + QString::fromUtf8(" zmieniony. ZAPISAĆ?"), true)) {
    case PytanieTak: {
        const WynikSprawdzenia w = SprawdzNaglowekPomiaru();
        if (!w.ok) {
            Dialogi().Ostrzezenie(w.komunikat);
            return false;
        }
        return ZapiszPlikPomiaru(SavePomiar);
    }
    case PytanieNie:
        return true;
    default:
        return false;
    }
}

void TPomiaryRuchu::OtworzPomiar()
{
    QListWidgetItem* wybrany = ListaPomiar->currentItem();
    if (!wybrany) {
        Dialogi().Informacja(PL("Wskaż pomiar!"));
        return;
    }
    const std::string sciezka = KatalogPomiarow + "/" + SciezkaZQString(wybrany->text()).native() + ".pom";
    std::string nazwa;
    if (!NazwaPlikuPomiaru(sciezka, nazwa) || !PorzucicPomiar())
        return;
    DanePomiar nowy;
    std::string blad;
    ZawartoscPliku zawartosc;
    if (!CzytajPlikPomiaru(sciezka, nowy, blad, &zawartosc)) {
        Dialogi().Blad(blad);
        return;
    }
    BiezacyPomiar = nowy;
    SavePomiar = sciezka;
    ZawartoscPomiaru = zawartosc;
    setWindowTitle(SciezkaNaQString(sciezka));
    PokazPomiar();
    BiezacyPomiar.PomiarZmieniony = 0;
}

void TPomiaryRuchu::Button2Click() { OdswiezListePomiarow(); }
void TPomiaryRuchu::Button1Click() { OtworzPomiar(); }

void TPomiaryRuchu::B_NowyPomiarClick()
{
    if (!PorzucicPomiar())
        return;
    const std::string sciezka = Dialogi().ZapiszPlik("Nowy pomiar", FiltrPomiarowPliku, KatalogPomiarow, "", "pom");
    if (sciezka.empty())
        return;
    std::string nazwa;
    if (!NazwaPlikuPomiaru(sciezka, nazwa))
        return;
    if (PlikIstnieje(sciezka) && !NadpisacPlik(sciezka))
        return;
    DanePomiar nowy;
    // A refused defaults file leaves the built-in classes, and the reason.
    const std::string uwaga = UstawDomyslnyPomiar(nowy);
    if (!uwaga.empty())
        Dialogi().Ostrzezenie(uwaga);
    nowy.NazwaPliku = nazwa;
    BiezacyPomiar = nowy;
    SavePomiar = sciezka;
    ZawartoscPomiaru = {};  // the user chose to overwrite it
    PokazPomiar();
    setWindowTitle(SciezkaNaQString(sciezka));
    // A count whose file could not be made stays unsaved: leaving the
    // editor asks, not drops it.
    ZapiszPlikPomiaru(sciezka);
    OdswiezListePomiarow();
}

void TPomiaryRuchu::Button3Click()
{
    const WynikSprawdzenia w = SprawdzNaglowekPomiaru();
    if (!w.ok) {
        Dialogi().Ostrzezenie(w.komunikat);
        return;
    }
    if (!SavePomiar.empty())
        ZapiszPlikPomiaru(SavePomiar);
}

void TPomiaryRuchu::B_PowrotClick()
{
    if (BiezacyPomiar.PomiarZmieniony && !SavePomiar.empty()) {
        const WynikSprawdzenia w = SprawdzNaglowekPomiaru();
        if (!w.ok) {
            Dialogi().Ostrzezenie(w.komunikat);
            return;
        }
        if (!ZapiszPlikPomiaru(SavePomiar))
            return;
    }
    accept();
}

void TPomiaryRuchu::reject()
{
    if (PorzucicPomiar())
        QDialog::reject();
}

void TPomiaryRuchu::B_RuplClick(int wlot)
{
    for (std::size_t i = 0; i < 4; ++i)
        BiezacyPomiar.WlotJest[i] = !CB_Wylacz[i]->isChecked();
    NatezeniaTabela->L_NrWlot->setText(QString::number(wlot));
    NatezeniaTabela->exec();
    NapisDanych(wlot);
}

void TPomiaryRuchu::B_RondClick(int wlot)
{
    NatezeniaTabela->L_NrWlot->setText(QString::number(wlot));
    NatezeniaTabela->exec();
    NapisDanych(wlot);
}

void TPomiaryRuchu::CB_WylaczClick(int wlot)
{
    // At most one junction inlet is switched off.
    const std::size_t w = static_cast<std::size_t>(wlot - 1);
    for (std::size_t i = 0; i < 4; ++i)
        if (i != w) {
            const QSignalBlocker b(CB_Wylacz[i]);
            CB_Wylacz[i]->setChecked(false);
            B_Rupl[i]->setEnabled(true);
        }
    B_Rupl[w]->setEnabled(!CB_Wylacz[w]->isChecked());
    // The inlets take the boxes at once, so that closing the window keeps them.
    const auto przed = BiezacyPomiar.WlotJest;
    for (std::size_t i = 0; i < 4; ++i)
        BiezacyPomiar.WlotJest[i] = !CB_Wylacz[i]->isChecked();
    if (BiezacyPomiar.WlotJest != przed)
        BiezacyPomiar.PomiarZmieniony = 1;
    UstawKontrolkiPomiaru();
}

void TPomiaryRuchu::CB_IloscWWChange()
{
    const int32_t n = std::clamp(CB_IloscWW->currentText().toInt(), 2, 5);
    for (int i = 3; i <= 5; ++i)
        B_Rond[static_cast<std::size_t>(i - 1)]->setEnabled(n >= i);
    if (wypelnianie_)
        return;
    if (BiezacyPomiar.MaxJest != n)
        BiezacyPomiar.PomiarZmieniony = 1;
    BiezacyPomiar.MaxJest = n;
    UstawKontrolkiPomiaru();
}

void TPomiaryRuchu::PageTypChange()
{
    if (wypelnianie_)
        return;
    const char* typ = PageTyp->currentIndex() == 1 ? "R01" : "J01";
    if (BiezacyPomiar.TypWezla.str() != typ)
        BiezacyPomiar.PomiarZmieniony = 1;
    BiezacyPomiar.TypWezla = typ;
}

void TPomiaryRuchu::CB_ZawrotkiClick()
{
    BiezacyPomiar.RysujZawrotki = CB_Zawrotki->isChecked();
    BiezacyPomiar.PomiarZmieniony = 1;
}

void TPomiaryRuchu::B_UstawieniaClick() { PojazdyTabela->exec(); }
