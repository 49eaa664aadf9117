#include "junction/Przejscia.h"

#include <algorithm>

#include "drawing/Rysowanie.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "junction/WlotyPomiaru.h"
#include "junction/WspolneRysowania.h"
#include "model/Projekt.h"

namespace {

// Eight values of one arm: L1, P1, L2, P2, ... per crossing category.
using WartosciPrzejsc = std::array<int32_t, 8>;

WartosciPrzejsc WartosciWezla(const DanePrzejscia& p)
{
    WartosciPrzejsc w{};
    for (int c = 0; c < 4; ++c) {
        w[static_cast<std::size_t>(2 * c)] = p.L[static_cast<std::size_t>(c)];
        w[static_cast<std::size_t>(2 * c + 1)] = p.P[static_cast<std::size_t>(c)];
    }
    return w;
}

template <typename Zrodlo>
void RysujPrzejscia(const DaneRuchoplan& r, Zrodlo wartosci, const TRozmiaryOpisow& rozmiary, bool zeroMode,
                    const std::string& warstwa, const FlagiPrzejsc& sumuj, const FlagiPrzejsc& rysuj,
                    TKolor kolorWypelnienia, const KoloryPrzejsc& kolory, const OdlegloscPrzejsc& odleglosci)
{
    for (int k = 1; k <= 4; ++k) {
        const std::size_t i = static_cast<std::size_t>(k - 1);
        if (!r.Ramie[i] || !r.Przejscie[i])
            continue;
        static constexpr double Obrot[4] = {-KatPiPol, 0.0, KatPiPol, KatPi};
        PrzejsciaRamienia p;
        p.x = r.X;
        p.y = r.Y;
        p.kat = static_cast<float>(r.Kat[i] + Obrot[i]);
        p.odleglosc = odleglosci[static_cast<std::size_t>(WlotPomiaruRamienia(k) - 1)];
        p.dol = static_cast<float>(0.2 + r.ZasiegiRamion[12 + i]);   // edge 5 of the arm's outlet strip
        p.gora = static_cast<float>(0.2 + r.ZasiegiRamion[4 + i]);  // edge 5 of its inlet strip
        p.wartosci = wartosci(k);
        RysujPrzejsciaRamienia(p, rozmiary, zeroMode, warstwa, sumuj, rysuj, kolorWypelnienia, kolory);
    }
}

const DaneRuchoplan* Diagram(int32_t indeks)
{
    if (indeks < 0 || indeks >= static_cast<int32_t>(Ruchoplany.size()))
        return nullptr;
    return &Ruchoplany[static_cast<std::size_t>(indeks)];
}

} // namespace

void RysujPrzejsciaRamienia(const PrzejsciaRamienia& p, const TRozmiaryOpisow& rozmiary, bool zeroMode,
                            const std::string& warstwa, const FlagiPrzejsc& sumuj, const FlagiPrzejsc& rysuj,
                            TKolor kolorWypelnienia, const KoloryPrzejsc& kolory)
{
    if (!TabelaSkonczona(rozmiary))
        return;
    const double szer = rozmiary[0];
    const double wys = rozmiary[1];
    const float grub = rozmiary[4];
    double D = p.odleglosc;
    // Other 2 lies farthest out, pedestrians nearest the centre.
    for (int c = 4; c >= 1; --c) {
        const std::size_t ic = static_cast<std::size_t>(c - 1);
        if (!rysuj[ic])
            continue;
        const int32_t L = p.wartosci[static_cast<std::size_t>(2 * (c - 1))];
        const int32_t P = p.wartosci[static_cast<std::size_t>(2 * (c - 1) + 1)];
        const TKolor kolor = kolory[ic];
        if (Skonczone({p.x, p.y, D, p.dol, p.gora, p.kat, szer, wys, grub})) {
            if (sumuj[ic])
                RysujZnakPrzejsciaZLiczba(L + P, 2, p.x, p.y, D, p.dol, p.gora, 0.15f, p.kat, szer, wys, kolor,
                                          kolorWypelnienia, 0, grub, warstwa, zeroMode);
            else
                RysujPrzejscieZLiczbami(L, P, p.x, p.y, D, p.dol, p.gora, p.kat, szer, wys, 2, kolor,
                                        kolorWypelnienia, 0, grub, warstwa, zeroMode);
        }
        if (c != 1)
            D = D - wys - 0.1;
    }
}

void RysujPrzejsciaWezla(int32_t indeks, const TRozmiaryOpisow& rozmiary, bool zeroMode, const std::string& warstwa,
                         const FlagiPrzejsc& sumuj, const FlagiPrzejsc& rysuj, TKolor kolorWypelnienia,
                         const KoloryPrzejsc& kolory, const OdlegloscPrzejsc& odleglosci)
{
    const DaneRuchoplan* r = Diagram(indeks);
    if (!r)
        return;
    auto wartosci = [r](int k) { return WartosciWezla(r->PrzejsciaObl[static_cast<std::size_t>(k - 1)]); };
    RysujPrzejscia(*r, wartosci, rozmiary, zeroMode, warstwa, sumuj, rysuj, kolorWypelnienia, kolory, odleglosci);
}

void RysujPrzejsciaZPomiaru(int32_t indeks, const TRozmiaryOpisow& rozmiary, bool zeroMode,
                            const std::string& warstwa, const FlagiPrzejsc& sumuj, const FlagiPrzejsc& rysuj,
                            TKolor kolorWypelnienia, const KoloryPrzejsc& kolory, const OdlegloscPrzejsc& odleglosci)
{
    const DaneRuchoplan* r = Diagram(indeks);
    if (!r || Pomiary.empty())
        return;
    // A diagram pointing to no count of the project shows no crossings.
    if (r->NrPomiaru < 0 || r->NrPomiaru >= static_cast<int32_t>(Pomiary.size()))
        return;
    const DanePomiar& p = Pomiary[static_cast<std::size_t>(r->NrPomiaru)];
    auto wartosci = [&p](int k) { return PrzejsciaPomiaru(p, k); };
    RysujPrzejscia(*r, wartosci, rozmiary, zeroMode, warstwa, sumuj, rysuj, kolorWypelnienia, kolory, odleglosci);
}

void RysujLegendePrzejscWezla(int32_t /*indeks*/, const TRozmiaryOpisow& rozmiary, const std::string& warstwa,
                              const std::array<std::string, 4>& nazwy, const FlagiPrzejsc& sumuj,
                              const FlagiPrzejsc& rysuj, const KoloryPrzejsc& kolory, TKolor kolorTekstu, float x,
                              float y)
{
    const double h = 0.8 * rozmiary[1];
    const double c = 0.8 * rozmiary[0];
    const float w = rozmiary[4];
    if (!TabelaSkonczona(rozmiary) || !Skonczone({x, y, h, c, w}))
        return;
    // Rows: the title, then one per category drawn.
    int n = 1;
    double M = 0.0;
    for (std::size_t k = 0; k < 4; ++k) {
        if (!rysuj[k])
            continue;
        ++n;
        std::string tekst = nazwy[k];
        if (sumuj[k])
            tekst += " (suma)";
        RysujTekst(tekst, kolorTekstu, x + 0.15, y - n * 1.2 * h, h, c, w, 0.0, warstwa);
        M = std::max<double>(M, SzerTekstuWekt(tekst, static_cast<float>(c)));
    }
    M += 0.5;
    n = 1;
    const double X = x + M + 0.5;
    for (std::size_t k = 0; k < 4; ++k) {
        if (!rysuj[k])
            continue;
        ++n;
        const TKolor kolor = kolory[k];
        if (sumuj[k])
            RysujZnakPrzejscia(2, kolor, X, y - n * 1.2 * h + 0.5 * h, 0.35f, 0.35f, 0.2 * h, 0.2 * h, KatPiPol,
                               KolorSzaryPrzejsc, 0, w, warstwa);
        else
            RysujPrzejscieStrzalki(2, kolor, X, y - n * 1.2 * h + 0.8 * h, 0.0f, 0.2f, 0.2f, KatPiPol, h, h, 0.5 * h,
                                   KolorSzaryPrzejsc, 0, w, warstwa);
    }
    // "LEGENDA PRZEJŚCIA" in Windows-1250.
    const std::string tytul = "LEGENDA PRZEJ\x8C" "CIA";
    RysujTekst(tytul, kolorTekstu, x + 0.1, y - 1.2 * h, h, c, w, 0.0, warstwa);
    const double T = SzerTekstuWekt(tytul, static_cast<float>(c)) - 0.8;
    const double F = M >= T ? M : T;
    const double xp = x + F + 1.0;
    const double dol = y - n * 1.2 * h;
    RysujLinie(kolorTekstu, warstwa, x, y, xp, y, w);
    RysujLinie(kolorTekstu, warstwa, x, y - 1.2 * h, xp, y - 1.2 * h, w);
    RysujLinie(kolorTekstu, warstwa, x, dol, xp, dol, w);
    RysujLinie(kolorTekstu, warstwa, x, y, x, dol, w);
    RysujLinie(kolorTekstu, warstwa, xp, y, xp, dol, w);
}
