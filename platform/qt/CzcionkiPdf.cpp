#include "platform/qt/CzcionkiPdf.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>
#include <charconv>

#include "base/Kodowanie.h"
#include "platform/qt/Plotno.h"

namespace {

QString NaQString(std::string_view cp1250) { return QString::fromStdString(Cp1250NaUtf8(cp1250)); }

// A coordinate of an outline to a hundredth of a pixel.
void DopiszLiczbe(std::string& s, double v)
{
    char bufor[40];
    char* koniec = std::to_chars(bufor, bufor + sizeof bufor, v, std::chars_format::fixed, 2).ptr;
    while (koniec[-1] == '0') --koniec;
    if (koniec[-1] == '.') --koniec;
    s.append(bufor, koniec);
}

void DopiszPunkt(std::string& s, QPointF p)
{
    DopiszLiczbe(s, p.x());
    s += ' ';
    DopiszLiczbe(s, p.y());
    s += ' ';
}

std::string NaOperatory(const QPainterPath& sciezka)
{
    std::string s;
    for (int i = 0; i < sciezka.elementCount(); ++i) {
        const QPainterPath::Element e = sciezka.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (i > 0) s += "h\n";
            DopiszPunkt(s, e);
            s += "m\n";
            break;
        case QPainterPath::LineToElement:
            DopiszPunkt(s, e);
            s += "l\n";
            break;
        case QPainterPath::CurveToElement:
            // Followed by its two data elements: the second control point and the end.
            DopiszPunkt(s, e);
            DopiszPunkt(s, sciezka.elementAt(i + 1));
            DopiszPunkt(s, sciezka.elementAt(i + 2));
            s += "c\n";
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    if (!s.empty()) s += "h\n";
    return s;
}

}  // namespace

CzcionkiPdfQt::CzcionkiPdfQt(int dpi) : urzadzenie_(1, 1, QImage::Format_RGB32)
{
    const int naMetr = static_cast<int>(std::lround(dpi / 0.0254));
    urzadzenie_.setDotsPerMeterX(naMetr);
    urzadzenie_.setDotsPerMeterY(naMetr);
}

// The face as the printer's canvas has it: no antialiasing asked, the pixel
// size that gives the cell height.
const QFont& CzcionkiPdfQt::Czcionka(const std::string& kroj, int wysokosc)
{
    const int h = std::max(1, wysokosc);
    auto [miejsce, nowe] = czcionki_.try_emplace({kroj, h});
    if (nowe) {
        QFont& f = miejsce->second;
        f = QFont(QString::fromStdString(kroj));
        f.setStyleStrategy(QFont::NoAntialias);
        f.setPixelSize(RozmiarDlaWysokosci(f, h, &urzadzenie_));
    }
    return miejsce->second;
}

int CzcionkiPdfQt::WysokoscKomorki(const std::string& kroj, int wysokosc)
{
    return QFontMetrics(Czcionka(kroj, wysokosc), &urzadzenie_).height();
}

int CzcionkiPdfQt::Szerokosc(const std::string& kroj, int wysokosc, std::string_view tekst)
{
    Klucz klucz{kroj, wysokosc, std::string(tekst)};
    if (auto znana = szerokosci_.find(klucz); znana != szerokosci_.end()) return znana->second;
    const int w = QFontMetrics(Czcionka(kroj, wysokosc), &urzadzenie_).horizontalAdvance(NaQString(tekst));
    szerokosci_.emplace(std::move(klucz), w);
    return w;
}

const std::string& CzcionkiPdfQt::Obrys(const std::string& kroj, int wysokosc, std::string_view tekst)
{
    Klucz klucz{kroj, wysokosc, std::string(tekst)};
    if (auto znany = obrysy_.find(klucz); znany != obrysy_.end()) return znany->second;
    const QFont& f = Czcionka(kroj, wysokosc);
    QPainterPath sciezka;
    sciezka.addText(QPointF(0, QFontMetrics(f, &urzadzenie_).ascent()), f, NaQString(tekst));
    return obrysy_.emplace(std::move(klucz), NaOperatory(sciezka)).first->second;
}
