#include <QCoreApplication>
#include <gtest/gtest.h>

// The tests run Qt's timers and processes, so an application object exists; it does not
// connect to any display itself.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
