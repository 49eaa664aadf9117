#pragma once
// Named controls of the junction data windows, built in one line, and the
// texts of edits as the program holds texts (Windows-1250).

#include <QPushButton>
#include <QString>
#include <string>

#include <initializer_list>

#include "base/Kodowanie.h"
#include "base/Typy.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// Apart from the shell's helpers of the same purpose.
namespace pola {

QLineEdit* NowePole(QWidget* rodzic, const char* nazwa, int szerokosc = 50);
QCheckBox* NowyPrzelacznik(QWidget* rodzic, const char* nazwa, const char* tekst);
QRadioButton* NowyWybor(QWidget* rodzic, const char* nazwa, const char* tekst);
QPushButton* NowyPrzycisk(QWidget* rodzic, const char* nazwa, const char* tekst);
QLabel* NowaEtykieta(QWidget* rodzic, const char* nazwa, const char* tekst = "");
// Names built from parts ("E" + 1 + "_L").
std::string Nazwa(const std::string& a, int k, const std::string& b = "");

std::string TekstPola(const QLineEdit* pole);
// The text of an edit that enters the project, telling whether every
// character has a Windows-1250 form.
TekstZOkna TekstZPola(const QLineEdit* pole);
// The refusal of the first edit whose text cannot enter a record's field of
// `pojemnosc` characters, named `nazwa`; "" when every one can.
std::string OdmowaPol(std::initializer_list<const QLineEdit*> pola, int pojemnosc, const char* nazwa);
// Forgets the number the edit was shown with (WpiszTekst).
void UstawTekstPola(QLineEdit* pole, const std::string& cp1250);
// The edit's text as the window read it (separators corrected, a default
// for an empty one) written back where it differs: a text left as shown
// keeps its number.
void OddajTekstPola(QLineEdit* pole, const std::string& cp1250);
std::string TekstEtykiety(const QLabel* l);
void UstawTekstEtykiety(QLabel* l, const std::string& cp1250);
// The edit's text with "." and "," made the system's separator, written back.
std::string PoprawPole(QLineEdit* pole);

// A crossings box's arrow picture from the program's data folder ("L   P"
// when it cannot be read).
void PokazObrazStrzalek(QLabel* l, const std::string& plik);

// A colour box: a flat button painted with its colour.
}  // namespace pola
