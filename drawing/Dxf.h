#pragma once
// The DXF writer: a header naming the version (R12) and the code page
// (ANSI_1250), then one ENTITIES section of LINE, TEXT and ARC entities, one
// value per line, lines ending in CR LF, texts as the model holds them
// (Windows-1250 bytes). One drawing unit is one centimetre of the sheet.
//
// The entity writers send their entity to this thread's receiver: the file
// opened by `DxfPoczatek`, the buffer of a part drawn on a thread of its own
// (`CzescDxf`), or a receiver a test installs (drawing/Nagrywanie.h).
// The file is written beside the target and takes its place only when
// complete; write errors throw `BladDxf` and leave the old file as it was.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "drawing/Wyjscie.h"
#include "base/Typy.h"

// A failed DXF write; the message (Windows-1250, as the program's texts)
// names the file.
struct BladDxf : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Where a TEXT entity stands and how large it is. A fitted text (the TEXT
// justification "Fit") runs from (x, y) to (xKonca, yKonca) on its baseline:
// every CAD program stretches it to that length whatever font it shows it
// in. The width factor is written all the same, for readers that ignore
// the fit.
struct UkladTekstuDxf {
    double x = 0.0, y = 0.0;
    double obrot = 0.0;  // degrees
    double wspSzerokosci = 1.0;
    double wysokosc = 1.0;
    bool dopasowany = false;
    double xKonca = 0.0, yKonca = 0.0;
};

// What the entity writers produce, as values.
class OdbiorcaDxf {
public:
    virtual ~OdbiorcaDxf() = default;
    virtual void Linia(const std::string& warstwa, int32_t indeksKoloru, double x1, double y1, double x2, double y2) = 0;
    virtual void Tekst(const std::string& tekst, const std::string& warstwa, const UkladTekstuDxf& uklad,
                       int32_t indeksKoloru) = 0;
    virtual void Luk(const std::string& warstwa, int32_t indeksKoloru, double cx, double cy, double r,
                     double katPoczatku, double katKonca) = 0;
};

// Starts the file (a path in Windows-1250) with the header and the section
// start. A file still open from an earlier export is dropped first.
void DxfPoczatek(const std::string& nazwaPliku);
// Writes the section end and the end-of-file marker and closes the file;
// returns what the file could not keep of the old one's (ZapisBezpieczny::Uwaga).
std::string DxfKoniec();
// Drops the file without its end, after an export that failed half way;
// the old file at the path stays.
void DxfPrzerwij();
bool DxfOtwarty();

void DxfLinia(const std::string& warstwa, int32_t indeksKoloru, double x1, double y1, double x2, double y2);
void DxfTekst(const std::string& tekst, const std::string& warstwa, double x, double y, double obrot,
              double wspSzerokosci, double wysokosc, int32_t indeksKoloru);
void DxfTekst(const std::string& tekst, const std::string& warstwa, const UkladTekstuDxf& uklad,
              int32_t indeksKoloru);
void DxfLuk(const std::string& warstwa, int32_t indeksKoloru, double cx, double cy, double r, double katPoczatku,
            double katKonca);

// The DXF colour index (1..254) nearest to a canvas colour; 7 stands for
// both white and black.
int32_t KolorNaIndeksDxf(TKolor kolor);

// A real as the DXF file holds it: 23 characters, "-" or a blank, one digit,
// ".", 14 digits, "E", the exponent's sign and four digits.
std::string LiczbaDxf(double x);

// Sends this thread's entities to another receiver (nullptr: back to the file).
void UstawOdbiorceDxf(OdbiorcaDxf* odbiorca);
OdbiorcaDxf* OdbiorcaDxfBiezacy();

// A part of an export drawn apart from the rest (on a thread of its own):
// while it lives, this thread's entities gather in its buffer, formatted as
// the file holds them; the export then writes the bytes in the part's place
// with `DxfDopisz`, so the file has the bytes of an export drawn in one go.
class CzescDxf {
public:
    // `bufor`: an empty buffer whose room the part may use.
    explicit CzescDxf(std::string bufor = {});
    ~CzescDxf();
    CzescDxf(const CzescDxf&) = delete;
    CzescDxf& operator=(const CzescDxf&) = delete;
    std::string Zabierz();

private:
    std::unique_ptr<OdbiorcaDxf> bufor_;
    OdbiorcaDxf* poprzedni_;
};
// Writes entities formatted apart into the open file, after those written
// so far; write errors throw `BladDxf`.
void DxfDopisz(std::string_view bajty);

// One DXF export: opens the file and sets `WyjscieDxf` (the other flags as
// they are); when the scope ends the file is closed (with its end after
// `Zakoncz`, without it when an exception left the export) and the three
// output flags are given back.
class EksportDxf {
public:
    explicit EksportDxf(const std::string& nazwaPliku);
    ~EksportDxf();
    EksportDxf(const EksportDxf&) = delete;
    EksportDxf& operator=(const EksportDxf&) = delete;
    // As DxfKoniec.
    std::string Zakoncz();

private:
    ZachowajWyjscia wyjscia_;
    bool zakonczony_ = false;
};
