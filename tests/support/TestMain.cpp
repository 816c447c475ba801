// Default test main: a Qt core application around GoogleTest. A test folder
// that needs widgets provides its own main, which the linker prefers.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
