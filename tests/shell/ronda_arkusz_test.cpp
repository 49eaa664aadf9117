// Junctions and roundabouts on one sheet: computed on demand in the redraw,
// printed to PDF and exported to DXF, which the DXF reader's audit accepts;
// a roundabout whose corners cannot be built says so once after the redraw.
#include "junction/rysuj_wspolne.h"
#include "model/Operacje.h"
#include "pomoc.h"

namespace {

class RondaArkuszTest : public ProgramTest {
protected:
    // Two junctions and two roundabouts (one with entered geometry) in two variants.
    void Zbuduj()
    {
        ZbudujProjekt(2, 2);
        ASSERT_EQ(DodajWezel(25.0, 30.0, "Rondo 1", 'R'), "");
        ASSERT_EQ(DodajWezel(25.0, 50.0, "Rondo 2", 'R'), "");
        for (DaneRondo& r : Ronda) {
            r.GeometriaWprowadzona = Wezly[r.NrWezla].Nazwa.str() == "Rondo 1";
            r.Macierz[0][1] = 120 + 10 * r.NrWariantu, r.Macierz[1][2] = 80, r.Macierz[2][0] = 40;
            r.SumaWlotuRel = {r.Macierz[0][1], 80, 40, 0, 0};
            r.SumaWylotuRel = {40, r.Macierz[0][1], 80, 0, 0};
            r.Tytul[0] = "Rondo";
        }
    }
};

TEST_F(RondaArkuszTest, DrukIDxfZeSkrzyzowaniamiIRondami)
{
    Uruchom();
    Zbuduj();
    Form1->Przerysuj();
    for (const DaneRondo& r : Ronda)
        EXPECT_EQ(r.Obliczony, r.GeometriaWprowadzona && r.NrWariantu == 0) << "computed when drawn, entered only";

    // A page per variant, each with its entered roundabout: the pages differ
    // from those printed with the roundabouts left as markers.
    const std::string pdf = Sciezka("ronda.pdf");
    Form1->UstawWydrukDoPdf(pdf);
    Form1->TB_DrukujClick();
    EXPECT_EQ(StronyPdf(pdf), 2);
    const std::string bezRond = Sciezka("bez_rond.pdf");
    for (DaneRondo& r : Ronda)
        r.GeometriaWprowadzona = 0;
    Form1->UstawWydrukDoPdf(bezRond);
    Form1->TB_DrukujClick();
    const std::string roznice = RozniceStronPdf(pdf, bezRond);
    EXPECT_NE(roznice.find("page 1: "), std::string::npos) << roznice;
    EXPECT_NE(roznice.find("page 2: "), std::string::npos) << roznice;
    for (DaneRondo& r : Ronda)
        r.GeometriaWprowadzona = Wezly[r.NrWezla].Nazwa.str() == "Rondo 1";

    const std::string dxf = Sciezka("ronda.dxf");
    dialogi.SciezkiZapisz.push_back(dxf);
    Form1->TB_DoDxfaClick();
    const std::vector<rysuj_test::Encja> e = rysuj_test::CzytajDxf(dxf);
    int linieRond = 0, linieSkrzyzowan = 0, znacznikiRond = 0, tytuly = 0;
    for (const auto& x : e) {
        linieRond += x.warstwa == "Rond_linie";
        linieSkrzyzowan += x.warstwa == "Rupl_linie";
        znacznikiRond += x.warstwa == "Rond_none";
        tytuly += x.warstwa == "Rond_tytul";
        if (x.typ == "ARC") {
            EXPECT_GT(x.r, 0.0);
        }
    }
    EXPECT_GT(linieRond, 0);
    EXPECT_GT(linieSkrzyzowan, 0);
    EXPECT_GT(znacznikiRond, 0) << "the roundabout without geometry keeps its marker";
    EXPECT_EQ(tytuly, 2 * 3) << "one entered roundabout in each of the two variants";
    for (const DaneRondo& r : Ronda)
        EXPECT_EQ(r.Obliczony, r.GeometriaWprowadzona);
}

TEST_F(RondaArkuszTest, ZlaGeometriaZgloszonaRazPoPrzerysowaniu)
{
    Uruchom();
    Zbuduj();
    for (DaneRondo& r : Ronda)
        r.PromienR = 0.2f;   // inside the lanes' offset of 0.5
    dialogi.Wpisy.clear();
    Form1->Przerysuj();
    Form1->Przerysuj();
    const std::vector<std::string> k = Komunikaty();
    ASSERT_EQ(k.size(), 1u);
    EXPECT_EQ(k[0], "Rondo Rondo 1: nie można wyznaczyć wlotu i wylotu ramienia A, B, C (pierścień ronda nie sięga "
                    "poza odsunięcie pasów). Popraw geometrię ronda.");
}

} // namespace
