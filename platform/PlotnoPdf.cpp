#include "platform/PlotnoPdf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// The box of a rectangle or ellipse: the right and bottom edges lie just
// outside the figure, as on the canvas over QPainter.
struct Pudelko {
    int x, y, szer, wys;
};
Pudelko PudelkoFigury(int x1, int y1, int x2, int y2)
{
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    return {x1, y1, std::max(0, x2 - x1 - 1), std::max(0, y2 - y1 - 1)};
}

// The dash patterns of Qt's pen styles, in pen widths (a thin pen counts as one).
std::string_view Kreski(int styl)
{
    switch (styl) {
    case PioroKreskowane: return "4 2";
    case PioroKropkowane: return "1 2";
    case PioroKreskaKropka: return "4 2 1 2";
    case PioroKreskaKropkaKropka: return "4 2 1 2 1 2";
    default: return "";
    }
}

}  // namespace

PlotnoPdf::PlotnoPdf(const UkladStronyPdf& uklad, std::unique_ptr<CzcionkiPdf> czcionki)
    : uklad_(uklad), czcionki_(std::move(czcionki))
{
    Poczatek();
}

PlotnoPdf::~PlotnoPdf() = default;

// The content opens its own graphics state with the transform from device
// pixels (y down) to the page's points (y up).
void PlotnoPdf::Poczatek()
{
    tresc_ = "q";
    for (double v : {uklad_.skala, 0.0, 0.0, -uklad_.skala, uklad_.lewo, uklad_.gora}) {
        tresc_ += ' ';
        LiczbaPrzeksztalcenia(v);
    }
    tresc_ += " cm\n";
    poczatekTresci_ = tresc_.size();
    pioroWTresci_ = kolorLiniiWTresci_ = kolorWypelnieniaWTresci_ = false;
    linieOtwarte_ = false;
}

bool PlotnoPdf::Puste() const { return !linieOtwarte_ && tresc_.size() == poczatekTresci_; }

std::string PlotnoPdf::Zabierz()
{
    ZakonczLinie();
    tresc_ += "Q\n";
    std::string tresc = std::move(tresc_);
    Poczatek();
    return tresc;
}

void PlotnoPdf::Liczba(int v)
{
    char bufor[16];
    const auto koniec = std::to_chars(bufor, bufor + sizeof bufor, v).ptr;
    tresc_.append(bufor, koniec);
}

// Fractions to `cyfr` decimals, without trailing zeros.
void PlotnoPdf::Liczba(double v, int cyfr)
{
    char bufor[48];
    char* koniec = std::to_chars(bufor, bufor + sizeof bufor, v, std::chars_format::fixed, cyfr).ptr;
    while (koniec[-1] == '0') --koniec;
    if (koniec[-1] == '.') --koniec;
    if (koniec - bufor == 2 && bufor[0] == '-' && bufor[1] == '0') {
        bufor[0] = '0';
        koniec = bufor + 1;
    }
    tresc_.append(bufor, koniec);
}

// The transform's numbers written as Qt's printer writes its own: nine
// digits, the fraction cut off rather than rounded. A line of the device
// lying just half way between two pixels of a viewer then falls on the same
// side as on the printer's pages (at 1200 dpi shown at 100 dpi, every
// twelfth pixel of the device does).
void PlotnoPdf::LiczbaPrzeksztalcenia(double v)
{
    if (v == 0.0) {
        tresc_ += '0';
        return;
    }
    if (v < 0) {
        tresc_ += '-';
        v = -v;
    }
    auto calosc = static_cast<unsigned>(v);
    int ulamek = static_cast<int>((v - calosc) * 1000000000);
    if (ulamek == 1000000000) {
        ++calosc;
        ulamek = 0;
    }
    const int cyfrCalosci = calosc == 0 ? 0 : static_cast<int>(std::to_string(calosc).size());
    Liczba(static_cast<int>(calosc));
    char cyfry[16];
    std::snprintf(cyfry, sizeof cyfry, "%09d", ulamek);
    tresc_ += '.';
    tresc_.append(cyfry, static_cast<std::size_t>(std::max(0, 9 - cyfrCalosci)));
}

void PlotnoPdf::Punkt(int x, int y, const char* op)
{
    Liczba(x);
    tresc_ += ' ';
    Liczba(y);
    tresc_ += op;
}

void PlotnoPdf::Kolor(TKolor k, const char* op)
{
    Liczba(KolorR(k) / 255.0);
    tresc_ += ' ';
    Liczba(KolorG(k) / 255.0);
    tresc_ += ' ';
    Liczba(KolorB(k) / 255.0);
    tresc_ += op;
}

void PlotnoPdf::ZakonczLinie()
{
    if (!linieOtwarte_) return;
    tresc_ += "S\n";
    linieOtwarte_ = false;
}

// Thin pens (0 and 1 pixel) end flat at their end points, with Qt's bevel
// joins; wider ones are round at the ends and the joins.
void PlotnoPdf::PioroDoTresci()
{
    if (!kolorLiniiWTresci_ || kolorLinii_ != kolorPiora_) {
        Kolor(kolorPiora_, " RG\n");
        kolorLinii_ = kolorPiora_;
        kolorLiniiWTresci_ = true;
    }
    const bool cienkie = grubosc_ <= 1;
    const int szerokosc = cienkie ? std::max(grubosc_, 0) : grubosc_;
    const std::string_view kreski = Kreski(styl_);
    if (pioroWTresci_ && szerokosc == szerokoscWTresci_ && kreski == kreskiWTresci_) return;
    szerokoscWTresci_ = szerokosc;
    kreskiWTresci_ = kreski;
    Liczba(szerokosc);
    tresc_ += cienkie ? " w 0 J 2 j [" : " w 1 J 1 j [";
    if (szerokosc <= 1) {
        tresc_ += kreski;
    } else {
        // The pattern in pixels: each of its numbers times the width.
        for (std::size_t i = 0; i < kreski.size(); ++i) {
            if (kreski[i] == ' ') {
                tresc_ += ' ';
                continue;
            }
            Liczba((kreski[i] - '0') * szerokosc);
        }
    }
    tresc_ += "] 0 d\n";
    pioroWTresci_ = true;
}

void PlotnoPdf::PedzelDoTresci(TKolor kolor)
{
    if (kolorWypelnieniaWTresci_ && kolorWypelnienia_ == kolor) return;
    Kolor(kolor, " rg\n");
    kolorWypelnienia_ = kolor;
    kolorWypelnieniaWTresci_ = true;
}

void PlotnoPdf::UstawKolorPiora(TKolor kolor)
{
    if (kolor == kolorPiora_) return;
    ZakonczLinie();
    kolorPiora_ = kolor;
}

void PlotnoPdf::UstawGruboscPiora(int piksele)
{
    if (piksele == grubosc_) return;
    ZakonczLinie();
    grubosc_ = piksele;
}

void PlotnoPdf::UstawStylPiora(int styl)
{
    if (styl == styl_) return;
    ZakonczLinie();
    styl_ = styl;
}

void PlotnoPdf::UstawKolorPedzla(TKolor kolor) { kolorPedzla_ = kolor; }
void PlotnoPdf::UstawStylPedzla(StylPedzla styl) { stylPedzla_ = styl; }

void PlotnoPdf::PrzesunDo(int x, int y) { pozycja_ = {x, y}; }

// A line that starts where the run of lines ends goes on with it; a dashed
// line starts its pattern afresh, as each of the printer's lines does.
void PlotnoPdf::LiniaDo(int x, int y)
{
    const PunktInt a = pozycja_;
    pozycja_ = {x, y};
    if ((a.X == x && a.Y == y) || !JestPioro()) return;
    if (!linieOtwarte_ || koniecLinii_.X != a.X || koniecLinii_.Y != a.Y || styl_ != PioroCiagle) {
        ZakonczLinie();
        PioroDoTresci();
        Punkt(a.X, a.Y, " m\n");
        linieOtwarte_ = true;
    }
    Punkt(x, y, " l\n");
    koniecLinii_ = pozycja_;
}

void PlotnoPdf::Odcinki(std::span<const PunktInt> konce)
{
    for (std::size_t k = 0; k + 1 < konce.size(); k += 2) {
        pozycja_ = konce[k];
        LiniaDo(konce[k + 1].X, konce[k + 1].Y);
    }
}

void PlotnoPdf::ZacznijFigure()
{
    ZakonczLinie();
    if (JestPioro()) PioroDoTresci();
    if (JestPedzel()) PedzelDoTresci(kolorPedzla_);
}

// A closed figure: the even-odd rule, as Qt's polygons and rectangles have.
void PlotnoPdf::Obrysuj(bool zamknij)
{
    const bool pioro = JestPioro(), pedzel = JestPedzel();
    if (pioro && pedzel)
        tresc_ += zamknij ? "h B*\n" : "B*\n";
    else if (pedzel)
        tresc_ += "f*\n";
    else if (pioro)
        tresc_ += zamknij ? "h S\n" : "S\n";
    else
        tresc_ += "n\n";
}

void PlotnoPdf::Wielokat(const std::vector<PunktInt>& punkty)
{
    if (punkty.empty()) return;
    ZacznijFigure();
    Punkt(punkty[0].X, punkty[0].Y, " m\n");
    for (std::size_t i = 1; i < punkty.size(); ++i)
        Punkt(punkty[i].X, punkty[i].Y, " l\n");
    Obrysuj(true);
}

void PlotnoPdf::Prostokat(int x1, int y1, int x2, int y2)
{
    ZacznijFigure();
    const Pudelko p = PudelkoFigury(x1, y1, x2, y2);
    Punkt(p.x, p.y, " ");
    Punkt(p.szer, p.wys, " re\n");
    Obrysuj(false);
}

// Four Bezier quarters, as PDF draws an ellipse.
void PlotnoPdf::Elipsa(int x1, int y1, int x2, int y2)
{
    ZacznijFigure();
    const Pudelko p = PudelkoFigury(x1, y1, x2, y2);
    const double rx = p.szer / 2.0, ry = p.wys / 2.0;
    const double cx = p.x + rx, cy = p.y + ry;
    constexpr double k = 0.5522847498307936;
    auto punkt = [this](double x, double y) {
        Liczba(x);
        tresc_ += ' ';
        Liczba(y);
        tresc_ += ' ';
    };
    punkt(cx + rx, cy);
    tresc_ += "m\n";
    const double cwiartki[4][6] = {
        {cx + rx, cy + k * ry, cx + k * rx, cy + ry, cx, cy + ry},
        {cx - k * rx, cy + ry, cx - rx, cy + k * ry, cx - rx, cy},
        {cx - rx, cy - k * ry, cx - k * rx, cy - ry, cx, cy - ry},
        {cx + k * rx, cy - ry, cx + rx, cy - k * ry, cx + rx, cy},
    };
    for (const auto& c : cwiartki) {
        punkt(c[0], c[1]);
        punkt(c[2], c[3]);
        punkt(c[4], c[5]);
        tresc_ += "c\n";
    }
    Obrysuj(true);
}

// The glyphs are filled with the font colour over the text's cell, which a
// solid brush fills first.
void PlotnoPdf::WypiszTekst(int x, int y, std::string_view tekst)
{
    ZakonczLinie();
    if (JestPedzel()) {
        PedzelDoTresci(kolorPedzla_);
        Punkt(x, y, " ");
        Punkt(czcionki_->Szerokosc(kroj_, wysokoscCzcionki_, tekst), czcionki_->WysokoscKomorki(kroj_, wysokoscCzcionki_),
              " re f\n");
    }
    const std::string& obrys = czcionki_->Obrys(kroj_, wysokoscCzcionki_, tekst);
    if (obrys.empty()) return;
    PedzelDoTresci(kolorCzcionki_);
    tresc_ += "q 1 0 0 1 ";
    Punkt(x, y, " cm\n");
    tresc_ += obrys;
    tresc_ += "f Q\n";
}

int PlotnoPdf::SzerokoscTekstu(std::string_view tekst) { return czcionki_->Szerokosc(kroj_, wysokoscCzcionki_, tekst); }

void PlotnoPdf::UstawKrojCzcionki(const std::string& kroj) { kroj_ = kroj; }
void PlotnoPdf::UstawWysokoscCzcionki(int piksele) { wysokoscCzcionki_ = piksele; }
void PlotnoPdf::UstawKolorCzcionki(TKolor kolor) { kolorCzcionki_ = kolor; }
