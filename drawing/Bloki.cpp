#include "drawing/Bloki.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <numbers>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Geometria.h"
#include "drawing/Luki.h"
#include "drawing/Rysowanie.h"
#include "drawing/Tekst.h"
#include "base/Teksty.h"
#include "drawing/Wyjscie.h"
#include "model/Projekt.h"
#include "platform/qt/Plotno.h"

namespace {

const std::string WarstwaBlokow = "Rupl_Bloki";

// A width beyond this is no line width: it would only make a pen of
// millions of pixels.
constexpr float MaksGrubosc = 100.0f;

char Duza(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// The rest of a command line being read from the left. Every read either
// succeeds and consumes its text or fails and consumes nothing.
class Czytnik {
public:
    explicit Czytnik(std::string tekst) : s_(std::move(tekst)) {}

    std::size_t Pozostalo() const { return s_.size() - i_; }
    bool Jest(char c) const { return i_ < s_.size() && s_[i_] == c; }
    bool ZaczynaSieOdGR() const { return Pozostalo() >= 2 && Duza(s_[i_]) == 'G' && Duza(s_[i_ + 1]) == 'R'; }
    void Pomin(std::size_t n) { i_ += std::min(n, Pozostalo()); }

    // The text up to `koniec`, which is consumed with it.
    bool Do(std::string_view koniec, std::string& wynik)
    {
        const std::size_t k = s_.find(koniec, i_);
        if (k == std::string::npos)
            return false;
        wynik.assign(s_, i_, k - i_);
        i_ = k + koniec.size();
        return true;
    }

    bool Liczba(char koniec, double& wynik)
    {
        const std::size_t start = i_;
        std::string t;
        if (Do(std::string_view(&koniec, 1), t) && SprobujTekstNaLiczbe(t, wynik))
            return true;
        i_ = start;
        return false;
    }

    bool LiczbaS(char koniec, float& wynik)
    {
        const std::size_t start = i_;
        double w = 0.0;
        if (Liczba(koniec, w) && std::fabs(w) <= std::numeric_limits<float>::max()) {
            wynik = static_cast<float>(w);
            return true;
        }
        i_ = start;
        return false;
    }

    bool Calkowita(char koniec, int32_t& wynik)
    {
        const std::size_t start = i_;
        std::string t;
        int64_t w = 0;
        if (Do(std::string_view(&koniec, 1), t) && SprobujTekstNaCalkowita(t, w) &&
            w >= std::numeric_limits<int32_t>::min() && w <= std::numeric_limits<int32_t>::max()) {
            wynik = static_cast<int32_t>(w);
            return true;
        }
        i_ = start;
        return false;
    }

private:
    std::string s_;
    std::size_t i_ = 0;
};

std::string BezOdstepow(std::string_view linia)
{
    std::string wynik;
    for (char c : linia)
        if (c != ' ')
            wynik += c;
    return wynik;
}

// A text command keeps its blanks inside single quotes.
std::string BezOdstepowPozaCudzyslowem(std::string_view linia)
{
    std::string wynik;
    bool wCudzyslowie = false;
    for (char c : linia) {
        if (c == '\'')
            wCudzyslowie = !wCudzyslowie;
        if (c != ' ' || wCudzyslowie)
            wynik += c;
    }
    return wynik;
}

// Colour and width after the geometry; each read on its own.
void CzytajKoncowke(Czytnik& c, KoncowkaKomendy& k)
{
    if (c.Pozostalo() > 2) {
        c.Pomin(1);
        if (c.Jest('K')) {
            c.Pomin(2);
            int32_t r = 0, g = 0, b = 0;
            if (c.Calkowita(',', r) && c.Calkowita(',', g) && c.Calkowita(')', b)) {
                k.Kolor = KolorRGB(r, g, b);
            } else {
                // Black, and the width is still read after the bad colour.
                k.Kolor = 0;
                std::string reszta;
                c.Do(")", reszta);
            }
        }
    }
    if (c.Pozostalo() > 2) {
        // Without a colour the separator before "GR" is already gone.
        if (!c.ZaczynaSieOdGR())
            c.Pomin(1);
        if (c.ZaczynaSieOdGR())
            c.Pomin(3);
        float g = 0.0f;
        k.Grubosc = (c.LiczbaS(')', g) && g >= 0.0f && g <= MaksGrubosc) ? g : 0.2f;
    }
}

// The command word dropped; false when no "(" follows, so that the geometry
// is left out (and stays zero) while the command still counts as read.
bool PoSlowieKomendy(Czytnik& c, std::size_t dlugoscSlowa)
{
    c.Pomin(dlugoscSlowa);
    if (!c.Jest('('))
        return false;
    c.Pomin(1);
    return true;
}

bool CzytajGeometrieLP(Czytnik& c, KomendaLinia& k)
{
    if (!PoSlowieKomendy(c, 1))
        return true;
    if (!c.Liczba(',', k.X1) || !c.Liczba(')', k.Y1))
        return false;
    c.Pomin(1);  // the separator between the points, whatever it is
    if (!c.Jest('('))
        return true;
    c.Pomin(1);
    return c.Liczba(',', k.X2) && c.Liczba(')', k.Y2);
}

bool CzytajGeometrieO(Czytnik& c, KomendaOkrag& k)
{
    if (!PoSlowieKomendy(c, 1))
        return true;
    return c.Liczba(',', k.X) && c.Liczba(',', k.Y) && c.Liczba(')', k.R);
}

bool CzytajGeometrieLUK(Czytnik& c, KomendaLuk& k)
{
    if (!PoSlowieKomendy(c, 3))
        return true;
    double pocz = 0.0, kon = 0.0;
    if (!c.Liczba(',', k.X) || !c.Liczba(',', k.Y) || !c.Liczba(',', k.R) || !c.Liczba(',', pocz))
        return false;
    k.KatPocz = NaRadiany(pocz);
    if (k.KatPocz < -6.2832)
        k.KatPocz = -2.0 * std::numbers::pi;
    if (!c.Liczba(')', kon))
        return false;
    k.KatKon = NaRadiany(kon);
    if (k.KatKon > 6.2832)
        k.KatKon = 2.0 * std::numbers::pi;
    return true;
}

bool CzytajGeometrieT(Czytnik& c, KomendaTekst& k)
{
    if (!PoSlowieKomendy(c, 1))
        return true;
    if (!c.Liczba(',', k.X) || !c.Liczba(',', k.Y))
        return false;
    c.Pomin(1);  // the opening quote
    std::string tekst;
    if (!c.Do("',", tekst))
        return false;
    k.Tekst = tekst;
    return c.LiczbaS(',', k.Wysokosc) && c.LiczbaS(',', k.SzerZnaku) && c.LiczbaS(')', k.Kat);
}

template <typename Komenda, typename Geometria>
void CzytajKomende(std::string tekst, Komenda& k, Geometria geometria)
{
    k = Komenda{};
    Czytnik c(std::move(tekst));
    if (!geometria(c, k))
        k.Poprawna = 0;
    CzytajKoncowke(c, k);
}

// Where a point of a block lands on the sheet.
struct Umieszczenie {
    double x0, y0, sx, sy;
    double X(double x) const { return x0 + sx * x; }
    double Y(double y) const { return y0 + sy * y; }
};

// The four sides of a rectangle, in the order the outline was always drawn.
template <typename Linia>
void BokiProstokata(const KomendaLinia& k, const Umieszczenie& u, Linia linia)
{
    const double x1 = u.X(k.X1), y1 = u.Y(k.Y1), x2 = u.X(k.X2), y2 = u.Y(k.Y2);
    linia(x1, y1, x1, y2);
    linia(x2, y2, x1, y2);
    linia(x2, y2, x2, y1);
    linia(x1, y1, x2, y1);
}

// Lines and rectangles with a placed outline that is all finite numbers.
template <typename Linia>
void RysujLinieKomendy(RodzajKomendy rodzaj, const std::string& linia, const Umieszczenie& u, Linia rysuj)
{
    KomendaLinia k;
    CzytajKomendeLP(linia, k);
    if (!k.Poprawna || !Skonczone({u.X(k.X1), u.Y(k.Y1), u.X(k.X2), u.Y(k.Y2)}))
        return;
    if (rodzaj == RodzajKomendy::Linia)
        rysuj(k, u.X(k.X1), u.Y(k.Y1), u.X(k.X2), u.Y(k.Y2));
    else
        BokiProstokata(k, u, [&](double a, double b, double c, double d) { rysuj(k, a, b, c, d); });
}

void RysujLukBloku(double x, double y, double r, double pocz, double kon, const KoncowkaKomendy& k,
                   const Umieszczenie& u)
{
    // The arc primitive works in singles: a value beyond them draws nothing.
    const float cx = static_cast<float>(u.X(x)), cy = static_cast<float>(u.Y(y)), rr = static_cast<float>(u.sx * r);
    const float a = static_cast<float>(pocz), b = static_cast<float>(kon);
    if (!Skonczone({cx, cy, rr, a, b}))
        return;
    RysujLukOdcinkami(k.Kolor, WarstwaBlokow, cx, cy, rr, a, b, k.Grubosc);
}

// A parsed text with its placed anchor and sizes.
struct TekstUmieszczony {
    KomendaTekst k;
    double x = 0, y = 0, wysokosc = 0, szerokosc = 0;
};

bool UmiescTekst(const std::string& linia, const Umieszczenie& u, TekstUmieszczony& t)
{
    CzytajKomendeT(linia, t.k);
    t.x = u.X(t.k.X);
    t.y = u.Y(t.k.Y);
    t.wysokosc = u.sy * t.k.Wysokosc;
    t.szerokosc = u.sx * t.k.SzerZnaku;
    // A text of no height shows nothing (and has no width factor in DXF).
    return t.k.Poprawna && t.wysokosc != 0.0 && Skonczone({t.x, t.y, t.wysokosc, t.szerokosc, t.k.Kat});
}

}  // namespace

RodzajKomendy RozpoznajKomende(std::string_view linia)
{
    auto litera = [&](char l) { return !linia.empty() && Duza(linia[0]) == l && linia.find('(') == 1; };
    if (litera('L'))
        return RodzajKomendy::Linia;
    if (litera('O'))
        return RodzajKomendy::Okrag;
    if (litera('P'))
        return RodzajKomendy::Prostokat;
    if (litera('T'))
        return RodzajKomendy::Tekst;
    if (linia.size() >= 3 && Duza(linia[0]) == 'L' && Duza(linia[1]) == 'U' && Duza(linia[2]) == 'K')
        return RodzajKomendy::Luk;
    return RodzajKomendy::Brak;
}

void CzytajKomendeLP(std::string_view linia, KomendaLinia& k)
{
    CzytajKomende(BezOdstepow(linia), k, CzytajGeometrieLP);
}

void CzytajKomendeO(std::string_view linia, KomendaOkrag& k)
{
    CzytajKomende(BezOdstepow(linia), k, CzytajGeometrieO);
}

void CzytajKomendeLUK(std::string_view linia, KomendaLuk& k)
{
    CzytajKomende(BezOdstepow(linia), k, CzytajGeometrieLUK);
}

void CzytajKomendeT(std::string_view linia, KomendaTekst& k)
{
    CzytajKomende(BezOdstepowPozaCudzyslowem(linia), k, CzytajGeometrieT);
}

void RysujKomendeBloku(const std::string& linia, float x0, float y0, float skalaX, float skalaY)
{
    const Umieszczenie u{x0, y0, skalaX, skalaY};
    switch (const RodzajKomendy rodzaj = RozpoznajKomende(linia)) {
    case RodzajKomendy::Linia:
    case RodzajKomendy::Prostokat:
        RysujLinieKomendy(rodzaj, linia, u, [](const KomendaLinia& k, double a, double b, double c, double d) {
            RysujLinie(k.Kolor, WarstwaBlokow, a, b, c, d, k.Grubosc);
        });
        break;
    case RodzajKomendy::Okrag: {
        KomendaOkrag k;
        CzytajKomendeO(linia, k);
        if (k.Poprawna)
            RysujLukBloku(k.X, k.Y, k.R, 0.0, 6.283185f, k, u);
        break;
    }
    case RodzajKomendy::Luk: {
        KomendaLuk k;
        CzytajKomendeLUK(linia, k);
        if (k.Poprawna)
            RysujLukBloku(k.X, k.Y, k.R, k.KatPocz, k.KatKon, k, u);
        break;
    }
    case RodzajKomendy::Tekst: {
        TekstUmieszczony t;
        if (UmiescTekst(linia, u, t))
            RysujTekst(t.k.Tekst, t.k.Kolor, t.x, t.y, t.wysokosc, t.szerokosc, t.k.Grubosc, t.k.Kat, WarstwaBlokow);
        break;
    }
    case RodzajKomendy::Brak:
        break;
    }
}

void RysujBloki(bool nad)
{
    // Placements find their definition by name through an index made once
    // per pass. A name defined more than once (only a damaged or hand-edited
    // file has that) draws its last definition, the one the block window
    // finds, not every one on top of the others.
    std::unordered_map<std::string_view, const DaneBlokWpis*> definicje;
    definicje.reserve(DefinicjeBlokow.size());
    for (const DaneBlokWpis& def : DefinicjeBlokow)
        definicje[def.Nazwa] = &def;
    for (const DaneBlok& blok : Bloki) {
        if ((blok.Nad != 0) != nad || (blok.Wariant != -1 && blok.Wariant != RysowanyWariant()))
            continue;
        const auto znaleziona = definicje.find(blok.Nazwa);
        if (znaleziona == definicje.end())
            continue;
        const DaneBlokWpis* def = znaleziona->second;
        // A range reaching outside the line list draws what lies inside it.
        const int koniec = std::min(def->Koniec, LiczbaLiniiBlokow() - 1);
        for (int l = std::max(def->Start, 0); l <= koniec; ++l)
            RysujKomendeBloku(LinieBlokow[l].str(), blok.X, blok.Y, blok.Sx, blok.Sy);
    }
}

void PodgladNaPlotnie::RysujLinieNaPodgladzie(int gruboscPiks, TKolor kolor, double x1, double y1, double x2,
                                              double y2)
{
    plotno_.UstawKolorPiora(kolor);
    plotno_.UstawGruboscPiora(gruboscPiks);
    plotno_.UstawStylPiora(PioroCiagle);
    plotno_.PrzesunDo(CmNaEkranX(x1), CmNaEkranY(y1));
    plotno_.LiniaDo(CmNaEkranX(x2), CmNaEkranY(y2));
}

void PodgladNaPlotnie::RysujTekstNaPodgladzie(const std::string& tekst, TKolor kolor, double x, double y,
                                              double wysokosc, double szerokoscZnaku, double gruboscPiora, double kat)
{
    // The stroke text of the screen draws on the screen canvas: lend it ours.
    struct Pozyczka {
        Plotno* poprzednie = PlotnoEkranu();
        ~Pozyczka() { UstawPlotnoEkranu(poprzednie); }
    } pozyczka;
    UstawPlotnoEkranu(&plotno_);
    plotno_.UstawKolorPiora(kolor);
    plotno_.UstawGruboscPiora(GruboscEkran(static_cast<float>(gruboscPiora)));
    RysujTekstWektEkran(tekst, static_cast<float>(szerokoscZnaku), static_cast<float>(wysokosc),
                        static_cast<float>(CmNaEkranX(x)), static_cast<float>(CmNaEkranY(y)), static_cast<float>(kat));
}

void RysujBlokNaPodgladzie(PodgladRysunku& podglad, const std::string& linia, float x0, float y0, float skalaX,
                           float skalaY)
{
    const Umieszczenie u{x0, y0, skalaX, skalaY};
    switch (const RodzajKomendy rodzaj = RozpoznajKomende(linia)) {
    case RodzajKomendy::Linia:
    case RodzajKomendy::Prostokat:
        RysujLinieKomendy(rodzaj, linia, u, [&](const KomendaLinia& k, double a, double b, double c, double d) {
            podglad.RysujLinieNaPodgladzie(1, k.Kolor, a, b, c, d);
        });
        break;
    case RodzajKomendy::Tekst: {
        TekstUmieszczony t;
        if (UmiescTekst(linia, u, t))
            podglad.RysujTekstNaPodgladzie(t.k.Tekst, t.k.Kolor, t.x, t.y, t.wysokosc, t.szerokosc, t.k.Grubosc,
                                           t.k.Kat);
        break;
    }
    default:
        break;
    }
}

float SzerTekstuBloku(const std::string& tekst, float szerZnaku)
{
    float suma = 0.0f;
    for (char c : tekst)
        suma += static_cast<float>(szerZnaku * Czcionka[static_cast<unsigned char>(c)].Szerokosc * 0.0118);
    return suma;
}

void ZakresKomendyBloku(const std::string& linia, float& xMin, float& xMax, float& yMin, float& yMax)
{
    xMin = 100000.0f;
    xMax = -100000.0f;
    yMin = 100000.0f;
    yMax = -100000.0f;
    auto obejmij = [&](double x1, double y1, double x2, double y2) {
        xMin = static_cast<float>(std::min(x1, x2));
        xMax = static_cast<float>(std::max(x1, x2));
        yMin = static_cast<float>(std::min(y1, y2));
        yMax = static_cast<float>(std::max(y1, y2));
    };
    switch (RozpoznajKomende(linia)) {
    case RodzajKomendy::Linia:
    case RodzajKomendy::Prostokat: {
        KomendaLinia k;
        CzytajKomendeLP(linia, k);
        if (k.Poprawna)
            obejmij(k.X1, k.Y1, k.X2, k.Y2);
        break;
    }
    case RodzajKomendy::Okrag: {
        KomendaOkrag k;
        CzytajKomendeO(linia, k);
        if (k.Poprawna)
            obejmij(k.X - k.R, k.Y - k.R, k.X + k.R, k.Y + k.R);
        break;
    }
    case RodzajKomendy::Luk: {
        // An arc counts as its whole circle.
        KomendaLuk k;
        CzytajKomendeLUK(linia, k);
        if (k.Poprawna)
            obejmij(k.X - k.R, k.Y - k.R, k.X + k.R, k.Y + k.R);
        break;
    }
    case RodzajKomendy::Tekst: {
        KomendaTekst k;
        CzytajKomendeT(linia, k);
        const double a = NaRadiany(k.Kat);
        const double w = k.Poprawna ? SzerTekstuBloku(k.Tekst, k.SzerZnaku) : 0.0;
        // The text's extent starts where its DXF entity is inserted.
        const PunktXY p = WstawienieTekstuDxf(k.X, k.Y, k.Wysokosc, k.Kat);
        obejmij(p.X, p.Y, p.X + w * std::cos(a), p.Y + w * std::sin(a));
        break;
    }
    case RodzajKomendy::Brak:
        break;
    }
}
