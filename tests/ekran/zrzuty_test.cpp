// Pictures of the main window with a project and of the volumes window on a
// 1366 x 768 screen, for the manual (scripts/zrzuty_ekranu.sh puts them
// into docs/; a plain run leaves them in the build folder).

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <cstdlib>

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

// Grabs the window while its modal loop runs, then closes it.
QImage ZrzutOkna(QDialog* okno, const std::function<void()>& otworz)
{
    QImage obraz;
    QTimer::singleShot(0, okno, [&] {
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
    ZbudujProjekt(5, 2);
    const std::string projekt = Sciezka("Skrzyzowania.rup");
    Form1->UstawTytul(projekt);
    Form1->Wszystko1Click();
    QCoreApplication::processEvents();
    const QImage glowne = Form1->grab().toImage();
    EXPECT_EQ(glowne.size(), Form1->size());
    EXPECT_LE(glowne.width(), 1366);
    EXPECT_LE(glowne.height(), 768);
    ASSERT_TRUE(glowne.save(KatalogZrzutow() + "/okno_glowne.png"));

    const QImage natezenia = ZrzutOkna(NatezeniaRUPL, [] { Form1->OtworzDaneRuchoplanu(0); });
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
    }
}
