// Details of the main window's edit modes and boxes, driven by their
// controls: the roundabout chosen for its geometry is entered, the grid point
// of a description stays in sight while its window shows, the grid step box
// keeps only steps the user meant, and the settings window carries the DXF
// name in its hidden label.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "base/Teksty.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "model/Operacje.h"
#include "model/PlikProjektu.h"
#include "pomoc.h"
#include "shell/TEdycjaOpisy.h"
#include "shell/TUstawyGlobalne.h"

namespace {

class OknoGlowneSzczegoly : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
        NowyProjekt();
    }
    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
    }

    // Opens the window the click or command opens, notes what `wKtorym`
    // reads while it shows, then closes it as the user's cancel does.
    template <class F>
    static int PodczasOkna(QDialog* okno, const std::function<int()>& wKtorym, F&& otworz)
    {
        int wynik = -1;
        QTimer::singleShot(0, okno, [&] {
            wynik = wKtorym();
            okno->reject();
        });
        otworz();
        return wynik;
    }
};

// A double click opens the geometry of a roundabout not yet entered and
// leaves it so; the geometry mode marks it entered before the window shows,
// so that a cancelled window leaves the default geometry drawn.
TEST_F(OknoGlowneSzczegoly, TrybGeometriiWprowadzaRondo)
{
    ASSERT_EQ(DodajWezel(10.0, 10.0, "Rondo", 'R'), "");
    ASSERT_EQ(DodajWariant("W1", "", "", "", 0.0f, 0.0f, 'L'), "");
    BiezacyWariant = 0;
    Form1->Przerysuj();
    const auto wprowadzone = [] { return static_cast<int>(Ronda[0].GeometriaWprowadzona); };

    Najedz(10.2, 10.1);
    EXPECT_EQ(PodczasOkna(GeometriaRondo, wprowadzone, [] { Form1->PodgladDblClick(); }), 0);
    EXPECT_EQ(Ronda[0].GeometriaWprowadzona, 0);

    Form1->TB_GeometriaClick();
    EXPECT_EQ(PodczasOkna(GeometriaRondo, wprowadzone, [] { Klik(10.2, 10.1); }), 1);
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::Brak);
    EXPECT_EQ(Ronda[0].GeometriaWprowadzona, 1);
    Form1->Przerysuj();
    EXPECT_EQ(Ronda[0].Obliczony, 1) << "drawn with its default geometry";
}

// The point of a new description, picked with the grid on, is shown with
// its grid label while the description window shows it.
TEST_F(OknoGlowneSzczegoly, PunktOpisuZEtykietaSiatki)
{
    ZbudujProjekt(1, 1);
    wg.KrokSiatki = 0.5f;
    Form1->CB_Siatka->setChecked(true);
    Form1->CB_SiatkaClick();
    EdycjaOpisy->PrzygotujNowy();
    EdycjaOpisy->E_txt->setText("Opis");
    EdycjaOpisy->WskazanieClick();
    std::vector<std::string> napisy;
    PodczasOkna(EdycjaOpisy, [&] {
        napisy = Napisy();
        return 0;
    }, [] { Klik(7.2, 9.1); });
    // Over the hover's label at the same place.
    EXPECT_EQ(napisy, (std::vector<std::string>{" X=7.000 Y=9.000", "SIATKA X=7.000 Y=9.000"}));
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::Brak);

    // Without the grid the point goes as it is, with no label.
    Form1->CB_Siatka->setChecked(false);
    Form1->CB_SiatkaClick();
    EdycjaOpisy->WskazanieClick();
    PodczasOkna(EdycjaOpisy, [&] {
        napisy = Napisy();
        return 0;
    }, [] { Klik(7.2, 9.1); });
    ASSERT_EQ(napisy.size(), 1u);
    EXPECT_EQ(napisy[0].rfind(" X=7.1", 0), 0u) << napisy[0];
}

// Typed letter by letter, every valid prefix of the text reaches the grid
// step; a whole text refused on leaving the box brings back the step in
// force before the typing, never one of its prefixes.
TEST_F(OknoGlowneSzczegoly, KrokSiatkiPoOdrzuceniuJakPrzedEdycja)
{
    QComboBox* krok = Form1->CB_SiatkaKrok;
    auto wpisz = [krok](const std::string& tekst) {
        krok->setEditText("");
        for (std::size_t n = 1; n <= tekst.size(); ++n)
            krok->setEditText(QString::fromStdString(tekst.substr(0, n)));
    };
    krok->setEditText("2,5");
    Form1->CB_SiatkaKrokExit();
    ASSERT_FLOAT_EQ(wg.KrokSiatki, 2.5f);

    wpisz("1e308");
    EXPECT_NE(wg.KrokSiatki, 2.5f) << "the prefix 1e3 stored while typing";
    Form1->CB_SiatkaKrokExit();
    EXPECT_EQ(Komunikaty().back(), "Pole „Krok siatki” musi być liczbą od 0,01 do 10000.");
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 2.5f);
    EXPECT_EQ(krok->currentText().replace(',', '.'), "2.5");

    // The next typing starts from the step kept; a good text holds.
    wpisz("0,75");
    Form1->CB_SiatkaKrokExit();
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.75f);
    wpisz("20000");
    Form1->CB_SiatkaKrokExit();
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.75f);

    // A step chosen from the list is the one in force for the next typing.
    krok->setCurrentIndex(krok->findText("5"));
    emit krok->activated(krok->currentIndex());
    ASSERT_FLOAT_EQ(wg.KrokSiatki, 5.0f);
    wpisz("3e9");
    Form1->CB_SiatkaKrokExit();
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 5.0f);
}

// The grid step box shows its step in one form whatever put it there, the
// form of the numbers the other windows show: at start, after "Nowy", after
// "Otwórz", typed and taken by Enter or Tab, and in its list. It once
// showed "1,0", "1", "2.5" and "3,0" by turns.
TEST_F(OknoGlowneSzczegoly, KrokSiatkiWJednejPostaci)
{
    QComboBox* krok = Form1->CB_SiatkaKrok;
    QLineEdit* pole = krok->lineEdit();
    const std::string s(1, SeparatorDziesietny());
    auto tekst = [pole] { return pole->text().toStdString(); };
    EXPECT_EQ(tekst(), "1") << "at start";
    std::vector<std::string> lista;
    for (int i = 0; i < krok->count(); ++i)
        lista.push_back(krok->itemText(i).toStdString());
    EXPECT_EQ(lista, (std::vector<std::string>{"0" + s + "1", "0" + s + "2", "0" + s + "25", "0" + s + "5",
                                               "0" + s + "75", "1", "1" + s + "5", "2", "3", "4", "5", "10", "20"}));

    ZbudujProjekt(2, 1);
    wg.KrokSiatki = 2.5f;
    const std::string plik = Sciezka("krok.rup");
    ASSERT_TRUE(ZapiszProjekt(plik));
    ProjektZmieniony = false;
    UzyjPolecenia("BNowy");
    EXPECT_EQ(tekst(), "1") << "Nowy";
    dialogi.SciezkiOtworz.push_back(plik);
    UzyjPolecenia("BOtworz");
    ASSERT_EQ(Form1->Sciezka(), plik);
    EXPECT_EQ(tekst(), "2" + s + "5") << "Otwórz";

    auto wpisz = [pole](const char* t, Qt::Key koniec) {
        pole->setFocus();
        QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(pole, t);
        QTest::keyClick(pole, koniec);
    };
    wpisz("3", Qt::Key_Return);
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 3.0f);
    EXPECT_EQ(tekst(), "3") << "3 and Enter";
    wpisz("0,750", Qt::Key_Tab);
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 0.75f);
    EXPECT_EQ(tekst(), "0" + s + "75") << "0,750 and Tab";
    wpisz("4.0", Qt::Key_Return);
    EXPECT_FLOAT_EQ(wg.KrokSiatki, 4.0f);
    EXPECT_EQ(tekst(), "4") << "4.0 and Enter";
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
}

// The settings window carries the DXF name in a hidden label: filled from
// the settings and stored back, a name of four characters or fewer being
// none.
TEST_F(OknoGlowneSzczegoly, UkrytaNazwaDxfWUstawieniach)
{
    auto* etykieta = UstawyGlobalne->findChild<QLabel*>("L_DxfNazwa");
    ASSERT_NE(etykieta, nullptr);
    wg.NazwaDxf = "plan_sieci.dxf";
    UstawyGlobalne->WypelnijUstawienia();
    EXPECT_EQ(etykieta->text(), "plan_sieci.dxf");
    EXPECT_TRUE(etykieta->isHidden());

    etykieta->setText("inny.dxf");
    ASSERT_TRUE(UstawyGlobalne->ZastosujUstawienia());
    EXPECT_EQ(wg.NazwaDxf.str(), "inny.dxf");
    etykieta->setText(".dxf");
    ASSERT_TRUE(UstawyGlobalne->ZastosujUstawienia());
    EXPECT_EQ(wg.NazwaDxf.str(), "inny.dxf");

    wg.NazwaDxf = "a.b";
    UstawyGlobalne->WypelnijUstawienia();
    EXPECT_EQ(etykieta->text(), ".dxf") << "a short name leaves the label as it was";
}

} // namespace
