#include "shell/TUstawyGlobalne.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

#include "base/Teksty.h"
#include "drawing/Tekst.h"
#include "drawing/Wyjscie.h"
#include "junction/SkalePaskow.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"
#include "platform/KatalogProgramu.h"
#include "base/Kodowanie.h"
#include "platform/qt/Kodowanie_qt.h"
#include "shell/Dialogi.h"
#include "shell/Kontrolki.h"
#include "shell/TForm1.h"

TUstawyGlobalne* UstawyGlobalne = nullptr;

namespace {

constexpr const char* Liczba = "####0.0##";
// The band widths and the sheet of one's own with every decimal the file
// keeps (maski::Skala), so that a number left as it was is stored as it was.
constexpr const char* LiczbaSkali = "####0.0###";
constexpr const char* WymiarArkusza = "###0.####";
const QString KoncowkaCzcionki = "100.Lzs";

void OznaczWszystkieNieobliczone()
{
    for (DaneRuchoplan& r : Ruchoplany)
        r.Obliczony = 0;
    for (DaneRondo& r : Ronda)
        r.Obliczony = 0;
}

// The settings section as the project file keeps it.
std::string NastawyWPliku()
{
    PisarzProjektu p;
    ZapiszSekcjeNastaw(p);
    return p.ZabierzTresc();
}

// A DXF name shorter than "a.dxf" is none.
bool NazwaDxfPodana(const std::string& nazwa) { return nazwa.size() > 4; }

QGroupBox* Grupa(QWidget* rodzic, const QString& tytul, const char* nazwa)
{
    auto* g = new QGroupBox(tytul, rodzic);
    g->setObjectName(nazwa);
    return g;
}

} // namespace

TUstawyGlobalne::TUstawyGlobalne(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("UstawyGlobalne");
    setWindowTitle(U("Ustawienia globalne"));
    setModal(true);

    // Sheet.
    QGroupBox* gArkusz = Grupa(this, U("Arkusz"), "GB_Arkusz");
    auto* ua = new QGridLayout(gArkusz);
    RB_AutoArkusz = NowyWybor(gArkusz, "RB_AutoArkusz", U("Automatycznie"));
    RB_ArkuszA4 = NowyWybor(gArkusz, "RB_ArkuszA4", "A4");
    RB_ArkuszA3 = NowyWybor(gArkusz, "RB_ArkuszA3", "A3");
    RB_ArkuszA2 = NowyWybor(gArkusz, "RB_ArkuszA2", "A2");
    RB_RecznieArkusz = NowyWybor(gArkusz, "RB_RecznieArkusz", U("Ręcznie"));
    E_BArkuszUser = NowePole(gArkusz, "E_BArkuszUser");
    E_HArkuszUser = NowePole(gArkusz, "E_HArkuszUser");
    OpisArkusz = new QLabel(gArkusz);
    OpisArkusz->setObjectName("OpisArkusz");
    ua->addWidget(RB_AutoArkusz, 0, 0);
    ua->addWidget(RB_ArkuszA4, 0, 1);
    ua->addWidget(RB_ArkuszA3, 0, 2);
    ua->addWidget(RB_ArkuszA2, 0, 3);
    ua->addWidget(RB_RecznieArkusz, 1, 0);
    ua->addWidget(new QLabel("b=", gArkusz), 1, 1);
    ua->addWidget(E_BArkuszUser, 1, 2);
    ua->addWidget(new QLabel("h=", gArkusz), 1, 3);
    ua->addWidget(E_HArkuszUser, 1, 4);
    ua->addWidget(OpisArkusz, 2, 0, 1, 5);

    // Flow labels and lines.
    QGroupBox* gStyl = Grupa(this, U("Opisy potoków"), "GB_Styl");
    auto* us = new QGridLayout(gStyl);
    QStringList grubosci;
    for (int i = 1; i <= 15; ++i)
        grubosci << QString("%1,%2").arg(i / 10).arg(i % 10);
    BudujStyl(gStyl, us, 0, 6,
              {.procenty = "Rysuj procenty  dokł =",
               .zawrotki = "CB_Rysuj0Zawrotki",
               .zawrotkiTekst = "Pisz 0-we zawrotki",
               .natezeniaTekst = "Rysuj 0-we natężenia",
               .linie = "S_Linie",
               .tytul = "Stytul",
               .grubosci = grubosci});
    ComboCzcionka = new QComboBox(gStyl);
    ComboCzcionka->setObjectName("ComboCzcionka");
    CB_TrueType = NowyPrzelacznik(gStyl, "CB_TrueType", "TT");
    CB_TrueType->hide();
    L_DxfNazwa = new QLabel(gStyl);
    L_DxfNazwa->setObjectName("L_DxfNazwa");
    L_DxfNazwa->hide();
    us->addWidget(new QLabel(U("Czcionka"), gStyl), 5, 0);
    us->addWidget(ComboCzcionka, 5, 1);

    // Band widths.
    QGroupBox* gPaski = Grupa(this, U("Szerokość pasków"), "GB_Paski");
    auto* upk = new QGridLayout(gPaski);
    RB_Automatycznie = NowyWybor(gPaski, "RB_Automatycznie", U("Automatycznie"));
    RB_Maxszerokosc = NowyWybor(gPaski, "RB_Maxszerokosc", U("Max. szerokość [cm]"));
    RB_pojazdow100 = NowyWybor(gPaski, "RB_pojazdow100", U("Na 100 pojazdów [cm]"));
    E_MinPojazd = NowePole(gPaski, "E_MinPojazd");
    E_MaxSzer = NowePole(gPaski, "E_MaxSzer");
    E_Pojazd100 = NowePole(gPaski, "E_Pojazd100");
    B_MaxSzer_Minus = NowyPrzycisk(gPaski, "B_MaxSzer_Minus", "-");
    B_MaxSzer_Plus = NowyPrzycisk(gPaski, "B_MaxSzer_Plus", "+");
    upk->addWidget(RB_Automatycznie, 0, 0);
    upk->addWidget(new QLabel(U("Min. pojazdów [szt]"), gPaski), 0, 1);
    upk->addWidget(E_MinPojazd, 0, 2);
    upk->addWidget(RB_Maxszerokosc, 1, 0);
    upk->addWidget(E_MaxSzer, 1, 1);
    upk->addWidget(B_MaxSzer_Minus, 1, 2);
    upk->addWidget(B_MaxSzer_Plus, 1, 3);
    upk->addWidget(RB_pojazdow100, 2, 0);
    upk->addWidget(E_Pojazd100, 2, 1);

    // Crossing widths.
    QGroupBox* gPrzejscia = Grupa(this, U("Szerokość przejść"), "GB_Przejscia");
    auto* upr = new QGridLayout(gPrzejscia);
    RB_PrzejAuto = NowyWybor(gPrzejscia, "RB_PrzejAuto", U("Automatycznie"));
    RB_PrzejMaxSzer = NowyWybor(gPrzejscia, "RB_PrzejMaxSzer", U("Max. szerokość [cm]"));
    RB_Przej100 = NowyWybor(gPrzejscia, "RB_Przej100", U("Na 100 pieszych [cm]"));
    E_PrzejMaxSzer = NowePole(gPrzejscia, "E_PrzejMaxSzer");
    E_Przej100 = NowePole(gPrzejscia, "E_Przej100");
    B_PrzejMaxSzer_Minus = NowyPrzycisk(gPrzejscia, "B_PrzejMaxSzer_Minus", "-");
    B_PrzejMaxSzer_Plus = NowyPrzycisk(gPrzejscia, "B_PrzejMaxSzer_Plus", "+");
    upr->addWidget(RB_PrzejAuto, 0, 0);
    upr->addWidget(RB_PrzejMaxSzer, 1, 0);
    upr->addWidget(E_PrzejMaxSzer, 1, 1);
    upr->addWidget(B_PrzejMaxSzer_Minus, 1, 2);
    upr->addWidget(B_PrzejMaxSzer_Plus, 1, 3);
    upr->addWidget(RB_Przej100, 2, 0);
    upr->addWidget(E_Przej100, 2, 1);

    // Crossing categories and the sheet legends.
    QGroupBox* gKategorie = Grupa(this, U("Przejścia"), "GB_Kategorie");
    auto* uk = new QGridLayout(gKategorie);
    BudujKategorie(gKategorie, uk, "CB_RysujRowery", "S_Rowery");
    E_PrzejL = NowePole(gKategorie, "E_PrzejL");
    uk->addWidget(new QLabel(U("L=...[cm]"), gKategorie), 4, 0);
    uk->addWidget(E_PrzejL, 4, 1);
    BudujLegendy(gKategorie, uk, "Rys. legendę przej ark.", "Rys. legendę struk. ark.");

    Rozmiary = std::make_unique<TKontrolkiRozmiarow>(this, "B_WOpis_plus", "B_WOpis_minus", "B_WOpis_plusgr",
                                                     "B_WOpis_minusgr");

    B_wprowadz = NowyPrzycisk(this, "B_wprowadz", U("Powrót"));
    B_Przerys1 = NowyPrzycisk(this, "B_Przerys1", U("Przerys"));
    Standard = NowyPrzycisk(this, "Standard", U("Ustawienia standardowe"));
    NowyPrzeswit(this, CB_Przeswit, SB_Blend);

    auto* siatka = new QGridLayout;
    siatka->addWidget(gArkusz, 0, 0);
    siatka->addWidget(gStyl, 0, 1);
    siatka->addWidget(gPaski, 1, 0);
    siatka->addWidget(gPrzejscia, 1, 1);
    siatka->addWidget(Rozmiary->GrupaLegendy, 2, 0);
    siatka->addWidget(Rozmiary->GrupaOpisow, 2, 1);
    siatka->addWidget(gKategorie, 3, 0);
    auto* dol = new QHBoxLayout;
    dol->addWidget(CB_Przeswit);
    dol->addWidget(SB_Blend);
    dol->addStretch();
    dol->addWidget(Standard);
    dol->addWidget(B_Przerys1);
    dol->addWidget(B_wprowadz);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(siatka);
    uklad->addLayout(dol);

    // Handlers run only for what the user does.
    connect(B_wprowadz, &QPushButton::clicked, this, [this] { B_wprowadzClick(); });
    connect(B_Przerys1, &QPushButton::clicked, this, [this] { B_Przerys1Click(); });
    connect(Standard, &QPushButton::clicked, this, [this] { StandardClick(); });
    connect(ComboCzcionka, &QComboBox::activated, this, [this](int) { ComboCzcionkaChange(); });
    for (QRadioButton* r : {RB_Automatycznie, RB_Maxszerokosc, RB_pojazdow100})
        connect(r, &QRadioButton::clicked, this, [this] { RegulaPaskowClick(); });
    for (QRadioButton* r : {RB_PrzejAuto, RB_PrzejMaxSzer, RB_Przej100})
        connect(r, &QRadioButton::clicked, this, [this] { RegulaPrzejscClick(); });
    for (QRadioButton* r : {RB_AutoArkusz, RB_RecznieArkusz, RB_ArkuszA4, RB_ArkuszA3, RB_ArkuszA2})
        connect(r, &QRadioButton::clicked, this, [this] { ArkuszClick(); });
    connect(B_MaxSzer_Minus, &QPushButton::clicked, this, [this] { KrokSzerokosci(E_MaxSzer, -0.1); });
    connect(B_MaxSzer_Plus, &QPushButton::clicked, this, [this] { KrokSzerokosci(E_MaxSzer, 0.1); });
    connect(B_PrzejMaxSzer_Minus, &QPushButton::clicked, this, [this] { KrokSzerokosci(E_PrzejMaxSzer, -0.1); });
    connect(B_PrzejMaxSzer_Plus, &QPushButton::clicked, this, [this] { KrokSzerokosci(E_PrzejMaxSzer, 0.1); });
    auto krokLegendy = [this](QPushButton* b, bool (TKontrolkiRozmiarow::*f)(int) const, int znak) {
        connect(b, &QPushButton::clicked, this, [this, f, znak] {
            if ((Rozmiary.get()->*f)(znak)) {
                ZapiszLegendeGlobalna();
                OznaczWszystkieNieobliczone();
                Form1->Przerysuj();
            }
        });
    };
    krokLegendy(Rozmiary->B_WLegPlus, &TKontrolkiRozmiarow::KrokLegendy, 1);
    krokLegendy(Rozmiary->B_WLegMinus, &TKontrolkiRozmiarow::KrokLegendy, -1);
    krokLegendy(Rozmiary->B_WLegPlusgr, &TKontrolkiRozmiarow::KrokLegendyGr, 1);
    krokLegendy(Rozmiary->B_WLegMinusgr, &TKontrolkiRozmiarow::KrokLegendyGr, -1);
    auto krokOpisow = [this](QPushButton* b, bool (TKontrolkiRozmiarow::*f)(int) const, int znak) {
        connect(b, &QPushButton::clicked, this, [this, f, znak] { (Rozmiary.get()->*f)(znak); });
    };
    krokOpisow(Rozmiary->B_WOpisPlus, &TKontrolkiRozmiarow::KrokOpisow, 1);
    krokOpisow(Rozmiary->B_WOpisMinus, &TKontrolkiRozmiarow::KrokOpisow, -1);
    krokOpisow(Rozmiary->B_WOpisPlusGr, &TKontrolkiRozmiarow::KrokOpisowGr, 1);
    krokOpisow(Rozmiary->B_WOpisMinusGr, &TKontrolkiRozmiarow::KrokOpisowGr, -1);
    connect(Rozmiary->B_ResetWlasnosciLegRupl, &QPushButton::clicked, this, [this] {
        Rozmiary->DomyslnaLegenda();
        ZapiszLegendeGlobalna();
    });
    connect(Rozmiary->B_ResetWlasnosciOpisow, &QPushButton::clicked, this,
            [this] { Rozmiary->DomyslneOpisy(0.25); });
    for (TKsztaltKoloru* s : {S_Linie, SOpisy, STytul, SWypel, S_Przejscia[0], S_Przejscia[1], S_Przejscia[2],
                              S_Przejscia[3]})
        connect(s, &QPushButton::clicked, this, [this, s] { KsztaltClick(s); });
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             RB_Standard, RB_TylkoSuma, RB_TabelkaWW, CB_PiszSume, CB_PiszStruk, CB_PiszZeraStruk, CB_RysujProcenty,
             CB_RysujOznaczenie, CB_Rysuj0Zawrotki, CB_Rysuj0Natezenia, CB_RysujLegPrzej, CB_RysujLegStruk,
             CB_Rysuj[0], CB_Rysuj[1], CB_Rysuj[2], CB_Rysuj[3], CB_Suma[0], CB_Suma[1], CB_Suma[2], CB_Suma[3]})
        connect(b, &QAbstractButton::clicked, this, [this] { PrzelacznikMouseUp(); });
    connect(CB_TrueType, &QCheckBox::clicked, this, [this] { TekstTT = CB_TrueType->isChecked(); });
    auto przeswit = [this] { UstawPrzeswit(this, CB_Przeswit, SB_Blend); };
    connect(CB_Przeswit, &QCheckBox::clicked, this, przeswit);
    connect(SB_Blend, &QScrollBar::valueChanged, this, przeswit);

    FormCreate();
}

TUstawyGlobalne::~TUstawyGlobalne() = default;

void TUstawyGlobalne::FormCreate()
{
    const QDir dane(SciezkaNaQString(KatalogDane()));
    std::string wProjekcie;
    // The project keeps the font's name as text: a name it cannot hold is
    // not offered.
    for (const QString& plik : dane.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        if (plik.endsWith(KoncowkaCzcionki) && Utf8NaCp1250Dokladnie(plik.toStdString(), wProjekcie))
            ComboCzcionka->addItem(plik.left(plik.size() - KoncowkaCzcionki.size()));
}

bool TUstawyGlobalne::WczytajCzcionke(const QString& nazwa)
{
    const std::filesystem::path plik = PolaczSciezke(KatalogDane(), SciezkaZQString(nazwa + KoncowkaCzcionki).native());
    if (!PlikIstnieje(plik) || !WczytajCzcionkeONazwie(ZQString(nazwa)))
        return false;
    wg.NazwaCzcionki = ZQString(nazwa);
    return true;
}

void TUstawyGlobalne::WypelnijUstawienia()
{
    nastawyPrzedEdycja_ = NastawyWPliku();
    WypelnijKontrolki();
}

void TUstawyGlobalne::WypelnijKontrolki()
{
    {
        const TBlokadaSygnalow blokada(this);
        OpisArkusz->setText("Rozmiar h=" + NaQString(FormatFloat("###0.0#", wg.ArkuszH)) + "; b=" +
                            NaQString(FormatFloat("###0.0#", wg.ArkuszB)) + "[cm]");
        UstawLiczbe(E_BArkuszUser, WymiarArkusza, wg.ArkuszBUser);
        UstawLiczbe(E_HArkuszUser, WymiarArkusza, wg.ArkuszHUser);
        ZaznaczJeden({RB_AutoArkusz, RB_ArkuszA4, RB_ArkuszA3, RB_ArkuszA2, RB_RecznieArkusz},
                     wg.ArkuszAuto ? RB_AutoArkusz
                     : wg.ArkuszA4 ? RB_ArkuszA4
                     : wg.ArkuszA3 ? RB_ArkuszA3
                     : wg.ArkuszA2 ? RB_ArkuszA2
                                   : RB_RecznieArkusz);

        Rozmiary->Wypelnij(RozmiaryLegendy, RozmiaryOpisow);
        WypelnijStyl(wg);
        const int czcionka = ComboCzcionka->findText(NaQString(wg.NazwaCzcionki.str()));
        if (czcionka >= 0)
            ComboCzcionka->setCurrentIndex(czcionka);
        CB_TrueType->setChecked(TekstTT);
        // The later rule wins, as in the band scale.
        ZaznaczJeden({RB_Automatycznie, RB_Maxszerokosc, RB_pojazdow100},
                     wg.SkalaPaskow100 ? RB_pojazdow100
                     : wg.SkalaPaskowMax ? RB_Maxszerokosc
                     : wg.SkalaPaskowAuto ? RB_Automatycznie
                                          : nullptr);
        UstawLiczbe(E_MinPojazd, "####0.", wg.MinPojazd);
        UstawLiczbe(E_MaxSzer, LiczbaSkali, wg.MaxSzer);
        UstawLiczbe(E_Pojazd100, LiczbaSkali, wg.Pojazd100);
        ZaznaczJeden({RB_PrzejAuto, RB_PrzejMaxSzer, RB_Przej100},
                     wg.SkalaPrzejsc100 ? RB_Przej100
                     : wg.SkalaPrzejscMax ? RB_PrzejMaxSzer
                     : wg.SkalaPrzejscAuto ? RB_PrzejAuto
                                           : nullptr);
        UstawLiczbe(E_PrzejMaxSzer, LiczbaSkali, wg.PrzejMaxSzer);
        UstawLiczbe(E_Przej100, LiczbaSkali, wg.Przej100);
        WypelnijPrzejscia(wg);
        UstawLiczbe(E_PrzejL, Liczba, wg.OdlegloscPrzejsc);
        if (NazwaDxfPodana(wg.NazwaDxf.str()))
            L_DxfNazwa->setText(NaQString(wg.NazwaDxf.str()));
    }
    PrzelacznikMouseUp();
    ArkuszClick();
    RegulaPaskowClick();
    RegulaPrzejscClick();
}

void TUstawyGlobalne::ZapiszLegendeGlobalna() { Rozmiary->CzytajLegende(RozmiaryLegendy); }

void TUstawyGlobalne::ZapiszOpisyGlobalne() { Rozmiary->CzytajOpisy(RozmiaryOpisow); }

bool TUstawyGlobalne::ZastosujUstawienia()
{
    // Every edit is read into copies first; the settings change only when
    // all of them hold.
    using namespace granice;
    SprawdzanieWartosci s;
    TUstawieniaGlobalne n = wg;
    TRozmiaryLegendy legenda = RozmiaryLegendy;
    TRozmiaryOpisow opisy = RozmiaryOpisow;
    // Each number as the file keeps it: the sheet and band scales with four
    // decimals, the crossings' distance with three.
    auto rzeczywista = [&](float& x, const GranicaPola& g, const QLineEdit* pole, const char* nazwa,
                           const char* maska = maski::Skala) {
        x = static_cast<float>(s.Wartosc(g, Tekst(pole), nazwa, x, maska));
    };

    // Sheet.
    n.ArkuszAuto = n.ArkuszA4 = n.ArkuszA3 = n.ArkuszA2 = 0;
    if (RB_RecznieArkusz->isChecked()) {
        rzeczywista(n.ArkuszBUser, Arkusz, E_BArkuszUser, "Szerokość arkusza");
        rzeczywista(n.ArkuszHUser, Arkusz, E_HArkuszUser, "Wysokość arkusza");
        n.ArkuszB = n.ArkuszBUser;
        n.ArkuszH = n.ArkuszHUser;
    } else if (RB_ArkuszA4->isChecked()) {
        n.ArkuszA4 = 1;
        n.ArkuszB = 20.5f;
        n.ArkuszH = 28.5f;
    } else if (RB_ArkuszA3->isChecked()) {
        n.ArkuszA3 = 1;
        n.ArkuszB = 41.0f;
        n.ArkuszH = 28.5f;
    } else if (RB_ArkuszA2->isChecked()) {
        n.ArkuszA2 = 1;
        n.ArkuszB = 58.4f;
        n.ArkuszH = 41.0f;
    } else {
        n.ArkuszAuto = 1;
        ArkuszZeStronyDrukarki(n);
    }

    // Labels and lines, with their colours.
    CzytajStyl(n, s);

    // The size tables.
    Rozmiary->CzytajLegende(legenda, s);
    Rozmiary->CzytajOpisy(opisy, s);

    // Band rule.
    n.MinPojazd = static_cast<int32_t>(s.Wartosc(MinPojazd, Tekst(E_MinPojazd), "Min. natężenie", n.MinPojazd));
    n.SkalaPaskowAuto = RB_Automatycznie->isChecked();
    n.SkalaPaskowMax = RB_Maxszerokosc->isChecked();
    n.SkalaPaskow100 = RB_pojazdow100->isChecked();
    rzeczywista(n.MaxSzer, Wymiar, E_MaxSzer, "Maks. szerokość paska");
    rzeczywista(n.Pojazd100, Wymiar, E_Pojazd100, "Szerokość na 100 pojazdów");

    // Crossings.
    CzytajPrzejscia(n, s);
    rzeczywista(n.PrzejMaxSzer, Wymiar, E_PrzejMaxSzer, "Maks. szerokość paska przejść");
    rzeczywista(n.Przej100, Wymiar, E_Przej100, "Szerokość na 100 pieszych");
    n.SkalaPrzejscAuto = RB_PrzejAuto->isChecked();
    n.SkalaPrzejscMax = RB_PrzejMaxSzer->isChecked();
    n.SkalaPrzejsc100 = RB_Przej100->isChecked();
    rzeczywista(n.OdlegloscPrzejsc, Wymiar, E_PrzejL, "Odległość przejść", maski::Rozmiar);
    if (const std::string dxf = ZQString(L_DxfNazwa->text()); NazwaDxfPodana(dxf))
        n.NazwaDxf = dxf;

    if (!s.Dobre()) {
        PokazBladUzytkownikowi(s.Komunikat());
        return false;
    }
    wg = n;
    RozmiaryLegendy = legenda;
    RozmiaryOpisow = opisy;

    // Font: a missing file changes nothing.
    if (ComboCzcionka->currentText() != NaQString(wg.NazwaCzcionki.str()))
        WczytajCzcionke(ComboCzcionka->currentText());

    UstawSkalePaskow();

    // Only what the file would keep differently is a change to save; every
    // diagram is computed anew either way.
    OznaczZmianeUstawien();
    OznaczWszystkieNieobliczone();
    return true;
}

void TUstawyGlobalne::OznaczZmianeUstawien() const
{
    if (NastawyWPliku() != nastawyPrzedEdycja_)
        ZmienionoProjekt();
}

void TUstawyGlobalne::done(int wynik)
{
    OznaczZmianeUstawien();
    QDialog::done(wynik);
}

void TUstawyGlobalne::StandardClick()
{
    wg.Siatka = 0;
    wg.RysujProcenty = 1;
    wg.RysujOznaczenie = 1;
    wg.TabelkaWW = 0;
    wg.SkalaPaskow = 0.01f;
    wg.SkalaPaskowAuto = 1;
    wg.SkalaPaskowMax = 0;
    wg.SkalaPaskow100 = 0;
    wg.KolorWypelnien = 0x969696;
    wg.KolorOpisow = wg.KolorLinii = wg.KolorTytulow = 0;
    wg.OdstepArkuszyB = wg.OdstepArkuszyH = 5.0f;
    wg.KrokSiatki = 1.0f;
    wg.MinOdlegloscWezlow = 2.0f;
    wg.MinPojazd = 50;
    wg.MaxSzer = 3.0f;
    wg.Pojazd100 = 1.0f;
    wg.PrzejMaxSzer = 0.5f;
    wg.Przej100 = 1.0f;
    wg.SkalaPrzejscAuto = 1;
    wg.SkalaPrzejscMax = 0;
    wg.SkalaPrzejsc100 = 0;
    for (int i = 0; i < 4; ++i)
        wg.NazwyPrzejsc[i] = DomyslneNazwyPrzejsc[i];
    wg.KoloryPrzejsc = DomyslneKoloryPrzejsc;
    RozmiaryLegendy = TRozmiaryLegendy{};
    const TRozmiaryOpisow domyslne;
    for (int i = 0; i <= 8; ++i)
        RozmiaryOpisow[i] = domyslne[i];
    // The font list shows the standard font; the loaded glyphs stay.
    const int roman = ComboCzcionka->findText("Roman");
    if (roman >= 0)
        ComboCzcionka->setCurrentIndex(roman);
    WypelnijKontrolki();
    Form1->UstawSiatke(false, FormatFloat(MaskaKrokuSiatki, wg.KrokSiatki));
    OznaczZmianeUstawien();
    OznaczWszystkieNieobliczone();
    Form1->Przerysuj();
}

void TUstawyGlobalne::ComboCzcionkaChange()
{
    if (ComboCzcionka->currentText() != NaQString(wg.NazwaCzcionki.str()) &&
        WczytajCzcionke(ComboCzcionka->currentText()))
        OznaczWszystkieNieobliczone();
    Form1->Przerysuj();
}

void TUstawyGlobalne::B_wprowadzClick()
{
    if (!ZastosujUstawienia())
        return;
    accept();
    Form1->Przerysuj();
}

void TUstawyGlobalne::B_Przerys1Click()
{
    if (!ZastosujUstawienia())
        return;
    Form1->Przerysuj();
}

void TUstawyGlobalne::RegulaPaskowClick()
{
    WlaczKontrolki({E_MaxSzer, B_MaxSzer_Minus, B_MaxSzer_Plus}, RB_Maxszerokosc->isChecked());
    E_Pojazd100->setEnabled(RB_pojazdow100->isChecked());
}

void TUstawyGlobalne::RegulaPrzejscClick()
{
    WlaczKontrolki({E_PrzejMaxSzer, B_PrzejMaxSzer_Minus, B_PrzejMaxSzer_Plus}, RB_PrzejMaxSzer->isChecked());
    E_Przej100->setEnabled(RB_Przej100->isChecked());
}

void TUstawyGlobalne::ArkuszClick()
{
    WlaczKontrolki({E_BArkuszUser, E_HArkuszUser}, RB_RecznieArkusz->isChecked());
    OpisArkusz->setEnabled(RB_AutoArkusz->isChecked());
}

void TUstawyGlobalne::KrokSzerokosci(QLineEdit* pole, double krok)
{
    double x = 0.0;
    if (!CzytajLiczbe(pole, x))
        return;
    x += krok;
    if (krok < 0.0 && x < 0.1)
        x = 0.1;
    UstawLiczbe(pole, "##0.0#", x);
    B_Przerys1Click();
}

// The colour reaches the settings, and marks the project changed, with the commit.
void TUstawyGlobalne::KsztaltClick(TKsztaltKoloru* ksztalt) { ksztalt->WybierzKolor(); }

void TUstawyGlobalne::PrzelacznikMouseUp() { PokazTabelke(); }
