#pragma once
// Text files of the program: lines of Windows-1250 bytes ending in CR LF.
// Readers also take LF or CR alone; a last line without an end counts.
// Paths and error texts are Windows-1250 like the rest of the program.

#include <cstdint>
#include <string>
#include <vector>

// Larger files are refused: no file of the program comes near it.
constexpr std::uintmax_t MaksRozmiarPlikuTekstowego = 256u * 1024u * 1024u;

// Reads every line of the file. On failure returns false with a Polish
// message in `blad`; `linie` is then empty.
bool CzytajLinie(const std::string& sciezka, std::vector<std::string>& linie, std::string& blad);

// Writes the lines, each ending in CR LF, into a new file beside the target
// and puts it in the target's place only when everything has been written
// and flushed. On failure the old file is untouched and `blad` says why.
bool ZapiszLinieBezpiecznie(const std::string& sciezka, const std::vector<std::string>& linie, std::string& blad);
