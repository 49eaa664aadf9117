#pragma once
// The Qt boundary of the program's texts: QString <-> Windows-1250 bytes.

#include <QString>
#include <string>
#include <string_view>

QString NaQString(std::string_view cp1250);
std::string ZQString(const QString& tekst);
