#include "drawing/TytulWariantu.h"

#include "base/Geometria.h"
#include "drawing/Tekst.h"
#include "model/Projekt.h"

void RysujTytulWariantu(int wariant, TKolor kolor, const std::string& warstwa)
{
    if (wariant < 0 || wariant >= LiczbaWariantow())
        return;
    const DaneWariant& w = Warianty[wariant];
    const char wyrownanie = w.TytulWyrownanie;
    if (!WyrownanieTytulu(wyrownanie))
        return;
    const double h = RozmiaryOpisow.WysOznaczenia();
    if (!Skonczone({w.TytulDx, w.TytulDy, h}))
        return;
    const KrotkiTekst<250>* linie[] = {&w.Tytul1, &w.Tytul2, &w.Tytul3};
    // Line k stands this many text heights below the anchor.
    constexpr double odstepy[] = {1.2, 2.4, 3.6};
    for (int k = 0; k < 3; ++k) {
        const double y = w.TytulDy + wg.ArkuszH - odstepy[k] * h;
        RysujTekstTTWyrownany(linie[k]->str(), kolor, w.TytulDx, y, h, wyrownanie, warstwa);
    }
}
