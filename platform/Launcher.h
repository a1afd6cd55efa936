#pragma once
// Starting another program by path (the image-tools program, executable
// links in the preview), behind a replaceable hook.

#include <QString>
#include <QStringList>

class Launcher {
public:
    virtual ~Launcher();
    // Starts the program detached from this one; false when it cannot be
    // started (missing, not executable).
    virtual bool start(const QString& program, const QStringList& arguments = {},
                       const QString& workingDir = QString()) = 0;

    // The process-wide launcher; install(nullptr) restores the default one.
    static Launcher& current();
    static Launcher* install(Launcher* l);
};

// QProcess::startDetached.
class ProcessLauncher : public Launcher {
public:
    bool start(const QString& program, const QStringList& arguments, const QString& workingDir) override;
};
