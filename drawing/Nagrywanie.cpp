#include "drawing/Nagrywanie.h"

#include "drawing/WyjscieDoDxf.h"

#include "drawing/Wyjscie.h"

void NagrywaniePlotna::Wyczysc()
{
    linie.clear();
    wielokaty.clear();
    figury.clear();
    napisy.clear();
}

bool NagrywaniePlotna::Pusty() const { return linie.empty() && wielokaty.empty() && figury.empty() && napisy.empty(); }

void NagrywaniePlotna::LiniaDo(int x, int y)
{
    linie.push_back({pozycja_, {x, y}, pioro});
    pozycja_ = {x, y};
}

void NagrywaniePlotna::Wielokat(const std::vector<PunktInt>& punkty) { wielokaty.push_back({punkty, pioro, pedzel}); }

void NagrywaniePlotna::Prostokat(int x1, int y1, int x2, int y2)
{
    figury.push_back({false, x1, y1, x2, y2, pioro, pedzel});
}

void NagrywaniePlotna::Elipsa(int x1, int y1, int x2, int y2)
{
    figury.push_back({true, x1, y1, x2, y2, pioro, pedzel});
}

void NagrywaniePlotna::WypiszTekst(int x, int y, std::string_view tekst)
{
    napisy.push_back({x, y, std::string(tekst), kroj, wysokoscCzcionki, kolorCzcionki, pedzel});
}

int NagrywaniePlotna::SzerokoscTekstu(std::string_view tekst)
{
    return static_cast<int>(tekst.size() * wysokoscCzcionki * szerokoscZnakuNaPiksel);
}

void NagrywanieDxf::Linia(const std::string& warstwa, int32_t indeksKoloru, double x1, double y1, double x2,
                          double y2)
{
    EncjaDxf e;
    e.typ = EncjaDxf::Typ::Linia;
    e.warstwa = warstwa;
    e.kolor = indeksKoloru;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    encje.push_back(e);
}

void NagrywanieDxf::Tekst(const std::string& tekst, const std::string& warstwa, const UkladTekstuDxf& u,
                          int32_t indeksKoloru)
{
    EncjaDxf e;
    e.typ = EncjaDxf::Typ::Tekst;
    e.warstwa = warstwa;
    e.kolor = indeksKoloru;
    e.x1 = u.x;
    e.y1 = u.y;
    e.tekst = tekst;
    e.obrot = u.obrot;
    e.wspSzerokosci = u.wspSzerokosci;
    e.wysokosc = u.wysokosc;
    if (u.dopasowany) {
        e.dopasowany = true;
        e.x2 = u.xKonca;
        e.y2 = u.yKonca;
    }
    encje.push_back(e);
}

void NagrywanieDxf::Luk(const std::string& warstwa, int32_t indeksKoloru, double cx, double cy, double r,
                        double katPoczatku, double katKonca)
{
    EncjaDxf e;
    e.typ = EncjaDxf::Typ::Luk;
    e.warstwa = warstwa;
    e.kolor = indeksKoloru;
    e.x1 = cx;
    e.y1 = cy;
    e.r = r;
    e.katPoczatku = katPoczatku;
    e.katKonca = katKonca;
    encje.push_back(e);
}

Nagrywanie::Nagrywanie()
    : poprzedniEkran_(PlotnoEkranu()),
      poprzedniaDrukarka_(PlotnoDrukarki()),
      poprzedniDxf_(OdbiorcaDxfBiezacy()),
      skala_(Skala),
      srodekX_(SrodekX),
      srodekY_(SrodekY),
      polSzer_(PolSzerEkranu),
      polWys_(PolWysEkranu),
      piksX_(PiksNaCmX),
      piksY_(PiksNaCmY),
      dpiX_(DpiDrukarkiX),
      dpiY_(DpiDrukarkiY)
{
    UstawPlotnoEkranu(&ekran);
    UstawPlotnoDrukarki(&drukarka);
    UstawOdbiorceDxf(&dxf);
}

Nagrywanie::~Nagrywanie()
{
    UstawPlotnoEkranu(poprzedniEkran_);
    UstawPlotnoDrukarki(poprzedniaDrukarka_);
    UstawOdbiorceDxf(poprzedniDxf_);
    Skala = skala_;
    SrodekX = srodekX_;
    SrodekY = srodekY_;
    PolSzerEkranu = polSzer_;
    PolWysEkranu = polWys_;
    PiksNaCmX = piksX_;
    PiksNaCmY = piksY_;
    DpiDrukarkiX = dpiX_;
    DpiDrukarkiY = dpiY_;
}

void Nagrywanie::Wyczysc()
{
    ekran.Wyczysc();
    drukarka.Wyczysc();
    dxf.encje.clear();
}

void WyjscieNagrywajace::Linia(TKolor kolor, const std::string& warstwa, double x1, double y1, double x2, double y2,
                               double /*grubosc*/)
{
    odcinki.push_back({warstwa, kolor, {x1, y1}, {x2, y2}});
}

void WyjscieNagrywajace::Wielokat(std::span<const PunktXY> punkty, const int*, TKolor kolorPiora,
                                  TKolor kolorWypelnienia, bool wypelniony, double)
{
    if (jakPlotno_ && !punkty.empty())
        figury.push_back({{punkty.begin(), punkty.end()}, kolorPiora, kolorWypelnienia, wypelniony});
}

void WyjscieNagrywajace::KrawedzieObrysu(std::span<const PunktXY> punkty, TKolor kolor, const std::string& warstwa)
{
    if (jakPlotno_ || punkty.empty())
        return;
    for (std::size_t k = 0; k + 1 < punkty.size(); ++k)
        Linia(kolor, warstwa, punkty[k].X, punkty[k].Y, punkty[k + 1].X, punkty[k + 1].Y, 0.0);
    Linia(kolor, warstwa, punkty.front().X, punkty.front().Y, punkty.back().X, punkty.back().Y, 0.0);
}

void WyjscieNagrywajace::Luk(const LukRysunku& luk, TKolor kolor, double /*grubosc*/, const std::string& warstwa)
{
    const KatyLukuDxf k = KatyDxf(luk);
    luki.push_back({warstwa, kolor, {luk.cx, luk.cy}, luk.r, k.poczatek, k.koniec});
}

void WyjscieNagrywajace::Tekst(TekstRysunku& t, const std::string& warstwa)
{
    napisy.push_back({warstwa, t.tekst, t.kolor, {t.x, t.y}, t.wysokosc, t.kat, false});
}

void WyjscieNagrywajace::TekstTT(const std::string& tekst, TKolor kolor, double x, double& y, double wysokosc,
                                 const std::string& warstwa)
{
    napisy.push_back({warstwa, tekst, kolor, {x, y}, wysokosc, 0.0, true});
}

bool WyjscieNagrywajace::TekstTTEtykiety(const TekstRysunku& t)
{
    if (jakPlotno_)
        napisy.push_back({"", t.tekst, t.kolor, {t.x, t.y}, t.wysokosc, t.kat, true});
    return true;
}
