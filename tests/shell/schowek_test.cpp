// The clipboard window: the copy of a rectangle is a bitmap of the size its
// resolution gives, on the chosen background, showing exactly the area the
// screen shows at the same scale; the screen's view and bitmap are left as
// they were; too large a bitmap and bad texts are refused on the size label.

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "drawing/Wyjscie.h"
#include "pomoc.h"
#include "shell/Podglad.h"
#include "shell/TKopiujSchowek.h"

namespace {

class Schowek : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
        ZbudujProjekt(3, 1);
        Form1->Przerysuj();
    }
    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
    }
    // The rectangle of 10 x 5 cm about the first node at 50 points per cm.
    void Prostokat(TKolor tlo)
    {
        NastawySchowek.X1 = static_cast<float>(Wezly[0].X - 3.0);
        NastawySchowek.X2 = NastawySchowek.X1 + 10.0f;
        NastawySchowek.Y1 = static_cast<float>(Wezly[0].Y - 2.5);
        NastawySchowek.Y2 = NastawySchowek.Y1 + 5.0f;
        NastawySchowek.PunktowNaCm = 50;
        NastawySchowek.KolorTla = tlo;
        KopiujSchowek->FormShow();
    }
};

} // namespace

TEST_F(Schowek, KopiaPokazujeDokladnieObszar)
{
    Prostokat(0xFFFFFF);
    EXPECT_EQ(KopiujSchowek->L_OpisRozmiar->text().toStdString(), "Rozmiar 250x500pkt. (h=5x b=10)cm");
    const double skala = Skala, sx = SrodekX, sy = SrodekY;
    const QImage ekranPrzed = Form1->BitmapaRysunku.copy();
    KopiujSchowek->B_kopiujClick();
    EXPECT_EQ(KopiujSchowek->L_OpisRozmiar->text().toStdString(), "Wskazany fragment rysunku skopiowano do schowka");
    const QImage kopia = KopiujSchowek->OstatniaKopia;
    ASSERT_EQ(kopia.size(), QSize(500, 250));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(500, 250));
    // The screen, its view and its outputs untouched.
    EXPECT_EQ(Form1->BitmapaRysunku, ekranPrzed);
    EXPECT_EQ(std::vector<double>({Skala, SrodekX, SrodekY}), std::vector<double>({skala, sx, sy}));
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieSchowek);
    EXPECT_EQ(PlotnoEkranu() != nullptr, true);

    // The screen at the same scale (both candidate scales are 20) and
    // centre: the area's pixels are the copy's, one for one. (The drawing
    // area of even size, so that its centre is a whole pixel as the copy's.)
    for (int i = 0; i < 4 && (Form1->Podglad->width() % 2 || Form1->Podglad->height() % 2); ++i) {
        Form1->resize(Form1->width() + Form1->Podglad->width() % 2, Form1->height() + Form1->Podglad->height() % 2);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(Form1->Podglad->width() % 2 + Form1->Podglad->height() % 2, 0);
    Skala = 20.0;
    SrodekX = NastawySchowek.X1 + 5.0;
    SrodekY = NastawySchowek.Y1 + 2.5;
    Form1->Przerysuj();
    const QImage& ekran = Form1->BitmapaRysunku;
    const int dx = CmNaEkranX(NastawySchowek.X1), dy = CmNaEkranY(NastawySchowek.Y2);
    // Lines that start beyond the area are truncated toward zero there, so
    // a slanted one may step a pixel aside; every pixel of the copy is the
    // screen's own or one of its neighbours'.
    int rozne = 0, obok = 0, rysunku = 0;
    auto jestObok = [&](int x, int y) {
        for (int j = -1; j <= 1; ++j)
            for (int i = -1; i <= 1; ++i)
                if (kopia.pixel(x, y) == ekran.pixel(x + dx + i, y + dy + j))
                    return true;
        return false;
    };
    for (int y = 0; y < kopia.height(); ++y)
        for (int x = 0; x < kopia.width(); ++x) {
            if (kopia.pixel(x, y) != ekran.pixel(x + dx, y + dy)) {
                ++obok;
                rozne += !jestObok(x, y);
            }
            rysunku += kopia.pixelColor(x, y) != QColor(Qt::white);
        }
    EXPECT_GT(rysunku, 2000);  // the diagram is there
    EXPECT_LT(obok, 20);
    EXPECT_EQ(rozne, 0);
    if (rozne) {
        kopia.save(QString(KG_BUILD_DIR) + "/schowek_kopia.png");
        ekran.copy(dx, dy, 500, 250).save(QString(KG_BUILD_DIR) + "/schowek_ekran.png");
    }
}

TEST_F(Schowek, TloIOdmowy)
{
    // An area off the sheet shows nothing but the background.
    NastawySchowek = {};
    NastawySchowek.X1 = -40;
    NastawySchowek.X2 = -30;
    NastawySchowek.Y1 = -40;
    NastawySchowek.Y2 = -30;
    NastawySchowek.PunktowNaCm = 10;
    NastawySchowek.KolorTla = KolorRGB(255, 255, 128);
    KopiujSchowek->FormShow();
    KopiujSchowek->B_kopiujClick();
    const QImage kopia = KopiujSchowek->OstatniaKopia;
    ASSERT_EQ(kopia.size(), QSize(100, 100));
    for (QPoint p : {QPoint(0, 0), QPoint(50, 50), QPoint(99, 99)})
        EXPECT_EQ(kopia.pixelColor(p), QColor(255, 255, 128));

    // 1024 x 1024 cm at 64 points per cm: refused on the label, no copy.
    KopiujSchowek->OstatniaKopia = QImage();
    KopiujSchowek->E_x2->setText("1024");
    KopiujSchowek->E_x1->setText("0");
    KopiujSchowek->E_y1->setText("0");
    KopiujSchowek->E_y2->setText("1024");
    KopiujSchowek->CB_IlPktCm->setEditText("64");
    KopiujSchowek->B_kopiujClick();
    EXPECT_EQ(KopiujSchowek->L_OpisRozmiar->text().toStdString(),
              "Max.8M pixeli(czyli np. 2666x3000)! Zmniejsz rozmiar lub rozdzielczość.");
    EXPECT_TRUE(KopiujSchowek->OstatniaKopia.isNull());
    // A resolution being typed raises no message; the refresh shows it.
    KopiujSchowek->CB_IlPktCm->setEditText("5");
    KopiujSchowek->CB_IlPktCmKeyPress();
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_EQ(NastawySchowek.PunktowNaCm, 10) << "a refused refresh stores nothing";
    EXPECT_FLOAT_EQ(NastawySchowek.X2, -30.0f);
    KopiujSchowek->CB_IlPktCm->setEditText("abc");
    KopiujSchowek->CB_IlPktCmKeyPress();
    EXPECT_TRUE(Komunikaty().empty());
    KopiujSchowek->B_kopiujClick();
    EXPECT_EQ(KopiujSchowek->L_OpisRozmiar->text().toStdString(), "Nieprawidłowa wartość rozdzielczości!");
    EXPECT_TRUE(KopiujSchowek->OstatniaKopia.isNull());
    KopiujSchowek->CB_IlPktCm->setEditText("20");
    KopiujSchowek->CB_IlPktCmKeyPress();
    // 20480 x 20480 is still too large: the refresh says so on the label,
    // and the resolution typed waits with the rest.
    EXPECT_EQ(NastawySchowek.PunktowNaCm, 10);
    EXPECT_EQ(KopiujSchowek->L_OpisRozmiar->text().toStdString(),
              "Max.8M pixeli(czyli np. 2666x3000)! Zmniejsz rozmiar lub rozdzielczość.");
    EXPECT_TRUE(Komunikaty().empty());
}

TEST_F(Schowek, ObszarWskazanyMysza)
{
    Prostokat(0xFFFFFF);
    // The command wants a node and a variant.
    NowyProjekt();
    Form1->TB_DoSchowkaClick();
    EXPECT_EQ(Komunikaty().back(), "Projekt musi zawierać min. 1 węzeł i 1 wariant!");
    ZbudujProjekt(1, 1);

    KopiujSchowek->Button1Click();
    EXPECT_TRUE(Form1->TrybWskazFragment);
    const int x1 = CmNaEkranX(2.0), y1 = CmNaEkranY(8.0), x2 = CmNaEkranX(6.0), y2 = CmNaEkranY(5.0);
    // Dragged from the bottom right to the top left: the same area.
    Form1->PodgladMouseDown(Qt::LeftButton, x2, y2);
    Form1->PodgladMouseMove(x1, y1);
    bool pokazane = false;
    QTimer::singleShot(0, KopiujSchowek, [&] {
        pokazane = true;
        auto liczba = [](QLineEdit* e) { return e->text().replace(',', '.').toDouble(); };
        EXPECT_NEAR(liczba(KopiujSchowek->E_x1), EkranNaCmX(x1), 0.006);
        EXPECT_NEAR(liczba(KopiujSchowek->E_x2), EkranNaCmX(x2), 0.006);
        EXPECT_NEAR(liczba(KopiujSchowek->E_y1), EkranNaCmY(y2), 0.006);
        EXPECT_NEAR(liczba(KopiujSchowek->E_y2), EkranNaCmY(y1), 0.006);
        KopiujSchowek->B_PowrotClick();
    });
    Form1->PodgladMouseUp(Qt::LeftButton, x1, y1);
    ASSERT_TRUE(pokazane);
    EXPECT_FALSE(Form1->TrybWskazFragment);
    EXPECT_TRUE(ProjektZmieniony);
    EXPECT_NEAR(NastawySchowek.X1, EkranNaCmX(x1), 0.006);
    EXPECT_NEAR(NastawySchowek.Y2, EkranNaCmY(y1), 0.006);
}
