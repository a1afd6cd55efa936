#include "RecordingHooks.h"

RecordingSoundPlayer::RecordingSoundPlayer() : previous_(SoundPlayer::install(this)) {}
RecordingSoundPlayer::~RecordingSoundPlayer() {
    if (&SoundPlayer::current() == this) SoundPlayer::install(previous_);
}

RecordingLauncher::RecordingLauncher() : previous_(Launcher::install(this)) {}
RecordingLauncher::~RecordingLauncher() {
    if (&Launcher::current() == this) Launcher::install(previous_);
}

bool RecordingLauncher::start(const QString& program, const QStringList& arguments, const QString& workingDir) {
    started.append(Start{program, arguments, workingDir});
    return result;
}

RecordingHelp::RecordingHelp() : previous_(HelpSystem::install(this)) {}
RecordingHelp::~RecordingHelp() {
    if (&HelpSystem::current() == this) HelpSystem::install(previous_);
}

void RecordingHelp::setHelpFile(const QString& file) {
    file_ = file;
    calls << QStringLiteral("setHelpFile ") + file;
}

bool RecordingHelp::showContents() {
    calls << QStringLiteral("contents ") + file_;
    return true;
}

bool RecordingHelp::search(const QString& keyword) {
    calls << QStringLiteral("search %1 %2").arg(file_, keyword);
    return true;
}

bool RecordingHelp::helpOnHelp() {
    calls << QStringLiteral("helpOnHelp");
    return true;
}

bool RecordingHelp::showContext(int context) {
    calls << QStringLiteral("context %1 %2").arg(file_).arg(context);
    return true;
}
