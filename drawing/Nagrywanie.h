#pragma once
// Recording outputs for tests: a canvas that keeps every figure in integer
// pixels with the pen and brush it was drawn with, a DXF receiver that
// keeps every entity as a value (`Nagrywanie` attaches both for a scope),
// and a back-end that keeps every drawing operation in sheet centimetres.

#include <string>
#include <vector>

#include "drawing/Dxf.h"
#include "drawing/Wyjscie.h"
#include "platform/qt/Plotno.h"

class NagrywaniePlotna : public Plotno {
public:
    struct Pioro {
        TKolor kolor = 0;
        int grubosc = 1;
        int styl = PioroCiagle;
        friend bool operator==(const Pioro&, const Pioro&) = default;
    };
    struct Pedzel {
        TKolor kolor = 0xFFFFFF;
        StylPedzla styl = StylPedzla::Pelny;
        friend bool operator==(const Pedzel&, const Pedzel&) = default;
    };
    struct ZapisLinii {
        PunktInt od, doPunktu;
        Pioro pioro;
    };
    struct ZapisWielokata {
        std::vector<PunktInt> punkty;
        Pioro pioro;
        Pedzel pedzel;
    };
    struct ZapisFigury {  // rectangle or ellipse box
        bool elipsa = false;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Pioro pioro;
        Pedzel pedzel;
    };
    struct ZapisNapisu {
        int x = 0, y = 0;
        std::string tekst;
        std::string kroj;
        int wysokosc = 0;
        TKolor kolor = 0;
        Pedzel pedzel;
    };

    std::vector<ZapisLinii> linie;
    std::vector<ZapisWielokata> wielokaty;
    std::vector<ZapisFigury> figury;
    std::vector<ZapisNapisu> napisy;
    Pioro pioro;
    Pedzel pedzel;
    std::string kroj = "Tahoma";
    int wysokoscCzcionki = 13;
    TKolor kolorCzcionki = 0;
    // Text width: this many pixels per character for each pixel of font height,
    // so layouts are predictable.
    double szerokoscZnakuNaPiksel = 0.5;

    void Wyczysc();
    bool Pusty() const;

    void UstawKolorPiora(TKolor kolor) override { pioro.kolor = kolor; }
    void UstawGruboscPiora(int piksele) override { pioro.grubosc = piksele; }
    void UstawStylPiora(int styl) override { pioro.styl = styl; }
    void UstawKolorPedzla(TKolor kolor) override { pedzel.kolor = kolor; }
    void UstawStylPedzla(StylPedzla styl) override { pedzel.styl = styl; }
    void PrzesunDo(int x, int y) override { pozycja_ = {x, y}; }
    void LiniaDo(int x, int y) override;
    void Wielokat(const std::vector<PunktInt>& punkty) override;
    void Prostokat(int x1, int y1, int x2, int y2) override;
    void Elipsa(int x1, int y1, int x2, int y2) override;
    void WypiszTekst(int x, int y, std::string_view tekst) override;
    int SzerokoscTekstu(std::string_view tekst) override;
    void UstawKrojCzcionki(const std::string& k) override { kroj = k; }
    void UstawWysokoscCzcionki(int piksele) override { wysokoscCzcionki = piksele; }
    void UstawKolorCzcionki(TKolor kolor) override { kolorCzcionki = kolor; }

private:
    PunktInt pozycja_;
};

struct EncjaDxf {
    enum class Typ { Linia, Tekst, Luk };
    Typ typ = Typ::Linia;
    std::string warstwa;
    int32_t kolor = 0;
    // A line's ends; a text's anchor (and a fitted text's end in x2, y2) and
    // an arc's centre in x1, y1.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string tekst;
    double obrot = 0, wspSzerokosci = 0, wysokosc = 0;
    bool dopasowany = false;
    double r = 0, katPoczatku = 0, katKonca = 0;
};

class NagrywanieDxf : public OdbiorcaDxf {
public:
    std::vector<EncjaDxf> encje;

    void Linia(const std::string& warstwa, int32_t indeksKoloru, double x1, double y1, double x2, double y2) override;
    void Tekst(const std::string& tekst, const std::string& warstwa, const UkladTekstuDxf& uklad,
               int32_t indeksKoloru) override;
    void Luk(const std::string& warstwa, int32_t indeksKoloru, double cx, double cy, double r, double katPoczatku,
             double katKonca) override;
};

// For one scope the screen, printer and DXF outputs go to the recorders; the
// previous canvases, DXF receiver, output flags and view are given back after.
class Nagrywanie {
public:
    Nagrywanie();
    ~Nagrywanie();
    Nagrywanie(const Nagrywanie&) = delete;
    Nagrywanie& operator=(const Nagrywanie&) = delete;

    NagrywaniePlotna ekran;
    NagrywaniePlotna drukarka;
    NagrywanieDxf dxf;

    void Wyczysc();

private:
    Plotno* poprzedniEkran_;
    Plotno* poprzedniaDrukarka_;
    OdbiorcaDxf* poprzedniDxf_;
    ZachowajWyjscia wyjscia_;
    double skala_, srodekX_, srodekY_, polSzer_, polWys_, piksX_, piksY_;
    int32_t dpiX_, dpiY_;
};

// A back-end that keeps what it is given, in sheet centimetres: lines,
// polygons (and the edges of outlines), arcs with their DXF angles and the
// anchors of texts as the callers give them. Its traits are a file's (arcs
// whole, no fills, no grid) unless `jakPlotno` makes them a canvas's.
class WyjscieNagrywajace : public Wyjscie {
public:
    struct Odcinek {
        std::string warstwa;
        TKolor kolor = 0;
        PunktXY a, b;
    };
    struct Figura {
        std::vector<PunktXY> punkty;
        TKolor kolorPiora = 0, kolorWypelnienia = 0;
        bool wypelniony = false;
    };
    struct Luk {
        std::string warstwa;
        TKolor kolor = 0;
        PunktXY srodek;
        double r = 0.0, poczatek = 0.0, koniec = 0.0;  // counter-clockwise from +x, degrees
    };
    struct Napis {
        std::string warstwa, tekst;
        TKolor kolor = 0;
        PunktXY kotwica;
        double wysokosc = 0.0, kat = 0.0;
        bool trueType = false;
    };

    explicit WyjscieNagrywajace(bool jakPlotno = false) : jakPlotno_(jakPlotno) {}

    std::vector<Odcinek> odcinki;
    std::vector<Figura> figury;
    std::vector<Luk> luki;
    std::vector<Napis> napisy;

    void Linia(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2,
               double grubosc) override;
    void Wielokat(std::span<const PunktXY> punkty, const int* stylPiora, TKolor kolorPiora, TKolor kolorWypelnienia,
                  bool wypelniony, double grubosc) override;
    void KrawedzieObrysu(std::span<const PunktXY> punkty, TKolor kolor, const std::string& warstwa) override;
    void Luk(const LukRysunku& luk, TKolor kolor, double grubosc, const std::string& warstwa) override;
    void Tekst(TekstRysunku& t, const std::string& warstwa) override;
    void TekstTT(const std::string& tekst, TKolor kolor, double x, double& y, double wysokosc,
                 const std::string& warstwa) override;
    bool TekstTTEtykiety(const TekstRysunku& t) override;

    bool LukiWCalosci() const override { return !jakPlotno_; }
    bool ZakrywaWypelnieniem() const override { return jakPlotno_; }
    bool PokazujeSiatke() const override { return jakPlotno_; }
    int SpacjeEtykiety() const override { return jakPlotno_ ? 3 : 2; }

private:
    bool jakPlotno_;
};

// For one scope the back-end of a place is the given one.
class PodlaczWyjscie {
public:
    PodlaczWyjscie(Kanal kanal, Wyjscie& wyjscie) : kanal_(kanal), poprzednie_(&WyjscieKanalu(kanal))
    {
        UstawWyjscie(kanal, &wyjscie);
    }
    ~PodlaczWyjscie() { UstawWyjscie(kanal_, poprzednie_); }
    PodlaczWyjscie(const PodlaczWyjscie&) = delete;
    PodlaczWyjscie& operator=(const PodlaczWyjscie&) = delete;

private:
    Kanal kanal_;
    Wyjscie* poprzednie_;
};
