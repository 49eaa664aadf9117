// Program start: the windows, the main window's commands, the question window.
#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "drawing/Wyjscie.h"
#include "junction/Komunikaty.h"
#include "pomoc.h"
#include "shell/InfoOProgramie.h"
#include "counts/OknaPomiarow.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "shell/TEdycjaOpisy.h"
#include "shell/TKopiujSchowek.h"
#include "shell/TWstawBlok.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TWrnt.h"
#include "shell/Podglad.h"

namespace {

QAction* Polecenie(const char* nazwa) { return Form1->findChild<QAction*>(nazwa); }

TEST_F(ProgramTest, PierwszyTytulToWersjaProgramu)
{
    UtworzOkna();
    EXPECT_EQ(Form1->windowTitle(), "KARTOGRAM 2.0.0");
}

TEST_F(ProgramTest, StartTworzyOknaIPustyProjekt)
{
    Uruchom();
    ASSERT_NE(Form1, nullptr);
    EXPECT_EQ(Form1->windowTitle(), "...");
    EXPECT_EQ(LiczbaWezlow(), 0);
    EXPECT_EQ(BiezacyWariant, -1);
    EXPECT_EQ(Form1->BitmapaRysunku.size(), QGuiApplication::primaryScreen()->size());

    // Every window exists, in the order of creation, as the main window's child.
    const std::vector<QObject*> okna = {DaneRonda,       GeometriaRondo, NatezeniaRUPL, GeometriaRuchoplan,
                                        UstawyGlobalne,  WezlyOperacje,  Wrnt,          UstawSuwak,
                                        WstawBlok,       EdycjaOpisy,    KopiujSchowek, PytanieTakNieKasuj,
                                        PomiaryRuchu,    NatezeniaTabela, PojazdyTabela, OpenPomiar,
                                        TabelaPrognoz,   Opis};
    for (QObject* o : okna) {
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->parent(), Form1);
    }
    EXPECT_EQ(KatalogPomiarow, Sciezka("Pomiary"));
    EXPECT_EQ(KatalogPrognoz, Sciezka("Pomiary") + "/Prognozy");
    EXPECT_EQ(KatalogUstawien, Sciezka("Pomiary") + "/Ustawienia");
    EXPECT_TRUE(KatalogProjektow.empty());
    // The start picture: the sheet, the start texts and the prompts under them.
    const QImage& b = Form1->BitmapaRysunku;
    EXPECT_EQ(b.pixelColor(CmNaEkranX(wg.ArkuszB / 2), CmNaEkranY(wg.ArkuszH / 2)), QColor(Qt::white));
    auto ciemne = [&b](int y0) {
        int n = 0;
        for (int y = y0; y < y0 + 16; ++y)
            for (int x = 20; x < 120; ++x)
                n += b.pixelColor(x, y).lightness() < 100;
        return n;
    };
    EXPECT_GT(ciemne(10), 20);
    EXPECT_GT(ciemne(100), 20);
    EXPECT_EQ(ciemne(300), 0);
    // The fonts of the build were found: nothing was reported.
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
}

TEST_F(ProgramTest, PoleceniaWedlugStanuProjektu)
{
    Uruchom();
    // File, print and DXF commands are always on; node and variant commands
    // follow the project.
    for (const char* nazwa : {"TB_Zapisz", "M_Zapisz", "M_Zapiszjako", "TB_Drukuj", "M_Drukuj", "TB_DoDxfa", "M_DoDxfa"})
        EXPECT_TRUE(Polecenie(nazwa)->isEnabled()) << nazwa;
    EXPECT_FALSE(Form1->BB_Next->isEnabled());
    EXPECT_FALSE(Form1->CB_Wariant->isEnabled());
    EXPECT_FALSE(Polecenie("M_Skojarzenie")->isEnabled());

    ZbudujProjekt(2, 2);
    Form1->UstawPolecenia();
    EXPECT_TRUE(Form1->BB_Next->isEnabled());
    EXPECT_TRUE(Form1->CB_Wariant->isEnabled());
    // The data, geometry, block and description commands follow the
    // project; changing and deleting blocks and descriptions want one.
    for (const char* nazwa : {"TB_Dane", "TB_Geometria", "mDaneEdycja", "mGeometria", "TB_WstawOpis", "M_DodajOpis",
                              "TB_WstawBlok", "M_WstawBlok", "TB_DoSchowka"})
        EXPECT_TRUE(Polecenie(nazwa)->isEnabled()) << nazwa;
    for (const char* nazwa : {"M_ZmienBlok", "M_UsunBlok", "M_ZmienOpis", "M_UsunOpis"})
        EXPECT_FALSE(Polecenie(nazwa)->isEnabled()) << nazwa;
}

TEST_F(ProgramTest, PrzerysujPustegoProjektuPokazujeZachety)
{
    Uruchom();
    Form1->Przerysuj();
    // Background grey, sheet white with its black outline.
    EXPECT_EQ(Form1->BitmapaRysunku.pixelColor(Form1->Podglad->width() - 2, Form1->Podglad->height() - 2),
              QColor(0xDC, 0xDC, 0xDC));
    const int x = CmNaEkranX(wg.ArkuszB / 2), y = CmNaEkranY(wg.ArkuszH / 2);
    EXPECT_EQ(Form1->BitmapaRysunku.pixelColor(x, y), QColor(Qt::white));
    EXPECT_EQ(PolSzerEkranu, Form1->Podglad->width() * 0.5);
    // The prompt "Dodaj węzeł ..." darkens pixels near (10, 10).
    int ciemne = 0;
    for (int py = 10; py < 26; ++py)
        for (int px = 10; px < 120; ++px)
            ciemne += Form1->BitmapaRysunku.pixelColor(px, py).lightness() < 100;
    EXPECT_GT(ciemne, 20);
    EXPECT_TRUE(Form1->Podglad->Nakladka().empty());
    // Kept for a person to look at.
    Form1->grab().save(QString(KG_BUILD_DIR) + "/okno_puste.png");
}

TEST_F(ProgramTest, PrzegladanieWariantow)
{
    Uruchom();
    ZbudujProjekt(3, 3);
    ASSERT_EQ(Form1->CB_Wariant->count(), 3);
    Form1->Przerysuj();
    // Only the current variant's diagrams are computed by the redraw.
    for (const DaneRuchoplan& r : Ruchoplany)
        EXPECT_EQ(r.Obliczony, r.NrWariantu == 0 ? 1 : 0);
    Form1->BB_NextClick();
    EXPECT_EQ(BiezacyWariant, 1);
    EXPECT_EQ(Form1->CB_Wariant->currentText(), "2. Wariant 2");
    Form1->BB_NextClick();
    Form1->BB_NextClick();  // the last one stays
    EXPECT_EQ(BiezacyWariant, 2);
    Form1->BB_PrevClick();
    EXPECT_EQ(BiezacyWariant, 1);
    Form1->CB_Wariant->setCurrentIndex(0);
    Form1->CB_WariantChange();
    EXPECT_EQ(BiezacyWariant, 0);
    for (const DaneRuchoplan& r : Ruchoplany)
        EXPECT_EQ(r.Obliczony, r.NrWariantu <= 2 ? 1 : 0);
    Form1->grab().save(QString(KG_BUILD_DIR) + "/okno_wariant.png");
}

TEST_F(ProgramTest, KomunikatyZPrzerysowaniaPokazywaneRazPoNim)
{
    Uruchom();
    ZbierzKomunikat("Uwaga 1");
    ZbierzKomunikat("Uwaga 1");
    ZbierzKomunikat("Uwaga 2");
    Form1->Przerysuj();
    EXPECT_EQ(Komunikaty(), (std::vector<std::string>{"Uwaga 1", "Uwaga 2"}));
    Form1->Przerysuj();
    EXPECT_EQ(Komunikaty().size(), 2u);
}

TEST_F(ProgramTest, SiatkaZPolKontrolnych)
{
    Uruchom();
    Form1->CB_SiatkaKrok->setEditText("0,5");
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.5f);
    Form1->CB_SiatkaKrokExit();
    // A step below 0,01 is kept while the user types and refused, naming
    // the field, when the edit is left.
    Form1->CB_SiatkaKrok->setEditText("0,005");
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.5f);
    Form1->CB_SiatkaKrok->setEditText("abc");
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.5f);
    Form1->CB_SiatkaKrokExit();
    EXPECT_EQ(Komunikaty().back(), "Pole „Krok siatki” musi być liczbą od 0,01 do 10000.");
    EXPECT_EQ(Form1->CB_SiatkaKrok->currentText().replace(',', '.'), "0.5");
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.5f);
    Form1->CB_Siatka->setChecked(true);
    Form1->CB_SiatkaClick();
    EXPECT_EQ(wg.Siatka, 1);
}

// The window itself, without a script: buttons and closing by Esc.
class OknoPytaniaTest : public ::testing::Test {
protected:
    TPytanieTakNieKasuj okno;

    int Odpowiedz(bool zKasuj, std::function<void()> akcja)
    {
        QTimer::singleShot(0, &okno, akcja);
        return okno.Zapytaj("Pytanie?", zKasuj);
    }
    void Esc()
    {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&okno, &e);
    }
};

TEST_F(OknoPytaniaTest, PrzyciskiDajaSwojeWyniki)
{
    EXPECT_EQ(Odpowiedz(true, [this] { okno.B_Tak->click(); }), 1);
    EXPECT_EQ(Odpowiedz(true, [this] { okno.B_Nie->click(); }), 7);
    EXPECT_EQ(Odpowiedz(true, [this] { okno.B_Kasuj->click(); }), 2);
    EXPECT_EQ(okno.L_Pytanie->text(), "Pytanie?");
    EXPECT_EQ(okno.B_Tak->text(), "Tak");
    EXPECT_EQ(okno.B_Nie->text(), "Nie");
    EXPECT_EQ(okno.B_Kasuj->text(), "Kasuj");
}

TEST_F(OknoPytaniaTest, ZamkniecieToKasujGdyPokazaneInaczejNie)
{
    EXPECT_EQ(Odpowiedz(true, [this] { Esc(); }), 2);
    EXPECT_EQ(Odpowiedz(false, [this] { Esc(); }), 7);
    EXPECT_EQ(Odpowiedz(true, [this] { okno.close(); }), 2);
    EXPECT_EQ(Odpowiedz(false, [this] { okno.close(); }), 7);
}

} // namespace

namespace {

TEST_F(ProgramTest, InstrukcjaIOknoOProgramie)
{
    Uruchom();
    Form1->Instrukcjapdf1Click();
    ASSERT_FALSE(dialogi.Wpisy.empty());
    EXPECT_EQ(dialogi.Wpisy.back().rodzaj, DialogiTestowe::Rodzaj::Dokument);
    EXPECT_EQ(dialogi.Wpisy.back().tekst, Sciezka("Instrukcja/Instrukcja.pdf"));

    EXPECT_EQ(InfoOProgramie->windowTitle(), "O programie");
    EXPECT_EQ(InfoOProgramie->NrWersja->text(), "KARTOGRAM 2.0.0");
    EXPECT_EQ(InfoOProgramie->powrot->text(), "Powrót");
}

} // namespace
