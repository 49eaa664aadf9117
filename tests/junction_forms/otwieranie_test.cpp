// The main window opens the junction windows: the double click by whether
// the diagram is entered, the data and geometry commands by their pick.
#include <QAction>
#include <QTimer>

#include "drawing/Wyjscie.h"
#include "formularze.h"

namespace {

using Otwieranie = Formularze;

// Which window the action showed, and the record it was handed.
struct Pokazane {
    QString okno;
    QString rekord;
};

Pokazane Po(const std::function<void()>& akcja)
{
    Pokazane p;
    QTimer::singleShot(0, [&] {
        for (QDialog* d : {static_cast<QDialog*>(NatezeniaRUPL), static_cast<QDialog*>(GeometriaRuchoplan)})
            if (d->isVisible()) {
                p.okno = d->objectName();
                p.rekord = d == NatezeniaRUPL ? NatezeniaRUPL->L_NrRupl->text() : GeometriaRuchoplan->L_NrRupl->text();
                d->reject();
            }
    });
    akcja();
    return p;
}

TEST_F(Otwieranie, PodwojneKlikniecieIPolecenia)
{
    Form1->UstawPolecenia();
    Form1->Przerysuj();
    // The second node, in variant 2.
    Form1->BB_NextClick();
    const int px = CmNaEkranX(Wezly[1].X), py = CmNaEkranY(Wezly[1].Y);
    const int n = Rekord(1, 1);
    Form1->PokazWskazanie(px, py);
    Pokazane p = Po([] { Form1->PodgladDblClick(); });
    EXPECT_EQ(p.okno, "NatezeniaRUPL");
    EXPECT_EQ(p.rekord, QString::number(n));

    Ruchoplany[n].GeometriaWprowadzona = 0;
    p = Po([] { Form1->PodgladDblClick(); });
    EXPECT_EQ(p.okno, "GeometriaRuchoplan");
    EXPECT_EQ(p.rekord, QString::number(n));

    // The data command opens the data window whether or not it is entered.
    for (const char* polecenie : {"TB_Dane", "TB_Geometria"}) {
        QAction* a = Form1->findChild<QAction*>(polecenie);
        ASSERT_TRUE(a && a->isEnabled()) << polecenie;
        a->trigger();
        Form1->PokazWskazanie(px, py);
        p = Po([&] { Form1->PodgladKlik(px, py); });
        EXPECT_EQ(p.okno, std::string(polecenie) == "TB_Dane" ? "NatezeniaRUPL" : "GeometriaRuchoplan");
        EXPECT_EQ(p.rekord, QString::number(n));
    }
    EXPECT_FALSE(ProjektZmieniony) << "nothing was committed";
}

}  // namespace
