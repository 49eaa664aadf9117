#include "pomoc.h"

#include "drawing/Wyjscie.h"
#include "shell/Podglad.h"

#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <QProcess>
#include <cstdlib>
#include <fstream>
#include <sstream>

void ZbudujProjekt(int wezlow, int wariantow)
{
    NowyProjekt();
    for (int w = 0; w < wezlow; ++w)
        ASSERT_EQ(DodajWezel(3.0 + 6.0 * (w % 3), 5.0 + 8.0 * (w / 3), "Wezel " + std::to_string(w + 1), 'J'), "");
    for (int v = 0; v < wariantow; ++v)
        ASSERT_EQ(DodajWariant("Wariant " + std::to_string(v + 1), "Tytul", "", "", 0.0f, 0.0f, 'L'), "");
    for (DaneRuchoplan& r : Ruchoplany) {
        r.GeometriaWprowadzona = 1;
        for (int k = 0; k < 16; ++k)
            r.Natezenia[k] = (k % 5 == 0) ? 0 : 50 + 10 * k + 100 * r.NrWariantu + r.NrWezla;
    }
    BiezacyWariant = wariantow > 0 ? 0 : -1;
    OdswiezListeWariantow();
    if (wariantow > 0)
        Form1->UstawTekstWariantu("1. Wariant 1");
    ProjektZmieniony = true;
}

void DefiniujBlokiTloIWierzch()
{
    LinieBlokow = {"L(0,0)-(4,0)", "P(0,0)-(2,2),K(255,0,0),GR(3)", "T(1,1,'Blok tekstu',0.5,0.4,30)",
                   "LUK(0,0,3,0,90),K(0,0,255)"};
    DefinicjeBlokow.assign(2, {});
    DefinicjeBlokow[0].Nazwa = "Tlo";
    DefinicjeBlokow[0].Start = 0;
    DefinicjeBlokow[0].Koniec = 2;
    DefinicjeBlokow[1].Nazwa = "Wierzch";
    DefinicjeBlokow[1].Start = 3;
    DefinicjeBlokow[1].Koniec = 3;
}

void UstawRondaCzteroramienne()
{
    for (DaneRondo& r : Ronda) {
        r.GeometriaWprowadzona = 1;
        r.Ramie = {1, 1, 1, 1, 0};
        r.LiczbaRamion = 4;
        r.Kat[3] = static_cast<float>(1.5 * 3.141592653589793);
        r.SumaWlotuRel = {};
        r.SumaWylotuRel = {};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                r.Macierz[i][j] = i == j ? 0 : 30 + 11 * (4 * i + j) + r.NrWezla;
                r.SumaWlotuRel[i] += r.Macierz[i][j];
                r.SumaWylotuRel[j] += r.Macierz[i][j];
            }
    }
}

void ZbudujArkuszMieszany()
{
    ZbudujProjekt(45, 2);
    for (int k = 0; k < 10; ++k)
        ASSERT_EQ(DodajWezel(3.0 + 4.0 * k, 128.0, "Rondo " + std::to_string(k + 1), 'R'), "");
    UstawRondaCzteroramienne();
    for (DaneRondo& r : Ronda)
        r.NatezeniaPrzejsc[0][0] = {20, 25};
    DefiniujBlokiTloIWierzch();
    Bloki.assign(6, {});
    for (int b = 0; b < 6; ++b) {
        Bloki[b].Nazwa = b % 2 ? "Wierzch" : "Tlo";
        Bloki[b].Nad = b % 2;
        Bloki[b].X = 2.0f + 3.0f * b;
        Bloki[b].Y = 10.0f + 21.0f * b;  // across the bands
        Bloki[b].Wariant = b < 3 ? -1 : 0;
    }
    Opisy.assign(3, {});
    for (int o = 0; o < 3; ++o) {
        Opisy[o].Tekst = "Opis " + std::to_string(o + 1) + " na styku pasow";
        Opisy[o].X = 1.0f + 5.0f * o;
        Opisy[o].Y = 30.0f + 40.0f * o;
        Opisy[o].Wariant = -1;
    }
    wg.ArkuszB = 42.0f;
    wg.ArkuszH = 132.0f;
    wg.Siatka = 1;
    wg.LegendaPrzejsc = 1;
    wg.LegendaPrzejscX = 30.0f;
    wg.LegendaPrzejscY = 60.0f;
    wg.Struktura = 1;
    wg.LegendaStrukturyX = 30.0f;
    wg.LegendaStrukturyY = 90.0f;
}

std::string CzytajPlik(const std::string& sciezka)
{
    std::ifstream plik(sciezka, std::ios::binary);
    std::stringstream s;
    s << plik.rdbuf();
    return s.str();
}

void UzyjPolecenia(const char* nazwa)
{
    QAction* polecenie = Form1->findChild<QAction*>(nazwa);
    ASSERT_TRUE(polecenie && polecenie->isEnabled()) << nazwa;
    for (QToolBar* pasek : Form1->findChildren<QToolBar*>())
        if (QWidget* przycisk = pasek->widgetForAction(polecenie); przycisk && przycisk->isVisible()) {
            QTest::mouseClick(przycisk, Qt::LeftButton);
            return;
        }
    // Its menu opened from the menu bar, then the item clicked.
    QMenuBar* pasekMenu = Form1->menuBar();
    for (QAction* a : pasekMenu->actions()) {
        QMenu* menu = a->menu();
        if (!menu || !menu->actions().contains(polecenie))
            continue;
        QTest::mouseClick(pasekMenu, Qt::LeftButton, {}, pasekMenu->actionGeometry(a).center());
        ASSERT_TRUE(menu->isVisible()) << nazwa;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(polecenie).center());
        return;
    }
    ADD_FAILURE() << "no tool button nor menu item for " << nazwa;
}

void Najedz(double x, double y) { Form1->PodgladMouseMove(CmNaEkranX(x), CmNaEkranY(y)); }

void Klik(double x, double y)
{
    Najedz(x, y);
    Form1->PodgladMouseDown(Qt::LeftButton, CmNaEkranX(x), CmNaEkranY(y));
    Form1->PodgladMouseUp(Qt::LeftButton, CmNaEkranX(x), CmNaEkranY(y));
}

std::vector<std::string> Napisy()
{
    std::vector<std::string> t;
    for (const ElementNakladki& e : Form1->Podglad->Nakladka())
        if (e.rodzaj == ElementNakladki::Rodzaj::Tekst)
            t.push_back(e.tekst.toStdString());
    return t;
}

std::vector<QImage> StronyObrazami(const std::string& pdf, const QString& katalog)
{
    QProcess p;
    p.start("pdftoppm", {"-r", "100", NaQString(pdf), katalog + "/s"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    std::vector<QImage> strony;
    const QStringList pliki = QDir(katalog).entryList({"s-*.ppm"}, QDir::Files, QDir::Name);
    for (const QString& plik : pliki)
        strony.push_back(QImage(katalog + "/" + plik).convertToFormat(QImage::Format_RGB32));
    return strony;
}

namespace {

bool Bliskie(QRgb a, QRgb b, int prog)
{
    return std::abs(qRed(a) - qRed(b)) <= prog && std::abs(qGreen(a) - qGreen(b)) <= prog &&
           std::abs(qBlue(a) - qBlue(b)) <= prog;
}

// The pixels of `a` with no pixel of `b` within `prog` at their place or next to it.
int BezOdpowiednika(const QImage& a, const QImage& b, int prog)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            bool jest = false;
            for (int dy = -1; dy <= 1 && !jest; ++dy)
                for (int dx = -1; dx <= 1 && !jest; ++dx)
                    jest = b.valid(x + dx, y + dy) && Bliskie(a.pixel(x, y), b.pixel(x + dx, y + dy), prog);
            n += !jest;
        }
    return n;
}

// The largest difference of a colour's mean over the same square of
// `bok` x `bok` pixels in the two pages.
double NajwiekszaRoznicaSrednich(const QImage& a, const QImage& b, int bok)
{
    double najwieksza = 0.0;
    for (int by = 0; by < a.height(); by += bok)
        for (int bx = 0; bx < a.width(); bx += bok) {
            long long suma[3] = {};
            int n = 0;
            for (int y = by; y < std::min(a.height(), by + bok); ++y)
                for (int x = bx; x < std::min(a.width(), bx + bok); ++x, ++n) {
                    const QRgb pa = a.pixel(x, y), pb = b.pixel(x, y);
                    suma[0] += qRed(pa) - qRed(pb);
                    suma[1] += qGreen(pa) - qGreen(pb);
                    suma[2] += qBlue(pa) - qBlue(pb);
                }
            for (long long s : suma)
                najwieksza = std::max(najwieksza, std::abs(static_cast<double>(s)) / n);
        }
    return najwieksza;
}

}  // namespace

std::string RozniceStronPdf(const std::string& pdf, const std::string& wzorzec)
{
    QTemporaryDir katalogA, katalogB;
    const std::vector<QImage> a = StronyObrazami(pdf, katalogA.path());
    const std::vector<QImage> b = StronyObrazami(wzorzec, katalogB.path());
    if (a.empty() || a.size() != b.size())
        return "pages: " + std::to_string(a.size()) + " against " + std::to_string(b.size());
    std::string roznice;
    for (std::size_t s = 0; s < a.size(); ++s) {
        const std::string strona = "page " + std::to_string(s + 1) + ": ";
        if (a[s].size() != b[s].size()) {
            roznice += strona + "another size; ";
            continue;
        }
        const int bez = BezOdpowiednika(a[s], b[s], 128) + BezOdpowiednika(b[s], a[s], 128);
        const double blok = NajwiekszaRoznicaSrednich(a[s], b[s], 32);
        if (bez * 10000 > a[s].width() * a[s].height() || blok > 12.0)
            roznice += strona + std::to_string(bez) + " pixels without a match, means of a block " +
                       std::to_string(blok) + " apart; ";
    }
    return roznice;
}

int StronyPdf(const std::string& pdf)
{
    const std::string t = CzytajPlik(pdf);
    int strony = 0;
    for (std::size_t i = t.find("/Type /Page"); i != std::string::npos; i = t.find("/Type /Page", i + 1))
        strony += t.compare(i, 12, "/Type /Pages") != 0;
    return strony;
}
