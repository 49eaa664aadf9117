// The full redraw of the current variant into the off-screen bitmap, and the
// start picture of the first showing.
#include <QGuiApplication>
#include <QScreen>

#include "base/Teksty.h"
#include "base/Wersja.h"
#include "drawing/Wyjscie.h"
#include "drawing/ZasiegRysunku.h"
#include "junction/Komunikaty.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "base/Kodowanie.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Plotno.h"
#include "shell/Arkusz.h"
#include "shell/Dialogi.h"
#include "shell/InfoOProgramie.h"
#include "shell/Podglad.h"
#include "shell/RysunekWatkami.h"
#include "shell/TForm1.h"
#include "shell/WarstwyRysunku.h"

namespace {

constexpr TKolor KolorTla = 0xDCDCDC;
// Pixel height of the texts written straight on the bitmap.
constexpr int WysokoscNapisow = 15;
// What an empty project asks for first.
const char* const PodpowiedzWezla = "Dodaj węzeł (ruchoplan lub rondo).";
const char* const PodpowiedzWariantu = "Dodaj wariant sieci.";

} // namespace

// The sheet with its shadow, straight on the bitmap whatever the outputs.
void TForm1::RysujArkusz()
{
    Plotno* p = PlotnoEkranu();
    if (!p)
        return;
    p->UstawGruboscPiora(1);
    p->UstawStylPiora(PioroCiagle);
    p->UstawKolorPiora(0);
    p->UstawKolorPedzla(0);
    p->UstawStylPedzla(StylPedzla::Pelny);
    p->Prostokat(CmNaEkranX(0.3), CmNaEkranY(-0.3), CmNaEkranX(wg.ArkuszB + 0.3), CmNaEkranY(wg.ArkuszH - 0.3));
    p->UstawKolorPedzla(0xFFFFFF);
    p->Prostokat(CmNaEkranX(0.0), CmNaEkranY(0.0), CmNaEkranX(wg.ArkuszB), CmNaEkranY(wg.ArkuszH));
}

void TForm1::Przerysuj()
{
    RysujCalosc();
    PokazZebraneKomunikaty();
}

void TForm1::PokazZebraneKomunikaty()
{
    for (const std::string& k : PobierzKomunikaty())
        PokazBlad(k);
}

void TForm1::RysujCalosc()
{
    ZapomnijWarstwy();
    UstawSrodekEkranu();

    // Background, sheet and the variant's drawing. Everything is
    // computed first, then drawn: on a large sheet the drawing is shared
    // among the cores. The whole sheet is shared by its diagrams (the first
    // thread draws the background too), a part of it by the bitmap's bands,
    // which leave out the diagrams out of view.
    ProstokatArkusza widoczny;
    const ProstokatArkusza* czesc = CzescWidoku(widoczny);
    const bool watkami = MoznaRysowacWatkami();
    PrzygotujArkuszWariantu(BiezacyWariant, czesc != nullptr, watkami ? WatkiRysowania() : 1);
    if (czesc || !RysujArkuszWarstwami(BiezacyWariant, [this] { RysujTlo(); })) {
        RysujTlo();
        if (!czesc || !RysujArkuszWatkami(BiezacyWariant, czesc))
            RysujArkuszWariantu(BiezacyWariant, czesc);
    }

    // Prompts, straight on the bitmap.
    RysujPodpowiedzi();

    PokazNaPodgladzie();
}

// The drawing area's middle in pixels, where the view's centre lies.
void TForm1::UstawSrodekEkranu()
{
    PolSzerEkranu = Podglad->width() * 0.5;
    PolWysEkranu = Podglad->height() * 0.5;
}

// (The clipboard copy draws into a bitmap of its own.)
void TForm1::RysujTlo()
{
    if (Plotno* ekran = PlotnoEkranu()) {
        ekran->UstawGruboscPiora(1);
        ekran->UstawStylPiora(PioroCiagle);
        ekran->UstawKolorPiora(0);
        ekran->UstawKolorPedzla(KolorTla);
        ekran->UstawStylPedzla(StylPedzla::Pelny);
        ekran->Prostokat(0, 0, Podglad->width(), Podglad->height());
    }
    RysujArkusz();
}

// On the screen alone, zoomed into a part of the sheet, only what the view
// shows is drawn. A view of the whole sheet draws everything: finding the
// diagrams' extents would cost more than the few it could leave out.
const ProstokatArkusza* TForm1::CzescWidoku(ProstokatArkusza& widoczny)
{
    widoczny = ProstokatArkusza();
    widoczny.Dodaj(EkranNaCmX(0), EkranNaCmY(0));
    widoczny.Dodaj(EkranNaCmX(Podglad->width()), EkranNaCmY(Podglad->height()));
    const bool calyArkusz = widoczny.x1 <= 0.0 && widoczny.y1 <= 0.0 && widoczny.x2 >= wg.ArkuszB &&
                            widoczny.y2 >= wg.ArkuszH;
    return WyjscieEkran && !WyjscieDrukarka && !WyjscieDxf && !calyArkusz ? &widoczny : nullptr;
}

void TForm1::RysujPodpowiedzi()
{
    Plotno* ekran = PlotnoEkranu();
    if (!ekran)
        return;
    ekran->UstawStylPedzla(StylPedzla::Pusty);
    ekran->UstawWysokoscCzcionki(WysokoscNapisow);
    ekran->UstawKolorCzcionki(0);
    if (LiczbaWezlow() == 0)
        ekran->WypiszTekst(10, 10, Utf8NaCp1250(PodpowiedzWezla));
    if (LiczbaWariantow() == 0)
        ekran->WypiszTekst(10, 30, Utf8NaCp1250(PodpowiedzWariantu));
}

void TForm1::PrzerysujDiagram(int32_t rekord, bool rondo, uint64_t rewizjaPrzedZapisem)
{
    if (!RysujZmianeDiagramu(rekord, rondo, rewizjaPrzedZapisem)) {
        Przerysuj();
        return;
    }
    PokazNaPodgladzie();
    PokazZebraneKomunikaty();
}

namespace {

// The one record of node `wezel` in variant `wariant`; -1 for none or more.
template <class T>
int32_t JedynyRekordWezla(const std::vector<T>& rekordy, int32_t wezel, int32_t wariant)
{
    int32_t jedyny = -1;
    for (std::size_t i = 0; i < rekordy.size(); ++i) {
        if (rekordy[i].NrWezla != wezel || rekordy[i].NrWariantu != wariant)
            continue;
        if (jedyny >= 0)
            return -1;
        jedyny = static_cast<int32_t>(i);
    }
    return jedyny;
}

} // namespace

bool TForm1::RysujZmianeDiagramu(int32_t rekord, bool rondo, uint64_t rewizjaPrzedZapisem)
{
    // A sheet with prompts is drawn in full.
    if (LiczbaWezlow() == 0 || LiczbaWariantow() == 0 ||
        !(rondo ? JestIndeksem(rekord, Ronda) : JestIndeksem(rekord, Ruchoplany)))
        return false;
    const int32_t wlasny = rondo ? JedynyRekordWezla(Ronda, Ronda[static_cast<std::size_t>(rekord)].NrWezla,
                                                     BiezacyWariant)
                                 : JedynyRekordWezla(Ruchoplany, Ruchoplany[rekord].NrWezla, BiezacyWariant);
    if (wlasny < 0)
        return false;
    UstawSrodekEkranu();
    ProstokatArkusza widoczny;
    return RysujZmianeNaWarstwach(
        {BiezacyWariant, wlasny, rondo, CzescWidoku(widoczny), [this] { RysujTlo(); }, rewizjaPrzedZapisem});
}

void TForm1::FormShow()
{
    NowyProjekt();
    // The grid box shows the new project's step, as after "Nowy".
    PokazSiatke();
    QSize ekran(BitmapaRysunku.size());
    PolSzerEkranu = (ekran.width() - 50) * 0.5;
    PolWysEkranu = (ekran.height() - 50) * 0.5;

    // The whole sheet with a margin of 1 cm above and below.
    const double b = wg.ArkuszB;
    const double h = wg.ArkuszH;
    const double skalaX = std::abs(b) * 1000.0 / (ekran.width() - 50);
    const double skalaY = std::abs(h + 2.0) * 1000.0 / (ekran.height() - 150);
    SrodekX = b / 2.0;
    SrodekY = h / 2.0 - 1.0;
    Skala = std::max(skalaX, skalaY);

    RysujObrazStartowy();
    PokazNaPodgladzie();
}

void TForm1::RysujObrazStartowy()
{
    Plotno* p = PlotnoEkranu();
    if (!p)
        return;
    p->UstawKolorPiora(KolorTla);
    p->UstawKolorPedzla(KolorTla);
    p->UstawStylPedzla(StylPedzla::Pelny);
    p->Prostokat(0, 0, BitmapaRysunku.width(), BitmapaRysunku.height());
    p->UstawStylPedzla(StylPedzla::Pusty);
    p->UstawWysokoscCzcionki(WysokoscNapisow);
    p->UstawKolorCzcionki(0);
    p->WypiszTekst(20, 10, "Kartogram " + std::string(WersjaProgramu));
    p->WypiszTekst(20, 30, ZQString(ProducentLinia1()));
    p->WypiszTekst(20, 50, ZQString(ProducentLinia2()));
    p->WypiszTekst(20, 70, Utf8NaCp1250(DataKompilacji()));
    // The empty project's prompts, under the start texts: the user sees at
    // once what to do first.
    p->WypiszTekst(20, 100, Utf8NaCp1250(PodpowiedzWezla));
    p->WypiszTekst(20, 120, Utf8NaCp1250(PodpowiedzWariantu));
    RysujArkusz();
}
