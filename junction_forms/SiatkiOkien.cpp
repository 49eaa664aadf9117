#include "junction_forms/SiatkiOkien.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "junction_forms/Pola.h"
#include "junction_forms/StronaPomiaru.h"
#include "model/Granice.h"
#include "model/Pomiar.h"
#include "model/Projekt.h"

using namespace pola;

OpisPomiaruOkna NowyOpisPomiaru(QWidget* strona)
{
    OpisPomiaruOkna o{};
    o.grupa = new QGroupBox(QString::fromUtf8("Opis pomiaru"), strona);
    o.grupa->setObjectName("GroupBox1");
    auto* u = new QGridLayout(o.grupa);
    o.L_NazwaWezla = NowaEtykieta(o.grupa, "L_NazwaWezla");
    o.L_Sekcja = NowaEtykieta(o.grupa, "L_Sekcja");
    o.L_DataCzasPomiaru = NowaEtykieta(o.grupa, "L_DataCzasPomiaru");
    o.L_Opis1 = NowaEtykieta(o.grupa, "L_Opis1");
    o.L_Opis2 = NowaEtykieta(o.grupa, "L_Opis2");
    const char* const podpisy[4] = {"Lokalizacja", "Sekcja", "Data, godz.", "Opis, uwagi"};
    QLabel* const etykiety[4] = {o.L_NazwaWezla, o.L_Sekcja, o.L_DataCzasPomiaru, o.L_Opis1};
    for (int r = 0; r < 4; ++r) {
        u->addWidget(new QLabel(QString::fromUtf8(podpisy[r]), o.grupa), r, 0);
        u->addWidget(etykiety[r], r, 1);
    }
    u->addWidget(o.L_Opis2, 4, 1);
    o.CB_AutoAktualizacja = NowyPrzelacznik(o.grupa, "CB_AutoAktualizacja", "Aktualizuj automatycznie");
    o.B_WstawOpisy = NowyPrzycisk(o.grupa, "B_WstawOpisy", "Wstaw opisy");
    u->addWidget(o.CB_AutoAktualizacja, 5, 0);
    u->addWidget(o.B_WstawOpisy, 5, 1);
    return o;
}

QTableWidget* NowaSiatkaWspolczynnikow(QWidget* strona)
{
    auto* t = new QTableWidget(KlasPojazdow, 3, strona);
    t->setObjectName("SG_Tabela");
    t->setHorizontalHeaderLabels({"Lp", "  Opis", "  Wsp."});
    t->verticalHeader()->hide();
    t->setColumnWidth(0, 25);
    t->setColumnWidth(1, 200);
    t->setColumnWidth(2, 80);
    t->setFixedWidth(25 + 200 + 80 + 24);
    const QSignalBlocker b(t);
    for (int w = 1; w <= KlasPojazdow; ++w)
        UstawKomorke(t, w - 1, 0, std::to_string(w), true);
    return t;
}

SiatkiStruktury NoweSiatkiStruktury(QWidget* strona, bool edytowalnaLiczba)
{
    SiatkiStruktury s{};
    s.SG_Stru = new QTableWidget(0, 2, strona);
    s.SG_Stru->setObjectName("SG_Stru");
    s.SG_Stru->setHorizontalHeaderLabels({"Typ", QString::fromUtf8("szt.")});
    s.SG_Stru->verticalHeader()->hide();
    s.SG_Stru->setColumnWidth(0, 30);
    s.SG_Stru->setColumnWidth(1, 80);
    s.SG_Stru->setFixedWidth(30 + 80 + 5);
    s.CB_iStruktura = new QComboBox(strona);
    s.CB_iStruktura->setObjectName("CB_iStruktura");
    s.CB_iStruktura->setEditable(edytowalnaLiczba);
    for (int n = 1; n <= 10; ++n)
        s.CB_iStruktura->addItem(QString::number(n));
    s.CB_iStruktura->setCurrentText("5");
    s.SG_StrukturaDane = new QTableWidget(0, 4, strona);
    s.SG_StrukturaDane->setObjectName("SG_StrukturaDane");
    s.SG_StrukturaDane->setHorizontalHeaderLabels({"Lp", "Ozn", "Opis", QString::fromUtf8("wsp.")});
    s.SG_StrukturaDane->verticalHeader()->hide();
    const int szer[4] = {20, 30, 120, 35};
    for (int c = 0; c < 4; ++c)
        s.SG_StrukturaDane->setColumnWidth(c, szer[c]);
    s.SG_StrukturaDane->setFixedWidth(20 + 30 + 120 + 35 + 10);
    return s;
}

void PokazBlokStruktury(QTableWidget* SG_Stru, const std::array<int32_t, ElementowStruktury>& blok)
{
    const QSignalBlocker b(SG_Stru);
    for (int r = 1; r <= SG_Stru->rowCount(); ++r)
        pola::UstawKomorke(SG_Stru, r - 1, 1, std::to_string(blok[static_cast<std::size_t>(r)]));
}

WynikKontroli SprawdzBlokStruktury(const QTableWidget* SG_Stru, const std::string& relacja)
{
    WynikKontroli w;
    for (int r = 1; r <= SG_Stru->rowCount(); ++r) {
        int64_t x = 0;
        if (!SprobujTekstNaCalkowita(Komorka(SG_Stru, r - 1, 1), x) ||
            !granice::Natezenie.Miesci(static_cast<double>(x))) {
            w.ok = false;
            w.komunikat = Utf8NaCp1250("Nieprawidłowa liczba pojazdów typu ") + Komorka(SG_Stru, r - 1, 0) +
                          Utf8NaCp1250(" w relacji ") + relacja + "!";
            return w;
        }
    }
    return w;
}

void PokazSkladStruktury(const SiatkiStruktury& s, bool edytowalnySklad)
{
    const int n = std::clamp<int>(LiczbaSkladow, 1, 10);
    const QSignalBlocker a(s.SG_StrukturaDane), b(s.SG_Stru), c(s.CB_iStruktura);
    s.SG_StrukturaDane->setRowCount(n);
    s.SG_Stru->setRowCount(n);
    for (int r = 1; r <= n; ++r) {
        const DaneSklad& d = Sklad[static_cast<std::size_t>(r)];
        UstawKomorke(s.SG_StrukturaDane, r - 1, 0, std::to_string(r), true);
        UstawKomorke(s.SG_StrukturaDane, r - 1, 1, d.Oznaczenie.str(), !edytowalnySklad);
        UstawKomorke(s.SG_StrukturaDane, r - 1, 2, d.Nazwa.str(), !edytowalnySklad);
        UstawKomorke(s.SG_StrukturaDane, r - 1, 3, FormatFloat("#0.0#", d.Wspolczynnik), !edytowalnySklad);
        UstawKomorke(s.SG_Stru, r - 1, 0, d.Oznaczenie.str(), true);
    }
    const int wysokosc = (s.SG_StrukturaDane->horizontalHeader()->height() + 1) * (n + 1) + 4;
    s.SG_StrukturaDane->setFixedHeight(wysokosc);
    s.SG_Stru->setFixedHeight(wysokosc);
    s.CB_iStruktura->setCurrentText(QString::number(n));
}
