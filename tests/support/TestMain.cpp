// Test main: GoogleTest inside a Qt application. Test programs that link the
// widgets library get a QApplication (windows run offscreen unless a display
// platform is asked for); the others a QCoreApplication.
#include <gtest/gtest.h>

#ifdef KELVO_TESTS_WITH_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
