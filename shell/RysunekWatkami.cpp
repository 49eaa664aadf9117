#include "shell/RysunekWatkami.h"

#include <QImage>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <tuple>
#include <utility>
#include <vector>

#include "base/Watki.h"
#include "drawing/Wyjscie.h"
#include "drawing/ZasiegRysunku.h"
#include "model/Projekt.h"
#include "platform/qt/ObrazRzadki.h"
#include "platform/qt/Plotno.h"
#include "shell/Arkusz.h"

namespace {

// A layer's bitmap and its canvas, kept from redraw to redraw: the canvas
// keeps the font sizes and text widths it has measured. The bitmap has the
// screen's size, but only the rows drawn on take memory.
struct Pas {
    ObrazRzadki obraz;
    std::unique_ptr<PlotnoQt> plotno;
    // All its pixels zero: a redraw clears what it drew (an exception half
    // way may not).
    bool czysty = false;
    // The piece of the sheet a spare bitmap drew last, or -1.
    int kawalek = -1;

    PlotnoQt& Dopasuj(const QImage& wzor)
    {
        if (obraz.Dopasuj(wzor)) {
            plotno.reset();
            czysty = true;
        }
        if (!plotno)
            plotno = std::make_unique<PlotnoQt>(&obraz.Obraz());
        return *plotno;
    }
    uchar* Bity() { return obraz.Obraz().bits(); }
};

// The memory the layers took at the end of the last redraw of the whole
// sheet, before any went back.
std::size_t pamiecRysunku = 0;

// Never destroyed: a canvas's font must not outlive the Qt application in a
// static destructor.
// Each layer where it was made: its canvas holds the bitmap's address.
std::vector<std::unique_ptr<Pas>>& Pasy()
{
    static auto* pasy = new std::vector<std::unique_ptr<Pas>>;
    return *pasy;
}

// A band's canvas over the screen's bitmap itself, painting its own rows
// alone: the bands are drawn at once on the one bitmap, with no bitmap of
// their own. Kept from redraw to redraw as the layers are.
struct PasEkranu {
    QImage widok;  // the screen bitmap's pixels, not a copy of them
    std::unique_ptr<PlotnoQt> plotno;

    void Dopasuj(QImage& bitmapa)
    {
        uchar* bity = bitmapa.bits();
        if (widok.constBits() != bity || widok.size() != bitmapa.size() || widok.format() != bitmapa.format() ||
            widok.bytesPerLine() != bitmapa.bytesPerLine()) {
            plotno.reset();
            widok = QImage(bity, bitmapa.width(), bitmapa.height(), bitmapa.bytesPerLine(), bitmapa.format());
        }
        if (!plotno)
            plotno = std::make_unique<PlotnoQt>(&widok);
    }
};

std::vector<std::unique_ptr<PasEkranu>>& PasyEkranu()
{
    static auto* pasy = new std::vector<std::unique_ptr<PasEkranu>>;
    return *pasy;
}

// A band draws the diagrams within these pixels of its rows: the rounding
// to pixels may take a diagram's pixels a little beyond its extent.
constexpr int ZapasPasa = 4;

} // namespace

int WatkiRysowania() { return WatkiPracy(); }

void UstawWatkiRysowania(int watkow) { UstawWatkiPracy(watkow); }

bool MoznaRysowacWatkami()
{
    const QImage* bitmapa = BitmapaRysunkuWlasna();
    return bitmapa && bitmapa->depth() == 32 && std::min(WatkiRysowania(), bitmapa->height()) >= 2;
}

void NaWatkach(int n, const std::function<void(int)>& praca)
{
    // The drawing thread's outputs and canvas come back also after an exception.
    const PrzywrocStanWyjsc przywroc;
    Rownolegle(n, [&](int k) {
        // A thread of the pool, or this one running a work no thread could
        // be started for, keeps its own state for its next work.
        const PrzywrocStanWyjsc wlasny;
        przywroc.stan.Przyjmij();
        praca(k);
    });
}

// Each cut lies where the drawing above it is its share of the whole: a
// row of a diagram's extent weighs as much as eight bare rows of the
// bitmap, which are only copied.
std::vector<int> GranicePasow(int32_t wariant, int n, int wysokosc)
{
    constexpr int64_t WagaWierszaRysunku = 8;
    // How many extents start and end at each row.
    std::vector<int> poczatki(static_cast<std::size_t>(wysokosc) + 1, 0), konce(poczatki);
    DlaZasiegowWariantu(wariant, [&](const ProstokatArkusza& z) {
        const int y1 = std::clamp(CmNaEkranY(z.y2) - ZapasPasa, 0, wysokosc);
        const int y2 = std::clamp(CmNaEkranY(z.y1) + ZapasPasa + 1, 0, wysokosc);
        if (y1 < y2) {
            ++poczatki[static_cast<std::size_t>(y1)];
            ++konce[static_cast<std::size_t>(y2)];
        }
    });
    // praca[y]: the weight of the rows above row y.
    std::vector<int64_t> praca(poczatki.size(), 0);
    int pokrycie = 0;
    for (std::size_t y = 0; y + 1 < poczatki.size(); ++y) {
        pokrycie += poczatki[y] - konce[y];
        praca[y + 1] = praca[y] + 1 + WagaWierszaRysunku * pokrycie;
    }
    std::vector<int> granice{0};
    for (int k = 1; k < n; ++k) {
        const int64_t cel = praca.back() * k / n;
        granice.push_back(static_cast<int>(std::lower_bound(praca.begin(), praca.end(), cel) - praca.begin()));
    }
    granice.push_back(wysokosc);
    return granice;
}

bool RysujArkuszWatkami(int32_t wariant, const ProstokatArkusza* widoczny, const WarstwaArkusza& warstwa)
{
    if (!MoznaRysowacWatkami())
        return false;
    QImage* bitmapa = BitmapaRysunkuWlasna();
    const int n = std::min(WatkiDlaPracy(WatkiRysowania(), DiagramowWariantu(wariant), DiagramowNaWatek),
                           bitmapa->height());
    if (n < 2)
        return false;
    ZakonczRysowanieEkranu();
    // Detached here, once: the threads then only touch its bytes.
    bitmapa->bits();
    std::vector<std::unique_ptr<PasEkranu>>& pasy = PasyEkranu();
    while (pasy.size() < static_cast<std::size_t>(n))
        pasy.push_back(std::make_unique<PasEkranu>());
    for (int k = 0; k < n; ++k)
        pasy[static_cast<std::size_t>(k)]->Dopasuj(*bitmapa);

    const int szerokosc = bitmapa->width();
    const std::vector<int> granice = GranicePasow(wariant, n, bitmapa->height());
    NaWatkach(n, [&](int k) {
        const int y1 = granice[static_cast<std::size_t>(k)], y2 = granice[static_cast<std::size_t>(k) + 1];
        PlotnoQt& plotno = *pasy[static_cast<std::size_t>(k)]->plotno;
        plotno.OgraniczDoWierszy(y1, y2);
        UstawPlotnoEkranu(&plotno);
        // The diagrams that reach the band: the sheet's part under it, a few
        // pixels more each way for the rounding to pixels.
        ProstokatArkusza czesc;
        czesc.Dodaj(EkranNaCmX(-ZapasPasa), EkranNaCmY(y1 - ZapasPasa));
        czesc.Dodaj(EkranNaCmX(szerokosc + ZapasPasa), EkranNaCmY(y2 + ZapasPasa));
        RysujArkuszWariantu(wariant, widoczny, &czesc, warstwa);
        plotno.Zakoncz();
    });
    return true;
}

namespace {

// A layer of the whole sheet's redraw: its pixels and the rows it drew on,
// as its canvas recorded them.
struct Warstwa {
    uchar* bity;
    const std::vector<unsigned char>* wiersze;
};

// A drawn row is laid over in stretches of this many pixels.
constexpr int PikseliOdcinka = 16;

// Lays the pixels each of `warstwy` drew (not zero: a drawn pixel is opaque)
// over rows [y1, y2) of the bitmap, in order, and clears them for the next
// redraw: the memory stays, to be drawn on again without the system's
// giving it anew. Only the rows a layer drew on are read, and only the
// stretches it drew on written, which elsewhere would make the system give
// memory.
void NalozWarstwy(uchar* bity, qsizetype wiersz, int szerokosc, int y1, int y2, const std::vector<Warstwa>& warstwy)
{
    for (int y = y1; y < y2; ++y) {
        auto* cel = reinterpret_cast<uint32_t*>(bity + y * wiersz);
        for (const Warstwa& w : warstwy) {
            if (!(*w.wiersze)[static_cast<std::size_t>(y)])
                continue;
            auto* z = reinterpret_cast<uint32_t*>(w.bity + y * wiersz);
            // Most of a drawn row is bare: a stretch with nothing drawn is
            // only read.
            for (int x0 = 0; x0 < szerokosc; x0 += PikseliOdcinka) {
                const int x1 = std::min(szerokosc, x0 + PikseliOdcinka);
                uint32_t cos = 0;
                for (int x = x0; x < x1; ++x)
                    cos |= z[x];
                if (cos == 0)
                    continue;
                for (int x = x0; x < x1; ++x) {
                    cel[x] = z[x] != 0 ? z[x] : cel[x];
                    z[x] = 0;
                }
            }
        }
    }
}

} // namespace

namespace {

// The memory of the layers goes back only when no redraw of the whole
// sheet came for a while: each restarts the one timer. Never destroyed, as
// the layers.
void OddajPamiecPoPrzerwie()
{
    static QTimer* zegar = [] {
        auto* z = new QTimer;
        z->setSingleShot(true);
        z->setInterval(PrzerwaOddaniaPamieci);
        QObject::connect(z, &QTimer::timeout, [] { OddajPamiecRysunku(); });
        return z;
    }();
    zegar->start();
}

// A layer keeps the memory of the rows it drew on in this redraw, one
// that did not draw none. One an exception left drawn on is cleared.
void ZostawWierszeNarysowane(Pas& pas, bool rysowala)
{
    static const std::vector<unsigned char> zadnego;
    if (!pas.czysty) {
        pas.obraz.Wyczysc();
        pas.czysty = true;
        return;
    }
    pas.obraz.OddajPoza(rysowala && pas.plotno ? pas.plotno->KazdyWierszNarysowany() : zadnego);
}

// Each thread's part of the whole sheet comes in this many pieces: the
// thread draws its own from the first, and a thread done with its own takes
// another's from the last, on a spare bitmap, so that a thread the system
// holds up does not hold up the redraw.
constexpr int KawalkowWatku = 8;

// The spare bitmaps of taken pieces, kept as the bands are.
std::vector<std::unique_ptr<Pas>>& Zapasowe()
{
    static auto* zapasowe = new std::vector<std::unique_ptr<Pas>>;
    return *zapasowe;
}

// A layer's bitmap empty, its canvas counting the rows drawn from now on.
PlotnoQt& ZacznijWarstwe(Pas& pas)
{
    if (!pas.czysty)
        pas.obraz.Wyczysc();
    pas.czysty = false;
    pas.plotno->ZerujWierszeNarysowane();
    return *pas.plotno;
}

// Which pieces are left to each thread, and where the taken ones went.
class PodzialKawalkow {
public:
    // `ostatnie`: the piece each spare bitmap drew last, or -1.
    PodzialKawalkow(int watkow, std::vector<int> ostatnie)
        : przod_(static_cast<std::size_t>(watkow)), tyl_(przod_.size()),
          zapas_(static_cast<std::size_t>(watkow * KawalkowWatku), -1), ostatnie_(std::move(ostatnie)),
          uzyty_(ostatnie_.size(), false)
    {
        for (int k = 0; k < watkow; ++k) {
            przod_[static_cast<std::size_t>(k)] = k * KawalkowWatku;
            tyl_[static_cast<std::size_t>(k)] = (k + 1) * KawalkowWatku;
        }
    }

    // The next piece of thread k's own, or -1.
    int Wlasny(int k)
    {
        const std::lock_guard<std::mutex> blokada(zamek_);
        const auto i = static_cast<std::size_t>(k);
        return przod_[i] < tyl_[i] ? przod_[i]++ : -1;
    }

    // The last piece of the thread with the most left and the spare bitmap
    // for it, or -1 when none is left or no spare.
    std::pair<int, int> Cudzy()
    {
        const std::lock_guard<std::mutex> blokada(zamek_);
        std::size_t najwiecej = 0;
        for (std::size_t j = 1; j < przod_.size(); ++j)
            if (tyl_[j] - przod_[j] > tyl_[najwiecej] - przod_[najwiecej])
                najwiecej = j;
        if (tyl_[najwiecej] <= przod_[najwiecej])
            return {-1, -1};
        const int kawalek = tyl_[najwiecej] - 1;
        const int z = ZapasowyDla(kawalek);
        if (z < 0)
            return {-1, -1};
        --tyl_[najwiecej];
        zapas_[static_cast<std::size_t>(kawalek)] = z;
        uzyty_[static_cast<std::size_t>(z)] = true;
        return {kawalek, z};
    }

    // After the drawing: the pieces of thread k others took, in order, as
    // the spare bitmaps that hold them.
    std::vector<int> ZapasoweWatku(int k) const
    {
        std::vector<int> z;
        for (int p = tyl_[static_cast<std::size_t>(k)]; p < (k + 1) * KawalkowWatku; ++p)
            z.push_back(zapas_[static_cast<std::size_t>(p)]);
        return z;
    }
    bool Uzyty(int z) const { return uzyty_[static_cast<std::size_t>(z)]; }
    std::size_t Zapasowych() const { return uzyty_.size(); }
    // The spare bitmap that holds piece p, or -1.
    int Zapasowy(int p) const { return zapas_[static_cast<std::size_t>(p)]; }

private:
    // The free spare that drew the nearest piece last, or -1 when all are
    // taken: the pieces follow the sheet's order, so it has the memory of
    // about the rows this one draws on, and the system need not give it
    // anew. Under the lock.
    int ZapasowyDla(int kawalek) const
    {
        int najlepszy = -1, odleglosc = 0;
        for (std::size_t z = 0; z < uzyty_.size(); ++z) {
            if (uzyty_[z])
                continue;
            const int d = ostatnie_[z] < 0 ? INT_MAX : std::abs(ostatnie_[z] - kawalek);
            if (najlepszy < 0 || d < odleglosc) {
                najlepszy = static_cast<int>(z);
                odleglosc = d;
            }
        }
        return najlepszy;
    }

    std::mutex zamek_;
    std::vector<int> przod_, tyl_, zapas_, ostatnie_;
    std::vector<bool> uzyty_;
};

// After a redraw by `watkow` threads, the memory the layers drew on stays
// for the next redraw, which mostly draws the same: given back at every
// redraw, its pages would be given anew and zeroed by the system at the
// next, on every thread at once. A thread's own layer keeps the rows it drew
// on now. The spare bitmaps draw pieces the system's timing chooses, so
// each keeps what it drew in earlier redraws too, while all the layers
// together keep at most `granica` bytes: beyond, the spares keep what they
// drew now, and those that did not draw now nothing. What this redraw drew
// stays: it took that memory anyway. All goes back when the redraws pause.
void ZostawPamiec(std::size_t watkow, const PodzialKawalkow& podzial, std::size_t granica)
{
    std::vector<std::unique_ptr<Pas>>& pasy = Pasy();
    std::vector<std::unique_ptr<Pas>>& zapasowe = Zapasowe();
    for (std::size_t k = 1; k < pasy.size(); ++k)
        ZostawWierszeNarysowane(*pasy[k], k < watkow);
    auto uzyty = [&](std::size_t z) { return z < podzial.Zapasowych() && podzial.Uzyty(static_cast<int>(z)); };
    for (std::size_t z = podzial.Zapasowych(); z < zapasowe.size(); ++z)
        ZostawWierszeNarysowane(*zapasowe[z], false);
    for (bool rysowaly : {true, false})
        if (PamiecBitmapWatkow() > granica)
            for (std::size_t z = 0; z < zapasowe.size(); ++z)
                if (uzyty(z) == rysowaly)
                    ZostawWierszeNarysowane(*zapasowe[z], rysowaly);
}

} // namespace

bool RysujArkuszWarstwami(int32_t wariant, const std::function<void()>& tlo)
{
    if (!MoznaRysowacWatkami())
        return false;
    QImage* bitmapa = BitmapaRysunkuWlasna();
    const int n = WatkiDlaPracy(WatkiRysowania(), DiagramowWariantu(wariant), DiagramowNaWatek);
    if (n < 2)
        return false;
    const int wysokosc = bitmapa->height(), szerokosc = bitmapa->width();
    const std::vector<ZakresArkusza> kawalki = PodzielArkusz(wariant, n * KawalkowWatku);

    const int zapasowych = std::max(1, n / 2);
    std::vector<std::unique_ptr<Pas>>& pasy = Pasy();
    std::vector<std::unique_ptr<Pas>>& zapasowe = Zapasowe();
    while (pasy.size() < static_cast<std::size_t>(n))
        pasy.push_back(std::make_unique<Pas>());
    while (zapasowe.size() < static_cast<std::size_t>(zapasowych))
        zapasowe.push_back(std::make_unique<Pas>());
    for (int k = 1; k < n; ++k)
        pasy[static_cast<std::size_t>(k)]->Dopasuj(*bitmapa).OgraniczDoWierszy(0, wysokosc);
    for (int z = 0; z < zapasowych; ++z)
        zapasowe[static_cast<std::size_t>(z)]->Dopasuj(*bitmapa).OgraniczDoWierszy(0, wysokosc);

    // The first thread draws on the bitmap with its own canvas.
    std::vector<int> ostatnie;
    for (int z = 0; z < zapasowych; ++z)
        ostatnie.push_back(zapasowe[static_cast<std::size_t>(z)]->kawalek);
    PodzialKawalkow podzial(n, std::move(ostatnie));
    NaWatkach(n, [&](int k) {
        if (k > 0)
            UstawPlotnoEkranu(&ZacznijWarstwe(*pasy[static_cast<std::size_t>(k)]));
        else if (tlo)
            tlo();
        Plotno* wlasne = PlotnoEkranu();
        for (int p = podzial.Wlasny(k); p >= 0; p = podzial.Wlasny(k))
            RysujZakresArkusza(wariant, nullptr, nullptr, kawalki[static_cast<std::size_t>(p)]);
        if (k > 0)
            pasy[static_cast<std::size_t>(k)]->plotno->Zakoncz();
        for (auto [p, z] = podzial.Cudzy(); p >= 0; std::tie(p, z) = podzial.Cudzy()) {
            PlotnoQt& zapasowe_plotno = ZacznijWarstwe(*zapasowe[static_cast<std::size_t>(z)]);
            UstawPlotnoEkranu(&zapasowe_plotno);
            RysujZakresArkusza(wariant, nullptr, nullptr, kawalki[static_cast<std::size_t>(p)]);
            zapasowe_plotno.Zakoncz();
            UstawPlotnoEkranu(wlasne);
        }
    });

    ZakonczRysowanieEkranu();
    uchar* bity = bitmapa->bits();
    const qsizetype wiersz = bitmapa->bytesPerLine();
    // In the sheet's order: each thread's layer, then the pieces of its part
    // others took. Only the rows a layer drew on are laid over and cleared.
    std::vector<Warstwa> warstwy;
    auto dodaj = [&warstwy](Pas& pas) {
        const std::vector<unsigned char>& wiersze = pas.plotno->KazdyWierszNarysowany();
        pas.obraz.Zajmij(wiersze);
        warstwy.push_back({pas.Bity(), &wiersze});
    };
    for (int k = 0; k < n; ++k) {
        if (k > 0)
            dodaj(*pasy[static_cast<std::size_t>(k)]);
        for (int z : podzial.ZapasoweWatku(k))
            dodaj(*zapasowe[static_cast<std::size_t>(z)]);
    }
    NaWatkach(n, [&](int k) {
        NalozWarstwy(bity, wiersz, szerokosc, wysokosc * k / n, wysokosc * (k + 1) / n, warstwy);
    });
    for (int k = 1; k < n; ++k)
        pasy[static_cast<std::size_t>(k)]->czysty = true;
    for (int p = 0; p < n * KawalkowWatku; ++p)
        if (const int z = podzial.Zapasowy(p); z >= 0) {
            zapasowe[static_cast<std::size_t>(z)]->czysty = true;
            zapasowe[static_cast<std::size_t>(z)]->kawalek = p;
        }
    pamiecRysunku = PamiecBitmapWatkow();
    ZostawPamiec(static_cast<std::size_t>(n), podzial, 2 * static_cast<std::size_t>(bitmapa->sizeInBytes()));
    OddajPamiecPoPrzerwie();
    return true;
}

std::size_t PamiecWarstwRysunku() { return pamiecRysunku; }

void OddajPamiecRysunku()
{
    for (const auto* warstwy : {&Pasy(), &Zapasowe()})
        for (const std::unique_ptr<Pas>& pas : *warstwy)
            ZostawWierszeNarysowane(*pas, false);
}

std::size_t PamiecBitmapWatkow()
{
    std::size_t pamiec = 0;
    for (const auto* warstwy : {&Pasy(), &Zapasowe()})
        for (const std::unique_ptr<Pas>& pas : *warstwy)
            pamiec += pas->obraz.PamiecUzywana();
    return pamiec;
}
