// The vehicle class window and the forecast table driven by control name.
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>

#include "model/Raporty.h"
#include "model/Prognoza.h"
#include "pomoc.h"

namespace {

using TabeleTest = OknaPomiarowTest;

TEST_F(TabeleTest, KlasyPojazdowSprawdzenieIZapis)
{
    UstawSeparatorDziesietny(',');
    ASSERT_EQ(UstawDomyslnyPomiar(BiezacyPomiar), "");
    TPojazdyTabela& t = *PojazdyTabela;
    t.PokazUstawienia();
    EXPECT_EQ(t.SG_Tabela->Komorka(3, 1), "1,0");
    EXPECT_EQ(ZQString(t.E_PrzejOzn[0]->text()), "Pie");

    // The last failing check is the one shown; nothing is stored.
    t.SG_Tabela->UstawKomorke(1, 2, "D");
    t.SG_Tabela->UstawKomorke(2, 3, "Cwel");
    t.E_PrzejOzn[3]->setText("x");
    t.B_WprowadzClick();
    EXPECT_EQ(Cp1250NaUtf8(dialogi.OstatniTekst()), "Wymagane ozn. przejść 2-3 znaki (poz. 4)");
    t.E_PrzejOzn[3]->setText("Inn");
    t.B_WprowadzClick();
    EXPECT_EQ(Cp1250NaUtf8(dialogi.OstatniTekst()), "Wymagany skrót z min. 1 znak i nie większy niż 3 znaki (poz. 3).");
    t.SG_Tabela->UstawKomorke(2, 3, "Cwe");
    t.SG_Tabela->UstawKomorke(1, 2, "Dostawcze");
    EXPECT_EQ(BiezacyPomiar.OznPrzejscia[3].str(), "...");

    // A factor typed with "." is shown with "," and stored as the number.
    t.SG_Tabela->UstawKomorke(3, 5, "2.5");
    t.B_WprowadzClick();
    EXPECT_EQ(t.result(), QDialog::Accepted);
    EXPECT_EQ(t.SG_Tabela->Komorka(3, 5), "2,5");
    EXPECT_EQ(BiezacyPomiar.WspPojazdu[4], 2.5f);
    EXPECT_EQ(BiezacyPomiar.OznPrzejscia[3].str(), "Inn");
    EXPECT_EQ(BiezacyPomiar.PomiarZmieniony, 1) << "grid edits from the mouse count as changes";

    // Saved as a settings file (the overwrite question answered "Nie" the
    // second time), loaded back and stored without a key press: a change.
    const std::string plik = KatalogUstawien + "/moje.upm";
    dialogi.SciezkiZapisz = {plik, plik};
    t.B_ZapisUstawPojazdClick();
    {
        UstawieniaPomiaru u;
        bool przejscia = false;
        std::string blad;
        EXPECT_TRUE(CzytajPlikUstawien(plik, u, przejscia, blad)) << blad;
        EXPECT_EQ(u.Wsp[4], "2,5");
    }
    t.SG_Tabela->UstawKomorke(1, 1, "Zmienione");
    t.B_ZapisUstawPojazdClick();
    ASSERT_EQ(pytania.size(), 1u);
    EXPECT_EQ(pytania[0], "Plik " + Cp1250NaUtf8(plik) + " już istnieje! Nadpisać?");
    BiezacyPomiar.PomiarZmieniony = 0;
    BiezacyPomiar.WspPojazdu[4] = 1.0f;
    dialogi.SciezkiOtworz = {plik};
    t.B_OdczytUstawPojazdClick();
    EXPECT_EQ(t.SG_Tabela->Komorka(1, 1), "Osobowe") << "the file, not the unsaved edit";
    t.B_WprowadzClick();
    EXPECT_EQ(BiezacyPomiar.WspPojazdu[4], 2.5f);
    EXPECT_EQ(BiezacyPomiar.PomiarZmieniony, 1);

    // "Wstaw domyślne" without a defaults file: the built-in grid, crossings kept.
    t.E_PrzejOpis[2]->setText("Hulajnogi");
    t.Button3Click();
    EXPECT_EQ(t.SG_Tabela->Komorka(3, 5), "1,0");
    EXPECT_EQ(t.E_PrzejOpis[2]->text(), "Hulajnogi");
    // "Rezygnuj" leaves the count.
    t.B_RezygnujClick();
    EXPECT_EQ(BiezacyPomiar.WspPojazdu[4], 2.5f);
    UstawSeparatorDziesietny('.');
}

TEST_F(TabeleTest, PrognozaWlotowSkrzyzowaniaIRonda)
{
    DanePomiar pomiar;
    ASSERT_EQ(UstawDomyslnyPomiar(pomiar), "");
    pomiar.WlotJest = {1, 0, 1, 0};
    DanePrognoza kopia;
    UstawDomyslnaPrognoze(kopia);
    kopia.PrognozaPojazdy[0][0] = "5%";
    TTabelaPrognoz& t = *TabelaPrognoz;
    t.Ustaw(&kopia, &pomiar, {"S", "E", "N", "W", ""}, 'J');
    EXPECT_TRUE(t.CB_WspolnaPrognoza->isChecked());
    EXPECT_EQ(t.SG_Pojazdy->Komorka(2, 1), "5%");
    EXPECT_EQ(t.SG_Pojazdy->horizontalHeaderItem(2)->text(), "  Prognoza");

    // Per inlet: inlets 1 and 3 headed by the arms they feed, 2 (east) and 4 (west).
    t.CB_WspolnaPrognoza->click();
    ASSERT_EQ(t.SG_Pojazdy->columnCount(), 4);
    EXPECT_EQ(t.SG_Pojazdy->horizontalHeaderItem(2)->text(), "E");
    EXPECT_EQ(t.SG_Pojazdy->horizontalHeaderItem(3)->text(), "W");
    t.SG_Pojazdy->UstawKomorke(3, 2, " 1 0 % ");
    t.SG_Przejscia->UstawKomorke(2, 1, "+4");
    // Cancelling leaves the copy, its mode included.
    t.B_RezygnujClick();
    EXPECT_EQ(kopia.TrybPrognoza, 1);
    EXPECT_EQ(kopia.PrognozaPojazdy[3][1].str(), "");
    EXPECT_EQ(t.PomiarPrzelaczony, 0);

    t.Ustaw(&kopia, &pomiar, {"S", "E", "N", "W", ""}, 'J');
    t.CB_WspolnaPrognoza->click();
    t.SG_Pojazdy->UstawKomorke(3, 2, " 1 0 % ");
    t.SG_Przejscia->UstawKomorke(2, 1, "+4");
    t.SG_Pojazdy->UstawKomorke(2, 3, "1%%");
    t.B_WprowadzClick();
    EXPECT_EQ(Cp1250NaUtf8(dialogi.OstatniTekst()), "Błędny opis procentowy prognozy, poz. (2,3)");
    t.SG_Pojazdy->UstawKomorke(2, 3, "1x");
    t.B_WprowadzClick();
    EXPECT_EQ(Cp1250NaUtf8(dialogi.OstatniTekst()), "Błędny opis prognozy, poz. (2,3)");
    t.SG_Pojazdy->UstawKomorke(2, 3, "");
    t.B_WprowadzClick();
    EXPECT_EQ(t.result(), QDialog::Accepted);
    EXPECT_EQ(t.PomiarPrzelaczony, 1);
    EXPECT_EQ(kopia.TrybPrognoza, 0);
    EXPECT_EQ(kopia.PrognozaPojazdy[3][1].str(), " 1 0 % ") << "stored as typed";
    EXPECT_EQ(kopia.PrognozaPrzejscia[1][0].str(), "+4");
    EXPECT_EQ(kopia.PrognozaPojazdy[0][0].str(), "5%") << "the hidden common group keeps its texts";
    EXPECT_EQ(ZastosujPrognoze(60, kopia.PrognozaPojazdy[3][1].str()), 66) << "the rule reads what the check passed";

    // Saved and loaded as a forecast file.
    const std::string plik = KatalogPrognoz + "/p.pgz";
    dialogi.SciezkiZapisz = {plik};
    t.B_ZapisUstawPojazdClick();
    DanePrognoza z;
    std::string blad;
    ASSERT_TRUE(CzytajPlikPrognozy(plik, z, blad)) << blad;
    EXPECT_EQ(z.PrognozaPojazdy[3][1].str(), " 1 0 % ");

    // A roundabout of five inlets stores all five groups.
    pomiar.TypWezla = "R01", pomiar.MaxJest = 5;
    DanePrognoza r;
    UstawDomyslnaPrognoze(r);
    r.TrybPrognoza = 0;
    t.Ustaw(&r, &pomiar, {"A", "B", "C", "D", "E"}, 'R');
    ASSERT_EQ(t.SG_Pojazdy->columnCount(), 7);
    EXPECT_EQ(t.SG_Pojazdy->horizontalHeaderItem(6)->text(), "E");
    for (int k = 2; k <= 6; ++k)
        t.SG_Pojazdy->UstawKomorke(k, 1, std::to_string(k * 10));
    t.Button3Click();
    t.B_WprowadzClick();
    for (int g = 1; g <= 5; ++g)
        EXPECT_EQ(r.PrognozaPojazdy[static_cast<std::size_t>(g)][0].str(), std::to_string((g + 1) * 10)) << g;

    // Nothing changed: "Wprowadź" closes without storing.
    t.Ustaw(&r, &pomiar, {"A", "B", "C", "D", "E"}, 'R');
    t.SG_Pojazdy->blockSignals(true);
    t.SG_Pojazdy->UstawKomorke(2, 1, "zle");
    t.SG_Pojazdy->blockSignals(false);
    t.B_WprowadzClick();
    EXPECT_EQ(t.PomiarPrzelaczony, 0);
    EXPECT_EQ(r.PrognozaPojazdy[1][0].str(), "20");
}

TEST_F(TabeleTest, DialogiPlikowPodpisanePoPolsku)
{
    // Every file dialog of the count windows, cancelled; its caption and
    // filter cross the dialogs in Windows-1250 and read as written.
    ASSERT_EQ(UstawDomyslnyPomiar(BiezacyPomiar), "");
    PojazdyTabela->PokazUstawienia();
    PojazdyTabela->B_OdczytUstawPojazdClick();
    PojazdyTabela->B_ZapisUstawPojazdClick();
    TabelaPrognoz->B_OdczytUstawPojazdClick();
    TabelaPrognoz->B_ZapisUstawPojazdClick();
    PomiaryRuchu->B_NowyPomiarClick();
    std::vector<std::string> podpisy;
    for (const DialogiTestowe::Wpis& w : dialogi.Wpisy)
        podpisy.push_back(Cp1250NaUtf8(w.tekst) + " / " + Cp1250NaUtf8(w.filtr));
    EXPECT_EQ(podpisy, (std::vector<std::string>{
                           "Wczytaj ustawienia pomiaru / Pliki ustawień pomiaru ruchu|*.upm|Wszystkie pliki|*.*",
                           "Zapisz ustawienia pomiaru / Pliki ustawień pomiaru ruchu|*.upm|Wszystkie pliki|*.*",
                           "Wczytaj prognozę / Pliki prognoza ruchu|*.pgz|Wszystkie pliki|*.*",
                           "Zapisz prognozę / Pliki prognoza ruchu|*.pgz|Wszystkie pliki|*.*",
                           "Nowy pomiar / Pliki pomiaru ruchu|*.pom|Wszystkie pliki|*.*"}));
}

TEST_F(TabeleTest, OznaczeniaPrzejscPisaneJakWNowymPomiarze)
{
    // The window's own marks before any count is shown, and a new count's,
    // are spelt alike; a settings file saved from the window keeps them.
    TPojazdyTabela t;
    DanePomiar nowy;
    ASSERT_EQ(UstawDomyslnyPomiar(nowy), "");
    for (int k = 0; k < KategoriiPrzejsc; ++k)
        EXPECT_EQ(ZQString(t.E_PrzejOzn[static_cast<std::size_t>(k)]->text()), nowy.OznPrzejscia[k].str()) << k;
    EXPECT_EQ(nowy.OznPrzejscia[0].str(), "Pie");
    EXPECT_EQ(nowy.OznPrzejscia[1].str(), "Row");
    const std::string plik = KatalogUstawien + "/oznaczenia.upm";
    t.UstawKontrolki(WbudowaneKlasyPojazdow(), false);
    ASSERT_TRUE(t.ZapiszUstawieniaPomiaru(plik));
    UstawieniaPomiaru u;
    bool zPrzejsciami = false;
    std::string blad;
    ASSERT_TRUE(CzytajPlikUstawien(plik, u, zPrzejsciami, blad)) << blad;
    EXPECT_EQ(u.OznPrzejscia, (std::array<std::string, KategoriiPrzejsc>{"Pie", "Row", "...", "..."}));
}

}  // namespace
