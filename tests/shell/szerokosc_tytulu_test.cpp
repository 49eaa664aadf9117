// A TrueType title takes the same width of the sheet on the screen at any
// zoom as on paper: the screen draws its pixels from the program's bitmap,
// the paper is the program's own PDF rendered by poppler. Each width is the
// span of the columns that the title changes (the sheet drawn with and
// without it), in sheet centimetres.

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

#include "drawing/Wyjscie.h"
#include "pomoc.h"

namespace {

class SzerokoscTytulu : public ProgramTest {
protected:
    static constexpr double X = 2.0;  // the title's left end on the sheet

    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
        Form1->Podglad->setFixedSize(800, 300);
        ZbudujProjekt(0, 1);
        wg.ArkuszB = 19.0f;
        wg.ArkuszH = 27.0f;
        Warianty[0].TytulDx = static_cast<float>(X);
        Warianty[0].TytulDy = -1.0f;
        Warianty[0].TytulWyrownanie = 'L';
    }

    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
    }

    static void UstawTytul(const std::string& utf8)
    {
        Warianty[0].Tytul1 = Utf8NaCp1250(utf8);
        Warianty[0].Tytul2 = Warianty[0].Tytul3 = "";
    }

    // The columns [od, do_] where two pictures differ (do_ < od when nowhere).
    struct Kolumny {
        int od = 0, do_ = -1;
        int Szerokosc() const { return do_ - od + 1; }
    };
    static Kolumny Roznica(const QImage& a, const QImage& b)
    {
        Kolumny k{a.width(), -1};
        for (int y = 0; y < std::min(a.height(), b.height()); ++y)
            for (int x = 0; x < std::min(a.width(), b.width()); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) {
                    k.od = std::min(k.od, x);
                    k.do_ = std::max(k.do_, x);
                }
        return k;
    }

    // The title's width in cm on the screen at the scale, the view on it.
    static double NaEkranie(const std::string& tytul, double skala)
    {
        Skala = skala;
        SrodekX = 7.0;
        SrodekY = wg.ArkuszH - 1.5;
        auto obraz = [](const std::string& t) {
            UstawTytul(t);
            Form1->Przerysuj();
            return Form1->BitmapaRysunku.convertToFormat(QImage::Format_RGB32);
        };
        const Kolumny k = Roznica(obraz(tytul), obraz(""));
        EXPECT_GT(k.Szerokosc(), 0) << "Skala " << skala;
        // Its left end at the anchor, but for the first glyph's side bearing.
        EXPECT_NEAR((k.od - CmNaEkranX(X)) * skala / 1000.0, 0.0, 0.1) << "Skala " << skala;
        return k.Szerokosc() * skala / 1000.0;
    }

    // The title's width in cm on the printed page (100 pixels per inch).
    double NaPapierze(const std::string& tytul)
    {
        auto strona = [this](const std::string& t, const std::string& nazwa) {
            UstawTytul(t);
            const std::string pdf = Sciezka(nazwa + ".pdf");
            Form1->UstawWydrukDoPdf(pdf);
            Form1->TB_DrukujClick();
            const std::vector<QImage> strony = StronyObrazami(pdf, katalog.path() + "/" + NaQString(nazwa));
            EXPECT_EQ(strony.size(), 1u) << nazwa;
            return strony.empty() ? QImage() : strony[0];
        };
        QDir(katalog.path()).mkpath("z");
        QDir(katalog.path()).mkpath("bez");
        const Kolumny k = Roznica(strona(tytul, "z"), strona("", "bez"));
        EXPECT_GT(k.Szerokosc(), 0);
        return k.Szerokosc() * 2.54 / 100.0;
    }
};

// A junction's title at the height of titles, on the screen at a small zoom
// (9-pixel cells, where whole pixels weigh most), a middle and a large one,
// and on paper: within 2% of one another.
TEST_F(SzerokoscTytulu, TaSamaNaEkranieWKazdejSkaliINaPapierze)
{
    const std::string tytul = "Skrzyżowanie Świętokrzyska";
    TekstTT = false;  // titles are TrueType whatever the labels are
    const double papier = NaPapierze(tytul);
    EXPECT_GT(papier, 5.0);
    for (double skala : {75.0, 30.0, 14.0}) {
        const double ekran = NaEkranie(tytul, skala);
        EXPECT_NEAR(ekran / papier, 1.0, 0.02) << "Skala " << skala << ": " << ekran << " cm on screen, " << papier
                                               << " cm on paper";
        RecordProperty("ekran_" + std::to_string(static_cast<int>(skala)), std::to_string(ekran));
    }
    RecordProperty("papier", std::to_string(papier));
}

}  // namespace
