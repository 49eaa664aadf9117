#include "drawing/ZasiegRysunku.h"

#include <algorithm>
#include <cmath>

#include "drawing/Tekst.h"

void ProstokatArkusza::Dodaj(double x, double y, double margines)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    if (pusty) {
        x1 = x2 = x;
        y1 = y2 = y;
        pusty = false;
    }
    x1 = std::min(x1, x - margines);
    x2 = std::max(x2, x + margines);
    y1 = std::min(y1, y - margines);
    y2 = std::max(y2, y + margines);
}

namespace {

// Widths are in millimetres.
double PolGrubosci(double mm) { return std::isfinite(mm) ? std::fabs(mm) * 0.05 : 0.0; }

// A TrueType label, which may lie any way round its anchor: its advance is
// not known here, so a generous one.
void DodajTekstTT(ProstokatArkusza& z, std::size_t znakow, double x, double y, double wysokosc)
{
    const double r = std::fabs(wysokosc) * (static_cast<double>(znakow) + 2.0);
    if (std::isfinite(r))
        z.Dodaj(x, y, r);
}

} // namespace

const MiernikZasiegu::ZasiegZnaku& MiernikZasiegu::Znak(char c)
{
    ZasiegZnaku& z = znaki_[static_cast<unsigned char>(c)];
    if (!z.znany) {
        const DaneZnak& g = Czcionka[static_cast<unsigned char>(c)];
        const int n = std::clamp<int32_t>(g.LiczbaKresek, 0, MaksKresek);
        for (int k = 0; k < n; ++k) {
            z.x = std::max<double>(z.x, std::max(g.KreskaX1[k], g.KreskaX2[k]));
            z.y = std::max<double>(z.y, std::max(g.KreskaY1[k], g.KreskaY2[k]));
        }
        z.kreski = n > 0;
        z.znany = true;
    }
    return z;
}

void MiernikZasiegu::Linia(TKolor, const std::string&, double x1, double y1, double x2, double y2, double grubosc)
{
    zasieg.Dodaj(x1, y1, PolGrubosci(grubosc));
    zasieg.Dodaj(x2, y2, PolGrubosci(grubosc));
}

void MiernikZasiegu::Wielokat(std::span<const PunktXY> punkty, const int*, TKolor, TKolor, bool, double grubosc)
{
    for (const PunktXY& p : punkty)
        zasieg.Dodaj(p.X, p.Y, PolGrubosci(grubosc));
}

void MiernikZasiegu::KrawedzieObrysu(std::span<const PunktXY> punkty, TKolor, const std::string&)
{
    for (const PunktXY& p : punkty)
        zasieg.Dodaj(p.X, p.Y);
}

// A stroke text may lie any way round its anchor: within the reach of its
// farthest stroke (glyph units are 0.012 of the size).
void MiernikZasiegu::Tekst(TekstRysunku& t, const std::string&)
{
    double postep = 0.0, zasiegX = 0.0, zasiegY = 0.0;
    for (char c : t.tekst) {
        const ZasiegZnaku& z = Znak(c);
        if (z.kreski) {
            zasiegX = std::max(zasiegX, postep + z.x);
            zasiegY = std::max(zasiegY, z.y);
        }
        postep += std::max(0.0f, Czcionka[static_cast<unsigned char>(c)].Szerokosc);
    }
    zasiegX = std::max(zasiegX, postep) * 0.012 * std::fabs(t.szerokoscZnaku);
    zasiegY *= 0.012 * std::fabs(t.wysokosc);
    const double r = std::hypot(zasiegX, zasiegY);
    if (std::isfinite(r))
        zasieg.Dodaj(t.x, t.y, r);
}

// A title line lies level, to the right of its anchor and above its
// baseline, glyphs of 1.25 times its height: no glyph is wider than that.
void MiernikZasiegu::TekstTT(const std::string& tekst, TKolor, double x, double& y, double wysokosc,
                             const std::string&)
{
    const double h = std::fabs(wysokosc);
    const double szerokosc = 1.25 * h * (static_cast<double>(tekst.size()) + 1.0);
    if (!std::isfinite(szerokosc))
        return;
    zasieg.Dodaj(x - 0.25 * h, y - 0.5 * h);
    zasieg.Dodaj(x + szerokosc, y + 2.0 * h);
}

bool MiernikZasiegu::TekstTTEtykiety(const TekstRysunku& t)
{
    DodajTekstTT(zasieg, t.tekst.size(), t.x, t.y, t.wysokosc);
    return true;
}

ProstokatArkusza ZmierzRysunek(const std::function<void()>& rysuj)
{
    MiernikZasiegu miernik;
    {
        const ZachowajWyjscia tylkoEkran(true, false, false);
        Wyjscie* poprzednie = &WyjscieKanalu(Kanal::Ekran);
        UstawWyjscie(Kanal::Ekran, &miernik);
        struct Przywroc {
            Wyjscie* w;
            ~Przywroc() { UstawWyjscie(Kanal::Ekran, w); }
        } przywroc{poprzednie};
        rysuj();
    }
    return miernik.zasieg;
}
