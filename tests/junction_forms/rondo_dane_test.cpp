// The roundabout data window: the relation matrix, the sums and the
// crossings typed, checked and stored; the title; a count with coefficients
// and a forecast; the vehicle structure; the reports.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "counts/OknaPomiarow.h"
#include "counts/PlikiPomiarow.h"
#include "counts/Siatka.h"
#include "junction_forms/TDaneRonda.h"
#include "model/PlikProjektu.h"
#include "model/Raporty.h"
#include "ronda.h"

namespace {

using DaneRondaTest = RondaTest;

// The lines of record `n`'s arm k block in the saved project.
std::vector<std::string> BlokRamienia(int n, int k)
{
    const std::vector<std::string> linie = LinieProjektu(BiezacyProjekt);
    const std::string znacznik = "###### R" + std::to_string(k);
    int ktory = 0;
    for (std::size_t i = 0; i < linie.size(); ++i)
        if (linie[i] == znacznik && ktory++ == n)
            return std::vector<std::string>(linie.begin() + static_cast<long>(i), linie.begin() + static_cast<long>(i) + 26);
    return {};
}

TEST_F(DaneRondaTest, MacierzIPrzejsciaZapisane)
{
    const int n = Rekord(0, 0);
    PokazDane(n);
    EXPECT_EQ(DaneRonda->PC_NatRond->currentIndex(), 0);
    EXPECT_TRUE(PoleD("Nat14")->isHidden()) << "arm 4 is absent";
    const std::pair<const char*, const char*> macierz[] = {{"nat12", "100"}, {"Nat13", "50"}, {"Nat21", "70"},
                                                           {"Nat23", "30"},  {"Nat31", "20"}, {"Nat32", "40"},
                                                           {"Nat33", "5"},   {"Nat14", "999"}};
    for (const auto& [pole, tekst] : macierz)
        Wpisz(PoleD(pole), tekst);
    Wpisz(PoleD("Ep_11L"), "5");
    Wpisz(PoleD("Ep_13l"), "3");
    Wpisz(PoleD("Ep_32P"), "7");
    DaneRonda->WprowadzClick();
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_TRUE(ProjektZmieniony);
    const DaneRondo& r = Ronda[n];
    EXPECT_EQ(r.Macierz[0][3], 0) << "a hidden edit of an absent arm stores 0";
    EXPECT_EQ(r.SumaWlotuRel, (std::array<int32_t, 5>{150, 100, 65, 0, 0}));
    EXPECT_EQ(r.SumaWylotuRel, (std::array<int32_t, 5>{90, 140, 85, 0, 0}));
    EXPECT_EQ(r.DaneRelacje, 1);
    // The window's redraw computed the totals the bands are drawn with.
    EXPECT_EQ(r.Obliczony, 1);
    EXPECT_EQ(r.SumaWlotu, r.SumaWlotuRel);
    // Arm 1's block of the saved record: letter, texts, switches, angle,
    // sizes, the matrix row, the crossings (L then P), the totals.
    const std::vector<std::string> b1 = BlokRamienia(n, 1);
    ASSERT_EQ(b1.size(), 26u);
    EXPECT_EQ(b1[0], "###### R1");
    EXPECT_EQ(b1[1], "A");
    EXPECT_EQ(std::vector<std::string>(b1.begin() + 11, b1.begin() + 25),
              (std::vector<std::string>{"0", "100", "50", "0", "0", "5", "0", "3", "0", "0", "0", "0", "0", "150"}));
    const std::vector<std::string> b3 = BlokRamienia(n, 3);
    EXPECT_EQ(std::vector<std::string>(b3.begin() + 11, b3.begin() + 16),
              (std::vector<std::string>{"20", "40", "5", "0", "0"}));
    EXPECT_EQ(b3[16 + 4 + 1], "7") << "arm 3, category 2, side P";

    // "Oblicz procenty" shows the committed matrix's shares.
    PokazDane(n);
    DaneRonda->ObliczProcenty->click();
    EXPECT_EQ(Kontrolka<QLabel>(DaneRonda, "wl12p")->text(), "66.67%");
    EXPECT_EQ(Kontrolka<QLabel>(DaneRonda, "wy21p")->text(), "71.43%") << "100 of exit 2's 140";
    EXPECT_FALSE(Kontrolka<QLabel>(DaneRonda, "wl12p")->isHidden());
    EXPECT_TRUE(Kontrolka<QLabel>(DaneRonda, "wl14p")->isHidden());
    EXPECT_EQ(Kontrolka<QLabel>(DaneRonda, "Wlot1")->text(), "150");
}

// "Oblicz procenty" shows the shares of what the edits hold, typed and
// clicked as a user does, before any commit and after each change; the
// record waits for the commit.
TEST_F(DaneRondaTest, ProcentyZWpisanychPol)
{
    const int n = Rekord(0, 0);
    PokazDane(n);
    DaneRonda->show();
    const DaneRondo przed = Ronda[n];
    auto napisz = [](const char* pole, const char* tekst) {
        QLineEdit* e = PoleD(pole);
        e->selectAll();
        QTest::keyClicks(e, tekst);
    };
    auto oblicz = [] { QTest::mouseClick(DaneRonda->ObliczProcenty, Qt::LeftButton); };
    auto etykieta = [](const char* nazwa) { return Kontrolka<QLabel>(DaneRonda, nazwa)->text(); };

    // Entries 1: 30 to 2, 10 to 3; 2: 60 to 1; 3: 20 to 2. Exit 2 takes 30 + 20.
    napisz("nat12", "30");
    napisz("Nat13", "10");
    napisz("Nat21", "60");
    napisz("Nat32", "20");
    oblicz();
    EXPECT_EQ(etykieta("wl12p"), "75%");
    EXPECT_EQ(etykieta("wl13p"), "25%");
    EXPECT_EQ(etykieta("wl11p"), "0%");
    EXPECT_EQ(etykieta("wy21p"), "60%") << "30 of exit 2's 50";
    EXPECT_EQ(etykieta("wy23p"), "40%");
    EXPECT_EQ(etykieta("Wlot1"), "40");
    EXPECT_EQ(etykieta("wylot2"), "50");
    EXPECT_FALSE(Kontrolka<QLabel>(DaneRonda, "wl12p")->isHidden());

    // A change shows at the next click.
    napisz("nat12", "10");
    oblicz();
    EXPECT_EQ(etykieta("wl12p"), "50%");
    EXPECT_EQ(etykieta("wy21p"), "33.33%") << "10 of exit 2's 30";
    EXPECT_EQ(etykieta("Wlot1"), "20");

    // A row and a column emptied of vehicles show no old shares.
    napisz("Nat21", "0");
    oblicz();
    EXPECT_EQ(etykieta("wl21p"), "");
    EXPECT_EQ(etykieta("wy12p"), "") << "exit 1 takes nothing now";
    EXPECT_EQ(etykieta("wylot1"), "0");

    // A text that fails the commit's checks shows its message and leaves the figures.
    napisz("Nat13", "1,5");
    oblicz();
    ASSERT_FALSE(Komunikaty().empty());
    EXPECT_EQ(Komunikaty().back(), "Wartości natężeń muszą być liczbą całkowitą!");
    EXPECT_EQ(etykieta("wl13p"), "50%");

    // None of it reached the project.
    EXPECT_EQ(Ronda[n].Macierz, przed.Macierz);
    EXPECT_EQ(Ronda[n].SumaWlotuRel, przed.SumaWlotuRel);
    EXPECT_FALSE(ProjektZmieniony);
    DaneRonda->hide();
}

TEST_F(DaneRondaTest, ZleNatezeniaOdrzucone)
{
    const int n = Rekord(1, 0);
    PokazDane(n);
    const DaneRondo przed = Ronda[n];
    auto odrzucone = [&](const char* komunikat) {
        DaneRonda->WprowadzClick();
        ASSERT_FALSE(Komunikaty().empty());
        EXPECT_EQ(Komunikaty().back(), komunikat);
        EXPECT_EQ(Ronda[n].Macierz, przed.Macierz);
        EXPECT_EQ(Ronda[n].NatezeniaPrzejsc, przed.NatezeniaPrzejsc);
    };
    Wpisz(PoleD("nat12"), "-1");
    odrzucone("Wartości natężeń muszą być liczbą całkowitą większą od zera!");
    Wpisz(PoleD("nat12"), "1,5");
    odrzucone("Wartości natężeń muszą być liczbą całkowitą!");
    // A hidden edit counts in the check; a bad crossing's message wins.
    Wpisz(PoleD("nat12"), "0");
    Wpisz(PoleD("Nat55"), "x");
    Wpisz(PoleD("Ep_24P"), "y");
    odrzucone("Wartości na przejściach muszą być liczbą całkowitą!");
    Wpisz(PoleD("Nat55"), "0");
    odrzucone("Wartości na przejściach muszą być liczbą całkowitą!");
    Wpisz(PoleD("Ep_24P"), "-3");
    odrzucone("Wartości na przejściach muszą być liczbą całkowitą większą od zera!");
    Wpisz(PoleD("Ep_24P"), "0");
    Wpisz(PoleD("Nat21"), "20000000");
    odrzucone("Pole „natężenie relacji” musi być liczbą całkowitą od 0 do 10000000.");
    // A refused commit stores nothing else either: neither the title, its
    // offset, the data source picked nor the structure grid.
    Wpisz(PoleD("Tytul1"), "Nowy tytuł");
    Wpisz(PoleD("E_dxOpis"), "7");
    DaneRonda->RB_DaneStruktura->click();
    DaneRonda->SG_Stru->item(0, 1)->setText("4");
    odrzucone("Pole „natężenie relacji” musi być liczbą całkowitą od 0 do 10000000.");
    EXPECT_EQ(Ronda[n].ZeStruktury, 0);
    EXPECT_EQ(Ronda[n].Tytul, przed.Tytul);
    EXPECT_EQ(Ronda[n].TytulDx, przed.TytulDx);
    EXPECT_EQ(Ronda[n].StrukturaRelacji, przed.StrukturaRelacji);
    EXPECT_EQ(Ronda[n].GeometriaWprowadzona, przed.GeometriaWprowadzona);
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_TRUE(DaneRonda->isHidden() || DaneRonda->result() != QDialog::Accepted);
    // A title longer than the record holds is refused, not cut.
    Wpisz(PoleD("Nat21"), "0");
    Wpisz(PoleD("Tytul2"), std::string(71, 'x').c_str());
    odrzucone("Pole „Tytuł” może mieć najwyżej 70 znaków.");
    EXPECT_EQ(Ronda[n].Tytul, przed.Tytul);
    EXPECT_FALSE(ProjektZmieniony);
    Wpisz(PoleD("Tytul2"), std::string(70, 'x').c_str());
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Ronda[n].Tytul[1].str(), std::string(70, 'x'));
    EXPECT_EQ(Ronda[n].ZeStruktury, 1);
    EXPECT_TRUE(ProjektZmieniony);
}

TEST_F(DaneRondaTest, SumyWlotowIWylotow)
{
    const int n = Rekord(0, 0);
    PokazDane(n);
    Strona(0, 1);
    Wpisz(PoleD("E_Nat11"), "100");
    Wpisz(PoleD("E_Nat21"), "50");
    Wpisz(PoleD("E_Nat12"), "120");
    Wpisz(PoleD("E_Nat22"), "40");
    // Arm 4's box is hidden: its totals count in neither sum.
    Wpisz(PoleD("E_Nat41"), "500");
    EXPECT_EQ(Kontrolka<QLabel>(DaneRonda, "L_WLOTY")->text(), "150") << "the totals follow the typing";
    EXPECT_EQ(Kontrolka<QLabel>(DaneRonda, "L_WYLOTY")->text(), "160");
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Komunikaty().back(), "Suma pojazdów wjeżdżających i opuszczających rondo musi być identyczna!");
    EXPECT_EQ(Ronda[n].WlotWpisany[0], 0);

    // A total wide enough to pass the island: its radius stops at 0.
    Wpisz(PoleD("E_Nat11"), "100000");
    Wpisz(PoleD("E_Nat12"), "100010");
    Wpisz(PoleD("E_Nat31"), "0");
    Wpisz(PoleD("E_Nat32"), "0");
    wg.SkalaPaskow = 0.01f;
    DaneRonda->WprowadzClick();
    ASSERT_EQ(Komunikaty().size(), 1u) << Komunikaty().back();
    const DaneRondo& r = Ronda[n];
    EXPECT_EQ(r.WlotWpisany, (std::array<int32_t, 5>{100000, 50, 0, 500, 0}));
    EXPECT_EQ(r.WylotWpisany, (std::array<int32_t, 5>{100010, 40, 0, 0, 0}));
    EXPECT_EQ(r.DaneRelacje, 0);
    EXPECT_FLOAT_EQ(r.PromienWewn, 0.0f);
    EXPECT_EQ(r.SumaWlotu[1], 50) << "the redraw's flows come from the typed totals";

    // The page shows the stored totals: one box edited stores no zeros over the others.
    PokazDane(n);
    EXPECT_EQ(PoleD("E_Nat11")->text(), "100000");
    Strona(0, 1);
    Wpisz(PoleD("E_Nat21"), "60");
    Wpisz(PoleD("E_Nat22"), "50");
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Ronda[n].WlotWpisany[0], 100000);
    EXPECT_EQ(Ronda[n].WlotWpisany[1], 60);

    // A matrix commit gives the island its radius back.
    PokazDane(n);
    Strona(0, 0);
    Wpisz(PoleD("nat12"), "10");
    DaneRonda->WprowadzClick();
    EXPECT_FLOAT_EQ(Ronda[n].PromienWewn, Ronda[n].PromienR);
    EXPECT_EQ(Ronda[n].DaneRelacje, 1);
}

TEST_F(DaneRondaTest, Naglowek)
{
    const int n = Rekord(0, 0);
    Ronda[n].TytulDx = -5.25f;
    Ronda[n].TytulH = 0.75f;
    Ronda[n].TytulWyrownanie = 'P';
    Ronda[n].GeometriaWprowadzona = 1;
    PokazDane(n);
    EXPECT_EQ(PoleD("E_dxOpis")->text(), "-5.25");
    EXPECT_EQ(DaneRonda->CB_HTytul->currentText(), "0.75");
    EXPECT_TRUE(DaneRonda->RB_prawy->isChecked());
    DaneRonda->WprowadzClick();
    EXPECT_FLOAT_EQ(Ronda[n].TytulDx, -5.25f);
    EXPECT_FALSE(ProjektZmieniony);

    // A title number that is no number stops the commit before anything is written.
    PokazDane(n);
    Wpisz(PoleD("Tytul1"), "Rondo Grunwaldzkie");
    Wpisz(PoleD("E_dyOpis"), "dwa");
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Komunikaty().back(), "Pole „dy tytułu” musi być liczbą od -10000 do 10000.");
    EXPECT_EQ(Ronda[n].Tytul[0].str(), "");
    // A comma and a point give the same number; a height below 0.2 is 0.2.
    Wpisz(PoleD("E_dyOpis"), "7,5");
    Wpisz(PoleD("E_dxOpis"), "-1.5");
    DaneRonda->CB_HTytul->setCurrentText("0,1");
    DaneRonda->RB_centrum->click();
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Ronda[n].Tytul[0].str(), "Rondo Grunwaldzkie");
    EXPECT_FLOAT_EQ(Ronda[n].TytulDy, 7.5f);
    EXPECT_FLOAT_EQ(Ronda[n].TytulDx, -1.5f);
    EXPECT_FLOAT_EQ(Ronda[n].TytulH, 0.2f);
    EXPECT_EQ(Ronda[n].TytulWyrownanie, 'C');

    // The node's title template fills the controls only.
    Wezly[0].Tytul1 = "Szablon";
    Wezly[0].TytulDx = 2.5f;
    PokazDane(n);
    DaneRonda->WstawSzablon->click();
    EXPECT_EQ(PoleD("Tytul1")->text(), "Szablon");
    EXPECT_EQ(PoleD("E_dxOpis")->text(), "2.5");
    EXPECT_EQ(Ronda[n].Tytul[0].str(), "Rondo Grunwaldzkie");
}

// A three-inlet roundabout count: 10 cars and 3 lorries from inlet 1 to 2,
// 4 cars from 3 to 1; crossings on inlet 2.
DanePomiar PomiarRonda()
{
    DanePomiar p;
    UstawDomyslnyPomiar(p);
    p.TypWezla = "R03";
    p.MaxJest = 3;
    p.NazwaPliku = "rondo.pom";
    p.Lokalizacja = "Plac";
    p.WspPojazdu.fill(1.0f);
    p.NatezeniaPojazdow[0 * KlasPojazdow + 0][1] = 10;
    p.NatezeniaPojazdow[0 * KlasPojazdow + 1][1] = 3;
    p.NatezeniaPojazdow[2 * KlasPojazdow + 0][0] = 4;
    p.NatezeniaPrzejsc[1][0] = 30;
    return p;
}

TEST_F(DaneRondaTest, ZPomiaruZeWspolczynnikamiIPrognoza)
{
    const int n = Rekord(0, 0);
    bool rondo = false;
    Uslugi().WybierzPomiar = [&](DanePomiar& kopia, bool r) {
        rondo = r;
        kopia = PomiarRonda();
        return true;
    };
    char typ = 0;
    Uslugi().EdytujPrognoze = [&](DanePrognoza& f, const DanePomiar&, const std::array<std::string, 5>&, char t) {
        typ = t;
        f.TrybPrognoza = 1;
        f.PrognozaPojazdy[0][0] = "10%";
        f.PrognozaPrzejscia[0][0] = "10";
        return WynikPrognozy{true, true};
    };
    std::vector<std::string> raport;
    Uslugi().PokazRaport = [&](const std::vector<std::string>& l) { raport = l; };

    PokazDane(n);
    Strona(2);
    EXPECT_TRUE(DaneRonda->RB_DanePomiar->isChecked());
    EXPECT_TRUE(DaneRonda->SG_Tabela->isHidden());
    DaneRonda->W_WczytajPomiar->click();
    EXPECT_TRUE(rondo) << "the browser lists roundabout counts";
    EXPECT_EQ(Kontrolka<QLabel>(DaneRonda, "L_NazwaWezla")->text(), "Plac");
    // Lorries weigh 2.5, typed with blanks and a comma: 3 x 2.5 = 7.5 -> 8.
    DaneRonda->SG_Tabela->item(1, 2)->setText(" 2 ,5");
    DaneRonda->B_Prognoza->click();
    EXPECT_EQ(typ, 'R');
    EXPECT_TRUE(DaneRonda->CB_WlaczPrognoze->isChecked());
    EXPECT_EQ(Ronda[n].WlaczPrognoze, 1);
    DaneRonda->B_PokazNatezenia->click();
    ASSERT_GT(raport.size(), 5u);
    EXPECT_EQ(raport[4], Utf8NaCp1250("  NATĘŻENIA I PROGNOZA"));
    EXPECT_EQ(raport[4 + 1 + 7].substr(0, 12), "2. " + PomiarRonda().NazwaPojazdu[1].str().substr(0, 9));
    DaneRonda->WprowadzClick();
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().back();
    EXPECT_EQ(DaneRonda->SG_Tabela->item(1, 2)->text(), "2.5");

    const DaneRondo& r = Ronda[n];
    ASSERT_EQ(LiczbaPomiarow(), 1);
    EXPECT_EQ(r.NrPomiaru, 0);
    EXPECT_EQ(r.ZPomiaru, 1);
    ASSERT_TRUE(JestIndeksem(r.NrWspolczynnikow, Wspolczynniki));
    EXPECT_FLOAT_EQ(Wspolczynniki[r.NrWspolczynnikow].Wspolczynnik[1], 2.5f);
    ASSERT_EQ(r.NrPrognozy, 0);
    // 10 cars + 10 % = 11, 8 lorries (the common forecast has no cell for
    // them) = 19; 4 cars + 10 % (0.4 rounds to 0) = 4; the crossing 30 + 10.
    const DanePomiar& p = Pomiary[0];
    EXPECT_EQ(p.NatezeniaNaRelacjach[0][1], 19);
    EXPECT_EQ(p.NatezeniaNaRelacjach[2][0], 4);
    EXPECT_EQ(p.NatezeniaPrzejscObliczone[1][0], 40);
    EXPECT_EQ(r.SumaWlotu, (std::array<int32_t, 5>{19, 0, 4, 0, 0})) << "the redraw took the count";

    // The forecast switched off at once recomputes; the coefficients report.
    PokazDane(n);
    EXPECT_EQ(DaneRonda->B_Prognoza->text(), "Edytuj Prognozę");
    DaneRonda->CB_WlaczPrognoze->click();
    EXPECT_EQ(Ronda[n].WlaczPrognoze, 0);
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Pomiary[0].NatezeniaNaRelacjach[0][1], 18);
    DaneRonda->B_PokazWspolczynniki->click();
    EXPECT_EQ(raport[4], Utf8NaCp1250("TABELA WSPÓŁCZYNNIKÓW"));
    EXPECT_EQ(raport[9].substr(raport[9].size() - 4), "2.50");

    // A bad coefficient blocks the commit with its row.
    PokazDane(n);
    DaneRonda->SG_Tabela->item(3, 2)->setText("x");
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowy współczynnik poz. 4");
}

TEST_F(DaneRondaTest, PomiarTylkoZPowiazanymPomiaremIPrognozaAnulowana)
{
    const int n = Rekord(1, 1);
    Uslugi().EdytujPrognoze = [](DanePrognoza&, const DanePomiar&, const std::array<std::string, 5>&, char) {
        return WynikPrognozy{};
    };
    // "Pomiar" picked and committed on the relations page with no count linked.
    PokazDane(n);
    DaneRonda->RB_DanePomiar->click();
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Ronda[n].ZPomiaru, 0);
    EXPECT_EQ(Ronda[n].NrPomiaru, -1);
    // The same on the count page, and a forecast window cancelled after
    // "Dodaj Prognozę": nothing but the header.
    PokazDane(n);
    Strona(2);
    DaneRonda->B_Prognoza->click();
    EXPECT_EQ(Ronda[n].WlaczPrognoze, 0);
    EXPECT_EQ(DaneRonda->B_Prognoza->text(), "Dodaj Prognozę");
    ProjektZmieniony = false;
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Ronda[n].ZPomiaru, 0);
    EXPECT_EQ(LiczbaPomiarow(), 0);
    EXPECT_EQ(LiczbaPrognoz(), 0);
    EXPECT_FALSE(ProjektZmieniony);
}

TEST_F(DaneRondaTest, UsunieciePrognozyIAktualizacjaPomiaru)
{
    const int n = Rekord(0, 0);
    DanePomiar p = PomiarRonda();
    p.DataOstEdycja = TekstNaDate("2024-01-01");
    DodajPomiar(p);
    DanePrognoza f;
    UstawDomyslnaPrognoze(f);
    DodajPrognoze(f);
    DaneRondo& r = Ronda[n];
    r.NrPomiaru = 0;
    r.NrPrognozy = 0;
    r.ZPomiaru = r.WlaczPrognoze = 1;
    r.AutoAktualizacja = 0;
    r.GeometriaWprowadzona = 1;
    // A newer file of the count in the counts folder (stamped when written):
    // 20 cars from inlet 1.
    DanePomiar nowszy = PomiarRonda();
    nowszy.DataOstEdycja = TekstNaDate("2025-06-01");
    nowszy.NatezeniaPojazdow[0][1] = 20;
    std::string blad;
    ASSERT_TRUE(ZapiszPlikPomiaru(KatalogPomiarow + "/rondo.pom", nowszy, blad)) << blad;

    // Removal answered "Tak" holds even when the window is left by "Rezygnuj".
    odpowiedzi = {1};
    PokazDane(n);
    DaneRonda->B_UsunPrognoze->click();
    EXPECT_EQ(pytania.back(), "Usunąć opis prognozy z ronda?");
    DaneRonda->B_rezygnuj->click();
    EXPECT_EQ(r.NrPrognozy, -1);
    EXPECT_EQ(r.WlaczPrognoze, 0);
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_EQ(LiczbaPrognoz(), 1) << "the forecast stays in the project's table";
    EXPECT_EQ(r.Obliczony, 1) << "the change made at once is drawn";

    // Auto-update switched on at once; the next opening reads the newer file
    // into the window's copy only, so that "Rezygnuj" leaves the project as
    // it was.
    ProjektZmieniony = false;
    PokazDane(n);
    DaneRonda->CB_AutoAktualizacja->click();
    EXPECT_EQ(r.AutoAktualizacja, 1);
    EXPECT_TRUE(ProjektZmieniony);
    DaneRonda->B_rezygnuj->click();
    ProjektZmieniony = false;
    const std::vector<std::string> przed = LinieProjektu();
    PokazDane(n);
    EXPECT_TRUE(Kontrolka<QLabel>(DaneRonda, "L_LastEdit")->text().startsWith("ZAKTUALIZOWANO :  "))
        << Kontrolka<QLabel>(DaneRonda, "L_LastEdit")->text().toStdString();
    EXPECT_EQ(DaneRonda->KopiaPomiaru.NatezeniaNaRelacjach[0][1], 23) << "20 cars and 3 lorries";
    EXPECT_FALSE(ProjektZmieniony);
    DaneRonda->B_rezygnuj->click();
    EXPECT_TRUE(LinieProjektu() == przed);
    EXPECT_FALSE(ProjektZmieniony);
    EXPECT_EQ(Pomiary[0].NatezeniaPojazdow[0][1], 10);
    // The commit of the count page after a coefficient typed stores it.
    PokazDane(n);
    Strona(2);
    DaneRonda->SG_Tabela->item(19, 2)->setText("1");
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Pomiary[0].NatezeniaPojazdow[0][1], 20);
    EXPECT_EQ(Pomiary[0].NatezeniaNaRelacjach[0][1], 23);
    EXPECT_TRUE(ProjektZmieniony);
}

TEST_F(DaneRondaTest, StrukturaRelacji)
{
    const int n = Rekord(0, 0);
    Sklad[1].Wspolczynnik = 1.0f;
    Sklad[2].Wspolczynnik = 2.5f;
    PokazDane(n);
    Strona(3);
    EXPECT_TRUE(DaneRonda->RB_DaneStruktura->isChecked());
    EXPECT_TRUE(Kontrolka<QPushButton>(DaneRonda, "i14")->isHidden());
    Kontrolka<QPushButton>(DaneRonda, "i23")->click();
    EXPECT_EQ(DaneRonda->s_nr->text(), "23");
    DaneRonda->SG_Stru->item(0, 1)->setText("10");
    DaneRonda->SG_Stru->item(1, 1)->setText("3");
    Kontrolka<QPushButton>(DaneRonda, "i12")->click();
    // 10 + Trunc(3 x 2.5) = 17.
    EXPECT_EQ(Ronda[n].StrukturaRelacji[1][2][0], 17);
    EXPECT_EQ(Kontrolka<QPushButton>(DaneRonda, "i23")->text(), "C 17");
    EXPECT_EQ(Kontrolka<QLabel>(DaneRonda, "L_wl2")->text(), "17");
    EXPECT_EQ(Kontrolka<QLabel>(DaneRonda, "L_wy3")->text(), "17");
    // A cell that is no count is refused, by the commit and by another tile,
    // naming its type and relation; nothing is stored.
    Kontrolka<QPushButton>(DaneRonda, "i23")->click();
    DaneRonda->SG_Stru->item(0, 1)->setText("x");
    DaneRonda->SG_Stru->item(1, 1)->setText("2");
    ProjektZmieniony = false;
    DaneRonda->WprowadzClick();
    const std::string komunikat =
        "Nieprawidłowa liczba pojazdów typu " + DaneRonda->SG_Stru->item(0, 0)->text().toStdString() + " w relacji 23!";
    EXPECT_EQ(Komunikaty().back(), komunikat);
    EXPECT_EQ(Ronda[n].StrukturaRelacji[1][2][0], 17);
    EXPECT_EQ(Ronda[n].ZeStruktury, 0);
    EXPECT_FALSE(ProjektZmieniony);
    Kontrolka<QPushButton>(DaneRonda, "i12")->click();
    EXPECT_EQ(Komunikaty().back(), komunikat);
    EXPECT_EQ(DaneRonda->s_nr->text(), "23") << "the relation stays shown";
    EXPECT_EQ(Ronda[n].StrukturaRelacji[1][2][0], 17);
    // 10 + Trunc(2 x 2.5) = 15.
    DaneRonda->SG_Stru->item(0, 1)->setText("10");
    DaneRonda->WprowadzClick();
    EXPECT_EQ(Ronda[n].StrukturaRelacji[1][2][0], 15);
    EXPECT_EQ(Ronda[n].ZeStruktury, 1);
    EXPECT_EQ(Ronda[n].SumaWlotu[1], 15) << "the redraw took the structure";

    // An absent arm's block stays in the record but feeds no flow.
    Ronda[n].StrukturaRelacji[3][0][0] = 500;
    Ronda[n].Obliczony = 0;
    Form1->Przerysuj();
    EXPECT_EQ(Ronda[n].SumaWlotu[3], 0);
    EXPECT_EQ(Ronda[n].SumaWylotu[0], 0);

    // The number of types is the project's, at once.
    DaneRonda->CB_iStruktura->setCurrentText("3");
    emit DaneRonda->CB_iStruktura->textActivated("3");
    EXPECT_EQ(LiczbaSkladow, 3);
    EXPECT_EQ(DaneRonda->SG_Stru->rowCount(), 3);
}

}  // namespace

namespace {

// The count browser and the forecast table themselves, as the shell hands
// them over: the browser lists roundabout counts only, the forecast table
// edits the roundabout's five inlet groups.
TEST_F(DaneRondaTest, PrzegladarkaPomiarowITabelaPrognozRonda)
{
    DanePomiar rondo = PomiarRonda();
    rondo.TypWezla = "R01";
    rondo.MaxJest = 5;
    rondo.NatezeniaPojazdow[4 * KlasPojazdow + 0][0] = 50;   // 50 cars from inlet 5 to 1
    DanePomiar skrzyzowanie = PomiarRonda();
    skrzyzowanie.TypWezla = "J01";
    std::string blad;
    ASSERT_TRUE(ZapiszPlikPomiaru(KatalogPomiarow + "/rondo.pom", rondo, blad)) << blad;
    ASSERT_TRUE(ZapiszPlikPomiaru(KatalogPomiarow + "/skrzyzowanie.pom", skrzyzowanie, blad)) << blad;

    const int n = Rekord(0, 0);
    PokazDane(n);
    Strona(2);
    QStringList lista;
    QTimer::singleShot(0, [&] {
        for (int i = 0; i < OpenPomiar->ListaPomiar->count(); ++i)
            lista << OpenPomiar->ListaPomiar->item(i)->text();
        OpenPomiar->ListaPomiar->setCurrentRow(0);
        OpenPomiar->B_Wprowadz->click();
    });
    DaneRonda->W_WczytajPomiar->click();
    EXPECT_EQ(lista, QStringList{"rondo"});
    EXPECT_EQ(DaneRonda->KopiaPomiaru.MaxJest, 5);

    QTimer::singleShot(0, [&] {
        EXPECT_EQ(TabelaPrognoz->L_Typ->text(), "R");
        if (TabelaPrognoz->CB_WspolnaPrognoza->isChecked())
            TabelaPrognoz->CB_WspolnaPrognoza->click();
        // Columns 2.. hold the inlets' groups: inlet 5 is the last.
        TabelaPrognoz->SG_Pojazdy->UstawKomorke(6, 1, "20%");
        TabelaPrognoz->B_Wprowadz->click();
    });
    DaneRonda->B_Prognoza->click();
    DaneRonda->WprowadzClick();
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().back();
    const DaneRondo& r = Ronda[n];
    ASSERT_EQ(r.NrPrognozy, 0);
    EXPECT_EQ(Prognozy[0].PrognozaPojazdy[5][0].str(), "20%");
    EXPECT_EQ(Pomiary[r.NrPomiaru].NatezeniaNaRelacjach[4][0], 60) << "50 cars and 20 %";
}

}  // namespace
