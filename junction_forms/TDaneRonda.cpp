#include "junction_forms/TDaneRonda.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "junction_forms/Pola.h"
#include "junction_forms/SiatkiOkien.h"
#include "junction_forms/StronaPomiaru.h"
#include "junction_forms/Uslugi.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "model/Rondo.h"
#include "model/Ruchoplan.h"
#include "model/Ustawienia.h"
#include "model/Wezel.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

using namespace pola;

TDaneRonda* DaneRonda = nullptr;

namespace {

std::size_t I(int k) { return static_cast<std::size_t>(k - 1); }

// Arm 1's edits and a few others are spelled apart.
std::string NazwaNat(int i, int j) { return (i == 1 && j != 3 && j != 4 ? "nat" : "Nat") + std::to_string(10 * i + j); }
std::string NazwaEp(int k, int c, int s)
{
    if (k == 1 && c == 3 && s == 0)
        return "Ep_13l";
    return "Ep_" + std::to_string(10 * k + c) + (s == 0 ? "L" : "P");
}

const char* const NazwyWlotow[5] = {"Wlot1", "wlot2", "wlot3", "wlot4", "wlot5"};
const char* const NazwyOznaczen[5] = {"L_Ozn1", "L_ozn2", "L_ozn3", "L_ozn4", "L_ozn5"};
const char* const NazwyPaneliSum[5] = {"GB_panel1", "GB_Panel2", "GB_panel3", "GB_Panel4", "GB_Panel5"};
const char* const TytulyPaneliSum[5] = {"nr 1", " nr 2", " nr 3", "nr 4", "nr 5"};
const char* const NazwyStrzalek[5] = {"Strzalki1", "Strzalki2", "Strzalki3", "strzalki4", "Strzalki5"};

bool ArmJest(const DaneRondo& r, int k) { return k <= 2 || r.Ramie[I(k)]; }

}  // namespace

TDaneRonda::TDaneRonda(QWidget* rodzic) : QDialog(rodzic), KolorWybranejRelacji(255, 255, 0)
{
    setObjectName("DaneRonda");
    setWindowTitle(QString::fromUtf8("Edycja wartości natężeń RONDO"));
    setModal(true);
    setFont(QFont("Tahoma"));
    resize(854, 635);
    L_NrRonda = NowaEtykieta(this, "L_NrRonda", "0");
    L_NrRonda->hide();
    PC_NatRond = new QTabWidget(this);
    PC_NatRond->setObjectName("PC_NatRond");
    // Every page's name in view: the window grows to hold the four tabs.
    PC_NatRond->setUsesScrollButtons(false);

    // --- page 0: relations and sums
    auto* s0 = new QWidget;
    s0->setObjectName("TabSheet1");
    auto* u0 = new QVBoxLayout(s0);
    PC_DaneRonda = new QTabWidget(s0);
    PC_DaneRonda->setObjectName("PC_DaneRonda");
    u0->addWidget(PC_DaneRonda);
    auto* sRel = new QWidget;
    sRel->setObjectName("TabSheet5");
    // One grid for the letters, the fields and the exit totals, so that each
    // stands in its arm's column whatever the number of arms.
    auto* uRel = new QGridLayout(sRel);
    uRel->addWidget(new QLabel(QString::fromUtf8("z \\ do"), sRel), 0, 0);
    for (int k = 1; k <= 5; ++k) {
        L_Ozn[I(k)] = NowaEtykieta(sRel, NazwyOznaczen[k - 1]);
        uRel->addWidget(L_Ozn[I(k)], 0, k, Qt::AlignCenter);
    }
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) {
            auto* uPole = new QVBoxLayout;
            QLineEdit*& e = nat[I(i)][I(j)];
            e = NowePole(sRel, NazwaNat(i, j).c_str(), 55);
            e->setText(NaQString(PoprawSeparator("0.00")));
            if (i == j)
                e->setStyleSheet("background-color: rgb(211, 211, 211);");
            wlp[I(i)][I(j)] = NowaEtykieta(sRel, ("wl" + std::to_string(10 * i + j) + "p").c_str());
            wyp[I(i)][I(j)] = NowaEtykieta(sRel, ("wy" + std::to_string(10 * j + i) + "p").c_str());
            wlp[I(i)][I(j)]->hide();
            wyp[I(i)][I(j)]->hide();
            uPole->addWidget(e);
            uPole->addWidget(wlp[I(i)][I(j)]);
            uPole->addWidget(wyp[I(i)][I(j)]);
            uRel->addLayout(uPole, i, j, Qt::AlignHCenter);
            connect(e, &QLineEdit::textEdited, this, [this] { Zmieniono = 1; });
        }
        uRel->addWidget(new QLabel(QString::number(i), sRel), i, 0);
        RazemWlot[I(i)] = NowaEtykieta(sRel, Nazwa("L_RazemWlot", i).c_str(), "RAZEM  (wlot):");
        Wlot[I(i)] = NowaEtykieta(sRel, NazwyWlotow[i - 1]);
        uRel->addWidget(RazemWlot[I(i)], i, 6);
        uRel->addWidget(Wlot[I(i)], i, 7);
        RazemWylot[I(i)] = NowaEtykieta(sRel, Nazwa("L_RazemWylot", i).c_str(), "RAZEM(wylot):");
        wylot[I(i)] = NowaEtykieta(sRel, Nazwa("wylot", i).c_str());
        uRel->addWidget(RazemWylot[I(i)], 6, i, Qt::AlignHCenter);
        uRel->addWidget(wylot[I(i)], 7, i, Qt::AlignHCenter);
    }
    ObliczProcenty = NowyPrzycisk(sRel, "ObliczProcenty", "Oblicz procenty");
    uRel->addWidget(ObliczProcenty, 8, 0, 1, 3);
    connect(ObliczProcenty, &QPushButton::clicked, this, &TDaneRonda::ObliczProcentyClick);
    PC_DaneRonda->addTab(sRel, QString::fromUtf8("Dane o relacjach"));

    // The sums' boxes stand round the arms' directions (placed at opening).
    auto* sSum = new QWidget;
    sSum->setObjectName("TabSheet6");
    sSum->setMinimumSize(760, 330);
    for (int k = 1; k <= 5; ++k) {
        QGroupBox*& g = GB_panel[I(k)];
        g = new QGroupBox(QString::fromUtf8(TytulyPaneliSum[k - 1]), sSum);
        g->setObjectName(NazwyPaneliSum[k - 1]);
        auto* ug = new QGridLayout(g);
        E_NatWlot[I(k)] = NowePole(g, Nazwa("E_Nat", k, "1").c_str(), 60);
        E_NatWylot[I(k)] = NowePole(g, Nazwa("E_Nat", k, "2").c_str(), 60);
        ug->addWidget(new QLabel("Wlot .......", g), 0, 0);
        ug->addWidget(E_NatWlot[I(k)], 0, 1);
        ug->addWidget(new QLabel("Wylot ......", g), 1, 0);
        ug->addWidget(E_NatWylot[I(k)], 1, 1);
        g->resize(g->sizeHint());
        for (QLineEdit* e : {E_NatWlot[I(k)], E_NatWylot[I(k)]}) {
            connect(e, &QLineEdit::textEdited, this, [this] {
                Zmieniono = 1;
                E_Nat11KeyUp();
            });
        }
    }
    L_WLOTY = NowaEtykieta(sSum, "L_WLOTY");
    L_WYLOTY = NowaEtykieta(sSum, "L_WYLOTY");
    auto* podpisWloty = new QLabel("RAZEM WLOTY", sSum);
    auto* podpisWyloty = new QLabel("RAZEM WYLOTY", sSum);
    // The totals in the top left corner, clear of the boxes round the arms.
    podpisWloty->move(10, 10);
    L_WLOTY->setGeometry(120, 10, 80, 20);
    podpisWyloty->move(10, 32);
    L_WYLOTY->setGeometry(120, 32, 80, 20);
    PC_DaneRonda->addTab(sSum, QString::fromUtf8("Dane o sumie Wloty/Wyloty"));
    connect(PC_DaneRonda, &QTabWidget::currentChanged, this, &TDaneRonda::PC_DaneRondaChange);
    PC_NatRond->addTab(s0, QString::fromUtf8("Dane o natężeniach"));

    // --- page 1: crossings
    auto* s1 = new QWidget;
    s1->setObjectName("TabSheet2");
    auto* u1 = new QGridLayout(s1);
    for (int k = 1; k <= 5; ++k) {
        QGroupBox*& g = PanelPrzejsc[I(k)];
        g = new QGroupBox(QString::fromUtf8("Ramię ") + QString::number(k), s1);
        g->setObjectName(Nazwa("PanelPrzejscia", k).c_str());
        auto* ug = new QGridLayout(g);
        QLabel*& obraz = Strzalki[I(k)];
        obraz = NowaEtykieta(g, NazwyStrzalek[k - 1]);
        PokazObrazStrzalek(obraz, "strzalkiRondo" + std::to_string(k) + ".jpg");
        ug->addWidget(obraz, 0, 1, 1, 2, Qt::AlignCenter);
        const char* const opisy[4] = {"PIESI", "ROWERZYŚCI", "...", "..."};
        for (int c = 1; c <= 4; ++c) {
            L_POpis[I(k)][I(c)] = NowaEtykieta(g, ("L_POpis" + std::to_string(10 * k + c)).c_str(), opisy[c - 1]);
            ug->addWidget(L_POpis[I(k)][I(c)], c, 0);
            for (int s = 0; s < 2; ++s) {
                QLineEdit*& e = Ep[I(k)][I(c)][static_cast<std::size_t>(s)];
                e = NowePole(g, NazwaEp(k, c, s).c_str());
                e->setText("0");
                ug->addWidget(e, c, 1 + s);
                connect(e, &QLineEdit::textEdited, this, [this] { Zmieniono = 1; });
            }
        }
        u1->addWidget(g, (k - 1) / 3, (k - 1) % 3);
    }
    PC_NatRond->addTab(s1, QString::fromUtf8("Dane na przejściach"));

    // --- page 2: count
    auto* s2 = new QWidget;
    s2->setObjectName("TabSheet3");
    ZbudujStronePomiaru(s2, *this, {"Dodaj Prognozę", "Pokaż natężenia", "Pokaż prognozę", 450, 170});
    PolaczStronePomiaru(this);
    connect(SG_Tabela, &QTableWidget::itemChanged, this, [this] {
        if (!wypelnianie_) {
            TabelaZmieniona = 1;
            Zmieniono = 1;
        }
    });
    PC_NatRond->addTab(s2, QString::fromUtf8("Dane z pomiaru"));

    // --- page 3: vehicle structure
    auto* s3 = new QWidget;
    s3->setObjectName("TabSheet4");
    auto* u3 = new QGridLayout(s3);
    for (int w = 1; w <= 5; ++w) {
        QGroupBox*& g = PanelStruktury[I(w)];
        g = new QGroupBox(QString::fromUtf8("wlot ") + QString::number(w), s3);
        g->setObjectName(Nazwa("Panel1", w).c_str());
        auto* ug = new QHBoxLayout(g);
        for (int j = 1; j <= 5; ++j) {
            const int nr = 10 * w + j;
            QPushButton*& t = tile[I(w)][I(j)];
            t = NowyPrzycisk(g, ("i" + std::to_string(nr)).c_str(), "");
            t->setFixedSize(60, 30);
            ug->addWidget(t);
            connect(t, &QPushButton::clicked, this, [this, nr] { iClick(nr); });
        }
        ug->addWidget(new QLabel("RAZEM  (wlot):", g));
        L_wl[I(w)] = NowaEtykieta(g, Nazwa("L_wl", w).c_str());
        ug->addWidget(L_wl[I(w)]);
        u3->addWidget(g, w - 1, 0, 1, 6);
    }
    u3->addWidget(new QLabel("RAZEM(wylot):", s3), 5, 0);
    for (int k = 1; k <= 5; ++k) {
        L_wy[I(k)] = NowaEtykieta(s3, Nazwa("L_wy", k).c_str());
        u3->addWidget(L_wy[I(k)], 5, k);
    }
    s_nr = NowaEtykieta(s3, "s_nr", "12");
    s_nr->hide();
    const SiatkiStruktury siatki = NoweSiatkiStruktury(s3, false);
    SG_Stru = siatki.SG_Stru;
    CB_iStruktura = siatki.CB_iStruktura;
    SG_StrukturaDane = siatki.SG_StrukturaDane;
    SG_StrukturaDane->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(SG_Stru, &QTableWidget::itemChanged, this, [this] {
        if (!wypelnianie_)
            StrukturaZmieniona = 1;
    });
    CB_PokazUstawyStruktura =
        NowyPrzelacznik(s3, "CB_PokazUstawyStruktura", "Pokazuj ustawienia/ Wprowadzenie Danych ");
    L_iStruktura = NowaEtykieta(s3, "L_iStruktura", "Ilość pozycji");
    for (QWidget* w : std::initializer_list<QWidget*>{L_iStruktura, CB_iStruktura, SG_StrukturaDane})
        w->hide();
    u3->addWidget(SG_Stru, 0, 6, 5, 1);
    u3->addWidget(CB_PokazUstawyStruktura, 6, 0, 1, 4);
    u3->addWidget(L_iStruktura, 7, 0);
    u3->addWidget(CB_iStruktura, 7, 1);
    u3->addWidget(SG_StrukturaDane, 0, 7, 6, 1);
    connect(CB_PokazUstawyStruktura, &QCheckBox::clicked, this, &TDaneRonda::CB_PokazUstawyStrukturaClick);
    connect(CB_iStruktura, &QComboBox::textActivated, this, &TDaneRonda::CB_iStrukturaChange);
    PC_NatRond->addTab(s3, QString::fromUtf8("Dane o strukturze"));
    connect(PC_NatRond, &QTabWidget::currentChanged, this, &TDaneRonda::PC_NatRondChange);

    // --- title group
    QGroupBox* naglowek = ZbudujGrupeTytulu(
        this, *this, {"dx=", "dy=", "h=", "Lewy", "Centruj", "Prawy", {"0.2", "0.3", "0.5", "0.75", "0.8", "1", "1.2", "1.5"}},
        [this] { Zmieniono = 1; }, [this] { Zmieniono = 1; });
    E_dxOpis->setText("-5");
    E_dyOpis->setText("12");
    CB_HTytul->setCurrentText(NaQString(PoprawSeparator("0.75")));
    RB_lewy->setChecked(true);
    connect(WstawSzablon, &QPushButton::clicked, this, &TDaneRonda::WstawSzablonClick);

    // --- data source and buttons
    RB_DaneNatezenia = NowyWybor(this, "RB_DaneNatezenia", "Natężenia");
    RB_DanePomiar = NowyWybor(this, "RB_DanePomiar", "Pomiar");
    RB_DaneStruktura = NowyWybor(this, "RB_DaneStruktura", "Struktura");
    RB_DaneNatezenia->setChecked(true);
    // One data source at a time, whatever other radio buttons the window holds.
    auto* zrodla = new QButtonGroup(this);
    for (QRadioButton* r : {RB_DaneNatezenia, RB_DanePomiar, RB_DaneStruktura})
        zrodla->addButton(r);
    B_rezygnuj = NowyPrzycisk(this, "B_rezygnuj", "Rezygnuj");
    Wprowadz = NowyPrzycisk(this, "Wprowadz", "Wprowadź");
    QFont gruba = Wprowadz->font();
    gruba.setBold(true);
    Wprowadz->setFont(gruba);
    connect(Wprowadz, &QPushButton::clicked, this, &TDaneRonda::WprowadzClick);
    connect(B_rezygnuj, &QPushButton::clicked, this, &TDaneRonda::B_rezygnujClick);
    auto* dol = new QHBoxLayout;
    for (QRadioButton* r : {RB_DaneNatezenia, RB_DanePomiar, RB_DaneStruktura})
        dol->addWidget(r);
    dol->addStretch();
    dol->addWidget(B_rezygnuj);
    dol->addWidget(Wprowadz);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(naglowek);
    uklad->addWidget(PC_NatRond, 1);
    uklad->addLayout(dol);
}

int TDaneRonda::Rekord() const { return L_NrRonda->text().toInt(); }

void TDaneRonda::showEvent(QShowEvent* e)
{
    FormShow();
    QDialog::showEvent(e);
}

// The forecast is off while none is linked or being added.
bool TDaneRonda::Prognoza() const
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda))
        return false;
    const DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    return r.WlaczPrognoze && (JestIndeksem(r.NrPrognozy, Prognozy) || PrognozaZmieniona);
}

std::array<std::string, 5> TDaneRonda::Oznaczenia() const
{
    std::array<std::string, 5> o{};
    const int n = Rekord();
    if (JestIndeksem(n, Ronda))
        for (std::size_t k = 0; k < 5; ++k)
            o[k] = Ronda[static_cast<std::size_t>(n)].Oznaczenie[k].str();
    return o;
}

// ------------------------------------------------------------ opening

void TDaneRonda::FormShow()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda))
        return;
    wypelnianie_ = true;
    const DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    (r.ZPomiaru ? RB_DanePomiar : r.ZeStruktury ? RB_DaneStruktura : RB_DaneNatezenia)->setChecked(true);
    {
        const QSignalBlocker b(PC_NatRond);
        if (PC_NatRond->currentIndex() != 1)
            PC_NatRond->setCurrentIndex(r.ZPomiaru ? 2 : r.ZeStruktury ? 3 : 0);
    }
    for (int k = 1; k <= 5; ++k) {
        QGroupBox* g = GB_panel[I(k)];
        const double a = r.Kat[I(k)];
        g->move(350 + static_cast<int>(std::trunc(std::cos(a) * 130 * 1.2 - g->width() * 0.5)),
                150 - static_cast<int>(std::trunc(std::sin(a) * 130 - g->height() * 0.5)));
        if (k >= 2)
            g->setVisible(r.Ramie[I(k)] != 0);
        // The typed totals as stored: band flows exist only after a redraw.
        UstawTekstPola(E_NatWlot[I(k)], std::to_string(r.WlotWpisany[I(k)]));
        UstawTekstPola(E_NatWylot[I(k)], std::to_string(r.WylotWpisany[I(k)]));
    }
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j)
            UstawTekstPola(nat[I(i)][I(j)], std::to_string(r.Macierz[I(i)][I(j)]));
    for (int k = 1; k <= 5; ++k)
        for (int c = 1; c <= 4; ++c)
            for (std::size_t s = 0; s < 2; ++s)
                UstawTekstPola(Ep[I(k)][I(c)][s], std::to_string(r.NatezeniaPrzejsc[I(k)][I(c)][s]));

    PokazTytul(*this, {r.Tytul[0].str(), r.Tytul[1].str(), r.Tytul[2].str()}, r.TytulDx, r.TytulDy, r.TytulH,
               r.TytulWyrownanie, "##0.##");
    for (std::size_t k = 0; k < 5; ++k)
        UstawTekstEtykiety(L_Ozn[k], r.Oznaczenie[k].str());
    const bool globalne = !JestIndeksem(r.NrWezla, Wezly) || Wezly[static_cast<std::size_t>(r.NrWezla)].Globalne;
    for (std::size_t c = 0; c < 4; ++c) {
        const std::string nazwa =
            globalne ? wg.NazwyPrzejsc[c].str() : Wezly[static_cast<std::size_t>(r.NrWezla)].NazwyPrzejsc[c].str();
        for (std::size_t k = 0; k < 5; ++k)
            UstawTekstEtykiety(L_POpis[k][c], nazwa);
    }
    Zmieniono = 0;
    PokazUkladWlotow(n, r.LiczbaRamion);
    // The totals of the fields just filled, not of an earlier opening's.
    DaneRondo pokazane = r;
    ZapiszRelacjeRonda(pokazane, Teksty());
    PokazSumyRelacji(pokazane);
    wypelnianie_ = false;

    PrognozaZmieniona = PomiarPrzelaczony = TabelaZmieniona = StrukturaZmieniona = 0;
    PokazStronePomiaru();
    Zmieniono = 0;

    PokazUstawieniaStruktury();
    RysujKafelkiRelacji();
    PokazRelacje();
}

// ------------------------------------------------------------ arms

void TDaneRonda::PokazUkladWlotow(int rekord, int ramion)
{
    for (int k = 3; k <= 5; ++k)
        PokazRamie(k, ramion >= k);
    if (JestIndeksem(rekord, Ronda)) {
        const DaneRondo& r = Ronda[static_cast<std::size_t>(rekord)];
        for (int k = 1; k <= 5; ++k)
            if (k <= 2 || ramion >= k)
                PokazPrzejsciaRamienia(k, r.Przejscie[I(k)] != 0);
    }
    for (int k = 1; k <= 5; ++k)
        PokazProcentyRamienia(k, false);
}

void TDaneRonda::PokazRamie(int k, bool widoczne)
{
    ramieWidoczne_[I(k)] = widoczne;
    for (std::size_t i = 0; i < 5; ++i)
        for (std::size_t j = 0; j < 5; ++j) {
            const bool oba = ramieWidoczne_[i] && ramieWidoczne_[j];
            nat[i][j]->setVisible(oba);
            tile[i][j]->setVisible(oba);
        }
    for (QWidget* w : std::initializer_list<QWidget*>{Wlot[I(k)], wylot[I(k)], RazemWlot[I(k)], RazemWylot[I(k)],
                                                      L_Ozn[I(k)], PanelStruktury[I(k)], L_wy[I(k)]})
        w->setVisible(widoczne);
    PokazPrzejsciaRamienia(k, widoczne);
}

void TDaneRonda::PokazPrzejsciaRamienia(int k, bool widoczne) { PanelPrzejsc[I(k)]->setVisible(widoczne); }

void TDaneRonda::PokazProcentyRamienia(int k, bool widoczne)
{
    const std::size_t a = I(k);
    for (std::size_t x = 0; x < 5; ++x) {
        const bool v = widoczne && ramieWidoczne_[a] && ramieWidoczne_[x];
        for (QLabel* l : {wlp[a][x], wyp[a][x], wlp[x][a], wyp[x][a]})
            l->setVisible(v);
    }
}

// ------------------------------------------------------------ relations and sums

TekstyRonda TDaneRonda::Teksty() const
{
    TekstyRonda t;
    for (std::size_t i = 0; i < 5; ++i) {
        for (std::size_t j = 0; j < 5; ++j)
            t.Relacje[i][j] = TekstPola(nat[i][j]);
        t.Wloty[i] = TekstPola(E_NatWlot[i]);
        t.Wyloty[i] = TekstPola(E_NatWylot[i]);
        for (std::size_t c = 0; c < 4; ++c)
            for (std::size_t s = 0; s < 2; ++s)
                t.Przejscia[i][c][s] = TekstPola(Ep[i][c][s]);
    }
    return t;
}

// A title number that is no number gets its starting text back, so a check
// that passed leaves numbers for the commit.
void TDaneRonda::ZastapZleLiczbyTytulu()
{
    double x = 0.0;
    if (!SprobujTekstNaLiczbe(PoprawSeparator(TekstPola(E_dxOpis)), x))
        E_dxOpis->setText("-5");
    if (!SprobujTekstNaLiczbe(PoprawSeparator(TekstPola(E_dyOpis)), x))
        E_dyOpis->setText("12");
    if (!SprobujTekstNaLiczbe(PoprawSeparator(ZQString(CB_HTytul->currentText())), x))
        CB_HTytul->setCurrentText("1");
}

WynikKontroli TDaneRonda::SprawdzNatezenia()
{
    const WynikKontroli w = SprawdzRelacjeRonda(Teksty());
    if (w.ok)
        ZastapZleLiczbyTytulu();
    return w;
}

WynikKontroli TDaneRonda::SprawdzSumy()
{
    std::array<bool, 5> widoczne{};
    for (std::size_t k = 0; k < 5; ++k)
        widoczne[k] = !GB_panel[k]->isHidden();
    const WynikSum s = SprawdzSumyRonda(Teksty(), widoczne);
    if (s.wloty >= 0) {
        L_WLOTY->setText(QString::number(s.wloty));
        L_WYLOTY->setText(QString::number(s.wyloty));
    }
    if (s.kontrola.ok)
        ZastapZleLiczbyTytulu();
    return s.kontrola;
}

void TDaneRonda::ZapiszNatezenia(int rekord)
{
    if (!JestIndeksem(rekord, Ronda))
        return;
    ZapiszRelacjeRonda(Ronda[static_cast<std::size_t>(rekord)], Teksty());
    Zmieniono = 0;
    ZmienionoProjekt();
}

void TDaneRonda::ZapiszSumy(int rekord)
{
    if (!JestIndeksem(rekord, Ronda))
        return;
    ZapiszSumyRonda(Ronda[static_cast<std::size_t>(rekord)], Teksty(), wg.SkalaPaskow);
    Zmieniono = 0;
    ZmienionoProjekt();
}

// The shares of what the edits hold now, after the commit's own checks; the
// record itself changes only at the commit.
void TDaneRonda::ObliczProcentyClick()
{
    const WynikKontroli w = SprawdzNatezenia();
    if (!w.ok) {
        Dialogi().Informacja(w.komunikat);
        return;
    }
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda))
        return;
    DaneRondo wpisane = Ronda[static_cast<std::size_t>(n)];
    ZapiszRelacjeRonda(wpisane, Teksty());
    for (int k = 1; k <= 5; ++k)
        PokazProcentyRamienia(k, ArmJest(wpisane, k));
    PokazSumyRelacji(wpisane);
    WpiszProcenty(wpisane);
}

void TDaneRonda::PokazSumyRelacji(const DaneRondo& r)
{
    for (std::size_t k = 0; k < 5; ++k) {
        Wlot[k]->setText(QString::number(r.SumaWlotuRel[k]));
        wylot[k]->setText(QString::number(r.SumaWylotuRel[k]));
    }
}

// A row or column without vehicles has no shares: its labels are emptied
// rather than left showing an earlier matrix.
void TDaneRonda::WpiszProcenty(const DaneRondo& r)
{
    auto procent = [](int32_t x, int32_t suma) {
        return suma > 0 ? NaQString(FormatFloat("##0.##", static_cast<double>(x) / suma * 100.0) + "%") : QString();
    };
    for (std::size_t i = 0; i < 5; ++i)
        for (std::size_t j = 0; j < 5; ++j) {
            wlp[i][j]->setText(procent(r.Macierz[i][j], r.SumaWlotuRel[i]));
            wyp[i][j]->setText(procent(r.Macierz[i][j], r.SumaWylotuRel[j]));
        }
}

// ------------------------------------------------------------ commit

// The title, the page shown and the structure grid, before anything is
// stored; the title's numbers into `l`.
WynikKontroli TDaneRonda::SprawdzWprowadzenie(LiczbyTytulu& l)
{
    WynikKontroli w;
    if (!CzytajWartosc(granice::Przesuniecie, l.dx, l.wartoscDx, w.komunikat, "dx tytułu") ||
        !CzytajWartosc(granice::Przesuniecie, l.dy, l.wartoscDy, w.komunikat, "dy tytułu") ||
        !CzytajWartosc(granice::Wymiar, l.h, l.wartoscH, w.komunikat, "wysokość tytułu")) {
        w.ok = false;
        return w;
    }
    if (std::string odmowa = OdmowaPol({Tytul1, Tytul2, Tytul3}, decltype(DaneRondo::Tytul)::value_type::Pojemnosc,
                                       "Tytuł");
        !odmowa.empty())
        return {false, std::move(odmowa)};
    if (PC_NatRond->currentIndex() == 2)
        w = SprawdzWspolczynniki();
    else
        w = PC_DaneRonda->currentIndex() == 1 ? SprawdzSumy() : SprawdzNatezenia();
    return w.ok ? SprawdzStrukture() : w;
}

// An untouched title number keeps the record's own value (the edit shows it rounded).
void TDaneRonda::ZapiszNaglowek(int n, const LiczbyTytulu& l)
{
    DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    const DaneRondo przed = r;
    r.Tytul[0] = TekstPola(Tytul1);
    r.Tytul[1] = TekstPola(Tytul2);
    r.Tytul[2] = TekstPola(Tytul3);
    ZapiszLiczbyTytulu(*this, l, r.TytulDx, r.TytulDy, r.TytulH);
    r.TytulWyrownanie = WyrownanieTytulu(*this, r.TytulWyrownanie);
    if (!(r.Tytul == przed.Tytul) || r.TytulDx != przed.TytulDx || r.TytulDy != przed.TytulDy ||
        r.TytulH != przed.TytulH || r.TytulWyrownanie != przed.TytulWyrownanie)
        ZmienionoProjekt();
}

void TDaneRonda::WprowadzClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda))
        return;
    LiczbyTytulu l = CzytajLiczbyTytulu(*this);
    if (const WynikKontroli w = SprawdzWprowadzenie(l); !w.ok) {
        Dialogi().Informacja(w.komunikat);
        return;
    }
    ZapiszNaglowek(n, l);
    DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    if (!r.GeometriaWprowadzona) {
        r.GeometriaWprowadzona = 1;
        ZmienionoProjekt();
    }
    // The structure grid shown, whatever the page.
    ZapiszRelacje();
    if (PC_NatRond->currentIndex() == 2)
        ZapiszStronePomiaru(n);
    else if (Zmieniono)
        PC_DaneRonda->currentIndex() == 1 ? ZapiszSumy(n) : ZapiszNatezenia(n);
    // The data source: a count only when one is linked.
    const uint8_t zPomiaru = RB_DanePomiar->isChecked() && JestIndeksem(r.NrPomiaru, Pomiary);
    const uint8_t zeStruktury = RB_DaneStruktura->isChecked();
    if (zPomiaru != r.ZPomiaru || zeStruktury != r.ZeStruktury)
        ZmienionoProjekt();
    r.ZPomiaru = zPomiaru;
    r.ZeStruktury = zeStruktury;
    for (DaneRuchoplan& x : Ruchoplany)
        x.Obliczony = 0;
    for (DaneRondo& x : Ronda)
        x.Obliczony = 0;
    PrzerysujArkusz();
    accept();
}

// Nothing more is stored; a change made at once (the forecast removed or
// switched, a count updated) is drawn.
void TDaneRonda::B_rezygnujClick()
{
    const int n = Rekord();
    reject();
    if (JestIndeksem(n, Ronda) && !Ronda[static_cast<std::size_t>(n)].Obliczony)
        PrzerysujArkusz();
}

void TDaneRonda::PC_NatRondChange()
{
    switch (PC_NatRond->currentIndex()) {
    case 0: RB_DaneNatezenia->setChecked(true); break;
    case 2: RB_DanePomiar->setChecked(true); break;
    case 3: RB_DaneStruktura->setChecked(true); break;
    default: break;
    }
}

void TDaneRonda::PC_DaneRondaChange() { Zmieniono = 1; }

void TDaneRonda::WstawSzablonClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda) || !JestIndeksem(Ronda[static_cast<std::size_t>(n)].NrWezla, Wezly))
        return;
    WstawSzablonTytulu(*this, Wezly[static_cast<std::size_t>(Ronda[static_cast<std::size_t>(n)].NrWezla)]);
    Zmieniono = 1;
}
