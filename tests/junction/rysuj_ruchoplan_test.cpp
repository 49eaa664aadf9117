// Drawing a computed junction diagram on the screen: bands as polygons,
// corners in the right colour, outlet arrows and inlet marks by traffic and
// zero-volume mode, and the whole diagram painted into a bitmap kept as a
// test artefact (artefakty/ruchoplan.png in the build folder).

#include "drawing/Tekst.h"
#include <gtest/gtest.h>

#include <algorithm>

#include <QImage>

#include "junction/RysujRuchoplan.h"
#include "rysuj_wspolne.h"

namespace {

class RysujRuchoplanTest : public rysuj_test::ProjektJednegoWezla {
protected:
    void SetUp() override
    {
        ProjektJednegoWezla::SetUp();
        R().Strzalka = {0, 0, 0, 0};   // arm-label arrows would also be 7-point polygons
    }
    const DanaRelacja& Relacja(const std::string& nazwa)
    {
        for (const auto& r : R().Relacje)
            if (r.Nazwa.str() == nazwa)
                return r;
        ADD_FAILURE() << "brak relacji " << nazwa;
        return R().Relacje[0];
    }
    void TylkoEkran()
    {
        WyjscieEkran = true;
        WyjscieDrukarka = false;
        WyjscieDxf = false;
        Skala = 20.0;
        SrodekX = 20.0;
        SrodekY = 30.0;
        PolSzerEkranu = 500.0;
        PolWysEkranu = 400.0;
    }
    // Polygons of a number of points, with their brush colours.
    std::vector<TKolor> Wielokaty(const Nagrywanie& n, std::size_t punktow) const
    {
        std::vector<TKolor> w;
        for (const auto& p : n.ekran.wielokaty)
            if (p.punkty.size() == punktow)
                w.push_back(p.pedzel.kolor);
        return w;
    }
};

TEST_F(RysujRuchoplanTest, PasmoProsteIZLukami)
{
    Ustaw(1, 3, 100);
    Ustaw(1, 4, 200);
    Oblicz();
    Nagrywanie n;
    TylkoEkran();
    const TKolor linia = KolorRGB(1, 2, 3), naroznik = KolorRGB(200, 0, 0), wyp = KolorRGB(0, 200, 0);
    // A through band: both radii 0, the corner is a quadrilateral.
    RysujPasmo(Relacja("13"), linia, naroznik, wyp, 0.2f, false, "Rupl_linie");
    ASSERT_EQ(n.ekran.wielokaty.size(), 3u);
    EXPECT_EQ(n.ekran.wielokaty[0].pedzel.kolor, wyp);
    EXPECT_EQ(n.ekran.wielokaty[1].pedzel.kolor, wyp);
    EXPECT_EQ(n.ekran.wielokaty[2].pedzel.kolor, naroznik);
    EXPECT_EQ(n.ekran.wielokaty[2].punkty.size(), 4u);
    // A left turn: the corner follows both arcs, 26 points.
    n.Wyczysc();
    RysujPasmo(Relacja("14"), linia, naroznik, wyp, 0.2f, false, "Rupl_linie");
    ASSERT_EQ(n.ekran.wielokaty.size(), 3u);
    EXPECT_EQ(n.ekran.wielokaty[2].punkty.size(), 26u);
    EXPECT_EQ(n.ekran.wielokaty[2].pedzel.kolor, naroznik);
    // Its outline: two arcs of 10 chords and four short joining lines in the line colour.
    EXPECT_EQ(std::count_if(n.ekran.linie.begin(), n.ekran.linie.end(),
                            [&](const auto& l) { return l.pioro.kolor == linia; }),
              2 * 10 + 4);

    // A side that is no number: the band is left out.
    DanaRelacja zla = Relacja("13");
    zla.Krawedz2[1] = std::nan("");
    n.Wyczysc();
    RysujPasmo(zla, 0, 0, 0, 0.2f, false, "Rupl_linie");
    EXPECT_TRUE(n.ekran.Pusty());
}

TEST_F(RysujRuchoplanTest, NaroznikWKolorzeRelacjiPrzyUstawieniachWezla)
{
    Ustaw(1, 4, 200);
    const TKolor wyp = KolorRGB(10, 20, 30), wlasny = KolorRGB(250, 10, 10);
    Wezly[0].Globalne = 0;
    Wezly[0].KolorWypelnien = wyp;
    R().KoloryRelacji[3] = wlasny;   // relation 14
    Oblicz();
    Nagrywanie n;
    TylkoEkran();
    RysujRuchoplan(0);
    EXPECT_EQ(Wielokaty(n, 26), std::vector<TKolor>{wlasny});
    for (TKolor k : Wielokaty(n, 4))
        EXPECT_EQ(k, wyp);

    // Under the global settings the corner takes the fill colour.
    Wezly[0].Globalne = 1;
    n.Wyczysc();
    RysujRuchoplan(0);
    EXPECT_EQ(Wielokaty(n, 26), std::vector<TKolor>{wg.KolorWypelnien});
}

TEST_F(RysujRuchoplanTest, DiagramBezRuchuRysowanyWTrybieZer)
{
    R().Ramie[3] = 0;
    Oblicz();
    Nagrywanie n;
    TylkoEkran();
    RysujRuchoplan(0);
    // Zero-volume mode is forced: each of the three present arms gets its arrow,
    EXPECT_EQ(Wielokaty(n, 7).size(), 3u);
    // and the six turning relations between them their 26-point corners.
    EXPECT_EQ(Wielokaty(n, 26).size(), 4u);
}

TEST_F(RysujRuchoplanTest, BitmapaEkranu)
{
    Ustaw(1, 3, 200);
    Ustaw(2, 4, 100);
    Ustaw(1, 4, 80);
    Ustaw(3, 2, 60);
    R().Strzalka = {1, 1, 1, 1};
    R().OpisRamienia = {"ul. Polna", "", "ul. D\xB3" "uga", "", " ", " ", " ", " "};
    R().Tytul = {"Skrzy\xBF" "owanie", "", ""};
    R().TytulWysokosc = 1.0f;
    wg.RysujPrzejscia = {1, 0, 0, 0};
    R().Przejscia[1].L[0] = 30;
    R().Przejscia[1].P[0] = 20;
    Oblicz();
    // The picture kept for a person to look at shows the program's own font.
    ASSERT_EQ(WczytajCzcionke(KG_BUILD_DIR "/Dane/Roman100.Lzs", Czcionka), "");

    QImage obraz(1000, 800, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    UstawBitmapeRysunku(&obraz);
    TylkoEkran();
    RysujRuchoplan(0);
    ZakonczRysowanieEkranu();
    UstawBitmapeRysunku(nullptr);
    EXPECT_TRUE(obraz.save(QString::fromStdString(rysuj_test::Artefakt("ruchoplan.png"))));

    // 50 pixels per cm, the node (20, 30) at pixel (500, 400).
    auto piksel = [&](double x, double y) {
        const QRgb p = obraz.pixel(static_cast<int>((x - 20.0) * 50.0 + 500.0),
                                   static_cast<int>(400.0 - (y - 30.0) * 50.0));
        return KolorRGB(qRed(p), qGreen(p), qBlue(p));
    };
    // Inside the through band from the south, and in the junction's middle.
    EXPECT_EQ(piksel(21.5, 23.5), wg.KolorWypelnien);
    EXPECT_EQ(piksel(21.5, 28.0), wg.KolorWypelnien);
    // Away from every band the sheet stays white.
    EXPECT_EQ(piksel(15.0, 24.0), KolorRGB(255, 255, 255));
    // The inlet mark across the south inlet's mouth is drawn in the line colour.
    bool znak = false;
    for (int dy = -1; dy <= 1; ++dy) {
        const QRgb p = obraz.pixel(575, 750 + dy);
        znak = znak || KolorRGB(qRed(p), qGreen(p), qBlue(p)) == wg.KolorLinii;
    }
    EXPECT_TRUE(znak);
}

} // namespace
