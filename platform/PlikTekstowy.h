#pragma once
// Text files of the program: lines of Windows-1250 bytes ending in CR LF.
// Readers also take LF or CR alone; a last line without an end counts.
// Paths are the system's (KatalogProgramu.h); error texts are Windows-1250.

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ZawartoscPliku.h"

// Larger files are refused: no file of the program comes near it.
constexpr std::uintmax_t MaksRozmiarPlikuTekstowego = 256u * 1024u * 1024u;

// Reads the whole of a regular file (a folder, a pipe or a device is refused
// at once, without waiting on it). On failure (no memory for the contents
// too) returns false with a Polish message naming the file in `blad`;
// `tresc` is then empty.
bool CzytajPlik(const std::string& sciezka, std::string& tresc, std::string& blad);
// As above, and where `zawartosc` is given the record of the bytes read with
// the file's identity, for a save back (ZapisBezpieczny::ZnanaZawartosc).
bool CzytajPlik(const std::string& sciezka, std::string& tresc, std::string& blad, ZawartoscPliku* zawartosc);

// Makes a file's bytes the program's Windows-1250 text, in place, before its
// reader takes them, by one rule for every kind of file. A text (after any
// UTF-8 byte-order mark) holding the UTF-8 of some character Windows-1250 has
// beyond ASCII (MaZnakCp1250WUtf8) is UTF-8, with the mark or without:
// Windows-1250 text practically never forms one. So is a text behind the
// mark that is valid UTF-8 throughout. UTF-8 is converted, its lines where
// they were, the mark dropped; a line that is no valid UTF-8 (a byte of a
// letter lost) or holds a character Windows-1250 lacks refuses the file
// naming the line. Any other text is Windows-1250 already and stays, the mark
// only dropped. UTF-16 and UTF-32 are refused naming their form. On refusal
// false with the message in `blad`, `tresc` then empty.
bool TekstPlikuWCp1250(std::string& tresc, const std::string& sciezka, std::string& blad);

// The lines of a text, as views into it: CR LF, LF or CR end a line.
std::vector<std::string_view> PodzielNaLinie(std::string_view tresc);
// How many lines PodzielNaLinie finds, counted without making them.
std::size_t PoliczLinie(std::string_view tresc);
// Where the line starting at `od` ends: its CR or LF, or the end of the text.
std::size_t KoniecLinii(std::string_view tresc, std::size_t od);
// Where the line after the one ending at `koniec` (its CR or LF) starts;
// the end of the text when it ends there.
std::size_t PoKoncuLinii(std::string_view tresc, std::size_t koniec);

// Reads every line of the file. On failure returns false with a Polish
// message in `blad`; `linie` is then empty.
bool CzytajLinie(const std::string& sciezka, std::vector<std::string>& linie, std::string& blad);

// The cause of a system error number in Polish ("brak uprawnień").
std::string PrzyczynaBledu(int nrBledu);

// "Nie można zapisać pliku <path> (<cause>)." for a system error number.
std::string KomunikatZapisu(const std::string& sciezka, int nrBledu);
// "Nie można odczytać pliku <path> (<cause>)." likewise.
std::string KomunikatOdczytu(const std::string& sciezka, int nrBledu);

// The system error number behind an exception that stopped the work on a
// file half way: ENOMEM for a lack of memory, the number of a failed system
// call (EIO when it has none); 0 for any other exception, which has a
// message of its own.
int NumerBleduWyjatku(const std::exception& e);
