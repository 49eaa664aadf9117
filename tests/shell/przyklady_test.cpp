// The example projects, counts and forecasts the program ships: each project
// opens through the open command, draws, prints a page per variant and
// exports a DXF that ezdxf reads without faults, all without a message; each
// count and forecast file reads.

#include <QDir>
#include <QFileInfo>
#include <map>
#include <set>

#include "counts/PlikiPomiarow.h"
#include "junction/rysuj_wspolne.h"
#include "model/Pomiar.h"
#include "pomoc.h"

namespace {

const QString Dane = QStringLiteral(KG_BUILD_DIR);

// A text each example's drawing holds: a street, a title, a description.
const std::map<std::string, std::string> Znak = {
    {"Skrzyzowanie_miejskie.rup", "ul. Kościuszki"},
    {"Rondo.rup", "Rondo Grunwaldzkie"},
    {"Siec_ul_Dlugiej.rup", "Ciąg ul. Długiej - ruch w godzinie szczytu [P/h]"},
};

QStringList Pliki(const QString& katalog, const QString& wzor)
{
    QStringList w;
    for (const QString& n : QDir(Dane + "/" + katalog).entryList({wzor}, QDir::Files, QDir::Name))
        w << Dane + "/" + katalog + "/" + n;
    return w;
}

TEST_F(ProgramTest, PrzykladyOtwieraneRysowaneDrukowaneIEksportowane)
{
    const QStringList projekty = Pliki("Przyklady", "*.rup");
    ASSERT_EQ(projekty.size(), 3) << "a junction, a roundabout and a network";
    const bool dxf = rysuj_test::CzytnikDxfDostepny();
    Uruchom();
    for (const QString& projekt : projekty) {
        SCOPED_TRACE(projekt.toStdString());
        dialogi.SciezkiOtworz.push_back(ZQString(projekt));
        Form1->BOtworzClick();
        ASSERT_EQ(Form1->Sciezka(), ZQString(projekt));
        Form1->Wszystko1Click();
        const std::string pdf = Sciezka("wydruk.pdf");
        Form1->UstawWydrukDoPdf(pdf);
        Form1->TB_DrukujClick();
        EXPECT_EQ(StronyPdf(pdf), LiczbaWariantow());
        // The print's report is the only message.
        ASSERT_EQ(Komunikaty().size(), 1u) << Komunikaty().front();
        EXPECT_EQ(Komunikaty()[0].rfind("Wysłano do wydrukowania", 0), 0u) << Komunikaty()[0];
        dialogi.Wpisy.clear();
        if (!dxf)
            continue;
        const std::string plikDxf = Sciezka(QFileInfo(projekt).baseName().toStdString() + ".dxf");
        dialogi.SciezkiZapisz.push_back(plikDxf);
        Form1->TB_DoDxfaClick();
        EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
        std::map<std::string, int> encje;
        std::set<std::string> teksty;
        for (const rysuj_test::Encja& e : rysuj_test::CzytajDxf(plikDxf)) {
            ++encje[e.typ];
            teksty.insert(e.tekst);
        }
        EXPECT_GT(encje["LINE"], 50);
        EXPECT_GT(encje["ARC"], 10);
        EXPECT_GT(encje["TEXT"], 50);
        EXPECT_TRUE(teksty.count(Znak.at(QFileInfo(projekt).fileName().toStdString())));
        ProjektZmieniony = false;
    }
    if (!dxf)
        GTEST_SKIP() << "brak /usr/bin/python3 z modułem ezdxf (python3-ezdxf)";
}

TEST(PrzykladowePomiary, CzytajaSieBezBledu)
{
    const QStringList pomiary = Pliki("Pomiary", "*.pom");
    EXPECT_GE(pomiary.size(), 2);
    for (const QString& plik : pomiary) {
        DanePomiar p;
        std::string blad;
        EXPECT_TRUE(CzytajPlikPomiaru(ZQString(plik), p, blad)) << blad;
    }
    const QStringList prognozy = Pliki("Pomiary/Prognozy", "*.pgz");
    EXPECT_GE(prognozy.size(), 1);
    for (const QString& plik : prognozy) {
        DanePrognoza p;
        std::string blad;
        EXPECT_TRUE(CzytajPlikPrognozy(ZQString(plik), p, blad)) << blad;
    }
}

} // namespace
