// The junction volumes window: typed volumes and their checks, the title,
// the vehicle structure, and a count with factors and a forecast.
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "counts/OknaPomiarow.h"
#include "counts/PlikiPomiarow.h"
#include "counts/Siatka.h"
#include "formularze.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"
#include "platform/PlikTekstowy.h"
#include "platform/ZapisBezpieczny.h"

namespace {

using Natezenia = Formularze;

TEST_F(Natezenia, WpisaneNatezeniaZapisaneIPasyPrzerysowane)
{
    const int n = Rekord(0, 0);
    // Bands 1 cm wide per 100 vehicles.
    wg.SkalaPaskowAuto = 0;
    wg.SkalaPaskowMax = 0;
    wg.SkalaPaskow100 = 1;
    wg.Pojazd100 = 1.0f;
    Form1->Przerysuj();
    const double przed = SzerokoscWlotu(Ruchoplany[n], 1);
    const double skalaPrzed = wg.SkalaPaskow;
    const auto& m = Ruchoplany[n].Natezenia;
    const int64_t sumaPrzed = m[0] + m[1] + m[2] + m[3];
    EXPECT_NEAR(przed, sumaPrzed * skalaPrzed, 1e-4);

    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    EXPECT_EQ(Kontrolka<QLineEdit>(NatezeniaRUPL, "nat12")->text(), QString::number(Ruchoplany[n].Natezenia[1]));
    // Relation 1 -> 2 raised by 300 vehicles, 1 -> 3 typed as it was.
    const int32_t nowa = Ruchoplany[n].Natezenia[1] + 300;
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "nat12"), QString::number(nowa));
    NatezeniaRUPL->BWprowadzClick();

    const DaneRuchoplan& r = Ruchoplany[n];
    EXPECT_EQ(r.Natezenia[1], nowa);
    EXPECT_EQ(r.SumaWlotu[0], sumaPrzed + 300);
    EXPECT_EQ(r.SumaWylotu[1], r.Natezenia[1] + r.Natezenia[5] + r.Natezenia[9] + r.Natezenia[13]);
    EXPECT_TRUE(ProjektZmieniony);
    // The window's redraw computed the diagram again: the inlet band grew
    // with the scale of the sheet.
    EXPECT_EQ(r.Obliczony, 1);
    EXPECT_EQ(NatezenieObl(r, 1, 2), nowa);
    // 0 + 60 + 70 + 80 vehicles before, 300 more after.
    EXPECT_NEAR(przed, 2.1, 1e-4);
    EXPECT_NEAR(SzerokoscWlotu(r, 1), 5.1, 1e-4);
    EXPECT_TRUE(Komunikaty().empty());
    // The other variant's diagram of the node keeps its volumes.
    EXPECT_NE(Ruchoplany[Rekord(0, 1)].Natezenia[1], nowa);
}

TEST_F(Natezenia, ZleNatezeniaOdrzucone)
{
    const int n = Rekord(1, 0);
    const auto przed = Ruchoplany[n].Natezenia;
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Nat13"), "12,5");
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "nat42"), "dużo");
    NatezeniaRUPL->BWprowadzClick();
    ASSERT_EQ(Komunikaty().size(), 1u);
    EXPECT_EQ(Komunikaty()[0], "Nieprawidłowe dane o natężeniu! (poz. 42)");
    EXPECT_EQ(Ruchoplany[n].Natezenia, przed);

    // An empty crossing edit is no number either.
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Nat13"), "7");
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "nat42"), "8");
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Ep_23P"), "");
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowe dane na przejściu!");
    EXPECT_EQ(Ruchoplany[n].Natezenia, przed);

    // A title offset that is no number names itself and stores nothing.
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Ep_23P"), "0");
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Tytul1"), "Nowy");
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "E_dyOpis"), "x");
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_EQ(Komunikaty().back(), "Pole „Przesunięcie tytułu dy” musi być liczbą od -10000000 do 10000000.");
    EXPECT_EQ(Ruchoplany[n].Tytul[0].str(), "");
    EXPECT_EQ(Ruchoplany[n].Natezenia, przed);
}

// Volumes the project file cannot hold are refused where they are typed, and
// the title typed with them waits for the page's check.
TEST_F(Natezenia, NatezeniaPozaGranicaOdrzucone)
{
    const int n = Rekord(1, 0);
    const auto przed = Ruchoplany[n].Natezenia;
    const auto przejsciaPrzed = Ruchoplany[n].Przejscia;
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Tytul1"), "Nowy");
    for (const char* tekst : {"-1", "20000000", "2000000000", "10000001"}) {
        Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Nat13"), tekst);
        NatezeniaRUPL->BWprowadzClick();
        EXPECT_EQ(Komunikaty().back(), "Nieprawidłowe dane o natężeniu! (poz. 13)") << tekst;
        EXPECT_EQ(Ruchoplany[n].Natezenia, przed) << tekst;
        EXPECT_EQ(Ruchoplany[n].Tytul[0].str(), "") << "the title is stored with the page, not before";
    }
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Nat13"), "7");
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Ep_23P"), "-1");
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowe dane na przejściu!");
    EXPECT_EQ(Ruchoplany[n].Przejscia, przejsciaPrzed);
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Ep_23P"), "10000000");
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Nat13"), "10000000");
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_EQ(Ruchoplany[n].Natezenia[2], 10000000);
    EXPECT_EQ(Ruchoplany[n].Tytul[0].str(), "Nowy");
    EXPECT_EQ(SprawdzDiagramy(BiezacyProjekt), "") << "what was stored reopens";
}

TEST_F(Natezenia, TytulIWysokoscNajmniej02)
{
    const int n = Rekord(0, 1);
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "Tytul2"), "Szczyt");
    Kontrolka<QComboBox>(NatezeniaRUPL, "CB_HTytul")->setCurrentText("0,1");
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "E_dxOpis"), "2,5");
    Kontrolka<QRadioButton>(NatezeniaRUPL, "RB_prawy")->click();
    NatezeniaRUPL->BWprowadzClick();
    const DaneRuchoplan& r = Ruchoplany[n];
    EXPECT_EQ(r.Tytul[1].str(), "Szczyt");
    EXPECT_FLOAT_EQ(r.TytulWysokosc, 0.2f);
    EXPECT_FLOAT_EQ(r.TytulDx, 2.5f);
    EXPECT_EQ(r.TytulWyrownanie, 'P');
}

TEST_F(Natezenia, StrukturaPojazdow)
{
    // Factors 1.0, 2.0, 1.5 of the first three types.
    LiczbaSkladow = 3;
    Sklad[1].Wspolczynnik = 1.0f;
    Sklad[2].Wspolczynnik = 2.0f;
    Sklad[3].Wspolczynnik = 1.5f;
    const int n = Rekord(1, 1);
    Ruchoplany[n].NatezeniaStruktura[3][4] = 99;  // type 4, no longer in use
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    auto* strony = Kontrolka<QTabWidget>(NatezeniaRUPL, "PC_NatRupl");
    strony->setCurrentIndex(3);
    EXPECT_TRUE(Kontrolka<QRadioButton>(NatezeniaRUPL, "RB_DaneStruktura")->isChecked());
    EXPECT_EQ(Kontrolka<QLabel>(NatezeniaRUPL, "s_nr")->text(), "14");
    QTableWidget* szt = Kontrolka<QTableWidget>(NatezeniaRUPL, "SG_Stru");
    ASSERT_EQ(szt->rowCount(), 3);
    szt->item(0, 1)->setText("10");
    szt->item(1, 1)->setText("3");
    szt->item(2, 1)->setText("3");
    // Another tile keeps the relation shown so far.
    Kontrolka<QPushButton>(NatezeniaRUPL, "i21")->click();
    EXPECT_EQ(Ruchoplany[n].NatezeniaStruktura[3][0], 10 + 6 + 4);  // Trunc(4.5)
    EXPECT_EQ(Ruchoplany[n].NatezeniaStruktura[3][4], 99);
    EXPECT_EQ(Kontrolka<QPushButton>(NatezeniaRUPL, "i14")->text(), "L 20");
    EXPECT_EQ(Kontrolka<QLabel>(NatezeniaRUPL, "s_nr")->text(), "21");

    // A count that is no integer names the type and stores nothing.
    szt->item(0, 1)->setText("5");
    szt->item(1, 1)->setText("pięć");
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowa liczba pojazdów typu " + Cp1250NaUtf8(Sklad[2].Oznaczenie.str()) +
                                       " w relacji 21!");
    EXPECT_EQ(Ruchoplany[n].NatezeniaStruktura[4][1], 0);
    szt->item(1, 1)->setText("1");
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_EQ(Ruchoplany[n].NatezeniaStruktura[4][0], 5 + 2);
    EXPECT_EQ(Ruchoplany[n].ZeStruktury, 1);
    EXPECT_TRUE(ProjektZmieniony);
    // The diagram now draws the structure totals (its variant is not shown).
    ObliczRuchoplan(n);
    EXPECT_EQ(NatezenieObl(Ruchoplany[n], 1, 4), 20);
}

TEST_F(Natezenia, LiczbaTypowIWspolczynnikiTypow)
{
    const int n = Rekord(0, 0);
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    auto* ile = Kontrolka<QComboBox>(NatezeniaRUPL, "CB_iStruktura");
    ile->setCurrentText("12");
    NatezeniaRUPL->CB_iStrukturaChange();
    EXPECT_EQ(LiczbaSkladow, 10);
    ile->setCurrentText("0");
    NatezeniaRUPL->CB_iStrukturaChange();
    EXPECT_EQ(LiczbaSkladow, 1);
    ile->setCurrentText("kilka");
    NatezeniaRUPL->CB_iStrukturaChange();
    EXPECT_EQ(LiczbaSkladow, 1);
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowa ilość pozycji!");
    // A type factor that is no number is refused; a good one holds at once.
    QTableWidget* typy = Kontrolka<QTableWidget>(NatezeniaRUPL, "SG_StrukturaDane");
    typy->item(0, 3)->setText("abc");
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowy współczynnik typu 1!");
    EXPECT_FLOAT_EQ(Sklad[1].Wspolczynnik, 1.0f);
    typy->item(0, 3)->setText("3e38");   // beyond the factor's limit
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowy współczynnik typu 1!");
    EXPECT_FLOAT_EQ(Sklad[1].Wspolczynnik, 1.0f);
    typy->item(0, 3)->setText("2,5");
    EXPECT_FLOAT_EQ(Sklad[1].Wspolczynnik, 2.5f);
    // Kept as the file keeps it; a name the file cannot hold is refused.
    typy->item(0, 3)->setText("1,234");
    EXPECT_EQ(Sklad[1].Wspolczynnik, 1.23f);
    const DaneSklad przed = Sklad[1];
    typy->item(0, 2)->setText(QString::fromUtf8("Київ"));
    EXPECT_EQ(Komunikaty().back(),
              "Pole „Nazwa typu pojazdu” zawiera znak U+041A, którego nie można zapisać w pliku (spoza kodowania "
              "Windows-1250).");
    EXPECT_EQ(Sklad[1], przed);
}

// A count of one junction: inlet 1 (east) to exit 3 (west) 57 vehicles of
// class 1 and 5 of class 2, saved where the browser finds it.
class ZPomiaru : public Formularze {
protected:
    void SetUp() override
    {
        Formularze::SetUp();
        DanePomiar p;
        UstawDomyslnyPomiar(p);
        p.Lokalizacja = "Rondo";
        p.Sekcja = "S1";
        p.NatezeniaPojazdow[0][2] = 57;
        p.NatezeniaPojazdow[1][2] = 5;
        p.NatezeniaPojazdow[20 + 0][0] = 4;  // inlet 2 (north) to exit 1 (east)
        std::string blad;
        ASSERT_TRUE(ZapiszPlikPomiaru(KatalogPomiarow + "/skrz.pom", p, blad)) << blad;
    }

    // The count chosen in the browser, as a user would.
    void WczytajPomiar()
    {
        QTimer::singleShot(0, OpenPomiar, [] {
            auto lista = OpenPomiar->ListaPomiar->findItems("skrz", Qt::MatchExactly);
            ASSERT_EQ(lista.size(), 1);
            OpenPomiar->ListaPomiar->setCurrentItem(lista[0]);
            OpenPomiar->B_Wprowadz->click();
        });
        NatezeniaRUPL->W_WczytajPomiarClick();
    }
};

TEST_F(ZPomiaru, PomiarZeWspolczynnikamiIPrognoza)
{
    const int n = Rekord(1, 0);
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    Kontrolka<QTabWidget>(NatezeniaRUPL, "PC_NatRupl")->setCurrentIndex(2);
    EXPECT_TRUE(NatezeniaRUPL->SG_Tabela->isHidden()) << "no count yet";
    WczytajPomiar();
    EXPECT_FALSE(NatezeniaRUPL->SG_Tabela->isHidden());
    EXPECT_EQ(NatezeniaRUPL->L_NazwaWezla->text(), "Rondo");
    // Class 2 at half weight: Round(2.5) = 2.
    NatezeniaRUPL->SG_Tabela->item(1, 2)->setText("0,5");
    // A common forecast: class 1 +10%, class 2 "05" (five more).
    QTimer::singleShot(0, TabelaPrognoz, [] {
        TabelaPrognoz->SG_Pojazdy->UstawKomorke(2, 1, "10%");
        TabelaPrognoz->SG_Pojazdy->UstawKomorke(2, 2, "05");
        TabelaPrognoz->B_Wprowadz->click();
    });
    NatezeniaRUPL->B_PrognozaClick();
    EXPECT_EQ(NatezeniaRUPL->B_Prognoza->text(), QString::fromUtf8("Zmień prognozę"));
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();

    const DaneRuchoplan& r = Ruchoplany[n];
    ASSERT_TRUE(JestIndeksem(r.NrPomiaru, Pomiary));
    ASSERT_TRUE(JestIndeksem(r.NrPrognozy, Prognozy));
    ASSERT_TRUE(JestIndeksem(r.NrWspolczynnikow, Wspolczynniki));
    EXPECT_EQ(r.ZPomiaru, 1);
    EXPECT_EQ(r.WlaczPrognoze, 1);
    EXPECT_FLOAT_EQ(Wspolczynniki[r.NrWspolczynnikow].Wspolczynnik[1], 0.5f);
    // Count inlet 1 feeds arm 2 (east), exit 3 is arm 4 (west):
    // 57 + Round(5.7) = 63 and 2 + 5 = 7.
    EXPECT_EQ(Pomiary[r.NrPomiaru].NatezeniaNaRelacjach[0][2], 70);
    EXPECT_EQ(NatezenieObl(r, 2, 4), 70);
    // Class 2's "05" adds 5 to every relation, counted or not: inlet 2
    // (north, arm 3) to exit 1 (east, arm 2) 4 + Round(0.4) + 5, and arm 1
    // to arm 2 only those 5 (not the typed volume).
    EXPECT_EQ(NatezenieObl(r, 3, 2), 9);
    EXPECT_EQ(NatezenieObl(r, 1, 2), 5);

    // Shown again, the page recomputes the same from the stored copies.
    NatezeniaRUPL->FormShow();
    EXPECT_EQ(NatezeniaRUPL->KopiaPomiaru.NatezeniaNaRelacjach[0][2], 70);
    EXPECT_EQ(NatezeniaRUPL->SG_Tabela->item(1, 2)->text(), "0.5");
}

TEST_F(ZPomiaru, UsunietaPrognozaNieZostajeNaRysunku)
{
    const int n = Rekord(1, 0);
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    Kontrolka<QTabWidget>(NatezeniaRUPL, "PC_NatRupl")->setCurrentIndex(2);
    WczytajPomiar();
    QTimer::singleShot(0, TabelaPrognoz, [] {
        TabelaPrognoz->SG_Pojazdy->UstawKomorke(2, 1, "10%");
        TabelaPrognoz->B_Wprowadz->click();
    });
    NatezeniaRUPL->B_PrognozaClick();
    NatezeniaRUPL->BWprowadzClick();
    ASSERT_EQ(NatezenieObl(Ruchoplany[n], 2, 4), 63 + 5);
    ProjektZmieniony = false;

    // Removed and then "Rezygnuj": the link is gone at once, and with it the
    // forecast's vehicles.
    NatezeniaRUPL->FormShow();
    odpowiedzi = {TPytanieTakNieKasuj::mrTak};
    NatezeniaRUPL->B_UsunPrognozeClick();
    ASSERT_EQ(pytania.size(), 1u);
    EXPECT_EQ(pytania[0], "Usunąć opis prognozy z ruchoplanu?");
    NatezeniaRUPL->BPowrotClick();
    EXPECT_EQ(Ruchoplany[n].NrPrognozy, -1);
    EXPECT_EQ(Ruchoplany[n].WlaczPrognoze, 0);
    EXPECT_EQ(Prognozy.size(), 1u) << "the forecast stays in the project";
    EXPECT_TRUE(ProjektZmieniony);
    Form1->Przerysuj();
    EXPECT_EQ(NatezenieObl(Ruchoplany[n], 2, 4), 57 + 5);
}

TEST_F(ZPomiaru, BezPomiaruNieMaZrodlaZPomiaru)
{
    const int n = Rekord(0, 0);
    const auto przed = Ruchoplany[n].Natezenia;
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    Kontrolka<QTabWidget>(NatezeniaRUPL, "PC_NatRupl")->setCurrentIndex(2);
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_EQ(Ruchoplany[n].ZPomiaru, 0) << "no count is linked";
    EXPECT_EQ(Ruchoplany[n].NrPomiaru, -1);
    EXPECT_EQ(Ruchoplany[n].Natezenia, przed);
}

TEST_F(ZPomiaru, ZlyWspolczynnikWstrzymujeZapis)
{
    const int n = Rekord(0, 0);
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    Kontrolka<QTabWidget>(NatezeniaRUPL, "PC_NatRupl")->setCurrentIndex(2);
    WczytajPomiar();
    NatezeniaRUPL->SG_Tabela->item(2, 2)->setText("x");
    NatezeniaRUPL->SG_Tabela->item(6, 2)->setText(" 1 ,5 ");
    NatezeniaRUPL->SG_Tabela->item(7, 2)->setText("y");
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowy współczynnik poz. 8");
    EXPECT_EQ(NatezeniaRUPL->SG_Tabela->item(6, 2)->text(), "1.5") << "blanks removed, separator fixed";
    EXPECT_EQ(Ruchoplany[n].NrPomiaru, -1);
    EXPECT_TRUE(Pomiary.empty());
    // A factor beyond the limit of the table is no factor either.
    NatezeniaRUPL->SG_Tabela->item(2, 2)->setText("1");
    NatezeniaRUPL->SG_Tabela->item(7, 2)->setText("1e30");
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_EQ(Komunikaty().back(), "Pole „współczynnik poz. 8” musi być liczbą od 0 do 1000.");
    EXPECT_TRUE(Pomiary.empty());
}

TEST_F(ZPomiaru, NowszyPlikPomiaruAktualizujeKopie)
{
    // The project keeps an older copy of the count file.
    DanePomiar stary;
    std::string blad;
    ASSERT_TRUE(CzytajPlikPomiaru(KatalogPomiarow + "/skrz.pom", stary, blad)) << blad;
    stary.NatezeniaPojazdow[0][2] = 1;
    stary.DataOstEdycja = KodujDate(2020, 1, 2);
    DodajPomiar(stary);
    const int n = Rekord(0, 0);
    Ruchoplany[n].NrPomiaru = 0;
    Ruchoplany[n].ZPomiaru = 1;
    Ruchoplany[n].AutoAktualizacja = 1;
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    EXPECT_TRUE(NatezeniaRUPL->L_LastEdit->text().startsWith("ZAKTUALIZOWANO :  "));
    EXPECT_EQ(NatezeniaRUPL->KopiaPomiaru.NatezeniaNaRelacjach[0][2], 62) << "57 + 5 of the file";
    EXPECT_EQ(Pomiary[0].NatezeniaPojazdow[0][2], 1) << "only the copy so far";
    // A factor typed makes the store write the newer count.
    NatezeniaRUPL->SG_Tabela->item(19, 2)->setText("1");
    NatezeniaRUPL->BWprowadzClick();
    EXPECT_EQ(Pomiary[0].NatezeniaPojazdow[0][2], 57);
    EXPECT_EQ(NatezenieObl(Ruchoplany[n], 2, 4), 62);

    // Without the switch the copy stays as the project keeps it.
    Pomiary[0] = stary;
    Ruchoplany[n].AutoAktualizacja = 0;
    NatezeniaRUPL->FormShow();
    EXPECT_TRUE(NatezeniaRUPL->L_LastEdit->text().startsWith("Ostatnia edycja :  2020-01-02 "));
    EXPECT_EQ(NatezeniaRUPL->KopiaPomiaru.NatezeniaNaRelacjach[0][2], 1 + 5);
}

TEST_F(ZPomiaru, Raporty)
{
    const int n = Rekord(1, 0);
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    Kontrolka<QTabWidget>(NatezeniaRUPL, "PC_NatRupl")->setCurrentIndex(2);
    WczytajPomiar();
    NatezeniaRUPL->SG_Tabela->item(1, 2)->setText("0,5");
    QStringList linie;
    auto czytaj = [&] {
        QTimer::singleShot(0, Opis, [&] {
            linie = Opis->Tekst->toPlainText().split('\n');
            Opis->B_PowrotClick();
        });
    };
    czytaj();
    NatezeniaRUPL->B_PokazNatezeniaClick();
    ASSERT_GT(linie.size(), 40);
    EXPECT_EQ(linie[0], "");
    EXPECT_TRUE(linie[1].startsWith("dn. ")) << linie[1].toStdString();
    EXPECT_EQ(linie[2], "Plik: ...");
    EXPECT_EQ(linie[3], "");
    const std::string k1 = Cp1250NaUtf8(NatezeniaRUPL->KopiaPomiaru.NazwaPojazdu[0].str());
    const std::string k2 = Cp1250NaUtf8(NatezeniaRUPL->KopiaPomiaru.NazwaPojazdu[1].str());
    auto dopelnij = [](std::string t, std::size_t d) {
        while (QString::fromStdString(t).size() < static_cast<int>(d))
            t += '.';
        return t;
    };
    const std::string kreski(80, '-');
    // Inlet 1 feeds arm 2 ("A"); no U-turns in the count.
    const QStringList oczekiwane = {
        "  NATĘŻENIA ",
        "",
        QString::fromStdString(kreski),
        "WLOT   A",
        QString::fromStdString(kreski),
        "",
        QString::fromStdString(dopelnij(" Relacje  ", 36)) + "        LS        WP        PS",
        "",
        QString::fromStdString(dopelnij("1. " + k1 + " (1.0)", 36)) + "                  57          ",
        QString::fromStdString(dopelnij("2. " + k2 + " (0.5)", 36)) + "                   2          ",
    };
    for (int i = 0; i < oczekiwane.size(); ++i)
        EXPECT_EQ(linie[4 + i].toStdString(), oczekiwane[i].toStdString()) << i;

    czytaj();
    NatezeniaRUPL->B_PokazWspolczynnikiClick();
    ASSERT_GT(linie.size(), 10);
    EXPECT_EQ(linie[4], QString::fromUtf8("TABELA WSPÓŁCZYNNIKÓW"));
    EXPECT_EQ(linie[6], QString(64, '-'));
    EXPECT_EQ(linie[9], QString::fromStdString(dopelnij("2. " + k2 + " ", 31)) + "0.50");
}

}  // namespace

namespace {

TEST_F(ZPomiaru, UcietyPomiarNieMieszaSieZWczytanym)
{
    const int n = Rekord(1, 0);
    NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
    NatezeniaRUPL->FormShow();
    WczytajPomiar();
    ASSERT_EQ(NatezeniaRUPL->KopiaPomiaru.Lokalizacja.str(), "Rondo");

    // Another survey's file cut after its header, under the same name: it
    // is refused and the count loaded before stays whole, never one survey's
    // header over another's vehicle table.
    DanePomiar inny;
    UstawDomyslnyPomiar(inny);
    inny.Lokalizacja = "Inny";
    const auto l = LiniePlikuPomiaru(inny, 0.0, 0.0);
    std::string blad;
    ASSERT_TRUE(ZapiszLinieBezpiecznie(KatalogPomiarow + "/skrz.pom", {l.begin(), l.begin() + 40}, blad));
    WczytajPomiar();
    ASSERT_FALSE(Komunikaty().empty());
    EXPECT_NE(Komunikaty().back().find("skrz.pom, linia "), std::string::npos) << Komunikaty().back();
    EXPECT_EQ(NatezeniaRUPL->KopiaPomiaru.Lokalizacja.str(), "Rondo");
    EXPECT_EQ(NatezeniaRUPL->KopiaPomiaru.NatezeniaPojazdow[0][2], 57);
}

}  // namespace
