// The PDF page a sheet takes: the smallest ISO A paper that holds it, turned
// as the sheet is, the sheet in its middle; beyond A0 a page of its own.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QRectF>

#include "platform/qt/Drukarka.h"

namespace {

struct Oczekiwana {
    double b, h;                 // the sheet, cm
    double stronaB, stronaH;     // the page as it lies, mm
    QPageLayout::Orientation ulozenie;
};

TEST(StronaArkusza, NajmniejszyPapierAUlozonyJakArkusz)
{
    const Oczekiwana przypadki[] = {
        {20.5, 28.5, 210.0, 297.0, QPageLayout::Portrait},    // A4 of the settings window
        {41.0, 28.5, 420.0, 297.0, QPageLayout::Landscape},   // A3 across
        {58.4, 41.0, 594.0, 420.0, QPageLayout::Landscape},   // A2 across
        {59.4, 42.0, 594.0, 420.0, QPageLayout::Landscape},   // the whole of A2, to the edge
        {21.0, 30.0, 297.0, 420.0, QPageLayout::Portrait},    // a hair over A4: A3
        {30.0, 20.0, 420.0, 297.0, QPageLayout::Landscape},   // manual, across
        {20.0, 20.0, 210.0, 297.0, QPageLayout::Portrait},    // square: upright
        {80.0, 110.0, 841.0, 1189.0, QPageLayout::Portrait},  // A0
    };
    for (const Oczekiwana& o : przypadki) {
        SCOPED_TRACE(std::to_string(o.b) + " x " + std::to_string(o.h));
        const QPageLayout s = Drukarka::StronaArkusza(o.b, o.h);
        EXPECT_EQ(s.orientation(), o.ulozenie);
        const QRectF strona = s.fullRect(QPageLayout::Millimeter);
        EXPECT_NEAR(strona.width(), o.stronaB, 0.5);
        EXPECT_NEAR(strona.height(), o.stronaH, 0.5);
        // The printable area is the sheet, in the page's middle.
        const QRectF obszar = s.paintRect(QPageLayout::Millimeter);
        EXPECT_NEAR(obszar.width(), o.b * 10.0, 0.1);
        EXPECT_NEAR(obszar.height(), o.h * 10.0, 0.1);
        EXPECT_NEAR(obszar.left(), (o.stronaB - o.b * 10.0) / 2.0, 0.1);
        EXPECT_NEAR(obszar.top(), (o.stronaH - o.h * 10.0) / 2.0, 0.1);
    }
}

TEST(StronaArkusza, WiekszyOdA0NaStronieWlasnejWielkosci)
{
    const QPageLayout s = Drukarka::StronaArkusza(150.0, 100.0);
    EXPECT_EQ(s.orientation(), QPageLayout::Landscape);
    const QRectF strona = s.fullRect(QPageLayout::Millimeter);
    EXPECT_NEAR(strona.width(), 1510.0, 0.5);
    EXPECT_NEAR(strona.height(), 1010.0, 0.5);
    const QRectF obszar = s.paintRect(QPageLayout::Millimeter);
    EXPECT_NEAR(obszar.left(), 5.0, 0.1);
    EXPECT_NEAR(obszar.top(), 5.0, 0.1);
    EXPECT_NEAR(obszar.width(), 1500.0, 0.1);
}

}  // namespace
