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

// A file written in its target's folder and put in the target's place only
// when all of it has been written and flushed, the folder too after the
// rename: a failed write leaves the old file as it was. Until then the new
// file has no name where the file system allows it, else one of the
// program's own (".~kartogram-" and 16 hexadecimal digits). It stays locked
// from its start to the rename; a save removes from its folder only such
// files of its user that no writer holds locked. A target that is no regular
// file, is read-only or that the user may not write is refused with the
// reason, and so is a name with a line break. Dropped before `Zakoncz`, the
// half-written file goes with it. A symbolic link is followed (in a sticky
// folder everyone may write, only the user's or the folder owner's): the
// file is written beside the link's target and replaces it, and the link
// stays. A name of the program's temporaries' form is refused. Until it is
// whole the new file of an existing target is its writer's alone (0600);
// just before the rename it gets the old one's owner where the user may give
// it, else its group where the user belongs to it, its mode, its access
// list (ACL) and the extended attributes users set (user.*). Whatever of
// these it cannot take is named in `Uwaga` and costs access, never gives it:
// a group not kept gets no rights. A new target gets the system's defaults.
class ZapisBezpieczny {
public:
    ZapisBezpieczny() = default;
    ~ZapisBezpieczny();
    ZapisBezpieczny(const ZapisBezpieczny&) = delete;
    ZapisBezpieczny& operator=(const ZapisBezpieczny&) = delete;

    bool Otworz(const std::string& sciezka, std::string& blad);
    // As `Otworz`, the new file named at once for another writer that needs
    // a name (Qt's PDF printer): it writes the file at
    // `SciezkaTymczasowego()`, and `Zakoncz` puts it in the target's place.
    bool OtworzNazwany(const std::string& sciezka, std::string& blad);
    bool Pisz(std::string_view dane, std::string& blad);
    bool Zakoncz(std::string& blad);
    void Porzuc();
    bool Otwarty() const { return fd_ >= 0; }
    // The system's path of the new file; "" while it has no name.
    std::string SciezkaTymczasowego() const;
    // After a successful `Zakoncz`: what the new file could not keep of the
    // old one's, as a message for the user (Windows-1250); "" when nothing.
    const std::string& Uwaga() const { return uwaga_; }

private:
    bool Otworz(const std::string& sciezka, bool zNazwa, std::string& blad);

    int fd_ = -1;
    int katalog_ = -1;        // the target's folder
    std::string sciezka_;     // as the program holds it
    std::string folder_;      // the target's folder's path
    std::string nazwaCelu_;   // the target's name in its folder
    std::string tymczasowy_;  // the new file's name there; "" while it has none
    std::string uwaga_;
};

// Tests: saves as on a file system without files that have no name.
void ZapisujTylkoPrzezNazwanePliki(bool tak);

// Writes the lines, each ending in CR LF, through `ZapisBezpieczny`; its
// `Uwaga` goes to `uwaga` when given.
bool ZapiszLinieBezpiecznie(const std::string& sciezka, const std::vector<std::string>& linie, std::string& blad,
                            std::string* uwaga = nullptr);

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
