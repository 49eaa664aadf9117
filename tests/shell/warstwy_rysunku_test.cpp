// A slider's move and a live change in the geometry window redraw one
// diagram between the layers under and over it: the picture is the very
// pixels of a full redraw after the first move and after later ones, and no
// change elsewhere is ever shown from layers drawn before it.

#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <functional>

#include "drawing/Nagrywanie.h"
#include "drawing/Wyjscie.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "shell/Arkusz.h"
#include "shell/Podglad.h"
#include "shell/RysunekWatkami.h"
#include "shell/WarstwyRysunku.h"
#include "pomoc.h"

namespace {

// What a back-end was given, one line per figure, by kind.
std::vector<std::string> Zapis(const WyjscieNagrywajace& w)
{
    std::vector<std::string> linie;
    auto punkt = [](const PunktXY& p) { return std::to_string(p.X) + "," + std::to_string(p.Y) + " "; };
    for (const auto& o : w.odcinki)
        linie.push_back("L " + o.warstwa + " " + std::to_string(o.kolor) + " " + punkt(o.a) + punkt(o.b));
    for (const auto& f : w.figury) {
        std::string l = "F " + std::to_string(f.kolorPiora) + " " + std::to_string(f.kolorWypelnienia) + " ";
        for (const PunktXY& p : f.punkty)
            l += punkt(p);
        linie.push_back(l);
    }
    for (const auto& a : w.luki)
        linie.push_back("A " + a.warstwa + " " + punkt(a.srodek) + std::to_string(a.r) + " " +
                        std::to_string(a.poczatek) + " " + std::to_string(a.koniec));
    for (const auto& n : w.napisy)
        linie.push_back("T " + n.warstwa + " " + n.tekst + " " + punkt(n.kotwica) + std::to_string(n.kat));
    return linie;
}

// The records of one kind in variant 0.
template <class T>
std::vector<int> RekordyWariantu0(const std::vector<T>& rekordy)
{
    std::vector<int> wynik;
    for (std::size_t i = 0; i < rekordy.size(); ++i)
        if (rekordy[i].NrWariantu == 0)
            wynik.push_back(static_cast<int>(i));
    return wynik;
}

class WarstwyRysunku : public ArkuszMieszanyTest {
protected:
    // The record of node `wezel` in variant `wariant`.
    static int Rekord(int wezel, int wariant)
    {
        for (int i = 0; i < LiczbaRuchoplanow(); ++i)
            if (Ruchoplany[i].NrWezla == wezel && Ruchoplany[i].NrWariantu == wariant)
                return i;
        return -1;
    }

    // A data window's commit of one volume: the diagram is to be computed.
    static void NoweNatezenie(int rekord, int32_t natezenie)
    {
        Ruchoplany[rekord].Natezenia[1] = natezenie;
        Ruchoplany[rekord].Obliczony = 0;
    }

    static QImage Bitmapa() { return Form1->BitmapaRysunku.copy(); }

    static QImage PelnyRysunek()
    {
        Form1->Przerysuj();
        return Bitmapa();
    }

    // The slider window on the length of arm E of record `rekord`, as the
    // geometry window opens it.
    static void OtworzSuwak(int rekord)
    {
        Ruchoplany[rekord].Globalne = 0;
        GeometriaRuchoplan->L_NrRupl->setText(QString::number(rekord));
        GeometriaRuchoplan->FormShow();
        UstawSuwak->L_NrRupl->setText(QString::number(rekord));
        UstawSuwak->FormShow();
        UstawSuwak->RB_2->click();
    }

    static QImage Przesun(int dziesiateCm)
    {
        UstawSuwak->SB_L->setValue(dziesiateCm);
        return Bitmapa();
    }

    // Moves of the slider on node 22 (in the middle of the junctions, with
    // junctions drawn before and after it overlapping it): the first draws
    // the layers, the later ones put them together; after the first and
    // after the third the picture is a full redraw's.
    void SprawdzPrzesuniecia(int wariant)
    {
        const QImage przed = PelnyRysunek();
        OtworzSuwak(Rekord(22, 0));
        const LicznikiWarstw start = WarstwyLiczniki();
        const QImage pierwszy = Przesun(110);
        EXPECT_EQ(WarstwyLiczniki().narysowane, start.narysowane + 1);
        EXPECT_FALSE(pierwszy == przed) << "the move should show";
        EXPECT_TRUE(pierwszy == PelnyRysunek()) << "first move";

        Przesun(40);
        Przesun(150);
        const QImage trzeci = Przesun(95);
        EXPECT_EQ(WarstwyLiczniki().narysowane, start.narysowane + 2);
        EXPECT_EQ(WarstwyLiczniki().zlozone, start.zlozone + 2);
        EXPECT_EQ(Ruchoplany[Rekord(22, wariant)].Obliczony, 1);
        EXPECT_TRUE(trzeci == PelnyRysunek()) << "later move";
    }
};

// The part under a diagram, the diagram and the part over it, drawn one
// after another, give the whole sheet's figures in the sheet's order: for a
// junction diagram and a roundabout, the first, one in the middle, the last.
TEST_F(WarstwyRysunku, CzesciSkladajaSieNaCalyArkusz)
{
    PrzygotujArkuszWariantu(0);
    auto rysuj = [](std::initializer_list<WarstwaArkusza> czesci) {
        WyjscieNagrywajace nagrywanie(true);
        const ZachowajWyjscia tylkoEkran(true, false, false);
        const PodlaczWyjscie podlacz(Kanal::Ekran, nagrywanie);
        for (const WarstwaArkusza& c : czesci)
            RysujArkuszWariantu(0, nullptr, nullptr, c);
        return Zapis(nagrywanie);
    };
    using Czesc = WarstwaArkusza::Czesc;
    const std::vector<std::string> calosc = rysuj({{}});
    for (bool rondo : {false, true}) {
        const std::vector<int> rekordy = rondo ? RekordyWariantu0(Ronda) : RekordyWariantu0(Ruchoplany);
        ASSERT_GE(rekordy.size(), 3u);
        for (int rekord : {rekordy.front(), rekordy[rekordy.size() / 2], rekordy.back()}) {
            const std::vector<std::string> diagram = rysuj({{Czesc::Diagram, rekord, rondo}});
            EXPECT_GT(diagram.size(), 20u) << rekord;
            EXPECT_LT(diagram.size() * 5, calosc.size()) << rekord;
            EXPECT_EQ(rysuj({{Czesc::Pod, rekord, rondo}, {Czesc::Diagram, rekord, rondo}, {Czesc::Nad, rekord, rondo}}),
                      calosc)
                << (rondo ? "roundabout " : "junction ") << rekord;
        }
    }
}

TEST_F(WarstwyRysunku, PrzesunieciaTakieJakPelnyRysunek)
{
    for (int watkow : {1, 8}) {
        UstawWatkiRysowania(watkow);
        SprawdzPrzesuniecia(0);
    }
}

// The slider of the first variant's record moves the node's diagram shown in
// the second; labels in TrueType; a view zoomed into the sheet's middle.
TEST_F(WarstwyRysunku, DrugiWariantTrueTypeIPowiekszenie)
{
    UstawWatkiRysowania(3);
    BiezacyWariant = 1;
    SprawdzPrzesuniecia(1);
    TekstTT = true;
    SprawdzPrzesuniecia(1);
    Skala /= 3.0;
    SrodekY = 60.0;
    SprawdzPrzesuniecia(1);
}

// The geometry window's live changes of the diagram (a colour of a
// relation, the global group's step) go the same way.
TEST_F(WarstwyRysunku, ZmianyOknaGeometrii)
{
    UstawWatkiRysowania(8);
    Form1->Przerysuj();
    OtworzSuwak(Rekord(22, 0));
    Przesun(130);
    const LicznikiWarstw start = WarstwyLiczniki();
    GeometriaRuchoplan->RB_Globalne->click();
    GeometriaRuchoplan->B_WGlobalnePlusClick();
    const QImage zmiana = Bitmapa();
    EXPECT_EQ(WarstwyLiczniki().zlozone, start.zlozone + 2);
    EXPECT_TRUE(zmiana == PelnyRysunek());
}

// The roundabout geometry window's steps redraw the one roundabout the same
// way, between the roundabouts drawn before and after it.
TEST_F(WarstwyRysunku, KrokiOknaRonda)
{
    UstawWatkiRysowania(8);
    // The fifth of the ten in the first variant.
    int rondo = -1;
    for (int i = 0, w0 = 0; i < LiczbaRond(); ++i)
        if (Ronda[static_cast<std::size_t>(i)].NrWariantu == 0 && ++w0 == 5)
            rondo = i;
    ASSERT_GE(rondo, 0);
    const QImage przed = PelnyRysunek();
    GeometriaRondo->L_NrRonda->setText(QString::number(rondo));
    GeometriaRondo->FormShow();
    const LicznikiWarstw start = WarstwyLiczniki();
    GeometriaRondo->B_GPromienPlus->click();
    const QImage pierwszy = Bitmapa();
    EXPECT_EQ(WarstwyLiczniki().narysowane, start.narysowane + 1);
    EXPECT_FALSE(pierwszy == przed) << "the step should show";
    EXPECT_TRUE(pierwszy == PelnyRysunek()) << "first step";

    GeometriaRondo->B_GPromienPlus->click();
    GeometriaRondo->B_DlugoscPlus->click();
    GeometriaRondo->B_OdsunMinus->click();
    const QImage trzeci = Bitmapa();
    EXPECT_EQ(WarstwyLiczniki().zlozone, start.zlozone + 2);
    EXPECT_TRUE(trzeci == PelnyRysunek()) << "later step";
}

// After the layers serve, a change of anything else, made without a full
// redraw, then a move: the picture is a full redraw's, never the layers'.
TEST_F(WarstwyRysunku, ZmianaGdzieIndziejNieZWarstwStarych)
{
    UstawWatkiRysowania(8);
    const int rekord = Rekord(22, 0);
    const std::vector<std::pair<const char*, std::function<void()>>> zmiany = {
        {"volumes of the diagram before", [] { NoweNatezenie(Rekord(21, 0), 900); }},
        {"volumes of the diagram after", [] { NoweNatezenie(Rekord(25, 0), 5); }},
        {"a diagram's title moved", [] {
             Ruchoplany[Rekord(19, 0)].TytulDx += 3.0f;
             ZmienionoProjekt();
         }},
        {"a roundabout recomputed", [] { Ronda[2].Macierz[0][1] = 400; Ronda[2].Obliczony = 0; }},
        {"zoom", [] { Skala /= 1.5; }},
        {"pan", [] { SrodekX += 4.0; SrodekY -= 7.0; }},
        {"another variant", [] { BiezacyWariant = 1; }},
        {"view resized", [] { Form1->Podglad->setFixedSize(700, 520); }},
        {"grid off", [] { wg.Siatka = 0; }},
        {"legend moved", [] { wg.LegendaPrzejscX -= 10.0f; }},
        {"description edited", [] { Opisy[1].Tekst = "Inny opis"; }},
        {"front block moved", [] { Bloki[1].X += 5.0f; }},
        {"variant's title", [] { Warianty[static_cast<std::size_t>(BiezacyWariant)].Tytul1 = "Nowy tytul"; }},
        {"another node renamed", [] { Wezly[21].Nazwa = "Inna nazwa"; }},
        {"labels in TrueType", [] { TekstTT = true; }},
        {"project opened", [] {
             ZbudujArkuszMieszany();
             for (DaneRuchoplan& r : Ruchoplany)
                 r.Natezenia[3] += 40;
         }},
    };
    for (const auto& [opis, zmien] : zmiany) {
        Form1->Przerysuj();
        OtworzSuwak(rekord);
        Przesun(70);
        Przesun(90);
        const LicznikiWarstw przed = WarstwyLiczniki();
        zmien();
        const QImage ruch = Przesun(110);
        EXPECT_EQ(WarstwyLiczniki().zlozone, przed.zlozone) << opis;
        EXPECT_TRUE(ruch == PelnyRysunek()) << opis;
    }
}

// A store into another diagram draws the layers anew, even where the
// record's own bytes stay as they were: its bands, computed and kept behind
// a pointer, no longer drawn.
TEST_F(WarstwyRysunku, ZapisInnegoDiagramuRysujeWarstwyOdNowa)
{
    UstawWatkiRysowania(8);
    Form1->Przerysuj();
    OtworzSuwak(Rekord(22, 0));
    Przesun(70);
    Przesun(90);
    const LicznikiWarstw przed = WarstwyLiczniki();
    for (DanaRelacja& r : Ruchoplany[Rekord(25, 0)].Relacje)
        r.Rysuj = 0;
    ZmienionoProjekt();
    const uint64_t rewizja = RewizjaProjektu();
    const QImage ruch = Przesun(110);
    EXPECT_GT(RewizjaProjektu(), rewizja) << "the slider's own store";
    EXPECT_EQ(WarstwyLiczniki().narysowane, przed.narysowane + 1);
    EXPECT_EQ(WarstwyLiczniki().zlozone, przed.zlozone);
    EXPECT_TRUE(ruch == PelnyRysunek());
    // The slider's own stores keep the layers drawn after the full redraw.
    Przesun(60);
    Przesun(50);
    EXPECT_EQ(WarstwyLiczniki().narysowane, przed.narysowane + 2);
    EXPECT_EQ(WarstwyLiczniki().zlozone, przed.zlozone + 1);
}

// The layers step aside where they cannot serve; the full redraw then draws.
TEST_F(WarstwyRysunku, TylkoWlasnaBitmapaEkranu)
{
    Form1->Przerysuj();
    const int rekord = Rekord(22, 0);
    const ZmianaDiagramu zmiana{0, rekord, false, nullptr, [] {}, RewizjaProjektu()};
    {
        const ZachowajWyjscia zDrukarka(true, true, false);
        EXPECT_FALSE(RysujZmianeNaWarstwach(zmiana));
    }
    Plotno* bitmapy = PlotnoEkranu();
    UstawPlotnoEkranu(nullptr);
    EXPECT_FALSE(RysujZmianeNaWarstwach(zmiana));
    UstawPlotnoEkranu(bitmapy);
    // Another diagram waits to be computed: nothing is computed here.
    Ruchoplany[rekord].Obliczony = 0;
    Ruchoplany[Rekord(3, 0)].Obliczony = 0;
    EXPECT_FALSE(RysujZmianeNaWarstwach(zmiana));
    EXPECT_EQ(Ruchoplany[rekord].Obliczony, 0);
    // With the others computed it serves, and computes the diagram.
    Ruchoplany[Rekord(3, 0)].Obliczony = 1;
    EXPECT_TRUE(RysujZmianeNaWarstwach(zmiana));
    EXPECT_EQ(Ruchoplany[rekord].Obliczony, 1);
}

// A project without variants shows its prompts: the slider redraws in full.
TEST_F(WarstwyRysunku, BezWariantowPelnyRysunek)
{
    ZbudujProjekt(6, 0);
    Form1->Przerysuj();
    const LicznikiWarstw przed = WarstwyLiczniki();
    OtworzSuwak(2);
    const QImage ruch = Przesun(120);
    EXPECT_EQ(WarstwyLiczniki().narysowane, przed.narysowane);
    EXPECT_EQ(WarstwyLiczniki().zlozone, przed.zlozone);
    EXPECT_TRUE(ruch == PelnyRysunek());
}

} // namespace
