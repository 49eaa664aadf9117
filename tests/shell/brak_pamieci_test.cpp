// Save, DXF export and PDF print failing half way for want of memory or of a
// system resource: the message is Polish and names the file, the old file
// stays as it was, nothing is left beside it, and the command works again
// once there is memory. Such failures once reached the program's catch-all,
// which named no file and gave the cause in English.

#include <QDir>
#include <exception>
#include <functional>
#include <new>
#include <system_error>

#include "base/Watki.h"
#include "model/PlikProjektu.h"
#include "platform/qt/Drukarka.h"
#include "shell/Aplikacja.h"
#include "pomoc.h"

namespace {

constexpr int Tak = TPytanieTakNieKasuj::mrTak;

struct Awaria {
    const char* nazwa;
    std::exception_ptr blad;
    const char* przyczyna;  // as the message gives it
};

std::vector<Awaria> Awarie()
{
    return {{"bad_alloc", std::make_exception_ptr(std::bad_alloc()), "brak pamięci"},
            {"system_error",
             std::make_exception_ptr(std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again))),
             "zasób systemu chwilowo niedostępny"}};
}

class BrakPamieci : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
        // Enough diagrams for the work to be shared among the threads.
        UstawWatkiRysowania(4);
        ZbudujProjekt(6, 3);
    }

    void TearDown() override
    {
        UstawAwariePracy(0);
        UstawWatkiRysowania(0);
        NowyProjekt();
        ProgramTest::TearDown();
    }

    // A file of old contents, as the user had it.
    std::string StaryPlik(const std::string& nazwa)
    {
        const std::string plik = Sciezka(nazwa);
        QFile f(NaQString(plik));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("stara tresc\r\n");
        return plik;
    }

    // The command as the program's events run it: what escapes it reaches
    // the program's catch-all.
    static void Polecenie(const std::function<void()>& polecenie)
    {
        ObsluzBezWyjatku([&] {
            polecenie();
            return true;
        });
    }

    QStringList Pliki() const { return QDir(katalog.path()).entryList(QDir::Files, QDir::Name); }

    // Each work of the command fails in turn, from the first on, as `a`
    // says: its message, the old file untouched and no other file left;
    // until the command has fewer works than the failure's number and
    // writes the file (a failure may then hit the screen's redraw after
    // it). How many failed; the file's contents then.
    int KazdaPracaZawodzi(const Awaria& a, const std::string& plik, const std::function<void()>& polecenie,
                          std::string& tresc)
    {
        const QStringList przed = Pliki();
        for (int ktora = 1; ktora < 1000; ++ktora) {
            SCOPED_TRACE(std::string(a.nazwa) + ", praca " + std::to_string(ktora));
            dialogi.Wpisy.clear();
            UstawAwariePracy(ktora, a.blad);
            Polecenie(polecenie);
            UstawAwariePracy(0);
            tresc = CzytajPlik(plik);
            if (tresc != "stara tresc\r\n") {
                StaryPlik(plik.substr(plik.rfind('/') + 1));
                return ktora - 1;
            }
            EXPECT_EQ(Komunikaty(), std::vector<std::string>{"Nie można zapisać pliku " + plik + " (" + a.przyczyna + ")."});
            EXPECT_EQ(Pliki(), przed);
        }
        ADD_FAILURE() << "never written";
        return 0;
    }
};

TEST_F(BrakPamieci, ZapisZostawiaStaryPlik)
{
    const std::string plik = StaryPlik("projekt.rup");
    dialogi.SciezkiZapisz.push_back(plik);
    odpowiedzi = {Tak};
    Polecenie([] { Form1->M_ZapiszjakoClick(); });
    ASSERT_EQ(Form1->Sciezka(), plik);
    StaryPlik("projekt.rup");

    for (const Awaria& a : Awarie()) {
        Ruchoplany[1].Natezenia[2] += 7;
        ProjektZmieniony = true;
        const auto zapisz = [this, &plik] {
            // The old file the test wrote stands for the one the program
            // read: no other save to ask about.
            BiezacyProjekt.Zawartosc = ZawartoscPliku::Z(CzytajPlik(plik));
            Form1->TB_ZapiszClick();
            EXPECT_EQ(ProjektZmieniony, !Komunikaty().empty());
        };
        std::string tresc;
        EXPECT_GE(KazdaPracaZawodzi(a, plik, zapisz, tresc), 2) << a.nazwa;
        EXPECT_EQ(tresc, TrescProjektu());
        EXPECT_TRUE(Komunikaty().empty());
    }

    // Saved as a new file: the failure leaves no file at all.
    const std::string nowy = Sciezka("nowy.rup");
    dialogi.SciezkiZapisz.push_back(nowy);
    UstawAwariePracy(2);
    Polecenie([] { Form1->M_ZapiszjakoClick(); });
    UstawAwariePracy(0);
    EXPECT_EQ(Komunikaty().back(), "Nie można zapisać pliku " + nowy + " (brak pamięci).");
    EXPECT_FALSE(PlikIstnieje(nowy));
    EXPECT_EQ(Form1->Sciezka(), plik);
}

TEST_F(BrakPamieci, EksportDxfZostawiaStaryPlik)
{
    const std::string plik = StaryPlik("rysunek.dxf");
    const auto eksportuj = [&] {
        dialogi.SciezkiZapisz.push_back(plik);
        odpowiedzi = {Tak};
        Form1->TB_DoDxfaClick();
    };
    for (const Awaria& a : Awarie()) {
        std::string dxf;
        EXPECT_GE(KazdaPracaZawodzi(a, plik, eksportuj, dxf), 4) << a.nazwa;
        EXPECT_EQ(dxf.substr(dxf.size() - 5), "EOF\r\n");
    }
    dialogi.Wpisy.clear();
    eksportuj();
    EXPECT_TRUE(Komunikaty().empty());
}

TEST_F(BrakPamieci, WydrukPdfZostawiaStaryPlik)
{
    const std::string plik = StaryPlik("rysunek.pdf");
    Form1->UstawWydrukDoPdf(plik);
    for (const Awaria& a : Awarie()) {
        // The diagrams computed, then the three pages drawn.
        std::string pdf;
        EXPECT_GE(KazdaPracaZawodzi(a, plik, [] { Form1->TB_DrukujClick(); }, pdf), 4) << a.nazwa;
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
    }
    dialogi.Wpisy.clear();
    Form1->TB_DrukujClick();
    EXPECT_EQ(Komunikaty(), std::vector<std::string>{"Wysłano do wydrukowania 3 strony do pliku " + plik + "."});

    // Through Qt's PDF printer, the way of a paper printer: the job is
    // dropped, its file with it.
    Form1->DrukarkaProgramu().UstawPdfPrzezQt(true);
    StaryPlik("rysunek.pdf");
    std::string pdf;
    const auto drukujNowe = [] {
        // Diagrams to compute again: the work that runs on the threads.
        for (DaneRuchoplan& r : Ruchoplany)
            r.Obliczony = 0;
        Form1->TB_DrukujClick();
    };
    EXPECT_GE(KazdaPracaZawodzi(Awarie()[0], plik, drukujNowe, pdf), 1);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    Form1->DrukarkaProgramu().UstawPdfPrzezQt(false);
    Form1->UstawWydrukDoPdf({});
}

}  // namespace
