#include "junction_forms/TGeometriaRuchoplan.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "junction_forms/Pola.h"
#include "junction_forms/TUstawSuwak.h"
#include "junction_forms/Uslugi.h"
#include "model/Projekt.h"
#include "model/Ruchoplan.h"
#include "model/Wezel.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"
#include "platform/qt/KsztaltKoloru.h"
#include "platform/qt/LiczbaPokazana.h"
#include "platform/qt/OknoNaEkranie.h"

using namespace pola;

TGeometriaRuchoplan* GeometriaRuchoplan = nullptr;

namespace {

const char* const NazwyJezdni[4] = {"Jezdnia POŁUDNIOWA", "Jezdnia WSCHODNIA", "Jezdnia PÓŁNOCNA", "Jezdnia ZACHODNIA"};
const char* const ObiektyJezdni[4] = {"JezdniaS", "JezdniaE", "JezdniaN", "JezdniaW"};
const char* const GlobalneNazwy[PolGrupy] = {"E_o", "E_l", "E_dL", "E_Rp", "E_Rl", "E_z"};
const char* const RamieniaNazwy[PolGrupy] = {"_O", "_L", "_dL", "_Rp", "_Rl", "_z"};
const char* const OpisyPol[PolGrupy] = {"Odsunięcie ", "Długość ...", "pom.. [cm]", "Prawoskręt ", "Lewoskręt .",
                                        "Zawrotki ..."};
const char* const ProgiGrup[GrupGeometrii] = {"Nieprawidłowe parametry globalne!",
                                              "Nieprawidłowe parametry jezdni południowej!",
                                              "Nieprawidłowe parametry jezdni wschodniej!",
                                              "Nieprawidłowe parametry jezdni północnej!",
                                              "Nieprawidłowe parametry jezdni zachodniej!"};

std::string Liczba(double x, const char* maska = "##0.##") { return FormatFloat(maska, x); }

// A number of the diagram, shown rounded; left as shown, it reads back whole.
void PokazPole(QLineEdit* p, double x) { PokazLiczbe(p, NaQString(Liczba(x)), x); }

bool CzytajPole(const QLineEdit* p, double& x)
{
    if (const std::optional<double> pokazana = LiczbaPokazana(p)) {
        x = *pokazana;
        return true;
    }
    return SprobujTekstNaLiczbe(PoprawSeparator(TekstPola(p)), x);
}

// The colour boxes by group, top to bottom, as relation numbers.
const int GrupyKolorow[4][4] = {{31, 42, 24, 13}, {32, 21, 43, 14}, {34, 41, 23, 12}, {33, 44, 22, 11}};
const char* const TytulyKolorow[4] = {"Kolory PROSTO (wypełnienie)", "Kolory LEWOSKRĘTY (wypełnienie)",
                                      "Kolory PRAWOSKRĘTY (wypełnienie)", "Kolory ZAWROTKI (wypełnienie)"};
const char* const KierunkiKolorow[4] = {"kier. PÓŁNOC", "kier. ZACHÓD", "kier. WSCHÓD", "kier. POŁUDNIE"};

}  // namespace

TGeometriaRuchoplan::TGeometriaRuchoplan(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("GeometriaRuchoplan");
    setWindowTitle(QString::fromUtf8("Geometria skrzyżowania"));
    setModal(true);
    L_NrRupl = NowaEtykieta(this, "L_NrRupl", "0");
    L_NrRupl->hide();
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");

    // --- "Ogólnie"
    auto* ogolnie = new QWidget;
    auto* uo = new QGridLayout(ogolnie);
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        auto* g = new QGroupBox(QString::fromUtf8(NazwyJezdni[i]), ogolnie);
        g->setObjectName(ObiektyJezdni[i]);
        Jezdnia[i] = g;
        auto* ug = new QGridLayout(g);
        alfa[i] = NowePole(g, Nazwa("alfa", k).c_str());
        Wylacz[i] = NowyPrzelacznik(g, Nazwa("Wylacz", k).c_str(), "Wyłącz");
        tekst[2 * i] = NowePole(g, Nazwa("tekst", k, "1").c_str(), 0);
        tekst[2 * i + 1] = NowePole(g, Nazwa("tekst", k, "2").c_str(), 0);
        E_ozn[i] = NowePole(g, Nazwa("E_ozn", k).c_str(), 30);
        Strz[i] = NowyPrzelacznik(g, Nazwa("Strz", k).c_str(), "Strzałka");
        Przejscie[i] = NowyPrzelacznik(g, Nazwa("Przejscie", k).c_str(), "Przejście");
        ug->addWidget(new QLabel(QString::fromUtf8("Kąt [st.]"), g), 0, 0);
        ug->addWidget(alfa[i], 0, 1);
        ug->addWidget(Wylacz[i], 0, 2);
        ug->addWidget(E_ozn[i], 0, 3);
        ug->addWidget(tekst[2 * i], 1, 0, 1, 4);
        ug->addWidget(tekst[2 * i + 1], 2, 0, 1, 4);
        ug->addWidget(Strz[i], 3, 0, 1, 2);
        ug->addWidget(Przejscie[i], 3, 2, 1, 2);
        uo->addWidget(g, static_cast<int>(i / 2), static_cast<int>(i % 2));
        connect(Wylacz[i], &QCheckBox::clicked, this, [this, k] { WylaczClick(k); });
        connect(Strz[i], &QCheckBox::clicked, this, [this] { GeometriaZmieniona = 1; });
        connect(Przejscie[i], &QCheckBox::clicked, this, [this] { GeometriaZmieniona = 1; });
    }
    auto* kolory = new QWidget(ogolnie);
    auto* uk = new QGridLayout(kolory);
    Shape_wypel = new TKsztaltKoloru(kolory, "Shape_wypel");
    B_WstawWypelenienieDefault = NowyPrzycisk(kolory, "B_WstawWypelenienieDefault", "Wstaw domyś. wypeł.");
    uk->addWidget(Shape_wypel, 0, 0);
    uk->addWidget(B_WstawWypelenienieDefault, 0, 1);
    connect(Shape_wypel, &QPushButton::clicked, this, [this] { ShapeMouseDown(Shape_wypel); });
    connect(B_WstawWypelenienieDefault, &QPushButton::clicked, this,
            &TGeometriaRuchoplan::B_WstawWypelenienieDefaultClick);
    for (int g = 0; g < 4; ++g) {
        auto* gb = new QGroupBox(QString::fromUtf8(TytulyKolorow[g]), kolory);
        auto* ugb = new QGridLayout(gb);
        for (int w = 0; w < 4; ++w) {
            const int nr = GrupyKolorow[g][w];
            const auto i = static_cast<std::size_t>(4 * (nr / 10 - 1) + nr % 10 - 1);
            Shape[i] = new TKsztaltKoloru(gb, Nazwa("Shape", nr).c_str());
            ugb->addWidget(Shape[i], w, 0);
            ugb->addWidget(new QLabel(QString::fromUtf8(KierunkiKolorow[w]), gb), w, 1);
            TKsztaltKoloru* s = Shape[i];
            connect(s, &QPushButton::clicked, this, [this, s] { ShapeMouseDown(s); });
        }
        uk->addWidget(gb, 1 + g / 2, g % 2);
    }
    uo->addWidget(kolory, 0, 2, 2, 1);
    PageControl1->addTab(ogolnie, QString::fromUtf8("Ogólnie"));

    // --- "Parametry graficzne"
    auto* parametry = new QWidget;
    auto* up = new QGridLayout(parametry);
    GB_Globalne = new QGroupBox(QString::fromUtf8("PARAMETRY GLOBALNE"), parametry);
    GB_Globalne->setObjectName("GB_Globalne");
    RB_Globalne = NowyWybor(parametry, "RB_Globalne", "PARAMETRY GLOBALNE");
    RB_Lokalne = NowyWybor(parametry, "RB_Lokalne", "PARAMETRY LOKALNE");
    connect(RB_Globalne, &QRadioButton::clicked, this, &TGeometriaRuchoplan::RB_GlobalneMouseUp);
    connect(RB_Lokalne, &QRadioButton::clicked, this, &TGeometriaRuchoplan::RB_GlobalneMouseUp);
    auto* ugl = new QGridLayout(GB_Globalne);
    for (int p = 0; p < PolGrupy; ++p) {
        Pola[0][static_cast<std::size_t>(p)] = NowePole(GB_Globalne, GlobalneNazwy[p]);
        ugl->addWidget(new QLabel(QString::fromUtf8(OpisyPol[p]), GB_Globalne), p, 0);
        ugl->addWidget(Pola[0][static_cast<std::size_t>(p)], p, 1);
    }
    L_Rpop = NowaEtykieta(GB_Globalne, "L_Rpop");
    L_Lpop = NowaEtykieta(GB_Globalne, "L_Lpop");
    B_WGlobalnePlus = NowyPrzycisk(GB_Globalne, "B_WGlobalnePlus", "+");
    B_WGlobalneMinus = NowyPrzycisk(GB_Globalne, "B_WGlobalneMinus", "-");
    ugl->addWidget(B_WGlobalneMinus, PolGrupy, 0);
    ugl->addWidget(B_WGlobalnePlus, PolGrupy, 1);
    connect(B_WGlobalnePlus, &QPushButton::clicked, this, &TGeometriaRuchoplan::B_WGlobalnePlusClick);
    connect(B_WGlobalneMinus, &QPushButton::clicked, this, &TGeometriaRuchoplan::B_WGlobalneMinusClick);
    up->addWidget(RB_Globalne, 0, 0);
    up->addWidget(GB_Globalne, 1, 0, 2, 1);
    up->addWidget(RB_Lokalne, 0, 1);
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        auto* g = new QGroupBox(QString::fromUtf8(NazwyJezdni[i]), parametry);
        g->setObjectName(Nazwa("GB_WW", k).c_str());
        GB_WW[i] = g;
        auto* ug = new QGridLayout(g);
        for (int p = 0; p < PolGrupy; ++p) {
            Pola[static_cast<std::size_t>(k)][static_cast<std::size_t>(p)] =
                NowePole(g, Nazwa("E", k, RamieniaNazwy[p]).c_str());
            ug->addWidget(new QLabel(QString::fromUtf8(OpisyPol[p]), g), p, 0);
            ug->addWidget(Pola[static_cast<std::size_t>(k)][static_cast<std::size_t>(p)], p, 1);
        }
        Lrpop[i] = NowaEtykieta(g, Nazwa("L", k, "_rpop").c_str());
        Lrp[i] = NowaEtykieta(g, Nazwa("L", k, "_rp").c_str());
        Llpop[i] = NowaEtykieta(g, Nazwa("L", k, "_lpop").c_str());
        Lrl[i] = NowaEtykieta(g, Nazwa("L", k, "_rl").c_str());
        ug->addWidget(Lrpop[i], GrPromienPrawy, 2);
        ug->addWidget(Lrp[i], GrPromienPrawy, 3);
        ug->addWidget(Llpop[i], GrPromienLewy, 2);
        ug->addWidget(Lrl[i], GrPromienLewy, 3);
        up->addWidget(g, 1 + static_cast<int>(i / 2), 1 + static_cast<int>(i % 2));
    }
    for (auto& grupa : Pola)
        for (QLineEdit* e : grupa)
            connect(e, &QLineEdit::textEdited, this, [this] { GeometriaZmieniona = 1; });
    for (QLineEdit* e : alfa)
        connect(e, &QLineEdit::textEdited, this, [this] { GeometriaZmieniona = 1; });
    for (QLineEdit* e : tekst)
        connect(e, &QLineEdit::textEdited, this, [this] { GeometriaZmieniona = 1; });
    for (QLineEdit* e : E_ozn)
        connect(e, &QLineEdit::textEdited, this, [this] { GeometriaZmieniona = 1; });

    // Step buttons per arm, the arm choice, defaults and corrections.
    auto* kroki = new QGroupBox(parametry);
    auto* ukr = new QGridLayout(kroki);
    CB_N = NowyPrzelacznik(kroki, "CB_N", "N");
    CB_S = NowyPrzelacznik(kroki, "CB_S", "S");
    CB_E = NowyPrzelacznik(kroki, "CB_E", "E");
    CB_W = NowyPrzelacznik(kroki, "CB_W", "W");
    ukr->addWidget(CB_N, 0, 1);
    ukr->addWidget(CB_W, 1, 0);
    ukr->addWidget(CB_E, 1, 2);
    ukr->addWidget(CB_S, 2, 1);
    struct Rzad {
        PoleGrupy pole;
        QPushButton** minus;
        const char* nMinus;
        QPushButton** plus;
        const char* nPlus;
    };
    const Rzad rzedy[] = {{GrOdsuniecie, &B_OMinus, "B_OMinus", &B_OPlus, "B_OPlus"},
                          {GrDlugosc, &B_LMinus, "B_LMinus", &B_LPlus, "B_LPlus"},
                          {GrPromienPrawy, &B_RMinus, "B_RMinus", &B_RPlus, "B_RPlus"},
                          {GrPromienLewy, &B_LLMinus, "B_LLMinus", &B_LLPlus, "B_LLPlus"},
                          {GrZawrotka, &B_ZMinus, "B_ZMinus", &B_ZPlus, "B_ZPlus"},
                          {GrPomocnicza, &B_PomMinus, "B_PomMinus", &B_PomPlus, "B_PomPlus"}};
    int w = 3;
    for (const Rzad& r : rzedy) {
        *r.minus = NowyPrzycisk(kroki, r.nMinus, "-");
        *r.plus = NowyPrzycisk(kroki, r.nPlus, "+");
        ukr->addWidget(new QLabel(QString::fromUtf8(r.pole == GrPomocnicza ? "pom" : OpisyPol[r.pole]), kroki), w, 0);
        ukr->addWidget(*r.minus, w, 1);
        ukr->addWidget(*r.plus, w, 2);
        const PoleGrupy pole = r.pole;
        connect(*r.minus, &QPushButton::clicked, this, [this, pole] { KrokRamion(pole, false); });
        connect(*r.plus, &QPushButton::clicked, this, [this, pole] { KrokRamion(pole, true); });
        ++w;
    }
    B_KopiujlGlobalneDoLokalnych = NowyPrzycisk(kroki, "B_KopiujlGlobalneDoLokalnych", "Wstaw globalne");
    B_ResetWlasnosciGlobalne = NowyPrzycisk(kroki, "B_ResetWlasnosciGlobalne", "Wstaw domyślne");
    ukr->addWidget(B_KopiujlGlobalneDoLokalnych, w, 0, 1, 3);
    ukr->addWidget(B_ResetWlasnosciGlobalne, w + 1, 0, 1, 3);
    connect(B_KopiujlGlobalneDoLokalnych, &QPushButton::clicked, this,
            &TGeometriaRuchoplan::B_KopiujlGlobalneDoLokalnychClick);
    connect(B_ResetWlasnosciGlobalne, &QPushButton::clicked, this, &TGeometriaRuchoplan::B_ResetWlasnosciGlobalneClick);
    up->addWidget(kroki, 1, 3, 2, 1);

    auto* popL = new QGroupBox(QString::fromUtf8("LEWOSKRĘTY (poprawka)"), parametry);
    auto* upl = new QGridLayout(popL);
    LL1 = NowyPrzycisk(popL, "LL1", "+/-");
    LL2 = NowyPrzycisk(popL, "LL2", "-/+");
    LL14 = NowaEtykieta(popL, "LL14");
    LL21 = NowaEtykieta(popL, "LL21");
    LL32 = NowaEtykieta(popL, "LL32");
    LL43 = NowaEtykieta(popL, "LL43");
    upl->addWidget(LL1, 0, 0);
    upl->addWidget(LL2, 0, 1);
    upl->addWidget(L_Lpop, 0, 2);
    upl->addWidget(LL14, 1, 0);
    upl->addWidget(LL21, 1, 1);
    upl->addWidget(LL32, 1, 2);
    upl->addWidget(LL43, 1, 3);
    auto* popP = new QGroupBox(QString::fromUtf8("PRAWOSKRĘTY (poprawka)"), parametry);
    auto* upp = new QGridLayout(popP);
    PP1 = NowyPrzycisk(popP, "PP1", "+/-");
    PP2 = NowyPrzycisk(popP, "PP2", "-/+");
    PP12 = NowaEtykieta(popP, "PP12");
    PP23 = NowaEtykieta(popP, "PP23");
    PP34 = NowaEtykieta(popP, "PP34");
    PP41 = NowaEtykieta(popP, "PP41");
    upp->addWidget(PP1, 0, 0);
    upp->addWidget(PP2, 0, 1);
    upp->addWidget(L_Rpop, 0, 2);
    upp->addWidget(PP12, 1, 0);
    upp->addWidget(PP23, 1, 1);
    upp->addWidget(PP34, 1, 2);
    upp->addWidget(PP41, 1, 3);
    connect(LL1, &QPushButton::clicked, this, &TGeometriaRuchoplan::LL1Click);
    connect(LL2, &QPushButton::clicked, this, &TGeometriaRuchoplan::LL2Click);
    connect(PP1, &QPushButton::clicked, this, &TGeometriaRuchoplan::PP1Click);
    connect(PP2, &QPushButton::clicked, this, &TGeometriaRuchoplan::PP2Click);
    up->addWidget(popL, 3, 0, 1, 2);
    up->addWidget(popP, 3, 2, 1, 2);
    PageControl1->addTab(parametry, QString::fromUtf8("Parametry graficzne"));
    connect(PageControl1, &QTabWidget::currentChanged, this, &TGeometriaRuchoplan::PageControl1Change);

    // --- below the pages
    B_Wprowadz = NowyPrzycisk(this, "B_Wprowadz", "Powrót");
    Button5 = NowyPrzycisk(this, "Button5", "Przerys");
    B_WlaczPaski = NowyPrzycisk(this, "B_WlaczPaski", "Włącz ustawianie paskami");
    B_WlaczPaski->setEnabled(false);
    CB_Przeswit = NowyPrzelacznik(this, "CB_Przeswit", "Prześwit");
    SB_Blend = new QScrollBar(Qt::Horizontal, this);
    SB_Blend->setObjectName("SB_Blend");
    SB_Blend->setRange(50, 250);
    SB_Blend->setValue(150);
    connect(B_Wprowadz, &QPushButton::clicked, this, &TGeometriaRuchoplan::B_WprowadzClick);
    connect(Button5, &QPushButton::clicked, this, &TGeometriaRuchoplan::Button5Click);
    connect(B_WlaczPaski, &QPushButton::clicked, this, &TGeometriaRuchoplan::B_WlaczPaskiClick);
    connect(CB_Przeswit, &QCheckBox::clicked, this, &TGeometriaRuchoplan::CB_PrzeswitClick);
    connect(SB_Blend, &QScrollBar::valueChanged, this, &TGeometriaRuchoplan::SB_BlendChange);
    auto* dol = new QHBoxLayout;
    dol->addWidget(CB_Przeswit);
    dol->addWidget(SB_Blend);
    dol->addWidget(B_WlaczPaski);
    dol->addStretch();
    dol->addWidget(Button5);
    dol->addWidget(B_Wprowadz);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(PageControl1);
    uklad->addLayout(dol);
}

int TGeometriaRuchoplan::Rekord() const { return L_NrRupl->text().toInt(); }

void TGeometriaRuchoplan::showEvent(QShowEvent* e)
{
    FormShow();
    QDialog::showEvent(e);
}

void TGeometriaRuchoplan::done(int r)
{
    // Whatever closes the window, the sheet shows what was stored.
    QDialog::done(r);
    PrzerysujArkusz();
}

void TGeometriaRuchoplan::FormShow()
{
    KrokZmiany = 0.1f;
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        PokazPole(alfa[i], r.Kat[i] * 180.0 / PiOkna);
        UstawTekstPola(tekst[2 * i], r.OpisRamienia[2 * i].str());
        UstawTekstPola(tekst[2 * i + 1], r.OpisRamienia[2 * i + 1].str());
        Strz[i]->setChecked(r.Strzalka[i]);
        // A box that changes state runs its click handling, as a user's click would.
        const bool wylaczone = !r.Ramie[i];
        if (Wylacz[i]->isChecked() != wylaczone) {
            Wylacz[i]->setChecked(wylaczone);
            WylaczClick(k);
        }
        Przejscie[i]->setChecked(r.Przejscie[i]);
        UstawTekstPola(E_ozn[i], r.Oznaczenie[i].str());
    }
    RB_Globalne->setChecked(r.Globalne);
    RB_Lokalne->setChecked(!r.Globalne);
    UstawTrybParametrow();
    const TGrupaLiczb glob = {r.GlobOdsuniecie, r.GlobDlugosc, r.GlobDlugosc - r.GlobDlugoscPom,
                              r.GlobPromienPrawoskretu, r.GlobPromienLewoskretu, r.GlobZawrotka};
    for (std::size_t p = 0; p < PolGrupy; ++p)
        PokazPole(Pola[0][p], glob[p]);
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const TGrupaLiczb a = {r.Odsuniecie[i],
                               r.Dlugosc[i],
                               r.Dlugosc[i] - r.DlugoscPom[i],
                               r.PromienPrawoskretu[i] - PoprawkaPrawaRamienia(k, r.PoprawkaPrawoskretow),
                               r.PromienLewoskretu[i] - PoprawkaLewaRamienia(k, r.PoprawkaLewoskretow),
                               r.Zawrotka[i]};
        for (std::size_t p = 0; p < PolGrupy; ++p)
            PokazPole(Pola[static_cast<std::size_t>(k)][p], a[p]);
    }
    PokazPoprawki(r.PoprawkaPrawoskretow, r.PoprawkaLewoskretow);
    for (std::size_t i = 0; i < 16; ++i)
        Shape[i]->UstawKolor(r.KoloryRelacji[i]);
    bool wlasne = false;
    if (JestIndeksem(r.NrWezla, Wezly)) {
        Shape_wypel->UstawKolor(Wezly[static_cast<std::size_t>(r.NrWezla)].KolorWypelnien);
        wlasne = !Wezly[static_cast<std::size_t>(r.NrWezla)].Globalne;
    }
    // The colours are the node's own display settings.
    for (TKsztaltKoloru* s : Shape)
        s->setVisible(wlasne);
    Shape_wypel->setVisible(wlasne);
    B_WstawWypelenienieDefault->setEnabled(wlasne);
    GeometriaZmieniona = 0;
}

void TGeometriaRuchoplan::UstawTrybParametrow()
{
    const bool g = RB_Globalne->isChecked();
    GB_Globalne->setEnabled(g);
    for (QPushButton* b : {B_WGlobalnePlus, B_WGlobalneMinus})
        b->setEnabled(g);
    for (QGroupBox* gb : GB_WW)
        gb->setEnabled(!g);
    for (QWidget* w : std::initializer_list<QWidget*>{B_OMinus, B_OPlus, B_LMinus, B_LPlus, B_RMinus, B_RPlus,
                                                      B_LLMinus, B_LLPlus, B_ZMinus, B_ZPlus, B_PomMinus, B_PomPlus,
                                                      CB_N, CB_S, CB_W, CB_E, B_KopiujlGlobalneDoLokalnych})
        w->setEnabled(!g);
    const int n = Rekord();
    for (std::size_t k = 0; k < 4; ++k)
        GB_WW[k]->setVisible(JestIndeksem(n, Ruchoplany) && Ruchoplany[static_cast<std::size_t>(n)].Ramie[k]);
}

void TGeometriaRuchoplan::PokazPoprawki(float r, float l)
{
    auto dwa = [](double x) { return FormatFloat("0.00", x); };
    UstawTekstEtykiety(L_Lpop, dwa(std::fabs(l)));
    UstawTekstEtykiety(LL14, dwa(-l));
    UstawTekstEtykiety(LL32, dwa(-l));
    UstawTekstEtykiety(LL21, dwa(l));
    UstawTekstEtykiety(LL43, dwa(l));
    UstawTekstEtykiety(L_Rpop, dwa(std::fabs(r)));
    UstawTekstEtykiety(PP12, dwa(r));
    UstawTekstEtykiety(PP34, dwa(r));
    UstawTekstEtykiety(PP23, dwa(-r));
    UstawTekstEtykiety(PP41, dwa(-r));
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        UstawTekstEtykiety(Llpop[i], dwa(PoprawkaLewaRamienia(k, l)));
        UstawTekstEtykiety(Lrpop[i], dwa(PoprawkaPrawaRamienia(k, r)));
        double x = 0.0;
        CzytajPole(Pola[static_cast<std::size_t>(k)][GrPromienLewy], x);
        UstawTekstEtykiety(Lrl[i], Liczba(PromienRamienia(x, PoprawkaLewaRamienia(k, l))));
        x = 0.0;
        CzytajPole(Pola[static_cast<std::size_t>(k)][GrPromienPrawy], x);
        UstawTekstEtykiety(Lrp[i], Liczba(PromienRamienia(x, PoprawkaPrawaRamienia(k, r))));
    }
}

WynikKontroli TGeometriaRuchoplan::SprawdzKatyOkna()
{
    std::array<std::string, 4> t;
    for (std::size_t k = 0; k < 4; ++k)
        t[k] = PoprawPole(alfa[k]);
    return SprawdzKaty(t);
}

WynikKontroli TGeometriaRuchoplan::SprawdzParametryOkna()
{
    std::array<TGrupaTekstow, GrupGeometrii> t;
    for (std::size_t g = 0; g < GrupGeometrii; ++g)
        for (std::size_t p = 0; p < PolGrupy; ++p)
            t[g][p] = PoprawPole(Pola[g][p]);
    WynikKontroli w = SprawdzParametry(t);
    // The arm texts as typed: refused, never cut or changed.
    std::string odmowa = OdmowaPol({E_ozn[0], E_ozn[1], E_ozn[2], E_ozn[3]},
                                   decltype(DaneRuchoplan::Oznaczenie)::value_type::Pojemnosc, "Oznaczenie ramienia");
    for (const QLineEdit* pole : tekst)
        if (odmowa.empty())
            odmowa = OdmowaPol({pole}, decltype(DaneRuchoplan::OpisRamienia)::value_type::Pojemnosc, "Opis ramienia");
    if (w.ok && !odmowa.empty())
        w = {false, odmowa};
    return w;
}

bool TGeometriaRuchoplan::ZapiszGeometrie()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return false;
    GeometriaOkna g;
    for (std::size_t k = 0; k < 4; ++k) {
        // An angle that is no number stores nothing (the angle check reports it).
        if (!CzytajPole(alfa[k], g.KatStopnie[k]))
            return false;
        g.Ramie[k] = Wylacz[k]->isChecked() ? 0 : 1;
        g.Strzalka[k] = Strz[k]->isChecked() ? 1 : 0;
        g.Przejscie[k] = Przejscie[k]->isChecked() ? 1 : 0;
        g.Oznaczenie[k] = TekstPola(E_ozn[k]).substr(0, 3);
    }
    for (std::size_t i = 0; i < 8; ++i)
        g.Opisy[i] = TekstPola(tekst[i]).substr(0, 255);
    g.Globalne = RB_Globalne->isChecked();
    for (std::size_t gr = 0; gr < GrupGeometrii; ++gr)
        for (std::size_t p = 0; p < PolGrupy; ++p)
            if (!CzytajPole(Pola[gr][p], g.Grupy[gr][p]))
                return false;
    for (std::size_t i = 0; i < 16; ++i)
        g.KoloryRelacji[i] = Shape[i]->Kolor();
    g.KolorWypel = Shape_wypel->Kolor();
    ZapiszGeometrieWezla(n, g);
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    PokazPoprawki(r.PoprawkaPrawoskretow, r.PoprawkaLewoskretow);
    return true;
}

void TGeometriaRuchoplan::ZastosujGeometrie()
{
    if (!SprawdzParametryOkna().ok)
        return;
    const uint64_t rewizja = RewizjaProjektu();
    if (ZapiszGeometrie())
        PrzerysujDiagram(Rekord(), false, rewizja);
}

bool TGeometriaRuchoplan::SprawdzZKomunikatami()
{
    const WynikKontroli katy = SprawdzKatyOkna();
    const WynikKontroli parametry = SprawdzParametryOkna();
    if (!katy.ok)
        Dialogi().Informacja(katy.komunikat);
    if (!parametry.ok)
        Dialogi().Informacja(parametry.komunikat);
    return katy.ok && parametry.ok;
}

void TGeometriaRuchoplan::Zatwierdz()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return;
    // A diagram newly marked entered is a change to save.
    bool nowy = false;
    for (const DaneRuchoplan& r : Ruchoplany)
        if (r.NrWezla == Ruchoplany[static_cast<std::size_t>(n)].NrWezla && !r.GeometriaWprowadzona)
            nowy = true;
    OznaczWezelWprowadzony(n);
    if (nowy)
        ZmienionoProjekt();
    if ((GeometriaZmieniona && ZapiszGeometrie()) || nowy)
        PrzerysujArkusz();
}

void TGeometriaRuchoplan::B_WprowadzClick()
{
    if (!SprawdzZKomunikatami())
        return;
    Zatwierdz();
    accept();
}

void TGeometriaRuchoplan::Button5Click()
{
    if (SprawdzZKomunikatami())
        Zatwierdz();
}

void TGeometriaRuchoplan::WlaczWszystkieJezdnie()
{
    for (std::size_t k = 0; k < 4; ++k) {
        for (QWidget* w : std::initializer_list<QWidget*>{alfa[k], tekst[2 * k], tekst[2 * k + 1], Strz[k], Przejscie[k]})
            w->setEnabled(true);
        E_ozn[k]->show();
    }
    GeometriaZmieniona = 1;
}

void TGeometriaRuchoplan::WylaczClick(int ramie)
{
    WlaczWszystkieJezdnie();
    const auto i = static_cast<std::size_t>(ramie - 1);
    if (!Wylacz[i]->isChecked())
        return;
    // One arm off at a time.
    for (std::size_t k = 0; k < 4; ++k)
        if (k != i)
            Wylacz[k]->setChecked(false);
    for (QWidget* w : std::initializer_list<QWidget*>{alfa[i], tekst[2 * i], tekst[2 * i + 1], Strz[i], Przejscie[i]})
        w->setEnabled(false);
    E_ozn[i]->hide();
}

void TGeometriaRuchoplan::RB_GlobalneMouseUp()
{
    UstawTrybParametrow();
    ZastosujGeometrie();
}

void TGeometriaRuchoplan::ShapeMouseDown(TKsztaltKoloru* ksztalt)
{
    if (ksztalt->WybierzKolor())
        GeometriaZmieniona = 1;
}

void TGeometriaRuchoplan::B_WstawWypelenienieDefaultClick()
{
    for (TKsztaltKoloru* s : Shape)
        s->UstawKolor(Shape_wypel->Kolor());
    GeometriaZmieniona = 1;
}

void TGeometriaRuchoplan::CB_PrzeswitClick()
{
    setWindowOpacity(CB_Przeswit->isChecked() ? SB_Blend->value() / 255.0 : 1.0);
}

void TGeometriaRuchoplan::SB_BlendChange() { setWindowOpacity(SB_Blend->value() / 255.0); }

void TGeometriaRuchoplan::PageControl1Change() { B_WlaczPaski->setEnabled(PageControl1->currentIndex() == 1); }

void TGeometriaRuchoplan::B_WlaczPaskiClick()
{
    // Out of sight while the sliders work, so the sheet behind shows each
    // move. Hiding a dialog would end its own modal loop. It comes back to
    // its own area's place: a window manager may have kept the frame
    // somewhere else than asked meanwhile.
    const QRect miejsce = geometry();
    const double krycie = windowOpacity();
    setWindowOpacity(0.0);
    move(-20000, -20000);
    UstawSuwak->L_NrRupl->setText(L_NrRupl->text());
    UstawSuwak->exec();
    UstawMiejsceOkna(this, miejsce);
    setWindowOpacity(krycie);
}

void TGeometriaRuchoplan::Ustaw(PoleGrupy pole, int pozycja, int ramie, const char* maska)
{
    if (ramie < 0 || ramie > 4)
        return;
    UstawTekstPola(Pola[static_cast<std::size_t>(ramie)][pole], Liczba(pozycja * 0.1, maska));
}

void TGeometriaRuchoplan::UstawOdsuniecie(int pozycja, int ramie) { Ustaw(GrOdsuniecie, pozycja, ramie, "##0.##"); }
void TGeometriaRuchoplan::UstawDlugosc(int pozycja, int ramie)
{
    Ustaw(GrDlugosc, pozycja, ramie, ramie == 0 ? "##0.##" : "##0.###");
}
void TGeometriaRuchoplan::UstawDlugoscPom(int pozycja, int ramie)
{
    Ustaw(GrPomocnicza, pozycja, ramie, "##0.##");
    double x = 0.0;
    if (ramie == 0 && CzytajPole(Pola[0][GrPomocnicza], x) && x < 0.1)
        UstawTekstPola(Pola[0][GrPomocnicza], std::string("0") + SeparatorDziesietny() + "1");
}
void TGeometriaRuchoplan::UstawPromienPrawoskretu(int pozycja, int ramie) { Ustaw(GrPromienPrawy, pozycja, ramie, "##0.##"); }
void TGeometriaRuchoplan::UstawPromienLewoskretu(int pozycja, int ramie) { Ustaw(GrPromienLewy, pozycja, ramie, "##0.##"); }
void TGeometriaRuchoplan::UstawZawrotke(int pozycja, int ramie) { Ustaw(GrZawrotka, pozycja, ramie, "##0.##"); }

void TGeometriaRuchoplan::KrokRamion(PoleGrupy pole, bool plus)
{
    const std::array<QCheckBox*, 4> wybor = {CB_S, CB_E, CB_N, CB_W};
    bool jest = false;
    for (QCheckBox* c : wybor)
        jest = jest || c->isChecked();
    if (!jest)
        Dialogi().Informacja(Utf8NaCp1250("Nie wskazano relacji do zmiany!"));
    // The auxiliary length's "+" shortens it, so the band before it grows.
    const double krok = (pole == GrPomocnicza ? !plus : plus) ? KrokZmiany : -KrokZmiany;
    for (std::size_t k = 0; k < 4; ++k) {
        if (!wybor[k]->isChecked())
            continue;
        QLineEdit* e = Pola[k + 1][pole];
        double x = 0.0;
        if (!CzytajPole(e, x)) {
            Dialogi().Informacja(Utf8NaCp1250(ProgiGrup[k + 1]));
            return;
        }
        UstawTekstPola(e, Liczba(x + krok, "###0.0#"));
    }
    ZastosujGeometrie();
}

void TGeometriaRuchoplan::B_WGlobalneMinusClick()
{
    std::array<double, PolGrupy> x{};
    for (std::size_t p = 0; p < PolGrupy; ++p)
        if (!CzytajPole(Pola[0][p], x[p])) {
            Dialogi().Informacja(Utf8NaCp1250(ProgiGrup[0]));
            return;
        }
    for (std::size_t p = 0; p < PolGrupy; ++p)
        UstawTekstPola(Pola[0][p], Liczba(x[p] - KrokZmiany, "###0.0#"));
    ZastosujGeometrie();
}

void TGeometriaRuchoplan::B_WGlobalnePlusClick()
{
    std::array<double, PolGrupy> x{};
    for (std::size_t p = 0; p < PolGrupy; ++p)
        if (!CzytajPole(Pola[0][p], x[p])) {
            Dialogi().Informacja(Utf8NaCp1250(ProgiGrup[0]));
            return;
        }
    // The offset takes half a step.
    for (std::size_t p = 0; p < PolGrupy; ++p)
        UstawTekstPola(Pola[0][p], Liczba(x[p] + (p == GrOdsuniecie ? KrokZmiany / 2.0 : KrokZmiany), "###0.0#"));
    ZastosujGeometrie();
}

void TGeometriaRuchoplan::Poprawka(KrokPoprawki krok)
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return;
    KrokujPoprawke(n, krok);
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    PokazPoprawki(r.PoprawkaPrawoskretow, r.PoprawkaLewoskretow);
    ZastosujGeometrie();
}

void TGeometriaRuchoplan::LL1Click() { Poprawka(KrokPoprawki::LewaPlus); }
void TGeometriaRuchoplan::LL2Click() { Poprawka(KrokPoprawki::LewaMinus); }
void TGeometriaRuchoplan::PP1Click() { Poprawka(KrokPoprawki::PrawaPlus); }
void TGeometriaRuchoplan::PP2Click() { Poprawka(KrokPoprawki::PrawaMinus); }

void TGeometriaRuchoplan::B_ResetWlasnosciGlobalneClick()
{
    const char s = SeparatorDziesietny();
    const std::array<std::string, PolGrupy> domyslne = {std::string("0") + s + "5", std::string("7") + s + "0",
                                                        std::string("1") + s + "5", std::string("2") + s + "0",
                                                        std::string("4") + s + "0", std::string("3") + s + "5"};
    if (!RB_Globalne->isChecked()) {
        for (std::size_t k = 1; k <= 4; ++k)
            for (std::size_t p = 0; p < PolGrupy; ++p)
                UstawTekstPola(Pola[k][p], domyslne[p]);
    } else {
        for (std::size_t p = 0; p < PolGrupy; ++p)
            UstawTekstPola(Pola[0][p], domyslne[p]);
    }
    ZastosujGeometrie();
}

void TGeometriaRuchoplan::B_KopiujlGlobalneDoLokalnychClick()
{
    for (std::size_t k = 1; k <= 4; ++k)
        for (std::size_t p = 0; p < PolGrupy; ++p)
            WpiszTekst(Pola[k][p], Pola[0][p]->text());
    ZastosujGeometrie();
}
