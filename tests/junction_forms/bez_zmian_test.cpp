// Opening and committing a window without an edit leaves the saved project
// byte for byte as it was, and unchanged; an edit that changes the file
// marks the project changed.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "drawing/KopiaSchowka.h"
#include "drawing/Wyjscie.h"
#include "formularze.h"
#include "junction_forms/TDaneRonda.h"
#include "junction_forms/TGeometriaRondo.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "model/Schowek.h"
#include "shell/TEdycjaOpisy.h"
#include "shell/TKopiujSchowek.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TWrnt.h"
#include "shell/TWstawBlok.h"

namespace {

using BezZmian = Formularze;

TEST_F(BezZmian, OknaBezEdycjiNieZmieniajaPliku)
{
    // A diagram on a count with factors and a forecast, one on its vehicle
    // structure, values the windows show rounded.
    DodajPomiarWspolczynnikiIPrognoze();
    DaneRuchoplan& a = Ruchoplany[Rekord(0, 0)];
    a.NrPomiaru = a.NrWspolczynnikow = a.NrPrognozy = 0;
    a.ZPomiaru = a.WlaczPrognoze = 1;
    a.TytulDx = -5.25f;
    a.TytulWysokosc = 0.75f;
    a.Tytul[0] = "Skrzy\xbfowanie";  // "ż" in Windows-1250
    a.Tytul[1] = std::string(200, 'T');  // longer than the edits show at once
    a.Kat[1] = 0.3f;
    DaneRuchoplan& b = Ruchoplany[Rekord(1, 0)];
    b.ZeStruktury = 1;
    b.NatezeniaStruktura[3] = {13, 10, 3, 0, 0, 0, 0, 0, 0, 0, 0};
    b.Globalne = 0;
    b.PoprawkaPrawoskretow = 0.3f;
    b.PromienPrawoskretu[1] = 1.7f;
    Sklad[2].Wspolczynnik = 1.0f;
    const std::string przed = Sciezka("przed.rup"), po = Sciezka("po.rup");
    // The sheet as the user sees it (the redraw sets the band scale).
    Form1->Przerysuj();
    ASSERT_TRUE(ZapiszProjekt(przed));
    ProjektZmieniony = false;

    for (int wezel : {0, 1}) {
        const int n = Rekord(wezel, 0);
        for (int strona : {0, 1, 2, 3}) {
            NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
            NatezeniaRUPL->FormShow();
            NatezeniaRUPL->PC_NatRupl->blockSignals(true);
            NatezeniaRUPL->PC_NatRupl->setCurrentIndex(strona);
            NatezeniaRUPL->PC_NatRupl->blockSignals(false);
            NatezeniaRUPL->BWprowadzClick();
        }
        GeometriaRuchoplan->L_NrRupl->setText(QString::number(n));
        GeometriaRuchoplan->FormShow();
        UstawSuwak->L_NrRupl->setText(QString::number(n));
        UstawSuwak->FormShow();
        UstawSuwak->RB_2->click();
        UstawSuwak->Button1Click();
        GeometriaRuchoplan->B_WprowadzClick();
    }
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_FALSE(ProjektZmieniony);
    ASSERT_TRUE(ZapiszProjekt(po));
    EXPECT_TRUE(CzytajPlik(po) == CzytajPlik(przed));
}

}  // namespace

// ---- Every window, driven as a user drives it ----
//
// For each window: a project of numbers the windows show rounded, saved;
// the window opened as a user opens it (a pick on the sheet, a toolbar
// button, a double click) and committed with its button without an edit;
// the project saved again must be the same bytes and still unchanged. Then
// one real edit per window: whenever the saved bytes differ, the project
// must be marked changed.

namespace {

// Where the test project keeps its objects, in sheet centimetres.
constexpr double WezelX = 3.0, WezelY = 5.0;     // the first junction node
constexpr double RondoX = 15.0, RondoY = 5.0;    // the roundabout node
constexpr double BlokX = 14.0, BlokY = 14.0;
constexpr double OpisX = 5.0, OpisY = 14.0;
// Arm angles in radians, shown in 0.01 degrees (17.19 and 108.86).
constexpr float KatRamienia = 0.3f;
constexpr float KatRamieniaRonda = 1.89999998f;

QPoint Piksel(double x, double y) { return {CmNaEkranX(x), CmNaEkranY(y)}; }

// From a pixel beside, so that the mouse moves even when it was there already.
void MyszaNad(double x, double y)
{
    QTest::mouseMove(Form1->Podglad, Piksel(x, y) + QPoint(1, 1));
    QTest::mouseMove(Form1->Podglad, Piksel(x, y));
}

void KlikNaArkuszu(double x, double y)
{
    MyszaNad(x, y);
    QTest::mouseClick(Form1->Podglad, Qt::LeftButton, {}, Piksel(x, y));
}

void PodwojnyKlik(double x, double y)
{
    MyszaNad(x, y);
    QTest::mouseDClick(Form1->Podglad, Qt::LeftButton, {}, Piksel(x, y));
}

void Polecenie(const char* nazwa) { UzyjPolecenia(nazwa); }

void Kliknij(QAbstractButton* b)
{
    ASSERT_TRUE(b && b->isVisible() && b->isEnabled()) << (b ? b->objectName().toStdString() : "?");
    // A switch stretched by its layout takes clicks on its box and words
    // only, not in the middle of its empty width.
    if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    else
        QTest::mouseClick(b, Qt::LeftButton);
}

void Kliknij(QWidget* okno, const char* przycisk) { Kliknij(Kontrolka<QAbstractButton>(okno, przycisk)); }

// The edit's whole text replaced by typing.
void Napisz(QLineEdit* pole, const QString& tekst)
{
    ASSERT_NE(pole, nullptr);
    pole->setFocus();
    QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pole, tekst);
}

// `wOknie` runs in `okno` once what the user did (`otworz`) has shown it; a
// window left open, or another one shown instead, fails and is closed.
void WOknie(QDialog* okno, const std::function<void()>& otworz, const std::function<void()>& wOknie)
{
    bool pokazane = false;
    QTimer czuwanie;
    czuwanie.setInterval(10);
    QObject::connect(&czuwanie, &QTimer::timeout, [&] {
        auto* modalne = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modalne && modalne != okno) {
            ADD_FAILURE() << modalne->objectName().toStdString() << " shown instead";
            modalne->reject();
            return;
        }
        if (!okno->isVisible())
            return;
        czuwanie.stop();
        pokazane = true;
        wOknie();
        if (okno->isVisible()) {
            ADD_FAILURE() << okno->objectName().toStdString() << " left open";
            okno->reject();
        }
    });
    czuwanie.start();
    otworz();
    czuwanie.stop();
    EXPECT_TRUE(pokazane) << okno->objectName().toStdString() << " not shown";
}

// One window: how a user commits it unedited, and with one edit.
struct ProbaOkna {
    const char* nazwa;
    std::function<void()> bezEdycji;
    std::function<void()> zEdycja;
};

class OknaUzytkownika : public Formularze {
protected:
    std::string przed, po;

    void SetUp() override
    {
        Formularze::SetUp();
        przed = Sciezka("przed.rup");
        po = Sciezka("po.rup");
    }

    // Two junction nodes in two variants and a roundabout node, a block and a
    // description, with numbers the windows show rounded; the sheet drawn
    // (the redraw sets the band scale), saved, unchanged.
    void ProjektNiewygodny()
    {
        ZbudujProjekt(2, 2);
        ASSERT_EQ(DodajWezel(RondoX, RondoY, "Rondo", 'R'), "");
        UstawRondaCzteroramienne();
        for (DaneRondo& r : Ronda) {
            r.Kat[1] = KatRamieniaRonda;
            r.TytulDx = 0.0625f;
            r.TytulH = 0.3125f;
        }
        for (DaneRuchoplan& r : Ruchoplany) {
            r.TytulDx = 0.0625f;
            r.TytulWysokosc = 0.3125f;
        }
        Wezly[0].TytulDx = 0.25f;
        Wezly[0].TytulH = 0.45f;
        Wezly[0].OdlegloscPrzejscia[0] = 4.0625f;
        Wezly[0].RozmiaryLegendy[0] = 0.3125f;
        Wezly[0].RozmiaryOpisow[0] = 0.3125f;
        Wezly[0].GrLinie = 0.3125f;
        Wezly[0].LegendaPrzejscX = 1.0625f;
        Warianty[0].TytulDx = 0.125f;
        for (DaneRuchoplan& r : Ruchoplany)
            if (r.NrWezla == 0)
                r.Kat[1] = KatRamienia;
        DefiniujBlokiTloIWierzch();
        Bloki.assign(1, {});
        Bloki[0].Nazwa = "Tlo";
        Bloki[0].X = static_cast<float>(BlokX) + 0.125f;
        Bloki[0].Y = static_cast<float>(BlokY);
        Bloki[0].Sx = 0.125f;
        Bloki[0].Sy = 0.004f;
        Opisy.assign(1, {});
        Opisy[0].Tekst = "Opis";
        Opisy[0].Styl = "Opis";
        Opisy[0].X = static_cast<float>(OpisX) + 0.125f;
        Opisy[0].Y = static_cast<float>(OpisY);
        Opisy[0].Sx = 0.125f;
        Opisy[0].Grubosc = 0.125f;
        Opisy[0].Kat = 12.125f;
        wg.MaxSzer = 2.0625f;
        wg.ArkuszBUser = 40.125f;
        wg.KrokSiatki = 0.125f;
        NastawySchowek = {1.125f, 20.0f, 1.0f, 20.0f, 50, 0, 0, 0xFFFFFF};
        // The pixel size the file keeps beside the rectangle is the one it gives.
        NastawySchowek.SzerokoscPx = static_cast<int32_t>(SzerokoscPikseli(NastawySchowek));
        NastawySchowek.WysokoscPx = static_cast<int32_t>(WysokoscPikseli(NastawySchowek));
        Form1->UstawPolecenia();
        Form1->Przerysuj();
        ASSERT_TRUE(ZapiszProjekt(przed));
        ProjektZmieniony = false;
    }

    // The invariant over the windows: unedited, nothing changes; edited,
    // a changed file is a changed project.
    void SprawdzOkna(const std::vector<ProbaOkna>& proby)
    {
        for (const ProbaOkna& p : proby) {
            SCOPED_TRACE(p.nazwa);
            ProjektNiewygodny();
            p.bezEdycji();
            EXPECT_FALSE(ProjektZmieniony) << p.nazwa << ": committed without an edit";
            ASSERT_TRUE(ZapiszProjekt(po));
            EXPECT_TRUE(CzytajPlik(po) == CzytajPlik(przed)) << p.nazwa << ": the file changed without an edit";
        }
        for (const ProbaOkna& p : proby) {
            SCOPED_TRACE(p.nazwa);
            ProjektNiewygodny();
            p.zEdycja();
            const bool zmieniony = ProjektZmieniony;
            ASSERT_TRUE(ZapiszProjekt(po));
            const bool inny = CzytajPlik(po) != CzytajPlik(przed);
            EXPECT_TRUE(inny) << p.nazwa << ": the edit reached no file";
            EXPECT_TRUE(!inny || zmieniony) << p.nazwa << ": the file changed, the project is not marked";
        }
        EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
    }
};

// ---- the windows ----

void OknoWezla(const std::function<void()>& edycja)
{
    Polecenie("TB_UstawieniaLokalne");
    WOknie(WezlyOperacje, [] { KlikNaArkuszu(WezelX, WezelY); }, [&] {
        edycja();
        Kliknij(WezlyOperacje->B_Powrot);
    });
}

void OknoWariantow(const std::function<void()>& edycja)
{
    WOknie(Wrnt, [] { Polecenie("TB_EdycjaWariantow"); }, [&] {
        QListWidget* lista = Kontrolka<QListWidget>(Wrnt, "Lista_Wariantow");
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(0)).center());
        edycja();
        Kliknij(Wrnt, "ZmienOpisWariant");
        Kliknij(Wrnt, "Button2");
    });
}

void OknoBloku(const std::function<void()>& edycja)
{
    Polecenie("M_ZmienBlok");
    WOknie(WstawBlok, [] { KlikNaArkuszu(BlokX, BlokY); }, [&] {
        edycja();
        Kliknij(WstawBlok->B_WczytajBlok);
    });
}

void OknoOpisu(const std::function<void()>& edycja, double x = OpisX, double y = OpisY)
{
    Polecenie("M_ZmienOpis");
    WOknie(EdycjaOpisy, [x, y] { KlikNaArkuszu(x, y); }, [&] {
        edycja();
        Kliknij(EdycjaOpisy->B_Wprowadz);
    });
}

void OknoNatezen(const std::function<void()>& edycja)
{
    WOknie(NatezeniaRUPL, [] { PodwojnyKlik(WezelX, WezelY); }, [&] {
        edycja();
        Kliknij(NatezeniaRUPL, "BWprowadz");
    });
}

void OknoGeometrii(const std::function<void()>& edycja, double x = WezelX, double y = WezelY)
{
    Polecenie("TB_Geometria");
    WOknie(GeometriaRuchoplan, [x, y] { KlikNaArkuszu(x, y); }, [&] {
        edycja();
        Kliknij(GeometriaRuchoplan, "B_Wprowadz");
    });
}

void OknoDanychRonda(const std::function<void()>& edycja)
{
    WOknie(DaneRonda, [] { PodwojnyKlik(RondoX, RondoY); }, [&] {
        edycja();
        Kliknij(DaneRonda, "Wprowadz");
    });
}

void OknoGeometriiRonda(const std::function<void()>& edycja)
{
    Polecenie("TB_Geometria");
    WOknie(GeometriaRondo, [] { KlikNaArkuszu(RondoX, RondoY); }, [&] {
        edycja();
        Kliknij(GeometriaRondo, "Wprowadz");
    });
}

// The main window's node move: the node picked, its place shown in the
// panel, "Zmień" pressed.
void PrzesuniecieWezla(const std::function<void()>& edycja)
{
    Polecenie("TB_PrzesunWezel");
    KlikNaArkuszu(WezelX, WezelY);
    ASSERT_TRUE(Form1->PanelWsp->isVisible());
    edycja();
    Kliknij(Form1->B_Wstaw);
}

void Bez() {}

TEST_F(OknaUzytkownika, OknaWezlaIObiektowBezEdycjiBezZmian)
{
    SprawdzOkna({
        {"node window", [] { OknoWezla(Bez); },
         [] { OknoWezla([] { Napisz(WezlyOperacje->E_dx, "1.5"); }); }},
        {"variants window", [] { OknoWariantow(Bez); },
         [] { OknoWariantow([] { Napisz(Kontrolka<QLineEdit>(Wrnt, "E_dx"), "2.5"); }); }},
        {"block change", [] { OknoBloku(Bez); },
         [] { OknoBloku([] { Napisz(WstawBlok->CB_sY->lineEdit(), "2"); }); }},
        {"description change", [] { OknoOpisu(Bez); },
         [] { OknoOpisu([] { Napisz(EdycjaOpisy->E_y, "31.5"); }); }},
        {"node move", [] { PrzesuniecieWezla(Bez); },
         [] { PrzesuniecieWezla([] { Napisz(Form1->E_y, "6.5"); }); }},
        {"grid switch", Bez, [] { Kliknij(Form1->CB_Siatka); }},
    });
}

TEST_F(OknaUzytkownika, OknaSkrzyzowaniaIRondaBezEdycjiBezZmian)
{
    SprawdzOkna({
        {"junction volumes", [] { OknoNatezen(Bez); },
         [] { OknoNatezen([] { Napisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "nat12"), "321"); }); }},
        {"junction geometry", [] { OknoGeometrii(Bez); },
         [] { OknoGeometrii([] { Napisz(Kontrolka<QLineEdit>(GeometriaRuchoplan, "E_o"), "0.75"); }); }},
        {"roundabout data", [] { OknoDanychRonda(Bez); },
         [] { OknoDanychRonda([] { Napisz(Kontrolka<QLineEdit>(DaneRonda, "nat12"), "321"); }); }},
        {"roundabout geometry", [] { OknoGeometriiRonda(Bez); },
         [] { OknoGeometriiRonda([] { Napisz(Kontrolka<QLineEdit>(GeometriaRondo, "E_R"), "4.5"); }); }},
    });
}

// One field typed in a geometry window stores that field; the arm angles,
// shown to 0.01 degree, stay as they were.
TEST_F(OknaUzytkownika, JednoPoleGeometriiNieZmieniaKatow)
{
    ProjektNiewygodny();
    OknoGeometrii([] { Napisz(Kontrolka<QLineEdit>(GeometriaRuchoplan, "E_o"), "0.75"); });
    for (const DaneRuchoplan& r : Ruchoplany)
        if (r.NrWezla == 0) {
            EXPECT_EQ(r.GlobOdsuniecie, 0.75f);
            EXPECT_EQ(r.Kat[1], KatRamienia) << "0.3 rad, not 0.30002 of 17.19 degrees";
        }
    OknoGeometriiRonda([] { Napisz(Kontrolka<QLineEdit>(GeometriaRondo, "E_R"), "4.5"); });
    for (const DaneRondo& r : Ronda) {
        EXPECT_EQ(r.PromienR, 4.5f);
        EXPECT_EQ(r.Kat[1], KatRamieniaRonda) << "1.89999998 rad, not 1.89996541 of 108.86 degrees";
    }
    EXPECT_TRUE(ProjektZmieniony);
}

// The node window and the block change keep numbers they show rounded.
TEST_F(OknaUzytkownika, OknoWezlaIBlokuZachowujaLiczby)
{
    ProjektNiewygodny();
    OknoWezla(Bez);
    EXPECT_EQ(Wezly[0].TytulDx, 0.25f);
    EXPECT_EQ(Wezly[0].TytulH, 0.45f);
    OknoBloku(Bez);
    EXPECT_EQ(Bloki[0].Sx, 0.125f);
    EXPECT_EQ(Bloki[0].Sy, 0.004f);
    // Typed back as shown, a number is the one shown.
    OknoWezla([] { Napisz(WezlyOperacje->E_dx, "0.3"); });
    EXPECT_EQ(Wezly[0].TytulDx, 0.25f);
    OknoWezla([] { Napisz(WezlyOperacje->E_dx, "0.35"); });
    EXPECT_EQ(Wezly[0].TytulDx, 0.35f);
    EXPECT_TRUE(ProjektZmieniony);
}

// ---- refilled fields ----
//
// An edit the window fills with a text of its own (a separator corrected,
// a default for an empty one) stores the number it then shows, not the
// record's number shown there before, though the texts are alike. Each
// record's window refills the edits with that record's numbers; an edit
// left as shown keeps its record's number whole.

// The edit emptied with the keys.
void Wyczysc(QLineEdit* pole)
{
    ASSERT_NE(pole, nullptr);
    pole->setFocus();
    QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pole, Qt::Key_Delete);
    ASSERT_TRUE(pole->text().isEmpty());
}

// The second junction node of the project, beside the first.
constexpr double Wezel2X = 9.0;

std::vector<float> KatyWezla(int wezel, int ramie)
{
    std::vector<float> k;
    for (const DaneRuchoplan& r : Ruchoplany)
        if (r.NrWezla == wezel)
            k.push_back(r.Kat[ramie]);
    return k;
}

// Arm 2 of node 1 at 0.3 rad shows 17.19 degrees. Typed "17,19", the check
// writes it back as "17.19" and the diagram takes 17.19 degrees, 0.3000221
// rad as the file keeps it (once it kept 0.3 rad). Node 2's window then
// shows its own 0.25 rad as 14.32 and, untouched, keeps 0.25; node 1's
// again shows 17.19, typed the same way it stays.
TEST_F(OknaUzytkownika, OknoGeometriiPolePoprawioneZapominaLiczbe)
{
    ProjektNiewygodny();
    for (DaneRuchoplan& r : Ruchoplany)
        if (r.NrWezla == 1)
            r.Kat[1] = 0.25f;
    auto alfa2 = [] { return Kontrolka<QLineEdit>(GeometriaRuchoplan, "alfa2"); };
    const std::vector<float> wpisany(2, 0.3000221f), drugi(2, 0.25f);

    OknoGeometrii([&] {
        EXPECT_EQ(alfa2()->text().toStdString(), "17.19");
        Napisz(alfa2(), "17,19");
    });
    EXPECT_EQ(alfa2()->text().toStdString(), "17.19");
    EXPECT_EQ(KatyWezla(0, 1), wpisany);
    ASSERT_TRUE(ZapiszProjekt(przed));

    OknoGeometrii([&] { EXPECT_EQ(alfa2()->text().toStdString(), "14.32"); }, Wezel2X, WezelY);
    EXPECT_EQ(KatyWezla(1, 1), drugi);
    OknoGeometrii([&] {
        EXPECT_EQ(alfa2()->text().toStdString(), "17.19");
        Napisz(alfa2(), "17,19");
        Kliknij(GeometriaRuchoplan, "Button5");  // "Przerys": checked and stored, the window stays
        EXPECT_EQ(alfa2()->text().toStdString(), "17.19");
    });
    EXPECT_EQ(KatyWezla(0, 1), wpisany);
    EXPECT_EQ(KatyWezla(1, 1), drugi);
    ASSERT_TRUE(ZapiszProjekt(po));
    EXPECT_TRUE(CzytajPlik(po) == CzytajPlik(przed));
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
}

std::vector<float> KatyRonda(int ramie)
{
    std::vector<float> k;
    for (const DaneRondo& r : Ronda)
        k.push_back(r.Kat[ramie]);
    return k;
}

// The roundabout's arm 2 at 1.89999998 rad shows 108.86 degrees, its arm 3
// at 3.14166 rad shows 180. In the first variant's record "108,86" is typed
// and arm 3 emptied: the check writes "108.86" and the default "180" back,
// and both variants' records take 108.86 and 180 degrees (1.89996542 and
// 3.14159265 rad as the file keeps them), not the numbers shown before. The
// second variant's record, picked in the variant list, shows them and keeps
// them untouched and typed again.
TEST_F(OknaUzytkownika, OknoGeometriiRondaPolaWypelnioneZapominajaLiczby)
{
    ProjektNiewygodny();
    for (DaneRondo& r : Ronda)
        r.Kat[2] = 3.14166f;
    ASSERT_EQ(Ronda.size(), 2u);
    auto pole = [](const char* nazwa) { return Kontrolka<QLineEdit>(GeometriaRondo, nazwa); };
    auto rekord = [] { return Kontrolka<QLabel>(GeometriaRondo, "L_NrRonda")->text().toInt(); };
    const std::vector<float> ramie2(2, 1.89996542f), ramie3(2, 3.14159265f);

    OknoGeometriiRonda([&] {
        EXPECT_EQ(Ronda[rekord()].NrWariantu, 0);
        EXPECT_EQ(pole("E_A2")->text().toStdString(), "108.86");
        EXPECT_EQ(pole("E_A3")->text().toStdString(), "180");
        Napisz(pole("E_A2"), "108,86");
        Wyczysc(pole("E_A3"));
    });
    EXPECT_EQ(pole("E_A2")->text().toStdString(), "108.86");
    EXPECT_EQ(pole("E_A3")->text().toStdString(), "180");
    EXPECT_EQ(KatyRonda(1), ramie2);
    EXPECT_EQ(KatyRonda(2), ramie3);
    ASSERT_TRUE(ZapiszProjekt(przed));

    // The next variant picked in the main window's list with the keys.
    Form1->CB_Wariant->setFocus();
    QTest::keyClick(Form1->CB_Wariant, Qt::Key_Down);
    ASSERT_EQ(BiezacyWariant, 1);
    OknoGeometriiRonda([&] {
        EXPECT_EQ(Ronda[rekord()].NrWariantu, 1);
        EXPECT_EQ(pole("E_A2")->text().toStdString(), "108.86");
        EXPECT_EQ(pole("E_A3")->text().toStdString(), "180");
    });
    EXPECT_EQ(KatyRonda(1), ramie2);
    EXPECT_EQ(KatyRonda(2), ramie3);
    OknoGeometriiRonda([&] {
        Napisz(pole("E_A2"), "108,86");
        Napisz(pole("E_A3"), "180");
    });
    EXPECT_EQ(KatyRonda(1), ramie2);
    EXPECT_EQ(KatyRonda(2), ramie3);
    ASSERT_TRUE(ZapiszProjekt(po));
    EXPECT_TRUE(CzytajPlik(po) == CzytajPlik(przed));
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
}

// The description window shows each description's own angle: one at 90
// degrees changed after one at 37.123456 keeps its 90 when "Ręcznie" is
// chosen and nothing typed (it once kept the earlier one's number).
TEST_F(OknaUzytkownika, OknoOpisuPokazujeKatOpisu)
{
    ProjektNiewygodny();
    Opisy[0].Kat = 37.123456f;
    Opisy.push_back(Opisy[0]);
    Opisy[1].Y += 5.0f;
    Opisy[1].Kat = 90.0f;
    Form1->UstawPolecenia();
    ASSERT_TRUE(ZapiszProjekt(przed));
    ProjektZmieniony = false;

    OknoOpisu(Bez);
    OknoOpisu([] { Kliknij(EdycjaOpisy->RBRecznie); }, OpisX, OpisY + 5.0);
    EXPECT_EQ(Opisy[1].Kat, 90.0f);
    EXPECT_FALSE(ProjektZmieniony);
    ASSERT_TRUE(ZapiszProjekt(po));
    EXPECT_TRUE(CzytajPlik(po) == CzytajPlik(przed));
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
}

// The windows whose fixes live elsewhere: the global settings, the
// clipboard rectangle and the grid step box of the main window.
void OknoUstawien(const std::function<void()>& edycja)
{
    WOknie(UstawyGlobalne, [] { Polecenie("TB_UstawGlowne"); }, [&] {
        edycja();
        Kliknij(UstawyGlobalne, "B_wprowadz");
    });
}

void OknoSchowka(const std::function<void()>& edycja)
{
    WOknie(KopiujSchowek, [] { Polecenie("TB_DoSchowka"); }, [&] {
        edycja();
        Kliknij(KopiujSchowek, "B_kopiuj");
        if (KopiujSchowek->isVisible())
            Kliknij(KopiujSchowek, "B_Powrot");
    });
}

TEST_F(OknaUzytkownika, OknoUstawienGlobalnychBezEdycjiBezZmian)
{
    SprawdzOkna({
        {"global settings", [] { OknoUstawien(Bez); },
         [] { OknoUstawien([] { Kliknij(UstawyGlobalne, "RB_ArkuszA3"); }); }},
    });
}

TEST_F(OknaUzytkownika, OknoSchowkaBezEdycjiBezZmian)
{
    SprawdzOkna({
        {"clipboard", [] { OknoSchowka(Bez); },
         [] { OknoSchowka([] { Napisz(KopiujSchowek->E_x1, "2.5"); }); }},
    });
}

// The step box as a project opens it, confirmed with Enter unedited, or a
// step typed and confirmed.
TEST_F(OknaUzytkownika, KrokSiatkiBezEdycjiBezZmian)
{
    auto krok = [this](const QString& tekst) {
        NowyProjekt();
        ASSERT_TRUE(OtworzProjekt(przed));
        ProjektZmieniony = false;
        QLineEdit* pole = Form1->CB_SiatkaKrok->lineEdit();
        pole->setFocus();
        if (!tekst.isEmpty())
            Napisz(pole, tekst);
        QTest::keyClick(pole, Qt::Key_Return);
    };
    SprawdzOkna({
        {"grid step", [&] { krok({}); }, [&] { krok("0.5"); }},
    });
}

// "Nowy", whatever the answer to the unsaved-changes question, and
// "Otwórz" leave a project unchanged, the grid box showing the step in
// force: a following "Nowy" asks nothing. "Anuluj" keeps the changed
// project as it was. After "Nowy" the box once showed the old step and the
// empty project stayed changed.
TEST_F(OknaUzytkownika, NowyIOtworzBezZmianZKrokiemSiatki)
{
    ProjektNiewygodny();
    const std::string krok35 = Sciezka("krok.rup");
    wg.KrokSiatki = 0.35f;
    ASSERT_TRUE(ZapiszProjekt(krok35));
    const QLineEdit* krok = Form1->CB_SiatkaKrok->lineEdit();
    auto otworz = [this](const std::string& plik) {
        dialogi.SciezkiOtworz.push_back(plik);
        Polecenie("BOtworz");
        ASSERT_EQ(Form1->Sciezka(), plik);
    };
    auto zmien = [] {
        OknoUstawien([] { Kliknij(UstawyGlobalne, "RB_ArkuszA3"); });
        ASSERT_TRUE(ProjektZmieniony);
    };
    auto nowy = [this](int odpowiedz) {
        odpowiedzi = {odpowiedz};
        Polecenie("BNowy");
    };

    otworz(krok35);
    EXPECT_EQ(krok->text().toStdString(), "0.35");
    zmien();
    nowy(TPytanieTakNieKasuj::mrNie);
    EXPECT_FALSE(ProjektZmieniony) << "Nie";
    EXPECT_EQ(krok->text().toStdString(), "1");
    nowy(TPytanieTakNieKasuj::mrNie);
    EXPECT_EQ(pytania.size(), 1u);

    otworz(krok35);
    zmien();
    nowy(TPytanieTakNieKasuj::mrTak);  // saved into its file
    EXPECT_FALSE(ProjektZmieniony) << "Tak";
    EXPECT_EQ(krok->text().toStdString(), "1");

    otworz(przed);
    EXPECT_EQ(krok->text().toStdString(), "0.125");
    zmien();
    nowy(TPytanieTakNieKasuj::mrKasuj);
    EXPECT_TRUE(ProjektZmieniony) << "Anuluj";
    EXPECT_EQ(Form1->Sciezka(), przed);
    EXPECT_EQ(krok->text().toStdString(), "0.125");
    odpowiedzi = {TPytanieTakNieKasuj::mrNie};
    otworz(krok35);
    EXPECT_FALSE(ProjektZmieniony) << "Otwórz";
    EXPECT_EQ(krok->text().toStdString(), "0.35");
    nowy(TPytanieTakNieKasuj::mrNie);
    EXPECT_EQ(pytania.size(), 4u);
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
}

}  // namespace
