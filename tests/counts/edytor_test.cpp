// The count editor, the per-inlet table and the browser driven by control
// name: a count typed inlet by inlet, saved, found, reopened and reported;
// the unsaved-changes questions.
#include <QCheckBox>
#include <fstream>
#include <iterator>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "counts/FiltrOkna.h"
#include "model/Raporty.h"
#include "pomoc.h"
#include "platform/PlikTekstowy.h"
#include "platform/ZapisBezpieczny.h"

namespace {

// Typing into an edit: the text and the signal a user's typing gives.
void Wpisz(QLineEdit* e, const char* utf8)
{
    e->setText(QString::fromUtf8(utf8));
    emit e->textEdited(e->text());
}

void Wybierz(QListWidget* lista, const char* nazwa)
{
    const auto znalezione = lista->findItems(QString::fromUtf8(nazwa), Qt::MatchExactly);
    ASSERT_EQ(znalezione.size(), 1) << nazwa;
    lista->setCurrentItem(znalezione.front());
}

std::vector<std::string> Lista(QListWidget* l)
{
    std::vector<std::string> w;
    for (int i = 0; i < l->count(); ++i)
        w.push_back(l->item(i)->text().toStdString());
    return w;
}

class EdytorTest : public OknaPomiarowTest {
protected:
    // A new count "nazwa" with a valid header.
    void NowyPomiar(const std::string& nazwa, const char* wezel)
    {
        dialogi.SciezkiZapisz.push_back(Pomiar(nazwa));
        PomiaryRuchu->B_NowyPomiarClick();
        Wpisz(PomiaryRuchu->E_NazwaWezla, wezel);
    }
    // Inlet `wlot`'s table: cells (column, row, value) typed, then "Wprowadź".
    void WpiszWlot(int wlot, std::vector<std::tuple<int, int, const char*>> komorki, const char* przejscie11 = nullptr)
    {
        WOknie([=] {
            for (const auto& [k, r, v] : komorki)
                NatezeniaTabela->SG_Tabela->item(r - 1, k)->setText(v);
            if (przejscie11)
                Wpisz(NatezeniaTabela->E_Przej[0], przejscie11);
            NatezeniaTabela->B_WprowadzClick();
        });
        PomiaryRuchu->B_RuplClick(wlot);
    }
};

TEST_F(EdytorTest, PomiarWpisanySzukanyOtwartyIRaport)
{
    EXPECT_FALSE(PomiaryRuchu->E_NazwaWezla->isEnabled()) << "no count open";
    NowyPomiar("Plac", "Plac Wolności");
    ASSERT_TRUE(QFile::exists(NaQString(Pomiar("Plac")))) << "a new count is written at once";
    EXPECT_EQ(PomiaryRuchu->windowTitle(), NaQString(Pomiar("Plac")));
    EXPECT_TRUE(PomiaryRuchu->B_Rupl[0]->isVisibleTo(PomiaryRuchu)) << "the header is valid";
    EXPECT_EQ(BiezacyPomiar.NazwaPojazdu[0].str(), "Osobowe") << "the built-in classes without a defaults file";
    Wpisz(PomiaryRuchu->E_Sekcja, "S7");

    // East inlet: 12 cars left (to the south), 5 straight on, a truck right; 3 pedestrians.
    WpiszWlot(1, {{2, 1, "12"}, {3, 1, "5"}, {4, 3, "1"}}, "3");
    EXPECT_EQ(NatezeniaTabela->SG_Tabela->horizontalHeaderItem(2)->text(), " LS");
    EXPECT_EQ(PomiaryRuchu->B_Rupl[0]->text(), "Dane  S(18)");
    // South inlet: 4 cars left (to the west).
    WpiszWlot(4, {{2, 1, "4"}});
    EXPECT_EQ(BiezacyPomiar.NatezeniaPojazdow[0][3], 12);
    EXPECT_EQ(BiezacyPomiar.NatezeniaPojazdow[60][2], 4);
    EXPECT_EQ(BiezacyPomiar.NatezeniaPrzejsc[0][0], 3);
    EXPECT_EQ(BiezacyPomiar.NatezeniaPrzejscSumy[0], 3);
    EXPECT_EQ(BiezacyPomiar.PomiarZmieniony, 1);
    PomiaryRuchu->B_PowrotClick();
    EXPECT_EQ(PomiaryRuchu->result(), QDialog::Accepted);
    EXPECT_EQ(BiezacyPomiar.PomiarZmieniony, 0) << "saved on the way out";

    // A roundabout count beside it, and the browser's filters.
    NowyPomiar("Rondo", "Rondo Grunwaldzkie");
    PomiaryRuchu->PageTyp->setCurrentIndex(1);
    PomiaryRuchu->Button3Click();
    OpenPomiar->CB_Ronda->setChecked(false);
    OpenPomiar->OdswiezListeOpenPomiar();
    EXPECT_EQ(Lista(OpenPomiar->ListaPomiar), (std::vector<std::string>{"Plac"}));
    OpenPomiar->CB_Ronda->setChecked(true);
    OpenPomiar->RG_Pokazuj->RB_SzukajWNazwie->setChecked(true);
    OpenPomiar->RG_Pokazuj->E_SzukajWNazwie->setText(QString::fromUtf8("Grunwald"));
    OpenPomiar->B_refresh->click();
    EXPECT_EQ(Lista(OpenPomiar->ListaPomiar), (std::vector<std::string>{"Rondo"}));
    OpenPomiar->RG_Pokazuj->RB_SzukajSekcja->setChecked(true);
    OpenPomiar->RG_Pokazuj->E_SzukajSekcja->setText("S7");
    OpenPomiar->B_refresh->click();
    EXPECT_EQ(Lista(OpenPomiar->ListaPomiar), (std::vector<std::string>{"Plac"}));
    OpenPomiar->RG_Pokazuj->RB_OstDniPomiar->setChecked(true);
    OpenPomiar->RG_Pokazuj->E_OstDniPomiar->setText("0");
    OpenPomiar->B_refresh->click();
    EXPECT_EQ(Lista(OpenPomiar->ListaPomiar).size(), 2u) << "both counted today";
    Wybierz(OpenPomiar->ListaPomiar, "Plac");
    DanePomiar kopia;
    ASSERT_TRUE(OpenPomiar->WczytajWybrany(kopia));
    EXPECT_EQ(kopia.NatezeniaPojazdow[0][3], 12);

    // Reopened in the editor.
    PomiaryRuchu->OdswiezListePomiarow();
    EXPECT_EQ(Lista(PomiaryRuchu->ListaPomiar), (std::vector<std::string>{"Plac", "Rondo"}));
    Wybierz(PomiaryRuchu->ListaPomiar, "Plac");
    PomiaryRuchu->Button1Click();
    EXPECT_TRUE(pytania.empty()) << "nothing unsaved";
    EXPECT_EQ(PomiaryRuchu->E_NazwaWezla->text(), QString::fromUtf8("Plac Wolności"));
    EXPECT_EQ(PomiaryRuchu->PageTyp->currentIndex(), 0);
    EXPECT_EQ(PomiaryRuchu->B_Rupl[3]->text(), "Dane  S(4)");
    EXPECT_EQ(BiezacyPomiar.NazwaPliku.str(), "Plac.pom");

    // Its count report, as the report window shows it.
    std::vector<std::string> raport = PoczatekRaportu(KodujDate(2026, 12, 7), KodujCzas(10, 0, 0), "C:/projekt.rup");
    const auto tresc = RaportPomiaru(BiezacyPomiar, {"S", "E", "N", "W"});
    raport.insert(raport.end(), tresc.begin(), tresc.end());
    Opis->WstawRaport(raport);
    const QStringList linie = Opis->Tekst->toPlainText().split('\n');
    ASSERT_EQ(linie.size(), 4 + 1 + 4 * 31);
    EXPECT_EQ(linie[1], "dn. 2026-12-07;   godz.10:00:00");
    EXPECT_EQ(linie[4], "  POMIAR ");
    EXPECT_EQ(linie[7], "WLOT   E");
    EXPECT_EQ(linie[10], " Relacje  .....................        LS        WP        PS");
    EXPECT_EQ(linie[12], "1. Osobowe ....................        12         5          ");
    EXPECT_EQ(linie[14], QString::fromUtf8("3. Ciężarowe ..................                             1"));
    EXPECT_EQ(linie[34], "RAZEM  ........................        12         5         1");
    EXPECT_EQ(linie[4 + 3 * 31 + 3], "WLOT   S");
    // Its columns line up: every line as wide as its characters at the width
    // of one (a monospaced face need not say it is fixed-pitch).
    const QFontMetricsF m(Opis->Tekst->font());
    const qreal znak = m.horizontalAdvance(QStringLiteral("M"));
    for (const int i : {10, 12, 14, 34})
        EXPECT_NEAR(m.horizontalAdvance(linie[i]), znak * static_cast<qreal>(linie[i].size()), 0.01 * znak) << i;
}

TEST_F(EdytorTest, NiezapisaneZmianyPytajaPrzedPorzuceniem)
{
    NowyPomiar("A", "Aleja");
    PomiaryRuchu->Button3Click();
    NowyPomiar("B", "Bulwar");
    PomiaryRuchu->Button3Click();
    PomiaryRuchu->OdswiezListePomiarow();
    Wybierz(PomiaryRuchu->ListaPomiar, "A");
    PomiaryRuchu->Button1Click();
    ASSERT_EQ(BiezacyPomiar.Lokalizacja.str(), "Aleja");

    // "Kasuj" keeps the changed count open.
    Wpisz(PomiaryRuchu->E_Opis1, "uwaga");
    Wybierz(PomiaryRuchu->ListaPomiar, "B");
    PomiaryRuchu->Button1Click();
    ASSERT_EQ(pytania.size(), 1u);
    EXPECT_NE(pytania[0].find("ZAPISAĆ?"), std::string::npos) << pytania[0];
    EXPECT_EQ(BiezacyPomiar.Lokalizacja.str(), "Aleja");
    // "Tak" with a header too short: the message, and the count stays.
    Wpisz(PomiaryRuchu->E_NazwaWezla, "Al");
    odpowiedzi = {PytanieTak};
    PomiaryRuchu->Button1Click();
    EXPECT_EQ(Cp1250NaUtf8(dialogi.OstatniTekst()), "Nazwa węzła musi składać się z min. 3 znaków.");
    EXPECT_EQ(BiezacyPomiar.Lokalizacja.str(), "Aleja");
    // "Tak": saved, then B opened.
    Wpisz(PomiaryRuchu->E_NazwaWezla, "Aleja Róż");
    odpowiedzi = {PytanieTak};
    PomiaryRuchu->Button1Click();
    EXPECT_EQ(BiezacyPomiar.Lokalizacja.str(), "Bulwar");
    DanePomiar a;
    std::string blad;
    ASSERT_TRUE(CzytajPlikPomiaru(Pomiar("A"), a, blad));
    EXPECT_EQ(a.Opis2Linie[0].str(), "uwaga");
    EXPECT_EQ(Cp1250NaUtf8(a.Lokalizacja.str()), "Aleja Róż");

    // "Nowy pomiar" and the frame ask too; "Nie" drops the changes.
    Wpisz(PomiaryRuchu->E_Opis2, "zmiana");
    PomiaryRuchu->B_NowyPomiarClick();
    EXPECT_EQ(pytania.size(), 4u);
    EXPECT_EQ(dialogi.BrakOdpowiedzi, 0) << "Kasuj: no file dialog";
    PomiaryRuchu->show();
    BiezacyPomiar.PomiarZmieniony = 1;
    PomiaryRuchu->reject();
    EXPECT_EQ(pytania.size(), 5u);
    EXPECT_TRUE(PomiaryRuchu->isVisible()) << "Kasuj keeps the window";
    odpowiedzi = {PytanieNie};
    PomiaryRuchu->reject();
    EXPECT_FALSE(PomiaryRuchu->isVisible());
    ASSERT_TRUE(CzytajPlikPomiaru(Pomiar("B"), a, blad));
    EXPECT_EQ(a.Opis2Linie[1].str(), "") << "Nie saves nothing";
}

TEST_F(EdytorTest, TabelaWlotuFlagaZmianIKolumny)
{
    NowyPomiar("C", "Centrum");
    PomiaryRuchu->Button3Click();
    ASSERT_EQ(BiezacyPomiar.PomiarZmieniony, 0);

    // "Wyłącz" on the north inlet: a change, its button off, the others on.
    PomiaryRuchu->CB_Wylacz[1]->click();
    EXPECT_EQ(BiezacyPomiar.WlotJest, (std::array<uint8_t, 4>{1, 0, 1, 1}));
    EXPECT_EQ(BiezacyPomiar.PomiarZmieniony, 1);
    EXPECT_FALSE(PomiaryRuchu->B_Rupl[1]->isEnabled());
    PomiaryRuchu->CB_Wylacz[2]->click();
    EXPECT_FALSE(PomiaryRuchu->CB_Wylacz[1]->isChecked()) << "one inlet off at most";
    PomiaryRuchu->CB_Wylacz[2]->click();
    PomiaryRuchu->CB_Wylacz[1]->click();

    // Inlet 3 (west) without the north: " WP" and " PS" only.
    BiezacyPomiar.NatezeniaPojazdow[40][1] = 9;   // to the north, kept and counted
    WOknie([] {
        EXPECT_EQ(NatezeniaTabela->SG_Tabela->columnCount(), 4);
        EXPECT_EQ(NatezeniaTabela->SG_Tabela->horizontalHeaderItem(2)->text(), " WP");
        // Typed into the cell's editor, never committed: "Wprowadź" takes it as typed.
        TSiatka* s = NatezeniaTabela->SG_Tabela;
        s->setCurrentCell(0, 3);
        s->editItem(s->item(0, 3));
        QLineEdit* edytor = s->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(edytor, nullptr);
        edytor->setText("6");
        NatezeniaTabela->B_WprowadzClick();
    });
    BiezacyPomiar.PomiarZmieniony = 0;
    PomiaryRuchu->B_RuplClick(3);
    EXPECT_EQ(BiezacyPomiar.NatezeniaPojazdow[40][3], 6);
    EXPECT_EQ(BiezacyPomiar.NatezeniaPojazdowSumy[2], 15);
    EXPECT_EQ(BiezacyPomiar.PomiarZmieniony, 1);

    // "Rezygnuj" leaves the flag as it was, also after typing.
    for (uint8_t przed : {0, 1}) {
        BiezacyPomiar.PomiarZmieniony = przed;
        WOknie([] {
            NatezeniaTabela->SG_Tabela->item(0, 2)->setText("99");
            Wpisz(NatezeniaTabela->E_Przej[3], "7");
            NatezeniaTabela->B_RezygnujClick();
        });
        PomiaryRuchu->B_RuplClick(3);
        EXPECT_EQ(BiezacyPomiar.PomiarZmieniony, przed);
        EXPECT_EQ(BiezacyPomiar.NatezeniaPrzejsc[2][3], 0);
    }
    // A bad cell or crossing value stores nothing.
    WOknie([] {
        NatezeniaTabela->SG_Tabela->item(4, 2)->setText("1");
        Wpisz(NatezeniaTabela->E_Przej[7], "x");
        NatezeniaTabela->B_WprowadzClick();
        EXPECT_TRUE(NatezeniaTabela->isVisible());
        NatezeniaTabela->SG_Tabela->item(4, 2)->setText("1,5");
        Wpisz(NatezeniaTabela->E_Przej[7], "2");
        NatezeniaTabela->B_WprowadzClick();
        EXPECT_TRUE(NatezeniaTabela->isVisible());
        NatezeniaTabela->B_RezygnujClick();
    });
    PomiaryRuchu->B_RuplClick(3);
    EXPECT_EQ(Cp1250NaUtf8(dialogi.OstatniTekst()), "Nieprawidłowa wartość natężenia poz. (2,5)");
    EXPECT_EQ(BiezacyPomiar.NatezeniaPojazdow[44][1], 0);

    // A roundabout of three inlets shown for inlet 3: 3->1 and 3->2; the sketch is drawn.
    PomiaryRuchu->PageTyp->setCurrentIndex(1);
    PomiaryRuchu->CB_IloscWW->setCurrentText("3");
    EXPECT_EQ(BiezacyPomiar.MaxJest, 3);
    EXPECT_FALSE(PomiaryRuchu->B_Rond[3]->isEnabled());
    WOknie([] {
        EXPECT_EQ(NatezeniaTabela->SG_Tabela->horizontalHeaderItem(2)->text(), "3->1");
        EXPECT_EQ(NatezeniaTabela->SG_Tabela->horizontalHeaderItem(3)->text(), "3->2");
        EXPECT_EQ(NatezeniaTabela->SG_Tabela->columnCount(), 4);
        const QImage s = NatezeniaTabela->Schemat->pixmap().toImage();
        EXPECT_EQ(s.pixelColor(s.width() / 2, s.height() / 2), QColor(200, 200, 200)) << "the island";
        EXPECT_EQ(s.pixelColor(s.width() / 2 + 55, s.height() / 2), QColor(128, 128, 128)) << "the ring";
        NatezeniaTabela->B_RezygnujClick();
    });
    PomiaryRuchu->B_RondClick(3);
    EXPECT_FALSE(NatezeniaTabela->strzalki1->pixmap().isNull()) << "the direction picture was decoded";
}

}  // namespace

namespace {

TEST_F(EdytorTest, NowyPomiarBezPlikuZostajeZmieniony)
{
    // The first save fails (a folder that is not there): the count is kept,
    // with its file name, and marked changed so that leaving asks.
    const std::string sciezka = KatalogPomiarow + "/brak/N.pom";
    dialogi.SciezkiZapisz.push_back(sciezka);
    PomiaryRuchu->B_NowyPomiarClick();
    EXPECT_NE(dialogi.OstatniTekst().find("N.pom (plik lub folder nie istnieje)"), std::string::npos)
        << dialogi.OstatniTekst();
    EXPECT_EQ(BiezacyPomiar.PomiarZmieniony, 1);
    EXPECT_EQ(PomiaryRuchu->windowTitle(), NaQString(sciezka));
    EXPECT_EQ(BiezacyPomiar.NazwaPliku.str(), "N.pom");
}

TEST_F(EdytorTest, ZlyPlikDomyslnyOstrzegaINowyPomiarMaWbudowaneKlasy)
{
    std::vector<std::string> l = {"__________UstawOznWspPojazdow"};
    for (int c = 0; c < 20; ++c)
        l.insert(l.end(), {"klasa", "k", c == 3 ? "1e39" : "2"});
    std::string blad;
    ASSERT_TRUE(ZapiszLinieBezpiecznie(KatalogUstawien + "/domyslne.upm", l, blad));
    NowyPomiar("D", "Dworzec");
    const auto teksty = dialogi.Teksty();
    ASSERT_FALSE(teksty.empty());
    EXPECT_NE(teksty.front().find("domyslne.upm, linia 13:"), std::string::npos) << teksty.front();
    EXPECT_EQ(BiezacyPomiar.NazwaPojazdu[0].str(), "Osobowe");
    EXPECT_EQ(BiezacyPomiar.WspPojazdu[3], 1.0f);
    EXPECT_TRUE(QFile::exists(NaQString(Pomiar("D")))) << "the count is made all the same";
}

TEST_F(EdytorTest, ZnakiSpozaKodowaniaIWspolczynnikiJakWPliku)
{
    // A header text with a character the count file cannot hold is refused
    // naming the field; nothing is written.
    auto CzytajPlikTekstu = [](const std::string& sciezka) {
        std::ifstream f(sciezka, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    NowyPomiar("Kijow", "Plac");
    PomiaryRuchu->Button3Click();
    const std::string zapisany = CzytajPlikTekstu(Pomiar("Kijow"));
    Wpisz(PomiaryRuchu->E_Sekcja, "Київ");
    PomiaryRuchu->Button3Click();
    EXPECT_EQ(Cp1250NaUtf8(dialogi.OstatniTekst()),
              "Pole „Sekcja” zawiera znak U+041A, którego nie można zapisać w pliku (spoza kodowania Windows-1250).");
    EXPECT_EQ(CzytajPlikTekstu(Pomiar("Kijow")), zapisany);
    Wpisz(PomiaryRuchu->E_Sekcja, "Kijów");

    // The class table: a name with an emoji is refused; a factor typed with
    // three decimals is stored as the file keeps it and reopens the same.
    TPojazdyTabela& t = *PojazdyTabela;
    t.PokazUstawienia();
    const DanePomiar przed = BiezacyPomiar;
    t.SG_Tabela->item(3, 1)->setText(QString::fromUtf8("Ciągnik 🚜"));
    t.B_WprowadzClick();
    EXPECT_EQ(Cp1250NaUtf8(dialogi.OstatniTekst()),
              "Pole „Nazwa pojazdu” zawiera znak U+1F69C, którego nie można zapisać w pliku (spoza kodowania "
              "Windows-1250).");
    EXPECT_EQ(BiezacyPomiar.NazwaPojazdu, przed.NazwaPojazdu);
    t.SG_Tabela->UstawKomorke(1, 4, PL("Ciągnik"));
    t.SG_Tabela->UstawKomorke(3, 4, "1,234");
    t.B_WprowadzClick();
    EXPECT_EQ(BiezacyPomiar.WspPojazdu[3], 1.23f);
    PomiaryRuchu->Button3Click();
    DanePomiar odczytany;
    std::string blad;
    ASSERT_TRUE(CzytajPlikPomiaru(Pomiar("Kijow"), odczytany, blad)) << Cp1250NaUtf8(blad);
    EXPECT_EQ(odczytany.WspPojazdu, BiezacyPomiar.WspPojazdu);
    EXPECT_EQ(odczytany.NazwaPojazdu[3].str(), PL("Ciągnik"));
    EXPECT_EQ(odczytany.Sekcja.str(), PL("Kijów"));
}

// A file name the count cannot keep (letters outside Windows-1250, or a pair
// that reads back as one letter) is refused naming it as the user typed it,
// for a new count and for one of the list; nothing is made or opened.
TEST_F(EdytorTest, OdrzuconaNazwaPlikuPokazanaJakWpisana)
{
    const auto komunikat = [](const std::string& nazwa) {
        return "Nazwy pliku " + nazwa +
               " nie można zapisać w projekcie (znaki spoza strony kodowej Windows-1250 lub nazwa dłuższa niż 255 "
               "znaków). Zmień nazwę pliku.";
    };
    for (const std::string nazwa : {"Київ", "Rondo 🚦"}) {
        SCOPED_TRACE(nazwa);
        dialogi.SciezkiZapisz.push_back(Pomiar(nazwa));
        PomiaryRuchu->B_NowyPomiar->click();
        ASSERT_FALSE(dialogi.Wpisy.empty());
        EXPECT_EQ(dialogi.Wpisy.back().rodzaj, DialogiTestowe::Rodzaj::Blad);
        EXPECT_EQ(dialogi.Wpisy.back().tekstQt.toStdString(), komunikat(nazwa + ".pom"));
        EXPECT_FALSE(QFile::exists(QString::fromUtf8(Pomiar(nazwa))));
        EXPECT_TRUE(PomiaryRuchu->SavePomiar.empty());
    }
    // Characters Windows-1250 has, but whose bytes the project would read
    // back as another letter: refused for that.
    dialogi.SciezkiZapisz.push_back(Pomiar("Ä…"));
    PomiaryRuchu->B_NowyPomiar->click();
    EXPECT_EQ(dialogi.Wpisy.back().tekstQt.toStdString(),
              "Nazwy pliku Ä….pom nie można zapisać w projekcie (zawiera parę znaków, którą plik odczytałby jako "
              "jedną literę: „Ä…” jako „ą”). Zmień nazwę pliku.");
    EXPECT_FALSE(QFile::exists(QString::fromUtf8(Pomiar("Ä…"))));

    NowyPomiar("Plac", "Plac Wolności");
    PomiaryRuchu->Button3->click();
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(Pomiar("Plac")), QString::fromUtf8(Pomiar("Київ"))));
    PomiaryRuchu->Button2->click();
    Wybierz(PomiaryRuchu->ListaPomiar, "Київ");
    PomiaryRuchu->Button1->click();
    EXPECT_EQ(dialogi.Wpisy.back().tekstQt.toStdString(), komunikat("Київ.pom"));
    EXPECT_EQ(BiezacyPomiar.NazwaPliku.str(), "Plac.pom");
    EXPECT_EQ(PomiaryRuchu->SavePomiar, Pomiar("Plac"));
}

}  // namespace
