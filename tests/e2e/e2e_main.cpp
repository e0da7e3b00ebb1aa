#include <QCoreApplication>
#include <gtest/gtest.h>

// Qt's timers and processes need an application object; it connects to no display itself.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
