#include "drawing/KopiaSchowka.h"

#include <QImage>
#include <cmath>
#include <limits>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "drawing/Wyjscie.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "platform/qt/Plotno.h"

namespace {

constexpr const char* MaskaRozmiaru = "##########0.##";
constexpr const char* ZaDuzo = "Max.8M pixeli(czyli np. 2666x3000)! Zmniejsz rozmiar lub rozdzielczość.";

struct Krawedz {
    float TNastawySchowek::*pole;
    float zastepcza;
    const char* nazwa;
    const char* komunikat;  // UTF-8
};
constexpr std::array<Krawedz, 4> Krawedzie = {{
    {&TNastawySchowek::X1, 0.0f, "x1", "Nieprawidłowa współrzędna x1!"},
    {&TNastawySchowek::X2, 20.0f, "x2", "Nieprawidłowa współrzędna x2!"},
    {&TNastawySchowek::Y1, 0.0f, "y1", "Nieprawidłowa współrzędna y1!"},
    {&TNastawySchowek::Y2, 28.0f, "y2", "Nieprawidłowa współrzędna y2!"},
}};

// The two edges of one direction in order, both boxes rewritten when they
// are exchanged; a side under 1 cm widened about its middle (boxes kept).
void UporzadkujBok(float& a, float& b, std::string& tekstA, std::string& tekstB)
{
    if (b < a) {
        std::swap(tekstA, tekstB);
        tekstA = FormatFloat(MaskaRozmiaru, TekstNaLiczbeS(tekstA, 0.0));
        tekstB = FormatFloat(MaskaRozmiaru, TekstNaLiczbeS(tekstB, 0.0));
        a = TekstNaLiczbeS(tekstA, 0.0);
        b = TekstNaLiczbeS(tekstB, 0.0);
    }
    if (b - a < 1.0f) {
        const float srodek = (a + b) / 2.0f;
        a = srodek - 0.5f;
        b = srodek + 0.5f;
    }
}

int32_t DoInt32(int64_t x) { return static_cast<int32_t>(std::min<int64_t>(x, std::numeric_limits<int32_t>::max())); }

int64_t Piksele(int32_t punktowNaCm, float dlugosc)
{
    const double p = static_cast<double>(punktowNaCm) * static_cast<double>(dlugosc);
    // The edges are within the table's limits, so this stays far inside 64 bits.
    return std::isfinite(p) ? static_cast<int64_t>(p) : 0;
}

// The view and the outputs of the screen, given back when the copy ends in
// any way; meanwhile the screen back-end draws on the copy's canvas alone.
class WidokSchowka {
public:
    explicit WidokSchowka(Plotno* plotno)
        : skala_(Skala), srodekX_(SrodekX), srodekY_(SrodekY), polSzer_(PolSzerEkranu), polWys_(PolWysEkranu),
          plotno_(PlotnoEkranu()), schowek_(WyjscieSchowek), wyjscia_(true, false, false)
    {
        ZakonczRysowanieEkranu();
        UstawPlotnoEkranu(plotno);
        WyjscieSchowek = true;
    }
    ~WidokSchowka()
    {
        UstawPlotnoEkranu(plotno_);
        WyjscieSchowek = schowek_;
        Skala = skala_;
        SrodekX = srodekX_;
        SrodekY = srodekY_;
        PolSzerEkranu = polSzer_;
        PolWysEkranu = polWys_;
    }
    WidokSchowka(const WidokSchowka&) = delete;
    WidokSchowka& operator=(const WidokSchowka&) = delete;

private:
    double skala_, srodekX_, srodekY_, polSzer_, polWys_;
    Plotno* plotno_;
    bool schowek_;
    ZachowajWyjscia wyjscia_;
};

}  // namespace

int64_t SzerokoscPikseli(const TNastawySchowek& n) { return Piksele(n.PunktowNaCm, n.X2 - n.X1); }
int64_t WysokoscPikseli(const TNastawySchowek& n) { return Piksele(n.PunktowNaCm, n.Y2 - n.Y1); }

bool OdswiezNastawySchowka(PolaSchowka& pola, TNastawySchowek& nastawy, std::string& komunikat)
{
    // Everything is read into a copy: a refused entry leaves the project's
    // settings as they were, fallbacks included.
    TNastawySchowek n = nastawy;
    bool dobre = true;
    for (std::size_t i = 0; i < Krawedzie.size(); ++i) {
        const Krawedz& k = Krawedzie[i];
        pola.krawedzie[i] = PoprawSeparator(pola.krawedzie[i]);
        double x = 0.0;
        std::string poza;
        if (CzytajWartosc(granice::Polozenie, pola.krawedzie[i], x, poza, k.nazwa)) {
            // As the file keeps it.
            n.*k.pole = static_cast<float>(JakWPliku(x, maski::Skala));
            continue;
        }
        double liczba = 0.0;
        const bool jestLiczba = SprobujTekstNaLiczbe(pola.krawedzie[i], liczba);
        n.*k.pole = k.zastepcza;
        dobre = false;
        komunikat = jestLiczba ? poza : Utf8NaCp1250(k.komunikat);
    }
    // One message for a text that is no integer and for one outside the
    // resolutions a copy can be made at.
    double punkty = 0.0;
    std::string poza;
    if (CzytajWartosc(granice::PunktowNaCm, pola.punktowNaCm, punkty, poza)) {
        n.PunktowNaCm = static_cast<int32_t>(punkty);
    } else {
        n.PunktowNaCm = 50;
        dobre = false;
        komunikat = Utf8NaCp1250("Nieprawidłowa wartość rozdzielczości!");
    }
    if (!dobre)
        return false;

    UporzadkujBok(n.X1, n.X2, pola.krawedzie[0], pola.krawedzie[1]);
    UporzadkujBok(n.Y1, n.Y2, pola.krawedzie[2], pola.krawedzie[3]);
    const int64_t szer = SzerokoscPikseli(n), wys = WysokoscPikseli(n);
    n.SzerokoscPx = DoInt32(szer);
    n.WysokoscPx = DoInt32(wys);
    if (szer * wys > MaksPikseliSchowka) {
        komunikat = Utf8NaCp1250(ZaDuzo);
        return false;
    }
    nastawy = n;
    return true;
}

std::string TekstRozmiaruSchowka(const TNastawySchowek& n)
{
    return "Rozmiar " + std::to_string(n.WysokoscPx) + "x" + std::to_string(n.SzerokoscPx) +
           "pkt. (h=" + FormatFloat(MaskaRozmiaru, n.Y2 - n.Y1) + "x b=" + FormatFloat(MaskaRozmiaru, n.X2 - n.X1) +
           ")cm";
}

bool NarysujFragment(const TNastawySchowek& n, const std::function<void()>& rysujArkusz, QImage& obraz,
                     std::string& komunikat)
{
    const int64_t szer = SzerokoscPikseli(n), wys = WysokoscPikseli(n);
    if (szer < 1 || wys < 1 || szer * wys > MaksPikseliSchowka) {
        komunikat = Utf8NaCp1250(ZaDuzo);
        return false;
    }
    obraz = QImage(static_cast<int>(szer), static_cast<int>(wys), QImage::Format_RGB32);
    if (obraz.isNull()) {
        komunikat = Utf8NaCp1250("Brak pamięci na obraz fragmentu rysunku.");
        return false;
    }
    PlotnoQt plotno(&obraz);
    {
        const WidokSchowka widok(&plotno);
        PolSzerEkranu = obraz.width() * 0.5;
        PolWysEkranu = obraz.height() * 0.5;
        SrodekX = n.X1 + (n.X2 - n.X1) * 0.5;
        SrodekY = n.Y1 + (n.Y2 - n.Y1) * 0.5;
        // The larger of the two scales, so that the whole rectangle fits.
        const float skalaX = std::fabs((n.X2 - n.X1) * 1000.0f) / static_cast<float>(obraz.width());
        const float skalaY = std::fabs((n.Y2 - n.Y1) * 1000.0f) / static_cast<float>(obraz.height());
        Skala = std::max(skalaX, skalaY);
        plotno.UstawKolorPiora(n.KolorTla);
        plotno.UstawKolorPedzla(n.KolorTla);
        plotno.UstawStylPedzla(StylPedzla::Pelny);
        plotno.Prostokat(0, 0, obraz.width(), obraz.height());
        rysujArkusz();
    }
    plotno.Zakoncz();
    return true;
}
