#include "junction_forms/TNatezeniaRUPL.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "junction_forms/NatezeniaWezla.h"
#include "junction_forms/Pola.h"
#include "junction_forms/SiatkiOkien.h"
#include "junction_forms/StronaPomiaru.h"
#include "junction_forms/Uslugi.h"
#include "model/Granice.h"
#include "model/Potoki.h"
#include "model/Projekt.h"
#include "model/Raporty.h"
#include "model/Rondo.h"
#include "model/Ruchoplan.h"
#include "model/Wezel.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

using namespace pola;

TNatezeniaRUPL* NatezeniaRUPL = nullptr;

namespace {

std::size_t Rel(int i, int j) { return static_cast<std::size_t>(4 * (i - 1) + (j - 1)); }

std::string NazwaNat(int i, int j)
{
    // Two of the edits begin with a capital letter.
    return (i == 1 && j >= 3 ? "Nat" : "nat") + std::to_string(10 * i + j);
}

const char* const LiteryKafelkow[16] = {"Z ", "P ", "W ", "L ", "L ", "Z ", "P ", "W ",
                                        "W ", "L ", "Z ", "P ", "P ", "W ", "L ", "Z "};

bool Liczba(const std::string& t, double& x) { return SprobujTekstNaLiczbe(PoprawSeparator(t), x); }

// The flows the project keeps with the diagram's count, from the project's
// own factors and forecast and the diagram's switch: a switch changed at once
// must not leave the drawn volumes behind it.
void PrzeliczZapisanyPomiar(DaneRuchoplan& r)
{
    if (!JestIndeksem(r.NrPomiaru, Pomiary))
        return;
    DanePomiar& p = Pomiary[static_cast<std::size_t>(r.NrPomiaru)];
    PrzeliczPotoki(p, WspolczynnikiDiagramu(r, &p), PrognozaDiagramu(r), r.WlaczPrognoze);
    for (DaneRuchoplan& x : Ruchoplany)
        x.Obliczony = 0;
    ZmienionoProjekt();
}

}  // namespace

TNatezeniaRUPL::TNatezeniaRUPL(QWidget* rodzic) : QDialog(rodzic), KolorWybranejRelacji(255, 255, 0)
{
    setObjectName("NatezeniaRUPL");
    setWindowTitle(QString::fromUtf8("Edycja wartości natężeń KARTOGRAM"));
    setModal(true);
    L_NrRupl = NowaEtykieta(this, "L_NrRupl", "0");
    L_NrRupl->hide();
    PC_NatRupl = new QTabWidget(this);
    PC_NatRupl->setObjectName("PC_NatRupl");
    // Every page's name in view: the window grows to hold the four tabs.
    PC_NatRupl->setUsesScrollButtons(false);

    // --- page 0: typed volumes
    auto* s1 = new QWidget;
    s1->setObjectName("TabSheet1");
    auto* u1 = new QGridLayout(s1);
    // Exit j's fields take a column of their own, its two shares the two
    // after it: its heading and totals stand centred over that column of
    // fields whether the shares show or not.
    auto kolumna = [](int j) { return 3 * j - 2; };
    u1->addWidget(new QLabel(QString::fromUtf8("z \\ do"), s1), 0, 0);
    for (int j = 1; j <= 4; ++j)
        u1->addWidget(new QLabel(QString::fromUtf8("wylot ") + QString::number(j), s1), 0, kolumna(j),
                      Qt::AlignHCenter);
    for (int i = 1; i <= 4; ++i) {
        u1->addWidget(new QLabel(QString::fromUtf8("wlot ") + QString::number(i), s1), i, 0);
        for (int j = 1; j <= 4; ++j) {
            const std::size_t r = Rel(i, j);
            nat[r] = NowePole(s1, NazwaNat(i, j).c_str(), 55);
            if (i == j)
                nat[r]->setStyleSheet("background-color: rgb(211, 211, 211);");
            wlp[r] = NowaEtykieta(s1, ("wl" + std::to_string(10 * i + j) + "p").c_str());
            wyp[r] = NowaEtykieta(s1, ("wy" + std::to_string(10 * j + i) + "p").c_str());
            wlp[r]->setToolTip(QString::fromUtf8("% natężenia wlotu ") + QString::number(i));
            wyp[r]->setToolTip(QString::fromUtf8("% natężenia wylotu ") + QString::number(j));
            u1->addWidget(nat[r], i, kolumna(j), Qt::AlignHCenter);
            u1->addWidget(wlp[r], i, kolumna(j) + 1);
            u1->addWidget(wyp[r], i, kolumna(j) + 2);
            connect(nat[r], &QLineEdit::textEdited, this, [this] { Zmiana(true); });
        }
        const auto k = static_cast<std::size_t>(i - 1);
        const char* const nazwyWlotow[4] = {"Wlot1", "wlot2", "wlot3", "Wlot4"};
        Razem[2 * k] = NowaEtykieta(s1, Nazwa("L_RazemWlot", i).c_str(), "RAZEM:");
        Wlot[k] = NowaEtykieta(s1, nazwyWlotow[k]);
        Razem[2 * k + 1] = NowaEtykieta(s1, Nazwa("L_RazemWylot", i).c_str(), "RAZEM:");
        wylot[k] = NowaEtykieta(s1, Nazwa("wylot", i).c_str());
        u1->addWidget(Razem[2 * k], i, kolumna(5));
        u1->addWidget(Wlot[k], i, kolumna(5) + 1);
        u1->addWidget(Razem[2 * k + 1], 5, kolumna(i), Qt::AlignHCenter);
        u1->addWidget(wylot[k], 6, kolumna(i), Qt::AlignHCenter);
    }
    Button1 = NowyPrzycisk(s1, "Button1", "Oblicz procenty");
    Button2 = NowyPrzycisk(s1, "Button2", "Przykladowe dane1");
    Button2->hide();
    u1->addWidget(Button1, 7, 0, 1, 2);
    // The two unlabelled numbers beside each volume, named while they show.
    L_OpisProcentow = NowaEtykieta(s1, "L_OpisProcentow", OpisProcentow);
    L_OpisProcentow->hide();
    u1->addWidget(L_OpisProcentow, 7, 2, 1, -1);
    connect(Button1, &QPushButton::clicked, this, &TNatezeniaRUPL::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TNatezeniaRUPL::Button2Click);
    PC_NatRupl->addTab(s1, QString::fromUtf8("Dane o natężeniach"));

    // --- page 1: crossings
    auto* s2 = new QWidget;
    s2->setObjectName("TabSheet2");
    auto* u2 = new QGridLayout(s2);
    const char* const nazwyStrzalek[4] = {"strzalki1", "strzalki2", "Strzalki3", "Strzalki4"};
    for (int k = 1; k <= 4; ++k) {
        const auto a = static_cast<std::size_t>(k - 1);
        auto* g = new QGroupBox(QString::fromUtf8("Ramię ") + QString::number(k), s2);
        auto* ug = new QGridLayout(g);
        strzalki[a] = NowaEtykieta(g, nazwyStrzalek[a]);
        PokazObrazStrzalek(strzalki[a], "strzalki" + std::to_string(k) + ".jpg");
        ug->addWidget(strzalki[a], 0, 1, 1, 2, Qt::AlignCenter);
        for (int c = 1; c <= 4; ++c) {
            const auto ci = static_cast<std::size_t>(c - 1);
            const std::string kc = std::to_string(10 * k + c);
            L_POpis[a][ci] = NowaEtykieta(g, ("L_POpis" + kc).c_str());
            EpL[a][ci] = NowePole(g, ("Ep_" + kc + "L").c_str());
            EpP[a][ci] = NowePole(g, ("Ep_" + kc + "P").c_str());
            ug->addWidget(L_POpis[a][ci], c, 0);
            ug->addWidget(EpL[a][ci], c, 1);
            ug->addWidget(EpP[a][ci], c, 2);
            connect(EpL[a][ci], &QLineEdit::textEdited, this, [this] { Zmiana(false); });
            connect(EpP[a][ci], &QLineEdit::textEdited, this, [this] { Zmiana(false); });
        }
        u2->addWidget(g, static_cast<int>(a / 2), static_cast<int>(a % 2));
    }
    PC_NatRupl->addTab(s2, QString::fromUtf8("Dane na przejściach"));

    // --- page 2: count
    auto* s3 = new QWidget;
    s3->setObjectName("DanePomiar");
    // The picture leaves room right of the east inlet's numbers (drawn from
    // x = 320) for six digits.
    ZbudujStronePomiaru(s3, *this, {"Dodaj prognozę", "Pokaż natężenia", "Pokaż prognozę", SzerokoscSumWlotow, 200});
    PolaczStronePomiaru(this);
    connect(SG_Tabela, &QTableWidget::itemChanged, this, [this] {
        if (!wypelnianie_)
            TabelaZmieniona = 1;
    });
    PC_NatRupl->addTab(s3, QString::fromUtf8("Dane z pomiarów"));
    // Without a count its controls keep their room, so that the window
    // opens wide enough for the page with one.
    for (QWidget* w : std::initializer_list<QWidget*>{SG_Tabela, CB_AutoAktualizacja, GB_Wyniki, B_Prognoza,
                                                      B_UsunPrognoze, B_PokazNatezenia, B_PokazPomiar, B_WstawOpisy,
                                                      B_PokazPrognoze, B_PokazWspolczynniki, CB_WlaczPrognoze}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }

    // --- page 3: vehicle structure
    auto* s4 = new QWidget;
    s4->setObjectName("DaneStruktura");
    auto* u4 = new QGridLayout(s4);
    // The tiles round the junction: each arm's inlet row on its side.
    const int miejsca[16][2] = {{5, 2}, {5, 3}, {5, 4}, {5, 1},  // arm 1 south, bottom
                                {2, 6}, {3, 6}, {4, 6}, {1, 6},  // arm 2 east, right
                                {0, 4}, {0, 3}, {0, 2}, {0, 5},  // arm 3 north, top
                                {4, 0}, {3, 0}, {2, 0}, {5, 0}}; // arm 4 west, left
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j) {
            const std::size_t r = Rel(i, j);
            const int nr = 10 * i + j;
            tile[r] = NowyPrzycisk(s4, ("i" + std::to_string(nr)).c_str(), "");
            tile[r]->setFixedSize(60, 36);
            u4->addWidget(tile[r], miejsca[r][0], miejsca[r][1]);
            connect(tile[r], &QPushButton::clicked, this, [this, nr] { iClick(nr); });
        }
    s_nr = NowaEtykieta(s4, "s_nr", "14");
    s_nr->hide();
    const SiatkiStruktury siatki = NoweSiatkiStruktury(s4, true);
    SG_Stru = siatki.SG_Stru;
    CB_iStruktura = siatki.CB_iStruktura;
    SG_StrukturaDane = siatki.SG_StrukturaDane;
    connect(SG_Stru, &QTableWidget::itemChanged, this, [this] {
        if (!wypelnianie_)
            Zmieniono = 1;
    });
    CB_PokazUstawyStruktura = NowyPrzelacznik(s4, "CB_PokazUstawyStruktura", "Pokazuj ustawienia/ Wprowadzanie danych");
    L_iStruktura = NowaEtykieta(s4, "L_iStruktura", "Ilość pozycji");
    for (QWidget* w : std::initializer_list<QWidget*>{L_iStruktura, CB_iStruktura, SG_StrukturaDane})
        w->hide();
    u4->addWidget(SG_Stru, 1, 1, 4, 4);
    u4->addWidget(CB_PokazUstawyStruktura, 6, 0, 1, 5);
    u4->addWidget(L_iStruktura, 7, 0, 1, 2);
    u4->addWidget(CB_iStruktura, 7, 2);
    u4->addWidget(SG_StrukturaDane, 8, 0, 1, 7);
    connect(CB_PokazUstawyStruktura, &QCheckBox::clicked, this, &TNatezeniaRUPL::CB_PokazUstawyStrukturaClick);
    connect(CB_iStruktura, &QComboBox::textActivated, this, &TNatezeniaRUPL::CB_iStrukturaChange);
    connect(SG_StrukturaDane, &QTableWidget::itemChanged, this, [this] {
        if (!wypelnianie_)
            SG_StrukturaDaneExit();
    });
    PC_NatRupl->addTab(s4, QString::fromUtf8("Dane o strukturze"));
    connect(PC_NatRupl, &QTabWidget::currentChanged, this, &TNatezeniaRUPL::PC_NatRuplChange);

    // --- source, title and buttons
    RB_DaneNatezenia = NowyWybor(this, "RB_DaneNatezenia", "Natężenia");
    RB_DanePomiar = NowyWybor(this, "RB_DanePomiar", "Pomiar");
    RB_DaneStruktura = NowyWybor(this, "RB_DaneStruktura", "Struktura");
    for (QRadioButton* r : {RB_DaneNatezenia, RB_DanePomiar, RB_DaneStruktura})
        connect(r, &QRadioButton::clicked, this, [this] { Zmieniono = 1; });
    QGroupBox* naglowek =
        ZbudujGrupeTytulu(this, *this, {"dx", "dy", "h", "lewy", "centrum", "prawy", {"0.5", "0.8", "1.0", "1.2", "1.5", "2.0"}},
                          [this] { Zmiana(true); }, [this] { Zmieniono = 1; });
    connect(WstawSzablon, &QPushButton::clicked, this, &TNatezeniaRUPL::WstawSzablonClick);
    BWprowadz = NowyPrzycisk(this, "BWprowadz", "Wprowadź");
    BPowrot = NowyPrzycisk(this, "BPowrot", "Rezygnuj");
    connect(BWprowadz, &QPushButton::clicked, this, &TNatezeniaRUPL::BWprowadzClick);
    connect(BPowrot, &QPushButton::clicked, this, &TNatezeniaRUPL::BPowrotClick);

    auto* zrodlo = new QHBoxLayout;
    for (QWidget* x : std::initializer_list<QWidget*>{RB_DaneNatezenia, RB_DanePomiar, RB_DaneStruktura})
        zrodlo->addWidget(x);
    zrodlo->addStretch();
    zrodlo->addWidget(BWprowadz);
    zrodlo->addWidget(BPowrot);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(PC_NatRupl);
    uklad->addWidget(naglowek);
    uklad->addLayout(zrodlo);
}

int TNatezeniaRUPL::Rekord() const { return L_NrRupl->text().toInt(); }

void TNatezeniaRUPL::showEvent(QShowEvent* e)
{
    FormShow();
    QDialog::showEvent(e);
}

void TNatezeniaRUPL::Zmiana(bool ukryjProcenty)
{
    Zmieniono = 1;
    if (ukryjProcenty)
        PokazProcenty(false);
}

// ------------------------------------------------------------ show and store

void TNatezeniaRUPL::FormShow()
{
    Zmieniono = 0;
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return;
    wypelnianie_ = true;
    const QSignalBlocker blokada(PC_NatRupl);
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    QRadioButton* zrodlo = r.ZPomiaru ? RB_DanePomiar : r.ZeStruktury ? RB_DaneStruktura : RB_DaneNatezenia;
    zrodlo->setChecked(true);
    if (PC_NatRupl->currentIndex() != 1)
        PC_NatRupl->setCurrentIndex(r.ZPomiaru ? 2 : r.ZeStruktury ? 3 : 0);
    PokazUkladWlotow();
    for (int k = 1; k <= 4; ++k)
        if (!r.Ramie[static_cast<std::size_t>(k - 1)])
            UkryjRamie(k);

    PokazTytul(*this, {r.Tytul[0].str(), r.Tytul[1].str(), r.Tytul[2].str()}, r.TytulDx, r.TytulDy, r.TytulWysokosc,
               r.TytulWyrownanie, "##0.0");
    for (std::size_t i = 0; i < 16; ++i)
        UstawTekstPola(nat[i], FormatFloat("#####0", r.Natezenia[i]));

    // Structure page.
    WypelnijUstawieniaStruktury();
    RysujKafelki();
    PokazRelacje();

    for (std::size_t k = 0; k < 4; ++k) {
        UstawTekstEtykiety(wylot[k], FormatFloat("####0", r.SumaWylotu[k]));
        UstawTekstEtykiety(Wlot[k], FormatFloat("####0", r.SumaWlotu[k]));
        for (std::size_t c = 0; c < 4; ++c) {
            UstawTekstPola(EpL[k][c], std::to_string(r.Przejscia[k].L[c]));
            UstawTekstPola(EpP[k][c], std::to_string(r.Przejscia[k].P[c]));
        }
    }
    const bool globalne = !JestIndeksem(r.NrWezla, Wezly) || Wezly[static_cast<std::size_t>(r.NrWezla)].Globalne;
    for (std::size_t c = 0; c < 4; ++c) {
        const std::string nazwa =
            globalne ? wg.NazwyPrzejsc[c].str() : Wezly[static_cast<std::size_t>(r.NrWezla)].NazwyPrzejsc[c].str();
        for (std::size_t k = 0; k < 4; ++k)
            UstawTekstEtykiety(L_POpis[k][c], nazwa);
    }
    PokazProcenty(false);

    // Count page: the grid, the count copy with its auto-update, the forecast
    // copy and the factors.
    const bool pomiar = JestIndeksem(r.NrPomiaru, Pomiary);
    if (!pomiar) {
        WyczyscStronePomiaru(*this);
        UstawWidocznoscPomiaru(false);
        B_PokazPrognoze->hide();
        B_PokazWspolczynniki->hide();
        CB_WlaczPrognoze->hide();
    } else {
        OtworzKopiePomiaru(*this, r);
        PokazOpisPomiaru();
        UstawWidocznoscPomiaru(true);
        B_PokazPrognoze->show();
        B_PokazWspolczynniki->show();
        CB_WlaczPrognoze->show();
    }
    CB_WlaczPrognoze->setChecked(r.WlaczPrognoze);
    CB_AutoAktualizacja->setChecked(r.AutoAktualizacja);
    const bool prognoza = PokazPrognozeDiagramu(*this, r);
    B_PokazPrognoze->setEnabled(prognoza);
    if (prognoza && pomiar)
        CB_WlaczPrognoze->show();
    KopiaWspolczynnikow = WspolczynnikiDiagramu(r, pomiar ? &KopiaPomiaru : nullptr);
    PokazKopieWspolczynnikow(*this);
    wypelnianie_ = false;
    PrognozaZmieniona = PomiarPrzelaczony = TabelaZmieniona = 0;
    PrzeliczPomiar();
}

void TNatezeniaRUPL::UstawWidocznoscPomiaru(bool widoczne)
{
    for (QWidget* w : std::initializer_list<QWidget*>{SG_Tabela, CB_AutoAktualizacja, GB_Wyniki, B_Prognoza,
                                                      B_UsunPrognoze, B_PokazNatezenia, B_PokazPomiar, B_WstawOpisy})
        w->setVisible(widoczne);
}

void TNatezeniaRUPL::PokazOpisPomiaru()
{
    ::PokazOpisPomiaru(*this);
    PokazKlasyPomiaru(SG_Tabela, KopiaPomiaru);
}

void TNatezeniaRUPL::PokazUkladWlotow()
{
    const int n = Rekord();
    for (std::size_t i = 0; i < 16; ++i) {
        nat[i]->show();
        tile[i]->show();
    }
    for (QLabel* l : Wlot)
        l->show();
    for (QLabel* l : wylot)
        l->show();
    for (QLabel* l : Razem)
        l->show();
    for (std::size_t k = 0; k < 4; ++k) {
        const bool widoczne = JestIndeksem(n, Ruchoplany) && Ruchoplany[static_cast<std::size_t>(n)].Ramie[k] &&
                              Ruchoplany[static_cast<std::size_t>(n)].Przejscie[k];
        for (std::size_t c = 0; c < 4; ++c) {
            EpL[k][c]->setVisible(widoczne);
            EpP[k][c]->setVisible(widoczne);
            L_POpis[k][c]->setVisible(widoczne);
        }
        strzalki[k]->setVisible(widoczne);
    }
}

void TNatezeniaRUPL::UkryjRamie(int k)
{
    for (int x = 1; x <= 4; ++x) {
        for (std::size_t r : {Rel(k, x), Rel(x, k)}) {
            nat[r]->hide();
            wlp[r]->hide();
            tile[r]->hide();
        }
        wyp[Rel(x, k)]->hide();
    }
    const auto i = static_cast<std::size_t>(k - 1);
    Wlot[i]->hide();
    wylot[i]->hide();
    Razem[2 * i]->hide();
    Razem[2 * i + 1]->hide();
}

void TNatezeniaRUPL::PokazProcenty(bool widoczne)
{
    L_OpisProcentow->setVisible(widoczne);
    for (std::size_t i = 0; i < 16; ++i) {
        wlp[i]->setVisible(widoczne);
        wyp[i]->setVisible(widoczne);
    }
}

void TNatezeniaRUPL::DopasujProcenty()
{
    L_OpisProcentow->show();
    for (std::size_t i = 0; i < 16; ++i) {
        wlp[i]->setVisible(!nat[i]->isHidden());
        wyp[i]->setVisible(!nat[i]->isHidden());
    }
}

void TNatezeniaRUPL::TekstyNatezen(TTekstyRelacji& relacje, TekstyPrzejsc& przejscia) const
{
    for (std::size_t i = 0; i < 16; ++i)
        relacje[i] = TekstPola(nat[i]);
    for (std::size_t k = 0; k < 4; ++k)
        for (std::size_t c = 0; c < 4; ++c) {
            przejscia.L[k][c] = TekstPola(EpL[k][c]);
            przejscia.P[k][c] = TekstPola(EpP[k][c]);
        }
}

WynikKontroli TNatezeniaRUPL::SprawdzNatezeniaOkna()
{
    TTekstyRelacji relacje;
    TekstyPrzejsc przejscia;
    TekstyNatezen(relacje, przejscia);
    return SprawdzNatezenia(relacje, przejscia);
}

void TNatezeniaRUPL::ZapiszNatezeniaOkna(int rekord)
{
    if (!JestIndeksem(rekord, Ruchoplany))
        return;
    TTekstyRelacji relacje;
    TekstyPrzejsc przejscia;
    TekstyNatezen(relacje, przejscia);
    ZapiszNatezenia(Ruchoplany[static_cast<std::size_t>(rekord)], relacje, przejscia);
}

void TNatezeniaRUPL::BWprowadzClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return;
    // The title and the page shown are checked before anything is stored.
    SprawdzanieWartosci s;
    LiczbyTytulu l = CzytajLiczbyTytulu(*this);
    l.wartoscDx = s.Wartosc(granice::Polozenie, l.dx, "Przesunięcie tytułu dx", 0.0);
    l.wartoscDy = s.Wartosc(granice::Polozenie, l.dy, "Przesunięcie tytułu dy", 0.0);
    l.wartoscH = s.Wartosc(granice::Wymiar, l.h, "Wysokość tytułu", 0.0);
    for (const QLineEdit* t : {Tytul1, Tytul2, Tytul3})
        s.Tekst(TekstZPola(t), decltype(DaneRuchoplan::Tytul)::value_type::Pojemnosc, "Tytuł");
    WynikKontroli strona;
    switch (PC_NatRupl->currentIndex()) {
    case 2: strona = SprawdzWspolczynniki(); break;
    case 3: strona = SprawdzRelacje(); break;
    default: strona = SprawdzNatezeniaOkna(); break;
    }
    if (!s.Dobre() || !strona.ok) {
        Dialogi().Informacja(!s.Dobre() ? s.Komunikat() : strona.komunikat);
        return;
    }
    DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    r.Tytul[0] = TekstPola(Tytul1);
    r.Tytul[1] = TekstPola(Tytul2);
    r.Tytul[2] = TekstPola(Tytul3);
    ZapiszLiczbyTytulu(*this, l, r.TytulDx, r.TytulDy, r.TytulWysokosc);
    r.TytulWyrownanie = WyrownanieTytulu(*this, r.TytulWyrownanie);
    r.ZeStruktury = RB_DaneStruktura->isChecked();
    bool ok = true;
    switch (PC_NatRupl->currentIndex()) {
    case 2:
        ok = ZapiszStronePomiaru(n);
        break;
    case 3:
        ok = ZapiszRelacje();
        for (DaneRuchoplan& x : Ruchoplany)
            x.Obliczony = 0;
        break;
    default:
        if (Zmieniono)
            ZapiszNatezeniaOkna(n);
        break;
    }
    // Volumes come from a count only when one is linked.
    Ruchoplany[static_cast<std::size_t>(n)].ZPomiaru =
        RB_DanePomiar->isChecked() && JestIndeksem(Ruchoplany[static_cast<std::size_t>(n)].NrPomiaru, Pomiary);
    if (Zmieniono) {
        ZmienionoProjekt();
        Ruchoplany[static_cast<std::size_t>(n)].GeometriaWprowadzona = 1;
        for (DaneRuchoplan& x : Ruchoplany)
            x.Obliczony = 0;
        for (DaneRondo& x : Ronda)
            x.Obliczony = 0;
    }
    PrzerysujArkusz();
    if (ok)
        accept();
}

void TNatezeniaRUPL::BPowrotClick() { reject(); }

void TNatezeniaRUPL::PC_NatRuplChange()
{
    Zmieniono = 1;
    switch (PC_NatRupl->currentIndex()) {
    case 0: RB_DaneNatezenia->setChecked(true); break;
    case 2: RB_DanePomiar->setChecked(true); break;
    case 3: RB_DaneStruktura->setChecked(true); break;
    default: break;
    }
}

void TNatezeniaRUPL::Button1Click()
{
    const WynikKontroli w = SprawdzNatezeniaOkna();
    if (!w.ok) {
        Dialogi().Informacja(w.komunikat);
        return;
    }
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return;
    DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    std::array<int64_t, 16> x{};
    for (std::size_t i = 0; i < 16; ++i)
        x[i] = TekstNaCalkowita(TekstPola(nat[i]), 0, INT32_MIN, INT32_MAX);
    for (int k = 1; k <= 4; ++k) {
        const auto a = static_cast<std::size_t>(k - 1);
        if (!r.Ramie[a])
            continue;
        int64_t wl = 0, wy = 0;
        for (int j = 1; j <= 4; ++j) {
            wl += x[Rel(k, j)];
            wy += x[Rel(j, k)];
        }
        r.SumaWlotu[a] = static_cast<int32_t>(wl);
        r.SumaWylotu[a] = static_cast<int32_t>(wy);
        for (int j = 1; j <= 4; ++j) {
            UstawTekstEtykiety(wlp[Rel(k, j)], Udzial(x[Rel(k, j)], wl));
            UstawTekstEtykiety(wyp[Rel(j, k)], Udzial(x[Rel(j, k)], wy));
        }
    }
    DopasujProcenty();
    for (std::size_t k = 0; k < 4; ++k) {
        UstawTekstEtykiety(Wlot[k], FormatFloat("##0.0", r.SumaWlotu[k]));
        UstawTekstEtykiety(wylot[k], FormatFloat("##0.0", r.SumaWylotu[k]));
    }
}

void TNatezeniaRUPL::Button2Click()
{
    const std::pair<int, const char*> dane[] = {{12, "23"}, {21, "23"}, {43, "23"}, {13, "12"}, {23, "12"},
                                                {14, "34"}, {24, "34"}, {31, "34"}, {34, "34"}, {32, "13"},
                                                {41, "44"}, {42, "32"}, {11, "1"},  {22, "2"},  {33, "3"},
                                                {44, "4"}};
    for (const auto& [nr, t] : dane)
        nat[Rel(nr / 10, nr % 10)]->setText(t);
    Zmieniono = 1;
}

void TNatezeniaRUPL::WstawSzablonClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany) || !JestIndeksem(Ruchoplany[static_cast<std::size_t>(n)].NrWezla, Wezly))
        return;
    WstawSzablonTytulu(*this, Wezly[static_cast<std::size_t>(Ruchoplany[static_cast<std::size_t>(n)].NrWezla)]);
    Zmieniono = 1;
}

// ------------------------------------------------------------ count page

WynikKontroli TNatezeniaRUPL::SprawdzWspolczynniki() { return SprawdzSiatkeWspolczynnikow(SG_Tabela); }

void TNatezeniaRUPL::CzytajWspolczynniki() { CzytajSiatkeWspolczynnikow(SG_Tabela, KopiaWspolczynnikow); }

void TNatezeniaRUPL::PrzeliczPomiar()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return;
    const WynikKontroli w = SprawdzWspolczynniki();
    if (!w.ok) {
        Dialogi().Informacja(w.komunikat);
        return;
    }
    CzytajWspolczynniki();
    PrzeliczPotoki(KopiaPomiaru, KopiaWspolczynnikow, KopiaPrognozy, Ruchoplany[static_cast<std::size_t>(n)].WlaczPrognoze);
    RysujSumyWlotow();
}

std::array<std::string, 4> TNatezeniaRUPL::OznaczeniaRamion() const
{
    std::array<std::string, 4> o{};
    const int n = Rekord();
    if (JestIndeksem(n, Ruchoplany))
        for (std::size_t k = 0; k < 4; ++k)
            o[k] = Ruchoplany[static_cast<std::size_t>(n)].Oznaczenie[k].str();
    return o;
}

void TNatezeniaRUPL::RysujSumyWlotow()
{
    QPixmap obraz(IOpisyWloty->size());
    obraz.fill(palette().color(QPalette::Button));
    QPainter p(&obraz);
    p.setPen(Qt::black);
    // The positions are laid out for an 11-pixel font, the step between
    // lines being the font's height and 2 pixels: a taller system font would
    // move the arm letters into the numbers.
    QFont czcionka = p.font();
    czcionka.setPixelSize(WysokoscCzcionkiSumWlotow);
    p.setFont(czcionka);
    const int h = WysokoscCzcionkiSumWlotow + 2;
    const auto o = OznaczeniaRamion();
    const DanePomiar& m = KopiaPomiaru;
    auto tekst = [&](int x, int y, const std::string& t) { p.drawText(x, y + p.fontMetrics().ascent(), NaQString(t)); };
    auto linia = [&](int wylot, bool zawrotka) {
        return zawrotka ? m.RysujZawrotki != 0 : m.WlotJest[static_cast<std::size_t>(wylot - 1)] != 0;
    };
    auto potok = [&](int i, int j) {
        return std::to_string(m.NatezeniaNaRelacjach[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)]);
    };
    struct Ruch {
        const char* litera;
        int wylot;
    };
    // Inlets 1 (east) and 3 (west) list their turns down a column, 2 (north)
    // and 4 (south) along a row.
    const Ruch ruchy[4][4] = {{{"P", 2}, {"W", 3}, {"L", 4}, {"Z", 1}},
                              {{"P", 3}, {"W", 4}, {"L", 1}, {"Z", 2}},
                              {{"L", 2}, {"W", 1}, {"P", 4}, {"Z", 3}},
                              {{"L", 3}, {"W", 2}, {"P", 1}, {"Z", 4}}};
    for (int i = 1; i <= 4; ++i) {
        if (!m.WlotJest[static_cast<std::size_t>(i - 1)])
            continue;
        switch (i) {
        case 1: tekst(250, 2 * h + 50, o[1]); break;
        case 2: tekst(130, 2 * h + 20, o[2]); break;
        case 3: tekst(120, 2 * h + 70, o[3]); break;
        default: tekst(190, 150 - 3 * h, o[0]); break;
        }
        for (int s = 0; s < 4; ++s) {
            const Ruch& r = ruchy[i - 1][s];
            if (!linia(r.wylot, r.litera[0] == 'Z'))
                continue;
            switch (i) {
            case 1: tekst(280, 50 + s * h, r.litera); tekst(320, 50 + s * h, potok(i, r.wylot)); break;
            case 3: tekst(10, 70 + s * h, r.litera); tekst(50, 70 + s * h, potok(i, r.wylot)); break;
            case 2: tekst(60 + 50 * s, 8, r.litera); tekst(60 + 50 * s, 20, potok(i, r.wylot)); break;
            default: tekst(120 + 50 * s, 138, r.litera); tekst(120 + 50 * s, 150, potok(i, r.wylot)); break;
            }
        }
    }
    p.end();
    IOpisyWloty->setPixmap(obraz);
}

void TNatezeniaRUPL::W_WczytajPomiarClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany) || !Uslugi().WybierzPomiar)
        return;
    if (!WczytajPomiarStrony(*this, false))
        return;
    UstawWidocznoscPomiaru(true);
    PomiarPrzelaczony = 1;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    CB_WlaczPrognoze->setChecked(r.WlaczPrognoze);
    CB_AutoAktualizacja->setChecked(r.AutoAktualizacja);
    PrzeliczPomiar();
    Zmieniono = 1;
}

void TNatezeniaRUPL::B_PrognozaClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany) || !Uslugi().EdytujPrognoze)
        return;
    const auto o = OznaczeniaRamion();
    const WynikPrognozy w = Uslugi().EdytujPrognoze(KopiaPrognozy, KopiaPomiaru, {o[0], o[1], o[2], o[3], ""}, 'J');
    if (!PrzyjmijPrognoze(*this, w))
        return;
    Ruchoplany[static_cast<std::size_t>(n)].WlaczPrognoze = 1;
    PrzeliczZapisanyPomiar(Ruchoplany[static_cast<std::size_t>(n)]);
    PrzeliczPomiar();
    Zmieniono = 1;
}

void TNatezeniaRUPL::B_UsunPrognozeClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany) || !ZapytajTakNie(QString::fromUtf8("Usunąć opis prognozy z ruchoplanu?")))
        return;
    DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    UsunPrognozeDiagramu(*this, r);
    PrzeliczZapisanyPomiar(r);
    Zmieniono = 1;
}

void TNatezeniaRUPL::B_WstawOpisyClick()
{
    if (WstawOpisyPomiaru(*this, Tytul1, Tytul2, Tytul3))
        Zmieniono = 1;
}

void TNatezeniaRUPL::CB_WlaczPrognozeMouseUp()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return;
    Ruchoplany[static_cast<std::size_t>(n)].WlaczPrognoze = CB_WlaczPrognoze->isChecked();
    PrzeliczZapisanyPomiar(Ruchoplany[static_cast<std::size_t>(n)]);
    ZmienionoProjekt();
    Zmieniono = 1;
    PomiarPrzelaczony = 1;
    PrzeliczPomiar();
}

void TNatezeniaRUPL::CB_AutoAktualizacjaMouseUp()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return;
    Ruchoplany[static_cast<std::size_t>(n)].AutoAktualizacja = CB_AutoAktualizacja->isChecked();
    ZmienionoProjekt();
    Zmieniono = 1;
}

bool TNatezeniaRUPL::ZapiszStronePomiaru(int n)
{
    const WynikKontroli w = SprawdzWspolczynniki();
    if (!w.ok) {
        Dialogi().Informacja(w.komunikat);
        return false;
    }
    DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    if (PrognozaZmieniona) {
        ZapiszPrognozeDiagramu(r, KopiaPrognozy);
        Zmieniono = 1;
    }
    if (TabelaZmieniona || PomiarPrzelaczony) {
        CzytajWspolczynniki();
        PrzeliczPotoki(KopiaPomiaru, KopiaWspolczynnikow, KopiaPrognozy, r.WlaczPrognoze);
        ZapiszPomiarDiagramu(r, KopiaPomiaru, KopiaWspolczynnikow);
        Zmieniono = 1;
    }
    return true;
}

// ------------------------------------------------------------ reports

void TNatezeniaRUPL::B_PokazNatezeniaClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany) || !SprawdzWspolczynniki().ok) {
        PrzeliczPomiar();  // shows the factor's message
        return;
    }
    PrzeliczPomiar();
    PokazRaportOkna(RaportNatezen(KopiaPomiaru, KopiaWspolczynnikow, KopiaPrognozy,
                                    Ruchoplany[static_cast<std::size_t>(n)].WlaczPrognoze, OznaczeniaRamion()));
}

void TNatezeniaRUPL::B_PokazPomiarClick() { PokazRaportOkna(RaportPomiaru(KopiaPomiaru, OznaczeniaRamion())); }

void TNatezeniaRUPL::B_PokazPrognozeClick()
{
    PokazRaportOkna(RaportPrognozy(KopiaPomiaru, KopiaPrognozy, OznaczeniaRamion()));
}

void TNatezeniaRUPL::B_PokazWspolczynnikiClick()
{
    PokazRaportOkna(RaportWspolczynnikow(KopiaPomiaru, KopiaWspolczynnikow));
}

// ------------------------------------------------------------ structure page

void TNatezeniaRUPL::WypelnijUstawieniaStruktury()
{
    PokazSkladStruktury({SG_Stru, SG_StrukturaDane, CB_iStruktura}, true);
}

void TNatezeniaRUPL::RysujKafelki()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ruchoplany))
        return;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    const int wybrana = IndeksRelacji(ZQString(s_nr->text()));
    for (std::size_t i = 0; i < 16; ++i) {
        tile[i]->setText(QString::fromUtf8(LiteryKafelkow[i]) + QString::number(r.NatezeniaStruktura[i][0]));
        const QColor k = static_cast<int>(i) == wybrana ? KolorWybranejRelacji : QColor(160, 160, 160);
        tile[i]->setStyleSheet(QString("background-color: %1;").arg(k.name()));
    }
}

void TNatezeniaRUPL::PokazRelacje()
{
    const int n = Rekord();
    const int rel = IndeksRelacji(ZQString(s_nr->text()));
    if (!JestIndeksem(n, Ruchoplany) || rel < 0)
        return;
    PokazBlokStruktury(SG_Stru, Ruchoplany[static_cast<std::size_t>(n)].NatezeniaStruktura[static_cast<std::size_t>(rel)]);
    RysujKafelki();
    SG_Stru->setVisible(!tile[static_cast<std::size_t>(rel)]->isHidden() && !CB_PokazUstawyStruktura->isChecked());
}

WynikKontroli TNatezeniaRUPL::SprawdzRelacje() const
{
    const std::string nr = ZQString(s_nr->text());
    return IndeksRelacji(nr) < 0 ? WynikKontroli{} : SprawdzBlokStruktury(SG_Stru, nr);
}

bool TNatezeniaRUPL::ZapiszRelacje()
{
    const int n = Rekord();
    const std::string nr = ZQString(s_nr->text());
    const int rel = IndeksRelacji(nr);
    if (!JestIndeksem(n, Ruchoplany) || rel < 0)
        return true;
    if (const WynikKontroli w = SprawdzRelacje(); !w.ok) {
        Dialogi().Informacja(w.komunikat);
        return false;
    }
    std::vector<std::string> szt;
    for (int r = 1; r <= SG_Stru->rowCount(); ++r)
        szt.push_back(Komorka(SG_Stru, r - 1, 1));
    DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(n)];
    r.Obliczony = 0;
    PrzeliczBlokStruktury(r.NatezeniaStruktura[static_cast<std::size_t>(rel)], szt);
    return true;
}

void TNatezeniaRUPL::iClick(int relacja)
{
    if (!ZapiszRelacje())
        return;
    s_nr->setText(QString::number(relacja));
    RysujKafelki();
    PokazRelacje();
}

void TNatezeniaRUPL::CB_PokazUstawyStrukturaClick()
{
    const bool ustawienia = CB_PokazUstawyStruktura->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{L_iStruktura, CB_iStruktura, SG_StrukturaDane})
        w->setVisible(ustawienia);
    if (ustawienia)
        SG_Stru->hide();
    else
        PokazRelacje();
}

void TNatezeniaRUPL::CB_iStrukturaChange()
{
    int64_t x = 0;
    if (!SprobujTekstNaCalkowita(ZQString(CB_iStruktura->currentText()), x)) {
        Dialogi().Informacja(Utf8NaCp1250("Nieprawidłowa ilość pozycji!"));
        const QSignalBlocker b(CB_iStruktura);
        CB_iStruktura->setCurrentText(QString::number(LiczbaSkladow));
        return;
    }
    const int32_t n = static_cast<int32_t>(std::clamp<int64_t>(x, 1, 10));
    if (n != LiczbaSkladow) {
        LiczbaSkladow = n;
        ZmienionoProjekt();
        for (DaneRuchoplan& r : Ruchoplany)
            r.Obliczony = 0;
    }
    WypelnijUstawieniaStruktury();
    PokazRelacje();
}

void TNatezeniaRUPL::SG_StrukturaDaneExit()
{
    const int n = SG_StrukturaDane->rowCount();
    std::vector<double> wsp(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r)
        if (!Liczba(Komorka(SG_StrukturaDane, r - 1, 3), wsp[static_cast<std::size_t>(r - 1)]) ||
            !granice::Wspolczynnik.Miesci(wsp[static_cast<std::size_t>(r - 1)])) {
            Dialogi().Informacja(Utf8NaCp1250("Nieprawidłowy współczynnik typu ") + std::to_string(r) + "!");
            return;
        }
    // A name or code with a character the file cannot hold is refused.
    for (int r = 1; r <= n; ++r)
        for (const auto& [kolumna, nazwa] : {std::pair{1, "Skrót typu pojazdu"}, std::pair{2, "Nazwa typu pojazdu"}})
            if (const TekstZOkna t = KomorkaZOkna(SG_StrukturaDane, r - 1, kolumna); !t.wierny) {
                Dialogi().Informacja(KomunikatZnakow(t, nazwa));
                return;
            }
    bool zmiana = false;
    for (int r = 1; r <= n; ++r) {
        DaneSklad s = Sklad[static_cast<std::size_t>(r)];
        s.Oznaczenie = Komorka(SG_StrukturaDane, r - 1, 1).substr(0, 2);
        s.Nazwa = Komorka(SG_StrukturaDane, r - 1, 2).substr(0, 50);
        s.Wspolczynnik = static_cast<float>(JakWPliku(wsp[static_cast<std::size_t>(r - 1)], maski::Wspolczynnik));
        zmiana = zmiana || !(s == Sklad[static_cast<std::size_t>(r)]);
        Sklad[static_cast<std::size_t>(r)] = s;
    }
    if (zmiana) {
        // The table is the project's: the change holds whatever the window's end.
        ZmienionoProjekt();
        for (DaneRuchoplan& r : Ruchoplany)
            r.Obliczony = 0;
    }
    wypelnianie_ = true;
    for (int r = 1; r <= n; ++r)
        UstawKomorke(SG_Stru, r - 1, 0, Sklad[static_cast<std::size_t>(r)].Oznaczenie.str(), true);
    wypelnianie_ = false;
}
