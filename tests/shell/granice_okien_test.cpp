// Every field of the table of limits through each window that edits it: a
// value a window takes is one the saved file gives back; a value it refuses
// leaves the project as it was, with a message, and the window open.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "junction_forms/OknaRuchoplanu.h"
#include "model/Granice.h"
#include "model/PlikProjektu.h"
#include "granice_okien.h"
#include "drawing/KopiaSchowka.h"
#include "model/Schowek.h"
#include "pomoc.h"
#include "shell/TEdycjaOpisy.h"
#include "shell/TKopiujSchowek.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TWrnt.h"
#include "shell/TWstawBlok.h"

namespace {

class GraniceOkienProgramu : public GraniceOkienTest {
protected:
    void Przygotuj()
    {
        Uruchom();
        ZbudujProjekt(1, 1);
        okna = {
            {"WezlyOperacje", [] { return static_cast<QWidget*>(WezlyOperacje); },
             [] {
                 WezlyOperacje->L_NrWezel->setText("0");
                 WezlyOperacje->FormShow();
             },
             [] { WezlyOperacje->ZapiszUstawieniaWezla(); }},
            {"UstawyGlobalne", [] { return static_cast<QWidget*>(UstawyGlobalne); },
             [] {
                 UstawyGlobalne->WypelnijUstawienia();
                 UstawyGlobalne->RB_RecznieArkusz->setChecked(true);
                 UstawyGlobalne->E_BArkuszUser->setText("20");
                 UstawyGlobalne->E_HArkuszUser->setText("28,7");
             },
             [] { UstawyGlobalne->ZastosujUstawienia(); }},
            {"Wrnt", [] { return static_cast<QWidget*>(Wrnt); },
             [] {
                 Wrnt->FormShow();
                 Wrnt->Lista_Wariantow->setCurrentRow(0);
                 Wrnt->Lista_WariantowClick();
             },
             [] { Wrnt->ZmienOpisWariantClick(); }},
            {"NatezeniaRUPL", [] { return static_cast<QWidget*>(NatezeniaRUPL); },
             [] {
                 NatezeniaRUPL->L_NrRupl->setText("0");
                 NatezeniaRUPL->FormShow();
             },
             [] { NatezeniaRUPL->BWprowadzClick(); }},
            {"GeometriaRuchoplan", [] { return static_cast<QWidget*>(GeometriaRuchoplan); },
             [] {
                 GeometriaRuchoplan->L_NrRupl->setText("0");
                 GeometriaRuchoplan->FormShow();
             },
             [] { GeometriaRuchoplan->B_WprowadzClick(); }},
            {"Siatka", [] { return static_cast<QWidget*>(Form1); }, [] {},
             [] { Form1->CB_SiatkaKrokExit(); }},
            {"PanelWsp", [] { return static_cast<QWidget*>(Form1); },
             [] {
                 Form1->WskWezelEdycja = 0;
                 WezlyOperacje->PokazPanelWezla();
             },
             [] { Form1->B_WstawClick(); }},
            {"EdycjaOpisy", [] { return static_cast<QWidget*>(EdycjaOpisy); },
             [] {
                 EdycjaOpisy->PrzygotujNowy();
                 EdycjaOpisy->E_txt->setText("Opis");
                 EdycjaOpisy->E_x->setText("4");
                 EdycjaOpisy->E_y->setText("6");
                 EdycjaOpisy->RB_ArkAktualny->setChecked(true);
                 EdycjaOpisy->RBRecznie->setChecked(true);
                 EdycjaOpisy->Kat->setText("0");
             },
             [] { EdycjaOpisy->B_WprowadzClick(); }},
            {"WstawBlok", [] { return static_cast<QWidget*>(WstawBlok); },
             [this] {
                 WstawBlok->PrzygotujWstawianie();
                 if (WstawBlok->LB_NazwaBlokuCzytaj->count() == 0) {
                     dialogi.SciezkiOtworz.push_back(KG_BUILD_DIR "/Dane/Bloki/Kartogram.blk");
                     WstawBlok->B_WczytajBlokiListaClick();
                 }
                 WstawBlok->LB_NazwaBlokuCzytaj->setCurrentRow(0);
                 WstawBlok->LB_NazwaBlokuCzytajClick();
                 WstawBlok->E_x->setText("10");
                 WstawBlok->E_y->setText("5");
                 WstawBlok->CB_sX->setEditText("1");
                 WstawBlok->CB_sY->setEditText("1");
                 WstawBlok->RB_ArkAktualny->setChecked(true);
             },
             [] { WstawBlok->B_WczytajBlokClick(); }},
            // The copy's settings are refreshed and stored as they are typed;
            // a refusal shows on the size label instead of the size.
            {"KopiujSchowek", [] { return static_cast<QWidget*>(KopiujSchowek); },
             [] { KopiujSchowek->FormShow(); },
             [] { KopiujSchowek->CB_IlPktCmChange(); },
             [] {
                 return KopiujSchowek->L_OpisRozmiar->text() != NaQString(TekstRozmiaruSchowka(NastawySchowek));
             }},
        };
    }

};

TEST_F(GraniceOkienProgramu, WezelIPanelWspolrzednych)
{
    Przygotuj();
    using namespace granice;
    Sprawdz({
        {"PanelWsp", "E_x", Wspolrzedna},
        {"PanelWsp", "E_y", Wspolrzedna},
        {"WezlyOperacje", "E_WspX", Wspolrzedna},
        {"WezlyOperacje", "E_wspY", Wspolrzedna},
        {"WezlyOperacje", "E_dx", Polozenie},
        {"WezlyOperacje", "E_dy", Polozenie},
        {"WezlyOperacje", "CB_HTytul", Wymiar},
        {"WezlyOperacje", "E_L1", Wymiar},
        {"WezlyOperacje", "E_L5", Wymiar},
        {"WezlyOperacje", "CB_GrLinie", GruboscLinii},
        {"WezlyOperacje", "E_LPdx", Polozenie},
        {"WezlyOperacje", "E_LSdy", Polozenie},
        {"WezlyOperacje", "E_sx", Wymiar},
        {"WezlyOperacje", "E_gr_p", GruboscLinii},
        {"WezlyOperacje", "E_Ldy", Przesuniecie},
        {"WezlyOperacje", "EO_lOpis", Wymiar},
        {"WezlyOperacje", "EO_gr_d", GruboscLinii},
    });
}

TEST_F(GraniceOkienProgramu, OknaRuchoplanuISiatka)
{
    Przygotuj();
    using namespace granice;
    Sprawdz({
        {"NatezeniaRUPL", "Nat13", Natezenie},
        {"NatezeniaRUPL", "nat42", Natezenie},
        {"NatezeniaRUPL", "Ep_23P", Natezenie},
        {"NatezeniaRUPL", "E_dxOpis", Polozenie},
        {"NatezeniaRUPL", "E_dyOpis", Polozenie},
        {"NatezeniaRUPL", "CB_HTytul", Wymiar},
        {"GeometriaRuchoplan", "alfa1", KatStopnie},
        {"GeometriaRuchoplan", "E1_O", Przesuniecie},
        {"GeometriaRuchoplan", "E2_L", Wymiar},
        {"GeometriaRuchoplan", "E3_dL", Wymiar},
        {"GeometriaRuchoplan", "E4_Rp", Wymiar},
        {"GeometriaRuchoplan", "E1_Rl", Wymiar},
        {"GeometriaRuchoplan", "E2_z", Wymiar},
        {"Siatka", "CB_SiatkaKrok", KrokSiatki},
    });
}

TEST_F(GraniceOkienProgramu, UstawieniaIWarianty)
{
    Przygotuj();
    using namespace granice;
    Sprawdz({
        {"UstawyGlobalne", "E_MinPojazd", MinPojazd},
        {"UstawyGlobalne", "E_MaxSzer", Wymiar},
        {"UstawyGlobalne", "E_Pojazd100", Wymiar},
        {"UstawyGlobalne", "E_PrzejMaxSzer", Wymiar},
        {"UstawyGlobalne", "E_Przej100", Wymiar},
        {"UstawyGlobalne", "E_PrzejL", Wymiar},
        {"UstawyGlobalne", "E_BArkuszUser", Arkusz},
        {"UstawyGlobalne", "E_HArkuszUser", Arkusz},
        {"UstawyGlobalne", "CB_GrLinie", GruboscLinii},
        {"UstawyGlobalne", "E_LPdy", Polozenie},
        {"UstawyGlobalne", "E_Sy_d", Wymiar},
        {"UstawyGlobalne", "EO_strz", Wymiar},
        {"Wrnt", "E_dx", Polozenie},
        {"Wrnt", "E_dy", Polozenie},
    });
}

TEST_F(GraniceOkienProgramu, OpisyBlokiISchowek)
{
    Przygotuj();
    // A rectangle whose copy is small at any resolution.
    NastawySchowek.X1 = NastawySchowek.Y1 = 0.0f;
    NastawySchowek.X2 = NastawySchowek.Y2 = 10.0f;
    NastawySchowek.PunktowNaCm = 20;
    KopiujSchowek->FormShow();
    using namespace granice;
    Sprawdz({
        {"EdycjaOpisy", "E_x", Polozenie},
        {"EdycjaOpisy", "E_y", Polozenie},
        {"EdycjaOpisy", "CB_sx", SzerokoscZnakuOpisu},
        {"EdycjaOpisy", "CB_sy", WysokoscOpisu},
        {"EdycjaOpisy", "CB_Grubosci", GruboscOpisu, true},
        {"EdycjaOpisy", "Kat", KatOpisu},
        {"WstawBlok", "E_x", Polozenie},
        {"WstawBlok", "E_y", Polozenie},
        {"WstawBlok", "CB_sX", SkalaBloku},
        {"WstawBlok", "CB_sY", SkalaBloku},
        {"KopiujSchowek", "E_x1", Polozenie},
        {"KopiujSchowek", "E_y2", Polozenie},
        {"KopiujSchowek", "CB_IlPktCm", PunktowNaCm},
    });
}

TEST_F(GraniceOkienProgramu, ZnakiSpozaKodowaniaOdrzucone)
{
    Przygotuj();
    // A variant added from the main window's box.
    okna.push_back({"DodajWariant", [] { return static_cast<QWidget*>(Form1); }, [] {},
                    [] { Form1->TB_DodajWariantClick(); }});
    SprawdzZnaki({
        {"WezlyOperacje", "E_OpisWezla", "Nazwa węzła"},
        {"WezlyOperacje", "Tytul2", "Tytuł"},
        {"WezlyOperacje", "E_Rowery", "Nazwa kategorii przejść"},
        {"UstawyGlobalne", "E_Inne1", "Nazwa kategorii przejść"},
        {"Wrnt", "E_Index", "Opis"},
        {"Wrnt", "Tytul3", "Tytuł"},
        {"DodajWariant", "E_Index", "Nazwa wariantu"},
        {"PanelWsp", "E_Opis", "Nazwa węzła"},
        {"NatezeniaRUPL", "Tytul1", "Tytuł"},
        {"GeometriaRuchoplan", "tekst21", "Opis ramienia"},
        {"GeometriaRuchoplan", "E_ozn3", "Oznaczenie ramienia"},
        {"EdycjaOpisy", "E_txt", "Tekst"},
    });
}

TEST_F(GraniceOkienProgramu, LiczbyZaokraglaneJakWPliku)
{
    // A block factor the file would write as 0 is refused naming it; the
    // anchor and a description's numbers are kept as the file keeps them.
    Przygotuj();
    const OknoProby& blok = OknoPola({"WstawBlok", "CB_sX", granice::SkalaBloku});
    blok.wypelnij();
    WstawBlok->CB_sY->setEditText("0,0004");
    const std::size_t bloki = Bloki.size();
    blok.zatwierdz();
    ASSERT_FALSE(Komunikaty().empty());
    EXPECT_EQ(Komunikaty().back(),
              "Pole „WSP. Y” zostałoby zapisane w pliku jako 0 (plik zapisuje je z dokładnością do 0,001).");
    EXPECT_EQ(Bloki.size(), bloki);
    blok.wypelnij();
    WstawBlok->E_x->setText("1.234");
    WstawBlok->CB_sX->setEditText("0,0006");
    blok.zatwierdz();
    ASSERT_EQ(Bloki.size(), bloki + 1);
    EXPECT_EQ(Bloki.back().X, 1.23f);
    EXPECT_EQ(Bloki.back().Sx, 0.001f);

    const OknoProby& opis = OknoPola({"EdycjaOpisy", "E_x", granice::Polozenie});
    opis.wypelnij();
    EdycjaOpisy->E_x->setText("1,234");
    EdycjaOpisy->Kat->setText("45,678");
    opis.zatwierdz();
    ASSERT_FALSE(Opisy.empty());
    EXPECT_EQ(Opisy.back().X, 1.23f);
    EXPECT_EQ(Opisy.back().Kat, 45.68f);
}

}  // namespace
