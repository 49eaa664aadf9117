// Pictures of the main window with a project and of the volumes window on a
// 1366 x 768 screen, for the manual (scripts/zrzuty_ekranu.sh puts them
// into docs/; a plain run leaves them in the build folder).

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <cstdlib>

#include "counts/OknaPomiarow.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "model/Projekt.h"
#include "pomoc.h"
#include "shell/InfoOProgramie.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"

namespace {

QString KatalogZrzutow()
{
    const char* docelowy = std::getenv("KG_ZRZUTY");
    const QString k = docelowy ? QString::fromLocal8Bit(docelowy) : QStringLiteral(KG_BUILD_DIR "/zrzuty");
    QDir().mkpath(k);
    return k;
}

// Grabs the window while its modal loop runs (after `przed`), then closes it.
QImage ZrzutOkna(QDialog* okno, const std::function<void()>& otworz, const std::function<void()>& przed = [] {})
{
    QImage obraz;
    QTimer::singleShot(0, okno, [&] {
        przed();
        QCoreApplication::processEvents();
        obraz = okno->grab().toImage();
        okno->hide();
    });
    otworz();
    return obraz;
}

} // namespace

using Zrzuty = ProgramTest;

TEST_F(Zrzuty, OknoGlowneIOknoNatezen)
{
    Uruchom();
    // Two junctions of a street in two variants, with their titles.
    ZbudujProjekt(0, 0);
    wg.ArkuszAuto = wg.ArkuszA4 = wg.ArkuszA2 = 0;
    wg.ArkuszA3 = 1;
    wg.ArkuszB = 42.0f;
    wg.ArkuszH = 29.7f;
    ASSERT_EQ(DodajWezel(11.0, 14.0, Utf8NaCp1250("Łódzka / Piotrkowska"), 'J'), "");
    ASSERT_EQ(DodajWezel(29.5, 14.0, Utf8NaCp1250("Łódzka / Zielona"), 'J'), "");
    for (const char* nazwa : {"Stan istniejący", "Prognoza 2035"})
        ASSERT_EQ(DodajWariant(Utf8NaCp1250(nazwa), Utf8NaCp1250(std::string("Ruch w godzinie szczytu - ") + nazwa),
                               "", "", 1.0f, 0.0f, 'L'),
                  "");
    for (DaneRuchoplan& r : Ruchoplany) {
        r.GeometriaWprowadzona = 1;
        for (int k = 0; k < 16; ++k)
            r.Natezenia[k] = (k % 5 == 0) ? 0 : 20 + (37 * k + 11 * r.NrWezla) % 90 + 30 * r.NrWariantu;
        r.Tytul[0] = Utf8NaCp1250(r.NrWezla == 0 ? "Łódzka / Piotrkowska" : "Łódzka / Zielona");
    }
    BiezacyWariant = 0;
    OdswiezListeWariantow();
    Form1->UstawTekstWariantu(Utf8NaCp1250("1. Stan istniejący"));
    Form1->UstawPolecenia();
    Form1->UstawTytul(Sciezka("Lodzka.rup"));
    Form1->Wszystko1Click();
    QCoreApplication::processEvents();
    const QImage glowne = Form1->grab().toImage();
    EXPECT_EQ(glowne.size(), Form1->size());
    EXPECT_LE(glowne.width(), 1366);
    EXPECT_LE(glowne.height(), 768);
    ASSERT_TRUE(glowne.save(KatalogZrzutow() + "/okno_glowne.png"));

    const QImage natezenia =
        ZrzutOkna(NatezeniaRUPL, [] { Form1->OtworzDaneRuchoplanu(0); }, [] { NatezeniaRUPL->Button1Click(); });
    ASSERT_FALSE(natezenia.isNull());
    EXPECT_LE(natezenia.height(), 768);
    ASSERT_TRUE(natezenia.save(KatalogZrzutow() + "/natezenia.png"));

    // The others only into the build folder, to look at.
    if (!std::getenv("KG_ZRZUTY")) {
        ZrzutOkna(UstawyGlobalne, [] { Form1->TB_UstawGlowneClick(); }).save(KatalogZrzutow() + "/ustawienia.png");
        WezlyOperacje->L_NrWezel->setText("0");
        ZrzutOkna(WezlyOperacje, [] { WezlyOperacje->exec(); }).save(KatalogZrzutow() + "/wezel.png");
        ZrzutOkna(GeometriaRuchoplan, [] { Form1->OtworzGeometrieRuchoplanu(0); })
            .save(KatalogZrzutow() + "/geometria.png");
        ZrzutOkna(PomiaryRuchu, [] { Form1->ToolButton2Click(); }).save(KatalogZrzutow() + "/pomiary.png");
        ZrzutOkna(
            NatezeniaRUPL, [] { Form1->OtworzDaneRuchoplanu(0); },
            [] { NatezeniaRUPL->PC_NatRupl->setCurrentIndex(2); })
            .save(KatalogZrzutow() + "/natezenia_pomiar.png");
    }
}
