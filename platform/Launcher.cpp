#include "Launcher.h"

#include <QProcess>

namespace {
Launcher*& installed() {
    static Launcher* l = nullptr;
    return l;
}
}  // namespace

Launcher::~Launcher() = default;

Launcher& Launcher::current() {
    static ProcessLauncher fallback;
    return installed() ? *installed() : fallback;
}

Launcher* Launcher::install(Launcher* l) {
    Launcher* previous = installed();
    installed() = l;
    return previous;
}

bool ProcessLauncher::start(const QString& program, const QStringList& arguments, const QString& workingDir) {
    if (program.isEmpty()) return false;
    return QProcess::startDetached(program, arguments, workingDir);
}
