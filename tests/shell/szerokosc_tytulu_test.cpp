// A TrueType title takes the same width of the sheet on the screen at any
// zoom as on paper and in the DXF file: the screen draws its pixels from the
// program's bitmap, the paper is the program's own PDF rendered by poppler.
// Each of those widths is the span of the columns that the title changes
// (the sheet drawn with and without it), in sheet centimetres. The DXF's
// is the length of the baseline its TEXT is fitted to, as ezdxf reads it.

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <sstream>

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
        ZbudujProjekt(1, 1);  // a junction far below the title: a DXF wants one
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

    // The title's TEXT in the exported DXF as ezdxf reads it: its
    // justification, anchor and second alignment point.
    struct TekstDxf {
        std::string wyrownanie;
        double x = 0.0, y = 0.0, xKonca = 0.0, yKonca = 0.0;
    };
    TekstDxf WDxf(const std::string& tytul)
    {
        UstawTytul(tytul);
        const std::string plik = Sciezka("tytul.dxf");
        dialogi.SciezkiZapisz.push_back(plik);
        Form1->TB_DoDxfaClick();
        const char* skrypt = R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1], encoding="cp1250")
for e in doc.modelspace().query("TEXT[layer=='Rupl_TytulWariant']"):
    if e.dxf.text:
        a, p, k = e.get_placement()
        sys.stdout.buffer.write(("%s %r %r %r %r %s\n" % (a.name, p.x, p.y, k.x, k.y, e.dxf.text)).encode("utf-8"))
)PY";
        QProcess p;
        p.start("/usr/bin/python3", {"-c", skrypt, NaQString(plik)});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        std::istringstream linia(p.readAllStandardOutput().toStdString());
        TekstDxf t;
        std::string tekst;
        linia >> t.wyrownanie >> t.x >> t.y >> t.xKonca >> t.yKonca;
        std::getline(linia >> std::ws, tekst);
        EXPECT_EQ(tekst, tytul);
        return t;
    }
};

// A junction's title at the height of titles, on the screen at a small zoom
// (9-pixel cells, where whole pixels weigh most), a middle and a large one,
// on paper and in the DXF file: within 2% of one another. The DXF's TEXT
// is fitted to its width, whatever font a CAD program shows it in.
TEST_F(SzerokoscTytulu, TaSamaNaEkranieWKazdejSkaliNaPapierzeIWDxf)
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

    if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "/usr/bin/python3 has no ezdxf (Debian package python3-ezdxf)";
    const TekstDxf dxf = WDxf(tytul);
    EXPECT_EQ(dxf.wyrownanie, "FIT");
    EXPECT_NEAR(dxf.x, X, 1e-6);
    EXPECT_DOUBLE_EQ(dxf.yKonca, dxf.y);
    const double wDxf = dxf.xKonca - dxf.x;
    EXPECT_NEAR(wDxf / papier, 1.0, 0.02) << wDxf << " cm in the DXF, " << papier << " cm on paper";
    RecordProperty("dxf", std::to_string(wDxf));
}

}  // namespace
