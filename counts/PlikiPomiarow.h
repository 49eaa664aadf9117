#pragma once
// The count file "*.pom", the count settings file "*.upm" and the forecast
// file "*.pgz": writers and readers. Plain C++, no window.
//
// Files are Windows-1250 lines ending in CR LF (UTF-8, with the byte-order
// mark or without it, is read through TekstPlikuWCp1250); every list or
// value follows a key line of ten underscores and the key, and the readers
// take the groups in any order. A reader refuses a malformed file with a message naming the
// file and the line ("Błąd w pliku <file>, linia <n>: ...") and leaves the
// record it was given as it was; writers go through the safe save, so the
// old file survives a failed write.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/Pomiar.h"
#include "model/UstawieniaPomiaru.h"
#include "base/Typy.h"

// The header keys of a count file, read for the lists and filters.
struct NaglowekPomiaru {
    KrotkiTekst<255> Lokalizacja;
    KrotkiTekst<255> Sekcja;
    TDataCzas DataOstEdycja = 0.0;
    TDataCzas DataPomiaru = 0.0;
    TDataCzas GodzOstEdycja = 0.0;
    KrotkiTekst<3> TypWezla;
};

// ---------------------------------------------------------------- "*.pom"

// The count the count editor works on.
extern DanePomiar BiezacyPomiar;

// The 667 lines of a count file saved at the given moment.
std::vector<std::string> LiniePlikuPomiaru(const DanePomiar& p, TDataCzas dataZapisu, TDataCzas godzZapisu);
// Saves with the system clock's date and time as the moment of saving; the
// record's own last-edit fields stay as they are. `uwaga` gets what the save
// could not keep of the old file (ZapisBezpieczny::Uwaga), as below. With
// `zmiany` a file changed since its record asks first (ZapisZmienionego).
bool ZapiszPlikPomiaru(const std::string& sciezka, const DanePomiar& p, std::string& blad,
                       std::string* uwaga = nullptr, ZapisZmienionego* zmiany = nullptr);
// The same; once saved, the record's last-edit fields hold the moment the
// file holds.
bool ZapiszPomiarZDataEdycji(const std::string& sciezka, DanePomiar& p, std::string& blad,
                             std::string* uwaga = nullptr, ZapisZmienionego* zmiany = nullptr);
// Replaces `p` whole with the count of the file and sets NazwaPliku to the
// file's name without folder (a name the project cannot hold is refused). Every group the writer writes must be in the
// file and every value within its limit, else `p` stays as it was; the
// totals are worked out from the tables. `zawartosc` gets the record of the
// bytes read.
bool CzytajPlikPomiaru(const std::string& sciezka, DanePomiar& p, std::string& blad,
                       ZawartoscPliku* zawartosc = nullptr);
// Only the header keys, for the lists (what the file lacks stays in `n`).
bool CzytajNaglowekPomiaru(const std::string& sciezka, NaglowekPomiaru& n, std::string& blad);
// The same from the file's text or its lines; `nazwaPliku` names the file
// in messages.
bool CzytajTekstPomiaru(std::string tresc, const std::string& nazwaPliku, DanePomiar& p, std::string& blad);
bool CzytajLiniePomiaru(const std::vector<std::string>& linie, const std::string& nazwaPliku, DanePomiar& p,
                        std::string& blad);

// The file name after the last "/".
std::string NazwaBezKatalogu(const std::string& sciezka);
// The file's name as a count record keeps it in the project (Windows-1250);
// a name the project cannot hold is refused with the message, never mangled.
bool NazwaPlikuWProjekcie(const std::string& sciezka, std::string& nazwa, std::string& blad);
// That message in UTF-8, naming the file as given (UTF-8), for a window that
// shows the name as the user typed it.
std::string OdmowaNazwyPliku(std::string_view nazwaUtf8);

// ---------------------------------------------------------------- "*.upm"
// The settings file is read where the defaults of a new count are made.
// ---------------------------------------------------------------- "*.pgz"

std::vector<std::string> LiniePlikuPrognozy(const DanePrognoza& p);
bool ZapiszPlikPrognozy(const std::string& sciezka, const DanePrognoza& p, std::string& blad,
                        std::string* uwaga = nullptr, ZapisZmienionego* zmiany = nullptr);
// Replaces `p` whole. A group missing from the file, a mode other than
// "True" or "False", or a cell longer than it is kept refuses the file.
// `zawartosc` gets the record of the bytes read.
bool CzytajPlikPrognozy(const std::string& sciezka, DanePrognoza& p, std::string& blad,
                        ZawartoscPliku* zawartosc = nullptr);
bool CzytajTekstPrognozy(std::string tresc, const std::string& nazwaPliku, DanePrognoza& p, std::string& blad);
bool CzytajLiniePrognozy(const std::vector<std::string>& linie, const std::string& nazwaPliku, DanePrognoza& p,
                         std::string& blad);

// The folders of counts, forecasts and count settings, made when missing;
// "" or the message of the folder that could not be made.
std::string UtworzKatalogiPomiarow();
