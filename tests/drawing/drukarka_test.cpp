// Printing through the canvas into a PDF file: one page per variant.

#include "pomoc.h"

#include <QApplication>
#include <QDialog>
#include <QPageSize>
#include <QPrinter>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "drawing/Rysowanie.h"
#include "platform/qt/Drukarka.h"
#include "platform/qt/Plotno.h"

using Drukowanie = TestRysowania;

TEST_F(Drukowanie, DwieStronyDoPdf)
{
    std::filesystem::create_directories(KG_BUILD_DIR "/artefakty");
    const std::string sciezka = KG_BUILD_DIR "/artefakty/wydruk.pdf";
    std::filesystem::remove(sciezka);

    Drukarka drukarka;
    drukarka.UstawPlikPdf(sciezka);
    ASSERT_TRUE(drukarka.RozpocznijDokument("Kartogram")) << drukarka.Blad();
    EXPECT_TRUE(drukarka.Drukuje());
    EXPECT_GT(drukarka.DpiX(), 0);
    EXPECT_GT(drukarka.DpiY(), 0);
    EXPECT_GT(drukarka.SzerokoscStrony(), 0);
    // Portrait A4 less its margins.
    EXPECT_GT(drukarka.WysokoscStrony(), drukarka.SzerokoscStrony());
    EXPECT_LE(drukarka.SzerokoscStrony(), drukarka.DpiX() * 21.0 / 2.54);
    EXPECT_GT(drukarka.SzerokoscStrony(), drukarka.DpiX() * 18.0 / 2.54);

    UstawDrukarke(&drukarka);
    EXPECT_EQ(DpiDrukarkiX, drukarka.DpiX());
    EXPECT_DOUBLE_EQ(PiksNaCmX, drukarka.DpiX() / 2.54);
    {
        ZachowajWyjscia wyjscia(false, true, false);
        RysujLinie(0, "l", 1, 1, 10, 10, 0.5);
        ASSERT_TRUE(drukarka.NowaStrona());
        RysujLinie(0, "l", 1, 10, 10, 1, 0.5);
    }
    EXPECT_TRUE(WyjscieEkran);
    EXPECT_FALSE(WyjscieDrukarka);
    ASSERT_TRUE(drukarka.ZakonczDokument());
    UstawDrukarke(nullptr);
    EXPECT_FALSE(drukarka.Drukuje());
    EXPECT_FALSE(drukarka.NowaStrona());

    std::ifstream plik(sciezka, std::ios::binary);
    std::stringstream s;
    s << plik.rdbuf();
    const std::string pdf = s.str();
    ASSERT_GT(pdf.size(), 100u);
    EXPECT_EQ(pdf.substr(0, 4), "%PDF");
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
}

TEST_F(Drukowanie, PlotnoBezDokumentuNicNieRobi)
{
    Drukarka drukarka;
    drukarka.UstawPlikPdf(KG_BUILD_DIR "/artefakty/nic.pdf");
    EXPECT_FALSE(drukarka.ZakonczDokument());
    EXPECT_FALSE(drukarka.NowaStrona());
}

// A PDF file chosen in the printer dialog (Qt's file printer, there even
// with no printer installed) is written the safe way, with the page the
// dialog set.
TEST_F(Drukowanie, PlikPdfZOknaDrukarki)
{
    std::filesystem::create_directories(KG_BUILD_DIR "/artefakty");
    const std::string sciezka = KG_BUILD_DIR "/artefakty/z_okna.pdf";
    std::filesystem::remove(sciezka);

    Drukarka drukarka;
    EXPECT_FALSE(drukarka.DoPliku());
    drukarka.Urzadzenie().setOutputFormat(QPrinter::PdfFormat);
    drukarka.Urzadzenie().setOutputFileName(QString::fromStdString(sciezka));
    drukarka.Urzadzenie().setPageSize(QPageSize(QPageSize::A5));
    QTimer::singleShot(0, [] {
        if (QWidget* okno = QApplication::activeModalWidget())
            qobject_cast<QDialog*>(okno)->accept();
    });
    ASSERT_TRUE(drukarka.Ustawienia(nullptr));
    EXPECT_TRUE(drukarka.DoPliku());

    ASSERT_TRUE(drukarka.RozpocznijDokument("Kartogram")) << drukarka.Blad();
    EXPECT_LT(drukarka.SzerokoscStrony(), drukarka.DpiX() * 14.8 / 2.54);  // A5
    EXPECT_FALSE(std::filesystem::exists(sciezka)) << "the pages go beside it first";
    UstawDrukarke(&drukarka);
    {
        ZachowajWyjscia wyjscia(false, true, false);
        RysujLinie(0, "l", 1, 1, 10, 10, 0.5);
    }
    UstawDrukarke(nullptr);
    ASSERT_TRUE(drukarka.ZakonczDokument()) << drukarka.Blad();
    std::ifstream plik(sciezka, std::ios::binary);
    std::stringstream tresc;
    tresc << plik.rdbuf();
    EXPECT_EQ(tresc.str().rfind("%PDF", 0), 0u);
    EXPECT_NE(tresc.str().find("%%EOF"), std::string::npos);
}
