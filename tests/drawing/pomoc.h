#pragma once
// A fixture for the drawing tests: every output goes to the recorders, the
// view is a known one and the model state the primitives read is restored
// after each test.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "drawing/Nagrywanie.h"
#include "drawing/Tekst.h"
#include "drawing/Wyjscie.h"
#include "model/Projekt.h"

class TestRysowania : public ::testing::Test {
protected:
    void SetUp() override
    {
        zapisWg_ = wg;
        zapisWariantu_ = BiezacyWariant;
        zapisCzcionki_ = std::make_unique<TablicaZnakow>(Czcionka);
        n = std::make_unique<Nagrywanie>();
        Skala = 25.0;
        SrodekX = 0.0;
        SrodekY = 0.0;
        PolSzerEkranu = 400.0;
        PolWysEkranu = 300.0;
        DpiDrukarkiX = 600;
        DpiDrukarkiY = 600;
        PiksNaCmX = 600 / 2.54;
        PiksNaCmY = 600 / 2.54;
        wg.ArkuszH = 20.0f;
        wg.OdstepArkuszyH = 5.0f;
        BiezacyWariant = 0;
        TylkoEkran();
    }

    void TearDown() override
    {
        n.reset();
        wg = zapisWg_;
        BiezacyWariant = zapisWariantu_;
        Czcionka = *zapisCzcionki_;
    }

    static void Wyjscia(bool ekran, bool drukarka, bool dxf)
    {
        WyjscieEkran = ekran;
        WyjscieDrukarka = drukarka;
        WyjscieDxf = dxf;
    }
    static void TylkoEkran() { Wyjscia(true, false, false); }

    std::unique_ptr<Nagrywanie> n;

private:
    TUstawieniaGlobalne zapisWg_;
    int32_t zapisWariantu_ = -1;
    std::unique_ptr<TablicaZnakow> zapisCzcionki_;
};

// A glyph of the given strokes (x1, y1, x2, y2 each) and advance.
inline DaneZnak ZnakTestowy(std::initializer_list<std::array<uint8_t, 4>> kreski, float szerokosc)
{
    DaneZnak z;
    z.Szerokosc = szerokosc;
    for (const auto& k : kreski) {
        z.KreskaX1[z.LiczbaKresek] = k[0];
        z.KreskaY1[z.LiczbaKresek] = k[1];
        z.KreskaX2[z.LiczbaKresek] = k[2];
        z.KreskaY2[z.LiczbaKresek] = k[3];
        ++z.LiczbaKresek;
    }
    return z;
}

inline ::testing::AssertionResult PunktJest(PunktInt p, int x, int y)
{
    if (p.X == x && p.Y == y) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << p.X << ", " << p.Y << ") instead of (" << x << ", " << y << ")";
}
