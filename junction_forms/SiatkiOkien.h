#pragma once
// The parts the junction and roundabout data windows build alike: the
// count's description group and coefficient grid of the count page, and the
// grids of the vehicle-structure page with their filling from the project's
// table of vehicle types.

#include <array>
#include <cstdint>
#include <string>

#include "junction_forms/GeometriaWezla.h"
#include "model/Ruchoplan.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

// "Opis pomiaru": location, section, date, two description lines, the
// auto-update box and "Wstaw opisy".
struct OpisPomiaruOkna {
    QGroupBox* grupa;
    QLabel *L_NazwaWezla, *L_Sekcja, *L_DataCzasPomiaru, *L_Opis1, *L_Opis2;
    QCheckBox* CB_AutoAktualizacja;
    QPushButton* B_WstawOpisy;
};
OpisPomiaruOkna NowyOpisPomiaru(QWidget* strona);

// SG_Tabela: the classes 1..20 in rows 0..19, "Lp", "  Opis", "  Wsp.";
// only the coefficient column is edited.
QTableWidget* NowaSiatkaWspolczynnikow(QWidget* strona);

// SG_Stru ("Typ", "szt."), SG_StrukturaDane ("Lp", "Ozn", "Opis", "wsp.")
// and CB_iStruktura ("1" .. "10").
struct SiatkiStruktury {
    QTableWidget* SG_Stru;
    QTableWidget* SG_StrukturaDane;
    QComboBox* CB_iStruktura;
};
SiatkiStruktury NoweSiatkiStruktury(QWidget* strona, bool edytowalnaLiczba);

// One relation's structure block, types 1..n, into SG_Stru's "szt." column.
void PokazBlokStruktury(QTableWidget* SG_Stru, const std::array<int32_t, ElementowStruktury>& blok);

// The "szt." column as whole counts within the table of limits; a cell that
// is none names its type and the relation `relacja` ("wj").
WynikKontroli SprawdzBlokStruktury(const QTableWidget* SG_Stru, const std::string& relacja);

// Both grids sized to the project's number of types and filled from its
// table (the settings grid editable or not), the combo showing the number.
void PokazSkladStruktury(const SiatkiStruktury& s, bool edytowalnySklad);
