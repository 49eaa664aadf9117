#include "drawing/ZasiegRysunku.h"

#include <algorithm>
#include <cmath>

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

// A text may lie any way round its anchor: its length times its larger
// size, with room for glyphs wider than the character width.
void DodajTekst(ProstokatArkusza& z, std::size_t znakow, double x, double y, double wysokosc, double szerokosc)
{
    const double rozmiar = std::max(std::fabs(wysokosc), std::fabs(szerokosc));
    if (!std::isfinite(rozmiar))
        return;
    z.Dodaj(x, y, 1.5 * rozmiar * static_cast<double>(znakow + 2));
}

} // namespace

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

void MiernikZasiegu::Luk(const LukRysunku& luk, TKolor, double grubosc, const std::string&)
{
    zasieg.Dodaj(luk.cx, luk.cy, std::fabs(luk.r) + PolGrubosci(grubosc));
}

void MiernikZasiegu::Tekst(TekstRysunku& t, const std::string&)
{
    DodajTekst(zasieg, t.tekst.size(), t.x, t.y, t.wysokosc, t.szerokoscZnaku);
}

void MiernikZasiegu::TekstTT(const std::string& tekst, TKolor, double x, double& y, double wysokosc,
                             const std::string&)
{
    DodajTekst(zasieg, tekst.size(), x, y, wysokosc, wysokosc);
}

bool MiernikZasiegu::TekstTTEtykiety(const TekstRysunku& t)
{
    DodajTekst(zasieg, t.tekst.size(), t.x, t.y, t.wysokosc, t.szerokoscZnaku);
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
