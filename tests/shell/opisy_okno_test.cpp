// The description window driven by its controls: every check's message (the
// last failure wins), a description placed by pointing, changed with its
// variant kept, deleted, saved and read back, exported into every variant
// or one; texts in Windows-1250 within their capacity.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "base/Teksty.h"
#include "drawing/Wyjscie.h"
#include "model/PlikProjektu.h"
#include "platform/qt/KsztaltKoloru.h"
#include "pomoc.h"
#include "shell/Podglad.h"
#include "shell/TEdycjaOpisy.h"

namespace {

class OpisyOkno : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
        ZbudujProjekt(2, 2);
        Form1->UstawPolecenia();
        wg.Siatka = true;
        wg.KrokSiatki = 0.5f;
    }
    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
    }

    // A new description's controls, all valid.
    void Dobre()
    {
        TEdycjaOpisy* o = EdycjaOpisy;
        o->PrzygotujNowy();
        o->E_txt->setText("Opis");
        o->E_x->setText("4");
        o->E_y->setText("6");
        o->CB_Grubosci->setEditText("0,3");
        o->RBPion->setChecked(true);
        o->RB_ArkAktualny->setChecked(true);
    }
    // The message of a refused entry, which stores nothing ("" when stored).
    std::string Wprowadz()
    {
        const std::vector<DaneOpis> przed = Opisy;
        const std::size_t komunikatow = Komunikaty().size();
        EdycjaOpisy->B_WprowadzClick();
        if (Komunikaty().size() == komunikatow)
            return "";
        EXPECT_EQ(Opisy, przed);
        return Komunikaty().back();
    }
};

} // namespace

TEST_F(OpisyOkno, KazdyKomunikatOstatniWygrywa)
{
    TEdycjaOpisy* o = EdycjaOpisy;
    Dobre();
    o->E_txt->clear();
    EXPECT_EQ(Wprowadz(), "Pole tekst musi zawierać minimum jedną literę!");
    // A text beyond the record's 255 characters is refused whole, never cut.
    o->E_txt->setText(QString(256, 'a'));
    EXPECT_EQ(o->E_txt->text().size(), 256);
    EXPECT_EQ(Wprowadz(), "Pole „Tekst” może mieć najwyżej 255 znaków.");
    o->E_txt->setText(" ");  // one blank is a text
    // A text that is no number asks for a number; a number beyond the range
    // names the range.
    o->CB_sx->setEditText("abc");
    EXPECT_EQ(Wprowadz(), "Wymagana wartość WSPÓŁCZYNNIKA SZEROKOŚCI w postaci liczby!");
    o->CB_sx->setEditText("0,05");
    EXPECT_EQ(Wprowadz(), "Błędy numer współczynnik szerokości! Wymagana wartość liczbowa pomiędzy od 0.1 do 3.0.");
    o->CB_sx->setEditText("3");
    o->CB_sy->setEditText("x");
    EXPECT_EQ(Wprowadz(), "Wymagana wartość ROZMIARU w postaci liczby!");
    o->CB_sy->setEditText("15,5");
    EXPECT_EQ(Wprowadz(), "Błędy ROZMIAR! Wymagana wartość liczbowa pomiędzy od 0.1 do 15.0 [cm].");
    o->CB_sy->setEditText("1");
    o->CB_Grubosci->setEditText("g");
    EXPECT_EQ(Wprowadz(), "Wymagana wartość grubości w postaci liczby!");
    o->CB_Grubosci->setEditText("3.5");
    EXPECT_EQ(Wprowadz(), "Błędna wartość grubości! Wymagana wartość liczbowa pomiędzy od 0.01 do 3.0!");
    o->CB_Grubosci->setEditText("0.2");
    o->E_x->setText("");
    EXPECT_EQ(Wprowadz(), "Błędna wartość współrzędnej X!");
    // An empty text and a bad Y: only the later message.
    o->E_x->setText("1");
    o->E_txt->clear();
    o->E_y->setText("y");
    EXPECT_EQ(Wprowadz(), "Błędna wartość współrzędnej Y!");
    o->E_txt->setText("Opis");
    o->E_y->setText("2e8");  // beyond the table of limits: the field named
    EXPECT_EQ(Wprowadz(), "Pole „Y” musi być liczbą od -10000000 do 10000000.");
    o->E_y->setText("2");
    o->RBRecznie->setChecked(true);
    o->Kat->setText("kąt");
    EXPECT_EQ(Wprowadz(), "Wymagana liczbowa wartość kąta!");
    o->Kat->setText("360.5");
    EXPECT_EQ(Wprowadz(), "Kąt musi zawierać się pomiędzy od 0 do 360 [st].");
    o->Kat->setText("-1");
    EXPECT_EQ(Wprowadz(), "Kąt musi zawierać się pomiędzy od 0 do 360 [st].");
    o->Kat->setText("360");
    EXPECT_EQ(Wprowadz(), "");
    EXPECT_EQ(Opisy[0].Kat, 360.0f);
    EXPECT_EQ(Opisy[0].Tekst.str(), "Opis");

    // With "Poziomo" the angle's text is not looked at; an empty pen width
    // follows the height.
    Dobre();
    o->RBPion->setChecked(true);
    o->Kat->setText("zle");
    o->CB_sy->setEditText("0,50");
    o->CB_Grubosci->setEditText("");
    EXPECT_EQ(Wprowadz(), "");
    EXPECT_EQ(o->CB_Grubosci->currentText().toStdString(), std::string("0") + SeparatorDziesietny() + "05");
    EXPECT_FLOAT_EQ(Opisy[1].Grubosc, 0.05f);
    EXPECT_EQ(Opisy[1].Kat, 0.0f);
    // Separators corrected in the boxes.
    EXPECT_EQ(o->CB_sy->currentText().toStdString(), std::string("0") + SeparatorDziesietny() + "50");
}

// The first description after the program starts: the pen width box shows
// the width the description gets. It once stood empty, and the description
// got 0.1 all the same.
TEST_F(OpisyOkno, PierwszyOpisPokazujeGrubosc)
{
    TEdycjaOpisy* o = EdycjaOpisy;
    std::string pokazana;
    QTimer::singleShot(0, o, [&] {
        pokazana = o->CB_Grubosci->currentText().toStdString();
        QTest::keyClicks(o->E_txt, "Opis");
        QTest::keyClicks(o->E_x, "4");
        QTest::keyClicks(o->E_y, "6");
        QTest::mouseClick(o->B_Wprowadz, Qt::LeftButton);
        if (o->isVisible())
            o->reject();  // the test fails below; the window must not stay
    });
    UzyjPolecenia("M_DodajOpis");
    EXPECT_EQ(pokazana, std::string("0") + SeparatorDziesietny() + "10");
    EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
    ASSERT_EQ(LiczbaOpisow(), 1);
    EXPECT_FLOAT_EQ(Opisy[0].Grubosc, 0.1f);
}

TEST_F(OpisyOkno, WskazanieZmianaUsuniecieZapisIOdczyt)
{
    TEdycjaOpisy* o = EdycjaOpisy;
    Dobre();
    // A character without a Windows-1250 form is refused naming the field,
    // never stored as "?".
    o->E_txt->setText("Zażółć ✓");
    EXPECT_EQ(Wprowadz(),
              "Pole „Tekst” zawiera znak U+2713, którego nie można zapisać w pliku (spoza kodowania Windows-1250).");
    o->E_txt->setText("Zażółć ?");
    o->CB_sx->setEditText("0,8");
    o->CB_sy->setEditText("1,5");
    o->RBPoziom->setChecked(true);
    dialogi.Kolory.push_back(KolorRGB(0, 0, 255));
    o->S_kolMouseDown();
    o->WskazanieClick();
    EXPECT_EQ(Form1->Tryb(), TTrybEdycji::WstawOpis);
    EXPECT_EQ(Form1->NowyOpis.Sy, 1.5f);
    EXPECT_EQ(Form1->NowyOpis.Kat, 90.0f);
    Najedz(7.2, 9.1);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{" X=7.000 Y=9.000"}));
    EXPECT_GT(Form1->Podglad->Nakladka().size(), 3u);  // the text's strokes in red
    EXPECT_EQ(Form1->Podglad->Nakladka().front().kolor, QColor(Qt::red));
    bool pokazane = false;
    QTimer::singleShot(0, o, [&] {
        pokazane = true;
        EXPECT_TRUE(o->isModal());
        EXPECT_EQ(o->E_x->text().toStdString(), std::string("7") + SeparatorDziesietny() + "00");
        o->B_Wprowadz->click();
    });
    Klik(7.2, 9.1);
    ASSERT_TRUE(pokazane);
    ASSERT_EQ(LiczbaOpisow(), 1);
    const DaneOpis d = Opisy[0];
    EXPECT_EQ(d.Tekst.str(), "Za\xBF\xF3\xB3\xE6 ?");
    EXPECT_EQ(std::vector<float>({d.X, d.Y, d.Sx, d.Sy, d.Kat}), std::vector<float>({7, 9, 0.8f, 1.5f, 90}));
    EXPECT_EQ(d.Kolor, KolorRGB(0, 0, 255));
    EXPECT_EQ(d.Styl.str(), "Opis");
    EXPECT_EQ(d.Wariant, 0);
    EXPECT_TRUE(Form1->findChild<QAction*>("M_ZmienOpis")->isEnabled());

    // A text longer than the record's 255 characters is refused, not cut.
    Dobre();
    o->E_txt->setText(QString(300, 'a'));
    EXPECT_EQ(Wprowadz(), "Pole „Tekst” może mieć najwyżej 255 znaków.");
    ASSERT_EQ(LiczbaOpisow(), 1);

    // A description of another variant is picked and keeps its variant.
    Opisy[0].Wariant = 1;
    Form1->M_ZmienOpisClick();
    Najedz(7.5, 9.0);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{"Znaleziono opis do edycji   1"}));
    pokazane = false;
    QTimer::singleShot(0, o, [&] {
        pokazane = true;
        EXPECT_EQ(o->B_Wprowadz->text().toStdString(), "Zmień");
        EXPECT_TRUE(o->RBPoziom->isChecked());
        EXPECT_TRUE(o->RB_ArkAktualny->isChecked());
        o->E_txt->setText("Nowy");
        o->B_Wprowadz->click();
    });
    Klik(7.5, 9.0);
    ASSERT_TRUE(pokazane);
    ASSERT_EQ(LiczbaOpisow(), 1);
    EXPECT_EQ(Opisy[0].Tekst.str(), "Nowy");
    EXPECT_EQ(Opisy[0].Wariant, 1);
    EXPECT_EQ(Opisy[0].Kolor, KolorRGB(0, 0, 255));

    // Saved and read back; then "Wszystkie" moves it to every variant.
    Opisy[0].Zapas = 2.5f;
    const DaneOpis zapisany = Opisy[0];
    ASSERT_TRUE(ZapiszProjekt(Sciezka("opisy.rup")));
    NowyProjekt();
    ASSERT_TRUE(OtworzProjekt(Sciezka("opisy.rup")));
    ASSERT_EQ(LiczbaOpisow(), 1);
    EXPECT_EQ(Opisy[0], zapisany);
    o->PrzygotujZmiane(0);
    o->RB_ArkWszystkie->setChecked(true);
    EXPECT_EQ(Wprowadz(), "");
    EXPECT_EQ(Opisy[0].Wariant, -1);
    EXPECT_EQ(Opisy[0].Zapas, 2.5f);

    // Delete: "Nie" keeps it, "Tak" removes it.
    Form1->M_UsunOpisClick();
    Najedz(7.0, 9.0);
    EXPECT_EQ(Napisy(), (std::vector<std::string>{"Znaleziono opis do usunięcia   1"}));
    odpowiedzi = {7};
    Klik(7.0, 9.0);
    EXPECT_EQ(pytania.back(), " Usuń napis Nowy  ?");
    EXPECT_EQ(LiczbaOpisow(), 1);
    Form1->M_UsunOpisClick();
    odpowiedzi = {1};
    Klik(7.0, 9.0);
    EXPECT_EQ(LiczbaOpisow(), 0);
}

TEST_F(OpisyOkno, ZmianaZachowujeKolorOpisu)
{
    // The swatch shows another colour (left from a new description) when a
    // red description is changed.
    TEdycjaOpisy* o = EdycjaOpisy;
    Dobre();
    dialogi.Kolory.push_back(KolorRGB(0, 160, 0));
    o->S_kolMouseDown();
    EXPECT_EQ(Wprowadz(), "");
    Opisy[0].Kolor = KolorRGB(200, 0, 0);
    o->PrzygotujZmiane(0);
    EXPECT_EQ(o->S_kol->Kolor(), KolorRGB(200, 0, 0));
    o->E_txt->setText("Zmieniony");
    EXPECT_EQ(Wprowadz(), "");
    EXPECT_EQ(Opisy[0].Kolor, KolorRGB(200, 0, 0));
    EXPECT_EQ(Opisy[0].Tekst.str(), "Zmieniony");
}

TEST_F(OpisyOkno, EksportDoKazdegoWariantuLubJednego)
{
    TEdycjaOpisy* o = EdycjaOpisy;
    Dobre();
    o->E_txt->setText("Wszedzie");
    o->RB_ArkWszystkie->setChecked(true);
    EXPECT_EQ(Wprowadz(), "");
    Dobre();
    BiezacyWariant = 1;
    o->E_txt->setText("Tylko drugi");
    EXPECT_EQ(Wprowadz(), "");
    EXPECT_EQ(Opisy[1].Wariant, 1);
    dialogi.SciezkiZapisz.push_back(Sciezka("opisy.dxf"));
    Form1->TB_DoDxfaClick();
    const std::string dxf = CzytajPlik(Sciezka("opisy.dxf"));
    auto ile = [&](const std::string& s) {
        int n = 0;
        for (std::size_t p = dxf.find(s); p != std::string::npos; p = dxf.find(s, p + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(ile("\r\nWszedzie\r\n"), 2);
    EXPECT_EQ(ile("\r\nTylko drugi\r\n"), 1);
    EXPECT_EQ(ile("Rupl_Napisy"), 3);
}
