#include <gtest/gtest.h>

#include "Application.h"
#include "TestSupport.h"

// Widget tests need one application object for the whole process; it is the
// program's own, so tests run under the real exception dispatcher. CTest sets
// the offscreen platform, and the fallback here keeps a hand-run binary
// headless too.
int main(int argc, char** argv) {
    qmtest::installFreshXdgFolders();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QuillmarApplication app(argc, argv);
    // An exception that reaches the dispatcher in a test is a fault unless the
    // test installed a handler of its own to expect it.
    setExceptionHandler([](const QString& what) {
        ADD_FAILURE() << "exception reached the dispatcher: " << what.toStdString();
    });
    return RUN_ALL_TESTS();
}
