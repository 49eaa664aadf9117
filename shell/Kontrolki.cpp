#include "shell/Kontrolki.h"

#include "model/Granice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <span>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "model/Wezel.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"
#include "platform/qt/LiczbaPokazana.h"
#include "shell/Dialogi.h"

QLineEdit* NowePole(QWidget* rodzic, const char* nazwa)
{
    auto* p = new QLineEdit(rodzic);
    p->setObjectName(nazwa);
    p->setMaximumWidth(90);
    return p;
}

QCheckBox* NowyPrzelacznik(QWidget* rodzic, const char* nazwa, const QString& tekst)
{
    auto* p = new QCheckBox(tekst, rodzic);
    p->setObjectName(nazwa);
    return p;
}

QRadioButton* NowyWybor(QWidget* rodzic, const char* nazwa, const QString& tekst)
{
    auto* p = new QRadioButton(tekst, rodzic);
    p->setObjectName(nazwa);
    return p;
}

QGroupBox* NowyWyborArkusza(QWidget* okno, QRadioButton*& aktualny, QRadioButton*& wszystkie)
{
    auto* grupa = new QGroupBox(U("Rysuj na ..."), okno);
    aktualny = NowyWybor(grupa, "RB_ArkAktualny", U("Aktualny arkusz"));
    wszystkie = NowyWybor(grupa, "RB_ArkWszystkie", U("Wszystkie"));
    aktualny->setChecked(true);
    auto* u = new QVBoxLayout(grupa);
    u->addWidget(aktualny);
    u->addWidget(wszystkie);
    return grupa;
}

void PokazWariantArkusza(QRadioButton* aktualny, QRadioButton* wszystkie, int32_t wariant)
{
    ZaznaczJeden({aktualny, wszystkie}, wariant == -1 ? wszystkie : aktualny);
}

int32_t WybranyWariant(const QRadioButton* wszystkie, bool nowy, int32_t wariant)
{
    if (wszystkie->isChecked())
        return -1;
    return nowy || wariant == -1 ? BiezacyWariant : wariant;
}

QPushButton* NowyPrzycisk(QWidget* rodzic, const char* nazwa, const QString& tekst)
{
    auto* p = new QPushButton(tekst, rodzic);
    p->setObjectName(nazwa);
    p->setAutoDefault(false);
    return p;
}

void WlaczKontrolki(std::initializer_list<QWidget*> kontrolki, bool wlacz)
{
    for (QWidget* k : kontrolki)
        k->setEnabled(wlacz);
}

void ZaznaczJeden(std::initializer_list<QRadioButton*> grupa, QRadioButton* wybrany)
{
    // An exclusive button cannot be unchecked by itself.
    for (QRadioButton* r : grupa) {
        r->setAutoExclusive(false);
        r->setChecked(r == wybrany);
        r->setAutoExclusive(true);
    }
}

std::string Tekst(const QLineEdit* pole) { return ZQString(pole->text()); }
TekstZOkna TekstZPola(const QLineEdit* pole) { return ZQStringZOkna(pole->text()); }

void UstawTekst(QLineEdit* pole, const std::string& cp1250) { WpiszTekst(pole, NaQString(cp1250)); }

bool CzytajLiczbe(const QLineEdit* pole, double& wynik)
{
    double x = 0.0;
    if (!SprobujTekstNaLiczbe(PoprawSeparator(UsunSpacje(Tekst(pole))), x) || !std::isfinite(x))
        return false;
    wynik = x;
    return true;
}

float LiczbaLubDomyslna(const QLineEdit* pole, double domyslna)
{
    double x = domyslna;
    CzytajLiczbe(pole, x);
    return static_cast<float>(x);
}

void UstawLiczbe(QLineEdit* pole, const char* maska, double x)
{
    UstawTekst(pole, FormatFloat(maska, x));
}

void PokazLiczbe(QLineEdit* pole, const char* maska, double x)
{
    PokazLiczbe(pole, NaQString(FormatFloat(maska, x)), x);
}

double WartoscPola(SprawdzanieWartosci& s, const GranicaPola& g, const QLineEdit* pole, std::string_view nazwa,
                   double dotychczas, std::string_view maska)
{
    if (const std::optional<double> pokazana = LiczbaPokazana(pole))
        return *pokazana;
    return s.Wartosc(g, Tekst(pole), nazwa, dotychczas, maska);
}

TBlokadaSygnalow::TBlokadaSygnalow(QWidget* okno) : kontrolki_(okno->findChildren<QWidget*>())
{
    for (QWidget* k : kontrolki_)
        k->blockSignals(true);
}

TBlokadaSygnalow::~TBlokadaSygnalow()
{
    for (QWidget* k : kontrolki_)
        k->blockSignals(false);
}

void NowyPrzeswit(QWidget* okno, QCheckBox*& przelacznik, QScrollBar*& suwak)
{
    przelacznik = NowyPrzelacznik(okno, "CB_Przeswit", QString::fromUtf8("Prześwit"));
    suwak = new QScrollBar(Qt::Horizontal, okno);
    suwak->setObjectName("SB_Blend");
    suwak->setRange(50, 250);
    suwak->setValue(150);
}

void UstawPrzeswit(QWidget* okno, const QCheckBox* przelacznik, const QScrollBar* suwak)
{
    okno->setWindowOpacity(przelacznik->isChecked() ? suwak->value() / 255.0 : 1.0);
}

bool KrokujPola(std::initializer_list<KrokPol> kroki)
{
    for (const KrokPol& k : kroki)
        for (QLineEdit* pole : k.pola) {
            double x = 0.0;
            if (!CzytajLiczbe(pole, x)) {
                PokazBladUzytkownikowi("'" + Tekst(pole) + "'" + Utf8NaCp1250(" nie jest prawidłową liczbą"));
                return false;
            }
            UstawLiczbe(pole, "###0.0#", x + k.krok);
        }
    return true;
}

namespace {

struct PoleTabeli {
    QLineEdit* pole;
    int element;
    float minimum;
    const GranicaPola& granica;
    const char* nazwa;  // as the message names the field
};

// The edits' numbers into `tabela`, each within its limit; a refused one
// keeps its entry and leaves its message in `s`.
void CzytajPola(std::span<const PoleTabeli> pola, std::span<float> tabela, SprawdzanieWartosci& s)
{
    for (const PoleTabeli& p : pola) {
        float& x = tabela[static_cast<std::size_t>(p.element)];
        x = static_cast<float>(WartoscPola(s, p.granica, p.pole, p.nazwa, x, maski::Rozmiar));
    }
}

void Przytnij(std::span<const PoleTabeli> pola, std::span<float> tabela)
{
    for (const PoleTabeli& p : pola) {
        float& x = tabela[static_cast<std::size_t>(p.element)];
        x = std::max(x, p.minimum);
    }
}

// The table from its edits, then the clamps; it changes only when every
// edit holds.
template <class Tabela>
void CzytajTabele(std::span<const PoleTabeli> pola, Tabela& tabela, SprawdzanieWartosci& s)
{
    Tabela nowa = tabela;
    CzytajPola(pola, nowa.W, s);
    Przytnij(pola, nowa.W);
    if (s.Dobre())
        tabela = nowa;
}

void UstawDomyslne(std::initializer_list<std::pair<QLineEdit*, double>> pola)
{
    for (const auto& [pole, x] : pola)
        UstawLiczbe(pole, "##0.0#", x);
}

QLineEdit* PoleWSiatce(QGroupBox* g, QGridLayout* u, const char* nazwa, const QString& etykieta, int wiersz,
                       int kolumna)
{
    QLineEdit* p = NowePole(g, nazwa);
    u->addWidget(new QLabel(etykieta, g), wiersz, kolumna);
    u->addWidget(p, wiersz, kolumna + 1);
    return p;
}

} // namespace

TKontrolkiRozmiarow::TKontrolkiRozmiarow(QWidget* rodzic, const char* opisPlus, const char* opisMinus,
                                         const char* opisPlusGr, const char* opisMinusGr)
{
    GrupaLegendy = new QGroupBox(U("Opisy natężeń"), rodzic);
    GrupaLegendy->setObjectName("GB_Legenda");
    auto* u = new QGridLayout(GrupaLegendy);
    E_sx = PoleWSiatce(GrupaLegendy, u, "E_sx", U("szer. znaku"), 0, 0);
    E_sy = PoleWSiatce(GrupaLegendy, u, "E_sy", U("wys. znaku"), 0, 2);
    E_sx_p = PoleWSiatce(GrupaLegendy, u, "E_sx_p", U("szer. %"), 1, 0);
    E_sx_z = PoleWSiatce(GrupaLegendy, u, "E_sx_z", U("szer. zawrotki"), 1, 2);
    E_Sx_d = PoleWSiatce(GrupaLegendy, u, "E_Sx_d", U("szer. sumy"), 2, 0);
    E_Sy_d = PoleWSiatce(GrupaLegendy, u, "E_Sy_d", U("wys. sumy"), 2, 2);
    E_gr = PoleWSiatce(GrupaLegendy, u, "E_gr", U("grub."), 3, 0);
    E_gr_d = PoleWSiatce(GrupaLegendy, u, "E_gr_d", U("grub. sumy"), 3, 2);
    E_gr_p = PoleWSiatce(GrupaLegendy, u, "E_gr_p", U("grub. %"), 4, 0);
    E_Ldx = PoleWSiatce(GrupaLegendy, u, "E_Ldx", U("dx"), 5, 0);
    E_Ldy = PoleWSiatce(GrupaLegendy, u, "E_Ldy", U("dy"), 5, 2);
    SB_DoklProc = new QScrollBar(Qt::Horizontal, GrupaLegendy);
    SB_DoklProc->setObjectName("SB_DoklProc");
    SB_DoklProc->setRange(0, 3);
    L_DoklProc = new QLabel("1", GrupaLegendy);
    L_DoklProc->setObjectName("L_DoklProc");
    u->addWidget(new QLabel(U("dokł. %"), GrupaLegendy), 4, 2);
    u->addWidget(SB_DoklProc, 4, 3);
    u->addWidget(L_DoklProc, 4, 4);
    B_WLegPlus = NowyPrzycisk(GrupaLegendy, "B_WLegPlus", "+");
    B_WLegMinus = NowyPrzycisk(GrupaLegendy, "B_WLegMinus", "-");
    B_WLegPlusgr = NowyPrzycisk(GrupaLegendy, "B_WLegPlusgr", U("+ grub."));
    B_WLegMinusgr = NowyPrzycisk(GrupaLegendy, "B_WLegMinusgr", U("- grub."));
    B_ResetWlasnosciLegRupl = NowyPrzycisk(GrupaLegendy, "B_ResetWlasnosciLegRupl", U("War. domyślne"));
    u->addWidget(B_WLegPlus, 6, 0);
    u->addWidget(B_WLegMinus, 6, 1);
    u->addWidget(B_WLegPlusgr, 6, 2);
    u->addWidget(B_WLegMinusgr, 6, 3);
    u->addWidget(B_ResetWlasnosciLegRupl, 7, 0, 1, 2);
    QObject::connect(SB_DoklProc, &QScrollBar::valueChanged, L_DoklProc,
                     [this](int v) { L_DoklProc->setText(QString::number(v)); });

    GrupaOpisow = new QGroupBox(U("Opisy wlotów i oznaczenia"), rodzic);
    GrupaOpisow->setObjectName("GB_Opisy");
    auto* o = new QGridLayout(GrupaOpisow);
    EO_sx = PoleWSiatce(GrupaOpisow, o, "EO_sx", U("szer. znaku"), 0, 0);
    EO_sy = PoleWSiatce(GrupaOpisow, o, "EO_sy", U("wys. znaku"), 0, 2);
    EO_sx_d = PoleWSiatce(GrupaOpisow, o, "EO_sx_d", U("szer. oznacz."), 1, 0);
    EO_sy_d = PoleWSiatce(GrupaOpisow, o, "EO_sy_d", U("wys. oznacz."), 1, 2);
    EO_gr = PoleWSiatce(GrupaOpisow, o, "EO_gr", U("grub."), 2, 0);
    EO_gr_d = PoleWSiatce(GrupaOpisow, o, "EO_gr_d", U("grub. oznacz."), 2, 2);
    EO_strz = PoleWSiatce(GrupaOpisow, o, "EO_strz", U("strzałka"), 3, 0);
    EO_lOpis = PoleWSiatce(GrupaOpisow, o, "EO_lOpis", U("odl. opisów"), 3, 2);
    B_WOpisPlus = NowyPrzycisk(GrupaOpisow, opisPlus, "+");
    B_WOpisMinus = NowyPrzycisk(GrupaOpisow, opisMinus, "-");
    B_WOpisPlusGr = NowyPrzycisk(GrupaOpisow, opisPlusGr, U("+ grub."));
    B_WOpisMinusGr = NowyPrzycisk(GrupaOpisow, opisMinusGr, U("- grub."));
    B_ResetWlasnosciOpisow = NowyPrzycisk(GrupaOpisow, "B_ResetWlasnosciOpisow", U("War. domyślne"));
    o->addWidget(B_WOpisPlus, 4, 0);
    o->addWidget(B_WOpisMinus, 4, 1);
    o->addWidget(B_WOpisPlusGr, 4, 2);
    o->addWidget(B_WOpisMinusGr, 4, 3);
    o->addWidget(B_ResetWlasnosciOpisow, 5, 0, 1, 2);
}

void TKontrolkiRozmiarow::Wypelnij(const TRozmiaryLegendy& l, const TRozmiaryOpisow& o)
{
    const char* m = "####0.0##";
    const std::pair<QLineEdit*, int> legenda[] = {{E_sx, 0}, {E_sy, 1},   {E_sx_p, 2}, {E_sx_z, 3},
                                                  {E_Sx_d, 4}, {E_Sy_d, 5}, {E_gr, 6},   {E_gr_d, 7},
                                                  {E_gr_p, 8}, {E_Ldx, 12}, {E_Ldy, 13}};
    for (const auto& [pole, i] : legenda)
        PokazLiczbe(pole, m, l[i]);
    {
        const QSignalBlocker b(SB_DoklProc);
        SB_DoklProc->setValue(l.DokladnoscProc());
    }
    L_DoklProc->setText(QString::number(SB_DoklProc->value()));
    const std::pair<QLineEdit*, int> opisy[] = {{EO_sx, 0}, {EO_sy, 1},   {EO_sx_d, 2}, {EO_sy_d, 3},
                                                {EO_gr, 4}, {EO_gr_d, 5}, {EO_strz, 8}, {EO_lOpis, 9}};
    for (const auto& [pole, i] : opisy)
        PokazLiczbe(pole, m, o[i]);
}

void TKontrolkiRozmiarow::CzytajLegende(TRozmiaryLegendy& l, SprawdzanieWartosci& s) const
{
    using namespace granice;
    const PoleTabeli pola[] = {
        {E_sx, 0, 0.1f, Wymiar, "Opisy natężeń: szer. znaku"},
        {E_sy, 1, 0.1f, Wymiar, "Opisy natężeń: wys. znaku"},
        {E_sx_p, 2, 0.1f, Wymiar, "Opisy natężeń: szer. %"},
        {E_sx_z, 3, 0.1f, Wymiar, "Opisy natężeń: szer. zawrotki"},
        {E_Sx_d, 4, 0.1f, Wymiar, "Opisy natężeń: szer. sumy"},
        {E_Sy_d, 5, 0.1f, Wymiar, "Opisy natężeń: wys. sumy"},
        {E_gr, 6, 0.02f, GruboscLinii, "Opisy natężeń: grub."},
        {E_gr_d, 7, 0.02f, GruboscLinii, "Opisy natężeń: grub. sumy"},
        {E_gr_p, 8, 0.02f, GruboscLinii, "Opisy natężeń: grub. %"},
        {E_Ldx, 12, -1e30f, Przesuniecie, "Opisy natężeń: dx"},
        {E_Ldy, 13, -1e30f, Przesuniecie, "Opisy natężeń: dy"}};
    CzytajTabele(pola, l, s);
    if (s.Dobre())
        l.UstawDokladnoscProc(SB_DoklProc->value());
}

void TKontrolkiRozmiarow::CzytajOpisy(TRozmiaryOpisow& o, SprawdzanieWartosci& s) const
{
    using namespace granice;
    const PoleTabeli pola[] = {
        {EO_sx, 0, 0.1f, Wymiar, "Opisy wlotów: szer. znaku"},
        {EO_sy, 1, 0.1f, Wymiar, "Opisy wlotów: wys. znaku"},
        {EO_sx_d, 2, 0.1f, Wymiar, "Opisy wlotów: szer. oznacz."},
        {EO_sy_d, 3, 0.1f, Wymiar, "Opisy wlotów: wys. oznacz."},
        {EO_gr, 4, 0.02f, GruboscLinii, "Opisy wlotów: grub."},
        {EO_gr_d, 5, 0.02f, GruboscLinii, "Opisy wlotów: grub. oznacz."},
        {EO_strz, 8, 0.1f, Wymiar, "Opisy wlotów: strzałka"},
        {EO_lOpis, 9, 1.0f, Wymiar, "Opisy wlotów: odl. opisów"}};
    CzytajTabele(pola, o, s);
}

void TKontrolkiRozmiarow::CzytajLegende(TRozmiaryLegendy& l) const
{
    SprawdzanieWartosci s;
    CzytajLegende(l, s);
    if (!s.Dobre())
        PokazBladUzytkownikowi(s.Komunikat());
}

void TKontrolkiRozmiarow::CzytajOpisy(TRozmiaryOpisow& o) const
{
    SprawdzanieWartosci s;
    CzytajOpisy(o, s);
    if (!s.Dobre())
        PokazBladUzytkownikowi(s.Komunikat());
}

bool TKontrolkiRozmiarow::KrokLegendy(int znak) const
{
    return KrokujPola({{0.025 * znak, {E_sx, E_sx_p, E_sx_z, E_Sx_d, E_gr, E_gr_d, E_gr_p}},
                       {0.05 * znak, {E_sy, E_Sy_d}}});
}

bool TKontrolkiRozmiarow::KrokLegendyGr(int znak) const { return KrokujPola({{0.025 * znak, {E_gr, E_gr_d, E_gr_p}}}); }

bool TKontrolkiRozmiarow::KrokOpisow(int znak) const
{
    return KrokujPola({{0.025 * znak, {EO_sx, EO_sx_d, EO_gr, EO_gr_d, EO_strz}}, {0.05 * znak, {EO_sy, EO_sy_d}}});
}

bool TKontrolkiRozmiarow::KrokOpisowGr(int znak) const { return KrokujPola({{0.025 * znak, {EO_gr, EO_gr_d}}}); }

void TKontrolkiRozmiarow::DomyslnaLegenda() const
{
    UstawDomyslne({{E_sx, 0.3}, {E_sy, 0.4}, {E_sx_p, 0.22}, {E_sx_z, 0.22}, {E_Sx_d, 0.5}, {E_Sy_d, 0.6},
                   {E_gr, 0.2}, {E_gr_d, 0.35}, {E_gr_p, 0.18}});
}

void TKontrolkiRozmiarow::DomyslneOpisy(double grD) const
{
    UstawDomyslne({{EO_sx, 0.3}, {EO_sy, 0.4}, {EO_sx_d, 0.5}, {EO_sy_d, 0.6}, {EO_gr, 0.18}, {EO_gr_d, grD},
                   {EO_strz, 1.0}});
}

// ---- the flow-label style ----

void TKontrolkiStylu::BudujStyl(QGroupBox* g, QGridLayout* u, int wiersz, int wierszKolorow, const Opis& opis)
{
    RB_Standard = NowyWybor(g, "RB_Standard", U("Standardowo"));
    RB_TylkoSuma = NowyWybor(g, "RB_TylkoSuma", U("Tylko suma"));
    RB_TabelkaWW = NowyWybor(g, "RB_TabelkaWW", U("Tabelka"));
    CB_PiszSume = NowyPrzelacznik(g, "CB_PiszSume", U("Suma"));
    CB_PiszStruk = NowyPrzelacznik(g, "CB_PiszStruk", U("Struktura"));
    CB_PiszZeraStruk = NowyPrzelacznik(g, "CB_PiszZeraStruk", U("Zera struktury"));
    CB_RysujProcenty = NowyPrzelacznik(g, "CB_RysujProcenty", QString::fromUtf8(opis.procenty));
    CB_RysujOznaczenie = NowyPrzelacznik(g, "CB_RysujOznaczenie", U("Rysuj oznaczenie"));
    CB_Rysuj0Zawrotki = NowyPrzelacznik(g, opis.zawrotki, QString::fromUtf8(opis.zawrotkiTekst));
    CB_Rysuj0Natezenia = NowyPrzelacznik(g, "CB_Rysuj0Natezenia", QString::fromUtf8(opis.natezeniaTekst));
    CB_GrLinie = new QComboBox(g);
    CB_GrLinie->setObjectName("CB_GrLinie");
    CB_GrLinie->setEditable(true);
    CB_GrLinie->addItems(opis.grubosci);
    S_Linie = new TKsztaltKoloru(g, opis.linie);
    SWypel = new TKsztaltKoloru(g, "SWypel");
    SOpisy = new TKsztaltKoloru(g, "SOpisy");
    STytul = new TKsztaltKoloru(g, opis.tytul);
    u->addWidget(RB_Standard, wiersz, 0);
    u->addWidget(RB_TylkoSuma, wiersz, 1);
    u->addWidget(RB_TabelkaWW, wiersz, 2);
    u->addWidget(CB_PiszSume, wiersz + 1, 0);
    u->addWidget(CB_PiszStruk, wiersz + 1, 1);
    u->addWidget(CB_PiszZeraStruk, wiersz + 1, 2);
    u->addWidget(CB_RysujProcenty, wiersz + 2, 0);
    u->addWidget(CB_RysujOznaczenie, wiersz + 2, 1);
    u->addWidget(CB_Rysuj0Zawrotki, wiersz + 3, 0);
    u->addWidget(CB_Rysuj0Natezenia, wiersz + 3, 1);
    u->addWidget(new QLabel(U("Grubość linii [mm]"), g), wiersz + 4, 0);
    u->addWidget(CB_GrLinie, wiersz + 4, 1);
    const std::pair<TKsztaltKoloru*, const char*> kolory[] = {
        {S_Linie, "Linie"}, {SWypel, "Wypełnienie"}, {SOpisy, "Opisy"}, {STytul, "Tytuł"}};
    int k = 0;
    for (const auto& [ksztalt, tekst] : kolory) {
        u->addWidget(new QLabel(QString::fromUtf8(tekst), g), wierszKolorow + k / 2, (k % 2) * 2);
        u->addWidget(ksztalt, wierszKolorow + k / 2, (k % 2) * 2 + 1);
        ++k;
    }
}

void TKontrolkiStylu::PokazTabelke() const
{
    const bool t = RB_TabelkaWW->isChecked();
    CB_PiszSume->setVisible(t);
    CB_PiszStruk->setVisible(t);
    CB_PiszZeraStruk->setVisible(t);
}

namespace {

// The settings record and a node hold the style and the crossings in fields
// of the same names.
template <class Rekord>
void WypelnijStylZ(TKontrolkiStylu& k, const Rekord& r)
{
    ZaznaczJeden({k.RB_Standard, k.RB_TylkoSuma, k.RB_TabelkaWW},
                 r.TabelkaWW ? k.RB_TabelkaWW : r.TylkoSuma ? k.RB_TylkoSuma : k.RB_Standard);
    k.CB_PiszSume->setChecked(r.PiszSume);
    k.CB_PiszStruk->setChecked(r.PiszStruk);
    k.CB_PiszZeraStruk->setChecked(r.PiszZeraStruk);
    k.CB_RysujProcenty->setChecked(r.RysujProcenty);
    k.CB_RysujOznaczenie->setChecked(r.RysujOznaczenie);
    k.CB_Rysuj0Zawrotki->setChecked(r.Rysuj0Zawrotki);
    k.CB_Rysuj0Natezenia->setChecked(r.Rysuj0Natezenia);
    PokazLiczbe(k.CB_GrLinie->lineEdit(), "####0.0##", r.GrLinie);
    k.S_Linie->UstawKolor(r.KolorLinii);
    k.SWypel->UstawKolor(r.KolorWypelnien);
    k.SOpisy->UstawKolor(r.KolorOpisow);
    k.STytul->UstawKolor(r.KolorTytulow);
}

template <class Rekord>
void CzytajStylDo(const TKontrolkiStylu& k, Rekord& r, SprawdzanieWartosci& s, const char* maskaGrubosci)
{
    r.TabelkaWW = k.RB_TabelkaWW->isChecked();
    r.TylkoSuma = k.RB_TylkoSuma->isChecked();
    r.RysujProcenty = k.CB_RysujProcenty->isChecked();
    r.RysujOznaczenie = k.CB_RysujOznaczenie->isChecked();
    r.Rysuj0Zawrotki = k.CB_Rysuj0Zawrotki->isChecked();
    r.Rysuj0Natezenia = k.CB_Rysuj0Natezenia->isChecked();
    r.PiszSume = k.CB_PiszSume->isChecked();
    r.PiszStruk = k.CB_PiszStruk->isChecked();
    r.PiszZeraStruk = k.CB_PiszZeraStruk->isChecked();
    r.GrLinie = static_cast<float>(
        WartoscPola(s, granice::GruboscLinii, k.CB_GrLinie->lineEdit(), "Grubość linii", r.GrLinie, maskaGrubosci));
    r.KolorLinii = k.S_Linie->Kolor();
    r.KolorWypelnien = k.SWypel->Kolor();
    r.KolorOpisow = k.SOpisy->Kolor();
    r.KolorTytulow = k.STytul->Kolor();
}

template <class Rekord>
void WypelnijPrzejsciaZ(TKontrolkiPrzejsc& k, const Rekord& r)
{
    for (std::size_t i = 0; i < 4; ++i) {
        UstawTekst(k.E_Nazwy[i], r.NazwyPrzejsc[i].str());
        k.CB_Rysuj[i]->setChecked(r.RysujPrzejscia[i]);
        k.CB_Suma[i]->setChecked(r.SumujPrzejscia[i]);
        k.S_Przejscia[i]->UstawKolor(r.KoloryPrzejsc[i]);
    }
    const char* m = "####0.0##";
    k.CB_RysujLegPrzej->setChecked(r.LegendaPrzejsc);
    k.CB_RysujLegStruk->setChecked(r.Struktura);
    PokazLiczbe(k.E_LPdx, m, r.LegendaPrzejscX);
    PokazLiczbe(k.E_LPdy, m, r.LegendaPrzejscY);
    PokazLiczbe(k.E_LSdx, m, r.LegendaStrukturyX);
    PokazLiczbe(k.E_LSdy, m, r.LegendaStrukturyY);
}

template <class Rekord>
void CzytajPrzejsciaDo(const TKontrolkiPrzejsc& k, Rekord& r, SprawdzanieWartosci& s)
{
    for (std::size_t i = 0; i < 4; ++i) {
        r.RysujPrzejscia[i] = k.CB_Rysuj[i]->isChecked();
        r.SumujPrzejscia[i] = k.CB_Suma[i]->isChecked();
        r.KoloryPrzejsc[i] = k.S_Przejscia[i]->Kolor();
        const TekstZOkna nazwa = TekstZPola(k.E_Nazwy[i]);
        if (s.Tekst(nazwa, r.NazwyPrzejsc[i].Pojemnosc, "Nazwa kategorii przejść"))
            r.NazwyPrzejsc[i] = nazwa.cp1250;
    }
    r.LegendaPrzejsc = k.CB_RysujLegPrzej->isChecked();
    r.Struktura = k.CB_RysujLegStruk->isChecked();
    auto czytaj = [&](float& x, const QLineEdit* pole, const char* nazwa) {
        x = static_cast<float>(WartoscPola(s, granice::Polozenie, pole, nazwa, x, maski::Rozmiar));
    };
    czytaj(r.LegendaPrzejscX, k.E_LPdx, "Legenda przejść: dx");
    czytaj(r.LegendaPrzejscY, k.E_LPdy, "Legenda przejść: dy");
    czytaj(r.LegendaStrukturyX, k.E_LSdx, "Legenda struktury: dx");
    czytaj(r.LegendaStrukturyY, k.E_LSdy, "Legenda struktury: dy");
}

} // namespace

void TKontrolkiStylu::WypelnijStyl(const TUstawieniaGlobalne& r) { WypelnijStylZ(*this, r); }
void TKontrolkiStylu::WypelnijStyl(const DaneWezel& r) { WypelnijStylZ(*this, r); }
// The settings and a node keep the line width with different decimals.
void TKontrolkiStylu::CzytajStyl(TUstawieniaGlobalne& r, SprawdzanieWartosci& s) const
{
    CzytajStylDo(*this, r, s, maski::Rozmiar);
}
void TKontrolkiStylu::CzytajStyl(DaneWezel& r, SprawdzanieWartosci& s) const
{
    CzytajStylDo(*this, r, s, maski::Polozenie);
}

// ---- the crossings ----

void TKontrolkiPrzejsc::BudujKategorie(QGroupBox* g, QGridLayout* u, const char* rysujRowery,
                                       const char* ksztaltRowery)
{
    const char* nazwy[4] = {"E_piesi", "E_Rowery", "E_Inne1", "E_Inne2"};
    const char* rysuj[4] = {"CB_RysujPiesi", rysujRowery, "CB_RysujInne1", "CB_RysujInne2"};
    const char* suma[4] = {"CB_SumaPiesi", "CB_SumaRowery", "CB_SumaInne1", "CB_SumaInne2"};
    const char* ksztalty[4] = {"S_Piesi", ksztaltRowery, "S_Inne1", "S_Inne2"};
    for (int i = 0; i < 4; ++i) {
        const auto j = static_cast<std::size_t>(i);
        E_Nazwy[j] = NowePole(g, nazwy[i]);
        E_Nazwy[j]->setMaximumWidth(140);
        CB_Rysuj[j] = NowyPrzelacznik(g, rysuj[i], U("Rysuj"));
        CB_Suma[j] = NowyPrzelacznik(g, suma[i], U("Sumuj"));
        S_Przejscia[j] = new TKsztaltKoloru(g, ksztalty[i]);
        u->addWidget(E_Nazwy[j], i, 0);
        u->addWidget(CB_Rysuj[j], i, 1);
        u->addWidget(CB_Suma[j], i, 2);
        u->addWidget(S_Przejscia[j], i, 3);
    }
}

void TKontrolkiPrzejsc::BudujLegendy(QGroupBox* g, QGridLayout* u, const char* tekstPrzejsc,
                                     const char* tekstStruktury)
{
    CB_RysujLegPrzej = NowyPrzelacznik(g, "CB_RysujLegPrzej", QString::fromUtf8(tekstPrzejsc));
    CB_RysujLegStruk = NowyPrzelacznik(g, "CB_RysujLegStruk", QString::fromUtf8(tekstStruktury));
    E_LPdx = NowePole(g, "E_LPdx");
    E_LPdy = NowePole(g, "E_LPdy");
    E_LSdx = NowePole(g, "E_LSdx");
    E_LSdy = NowePole(g, "E_LSdy");
    u->addWidget(CB_RysujLegPrzej, 5, 0);
    u->addWidget(E_LPdx, 5, 1);
    u->addWidget(E_LPdy, 5, 2);
    u->addWidget(CB_RysujLegStruk, 6, 0);
    u->addWidget(E_LSdx, 6, 1);
    u->addWidget(E_LSdy, 6, 2);
}

void TKontrolkiPrzejsc::WypelnijPrzejscia(const TUstawieniaGlobalne& r) { WypelnijPrzejsciaZ(*this, r); }
void TKontrolkiPrzejsc::WypelnijPrzejscia(const DaneWezel& r) { WypelnijPrzejsciaZ(*this, r); }
void TKontrolkiPrzejsc::CzytajPrzejscia(TUstawieniaGlobalne& r, SprawdzanieWartosci& s) const
{
    CzytajPrzejsciaDo(*this, r, s);
}
void TKontrolkiPrzejsc::CzytajPrzejscia(DaneWezel& r, SprawdzanieWartosci& s) const
{
    CzytajPrzejsciaDo(*this, r, s);
}
