// The block window driven by its controls: a library listed by group, a
// block placed, saved and placed again, replaced by a newer library, drawn
// with its command lines, changed and deleted with the mouse.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>
#include <fstream>

#include "base/Teksty.h"
#include "drawing/BibliotekaBlokow.h"
#include "drawing/Nagrywanie.h"
#include "drawing/Wyjscie.h"
#include "model/PlikProjektu.h"
#include "pomoc.h"
#include "shell/Podglad.h"
#include "shell/TWstawBlok.h"

namespace {

// A library of two blocks; "Znak" holds the three command examples.
void ZapiszBiblioteke(const std::string& sciezka, const std::string& dataZnaku, std::vector<std::string> cialoZnaku)
{
    std::vector<std::string> l = {"Biblioteka testowa"};
    auto definicja = [&](const std::string& nazwa, const std::string& data, const std::string& grupa,
                         const std::vector<std::string>& cialo) {
        l.insert(l.end(), {std::string(ZnacznikDefinicji), "-", nazwa, data, "10:20:30", "-", grupa, "-", "cm", "-",
                           "-"});
        l.insert(l.end(), cialo.begin(), cialo.end());
        l.emplace_back(ZnacznikKonca);
    };
    definicja("Znak", dataZnaku, "Znaki", cialoZnaku);
    definicja("Inny", "2026-01-01", "Ramki", {"ramka", "P(0,0)-(1,1)"});
    std::ofstream plik(sciezka, std::ios::binary);
    for (const std::string& linia : l)
        plik << linia << "\r\n";
}

const std::vector<std::string> CialoZnaku = {"ramka", "L(0,0)-(2.5,1)", "T(1,2,'Wjazd',0.5,0.4,0)",
                                             "O(0,0,1.5),K(255,0,0),GR(0.3)"};

class BlokiOkno : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
        ZbudujProjekt(2, 2);
        Form1->UstawPolecenia();
        ZapiszBiblioteke(Sciezka("test.blk"), "2026-01-01", CialoZnaku);
    }
    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
    }

    void OtworzBiblioteke(const std::string& sciezka)
    {
        dialogi.SciezkiOtworz.push_back(sciezka);
        WstawBlok->B_WczytajBlokiListaClick();
    }
    void Wybierz(const char* nazwa)
    {
        const auto p = WstawBlok->LB_NazwaBlokuCzytaj->findItems(nazwa, Qt::MatchExactly);
        ASSERT_EQ(p.size(), 1);
        WstawBlok->LB_NazwaBlokuCzytaj->setCurrentItem(p[0]);
        WstawBlok->LB_NazwaBlokuCzytajClick();
    }
    void Wstaw(const char* nazwa, const char* x, const char* y, const char* sx, const char* sy)
    {
        WstawBlok->PrzygotujWstawianie();
        Wybierz(nazwa);
        WstawBlok->E_x->setText(x);
        WstawBlok->E_y->setText(y);
        WstawBlok->CB_sX->setEditText(sx);
        WstawBlok->CB_sY->setEditText(sy);
        WstawBlok->RB_ArkAktualny->setChecked(true);
        WstawBlok->B_WczytajBlokClick();
    }
    std::vector<std::string> Lista() const
    {
        std::vector<std::string> w;
        for (int i = 0; i < WstawBlok->LB_NazwaBlokuCzytaj->count(); ++i)
            w.push_back(WstawBlok->LB_NazwaBlokuCzytaj->item(i)->text().toStdString());
        return w;
    }
};

std::string Sep(const std::string& t)
{
    std::string w = t;
    for (char& c : w)
        if (c == '.')
            c = SeparatorDziesietny();
    return w;
}

} // namespace

TEST_F(BlokiOkno, BibliotekaProgramuWedlugGrup)
{
    OtworzBiblioteke(std::string(KG_BUILD_DIR) + "/Dane/Bloki/Kartogram.blk");
    EXPECT_EQ(Lista().size(), 7u);
    std::vector<std::string> grupy;
    for (int i = 0; i < WstawBlok->CB_Grupa->count(); ++i)
        grupy.push_back(WstawBlok->CB_Grupa->itemText(i).toStdString());
    EXPECT_EQ(grupy, (std::vector<std::string>{" Wszystkie", "Oznaczenia", "Tabliczki", "Znaki drogowe"}));
    WstawBlok->CB_Grupa->setCurrentIndex(3);
    WstawBlok->CB_GrupaChange();
    EXPECT_EQ(Lista(), (std::vector<std::string>{"Znak A-7 ustąp pierwszeństwa", "Znak B-2 zakaz wjazdu",
                                                 "Znak B-20 stop", "Znak D-6 przejście dla pieszych"}));
    // A group that no definition has lists nothing.
    WstawBlok->WczytajListeBlokow("Brak");
    EXPECT_TRUE(Lista().empty());
    // Every block of the library draws on the sheet.
    for (const char* nazwa : {"Strzałka północy", "Podziałka 50 m", "Tabliczka rysunku"}) {
        WstawBlok->WczytajListeBlokow(" Wszystkie");
        Wstaw(nazwa, "5", "5", "1", "1");
    }
    EXPECT_EQ(LiczbaBlokow(), 3);
    Nagrywanie n;
    WyjscieEkran = false;
    WyjscieDxf = true;
    Form1->Przerysuj();
    int teksty = 0;
    for (const EncjaDxf& e : n.dxf.encje)
        teksty += e.warstwa == "Rupl_Bloki" && e.typ == EncjaDxf::Typ::Tekst;
    EXPECT_EQ(teksty, 1 + 3 + 5);  // "N", the scale's three numbers, the stamp's five captions
}

TEST_F(BlokiOkno, WstawienieZapisITenSamBlokPonownie)
{
    OtworzBiblioteke(Sciezka("test.blk"));
    EXPECT_EQ(Lista(), (std::vector<std::string>{"Inny", "Znak"}));
    Wstaw("Znak", "10", "5", "2", "0.5");
    ASSERT_EQ(LiczbaBlokow(), 1);
    EXPECT_EQ(WstawBlok->CB_sY->currentText().toStdString(), Sep("0.5"));
    const DaneBlok& b = Bloki[0];
    EXPECT_EQ(std::vector<float>({b.X, b.Y, b.Sx, b.Sy}), std::vector<float>({10, 5, 2, 0.5}));
    EXPECT_EQ(b.Wariant, 0);
    EXPECT_EQ(b.Nad, 1);
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_TRUE(Form1->findChild<QAction*>("M_ZmienBlok")->isEnabled());

    ASSERT_TRUE(ZapiszProjekt(Sciezka("bloki.rup")));
    const std::string d(42, '-');
    const std::string sekcja = d + "bv1\r\n Bloki\r\n1\r\n" + d +
                               "\r\n"
                               "Nazwa bloku  : Znak\r\nData         : 2026-01-01\r\nTime         : 10:20:30\r\n"
                               "Grupa        : Znaki\r\nJedn         : cm\r\nstart        : 3\r\nkoniec       : 5\r\n\r\n" +
                               d + "\r\n Definicje blokow\r\n7\r\n" + d + "\r\n" + std::string(ZnacznikStartu) +
                               "\r\nZnak\r\nramka\r\nL(0,0)-(2.5,1)\r\nT(1,2,'Wjazd',0.5,0.4,0)\r\n"
                               "O(0,0,1.5),K(255,0,0),GR(0.3)\r\n" +
                               std::string(ZnacznikKonca) + "\r\n\r\n" + d + "\r\n Wstawienia blokow\r\n1\r\n" + d +
                               "\r\nNazwa bloku  : Znak\r\nnrArk        : 0\r\n" + Sep("X =          : 10.0\r\n") +
                               Sep("Y =          : 5.0\r\nsx=          : 2.0\r\nsy=          : 0.5\r\n") + "NAD\r\n";
    EXPECT_NE(CzytajPlik(Sciezka("bloki.rup")).find(sekcja), std::string::npos)
        << CzytajPlik(Sciezka("bloki.rup"));

    // Placed again with the same library date: no second definition.
    Wstaw("Znak", "1", "1", "1", "1");
    EXPECT_EQ(LiczbaBlokow(), 2);
    EXPECT_EQ(LiczbaDefinicjiBlokow(), 1);
    EXPECT_EQ(LiczbaLiniiBlokow(), 7);
    EXPECT_TRUE(WstawBlok->OpisBloku->toPlainText().isEmpty());
    EXPECT_FALSE(WstawBlok->B_AktualizujBlok->isEnabled());
}

TEST_F(BlokiOkno, NowszaBibliotekaZastepujeDefinicje)
{
    OtworzBiblioteke(Sciezka("test.blk"));
    Wstaw("Znak", "10", "5", "1", "1");
    Wstaw("Inny", "20", "5", "1", "1");
    ASSERT_EQ(DefinicjeBlokow[1].Start, 10);

    ZapiszBiblioteke(Sciezka("nowsza.blk"), "2026-02-01", {"ramka", "L(0,0)-(0,3)"});
    OtworzBiblioteke(Sciezka("nowsza.blk"));
    WstawBlok->PrzygotujWstawianie();
    Wybierz("Znak");
    EXPECT_EQ(WstawBlok->OpisBloku->toPlainText().toStdString(),
              "Def. bloku \"Znak\"\nz dn.2026-01-01;  godz.10:20:30\nzostanie zastąpiona nową stworzoną: \n"
              "dn.2026-02-01;  godz.10:20:30");
    EXPECT_TRUE(WstawBlok->B_AktualizujBlok->isEnabled());
    // The preview shows the project's lines until the definition is replaced.
    EXPECT_EQ(WstawBlok->LinieWstawianegoBloku.size(), 3u);

    Wstaw("Znak", "30", "5", "1", "1");
    ASSERT_EQ(LiczbaDefinicjiBlokow(), 2);
    EXPECT_EQ(DefinicjeBlokow[0].Nazwa, "Inny");
    EXPECT_EQ(DefinicjeBlokow[0].Start, 3);  // moved down by the 7 lines of the old "Znak"
    EXPECT_EQ(LinieDefinicji(0), (std::vector<std::string>{"P(0,0)-(1,1)"}));
    EXPECT_EQ(DefinicjeBlokow[1].Nazwa, "Znak");
    EXPECT_EQ(LinieDefinicji(1), (std::vector<std::string>{"L(0,0)-(0,3)"}));
    EXPECT_EQ(DataNaTekst(DefinicjeBlokow[1].Data), "2026-02-01");
    EXPECT_FALSE(WstawBlok->B_AktualizujBlok->isEnabled());
    // Every placement of the name draws the new definition.
    Nagrywanie n;
    WyjscieEkran = false;
    WyjscieDxf = true;
    Form1->Przerysuj();
    std::vector<double> znaki;
    for (const EncjaDxf& e : n.dxf.encje)
        if (e.warstwa == "Rupl_Bloki" && e.y2 == 8.0)
            znaki.push_back(e.x1);
    EXPECT_EQ(znaki, (std::vector<double>{10, 30}));
}

TEST_F(BlokiOkno, KomendyNaEkranieIWDxf)
{
    OtworzBiblioteke(Sciezka("test.blk"));
    Wstaw("Znak", "10", "5", "2", "0.5");
    Nagrywanie n;
    WyjscieEkran = true;
    WyjscieDxf = true;
    Form1->Przerysuj();
    std::vector<EncjaDxf> e;
    for (const EncjaDxf& x : n.dxf.encje)
        if (x.warstwa == "Rupl_Bloki")
            e.push_back(x);
    ASSERT_GT(e.size(), 300u);
    // L(0,0)-(2.5,1): from the anchor, x doubled, y halved.
    EXPECT_EQ(e[0].typ, EncjaDxf::Typ::Linia);
    EXPECT_EQ(std::vector<double>({e[0].x1, e[0].y1, e[0].x2, e[0].y2}), std::vector<double>({10, 5, 15, 5.5}));
    // T(1,2,'Wjazd',0.5,0.4,0): at (12, 6), height 0.25, black.
    EXPECT_EQ(e[1].typ, EncjaDxf::Typ::Tekst);
    EXPECT_EQ(e[1].tekst, "Wjazd");
    EXPECT_DOUBLE_EQ(e[1].x1, 12.0);
    EXPECT_NEAR(e[1].y1, 6.05, 1e-6);  // the insertion point lies a fifth of the height above
    EXPECT_DOUBLE_EQ(e[1].wysokosc, 0.7 * 0.25);  // a DXF text's height for a stroke text of 0.25
    // O(0,0,1.5),K(255,0,0),GR(0.3): a closed run of one-degree chords of
    // radius 3 (R times the X factor) about the anchor, red.
    for (std::size_t i = 2; i < e.size(); ++i) {
        ASSERT_EQ(e[i].typ, EncjaDxf::Typ::Linia);
        EXPECT_NEAR(std::hypot(e[i].x1 - 10, e[i].y1 - 5), 3.0, 1e-5);
        EXPECT_EQ(e[i].kolor, 1);
        if (i > 2) {
            EXPECT_NEAR(std::hypot(e[i].x1 - e[i - 1].x2, e[i].y1 - e[i - 1].y2), 0.0, 1e-5);
        }
    }
    EXPECT_EQ(e.size() - 2, 361u);  // 360 whole degrees and the closing chord
    // On the screen the line and the circle are drawn too.
    EXPECT_FALSE(n.ekran.linie.empty());
}

TEST_F(BlokiOkno, WskazanieZmianaIUsuniecieMysza)
{
    OtworzBiblioteke(Sciezka("test.blk"));
    WstawBlok->PrzygotujWstawianie();
    Wybierz("Znak");
    WstawBlok->CB_sX->setEditText("2,5");
    WstawBlok->Button1Click();
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::WstawBlok);
    wg.Siatka = true;  // the point snaps to the grid
    wg.KrokSiatki = 0.5f;
    EXPECT_EQ(Form1->NowyOpis.Sx, 2.5f);
    Najedz(12.0, 6.0);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{" X=12.000 Y=6.000"}));
    EXPECT_GE(Form1->Podglad->Nakladka().size(), 3u);  // the preview's strokes and the label
    bool pokazane = false;
    QTimer::singleShot(0, WstawBlok, [&] {
        pokazane = true;
        EXPECT_EQ(WstawBlok->E_x->text().toStdString(), Sep("12.00"));
        EXPECT_EQ(WstawBlok->E_y->text().toStdString(), Sep("6.00"));
        WstawBlok->RB_ArkAktualny->setChecked(true);
        WstawBlok->B_WczytajBlok->click();
    });
    Klik(12.0, 6.0);
    ASSERT_TRUE(pokazane);
    ASSERT_EQ(LiczbaBlokow(), 1);
    EXPECT_EQ(Bloki[0].X, 12.0f);
    EXPECT_EQ(Bloki[0].Sx, 2.5f);
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::Brak);

    // Change: picked within 3 cm; its variant kept unless the user moves it.
    Form1->M_ZmienBlokClick();
    Najedz(30.0, 30.0);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{"Wskaż blok."}));
    Klik(30.0, 30.0);  // nothing picked: the mode stays
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::ZmienBlok);
    Najedz(13.0, 6.0);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{"Edycja blok Znak"}));
    pokazane = false;
    QTimer::singleShot(0, WstawBlok, [&] {
        pokazane = true;
        EXPECT_EQ(WstawBlok->B_WczytajBlok->text().toStdString(), "Zmień blok");
        EXPECT_FALSE(WstawBlok->LB_NazwaBlokuCzytaj->isEnabled());
        EXPECT_TRUE(WstawBlok->RB_ArkAktualny->isChecked());
        EXPECT_EQ(WstawBlok->LinieWstawianegoBloku.size(), 3u);
        WstawBlok->E_y->setText("7,5");
        WstawBlok->B_WczytajBlok->click();
    });
    Klik(13.0, 6.0);
    ASSERT_TRUE(pokazane);
    EXPECT_EQ(Bloki[0].Y, 7.5f);
    EXPECT_EQ(Bloki[0].Wariant, 0);
    EXPECT_EQ(LiczbaDefinicjiBlokow(), 1);

    // Bad numbers are refused naming the field; factors 0 and 0 too.
    WstawBlok->PrzygotujZmiane(0);
    WstawBlok->E_x->setText("abc");
    WstawBlok->B_WczytajBlokClick();
    EXPECT_EQ(Komunikaty().back(), "Nieprawidłowa współrzędna X! ");
    WstawBlok->E_x->setText("1");
    WstawBlok->CB_sX->setEditText("0");
    WstawBlok->CB_sY->setEditText("0,0001");
    WstawBlok->B_WczytajBlokClick();
    EXPECT_EQ(Komunikaty().back(), "Współczynnik musi być  różną od zera!");
    WstawBlok->CB_sY->setEditText("1e9");
    WstawBlok->B_WczytajBlokClick();
    EXPECT_NE(Komunikaty().back().find("WSP. Y"), std::string::npos);
    EXPECT_EQ(Bloki[0].X, 12.0f);

    // Delete: "Nie" keeps the block and ends the mode; "Tak" removes it.
    Form1->M_UsunBlokClick();
    Najedz(12.0, 7.0);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{"USUŃ Znak"}));
    odpowiedzi = {7};
    Klik(12.0, 7.0);
    EXPECT_EQ(pytania.back(), " Usuń blok Znak  ?");
    EXPECT_EQ(LiczbaBlokow(), 1);
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::Brak);
    Form1->M_UsunBlokClick();
    odpowiedzi = {1};
    Klik(12.0, 7.0);
    EXPECT_EQ(LiczbaBlokow(), 0);
    EXPECT_FALSE(Form1->findChild<QAction*>("M_UsunBlok")->isEnabled());
}

TEST_F(BlokiOkno, PierwszePokazanieListujeBibliotekeProgramu)
{
    // The library the program ships, in the program's folder.
    const std::string bloki = Sciezka("Dane/Bloki");
    QDir().mkpath(NaQString(bloki));
    QFile::copy(QString(KG_BUILD_DIR) + "/Dane/Bloki/Kartogram.blk", NaQString(bloki + "/Kartogram.blk"));
    WstawBlok->PrzygotujWstawianie();
    EXPECT_EQ(Lista().size(), 7u);
    EXPECT_EQ(WstawBlok->CB_Grupa->currentText().toStdString(), " Wszystkie");
    Wstaw("Strzałka północy", "5", "5", "1", "1");
    EXPECT_EQ(LiczbaDefinicjiBlokow(), 1);
    // Another library picked stays listed at the next showing.
    OtworzBiblioteke(Sciezka("test.blk"));
    WstawBlok->PrzygotujWstawianie();
    EXPECT_EQ(Lista(), (std::vector<std::string>{"Inny", "Znak"}));
    EXPECT_TRUE(Komunikaty().empty());
}

TEST_F(BlokiOkno, ZmianaPokazujeZmienianyBlokNaLiscie)
{
    OtworzBiblioteke(Sciezka("test.blk"));
    Wstaw("Znak", "10", "5", "1", "1");
    Wstaw("Inny", "20", "5", "1", "1");
    // "Inny" was the last pick; the change is of "Znak".
    WstawBlok->PrzygotujZmiane(0);
    ASSERT_NE(WstawBlok->LB_NazwaBlokuCzytaj->currentItem(), nullptr);
    EXPECT_EQ(WstawBlok->LB_NazwaBlokuCzytaj->currentItem()->text().toStdString(), "Znak");
    EXPECT_EQ(Lista(), (std::vector<std::string>{"Inny", "Znak"}));
    // A block of a library other than the one listed is shown by its name.
    std::ofstream(Sciezka("inna.blk"), std::ios::binary)
        << std::string(ZnacznikDefinicji) << "\r\n-\r\nObcy\r\n2026-01-01\r\n10:00:00\r\n-\r\nG\r\n-\r\ncm\r\n-\r\n-\r\n"
        << "ramka\r\nL(0,0)-(1,1)\r\n" << std::string(ZnacznikKonca) << "\r\n";
    OtworzBiblioteke(Sciezka("inna.blk"));
    Wstaw("Obcy", "30", "5", "1", "1");
    OtworzBiblioteke(Sciezka("test.blk"));
    WstawBlok->PrzygotujZmiane(2);
    ASSERT_NE(WstawBlok->LB_NazwaBlokuCzytaj->currentItem(), nullptr);
    EXPECT_EQ(WstawBlok->LB_NazwaBlokuCzytaj->currentItem()->text().toStdString(), "Obcy");
    EXPECT_EQ(WstawBlok->LinieWstawianegoBloku, (std::vector<std::string>{"L(0,0)-(1,1)"}));
    // The next insertion lists the library as it is.
    WstawBlok->PrzygotujWstawianie();
    EXPECT_EQ(Lista(), (std::vector<std::string>{"Inny", "Znak"}));
}

TEST_F(BlokiOkno, BibliotekaWUtf8WstawiaBlokZDefinicja)
{
    // As a text editor of this system saves it: the names read as the
    // window shows them, and the block placed draws its definition.
    std::ofstream(Sciezka("utf8.blk"), std::ios::binary)
        << std::string(ZnacznikDefinicji) << "\n-\nStrzałka w prawo\n2026-01-01\n10:00:00\n-\nOznaczenia\n-\ncm\n-\n-\n"
        << "ramka\nL(0,0)-(1,0)\n" << std::string(ZnacznikKonca) << "\n";
    OtworzBiblioteke(Sciezka("utf8.blk"));
    EXPECT_EQ(Lista(), (std::vector<std::string>{"Strzałka w prawo"}));
    Wstaw("Strzałka w prawo", "1", "1", "1", "1");
    ASSERT_EQ(LiczbaBlokow(), 1);
    ASSERT_EQ(LiczbaDefinicjiBlokow(), 1);
    EXPECT_EQ(DefinicjeBlokow[0].Nazwa, Utf8NaCp1250("Strzałka w prawo"));
    EXPECT_EQ(Bloki[0].Nazwa, DefinicjeBlokow[0].Nazwa);
    EXPECT_EQ(LinieDefinicji(0), (std::vector<std::string>{"L(0,0)-(1,0)"}));
    // Characters Windows-1250 lacks: refused naming the file, nothing listed.
    std::ofstream(Sciezka("znaki.blk"), std::ios::binary)
        << std::string(ZnacznikDefinicji) << "\n-\nStrzałka →\n2026-01-01\n10:00:00\n-\nG\n-\ncm\n-\n-\nramka\n"
        << std::string(ZnacznikKonca) << "\n";
    OtworzBiblioteke(Sciezka("znaki.blk"));
    EXPECT_TRUE(Lista().empty());
    ASSERT_FALSE(Komunikaty().empty());
    EXPECT_EQ(Komunikaty().back(),
              "Błąd w pliku " + Sciezka("znaki.blk") +
                  ", linia 3: plik jest zapisany w UTF-8, a ta linia ma znak spoza strony kodowej Windows-1250.");
}

TEST_F(BlokiOkno, BlokBezDefinicjiIBibliotekaNieDoOdczytuZKomunikatem)
{
    OtworzBiblioteke(Sciezka("test.blk"));
    // The library changed since it was listed: "Znak" is in neither it nor
    // the project, and is not placed.
    WstawBlok->PrzygotujWstawianie();
    Wybierz("Znak");
    std::ofstream(Sciezka("test.blk"), std::ios::binary) << "pusta\r\n";
    WstawBlok->E_x->setText("1");
    WstawBlok->E_y->setText("1");
    WstawBlok->B_WczytajBlokClick();
    EXPECT_EQ(LiczbaBlokow(), 0);
    ASSERT_FALSE(Komunikaty().empty());
    EXPECT_EQ(Komunikaty().back(), "Definicji bloku „Znak” nie ma ani w bibliotece, ani w projekcie; blok nie został "
                                   "wstawiony.");
    // A folder, or a library cut in a definition's header: refused with the
    // reader's message, nothing listed.
    QDir().mkpath(NaQString(Sciezka("folder.blk")));
    OtworzBiblioteke(Sciezka("folder.blk"));
    EXPECT_TRUE(Lista().empty());
    EXPECT_EQ(Komunikaty().back(), "Nie można odczytać pliku " + Sciezka("folder.blk") + " (to jest folder).");
    std::ofstream(Sciezka("ucieta.blk"), std::ios::binary)
        << std::string(ZnacznikDefinicji) << "\r\n-\r\nUciety\r\n2026-01-01\r\n";
    OtworzBiblioteke(Sciezka("ucieta.blk"));
    EXPECT_TRUE(Lista().empty());
    EXPECT_EQ(Komunikaty().back(), "Błąd w pliku " + Sciezka("ucieta.blk") +
                                       ", linia 4: definicja bloku „Uciety” nie ma linii rysunku.");
    EXPECT_EQ(LiczbaBlokow(), 0);
    EXPECT_EQ(LiczbaDefinicjiBlokow(), 0);
}
