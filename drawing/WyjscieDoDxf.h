#pragma once
// The back-end of the DXF file: entities in sheet centimetres, each variant
// one sheet and one gap below the one before, sent to the current DXF
// receiver (drawing/Dxf.h). A DXF file has no fills: polygons are written
// as their edges where the caller asks for an outline.

#include "drawing/Wyjscie.h"

class WyjscieDoDxf : public Wyjscie {
public:
    void Linia(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2,
               double grubosc) override;
    void Wielokat(std::span<const PunktXY> punkty, const int* stylPiora, TKolor kolorPiora, TKolor kolorWypelnienia,
                  bool wypelniony, double grubosc) override;
    void KrawedzieObrysu(std::span<const PunktXY> punkty, TKolor kolor, const std::string& warstwa) override;
    // One ARC entity, counter-clockwise from +x in degrees.
    void Luk(const LukRysunku& luk, TKolor kolor, double grubosc, const std::string& warstwa) override;
    // A TEXT entity inserted 0.2 of the height off the baseline.
    void Tekst(TekstRysunku& t, const std::string& warstwa) override;
    // A TEXT entity fitted to the text's width on paper, inserted 0.2 of
    // the height off the baseline.
    void TekstTT(const std::string& tekst, TKolor kolor, double x, double& y, double wysokosc,
                 const std::string& warstwa) override;
    bool TekstTTEtykiety(const TekstRysunku& t) override;

    bool LukiWCalosci() const override { return true; }
    bool ZakrywaWypelnieniem() const override { return false; }
    bool PokazujeSiatke() const override { return false; }
    int SpacjeEtykiety() const override { return 2; }
};

// An arc's ARC angles: counter-clockwise from +x in degrees, start then end.
struct KatyLukuDxf {
    double poczatek = 0.0;
    double koniec = 0.0;
};
KatyLukuDxf KatyDxf(const LukRysunku& luk);
