#include <gtest/gtest.h>

#include <cmath>

#include "base/Geometria.h"

TEST(Kierunki, AzimuthsAndDirections)
{
    EXPECT_DOUBLE_EQ(AzymutP(0, 0, 1, 0), KatPiPol);
    EXPECT_DOUBLE_EQ(AzymutP(0, 0, 0, -1), KatPi);
    EXPECT_DOUBLE_EQ(AzymutP(0, 0, -1, 0), KatTrzyPiPol);
    EXPECT_DOUBLE_EQ(AzymutP(0, 0, 0, 1), 0.0);
    EXPECT_NEAR(AzymutP(0, 0, -1, 1), 7 * M_PI / 4, 1e-8); // dy > 0, dx < 0: plus 2 pi
    EXPECT_DOUBLE_EQ(AzymutP(0, 0, 1, 0.005), KatPiPol);   // |dy| under 0.01
    EXPECT_DOUBLE_EQ(AzymutL(0, 0, 1, 0), KatTrzyPiPol);
    EXPECT_DOUBLE_EQ(AzymutL(0, 0, -1, 0), KatPiPol);
    EXPECT_NEAR(AzymutL(0, 0, 1, 1), 7 * M_PI / 4, 1e-8);
    EXPECT_DOUBLE_EQ(KatKierunku(0, 0, 0, 1), KatPiPol);
    EXPECT_DOUBLE_EQ(KatKierunku(0, 0, 0, -1), KatTrzyPiPol);
    EXPECT_NEAR(KatKierunku(0, 0, -1, 0), KatPi - 1e-8, 1e-15);
    EXPECT_DOUBLE_EQ(KatKierunku(1, 1, 1, 1), KatPiPol);
    EXPECT_NEAR(KatKierunku(0, 0, 1, -1), 7 * M_PI / 4, 1e-8);
}

TEST(Kierunki, AngleRanges)
{
    EXPECT_TRUE(KatWZakresie(0.1, -0.5, 0.5));
    EXPECT_TRUE(KatWZakresie(6.0, -0.5, 0.5));
    EXPECT_FALSE(KatWZakresie(3.0, -0.5, 0.5));
    EXPECT_FALSE(KatWZakresie(3.0, 6.0, 7.0));
    EXPECT_TRUE(KatWZakresie(0.5, 6.0, 7.0));
    EXPECT_TRUE(KatWZakresie(6.1, 6.0, 7.0));
    EXPECT_TRUE(KatWZakresie(5.0, -1.5, -1.0));   // both ends below 0
    EXPECT_FALSE(KatWZakresie(0.2, -1.5, -1.0));
    EXPECT_TRUE(KatWZakresie(0.3, 6.5, 6.7));     // both ends beyond 2 pi
    EXPECT_FALSE(KatWZakresie(6.4, 6.5, 6.7));
    EXPECT_TRUE(KatWZakresie(1.0, 1.0, 2.0));     // ends included
    EXPECT_FALSE(KatWZakresie(2.5, 1.0, 2.0));
}

TEST(Punkty, RotationAndDivision)
{
    PunktXY p = ObrocPunkt(0, 0, 1, 0, static_cast<float>(M_PI / 2));
    EXPECT_NEAR(p.X, 0.0, 1e-6);
    EXPECT_NEAR(p.Y, 1.0, 1e-6);
    p = ObrocPunkt(2, 3, 2.005, 3, 1.0f);
    EXPECT_EQ(p, (PunktXY{2, 3}));
    p = ObrocPunkt(1, 1, 1, -1, static_cast<float>(M_PI / 2)); // straight below C
    EXPECT_NEAR(p.X, 3.0, 1e-6);
    EXPECT_NEAR(p.Y, 1.0, 1e-6);
    p = ObrocPunkt(0, 0, -1, 0, static_cast<float>(M_PI / 2));
    EXPECT_NEAR(p.X, 0.0, 1e-6);
    EXPECT_NEAR(p.Y, -1.0, 1e-6);

    EXPECT_EQ(ObrocPunktInt(10, 10, 20, 10, static_cast<float>(M_PI / 2)), (PunktInt{10, 20}));
    // Offsets are rounded to whole pixels.
    PunktInt q = ObrocPunktInt(0, 0, 5, 0, static_cast<float>(M_PI / 3));
    EXPECT_EQ(q.X, 2);
    EXPECT_EQ(q.Y, 4);

    PunktXY A{0, 0}, B{4, 0};
    EXPECT_EQ(PunktWOdleglosci(A, B, 1), (PunktXY{1, 0}));
    EXPECT_EQ(PunktWOdleglosci(A, B, 6), (PunktXY{6, 0}));
    EXPECT_EQ(PunktWOdleglosci(A, B, -1), (PunktXY{-1, 0}));
    EXPECT_EQ(PunktWOdleglosci(A, PunktXY{0.0005, 0}, 5), A);
    EXPECT_EQ(PunktPodzialu(1, 4, A, B), (PunktXY{1, 0}));
    EXPECT_EQ(PunktPodzialu(1, 0, A, B), A);
    EXPECT_DOUBLE_EQ(Odleglosc(0, 0, 3, 4), 5.0);
    EXPECT_EQ(MaxZ4(1, 7, 3, 2), 7);
    EXPECT_EQ(MaxZ3(-1, -7, -3), -1);
    EXPECT_EQ(MinZ2(1, -2), -2);
}

TEST(Ksztalty, LinesTrianglesQuadrilateralsSectors)
{
    ProstaAB pr = ProstaPrzezPunkty(1, 0, 1, 5);
    EXPECT_EQ(pr.A, 1000000.0);
    EXPECT_EQ(pr.B, 0.0);
    pr = ProstaPrzezPunkty(0, 1, 2, 5);
    EXPECT_DOUBLE_EQ(pr.A, 2.0);
    EXPECT_DOUBLE_EQ(pr.B, 1.0);

    EXPECT_DOUBLE_EQ(PoleTrojkata(0, 0, 4, 0, 0, 3), 6.0);
    EXPECT_TRUE(PunktWTrojkacie(0, 0, 4, 0, 0, 3, 1, 1));
    EXPECT_FALSE(PunktWTrojkacie(0, 0, 4, 0, 0, 3, 0, 0)); // a vertex
    EXPECT_FALSE(PunktWTrojkacie(0, 0, 4, 0, 0, 3, 2, 0)); // on an edge
    EXPECT_FALSE(PunktWTrojkacie(0, 0, 4, 0, 0, 3, 3, 3));
    EXPECT_FALSE(PunktWTrojkacie(0, 0, 1, 0, 2, 0.005, 1, 0.001)); // degenerate
    EXPECT_TRUE(PunktWCzworokacie(0, 0, 2, 0, 2, 2, 0, 2, 1.5, 0.5));
    EXPECT_TRUE(PunktWCzworokacie(0, 0, 2, 0, 2, 2, 0, 2, 0.5, 1.5));
    EXPECT_FALSE(PunktWCzworokacie(0, 0, 2, 0, 2, 2, 0, 2, 2.5, 1));

    // Ring sector around +x: right azimuths from 1 to 2 rad, radii 1 to 2.
    EXPECT_TRUE(PunktWWycinku(true, 0, 0, 1.0, 2.0, 2.0, 1.0, 1.5, 0));
    EXPECT_FALSE(PunktWWycinku(true, 0, 0, 1.0, 2.0, 2.0, 1.0, 2.0, 0)); // on the radius
    EXPECT_FALSE(PunktWWycinku(true, 0, 0, 1.0, 2.0, 1.0, 2.0, -1.5, 0));
    EXPECT_TRUE(PunktWWycinku(false, 0, 0, 1.0, 2.0, 1.0, 2.0, -1.5, 0)); // left azimuth of -x is pi/2
}

TEST(Przeciecia, QuadraticEquation)
{
    PierwiastkiRownania p = RownanieKwadratowe(1, -3, 2);
    EXPECT_TRUE(p.Jest1 && p.Jest2);
    EXPECT_DOUBLE_EQ(p.X1, 1.0);
    EXPECT_DOUBLE_EQ(p.X2, 2.0);
    p = RownanieKwadratowe(1, -2, 1);
    EXPECT_TRUE(p.Jest1);
    EXPECT_FALSE(p.Jest2);
    EXPECT_DOUBLE_EQ(p.X1, 1.0);
    p = RownanieKwadratowe(1, 0, 1, PierwiastkiRownania{true, true, 5, 6});
    EXPECT_FALSE(p.Jest1 || p.Jest2);
    EXPECT_EQ(p.X1, 5); // untouched
}

TEST(Przeciecia, Segments)
{
    WynikPrzecieciaOdcinkow w = PrzeciecieOdcinkow(0, 0, 2, 2, 0, 2, 2, 0);
    EXPECT_TRUE(w.Jest);
    EXPECT_DOUBLE_EQ(w.X, 1.0);
    EXPECT_DOUBLE_EQ(w.Y, 1.0);
    EXPECT_FALSE(PrzeciecieOdcinkow(0, 0, 1, 0, 0, 1, 1, 1).Jest);
    w = PrzeciecieOdcinkow(1, -1, 1, 1, 0, 0, 2, 0); // first vertical
    EXPECT_TRUE(w.Jest);
    EXPECT_DOUBLE_EQ(w.X, 1.0);
    EXPECT_DOUBLE_EQ(w.Y, 0.0);
    w = PrzeciecieOdcinkow(0, 0, 2, 2, 1.5, 0, 1.5, 5); // second vertical
    EXPECT_TRUE(w.Jest);
    EXPECT_DOUBLE_EQ(w.Y, 1.5);
    w = PrzeciecieOdcinkow(0, 0, 0, 1, 1, 0, 1, 1);
    EXPECT_FALSE(w.Jest);
    EXPECT_EQ(w.X, 1.0E9);
    EXPECT_EQ(w.Y, 1.0E8);
    EXPECT_FALSE(PrzeciecieOdcinkow(0, 0, 1, 1, 2, 0, 3, 1).Jest); // parallel
    EXPECT_FALSE(PrzeciecieOdcinkow(0, 0, 1, 1, 3, 0, 2, 5).Jest); // lines meet beyond the ends
    EXPECT_TRUE(PrzeciecieOdcinkow(0, 0, 1, 0, 1.0005, -1, 1.0005, 1).Jest); // within the tolerance
}

TEST(Przeciecia, SegmentAndArc)
{
    // Unit circle about the origin, the horizontal segment y = 0 from -2 to 2.
    WynikPrzeciecia w = PrzeciecieOdcinekLukP(-2, 0, 2, 0, 0, 0, 1, 0, KatPi);
    ASSERT_TRUE(w.Jest1 && w.Jest2);
    EXPECT_NEAR(w.X1, -1, 1e-9);
    EXPECT_NEAR(w.X2, 1, 1e-9);
    EXPECT_NEAR(w.Azymut1, KatTrzyPiPol, 1e-6);
    EXPECT_NEAR(w.Azymut2, KatPiPol, 1e-6);
    EXPECT_FALSE(w.NaLuku1); // right half only
    EXPECT_TRUE(w.NaLuku2);
    w = PrzeciecieOdcinekLukL(-2, 0, 2, 0, 0, 0, 1, 0, KatPi);
    EXPECT_TRUE(w.NaLuku1); // left azimuth of -x is pi/2
    EXPECT_FALSE(w.NaLuku2);
    w = PrzeciecieOdcinekLuk(false, -2, 0, 2, 0, 0, 0, 1, 0, KatPi);
    EXPECT_TRUE(w.NaLuku1 && !w.NaLuku2);

    // A segment ending inside the circle hits it once.
    w = PrzeciecieOdcinekLukP(0, 0.5, 3, 0.5, 0, 0, 1, 0, KatDwaPi);
    EXPECT_FALSE(w.Jest1);
    EXPECT_TRUE(w.Jest2);
    EXPECT_NEAR(w.X2, std::sqrt(0.75), 1e-6);
    EXPECT_NEAR(w.Y2, 0.5, 1e-9);

    // Missing the circle clears the flags set by an earlier call.
    WynikPrzeciecia stary;
    stary.Jest1 = stary.Jest2 = stary.NaLuku1 = true;
    stary.X1 = 42;
    w = PrzeciecieOdcinekLukP(-2, 5, 2, 5, 0, 0, 1, 0, KatPi, stary);
    EXPECT_FALSE(w.Jest1 || w.Jest2 || w.NaLuku1);
    EXPECT_EQ(w.X1, 42);

    // A vertical segment: ends included.
    w = PrzeciecieOdcinekLukP(0, 0, 0, 1, 0, 0, 1, 0, KatDwaPi);
    EXPECT_TRUE(w.Jest1);
    EXPECT_NEAR(w.Y1, 1, 1e-12);
    EXPECT_FALSE(w.Jest2);
    w = PrzeciecieOdcinekLukP(0.5, -2, 0.5, 2, 0, 0, 1, 0, KatDwaPi);
    EXPECT_TRUE(w.Jest1 && w.Jest2);
    EXPECT_NEAR(w.Y2, -std::sqrt(0.75), 1e-12);
    EXPECT_FALSE(PrzeciecieOdcinekLukP(1, -2, 1, 2, 0, 0, 1, 0, KatDwaPi).Jest1); // tangent: outside the strict range
}

TEST(Przeciecia, ArcAndArc)
{
    // Centres on one level: (0,0) and (1,0), radius 1, meet at x = 0.5.
    WynikPrzeciecia w = PrzeciecieLukLuk(true, true, 0, 0, 1, 0, KatDwaPi, 1, 0, 1, 0, KatDwaPi);
    ASSERT_TRUE(w.Jest1 && w.Jest2);
    EXPECT_NEAR(w.X1, 0.5, 1e-12);
    EXPECT_NEAR(w.Y1, std::sqrt(0.75), 1e-12);
    EXPECT_NEAR(w.Y2, -std::sqrt(0.75), 1e-12);
    EXPECT_TRUE(w.NaLuku1 && w.NaLuku2);

    // Centres one above the other: (0,0) r 1 and (0,1) r 1.
    w = PrzeciecieLukLuk(true, false, 0, 0, 1, 0, KatPi, 0, 1, 1, 0, KatDwaPi);
    ASSERT_TRUE(w.Jest1 && w.Jest2);
    EXPECT_NEAR(w.Y1, 0.5, 1e-6);
    EXPECT_NEAR(std::fabs(w.X1), std::sqrt(0.75), 1e-6);
    EXPECT_NEAR(w.X1 + w.X2, 0.0, 1e-6);
    // Only the hit with x > 0 lies on arc 1's right half.
    EXPECT_EQ(w.NaLuku1, w.X1 > 0);
    EXPECT_EQ(w.NaLuku2, w.X2 > 0);
    // The azimuths are those of the last hit examined (hit 2).
    EXPECT_NEAR(w.Azymut1, AzymutP(0, 0, w.X2, w.Y2), 1e-6);
    EXPECT_NEAR(w.Azymut2, AzymutL(0, 1, w.X2, w.Y2), 1e-6);

    EXPECT_FALSE(PrzeciecieLukLuk(true, true, 0, 0, 1, 0, KatDwaPi, 3, 0, 1, 0, KatDwaPi).Jest1);   // apart
    EXPECT_FALSE(PrzeciecieLukLuk(true, true, 0, 0, 3, 0, KatDwaPi, 0.5, 0, 1, 0, KatDwaPi).Jest1); // inside
    EXPECT_FALSE(PrzeciecieLukLuk(true, true, 0, 0, 1, 0, KatDwaPi, 0.005, 0, 1, 0, KatDwaPi).Jest1); // same centre
}
