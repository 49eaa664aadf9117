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
// edit), a button clicked when the text is empty, a grid cell written.
struct Zmiana {
    const char* pole;
    std::string tekst;   // UTF-8
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

    void Sprawdz(const OdmowaOkna& o)
    {
        SCOPED_TRACE(o.opis);
        Otworz(o.przyklad);
        const std::vector<std::string> przed = LinieProjektu();
        const bool zmienionyPrzed = ProjektZmieniony;
        const std::size_t komunikatow = dialogi.Teksty().size();
        bool wykonano = false, otwarte = false, odmowa = false;
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
            for (const Zmiana& z : o.zmiany)
                Zmien(okno, z);
            auto* przycisk = okno->findChild<QAbstractButton*>(o.przycisk);
            if (przycisk) {
                przycisk->click();
                wykonano = true;
            }
            odmowa = o.odmowil ? o.odmowil() : dialogi.Teksty().size() > komunikatow;
            otwarte = okno->isVisible();
            if (auto* d = qobject_cast<QDialog*>(okno); d && d->isVisible())
                d->reject();
        };
        QTimer::singleShot(0, o.okno(), wPokazanym);
        o.otworz();
        ASSERT_TRUE(wykonano) << "no button " << o.przycisk;
        EXPECT_TRUE(odmowa) << "refused with a message";
        EXPECT_TRUE(otwarte) << "the window stays open";
        EXPECT_TRUE(TeSameLinie(LinieProjektu(), przed)) << "nothing stored";
        EXPECT_EQ(ProjektZmieniony, zmienionyPrzed);
        ProjektZmieniony = false;
    }
};

// The junction data window on each of its pages, each with the title changed.
TEST_F(OdmowaOkien, OknaRuchoplanu)
{
    auto strona = [](int s) {
        return [s] { NatezeniaRUPL->PC_NatRupl->setCurrentIndex(s); };
    };
    const std::vector<Zmiana> tytul = {{"Tytul1", "Nowy tytuł"}, {"E_dxOpis", "7"}, {"RB_prawy", ""}};
    auto z = [&](std::vector<Zmiana> wiecej) {
        std::vector<Zmiana> w = tytul;
        w.insert(w.end(), wiecej.begin(), wiecej.end());
        return w;
    };
    auto dane = [] { Form1->OtworzDaneRuchoplanu(0); };
    auto okno = [] { return static_cast<QWidget*>(NatezeniaRUPL); };
    const char* przyklad = "Skrzyzowanie_miejskie.rup";
    for (const OdmowaOkna& o : std::vector<OdmowaOkna>{
             {"relacje", przyklad, okno, dane, strona(0),
              z({{"RB_DaneNatezenia", ""}, {"Nat13", "120"}, {"nat42", "abc"}}), "BWprowadz"},
             {"przejscia", przyklad, okno, dane, strona(1), z({{"Ep_23P", "40"}, {"Ep_11L", "-3"}}), "BWprowadz"},
             {"pomiar", przyklad, okno, dane, strona(2),
              z({{"SG_Tabela", "2", 1, 2}, {"SG_Tabela", "x", 4, 2}}), "BWprowadz"},
             {"struktura", przyklad, okno, dane, strona(3),
              z({{"SG_Stru", "12", 0, 1}, {"SG_Stru", "1,5", 1, 1}}), "BWprowadz"},
             {"tytul", przyklad, okno, dane, strona(0), z({{"Tytul2", Dlugi(300)}}), "BWprowadz"},
             {"geometria", przyklad, [] { return static_cast<QWidget*>(GeometriaRuchoplan); },
              [] { Form1->OtworzGeometrieRuchoplanu(0); }, nullptr,
              {{"alfa1", "10"}, {"E1_O", "0,5"}, {"E3_dL", "2"}, {"E2_L", "abc"}}, "B_Wprowadz"},
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
    const std::vector<Zmiana> komorki = {{"SG_Pojazdy", "10", 0, 2}, {"SG_Pojazdy", "abc%", 2, 2},
                                         {"SG_Przejscia", "5", 0, 2}};
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
    const std::vector<Zmiana> tytul = {{"Tytul1", "Nowy tytuł"}, {"E_dxOpis", "7"}, {"RB_prawy", ""}};
    auto z = [&](std::vector<Zmiana> wiecej) {
        std::vector<Zmiana> w = tytul;
        w.insert(w.end(), wiecej.begin(), wiecej.end());
        return w;
    };
    auto dane = [] { Form1->OtworzDaneRonda(0); };
    auto okno = [] { return static_cast<QWidget*>(DaneRonda); };
    const char* przyklad = "Rondo.rup";
    for (const OdmowaOkna& o : std::vector<OdmowaOkna>{
             // The structure chosen as the data source, a relation that is no number.
             {"relacje", przyklad, okno, dane, strona(0, 0),
              z({{"RB_DaneStruktura", ""}, {"nat12", "abc"}, {"Nat23", "15"}, {"SG_Stru", "7", 0, 1}}), "Wprowadz"},
             {"sumy", przyklad, okno, dane, strona(0, 1), z({{"E_Nat11", "100"}, {"E_Nat22", "x"}}), "Wprowadz"},
             {"przejscia", przyklad, okno, dane, strona(1, 0), z({{"Ep_11L", "5"}, {"Ep_21P", "-1"}}), "Wprowadz"},
             {"pomiar", przyklad, okno, dane, strona(2, 0),
              z({{"SG_Tabela", "2", 1, 2}, {"SG_Tabela", "x", 4, 2}}), "Wprowadz"},
             {"struktura", przyklad, okno, dane, strona(3, 0),
              z({{"SG_Stru", "12", 0, 1}, {"CB_HTytul", "abc"}}), "Wprowadz"},
             // A title the record cannot hold is refused, not cut.
             {"tytul", przyklad, okno, dane, strona(0, 0), z({{"Tytul3", Dlugi(90)}}), "Wprowadz"},
             {"geometria", przyklad, [] { return static_cast<QWidget*>(GeometriaRondo); },
              [] { Form1->OtworzGeometrieRonda(0); }, nullptr,
              {{"E_Lc1", "9"}, {"E_ozn2", "Q"}, {"CB_Strz3", ""}, {"E_rm3", "abc"}}, "Wprowadz"},
         })
        Sprawdz(o);
}

// The main window's node, variant, settings, block, description and
// clipboard windows.
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
    auto schowekOdmowil = [] {
        return KopiujSchowek->L_OpisRozmiar->text() != NaQString(TekstRozmiaruSchowka(NastawySchowek));
    };
    for (const OdmowaOkna& o : std::vector<OdmowaOkna>{
             {"wezel", siec, [] { return static_cast<QWidget*>(WezlyOperacje); }, wezel, nullptr,
              {{"E_OpisWezla", "Nowa nazwa"}, {"E_WspX", "12"}, {"Tytul1", "Tytuł"}, {"E_wspY", "abc"}}, "B_Powrot"},
             {"wezel, przerysuj", siec, [] { return static_cast<QWidget*>(WezlyOperacje); }, wezel, nullptr,
              {{"E_WspX", "12"}, {"Tytul2", Dlugi(300)}}, "B_Przerys"},
             {"warianty", siec, [] { return static_cast<QWidget*>(Wrnt); }, [] { Form1->TB_EdycjaWariantowClick(); },
              warianty, {{"E_Index", "Inny"}, {"Tytul1", "Tytuł"}, {"E_dx", "1e9"}}, "ZmienOpisWariant"},
             {"nowy wariant", siec, [] { return static_cast<QWidget*>(Wrnt); },
              [] { Form1->TB_EdycjaWariantowClick(); }, warianty, {{"E_Index", "Nowy"}, {"E_dy", "x"}}, "B_Dodaj"},
             {"ustawienia", siec, [] { return static_cast<QWidget*>(UstawyGlobalne); },
              [] { Form1->TB_UstawGlowneClick(); }, nullptr,
              {{"E_MinPojazd", "70"}, {"E_MaxSzer", "2,5"}, {"RB_Maxszerokosc", ""}, {"E_PrzejL", "x"}},
              "B_wprowadz"},
             {"ustawienia, przerysuj", siec, [] { return static_cast<QWidget*>(UstawyGlobalne); },
              [] { Form1->TB_UstawGlowneClick(); }, nullptr, {{"E_Pojazd100", "2"}, {"E_MinPojazd", "-1"}},
              "B_Przerys1"},
             {"blok", siec, [] { return static_cast<QWidget*>(WstawBlok); }, [] { Form1->TB_WstawBlokClick(); },
              biblioteka, {{"E_x", "10"}, {"E_y", "5"}, {"CB_sX", "2"}, {"CB_sY", "abc"}}, "B_WczytajBlok"},
             {"opis", siec, [] { return static_cast<QWidget*>(EdycjaOpisy); }, [] { Form1->TB_WstawOpisClick(); },
              nullptr, {{"E_txt", "Opis"}, {"E_x", "4"}, {"E_y", "abc"}}, "B_Wprowadz"},
             // The copy's settings are stored as they are typed: the bad edge
             // first, so that the resolution typed after it stores nothing either.
             {"schowek", siec, [] { return static_cast<QWidget*>(KopiujSchowek); }, [] { Form1->TB_DoSchowkaClick(); },
              nullptr, {{"E_x1", "abc"}, {"E_x2", "30"}, {"E_y1", "2"}, {"CB_IlPktCm", "20"}}, "B_kopiuj",
              schowekOdmowil},
         })
        Sprawdz(o);
}

}  // namespace
