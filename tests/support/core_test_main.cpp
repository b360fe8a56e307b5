#include <QCoreApplication>
#include <gtest/gtest.h>

// The tests of the layers below the windows: Qt Core only, no display.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
