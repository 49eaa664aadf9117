#include "tools/instrukcja/StronyInstrukcji.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextLayout>
#include <cmath>
#include <memory>

namespace {

constexpr double MarginesBokuMm = 20.0;
constexpr double MarginesGoraMm = 18.0;
constexpr double MarginesDolMm = 22.0;

// The document's own units are pixels of 96 per inch, which the layout
// scales to the device.
double Jednostki(double mm) { return std::round(mm / 25.4 * 96.0); }

// The pictures no wider than the page's text.
void DopasujObrazy(QTextDocument& dok, double szerokosc)
{
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            QTextImageFormat obraz = f.charFormat().toImageFormat();
            if (!obraz.isValid())
                continue;
            const QImage img = dok.resource(QTextDocument::ImageResource, QUrl(obraz.name())).value<QImage>();
            if (img.isNull() || img.width() <= szerokosc)
                continue;
            obraz.setWidth(szerokosc);
            obraz.setHeight(img.height() * szerokosc / img.width());
            QTextCursor c(&dok);
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(obraz);
        }
}

// The page of the block's first line.
int StronaBloku(const QTextDocument& dok, const QTextBlock& b)
{
    dok.documentLayout()->blockBoundingRect(b);
    const QTextLayout* l = b.layout();
    double y = l->position().y();
    if (l->lineCount() > 0)
        y += l->lineAt(0).y();
    return static_cast<int>(y / dok.pageSize().height());
}

bool Naglowek(const QTextBlock& b) { return b.blockFormat().headingLevel() > 0; }

// Whether `nastepny` went on to the next page without `b`, which did not
// start its page (one that does stays there).
bool ZostalBezNastepnego(const QTextDocument& dok, const QTextBlock& b, const QTextBlock& nastepny)
{
    const int strona = StronaBloku(dok, b);
    const bool pierwszyNaStronie = !b.previous().isValid() || StronaBloku(dok, b.previous()) < strona;
    return StronaBloku(dok, nastepny) != strona && !pierwszyNaStronie;
}

// The first heading (or run of headings) whose next text or picture went on
// to the next page while the heading did not start its page; none when
// every heading stands with its text.
QTextBlock NaglowekBezTekstu(const QTextDocument& dok)
{
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next()) {
        if (!Naglowek(b))
            continue;
        QTextBlock tekst = b;
        while (tekst.isValid() && Naglowek(tekst))
            tekst = tekst.next();
        if (!tekst.isValid())
            break;
        if (ZostalBezNastepnego(dok, b, tekst))
            return b;
        b = tekst.previous();
    }
    return {};
}

bool Obraz(const QTextBlock& b)
{
    for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            return true;
    return false;
}

// The first paragraph that introduces a picture which went on to the next
// page while the paragraph did not start its page; none when every picture
// stands with its words.
QTextBlock TekstBezObrazu(const QTextDocument& dok)
{
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next()) {
        const QTextBlock tekst = b.previous();
        if (!Obraz(b) || !tekst.isValid() || Naglowek(tekst) || Obraz(tekst))
            continue;
        if (ZostalBezNastepnego(dok, tekst, b))
            return tekst;
    }
    return {};
}

// A copy of the document laid out afresh on the open device's pages: a
// layout changed after it was made leaves blocks without lines.
std::unique_ptr<QTextDocument> UlozonaKopia(const QTextDocument& zrodlo, QPdfWriter& pdf)
{
    std::unique_ptr<QTextDocument> dok(zrodlo.clone());
    dok->documentLayout()->setPaintDevice(&pdf);
    QTextFrameFormat ramka = dok->rootFrame()->frameFormat();
    ramka.setLeftMargin(Jednostki(MarginesBokuMm));
    ramka.setRightMargin(Jednostki(MarginesBokuMm));
    ramka.setTopMargin(Jednostki(MarginesGoraMm));
    ramka.setBottomMargin(Jednostki(MarginesDolMm));
    dok->rootFrame()->setFrameFormat(ramka);
    dok->setPageSize(QSizeF(pdf.width(), pdf.height()));
    return dok;
}

// Each page's part of the document, and its number below the text's right edge.
void Drukuj(QTextDocument& dok, QPainter& p, QPdfWriter& pdf, double prawyMargines, double dolnyMargines)
{
    const QSizeF strona = dok.pageSize();
    QAbstractTextDocumentLayout::PaintContext kontekst;
    kontekst.palette.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i < dok.pageCount(); ++i) {
        if (i > 0)
            pdf.newPage();
        const QRectF widok(0.0, i * strona.height(), strona.width(), strona.height());
        p.save();
        p.translate(0.0, -widok.top());
        p.setClipRect(widok);
        kontekst.clip = widok;
        dok.documentLayout()->draw(&p, kontekst);
        p.restore();
        p.setFont(dok.defaultFont());
        const QString numer = QString::number(i + 1);
        const QFontMetricsF miara(p.font(), &pdf);
        p.drawText(QPointF(strona.width() - prawyMargines - miara.horizontalAdvance(numer),
                           strona.height() - dolnyMargines + 2.0 * miara.ascent()),
                   numer);
    }
}

} // namespace

void DrukujInstrukcje(const QTextDocument& zrodlo, QPdfWriter& pdf)
{
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    // The layout measures its fonts on the open device.
    QPainter p(&pdf);
    const double naUrzadzenie = pdf.logicalDpiX() / 96.0;
    const std::unique_ptr<QTextDocument> tekst(zrodlo.clone());
    DopasujObrazy(*tekst, pdf.width() / naUrzadzenie - 2.0 * Jednostki(MarginesBokuMm));
    // Each heading left alone at a page's foot, and each paragraph whose
    // picture went on without it, starts the next page instead, one after
    // another, each time on a fresh layout.
    for (;;) {
        const std::unique_ptr<QTextDocument> dok = UlozonaKopia(*tekst, pdf);
        QTextBlock naglowek = NaglowekBezTekstu(*dok);
        if (!naglowek.isValid())
            naglowek = TekstBezObrazu(*dok);
        if (!naglowek.isValid()) {
            Drukuj(*dok, p, pdf, Jednostki(MarginesBokuMm) * naUrzadzenie, Jednostki(MarginesDolMm) * naUrzadzenie);
            return;
        }
        QTextBlockFormat f;
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(tekst->findBlockByNumber(naglowek.blockNumber())).mergeBlockFormat(f);
    }
}
