#pragma once
// A number an edit shows rounded. The edit remembers the value it showed:
// while its text stays as shown, reading it gives that value back whole, so
// that a window committed without an edit stores what it was given.

#include <QString>
#include <optional>

class QLineEdit;

// Shows `tekst` (the number as the window rounds it) for `wartosc`.
void PokazLiczbe(QLineEdit* pole, const QString& tekst, double wartosc);
// The value the edit was given, while its text is the one shown with it.
std::optional<double> LiczbaPokazana(const QLineEdit* pole);
// The edit shows another number than the window was given (a picked point):
// its text is read as typed.
void ZapomnijLiczbe(QLineEdit* pole);
// Code fills the edit with a text of its own: the number shown before is
// forgotten even when the text is the same, for it may stand for another
// record's number.
void WpiszTekst(QLineEdit* pole, const QString& tekst);
