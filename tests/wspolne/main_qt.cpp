// Test main for the programs that need a Qt application (canvas, fonts,
// windows). They run headless under the offscreen platform.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/qt/TlumaczenieQt.h"

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // The standard dialogs speak Polish, as in the program.
    ZaladujTlumaczenieQt();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
