#include "counts/TNatezeniaTabela.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "counts/Przyciski.h"
#include "counts/Siatka.h"
#include "model/Granice.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"
#include "platform/qt/ObrazJpeg.h"

TNatezeniaTabela* NatezeniaTabela = nullptr;

namespace {

constexpr int SzerokoscSchematu = 220;
constexpr int WysokoscSchematu = 220;

QColor Kolor(TKolor k) { return QColor(KolorR(k), KolorG(k), KolorB(k)); }

}  // namespace

TNatezeniaTabela::TNatezeniaTabela(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("NatezeniaTabela");
    setWindowTitle(QString::fromUtf8("Tabela natężeń"));
    setModal(true);

    L_NrWlot = new QLabel("1", this);
    L_NrWlot->setObjectName("L_NrWlot");
    L_NrWlot->hide();
    SG_Tabela = new TSiatka("SG_Tabela", KlasPojazdow, this);
    connect(SG_Tabela, &QTableWidget::itemChanged, this, [] { BiezacyPomiar.PomiarZmieniony = 1; });

    auto* przejscia = new QGroupBox(QString::fromUtf8("Przejścia"), this);
    auto* siatka = new QGridLayout(przejscia);
    strzalki1 = new QLabel(przejscia);
    strzalki1->setObjectName("strzalki1");
    QImage obraz;
    std::string blad;
    if (CzytajJpeg(PolaczSciezke(KatalogDane(), "strzalki1.jpg"), obraz, blad))
        strzalki1->setPixmap(QPixmap::fromImage(obraz));
    else
        strzalki1->setText(QString::fromUtf8("1 →   ← 2"));
    siatka->addWidget(strzalki1, 0, 1, 1, 2, Qt::AlignCenter);
    for (int k = 0; k < 4; ++k) {
        L_Przej[static_cast<std::size_t>(k)] = new QLabel(przejscia);
        L_Przej[static_cast<std::size_t>(k)]->setObjectName(QString("L_Przej%1").arg(k + 1));
        siatka->addWidget(L_Przej[static_cast<std::size_t>(k)], k + 1, 0);
        for (int d = 0; d < 2; ++d) {
            QLineEdit*& e = E_Przej[static_cast<std::size_t>(2 * k + d)];
            e = new QLineEdit(przejscia);
            e->setObjectName(QString("E_Przej%1%2").arg(k + 1).arg(d + 1));
            e->setMaximumWidth(60);
            connect(e, &QLineEdit::textEdited, this, [] { BiezacyPomiar.PomiarZmieniony = 1; });
            siatka->addWidget(e, k + 1, d + 1);
        }
    }
    Schemat = new QLabel(this);
    Schemat->setObjectName("Schemat");
    Schemat->setFixedSize(SzerokoscSchematu, WysokoscSchematu);

    B_Wprowadz = NowyPrzyciskOkna(this, "B_Wprowadz", "Wprowadź", &TNatezeniaTabela::B_WprowadzClick);
    B_Rezygnuj = NowyPrzyciskOkna(this, "B_Rezygnuj", "Rezygnuj", &TNatezeniaTabela::B_RezygnujClick);

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(Schemat);
    prawa->addWidget(przejscia);
    prawa->addStretch();
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(B_Wprowadz);
    przyciski->addWidget(B_Rezygnuj);
    prawa->addLayout(przyciski);
    auto* uklad = new QHBoxLayout(this);
    uklad->addWidget(SG_Tabela);
    uklad->addLayout(prawa);
}

void TNatezeniaTabela::showEvent(QShowEvent* e)
{
    PokazTabele();
    QDialog::showEvent(e);
}

void TNatezeniaTabela::PokazTabele()
{
    const DanePomiar& p = BiezacyPomiar;
    zmienionyPrzed_ = p.PomiarZmieniony;
    BiezacyWlot = std::clamp(L_NrWlot->text().toInt(), 1, WlotowPomiaru);
    const int w = BiezacyWlot;
    Kolumny = KolumnyWlotu(p, w);

    const QSignalBlocker blokada(SG_Tabela);
    SG_Tabela->clear();
    SG_Tabela->setColumnCount(2 + static_cast<int>(Kolumny.size()));
    QStringList naglowki = {"Lp", "  Opis"};
    for (const KolumnaWlotu& k : Kolumny)
        naglowki << NaQString(k.naglowek);
    SG_Tabela->setHorizontalHeaderLabels(naglowki);
    for (int r = 1; r <= KlasPojazdow; ++r) {
        SG_Tabela->UstawKomorke(0, r, std::to_string(r), true);
        SG_Tabela->UstawKomorke(1, r, p.NazwaPojazdu[static_cast<std::size_t>(r - 1)], true);
        for (std::size_t k = 0; k < Kolumny.size(); ++k)
            SG_Tabela->UstawKomorke(
                static_cast<int>(k) + 2, r,
                std::to_string(p.NatezeniaPojazdow[static_cast<std::size_t>((w - 1) * KlasPojazdow + r - 1)]
                                                  [static_cast<std::size_t>(Kolumny[k].wylot - 1)]));
    }
    std::vector<int> szerokosci = {20, 120};
    if (!Kolumny.empty()) {
        const int kolumna = static_cast<int>(std::nearbyint((326.0 - 20 - 120) / static_cast<double>(Kolumny.size())));
        szerokosci.insert(szerokosci.end(), Kolumny.size(), kolumna);
    }
    SG_Tabela->UstawSzerokosci(szerokosci, 27);

    for (std::size_t k = 0; k < 4; ++k)
        L_Przej[k]->setText(NaQString(p.NazwaPrzejscia[k].str()));
    for (std::size_t v = 0; v < 8; ++v) {
        const QSignalBlocker b(E_Przej[v]);
        E_Przej[v]->setText(QString::number(p.NatezeniaPrzejsc[static_cast<std::size_t>(w - 1)][v]));
    }
    RysujSchemat();
}

void TNatezeniaTabela::RysujSchemat()
{
    QImage obraz(SzerokoscSchematu, WysokoscSchematu, QImage::Format_RGB32);
    obraz.fill(Kolor(KolorTlaSchematu));
    QPainter p(&obraz);
    p.setPen(QPen(Qt::black, 1));
    QFont f = p.font();
    f.setPixelSize(16);
    p.setFont(f);
    for (const ElementSchematu& e : SchematWlotu(BiezacyPomiar, BiezacyWlot, SzerokoscSchematu, WysokoscSchematu)) {
        switch (e.rodzaj) {
        case ElementSchematu::Rodzaj::Wielokat: {
            QPolygon w;
            for (const PunktInt& q : e.punkty)
                w << QPoint(q.X, q.Y);
            p.setBrush(e.wypelniony ? QBrush(Kolor(e.kolor)) : QBrush(Qt::NoBrush));
            p.drawPolygon(w);
            break;
        }
        case ElementSchematu::Rodzaj::Kolo:
            p.setBrush(Kolor(e.kolor));
            p.drawEllipse(QPoint(e.srodek.X, e.srodek.Y), e.promien, e.promien);
            break;
        case ElementSchematu::Rodzaj::Tekst:
            p.drawText(QRect(e.srodek.X - 10, e.srodek.Y - 10, 20, 20), Qt::AlignCenter, NaQString(e.tekst));
            break;
        }
    }
    p.end();
    Schemat->setPixmap(QPixmap::fromImage(obraz));
}

WynikSprawdzenia TNatezeniaTabela::SprawdzTabeleNatezen()
{
    SG_Tabela->Zatwierdz();
    WynikSprawdzenia w;
    for (int r = 1; r <= KlasPojazdow; ++r)
        for (int k = 2; k < SG_Tabela->columnCount(); ++k) {
            int32_t x = 0;
            if (!CzytajNatezenie(SG_Tabela->Komorka(k, r), x))
                w.komunikat = Utf8NaCp1250("Nieprawidłowa wartość natężenia poz. (") + std::to_string(k) + "," +
                              std::to_string(r) + ")";
        }
    // The crossing values are checked too, so that nothing is stored half.
    for (int v = 0; v < 8; ++v) {
        int32_t x = 0;
        if (!CzytajNatezenie(ZQString(E_Przej[static_cast<std::size_t>(v)]->text()), x))
            w.komunikat = Utf8NaCp1250("Nieprawidłowa wartość przejścia poz. (") + std::to_string(v / 2 + 1) + "," +
                          std::to_string(v % 2 + 1) + ")";
    }
    // The inlet's totals are kept with the count: they too must be volumes
    // a file holds.
    if (w.komunikat.empty()) {
        int64_t pojazdy = 0, przejscia = 0;
        const DanePomiar& p = BiezacyPomiar;
        const auto wlot = static_cast<std::size_t>(BiezacyWlot - 1);
        for (int r = 1; r <= KlasPojazdow; ++r) {
            std::array<int32_t, WlotowPomiaru> wiersz = p.NatezeniaPojazdow[wlot * KlasPojazdow + static_cast<std::size_t>(r - 1)];
            for (std::size_t k = 0; k < Kolumny.size(); ++k)
                CzytajNatezenie(SG_Tabela->Komorka(static_cast<int>(k) + 2, r), wiersz[static_cast<std::size_t>(Kolumny[k].wylot - 1)]);
            for (int32_t x : wiersz)
                pojazdy += x;
        }
        for (std::size_t v = 0; v < 8; ++v) {
            int32_t x = 0;
            CzytajNatezenie(ZQString(E_Przej[v]->text()), x);
            przejscia += x;
        }
        if (!granice::Natezenie.Miesci(static_cast<double>(pojazdy)) ||
            !granice::Natezenie.Miesci(static_cast<double>(przejscia)))
            w.komunikat = Utf8NaCp1250("Suma natężeń wlotu przekracza ") + TekstGranicy(granice::Natezenie.max) + ".";
    }
    w.ok = w.komunikat.size() < 4;
    return w;
}

void TNatezeniaTabela::B_WprowadzClick()
{
    const WynikSprawdzenia s = SprawdzTabeleNatezen();
    if (!s.ok) {
        Dialogi().Ostrzezenie(s.komunikat);
        return;
    }
    DanePomiar& p = BiezacyPomiar;
    const DanePomiar przed = p;
    const auto w = static_cast<std::size_t>(BiezacyWlot - 1);
    for (int r = 1; r <= KlasPojazdow; ++r)
        for (std::size_t k = 0; k < Kolumny.size(); ++k) {
            int32_t x = 0;
            CzytajNatezenie(SG_Tabela->Komorka(static_cast<int>(k) + 2, r), x);
            p.NatezeniaPojazdow[w * KlasPojazdow + static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(Kolumny[k].wylot - 1)] = x;
        }
    for (std::size_t v = 0; v < 8; ++v)
        CzytajNatezenie(ZQString(E_Przej[v]->text()), p.NatezeniaPrzejsc[w][v]);
    // The total takes every exit of the inlet, also those without a column.
    int64_t suma = 0;
    for (int r = 0; r < KlasPojazdow; ++r)
        for (int32_t x : p.NatezeniaPojazdow[w * KlasPojazdow + static_cast<std::size_t>(r)])
            suma += x;
    p.NatezeniaPojazdowSumy[w] = static_cast<int32_t>(std::clamp<int64_t>(suma, INT32_MIN, INT32_MAX));
    suma = 0;
    for (int32_t x : p.NatezeniaPrzejsc[w])
        suma += x;
    p.NatezeniaPrzejscSumy[w] = static_cast<int32_t>(std::clamp<int64_t>(suma, INT32_MIN, INT32_MAX));
    if (p.NatezeniaPojazdow != przed.NatezeniaPojazdow || p.NatezeniaPrzejsc != przed.NatezeniaPrzejsc ||
        p.NatezeniaPojazdowSumy != przed.NatezeniaPojazdowSumy || p.NatezeniaPrzejscSumy != przed.NatezeniaPrzejscSumy)
        p.PomiarZmieniony = 1;
    accept();
}

void TNatezeniaTabela::B_RezygnujClick() { reject(); }

void TNatezeniaTabela::reject()
{
    // Nothing was stored, so the count is as changed as it was before.
    BiezacyPomiar.PomiarZmieniony = zmienionyPrzed_;
    QDialog::reject();
}
