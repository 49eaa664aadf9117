#pragma once
// The project file "*.rup": the line reader and writer that every section
// uses, and the two operations that save and open a whole project.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Teksty.h"
#include "base/Typy.h"
#include "model/Granice.h"

struct Projekt;
extern Projekt BiezacyProjekt;

// A value every single holds: finite and within its range, so that the
// writer can always write it and the reader read it back.
inline bool MiesciSieWPojedynczej(double x) { return std::fabs(x) <= std::numeric_limits<float>::max(); }
// The farthest a node may lie from the sheet's origin, in cm.
constexpr double MaksWspolrzedna = granice::Wspolrzedna.max;

// A malformed line or an I/O error: the message names the file and the line.
struct BladPliku : std::runtime_error {
    int linia = 0;
    BladPliku(const std::string& komunikat, int nrLinii) : std::runtime_error(komunikat), linia(nrLinii) {}
};

// Reads the project file line by line (Windows-1250 bytes, CR LF or LF).
// Past the end of the file it yields empty lines. Every conversion that
// fails throws BladPliku naming the line. The section readers fill the
// project `cel`.
class CzytnikProjektu {
public:
    // The whole file's text; its lines are read as views into it.
    CzytnikProjektu(std::string tresc, std::string nazwaPliku, Projekt& cel = BiezacyProjekt);
    // Lines given one by one (tests of a section).
    CzytnikProjektu(const std::vector<std::string>& linie, std::string nazwaPliku, Projekt& cel = BiezacyProjekt);

    Projekt& Cel() const { return *cel_; }

    std::string Linia();            // the next line, "" past the end
    // The next line as a view into the file's text, valid while the reader
    // lives; "" past the end.
    std::string_view LiniaWMiejscu() { return NastepnaLinia(); }
    // Passes over the lines up to the next one that begins with `poczatek`
    // (not empty, not a line end), searching the text in place; false, with
    // every line read, when there is none.
    bool PominDoLinii(std::string_view poczatek);
    // Passes over the empty lines before the next line with text.
    void PominPusteLinie();
    void Pomin(int ile);            // lines not needed
    bool Koniec() const;            // no line left
    bool TylkoPusteLinie() const;   // no line left but empty ones
    // Drops the end-of-file mark of old DOS files: a ^Z after the last text,
    // at the end of the last line or alone on it.
    void UsunZnakKoncaPliku();
    int NumerLinii() const;         // 1-based number of the line read last
    std::size_t PozostaloLinii() const;

    int32_t Calkowita();            // decimal integer, else BladPliku
    // A count of records of at least `liniiNaRekord` lines each: refused when
    // negative or when the rest of the file cannot hold that many records.
    int32_t LiczbaRekordow(int liniiNaRekord);
    // The head of a record section after its tag line: the title, the
    // record count (as LiczbaRekordow) and the separator; `v` gets that many
    // new records.
    template <class T>
    void NaglowekRekordow(std::vector<T>& v, int liniiNaRekord)
    {
        Linia();
        const int32_t n = LiczbaRekordow(liniiNaRekord);
        v.assign(static_cast<std::size_t>(n), T{});
        Linia();
    }
    double Rzeczywista();           // through PoprawSeparator, else BladPliku
    float RzeczywistaS();           // also refused outside the range of a single
    float Pojedyncza(double x);     // x as a single, else BladPliku
    double Wspolrzedna();           // a node's position: within MaksWspolrzedna
    // A value within its limit of the one table, else BladPliku naming the
    // field and the limit.
    int32_t Calkowita(const GranicaPola& g);
    double Rzeczywista(const GranicaPola& g);
    float RzeczywistaS(const GranicaPola& g);
    // The value is checked where it was read (the line read last).
    double WGranicy(const GranicaPola& g, double x);
    double RzeczywistaLubDomyslna(double domyslna);  // TekstNaLiczbe rule
    float RzeczywistaLubDomyslnaS(double domyslna);  // also the default outside float's range
    bool Logiczna();                // the line is exactly "True"
    bool LogicznaMala();            // the line is exactly "true" (counts section)
    bool LogicznaTN();              // the line is exactly "T"
    char Znak();                    // one character; an empty line is an error
    TKolor Kolor();                 // a colour name, decimal or "$" hexadecimal
    template <int N>
    void Tekst(KrotkiTekst<N>& pole) { pole = Linia(); }
    // The line without its fixed-width prefix; "" when it is not longer.
    std::string ZaPrefiksem(std::size_t dlugoscPrefiksu);

    // "Błąd w pliku <file>, linia <n>: <what>", naming the line read last
    // or the line `nrLinii`.
    std::string KomunikatBledu(const std::string& coNieTak) const;
    std::string KomunikatBledu(const std::string& coNieTak, int nrLinii) const;
    [[noreturn]] void Blad(const std::string& coNieTak) const;  // throws BladPliku
    [[noreturn]] void Blad(const std::string& coNieTak, int nrLinii) const;

private:
    // The lines are found as they are read, so that reading needs no more
    // than the file's text itself, however short its lines.
    std::string_view NastepnaLinia();
    std::string tresc_;
    std::size_t pozycja_ = 0;      // where the next line starts in tresc_
    std::size_t liczbaLinii_ = 0;
    std::size_t nastepna_ = 0;     // 0-based number of the next line
    std::string nazwaPliku_;   // as messages show it
    Projekt* cel_;
};

// The lines joined as a file's text (readers given lines, tests).
std::string TekstZLinii(const std::vector<std::string>& linie);

// Writes the lines of the project file into one buffer, each line ended by
// CR LF; the file is written whole at the end. The section writers write the
// project `zrodlo`.
class PisarzProjektu {
public:
    // `rezerwa`: the bytes the buffer is made ready for at once.
    // `bufor`: an empty buffer to write into, whose room is kept.
    explicit PisarzProjektu(const Projekt& zrodlo = BiezacyProjekt, std::size_t rezerwa = 0, std::string bufor = {})
        : zrodlo_(&zrodlo), tresc_(std::move(bufor)), separator_(SeparatorDziesietny())
    {
        tresc_.reserve(rezerwa);
    }

    const Projekt& Zrodlo() const { return *zrodlo_; }
    void Linia(std::string_view tekst);
    void Calkowita(int64_t x);
    void Rzeczywista(double x, std::string_view maska);   // FormatFloat mask
    void Logiczna(bool x);          // "True" / "False"
    void LogicznaMala(bool x);      // "true" / "false"
    void LogicznaTN(bool x);        // "T" / "N"
    void Znak(char z);
    void Kolor(TKolor k);           // name or "$" and 8 hexadecimal digits
    // The head of a record section: tag line, title, record count or index,
    // separator.
    void Naglowek(std::string_view znacznik, std::string_view tytul, int64_t liczba);
    template <int N>
    void Tekst(const KrotkiTekst<N>& pole) { Linia(pole.str()); }

    // The bytes written so far.
    const std::string& Tresc() const { return tresc_; }
    std::string ZabierzTresc() { return std::move(tresc_); }
    // The lines written so far, without their ends (tests of a section).
    const std::vector<std::string>& Linie() const;

private:
    void KoniecLinii()
    {
        tresc_.push_back('\r');
        tresc_.push_back('\n');
    }
    const Projekt* zrodlo_;
    std::string tresc_;
    char separator_;   // the system's decimal separator, read once
    bool kolorZnany_ = false;   // the last colour written and its text
    TKolor kolor_ = 0;
    std::string tekstKoloru_;
    mutable std::vector<std::string> linie_;   // Linie(), for tresc_'s size:
    mutable std::size_t linieDlaRozmiaru_ = 0;
};

// A real as the writer writes it, by a FormatFloat mask.
std::string TekstLiczby(std::string_view maska, double x);

// The separator line of the sections, 42 "-".
inline const std::string Kreski(42, '-');
// A tag line: the separator followed by the tag.
std::string LiniaZnacznika(std::string_view znacznik);

// The text form of colours, shared by the reader and the writer.
std::string KolorNaTekst(TKolor k);
bool TekstNaKolor(std::string_view tekst, TKolor& k);

// The bytes of the whole project file as ZapiszProjekt writes them.
std::string TrescProjektu(const Projekt& projekt = BiezacyProjekt);
// The same as lines, without their ends.
std::vector<std::string> LinieProjektu(const Projekt& projekt = BiezacyProjekt);

// The line that starts the block of crossing flags of every diagram and roundabout.
extern const std::string LiniaPieszych;

// Saves the whole model, the bytes of TrescProjektu formatted in pieces on
// `WatkiPracy()` threads and written in order.
// The file is written beside the old one and renamed over it only when every
// line was written. On failure (no memory or no system resource for the
// formatting too) the message naming the file is shown through the main
// window's interface and false is returned, the project marked unsaved
// (ProjektZmieniony): no file is sure to hold it. Into the project's own
// file (TenSamPlik), one that another save changed since it was read or
// last written is replaced only on the window's word
// (OknoGlowne::ZastapicZmieniony); "Nie" writes nothing and shows nothing,
// the project staying as it was but unsaved: its file no longer holds it.
bool ZapiszProjekt(const std::string& nazwaPliku);

// Reads a file into `cel`, as a rule a new project (NowyDokument), and
// checks it; on failure `blad` gets the message naming the file and false is
// returned, `cel` then holding a part of the file. Only the stroke font the
// file names is loaded into the drawing on the way. Diagrams or roundabouts
// a node lacks in some variant (a file cut between sections) are added at
// their defaults and listed in `uzupelnione`, for the user to be told. The
// bytes go through TekstPlikuWCp1250 first (UTF-8, with the mark or without
// it, made Windows-1250).
bool CzytajProjekt(const std::string& nazwaPliku, Projekt& cel, std::string& blad, std::string& uzupelnione);
// The same where only what was read matters (comparisons).
bool CzytajProjekt(const std::string& nazwaPliku, Projekt& cel, std::string& blad);

// Opens a file as the current project: the file is read into a new project
// and adopted, in place of a new empty one (NowyProjekt), only when all of it
// was read and checked. A file that fails to load shows the message and
// changes nothing: the current project keeps its records, file name and
// changed flag; false is returned.
bool OtworzProjekt(const std::string& nazwaPliku);
// The main window's grid switch and step box show the grid of `wg`.
void PokazSiatke();
