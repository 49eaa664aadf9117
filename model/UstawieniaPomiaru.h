#pragma once
// The count settings file "*.upm": the vehicle classes and crossing
// categories a new count starts with. One strict reader serves the settings
// window and the defaults of every new count.

#include <array>
#include <string>
#include <vector>

#include "model/Pomiar.h"
#include "platform/ZapisBezpieczny.h"

// The vehicle classes and crossing categories as texts, as the settings
// window shows them (factors as typed).
struct UstawieniaPomiaru {
    std::array<std::string, KlasPojazdow> Nazwa{};
    std::array<std::string, KlasPojazdow> Ozn{};
    std::array<std::string, KlasPojazdow> Wsp{};
    std::array<std::string, KategoriiPrzejsc> NazwaPrzejscia{};
    std::array<std::string, KategoriiPrzejsc> OznPrzejscia{};
    friend bool operator==(const UstawieniaPomiaru&, const UstawieniaPomiaru&) = default;
};

// The classes of a count as the window shows them (factors "#0.0#").
UstawieniaPomiaru UstawieniaZPomiaru(const DanePomiar& p);
// The built-in class table (the crossing texts left empty).
UstawieniaPomiaru WbudowaneKlasyPojazdow();
// The built-in crossing categories.
UstawieniaPomiaru WbudowanePrzejscia(UstawieniaPomiaru u);

std::vector<std::string> LiniePlikuUstawien(const UstawieniaPomiaru& u);
// `uwaga` gets what the save could not keep of the old file (ZapisBezpieczny::Uwaga);
// with `zmiany` a file changed since its record asks first (ZapisZmienionego).
bool ZapiszPlikUstawien(const std::string& sciezka, const UstawieniaPomiaru& u, std::string& blad,
                        std::string* uwaga = nullptr, ZapisZmienionego* zmiany = nullptr);

// The vehicle group must be in the file; a factor that is no number within
// its limit, or a name or mark longer than a count keeps it, refuses the
// file naming the line. The crossing texts are set only when the file holds
// their group (`zPrzejsciami` tells). A refused file leaves `u` as it was.
// `zawartosc` gets the record of the bytes read.
bool CzytajPlikUstawien(const std::string& sciezka, UstawieniaPomiaru& u, bool& zPrzejsciami, std::string& blad,
                        ZawartoscPliku* zawartosc = nullptr);
// The same from the file's text; `nazwaPliku` names the file in messages.
bool CzytajTekstUstawien(std::string tresc, const std::string& nazwaPliku, UstawieniaPomiaru& u, bool& zPrzejsciami,
                         std::string& blad);
bool CzytajLinieUstawien(const std::vector<std::string>& linie, const std::string& nazwaPliku, UstawieniaPomiaru& u,
                         bool& zPrzejsciami, std::string& blad);

// The classes (and the crossings when `zPrzejsciami`) of settings the reader
// accepted into a count.
void UstawKlasyPomiaru(DanePomiar& p, const UstawieniaPomiaru& u, bool zPrzejsciami);
