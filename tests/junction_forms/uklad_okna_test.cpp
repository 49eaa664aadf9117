// Where the volumes window puts its totals, what its percentages say they
// are, and the count page's inlet picture drawn where its layout places it.

#include <QGridLayout>
#include <QImage>
#include <QPixmap>

#include "formularze.h"

namespace {

using UkladOkna = Formularze;

// The smallest rectangle holding every pixel darker than the background.
QRect Zapisane(const QImage& obraz)
{
    const QRgb tlo = obraz.pixel(obraz.width() - 1, obraz.height() - 1);
    QRect wynik;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (qGray(obraz.pixel(x, y)) < qGray(tlo) - 60)
                wynik |= QRect(x, y, 1, 1);
    return wynik;
}

QImage ObrazSum()
{
    NatezeniaRUPL->RysujSumyWlotow();
    return NatezeniaRUPL->IOpisyWloty->pixmap().toImage();
}

} // namespace

// One "RAZEM:" in each exit's column of fields, in the row above the exit
// totals, and one beside each inlet row, past the last exit's shares.
TEST_F(UkladOkna, RazemPodKazdymWylotem)
{
    auto* strona = Kontrolka<QWidget>(NatezeniaRUPL, "TabSheet1");
    auto* siatka = qobject_cast<QGridLayout*>(strona->layout());
    ASSERT_NE(siatka, nullptr);
    auto kolumnaW = [&](QWidget* w) {
        int wiersz = 0, kolumna = 0, rw = 0, rk = 0;
        siatka->getItemPosition(siatka->indexOf(w), &wiersz, &kolumna, &rw, &rk);
        return kolumna;
    };
    const int zaUdzialami = kolumnaW(NatezeniaRUPL->wyp[15]) + 1;
    for (int i = 1; i <= 4; ++i) {
        int w = 0, k = 0, rw = 0, rk = 0;
        const int kolumnaPol = kolumnaW(NatezeniaRUPL->nat[static_cast<std::size_t>(i - 1)]);
        for (const auto& [nazwa, wiersz, kolumna] : {std::tuple{"L_RazemWylot", 5, kolumnaPol},
                                                     std::tuple{"L_RazemWlot", i, zaUdzialami},
                                                     std::tuple{"wylot", 6, kolumnaPol}}) {
            auto* etykieta = Kontrolka<QLabel>(strona, (nazwa + std::to_string(i)).c_str());
            siatka->getItemPosition(siatka->indexOf(etykieta), &w, &k, &rw, &rk);
            EXPECT_EQ(w, wiersz) << nazwa << i;
            EXPECT_EQ(k, kolumna) << nazwa << i;
        }
    }
}

// The percentages appear with a caption that says what they are shares of,
// and go with it when a volume is typed.
TEST_F(UkladOkna, ProcentyMajaOpis)
{
    NatezeniaRUPL->L_NrRupl->setText("0");
    NatezeniaRUPL->show();
    auto* opis = Kontrolka<QLabel>(NatezeniaRUPL, "L_OpisProcentow");
    EXPECT_FALSE(opis->isVisible());
    NatezeniaRUPL->Button1Click();
    EXPECT_TRUE(opis->isVisible());
    EXPECT_NE(opis->text().indexOf("% wlotu"), -1);
    EXPECT_NE(opis->text().indexOf("% wylotu"), -1);
    EXPECT_EQ(Kontrolka<QLabel>(NatezeniaRUPL, "wl12p")->toolTip(), QString::fromUtf8("% natężenia wlotu 1"));
    EXPECT_EQ(Kontrolka<QLabel>(NatezeniaRUPL, "wy21p")->toolTip(), QString::fromUtf8("% natężenia wylotu 2"));
    Wpisz(Kontrolka<QLineEdit>(NatezeniaRUPL, "nat12"), "75");
    EXPECT_FALSE(opis->isVisible());
    NatezeniaRUPL->hide();
}

// With an 11-pixel font the line step is 13: the east inlet's arm letter
// stands at (250, 2 x 13 + 50), the south one's at (190, 150 - 3 x 13); the
// east inlet's numbers, from x = 320, fit the picture whole.
TEST_F(UkladOkna, ObrazSumWlotow)
{
    NatezeniaRUPL->L_NrRupl->setText("0");
    DanePomiar& m = NatezeniaRUPL->KopiaPomiaru;
    m.RysujZawrotki = 0;
    m.WlotJest = {1, 0, 0, 0};  // the east inlet alone: its label, no line
    QRect litera = Zapisane(ObrazSum());
    ASSERT_TRUE(litera.isValid());
    EXPECT_NEAR(litera.left(), 250, 2);
    EXPECT_NEAR(litera.top(), 76, 4);
    EXPECT_LE(litera.bottom(), 76 + 13);

    m.WlotJest = {0, 0, 0, 1};  // the south inlet alone
    litera = Zapisane(ObrazSum());
    ASSERT_TRUE(litera.isValid());
    EXPECT_NEAR(litera.left(), 190, 2);
    EXPECT_NEAR(litera.top(), 111, 4);

    m.WlotJest = {1, 1, 0, 0};  // east with its line to the north exit
    m.NatezeniaNaRelacjach[0][1] = 123456;
    const QImage obraz = ObrazSum();
    const QRect liczby = Zapisane(obraz.copy(300, 40, obraz.width() - 300, 20));
    ASSERT_TRUE(liczby.isValid());
    EXPECT_LT(300 + liczby.right(), obraz.width() - 2) << "the number runs off the picture";
    EXPECT_GT(liczby.width(), 30);  // six digits
}
