#pragma once
// The extent of a drawing on the sheet: a back-end that draws nothing and
// keeps the rectangle that every operation covers, texts with a generous
// allowance for their glyphs.

#include <array>
#include <functional>

#include "drawing/WyjsciaPlotna.h"
#include "drawing/Wyjscie.h"

struct ProstokatArkusza {
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    bool pusty = true;

    void Dodaj(double x, double y, double margines = 0.0);
    bool Przecina(const ProstokatArkusza& inny) const
    {
        return !pusty && !inny.pusty && x1 <= inny.x2 && inny.x1 <= x2 && y1 <= inny.y2 && inny.y1 <= y2;
    }
};

// The screen's own back-end lends its arcs (chords, as the screen draws
// them); everything else is only measured.
class MiernikZasiegu : public WyjscieEkranu {
public:
    ProstokatArkusza zasieg;

    bool Gotowe() const override { return true; }
    void Linia(TKolor, const std::string&, double x1, double y1, double x2, double y2, double grubosc) override;
    void Wielokat(std::span<const PunktXY> punkty, const int*, TKolor, TKolor, bool, double grubosc) override;
    void KrawedzieObrysu(std::span<const PunktXY> punkty, TKolor, const std::string&) override;
    void Tekst(TekstRysunku& t, const std::string&) override;
    void TekstTT(const std::string& tekst, TKolor, double x, double& y, double wysokosc, const std::string&) override;
    bool TekstTTEtykiety(const TekstRysunku& t) override;

protected:
    // Each chord measured as a line.
    void Cieciwy(std::span<const PunktXY> punkty, TKolor kolor, double grubosc, const std::string& warstwa) override
    {
        WyjsciePlotna::Cieciwy(punkty, kolor, grubosc, warstwa);
    }

private:
    // How far each glyph of the stroke font reaches (glyph units), found
    // once per measuring: a drawing writes the same few characters often.
    struct ZasiegZnaku {
        bool znany = false, kreski = false;
        double x = 0.0, y = 0.0;
    };
    std::array<ZasiegZnaku, 256> znaki_{};
    const ZasiegZnaku& Znak(char c);
};

// What `rysuj` would draw on the screen, measured in sheet centimetres; the
// screen, printer and DXF outputs are left as they were.
ProstokatArkusza ZmierzRysunek(const std::function<void()>& rysuj);
