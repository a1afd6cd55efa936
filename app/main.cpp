// Quillmar: the program entry. No switches and no environment variables of
// its own: every argument is a file to open.

#include "AppIcon.h"
#include "Application.h"
#include "DurableFile.h"
#include "Paths.h"
#include "Sound.h"
#include "StartupRules.h"
#include "TmdiMain.h"
#include "Wiring.h"

int main(int argc, char** argv) {
    selectSoundBackend();
    QuillmarApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillmar"));
    QCoreApplication::setApplicationVersion(QStringLiteral("32.2.4.1"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmar"));
    QApplication::setWindowIcon(appIcon());

    // Templates, macros and lists the user does not have yet come from the
    // delivered data; the user's own files are never replaced.
    dispatch([] { paths::installDeliveredData(); });

    // Documents written while the folder cannot take a new file keep a
    // complete copy here until they are whole again.
    durable::setDefaultFallbackDir(paths::dataDir().string());

    // File names are bytes: taken from argv as they are (a name that is not
    // UTF-8 would not survive a trip through QString).
    TmdiMain mdiMain(std::vector<std::string>(argv + 1, argv + argc));
    installAllCommands(mdiMain);
    mdiMain.show();
    return QCoreApplication::exec();
}
