#pragma once
// The Qt boundary of the program's texts: QString <-> Windows-1250 bytes.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/Kodowanie.h"

QString NaQString(std::string_view cp1250);
std::string ZQString(const QString& tekst);

// A path between Qt and the program: never through Windows-1250, so that
// every name the file system holds survives. A path is a
// std::filesystem::path on the program's side: NaQString and ZQString, the
// texts' conversions, do not take one.
QString SciezkaNaQString(const std::filesystem::path& sciezka);
std::filesystem::path SciezkaZQString(const QString& sciezka);
// A path as the user is shown it (a caption, a hint, a menu item). Qt holds
// only names in UTF-8; a byte that is no part of UTF-8 (a name an older
// system gave in Windows-1250) shows as the Windows-1250 letter, never as a
// replacement mark. Not for Qt's file functions: they get SciezkaNaQString.
QString SciezkaDoPokazania(const std::filesystem::path& sciezka);
// A text typed into a window, telling whether every character has a
// Windows-1250 form.
TekstZOkna ZQStringZOkna(const QString& tekst);
