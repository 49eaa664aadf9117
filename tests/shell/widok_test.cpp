// The view of the main window through its transform: zoom, wheel, pan,
// zoom window and the whole sheet; the grid point of a pixel.
#include <QAction>
#include <QLabel>
#include <cmath>
#include <functional>

#include "drawing/Wyjscie.h"
#include "drawing/ZasiegRysunku.h"
#include "junction/RysujRuchoplan.h"
#include "model/PlikProjektu.h"
#include "pomoc.h"
#include "shell/Podglad.h"

namespace {

class WidokTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
        Form1->Przerysuj();
    }
    int Szer() const { return Form1->Podglad->width(); }
    int Wys() const { return Form1->Podglad->height(); }
};

TEST_F(WidokTest, PowiekszenieIKolkoTrzymajaSrodek)
{
    SrodekX = 7.0;
    SrodekY = 9.0;
    Skala = 40.0;
    Form1->Powiksz1Click();
    EXPECT_DOUBLE_EQ(Skala, 36.0);
    Form1->Pomniejsz1Click();
    EXPECT_DOUBLE_EQ(Skala, 39.6);
    // The centre pixel shows the same sheet point whatever the cursor.
    Form1->FormMouseWheel(2);
    EXPECT_DOUBLE_EQ(Skala, 39.6 * 0.9 * 0.9);
    EXPECT_DOUBLE_EQ(SrodekX, 7.0);
    EXPECT_NEAR(EkranNaCmX(static_cast<int>(PolSzerEkranu)), 7.0, Skala / 1000.0);
    Form1->FormMouseWheel(-1);
    EXPECT_DOUBLE_EQ(Skala, 39.6 * 0.9 * 0.9 * 1.1);

    // However far the user turns, the transform stays finite.
    for (int i = 0; i < 2000; ++i)
        Form1->FormMouseWheel(5);
    EXPECT_DOUBLE_EQ(Skala, SkalaNajmniejsza);
    EXPECT_TRUE(std::isfinite(EkranNaCmX(0)));
    for (int i = 0; i < 2000; ++i)
        Form1->FormMouseWheel(-5);
    EXPECT_DOUBLE_EQ(Skala, SkalaNajwieksza);
    EXPECT_EQ(OgraniczSkale(std::nan(""), 12.0), 12.0);
    EXPECT_EQ(OgraniczSkale(0.0, 12.0), SkalaNajmniejsza);
}

TEST_F(WidokTest, PrzesuniecieProwadziArkuszZaMysza)
{
    Skala = 50.0;
    SrodekX = 10.0;
    SrodekY = 10.0;
    Form1->Przerysuj();
    // The sheet point under the press stays under the mouse, live.
    const int x0 = 100, y0 = 120;
    const double pod = EkranNaCmX(x0), podY = EkranNaCmY(y0);
    Form1->Przesu1Click();
    EXPECT_TRUE(Form1->TrybPrzesun);
    Form1->PodgladMouseDown(Qt::LeftButton, x0, y0);
    Form1->PodgladMouseMove(160, 90);
    EXPECT_NEAR(EkranNaCmX(160), pod, 1e-9);
    EXPECT_NEAR(EkranNaCmY(90), podY, 1e-9);
    Form1->PodgladMouseUp(Qt::LeftButton, 180, 80);
    EXPECT_NEAR(EkranNaCmX(180), pod, 1e-9);
    EXPECT_NEAR(EkranNaCmY(80), podY, 1e-9);
    // One drag only.
    EXPECT_FALSE(Form1->TrybPrzesun);

    // The middle button pans while an edit mode stays armed.
    ZbudujProjekt(2, 1);
    Form1->TB_UsunWezelClick();
    const double przed = SrodekX;
    Form1->PodgladMouseDown(Qt::MiddleButton, 50, 50);
    Form1->PodgladMouseUp(Qt::MiddleButton, 30, 50);
    EXPECT_NEAR(SrodekX, przed + 20 * Skala / 1000.0, 1e-9);
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::UsunWezel);
    EXPECT_EQ(LiczbaWezlow(), 2);
}

TEST_F(WidokTest, OknoPowiekszeniaIWszystko)
{
    Skala = 40.0;
    SrodekX = 10.0;
    SrodekY = 14.0;
    Form1->Przerysuj();
    const double x1 = EkranNaCmX(100), x2 = EkranNaCmX(300);
    const double y1 = EkranNaCmY(200), y2 = EkranNaCmY(250);
    Form1->Okno1Click();
    // Dragged from bottom-right to top-left.
    Form1->PodgladMouseDown(Qt::LeftButton, 300, 250);
    Form1->PodgladMouseMove(200, 220);
    ASSERT_EQ(Form1->Podglad->Nakladka().size(), 1u);
    EXPECT_EQ(Form1->Podglad->Nakladka()[0].rodzaj, ElementNakladki::Rodzaj::Prostokat);
    Form1->PodgladMouseUp(Qt::LeftButton, 100, 200);
    EXPECT_FALSE(Form1->TrybOkno);
    // The window's middle at the centre and the whole window in view.
    EXPECT_NEAR(SrodekX, (x1 + x2) / 2, 1e-6);
    EXPECT_NEAR(SrodekY, (y1 + y2) / 2, 1e-6);
    EXPECT_LE(EkranNaCmX(0), x1 + 1e-6);
    EXPECT_GE(EkranNaCmX(Szer()), x2 - 1e-6);
    EXPECT_LE(EkranNaCmY(Wys()), y2 + 1e-6);
    EXPECT_GE(EkranNaCmY(0), y1 - 1e-6);
    // The wide window touches the left and right edges.
    EXPECT_NEAR(EkranNaCmX(0), x1, 2 * Skala / 1000.0);

    // A click without a drag zooms to a rectangle 2 pixels wide.
    const double s = Skala;
    Form1->Okno1Click();
    Form1->PodgladMouseDown(Qt::LeftButton, 150, 150);
    Form1->PodgladMouseUp(Qt::LeftButton, 150, 150);
    EXPECT_NEAR(Skala, std::max(2 * s / Szer(), 2 * s / Wys()), 1e-6);

    Form1->Wszystko1Click();
    EXPECT_DOUBLE_EQ(SrodekX, wg.ArkuszB / 2.0);
    EXPECT_DOUBLE_EQ(SrodekY, wg.ArkuszH / 2.0);
    // The sheet with a margin of 1 cm fits and one side touches.
    EXPECT_LE(EkranNaCmX(0), -1.0 + 1e-3);
    EXPECT_LE(EkranNaCmY(Wys()), -1.0 + 1e-3);
    EXPECT_GE(EkranNaCmY(0), wg.ArkuszH + 1.0 - 1e-3);
}

// New and Open end a pan or a zoom window armed, or dragged, over the old
// project: the first drag over the new one neither pans nor zooms. Both once
// stayed armed.
TEST_F(WidokTest, NowyIOtworzKonczaPrzesuwanieIOknoPowiekszenia)
{
    ZbudujProjekt(1, 1);
    const std::string plik = Sciezka("widok.rup");
    ASSERT_TRUE(ZapiszProjekt(plik));
    const std::vector<std::pair<const char*, std::function<void()>>> polecenia = {
        {"Nowy", [] { Form1->BNowyClick(); }},
        {"Otworz", [&] { dialogi.SciezkiOtworz.push_back(plik); Form1->BOtworzClick(); }},
        {"Ostatni", [&] { Form1->OtworzOstatniProjekt(plik); }},
    };
    const std::vector<std::pair<const char*, std::function<void()>>> tryby = {
        {"przesuwanie", [] { Form1->Przesu1Click(); }},
        {"okno", [] { Form1->Okno1Click(); }},
        {"trwajace przesuwanie", [] { Form1->Przesu1Click(); Form1->PodgladMouseDown(Qt::LeftButton, 40, 40); }},
        {"trwajace okno", [] { Form1->Okno1Click(); Form1->PodgladMouseDown(Qt::LeftButton, 40, 40); }},
    };
    for (const auto& [nazwaPolecenia, polecenie] : polecenia)
        for (const auto& [nazwaTrybu, uzbroj] : tryby) {
            SCOPED_TRACE(std::string(nazwaPolecenia) + ", " + nazwaTrybu);
            uzbroj();
            ProjektZmieniony = false;
            polecenie();
            EXPECT_FALSE(Form1->TrybPrzesun || Form1->TrybOkno || Form1->PrzesuwanieTrwa || Form1->OknoTrwa);
            const double x = SrodekX, y = SrodekY, s = Skala;
            Form1->PodgladMouseDown(Qt::LeftButton, 100, 100);
            Form1->PodgladMouseMove(260, 180);
            Form1->PodgladMouseUp(Qt::LeftButton, 300, 250);
            EXPECT_EQ(SrodekX, x);
            EXPECT_EQ(SrodekY, y);
            EXPECT_EQ(Skala, s);
        }
}

TEST_F(WidokTest, OdczytKursoraIPunktSiatki)
{
    Form1->PodgladMouseMove(40, 60);
    EXPECT_EQ(Form1->PanelePaska[0]->text(),
              "X=" + QString::number(EkranNaCmX(40), 'f', 3) + " Y=" + QString::number(EkranNaCmY(60), 'f', 3));
    // A node within 3 cm offers the double click.
    ZbudujProjekt(1, 1);
    Form1->PodgladMouseMove(CmNaEkranX(3.5), CmNaEkranY(5.0));
    EXPECT_EQ(Form1->PanelePaska[1]->text(), "Podwójne kliknięcie EDYCJA DANYCH");
    EXPECT_EQ(Form1->WskWezelWlasciwosci, 0);
    Form1->PodgladMouseMove(CmNaEkranX(9.0), CmNaEkranY(5.0));
    EXPECT_TRUE(Form1->PanelePaska[1]->text().isEmpty());
    EXPECT_EQ(Form1->WskWezelWlasciwosci, 0);  // still picked within 200 cm

    // Half to even on the grid: 0.5 cm per pixel about (0, 0).
    PolSzerEkranu = 100.0;
    PolWysEkranu = 100.0;
    SrodekX = SrodekY = 0.0;
    Skala = 500.0;
    float x = 0, y = 0;
    Form1->PunktSiatki(125, 95, 1.0, x, y);  // (12.5, 2.5)
    EXPECT_EQ(x, 12.0f);
    EXPECT_EQ(y, 2.0f);
    Form1->PunktSiatki(127, 93, 1.0, x, y);  // (13.5, 3.5)
    EXPECT_EQ(x, 14.0f);
    EXPECT_EQ(y, 4.0f);
    Form1->PunktSiatki(101, 100, 0.25, x, y);
    EXPECT_EQ(x, 0.5f);
}

} // namespace

namespace {

// The screen leaves out only what it would not show: a zoomed view drawn
// with the diagrams outside it left out equals the one drawn in full.
TEST_F(WidokTest, PominieteDiagramyNieZmieniajaObrazu)
{
    NowyProjekt();
    for (int w = 0; w < 9; ++w)
        ASSERT_EQ(DodajWezel(20.0 + 40.0 * (w % 3), 20.0 + 40.0 * (w / 3), "W" + std::to_string(w + 1), 'J'), "");
    ASSERT_EQ(DodajWariant("A", "", "", "", 0.0f, 0.0f, 'L'), "");
    for (DaneRuchoplan& r : Ruchoplany) {
        r.GeometriaWprowadzona = 1;
        for (int k = 0; k < 16; ++k)
            r.Natezenia[k] = k % 5 == 0 ? 0 : 60 + 11 * k;
    }
    BiezacyWariant = 0;
    wg.ArkuszB = wg.ArkuszH = 120.0f;
    // The middle node at the view's corner: four diagrams reach into it.
    SrodekX = 75.0;
    SrodekY = 45.0;
    Skala = 60.0 * 1000.0 / Szer();
    Form1->Przerysuj();
    const QImage pominiete = Form1->BitmapaRysunku.copy(0, 0, Szer(), Wys());

    // A printer flag without a printer attached: nothing is left out.
    WyjscieDrukarka = true;
    Form1->Przerysuj();
    WyjscieDrukarka = false;
    EXPECT_EQ(Form1->BitmapaRysunku.copy(0, 0, Szer(), Wys()), pominiete);

    // And something was left out: the far corner's diagram lies outside.
    ProstokatArkusza widok;
    widok.Dodaj(EkranNaCmX(0), EkranNaCmY(0));
    widok.Dodaj(EkranNaCmX(Szer()), EkranNaCmY(Wys()));
    const ProstokatArkusza daleki = ZmierzRysunek([] { RysujRuchoplan(0); });
    EXPECT_FALSE(daleki.Przecina(widok));
    EXPECT_TRUE(ZmierzRysunek([] { RysujRuchoplan(4); }).Przecina(widok));
    // It spans its node, arms and labels, nothing like the whole sheet.
    EXPECT_LT(daleki.x1, 20.0 - 7.0);
    EXPECT_GT(daleki.x2, 20.0 + 7.0);
    EXPECT_GT(daleki.x1, 20.0 - 30.0);
    EXPECT_LT(daleki.x2, 20.0 + 30.0);
}

} // namespace
