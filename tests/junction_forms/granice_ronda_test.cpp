// The roundabout windows' fields through the table of limits: a value the
// window takes is one the saved file gives back; a refused one leaves the
// project as it was, with a message.
#include <QLabel>
#include <QTabWidget>

#include "granice_okien.h"
#include "junction_forms/TDaneRonda.h"
#include "junction_forms/TGeometriaRondo.h"

namespace {

class GraniceRonda : public GraniceOkienTest {
protected:
    void SetUp() override
    {
        GraniceOkienTest::SetUp();
        Uruchom();
        NowyProjekt();
        ASSERT_EQ(DodajWezel(10.0, 10.0, "Rondo", 'R'), "");
        ASSERT_EQ(DodajWariant("Wariant 1", "", "", "", 0.0f, 0.0f, 'L'), "");
        BiezacyWariant = 0;
        // The roundabout drawn with its default geometry, so that the band
        // scale the redraws compute is the project's before any field.
        GeometriaRondo->L_NrRonda->setText("0");
        GeometriaRondo->FormShow();
        GeometriaRondo->WprowadzClick();
        ASSERT_TRUE(Komunikaty().empty());
        // The data window's pages: relations with crossings and title, and
        // the entry and exit sums.
        auto dane = [](int wewnetrzna) {
            return [wewnetrzna] {
                DaneRonda->L_NrRonda->setText("0");
                DaneRonda->FormShow();
                DaneRonda->PC_NatRond->setCurrentIndex(0);
                DaneRonda->PC_DaneRonda->setCurrentIndex(wewnetrzna);
            };
        };
        okna = {
            {"GeometriaRondo", [] { return static_cast<QWidget*>(GeometriaRondo); },
             [] {
                 GeometriaRondo->L_NrRonda->setText("0");
                 GeometriaRondo->FormShow();
             },
             [] { GeometriaRondo->WprowadzClick(); }},
            {"DaneRonda", [] { return static_cast<QWidget*>(DaneRonda); }, dane(0),
             [] { DaneRonda->WprowadzClick(); }},
            {"SumyRonda", [] { return static_cast<QWidget*>(DaneRonda); }, dane(1),
             [] { DaneRonda->WprowadzClick(); }},
        };
    }
};

TEST_F(GraniceRonda, GeometriaRelacjeSumyITytul)
{
    using namespace granice;
    Sprawdz({
        {"GeometriaRondo", "E_A2", KatStopnie, true},  // an empty angle takes its default
        {"GeometriaRondo", "E_Lc1", Wymiar},
        {"GeometriaRondo", "E_rm3", Wymiar},
        {"GeometriaRondo", "E_O2", Wymiar},
        {"GeometriaRondo", "E_R", Wymiar},
        {"DaneRonda", "nat12", Natezenie},
        {"DaneRonda", "Nat31", Natezenie},
        {"DaneRonda", "Ep_11L", Natezenie},
        {"DaneRonda", "Ep_32P", Natezenie},
        {"DaneRonda", "E_dxOpis", Przesuniecie},
        {"DaneRonda", "E_dyOpis", Przesuniecie},
        {"DaneRonda", "CB_HTytul", Wymiar},
        {"SumyRonda", "E_Nat11", Natezenie},
        {"SumyRonda", "E_Nat32", Natezenie},
    });
}

TEST_F(GraniceRonda, ZnakiSpozaKodowaniaOdrzucone)
{
    SprawdzZnaki({
        {"GeometriaRondo", "E_ozn2", "Oznaczenie ramienia"},
        {"GeometriaRondo", "E_Opis31", "Opis ramienia"},
        {"DaneRonda", "Tytul2", "Tytuł"},
    });
}

}  // namespace
