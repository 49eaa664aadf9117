// The windows on an X display of 1366 x 768 with a window manager, which
// frames them and places them as the offscreen platform does not: each
// showing of a window is at the same place, inside the screen, and the
// geometry window comes back where it was after the sliders. Pictures of the
// whole screen go beside the manual's (tests/ekran/x11.sh runs these on a
// virtual display; elsewhere they are skipped).

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "junction_forms/OknaRuchoplanu.h"
#include "model/PlikProjektu.h"
#include "pomoc.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"

namespace {

QString Prostokat(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

class EkranX11 : public ProgramTest {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != "xcb")
            GTEST_SKIP() << "needs an X display with a window manager (tests/ekran/x11.sh)";
        ProgramTest::SetUp();
    }

    static QRect Ekran() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    // Lets the window manager frame and place what was shown: until the
    // frame has stood still for a while.
    static void Poczekaj(const QWidget* okno)
    {
        QElapsedTimer czas;
        czas.start();
        QRect ostatnia;
        qint64 od = 0;
        while (czas.elapsed() < 3000 && czas.elapsed() - od < 300) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
            if (okno->frameGeometry() != ostatnia) {
                ostatnia = okno->frameGeometry();
                od = czas.elapsed();
            }
        }
    }

    // The frame of each of `razy` showings, the whole screen grabbed at each.
    static std::vector<QRect> Pokazania(QDialog* okno, int razy, const std::function<void()>& otworz,
                                        std::vector<QImage>* ekrany = nullptr)
    {
        std::vector<QRect> ramki;
        for (int i = 0; i < razy; ++i) {
            QTimer::singleShot(0, okno, [&] {
                Poczekaj(okno);
                ramki.push_back(okno->frameGeometry());
                if (ekrany)
                    ekrany->push_back(QGuiApplication::primaryScreen()->grabWindow(0).toImage());
                okno->hide();
            });
            otworz();
        }
        return ramki;
    }
};


QString KatalogZrzutow()
{
    const char* docelowy = std::getenv("KG_ZRZUTY");
    const QString k = docelowy ? QString::fromLocal8Bit(docelowy) : QStringLiteral(KG_BUILD_DIR "/zrzuty");
    QDir().mkpath(k);
    return k;
}

} // namespace

// The full-height windows, the volumes window and a smaller one, each shown
// four times: at one place to the pixel, the first showing too, inside the
// screen's available area.
TEST_F(EkranX11, KazdePokazanieWTymSamymMiejscu)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    ASSERT_EQ(DodajWezel(60.0, 10.0, "Rondo", 'R'), "");
    WezlyOperacje->L_NrWezel->setText("0");
    const std::vector<std::pair<QDialog*, std::function<void()>>> okna = {
        {UstawyGlobalne, [] { Form1->TB_UstawGlowneClick(); }},
        {WezlyOperacje, [] { WezlyOperacje->exec(); }},
        {DaneRonda, [] { Form1->OtworzDaneRonda(0); }},
        {GeometriaRuchoplan, [] { Form1->OtworzGeometrieRuchoplanu(0); }},
        {NatezeniaRUPL, [] { Form1->OtworzDaneRuchoplanu(0); }},
    };
    for (const auto& [okno, otworz] : okna) {
        SCOPED_TRACE(okno->objectName().toStdString());
        const std::vector<QRect> ramki = Pokazania(okno, 4, otworz);
        ASSERT_EQ(ramki.size(), 4u);
        for (std::size_t i = 1; i < ramki.size(); ++i)
            EXPECT_EQ(ramki[i], ramki[0]) << "showing " << i + 1 << ": " << Prostokat(ramki[i]).toStdString()
                                          << " against " << Prostokat(ramki[0]).toStdString();
        for (const QRect& r : ramki)
            EXPECT_TRUE(Ekran().contains(r)) << Prostokat(r).toStdString();
    }
}

// The geometry window, out of sight while the sliders work, comes back to
// its place when the slider window closes.
TEST_F(EkranX11, OknoGeometriiWracaPoSuwakach)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    QRect przed, po;
    QTimer::singleShot(0, GeometriaRuchoplan, [&] {
        Poczekaj(GeometriaRuchoplan);
        przed = GeometriaRuchoplan->frameGeometry();
        QTimer::singleShot(0, UstawSuwak, [] {
            Poczekaj(GeometriaRuchoplan);
            UstawSuwak->Button1Click();
        });
        GeometriaRuchoplan->B_WlaczPaskiClick();
        Poczekaj(GeometriaRuchoplan);
        po = GeometriaRuchoplan->frameGeometry();
        GeometriaRuchoplan->hide();
    });
    Form1->OtworzGeometrieRuchoplanu(0);
    EXPECT_EQ(po, przed) << Prostokat(po).toStdString() << " against " << Prostokat(przed).toStdString();
    EXPECT_TRUE(Ekran().contains(po));
}

// The screen with the volumes window on its count page, and with a
// full-height window at its first two showings.
TEST_F(EkranX11, Zrzuty)
{
    Uruchom();
    ASSERT_TRUE(OtworzProjekt(std::string(KG_BUILD_DIR) + "/Przyklady/Skrzyzowanie_miejskie.rup"));
    Form1->Przerysuj();
    std::vector<QImage> ekrany;
    Pokazania(NatezeniaRUPL, 1, [] { Form1->OtworzDaneRuchoplanu(0); }, &ekrany);
    Pokazania(UstawyGlobalne, 3, [] { Form1->TB_UstawGlowneClick(); }, &ekrany);
    ASSERT_EQ(ekrany.size(), 4u);
    for (const QImage& e : ekrany)
        EXPECT_EQ(e.size(), QSize(1366, 768));
    const QString k = KatalogZrzutow();
    EXPECT_TRUE(ekrany[0].save(k + "/natezenia_pomiar_1366x768.png"));
    // The first and the second showing, at one place.
    EXPECT_TRUE(ekrany[1].save(k + "/ustawienia_pierwsze_1366x768.png"));
    EXPECT_TRUE(ekrany[2].save(k + "/ustawienia_drugie_1366x768.png"));
}
