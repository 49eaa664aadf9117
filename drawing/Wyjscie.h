#pragma once
// The outputs of the drawing and the transforms they use.
//
// Every drawing operation goes through one interface, `Wyjscie`, in sheet
// centimetres; each device has its back-end: the screen bitmap and the
// printer (drawing/WyjsciaPlotna.h), the DXF file (drawing/WyjscieDoDxf.h)
// and the recording of the tests (drawing/Nagrywanie.h). The primitives the
// callers use (`RysujLinie`, `RysujLukAzymutP`, `RysujTekst`, ...) hand each
// operation to the active back-ends, in the order DXF, printer, screen; the
// switches below (`WyjscieDxf`, `WyjscieDrukarka`, `WyjscieEkran`) say which
// are attached. What differs per device (arcs as entities or chords,
// fills, pixels) lives in the back-end, or is asked of it through its
// traits, so that the diagrams never test a flag.

#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>

#include "model/Projekt.h"

class Plotno;
class QImage;
class Drukarka;

// Which back-ends the drawing goes to: the screen (on from the start), the
// printer, the DXF file; and whether the clipboard copy's bitmap is being
// drawn. Printing, the export and the copy switch them for their run.
// Each thread has its own: the threads of a parallel redraw take the
// drawing thread's with `StanWyjsc`.
extern thread_local bool WyjscieEkran;
extern thread_local bool WyjscieDrukarka;
extern thread_local bool WyjscieDxf;
extern thread_local bool WyjscieSchowek;
// Labels in TrueType rather than the stroke font.
extern thread_local bool TekstTT;
// The outputs as a new project starts them: the screen alone, stroke labels.
void ZerujWyjscia();

// The view of the screen, which the main window sets: centimetres of the
// sheet per 1000 pixels and the sheet point at the centre.
extern double Skala;
extern double SrodekX;
extern double SrodekY;
struct WidokEkranu {
    double skala = 1.0;
    double srodekX = 0.0;
    double srodekY = 0.0;
};
// The view in which a sheet of `arkuszB` x `arkuszH` cm with a border of
// 1 cm fits a drawing area of `szerokosc` x `wysokosc` pixels.
WidokEkranu WidokCalegoArkusza(double arkuszB, double arkuszH, int szerokosc, int wysokosc);

// Half the view's size in pixels: the pixel position of (SrodekX, SrodekY).
extern double PolSzerEkranu;
extern double PolWysEkranu;
// Printer pixels per centimetre across and down.
extern double PiksNaCmX;
extern double PiksNaCmY;

// Every conversion of centimetres or millimetres to pixels ends here:
// truncation toward zero (0.9 -> 0, -0.9 -> 0). Values beyond the int32 range
// are clamped and NaN gives 0, so no input is undefined. Inline: a redraw
// converts about a million points.
int32_t NaPikseleSkrajne(double wartosc);  // NaN and values beyond the bound
inline int32_t NaPiksele(double wartosc)
{
    constexpr double granica = 1073741824.0;  // far off any device, safe to add to
    // The conversion itself truncates toward zero.
    if (std::fabs(wartosc) < granica) return static_cast<int32_t>(wartosc);
    return NaPikseleSkrajne(wartosc);
}

// An arc as the callers give it: in one of four angle conventions, with the
// number of chords a canvas draws it with (angles in radians).
enum class KonwencjaLuku {
    AzymutPrawy,   // clockwise from +y (an end below the start wraps through a full turn)
    Prawy,         // clockwise from +x
    Lewy,          // counter-clockwise from +x (an end below the start runs on through 2 pi)
    AzymutLewy,    // counter-clockwise from +y
};
struct LukRysunku {
    KonwencjaLuku konwencja = KonwencjaLuku::Lewy;
    int32_t odcinki = 0;
    float cx = 0.0f, cy = 0.0f, r = 0.0f;
    float poczatek = 0.0f, koniec = 0.0f;
};

// A stroke-font text: the anchor (x, y) at the left end of its baseline,
// turned by `kat` degrees.
struct TekstRysunku {
    const std::string& tekst;  // Windows-1250
    TKolor kolor = 0;
    double x = 0.0, y = 0.0;
    double wysokosc = 0.0, szerokoscZnaku = 0.0;
    double gruboscPiora = 0.0;
    double kat = 0.0;
};

// One device the drawing goes to. Widths are in millimetres.
class Wyjscie {
public:
    virtual ~Wyjscie() = default;

    // Whether the device can draw now (a canvas is attached).
    virtual bool Gotowe() const { return true; }

    virtual void Linia(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2,
                       double grubosc) = 0;
    // A closed, possibly filled polygon; `stylPiora` (nullptr: the device's
    // own) is the pen of its outline. A device without fills draws nothing.
    virtual void Wielokat(std::span<const PunktXY> punkty, const int* stylPiora, TKolor kolorPiora,
                          TKolor kolorWypelnienia, bool wypelniony, double grubosc) = 0;
    // The edges of a polygon for a device that draws no fills (the closing
    // edge last, from the first point to the last).
    virtual void KrawedzieObrysu(std::span<const PunktXY> /*punkty*/, TKolor /*kolor*/,
                                 const std::string& /*warstwa*/)
    {
    }
    virtual void Luk(const LukRysunku& luk, TKolor kolor, double grubosc, const std::string& warstwa) = 0;
    // A device that moves the anchor (the DXF insertion point) leaves it
    // moved for the devices served after it, as the drawings always had it.
    virtual void Tekst(TekstRysunku& t, const std::string& warstwa) = 0;
    // Horizontal TrueType text standing on (x, y); y as for `Tekst`.
    virtual void TekstTT(const std::string& tekst, TKolor kolor, double x, double& y, double wysokosc,
                         const std::string& warstwa) = 0;
    // TrueType text of a label, never an entity of a file; false when the
    // device cannot show it legibly and wants the stroke text instead.
    virtual bool TekstTTEtykiety(const TekstRysunku& t) = 0;

    // Traits.
    // An arc is one entity; while such a device is active, arcs go to it alone.
    virtual bool LukiWCalosci() const { return false; }
    // Later fills hide what they cover; a device without fills has the
    // outlines of bands cut where later bands cross them instead.
    virtual bool ZakrywaWypelnieniem() const { return true; }
    virtual bool PokazujeSiatke() const { return true; }
    // Blanks between the two names of a flow label: the fonts that read a
    // file set blanks wider than the stroke font does.
    virtual int SpacjeEtykiety() const { return 3; }
};

// The three places a back-end is attached to, each with its flag.
enum class Kanal { Dxf, Drukarka, Ekran };
// The back-end of a place in this thread; a test may put another in
// (nullptr: the program's own).
Wyjscie& WyjscieKanalu(Kanal kanal);
void UstawWyjscie(Kanal kanal, Wyjscie* wyjscie);
// Whether the place holds the program's own back-end in this thread.
bool WyjscieWlasne(Kanal kanal);

// The back-ends whose flags are on and that can draw, in the order DXF,
// printer, screen; at most three.
struct AktywneWyjscia {
    std::array<Wyjscie*, 3> w{};
    std::array<Kanal, 3> kanal{};
    int n = 0;
    Wyjscie** begin() { return w.data(); }
    Wyjscie** end() { return w.data() + n; }
};
AktywneWyjscia Aktywne();

// Draws once for each active back-end with only that one active, for what a
// diagram draws differently per device (told by the traits).
template <class F>
void NaKazdymWyjsciu(F&& rysuj);

// The fewest blanks between the names of a flow label any active device needs.
int SpacjeEtykiety();

// What a thread draws with, beside the project and the view (which a
// parallel drawing only reads): the output flags, the TrueType switch, the
// variant being drawn and the screen and printer canvases. A helper thread
// takes the drawing thread's with `Przyjmij`, then attaches its own canvas.
struct StanWyjsc {
    bool ekran = true, drukarka = false, dxf = false, schowek = false, tekstTT = false;
    int32_t wariant = 0;
    Plotno* plotno = nullptr;  // of the screen
    Plotno* plotnoDruku = nullptr;
    static StanWyjsc Biezacy();
    void Przyjmij() const;
};
// Gives the thread back the state it had when the scope began, also after
// an exception.
struct PrzywrocStanWyjsc {
    StanWyjsc stan = StanWyjsc::Biezacy();
    ~PrzywrocStanWyjsc() { stan.Przyjmij(); }
};

// The variant being drawn: the current one, unless a sheet of another is
// being drawn (printing and the DXF export draw every variant in turn).
int32_t RysowanyWariant();
class ZakresWariantu {
public:
    explicit ZakresWariantu(int32_t wariant);
    ~ZakresWariantu();
    ZakresWariantu(const ZakresWariantu&) = delete;
    ZakresWariantu& operator=(const ZakresWariantu&) = delete;

private:
    int32_t poprzedni_;
};

// Sheet centimetres <-> pixels of the screen bitmap.
inline int32_t CmNaEkranX(double x) { return NaPiksele((x - SrodekX) * 1000.0 / Skala + PolSzerEkranu); }
inline int32_t CmNaEkranY(double y) { return NaPiksele(PolWysEkranu - (y - SrodekY) * 1000.0 / Skala); }
double EkranNaCmX(int32_t px);
double EkranNaCmY(int32_t py);
// Sheet centimetres -> printer pixels (the top edge of the sheet is row 0).
int32_t CmNaDrukX(float x);
int32_t CmNaDrukY(float y);
// Line widths in millimetres -> pen widths in pixels.
inline int32_t GruboscEkran(float mm) { return NaPiksele(1000.0 / Skala * (0.1 * mm)); }
int32_t GruboscDruk(float mm);
// A sheet y as written to the DXF file: each variant lies one sheet height
// and one gap below the one before (the variant being drawn).
double DxfY(double y);

// The canvases of the outputs; nullptr when none is attached (the output is
// then skipped even with its flag set). Each thread has its own.
Plotno* PlotnoEkranu();
Plotno* PlotnoDrukarki();
void UstawPlotnoEkranu(Plotno* plotno);
void UstawPlotnoDrukarki(Plotno* plotno);

// Attaches the main window's bitmap `BitmapaRysunku` as the screen canvas
// (nullptr detaches it). The canvas keeps its painter open between
// primitives and may hold back thin lines until then: call
// `ZakonczRysowanieEkranu` before the bitmap is shown, copied, resized or
// replaced.
void UstawBitmapeRysunku(QImage* bitmapa);
void ZakonczRysowanieEkranu();
// The bitmap the screen draws on when the program's own screen back-end
// draws on it alone (no test canvas or back-end in its place, no printer or
// DXF output on); else nullptr.
QImage* BitmapaRysunkuWlasna();

// Attaches a printer whose document is open: its canvas becomes this
// thread's printer canvas and `DpiDrukarkiX`, `DpiDrukarkiY`, `PiksNaCmX`, `PiksNaCmY` are set
// from its resolution. nullptr detaches it.
void UstawDrukarke(Drukarka* drukarka);

// Keeps the three output flags and gives them back when the scope ends, also
// when a print job or a DXF export ends with an exception half way.
class ZachowajWyjscia {
public:
    ZachowajWyjscia();
    ZachowajWyjscia(bool ekran, bool drukarka, bool dxf);  // and sets these
    ~ZachowajWyjscia();
    ZachowajWyjscia(const ZachowajWyjscia&) = delete;
    ZachowajWyjscia& operator=(const ZachowajWyjscia&) = delete;

private:
    bool ekran_, drukarka_, dxf_;
};

template <class F>
void NaKazdymWyjsciu(F&& rysuj)
{
    const AktywneWyjscia aktywne = Aktywne();
    if (aktywne.n == 1) {
        rysuj(*aktywne.w[0]);
        return;
    }
    for (int i = 0; i < aktywne.n; ++i) {
        const Kanal k = aktywne.kanal[static_cast<std::size_t>(i)];
        const ZachowajWyjscia tylkoTo(k == Kanal::Ekran, k == Kanal::Drukarka, k == Kanal::Dxf);
        rysuj(*aktywne.w[static_cast<std::size_t>(i)]);
    }
}
