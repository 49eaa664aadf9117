#pragma once
// The shared Yes/No/Cancel question of the program, as the count windows
// ask it. The shell installs its question window here at start; without it
// the platform's yes/no question answers (never "Kasuj").

#include <QString>
#include <functional>

constexpr int PytanieTak = 1;
constexpr int PytanieNie = 7;
constexpr int PytanieKasuj = 2;

using TPytanieOkien = std::function<int(const QString& pytanie, bool zKasuj)>;
void UstawPytanieOkien(TPytanieOkien pytanie);
int Zapytaj(const QString& pytanie, bool zKasuj);

// "Plik <path> już istnieje! Nadpisać?" without "Kasuj": true for "Tak".
bool NadpisacPlik(const std::string& sciezka);
