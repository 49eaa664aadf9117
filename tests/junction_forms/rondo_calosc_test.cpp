// The roundabout windows as a whole: a project made from nothing by the
// windows alone draws, prints and exports; the main window opens them;
// opening and committing them without edits leaves the saved file as it was.
#include <QTimer>

#include "drawing/Wyjscie.h"
#include "junction/rysuj_wspolne.h"
#include "model/PlikProjektu.h"
#include "ronda.h"

namespace {

using RondoCalosc = RondaTest;

TEST_F(RondoCalosc, ProjektOdZeraDrukIDxf)
{
    // Geometry of the first node: four arms, for both variants.
    const int n = Rekord(0, 0);
    PokazGeometrie(n);
    Liczba(GeometriaRondo->CB_IloscWW, "4");
    for (int k = 1; k <= 4; ++k)
        Wpisz(PoleG(("E_A" + std::to_string(k)).c_str()), QString::number(90 * (k - 1) + 15));
    Wpisz(PoleG("E_ozn4"), "D");
    GeometriaRondo->WprowadzClick();
    ASSERT_TRUE(Komunikaty().empty()) << Komunikaty().back();
    // Volumes of variant 1 typed as a matrix with a crossing and a title.
    PokazDane(n);
    const std::pair<const char*, int> macierz[] = {{"nat12", 120}, {"Nat13", 80}, {"Nat14", 40}, {"Nat21", 60},
                                                   {"Nat24", 30},  {"Nat31", 90}, {"Nat42", 25}, {"Nat43", 35}};
    for (const auto& [pole, v] : macierz)
        Wpisz(PoleD(pole), QString::number(v));
    Wpisz(PoleD("Ep_21L"), "45");
    Wpisz(PoleD("Tytul1"), "Rondo Ofiar Katynia");
    DaneRonda->WprowadzClick();
    ASSERT_TRUE(Komunikaty().empty()) << Komunikaty().back();
    // Variant 2's volumes as entry and exit totals.
    Form1->BB_NextClick();
    PokazDane(Rekord(0, 1));
    Strona(0, 1);
    const char* const sumy[] = {"E_Nat11", "E_Nat22", "E_Nat31", "E_Nat42"};
    for (const char* pole : sumy)
        Wpisz(PoleD(pole), "100");
    Wpisz(PoleD("E_Nat12"), "100");
    Wpisz(PoleD("E_Nat21"), "50");
    Wpisz(PoleD("E_Nat32"), "50");
    Wpisz(PoleD("E_Nat41"), "100");
    DaneRonda->WprowadzClick();
    ASSERT_TRUE(Komunikaty().empty()) << Komunikaty().back();
    Form1->BB_PrevClick();
    Form1->Przerysuj();
    const DaneRondo& r = Ronda[n];
    EXPECT_EQ(r.Obliczony, 1);
    EXPECT_EQ(r.GeometriaPoprawna, 1) << r.KomunikatGeometrii.str();
    EXPECT_EQ(r.SumaWlotu, (std::array<int32_t, 5>{240, 90, 90, 60, 0}));

    const std::string sciezka = Sciezka("rondo.rup");
    ASSERT_TRUE(ZapiszProjekt(sciezka));
    const std::string pdf = Sciezka("rondo.pdf");
    Form1->UstawWydrukDoPdf(pdf);
    Form1->TB_DrukujClick();
    EXPECT_EQ(StronyPdf(pdf), LiczbaWariantow());
    if (!rysuj_test::CzytnikDxfDostepny())
        GTEST_SKIP() << "brak /usr/bin/python3 z modułem ezdxf (python3-ezdxf)";
    const std::string dxf = Sciezka("rondo.dxf");
    dialogi.SciezkiZapisz.push_back(dxf);
    Form1->TB_DoDxfaClick();
    int linie = 0, tytuly = 0;
    for (const rysuj_test::Encja& e : rysuj_test::CzytajDxf(dxf)) {
        linie += e.warstwa == "Rond_linie";
        tytuly += e.warstwa == "Rond_tytul" && e.tekst == "Rondo Ofiar Katynia";
    }
    EXPECT_GT(linie, 0);
    EXPECT_EQ(tytuly, 1);
}

// Which window the action showed, and the record it was handed.
QString Pokazane(const std::function<void()>& akcja, QString& rekord)
{
    QString okno;
    QTimer::singleShot(0, [&] {
        for (QDialog* d : {static_cast<QDialog*>(DaneRonda), static_cast<QDialog*>(GeometriaRondo)})
            if (d->isVisible()) {
                okno = d->objectName();
                rekord = d->findChild<QLabel*>("L_NrRonda")->text();
                d->reject();
            }
    });
    akcja();
    return okno;
}

TEST_F(RondoCalosc, OknaOtwieraneZGlownego)
{
    Form1->UstawPolecenia();
    Form1->Przerysuj();
    Form1->BB_NextClick();
    const int n = Rekord(1, 1);
    const int px = CmNaEkranX(Wezly[1].X), py = CmNaEkranY(Wezly[1].Y);
    Form1->PokazWskazanie(px, py);
    QString rekord;
    EXPECT_EQ(Pokazane([] { Form1->PodgladDblClick(); }, rekord), "GeometriaRondo") << "no geometry entered yet";
    EXPECT_EQ(rekord, QString::number(n));
    Ronda[n].GeometriaWprowadzona = 1;
    EXPECT_EQ(Pokazane([] { Form1->PodgladDblClick(); }, rekord), "DaneRonda");
    EXPECT_EQ(rekord, QString::number(n));
    for (const char* polecenie : {"TB_Dane", "TB_Geometria"}) {
        Form1->findChild<QAction*>(polecenie)->trigger();
        Form1->PokazWskazanie(px, py);
        EXPECT_EQ(Pokazane([&] { Form1->PodgladKlik(px, py); }, rekord),
                  std::string(polecenie) == "TB_Dane" ? "DaneRonda" : "GeometriaRondo");
        EXPECT_EQ(rekord, QString::number(n));
    }
}

TEST_F(RondoCalosc, OknaBezEdycjiNieZmieniajaPliku)
{
    // A roundabout on a count with coefficients and a forecast, one on its
    // structure, one on typed totals; values the windows show rounded.
    DodajPomiarWspolczynnikiIPrognoze(3);
    for (DaneRondo& r : Ronda)
        r.GeometriaWprowadzona = 1;
    DaneRondo& a = Ronda[Rekord(0, 0)];
    a.NrPomiaru = a.NrWspolczynnikow = a.NrPrognozy = 0;
    a.ZPomiaru = a.WlaczPrognoze = 1;
    a.TytulDx = -5.25f;
    a.TytulH = 0.75f;
    a.Tytul[0] = "Rondo \xa3\xf3" "d\x9f";  // "Łódź" in Windows-1250
    a.Kat[1] = 1.7f;
    a.Dlugosc[0] = 7.123f;
    DaneRondo& b = Ronda[Rekord(1, 0)];
    b.ZeStruktury = 1;
    b.StrukturaRelacji[0][1] = {13, 10, 3, 0, 0, 0, 0, 0, 0, 0, 0};
    Sklad[2].Wspolczynnik = 1.0f;
    DaneRondo& c = Ronda[Rekord(1, 1)];
    c.DaneRelacje = 0;
    c.WlotWpisany = {10, 20, 30, 0, 0};
    c.WylotWpisany = {30, 20, 10, 0, 0};
    c.PromienWewn = 2.5f;
    const std::string przed = Sciezka("przed.rup"), po = Sciezka("po.rup");
    Form1->Przerysuj();
    ASSERT_TRUE(ZapiszProjekt(przed));
    ProjektZmieniony = false;

    for (int i = 0; i < LiczbaRond(); ++i) {
        for (int strona : {0, 1, 2, 3})
            for (int wewnetrzna : {0, 1}) {
                PokazDane(i);
                DaneRonda->PC_NatRond->blockSignals(true);
                DaneRonda->PC_DaneRonda->blockSignals(true);
                DaneRonda->PC_NatRond->setCurrentIndex(strona);
                DaneRonda->PC_DaneRonda->setCurrentIndex(wewnetrzna);
                DaneRonda->PC_NatRond->blockSignals(false);
                DaneRonda->PC_DaneRonda->blockSignals(false);
                DaneRonda->WprowadzClick();
            }
        PokazGeometrie(i);
        GeometriaRondo->WprowadzClick();
        PokazGeometrie(i);
        GeometriaRondo->Button3Click();
    }
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().back();
    EXPECT_FALSE(ProjektZmieniony);
    ASSERT_TRUE(ZapiszProjekt(po));
    EXPECT_TRUE(CzytajPlik(po) == CzytajPlik(przed));
}

TEST_F(RondoCalosc, TypyPojazdowZapisaneBezSkrzyzowan)
{
    Sklad[3].Nazwa = "Autobus";
    Sklad[3].Wspolczynnik = 2.0f;
    LiczbaSkladow = 7;
    const std::string sciezka = Sciezka("ronda.rup");
    ASSERT_TRUE(ZapiszProjekt(sciezka));
    NowyProjekt();
    ASSERT_TRUE(OtworzProjekt(sciezka));
    EXPECT_EQ(LiczbaSkladow, 7);
    EXPECT_EQ(Sklad[3].Nazwa.str(), "Autobus");
    EXPECT_FLOAT_EQ(Sklad[3].Wspolczynnik, 2.0f);
}

}  // namespace
