#include "shell/TWezlyOperacje.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

#include "base/Geometria.h"
#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "junction/WlotyPomiaru.h"
#include "model/Granice.h"
#include "model/Operacje.h"
#include "model/Projekt.h"
#include "platform/qt/Kodowanie_qt.h"
#include "shell/Arkusz.h"
#include "shell/Dialogi.h"
#include "shell/Kontrolki.h"

TWezlyOperacje* WezlyOperacje = nullptr;

namespace {

// The totals of a diagram fed by a count, from that count.
void SumyZPomiaru(DaneRuchoplan& r)
{
    const DanePomiar* p = PomiarRuchoplanu(r);
    if (!p)
        return;
    for (int k = 1; k <= 4; ++k) {
        int32_t wlot = 0, wylot = 0;
        for (int j = 1; j <= 4; ++j) {
            wlot += NatezeniePomiaru(*p, k, j);
            wylot += NatezeniePomiaru(*p, j, k);
        }
        r.SumaWlotu[k - 1] = wlot;
        r.SumaWylotu[k - 1] = wylot;
    }
}

} // namespace

TWezlyOperacje::TWezlyOperacje(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("WezlyOperacje");
    setWindowTitle(U("Właściwości węzła."));
    setModal(true);

    L_NrWezel = new QLabel("0", this);
    L_NrWezel->setObjectName("L_NrWezel");
    L_NrWezel->hide();

    // Name, position, title.
    auto* gWezel = new QGroupBox(U("Węzeł"), this);
    auto* uw = new QGridLayout(gWezel);
    E_OpisWezla = NowePole(gWezel, "E_OpisWezla");
    E_OpisWezla->setMaximumWidth(400);
    E_WspX = NowePole(gWezel, "E_WspX");
    E_wspY = NowePole(gWezel, "E_wspY");
    B_WspXPlus = NowyPrzycisk(gWezel, "B_WspXPlus", "+");
    B_WspXMinus = NowyPrzycisk(gWezel, "B_WspXMinus", "-");
    B_WspYPlus = NowyPrzycisk(gWezel, "B_WspYPlus", "+");
    B_WspYMinus = NowyPrzycisk(gWezel, "B_WspYMinus", "-");
    uw->addWidget(new QLabel(U("Opis węzła:"), gWezel), 0, 0);
    uw->addWidget(E_OpisWezla, 0, 1, 1, 5);
    uw->addWidget(new QLabel("X [cm]", gWezel), 1, 0);
    uw->addWidget(E_WspX, 1, 1);
    uw->addWidget(B_WspXMinus, 1, 2);
    uw->addWidget(B_WspXPlus, 1, 3);
    uw->addWidget(new QLabel("Y [cm]", gWezel), 2, 0);
    uw->addWidget(E_wspY, 2, 1);
    uw->addWidget(B_WspYMinus, 2, 2);
    uw->addWidget(B_WspYPlus, 2, 3);
    Tytul1 = NowePole(gWezel, "Tytul1");
    Tytul2 = NowePole(gWezel, "Tytul2");
    Tytul3 = NowePole(gWezel, "Tytul3");
    for (QLineEdit* t : {Tytul1, Tytul2, Tytul3})
        t->setMaximumWidth(400);
    E_dx = NowePole(gWezel, "E_dx");
    E_dy = NowePole(gWezel, "E_dy");
    CB_HTytul = new QComboBox(gWezel);
    CB_HTytul->setObjectName("CB_HTytul");
    CB_HTytul->setEditable(true);
    CB_HTytul->addItems({"0,5", "0,75", "1", "1,25", "1,5", "2"});
    RB_lewy = NowyWybor(gWezel, "RB_lewy", U("Lewy"));
    RB_centrum = NowyWybor(gWezel, "RB_centrum", U("Centruj"));
    RB_prawy = NowyWybor(gWezel, "RB_prawy", U("Prawy"));
    BResetSzablon = NowyPrzycisk(gWezel, "BResetSzablon", U("Wyczyść wpisy"));
    uw->addWidget(new QLabel(U("Tytuł"), gWezel), 3, 0);
    uw->addWidget(Tytul1, 3, 1, 1, 5);
    uw->addWidget(Tytul2, 4, 1, 1, 5);
    uw->addWidget(Tytul3, 5, 1, 1, 5);
    uw->addWidget(new QLabel("dx", gWezel), 6, 0);
    uw->addWidget(E_dx, 6, 1);
    uw->addWidget(new QLabel("dy", gWezel), 6, 2);
    uw->addWidget(E_dy, 6, 3);
    uw->addWidget(new QLabel("h", gWezel), 6, 4);
    uw->addWidget(CB_HTytul, 6, 5);
    auto* wyr = new QWidget(gWezel);
    auto* uwyr = new QHBoxLayout(wyr);
    uwyr->setContentsMargins(0, 0, 0, 0);
    uwyr->addWidget(RB_lewy);
    uwyr->addWidget(RB_centrum);
    uwyr->addWidget(RB_prawy);
    uw->addWidget(wyr, 7, 1, 1, 3);
    uw->addWidget(BResetSzablon, 7, 4, 1, 2);

    // Label style and switches.
    auto* gStyl = new QGroupBox(U("Rysunek"), this);
    auto* us = new QGridLayout(gStyl);
    CB_Globalne = NowyPrzelacznik(gStyl, "CB_Globalne", U("Parametry globalne"));
    us->addWidget(CB_Globalne, 0, 0, 1, 2);
    QStringList grubosci;
    for (int i = 1; i <= 15; ++i)
        grubosci << NaQString(FormatFloat("0.0", i / 10.0));
    BudujStyl(gStyl, us, 1, 6,
              {.procenty = "Rysuj procenty",
               .zawrotki = "CB_Pisz0Zawrotki",
               .zawrotkiTekst = "Pisz 0-we zawrotki",
               .natezeniaTekst = "Rysuj 0-we natężenia",
               .linie = "SLinie",
               .tytul = "STytul",
               .grubosci = grubosci});

    // Crossings and the node's legends.
    auto* gPrzej = new QGroupBox(U("Przejścia"), this);
    auto* up = new QGridLayout(gPrzej);
    BudujKategorie(gPrzej, up, "CB_RysujRower", "S_Rower");
    up->addWidget(new QLabel(U("Odległość przejścia"), gPrzej), 4, 0);
    auto* odl = new QWidget(gPrzej);
    auto* uodl = new QHBoxLayout(odl);
    uodl->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        const std::string nazwa = "E_L" + std::to_string(i + 1);
        E_L[i] = NowePole(odl, nazwa.c_str());
        E_L[i]->setMaximumWidth(50);
        uodl->addWidget(E_L[i]);
    }
    up->addWidget(odl, 4, 1, 1, 3);
    BudujLegendy(gPrzej, up, "Rys. legendę przejść", "Rys. legendę struktury");

    Rozmiary = std::make_unique<TKontrolkiRozmiarow>(this, "B_WOpisPlus", "B_WOpisMinus", "B_WOpisPlusGr",
                                                     "B_WOpisMinusgr");

    B_Powrot = NowyPrzycisk(this, "B_Powrot", U("Powrót"));
    B_Przerys = NowyPrzycisk(this, "B_Przerys", U("Przerys"));
    NowyPrzeswit(this, CB_Przeswit, SB_Blend);

    auto* siatka = new QGridLayout;
    siatka->addWidget(gWezel, 0, 0);
    siatka->addWidget(gStyl, 0, 1);
    siatka->addWidget(Rozmiary->GrupaLegendy, 1, 0);
    siatka->addWidget(Rozmiary->GrupaOpisow, 1, 1);
    siatka->addWidget(gPrzej, 2, 0);
    auto* dol = new QHBoxLayout;
    dol->addWidget(CB_Przeswit);
    dol->addWidget(SB_Blend);
    dol->addStretch();
    dol->addWidget(B_Przerys);
    dol->addWidget(B_Powrot);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(siatka);
    uklad->addLayout(dol);

    // Handlers: only what the user does runs them (clicked, not toggled).
    connect(B_Powrot, &QPushButton::clicked, this, [this] { B_PowrotClick(); });
    connect(B_Przerys, &QPushButton::clicked, this, [this] { B_PrzerysClick(); });
    connect(CB_Globalne, &QCheckBox::clicked, this, [this] {
        CB_GlobalneClick();
        ZmianaIPrzerysowanie();
    });
    connect(RB_TabelkaWW, &QRadioButton::clicked, this, [this] { RB_TabelkaWWMouseUp(); });
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{CB_RysujProcenty, CB_RysujOznaczenie,
                                                                      CB_Rysuj0Zawrotki, RB_Standard, RB_TylkoSuma})
        connect(b, &QAbstractButton::clicked, this, [this] {
            PokazTabelke();
            ZmianaIPrzerysowanie();
        });
    auto krok = [this](QPushButton* b, bool (TKontrolkiRozmiarow::*f)(int) const, int znak) {
        connect(b, &QPushButton::clicked, this, [this, f, znak] {
            if ((Rozmiary.get()->*f)(znak))
                ZmianaIPrzerysowanie();
        });
    };
    krok(Rozmiary->B_WLegPlus, &TKontrolkiRozmiarow::KrokLegendy, 1);
    krok(Rozmiary->B_WLegMinus, &TKontrolkiRozmiarow::KrokLegendy, -1);
    krok(Rozmiary->B_WLegPlusgr, &TKontrolkiRozmiarow::KrokLegendyGr, 1);
    krok(Rozmiary->B_WLegMinusgr, &TKontrolkiRozmiarow::KrokLegendyGr, -1);
    krok(Rozmiary->B_WOpisPlus, &TKontrolkiRozmiarow::KrokOpisow, 1);
    krok(Rozmiary->B_WOpisMinus, &TKontrolkiRozmiarow::KrokOpisow, -1);
    krok(Rozmiary->B_WOpisPlusGr, &TKontrolkiRozmiarow::KrokOpisowGr, 1);
    krok(Rozmiary->B_WOpisMinusGr, &TKontrolkiRozmiarow::KrokOpisowGr, -1);
    connect(Rozmiary->B_ResetWlasnosciLegRupl, &QPushButton::clicked, this, [this] {
        Rozmiary->DomyslnaLegenda();
        ZmianaIPrzerysowanie();
    });
    connect(Rozmiary->B_ResetWlasnosciOpisow, &QPushButton::clicked, this, [this] {
        Rozmiary->DomyslneOpisy(0.2);
        ZmianaIPrzerysowanie();
    });
    connect(B_WspXPlus, &QPushButton::clicked, this, [this] { KrokPozycji(E_WspX, 0.1); });
    connect(B_WspXMinus, &QPushButton::clicked, this, [this] { KrokPozycji(E_WspX, -0.1); });
    connect(B_WspYPlus, &QPushButton::clicked, this, [this] { KrokPozycji(E_wspY, 0.1); });
    connect(B_WspYMinus, &QPushButton::clicked, this, [this] { KrokPozycji(E_wspY, -0.1); });
    connect(BResetSzablon, &QPushButton::clicked, this, [this] {
        BResetSzablonClick();
        ZmianaIPrzerysowanie();
    });
    for (TKsztaltKoloru* s : {S_Linie, SWypel, SOpisy, STytul, S_Przejscia[0], S_Przejscia[1], S_Przejscia[2],
                              S_Przejscia[3]})
        connect(s, &QPushButton::clicked, this, [this, s] { KsztaltClick(s); });
    connect(Rozmiary->SB_DoklProc, &QScrollBar::valueChanged, this, [this](int) { ZmianaIPrzerysowanie(); });
    connect(CB_Przeswit, &QCheckBox::clicked, this, [this] { CB_PrzeswitClick(); });
    connect(SB_Blend, &QScrollBar::valueChanged, this, [this](int) { CB_PrzeswitClick(); });
}

TWezlyOperacje::~TWezlyOperacje() = default;

// ---- node operations ----

namespace {

// A place the project file holds, typed or clicked on a view zoomed far out,
// and a name it holds whole; else the message naming the field.
std::string OdmowaPolozenia(const TNowyWezel& nowy)
{
    if (!granice::Wspolrzedna.Miesci(nowy.X))
        return KomunikatGranicy(granice::Wspolrzedna, "Współrzędna X");
    if (!granice::Wspolrzedna.Miesci(nowy.Y))
        return KomunikatGranicy(granice::Wspolrzedna, "Współrzędna Y");
    constexpr int pojemnosc = decltype(DaneWezel::Nazwa)::Pojemnosc;
    return OdmowaTekstu(nowy.Nazwa, pojemnosc, "Nazwa węzła");
}

}  // namespace

void TWezlyOperacje::DodajWezel(const TNowyWezel& nowy)
{
    if (const std::string odmowa = OdmowaPolozenia(nowy); !odmowa.empty()) {
        PokazBladUzytkownikowi(odmowa);
        return;
    }
    char typ = nowy.Typ;
    if (Form1->Tryb() == TTrybEdycji::DodajRupl)
        typ = 'J';
    else if (Form1->Tryb() == TTrybEdycji::DodajRondo)
        typ = 'R';
    const std::string odmowa = ::DodajWezel(JakWPliku(nowy.X, maski::Polozenie), JakWPliku(nowy.Y, maski::Polozenie),
                                             nowy.Nazwa.cp1250, typ);
    if (!odmowa.empty()) {
        // The mode stays armed for another place.
        PokazBladUzytkownikowi(odmowa);
        Form1->Przerysuj();
        return;
    }
    Form1->PanelZEdit->hide();
    Form1->PanelWsp->hide();
    Form1->UstawTryb(TTrybEdycji::Brak);
    ZmienionoProjekt();
    Form1->UstawPolecenia();
    Form1->Przerysuj();
}

void TWezlyOperacje::PokazPanelWezla()
{
    const int32_t n = Form1->WskWezelEdycja;
    if (!JestIndeksem(n, Wezly))
        return;
    const DaneWezel& w = Wezly[n];
    Form1->L_Opis->setText(U("Nazwa węzła sieci."));
    Form1->E_Opis->setText(NaQString(w.Nazwa.str()));
    Form1->PanelZEdit->show();
    Form1->E_x->setText(NaQString(FormatFloat("########0.00", w.X)));
    Form1->E_y->setText(NaQString(FormatFloat("########0.00", w.Y)));
    Form1->B_Wstaw->setText(U("Zmień"));
    Form1->PanelWsp->show();
    Form1->NowyWezel.Typ = w.Typ;
    Form1->UstawTryb(TTrybEdycji::NowaPozycjaWezla);
}

void TWezlyOperacje::OznaczNieobliczone(int32_t wezel)
{
    for (DaneRuchoplan& r : Ruchoplany)
        if (r.NrWezla == wezel)
            r.Obliczony = 0;
    for (DaneRondo& r : Ronda)
        if (r.NrWezla == wezel)
            r.Obliczony = 0;
}

void TWezlyOperacje::PrzesunWezel(const TNowyWezel& nowy)
{
    const int32_t n = Form1->WskWezelEdycja;
    if (!JestIndeksem(n, Wezly))
        return;
    if (const std::string odmowa = OdmowaPolozenia(nowy); !odmowa.empty()) {
        PokazBladUzytkownikowi(odmowa);
        return;
    }
    for (int32_t i = 0; i < LiczbaWezlow(); ++i)
        if (i != n && static_cast<float>(Odleglosc(nowy.X, nowy.Y, Wezly[i].X, Wezly[i].Y)) < wg.MinOdlegloscWezlow) {
            PokazBladUzytkownikowi(Utf8NaCp1250("Węzły sieci należy wstawiać w odległości min. ") +
                                   FormatFloat("####0.##", wg.MinOdlegloscWezlow) + "cm");
            return;
        }
    // Typed or clicked, the place as the file keeps it. The place and name
    // shown and confirmed as they were leave the project unchanged.
    const double x = JakWPliku(nowy.X, maski::Polozenie), y = JakWPliku(nowy.Y, maski::Polozenie);
    DaneWezel& w = Wezly[n];
    if (x != JakWPliku(w.X, maski::Polozenie) || y != JakWPliku(w.Y, maski::Polozenie) ||
        w.Nazwa.str() != nowy.Nazwa.cp1250) {
        w.X = x;
        w.Y = y;
        w.Nazwa = nowy.Nazwa.cp1250;
        OznaczNieobliczone(n);
        ZmienionoProjekt();
    }
    Form1->UstawTryb(TTrybEdycji::Brak);
    Form1->PanelZEdit->hide();
    Form1->PanelWsp->hide();
    Form1->Przerysuj();
}

void TWezlyOperacje::UsunWskazanyWezel()
{
    if (Form1->WskWezelUsun <= -1)
        return;
    if (LiczbaWezlow() > 0) {
        ::UsunWezel(Form1->WskWezelUsun);
        // The model recomputes the typed and structure totals; those read
        // from a count need the junction's view of the count.
        for (DaneRuchoplan& r : Ruchoplany)
            if (!r.ZeStruktury && ZPomiaruRuchoplanu(r))
                SumyZPomiaru(r);
    }
    Form1->UstawTryb(TTrybEdycji::Brak);
    Form1->WskWezelUsun = -1;
    ZmienionoProjekt();
    Form1->UstawPolecenia();
    Form1->Przerysuj();
}

// ---- the window ----

int32_t TWezlyOperacje::Wezel() const
{
    bool ok = false;
    const int n = L_NrWezel->text().toInt(&ok);
    return ok && JestIndeksem(n, Wezly) ? n : -1;
}

void TWezlyOperacje::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TWezlyOperacje::FormShow()
{
    const int32_t n = Wezel();
    if (n < 0)
        return;
    const DaneWezel& w = Wezly[n];
    {
        const TBlokadaSygnalow blokada(this);
        const char* m = "####0.0##";
        UstawTekst(E_OpisWezla, w.Nazwa.str());
        PokazLiczbe(E_WspX, m, w.X);
        PokazLiczbe(E_wspY, m, w.Y);
        UstawTekst(Tytul1, w.Tytul1.str());
        UstawTekst(Tytul2, w.Tytul2.str());
        UstawTekst(Tytul3, w.Tytul3.str());
        PokazLiczbe(E_dx, "##0.0", w.TytulDx);
        PokazLiczbe(E_dy, "##0.0", w.TytulDy);
        PokazLiczbe(CB_HTytul->lineEdit(), "##0.0", w.TytulH);
        ZaznaczJeden({RB_lewy, RB_centrum, RB_prawy}, w.TytulWyrownanie == 'L'   ? RB_lewy
                                                      : w.TytulWyrownanie == 'C' ? RB_centrum
                                                      : w.TytulWyrownanie == 'P' ? RB_prawy
                                                                                 : nullptr);
        Rozmiary->Wypelnij(w.RozmiaryLegendy, w.RozmiaryOpisow);
        WypelnijStyl(w);
        CB_Globalne->setChecked(w.Globalne);
        WypelnijPrzejscia(w);
        for (int i = 0; i < 5; ++i)
            PokazLiczbe(E_L[i], m, w.OdlegloscPrzejscia[i]);
    }
    PokazTabelke();
    WlaczUstawieniaLokalne(!CB_Globalne->isChecked());
}

bool TWezlyOperacje::ZapiszUstawieniaWezla()
{
    const int32_t n = Wezel();
    if (n < 0)
        return true;
    // Every edit is read into a copy; the node changes only when all hold.
    SprawdzanieWartosci s;
    DaneWezel w = Wezly[n];
    w.Globalne = CB_Globalne->isChecked() ? 1 : 0;
    Rozmiary->CzytajLegende(w.RozmiaryLegendy, s);
    Rozmiary->CzytajOpisy(w.RozmiaryOpisow, s);
    const std::pair<QLineEdit*, KrotkiTekst<250>*> tytuly[] = {{Tytul1, &w.Tytul1}, {Tytul2, &w.Tytul2},
                                                              {Tytul3, &w.Tytul3}};
    for (const auto& [pole, tytul] : tytuly)
        if (const TekstZOkna t = TekstZPola(pole); s.Tekst(t, tytul->Pojemnosc, "Tytuł"))
            *tytul = t.cp1250;
    // Each typed number as the file keeps it; an unedited one as it was.
    using maski::Polozenie;
    w.TytulH = static_cast<float>(
        WartoscPola(s, granice::Wymiar, CB_HTytul->lineEdit(), "Wysokość tytułu", w.TytulH, Polozenie));
    w.TytulDx = static_cast<float>(WartoscPola(s, granice::Polozenie, E_dx, "Tytuł: dx", w.TytulDx, Polozenie));
    w.TytulDy = static_cast<float>(WartoscPola(s, granice::Polozenie, E_dy, "Tytuł: dy", w.TytulDy, Polozenie));
    if (RB_lewy->isChecked())
        w.TytulWyrownanie = 'L';
    else if (RB_centrum->isChecked())
        w.TytulWyrownanie = 'C';
    else if (RB_prawy->isChecked())
        w.TytulWyrownanie = 'P';
    CzytajStyl(w, s);
    w.X = WartoscPola(s, granice::Wspolrzedna, E_WspX, "Współrzędna X", w.X, Polozenie);
    w.Y = WartoscPola(s, granice::Wspolrzedna, E_wspY, "Współrzędna Y", w.Y, Polozenie);
    if (const TekstZOkna nazwa = TekstZPola(E_OpisWezla); s.Tekst(nazwa, w.Nazwa.Pojemnosc, "Nazwa węzła"))
        w.Nazwa = nazwa.cp1250;
    CzytajPrzejscia(w, s);
    for (int i = 0; i < 5; ++i)
        w.OdlegloscPrzejscia[i] = static_cast<float>(
            WartoscPola(s, granice::Wymiar, E_L[i], "Odległość przejścia", w.OdlegloscPrzejscia[i], maski::Rozmiar));
    if (!s.Dobre()) {
        PokazBladUzytkownikowi(s.Komunikat());
        return false;
    }
    // Typing alone marks nothing: the project changes when the node does.
    if (!(w == Wezly[n]))
        ZmienionoProjekt();
    Wezly[n] = std::move(w);
    OznaczNieobliczone(n);
    return true;
}

void TWezlyOperacje::B_PowrotClick()
{
    if (!ZapiszUstawieniaWezla())
        return;
    Form1->Przerysuj();
    accept();
}

void TWezlyOperacje::B_PrzerysClick()
{
    if (!ZapiszUstawieniaWezla())
        return;
    Form1->Przerysuj();
}

void TWezlyOperacje::CB_GlobalneClick() { WlaczUstawieniaLokalne(!CB_Globalne->isChecked()); }

void TWezlyOperacje::WlaczUstawieniaLokalne(bool wlacz)
{
    const TKontrolkiRozmiarow& r = *Rozmiary;
    WlaczKontrolki({r.E_sx, r.E_sy, r.E_sx_p, r.E_sx_z, r.E_Sx_d, r.E_Sy_d, r.E_gr, r.E_gr_d, r.E_gr_p, r.EO_sx,
                    r.EO_sy, r.EO_sx_d, r.EO_sy_d, r.EO_gr, r.EO_gr_d, r.EO_strz, r.EO_lOpis, CB_GrLinie, E_LPdx,
                    E_LPdy, CB_RysujLegPrzej},
                   wlacz);
    for (int i = 0; i < 4; ++i) {
        CB_Rysuj[i]->setEnabled(wlacz);
        CB_Suma[i]->setEnabled(wlacz);
        E_Nazwy[i]->setEnabled(wlacz);
        S_Przejscia[i]->setEnabled(wlacz);
    }
    for (QLineEdit* e : E_L)
        e->setEnabled(wlacz);
}

// The store marks the project changed when the node changed; a refused one
// marks nothing.
void TWezlyOperacje::ZmianaIPrzerysowanie()
{
    ZapiszUstawieniaWezla();
    Form1->Przerysuj();
}

void TWezlyOperacje::RB_TabelkaWWMouseUp()
{
    PokazTabelke();
    ZmianaIPrzerysowanie();
}

void TWezlyOperacje::KrokPozycji(QLineEdit* pole, double krok)
{
    if (!KrokujPola({{krok, {pole}}}))
        return;
    ZmianaIPrzerysowanie();
}

void TWezlyOperacje::KsztaltClick(TKsztaltKoloru* ksztalt)
{
    if (!ksztalt->WybierzKolor())
        return;
    ZmianaIPrzerysowanie();
}

void TWezlyOperacje::BResetSzablonClick()
{
    Tytul1->clear();
    Tytul2->clear();
    Tytul3->clear();
    UstawTekst(E_dx, "-5");
    UstawTekst(E_dy, "12");
    RB_lewy->setChecked(true);
    UstawTekst(CB_HTytul->lineEdit(), "1");
}

void TWezlyOperacje::CB_PrzeswitClick() { UstawPrzeswit(this, CB_Przeswit, SB_Blend); }
