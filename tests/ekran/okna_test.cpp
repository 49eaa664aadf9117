// Every window on a 1366 x 768 screen: it fits the screen's available area
// and the buttons that close it can be reached without scrolling.

#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <functional>

#include "counts/OknaPomiarow.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "counts/Siatka.h"
#include "model/PlikProjektu.h"
#include "model/Pomiar.h"
#include "pomoc.h"
#include "shell/Dialogi.h"
#include "shell/InfoOProgramie.h"
#include "shell/TEdycjaOpisy.h"
#include "shell/TKopiujSchowek.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TWrnt.h"
#include "shell/TWstawBlok.h"

namespace {

QString Prostokat(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Whether the whole of `w` shows: no widget between it and its window cuts
// it off (a scroll area's viewport would).
bool CalyWidoczny(const QWidget* w)
{
    const QRect wlasny(QPoint(0, 0), w->size());
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        const QRect wRodzicu(w->mapTo(p, QPoint(0, 0)), w->size());
        if (!p->rect().contains(wRodzicu))
            return false;
        if (p->isWindow())
            break;
    }
    return !wlasny.isEmpty() && w->isVisible();
}

class EkranTest : public ProgramTest {
protected:
    QRect Ekran() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    void SprawdzOkno(const QWidget* okno, const QStringList& przyciski)
    {
        SCOPED_TRACE(okno->objectName().toStdString());
        EXPECT_TRUE(Ekran().contains(okno->frameGeometry())) << Prostokat(okno->frameGeometry()).toStdString();
        for (const QString& nazwa : przyciski) {
            const auto* p = okno->findChild<QWidget*>(nazwa);
            ASSERT_NE(p, nullptr) << nazwa.toStdString();
            EXPECT_TRUE(CalyWidoczny(p)) << nazwa.toStdString();
            const QRect naEkranie(p->mapToGlobal(QPoint(0, 0)), p->size());
            EXPECT_TRUE(Ekran().contains(naEkranie)) << nazwa.toStdString() << " " << Prostokat(naEkranie).toStdString();
        }
    }

    // Opens a window the way the program does (`otworz` runs its modal
    // loop), checks it while it shows, and closes it; its size is returned.
    QSize Otworz(QDialog* okno, const QStringList& przyciski, const std::function<void()>& otworz)
    {
        QSize rozmiar;
        QTimer::singleShot(0, okno, [&] {
            SprawdzOkno(okno, przyciski);
            rozmiar = okno->frameGeometry().size();
            okno->hide();
        });
        otworz();
        EXPECT_TRUE(rozmiar.isValid()) << okno->objectName().toStdString() << " did not open";
        return rozmiar;
    }
    QSize Otworz(QDialog* okno, const QStringList& przyciski)
    {
        return Otworz(okno, przyciski, [okno] { okno->exec(); });
    }
};

} // namespace

TEST_F(EkranTest, EkranMaRozmiarLaptopa)
{
    EXPECT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1366, 768));
}

// The main window fills the screen and keeps the variant list and
// "Następny" on its toolbar.
TEST_F(EkranTest, OknoGlowneZListaWariantow)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    QCoreApplication::processEvents();
    SprawdzOkno(Form1, {"CB_Wariant", "BB_Next", "BB_Prev"});
}

TEST_F(EkranTest, OknaRuchoplanuIUstawien)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    Otworz(NatezeniaRUPL, {"BWprowadz", "BPowrot"}, [] { Form1->OtworzDaneRuchoplanu(0); });
    Otworz(GeometriaRuchoplan, {"B_Wprowadz"}, [] { Form1->OtworzGeometrieRuchoplanu(0); });
    Otworz(UstawSuwak, {"Button1"});
    Otworz(UstawyGlobalne, {"B_wprowadz"}, [] { Form1->TB_UstawGlowneClick(); });
    Otworz(Wrnt, {"Button2"}, [] { Form1->TB_EdycjaWariantowClick(); });
    WezlyOperacje->L_NrWezel->setText("0");
    Otworz(WezlyOperacje, {"B_Powrot"});
    Otworz(InfoOProgramie, {"powrot"}, [] { Form1->Oprogramie1Click(); });
    TPytanieTakNieKasuj::Skrypt = nullptr;
    Otworz(PytanieTakNieKasuj, {"B_Tak", "B_Nie", "B_Kasuj"},
           [] { PytanieTakNieKasuj->Zapytaj(U("Dane niezapisane. ZAPISAĆ?"), true); });
    Otworz(WstawBlok, {"B_WczytajBlok", "B_Powrot"}, [] { Form1->TB_WstawBlokClick(); });
    Otworz(EdycjaOpisy, {"B_Wprowadz", "Powrot"}, [] { Form1->TB_WstawOpisClick(); });
    Otworz(KopiujSchowek, {"B_kopiuj", "B_Powrot"}, [] { Form1->TB_DoSchowkaClick(); });
}

TEST_F(EkranTest, OknaRonda)
{
    Uruchom();
    NowyProjekt();
    ASSERT_EQ(DodajWezel(10.0, 10.0, "Rondo", 'R'), "");
    ASSERT_EQ(DodajWariant("Wariant 1", "", "", "", 0.0f, 0.0f, 'L'), "");
    BiezacyWariant = 0;
    Otworz(GeometriaRondo, {"Wprowadz", "Button3"}, [] { Form1->OtworzGeometrieRonda(0); });
    Otworz(DaneRonda, {"Wprowadz", "B_rezygnuj"}, [] { Form1->OtworzDaneRonda(0); });
}

TEST_F(EkranTest, OknaPomiarowIPrognoz)
{
    Uruchom();
    ZbudujProjekt(1, 1);
    Otworz(PomiaryRuchu, {"Button3", "B_Powrot"}, [] { Form1->ToolButton2Click(); });
    Otworz(NatezeniaTabela, {"B_Wprowadz", "B_Rezygnuj"});
    Otworz(PojazdyTabela, {"B_Wprowadz", "B_Rezygnuj"});
    Otworz(OpenPomiar, {"B_Wprowadz", "B_Rezygnuj"});
    DanePomiar pomiar;
    UstawDomyslnyPomiar(pomiar);
    DanePrognoza prognoza;
    UstawDomyslnaPrognoze(prognoza);
    TabelaPrognoz->Ustaw(&prognoza, &pomiar, {"A", "B", "C", "D", "E"}, 'J');
    Otworz(TabelaPrognoz, {"B_Wprowadz", "B_Rezygnuj"});
    const std::vector<std::string> raport(120, "linia raportu");
    Otworz(Opis, {"Button1", "B_Powrot"}, [&] { Opis->PokazRaport(raport); });
}

// A window opens at one size each time, whatever was shown in it before.
TEST_F(EkranTest, OknoOtwieraSieZawszeTakSamo)
{
    Uruchom();
    ZbudujProjekt(2, 2);
    const QSize pierwszy = Otworz(NatezeniaRUPL, {"BWprowadz"}, [] { Form1->OtworzDaneRuchoplanu(0); });
    // An opening in which the user shrinks it.
    QTimer::singleShot(0, NatezeniaRUPL, [] {
        NatezeniaRUPL->resize(500, 400);
        QCoreApplication::processEvents();
        NatezeniaRUPL->hide();
    });
    Form1->OtworzDaneRuchoplanu(2);
    const QSize drugi = Otworz(NatezeniaRUPL, {"BWprowadz"}, [] { Form1->OtworzDaneRuchoplanu(3); });
    const QSize trzeci = Otworz(NatezeniaRUPL, {"BWprowadz"}, [] { Form1->OtworzDaneRuchoplanu(1); });
    EXPECT_EQ(pierwszy, drugi);
    EXPECT_EQ(pierwszy, trzeci);
}

// The forecast table shows all its vehicle classes on this screen, and its
// grid grows with the window when the user makes it taller.
TEST_F(EkranTest, SiatkaPrognozyRosnieZOknem)
{
    Uruchom();
    DanePomiar pomiar;
    UstawDomyslnyPomiar(pomiar);
    DanePrognoza prognoza;
    UstawDomyslnaPrognoze(prognoza);
    TabelaPrognoz->Ustaw(&prognoza, &pomiar, {"A", "B", "C", "D", "E"}, 'J');
    int wierszy = 0, poPowiekszeniu = 0;
    QTimer::singleShot(0, TabelaPrognoz, [&] {
        TSiatka* siatka = TabelaPrognoz->SG_Pojazdy;
        for (int r = 0; r < siatka->rowCount(); ++r)
            wierszy += siatka->viewport()->rect().contains(siatka->visualRect(siatka->model()->index(r, 0)));
        const int przed = siatka->height();
        TabelaPrognoz->resize(TabelaPrognoz->width(), TabelaPrognoz->height() + 60);
        QCoreApplication::processEvents();
        poPowiekszeniu = siatka->height() - przed;
        TabelaPrognoz->hide();
    });
    TabelaPrognoz->exec();
    EXPECT_EQ(wierszy, KlasPojazdow);
    EXPECT_EQ(poPowiekszeniu, 60);
}

// The volumes window opens wide enough for its count page, the count's
// table, sums and buttons in view with no scroll bar across, whether its
// first opening showed a count or not; up and down it may scroll.
TEST_F(EkranTest, OknoNatezenNaSzerokoscStronyPomiaru)
{
    Uruchom();
    ASSERT_TRUE(OtworzProjekt(std::string(KG_BUILD_DIR) + "/Przyklady/Skrzyzowanie_miejskie.rup"));
    ASSERT_TRUE(JestIndeksem(Ruchoplany[1].NrPomiaru, Pomiary));
    Ruchoplany[0].NrPomiaru = -1;
    Ruchoplany[0].ZPomiaru = 0;
    const QSize bezPomiaru = Otworz(NatezeniaRUPL, {"BWprowadz", "BPowrot"}, [] { Form1->OtworzDaneRuchoplanu(0); });
    int szerokoscStrony = 0;
    QTimer::singleShot(0, NatezeniaRUPL, [&] {
        ASSERT_EQ(NatezeniaRUPL->PC_NatRupl->currentIndex(), 2);
        for (const char* nazwa : {"SG_Tabela", "GB_Wyniki", "B_UsunPrognoze", "B_PokazWspolczynniki", "B_WstawOpisy"}) {
            const auto* w = NatezeniaRUPL->findChild<QWidget*>(nazwa);
            ASSERT_NE(w, nullptr) << nazwa;
            EXPECT_TRUE(CalyWidoczny(w)) << nazwa;
        }
        if (const auto* przewijanie = NatezeniaRUPL->findChild<QScrollArea*>("PrzewijanaTresc")) {
            EXPECT_FALSE(przewijanie->horizontalScrollBar()->isVisible());
        }
        szerokoscStrony = NatezeniaRUPL->frameGeometry().width();
        NatezeniaRUPL->hide();
    });
    Form1->OtworzDaneRuchoplanu(1);
    EXPECT_GT(szerokoscStrony, 700);
    EXPECT_GE(szerokoscStrony, bezPomiaru.width());
    // Opened again without a count, it keeps the width it took.
    EXPECT_EQ(Otworz(NatezeniaRUPL, {"BWprowadz"}, [] { Form1->OtworzDaneRuchoplanu(0); }).width(), szerokoscStrony);
}
