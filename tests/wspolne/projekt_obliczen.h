#pragma once
// The start of a computation test: a new project with no message left over
// and the bands at a fixed width per 100 vehicles, so that a hand-worked
// width does not hang on the volumes; a new project again after the test.

#include <gtest/gtest.h>

#include "junction/Komunikaty.h"
#include "model/Projekt.h"

class ProjektNaSkali100 : public ::testing::Test {
protected:
    // `cm` cm of band per 100 vehicles.
    static void NowyProjektNaSkali100(float cm)
    {
        NowyProjekt();
        PobierzKomunikaty();
        wg.SkalaPaskowAuto = 0;
        wg.SkalaPaskowMax = 0;
        wg.SkalaPaskow100 = 1;
        wg.Pojazd100 = cm;
    }
    void TearDown() override
    {
        NowyProjekt();
        PobierzKomunikaty();
    }
};
