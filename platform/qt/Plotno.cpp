#include "platform/qt/Plotno.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <cmath>

#include "platform/Kodowanie.h"

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
    TKolor kolorCzcionki = 0;
    bool czcionkaGotowa = false;

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

    QFontMetrics Miary() const { return QFontMetrics(czcionka, urzadzenie); }

    // The pixel size that gives the wanted cell height with this face.
    void PrzygotujCzcionke()
    {
        if (czcionkaGotowa) return;
        int h = std::max(1, wysokoscCzcionki);
        czcionka.setPixelSize(h);
        int zmierzona = Miary().height();
        if (zmierzona > 0 && zmierzona != h) {
            czcionka.setPixelSize(std::max(1, static_cast<int>(std::lround(double(h) * h / zmierzona))));
        }
        czcionkaGotowa = true;
    }
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
    s_->malarz.setRenderHint(QPainter::Antialiasing, false);
    s_->malarz.setRenderHint(QPainter::TextAntialiasing, false);
    return true;
}

void PlotnoQt::Zakoncz()
{
    if (s_->malarz.isActive()) s_->malarz.end();
}

bool PlotnoQt::Aktywne() const { return s_->malarz.isActive(); }

QPainter* PlotnoQt::Malarz()
{
    if (s_->malarz.isActive()) return &s_->malarz;
    return s_->otwieraSam && Rozpocznij() ? &s_->malarz : nullptr;
}

void PlotnoQt::UstawKolorPiora(TKolor kolor) { s_->kolorPiora = kolor; }
void PlotnoQt::UstawGruboscPiora(int piksele) { s_->grubosc = piksele; }
void PlotnoQt::UstawStylPiora(int styl) { s_->styl = styl; }
void PlotnoQt::UstawKolorPedzla(TKolor kolor) { s_->kolorPedzla = kolor; }
void PlotnoQt::UstawStylPedzla(StylPedzla styl) { s_->stylPedzla = styl; }

void PlotnoQt::PrzesunDo(int x, int y) { s_->pozycja = QPoint(x, y); }

void PlotnoQt::LiniaDo(int x, int y)
{
    QPoint cel(x, y);
    if (QPainter* m = Malarz(); m && cel != s_->pozycja) {
        m->setPen(s_->Pioro());
        m->drawLine(s_->pozycja, cel);
    }
    s_->pozycja = cel;
}

void PlotnoQt::Wielokat(const std::vector<PunktInt>& punkty)
{
    QPainter* m = Malarz();
    if (!m || punkty.empty()) return;
    QPolygon w;
    w.reserve(static_cast<int>(punkty.size()));
    for (const PunktInt& p : punkty) w << QPoint(p.X, p.Y);
    m->setPen(s_->Pioro());
    m->setBrush(s_->Pedzel());
    m->drawPolygon(w);
}

void PlotnoQt::Prostokat(int x1, int y1, int x2, int y2)
{
    if (QPainter* m = Malarz()) {
        m->setPen(s_->Pioro());
        m->setBrush(s_->Pedzel());
        m->drawRect(Pudelko(x1, y1, x2, y2));
    }
}

void PlotnoQt::Elipsa(int x1, int y1, int x2, int y2)
{
    if (QPainter* m = Malarz()) {
        m->setPen(s_->Pioro());
        m->setBrush(s_->Pedzel());
        m->drawEllipse(Pudelko(x1, y1, x2, y2));
    }
}

void PlotnoQt::WypiszTekst(int x, int y, std::string_view tekst)
{
    QPainter* m = Malarz();
    if (!m) return;
    s_->PrzygotujCzcionke();
    QString t = NaQString(tekst);
    QFontMetrics miary = s_->Miary();
    if (s_->stylPedzla == StylPedzla::Pelny)
        m->fillRect(QRect(x, y, miary.horizontalAdvance(t), miary.height()), NaQColor(s_->kolorPedzla));
    m->setFont(s_->czcionka);
    m->setPen(QPen(NaQColor(s_->kolorCzcionki)));
    m->drawText(QPoint(x, y + miary.ascent()), t);
}

int PlotnoQt::SzerokoscTekstu(std::string_view tekst)
{
    s_->PrzygotujCzcionke();
    return s_->Miary().horizontalAdvance(NaQString(tekst));
}

void PlotnoQt::UstawKrojCzcionki(const std::string& kroj)
{
    s_->czcionka.setFamily(QString::fromStdString(kroj));
    s_->czcionkaGotowa = false;
}

void PlotnoQt::UstawWysokoscCzcionki(int piksele)
{
    if (piksele != s_->wysokoscCzcionki) {
        s_->wysokoscCzcionki = piksele;
        s_->czcionkaGotowa = false;
    }
}

void PlotnoQt::UstawKolorCzcionki(TKolor kolor) { s_->kolorCzcionki = kolor; }

void PlotnoQt::KopiujProstokat(int x, int y, const QImage& zrodlo, int zx, int zy, int szer, int wys)
{
    if (QPainter* m = Malarz()) m->drawImage(QPoint(x, y), zrodlo, QRect(zx, zy, szer, wys));
}
