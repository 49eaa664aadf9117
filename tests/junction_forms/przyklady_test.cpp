// The example projects the program ships, made the way a user makes them:
// nodes and variants by the main window's commands, geometry and volumes in
// the data windows, a count chosen in the count browser, a forecast in the
// forecast table, blocks from the shipped library, descriptions in their
// window. With KG_PRZYKLADY naming the data folder of the sources
// (scripts/przyklady.sh) they are written there as "Przyklady/*.rup",
// "Pomiary/*.pom" and "Pomiary/Prognozy/*.pgz"; otherwise into the test's
// own folder, so that every run checks that they can still be made.

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <cstdlib>

#include "counts/OknaPomiarow.h"
#include "counts/PlikiPomiarow.h"
#include "counts/Siatka.h"
#include "model/PlikProjektu.h"
#include "formularze.h"
#include "junction_forms/TDaneRonda.h"
#include "junction_forms/TGeometriaRondo.h"
#include "shell/TEdycjaOpisy.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWstawBlok.h"

namespace {

class Przyklady : public ProgramTest {
protected:
    std::string cel;  // the folder that receives "Przyklady" and "Pomiary"

    void SetUp() override
    {
        ProgramTest::SetUp();
        UstawSeparatorDziesietny('.');
        Uruchom();
        const char* zmienna = std::getenv("KG_PRZYKLADY");
        cel = zmienna ? std::string(zmienna) : Sciezka("wynik");
        for (const char* k : {"Przyklady", "Pomiary/Prognozy"})
            QDir().mkpath(QString::fromStdString(cel + "/" + k));
        Form1->BNowyClick();
    }

    static void Liczba(QComboBox* c, const char* tekst)
    {
        c->setCurrentText(tekst);
        emit c->textActivated(tekst);
    }
    static QAction* Polecenie(const char* nazwa) { return Form1->findChild<QAction*>(nazwa); }

    static void DodajWezel(const char* polecenie, const char* nazwa, const char* x, const char* y)
    {
        Polecenie(polecenie)->trigger();
        Form1->E_Opis->setText(QString::fromUtf8(nazwa));
        Form1->E_x->setText(x);
        Form1->E_y->setText(y);
        Form1->B_Wstaw->click();
    }
    static void DodajWariant(const char* nazwa)
    {
        Form1->E_Index->setText(QString::fromUtf8(nazwa));
        Polecenie("TB_DodajWariant")->trigger();
    }

    // A count saved where the count browser looks, and a copy for shipping.
    void ZapiszPomiar(const DanePomiar& p)
    {
        std::string blad;
        ASSERT_TRUE(ZapiszPlikPomiaru(KatalogPomiarow + "/" + p.NazwaPliku.str(), p, blad)) << blad;
        ASSERT_TRUE(ZapiszPlikPomiaru(cel + "/Pomiary/" + p.NazwaPliku.str(), p, blad)) << blad;
    }
    // The count `nazwa` picked in the browser the data window opens.
    static void WybierzPomiar(QPushButton* wczytaj, const char* nazwa)
    {
        QTimer::singleShot(0, OpenPomiar, [nazwa] {
            const auto lista = OpenPomiar->ListaPomiar->findItems(nazwa, Qt::MatchExactly);
            ASSERT_EQ(lista.size(), 1) << nazwa;
            OpenPomiar->ListaPomiar->setCurrentItem(lista[0]);
            OpenPomiar->B_Wprowadz->click();
        });
        wczytaj->click();
    }
    void ZapiszProjektPrzykladu(const char* nazwa)
    {
        Form1->Przerysuj();
        ASSERT_TRUE(Komunikaty().empty()) << Komunikaty().back();
        ASSERT_TRUE(ZapiszProjekt(cel + "/Przyklady/" + nazwa));
    }
};

// A count of four inlets: cars from every inlet to the exits of `samochody`
// (U-turns left out), each other class of `udzialy` as one in so many cars,
// and pedestrians on every inlet.
DanePomiar PomiarCzterechWlotow(const char* plik, const char* miejsce, const char* sekcja, const char* typ,
                                const int (&samochody)[4][4], std::initializer_list<std::pair<int, int>> udzialy,
                                int piesi)
{
    DanePomiar p;
    UstawDomyslnyPomiar(p);
    p.NazwaPliku = plik;
    p.Lokalizacja = Utf8NaCp1250(miejsce);
    p.Sekcja = Utf8NaCp1250(sekcja);
    p.TypWezla = typ;
    p.MaxJest = 4;
    for (int w = 0; w < 4; ++w) {
        for (int k = 0; k < 4; ++k) {
            if (samochody[w][k] == 0)
                continue;
            p.NatezeniaPojazdow[w * KlasPojazdow][k] = samochody[w][k];
            for (const auto& [klasa, naIle] : udzialy)
                p.NatezeniaPojazdow[w * KlasPojazdow + klasa][k] = samochody[w][k] / naIle;
        }
        p.NatezeniaPrzejsc[w][0] = piesi + 25 * w;
    }
    return p;
}

// A city junction: cars, vans, lorries and buses.
DanePomiar PomiarSkrzyzowania()
{
    const int samochody[4][4] = {{0, 420, 610, 95}, {180, 0, 140, 260}, {540, 120, 0, 310}, {70, 330, 150, 0}};
    DanePomiar p = PomiarCzterechWlotow("Mickiewicza_Kosciuszki.pom", "Al. Mickiewicza / ul. Kościuszki",
                                        "szczyt popołudniowy", "J01", samochody, {{1, 12}, {2, 25}, {3, 60}}, 80);
    p.Opis2Linie[0] = Utf8NaCp1250("Pomiar ręczny, 15:30-16:30");
    return p;
}

TEST_F(Przyklady, SkrzyzowanieZPomiaremIPrognoza)
{
    DodajWezel("TB_DodajRupl", "Mickiewicza / Kościuszki", "10.5", "15");
    DodajWariant("Stan istniejący");
    DodajWariant("Prognoza 2035");
    ASSERT_EQ(LiczbaRuchoplanow(), 2);
    ZapiszPomiar(PomiarSkrzyzowania());

    // The arms' street names, for both variants at once.
    GeometriaRuchoplan->L_NrRupl->setText("0");
    GeometriaRuchoplan->FormShow();
    const char* const ulice[] = {"ul. Kościuszki", "Al. Mickiewicza", "ul. Kościuszki", "Al. Mickiewicza"};
    for (int k = 1; k <= 4; ++k)
        Wpisz(Kontrolka<QLineEdit>(GeometriaRuchoplan, ("tekst" + std::to_string(k) + "1").c_str()),
              QString::fromUtf8(ulice[k - 1]));
    GeometriaRuchoplan->B_WprowadzClick();
    ASSERT_TRUE(Komunikaty().empty()) << Komunikaty().back();

    for (int wariant = 0; wariant < 2; ++wariant) {
        int n = -1;
        for (int i = 0; i < LiczbaRuchoplanow(); ++i)
            if (Ruchoplany[i].NrWariantu == wariant)
                n = i;
        NatezeniaRUPL->L_NrRupl->setText(QString::number(n));
        NatezeniaRUPL->FormShow();
        Kontrolka<QTabWidget>(NatezeniaRUPL, "PC_NatRupl")->setCurrentIndex(2);
        WybierzPomiar(NatezeniaRUPL->W_WczytajPomiar, "Mickiewicza_Kosciuszki");
        if (wariant == 1) {
            // Traffic grows by 15%, lorries by 25%, pedestrians by 10.
            QTimer::singleShot(0, TabelaPrognoz, [] {
                TabelaPrognoz->SG_Pojazdy->UstawKomorke(2, 1, "15%");
                TabelaPrognoz->SG_Pojazdy->UstawKomorke(2, 2, "15%");
                TabelaPrognoz->SG_Pojazdy->UstawKomorke(2, 3, "25%");
                TabelaPrognoz->SG_Pojazdy->UstawKomorke(2, 4, "15%");
                TabelaPrognoz->B_Wprowadz->click();
            });
            NatezeniaRUPL->B_PrognozaClick();
        }
        NatezeniaRUPL->BWprowadzClick();
        ASSERT_TRUE(Komunikaty().empty()) << Komunikaty().back();
        if (wariant == 1) {
            const DaneRuchoplan& r = Ruchoplany[n];
            ASSERT_GE(r.NrPrognozy, 0);
            std::string blad;
            ASSERT_TRUE(ZapiszPlikPrognozy(cel + "/Pomiary/Prognozy/Mickiewicza_2035.pgz", Prognozy[r.NrPrognozy], blad))
                << blad;
        }
    }
    ZapiszProjektPrzykladu("Skrzyzowanie_miejskie.rup");
    for (const DaneRuchoplan& r : Ruchoplany)
        EXPECT_EQ(r.ZPomiaru, 1);
}

// A four-arm roundabout: cars and lorries.
DanePomiar PomiarRonda()
{
    const int samochody[4][4] = {{0, 260, 380, 150}, {210, 0, 240, 330}, {410, 190, 0, 170}, {120, 300, 160, 0}};
    return PomiarCzterechWlotow("Rondo_Grunwaldzkie.pom", "Rondo Grunwaldzkie", "szczyt poranny", "R01", samochody,
                                {{2, 20}}, 60);
}

TEST_F(Przyklady, RondoZPomiarem)
{
    DodajWezel("TB_DodajRond", "Rondo Grunwaldzkie", "10.5", "15");
    DodajWariant("Stan istniejący");
    ASSERT_EQ(LiczbaRond(), 1);
    ZapiszPomiar(PomiarRonda());

    GeometriaRondo->L_NrRonda->setText("0");
    GeometriaRondo->FormShow();
    Liczba(GeometriaRondo->CB_IloscWW, "4");
    const int katy[] = {10, 95, 185, 280};
    for (int k = 1; k <= 4; ++k)
        Wpisz(Kontrolka<QLineEdit>(GeometriaRondo, ("E_A" + std::to_string(k)).c_str()), QString::number(katy[k - 1]));
    GeometriaRondo->WprowadzClick();
    ASSERT_TRUE(Komunikaty().empty()) << Komunikaty().back();

    DaneRonda->L_NrRonda->setText("0");
    DaneRonda->FormShow();
    DaneRonda->PC_NatRond->setCurrentIndex(2);
    WybierzPomiar(DaneRonda->W_WczytajPomiar, "Rondo_Grunwaldzkie");
    Wpisz(Kontrolka<QLineEdit>(DaneRonda, "Tytul1"), QString::fromUtf8("Rondo Grunwaldzkie"));
    DaneRonda->WprowadzClick();
    ASSERT_TRUE(Komunikaty().empty()) << Komunikaty().back();
    ZapiszProjektPrzykladu("Rondo.rup");
    EXPECT_EQ(Ronda[0].ZPomiaru, 1);
    EXPECT_EQ(Ronda[0].GeometriaPoprawna, 1);
}

// A street of three junctions and a roundabout in two variants, with a north
// arrow, a scale bar and a description on every variant.
TEST_F(Przyklady, SiecWDwochWariantach)
{
    // The A2 sheet of the settings window, across, in two rows as the
    // street runs: every diagram clear of the others, of the blocks, of the
    // description and of the sheet's edges.
    UstawyGlobalne->WypelnijUstawienia();
    UstawyGlobalne->RB_ArkuszA2->setChecked(true);
    UstawyGlobalne->ArkuszClick();
    ASSERT_TRUE(UstawyGlobalne->ZastosujUstawienia()) << Komunikaty().back();
    ASSERT_FLOAT_EQ(wg.ArkuszB, 58.4f);
    DodajWezel("TB_DodajRupl", "Długa / Polna", "12", "30");
    DodajWezel("TB_DodajRupl", "Długa / Leśna", "43", "30");
    DodajWezel("TB_DodajRond", "Rondo Pokoju", "12", "11.5");
    DodajWezel("TB_DodajRupl", "Długa / Szkolna", "43", "11.5");
    DodajWariant("Stan istniejący");
    DodajWariant("Wariant z obwodnicą");
    ASSERT_EQ(LiczbaRuchoplanow(), 6);

    for (int i = 0; i < LiczbaRuchoplanow(); ++i) {
        GeometriaRuchoplan->L_NrRupl->setText(QString::number(i));
        GeometriaRuchoplan->FormShow();
        GeometriaRuchoplan->B_WprowadzClick();
        // Volumes typed per relation; the bypass takes a third off the street.
        DaneRuchoplan& r = Ruchoplany[i];
        for (int k = 0; k < 16; ++k)
            r.Natezenia[k] = (k % 5 == 0) ? 0 : 40 + (53 * k + 29 * r.NrWezla) % 260;
        if (r.NrWariantu == 1)
            for (int32_t& v : r.Natezenia)
                v = v * 2 / 3;
        r.Tytul[0] = Wezly[r.NrWezla].Nazwa;
        r.Obliczony = 0;
    }
    for (int i = 0; i < LiczbaRond(); ++i) {
        GeometriaRondo->L_NrRonda->setText(QString::number(i));
        GeometriaRondo->FormShow();
        Liczba(GeometriaRondo->CB_IloscWW, "4");
        GeometriaRondo->WprowadzClick();
        DaneRonda->L_NrRonda->setText(QString::number(i));
        DaneRonda->FormShow();
        const std::pair<const char*, int> macierz[] = {{"nat12", 220}, {"Nat13", 310}, {"Nat14", 90},
                                                       {"Nat21", 180}, {"Nat24", 120}, {"Nat31", 290},
                                                       {"Nat42", 75},  {"Nat43", 110}};
        for (const auto& [pole, v] : macierz)
            Wpisz(Kontrolka<QLineEdit>(DaneRonda, pole), QString::number(Ronda[i].NrWariantu == 1 ? v * 2 / 3 : v));
        Wpisz(Kontrolka<QLineEdit>(DaneRonda, "Tytul1"), QString::fromUtf8("Rondo Pokoju"));
        // The title beside the roundabout, clear of the junction above it.
        Wpisz(DaneRonda->E_dxOpis, "11");
        Wpisz(DaneRonda->E_dyOpis, "-0.4");
        DaneRonda->WprowadzClick();
    }
    ASSERT_TRUE(Komunikaty().empty()) << Komunikaty().back();
    Form1->UstawPolecenia();

    // Blocks of the shipped library on every variant.
    dialogi.SciezkiOtworz.push_back(std::string(KG_BUILD_DIR) + "/Dane/Bloki/Kartogram.blk");
    WstawBlok->B_WczytajBlokiListaClick();
    const std::tuple<const char*, const char*, const char*> bloki[] = {{"Strzałka północy", "54", "34"},
                                                                       {"Podziałka 50 m", "46", "1"}};
    for (const auto& [nazwa, x, y] : bloki) {
        WstawBlok->PrzygotujWstawianie();
        const auto p = WstawBlok->LB_NazwaBlokuCzytaj->findItems(QString::fromUtf8(nazwa), Qt::MatchExactly);
        ASSERT_EQ(p.size(), 1) << nazwa;
        WstawBlok->LB_NazwaBlokuCzytaj->setCurrentItem(p[0]);
        WstawBlok->LB_NazwaBlokuCzytajClick();
        WstawBlok->E_x->setText(x);
        WstawBlok->E_y->setText(y);
        WstawBlok->CB_sX->setEditText("1");
        WstawBlok->CB_sY->setEditText("1");
        WstawBlok->RB_ArkWszystkie->setChecked(true);
        WstawBlok->B_WczytajBlokClick();
    }
    // A description on every variant.
    EdycjaOpisy->PrzygotujNowy();
    EdycjaOpisy->E_txt->setText(QString::fromUtf8("Ciąg ul. Długiej - ruch w godzinie szczytu [P/h]"));
    EdycjaOpisy->E_x->setText("4");
    EdycjaOpisy->E_y->setText("39.5");
    EdycjaOpisy->RB_ArkWszystkie->setChecked(true);
    EdycjaOpisy->B_WprowadzClick();
    ASSERT_TRUE(Komunikaty().empty()) << Komunikaty().back();
    EXPECT_FALSE(Opisy.empty());

    ZapiszProjektPrzykladu("Siec_ul_Dlugiej.rup");
}

} // namespace
