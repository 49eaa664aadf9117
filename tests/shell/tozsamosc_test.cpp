// The drawings of a few varied projects, kept in tests/dane/wzorce/: the
// screen bitmap of every variant, the print of all variants into PDF and the
// DXF export. A change to the drawing code that means to keep its behaviour
// must keep them byte for byte and pixel for pixel; the PDF must show the
// same pages (rendered and compared, see `RozniceStronPdf`). The stamp of
// the DXF sheet (file, date, hour) and the PDF's title and creation date are
// masked in what is kept.
//
// KG_NOWE_WZORCE=<folder> writes the drawings there instead of comparing
// them; copy them into tests/dane/wzorce/ only after a change meant to alter
// the drawings.

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <regex>

#include "drawing/Wyjscie.h"
#include "model/PlikProjektu.h"
#include "shell/Podglad.h"
#include "pomoc.h"

namespace {

std::string Zrodlo(const std::string& nazwa)
{
    if (nazwa == "pelny_model")
        return std::string(KG_TEST_DATA) + "/../../fuzz/korpus/pelny_model.rup";
    return std::string(KG_TEST_DATA) + "/" + nazwa + ".rup";
}

std::string Wzorzec(const std::string& plik) { return std::string(KG_TEST_DATA) + "/wzorce/" + plik; }

// The DXF with the stamp's values masked.
std::string MaskujDxf(std::string t)
{
    static const std::regex stempel("(Plik  : |Data  : |Godz  : )[^\r\n]*");
    return std::regex_replace(t, stempel, "$1*");
}

std::string MaskujPdf(std::string t)
{
    // The title is the window's caption, a path in the test's folder.
    static const std::regex data("/(CreationDate|Title) \\([^\n]*\\)\n");
    return std::regex_replace(t, data, "/$1 ()\n");
}

void Zapisz(const std::string& sciezka, const std::string& tresc)
{
    std::ofstream plik(sciezka, std::ios::binary);
    plik << tresc;
}

class Tozsamosc : public ProgramTest {
protected:
    const char* noweWzorce = std::getenv("KG_NOWE_WZORCE");

    // The made project: six junction nodes and a roundabout node in three
    // variants, background and foreground blocks, descriptions, legends, the grid.
    void ZbudujBlokiOpisy(const std::string& sciezka)
    {
        ZbudujProjekt(6, 3);
        ASSERT_EQ(DodajWezel(24.0, 9.0, "Rondo", 'R'), "");
        DefiniujBlokiTloIWierzch();
        Bloki.assign(3, {});
        Bloki[0].Nazwa = "Tlo";
        Bloki[0].X = 2.0f;
        Bloki[0].Y = 2.0f;
        Bloki[0].Wariant = -1;
        Bloki[1].Nazwa = "Wierzch";
        Bloki[1].X = 10.0f;
        Bloki[1].Y = 12.0f;
        Bloki[1].Nad = 1;
        Bloki[1].Wariant = 1;
        Bloki[2].Nazwa = "Tlo";
        Bloki[2].X = 14.0f;
        Bloki[2].Y = 3.0f;
        Bloki[2].Wariant = 2;
        Opisy.assign(2, {});
        Opisy[0].Tekst = "Opis wszystkich wariantow";
        Opisy[0].X = 1.0f;
        Opisy[0].Y = 20.0f;
        Opisy[0].Wariant = -1;
        Opisy[1].Tekst = "Opis wariantu 3";
        Opisy[1].X = 12.0f;
        Opisy[1].Y = 18.0f;
        Opisy[1].Wariant = 2;
        wg.Siatka = 1;
        wg.LegendaPrzejsc = 1;
        wg.Struktura = 1;
        ASSERT_TRUE(ZapiszProjekt(sciezka));
    }

    // The view fitted to the sheet, whatever the screen.
    void Widok()
    {
        Skala = std::max(wg.ArkuszB * 1000.0 / 760.0, (wg.ArkuszH + 2.0) * 1000.0 / 560.0);
        SrodekX = wg.ArkuszB / 2.0;
        SrodekY = wg.ArkuszH / 2.0 - 1.0;
    }

    // Compares with the kept drawing, or keeps this one.
    void Porownaj(const std::string& plik, const std::string& tresc)
    {
        if (noweWzorce) {
            Zapisz(std::string(noweWzorce) + "/" + plik, tresc);
            return;
        }
        EXPECT_TRUE(CzytajPlik(Wzorzec(plik)) == tresc) << plik << " differs from its kept drawing";
    }

    void PorownajObraz(const std::string& plik, const QImage& obraz)
    {
        // Only the drawing area: the bitmap is the screen's size and keeps
        // old drawings below and right of it.
        const QImage rgb = obraz.copy(0, 0, 800, 600).convertToFormat(QImage::Format_RGB32);
        if (noweWzorce) {
            rgb.save(NaQString(std::string(noweWzorce) + "/" + plik));
            return;
        }
        QImage wzorzec(NaQString(Wzorzec(plik)));
        ASSERT_FALSE(wzorzec.isNull()) << plik;
        wzorzec = wzorzec.convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(wzorzec.size(), rgb.size()) << plik;
        int rozne = 0;
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                rozne += rgb.pixel(x, y) != wzorzec.pixel(x, y);
        EXPECT_EQ(rozne, 0) << plik << ": pixels that differ from the kept drawing";
    }

    void Sprawdz(const std::string& nazwa)
    {
        Uruchom();
        Form1->Podglad->setFixedSize(800, 600);
        std::string projekt = Sciezka(nazwa + ".rup");
        if (nazwa == "bloki_opisy")
            ZbudujBlokiOpisy(projekt);
        else
            ASSERT_TRUE(QFile::copy(NaQString(Zrodlo(nazwa)), NaQString(projekt)));
        ProjektZmieniony = false;
        Form1->OtworzOstatniProjekt(projekt);
        ASSERT_EQ(Form1->Sciezka(), projekt);
        Widok();

        const int wariantow = LiczbaWariantow();
        // A project without variants shows its nodes once.
        for (int v = 0; v < std::max(wariantow, 1); ++v) {
            BiezacyWariant = wariantow ? v : -1;
            Form1->Przerysuj();
            PorownajObraz(nazwa + "_ekran" + std::to_string(v) + ".png", Form1->BitmapaRysunku);
        }
        if (wariantow == 0 || LiczbaWezlow() == 0)
            return;

        BiezacyWariant = 0;
        const std::string pdf = Sciezka("wydruk.pdf");
        Form1->UstawWydrukDoPdf(pdf);
        Form1->TB_DrukujClick();
        if (noweWzorce)
            Porownaj(nazwa + ".pdf", MaskujPdf(CzytajPlik(pdf)));
        else
            EXPECT_EQ(RozniceStronPdf(pdf, Wzorzec(nazwa + ".pdf")), "") << nazwa << ".pdf";

        const std::string dxf = Sciezka("eksport.dxf");
        dialogi.SciezkiZapisz.push_back(dxf);
        Form1->TB_DoDxfaClick();
        Porownaj(nazwa + ".dxf", MaskujDxf(CzytajPlik(dxf)));
        // The screen after the commands is the current variant's again.
        PorownajObraz(nazwa + "_po_eksporcie.png", Form1->BitmapaRysunku);
    }

    void TearDown() override
    {
        NowyProjekt();
        ProgramTest::TearDown();
    }
};

TEST_F(Tozsamosc, ProjektNowy) { Sprawdz("projekt_nowy"); }
TEST_F(Tozsamosc, StarszeKv1Rv2) { Sprawdz("starsze_kv1_rv2"); }
TEST_F(Tozsamosc, StarszeKv2Rv1) { Sprawdz("starsze_kv2_rv1"); }
TEST_F(Tozsamosc, Wersja1) { Sprawdz("wersja1"); }
TEST_F(Tozsamosc, PelnyModel) { Sprawdz("pelny_model"); }
TEST_F(Tozsamosc, BlokiOpisy) { Sprawdz("bloki_opisy"); }

// A sheet of 400 junctions 20 cm apart, whole and zoomed twice and four
// times: the labels a pixel or less high, and a few pixels.
TEST_F(Tozsamosc, DuzyArkusz)
{
    Uruchom();
    Form1->Podglad->setFixedSize(800, 600);
    NowyProjekt();
    for (int w = 0; w < 400; ++w)
        ASSERT_EQ(DodajWezel(20.0 * (0.5 + w % 20), 20.0 * (0.5 + w / 20), "W" + std::to_string(w + 1), 'J'), "");
    ASSERT_EQ(DodajWariant("Wariant 1", "Tytul", "", "", 0.0f, 0.0f, 'L'), "");
    for (DaneRuchoplan& r : Ruchoplany) {
        r.GeometriaWprowadzona = 1;
        for (int k = 0; k < 16; ++k)
            r.Natezenia[k] = (k % 5 == 0) ? 0 : 40 + 13 * k + (r.NrWezla % 17) * (k % 3 + 1);
    }
    wg.ArkuszB = wg.ArkuszH = 400.0f;
    BiezacyWariant = 0;
    for (double powiekszenie : {1.0, 2.0, 4.0}) {
        Widok();
        Skala /= powiekszenie;
        SrodekX += 3.3;
        SrodekY -= 1.7;
        Form1->Przerysuj();
        PorownajObraz("duzy_arkusz_x" + std::to_string(static_cast<int>(powiekszenie)) + ".png", Form1->BitmapaRysunku);
    }
}

}  // namespace
