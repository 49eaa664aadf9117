// The redraw shared among threads gives the very pixels of one thread's, on
// a crowded sheet: overlapping junction diagrams, roundabouts with
// crossings, background and foreground blocks, descriptions, both legends
// and the grid, in stroke and in TrueType labels, whole and zoomed in.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <malloc.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/Kodowanie.h"
#include "base/Watki.h"
#include "drawing/Dxf.h"
#include "drawing/Wyjscie.h"
#include "drawing/ZasiegRysunku.h"
#include "junction/Komunikaty.h"
#include "junction/ObliczRuchoplan.h"
#include "model/PlikProjektu.h"
#include "roundabout/GeometriaRonda.h"
#include "shell/Arkusz.h"
#include "shell/Podglad.h"
#include "shell/RysunekWatkami.h"
#include "pomoc.h"

namespace {

class RysunekWatkami : public ArkuszMieszanyTest {
protected:
    static QImage Rysunek(int watkow)
    {
        UstawWatkiRysowania(watkow);
        Form1->Przerysuj();
        return Form1->BitmapaRysunku.convertToFormat(QImage::Format_RGB32);
    }

    // The redraw with 1, 2, 3 and 8 threads, and again with 8 after the
    // others: every one equal, and none blank.
    static void SprawdzWatki()
    {
        const QImage jeden = Rysunek(1);
        int tla = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                tla += jeden.pixel(x, y) == qRgb(255, 255, 255);
        EXPECT_LT(tla, 800 * 600 * 9 / 10) << "the sheet should be drawn over";
        for (int watkow : {2, 3, 8, 8})
            EXPECT_TRUE(Rysunek(watkow) == jeden) << watkow << " threads drew other pixels";
    }
};

TEST_F(RysunekWatkami, CalyArkuszTakiJakJednymWatkiem) { SprawdzWatki(); }

TEST_F(RysunekWatkami, DrugiWariantIEtykietyTrueType)
{
    BiezacyWariant = 1;
    SprawdzWatki();
    TekstTT = true;
    SprawdzWatki();
}

TEST_F(RysunekWatkami, PowiekszonyTakiJakJednymWatkiem)
{
    Skala /= 3.0;
    SrodekY = 40.0;
    SprawdzWatki();
}

// Diagrams on the lowest fifth of the sheet alone: the bands share their
// rows, each band drawn as one thread draws it.
TEST_F(RysunekWatkami, PasyDzielaRysunekNieWiersze)
{
    for (DaneRuchoplan& r : Ruchoplany)
        r.GeometriaWprowadzona = r.NrWezla < 9;
    PrzygotujArkuszWariantu(0, true, 1);
    int gora = 600, dol = 0;
    DlaZasiegowWariantu(0, [&](const ProstokatArkusza& z) {
        gora = std::min(gora, CmNaEkranY(z.y2));
        dol = std::max(dol, CmNaEkranY(z.y1));
    });
    ASSERT_LT(gora, dol);
    ASSERT_GT(gora, 300) << "the diagrams should lie low on the bitmap";
    const std::vector<int> granice = GranicePasow(0, 4, 600);
    ASSERT_EQ(granice.size(), 5u);
    EXPECT_EQ(granice.front(), 0);
    EXPECT_EQ(granice.back(), 600);
    EXPECT_TRUE(std::is_sorted(granice.begin(), granice.end()));
    // Rows without diagrams weigh little: two of the three cuts fall among
    // the diagrams' rows.
    EXPECT_GT(granice[2], gora);
    EXPECT_LT(granice[3], dol);
    SprawdzWatki();

    // Nothing drawn but the sheet: bands of equal rows.
    for (DaneRuchoplan& r : Ruchoplany)
        r.GeometriaWprowadzona = 0;
    PrzygotujArkuszWariantu(0, true, 1);
    EXPECT_EQ(GranicePasow(0, 4, 600), (std::vector<int>{0, 150, 300, 450, 600}));
}

// A diagram changed between redraws is computed once, before the threads
// draw; each redraw shows the change as one thread does.
TEST_F(RysunekWatkami, ZmianaJednegoRuchoplanu)
{
    Rysunek(8);
    Ruchoplany[7].Natezenia[1] = 900;
    Ruchoplany[7].Obliczony = 0;
    const QImage wielu = Rysunek(8);
    EXPECT_EQ(Ruchoplany[7].Obliczony, 1);
    Ruchoplany[7].Obliczony = 0;
    EXPECT_TRUE(Rysunek(1) == wielu);
}

// The sharing steps aside where it cannot serve: one thread, another
// output on, a canvas of a test in the bitmap's place.
TEST_F(RysunekWatkami, TylkoWlasnaBitmapaEkranu)
{
    PrzygotujArkuszWariantu(0);
    UstawWatkiRysowania(1);
    EXPECT_FALSE(RysujArkuszWatkami(0, nullptr));
    UstawWatkiRysowania(4);
    EXPECT_EQ(WatkiRysowania(), 4);
    {
        const ZachowajWyjscia zDrukarka(true, true, false);
        EXPECT_FALSE(RysujArkuszWatkami(0, nullptr));
    }
    Plotno* bitmapy = PlotnoEkranu();
    UstawPlotnoEkranu(nullptr);
    EXPECT_FALSE(RysujArkuszWatkami(0, nullptr));
    UstawPlotnoEkranu(bitmapy);
    EXPECT_TRUE(RysujArkuszWatkami(0, nullptr));
    // The drawing thread's canvas and outputs are its own again.
    EXPECT_EQ(PlotnoEkranu(), bitmapy);
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieDrukarka);
}

// The export stamp's date and time, which two exports need not share.
std::string BezCzasu(std::string dxf)
{
    for (const char* etykieta : {"Data  : ", "Godz  : "}) {
        const std::size_t p = dxf.find(etykieta);
        if (p != std::string::npos) {
            const std::size_t od = p + std::strlen(etykieta);
            dxf.replace(od, dxf.find("\r\n", od) - od, "*");
        }
    }
    return dxf;
}

std::size_t Wystapien(const std::string& tekst, const std::string& czego)
{
    std::size_t n = 0;
    for (std::size_t p = tekst.find(czego); p != std::string::npos; p = tekst.find(czego, p + 1))
        ++n;
    return n;
}

class DxfWatkami : public RysunekWatkami {
protected:
    std::string Eksport(int watkow)
    {
        UstawWatkiRysowania(watkow);
        const std::string plik = Sciezka("watkow" + std::to_string(watkow) + (TekstTT ? "tt" : "") + ".dxf");
        dialogi.SciezkiZapisz.push_back(plik);
        Form1->TB_DoDxfaClick();
        return BezCzasu(CzytajPlik(plik));
    }
};

// The export shared among threads writes the bytes of one thread's export:
// the crowded sheet in three variants, the third with a node of no entered
// geometry and its roundabouts not entered, in stroke and TrueType labels.
TEST_F(DxfWatkami, TeSameBajtyCoJednymWatkiem)
{
    ASSERT_EQ(DodajWariant("Wariant 3", "Tytul", "", "", 0.0f, 0.0f, 'L'), "");
    int trzeciego = 0;
    for (DaneRuchoplan& r : Ruchoplany)
        if (r.NrWariantu == 2) {
            r.GeometriaWprowadzona = ++trzeciego != 5;
            for (int k = 0; k < 16; ++k)
                r.Natezenia[k] = k % 4 == 1 ? 0 : 40 + 7 * k + r.NrWezla;
        }
    Plotno* bitmapy = PlotnoEkranu();
    const std::size_t komunikatow = Komunikaty().size();
    for (bool tt : {false, true}) {
        TekstTT = tt;
        const std::string jeden = Eksport(1);
        ASSERT_GT(jeden.size(), 1u << 20);
        EXPECT_EQ(Wystapien(jeden, "\r\nRupl_TytulWariant\r\n"), 9u);  // three lines a variant
        EXPECT_GT(Wystapien(jeden, "\r\nARC\r\n"), 100u);
        EXPECT_EQ(jeden.substr(jeden.size() - 19), "0\r\nENDSEC\r\n0\r\nEOF\r\n");
        for (int watkow : {2, 3, 8})
            EXPECT_TRUE(Eksport(watkow) == jeden) << watkow << " threads wrote other bytes" << (tt ? " (TrueType)" : "");
    }
    EXPECT_EQ(Komunikaty().size(), komunikatow);
    // The exporting thread's outputs and canvas are its own again.
    EXPECT_EQ(PlotnoEkranu(), bitmapy);
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieDxf);
    EXPECT_EQ(OdbiorcaDxfBiezacy(), nullptr);
}

// The whole sheet's redraw after a zoomed one (whose bands reuse the
// layers' bitmaps) and again after it: the layers start empty each time.
TEST_F(RysunekWatkami, CalyPoPowiekszonymIZnowCaly)
{
    const QImage jeden = Rysunek(1);
    Rysunek(8);
    const double skala = Skala;
    Skala /= 3.0;
    Rysunek(8);
    Skala = skala;
    // The drawing area's part of the bitmap: the bitmap is larger, and the
    // redraw never touches what lies beyond the area.
    const QRect obszar(0, 0, Form1->Podglad->width(), Form1->Podglad->height());
    EXPECT_TRUE(Rysunek(8).copy(obszar) == jeden.copy(obszar));
    EXPECT_TRUE(Rysunek(8).copy(obszar) == jeden.copy(obszar));
}

// Pieces a thread done with its own takes from another, on spare bitmaps,
// as the system happens to schedule the threads: whichever were taken, the
// picture is one thread's.
TEST_F(RysunekWatkami, KawalkiInnychWatkowNaSwoimMiejscu)
{
    const QImage jeden = Rysunek(1);
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(Rysunek(i % 2 ? 8 : 5) == jeden) << "redraw " << i;
}

// Each layer's bitmap takes memory for the rows it draws on alone: the
// eleven of the whole sheet take less than three bitmaps of the screen
// together (before, each took a whole one), and keep at most two between
// redraws; a zoomed redraw paints the screen's bitmap alone.
TEST_F(RysunekWatkami, BitmapyWatkowTylkoNaSwojeWiersze)
{
    const QImage jeden = Rysunek(1);
    const std::size_t ekran = static_cast<std::size_t>(Form1->BitmapaRysunku.sizeInBytes());
    EXPECT_TRUE(Rysunek(8) == jeden);
    EXPECT_GT(PamiecWarstwRysunku(), 0u);
    EXPECT_LT(PamiecWarstwRysunku(), 3 * ekran);
    EXPECT_LE(PamiecBitmapWatkow(), 2 * ekran);
    const std::size_t poCalym = PamiecBitmapWatkow();
    const double skala = Skala;
    Skala /= 3.0;
    SrodekY = 40.0;
    const QImage powiekszony = Rysunek(1);
    EXPECT_TRUE(Rysunek(8) == powiekszony);
    EXPECT_EQ(PamiecBitmapWatkow(), poCalym);
    Skala = skala;
    PokazCaly();
    // The drawing area's part: the redraw never touches what lies beyond it.
    const QRect obszar(0, 0, Form1->Podglad->width(), Form1->Podglad->height());
    EXPECT_TRUE(Rysunek(8).copy(obszar) == jeden.copy(obszar));
    EXPECT_LT(PamiecWarstwRysunku(), 3 * ekran);
    EXPECT_LE(PamiecBitmapWatkow(), 2 * ekran);
}

namespace {

// The page faults of the process so far that the system served from memory.
long BledyStron()
{
    struct rusage r {};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_minflt;
}

// The program's event loop for `ms` milliseconds, as when the user pauses.
void Czekaj(int ms)
{
    QEventLoop petla;
    QTimer::singleShot(ms, &petla, &QEventLoop::quit);
    petla.exec();
}

} // namespace

// The layers draw each redraw on the memory the last one drew on, and what
// goes back the system takes only when it needs it: whichever pieces the
// threads take, no page of a layer's bitmap is given twice, and the thirty
// redraws take fewer pages than the eleven layers' bitmaps of eight threads
// have (when each redraw gave its memory back, each took some 650 pages
// again here). On this sheet the layers hold at most two screens' bitmaps,
// and all goes back once the redraws pause; the redraw after the pause
// draws on it again without the system's giving it anew (before, it took
// some 1,000 pages).
TEST_F(RysunekWatkami, KolejnePrzerysowaniaNaTejSamejPamieci)
{
    UstawWatkiRysowania(8);
    Form1->Przerysuj();
    Form1->Przerysuj();
    const long przed = BledyStron();
    for (int i = 0; i < 30; ++i)
        Form1->Przerysuj();
    const long bledow = BledyStron() - przed;
    const std::size_t ekran = static_cast<std::size_t>(Form1->BitmapaRysunku.sizeInBytes());
    const auto stronEkranu = static_cast<long>(ekran / static_cast<std::size_t>(sysconf(_SC_PAGESIZE)));
    EXPECT_LT(bledow, 11 * stronEkranu) << "of a screen's " << stronEkranu << " pages";
    EXPECT_GT(PamiecBitmapWatkow(), 0u);
    EXPECT_LE(PamiecBitmapWatkow(), 2 * ekran);

    // A redraw within the pause starts it again.
    Czekaj(PrzerwaOddaniaPamieci / 2);
    Form1->Przerysuj();
    QElapsedTimer odPrzerysowania;
    odPrzerysowania.start();
    Czekaj(PrzerwaOddaniaPamieci * 3 / 4);
    // (Unless the machine held the test up past the pause.)
    if (odPrzerysowania.elapsed() < PrzerwaOddaniaPamieci) {
        EXPECT_GT(PamiecBitmapWatkow(), 0u);
    }
    Czekaj(PrzerwaOddaniaPamieci / 2);
    EXPECT_EQ(PamiecBitmapWatkow(), 0u);
    const long poPrzerwie = BledyStron();
    Form1->Przerysuj();
    EXPECT_LT(BledyStron() - poPrzerwie, stronEkranu / 2) << "of a screen's " << stronEkranu << " pages";
    const QImage jeden = Rysunek(1);
    EXPECT_TRUE(Rysunek(8) == jeden);
}

namespace {

// The heap in use, in bytes.
std::size_t Sterta()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

} // namespace

// Redraws with no pause for the event loop between them (a thousand prints)
// hold no more memory with each: one timer waits to give the layers' memory
// back (when each redraw started its own, each held some 600 bytes until
// they ran). The canvases' caches fill by steps, later on a busy machine
// (the threads take other pieces in turn), and then hold: a stretch of 300
// redraws without growth shows there is no growth with each. The
// allocator's per-thread caches count as heap in use and hold more or less
// with the threads' turns, so the test runs with them off (its own CTest
// entry).
TEST_F(RysunekWatkami, PrzerysowaniaBezPrzerwyJedenZegar)
{
    const char* strojenie = std::getenv("GLIBC_TUNABLES");
    if (!strojenie || !std::strstr(strojenie, "glibc.malloc.tcache_count=0"))
        GTEST_SKIP() << "runs with GLIBC_TUNABLES=glibc.malloc.tcache_count=0";
    UstawWatkiRysowania(8);
    for (int i = 0; i < 100; ++i)
        Form1->Przerysuj();
    constexpr std::size_t Partia = 100, Partii = 10, Okno = 3;
    std::vector<std::size_t> sterta{Sterta()};
    for (std::size_t p = 0; p < Partii; ++p) {
        for (std::size_t i = 0; i < Partia; ++i)
            Form1->Przerysuj();
        sterta.push_back(Sterta());
    }
    std::size_t najmniej = SIZE_MAX;
    for (std::size_t p = Okno; p < sterta.size(); ++p)
        najmniej = std::min(najmniej, sterta[p] > sterta[p - Okno] ? sterta[p] - sterta[p - Okno] : 0);
    EXPECT_LT(najmniej, Okno * Partia * 100) << "bytes over the least growing " << Okno * Partia << " redraws";
}

namespace {

// Whether the system is to say that no page is in memory, as it does of
// pages it has swapped out.
bool stronyWypchniete = false;

} // namespace

// The system's answer which pages are in memory, which a test may make say
// none.
extern "C" int mincore(void* adres, size_t dlugosc, unsigned char* strony) noexcept
{
    const long wynik = syscall(SYS_mincore, adres, dlugosc, strony);
    if (wynik == 0 && stronyWypchniete)
        std::memset(strony, 0, (dlugosc + static_cast<size_t>(sysconf(_SC_PAGESIZE)) - 1) /
                                   static_cast<size_t>(sysconf(_SC_PAGESIZE)));
    return static_cast<int>(wynik);
}

// The system swaps the layers' pages out after the threads drew on them:
// what they drew is in the picture all the same, and nothing of it comes
// back in the next redraw of a changed diagram.
TEST_F(RysunekWatkami, StronyWarstwWypchnieteZPamieci)
{
    UstawWatkiRysowania(8);
    Form1->Przerysuj();
    stronyWypchniete = true;
    const QImage wielu = Rysunek(8);
    stronyWypchniete = false;
    EXPECT_TRUE(wielu == Rysunek(1));
    Ruchoplany[7].Natezenia[1] = 900;
    Ruchoplany[7].Obliczony = 0;
    const QImage poZmianie = Rysunek(8);
    EXPECT_TRUE(poZmianie == Rysunek(1));
}

// A sheet of a few diagrams is drawn by one thread, and so is every sheet
// when the process may run on one processor alone (taskset); the picture
// is the same.
TEST_F(RysunekWatkami, JedenWatekDlaMalegoArkuszaIJednegoProcesora)
{
    const QImage jeden = Rysunek(1);
    cpu_set_t byl;
    ASSERT_EQ(sched_getaffinity(0, sizeof byl, &byl), 0);
    cpu_set_t jedenProcesor;
    CPU_ZERO(&jedenProcesor);
    for (int c = 0; c < CPU_SETSIZE; ++c)
        if (CPU_ISSET(c, &byl)) {
            CPU_SET(c, &jedenProcesor);
            break;
        }
    ASSERT_EQ(sched_setaffinity(0, sizeof jedenProcesor, &jedenProcesor), 0);
    UstawWatkiRysowania(0);
    EXPECT_EQ(WatkiRysowania(), 1);
    EXPECT_FALSE(MoznaRysowacWatkami());
    EXPECT_TRUE(Rysunek(0) == jeden);
    ASSERT_EQ(sched_setaffinity(0, sizeof byl, &byl), 0);

    UstawWatkiRysowania(8);
    PrzygotujArkuszWariantu(0, true, 8);
    EXPECT_TRUE(RysujArkuszWarstwami(0));
    // Three junction diagrams and no roundabout left of the variant.
    int zostalo = 0;
    std::erase_if(Ruchoplany, [&](const DaneRuchoplan& r) { return r.NrWariantu == 0 && ++zostalo > 3; });
    Ronda.clear();
    ZapomnijZasiegi();
    const QImage maly = Rysunek(1);
    PrzygotujArkuszWariantu(0, true, 8);
    EXPECT_FALSE(RysujArkuszWarstwami(0));
    EXPECT_FALSE(RysujArkuszWatkami(0, nullptr));
    EXPECT_TRUE(Rysunek(8) == maly);
}

// The parts of a sheet: consecutive, each diagram of the variant in one of
// them, about as many in each, the items under the diagrams in the first
// and those over them in the last. Records of variant 0: junction diagrams
// 0, 2, 4, ..., 18 (the odd ones are variant 1's) and roundabouts 1 and 2.
TEST(PodzielArkusz, CzesciKolejneIRowne)
{
    NowyProjekt();
    Ruchoplany.resize(20);
    for (int i = 0; i < 20; ++i)
        Ruchoplany[i].NrWariantu = i % 2;
    Ronda.resize(3);
    Ronda[0].NrWariantu = 1;
    Ronda[1].NrWariantu = Ronda[2].NrWariantu = 0;

    // Twelve diagrams in four parts of three.
    const std::vector<ZakresArkusza> czesci = PodzielArkusz(0, 4);
    ASSERT_EQ(czesci.size(), 4u);
    auto zakres = [](const ZakresArkusza& z) {
        return std::vector<int>{z.pod, z.ruchoplanyOd, z.ruchoplanyDo, z.rondaOd, z.rondaDo, z.nad};
    };
    EXPECT_EQ(zakres(czesci[0]), (std::vector<int>{1, 0, 6, 0, 0, 0}));
    EXPECT_EQ(zakres(czesci[1]), (std::vector<int>{0, 6, 12, 0, 0, 0}));
    EXPECT_EQ(zakres(czesci[2]), (std::vector<int>{0, 12, 18, 0, 0, 0}));
    EXPECT_EQ(zakres(czesci[3]), (std::vector<int>{0, 18, 20, 0, 3, 1}));

    // More parts than diagrams: some parts empty, the whole still covered.
    const std::vector<ZakresArkusza> wiele = PodzielArkusz(0, 20);
    ASSERT_EQ(wiele.size(), 20u);
    EXPECT_TRUE(wiele.front().pod && wiele.back().nad);
    for (std::size_t k = 1; k < wiele.size(); ++k) {
        EXPECT_EQ(wiele[k].ruchoplanyOd, wiele[k - 1].ruchoplanyDo);
        EXPECT_EQ(wiele[k].rondaOd, wiele[k - 1].rondaDo);
    }
    EXPECT_EQ(wiele.back().ruchoplanyDo, 20);
    EXPECT_EQ(wiele.back().rondaDo, 3);

    // One part, or none asked for: the whole sheet.
    for (int n : {1, 0})
        EXPECT_EQ(zakres(PodzielArkusz(0, n).at(0)), (std::vector<int>{1, 0, 20, 0, 3, 1}));
    NowyProjekt();
}

// The system cannot start a thread (no memory for one): the save, the DXF
// export and the PDF print run on the threads there are, down to this one
// alone, write the bytes one thread writes and say nothing of it (before,
// each stopped with "Resource temporarily unavailable").
TEST_F(DxfWatkami, BezNowychWatkowTeSameBajty)
{
    // The same files each time: the DXF file and the PDF name the project.
    const std::string rup = Sciezka("p.rup"), dxf = Sciezka("p.dxf"), pdf = Sciezka("p.pdf");
    auto pliki = [&](int watkow, const std::string& nazwa) {
        UstawWatkiRysowania(watkow);
        QFile::remove(NaQString(dxf));
        dialogi.SciezkiZapisz.push_back(dxf);
        Form1->TB_DoDxfaClick();
        Form1->UstawWydrukDoPdf(pdf);
        Form1->TB_DrukujClick();
        EXPECT_EQ(Komunikaty().back(), "Wysłano do wydrukowania 2 strony do pliku " + pdf + ".") << nazwa;
        // Saved after the export and the print have computed every diagram.
        EXPECT_TRUE(ZapiszProjekt(rup)) << nazwa;
        return std::vector<std::string>{CzytajPlik(rup), BezCzasu(CzytajPlik(dxf)), CzytajPlik(pdf)};
    };
    TekstTT = true;
    ASSERT_TRUE(ZapiszProjekt(rup));  // named in the export stamp and the print's title from now on
    const std::vector<std::string> jeden = pliki(1, "jeden");
    ASSERT_GT(jeden[1].size(), 1u << 20);
    const std::size_t komunikatow = Komunikaty().size();
    for (int awaria : {1, 2, 4}) {
        ZakonczWatkiPuli();
        UstawAwarieWatkow(awaria);
        const std::vector<std::string> wielu = pliki(8, "awaria" + std::to_string(awaria));
        for (std::size_t k = 0; k < jeden.size(); ++k)
            EXPECT_TRUE(wielu[k] == jeden[k]) << "file " << k << ", threads fail from the " << awaria << ". start";
        EXPECT_LT(UruchomioneWatkiPuli(), 100);
    }
    UstawAwarieWatkow(0);
    Form1->UstawWydrukDoPdf({});
    EXPECT_EQ(Komunikaty().size(), komunikatow + 3);  // the three prints' notices alone
}

// ------------------------------------------------ computing on threads

template <class T>
bool TeSameBajty(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

bool TeSameLuki(const DaneLuk& a, const DaneLuk& b)
{
    return TeSameBajty(a.A, b.A) && TeSameBajty(a.B, b.B) && TeSameBajty(a.M, b.M) && TeSameBajty(a.C, b.C) &&
           TeSameBajty(a.R, b.R) && TeSameBajty(a.KatPoczatku, b.KatPoczatku) &&
           TeSameBajty(a.KatKonca, b.KatKonca) && a.Kierunek == b.Kierunek;
}

// Everything the computation writes into a diagram's record, bit for bit.
void PorownajPoliczone(const DaneRuchoplan& a, const DaneRuchoplan& b, int i)
{
    SCOPED_TRACE("record " + std::to_string(i));
    EXPECT_EQ(a.Obliczony, b.Obliczony);
    EXPECT_TRUE(TeSameBajty(a.X, b.X) && TeSameBajty(a.Y, b.Y));
    EXPECT_EQ(a.Ramie, b.Ramie);
    EXPECT_TRUE(TeSameBajty(a.GeometriaRamion, b.GeometriaRamion));
    EXPECT_TRUE(TeSameBajty(a.ZasiegiRamion, b.ZasiegiRamion));
    EXPECT_EQ(a.NatezeniaObl, b.NatezeniaObl);
    EXPECT_EQ(a.PrzejsciaObl, b.PrzejsciaObl);
    for (std::size_t k = 0; k < 16; ++k) {
        const DanaRelacja &p = a.Relacje[k], &q = b.Relacje[k];
        EXPECT_TRUE(p.Rysuj == q.Rysuj && p.Natezenie == q.Natezenie && p.Kolor == q.Kolor &&
                    p.Nazwa.str() == q.Nazwa.str())
            << "relation " << k;
        EXPECT_TRUE(TeSameBajty(p.Krawedz1, q.Krawedz1) && TeSameBajty(p.Krawedz2, q.Krawedz2) &&
                    TeSameBajty(p.Krawedz3, q.Krawedz3) && TeSameBajty(p.Krawedz4, q.Krawedz4))
            << "relation " << k;
        EXPECT_TRUE(TeSameLuki(p.Luk1, q.Luk1) && TeSameLuki(p.Luk2, q.Luk2)) << "relation " << k;
    }
}

class ObliczenieWatkami : public RysunekWatkami {
protected:
    // Diagrams unlike each other: turned arms, missing arms, their own
    // lengths, one far busier than the rest (it sets the scale), three whose
    // bands cannot be joined and two roundabouts whose ring misses the lanes,
    // each of those with its message.
    static void Urozmaic()
    {
        for (int i = 0; i < LiczbaRuchoplanow(); ++i) {
            DaneRuchoplan& r = Ruchoplany[i];
            r.Kat = {0.05f * static_cast<float>(i % 7), 0.0f, -0.1f * static_cast<float>(i % 3), 0.0f};
            r.Ramie[static_cast<std::size_t>(i % 4)] = i % 5 == 0 ? 0 : 1;
            for (int k = 0; k < 16; ++k)
                r.Natezenia[k] = (k * 7 + i * 13) % 11 == 0 ? 0 : 20 + (k * 37 + i * 101) % 400;
            r.Przejscia[static_cast<std::size_t>(i % 4)].L[0] = 10 + i;
            if (i % 6 == 1) {
                r.Globalne = 0;
                r.Dlugosc[1] = 5.0f + static_cast<float>(i % 4);
            }
        }
        Ruchoplany[30].Natezenia[2] = 2500;
        // Diagrams reading counts whose inlets differ from their arms: their
        // arms, and so the project's largest volume, change as they are
        // computed, and the diagrams after them take another scale.
        DanePomiar wszystkie;
        wszystkie.NatezeniaNaRelacjach[0][1] = 3000;
        DanePomiar poludnie;
        poludnie.WlotJest = {0, 0, 0, 1};
        poludnie.NatezeniaNaRelacjach[3][0] = 600;
        poludnie.NatezeniaNaRelacjach[0][2] = 2500;
        Pomiary = {wszystkie, poludnie};
        // Bands as wide as the largest volume allows.
        wg.SkalaPaskowAuto = 1;
        wg.SkalaPaskowMax = 0;
        wg.SkalaPaskow100 = 0;
        for (int i : {20, 21, 26, 27}) {
            Ruchoplany[i].ZPomiaru = 1;
            Ruchoplany[i].NrPomiaru = i % 2;
            Ruchoplany[i].Ramie = i % 2 ? std::array<uint8_t, 4>{1, 1, 1, 1} : std::array<uint8_t, 4>{1, 0, 0, 0};
        }
        for (int i : {4, 11, 33}) {
            Ruchoplany[i].Globalne = 0;
            Ruchoplany[i].DlugoscPom[0] = Ruchoplany[i].Dlugosc[0];
        }
        for (DaneRondo& r : Ronda) {
            const std::string nazwa = Wezly[static_cast<std::size_t>(r.NrWezla)].Nazwa.str();
            if (nazwa == "Rondo 3" || nazwa == "Rondo 8") {
                // An empty ring inside the lanes' offset.
                r.Macierz = {};
                r.SumaWlotuRel = {};
                r.SumaWylotuRel = {};
                r.PromienR = 0.2f;
            }
        }
    }

    // The variant's diagrams computed one after another as a drawing without
    // the preparation computes them, then its roundabouts.
    static void JedenPoDrugim(int32_t wariant)
    {
        for (int i = 0; i < LiczbaRuchoplanow(); ++i)
            if (Ruchoplany[i].NrWariantu == wariant && Ruchoplany[i].GeometriaWprowadzona &&
                Ruchoplany[i].Obliczony == 0)
                ObliczRuchoplan(i);
        for (int32_t i = 0; i < static_cast<int32_t>(Ronda.size()); ++i)
            if (Ronda[static_cast<std::size_t>(i)].NrWariantu == wariant &&
                Ronda[static_cast<std::size_t>(i)].GeometriaWprowadzona && Ronda[static_cast<std::size_t>(i)].Obliczony == 0)
                ObliczGeometrieRonda(i);
    }

    // The preparation with `watkow` threads computes what one after another
    // does: the records, the project's scales and the messages in order.
    static void Porownaj(int32_t wariant, bool zasiegi, int watkow)
    {
        SCOPED_TRACE(std::to_string(watkow) + " threads");
        const std::vector<DaneRuchoplan> przed = Ruchoplany;
        const std::vector<DaneRondo> rondaPrzed = Ronda;
        const TUstawieniaGlobalne ustawieniaPrzed = wg;
        PobierzKomunikaty();

        JedenPoDrugim(wariant);
        const std::vector<DaneRuchoplan> wzor = Ruchoplany;
        const TUstawieniaGlobalne ustawieniaWzoru = wg;
        const std::vector<std::string> komunikatyWzoru = PobierzKomunikaty();

        Ruchoplany = przed;
        Ronda = rondaPrzed;
        wg = ustawieniaPrzed;
        PrzygotujArkuszWariantu(wariant, zasiegi, watkow);
        for (int i = 0; i < LiczbaRuchoplanow(); ++i)
            PorownajPoliczone(Ruchoplany[i], wzor[static_cast<std::size_t>(i)], i);
        EXPECT_EQ(PobierzKomunikaty(), komunikatyWzoru);
        EXPECT_TRUE(TeSameBajty(wg.SkalaPaskow, ustawieniaWzoru.SkalaPaskow));
        EXPECT_TRUE(TeSameBajty(wg.SkalaPrzejsc, ustawieniaWzoru.SkalaPrzejsc));
        EXPECT_EQ(wg.MaxNatezenie, ustawieniaWzoru.MaxNatezenie);
        EXPECT_EQ(wg.MaxPrzejscie, ustawieniaWzoru.MaxPrzejscie);
        Ruchoplany = przed;
        Ronda = rondaPrzed;
        wg = ustawieniaPrzed;
    }
};

TEST_F(ObliczenieWatkami, TeSameRekordyIKomunikaty)
{
    Urozmaic();
    const std::vector<DaneRuchoplan> poczatek = Ruchoplany;
    const std::vector<DaneRondo> rondaPoczatek = Ronda;
    JedenPoDrugim(0);
    const std::vector<std::string> komunikaty = PobierzKomunikaty();
    // The three diagrams' message once, then each roundabout's.
    ASSERT_EQ(komunikaty.size(), 3u);
    EXPECT_EQ(Cp1250NaUtf8(komunikaty[0]).rfind("Zmień parametry wyświetlania", 0), 0u) << komunikaty[0];
    EXPECT_EQ(Cp1250NaUtf8(komunikaty[1]).rfind("Rondo Rondo 3:", 0), 0u) << komunikaty[1];
    EXPECT_EQ(Cp1250NaUtf8(komunikaty[2]).rfind("Rondo Rondo 8:", 0), 0u) << komunikaty[2];
    // The count's diagrams changed the scale on the way.
    EXPECT_EQ(wg.MaxNatezenie, 3000);
    const std::array<float, 160> pierwszy = Ruchoplany[0].GeometriaRamion;
    ObliczRuchoplan(0);
    EXPECT_NE(Ruchoplany[0].GeometriaRamion, pierwszy) << "the first diagram should take another scale at the end";

    Ruchoplany = poczatek;
    Ronda = rondaPoczatek;
    for (int watkow : {1, 2, 3, 8})
        Porownaj(0, true, watkow);
    Porownaj(1, false, 8);
    // Only some diagrams marked, the others' extents kept.
    PrzygotujArkuszWariantu(0, true, 8);
    for (int i = 0; i < LiczbaRuchoplanow(); i += 3)
        Ruchoplany[i].Obliczony = 0;
    Porownaj(0, true, 8);
}

// The full recompute of a sheet of many diagrams on threads draws what one
// thread draws.
TEST_F(ObliczenieWatkami, PrzerysowanieGotowegoArkusza)
{
    Urozmaic();
    // Computed once first: the roundabouts' rings then count towards the
    // scale of every diagram computed after them.
    Rysunek(1);
    auto przeliczony = [](int watkow) {
        for (DaneRuchoplan& r : Ruchoplany)
            r.Obliczony = 0;
        return Rysunek(watkow);
    };
    const QImage jeden = przeliczony(1);
    for (int watkow : {2, 8})
        EXPECT_TRUE(przeliczony(watkow) == jeden) << watkow << " threads drew other pixels";
}

} // namespace
