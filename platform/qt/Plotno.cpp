#include "platform/qt/Plotno.h"

#include <algorithm>
#include <climits>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "base/Kodowanie.h"

namespace {

QString NaQString(std::string_view cp1250) { return QString::fromStdString(Cp1250NaUtf8(cp1250)); }

QColor NaQColor(TKolor k) { return QColor(KolorR(k), KolorG(k), KolorB(k)); }

Qt::PenStyle NaStylQt(int styl)
{
    switch (styl) {
    case PioroKreskowane: return Qt::DashLine;
    case PioroKropkowane: return Qt::DotLine;
    case PioroKreskaKropka: return Qt::DashDotLine;
    case PioroKreskaKropkaKropka: return Qt::DashDotDotLine;
    case PioroBrak: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

// The box of a canvas rectangle or ellipse: the right and bottom edges lie
// just outside the figure, as on the classic canvas.
QRect Pudelko(int x1, int y1, int x2, int y2)
{
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    return QRect(x1, y1, std::max(0, x2 - x1 - 1), std::max(0, y2 - y1 - 1));
}

}  // namespace

int RozmiarDlaWysokosci(QFont czcionka, int wysokosc, QPaintDevice* urzadzenie)
{
    czcionka.setPixelSize(wysokosc);
    const int zmierzona = QFontMetrics(czcionka, urzadzenie).height();
    if (zmierzona > 0 && zmierzona != wysokosc)
        return std::max(1, static_cast<int>(std::lround(double(wysokosc) * wysokosc / zmierzona)));
    return wysokosc;
}

struct PlotnoQt::Stan {
    QPaintDevice* urzadzenie = nullptr;
    bool otwieraSam = true;
    QPainter malarz;
    TKolor kolorPiora = 0;
    int grubosc = 1;
    int styl = PioroCiagle;
    TKolor kolorPedzla = 0xFFFFFF;
    StylPedzla stylPedzla = StylPedzla::Pelny;
    QPoint pozycja;
    QFont czcionka{QStringLiteral("Tahoma")};
    int wysokoscCzcionki = 13;
    // Above 0: the cell height to a fraction of a pixel, which the face at
    // the nearest whole pixel size scaled by `skalaCzcionki` takes.
    double wysokoscDokladna = 0.0;
    double skalaCzcionki = 1.0;
    TKolor kolorCzcionki = 0;
    bool czcionkaGotowa = false;

    // A redraw sets pen and brush thousands of times, mostly to what they
    // already are: the Qt pen and brush are built only when they change and
    // set on the painter only when the painter holds something else.
    QPen pioro;
    QBrush pedzel;
    bool pioroGotowe = false;
    bool pedzelGotowy = false;
    bool pioroNaMalarzu = false;
    bool pedzelNaMalarzu = false;
    bool czcionkaNaMalarzu = false;
    std::vector<QPointF> punkty;  // reused by Wielokat
    bool obraz = false;  // the device is a bitmap; its size:
    int szerokosc = 0, wysokosc = 0;
    int pierwszyWiersz = INT_MIN, zaOstatnimWierszem = INT_MAX;  // the rows wanted
    bool WierszWolno(int y) const { return y >= pierwszyWiersz && y < zaOstatnimWierszem; }
    // The bitmap's part the canvas paints: its wanted rows.
    QRect Przyciecie() const
    {
        const int od = std::max(0, pierwszyWiersz), do_ = std::min(wysokosc, zaOstatnimWierszem);
        return QRect(0, od, szerokosc, std::max(0, do_ - od));
    }
    // The rows drawn on, widened by the pen (what a figure between rows y1
    // and y2 may paint): one flag a row of the device, none before the
    // first drawing.
    std::vector<unsigned char> wiersze;
    void OznaczWiersze(int od, int do_)
    {
        if (wiersze.empty())
            wiersze.assign(static_cast<std::size_t>(std::max(urzadzenie->height(), 0)), 0);
        const int n = static_cast<int>(wiersze.size());
        od = std::clamp(od, 0, n);
        do_ = std::clamp(do_, od, n);
        std::fill(wiersze.begin() + od, wiersze.begin() + do_, 1);
    }
    void Narysowano(int y1, int y2)
    {
        const int zapas = std::max(grubosc, 1) + 2;
        OznaczWiersze(std::min(y1, y2) - zapas, std::max(y1, y2) + zapas + 1);
    }
    void NarysowanoWszedzie() { OznaczWiersze(INT_MIN, INT_MAX); }

    // Thin solid lines on a bitmap wait here, in the colour of the pen, and
    // are drawn together when the colour or style changes or anything else is
    // drawn. The painter's line stroker remembers the direction of the line
    // it drew last and widens a line drawn the opposite way after it by a
    // pixel, so lines drawn one by one and lines drawn in one call differ.
    // The waiting lines are therefore kept apart by direction: those going
    // mainly down or right, and those going up or left, one call each; within
    // a call no line follows one of the opposite direction. The order of
    // lines of one opaque colour does not change the pixels, so the two thin
    // widths (0 and 1) wait side by side and a text switching between them
    // does not draw what waits. Lines reaching past the bitmap are clipped by
    // the stroker first and are drawn one by one.
    struct Oczekujace {
        std::vector<QLine> naprzod, wstecz, pojedyncze;
        std::vector<QPoint> piksele;
        bool Puste() const { return naprzod.empty() && wstecz.empty() && pojedyncze.empty() && piksele.empty(); }
    };
    Oczekujace oczekujace[2];  // by pen width
    bool saOczekujace = false;
    bool obcyMalarz = false;  // the painter was handed out by `Malarz`

    static int CienkaGrubosc(int g) { return g <= 0 ? 0 : 1; }
    bool LinieRazem() const { return obraz && grubosc <= 1 && styl == PioroCiagle; }

    void DodajLinie(QPainter& m, QPoint a, QPoint b)
    {
        const QLine l(a, b);
        if (!LinieRazem()) {
            // Wide pens would stroke the lines of one call as one path;
            // printers keep every line as its own call in the document.
            UstawPioro(m);
            m.drawLine(l);
            return;
        }
        Oczekujace& o = oczekujace[CienkaGrubosc(grubosc)];
        saOczekujace = true;
        auto wewnatrz = [&](QPoint p) { return p.x() >= 0 && p.y() >= 0 && p.x() < szerokosc && p.y() < wysokosc; };
        if (!wewnatrz(a) || !wewnatrz(b)) {
            o.pojedyncze.push_back(l);
            return;
        }
        const int dx = b.x() - a.x(), dy = b.y() - a.y();
        const bool doPrzodu = std::abs(dx) < std::abs(dy) ? dy > 0 : dx > 0;
        if (std::abs(dx) <= 1 && std::abs(dy) <= 1) {
            // A line to a neighbouring pixel paints one pixel: its start
            // going down or right, its end going up or left (the stroker
            // draws it from the top or left and leaves out its last pixel).
            // Most strokes of small texts are such; a point costs far less.
            o.piksele.push_back(doPrzodu ? a : b);
            return;
        }
        (doPrzodu ? o.naprzod : o.wstecz).push_back(l);
    }

    void RysujOczekujace()
    {
        if (!saOczekujace) return;
        saOczekujace = false;
        for (int g = 0; g < 2; ++g) {
            Oczekujace& o = oczekujace[g];
            if (o.Puste()) continue;
            if (g == CienkaGrubosc(grubosc)) {
                UstawPioro(malarz);
            } else {
                QPen inne = Pioro();
                inne.setWidth(g);
                malarz.setPen(inne);
                pioroNaMalarzu = false;
            }
            if (!o.naprzod.empty()) malarz.drawLines(o.naprzod.data(), static_cast<int>(o.naprzod.size()));
            if (!o.wstecz.empty()) malarz.drawLines(o.wstecz.data(), static_cast<int>(o.wstecz.size()));
            if (!o.piksele.empty()) RysujPiksele(o.piksele);
            for (const QLine& l : o.pojedyncze) malarz.drawLine(l);
            o.naprzod.clear();
            o.wstecz.clear();
            o.piksele.clear();
            o.pojedyncze.clear();
        }
    }

    // Single pixels of a thin opaque pen on a 32-bit bitmap are the pen's
    // colour written into the pixel: set straight in the image, which costs
    // far less than the painter's point drawing, when nobody else has
    // changed the painter's clipping, transform or composition.
    bool PikseleWprost() const
    {
        if (!obraz || obcyMalarz) return false;
        const QImage* obrazek = static_cast<const QImage*>(urzadzenie);
        return obrazek->isDetached() && (obrazek->format() == QImage::Format_RGB32 ||
                                         obrazek->format() == QImage::Format_ARGB32_Premultiplied);
    }
    uint32_t KolorPikseli() const
    {
        return 0xFF000000u | static_cast<uint32_t>(KolorR(kolorPiora) << 16 | KolorG(kolorPiora) << 8 | KolorB(kolorPiora));
    }
    void RysujPiksele(const std::vector<QPoint>& piksele)
    {
        if (!PikseleWprost()) {
            malarz.drawPoints(piksele.data(), static_cast<int>(piksele.size()));
            return;
        }
        QImage* obrazek = static_cast<QImage*>(urzadzenie);
        const uint32_t kolor = KolorPikseli();
        uchar* bity = obrazek->bits();
        const qsizetype wiersz = obrazek->bytesPerLine();
        for (const QPoint& q : piksele)
            if (WierszWolno(q.y()))
                reinterpret_cast<uint32_t*>(bity + q.y() * wiersz)[q.x()] = kolor;
    }

    // The strokes of a text as `DodajLinie` would take them, the single
    // pixels written at once: they have the colour of every line waiting,
    // and nothing else is drawn before those.
    void DodajOdcinkiWprost(std::span<const PunktInt> konce)
    {
        Oczekujace& o = oczekujace[CienkaGrubosc(grubosc)];
        QImage* obrazek = static_cast<QImage*>(urzadzenie);
        const uint32_t kolor = KolorPikseli();
        uchar* bity = obrazek->bits();
        const qsizetype wiersz = obrazek->bytesPerLine();
        const unsigned szer = static_cast<unsigned>(szerokosc), wys = static_cast<unsigned>(wysokosc);
        for (std::size_t k = 0; k + 1 < konce.size(); k += 2) {
            const PunktInt a = konce[k], b = konce[k + 1];
            if (a.X == b.X && a.Y == b.Y) continue;
            const bool wewnatrz = static_cast<unsigned>(a.X) < szer && static_cast<unsigned>(a.Y) < wys &&
                                  static_cast<unsigned>(b.X) < szer && static_cast<unsigned>(b.Y) < wys;
            const QLine l(a.X, a.Y, b.X, b.Y);
            if (!wewnatrz) {
                o.pojedyncze.push_back(l);
                saOczekujace = true;
                continue;
            }
            const int dx = b.X - a.X, dy = b.Y - a.Y;
            const bool doPrzodu = std::abs(dx) < std::abs(dy) ? dy > 0 : dx > 0;
            if (std::abs(dx) <= 1 && std::abs(dy) <= 1) {
                const PunktInt q = doPrzodu ? a : b;
                if (WierszWolno(q.Y))
                    reinterpret_cast<uint32_t*>(bity + q.Y * wiersz)[q.X] = kolor;
                continue;
            }
            (doPrzodu ? o.naprzod : o.wstecz).push_back(l);
            saOczekujace = true;
        }
    }

    // Strokes of a wide solid pen that run on from one another, each chain
    // as one polyline: round caps meeting at a point cover what a round join
    // covers, so the shape is the same, and a printer's document holds one
    // path for the chain instead of one per stroke.
    void RysujLamane(QPainter& m, std::span<const PunktInt> konce)
    {
        UstawPioro(m);
        QPolygon& lamana = lamana_;
        lamana.clear();
        for (std::size_t k = 0; k + 1 < konce.size(); k += 2) {
            const QPoint a(konce[k].X, konce[k].Y), b(konce[k + 1].X, konce[k + 1].Y);
            if (a == b) continue;
            if (lamana.isEmpty() || lamana.last() != a) {
                if (lamana.size() > 1) m.drawPolyline(lamana);
                lamana.clear();
                lamana << a;
            }
            lamana << b;
        }
        if (lamana.size() > 1) m.drawPolyline(lamana);
    }
    QPolygon lamana_;  // reused by RysujLamane

    // A rectangle with a thin solid pen and a solid brush, wholly on the
    // bitmap, paints its outline's box in the pen colour and the inside in
    // the brush colour: filled so, which is cheaper than outlining and
    // filling (the background and the sheet are the size of the screen).
    bool ProstokatWypelnieniem(QPainter& m, const QRect& r)
    {
        if (!obraz || obcyMalarz || grubosc > 1 || styl != PioroCiagle || stylPedzla != StylPedzla::Pelny)
            return false;
        if (r.width() < 1 || r.height() < 1 || r.x() < 0 || r.y() < 0 || r.x() + r.width() >= szerokosc ||
            r.y() + r.height() >= wysokosc)
            return false;
        const QRect pudelko(r.x(), r.y(), r.width() + 1, r.height() + 1);
        QImage* obrazek = static_cast<QImage*>(urzadzenie);
        if (pudelko == QRect(0, 0, szerokosc, wysokosc) && Przyciecie() == pudelko && obrazek->isDetached())
            obrazek->fill(NaQColor(kolorPiora));
        else
            m.fillRect(pudelko, NaQColor(kolorPiora));
        if (kolorPedzla != kolorPiora && r.width() >= 2 && r.height() >= 2)
            m.fillRect(QRect(r.x() + 1, r.y() + 1, r.width() - 1, r.height() - 1), NaQColor(kolorPedzla));
        return true;
    }

    void ZmienionoPioro()
    {
        RysujOczekujace();
        pioroGotowe = pioroNaMalarzu = false;
    }
    void ZmienionoPedzel() { pedzelGotowy = pedzelNaMalarzu = false; }
    void MalarzZmieniony() { pioroNaMalarzu = pedzelNaMalarzu = czcionkaNaMalarzu = false; }

    QPen Pioro() const
    {
        QPen p(NaQColor(kolorPiora));
        p.setStyle(NaStylQt(styl));
        if (grubosc <= 1) {
            // Thin lines stop short of their end point, as canvas lines do.
            p.setWidth(grubosc <= 0 ? 0 : 1);
            p.setCapStyle(Qt::FlatCap);
        } else {
            p.setWidth(grubosc);
            p.setCapStyle(Qt::RoundCap);
            p.setJoinStyle(Qt::RoundJoin);
        }
        return p;
    }

    QBrush Pedzel() const
    {
        return stylPedzla == StylPedzla::Pelny ? QBrush(NaQColor(kolorPedzla)) : QBrush(Qt::NoBrush);
    }

    void UstawPioro(QPainter& m)
    {
        if (pioroNaMalarzu) return;
        if (!pioroGotowe) {
            pioro = Pioro();
            pioroGotowe = true;
        }
        m.setPen(pioro);
        pioroNaMalarzu = true;
    }

    void UstawPedzel(QPainter& m)
    {
        if (pedzelNaMalarzu) return;
        if (!pedzelGotowy) {
            pedzel = Pedzel();
            pedzelGotowy = true;
        }
        m.setBrush(pedzel);
        pedzelNaMalarzu = true;
    }

    QFontMetrics Miary() const { return QFontMetrics(czcionka, urzadzenie); }
    QFontMetricsF MiaryDokladne() const { return QFontMetricsF(czcionka, urzadzenie); }
    bool Dokladna() const { return wysokoscDokladna > 0.0; }

    // The pixel size that gives the wanted cell height with this face.
    // Measuring a face is slow and a redraw asks for the same few heights,
    // so the sizes found and the widths measured are kept.
    void PrzygotujCzcionke()
    {
        if (czcionkaGotowa) return;
        czcionkaNaMalarzu = false;
        czcionkaGotowa = true;
        if (Dokladna()) {
            PrzygotujCzcionkeDokladna();
            return;
        }
        skalaCzcionki = 1.0;
        int h = std::max(1, wysokoscCzcionki);
        const auto klucz = std::make_pair(czcionka.family(), h);
        if (auto znany = rozmiaryCzcionek.find(klucz); znany != rozmiaryCzcionek.end()) {
            czcionka.setPixelSize(znany->second);
        } else {
            czcionka.setPixelSize(RozmiarDlaWysokosci(czcionka, h, urzadzenie));
            rozmiaryCzcionek.emplace(klucz, czcionka.pixelSize());
        }
    }

    // The size in pixels that gives the exact cell height, by the face's
    // cell at a size where whole pixels do not matter. A face takes only
    // whole pixel sizes (its hinting rounds any other), so the text is
    // drawn at the nearest and scaled to the exact size.
    void PrzygotujCzcionkeDokladna()
    {
        auto [miejsce, nowa] = komorkiNaPiksel.try_emplace(czcionka.family());
        if (nowa) {
            constexpr int duzy = 1000;
            QFont wzor = czcionka;
            wzor.setPixelSize(duzy);
            miejsce->second = QFontMetricsF(wzor, urzadzenie).height() / duzy;
        }
        const double rozmiar = wysokoscDokladna / miejsce->second;
        const int calkowity = std::max(1, static_cast<int>(std::lround(rozmiar)));
        czcionka.setPixelSize(calkowity);
        skalaCzcionki = rozmiar / calkowity;
    }

    int Szerokosc(std::string_view tekst)
    {
        PrzygotujCzcionke();
        if (szerokosci.size() >= 4096) szerokosci.clear();
        auto klucz = std::make_tuple(czcionka.family(), czcionka.pixelSize(), Dokladna() ? skalaCzcionki : 0.0,
                                     std::string(tekst));
        if (auto znana = szerokosci.find(klucz); znana != szerokosci.end()) return znana->second;
        const QString t = NaQString(tekst);
        const int w = Dokladna() ? static_cast<int>(std::lround(MiaryDokladne().horizontalAdvance(t) * skalaCzcionki))
                                 : Miary().horizontalAdvance(t);
        szerokosci.emplace(std::move(klucz), w);
        return w;
    }

    std::map<std::pair<QString, int>, int> rozmiaryCzcionek;
    // By face, pixel size, the exact size's scale (0 for whole pixels) and text.
    std::map<std::tuple<QString, int, double, std::string>, int> szerokosci;
    std::map<QString, double> komorkiNaPiksel;
};

PlotnoQt::PlotnoQt(QPaintDevice* urzadzenie, bool otwieraSam) : s_(std::make_unique<Stan>())
{
    s_->urzadzenie = urzadzenie;
    s_->otwieraSam = otwieraSam;
    s_->czcionka.setStyleStrategy(QFont::NoAntialias);
}

PlotnoQt::~PlotnoQt() { Zakoncz(); }

bool PlotnoQt::Rozpocznij()
{
    if (s_->malarz.isActive()) return true;
    if (!s_->urzadzenie) return false;
    if (!s_->malarz.begin(s_->urzadzenie)) return false;
    s_->MalarzZmieniony();
    s_->obcyMalarz = false;
    s_->obraz = s_->urzadzenie->devType() == QInternal::Image;
    s_->szerokosc = s_->urzadzenie->width();
    s_->wysokosc = s_->urzadzenie->height();
    s_->malarz.setRenderHint(QPainter::Antialiasing, false);
    s_->malarz.setRenderHint(QPainter::TextAntialiasing, false);
    if (s_->obraz) s_->malarz.setClipRect(s_->Przyciecie());
    return true;
}

bool PlotnoQt::Zakoncz()
{
    if (!s_->malarz.isActive()) return true;
    s_->RysujOczekujace();
    return s_->malarz.end();
}

bool PlotnoQt::ProstokatWidoczny(int x1, int y1, int x2, int y2) const
{
    // Only a bitmap: a printer's file keeps what lies off the page as it always did.
    const QPaintDevice* d = s_->urzadzenie;
    if (d->devType() != QInternal::Image)
        return true;
    return std::max(x1, x2) >= 0 && std::max(y1, y2) >= std::max(0, s_->pierwszyWiersz) &&
           std::min(x1, x2) < d->width() && std::min(y1, y2) < std::min(d->height(), s_->zaOstatnimWierszem);
}

void PlotnoQt::OgraniczDoWierszy(int y1, int y2)
{
    s_->RysujOczekujace();
    s_->pierwszyWiersz = y1;
    s_->zaOstatnimWierszem = y2;
    // The painter's clip is exact to the pixel: a line's pixels within the
    // rows are those it has on the whole bitmap.
    if (s_->malarz.isActive() && s_->obraz) s_->malarz.setClipRect(s_->Przyciecie());
}

PlotnoQt::Wiersze PlotnoQt::WierszeNarysowane()
{
    const std::vector<unsigned char>& w = KazdyWierszNarysowany();
    const auto pierwszy = std::find(w.begin(), w.end(), 1);
    if (pierwszy == w.end())
        return {};
    const auto zaOstatnim = std::find(w.rbegin(), w.rend(), 1).base();
    return {static_cast<int>(pierwszy - w.begin()), static_cast<int>(zaOstatnim - w.begin())};
}

const std::vector<unsigned char>& PlotnoQt::KazdyWierszNarysowany()
{
    // A device resized since the rows were marked: any row may be painted.
    const auto wysokosc = static_cast<std::size_t>(std::max(s_->urzadzenie->height(), 0));
    if (!s_->wiersze.empty() && s_->wiersze.size() != wysokosc)
        s_->wiersze.assign(wysokosc, 1);
    s_->OznaczWiersze(0, 0);
    return s_->wiersze;
}

void PlotnoQt::ZerujWierszeNarysowane() { s_->wiersze.clear(); }

bool PlotnoQt::Aktywne() const { return s_->malarz.isActive(); }

QPainter* PlotnoQt::MalarzWlasny()
{
    if (s_->malarz.isActive()) return &s_->malarz;
    return s_->otwieraSam && Rozpocznij() ? &s_->malarz : nullptr;
}

QPainter* PlotnoQt::Malarz()
{
    // Whoever takes the painter may change its pen, brush or font.
    QPainter* m = MalarzWlasny();
    if (m) s_->RysujOczekujace();
    s_->MalarzZmieniony();
    s_->obcyMalarz = true;
    s_->NarysowanoWszedzie();
    return m;
}

void PlotnoQt::UstawKolorPiora(TKolor kolor)
{
    if (kolor != s_->kolorPiora) {
        s_->ZmienionoPioro();
        s_->kolorPiora = kolor;
    }
}

void PlotnoQt::UstawGruboscPiora(int piksele)
{
    if (piksele != s_->grubosc) {
        // Waiting thin lines keep waiting when only the thin width changes.
        if (s_->grubosc <= 1 && piksele <= 1)
            s_->pioroGotowe = s_->pioroNaMalarzu = false;
        else
            s_->ZmienionoPioro();
        s_->grubosc = piksele;
    }
}

void PlotnoQt::UstawStylPiora(int styl)
{
    if (styl != s_->styl) {
        s_->ZmienionoPioro();
        s_->styl = styl;
    }
}

void PlotnoQt::UstawKolorPedzla(TKolor kolor)
{
    if (kolor != s_->kolorPedzla) {
        s_->kolorPedzla = kolor;
        s_->ZmienionoPedzel();
    }
}

void PlotnoQt::UstawStylPedzla(StylPedzla styl)
{
    if (styl != s_->stylPedzla) {
        s_->stylPedzla = styl;
        s_->ZmienionoPedzel();
    }
}

void PlotnoQt::PrzesunDo(int x, int y) { s_->pozycja = QPoint(x, y); }

void PlotnoQt::LiniaDo(int x, int y)
{
    QPoint cel(x, y);
    if (QPainter* m = MalarzWlasny(); m && cel != s_->pozycja) {
        s_->Narysowano(s_->pozycja.y(), y);
        s_->DodajLinie(*m, s_->pozycja, cel);
    }
    s_->pozycja = cel;
}

void PlotnoQt::Odcinki(std::span<const PunktInt> konce)
{
    if (konce.size() < 2) return;
    const PunktInt ostatni = konce[(konce.size() & ~std::size_t{1}) - 1];
    if (QPainter* m = MalarzWlasny()) {
        const auto [gora, dol] = std::minmax_element(konce.begin(), konce.end(),
                                                     [](PunktInt a, PunktInt b) { return a.Y < b.Y; });
        s_->Narysowano(gora->Y, dol->Y);
        if (s_->LinieRazem() && s_->PikseleWprost()) {
            s_->DodajOdcinkiWprost(konce);
            s_->pozycja = QPoint(ostatni.X, ostatni.Y);
            return;
        }
        if (!s_->obraz && s_->grubosc > 1 && s_->styl == PioroCiagle) {
            s_->RysujLamane(*m, konce);
        } else {
            for (std::size_t k = 0; k + 1 < konce.size(); k += 2) {
                const PunktInt a = konce[k], b = konce[k + 1];
                if (a.X != b.X || a.Y != b.Y) s_->DodajLinie(*m, QPoint(a.X, a.Y), QPoint(b.X, b.Y));
            }
        }
    }
    s_->pozycja = QPoint(ostatni.X, ostatni.Y);
}

void PlotnoQt::Wielokat(const std::vector<PunktInt>& punkty)
{
    QPainter* m = MalarzWlasny();
    if (!m || punkty.empty()) return;
    s_->RysujOczekujace();
    const auto [gora, dol] = std::minmax_element(punkty.begin(), punkty.end(),
                                                 [](PunktInt a, PunktInt b) { return a.Y < b.Y; });
    s_->Narysowano(gora->Y, dol->Y);
    // Given as QPointF: the painter's integer polygon path converts the
    // points for the outline anyway and is slower, with the same pixels.
    std::vector<QPointF>& w = s_->punkty;
    w.clear();
    for (const PunktInt& p : punkty) w.emplace_back(p.X, p.Y);
    s_->UstawPioro(*m);
    s_->UstawPedzel(*m);
    m->drawPolygon(w.data(), static_cast<int>(w.size()));
}

void PlotnoQt::Prostokat(int x1, int y1, int x2, int y2)
{
    if (QPainter* m = MalarzWlasny()) {
        s_->RysujOczekujace();
        s_->Narysowano(y1, y2);
        if (s_->ProstokatWypelnieniem(*m, Pudelko(x1, y1, x2, y2))) return;
        s_->UstawPioro(*m);
        s_->UstawPedzel(*m);
        m->drawRect(Pudelko(x1, y1, x2, y2));
    }
}

void PlotnoQt::Elipsa(int x1, int y1, int x2, int y2)
{
    if (QPainter* m = MalarzWlasny()) {
        s_->RysujOczekujace();
        s_->Narysowano(y1, y2);
        s_->UstawPioro(*m);
        s_->UstawPedzel(*m);
        m->drawEllipse(Pudelko(x1, y1, x2, y2));
    }
}

void PlotnoQt::WypiszTekst(int x, int y, std::string_view tekst)
{
    QPainter* m = MalarzWlasny();
    if (!m) return;
    s_->RysujOczekujace();
    s_->PrzygotujCzcionke();
    if (s_->Dokladna()) {
        WypiszTekstDokladnie(*m, x, y, NaQString(tekst));
        return;
    }
    QString t = NaQString(tekst);
    QFontMetrics miary = s_->Miary();
    // Glyphs may reach a little beyond the font's cell.
    s_->Narysowano(y - miary.height(), y + 2 * miary.height());
    if (s_->stylPedzla == StylPedzla::Pelny)
        m->fillRect(QRect(x, y, miary.horizontalAdvance(t), miary.height()), NaQColor(s_->kolorPedzla));
    if (!s_->czcionkaNaMalarzu) {
        m->setFont(s_->czcionka);
        s_->czcionkaNaMalarzu = true;
    }
    m->setPen(QPen(NaQColor(s_->kolorCzcionki)));
    s_->pioroNaMalarzu = false;
    m->drawText(QPoint(x, y + miary.ascent()), t);
}

void PlotnoQt::WypiszTekstDokladnie(QPainter& m, int x, int y, const QString& t)
{
    const QFontMetricsF miary = s_->MiaryDokladne();
    const double skala = s_->skalaCzcionki;
    const int h = static_cast<int>(std::ceil(miary.height() * skala));
    s_->Narysowano(y - h, y + 2 * h);
    if (s_->stylPedzla == StylPedzla::Pelny)
        m.fillRect(QRectF(x, y, miary.horizontalAdvance(t) * skala, miary.height() * skala), NaQColor(s_->kolorPedzla));
    m.setFont(s_->czcionka);
    m.setPen(QPen(NaQColor(s_->kolorCzcionki)));
    s_->pioroNaMalarzu = false;
    s_->czcionkaNaMalarzu = true;
    m.save();
    m.translate(x, y);
    m.scale(skala, skala);
    m.drawText(QPointF(0.0, miary.ascent()), t);
    m.restore();
}

int PlotnoQt::SzerokoscTekstu(std::string_view tekst)
{
    return s_->Szerokosc(tekst);
}

void PlotnoQt::UstawKrojCzcionki(const std::string& kroj)
{
    const QString nowy = QString::fromStdString(kroj);
    if (nowy != s_->czcionka.family()) {
        s_->czcionka.setFamily(nowy);
        s_->czcionkaGotowa = false;
    }
}

void PlotnoQt::UstawWysokoscCzcionki(int piksele)
{
    if (piksele != s_->wysokoscCzcionki || s_->Dokladna()) {
        s_->wysokoscCzcionki = piksele;
        s_->wysokoscDokladna = 0.0;
        s_->czcionkaGotowa = false;
    }
}

void PlotnoQt::UstawWysokoscCzcionkiDokladnie(double piksele)
{
    if (!(piksele > 0.0)) {
        UstawWysokoscCzcionki(1);
        return;
    }
    if (piksele != s_->wysokoscDokladna) {
        s_->wysokoscDokladna = piksele;
        s_->czcionkaGotowa = false;
    }
}

void PlotnoQt::UstawKolorCzcionki(TKolor kolor) { s_->kolorCzcionki = kolor; }

void PlotnoQt::KopiujProstokat(int x, int y, const QImage& zrodlo, int zx, int zy, int szer, int wys)
{
    if (QPainter* m = MalarzWlasny()) {
        s_->RysujOczekujace();
        s_->Narysowano(y, y + wys);
        m->drawImage(QPoint(x, y), zrodlo, QRect(zx, zy, szer, wys));
    }
}
