#pragma once
// A page of a PDF file as a canvas: every figure becomes drawing operators
// of the page's content in the printer's device pixels, which one transform
// at the head of the content takes to the page's points. Lines that run on
// from one another with the same solid pen are one path; texts are the
// outlines of their glyphs, filled, so the page needs no fonts. The pen,
// brush and text follow what the printer's canvas over QPainter draws.

#include <memory>
#include <string>
#include <string_view>

#include "platform/Plotno.h"

// Where the device pixels lie on the page: (x, y) pixels are the page point
// (lewo + skala * x, gora - skala * y), in points from its bottom-left corner.
struct UkladStronyPdf {
    double skala = 72.0 / 1200.0;
    double lewo = 0.0;
    double gora = 0.0;
};

// What a page needs of the TrueType faces: the measures and the outlines of
// a text in a face (by name) sized to a cell height, in device pixels.
class CzcionkiPdf {
public:
    virtual ~CzcionkiPdf() = default;
    // The cell height the face has at that size (ascent plus descent).
    virtual int WysokoscKomorki(const std::string& kroj, int wysokosc) = 0;
    virtual int Szerokosc(const std::string& kroj, int wysokosc, std::string_view tekst) = 0;
    // The glyphs as path operators (m, l, c, h) in pixels from the top-left
    // corner of the text's cell, to be filled with the non-zero rule.
    virtual const std::string& Obrys(const std::string& kroj, int wysokosc, std::string_view tekst) = 0;
};

class PlotnoPdf : public Plotno {
public:
    PlotnoPdf(const UkladStronyPdf& uklad, std::unique_ptr<CzcionkiPdf> czcionki);
    ~PlotnoPdf() override;

    // The content drawn since the last call, in a graphics state of its own
    // that starts with the transform. The canvas keeps its pen, brush and
    // font and goes on with an empty content.
    std::string Zabierz();
    // Whether anything was drawn since the last `Zabierz`.
    bool Puste() const;

    void UstawKolorPiora(TKolor kolor) override;
    void UstawGruboscPiora(int piksele) override;
    void UstawStylPiora(int styl) override;
    void UstawKolorPedzla(TKolor kolor) override;
    void UstawStylPedzla(StylPedzla styl) override;
    void PrzesunDo(int x, int y) override;
    void LiniaDo(int x, int y) override;
    void Odcinki(std::span<const PunktInt> konce) override;
    void Wielokat(const std::vector<PunktInt>& punkty) override;
    void Prostokat(int x1, int y1, int x2, int y2) override;
    void Elipsa(int x1, int y1, int x2, int y2) override;
    void WypiszTekst(int x, int y, std::string_view tekst) override;
    int SzerokoscTekstu(std::string_view tekst) override;
    void UstawKrojCzcionki(const std::string& kroj) override;
    void UstawWysokoscCzcionki(int piksele) override;
    void UstawKolorCzcionki(TKolor kolor) override;

private:
    void Poczatek();
    void Liczba(int v);
    void Liczba(double v, int cyfr = 3);
    void LiczbaPrzeksztalcenia(double v);
    void Punkt(int x, int y, const char* op);
    void Kolor(TKolor k, const char* op);
    // The open run of lines is stroked.
    void ZakonczLinie();
    // The pen as it is now, written if the content holds another.
    void PioroDoTresci();
    void PedzelDoTresci(TKolor kolor);
    // Ends the run of lines and writes the pen and brush a closed figure takes.
    void ZacznijFigure();
    // Strokes, fills or both the path just given, as the pen and brush say.
    void Obrysuj(bool zamknij);
    bool JestPioro() const { return styl_ != PioroBrak; }
    bool JestPedzel() const { return stylPedzla_ == StylPedzla::Pelny; }

    UkladStronyPdf uklad_;
    std::unique_ptr<CzcionkiPdf> czcionki_;
    std::string tresc_;
    std::size_t poczatekTresci_ = 0;

    TKolor kolorPiora_ = 0;
    int grubosc_ = 1;
    int styl_ = PioroCiagle;
    TKolor kolorPedzla_ = 0xFFFFFF;
    StylPedzla stylPedzla_ = StylPedzla::Pelny;
    std::string kroj_ = "Tahoma";
    int wysokoscCzcionki_ = 13;
    TKolor kolorCzcionki_ = 0;
    PunktInt pozycja_{0, 0};

    // What the content has set last (unknown at its start).
    bool pioroWTresci_ = false;
    bool kolorLiniiWTresci_ = false;
    bool kolorWypelnieniaWTresci_ = false;
    TKolor kolorLinii_ = 0, kolorWypelnienia_ = 0;
    int szerokoscWTresci_ = 0;
    std::string_view kreskiWTresci_;
    // The run of lines being given: its last point.
    bool linieOtwarte_ = false;
    PunktInt koniecLinii_{0, 0};
};
