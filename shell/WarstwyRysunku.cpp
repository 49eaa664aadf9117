#include "shell/WarstwyRysunku.h"

#include <QImage>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "drawing/Wyjscie.h"
#include "model/Projekt.h"
#include "shell/Arkusz.h"
#include "shell/RysunekWatkami.h"

namespace {

// What the layers were drawn for besides the project's data: the diagram,
// the view, the bitmap and the outputs.
struct Widok {
    int32_t wariant = -1, rekord = -1;
    bool rondo = false;
    double skala = 0.0, srodekX = 0.0, srodekY = 0.0, polSzer = 0.0, polWys = 0.0;
    int szerokosc = 0, wysokosc = 0;
    bool czesc = false;  // only what the view shows
    bool tekstTT = false;
    friend bool operator==(const Widok&, const Widok&) = default;
};

Widok BiezacyWidok(const ZmianaDiagramu& z, const QImage& bitmapa)
{
    return {.wariant = z.wariant,
            .rekord = z.rekord,
            .rondo = z.rondo,
            .skala = Skala,
            .srodekX = SrodekX,
            .srodekY = SrodekY,
            .polSzer = PolSzerEkranu,
            .polWys = PolWysEkranu,
            .szerokosc = bitmapa.width(),
            .wysokosc = bitmapa.height(),
            .czesc = z.widoczny != nullptr,
            .tekstTT = TekstTT};
}

// The node of the changed diagram.
int32_t WezelDiagramu(const ZmianaDiagramu& z)
{
    return z.rondo ? Ronda[static_cast<std::size_t>(z.rekord)].NrWezla : Ruchoplany[z.rekord].NrWezla;
}

// The rest of the project as the layers show it: everything drawn besides
// the changed diagram and what it is drawn from. The diagrams are known by
// the project's revision alone (a record holds its relation bands behind a
// pointer, which its bytes do not show); the diagram's own store, made just
// before its redraw, is the one store allowed since the layers were drawn.
struct ResztaProjektu {
    TUstawieniaGlobalne ustawienia;
    TRozmiaryLegendy rozmiaryLegendy;
    TRozmiaryOpisow rozmiaryOpisow;
    std::array<DaneSklad, RozmiarSkladu> sklad;
    int32_t liczbaSkladow = 0;
    std::vector<DaneWezel> wezly;
    std::vector<DaneWariant> warianty;
    std::vector<DaneOpis> opisy;
    std::vector<DaneBlok> bloki;
    std::vector<DaneBlokWpis> definicjeBlokow;
    std::vector<KrotkiTekst<255>> linieBlokow;
    std::size_t ruchoplanow = 0, rond = 0;
    uint64_t rewizja = 0;

    static ResztaProjektu Biezaca()
    {
        return {.ustawienia = wg,
                .rozmiaryLegendy = RozmiaryLegendy,
                .rozmiaryOpisow = RozmiaryOpisow,
                .sklad = Sklad,
                .liczbaSkladow = LiczbaSkladow,
                .wezly = Wezly,
                .warianty = Warianty,
                .opisy = Opisy,
                .bloki = Bloki,
                .definicjeBlokow = DefinicjeBlokow,
                .linieBlokow = LinieBlokow,
                .ruchoplanow = Ruchoplany.size(),
                .rond = Ronda.size(),
                .rewizja = RewizjaProjektu()};
    }

    // Whether the project still is as it was; the changed diagram's node
    // (its fill colour comes with the diagram's geometry) is its own.
    bool TakaSama(const ZmianaDiagramu& z) const
    {
        if (!(rewizja == z.rewizjaPrzedZapisem && ustawienia == wg && rozmiaryLegendy == RozmiaryLegendy &&
              rozmiaryOpisow == RozmiaryOpisow && sklad == Sklad && liczbaSkladow == LiczbaSkladow &&
              warianty == Warianty && opisy == Opisy && bloki == Bloki && definicjeBlokow == DefinicjeBlokow && linieBlokow == LinieBlokow &&
              ruchoplanow == Ruchoplany.size() && rond == Ronda.size() && wezly.size() == Wezly.size()))
            return false;
        const int32_t wezel = WezelDiagramu(z);
        for (std::size_t k = 0; k < wezly.size(); ++k)
            if (static_cast<int64_t>(k) != wezel && !(wezly[k] == Wezly[k]))
                return false;
        return true;
    }
};

struct Warstwy {
    bool gotowe = false;
    Widok widok;
    ResztaProjektu reszta;
    QImage dolna, gorna;
    // Per row of the upper layer, the columns [od, do_) of its drawn pixels.
    std::vector<std::pair<int, int>> wierszeGornej;
    LicznikiWarstw liczniki;
};

Warstwy& Stan()
{
    static Warstwy warstwy;
    return warstwy;
}

// A part of the sheet on the bitmap, shared among the threads when it can be.
void RysujCzesc(const ZmianaDiagramu& z, WarstwaArkusza::Czesc czesc)
{
    const WarstwaArkusza warstwa{czesc, z.rekord, z.rondo};
    if (!RysujArkuszWatkami(z.wariant, z.widoczny, warstwa))
        RysujArkuszWariantu(z.wariant, z.widoczny, nullptr, warstwa);
    ZakonczRysowanieEkranu();
}

// The upper layer's pixels are drawn over zero bytes: every pixel a figure
// covers gets an opaque alpha byte, so one still zero was never drawn.
constexpr uint32_t Nietkniety = 0;
bool Narysowany(uint32_t piksel) { return (piksel >> 24) != 0; }

std::vector<std::pair<int, int>> WierszeNarysowane(const QImage& warstwa)
{
    std::vector<std::pair<int, int>> wiersze(static_cast<std::size_t>(warstwa.height()), {0, 0});
    for (int y = 0; y < warstwa.height(); ++y) {
        const auto* p = reinterpret_cast<const uint32_t*>(warstwa.constScanLine(y));
        int od = 0, do_ = warstwa.width();
        while (od < do_ && !Narysowany(p[od]))
            ++od;
        while (do_ > od && !Narysowany(p[do_ - 1]))
            --do_;
        wiersze[static_cast<std::size_t>(y)] = {od, do_};
    }
    return wiersze;
}

void Narysuj(const ZmianaDiagramu& z, Warstwy& w, QImage& bitmapa)
{
    w.gotowe = false;
    const bool watkami = MoznaRysowacWatkami();
    PrzygotujArkuszWariantu(z.wariant, z.widoczny || watkami, watkami ? WatkiRysowania() : 1);

    z.rysujTlo();
    RysujCzesc(z, WarstwaArkusza::Czesc::Pod);
    w.dolna = bitmapa.copy();

    std::memset(bitmapa.bits(), Nietkniety, static_cast<std::size_t>(bitmapa.sizeInBytes()));
    RysujCzesc(z, WarstwaArkusza::Czesc::Nad);
    w.gorna = bitmapa.copy();
    w.wierszeGornej = WierszeNarysowane(w.gorna);

    w.widok = BiezacyWidok(z, bitmapa);
    w.reszta = ResztaProjektu::Biezaca();
    w.gotowe = true;
    ++w.liczniki.narysowane;
}

// The lower layer, the diagram, the upper layer's drawn pixels.
void Zloz(const ZmianaDiagramu& z, const Warstwy& w, QImage& bitmapa)
{
    uchar* bity = bitmapa.bits();
    std::memcpy(bity, w.dolna.constBits(), static_cast<std::size_t>(bitmapa.sizeInBytes()));
    RysujArkuszWariantu(z.wariant, z.widoczny, nullptr, {WarstwaArkusza::Czesc::Diagram, z.rekord, z.rondo});
    ZakonczRysowanieEkranu();

    bity = bitmapa.bits();
    const uchar* gorne = w.gorna.constBits();
    const qsizetype wiersz = bitmapa.bytesPerLine();
    for (int y = 0; y < bitmapa.height(); ++y) {
        const auto [od, do_] = w.wierszeGornej[static_cast<std::size_t>(y)];
        auto* cel = reinterpret_cast<uint32_t*>(bity + y * wiersz);
        const auto* zrodlo = reinterpret_cast<const uint32_t*>(gorne + y * wiersz);
        for (int x = od; x < do_; ++x)
            cel[x] = Narysowany(zrodlo[x]) ? zrodlo[x] : cel[x];
    }
}

} // namespace

bool RysujZmianeNaWarstwach(const ZmianaDiagramu& z)
{
    QImage* bitmapa = BitmapaRysunkuWlasna();
    if (!bitmapa || bitmapa->format() != QImage::Format_RGB32 || !WyjscieEkran || WyjscieSchowek || z.wariant < 0 ||
        !PoliczTylkoDiagram(z.wariant, z.rekord, z.rondo)) {
        ZapomnijWarstwy();
        return false;
    }
    Warstwy& w = Stan();
    ZakonczRysowanieEkranu();
    if (w.gotowe && w.widok == BiezacyWidok(z, *bitmapa) && w.dolna.size() == bitmapa->size() &&
        w.reszta.TakaSama(z))
        ++w.liczniki.zlozone;
    else
        Narysuj(z, w, *bitmapa);
    Zloz(z, w, *bitmapa);
    w.reszta.rewizja = RewizjaProjektu();
    return true;
}

void ZapomnijWarstwy()
{
    Warstwy& w = Stan();
    if (!w.gotowe)
        return;
    w.gotowe = false;
    w.dolna = QImage();
    w.gorna = QImage();
    w.wierszeGornej.clear();
    w.reszta = ResztaProjektu();
}

LicznikiWarstw WarstwyLiczniki() { return Stan().liczniki; }
