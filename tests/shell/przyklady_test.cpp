// The example projects, counts and forecasts the program ships: each project
// opens through the open command, draws, prints a page per variant and
// exports a DXF that ezdxf reads without faults, all without a message; each
// count and forecast file reads.

#include <QDir>
#include <QFileInfo>
#include <map>
#include <set>

#include "counts/PlikiPomiarow.h"
#include "drawing/ZasiegRysunku.h"
#include "junction/RysujRuchoplan.h"
#include "roundabout/RysujRondo.h"
#include "shell/Arkusz.h"
#include "junction/rysuj_wspolne.h"
#include "model/PlikProjektu.h"
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

// Each example, and a project saved before its second variant was ever
// drawn, opened from the test's folder, printed and saved as the user does
// it: the file keeps every byte and the project stays unchanged; opened and
// saved alone, the same. Printing computes every variant's diagrams,
// copying each node's place into them: a diagram of a variant never drawn
// was once saved at 0.00, and at its node's place after a print.
TEST_F(ProgramTest, PrzykladOtwartyWydrukowanyIZapisanyBezZmian)
{
    Uruchom();
    std::vector<std::string> wzory;
    for (const QString& p : Pliki("Przyklady", "*.rup"))
        wzory.push_back(ZQString(p));
    ASSERT_EQ(wzory.size(), 3u);
    ZbudujProjekt(2, 2);
    ASSERT_EQ(DodajWezel(20.0, 5.0, "Rondo", 'R'), "");
    UstawRondaCzteroramienne();
    Form1->Przerysuj();  // the first variant as the user sees it: the band scale set
    wzory.push_back(Sciezka("wzor.rup"));
    ASSERT_TRUE(ZapiszProjekt(wzory.back()));
    ProjektZmieniony = false;

    for (const bool drukuj : {true, false})
        for (const std::string& wzor : wzory) {
            SCOPED_TRACE(wzor + (drukuj ? " printed" : " not printed"));
            const std::string plik = Sciezka("projekt.rup");
            QFile::remove(SciezkaNaQString(plik));
            ASSERT_TRUE(QFile::copy(SciezkaNaQString(wzor), SciezkaNaQString(plik)));
            dialogi.SciezkiOtworz.push_back(plik);
            UzyjPolecenia("BOtworz");
            ASSERT_EQ(Form1->Sciezka(), plik);
            if (drukuj) {
                const std::string pdf = Sciezka("wydruk.pdf");
                Form1->UstawWydrukDoPdf(pdf);
                UzyjPolecenia("TB_Drukuj");
                EXPECT_EQ(StronyPdf(pdf), LiczbaWariantow());
                EXPECT_FALSE(ProjektZmieniony);
            }
            dialogi.Wpisy.clear();
            UzyjPolecenia("TB_Zapisz");
            EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
            EXPECT_TRUE(CzytajPlik(plik) == CzytajPlik(wzor));
            EXPECT_FALSE(ProjektZmieniony);
        }
}

// A diagram's drawn extent on the sheet, and what it is for messages.
struct ZasiegDiagramu {
    std::string nazwa;
    ProstokatArkusza zasieg;
};

// Every diagram of the variant (the sheet prepared), measured as it draws.
std::vector<ZasiegDiagramu> ZasiegiDiagramow(int32_t wariant)
{
    PrzygotujArkuszWariantu(wariant);
    std::vector<ZasiegDiagramu> w;
    for (int i = 0; i < LiczbaRuchoplanow(); ++i)
        if (Ruchoplany[i].NrWariantu == wariant && Ruchoplany[i].GeometriaWprowadzona)
            w.push_back({Cp1250NaUtf8(Wezly[Ruchoplany[i].NrWezla].Nazwa.str()),
                         ZmierzRysunek([i] { RysujRuchoplan(i); })});
    for (int i = 0; i < LiczbaRond(); ++i)
        if (Ronda[i].NrWariantu == wariant && Ronda[i].GeometriaWprowadzona)
            w.push_back({Cp1250NaUtf8(Wezly[Ronda[i].NrWezla].Nazwa.str()), ZmierzRysunek([i] { RysujRondo(i); })});
    return w;
}

std::string Opis(const ZasiegDiagramu& d)
{
    const ProstokatArkusza& z = d.zasieg;
    return d.nazwa + " [" + std::to_string(z.x1) + ", " + std::to_string(z.y1) + "; " + std::to_string(z.x2) + ", " +
           std::to_string(z.y2) + "]";
}

// Nothing in the examples overprints: in every variant each diagram's drawn
// extent (bands, labels, legends, title) lies on the sheet and clear of
// every other diagram's.
TEST_F(ProgramTest, PrzykladyBezNachodzacychDiagramow)
{
    Uruchom();
    for (const QString& projekt : Pliki("Przyklady", "*.rup")) {
        SCOPED_TRACE(projekt.toStdString());
        dialogi.SciezkiOtworz.push_back(SciezkaZQString(projekt));
        Form1->BOtworzClick();
        ASSERT_EQ(Form1->Sciezka(), SciezkaZQString(projekt));
        for (int32_t v = 0; v < LiczbaWariantow(); ++v) {
            const std::vector<ZasiegDiagramu> diagramy = ZasiegiDiagramow(v);
            EXPECT_FALSE(diagramy.empty());
            for (std::size_t a = 0; a < diagramy.size(); ++a) {
                const ProstokatArkusza& z = diagramy[a].zasieg;
                EXPECT_TRUE(z.x1 >= 0.0 && z.y1 >= 0.0 && z.x2 <= wg.ArkuszB && z.y2 <= wg.ArkuszH)
                    << "variant " << v << ": " << Opis(diagramy[a]) << " off the sheet " << wg.ArkuszB << " x "
                    << wg.ArkuszH;
                for (std::size_t b = a + 1; b < diagramy.size(); ++b)
                    EXPECT_FALSE(z.Przecina(diagramy[b].zasieg))
                        << "variant " << v << ": " << Opis(diagramy[a]) << " and " << Opis(diagramy[b]);
            }
        }
        EXPECT_TRUE(Komunikaty().empty()) << Komunikaty().front();
    }
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
