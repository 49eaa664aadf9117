#include <gtest/gtest.h>

#include "base/Kodowanie.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"
#include "wspolne/enter_w_pytaniu.h"

TEST(KodowanieQt, PolishLettersCrossTheQtBoundary)
{
    const QString q = QStringLiteral("Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ");
    const std::string cp = ZQString(q);
    EXPECT_EQ(cp, Utf8NaCp1250("Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ"));
    EXPECT_EQ(NaQString(cp), q);
    EXPECT_EQ(ZQString(QStringLiteral("中")), "?");
    EXPECT_TRUE(NaQString("").isEmpty());
}

TEST(Dialogi, TheDoubleAnswersAsScriptedAndRecordsTexts)
{
    DialogiTestowe d;
    PodmianaDialogow podmiana(d);
    ASSERT_EQ(&Dialogi(), &d);

    d.Odpowiedzi = {OdpowiedzTak};
    d.SciezkiOtworz = {"/tmp/a.rup"};
    d.SciezkiZapisz = {"/tmp/nowy", ""};
    d.Kolory = {KolorRGB(1, 2, 3)};

    Dialogi().Blad(Utf8NaCp1250("Błąd"));
    EXPECT_EQ(Dialogi().PytanieTakNie("Zapisac?"), OdpowiedzTak);
    EXPECT_EQ(Dialogi().PytanieTakNie("Jeszcze raz?"), OdpowiedzNie); // nothing scripted
    EXPECT_EQ(d.BrakOdpowiedzi, 1);
    EXPECT_EQ(Dialogi().OtworzPlik("Otwórz", "Pliki|*.rup", "/tmp"), "/tmp/a.rup");
    EXPECT_EQ(Dialogi().ZapiszPlik("Zapisz", "Pliki|*.rup", "/tmp", "", "rup"), "/tmp/nowy.rup");
    EXPECT_EQ(Dialogi().ZapiszPlik("Zapisz", "Pliki|*.rup", "/tmp", "", "rup"), ""); // cancelled
    TKolor k = 0;
    EXPECT_TRUE(Dialogi().WybierzKolor(k));
    EXPECT_EQ(k, KolorRGB(1, 2, 3));
    EXPECT_FALSE(Dialogi().WybierzKolor(k));
    EXPECT_EQ(k, KolorRGB(1, 2, 3));
    d.DokumentySieOtwieraja = false;
    EXPECT_FALSE(Dialogi().OtworzDokument("Instrukcja/Instrukcja.pdf"));
    Dialogi().Informacja("koniec");

    EXPECT_EQ(d.Teksty(), (std::vector<std::string>{Utf8NaCp1250("Błąd"), "Zapisac?", "Jeszcze raz?", "koniec"}));
    EXPECT_EQ(d.OstatniTekst(), "koniec");
    ASSERT_EQ(d.Wpisy.size(), 10u);
    EXPECT_EQ(d.Wpisy[0].rodzaj, DialogiTestowe::Rodzaj::Blad);
    EXPECT_EQ(d.Wpisy[3].filtr, "Pliki|*.rup");
    EXPECT_EQ(d.Wpisy[3].katalog, "/tmp");
    EXPECT_EQ(d.Wpisy[8].tekst, "Instrukcja/Instrukcja.pdf");
}

// Enter answers a question with its default: "Tak", except where "Tak"
// replaces another's work.
TEST(Dialogi, EnterInQtQuestionsAndInTheDouble)
{
    int zwykle = 0, zastapic = 0;
    bool czyZastapic = true;
    const std::vector<std::string> teksty = ZEnterWPytaniach([&] {
        zwykle = Dialogi().PytanieTakNie("Zapisac?");
        zastapic = Dialogi().PytanieTakNieDomyslnieNie("Zastapic?");
        czyZastapic = ZastapicZmieniony("Plik zmieniony. Zastapic?");
    });
    EXPECT_EQ(teksty, (std::vector<std::string>{"Zapisac?", "Zastapic?", "Plik zmieniony. Zastapic?"}));
    EXPECT_EQ(zwykle, OdpowiedzTak);
    EXPECT_EQ(zastapic, OdpowiedzNie);
    EXPECT_FALSE(czyZastapic);

    // The double answers both kinds from one queue and tells them apart.
    DialogiTestowe d;
    PodmianaDialogow podmiana(d);
    d.Odpowiedzi = {OdpowiedzTak, OdpowiedzTak};
    EXPECT_EQ(Dialogi().PytanieTakNie("a"), OdpowiedzTak);
    EXPECT_TRUE(ZastapicZmieniony("b"));
    EXPECT_FALSE(ZastapicZmieniony("c"));
    EXPECT_EQ(d.Teksty(DialogiTestowe::Rodzaj::Pytanie), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(d.DomyslnieNie, (std::vector<std::string>{"b", "c"}));
}

TEST(Dialogi, RemovingTheDoubleRestoresQtDialogs)
{
    DialogiTestowe d;
    {
        PodmianaDialogow podmiana(d);
        EXPECT_EQ(&Dialogi(), &d);
    }
    EXPECT_NE(&Dialogi(), &d);
}

TEST(Dialogi, FiltersAndExtensions)
{
    EXPECT_EQ(FiltrQt(Utf8NaCp1250("Pliki ruchoplanów|*.rup|Wszystki pliki|*.*")),
              QStringLiteral("Pliki ruchoplanów (*.rup);;Wszystki pliki (*.*)"));
    EXPECT_EQ(FiltrQt("Plik Dxf  |*.dxf;*.DXF"), QStringLiteral("Plik Dxf (*.dxf *.DXF)"));
    EXPECT_EQ(ZRozszerzeniem("/a/b", "dxf"), "/a/b.dxf");
    EXPECT_EQ(ZRozszerzeniem("/a/b.txt", "dxf"), "/a/b.txt");
    EXPECT_EQ(ZRozszerzeniem("/a.d/b", "dxf"), "/a.d/b.dxf");
    EXPECT_EQ(ZRozszerzeniem("/a/b", ""), "/a/b");
}

// Web and mail addresses stay addresses; paths, with letters of any alphabet
// or a "\" in a name, become local files.
TEST(AdresDokumentu, AdresyIPliki)
{
    EXPECT_EQ(AdresDokumentu("https://example.org/kartogram"), QUrl("https://example.org/kartogram"));
    EXPECT_EQ(AdresDokumentu("mailto:kartogram@example.org").scheme(), "mailto");
    const QUrl plik = AdresDokumentu("/tmp/Łódź/Пётр/Instrukcja.pdf");
    EXPECT_TRUE(plik.isLocalFile());
    EXPECT_EQ(plik.toLocalFile(), QString::fromUtf8("/tmp/Łódź/Пётр/Instrukcja.pdf"));
    EXPECT_TRUE(AdresDokumentu("Instrukcja\\Instrukcja.pdf").isLocalFile());
    EXPECT_TRUE(AdresDokumentu("C:\\Kartogram\\Instrukcja.pdf").isLocalFile());
    // A file that is not there is not handed to the system.
    EXPECT_FALSE(Dialogi().OtworzDokument("/nie/ma/takiego/pliku.pdf"));
}
