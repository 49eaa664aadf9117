#include "junction_forms/GeometriaRondaOkna.h"

#include <algorithm>
#include <cmath>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "model/Rondo.h"

namespace {

// One group of five texts (or the island radius alone): each converted and
// held to its limit. A text that is no number gives the group's message, a
// number beyond the limit the limit's, naming the field.
bool Grupa(std::string* teksty, int ile, const GranicaPola& g, const char* blad, const char* pole, double* wynik,
           std::string& komunikat)
{
    bool ok = true;
    for (int k = 0; k < ile; ++k) {
        double x = 0.0;
        if (!SprobujTekstNaLiczbe(teksty[k], x)) {
            ok = false;
            komunikat = Utf8NaCp1250(blad);
        } else if (!g.Miesci(x)) {
            ok = false;
            komunikat = KomunikatGranicy(g, ile > 1 ? std::string(pole) + " " + std::to_string(k + 1) : pole);
        } else
            wynik[k] = x;
    }
    return ok;
}

std::string Sep() { return std::string(1, SeparatorDziesietny()); }

}  // namespace

int LiczbaRamionOkna(const std::string& tekst)
{
    int64_t n = 0;
    if (!SprobujTekstNaCalkowita(tekst, n))
        n = 4;
    return static_cast<int>(std::clamp<int64_t>(n, 2, 5));
}

WynikKontroli SprawdzGeometrieRonda(TekstyGeometriiRonda& t, int ramion)
{
    WynikKontroli w;
    const char* const domyslneKaty[5] = {"0", "90", "180", "270", "320"};
    for (std::size_t k = 0; k < 5; ++k)
        if (t.Katy[k].empty())
            t.Katy[k] = domyslneKaty[k];
    for (auto* grupa : {&t.Katy, &t.Dlugosci, &t.Promienie, &t.Odsuniecia})
        for (std::string& s : *grupa)
            s = PoprawSeparator(s);
    t.R = PoprawSeparator(t.R);

    std::array<double, 5> kat{}, dl{}, pr{}, od{};
    double R = 0.0;
    w.ok &= Grupa(t.Katy.data(), 5, granice::KatStopnie, "Błędna wartość kąta!", "kąt ramienia", kat.data(), w.komunikat);
    w.ok &= Grupa(t.Dlugosci.data(), 5, granice::Wymiar, "Błędna wartość długości!", "długość ramienia", dl.data(),
                  w.komunikat);
    w.ok &= Grupa(t.Promienie.data(), 5, granice::Wymiar, "Błędna wartość promienia r !", "promień ramienia", pr.data(),
                  w.komunikat);
    w.ok &= Grupa(t.Odsuniecia.data(), 5, granice::Wymiar, "Błędna wartość odsunięcia!", "odsunięcie ramienia",
                  od.data(), w.komunikat);
    w.ok &= Grupa(&t.R, 1, granice::Wymiar, "Błędna wartość promienia R !", "promień R", &R, w.komunikat);
    if (!w.ok)
        return w;

    const int n = std::clamp(ramion, 2, 5);
    for (int k = 1; k < n; ++k)
        if (kat[static_cast<std::size_t>(k - 1)] > kat[static_cast<std::size_t>(k)]) {
            w.ok = false;
            w.komunikat = Utf8NaCp1250("Kąty muszą ustawione być w kolejności wzrastającej!");
        }
    // The arms go once round the island: the last may not come back to the first.
    if (w.ok && kat[static_cast<std::size_t>(n - 1)] - kat[0] >= 360.0) {
        w.ok = false;
        w.komunikat = Utf8NaCp1250("Kąty ramion muszą mieścić się w jednym obrocie (mniej niż 360 stopni)!");
    }
    if (!w.ok)
        return w;

    // The length is compared with the radius as typed, before the radius's
    // own correction.
    for (std::size_t k = 0; k < 5; ++k) {
        if (dl[k] < 2.0) {
            dl[k] = 2.0;
            t.Dlugosci[k] = FormatFloat("####0.##", 2.0);
        }
        if (dl[k] < pr[k] + 1.0) {
            dl[k] = pr[k] + 1.0;
            t.Dlugosci[k] = FormatFloat("####0.##", pr[k] + 1.0);
        }
    }
    for (std::size_t k = 0; k < 5; ++k) {
        if (pr[k] < 0.1)
            t.Promienie[k] = "0" + Sep() + "1";
        if (od[k] < 0.1) {
            od[k] = 0.1;
            t.Odsuniecia[k] = "0" + Sep() + "1";
        }
    }
    if (R < 1.0) {
        R = 1.0;
        t.R = "1" + Sep() + "0";
    }
    // An arm offset as far as the island's edge leaves its corner nothing to
    // turn round.
    for (int k = 1; k <= n; ++k)
        if (od[static_cast<std::size_t>(k - 1)] >= R) {
            w.ok = false;
            w.komunikat = Utf8NaCp1250("Odsunięcie ramienia ") + std::to_string(k) +
                          Utf8NaCp1250(" musi być mniejsze od promienia R!");
        }
    return w;
}

void LiczbyGeometrii(const TekstyGeometriiRonda& t, GeometriaRondaOkna& g)
{
    for (std::size_t k = 0; k < 5; ++k) {
        g.KatStopnie[k] = TekstNaLiczbe(t.Katy[k], 0.0);
        g.Dlugosc[k] = TekstNaLiczbe(t.Dlugosci[k], 0.0);
        g.Promien[k] = TekstNaLiczbe(t.Promienie[k], 0.0);
        g.Odsuniecie[k] = TekstNaLiczbe(t.Odsuniecia[k], 0.0);
    }
    g.R = TekstNaLiczbe(t.R, 0.0);
}

void ZapiszGeometrieRonda(int32_t rekord, const GeometriaRondaOkna& g)
{
    if (!JestIndeksem(rekord, Ronda))
        return;
    ZmienionoProjekt();
    const int32_t wezel = Ronda[static_cast<std::size_t>(rekord)].NrWezla;
    const int n = std::clamp(g.LiczbaRamion, 2, 5);
    for (DaneRondo& r : Ronda) {
        if (r.NrWezla != wezel)
            continue;
        r.Obliczony = 0;
        r.LiczbaRamion = n;
        r.PromienR = r.PromienWewn = static_cast<float>(JakWPliku(g.R, maski::Polozenie));
        for (std::size_t k = 0; k < 5; ++k) {
            const bool jest = static_cast<int>(k) < n;
            r.Ramie[k] = jest;
            if (jest) {
                r.Kat[k] = static_cast<float>(g.KatStopnie[k] * PiOkna / 180.0);
                r.Dlugosc[k] = static_cast<float>(g.Dlugosc[k] + g.R);
                r.DlugoscPom[k] = r.Dlugosc[k] - 1.0f;
                r.Promien[k] = static_cast<float>(g.Promien[k]);
                r.Odsuniecie[k] = static_cast<float>(g.Odsuniecie[k]);
                // As the file keeps them, so that what is stored reopens.
                r.Kat[k] = static_cast<float>(JakWPliku(r.Kat[k], maski::KatRonda));
                for (float* x : {&r.Dlugosc[k], &r.DlugoscPom[k], &r.Promien[k], &r.Odsuniecie[k]})
                    *x = static_cast<float>(JakWPliku(*x, maski::Polozenie));
                r.Oznaczenie[k] = UsunSpacje(g.Oznaczenie[k]).substr(0, 3);
                for (std::size_t o = 0; o < 2; ++o)
                    r.OpisyRamion[k][o] = g.Opisy[k][o].substr(0, 255);
            }
            r.RysujStrzalki[k] = g.Strzalki[k];
            r.Przejscie[k] = g.Przejscie[k];
            r.KolorWlotu[k] = g.KoloryWlotow[k];
            r.KolorWylotu[k] = g.KoloryWylotow[k];
        }
    }
}

void OznaczRondoWprowadzone(int32_t rekord)
{
    if (!JestIndeksem(rekord, Ronda))
        return;
    const int32_t wezel = Ronda[static_cast<std::size_t>(rekord)].NrWezla;
    for (DaneRondo& r : Ronda)
        if (r.NrWezla == wezel && !r.GeometriaWprowadzona) {
            r.GeometriaWprowadzona = 1;
            ZmienionoProjekt();
        }
}
