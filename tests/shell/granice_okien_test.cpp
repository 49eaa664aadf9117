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
#include "pomoc.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TWrnt.h"

namespace {

// A window as the test drives it: filled from the project, then committed
// the way its button does.
struct Okno {
    const char* nazwa;
    std::function<QWidget*()> okno;
    std::function<void()> wypelnij;
    std::function<void()> zatwierdz;
};

struct PoleOkna {
    const char* okno;
    const char* pole;  // objectName of the edit, or of the combo box it belongs to
    const GranicaPola& granica;
};

// The texts every field is tried with: the set any user may type, and the
// limit's own bounds with the values just beyond them.
std::vector<std::string> Proby(const GranicaPola& g)
{
    const double krok = g.Calkowita() ? 1.0 : 0.01;
    return {"",
            "-1",
            "0",
            TekstGranicy(g.max),
            TekstGranicy(g.max + krok),
            TekstGranicy(g.min),
            TekstGranicy(g.min - krok),
            "1e308",
            "nan",
            "inf",
            "abc",
            "123456789012345678901234567890",
            "1,5",
            "1.5"};
}

QLineEdit* Edycja(QWidget* okno, const char* nazwa)
{
    if (auto* e = okno->findChild<QLineEdit*>(nazwa))
        return e;
    auto* c = okno->findChild<QComboBox*>(nazwa);
    return c ? c->lineEdit() : nullptr;
}

class GraniceOkienTest : public ProgramTest {
protected:
    std::vector<Okno> okna;

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
        };
    }

    const Okno& OknoPola(const PoleOkna& p) const
    {
        for (const Okno& o : okna)
            if (std::string_view(o.nazwa) == p.okno)
                return o;
        throw std::logic_error(p.okno);
    }

    void Sprawdz(std::initializer_list<PoleOkna> pola)
    {
        const Projekt baza = BiezacyProjekt;
        const std::vector<std::string> linieBazy = LinieProjektu();
        const std::string plik = Sciezka("proba.rup");
        // An untouched window stores without a word.
        for (const Okno& o : okna) {
            o.wypelnij();
            const std::size_t przed = dialogi.Teksty().size();
            o.zatwierdz();
            EXPECT_EQ(dialogi.Teksty().size(), przed) << o.nazwa << ": " << Komunikaty().back();
            BiezacyProjekt = baza;
        }
        for (const PoleOkna& p : pola) {
            const Okno& o = OknoPola(p);
            for (const std::string& tekst : Proby(p.granica)) {
                SCOPED_TRACE(std::string(p.okno) + "." + p.pole + " = \"" + tekst + "\"");
                BiezacyProjekt = baza;
                o.wypelnij();
                QLineEdit* e = Edycja(o.okno(), p.pole);
                ASSERT_NE(e, nullptr);
                e->setText(NaQString(tekst));
                emit e->textEdited(e->text());
                const std::size_t przed = dialogi.Teksty().size();
                o.zatwierdz();
                // Beyond the table: refused. Within it a window may still
                // refuse by a rule of its own (a length of at least 2 cm);
                // whatever it stores must open again.
                double x = 0.0;
                std::string k;
                if (!CzytajWartosc(p.granica, tekst, x, k)) {
                    EXPECT_GT(dialogi.Teksty().size(), przed) << "refused with a message";
                    EXPECT_EQ(LinieProjektu(), linieBazy) << "nothing stored";
                    continue;
                }
                ASSERT_TRUE(ZapiszProjekt(plik));
                Projekt odczytany;
                std::string blad;
                EXPECT_TRUE(CzytajProjekt(plik, odczytany, blad)) << Cp1250NaUtf8(blad);
            }
        }
        BiezacyProjekt = baza;
    }
};

TEST_F(GraniceOkienTest, WezelIPanelWspolrzednych)
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

TEST_F(GraniceOkienTest, OknaRuchoplanuISiatka)
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

TEST_F(GraniceOkienTest, UstawieniaIWarianty)
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

}  // namespace
