#include "shell/RysunekWatkami.h"

#include <QImage>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "base/Watki.h"
#include "drawing/Wyjscie.h"
#include "drawing/ZasiegRysunku.h"
#include "platform/qt/Plotno.h"
#include "shell/Arkusz.h"

namespace {

// A band's bitmap and its canvas, kept from redraw to redraw: the canvas
// keeps the font sizes and text widths it has measured.
struct Pas {
    QImage obraz;
    std::unique_ptr<PlotnoQt> plotno;
    // All its pixels zero: a layer of the whole sheet's redraw leaves it so.
    bool czysty = false;

    PlotnoQt& Dopasuj(const QImage& wzor)
    {
        if (obraz.size() != wzor.size() || obraz.format() != wzor.format()) {
            plotno.reset();
            obraz = QImage(wzor.size(), wzor.format());
            czysty = false;
        }
        if (!plotno)
            plotno = std::make_unique<PlotnoQt>(&obraz);
        return *plotno;
    }
};

// Never destroyed: a canvas's font must not outlive the Qt application in a
// static destructor.
// Each band where it was made: its canvas holds the bitmap's address.
std::vector<std::unique_ptr<Pas>>& Pasy()
{
    static auto* pasy = new std::vector<std::unique_ptr<Pas>>;
    return *pasy;
}

// Rows [y1, y2) from one bitmap of the same size and format into another.
void KopiujWiersze(const uchar* z, uchar* do_, qsizetype wiersz, int y1, int y2)
{
    if (y2 > y1)
        std::memcpy(do_ + y1 * wiersz, z + y1 * wiersz, static_cast<std::size_t>((y2 - y1) * wiersz));
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
        if (k > 0)
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
    const int n = std::min(WatkiRysowania(), bitmapa->height());
    ZakonczRysowanieEkranu();
    // Detached here, once: the threads then only touch its bytes.
    uchar* bity = bitmapa->bits();
    const qsizetype wiersz = bitmapa->bytesPerLine();
    const int wysokosc = bitmapa->height(), szerokosc = bitmapa->width();

    std::vector<std::unique_ptr<Pas>>& pasy = Pasy();
    while (pasy.size() < static_cast<std::size_t>(n))
        pasy.push_back(std::make_unique<Pas>());
    for (int k = 0; k < n; ++k)
        pasy[static_cast<std::size_t>(k)]->Dopasuj(*bitmapa);

    const std::vector<int> granice = GranicePasow(wariant, n, wysokosc);
    NaWatkach(n, [&](int k) {
        const int y1 = granice[static_cast<std::size_t>(k)], y2 = granice[static_cast<std::size_t>(k) + 1];
        Pas& pas = *pasy[static_cast<std::size_t>(k)];
        uchar* wlasne = pas.obraz.bits();
        pas.czysty = false;
        KopiujWiersze(bity, wlasne, wiersz, y1, y2);
        pas.plotno->OgraniczDoWierszy(y1, y2);
        UstawPlotnoEkranu(pas.plotno.get());
        // The diagrams that reach the band: the sheet's part under it, a few
        // pixels more each way for the rounding to pixels.
        ProstokatArkusza czesc;
        czesc.Dodaj(EkranNaCmX(-ZapasPasa), EkranNaCmY(y1 - ZapasPasa));
        czesc.Dodaj(EkranNaCmX(szerokosc + ZapasPasa), EkranNaCmY(y2 + ZapasPasa));
        RysujArkuszWariantu(wariant, widoczny, &czesc, warstwa);
        pas.plotno->Zakoncz();
        KopiujWiersze(wlasne, bity, wiersz, y1, y2);
    });
    return true;
}

namespace {

// A layer of the whole sheet's redraw: its pixels and the rows it drew on.
struct Warstwa {
    uchar* bity;
    PlotnoQt::Wiersze wiersze;
};

// Lays the pixels each of `warstwy` drew (not zero: a drawn pixel is opaque)
// over rows [y1, y2) of the bitmap, in order, and clears them for the next
// redraw.
void NalozWarstwy(uchar* bity, qsizetype wiersz, int szerokosc, int y1, int y2, const std::vector<Warstwa>& warstwy)
{
    for (int y = y1; y < y2; ++y) {
        auto* cel = reinterpret_cast<uint32_t*>(bity + y * wiersz);
        for (const Warstwa& w : warstwy) {
            if (y < w.wiersze.od || y >= w.wiersze.do_)
                continue;
            auto* z = reinterpret_cast<uint32_t*>(w.bity + y * wiersz);
            for (int x = 0; x < szerokosc; ++x) {
                cel[x] = z[x] != 0 ? z[x] : cel[x];
                z[x] = 0;
            }
        }
    }
}

} // namespace

bool RysujArkuszWarstwami(int32_t wariant, const std::function<void()>& tlo)
{
    if (!MoznaRysowacWatkami())
        return false;
    QImage* bitmapa = BitmapaRysunkuWlasna();
    const int n = WatkiRysowania();
    const int wysokosc = bitmapa->height(), szerokosc = bitmapa->width();
    const std::vector<ZakresArkusza> czesci = PodzielArkusz(wariant, n);

    std::vector<std::unique_ptr<Pas>>& pasy = Pasy();
    while (pasy.size() < static_cast<std::size_t>(n))
        pasy.push_back(std::make_unique<Pas>());
    for (int k = 1; k < n; ++k)
        pasy[static_cast<std::size_t>(k)]->Dopasuj(*bitmapa).OgraniczDoWierszy(0, wysokosc);

    // The first part on the bitmap with its own canvas, in this thread.
    NaWatkach(n, [&](int k) {
        if (k > 0) {
            Pas& pas = *pasy[static_cast<std::size_t>(k)];
            if (!pas.czysty)
                std::memset(pas.obraz.bits(), 0, static_cast<std::size_t>(pas.obraz.sizeInBytes()));
            pas.czysty = false;
            pas.plotno->ZerujWierszeNarysowane();
            UstawPlotnoEkranu(pas.plotno.get());
        } else if (tlo) {
            tlo();
        }
        RysujZakresArkusza(wariant, nullptr, nullptr, czesci[static_cast<std::size_t>(k)]);
        if (k > 0)
            pasy[static_cast<std::size_t>(k)]->plotno->Zakoncz();
    });

    ZakonczRysowanieEkranu();
    uchar* bity = bitmapa->bits();
    const qsizetype wiersz = bitmapa->bytesPerLine();
    // Only the rows a layer drew on are laid over and cleared.
    std::vector<Warstwa> warstwy;
    for (int k = 1; k < n; ++k) {
        Pas& pas = *pasy[static_cast<std::size_t>(k)];
        warstwy.push_back({pas.obraz.bits(), pas.plotno->WierszeNarysowane()});
    }
    NaWatkach(n, [&](int k) {
        NalozWarstwy(bity, wiersz, szerokosc, wysokosc * k / n, wysokosc * (k + 1) / n, warstwy);
    });
    for (int k = 1; k < n; ++k)
        pasy[static_cast<std::size_t>(k)]->czysty = true;
    return true;
}
