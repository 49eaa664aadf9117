#include "shell/RysunekWatkami.h"

#include <QImage>
#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <thread>
#include <vector>

#include "drawing/Wyjscie.h"
#include "drawing/ZasiegRysunku.h"
#include "platform/qt/Plotno.h"
#include "shell/Arkusz.h"

namespace {

int watkiUstawione = 0;

// A band's bitmap and its canvas, kept from redraw to redraw: the canvas
// keeps the font sizes and text widths it has measured.
struct Pas {
    QImage obraz;
    std::unique_ptr<PlotnoQt> plotno;

    PlotnoQt& Dopasuj(const QImage& wzor)
    {
        if (obraz.size() != wzor.size() || obraz.format() != wzor.format()) {
            plotno.reset();
            obraz = QImage(wzor.size(), wzor.format());
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

// Restores the drawing thread's outputs and canvas, also after an exception.
struct PrzywrocStan {
    StanWyjsc stan;
    ~PrzywrocStan() { stan.Przyjmij(); }
};

} // namespace

int WatkiRysowania()
{
    if (watkiUstawione > 0)
        return std::min(watkiUstawione, 8);
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
}

void UstawWatkiRysowania(int watkow) { watkiUstawione = std::max(0, watkow); }

bool MoznaRysowacWatkami()
{
    const QImage* bitmapa = BitmapaRysunkuWlasna();
    return bitmapa && bitmapa->depth() == 32 && std::min(WatkiRysowania(), bitmapa->height()) >= 2;
}

void NaWatkach(int n, const std::function<void(int)>& praca)
{
    const PrzywrocStan przywroc{StanWyjsc::Biezacy()};
    std::vector<std::exception_ptr> bledy(static_cast<std::size_t>(std::max(n, 0)));
    auto uruchom = [&](int k) {
        try {
            if (k > 0)
                przywroc.stan.Przyjmij();
            praca(k);
        } catch (...) {
            bledy[static_cast<std::size_t>(k)] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> watki;
        for (int k = 1; k < n; ++k)
            watki.emplace_back(uruchom, k);
        if (n > 0)
            uruchom(0);
    }
    for (const std::exception_ptr& b : bledy)
        if (b)
            std::rethrow_exception(b);
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

    NaWatkach(n, [&](int k) {
        const int y1 = wysokosc * k / n, y2 = wysokosc * (k + 1) / n;
        Pas& pas = *pasy[static_cast<std::size_t>(k)];
        uchar* wlasne = pas.obraz.bits();
        KopiujWiersze(bity, wlasne, wiersz, y1, y2);
        pas.plotno->OgraniczDoWierszy(y1, y2);
        UstawPlotnoEkranu(pas.plotno.get());
        // The diagrams that reach the band: the sheet's part under it, a few
        // pixels more each way for the rounding to pixels.
        constexpr int zapas = 4;
        ProstokatArkusza czesc;
        czesc.Dodaj(EkranNaCmX(-zapas), EkranNaCmY(y1 - zapas));
        czesc.Dodaj(EkranNaCmX(szerokosc + zapas), EkranNaCmY(y2 + zapas));
        RysujArkuszWariantu(wariant, widoczny, &czesc, warstwa);
        pas.plotno->Zakoncz();
        KopiujWiersze(wlasne, bity, wiersz, y1, y2);
    });
    return true;
}
