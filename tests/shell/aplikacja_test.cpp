// No exception leaves an event handler: it ends the operation with a Polish
// message, and the program and the project go on.
#include <QPushButton>
#include <stdexcept>

#include "pomoc.h"
#include "shell/Aplikacja.h"

namespace {

using AplikacjaTest = ProgramTest;

TEST_F(AplikacjaTest, WyjatekZObslugiKonczySieKomunikatem)
{
    Uruchom();
    const int wezlowPrzed = static_cast<int>(Wezly.size());
    EXPECT_FALSE(ObsluzBezWyjatku([]() -> bool { throw std::bad_alloc(); }));
    EXPECT_FALSE(ObsluzBezWyjatku([]() -> bool { throw std::runtime_error("x"); }));
    EXPECT_FALSE(ObsluzBezWyjatku([]() -> bool { throw 7; }));
    EXPECT_TRUE(ObsluzBezWyjatku([] { return true; }));
    const auto k = Komunikaty();
    ASSERT_EQ(k.size(), 3u);
    EXPECT_EQ(k[0], "Brak pamięci.\nOperacja została przerwana.");
    EXPECT_EQ(k[1], "Nieoczekiwany błąd programu: x\nOperacja została przerwana.");
    EXPECT_EQ(k[2], "Nieoczekiwany błąd programu.\nOperacja została przerwana.");
    EXPECT_EQ(static_cast<int>(Wezly.size()), wezlowPrzed);
    EXPECT_TRUE(Form1->isVisible()) << "the program goes on";
}

TEST_F(AplikacjaTest, PrzyciskKtoregoObslugaRzucaNieKonczyProgramu)
{
    // A click delivered as the application delivers it: the exception of
    // the handler stops at the guard.
    QPushButton przycisk;
    QObject::connect(&przycisk, &QPushButton::clicked, [] { throw std::bad_alloc(); });
    EXPECT_FALSE(ObsluzBezWyjatku([&] {
        przycisk.click();
        return true;
    }));
    ASSERT_EQ(Komunikaty().size(), 1u);
    EXPECT_EQ(Komunikaty()[0].rfind("Brak pamięci.", 0), 0u);
}

}  // namespace
