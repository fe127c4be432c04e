#include <QApplication>
#include <gtest/gtest.h>

#include "editor/Startup.h"
#include "private_home.h"

// Widgets are tested on the offscreen platform: no display is needed. A
// test of the drawn picture runs itself again on a display it started, with
// CUEFOLD_TEST_DISPLAY set.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsSet("CUEFOLD_TEST_DISPLAY") ? "xcb" : "offscreen");
    cuefold::testing::UsePrivateHome();
    QApplication app(argc, argv);
    // The windows are tested in the program's own style.
    cuefold::InstallProgramStyle();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
