// The count editor reached from the main window: ToolButton2, the counts
// folders made at start, the shared question window behind the count windows.
#include <QAction>
#include <QLineEdit>
#include <QTimer>

#include "counts/Pytanie.h"
#include "counts/TPomiaryRuchu.h"
#include "pomoc.h"

namespace {

TEST_F(ProgramTest, ToolButton2OtwieraEdytorPomiarow)
{
    QDir(katalog.path()).rmpath("Pomiary");
    Uruchom();
    for (const char* k : {"Pomiary", "Pomiary/Prognozy", "Pomiary/Ustawienia"})
        EXPECT_TRUE(QDir(katalog.path() + "/" + k).exists()) << k;

    QAction* polecenie = Form1->findChild<QAction*>("ToolButton2");
    ASSERT_NE(polecenie, nullptr);
    EXPECT_TRUE(polecenie->isEnabled());
    bool pokazany = false;
    QTimer::singleShot(0, [&] {
        pokazany = PomiaryRuchu->isVisible();
        PomiaryRuchu->B_PowrotClick();
    });
    polecenie->trigger();
    EXPECT_TRUE(pokazany);
    EXPECT_FALSE(PomiaryRuchu->E_NazwaWezla->isEnabled()) << "no count open yet";

    // The count windows ask through the program's question window.
    odpowiedzi = {TPytanieTakNieKasuj::mrKasuj};
    EXPECT_EQ(Zapytaj("Czy?", true), PytanieKasuj);
    ASSERT_EQ(pytania.size(), 1u);
    EXPECT_TRUE(zKasuj.back());
}

}  // namespace
