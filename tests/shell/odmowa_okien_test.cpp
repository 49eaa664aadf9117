// A refused commit changes nothing, in every window that commits into the
// project: a shipped example opened, the window opened the way the main
// window opens it, several of its fields changed and one of them to a value
// it refuses, its commit button pressed. The refusal is told, the window
// stays open, and the saved project and its changed flag are as before.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <functional>

#include "granice_okien.h"
#include "drawing/KopiaSchowka.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "junction_forms/TDaneRonda.h"
#include "junction_forms/TGeometriaRondo.h"
#include "model/Schowek.h"
#include "counts/OknaPomiarow.h"
#include "counts/TTabelaPrognoz.h"
#include "pomoc.h"
#include "shell/TEdycjaOpisy.h"
#include "shell/TKopiujSchowek.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TWrnt.h"
#include "shell/TWstawBlok.h"

namespace {

// A field as the user changes it: text typed into an edit (or a combo box's
// edit), a button clicked when the text is empty, a grid cell written. The
// value refused has a good one beside it, with which the commit stores ("":
// the field left as shown).
struct Zmiana {
    const char* pole;
    std::string tekst;   // UTF-8
    const char* dobra = nullptr;
    int wiersz = -1, kolumna = -1;
};

struct OdmowaOkna {
    const char* opis;
    const char* przyklad;                  // the example project
    std::function<QWidget*()> okno;
    std::function<void()> otworz;          // opens the window modally, as the main window does
    std::function<void()> przygotuj;       // what the user does first in the open window (a page, a row)
    std::vector<Zmiana> zmiany;
    const char* przycisk;                  // the commit button
    std::function<bool()> odmowil = nullptr;   // by default a refusal is a message box
};

std::string Dlugi(std::size_t n) { return std::string(n, 'x'); }

class OdmowaOkien : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
    }

    void Otworz(const char* przyklad)
    {
        // Opened whatever a case before left: no question about saving.
        ProjektZmieniony = false;
        dialogi.SciezkiOtworz.push_back(KG_BUILD_DIR "/Przyklady/" + std::string(przyklad));
        Form1->BOtworzClick();
        ASSERT_EQ(Form1->Sciezka(), KG_BUILD_DIR "/Przyklady/" + std::string(przyklad));
        // The sheet as the user sees it: the redraw sets what it computes.
        Form1->Przerysuj();
        ProjektZmieniony = false;
    }

    static void Zmien(QWidget* okno, const Zmiana& z)
    {
        QWidget* w = okno->findChild<QWidget*>(z.pole);
        ASSERT_NE(w, nullptr) << z.pole;
        if (auto* t = qobject_cast<QTableWidget*>(w)) {
            ASSERT_NE(t->item(z.wiersz, z.kolumna), nullptr) << z.pole;
            t->item(z.wiersz, z.kolumna)->setText(QString::fromStdString(z.tekst));
            return;
        }
        QLineEdit* e = Edycja(okno, z.pole);
        if (e && !qobject_cast<QAbstractButton*>(w)) {
            e->setText(QString::fromStdString(z.tekst));
            emit e->textEdited(e->text());
            return;
        }
        auto* b = qobject_cast<QAbstractButton*>(w);
        ASSERT_NE(b, nullptr) << z.pole;
        b->click();
    }

    // A data window's changes after a new title, offset and alignment.
    static std::vector<Zmiana> ZTytulem(std::vector<Zmiana> zmiany)
    {
        std::vector<Zmiana> w = {{"Tytul1", "Nowy tytuł"}, {"E_dxOpis", "7"}, {"RB_prawy", ""}};
        w.insert(w.end(), zmiany.begin(), zmiany.end());
        return w;
    }

    struct Przebieg {
        bool wykonano = false, otwarte = false, odmowa = false;
    };

    // The window opened on the example, changed and committed; with `dobre`
    // the refused value replaced by its good one.
    Przebieg Zatwierdz(const OdmowaOkna& o, bool dobre)
    {
        const std::size_t komunikatow = dialogi.Teksty().size();
        Przebieg p;
        // Run once the window is shown (a window opened from another one
        // shows after that one).
        std::function<void()> wPokazanym;
        wPokazanym = [&] {
            QWidget* okno = o.okno();
            if (!okno->isVisible()) {
                QTimer::singleShot(0, okno, wPokazanym);
                return;
            }
            if (o.przygotuj)
                o.przygotuj();
            for (Zmiana z : o.zmiany) {
                if (dobre && z.dobra && !*z.dobra)
                    continue;
                if (dobre && z.dobra)
                    z.tekst = z.dobra;
                Zmien(okno, z);
            }
            if (auto* przycisk = okno->findChild<QAbstractButton*>(o.przycisk)) {
                przycisk->click();
                p.wykonano = true;
            }
            p.odmowa = o.odmowil ? o.odmowil() : dialogi.Teksty().size() > komunikatow;
            p.otwarte = okno->isVisible();
            if (auto* d = qobject_cast<QDialog*>(okno); d && d->isVisible())
                d->reject();
        };
        QTimer::singleShot(0, o.okno(), wPokazanym);
        o.otworz();
        // A panel of the main window is no modal window: its events run here.
        for (int i = 0; i < 100 && !p.wykonano; ++i)
            QCoreApplication::processEvents();
        return p;
    }

    void Sprawdz(const OdmowaOkna& o)
    {
        SCOPED_TRACE(o.opis);
        Otworz(o.przyklad);
        const std::vector<std::string> przed = LinieProjektu();
        const bool zmienionyPrzed = ProjektZmieniony;
        const Przebieg p = Zatwierdz(o, false);
        ASSERT_TRUE(p.wykonano) << "no button " << o.przycisk;
        EXPECT_TRUE(p.odmowa) << "refused with a message";
        EXPECT_TRUE(p.otwarte) << "the window stays open";
        EXPECT_TRUE(TeSameLinie(LinieProjektu(), przed)) << "nothing stored";
        EXPECT_EQ(ProjektZmieniony, zmienionyPrzed);
        // The same changes with a good value are stored: the test changed
        // what the window commits.
        Otworz(o.przyklad);
        const Przebieg d = Zatwierdz(o, true);
        EXPECT_FALSE(d.odmowa) << "a good value: "
                               << (dialogi.Teksty().empty() ? "" : Cp1250NaUtf8(dialogi.OstatniTekst()));
        EXPECT_FALSE(LinieProjektu() == przed) << "a good value is stored";
        EXPECT_TRUE(ProjektZmieniony);
        ProjektZmieniony = false;
    }
};

// The junction data window on each of its pages, each with the title changed.
TEST_F(OdmowaOkien, OknaRuchoplanu)
{
    auto strona = [](int s) {
        return [s] { NatezeniaRUPL->PC_NatRupl->setCurrentIndex(s); };
    };
    auto dane = [] { Form1->OtworzDaneRuchoplanu(0); };
    auto okno = [] { return static_cast<QWidget*>(NatezeniaRUPL); };
    const char* przyklad = "Skrzyzowanie_miejskie.rup";
    for (const OdmowaOkna& o : std::vector<OdmowaOkna>{
             {"relacje", przyklad, okno, dane, strona(0),
              ZTytulem({{"RB_DaneNatezenia", ""}, {"Nat13", "120"}, {"nat42", "abc", "8"}}), "BWprowadz"},
             {"przejscia", przyklad, okno, dane, strona(1),
              ZTytulem({{"Ep_23P", "40"}, {"Ep_11L", "-3", "3"}}), "BWprowadz"},
             {"pomiar", przyklad, okno, dane, strona(2),
              ZTytulem({{"SG_Tabela", "2", nullptr, 1, 2}, {"SG_Tabela", "x", "1,5", 4, 2}}), "BWprowadz"},
             {"struktura", przyklad, okno, dane, strona(3),
              ZTytulem({{"SG_Stru", "12", nullptr, 0, 1}, {"SG_Stru", "1,5", "4", 1, 1}}), "BWprowadz"},
             {"tytul", przyklad, okno, dane, strona(0),
              ZTytulem({{"Tytul2", Dlugi(300), "Drugi wiersz"}}), "BWprowadz"},
             {"geometria", przyklad, [] { return static_cast<QWidget*>(GeometriaRuchoplan); },
              [] { Form1->OtworzGeometrieRuchoplanu(0); }, nullptr,
              {{"alfa1", "10"}, {"E1_O", "0,5"}, {"E3_dL", "2"}, {"E2_L", "abc", "6"}}, "B_Wprowadz"},
         })
        Sprawdz(o);
}

// The forecast table, opened from a data window's count page: a refused
// forecast left by "Rezygnuj" turns no forecast on, and the data window left
// by its own "Rezygnuj" stores nothing.
TEST_F(OdmowaOkien, TabelaPrognoz)
{
    auto prognoza = [](QDialog* dane, QTabWidget* strony, QPushButton* b_prognoza, std::function<void()> otworz) {
        return [=] {
            QTimer::singleShot(0, dane, [=] {
                strony->setCurrentIndex(2);
                b_prognoza->click();
                dane->reject();
            });
            otworz();
        };
    };
    auto okno = [] { return static_cast<QWidget*>(TabelaPrognoz); };
    const std::vector<Zmiana> komorki = {{"SG_Pojazdy", "10", nullptr, 0, 2}, {"SG_Pojazdy", "abc%", "20%", 2, 2},
                                         {"SG_Przejscia", "5", nullptr, 0, 2}};
    for (const OdmowaOkna& o : std::vector<OdmowaOkna>{
             {"ruchoplan", "Skrzyzowanie_miejskie.rup", okno,
              prognoza(NatezeniaRUPL, NatezeniaRUPL->PC_NatRupl, NatezeniaRUPL->B_Prognoza,
                       [] { Form1->OtworzDaneRuchoplanu(0); }),
              nullptr, komorki, "B_Wprowadz"},
             {"rondo", "Rondo.rup", okno,
              prognoza(DaneRonda, DaneRonda->PC_NatRond, DaneRonda->B_Prognoza, [] { Form1->OtworzDaneRonda(0); }),
              nullptr, komorki, "B_Wprowadz"},
         })
        Sprawdz(o);
}

// The roundabout data window on each of its pages and its geometry window.
TEST_F(OdmowaOkien, OknaRonda)
{
    auto strona = [](int s, int wewnetrzna) {
        return [s, wewnetrzna] {
            DaneRonda->PC_NatRond->setCurrentIndex(s);
            DaneRonda->PC_DaneRonda->setCurrentIndex(wewnetrzna);
        };
    };
    auto dane = [] { Form1->OtworzDaneRonda(0); };
    auto okno = [] { return static_cast<QWidget*>(DaneRonda); };
    const char* przyklad = "Rondo.rup";
    const std::string pelny = Dlugi(70);
    for (const OdmowaOkna& o : std::vector<OdmowaOkna>{
             // The structure chosen as the data source, a relation that is no number.
             {"relacje", przyklad, okno, dane, strona(0, 0),
              ZTytulem({{"RB_DaneStruktura", ""}, {"nat12", "abc", "12"}, {"Nat23", "15"},
                        {"SG_Stru", "7", nullptr, 0, 1}}),
              "Wprowadz"},
             {"sumy", przyklad, okno, dane, strona(0, 1), ZTytulem({{"E_Nat22", "x", ""}}), "Wprowadz"},
             {"przejscia", przyklad, okno, dane, strona(1, 0),
              ZTytulem({{"Ep_11L", "5"}, {"Ep_21P", "-1", "1"}}), "Wprowadz"},
             {"pomiar", przyklad, okno, dane, strona(2, 0),
              ZTytulem({{"SG_Tabela", "2", nullptr, 1, 2}, {"SG_Tabela", "x", "1,5", 4, 2}}), "Wprowadz"},
             {"struktura", przyklad, okno, dane, strona(3, 0),
              ZTytulem({{"SG_Stru", "12", nullptr, 0, 1}, {"CB_HTytul", "abc", "1,2"}}), "Wprowadz"},
             // A title the record cannot hold is refused, not cut.
             {"tytul", przyklad, okno, dane, strona(0, 0),
              ZTytulem({{"Tytul3", Dlugi(90), pelny.c_str()}}), "Wprowadz"},
             {"geometria", przyklad, [] { return static_cast<QWidget*>(GeometriaRondo); },
              [] { Form1->OtworzGeometrieRonda(0); }, nullptr,
              {{"E_Lc1", "9"}, {"E_ozn2", "Q"}, {"CB_Strz3", ""}, {"E_rm3", "abc", "1,5"}}, "Wprowadz"},
         })
        Sprawdz(o);
}

// The main window's node, variant, settings, block, description and
// clipboard windows, and its node panel.
TEST_F(OdmowaOkien, OknaProgramu)
{
    const char* siec = "Siec_ul_Dlugiej.rup";
    auto wezel = [] {
        WezlyOperacje->L_NrWezel->setText("0");
        WezlyOperacje->exec();
    };
    auto warianty = [] {
        Wrnt->Lista_Wariantow->setCurrentRow(0);
        Wrnt->Lista_WariantowClick();
    };
    auto biblioteka = [this] {
        dialogi.SciezkiOtworz.push_back(KG_BUILD_DIR "/Dane/Bloki/Kartogram.blk");
        WstawBlok->B_WczytajBlokiListaClick();
        WstawBlok->LB_NazwaBlokuCzytaj->setCurrentRow(0);
        WstawBlok->LB_NazwaBlokuCzytajClick();
    };
    // A colour picked in the colour dialog.
    auto kolor = [this] { dialogi.Kolory.push_back(0x336699); };
    // A refusal shows on the size label in place of the size or the copy's report.
    auto schowekOdmowil = [] {
        const QString opis = KopiujSchowek->L_OpisRozmiar->text();
        return opis != NaQString(TekstRozmiaruSchowka(NastawySchowek)) &&
               opis != QString::fromUtf8("Wskazany fragment rysunku skopiowano do schowka");
    };
    for (const OdmowaOkna& o : std::vector<OdmowaOkna>{
             {"wezel", siec, [] { return static_cast<QWidget*>(WezlyOperacje); }, wezel, nullptr,
              {{"E_OpisWezla", "Nowa nazwa"}, {"E_WspX", "12"}, {"Tytul1", "Tytuł"}, {"E_wspY", "abc", "14"}},
              "B_Powrot"},
             // Only the title template: stored, it marks the project changed too.
             {"wezel, przerysuj", siec, [] { return static_cast<QWidget*>(WezlyOperacje); }, wezel, nullptr,
              {{"Tytul1", "Szablon"}, {"Tytul2", Dlugi(300), "Tytuł"}}, "B_Przerys"},
             // A step button stores at once, through the same checks.
             {"wezel, krok", siec, [] { return static_cast<QWidget*>(WezlyOperacje); }, wezel, nullptr,
              {{"Tytul3", "Trzeci"}, {"E_wspY", "abc", "14"}}, "B_WspXPlus"},
             // The main window's panel of a new node, and of a node's place.
             {"nowy wezel", siec, [] { return static_cast<QWidget*>(Form1); }, [] { Form1->TB_DodajRuplClick(); },
              nullptr, {{"E_x", "80"}, {"E_y", "80"}, {"E_Opis", Dlugi(300), "Nowy"}}, "B_Wstaw"},
             {"polozenie wezla", siec, [] { return static_cast<QWidget*>(Form1); },
              [] {
                  Form1->WskWezelEdycja = 0;
                  WezlyOperacje->PokazPanelWezla();
              },
              nullptr, {{"E_x", "81"}, {"E_y", "1e9", "81"}}, "B_Wstaw"},
             {"warianty", siec, [] { return static_cast<QWidget*>(Wrnt); }, [] { Form1->TB_EdycjaWariantowClick(); },
              warianty, {{"E_Index", "Inny"}, {"Tytul1", "Tytuł"}, {"E_dx", "1e9", "-4"}}, "ZmienOpisWariant"},
             {"nowy wariant", siec, [] { return static_cast<QWidget*>(Wrnt); },
              [] { Form1->TB_EdycjaWariantowClick(); }, warianty, {{"E_Index", "Nowy"}, {"E_dy", "x", "9"}}, "B_Dodaj"},
             {"ustawienia", siec, [] { return static_cast<QWidget*>(UstawyGlobalne); },
              [] { Form1->TB_UstawGlowneClick(); }, kolor,
              {{"SWypel", ""}, {"E_MinPojazd", "70"}, {"E_MaxSzer", "2,5"}, {"RB_Maxszerokosc", ""}, {"E_PrzejL", "x", "3"}},
              "B_wprowadz"},
             {"ustawienia, przerysuj", siec, [] { return static_cast<QWidget*>(UstawyGlobalne); },
              [] { Form1->TB_UstawGlowneClick(); }, nullptr, {{"E_Pojazd100", "2"}, {"E_MinPojazd", "-1", "40"}},
              "B_Przerys1"},
             {"blok", siec, [] { return static_cast<QWidget*>(WstawBlok); }, [] { Form1->TB_WstawBlokClick(); },
              biblioteka, {{"E_x", "10"}, {"E_y", "5"}, {"CB_sX", "2"}, {"CB_sY", "abc", "2"}}, "B_WczytajBlok"},
             {"zmiana bloku", siec, [] { return static_cast<QWidget*>(WstawBlok); },
              [] {
                  ASSERT_FALSE(Bloki.empty());
                  WstawBlok->PrzygotujZmiane(0);
                  WstawBlok->exec();
              },
              nullptr, {{"E_x", "11"}, {"CB_NadRysunkiem", ""}, {"CB_sX", "1e9", "3"}}, "B_WczytajBlok"},
             {"zmiana opisu", siec, [] { return static_cast<QWidget*>(EdycjaOpisy); },
              [] {
                  ASSERT_FALSE(Opisy.empty());
                  EdycjaOpisy->PrzygotujZmiane(0);
                  EdycjaOpisy->exec();
              },
              nullptr, {{"E_txt", "Inny opis"}, {"E_x", "4"}, {"RBRecznie", ""}, {"Kat", "x", "30"}}, "B_Wprowadz"},
             {"opis", siec, [] { return static_cast<QWidget*>(EdycjaOpisy); }, [] { Form1->TB_WstawOpisClick(); },
              nullptr, {{"E_txt", "Opis"}, {"E_x", "4"}, {"E_y", "abc", "6"}}, "B_Wprowadz"},
             // The copy's settings are stored as they are typed: the bad edge
             // first, so that the resolution typed after it stores nothing either.
             {"schowek", siec, [] { return static_cast<QWidget*>(KopiujSchowek); }, [] { Form1->TB_DoSchowkaClick(); },
              kolor, {{"ShapeTlo", ""}, {"E_x1", "abc", "1"}, {"E_x2", "30"}, {"E_y1", "2"}, {"CB_IlPktCm", "20"}}, "B_kopiuj",
              schowekOdmowil},
         })
        Sprawdz(o);
}

}  // namespace
