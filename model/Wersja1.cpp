// Project files of version "1.0.0.": one junction in up to fifteen variants,
// in one fixed sequence of lines after the banner.
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "base/Teksty.h"
#include "model/Operacje.h"
#include "model/Projekt.h"
#include "model/CzytanieRekordow.h"
#include "model/Sekcje.h"
#include "base/Kodowanie.h"

namespace {

constexpr int Slotow = 15;

// Slot volumes without the U-turns, from-arm major.
constexpr std::array<int, 12> KolejnoscNatezen{1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14};

bool FlagaV1(const std::string& linia) { return linia == "TRUE"; }

bool FlagaSlotu(const std::string& linia)
{
    std::string s = linia;
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char z) { return static_cast<char>(std::toupper(z)); });
    return s == "TRUE";
}

// Volumes are numbers rounded half to even.
int32_t Natezenie(CzytnikScisly& c)
{
    const double x = c.Rzeczywista();
    if (!(x >= std::numeric_limits<int32_t>::min() && x <= std::numeric_limits<int32_t>::max()))
        c.Blad("natężenie poza zakresem.");
    return static_cast<int32_t>(Zaokraglij(x));
}

void DodajOpisV1(Projekt& p, const std::string& tekst, int32_t wariant, float x, float y, float sx, float sy)
{
    if (tekst.empty())
        return;
    DaneOpis o;
    o.Tekst = tekst;
    o.X = x;
    o.Y = y;
    o.Sx = sx;
    o.Sy = sy;
    o.Kat = 0.0f;
    o.Grubosc = 0.23f;
    o.Kolor = KolorCzarny;
    o.Styl = "Opis";
    o.Wariant = wariant;
    p.Opisy.push_back(o);
}

// One used slot: its variant, diagram, captions, volumes and two free texts.
// Returns the index of its diagram.
int32_t CzytajSlot(CzytnikScisly& c, int s)
{
    Projekt& p = c.Cel();
    DaneWariant w;
    w.Nazwa = "Wariant nr " + std::to_string(s + 1);
    w.TytulDx = -5.0f;
    w.TytulDy = 12.0f;
    w.TytulWyrownanie = 'L';
    DodajWariantDoProjektu(p, w);
    const auto v = static_cast<int32_t>(p.Warianty.size()) - 1;
    const auto i = static_cast<int32_t>(p.Ruchoplany.size()) - 1;
    DaneRuchoplan& r = p.Ruchoplany[i];
    r.GeometriaWprowadzona = 1;
    r.Obliczony = 0;
    r.Globalne = 1;
    r.NrWezla = 0;
    r.NrWariantu = v;
    for (auto& t : r.Tytul)
        c.Tekst(t);
    r.TytulWyrownanie = 'P';
    r.TytulDx = 8.0f;
    r.TytulDy = 11.0f;
    r.TytulWysokosc = 0.7f;
    for (int k : KolejnoscNatezen)
        r.Natezenia[k] = Natezenie(c);
    DodajOpisV1(p, c.Linia(), v, 3.0f, 3.0f, 0.35f, 0.5f);
    DodajOpisV1(p, c.Linia(), v, 3.0f, 2.3f, 0.35f, 0.5f);
    return i;
}

// Whether the file goes on with another block: old files may end with empty
// lines or the DOS end-of-file mark after their last block.
bool DalszyBlok(const CzytnikProjektu& plik) { return !plik.TylkoPusteLinie(); }

}  // namespace

void CzytajProjektWersji1(CzytnikProjektu& plik)
{
    // Every line of a block must be there: a file cut inside one would open
    // with the rest of it silently defaulted.
    plik.UsunZnakKoncaPliku();
    CzytnikScisly c(plik);
    Projekt& p = c.Cel();
    std::vector<DaneRuchoplan>& ruchoplany = p.Ruchoplany;
    TUstawieniaGlobalne& u = p.wg;
    DodajWezelDoProjektu(p, 10.0, 14.0, "Wezel 1", 'J');

    // The diagram of each slot, -1 for an unused slot. A used slot after an
    // unused one still gets its own variant and diagram.
    std::array<int32_t, Slotow> diagram{};
    diagram.fill(-1);
    for (int s = 0; s < Slotow; ++s) {
        c.Linia();
        if (FlagaSlotu(c.Linia()))
            diagram[s] = CzytajSlot(c, s);
        else
            c.Pomin(17);
    }
    // Values of the junction go into its first diagram and are copied later.
    DaneRuchoplan brak;
    DaneRuchoplan& pierwszy = ruchoplany.empty() ? brak : ruchoplany[0];

    c.Pomin(6);
    u.SkalaPaskowAuto = FlagaV1(c.Linia());
    u.SkalaPaskowMax = FlagaV1(c.Linia());
    u.MaxSzer = c.RzeczywistaS(granice::Wymiar);
    u.SkalaPaskow100 = FlagaV1(c.Linia());
    u.Pojazd100 = c.RzeczywistaS(granice::Wymiar);
    c.Pomin(10);
    for (int k = 0; k < 4; ++k) {
        pierwszy.Ramie[k] = FlagaV1(c.Linia()) ? 0 : 1;
        pierwszy.Kat[k] = static_cast<float>(c.WGranicy(granice::KatRadiany, c.Rzeczywista() * 3.141592654 / 180.0));
        c.Tekst(pierwszy.OpisRamienia[2 * k]);
        pierwszy.Strzalka[k] = FlagaV1(c.Linia());
    }

    // The later blocks were added in later releases; each is read only when
    // the file goes on.
    if (DalszyBlok(plik)) {
        c.Pomin(2);
        pierwszy.PoprawkaPrawoskretow = c.RzeczywistaS(granice::Przesuniecie);
        pierwszy.PoprawkaLewoskretow = c.RzeczywistaS(granice::Przesuniecie);
    }
    if (DalszyBlok(plik)) {
        c.Pomin(2);
        for (int s = 0; s < Slotow; ++s) {
            const std::string t1 = c.Linia();
            const std::string t2 = c.Linia();
            if (diagram[s] >= 0) {
                const int32_t v = ruchoplany[diagram[s]].NrWariantu;
                DodajOpisV1(p, KrotkiTekst<255>(t1), v, 2.0f, 1.0f, 0.3f, 0.45f);
                DodajOpisV1(p, KrotkiTekst<255>(t2), v, 2.0f, 0.4f, 0.3f, 0.45f);
            }
        }
        c.Pomin(1);
    }
    if (DalszyBlok(plik)) {
        c.Pomin(1);
        for (int k = 0; k < 4; ++k)
            c.Tekst(pierwszy.OpisRamienia[2 * k + 1]);
    }
    if (DalszyBlok(plik)) {
        c.Pomin(2);
        for (int s = 0; s < Slotow; ++s) {
            c.Pomin(1);
            std::array<int32_t, 4> zawrotki{};
            for (int32_t& z : zawrotki)
                z = Natezenie(c);
            if (diagram[s] >= 0)
                for (int k = 0; k < 4; ++k)
                    ruchoplany[diagram[s]].Natezenia[5 * k] = zawrotki[k];
        }
    }
    if (DalszyBlok(plik)) {
        c.Pomin(2);
        pierwszy.GlobOdsuniecie = c.RzeczywistaS(granice::Przesuniecie);
        pierwszy.GlobDlugosc = c.RzeczywistaS(granice::GeometriaRamienia);
        pierwszy.GlobPromienPrawoskretu = c.RzeczywistaS(granice::GeometriaRamienia);
        pierwszy.GlobPromienLewoskretu = c.RzeczywistaS(granice::GeometriaRamienia);
        pierwszy.GlobZawrotka = c.RzeczywistaS(granice::GeometriaRamienia);
    }

    for (std::size_t i = 1; i < ruchoplany.size(); ++i) {
        DaneRuchoplan& r = ruchoplany[i];
        r.Ramie = pierwszy.Ramie;
        r.GlobOdsuniecie = pierwszy.GlobOdsuniecie;
        r.GlobDlugosc = pierwszy.GlobDlugosc;
        r.GlobPromienPrawoskretu = pierwszy.GlobPromienPrawoskretu;
        r.GlobPromienLewoskretu = pierwszy.GlobPromienLewoskretu;
        r.GlobZawrotka = pierwszy.GlobZawrotka;
        r.PoprawkaLewoskretow = pierwszy.PoprawkaLewoskretow;
        r.PoprawkaPrawoskretow = pierwszy.PoprawkaPrawoskretow;
        r.Kat = pierwszy.Kat;
        r.OpisRamienia = pierwszy.OpisRamienia;
        r.Strzalka = pierwszy.Strzalka;
    }
    for (DaneRuchoplan& r : ruchoplany) {
        r.Obliczony = 0;
        PoliczSumyRuchoplanu(r);
    }

    p.RozmiaryLegendy.OpisyDx() = 0.0f;
    p.RozmiaryLegendy.OpisyDy() = 0.0f;
    p.RozmiaryOpisow.OdlegloscOpisow() = 4.0f;
}
