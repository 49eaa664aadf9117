#pragma once
// The texts every field of the table of limits is tried with: the set any
// user may type, and the limit's own bounds with the values just beyond them.
#include <string>
#include <vector>

#include "model/Granice.h"

inline std::vector<std::string> Proby(const GranicaPola& g)
{
    const double krok = g.Calkowita() ? 1.0 : 0.01;
    return {"",
            "-1",
            "0",
            TekstGranicy(g.max),
            TekstGranicy(g.max + krok),
            TekstGranicy(g.min),
            TekstGranicy(g.min - krok),
            "1e308",
            "nan",
            "inf",
            "abc",
            "123456789012345678901234567890",
            "1,5",
            "1.5"};
}

