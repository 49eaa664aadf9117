// The unsaved-changes question as the user meets it: the real window, run
// modally, answered with the keyboard. Enter is "Tak" on every path that asks
// it, whatever button answered the question before (once "Nie" after an
// answer given with it, so that Enter threw the work away).
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "model/PlikProjektu.h"
#include "pomoc.h"

namespace {

class PytanieTest : public ProgramTest {
protected:
    // What had the focus in the question window when it was answered.
    std::vector<std::string> fokus;

    void SetUp() override
    {
        ProgramTest::SetUp();
        TPytanieTakNieKasuj::Skrypt = nullptr;
        Uruchom();
    }

    // The next question is answered by a click on "Nie", which takes the focus.
    void NastepnaKliknijNie()
    {
        QTimer::singleShot(0, [] {
            PytanieTakNieKasuj->B_Nie->setFocus();
            PytanieTakNieKasuj->B_Nie->click();
        });
    }

    // The next question is answered by Enter where the focus is.
    void NastepnaEnter()
    {
        QTimer::singleShot(0, [this] {
            QWidget* w = PytanieTakNieKasuj->focusWidget();
            fokus.push_back(w ? w->objectName().toStdString() : std::string("(nic)"));
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(w ? w : PytanieTakNieKasuj, &enter);
        });
    }

    // A changed project with a file, its question answered "Nie" by a click first.
    std::string ZmienionyPoOdpowiedziNie(const std::string& nazwa)
    {
        ZbudujProjekt(2, 1);
        const std::string plik = Sciezka(nazwa);
        EXPECT_TRUE(ZapiszProjekt(plik));
        ProjektZmieniony = true;
        NastepnaKliknijNie();
        EXPECT_TRUE(Form1->FormCloseQuery());
        Ruchoplany[0].Natezenia[1] = 2468;
        ProjektZmieniony = true;
        return plik;
    }
    static bool ZapisanyZmieniony(const std::string& plik)
    {
        Projekt p;
        std::string blad;
        return CzytajProjekt(plik, p, blad) && p.Ruchoplany.at(0).Natezenia[1] == 2468;
    }
};

TEST_F(PytanieTest, EnterToTakNaKazdejDrodze)
{
    std::string plik = ZmienionyPoOdpowiedziNie("nowy.rup");
    NastepnaEnter();
    Form1->BNowyClick();
    EXPECT_TRUE(ZapisanyZmieniony(plik)) << "Nowy";
    EXPECT_EQ(LiczbaWezlow(), 0);

    plik = ZmienionyPoOdpowiedziNie("otworz.rup");
    NastepnaEnter();
    Form1->BOtworzClick();  // the open dialog is cancelled
    EXPECT_TRUE(ZapisanyZmieniony(plik)) << "Otwórz";

    plik = ZmienionyPoOdpowiedziNie("ostatni.rup");
    const std::string inny = Sciezka("inny.rup");
    ASSERT_TRUE(QFile::copy(NaQString(plik), NaQString(inny)));
    NastepnaEnter();
    Form1->OtworzOstatniProjekt(inny);
    EXPECT_TRUE(ZapisanyZmieniony(plik)) << "ostatni projekt";
    EXPECT_EQ(Form1->Sciezka(), inny);

    plik = ZmienionyPoOdpowiedziNie("koniec.rup");
    NastepnaEnter();
    EXPECT_TRUE(Form1->FormCloseQuery());
    EXPECT_TRUE(ZapisanyZmieniony(plik)) << "Koniec";

    EXPECT_EQ(fokus, std::vector<std::string>(4, "B_Tak"));
}

// The overwrite question of a save as after a question answered "Nie".
TEST_F(PytanieTest, EnterToTakPrzyNadpisaniu)
{
    const std::string plik = ZmienionyPoOdpowiedziNie("nadpisz.rup");
    dialogi.SciezkiZapisz.push_back(plik);
    NastepnaEnter();
    Form1->M_ZapiszjakoClick();
    EXPECT_TRUE(ZapisanyZmieniony(plik));
    EXPECT_EQ(fokus, std::vector<std::string>{"B_Tak"});
}

}  // namespace
