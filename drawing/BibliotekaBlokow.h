#pragma once
// Block libraries ("*.blk") and the block definitions a project keeps.
//
// A library holds any number of definitions, each opened by a marker line
// and closed by an end marker, with a fixed header (name, date, time, group,
// unit) before the command lines. A placed block draws from the project's
// own copy of its definition, so that a saved project draws without the
// library; the copy is a run of `LinieBlokow`: the start marker, the name,
// the body lines and the end marker.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Typy.h"

inline constexpr std::string_view ZnacznikDefinicji = "____________________v1.0";
inline constexpr std::string_view ZnacznikStartu = "______________________________START";
inline constexpr std::string_view ZnacznikKonca = "______________________________KONIEC";

// One definition of a library as read.
struct DefinicjaBiblioteki {
    std::string Nazwa;
    TDataCzas Data = 0.0;
    TDataCzas Czas = 0.0;
    KrotkiTekst<100> Grupa;
    KrotkiTekst<10> Jednostka;
    // The body from the first body line (shown, never drawn) to the line
    // before the end marker, as its text stands in the file: a library of
    // many short lines takes no more room than its file.
    std::string Cialo;

    // Date and time as one moment, for the newer-library test.
    TDataCzas Moment() const { return Data + Czas; }
    // The body's lines, as views into `Cialo`, each of at most 255 characters.
    std::vector<std::string_view> LinieCiala() const;
    // Appends a body line, cut to 255 characters.
    void DodajLinieCiala(std::string_view linia);
};

// A library as read: its text and where each definition lies in it. A
// definition is copied out of the text only when it is asked for, so that a
// library of many small definitions takes little more room than its file.
class DefinicjeBiblioteki {
public:
    std::size_t size() const { return wpisy_.size(); }
    bool empty() const { return wpisy_.empty(); }
    void clear();

    // Definition `i` as a record of its own.
    DefinicjaBiblioteki operator[](std::size_t i) const;
    // Its name (255 characters at most) and group (100 at most) as views
    // into the text, for lists of many definitions.
    std::string_view Nazwa(std::size_t i) const;
    std::string_view Grupa(std::size_t i) const;

    // The definitions in file order, each made as operator[] makes it.
    class Iterator {
    public:
        Iterator(const DefinicjeBiblioteki& b, std::size_t i) : b_(&b), i_(i) {}
        DefinicjaBiblioteki operator*() const { return (*b_)[i_]; }
        Iterator& operator++()
        {
            ++i_;
            return *this;
        }
        bool operator==(const Iterator& o) const { return i_ == o.i_; }

    private:
        const DefinicjeBiblioteki* b_;
        std::size_t i_;
    };
    Iterator begin() const { return Iterator(*this, 0); }
    Iterator end() const { return Iterator(*this, size()); }

private:
    friend class CzytnikBiblioteki;
    // Where a definition's header (from the line after its marker) starts
    // and where its body ends, in the text; its body starts after the ten
    // header lines. 32-bit offsets (a longer text is refused), in blocks
    // that never move, so that a growing list copies nothing.
    struct Wpis {
        uint32_t naglowek = 0;
        uint32_t koniec = 0;
    };
    // Where line `n` of a definition starts, its marker being line 1 and
    // n at least 2 (12: its body), and that line of its header.
    std::size_t PoczatekLinii(std::size_t i, std::size_t n) const;
    std::string_view LiniaNaglowka(std::size_t i, std::size_t n) const;

    std::string tekst_;
    std::deque<Wpis> wpisy_;
};

// The definitions of a library's text, in file order. The text is made
// Windows-1250 by TekstPlikuWCp1250 (UTF-8, with the mark or without it, as
// a text editor of this system saves it). A definition without its end
// marker ends at the next definition's marker or at the end of the file; a
// date or time that is none reads as 0. Lines are taken as at most 255
// characters. A definition without a body line (a file cut in its header)
// would copy into the project as a run the project's reader refuses: the
// library is refused, false with the message naming the file and the line,
// `wynik` then empty.
bool CzytajTekstBiblioteki(std::string tresc, const std::string& nazwaPliku, DefinicjeBiblioteki& wynik,
                           std::string& blad);

// The library file read as above. No path or a missing file gives an empty
// list without a message; a file that cannot be read (a folder, a pipe, too
// large) is refused like a damaged one: false with the message.
bool CzytajBiblioteke(const std::string& sciezka, DefinicjeBiblioteki& wynik, std::string& blad);

// The group filter that lists every definition.
inline constexpr std::string_view WszystkieGrupy = " Wszystkie";

// The last library definition of that name, none when there is none.
std::optional<DefinicjaBiblioteki> ZnajdzWBibliotece(const DefinicjeBiblioteki& biblioteka, std::string_view nazwa);

// The extents of a definition's body in block units, starting from 0 (what a
// placed block keeps of its definition).
struct ZakresBloku {
    float XMin = 0.0f, XMax = 0.0f, YMin = 0.0f, YMax = 0.0f;
};
ZakresBloku ZmierzDefinicje(const DefinicjaBiblioteki& d);

// --- the project's definitions ---

// The definition of that name a placement draws: the last one, -1 for none.
int32_t ZnajdzDefinicjeBloku(std::string_view nazwa);

// Appends a copy of the library definition to the project's definitions and
// command lines. A body without lines is framed with an empty first line,
// so that the range is never one the project's reader refuses.
void KopiujDefinicjeBloku(const DefinicjaBiblioteki& d);

// Removes definition `indeks` with its run of lines; the later definitions'
// line indices move down by the number of lines removed. Refused (false,
// nothing changed) when the run is not framed by its start and end markers.
bool UsunDefinicjeBloku(int32_t indeks);

// The project's command lines of definition `indeks` (Start..Koniec, as far
// as they lie in the line list).
std::vector<std::string> LinieDefinicji(int32_t indeks);
