// The roundabout data window's count page, its reports and its vehicle
// structure page.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "junction_forms/NatezeniaWezla.h"
#include "junction_forms/Pola.h"
#include "junction_forms/SiatkiOkien.h"
#include "junction_forms/StronaPomiaru.h"
#include "junction_forms/TDaneRonda.h"
#include "junction_forms/TNatezeniaRUPL.h"
#include "junction_forms/Uslugi.h"
#include "model/Granice.h"
#include "model/Potoki.h"
#include "model/Projekt.h"
#include "model/Raporty.h"
#include "model/Rondo.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

using namespace pola;

namespace {

std::size_t I(int k) { return static_cast<std::size_t>(k - 1); }

const char* const LiteryWylotow = "ABCDE";

}  // namespace

// ------------------------------------------------------------ count page

void TDaneRonda::UstawWidocznoscPomiaru(bool widoczne)
{
    for (QWidget* w : std::initializer_list<QWidget*>{SG_Tabela, CB_AutoAktualizacja, GB_Wyniki, B_Prognoza,
                                                      B_UsunPrognoze, CB_WlaczPrognoze, B_WstawOpisy, B_PokazPomiar,
                                                      B_PokazNatezenia, B_PokazWspolczynniki})
        w->setVisible(widoczne);
}

void TDaneRonda::PokazStronePomiaru()
{
    const int n = Rekord();
    const DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    const bool pomiar = JestIndeksem(r.NrPomiaru, Pomiary);
    wypelnianie_ = true;
    if (!pomiar) {
        WyczyscStronePomiaru(*this);
    } else {
        // An update from a newer file stays in the copy: the commit stores it.
        OtworzKopiePomiaru(*this, r);
        PokazOpisPomiaru(*this);
        PokazKlasyPomiaru(SG_Tabela, KopiaPomiaru);
    }
    UstawWidocznoscPomiaru(pomiar);
    CB_WlaczPrognoze->setChecked(r.WlaczPrognoze);
    CB_AutoAktualizacja->setChecked(r.AutoAktualizacja);
    const bool prognoza = PokazPrognozeDiagramu(*this, r);
    B_PokazPrognoze->setVisible(prognoza);
    if (prognoza)
        CB_WlaczPrognoze->setVisible(pomiar);
    KopiaWspolczynnikow = WspolczynnikiDiagramu(r, pomiar ? &KopiaPomiaru : nullptr);
    if (pomiar)
        PokazKopieWspolczynnikow(*this);
    wypelnianie_ = false;
    PrzeliczPomiar();
}

WynikKontroli TDaneRonda::SprawdzWspolczynniki() { return SprawdzSiatkeWspolczynnikow(SG_Tabela); }

void TDaneRonda::CzytajWspolczynniki() { CzytajSiatkeWspolczynnikow(SG_Tabela, KopiaWspolczynnikow); }

// The copy's flows: vehicles of its inlets (at most five), crossings of all five.
void TDaneRonda::PrzeliczPotokiKopii()
{
    const bool p = Prognoza();
    KopiaPomiaru.NatezeniaNaRelacjach =
        ObliczPotokiPojazdow(KopiaPomiaru, KopiaWspolczynnikow, KopiaPrognozy, p, WlotyRonda(KopiaPomiaru));
    KopiaPomiaru.NatezeniaPrzejscObliczone = ObliczPotokiPrzejsc(KopiaPomiaru, KopiaPrognozy, p, 5);
}

void TDaneRonda::PrzeliczPomiar()
{
    const WynikKontroli w = SprawdzWspolczynniki();
    if (!w.ok) {
        Dialogi().Informacja(w.komunikat);
        return;
    }
    CzytajWspolczynniki();
    PrzeliczPotokiKopii();
    RysujSumyWlotow();
}

void TDaneRonda::RysujSumyWlotow()
{
    QPixmap obraz(IOpisyWloty->size());
    obraz.fill(palette().color(QPalette::Button));
    QPainter p(&obraz);
    p.setPen(palette().color(QPalette::ButtonText));
    // The positions are laid out for an 11-pixel font, as the junction's.
    QFont czcionka = p.font();
    czcionka.setPixelSize(TNatezeniaRUPL::WysokoscCzcionkiSumWlotow);
    p.setFont(czcionka);
    const int n = WlotyRonda(KopiaPomiaru);
    const bool piec = KopiaPomiaru.MaxJest == 5;
    const int bazy[5][2] = {{380, 70}, {250, 20}, {120, 70}, {piec ? 180 : 250, 135}, {320, 135}};
    const int przesuniecia[5][2] = {{40, 0}, {0, -15}, {-50, 0}, {piec ? -30 : 0, 20}, {30, 20}};
    for (int w = 0; w < n; ++w)
        for (int j = 0; j < n; ++j)
            p.drawText(bazy[w][0] + przesuniecia[j][0], bazy[w][1] + przesuniecia[j][1] + p.fontMetrics().ascent(),
                       QString::number(KopiaPomiaru.NatezeniaNaRelacjach[static_cast<std::size_t>(w)]
                                                                          [static_cast<std::size_t>(j)]));
    p.end();
    IOpisyWloty->setPixmap(obraz);
}

void TDaneRonda::W_WczytajPomiarClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda) || !Uslugi().WybierzPomiar)
        return;
    if (!WczytajPomiarStrony(*this, true))
        return;
    const DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    UstawWidocznoscPomiaru(true);
    CB_WlaczPrognoze->setVisible(JestIndeksem(r.NrPrognozy, Prognozy) || PrognozaZmieniona);
    CB_WlaczPrognoze->setChecked(r.WlaczPrognoze);
    CB_AutoAktualizacja->setChecked(r.AutoAktualizacja);
    PomiarPrzelaczony = 1;
    Zmieniono = 1;
    PrzeliczPomiar();
}

void TDaneRonda::B_PrognozaClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda) || !Uslugi().EdytujPrognoze)
        return;
    const WynikPrognozy w = Uslugi().EdytujPrognoze(KopiaPrognozy, KopiaPomiaru, Oznaczenia(), 'R');
    if (!PrzyjmijPrognoze(*this, w))
        return;
    B_PokazPrognoze->show();
    DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    if (!r.WlaczPrognoze)
        ZmienionoProjekt();
    r.WlaczPrognoze = 1;
    PomiarPrzelaczony = 1;
    PrzeliczPomiar();
    Zmieniono = 1;
}

void TDaneRonda::B_UsunPrognozeClick()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda) || !ZapytajTakNie(QString::fromUtf8("Usunąć opis prognozy z ronda?")))
        return;
    B_PokazPrognoze->hide();
    DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    UsunPrognozeDiagramu(*this, r);
    r.Obliczony = 0;
    PrognozaZmieniona = 0;
    UstawDomyslnaPrognoze(KopiaPrognozy);
    // The count's flows follow the record at the next commit of this page.
    PomiarPrzelaczony = 1;
    Zmieniono = 1;
}

void TDaneRonda::CB_WlaczPrognozeMouseUp()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda))
        return;
    Ronda[static_cast<std::size_t>(n)].WlaczPrognoze = CB_WlaczPrognoze->isChecked();
    ZmienionoProjekt();
    Zmieniono = 1;
    PomiarPrzelaczony = 1;
    PrzeliczPomiar();
}

void TDaneRonda::CB_AutoAktualizacjaMouseUp()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda))
        return;
    Ronda[static_cast<std::size_t>(n)].AutoAktualizacja = CB_AutoAktualizacja->isChecked();
    ZmienionoProjekt();
    Zmieniono = 1;
}

void TDaneRonda::B_WstawOpisyClick()
{
    if (WstawOpisyPomiaru(*this, Tytul1, Tytul2, Tytul3))
        Zmieniono = 1;
}

// The coefficients were checked with the rest of the commit.
void TDaneRonda::ZapiszStronePomiaru(int n)
{
    DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    if (PrognozaZmieniona) {
        ZapiszPrognozeDiagramu(r, KopiaPrognozy);
        ZmienionoProjekt();
    }
    if (TabelaZmieniona || PomiarPrzelaczony) {
        CzytajWspolczynniki();
        PrzeliczPotokiKopii();
        ZapiszPomiarDiagramu(r, KopiaPomiaru, KopiaWspolczynnikow);
        ZmienionoProjekt();
    }
}

// ------------------------------------------------------------ reports

void TDaneRonda::B_PokazNatezeniaClick()
{
    const WynikKontroli w = SprawdzWspolczynniki();
    if (!w.ok) {
        Dialogi().Informacja(w.komunikat);
        return;
    }
    PrzeliczPomiar();
    PokazRaportOkna(RaportNatezenRonda(KopiaPomiaru, KopiaWspolczynnikow, KopiaPrognozy, Prognoza(), Oznaczenia()));
}

void TDaneRonda::B_PokazPomiarClick() { PokazRaportOkna(RaportPomiaruRonda(KopiaPomiaru, Oznaczenia())); }

void TDaneRonda::B_PokazPrognozeClick()
{
    PokazRaportOkna(RaportPrognozyRonda(KopiaPomiaru, KopiaPrognozy, Oznaczenia()));
}

void TDaneRonda::B_PokazWspolczynnikiClick()
{
    PokazRaportOkna(RaportWspolczynnikow(KopiaPomiaru, KopiaWspolczynnikow));
}

// ------------------------------------------------------------ structure page

void TDaneRonda::PokazUstawieniaStruktury()
{
    PokazSkladStruktury({SG_Stru, SG_StrukturaDane, CB_iStruktura}, false);
}

void TDaneRonda::RysujKafelkiRelacji()
{
    const int n = Rekord();
    if (!JestIndeksem(n, Ronda))
        return;
    const DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    const int wybrana = ZQString(s_nr->text()).size() == 2 ? s_nr->text().toInt() : 0;
    for (int w = 1; w <= 5; ++w)
        for (int j = 1; j <= 5; ++j) {
            QPushButton* t = tile[I(w)][I(j)];
            t->setText(QString(QChar(LiteryWylotow[j - 1])) + " " +
                       QString::number(r.StrukturaRelacji[I(w)][I(j)][0]));
            const QColor k = 10 * w + j == wybrana ? KolorWybranejRelacji : QColor(160, 160, 160);
            t->setStyleSheet(QString("background-color: %1;").arg(k.name()));
        }
}

namespace {
bool Relacja(const QLabel* s_nr, int& w, int& j)
{
    const int nr = s_nr->text().toInt();
    w = nr / 10;
    j = nr % 10;
    return w >= 1 && w <= 5 && j >= 1 && j <= 5;
}
}  // namespace

void TDaneRonda::PokazRelacje()
{
    const int n = Rekord();
    int w = 0, j = 0;
    if (!JestIndeksem(n, Ronda) || !Relacja(s_nr, w, j))
        return;
    const DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    PokazBlokStruktury(SG_Stru, r.StrukturaRelacji[I(w)][I(j)]);
    RysujKafelkiRelacji();
    SG_Stru->setVisible(!tile[I(w)][I(j)]->isHidden() && !CB_PokazUstawyStruktura->isChecked());
    for (std::size_t k = 0; k < 5; ++k) {
        int64_t wl = 0, wy = 0;
        for (std::size_t x = 0; x < 5; ++x) {
            wl += r.StrukturaRelacji[k][x][0];
            wy += r.StrukturaRelacji[x][k][0];
        }
        L_wl[k]->setText(QString::number(wl));
        L_wy[k]->setText(QString::number(wy));
    }
}

WynikKontroli TDaneRonda::SprawdzStrukture() const
{
    int w = 0, j = 0;
    return Relacja(s_nr, w, j) ? SprawdzBlokStruktury(SG_Stru, ZQString(s_nr->text())) : WynikKontroli{};
}

void TDaneRonda::ZapiszRelacje()
{
    const int n = Rekord();
    int w = 0, j = 0;
    if (!JestIndeksem(n, Ronda) || !Relacja(s_nr, w, j) || !StrukturaZmieniona)
        return;
    std::vector<std::string> szt;
    for (int k = 1; k <= SG_Stru->rowCount(); ++k)
        szt.push_back(Komorka(SG_Stru, k - 1, 1));
    DaneRondo& r = Ronda[static_cast<std::size_t>(n)];
    const auto przed = r.StrukturaRelacji[I(w)][I(j)];
    PrzeliczBlokStruktury(r.StrukturaRelacji[I(w)][I(j)], szt);
    if (r.StrukturaRelacji[I(w)][I(j)] != przed) {
        r.Obliczony = 0;
        ZmienionoProjekt();
    }
    StrukturaZmieniona = 0;
}

void TDaneRonda::iClick(int relacja)
{
    // The relation shown is stored first; a count that is none keeps it shown.
    if (const WynikKontroli w = SprawdzStrukture(); !w.ok) {
        Dialogi().Informacja(w.komunikat);
        return;
    }
    ZapiszRelacje();
    RysujKafelkiRelacji();
    s_nr->setText(QString::number(relacja));
    PokazRelacje();
}

void TDaneRonda::CB_iStrukturaChange()
{
    const int32_t n = TekstNaCalkowita(ZQString(CB_iStruktura->currentText()), 5, 1, 10);
    if (n != LiczbaSkladow) {
        LiczbaSkladow = n;
        ZmienionoProjekt();
    }
    PokazUstawieniaStruktury();
}

void TDaneRonda::CB_PokazUstawyStrukturaClick()
{
    const bool ustawienia = CB_PokazUstawyStruktura->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{L_iStruktura, CB_iStruktura, SG_StrukturaDane})
        w->setVisible(ustawienia);
    SG_Stru->setVisible(!ustawienia);
}
