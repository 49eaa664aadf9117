// The roundabout geometry window: set, checked and corrected for every
// variant of the node, the step buttons and the defaults.
#include <QCheckBox>
#include <cmath>

#include "junction_forms/TGeometriaRondo.h"
#include "platform/qt/KsztaltKoloru.h"
#include "ronda.h"

namespace {

using GeometriaRonda = RondaTest;

TEST_F(GeometriaRonda, UstawionaDlaKazdegoWariantuWezla)
{
    const int n = Rekord(0, 1);
    PokazGeometrie(n);
    EXPECT_EQ(GeometriaRondo->CB_IloscWW->currentText(), "3");
    EXPECT_EQ(PoleG("E_A2")->text(), "90");
    EXPECT_EQ(PoleG("E_Lc1")->text(), "4") << "7 cm from the centre less the island's 3";
    EXPECT_TRUE(PoleG("E_A4")->isHidden());
    Liczba(GeometriaRondo->CB_IloscWW, "4");
    EXPECT_FALSE(PoleG("E_A4")->isHidden());
    const char* const katy[4] = {"10", "100,5", "200", "300"};
    for (int k = 1; k <= 4; ++k)
        Wpisz(PoleG(("E_A" + std::to_string(k)).c_str()), katy[k - 1]);
    Wpisz(PoleG("E_Lc2"), "5.5");
    Wpisz(PoleG("E_rm3"), "1,5");
    Wpisz(PoleG("E_O4"), "0.7");
    Wpisz(PoleG("E_R"), "4");
    Wpisz(PoleG("E_ozn4"), "X Y");
    Wpisz(PoleG("E_Opis41"), "Kraków");
    Kontrolka<QCheckBox>(GeometriaRondo, "CB_Przejscie2")->click();
    GeometriaRondo->WprowadzClick();
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_TRUE(ProjektZmieniony);
    // Both variants of node 0 carry the geometry; node 1 keeps its own.
    for (int wariant : {0, 1}) {
        const DaneRondo& r = Ronda[Rekord(0, wariant)];
        EXPECT_EQ(r.GeometriaWprowadzona, 1);
        EXPECT_EQ(r.LiczbaRamion, 4);
        EXPECT_EQ(r.Ramie, (std::array<uint8_t, 5>{1, 1, 1, 1, 0}));
        EXPECT_FLOAT_EQ(r.Kat[1], static_cast<float>(100.5 * 3.141592654 / 180.0));
        EXPECT_FLOAT_EQ(r.PromienR, 4.0f);
        EXPECT_FLOAT_EQ(r.PromienWewn, 4.0f);
        EXPECT_FLOAT_EQ(r.Dlugosc[1], 9.5f) << "5.5 beyond an island of 4";
        EXPECT_FLOAT_EQ(r.DlugoscPom[1], 8.5f);
        EXPECT_FLOAT_EQ(r.Promien[2], 1.5f);
        EXPECT_FLOAT_EQ(r.Odsuniecie[3], 0.7f);
        EXPECT_EQ(r.Oznaczenie[3].str(), "XY");
        EXPECT_EQ(r.OpisyRamion[3][0].str(), "Krak\xf3w");
        EXPECT_EQ(r.Przejscie[1], 0);
        if (wariant == BiezacyWariant) {
            EXPECT_EQ(r.Obliczony, 1) << "the window's redraw computed it";
        }
    }
    EXPECT_EQ(Ronda[Rekord(1, 0)].LiczbaRamion, 3);
    EXPECT_EQ(Ronda[Rekord(1, 0)].GeometriaWprowadzona, 0);

    // Fewer arms keep the absent arms' values for a later return.
    PokazGeometrie(n);
    Liczba(GeometriaRondo->CB_IloscWW, "3");
    GeometriaRondo->WprowadzClick();
    EXPECT_EQ(Ronda[n].Ramie[3], 0);
    EXPECT_EQ(Ronda[n].Oznaczenie[3].str(), "XY");
    PokazGeometrie(n);
    Liczba(GeometriaRondo->CB_IloscWW, "4");
    EXPECT_EQ(PoleG("E_A4")->text(), "300");
    EXPECT_EQ(PoleG("E_O4")->text(), "0.7");
    EXPECT_FALSE(GeometriaRondo->CB_IloscWW->isEditable()) << "the arm count is picked, never typed";
}

TEST_F(GeometriaRonda, KontrolaIPoprawki)
{
    const int n = Rekord(1, 0);
    PokazGeometrie(n);
    const DaneRondo przed = Ronda[n];
    auto odrzucone = [&](const char* komunikat) {
        ProjektZmieniony = false;
        GeometriaRondo->WprowadzClick();
        ASSERT_FALSE(Komunikaty().empty());
        EXPECT_EQ(Komunikaty().back(), komunikat);
        EXPECT_EQ(Ronda[n].Kat, przed.Kat);
        EXPECT_EQ(Ronda[n].GeometriaWprowadzona, 0);
        EXPECT_FALSE(ProjektZmieniony);
    };
    // A hidden angle is checked too; a later bad group's message wins.
    Wpisz(PoleG("E_A5"), "abc");
    odrzucone("Błędna wartość kąta!");
    Wpisz(PoleG("E_R"), "x");
    odrzucone("Błędna wartość promienia R !");
    Wpisz(PoleG("E_A5"), "");
    Wpisz(PoleG("E_R"), "3");
    // Three arms: 0, 90, 80 fall back; equal neighbours pass; a fourth angle
    // below the third counts only with four arms.
    Wpisz(PoleG("E_A3"), "80");
    odrzucone("Kąty muszą ustawione być w kolejności wzrastającej!");
    EXPECT_EQ(PoleG("E_A5")->text(), "320") << "an empty angle gets its default";
    Wpisz(PoleG("E_A3"), "90");
    Wpisz(PoleG("E_A4"), "10");
    // One turn at most: 0 .. 360 would bring the last arm back onto the first.
    Wpisz(PoleG("E_A3"), "360");
    odrzucone("Kąty ramion muszą mieścić się w jednym obrocie (mniej niż 360 stopni)!");
    Wpisz(PoleG("E_A3"), "270");
    // Beyond the table of limits: the table's message naming the field.
    Wpisz(PoleG("E_Lc2"), "20000");
    odrzucone("Pole „długość ramienia 2” musi być liczbą od 0 do 10000.");
    Wpisz(PoleG("E_Lc2"), "4");
    // An arm's offset reaching the island's edge.
    Wpisz(PoleG("E_O3"), "3");
    odrzucone("Odsunięcie ramienia 3 musi być mniejsze od promienia R!");
    Wpisz(PoleG("E_O3"), "0.5");

    // Corrections: length 1.5 with radius 2 becomes 2, then 3; a radius of
    // 0.05 is corrected only after the lengths were compared with 1.05.
    Wpisz(PoleG("E_Lc1"), "1,5");
    Wpisz(PoleG("E_rm1"), "2");
    Wpisz(PoleG("E_Lc2"), "1.5");
    Wpisz(PoleG("E_rm2"), "0.05");
    Wpisz(PoleG("E_O2"), "0");
    Wpisz(PoleG("E_R"), "0.5");
    Wpisz(PoleG("E_O1"), "0.2");
    Wpisz(PoleG("E_O3"), "0.2");
    GeometriaRondo->WprowadzClick();
    EXPECT_EQ(Komunikaty().size(), 6u) << Komunikaty().back();
    EXPECT_EQ(PoleG("E_Lc1")->text(), "3");
    EXPECT_EQ(PoleG("E_Lc2")->text(), "2");
    EXPECT_EQ(PoleG("E_rm2")->text(), "0.1");
    EXPECT_EQ(PoleG("E_O2")->text(), "0.1");
    EXPECT_EQ(PoleG("E_R")->text(), "1.0");
    const DaneRondo& r = Ronda[n];
    EXPECT_FLOAT_EQ(r.PromienR, 1.0f);
    EXPECT_FLOAT_EQ(r.Dlugosc[0], 4.0f);
    EXPECT_FLOAT_EQ(r.Promien[1], 0.1f);
    EXPECT_FLOAT_EQ(r.Kat[2], static_cast<float>(270 * 3.141592654 / 180));
    EXPECT_EQ(r.GeometriaWprowadzona, 1);
}

TEST_F(GeometriaRonda, PrzyciskiKrokowITDomyslne)
{
    const int n = Rekord(0, 0);
    PokazGeometrie(n);
    // A step refuses a text that is no number with its group's message.
    Wpisz(PoleG("E_Lc5"), "?");
    GeometriaRondo->B_DlugoscPlus->click();
    EXPECT_EQ(Komunikaty().back(), "Błędna wartość długości!");
    EXPECT_EQ(PoleG("E_Lc1")->text(), "4");
    EXPECT_FALSE(ProjektZmieniony);
    // A step below 2 is corrected to 2 and stored at once, without marking
    // the node entered.
    for (int k = 1; k <= 5; ++k)
        Wpisz(PoleG(("E_Lc" + std::to_string(k)).c_str()), "2");
    GeometriaRondo->B_DlugoszMinus->click();
    EXPECT_EQ(PoleG("E_Lc1")->text(), "2");
    EXPECT_FLOAT_EQ(Ronda[n].Dlugosc[0], 5.0f);
    EXPECT_FLOAT_EQ(Ronda[Rekord(0, 1)].Dlugosc[0], 5.0f);
    EXPECT_EQ(Ronda[n].GeometriaWprowadzona, 0);
    GeometriaRondo->B_GPromienPlus->click();
    EXPECT_EQ(PoleG("E_R")->text(), "3.1");
    EXPECT_FLOAT_EQ(Ronda[n].PromienR, 3.1f);
    GeometriaRondo->B_OdsunPlus->click();
    EXPECT_FLOAT_EQ(Ronda[n].Odsuniecie[2], 0.6f);

    GeometriaRondo->Button1->click();
    EXPECT_EQ(PoleG("E_Lc3")->text(), "4.00");
    EXPECT_EQ(PoleG("E_rm3")->text(), "1.00");
    EXPECT_EQ(PoleG("E_O3")->text(), "0.50");
    EXPECT_FLOAT_EQ(Ronda[n].Dlugosc[2], 7.1f);
    EXPECT_TRUE(ProjektZmieniony);
}

TEST_F(GeometriaRonda, KoloryWlasnychUstawienWezla)
{
    const int n = Rekord(0, 0);
    PokazGeometrie(n);
    // A node on the global settings hides its colours and keeps them.
    EXPECT_TRUE(GeometriaRondo->findChild<QWidget*>("Shape11")->isHidden());
    Wezly[0].Globalne = 0;
    Wezly[0].KolorWypelnien = 0x123456;
    PokazGeometrie(n);
    EXPECT_FALSE(GeometriaRondo->findChild<QWidget*>("Shape11")->isHidden());
    EXPECT_TRUE(GeometriaRondo->findChild<QWidget*>("Shape41")->isHidden()) << "arm 4 is absent";
    GeometriaRondo->B_UstawKolorkiDomyslne->click();
    GeometriaRondo->WprowadzClick();
    for (int wariant : {0, 1}) {
        EXPECT_EQ(Ronda[Rekord(0, wariant)].KolorWlotu[4], 0x123456u);
        EXPECT_EQ(Ronda[Rekord(0, wariant)].KolorWylotu[0], 0x123456u);
    }
}

}  // namespace
