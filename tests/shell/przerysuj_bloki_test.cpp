// The full redraw draws background blocks under the diagrams, then
// foreground blocks, descriptions and the variant's title over them; blocks
// and descriptions by their variant.

#include "drawing/Nagrywanie.h"
#include "pomoc.h"

class PrzerysujBloki : public ProgramTest {
protected:
    void Projekt(int wariantow)
    {
        Uruchom();
        ZbudujProjekt(2, wariantow);
        LinieBlokow = {"L(0,0)-(1,0)", "P(0,0)-(1,1),K(255,0,0),GR(1)"};
        DefinicjeBlokow.assign(2, {});
        Bloki.assign(2, {});
        for (int i = 0; i < 2; ++i) {
            DefinicjeBlokow[i].Nazwa = Bloki[i].Nazwa = i ? "Wierzch" : "Tlo";
            DefinicjeBlokow[i].Start = DefinicjeBlokow[i].Koniec = i;
            Bloki[i].Nad = static_cast<uint8_t>(i);
        }
        Bloki[1].Wariant = 1;
        Opisy.assign(1, {});
        Opisy[0].Tekst = "Opis";
    }
    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
    }

    // The redraw of one variant into DXF only: the layers in drawing order,
    // each run once ("rysunek" for diagrams, legends and node markers; block
    // runs with their number of lines).
    std::string Warstwy(int32_t wariant)
    {
        Nagrywanie n;
        WyjscieEkran = false;
        WyjscieDxf = true;
        BiezacyWariant = wariant;
        Form1->Przerysuj();
        std::vector<std::pair<std::string, int>> przebiegi;
        for (std::size_t i = 1; i < n.dxf.encje.size(); ++i) {  // the first is the sheet size
            std::string w = n.dxf.encje[i].warstwa;
            if (w != "Rupl_Bloki" && w != "Rupl_Napisy" && w != "Rupl_TytulWariant")
                w = "rysunek";
            if (przebiegi.empty() || przebiegi.back().first != w)
                przebiegi.push_back({w, 0});
            ++przebiegi.back().second;
        }
        std::string wynik;
        for (const auto& [w, ile] : przebiegi)
            wynik += " " + w + (w == "Rupl_Bloki" ? " " + std::to_string(ile) : "");
        return wynik;
    }
};

TEST_F(PrzerysujBloki, KolejnoscIWarianty)
{
    Projekt(2);
    EXPECT_EQ(Warstwy(0), " Rupl_Bloki 1 rysunek Rupl_Napisy Rupl_TytulWariant");
    EXPECT_EQ(Warstwy(1), " Rupl_Bloki 1 rysunek Rupl_Bloki 4 Rupl_Napisy Rupl_TytulWariant");
    Opisy[0].Wariant = 0;
    EXPECT_EQ(Warstwy(1), " Rupl_Bloki 1 rysunek Rupl_Bloki 4 Rupl_TytulWariant");

    // On the screen the red outline of the foreground block covers the diagram.
    Bloki[1].X = Wezly[0].X - 2.0f;
    Bloki[1].Y = Wezly[0].Y - 2.0f;
    Bloki[1].Sx = Bloki[1].Sy = 4.0f;
    Form1->Przerysuj();
    EXPECT_EQ(Form1->BitmapaRysunku.pixelColor(CmNaEkranX(Wezly[0].X - 2.0), CmNaEkranY(Wezly[0].Y)),
              QColor(Qt::red));
    Form1->grab().save(QString(KG_BUILD_DIR) + "/okno_bloki.png");
}

TEST_F(PrzerysujBloki, BezWariantuBezTytulu)
{
    Projekt(0);
    Bloki[1].Wariant = -1;
    EXPECT_EQ(Warstwy(-1), " Rupl_Bloki 1 rysunek Rupl_Bloki 4 Rupl_Napisy");
}
