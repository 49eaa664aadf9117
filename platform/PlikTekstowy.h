#pragma once
// Text files of the program: lines of Windows-1250 bytes ending in CR LF.
// Readers also take LF or CR alone; a last line without an end counts.
// Paths are the system's (KatalogProgramu.h); error texts are Windows-1250.

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

// Larger files are refused: no file of the program comes near it.
constexpr std::uintmax_t MaksRozmiarPlikuTekstowego = 256u * 1024u * 1024u;

// Reads the whole of a regular file (a folder, a pipe or a device is refused
// at once, without waiting on it). On failure (no memory for the contents
// too) returns false with a Polish message naming the file in `blad`;
// `tresc` is then empty.
bool CzytajPlik(const std::string& sciezka, std::string& tresc, std::string& blad);

// How a kind of file tells UTF-8 without the byte-order mark from
// Windows-1250: true when the text (after any mark) is UTF-8 by the kind's
// own fixed words standing in it in UTF-8 (a project's section title
// "Węzły"). Null for a kind whose fixed words hold no Polish letter.
using RozpoznanieUtf8 = bool (*)(std::string_view tekst);

// Makes a file's bytes the program's Windows-1250 text, in place, before its
// reader takes them. A text opening with the UTF-8 byte-order mark (as an
// editor re-saves it) is UTF-8: the mark is dropped and the rest converted,
// its lines where they were. So is a text without the mark that
// `utf8BezZnacznika` takes for UTF-8. Bytes that are no UTF-8 are
// Windows-1250 after all (behind the mark, as older files were saved): only
// the mark goes. A character that Windows-1250 lacks refuses the file naming
// the line; UTF-16 is refused naming its form and a form to save the file in
// that this kind is read right in. Any other text is Windows-1250 already
// and stays as it is. On refusal false with the message in `blad`, `tresc`
// then empty.
bool TekstPlikuWCp1250(std::string& tresc, const std::string& sciezka, std::string& blad,
                       RozpoznanieUtf8 utf8BezZnacznika = nullptr);

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
