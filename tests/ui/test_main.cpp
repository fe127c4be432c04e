#include <QApplication>
#include <gtest/gtest.h>

#include "private_home.h"

// Widgets are tested on the offscreen platform: no display is needed.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    cuefold::testing::UsePrivateHome();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
