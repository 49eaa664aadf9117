// What the full redraw draws over the diagrams and under them: background
// blocks first, then diagrams and legends, then foreground blocks,
// descriptions and the variant's title; blocks and descriptions by variant.

#include <utility>

#include "drawing/Nagrywanie.h"
#include "pomoc.h"

namespace {

// The kinds of the DXF entities in drawing order, each run of one kind with
// its length.
std::vector<std::pair<std::string, int>> Przebiegi(const std::vector<EncjaDxf>& encje)
{
    std::vector<std::pair<std::string, int>> wynik;
    for (std::size_t i = 0; i < encje.size(); ++i) {
        const std::string& w = encje[i].warstwa;
        std::string rodzaj = "rysunek";
        if (i == 0 && w == "Rupl_Arkusz")
            rodzaj = "arkusz";  // the sheet size text
        else if (w == "Rupl_Bloki" || w == "Rupl_Napisy" || w == "Rupl_TytulWariant")
            rodzaj = w;
        if (wynik.empty() || wynik.back().first != rodzaj)
            wynik.push_back({rodzaj, 0});
        ++wynik.back().second;
    }
    return wynik;
}

}  // namespace

class PrzerysujBloki : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
    }
    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
    }

    void DodajBlokiIOpis()
    {
        LinieBlokow = {"L(0,0)-(1,0)", "P(0,0)-(1,1)"};
        DefinicjeBlokow.assign(2, {});
        DefinicjeBlokow[0].Nazwa = "Tlo";
        DefinicjeBlokow[0].Start = DefinicjeBlokow[0].Koniec = 0;
        DefinicjeBlokow[1].Nazwa = "Wierzch";
        DefinicjeBlokow[1].Start = DefinicjeBlokow[1].Koniec = 1;
        Bloki.assign(2, {});
        Bloki[0].Nazwa = "Tlo";
        Bloki[0].Nad = 0;
        Bloki[0].Wariant = -1;
        Bloki[1].Nazwa = "Wierzch";
        Bloki[1].Nad = 1;
        Bloki[1].Wariant = 1;
        Opisy.assign(1, {});
        Opisy[0].Tekst = "Opis";
        Opisy[0].Wariant = -1;
    }

    // The redraw of variant `wariant` into DXF only.
    std::vector<std::pair<std::string, int>> Przerysuj(int32_t wariant)
    {
        Nagrywanie n;
        WyjscieEkran = false;
        WyjscieDxf = true;
        BiezacyWariant = wariant;
        Form1->Przerysuj();
        return Przebiegi(n.dxf.encje);
    }
};

// Kinds in order; a block run with its number of lines.
std::vector<std::string> Rodzaje(const std::vector<std::pair<std::string, int>>& przebiegi)
{
    std::vector<std::string> wynik;
    for (const auto& [rodzaj, ile] : przebiegi)
        wynik.push_back(rodzaj == "Rupl_Bloki" ? rodzaj + " " + std::to_string(ile) : rodzaj);
    return wynik;
}

TEST_F(PrzerysujBloki, KolejnoscWarstwIWarianty)
{
    ZbudujProjekt(2, 2);
    DodajBlokiIOpis();
    using V = std::vector<std::string>;
    // The block for every variant under the diagrams (one line), the block of
    // variant 1 over them (four lines) on variant 1 only; the description of
    // all variants and the three title lines over everything.
    EXPECT_EQ(Rodzaje(Przerysuj(0)), V({"arkusz", "Rupl_Bloki 1", "rysunek", "Rupl_Napisy", "Rupl_TytulWariant"}));
    EXPECT_EQ(Rodzaje(Przerysuj(1)),
              V({"arkusz", "Rupl_Bloki 1", "rysunek", "Rupl_Bloki 4", "Rupl_Napisy", "Rupl_TytulWariant"}));
    // The description of variant 0 only.
    Opisy[0].Wariant = 0;
    EXPECT_EQ(Rodzaje(Przerysuj(1)), V({"arkusz", "Rupl_Bloki 1", "rysunek", "Rupl_Bloki 4", "Rupl_TytulWariant"}));
}

TEST_F(PrzerysujBloki, BezWariantuBezTytulu)
{
    ZbudujProjekt(2, 0);
    DodajBlokiIOpis();
    Bloki[1].Wariant = -1;
    // The node markers between the two block passes; no title.
    EXPECT_EQ(Rodzaje(Przerysuj(-1)), std::vector<std::string>({"arkusz", "Rupl_Bloki 1", "rysunek", "Rupl_Bloki 4",
                                                                 "Rupl_Napisy"}));
}

// On the screen too: a foreground rectangle's outline covers the diagram.
TEST_F(PrzerysujBloki, NaEkranie)
{
    ZbudujProjekt(1, 1);
    DodajBlokiIOpis();
    LinieBlokow[1] = "P(0,0)-(4,4),K(255,0,0),GR(1)";
    Bloki[1].Wariant = 0;
    Bloki[1].X = Wezly[0].X - 2.0f;
    Bloki[1].Y = Wezly[0].Y - 2.0f;
    BiezacyWariant = 0;
    Form1->Przerysuj();
    const int x = CmNaEkranX(Wezly[0].X - 2.0), y = CmNaEkranY(Wezly[0].Y);
    EXPECT_EQ(Form1->BitmapaRysunku.pixelColor(x, y), QColor(Qt::red));
    Form1->grab().save(QString(KG_BUILD_DIR) + "/okno_bloki.png");
}
