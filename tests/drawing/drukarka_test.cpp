// Printing through the canvas into a PDF file: one page per variant.

#include "pomoc.h"

#include <QPrinter>
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
