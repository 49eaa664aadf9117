#pragma once
// A number typed into an edit of the block, description and clipboard
// windows: separators corrected and written back, then read against the
// table of limits.

#include <string>

#include "model/Granice.h"

#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

// An editable combo box of number texts, its edit showing `tekst`.
QComboBox* NoweRozwijane(QWidget* rodzic, const char* nazwa, const QStringList& pozycje, const QString& tekst = {});

// The edit's text with every "." and "," made the decimal separator, and
// written back so that the user sees what was read (Windows-1250).
std::string TekstPoprawiony(QLineEdit* pole);

// The number of the edit (separators corrected and written back) within
// `g`; a number the window showed (PokazLiczbe) and the user left as shown
// is read whole. False with `brakLiczby` (UTF-8, the window's own message)
// when the text is no number, or the table's message naming `nazwa` when the
// number lies beyond the limit; `komunikat` is Windows-1250.
bool CzytajPole(QLineEdit* pole, const GranicaPola& g, const char* nazwa, const char* brakLiczby, double& wynik,
                std::string& komunikat);
