#pragma once
// The safe save: a file's new contents take its place only when whole, and
// keep who may read and write it. Paths are the system's; messages are
// Windows-1250 (PlikTekstowy.h has the texts of system errors).

#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

#include "platform/ZawartoscPliku.h"

// The question asked before a file that changed since it was read or last
// written is replaced: true replaces it. The text is Windows-1250.
using PytanieOZastapienie = std::function<bool(const std::string& pytanie)>;

// What a save back into a file the program holds needs: the record of the
// file (it becomes the one of the bytes written when the save succeeds) and
// who is asked. `odmowa` tells that the user refused to replace the file:
// the save failed with no error message to show. `naMiejscu` tells that the
// new file is in place though the save failed (its folder's flush did):
// `zawartosc` is its record then too.
struct ZapisZmienionego {
    ZawartoscPliku zawartosc;
    PytanieOZastapienie czyZastapic;
    bool odmowa = false;
    bool naMiejscu = false;
};

// A file written in its target's folder and put in the target's place only
// when all of it has been written and flushed, the folder too after the
// rename: a failed write leaves the old file as it was. Until then the new
// file has no name where the file system allows it, else one of the program's
// own (".~kartogram-" and 16 hexadecimal digits); one without a name gets such
// a name only after the question below, just before the rename, so that a save
// killed while the user is asked leaves nothing. It stays locked from its
// start to the rename; a save removes from its folder only such files of its
// user that no writer holds locked. The program's saves of one file take turns
// from the last check of the target to the rename, by a lock on the file
// itself (KolejZapisu, ZapisTymczasowe.h, says where they hold); the target's
// permissions are read in that turn. A turn not given within a few seconds is
// not waited for: the save goes on without it, and its check before the rename
// still asks about a save that landed meanwhile. A target that is no regular
// file, is read-only or that the user may not write is refused with the
// reason, and so is a name with a line break; one that something other than a
// regular file (a link, a pipe, a folder) replaced during the save fails it
// and stays as it is. Dropped before `Zakoncz`, the half-written file goes
// with it. A symbolic link is followed (in a sticky folder everyone may write,
// only the user's or the folder owner's): the file is written beside the
// link's target and replaces it, and the link stays. A name of the program's
// temporaries' form is refused, and so is another user's file in a sticky
// folder, which only its owner may replace. Until it is whole the new file of
// an existing target is its writer's alone, to write only (0200); just before
// the rename it gets the old one's owner where the user may give it, else its
// group where the user belongs to it, then at once its access list (ACL), then
// its extended attributes and mode. Whoever it passes to, the list changes
// only as the change of hands forces (ListaDlaWlasnosci in ListaUprawnien.cpp
// says how). Where the file system takes no list, no one gets more than he
// had, and `Uwaga` names whose rights were narrowed; a list that cannot be set
// for another reason fails the save, as does any other failed step. A new
// target gets the system's defaults, and so does one gone (deleted, moved
// away) before `Zakoncz`. A target whose permissions change at every check is
// not replaced: the save fails, the old file as it was.
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
    // A file the writer could not give back to another owner or group is
    // the writer's: the message names both, and what the previous ones kept.
    const std::string& Uwaga() const { return uwaga_; }

    // The target as the program read or last wrote it: where it holds other
    // bytes just before the rename (another save replaced it, or it was
    // changed), `czyZastapic` is asked "Plik … został zmieniony po otwarciu
    // (właściciel pliku: …, dd.mm.yyyy hh:mm). Zapisać i zastąpić tamte
    // zmiany?", out of the save's turn, and if it changes once more while
    // asked, "Plik … został ponownie zmieniony (…)". "Nie" leaves the old
    // file as it is: `Zakoncz` fails with `Odmowa()` and no message. A
    // target gone meanwhile asks nothing; an unknown record checks nothing.
    // Set after `Otworz`.
    void ZnanaZawartosc(const ZawartoscPliku& z, PytanieOZastapienie czyZastapic);
    bool Odmowa() const { return odmowa_; }
    // After `Zakoncz`: whether the new file took the target's place, also
    // where the folder's flush failed after it (`Zakoncz` false).
    bool NaMiejscu() const { return naMiejscu_; }
    // While `NaMiejscu`: the record of the bytes written.
    const ZawartoscPliku& Zapisana() const { return zapisana_; }

private:
    bool Otworz(const std::string& sciezka, bool zNazwa, std::string& blad);
    // Whether the target holds other bytes than `znana_`: then `pytanie` is
    // what the user is asked ("ponownie": once more in this save) and
    // `teraz` the record of what he is asked about.
    bool CelZmieniony(bool ponownie, std::string& pytanie, ZawartoscPliku& teraz) const;

    int fd_ = -1;
    int katalog_ = -1;        // the target's folder
    std::string sciezka_;     // as the program holds it
    std::string folder_;      // the target's folder's path
    std::string nazwaCelu_;   // the target's name in its folder
    std::string tymczasowy_;  // the new file's name there; "" while it has none
    std::string uwaga_;
    mode_t tryb_ = 0;         // the new file's mode at its making
    bool naMiejscu_ = false;
    ZawartoscPliku znana_;            // the target as read or last written
    PytanieOZastapienie czyZastapic_;
    bool odmowa_ = false;
    SkrotBajtow pisane_;              // of what `Pisz` wrote
    ZawartoscPliku zapisana_;
};

// What the window does while a save waits for its turn (KolejZapisu,
// ZapisTymczasowe.h): `pokaz(true)` when the wait begins, `pokaz(false)`
// when it ends, whichever way, before any question is asked. The windows'
// layer installs a wait cursor (platform/qt/KursorCzekania.h).
void PokazujCzekanieNaKolej(std::function<void(bool czeka)> pokaz);
const std::function<void(bool czeka)>& PokazCzekaniaNaKolej();

// Tests: saves as on a file system without files that have no name.
void ZapisujTylkoPrzezNazwanePliki(bool tak);

// Writes the lines, each ending in CR LF, through `ZapisBezpieczny`; its
// `Uwaga` goes to `uwaga` when given. With `zmiany`, a file changed since
// its record asks first (`ZnanaZawartosc`); the record becomes the written one.
bool ZapiszLinieBezpiecznie(const std::string& sciezka, const std::vector<std::string>& linie, std::string& blad,
                            std::string* uwaga = nullptr, ZapisZmienionego* zmiany = nullptr);
