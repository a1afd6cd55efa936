// Quillmar: the program entry. No switches and no environment variables of
// its own: every argument is a file to open.

#include "AppIcon.h"
#include "Application.h"
#include "Paths.h"
#include "StartupRules.h"
#include "TmdiMain.h"
#include "Wiring.h"

int main(int argc, char** argv) {
    QuillmarApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillmar"));
    QCoreApplication::setApplicationVersion(QStringLiteral("32.2.4.1"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmar"));
    QApplication::setWindowIcon(appIcon());

    // Templates, macros and lists the user does not have yet come from the
    // delivered data; the user's own files are never replaced.
    dispatch([] { paths::installDeliveredData(); });

    TmdiMain mdiMain(QCoreApplication::arguments().mid(1));
    installAllCommands(mdiMain);
    mdiMain.show();
    return QCoreApplication::exec();
}
