#pragma once
// The back-ends that draw on a canvas in device pixels: the screen bitmap
// and the printer. Each takes its canvas from drawing/Wyjscie.h at every
// operation, so a test may attach a recording canvas in its place.

#include "drawing/Wyjscie.h"
#include "platform/qt/Plotno.h"

class WyjsciePlotna : public Wyjscie {
public:
    bool Gotowe() const override { return PlotnoWyjscia() != nullptr; }
    void Linia(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2,
               double grubosc) override;
    void Wielokat(std::span<const PunktXY> punkty, const int* stylPiora, TKolor kolorPiora, TKolor kolorWypelnienia,
                  bool wypelniony, double grubosc) override;
    // An arc is drawn as its chords.
    void Luk(const LukRysunku& luk, TKolor kolor, double grubosc, const std::string& warstwa) override;

protected:
    virtual Plotno* PlotnoWyjscia() const = 0;
    virtual PunktInt Piksel(double x, double y) const = 0;
    virtual int32_t Grubosc(double mm) const = 0;
    // The chords between consecutive points of an arc, each as a line.
    virtual void Cieciwy(std::span<const PunktXY> punkty, TKolor kolor, double grubosc, const std::string& warstwa);
    // The pen style of a polygon's outline, and after it.
    virtual void StylObrysu(Plotno& /*p*/, const int* /*styl*/) {}
    virtual void PoObrysie(Plotno& /*p*/, const int* /*styl*/) {}
};

class WyjscieEkranu : public WyjsciePlotna {
public:
    // The line of the screen with its transform inlined: a redraw draws tens
    // of thousands.
    void Linia(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2,
               double grubosc) override;
    void Tekst(TekstRysunku& t, const std::string& warstwa) override;
    void TekstTT(const std::string& tekst, TKolor kolor, double x, double& y, double wysokosc,
                 const std::string& warstwa) override;
    bool TekstTTEtykiety(const TekstRysunku& t) override;

protected:
    Plotno* PlotnoWyjscia() const override { return PlotnoEkranu(); }
    PunktInt Piksel(double x, double y) const override { return {CmNaEkranX(x), CmNaEkranY(y)}; }
    int32_t Grubosc(double mm) const override { return GruboscEkran(static_cast<float>(mm)); }
    void Cieciwy(std::span<const PunktXY> punkty, TKolor kolor, double grubosc, const std::string& warstwa) override;
    void StylObrysu(Plotno& p, const int* styl) override;
    void PoObrysie(Plotno& p, const int* styl) override;
};

class WyjscieDrukarki : public WyjsciePlotna {
public:
    void Wielokat(std::span<const PunktXY> punkty, const int* stylPiora, TKolor kolorPiora, TKolor kolorWypelnienia,
                  bool wypelniony, double grubosc) override;
    void Tekst(TekstRysunku& t, const std::string& warstwa) override;
    void TekstTT(const std::string& tekst, TKolor kolor, double x, double& y, double wysokosc,
                 const std::string& warstwa) override;
    bool TekstTTEtykiety(const TekstRysunku& t) override;

protected:
    Plotno* PlotnoWyjscia() const override { return PlotnoDrukarki(); }
    PunktInt Piksel(double x, double y) const override
    {
        return {CmNaDrukX(static_cast<float>(x)), CmNaDrukY(static_cast<float>(y))};
    }
    int32_t Grubosc(double mm) const override { return GruboscDruk(static_cast<float>(mm)); }
};
