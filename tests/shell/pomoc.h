#pragma once
// A program started for one test: its own program folder (with the stroke
// fonts of the build), scripted dialogs and questions, and every window
// created as at start.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "drawing/Wyjscie.h"
#include "model/Operacje.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "base/Kodowanie.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"
#include "shell/Okna.h"
#include "shell/Podglad.h"
#include "shell/PytanieTakNieKasuj.h"
#include "shell/RysunekWatkami.h"
#include "shell/TForm1.h"

class ProgramTest : public ::testing::Test {
protected:
    QTemporaryDir katalog;
    DialogiTestowe dialogi;
    // Answers of the question window (1 Tak, 7 Nie, 2 Kasuj) and what it was asked.
    std::deque<int> odpowiedzi;
    std::vector<std::string> pytania;       // UTF-8
    std::vector<bool> zKasuj;

    void SetUp() override
    {
        ASSERT_TRUE(katalog.isValid());
        QDir().mkpath(katalog.path() + "/Dane");
        QDir().mkpath(katalog.path() + "/Pomiary");
        for (const char* plik : {"Roman100.Lzs", "grecki100.Lzs"})
            QFile::copy(QString(KG_BUILD_DIR) + "/Dane/" + plik, katalog.path() + "/Dane/" + plik);
        UstawKatalogProgramu(SciezkaZQString(katalog.path()));
        UstawDialogi(&dialogi);
        TPytanieTakNieKasuj::Skrypt = [this](const QString& pytanie, bool kasuj) {
            pytania.push_back(pytanie.toStdString());
            zKasuj.push_back(kasuj);
            if (odpowiedzi.empty())
                return kasuj ? TPytanieTakNieKasuj::mrKasuj : TPytanieTakNieKasuj::mrNie;
            const int o = odpowiedzi.front();
            odpowiedzi.pop_front();
            return o;
        };
    }

    void TearDown() override
    {
        ProjektZmieniony = false;
        ZniszczOkna();
        TPytanieTakNieKasuj::Skrypt = nullptr;
        UstawDialogi(nullptr);
        UstawKatalogProgramu("");
    }

    void Uruchom()
    {
        UtworzOkna();
        Form1->show();
        QCoreApplication::processEvents();
    }

    // A path in the test's folder, as the program holds paths.
    std::string Sciezka(const std::string& nazwa) const { return SciezkaZQString(katalog.path()).native() + "/" + nazwa; }

    // Messages shown through the platform's dialogs, as UTF-8; of one kind
    // where it is given.
    std::vector<std::string> Komunikaty(std::optional<DialogiTestowe::Rodzaj> rodzaj = std::nullopt) const
    {
        std::vector<std::string> wynik;
        for (const std::string& t : rodzaj ? dialogi.Teksty(*rodzaj) : dialogi.Teksty())
            wynik.push_back(Cp1250NaUtf8(t));
        return wynik;
    }
};

// A project of `wezlow` junction nodes in `wariantow` variants, every diagram
// entered with volumes that differ per variant.
void ZbudujProjekt(int wezlow, int wariantow);
// Two block definitions: "Tlo" (a line, a red filled polygon, a text) and
// "Wierzch" (a blue arc).
void DefiniujBlokiTloIWierzch();
// 45 junctions 6 x 8 cm apart in two variants (their bands and labels
// overlap), ten four-arm roundabouts below them, background and foreground
// blocks, descriptions, both legends and the grid.
void ZbudujArkuszMieszany();
// Every roundabout of the project with four arms and volumes between them.
void UstawRondaCzteroramienne();
// A started program whose 800 x 600 drawing area shows the whole of the
// sheet above; the threads and labels as at start again after the test.
class ArkuszMieszanyTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Uruchom();
        Form1->Podglad->setFixedSize(800, 600);
        ZbudujArkuszMieszany();
        PokazCaly();
    }

    void TearDown() override
    {
        UstawWatkiRysowania(0);
        TekstTT = false;
        NowyProjekt();
        ProgramTest::TearDown();
    }

    static void PokazCaly()
    {
        Skala = std::max(wg.ArkuszB * 1000.0 / 760.0, (wg.ArkuszH + 2.0) * 1000.0 / 560.0);
        SrodekX = wg.ArkuszB / 2.0;
        SrodekY = wg.ArkuszH / 2.0 - 1.0;
    }
};

// The text of a file, as bytes.
std::string CzytajPlik(const std::string& sciezka);

// The main window's command `nazwa` as the user gives it: a click on its
// tool button where a tool bar shows one, else its menu item chosen.
void UzyjPolecenia(const char* nazwa);

// The mouse over the drawing area at a sheet point, and a click there after
// the mouse has moved to it.
void Najedz(double x, double y);
void Klik(double x, double y);
// The texts of the drawing area's overlay, in order.
std::vector<std::string> Napisy();
// The pages of a PDF file rendered at 100 dpi by poppler's pdftoppm into the
// folder, in order.
std::vector<QImage> StronyObrazami(const std::string& pdf, const QString& katalog);
// The number of pages of a PDF file.
int StronyPdf(const std::string& pdf);
// Whether two PDF files show the same pages: each page of both rendered at
// 100 dpi by poppler's pdftoppm and compared pixel by pixel. "" when they
// match, else what differs. Texts may be glyph outlines in one file and
// fonts in the other, which the renderer places on whole pixels and shades
// its own way: a glyph's edge may move by a pixel and change its shade. So a
// pixel matches a pixel of the other page at its place or next to it within
// 128 of each colour, and at most one pixel in 10000 may have no match
// (where such an edge meets another figure's); and the mean of each colour
// over every square of 32 x 32 pixels stays within 12, so that no figure,
// however light, can go missing or change its colour.
std::string RozniceStronPdf(const std::string& pdf, const std::string& wzorzec);
