#pragma once
// What the junction and roundabout data windows do alike on their count
// page: the coefficient grid, the count's description and stamp, the
// automatic update from a newer count file, and the head and showing of a
// text report.

#include <QCheckBox>
#include <QPushButton>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Kodowanie.h"
#include "junction_forms/GeometriaWezla.h"
#include "model/NaglowekDiagramu.h"
#include "model/Pomiar.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QWidget;
struct WynikPrognozy;

// The count page's controls, named as both data windows name them, its
// flags and the working copies of the count, its coefficients and forecast.
struct KontrolkiPomiaru {
    // The copies start as a new count and an empty forecast.
    KontrolkiPomiaru();

    QPushButton* W_WczytajPomiar = nullptr;
    QLabel *L_WczytanoPomiar = nullptr, *L_LastEdit = nullptr;
    QLabel *L_NazwaWezla = nullptr, *L_Sekcja = nullptr, *L_DataCzasPomiaru = nullptr, *L_Opis1 = nullptr,
           *L_Opis2 = nullptr;
    QCheckBox* CB_AutoAktualizacja = nullptr;
    QPushButton* B_WstawOpisy = nullptr;
    QTableWidget* SG_Tabela = nullptr;   // rows 1..20 at 0..19; columns "Lp", "  Opis", "  Wsp."
    QPushButton *B_Prognoza = nullptr, *B_UsunPrognoze = nullptr;
    QCheckBox* CB_WlaczPrognoze = nullptr;
    QGroupBox* GB_Wyniki = nullptr;
    QLabel* IOpisyWloty = nullptr;
    QPushButton *B_Odswiez = nullptr, *B_PokazNatezenia = nullptr, *B_PokazPomiar = nullptr,
                *B_PokazPrognoze = nullptr, *B_PokazWspolczynniki = nullptr;

    uint8_t PrognozaZmieniona = 0;  // the forecast copy was changed in the forecast window
    uint8_t PomiarPrzelaczony = 0;  // the volumes are to be computed and stored again
    uint8_t TabelaZmieniona = 0;    // a coefficient was edited
    DanePomiar KopiaPomiaru;
    DaneWspolczynniki KopiaWspolczynnikow;
    DanePrognoza KopiaPrognozy;
};

// What the two windows' pages write differently.
struct PodpisyStronyPomiaru {
    const char* prognoza;        // B_Prognoza
    const char* natezenia;       // B_PokazNatezenia
    const char* pokazPrognoze;   // B_PokazPrognoze
    int szerokoscObrazu, wysokoscObrazu;   // IOpisyWloty
};
// The page's controls made, named and laid out on `strona`.
void ZbudujStronePomiaru(QWidget* strona, KontrolkiPomiaru& k, const PodpisyStronyPomiaru& podpisy);

// The page's buttons and boxes wired to the window's handlers of the same names.
template <class Okno>
void PolaczStronePomiaru(Okno* o)
{
    QObject::connect(o->W_WczytajPomiar, &QPushButton::clicked, o, &Okno::W_WczytajPomiarClick);
    QObject::connect(o->B_Prognoza, &QPushButton::clicked, o, &Okno::B_PrognozaClick);
    QObject::connect(o->B_UsunPrognoze, &QPushButton::clicked, o, &Okno::B_UsunPrognozeClick);
    QObject::connect(o->B_WstawOpisy, &QPushButton::clicked, o, &Okno::B_WstawOpisyClick);
    QObject::connect(o->CB_WlaczPrognoze, &QCheckBox::clicked, o, &Okno::CB_WlaczPrognozeMouseUp);
    QObject::connect(o->CB_AutoAktualizacja, &QCheckBox::clicked, o, &Okno::CB_AutoAktualizacjaMouseUp);
    QObject::connect(o->B_Odswiez, &QPushButton::clicked, o, &Okno::B_OdswiezClick);
    QObject::connect(o->B_PokazNatezenia, &QPushButton::clicked, o, &Okno::B_PokazNatezeniaClick);
    QObject::connect(o->B_PokazPomiar, &QPushButton::clicked, o, &Okno::B_PokazPomiarClick);
    QObject::connect(o->B_PokazPrognoze, &QPushButton::clicked, o, &Okno::B_PokazPrognozeClick);
    QObject::connect(o->B_PokazWspolczynniki, &QPushButton::clicked, o, &Okno::B_PokazWspolczynnikiClick);
}

namespace pola {
// A grid cell's text as the program holds texts, "" for an empty cell.
std::string Komorka(const QTableWidget* t, int wiersz, int kolumna);
// The same for a text that enters the project, telling whether every
// character has a Windows-1250 form.
TekstZOkna KomorkaZOkna(const QTableWidget* t, int wiersz, int kolumna);
void UstawKomorke(QTableWidget* t, int wiersz, int kolumna, const std::string& tekst, bool stala = false);
}  // namespace pola

// Column 2 of rows 1..20 (grid rows 0..19) without blanks and with the
// system's separator, written back; a cell that is no coefficient names its
// row (the last one wins).
WynikKontroli SprawdzSiatkeWspolczynnikow(QTableWidget* siatka);
// The coefficients of a checked grid, 0 for an empty cell.
void CzytajSiatkeWspolczynnikow(const QTableWidget* siatka, DaneWspolczynniki& w);
// The class names and the count's own factors into columns 1 and 2.
void PokazKlasyPomiaru(QTableWidget* siatka, const DanePomiar& p);

// The last-edit stamp of a count: "YYYY-MM-DD HH:MM:SS".
std::string StempelPomiaru(const DanePomiar& p);

// No count linked: the default copy, the description and the grid emptied.
void WyczyscStronePomiaru(KontrolkiPomiaru& k);

// The coefficients a diagram's count is weighed by: its linked set, else the
// count's own factors, else (no count) the defaults.
DaneWspolczynniki WspolczynnikiDiagramu(const NaglowekDiagramu& d, const DanePomiar* pomiar);
// The diagram's linked forecast, the default one when none is linked.
DanePrognoza PrognozaDiagramu(const NaglowekDiagramu& d);

// The diagram's count over the copy, read again from its file when the file
// is newer and the diagram updates itself, with the stamp shown. True when
// it was read again.
bool OtworzKopiePomiaru(KontrolkiPomiaru& k, const NaglowekDiagramu& d);
// "Wczytaj pomiar": the count picked (a roundabout's when `rondo`) over the
// copy, its stamp, description and class factors shown and taken as the
// coefficients. False when none was picked.
bool WczytajPomiarStrony(KontrolkiPomiaru& k, bool rondo);
// The forecast copy from the diagram's link, and the captions and state of
// the forecast buttons both windows set alike. True when one is linked.
bool PokazPrognozeDiagramu(KontrolkiPomiaru& k, const NaglowekDiagramu& d);
// The forecast window's outcome on the page: a switched count marked; a
// changed forecast marked and offered for showing, removing and switching
// on (switched on). True when the forecast was changed.
bool PrzyjmijPrognoze(KontrolkiPomiaru& k, const WynikPrognozy& w);
// "Usuń prognozę" agreed: the diagram loses its forecast at once, the
// buttons offer adding one.
void UsunPrognozeDiagramu(KontrolkiPomiaru& k, NaglowekDiagramu& d);
// The coefficient copy into the grid's column 2.
void PokazKopieWspolczynnikow(KontrolkiPomiaru& k);

// "Wstaw opisy": the title lines from the count's description (and the
// forecast's switch), after asking when one of them holds text. False when
// the user keeps them.
bool WstawOpisyPomiaru(const KontrolkiPomiaru& k, QLineEdit* tytul1, QLineEdit* tytul2, QLineEdit* tytul3);

// The count copy's file and description into the page's labels.
void PokazOpisPomiaru(const KontrolkiPomiaru& k);

// Reads the count file of `kopia` over it when the file was edited after the
// copy's stamp. True when it was re-read; a file that cannot be read shows
// the reader's message.
bool AktualizujZPliku(DanePomiar& kopia);

// The diagram's forecast copy over its linked forecast (or added and linked).
void ZapiszPrognozeDiagramu(NaglowekDiagramu& d, const DanePrognoza& kopia);
// The diagram's coefficients and count copies, likewise.
void ZapiszPomiarDiagramu(NaglowekDiagramu& d, const DanePomiar& pomiar, const DaneWspolczynniki& wsp);

// A report's lines under the common head (today, now, the project's file),
// shown in the report window.
void PokazRaportOkna(const std::vector<std::string>& tresc);
