#include "junction_forms/StronaPomiaru.h"

#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QTableWidget>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "junction_forms/Pola.h"
#include "junction_forms/SiatkiOkien.h"
#include "junction_forms/Uslugi.h"
#include "model/Granice.h"
#include "model/OknoGlowne.h"
#include "model/Projekt.h"
#include "model/Raporty.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

namespace pola {

std::string Komorka(const QTableWidget* t, int wiersz, int kolumna)
{
    const QTableWidgetItem* it = t->item(wiersz, kolumna);
    return it ? ZQString(it->text()) : std::string();
}

TekstZOkna KomorkaZOkna(const QTableWidget* t, int wiersz, int kolumna)
{
    const QTableWidgetItem* it = t->item(wiersz, kolumna);
    return it ? ZQStringZOkna(it->text()) : TekstZOkna{};
}

void UstawKomorke(QTableWidget* t, int wiersz, int kolumna, const std::string& tekst, bool stala)
{
    auto* it = t->item(wiersz, kolumna);
    if (!it) {
        it = new QTableWidgetItem;
        t->setItem(wiersz, kolumna, it);
    }
    it->setText(NaQString(tekst));
    if (stala)
        it->setFlags(it->flags() & ~Qt::ItemIsEditable);
}

}  // namespace pola

using namespace pola;

KontrolkiPomiaru::KontrolkiPomiaru()
{
    UstawDomyslnyPomiar(KopiaPomiaru);
    UstawDomyslnaPrognoze(KopiaPrognozy);
}

WynikKontroli SprawdzSiatkeWspolczynnikow(QTableWidget* siatka)
{
    WynikKontroli w;
    const QSignalBlocker b(siatka);
    for (int r = 1; r <= KlasPojazdow; ++r) {
        std::string t = UsunSpacje(Komorka(siatka, r - 1, 2));
        if (!t.empty())
            t = PoprawSeparator(t);
        if (t != Komorka(siatka, r - 1, 2))
            UstawKomorke(siatka, r - 1, 2, t);
        double x = 0.0;
        if (t.empty())
            continue;
        if (!SprobujTekstNaLiczbe(t, x)) {
            w.ok = false;
            w.komunikat = Utf8NaCp1250("Nieprawidłowy współczynnik poz. ") + std::to_string(r);
        } else if (!granice::Wspolczynnik.Miesci(x)) {
            w.ok = false;
            w.komunikat = KomunikatGranicy(granice::Wspolczynnik, "współczynnik poz. " + std::to_string(r));
        }
    }
    return w;
}

void CzytajSiatkeWspolczynnikow(const QTableWidget* siatka, DaneWspolczynniki& w)
{
    for (int r = 1; r <= KlasPojazdow; ++r) {
        double x = 0.0;
        if (!SprobujTekstNaLiczbe(PoprawSeparator(Komorka(siatka, r - 1, 2)), x))
            x = 0.0;
        // As the file keeps it.
        w.Wspolczynnik[static_cast<std::size_t>(r - 1)] = static_cast<float>(JakWPliku(x, maski::Wspolczynnik));
    }
}

void PokazKlasyPomiaru(QTableWidget* siatka, const DanePomiar& p)
{
    const QSignalBlocker b(siatka);
    for (int w = 0; w < KlasPojazdow; ++w) {
        UstawKomorke(siatka, w, 1, p.NazwaPojazdu[static_cast<std::size_t>(w)].str(), true);
        UstawKomorke(siatka, w, 2, FormatFloat("#0.0#", p.WspPojazdu[static_cast<std::size_t>(w)]));
    }
}

std::string StempelPomiaru(const DanePomiar& p)
{
    return DataNaTekst(p.DataOstEdycja) + " " + CzasNaTekst(p.GodzOstEdycja);
}

namespace {

// The count's file in the counts folder; the record holds its name as text.
std::string PlikPomiaru(const DanePomiar& p)
{
    return PolaczSciezke(KatalogPomiarow, Cp1250NaUtf8(p.NazwaPliku.str()));
}

}  // namespace

void PokazOpisPomiaru(const KontrolkiPomiaru& k)
{
    const DanePomiar& p = k.KopiaPomiaru;
    k.L_WczytanoPomiar->setText(SciezkaNaQString(PlikPomiaru(p)));
    UstawTekstEtykiety(k.L_NazwaWezla, p.Lokalizacja.str());
    UstawTekstEtykiety(k.L_Sekcja, p.Sekcja.str());
    UstawTekstEtykiety(k.L_DataCzasPomiaru, DataNaTekst(p.DataPomiaru) + "  " + CzasNaTekst(p.GodzPomiaru) + "  " +
                                                std::to_string(p.CzasPomiaru) + "[min];");
    UstawTekstEtykiety(k.L_Opis1, p.Opis2Linie[0].str());
    UstawTekstEtykiety(k.L_Opis2, p.Opis2Linie[1].str());
}

void WyczyscStronePomiaru(KontrolkiPomiaru& k)
{
    UstawDomyslnyPomiar(k.KopiaPomiaru);
    for (QLabel* l : {k.L_WczytanoPomiar, k.L_NazwaWezla, k.L_Sekcja, k.L_DataCzasPomiaru, k.L_Opis1, k.L_Opis2})
        l->clear();
    UstawTekstEtykiety(k.L_LastEdit, "Ostatnia edycja :  ");
    const QSignalBlocker b(k.SG_Tabela);
    for (int w = 0; w < KlasPojazdow; ++w) {
        UstawKomorke(k.SG_Tabela, w, 1, "", true);
        UstawKomorke(k.SG_Tabela, w, 2, "");
    }
}

DaneWspolczynniki WspolczynnikiDiagramu(const NaglowekDiagramu& d, const DanePomiar* pomiar)
{
    DaneWspolczynniki w;
    if (JestIndeksem(d.NrWspolczynnikow, Wspolczynniki))
        w = Wspolczynniki[static_cast<std::size_t>(d.NrWspolczynnikow)];
    else if (pomiar)
        w.Wspolczynnik = pomiar->WspPojazdu;
    return w;
}

DanePrognoza PrognozaDiagramu(const NaglowekDiagramu& d)
{
    DanePrognoza f;
    UstawDomyslnaPrognoze(f);
    if (JestIndeksem(d.NrPrognozy, Prognozy))
        f = Prognozy[static_cast<std::size_t>(d.NrPrognozy)];
    return f;
}

namespace {
void PokazStempel(KontrolkiPomiaru& k, const char* naglowek)
{
    UstawTekstEtykiety(k.L_LastEdit, Utf8NaCp1250(naglowek) + StempelPomiaru(k.KopiaPomiaru));
}
}  // namespace

bool OtworzKopiePomiaru(KontrolkiPomiaru& k, const NaglowekDiagramu& d)
{
    k.KopiaPomiaru = Pomiary[static_cast<std::size_t>(d.NrPomiaru)];
    PokazStempel(k, "Ostatnia edycja :  ");
    if (!d.AutoAktualizacja || !AktualizujZPliku(k.KopiaPomiaru))
        return false;
    PokazStempel(k, "ZAKTUALIZOWANO :  ");
    return true;
}

bool WczytajPomiarStrony(KontrolkiPomiaru& k, bool rondo)
{
    DanePomiar wczytany;  // fresh: nothing of the count shown before mixes in
    if (!Uslugi().WybierzPomiar(wczytany, rondo))
        return false;
    k.KopiaPomiaru = wczytany;
    PokazStempel(k, "Ostatnia edycja :  ");
    PokazOpisPomiaru(k);
    PokazKlasyPomiaru(k.SG_Tabela, k.KopiaPomiaru);
    k.KopiaWspolczynnikow.Wspolczynnik = k.KopiaPomiaru.WspPojazdu;
    return true;
}

bool PokazPrognozeDiagramu(KontrolkiPomiaru& k, const NaglowekDiagramu& d)
{
    const bool jest = JestIndeksem(d.NrPrognozy, Prognozy);
    k.KopiaPrognozy = PrognozaDiagramu(d);
    k.B_Prognoza->setText(QString::fromUtf8(jest ? "Edytuj Prognozę" : "Dodaj Prognozę"));
    k.B_UsunPrognoze->setEnabled(jest);
    if (!jest)
        k.CB_WlaczPrognoze->hide();
    return jest;
}

bool PrzyjmijPrognoze(KontrolkiPomiaru& k, const WynikPrognozy& w)
{
    if (w.PomiarPrzelaczony)
        k.PomiarPrzelaczony = 1;
    // A forecast window left without a change adds nothing and switches nothing on.
    if (!w.PrognozaZmieniona)
        return false;
    k.PrognozaZmieniona = 1;
    k.B_UsunPrognoze->setEnabled(true);
    k.B_Prognoza->setText(QString::fromUtf8("Zmień prognozę"));
    k.CB_WlaczPrognoze->show();
    k.CB_WlaczPrognoze->setChecked(true);
    k.B_PokazPrognoze->setEnabled(true);
    return true;
}

void UsunPrognozeDiagramu(KontrolkiPomiaru& k, NaglowekDiagramu& d)
{
    k.B_Prognoza->setText(QString::fromUtf8("Dodaj prognozę"));
    k.CB_WlaczPrognoze->hide();
    d.NrPrognozy = -1;
    d.WlaczPrognoze = 0;
    // The diagram changed at once, whatever the window's end.
    ZmienionoProjekt();
}

void PokazKopieWspolczynnikow(KontrolkiPomiaru& k)
{
    const QSignalBlocker b(k.SG_Tabela);
    for (int w = 0; w < KlasPojazdow; ++w)
        UstawKomorke(k.SG_Tabela, w, 2,
                     FormatFloat("#0.0##", k.KopiaWspolczynnikow.Wspolczynnik[static_cast<std::size_t>(w)]));
}

bool WstawOpisyPomiaru(const KontrolkiPomiaru& k, QLineEdit* tytul1, QLineEdit* tytul2, QLineEdit* tytul3)
{
    const bool wpisy = !tytul1->text().isEmpty() || !tytul2->text().isEmpty() || !tytul3->text().isEmpty();
    if (wpisy && !ZapytajTakNie(QString::fromUtf8("Zamienić istniejące wpisy?")))
        return false;
    tytul1->setText(k.L_NazwaWezla->text() + "  " + k.L_Sekcja->text());
    tytul2->setText("Pomiar : " + k.L_DataCzasPomiaru->text());
    tytul3->setText(k.CB_WlaczPrognoze->isChecked() ? "Prognoza" : "");
    return true;
}

void ZbudujStronePomiaru(QWidget* s, KontrolkiPomiaru& k, const PodpisyStronyPomiaru& podpisy)
{
    auto* u = new QGridLayout(s);
    k.W_WczytajPomiar = NowyPrzycisk(s, "W_WczytajPomiar", "Wczytaj pomiar");
    k.L_WczytanoPomiar = NowaEtykieta(s, "L_WczytanoPomiar", "Plik:");
    k.L_LastEdit = NowaEtykieta(s, "L_LastEdit", "Ostatnia edycja");
    const OpisPomiaruOkna opis = NowyOpisPomiaru(s);
    k.L_NazwaWezla = opis.L_NazwaWezla;
    k.L_Sekcja = opis.L_Sekcja;
    k.L_DataCzasPomiaru = opis.L_DataCzasPomiaru;
    k.L_Opis1 = opis.L_Opis1;
    k.L_Opis2 = opis.L_Opis2;
    k.CB_AutoAktualizacja = opis.CB_AutoAktualizacja;
    k.B_WstawOpisy = opis.B_WstawOpisy;
    k.SG_Tabela = NowaSiatkaWspolczynnikow(s);
    k.B_Prognoza = NowyPrzycisk(s, "B_Prognoza", podpisy.prognoza);
    k.B_UsunPrognoze = NowyPrzycisk(s, "B_UsunPrognoze", "Usuń prog.");
    k.CB_WlaczPrognoze = NowyPrzelacznik(s, "CB_WlaczPrognoze", "Włącz prognozę");
    k.GB_Wyniki = new QGroupBox(QString::fromUtf8("Dane, sumy na wlotach:"), s);
    k.GB_Wyniki->setObjectName("GB_Wyniki");
    auto* uw = new QVBoxLayout(k.GB_Wyniki);
    k.IOpisyWloty = NowaEtykieta(k.GB_Wyniki, "IOpisyWloty");
    k.IOpisyWloty->setFixedSize(podpisy.szerokoscObrazu, podpisy.wysokoscObrazu);
    k.B_Odswiez = NowyPrzycisk(k.GB_Wyniki, "B_Odswiez", "Odśwież");
    uw->addWidget(k.IOpisyWloty);
    uw->addWidget(k.B_Odswiez);
    k.B_PokazNatezenia = NowyPrzycisk(s, "B_PokazNatezenia", podpisy.natezenia);
    k.B_PokazPomiar = NowyPrzycisk(s, "B_PokazPomiar", "Pokaż pomiar");
    k.B_PokazPrognoze = NowyPrzycisk(s, "B_PokazPrognoze", podpisy.pokazPrognoze);
    k.B_PokazWspolczynniki = NowyPrzycisk(s, "B_PokazWspolczynniki", "Pokaż współczynniki");
    u->addWidget(k.W_WczytajPomiar, 0, 0);
    u->addWidget(k.L_WczytanoPomiar, 0, 1, 1, 2);
    u->addWidget(k.L_LastEdit, 1, 0, 1, 3);
    u->addWidget(opis.grupa, 2, 0, 1, 3);
    u->addWidget(k.SG_Tabela, 3, 0, 4, 1);
    u->addWidget(k.B_Prognoza, 3, 1);
    u->addWidget(k.B_UsunPrognoze, 3, 2);
    u->addWidget(k.CB_WlaczPrognoze, 4, 1);
    u->addWidget(k.GB_Wyniki, 5, 1, 1, 2);
    auto* raporty = new QHBoxLayout;
    for (QPushButton* b : {k.B_PokazNatezenia, k.B_PokazPomiar, k.B_PokazPrognoze, k.B_PokazWspolczynniki})
        raporty->addWidget(b);
    u->addLayout(raporty, 7, 0, 1, 3);
}

bool AktualizujZPliku(DanePomiar& kopia)
{
    const std::string plik = PlikPomiaru(kopia);
    if (!PlikIstnieje(plik) || !Uslugi().StempelPomiaru)
        return false;
    TDataCzas data = 0.0, godz = 0.0;
    if (!Uslugi().StempelPomiaru(plik, data, godz) ||
        !(data > kopia.DataOstEdycja || (data == kopia.DataOstEdycja && godz > kopia.GodzOstEdycja)))
        return false;
    std::string blad;
    // Read into a record of its own: a refused file leaves the copy whole.
    DanePomiar nowszy;
    if (Uslugi().CzytajPomiar && Uslugi().CzytajPomiar(plik, nowszy, blad)) {
        kopia = nowszy;
        return true;
    }
    if (!blad.empty())
        Dialogi().Blad(blad);
    return false;
}

namespace {
// The copy over the linked record, or appended and linked.
template <class T>
void ZapiszKopie(std::vector<T>& tabela, int32_t& indeks, const T& kopia)
{
    if (JestIndeksem(indeks, tabela))
        tabela[static_cast<std::size_t>(indeks)] = kopia;
    else {
        tabela.push_back(kopia);
        indeks = static_cast<int32_t>(tabela.size()) - 1;
    }
}
}  // namespace

void ZapiszPrognozeDiagramu(NaglowekDiagramu& d, const DanePrognoza& kopia) { ZapiszKopie(Prognozy, d.NrPrognozy, kopia); }

void ZapiszPomiarDiagramu(NaglowekDiagramu& d, const DanePomiar& pomiar, const DaneWspolczynniki& wsp)
{
    ZapiszKopie(Wspolczynniki, d.NrWspolczynnikow, wsp);
    ZapiszKopie(Pomiary, d.NrPomiaru, pomiar);
}

void PokazRaportOkna(const std::vector<std::string>& tresc)
{
    const QDateTime t = QDateTime::currentDateTime();
    const TDataCzas dzis = KodujDate(t.date().year(), t.date().month(), t.date().day());
    const TDataCzas teraz = KodujCzas(t.time().hour(), t.time().minute(), t.time().second());
    std::vector<std::string> linie = PoczatekRaportu(dzis, teraz, Okno().Tytul());
    linie.insert(linie.end(), tresc.begin(), tresc.end());
    if (Uslugi().PokazRaport)
        Uslugi().PokazRaport(linie);
}
