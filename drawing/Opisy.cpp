#include "drawing/Opisy.h"
#include "drawing/Wyjscie.h"

#include "base/Geometria.h"
#include "drawing/Tekst.h"
#include "model/Projekt.h"

namespace {

// A record read from a damaged file may hold a number that is none; such a
// description is left out rather than sent to the outputs.
bool DaSieNarysowac(const DaneOpis& o)
{
    if (!Skonczone({o.X, o.Y, o.Sx, o.Sy, o.Kat, o.Grubosc}))
        return false;
    // A text of no height shows nothing (and has no width factor in DXF).
    return o.Sy != 0.0f;
}

}  // namespace

void RysujOpisy()
{
    for (const DaneOpis& o : Opisy) {
        if ((o.Wariant != RysowanyWariant() && o.Wariant != -1) || !DaSieNarysowac(o))
            continue;
        RysujTekst(o.Tekst, o.Kolor, o.X, o.Y, o.Sy, o.Sx, o.Grubosc, o.Kat, "Rupl_Napisy");
    }
}
