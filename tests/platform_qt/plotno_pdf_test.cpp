// The PDF page canvas: the operators it writes for each figure, its texts
// measured as the printer's canvas over QPainter measures them.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPrinter>

#include "base/Kodowanie.h"
#include "platform/PlotnoPdf.h"
#include "platform/qt/CzcionkiPdf.h"
#include "platform/qt/Plotno.h"

namespace {

// Texts on the printer keep the widths the layout was made with: those of
// the canvas over QPainter at the printer's resolution.
TEST(PlotnoPdfTeksty, SzerokosciJakNaDrukarce)
{
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName("/dev/null");
    PlotnoQt qt(&drukarka, false);
    PlotnoPdf pdf(UkladStronyPdf{}, std::make_unique<CzcionkiPdfQt>(drukarka.resolution()));
    for (const char* kroj : {"Tahoma", "Arial", "Courier New"})
        for (int wysokosc : {9, 40, 100, 304, 1000}) {
            qt.UstawKrojCzcionki(kroj);
            pdf.UstawKrojCzcionki(kroj);
            qt.UstawWysokoscCzcionki(wysokosc);
            pdf.UstawWysokoscCzcionki(wysokosc);
            for (const char* tekst : {"Skrzyżowanie Główne", "rano", "124 35,5%", "ŁÓDŹ źdźbło", ""}) {
                const std::string cp = Utf8NaCp1250(tekst);
                EXPECT_EQ(pdf.SzerokoscTekstu(cp), qt.SzerokoscTekstu(cp)) << kroj << " " << wysokosc << " " << tekst;
            }
        }
    QFont f("Tahoma");
    f.setPixelSize(304);
    QImage obraz(1, 1, QImage::Format_RGB32);
    obraz.setDotsPerMeterX(47244);
    obraz.setDotsPerMeterY(47244);
    EXPECT_EQ(QFontMetrics(f, &drukarka).ascent(), QFontMetrics(f, &obraz).ascent());
    EXPECT_EQ(QFontMetrics(f, &drukarka).height(), QFontMetrics(f, &obraz).height());
}

}  // namespace
