#pragma once
// The Qt boundary of the program's texts: QString <-> Windows-1250 bytes.

#include <QString>
#include <string>
#include <string_view>

#include "base/Kodowanie.h"

QString NaQString(std::string_view cp1250);
std::string ZQString(const QString& tekst);

// A path between Qt and the program: never through Windows-1250, so that
// every name the file system holds survives.
QString SciezkaNaQString(std::string_view sciezka);
std::string SciezkaZQString(const QString& sciezka);
// A text typed into a window, telling whether every character has a
// Windows-1250 form.
TekstZOkna ZQStringZOkna(const QString& tekst);
