#include "junction_forms/TGeometriaRondo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "junction_forms/Pola.h"
#include "junction_forms/Uslugi.h"
#include "model/NatezeniaRonda.h"
#include "model/Pomiar.h"
#include "model/Projekt.h"
#include "model/Rondo.h"
#include "model/Wezel.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"
#include "platform/qt/KsztaltKoloru.h"
#include "platform/qt/LiczbaPokazana.h"

using namespace pola;

TGeometriaRondo* GeometriaRondo = nullptr;

namespace {
std::size_t I(int k) { return static_cast<std::size_t>(k - 1); }
std::string Liczba2(double x) { return FormatFloat("##0.##", x); }
// A number of the roundabout, shown rounded; left as shown, it is stored whole.
void PokazPole(QLineEdit* p, double x) { PokazLiczbe(p, NaQString(Liczba2(x)), x); }
void CzytajPokazane(const QLineEdit* p, double& x)
{
    if (const std::optional<double> pokazana = LiczbaPokazana(p))
        x = *pokazana;
}
}  // namespace

TGeometriaRondo::TGeometriaRondo(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("GeometriaRondo");
    setWindowTitle(QString::fromUtf8("Ustawienia RONDO."));
    setModal(true);
    L_NrRonda = NowaEtykieta(this, "L_NrRonda", "0");
    L_NrRonda->hide();
    auto* siatka = new QGridLayout;
    const char* const naglowki[] = {"", "Kąty [st.]", "Długości [cm]", "Promień [cm]", "Odsunięcia [cm]", "Oznaczenie",
                                    "Opisy", "", "Rys. strzał.", "Przejście", "", "", "", ""};
    for (int c = 0; c < 10; ++c)
        siatka->addWidget(new QLabel(QString::fromUtf8(naglowki[c]), this), 0, c);
    for (int k = 1; k <= 5; ++k) {
        const auto a = I(k);
        L_Ramie[a] = NowaEtykieta(this, Nazwa("L_Ramie", k).c_str(), std::to_string(k).c_str());
        E_A[a] = NowePole(this, Nazwa("E_A", k).c_str());
        E_Lc[a] = NowePole(this, Nazwa("E_Lc", k).c_str());
        E_rm[a] = NowePole(this, Nazwa("E_rm", k).c_str());
        E_O[a] = NowePole(this, Nazwa("E_O", k).c_str());
        E_ozn[a] = NowePole(this, Nazwa("E_ozn", k).c_str(), 40);
        E_Opis[a][0] = NowePole(this, Nazwa("E_Opis", k, "1").c_str(), 120);
        E_Opis[a][1] = NowePole(this, Nazwa("E_Opis", k, "2").c_str(), 120);
        CB_Strz[a] = NowyPrzelacznik(this, Nazwa("CB_Strz", k).c_str(), "");
        CB_Przejscie[a] = NowyPrzelacznik(this, Nazwa("CB_Przejscie", k).c_str(), "");
        L_Wl[a] = NowaEtykieta(this, Nazwa("L_Wl", k).c_str(), "Wl");
        ShapeWlot[a] = new TKsztaltKoloru(this, Nazwa("Shape", k, "1").c_str());
        L_Wy[a] = NowaEtykieta(this, Nazwa("L_Wy", k).c_str(), "Wy");
        ShapeWylot[a] = new TKsztaltKoloru(this, Nazwa("Shape", k, "2").c_str());
        QWidget* wiersz[] = {L_Ramie[a], E_A[a], E_Lc[a], E_rm[a], E_O[a], E_ozn[a], E_Opis[a][0], E_Opis[a][1],
                             CB_Strz[a], CB_Przejscie[a], L_Wl[a], ShapeWlot[a], L_Wy[a], ShapeWylot[a]};
        for (int c = 0; c < 14; ++c)
            siatka->addWidget(wiersz[c], k, c);
        for (QLineEdit* e : {E_A[a], E_Lc[a], E_rm[a], E_O[a], E_ozn[a], E_Opis[a][0], E_Opis[a][1]})
            connect(e, &QLineEdit::textEdited, this, &TGeometriaRondo::E_RKeyPress);
        for (QCheckBox* c : {CB_Strz[a], CB_Przejscie[a]})
            connect(c, &QCheckBox::clicked, this, &TGeometriaRondo::CB_Strz1Click);
        for (TKsztaltKoloru* s : {ShapeWlot[a], ShapeWylot[a]})
            connect(s, &QPushButton::clicked, this, [this, s] { ShapeMouseDown(s); });
    }
    // The step buttons under their columns.
    B_DlugoscPlus = NowyPrzycisk(this, "B_DlugoscPlus", "+");
    B_DlugoszMinus = NowyPrzycisk(this, "B_DlugoszMinus", "-");
    B_PromienPlus = NowyPrzycisk(this, "B_PromienPlus", "+");
    B_PromienMinus = NowyPrzycisk(this, "B_PromienMinus", "-");
    B_OdsunPlus = NowyPrzycisk(this, "B_OdsunPlus", "+");
    B_OdsunMinus = NowyPrzycisk(this, "B_OdsunMinus", "-");
    const std::pair<QPushButton*, QPushButton*> kroki[] = {
        {B_DlugoszMinus, B_DlugoscPlus}, {B_PromienMinus, B_PromienPlus}, {B_OdsunMinus, B_OdsunPlus}};
    for (int c = 0; c < 3; ++c) {
        auto* para = new QHBoxLayout;
        para->addWidget(kroki[c].first);
        para->addWidget(kroki[c].second);
        siatka->addLayout(para, 6, 2 + c);
    }
    connect(B_DlugoscPlus, &QPushButton::clicked, this, [this] { Krok(&E_Lc, nullptr, 0.1, "Błędna wartość długości!"); });
    connect(B_DlugoszMinus, &QPushButton::clicked, this, [this] { Krok(&E_Lc, nullptr, -0.1, "Błędna wartość długości!"); });
    connect(B_PromienPlus, &QPushButton::clicked, this, [this] { Krok(&E_rm, nullptr, 0.1, "Błędna wartość promienia r !"); });
    connect(B_PromienMinus, &QPushButton::clicked, this, [this] { Krok(&E_rm, nullptr, -0.1, "Błędna wartość promienia r !"); });
    connect(B_OdsunPlus, &QPushButton::clicked, this, [this] { Krok(&E_O, nullptr, 0.1, "Błędna wartość odsunięcia!"); });
    connect(B_OdsunMinus, &QPushButton::clicked, this, [this] { Krok(&E_O, nullptr, -0.1, "Błędna wartość odsunięcia!"); });

    CB_IloscWW = new QComboBox(this);
    CB_IloscWW->setObjectName("CB_IloscWW");
    for (const char* n : {"2", "3", "4", "5"})
        CB_IloscWW->addItem(n);
    connect(CB_IloscWW, &QComboBox::textActivated, this, [this] {
        Zmieniono = 1;
        CB_IloscWWChange();
    });
    E_R = NowePole(this, "E_R");
    connect(E_R, &QLineEdit::textEdited, this, &TGeometriaRondo::E_RKeyPress);
    B_GPromienPlus = NowyPrzycisk(this, "B_GPromienPlus", "+");
    B_GPromienMinus = NowyPrzycisk(this, "B_GPromienMinus", "-");
    connect(B_GPromienPlus, &QPushButton::clicked, this, [this] { Krok(nullptr, E_R, 0.1, "Błędna wartość promienia R !"); });
    connect(B_GPromienMinus, &QPushButton::clicked, this, [this] { Krok(nullptr, E_R, -0.1, "Błędna wartość promienia R !"); });
    Shape_Wypel = new TKsztaltKoloru(this, "Shape_Wypel");
    Shape_Wypel->setEnabled(false);  // only the source of the default colour
    B_UstawKolorkiDomyslne = NowyPrzycisk(this, "B_UstawKolorkiDomyslne", "Wstaw kol. domyśl.");
    connect(B_UstawKolorkiDomyslne, &QPushButton::clicked, this, &TGeometriaRondo::B_UstawKolorkiDomyslneClick);
    auto* gora = new QHBoxLayout;
    gora->addWidget(new QLabel(QString::fromUtf8("Ilość wlotów/wylotów"), this));
    gora->addWidget(CB_IloscWW);
    gora->addSpacing(20);
    gora->addWidget(new QLabel(QString::fromUtf8("Promień R......[cm]="), this));
    gora->addWidget(E_R);
    gora->addWidget(B_GPromienMinus);
    gora->addWidget(B_GPromienPlus);
    gora->addStretch();
    gora->addWidget(Shape_Wypel);
    gora->addWidget(B_UstawKolorkiDomyslne);

    Wprowadz = NowyPrzycisk(this, "Wprowadz", "Wprowadź");
    Button3 = NowyPrzycisk(this, "Button3", "Przerys");
    Button1 = NowyPrzycisk(this, "Button1", "Wstaw domyślne");
    connect(Wprowadz, &QPushButton::clicked, this, &TGeometriaRondo::WprowadzClick);
    connect(Button3, &QPushButton::clicked, this, &TGeometriaRondo::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &TGeometriaRondo::Button1Click);
    auto* dol = new QHBoxLayout;
    dol->addWidget(Button1);
    dol->addStretch();
    dol->addWidget(Button3);
    dol->addWidget(Wprowadz);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(siatka);
    uklad->addLayout(dol);
}

int TGeometriaRondo::Rekord() const { return L_NrRonda->text().toInt(); }

void TGeometriaRondo::showEvent(QShowEvent* e)
{
    FormShow();
    QDialog::showEvent(e);
}

void TGeometriaRondo::done(int r)
{
    QDialog::done(r);
    PrzerysujArkusz();
}

void TGeometriaRondo::FormShow()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda))
        return;
    wypelnianie_ = true;
    const DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    const int ramion = r.LiczbaRamion >= 2 && r.LiczbaRamion <= 5 ? r.LiczbaRamion
                       : r.Ramie[4]                               ? 5
                       : r.Ramie[3]                               ? 4
                       : r.Ramie[2]                               ? 3
                                                                  : 2;
    CB_IloscWW->setCurrentText(QString::number(ramion));
    for (std::size_t k = 0; k < 5; ++k) {
        PokazPole(E_A[k], r.Kat[k] * 180.0 / PiOkna);
        PokazPole(E_Lc[k], static_cast<double>(r.Dlugosc[k]) - r.PromienR);
        PokazPole(E_rm[k], r.Promien[k]);
        PokazPole(E_O[k], r.Odsuniecie[k]);
        UstawTekstPola(E_ozn[k], r.Oznaczenie[k].str());
        for (std::size_t o = 0; o < 2; ++o)
            UstawTekstPola(E_Opis[k][o], r.OpisyRamion[k][o].str());
        CB_Strz[k]->setChecked(r.RysujStrzalki[k]);
        CB_Przejscie[k]->setChecked(r.Przejscie[k]);
        ShapeWlot[k]->UstawKolor(r.KolorWlotu[k]);
        ShapeWylot[k]->UstawKolor(r.KolorWylotu[k]);
    }
    PokazPole(E_R, r.PromienR);
    if (JestIndeksem(r.NrWezla, Wezly))
        Shape_Wypel->UstawKolor(Wezly[static_cast<std::size_t>(r.NrWezla)].KolorWypelnien);
    CB_IloscWWChange();
    wypelnianie_ = false;
    Zmieniono = 0;
}

void TGeometriaRondo::CB_IloscWWChange() { PokazRamiona(LiczbaRamionOkna(ZQString(CB_IloscWW->currentText()))); }

// Arms 1 and 2 always; the colours only for a node on its own settings.
void TGeometriaRondo::PokazRamiona(int ramion)
{
    const int n = Rekord();
    const bool wlasne = JestIndeksem(n, Ronda) && JestIndeksem(Ronda[static_cast<std::size_t>(n)].NrWezla, Wezly) &&
                        !Wezly[static_cast<std::size_t>(Ronda[static_cast<std::size_t>(n)].NrWezla)].Globalne;
    for (int k = 1; k <= 5; ++k) {
        const auto a = I(k);
        const bool jest = k <= ramion;
        for (QWidget* w : std::initializer_list<QWidget*>{E_A[a], E_Lc[a], E_rm[a], E_O[a], E_Opis[a][0],
                                                          E_Opis[a][1], E_ozn[a], L_Ramie[a], CB_Strz[a],
                                                          CB_Przejscie[a]})
            w->setVisible(jest);
        for (QWidget* w : std::initializer_list<QWidget*>{ShapeWlot[a], ShapeWylot[a], L_Wl[a], L_Wy[a]})
            w->setVisible(jest && wlasne);
    }
    Shape_Wypel->setVisible(wlasne);
    B_UstawKolorkiDomyslne->setVisible(wlasne);
}

TekstyGeometriiRonda TGeometriaRondo::TekstyOkna() const
{
    TekstyGeometriiRonda t;
    for (std::size_t k = 0; k < 5; ++k) {
        t.Katy[k] = TekstPola(E_A[k]);
        t.Dlugosci[k] = TekstPola(E_Lc[k]);
        t.Promienie[k] = TekstPola(E_rm[k]);
        t.Odsuniecia[k] = TekstPola(E_O[k]);
    }
    t.R = TekstPola(E_R);
    return t;
}

WynikKontroli TGeometriaRondo::SprawdzGeometrieRonda()
{
    TekstyGeometriiRonda t = TekstyOkna();
    WynikKontroli w = ::SprawdzGeometrieRonda(t, LiczbaRamionOkna(ZQString(CB_IloscWW->currentText())));
    // The arm texts as typed: refused, never cut or changed.
    std::string odmowa;
    for (std::size_t k = 0; k < 5 && odmowa.empty(); ++k) {
        odmowa = OdmowaPol({E_ozn[k]}, decltype(DaneRondo::Oznaczenie)::value_type::Pojemnosc, "Oznaczenie ramienia");
        if (odmowa.empty())
            odmowa = OdmowaPol({E_Opis[k][0], E_Opis[k][1]},
                               decltype(DaneRondo::OpisyRamion)::value_type::value_type::Pojemnosc, "Opis ramienia");
    }
    if (w.ok && !odmowa.empty())
        w = {false, odmowa};
    // A count sets the arms of the roundabout it feeds at every redraw:
    // another count typed here would be stored and silently undone.
    if (const int n = Rekord(); w.ok && JestIndeksem(n, Ronda))
        if (const DanePomiar* pomiar = PomiarRonda(Ronda[static_cast<std::size_t>(n)])) {
            const int ramion = std::clamp<int32_t>(pomiar->MaxJest, 2, 5);
            if (LiczbaRamionOkna(ZQString(CB_IloscWW->currentText())) != ramion)
                w = {false, Utf8NaCp1250("Ilość wlotów/wylotów tego ronda wyznacza jego pomiar (") +
                                std::to_string(ramion) +
                                Utf8NaCp1250("). Aby ją zmienić, wybierz w danych ronda inne źródło natężeń "
                                             "niż pomiar.")};
        }
    for (std::size_t k = 0; k < 5; ++k) {
        OddajTekstPola(E_A[k], t.Katy[k]);
        OddajTekstPola(E_Lc[k], t.Dlugosci[k]);
        OddajTekstPola(E_rm[k], t.Promienie[k]);
        OddajTekstPola(E_O[k], t.Odsuniecia[k]);
    }
    OddajTekstPola(E_R, t.R);
    return w;
}

void TGeometriaRondo::ZapiszGeometrieRonda(int rekord)
{
    GeometriaRondaOkna g;
    for (std::size_t k = 0; k < 5; ++k) {
        g.Oznaczenie[k] = TekstPola(E_ozn[k]);
        for (std::size_t o = 0; o < 2; ++o)
            g.Opisy[k][o] = TekstPola(E_Opis[k][o]);
        g.Strzalki[k] = CB_Strz[k]->isChecked();
        g.Przejscie[k] = CB_Przejscie[k]->isChecked();
        g.KoloryWlotow[k] = ShapeWlot[k]->Kolor();
        g.KoloryWylotow[k] = ShapeWylot[k]->Kolor();
    }
    LiczbyGeometrii(TekstyOkna(), g);
    for (std::size_t k = 0; k < 5; ++k) {
        CzytajPokazane(E_A[k], g.KatStopnie[k]);
        CzytajPokazane(E_Lc[k], g.Dlugosc[k]);
        CzytajPokazane(E_rm[k], g.Promien[k]);
        CzytajPokazane(E_O[k], g.Odsuniecie[k]);
    }
    CzytajPokazane(E_R, g.R);
    g.LiczbaRamion = LiczbaRamionOkna(ZQString(CB_IloscWW->currentText()));
    Zmieniono = 0;
    ::ZapiszGeometrieRonda(rekord, g);
}

bool TGeometriaRondo::ZastosujGeometrieRonda(int rekord)
{
    if (!SprawdzGeometrieRonda().ok)
        return false;
    const uint64_t rewizja = RewizjaProjektu();
    ZapiszGeometrieRonda(rekord);
    PrzerysujDiagram(rekord, true, rewizja);
    return true;
}

bool TGeometriaRondo::Zatwierdz()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda))
        return false;
    const WynikKontroli w = SprawdzGeometrieRonda();
    if (!w.ok) {
        Dialogi().Informacja(w.komunikat);
        return false;
    }
    OznaczRondoWprowadzone(n);
    if (Zmieniono)
        ZapiszGeometrieRonda(n);
    return true;
}

// Closing redraws the sheet (done).
void TGeometriaRondo::WprowadzClick()
{
    if (Zatwierdz())
        accept();
}

void TGeometriaRondo::Button3Click()
{
    if (Zatwierdz())
        PrzerysujArkusz();
}

void TGeometriaRondo::Krok(std::array<QLineEdit*, 5>* kolumna, QLineEdit* pole, double krok, const char* blad)
{
    std::vector<QLineEdit*> pola;
    if (kolumna)
        pola.assign(kolumna->begin(), kolumna->end());
    else
        pola.push_back(pole);
    // Every text is checked before one is changed.
    std::vector<double> x(pola.size());
    for (std::size_t i = 0; i < pola.size(); ++i)
        if (!SprobujTekstNaLiczbe(PoprawSeparator(TekstPola(pola[i])), x[i])) {
            Dialogi().Informacja(Utf8NaCp1250(blad));
            return;
        }
    for (std::size_t i = 0; i < pola.size(); ++i)
        UstawTekstPola(pola[i], FormatFloat("###0.0#", x[i] + krok));
    ZastosujGeometrieRonda(Rekord());
}

void TGeometriaRondo::Button1Click()
{
    const std::string s(1, SeparatorDziesietny());
    for (std::size_t k = 0; k < 5; ++k) {
        UstawTekstPola(E_Lc[k], "4" + s + "00");
        UstawTekstPola(E_rm[k], "1" + s + "00");
        UstawTekstPola(E_O[k], "0" + s + "50");
    }
    Zmieniono = 1;
    ZastosujGeometrieRonda(Rekord());
}

void TGeometriaRondo::B_UstawKolorkiDomyslneClick()
{
    for (std::size_t k = 0; k < 5; ++k) {
        ShapeWlot[k]->UstawKolor(Shape_Wypel->Kolor());
        ShapeWylot[k]->UstawKolor(Shape_Wypel->Kolor());
    }
    Zmieniono = 1;
}

void TGeometriaRondo::ShapeMouseDown(TKsztaltKoloru* ksztalt)
{
    if (ksztalt->WybierzKolor())
        Zmieniono = 1;
}
