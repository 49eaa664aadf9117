#include "junction_forms/TUstawSuwak.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "base/Teksty.h"
#include "junction_forms/Pola.h"
#include "junction_forms/TGeometriaRuchoplan.h"
#include "model/Projekt.h"
#include "model/Ruchoplan.h"

using namespace pola;

TUstawSuwak* UstawSuwak = nullptr;

namespace {

struct OpisSuwaka {
    const char* nazwa;
    const char* podpis;
    const char* etykieta;
    int min, max, start;
};
// In tenths of a cm; the length starts at the 2 cm the geometry's check asks.
const OpisSuwaka Suwaki[6] = {{"SB_Od", "Ods.=", "L_od", 3, 50, 5},     {"SB_L", "L.   = ", "L_L", 20, 150, 60},
                              {"SB_dL", "Lp.  = ", "L_Lp", 1, 140, 20},  {"SB_RP", "Rp. = ", "L_Rp", 5, 60, 20},
                              {"SB_Rl", "Rl.. = ", "L_Rl", 10, 90, 40},  {"SB_ZW", "Zw. = ", "L_zw", 10, 150, 35}};

}  // namespace

TUstawSuwak::TUstawSuwak(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("UstawSuwak");
    setWindowTitle(QStringLiteral("Suwaki"));
    setModal(true);
    L_NrRupl = NowaEtykieta(this, "L_NrRupl", "0");
    L_NrRupl->hide();
    auto* uklad = new QGridLayout(this);
    for (int s = 0; s < 6; ++s) {
        const OpisSuwaka& o = Suwaki[s];
        auto* sb = new QScrollBar(Qt::Horizontal, this);
        sb->setObjectName(o.nazwa);
        sb->setRange(o.min, o.max);
        sb->setValue(o.start);
        sb->setMinimumWidth(200);
        suwaki_[static_cast<std::size_t>(s)] = sb;
        etykiety_[static_cast<std::size_t>(s)] = NowaEtykieta(this, o.etykieta);
        uklad->addWidget(new QLabel(QString::fromUtf8(o.podpis), this), s, 0);
        uklad->addWidget(sb, s, 1);
        uklad->addWidget(etykiety_[static_cast<std::size_t>(s)], s, 2);
        connect(sb, &QScrollBar::valueChanged, this, [this, s] { SuwakChange(s); });
    }
    SB_Od = suwaki_[0];
    SB_L = suwaki_[1];
    SB_dL = suwaki_[2];
    SB_RP = suwaki_[3];
    SB_Rl = suwaki_[4];
    SB_ZW = suwaki_[5];
    L_od = etykiety_[0];
    L_L = etykiety_[1];
    L_Lp = etykiety_[2];
    L_Rp = etykiety_[3];
    L_Rl = etykiety_[4];
    L_zw = etykiety_[5];

    auto* kompas = new QGridLayout;
    RB_3 = NowyWybor(this, "RB_3", "N");
    RB_4 = NowyWybor(this, "RB_4", "W");
    RB_2 = NowyWybor(this, "RB_2", "E");
    RB_1 = NowyWybor(this, "RB_1", "S");
    RB_3->setChecked(true);
    kompas->addWidget(RB_3, 0, 1);
    kompas->addWidget(RB_4, 1, 0);
    kompas->addWidget(RB_2, 1, 2);
    kompas->addWidget(RB_1, 2, 1);
    uklad->addLayout(kompas, 0, 3, 4, 1);
    const std::array<QRadioButton*, 4> ramiona = {RB_1, RB_2, RB_3, RB_4};
    for (int k = 1; k <= 4; ++k)
        connect(ramiona[static_cast<std::size_t>(k - 1)], &QRadioButton::clicked, this, [this, k] { RB_Click(k); });
    CB_Przeswit = NowyPrzelacznik(this, "CB_Przeswit", "Prześwit");
    SB_Blend = new QScrollBar(Qt::Horizontal, this);
    SB_Blend->setObjectName("SB_Blend");
    SB_Blend->setRange(50, 250);
    SB_Blend->setValue(150);
    Button1 = NowyPrzycisk(this, "Button1", "Powrót");
    uklad->addWidget(CB_Przeswit, 6, 0);
    uklad->addWidget(SB_Blend, 6, 1);
    uklad->addWidget(Button1, 6, 3);
    connect(CB_Przeswit, &QCheckBox::clicked, this, &TUstawSuwak::CB_PrzeswitClick);
    connect(SB_Blend, &QScrollBar::valueChanged, this, &TUstawSuwak::SB_BlendChange);
    connect(Button1, &QPushButton::clicked, this, &TUstawSuwak::Button1Click);
}

void TUstawSuwak::showEvent(QShowEvent* e)
{
    FormShow();
    QDialog::showEvent(e);
}

void TUstawSuwak::UstawPozycje(const std::array<double, 6>& wartosci)
{
    // Showing the model's values is no move: nothing is written or stored.
    for (std::size_t s = 0; s < 6; ++s) {
        const QSignalBlocker b(suwaki_[s]);
        const double p = std::clamp<double>(static_cast<double>(Zaokraglij(wartosci[s] * 10.0)), suwaki_[s]->minimum(),
                                            suwaki_[s]->maximum());
        suwaki_[s]->setValue(static_cast<int>(p));
    }
    PokazWartosciSuwakow();
}

void TUstawSuwak::FormShow()
{
    IndeksRekorduSuwaka = L_NrRupl->text().toInt();
    if (!JestIndeksem(IndeksRekorduSuwaka, Ruchoplany))
        return;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(IndeksRekorduSuwaka)];
    const std::array<QRadioButton*, 4> ramiona = {RB_1, RB_2, RB_3, RB_4};
    if (r.Globalne) {
        for (QRadioButton* b : ramiona)
            b->hide();
        UstawPozycje({r.GlobOdsuniecie, r.GlobDlugosc, r.GlobDlugosc - r.GlobDlugoscPom, r.GlobPromienPrawoskretu,
                      r.GlobPromienLewoskretu, r.GlobZawrotka});
        return;
    }
    for (std::size_t k = 0; k < 4; ++k) {
        ramiona[k]->show();
        ramiona[k]->setEnabled(r.Ramie[k]);
    }
    const int a = WybranaJezdnia();
    if (a >= 1 && a <= 4)
        RB_Click(a);
}

int TUstawSuwak::WybranaJezdnia() const
{
    if (RB_1->isHidden())
        return 0;
    const std::array<QRadioButton*, 4> ramiona = {RB_1, RB_2, RB_3, RB_4};
    for (int k = 1; k <= 4; ++k)
        if (ramiona[static_cast<std::size_t>(k - 1)]->isChecked())
            return k;
    return 5;
}

void TUstawSuwak::PokazWartosciSuwakow()
{
    for (std::size_t s = 0; s < 6; ++s)
        UstawTekstEtykiety(etykiety_[s], FormatFloat("#0.0##", suwaki_[s]->value() * 0.1));
}

void TUstawSuwak::RB_Click(int ramie)
{
    if (!JestIndeksem(IndeksRekorduSuwaka, Ruchoplany) || ramie < 1 || ramie > 4 || !GeometriaRuchoplan)
        return;
    const DaneRuchoplan& r = Ruchoplany[static_cast<std::size_t>(IndeksRekorduSuwaka)];
    const auto i = static_cast<std::size_t>(ramie - 1);
    // The radii as typed in the geometry window, without their corrections.
    const double rp = TekstNaLiczbe(PoprawSeparator(TekstPola(GeometriaRuchoplan->Pola[i + 1][GrPromienPrawy])), 0.0);
    const double rl = TekstNaLiczbe(PoprawSeparator(TekstPola(GeometriaRuchoplan->Pola[i + 1][GrPromienLewy])), 0.0);
    UstawPozycje({r.Odsuniecie[i], r.Dlugosc[i], r.Dlugosc[i] - r.DlugoscPom[i], rp, rl, r.Zawrotka[i]});
}

void TUstawSuwak::SuwakChange(int suwak)
{
    if (suwak < 0 || suwak > 5 || !GeometriaRuchoplan)
        return;
    const auto s = static_cast<std::size_t>(suwak);
    const int p = suwaki_[s]->value();
    UstawTekstEtykiety(etykiety_[s], FormatFloat("#0.0", p * 0.1));
    const int a = WybranaJezdnia();
    TGeometriaRuchoplan* g = GeometriaRuchoplan;
    switch (suwak) {
    case 0: g->UstawOdsuniecie(p, a); break;
    case 1: g->UstawDlugosc(p, a); break;
    case 2: g->UstawDlugoscPom(p, a); break;
    case 3: g->UstawPromienPrawoskretu(p, a); break;
    case 4: g->UstawPromienLewoskretu(p, a); break;
    default: g->UstawZawrotke(p, a); break;
    }
    g->ZastosujGeometrie();
}

void TUstawSuwak::SB_BlendChange() { setWindowOpacity(SB_Blend->value() / 255.0); }

void TUstawSuwak::CB_PrzeswitClick()
{
    setWindowOpacity(CB_Przeswit->isChecked() ? SB_Blend->value() / 255.0 : 1.0);
}

void TUstawSuwak::Button1Click() { accept(); }
