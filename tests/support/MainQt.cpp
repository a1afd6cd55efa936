#include <QApplication>
#include <gtest/gtest.h>

#include "TestSupport.h"

// Widget tests need one QApplication for the whole process; CTest sets the
// offscreen platform, and the fallback here keeps a hand-run binary headless too.
int main(int argc, char** argv) {
    qmtest::installFreshXdgFolders();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
