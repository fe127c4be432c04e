#include <QCoreApplication>
#include <gtest/gtest.h>

#include "private_home.h"

// The core needs no display and no widgets: a plain application object is
// enough for its event loop and child processes.
int main(int argc, char **argv)
{
    cuefold::testing::UsePrivateHome();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
