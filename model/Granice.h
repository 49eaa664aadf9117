#pragma once
// The one table of limits of the values a project holds.
//
// The project reader, the count, count-settings and forecast readers, every
// window's check and the mouse take their bounds from here: a value that
// enters a project one way is a value its file gives back, so a saved project
// always opens again. A value beyond its limit is refused where it enters,
// with a message naming the field (a window) or the file and the line (a
// reader); nothing is stored half.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Kodowanie.h"

enum class RodzajWartosci : uint8_t { Calkowita, Rzeczywista };

struct GranicaPola {
    const char* nazwa;          // UTF-8, as a message names the field
    RodzajWartosci rodzaj;
    double min;
    double max;

    // NaN and the infinities are never within a limit.
    constexpr bool Miesci(double x) const { return x >= min && x <= max; }
    constexpr bool Calkowita() const { return rodzaj == RodzajWartosci::Calkowita; }
};

namespace granice {

using enum RodzajWartosci;

// --- volumes ---
// Vehicles or pedestrians typed, counted or kept in a record; sums of a few
// thousand of them stay within 32 bits.
inline constexpr GranicaPola Natezenie{"natężenie", Calkowita, 0, 1.0e7};
// Volumes a computation keeps (a forecast may lower one below zero).
inline constexpr GranicaPola NatezenieObliczone{"natężenie obliczone", Calkowita, -1.0e7, 1.0e7};
// A count's totals: an inlet's 100 vehicle cells (20 classes, 5 exits) or
// its 8 crossing cells added up.
inline constexpr GranicaPola SumaNatezen{"suma natężeń", Calkowita, 0, 100 * Natezenie.max};
// A count's duration in minutes (up to a week).
inline constexpr GranicaPola CzasPomiaru{"czas pomiaru", Calkowita, 0, 10080};
// A vehicle class's equivalence factor, a coefficient of a class, a vehicle
// type's factor: what raises one counted vehicle.
inline constexpr GranicaPola Wspolczynnik{"współczynnik", Rzeczywista, 0, 1000};
// Inlets of a count: a junction has 4, a roundabout 2 to 5.
inline constexpr GranicaPola LiczbaWlotow{"liczba wlotów", Calkowita, 2, 5};
inline constexpr GranicaPola LiczbaRamionRonda{"liczba ramion", Calkowita, 2, 5};

// --- positions and sizes on the sheet, in cm ---
// A node's position: far beyond any sheet, near enough that every sum of the
// drawing stays finite.
inline constexpr GranicaPola Wspolrzedna{"współrzędna", Rzeczywista, -1.0e7, 1.0e7};
// Where a text, a legend, a block or a title lies, absolute or relative to
// its node.
inline constexpr GranicaPola Polozenie{"położenie", Rzeczywista, -1.0e7, 1.0e7};
// Sizes of drawn things: text heights and widths, arm lengths, radii,
// distances, arrow sizes (a sheet is at most 100 m).
inline constexpr GranicaPola Wymiar{"wymiar", Rzeczywista, 0, 1.0e4};
// Arm lengths and radii as the diagrams keep them: a window's size plus or
// minus another (a roundabout arm is measured from the centre, past the
// ring's radius; an auxiliary length lies before the arm's end).
inline constexpr GranicaPola GeometriaRamienia{"wymiar ramienia", Rzeczywista, -2 * Wymiar.max, 2 * Wymiar.max};
// Offsets that may go either way (labels, corrections).
inline constexpr GranicaPola Przesuniecie{"przesunięcie", Rzeczywista, -1.0e4, 1.0e4};
// Pen widths, in the units the settings give them.
inline constexpr GranicaPola GruboscLinii{"grubość linii", Rzeczywista, 0, 100};
// The sheet and the gap between variants in the DXF.
inline constexpr GranicaPola Arkusz{"wymiar arkusza", Rzeczywista, 0.01, 1.0e4};
inline constexpr GranicaPola OdstepArkuszy{"odstęp arkuszy", Rzeczywista, 0, 1.0e4};
// A grid step below 0.01 cm would draw without end.
inline constexpr GranicaPola KrokSiatki{"krok siatki", Rzeczywista, 0.01, 1.0e4};
// Arm angles as the windows show them, in degrees.
inline constexpr GranicaPola KatStopnie{"kąt", Rzeczywista, -3600, 3600};
// The same as the records keep them, in radians.
inline constexpr GranicaPola KatRadiany{"kąt", Rzeczywista, -62.84, 62.84};
// A block's scale factors.
inline constexpr GranicaPola SkalaBloku{"skala", Rzeczywista, -1.0e4, 1.0e4};

// A description's character width factor, height and pen width, and its
// angle in degrees: the ranges its window offers, which draw legibly.
inline constexpr GranicaPola SzerokoscZnakuOpisu{"współczynnik szerokości", Rzeczywista, 0.1, 3.0};
inline constexpr GranicaPola WysokoscOpisu{"rozmiar", Rzeczywista, 0.1, 15.0};
inline constexpr GranicaPola GruboscOpisu{"grubość", Rzeczywista, 0.01, 3.0};
inline constexpr GranicaPola KatOpisu{"kąt", Rzeczywista, 0, 360};

// --- band rules and settings ---
// The band scale: cm per vehicle, from a rule of the settings.
inline constexpr GranicaPola SkalaPaskow{"skala pasków", Rzeczywista, 0, 1.0e4};
// The smallest volume a band is drawn for.
inline constexpr GranicaPola MinPojazd{"minimalne natężenie", Calkowita, 1, 1.0e7};
// Decimals of a percentage label.
inline constexpr GranicaPola DokladnoscProc{"dokładność procentów", Calkowita, 0, 3};
// The clipboard copy's resolution, points per cm.
inline constexpr GranicaPola PunktowNaCm{"punktów na cm", Calkowita, 10, 100};

}  // namespace granice

// The FormatFloat masks by which the project and count files write the reals
// a window types; a window rounds a typed number by the same mask, so that
// what it stored is what reopens.
namespace maski {
// Every real of nodes, variants and descriptions; a diagram's geometry.
inline constexpr const char* Polozenie = "######0.00";
// A node's label and description sizes, crossing distances and legend
// offsets; the settings' sizes, widths and offsets.
inline constexpr const char* Rozmiar = "####0.0##";
// The settings' band scales and widths; the clipboard rectangle.
inline constexpr const char* Skala = "######0.00##";
// Arm angles in radians: of a junction diagram, of a roundabout.
inline constexpr const char* KatRuchoplanu = "######0.00#####";
inline constexpr const char* KatRonda = "######0.00######";
// A coefficient set's factors and the vehicle structure's.
inline constexpr const char* Wspolczynnik = "######0.00";
// A count's vehicle class factors.
inline constexpr const char* WspolczynnikPojazdu = "###0.0#";
// A placed block's anchor and factors.
inline constexpr const char* PolozenieBloku = "#######0.0#";
inline constexpr const char* SkalaBloku = "#######0.0##";
}  // namespace maski

// A real as the project file gives it back: written by `maska` and read.
double JakWPliku(double x, std::string_view maska);

// A typed text read against its limit: "." and "," both taken as the decimal
// separator, surrounding blanks ignored; an integer field takes no fraction.
// False with a Polish message (Windows-1250) naming the field `pole` (UTF-8;
// the limit's own name when empty) when the text is no number or lies
// beyond the limit.
bool CzytajWartosc(const GranicaPola& g, std::string_view tekst, double& wynik, std::string& komunikat,
                   std::string_view pole = {});

// A text within its limit, read as CzytajWartosc reads it; false leaves
// `wynik` as it was. The second form is for whole-number fields that the
// records keep in 32 bits.
bool TekstWGranicy(const GranicaPola& g, std::string_view tekst, double& wynik);
bool TekstWGranicy(const GranicaPola& g, std::string_view tekst, int32_t& wynik);
// A typed volume of vehicles or pedestrians.
inline bool CzytajNatezenie(std::string_view tekst, int32_t& wynik)
{
    return TekstWGranicy(granice::Natezenie, tekst, wynik);
}

// The message for a value beyond its limit (Windows-1250): "Pole „<pole>”
// musi być liczbą [całkowitą] od <min> do <max>."
std::string KomunikatGranicy(const GranicaPola& g, std::string_view pole = {});

// The limits' bounds as a message writes them ("0", "10000000", "0,01").
std::string TekstGranicy(double x);

// Whether a text (Windows-1250 bytes) fits a record's text field of that
// capacity; a longer one is refused, never cut.
constexpr bool MiesciSieTekst(std::string_view cp1250, int pojemnosc)
{
    return cp1250.size() <= static_cast<std::size_t>(pojemnosc);
}
// "Pole „<pole>” może mieć najwyżej <n> znaków." (Windows-1250)
std::string KomunikatDlugosci(std::string_view pole, int pojemnosc);
// "Pole „<pole>” zawiera znak U+0416, którego nie można zapisać w pliku
// (spoza kodowania Windows-1250)." (Windows-1250, which has no form for the
// character itself: its code names it), or for a text whose bytes the file
// would read back as UTF-8 "… zawiera parę znaków, którą plik odczytałby
// jako jedną literę („Ĺ›” jako „ś”)." naming the text's first such pair.
std::string KomunikatZnakow(const TekstZOkna& t, std::string_view pole);
// The first characters of a Windows-1250 text that the file would read back
// as one letter of UTF-8, and that letter, in UTF-8: "„Ĺ›” jako „ś”"; ""
// when no such characters stand there.
std::string ParaJakoLitera(std::string_view cp1250);
// Why a typed text cannot enter a record's text field of that capacity, ""
// when it can: a character without a Windows-1250 form, or too many.
std::string OdmowaTekstu(const TekstZOkna& t, int pojemnosc, std::string_view pole);

// A window's edits read against their limits before anything is stored: each
// value is read in turn, the first refusal's message kept; a refused value
// leaves the one it would replace. The window stores only when all are good.
class SprawdzanieWartosci {
public:
    // The text's value within `g`, else `dotychczas` (the field named `pole`,
    // UTF-8, in the message).
    // With `maska`, the value is rounded as the file writes it.
    double Wartosc(const GranicaPola& g, std::string_view tekst, std::string_view pole, double dotychczas,
                   std::string_view maska = {});
    // Whether the typed text has a Windows-1250 form and fits `pojemnosc`
    // characters.
    bool Tekst(const TekstZOkna& t, int pojemnosc, std::string_view pole);
    // A refusal of the window's own (UTF-8 message).
    void Odrzuc(std::string_view utf8);
    bool Dobre() const { return komunikat_.empty(); }
    // The first refusal's message (Windows-1250).
    const std::string& Komunikat() const { return komunikat_; }

private:
    std::string komunikat_;
};
